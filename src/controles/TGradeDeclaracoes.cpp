#include "controles/TGradeDeclaracoes.h"

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
  const bool comArquivo = consulta.temCampo(QStringLiteral("ARQUIVO"));
  for (; !consulta.eof(); consulta.proximo())
    linhas.push_back({consulta.campo(QStringLiteral("TOLV_DK")).inteiro(),
                      consulta.campo(QStringLiteral("IN_PF_PJ")).texto().trimmed(),
                      consulta.campo(QStringLiteral("NR_PF_PJ")).texto().trimmed(),
                      consulta.campo(QStringLiteral("NM_NM_EMPR")).texto().trimmed(),
                      consulta.campo(QStringLiteral("AN_RETENCA")).texto().trimmed(),
                      comArquivo ? consulta.campo(QStringLiteral("ARQUIVO")).texto().trimmed() : QString()});
  return linhas;
}

void TModeloDeclaracoes::Define(std::vector<LinhaDeclaracao> linhas) {
  beginResetModel();
  m_linhas = std::move(linhas);
  endResetModel();
}

void TModeloDeclaracoes::DefineColunas(std::vector<Visivel> colunas) {
  beginResetModel();
  m_colunas = std::move(colunas);
  endResetModel();
}

int TModeloDeclaracoes::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : int(m_linhas.size()); }

int TModeloDeclaracoes::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : int(m_colunas.size()); }

QVariant TModeloDeclaracoes::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || indice.row() >= int(m_linhas.size()) || indice.column() >= int(m_colunas.size())) return {};
  const LinhaDeclaracao& l = m_linhas[size_t(indice.row())];
  const Coluna conteudo = m_colunas[size_t(indice.column())].conteudo;
  if (papel == Qt::DisplayRole) {
    switch (conteudo) {
      case ColCpfCnpj: return l.CpfCnpj();
      case ColNome: return l.nome;
      case ColAno: return l.ano;
      case QuantidadeColunas: break;
    }
  }
  if (papel == Qt::TextAlignmentRole && conteudo == ColAno) return int(Qt::AlignCenter);
  return {};
}

QVariant TModeloDeclaracoes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= int(m_colunas.size())) return {};
  return m_colunas[size_t(secao)].titulo;
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
  AjustaLarguras();
}

void TGradeDeclaracoes::DefineColunas(std::vector<TModeloDeclaracoes::Visivel> colunas) {
  m_modelo->DefineColunas(std::move(colunas));
  AjustaLarguras();
}

void TGradeDeclaracoes::AjustaLarguras() {
  const int caractere = fontMetrics().averageCharWidth();
  const auto& colunas = m_modelo->Colunas();
  for (int i = 0; i < int(colunas.size()); ++i) {
    if (colunas[size_t(i)].caracteres > 0) {
      horizontalHeader()->setSectionResizeMode(i, QHeaderView::Interactive);
      setColumnWidth(i, colunas[size_t(i)].caracteres * caractere + 8);
    } else {
      horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
    }
  }
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
