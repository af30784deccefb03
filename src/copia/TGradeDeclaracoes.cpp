#include "copia/TGradeDeclaracoes.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "controles/PaletaTolv.h"
#include "nucleo/NiContribuinte.h"
#include "plataforma/bd/Consulta.h"

namespace {

constexpr QRgb kImpar = qRgb(209, 220, 226);
constexpr QRgb kPar = qRgb(220, 229, 236);

class PinturaLinhas : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    const bool selecionada = opcao.state & QStyle::State_Selected;
    // Record numbers count from 1: the first row is odd.
    p->fillRect(opcao.rect, PaletaTolv::cor(indice.row() % 2 == 0 ? kImpar : kPar));
    QFont fonte = opcao.font;
    fonte.setBold(selecionada);
    p->setFont(fonte);
    p->setPen(selecionada ? QColor(Qt::black) : PaletaTolv::cor(PaletaTolv::kTexto));
    const QVariant alinhamento = indice.data(Qt::TextAlignmentRole);
    const int flags = alinhamento.isValid() ? alinhamento.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    p->drawText(opcao.rect.adjusted(4, 0, -4, 0), flags,
                QFontMetrics(fonte).elidedText(indice.data().toString(), Qt::ElideRight, opcao.rect.width() - 8));
  }
};

}  // namespace

QString LinhaDeclaracao::CpfCnpj() const {
  const QString base = numeroBase.trimmed();
  return TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base));
}

std::vector<LinhaDeclaracao> TModeloDeclaracoes::Le(bd::Consulta& consulta) {
  std::vector<LinhaDeclaracao> linhas;
  for (; !consulta.eof(); consulta.proximo())
    linhas.push_back({consulta.campo(QStringLiteral("TOLV_DK")).inteiro(),
                      consulta.campo(QStringLiteral("IN_PF_PJ")).texto().trimmed(),
                      consulta.campo(QStringLiteral("NR_PF_PJ")).texto().trimmed(),
                      consulta.campo(QStringLiteral("NM_NM_EMPR")).texto().trimmed(),
                      consulta.campo(QStringLiteral("AN_RETENCA")).texto().trimmed()});
  return linhas;
}

void TModeloDeclaracoes::Define(std::vector<LinhaDeclaracao> linhas) {
  beginResetModel();
  m_linhas = std::move(linhas);
  endResetModel();
}

int TModeloDeclaracoes::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : int(m_linhas.size()); }

int TModeloDeclaracoes::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : QuantidadeColunas; }

QVariant TModeloDeclaracoes::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || indice.row() >= int(m_linhas.size())) return {};
  const LinhaDeclaracao& l = m_linhas[size_t(indice.row())];
  if (papel == Qt::DisplayRole) {
    switch (indice.column()) {
      case ColCpfCnpj: return l.CpfCnpj();
      case ColNome: return l.nome;
      case ColAno: return l.ano;
    }
  }
  if (papel == Qt::TextAlignmentRole && indice.column() == ColAno) return int(Qt::AlignCenter);
  return {};
}

QVariant TModeloDeclaracoes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
  switch (secao) {
    case ColCpfCnpj: return QStringLiteral("CPF/CNPJ");
    case ColNome: return QStringLiteral("Nome/Nome Empresarial");
    case ColAno: return QStringLiteral("Ano");
  }
  return {};
}

TGradeDeclaracoes::TGradeDeclaracoes(QWidget* pai) : QTableView(pai), m_modelo(new TModeloDeclaracoes(this)) {
  setObjectName(QStringLiteral("DBGrDeclaracao"));
  setModel(m_modelo);
  setItemDelegate(new PinturaLinhas(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  // Widths in characters, as the columns were laid out: 18, 62 and 6.
  const int caractere = fontMetrics().averageCharWidth();
  setColumnWidth(TModeloDeclaracoes::ColCpfCnpj, 18 * caractere + 8);
  setColumnWidth(TModeloDeclaracoes::ColAno, 6 * caractere + 8);
  horizontalHeader()->setSectionResizeMode(TModeloDeclaracoes::ColNome, QHeaderView::Stretch);
}

const LinhaDeclaracao* TGradeDeclaracoes::Selecionada() const {
  const QModelIndex atual = currentIndex();
  if (!atual.isValid() || atual.row() >= int(m_modelo->Linhas().size())) return nullptr;
  return &m_modelo->Linhas()[size_t(atual.row())];
}

void TGradeDeclaracoes::Seleciona(int linha) {
  if (linha < 0 || linha >= m_modelo->rowCount()) return;
  setCurrentIndex(m_modelo->index(linha, 0));
  selectRow(linha);
}

void TGradeDeclaracoes::Mostra(std::vector<LinhaDeclaracao> linhas) {
  m_modelo->Define(std::move(linhas));
  Seleciona(0);
}
