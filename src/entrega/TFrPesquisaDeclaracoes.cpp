#include "entrega/TFrPesquisaDeclaracoes.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/LocalizadorDeclaracoes.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Diretorios.h"
#include "nucleo/NiContribuinte.h"

namespace {

constexpr QRgb kLinhaImpar = 0xD1DCE2;
constexpr QRgb kLinhaPar = 0xDCE5EC;
constexpr QRgb kTextoLinha = 0x525152;
constexpr QRgb kMolduraForma = 0xB9D0DE;
constexpr QRgb kFundoForma = 0xDFE8ED;
constexpr QRgb kPainel = 0xF2F2F2;
constexpr QRgb kCorTitulos = 0x638FC0;

enum Coluna { ColSelected, ColCpfCnpj, ColAno, ColData, ColHash, ColTipo, ColArquivo, ColCaminho, ColNome, kColunas };

struct Titulo {
  const char16_t* texto;
  const char* campo;
  int largura;
};
const Titulo kTitulos[kColunas] = {
    {u"", nullptr, 24},
    {u"CPF/CNPJ", nullptr, 130},
    {u"Ano", "ANO", 45},
    {u"Data de Gravação", "DATA_GERA", 125},
    {u"Número do Recibo", "HASH", 125},
    {u"Tipo", "TIPO", 85},
    {u"Nome do arquivo", "NOME_ARQUIVO", 360},
    {u"Pasta", "CAMINHO", 250},
    {u"Nome/Nome Empresarial", "NOME", 250},
};

// "99.99.99.99.99-99"
QString ComMascaraRecibo(const QString& recibo) {
  if (recibo.size() != 12) return recibo;
  return recibo.left(2) + u'.' + recibo.mid(2, 2) + u'.' + recibo.mid(4, 2) + u'.' + recibo.mid(6, 2) + u'.' +
         recibo.mid(8, 2) + u'-' + recibo.mid(10, 2);
}

QString CpfCnpj(const QString& numero) {
  const QString base = numero.trimmed();
  const QString completo = (base.size() == 9 || base.size() == 12) ? base + TNiContribuinte::CalculaDVNi(base) : base;
  return TNiContribuinte::FormataNi(completo);
}

}  // namespace

// CdsGeradas as the grid shows it; empty while the list is closed.
class ModeloGeradas : public QAbstractTableModel {
 public:
  ModeloGeradas(const bd::ConjuntoMemoria& dados, const QList<int>& selecao, QObject* pai)
      : QAbstractTableModel(pai), m_dados(dados), m_selecao(selecao) {}

  void Reinicia(bool aberto) {
    beginResetModel();
    m_aberto = aberto;
    endResetModel();
  }
  void MudouLinha(int linha) { emit dataChanged(index(linha, 0), index(linha, kColunas - 1)); }

  int rowCount(const QModelIndex& pai = {}) const override {
    return pai.isValid() || !m_aberto ? 0 : m_dados.quantidade();
  }
  int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : kColunas; }

  QVariant data(const QModelIndex& i, int papel) const override {
    if (!i.isValid()) return {};
    const int linha = i.row();
    const bool selecionada = m_selecao.contains(linha);
    switch (papel) {
      case Qt::DisplayRole: return texto(linha, i.column());
      case Qt::CheckStateRole:
        if (i.column() == ColSelected) return selecionada ? Qt::Checked : Qt::Unchecked;
        return {};
      case Qt::BackgroundRole: return PaletaTolv::cor(linha % 2 == 0 ? kLinhaImpar : kLinhaPar);
      case Qt::ForegroundRole: return selecionada ? QColor(Qt::black) : PaletaTolv::cor(kTextoLinha);
      case Qt::FontRole: {
        QFont f = PaletaTolv::arial(9, selecionada);
        return f;
      }
      case Qt::TextAlignmentRole:
        if (i.column() == ColAno || i.column() == ColTipo || i.column() == ColHash) return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
      default: return {};
    }
  }

  QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
    if (o != Qt::Horizontal || secao < 0 || secao >= kColunas) return {};
    if (papel == Qt::DisplayRole) return QString::fromUtf16(kTitulos[secao].texto);
    if (papel == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
  }

  QString texto(int linha, int coluna) const {
    const auto valor = [&](const char* campo) {
      return m_dados.valor(linha, m_dados.indiceColuna(QString::fromLatin1(campo)));
    };
    switch (coluna) {
      case ColSelected: return {};
      case ColCpfCnpj: return CpfCnpj(valor("NR_PF_PJ").comoTexto());
      case ColData: {
        const QDateTime d = valor("DATA_GERA").comoDataHora();
        return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) : QString();
      }
      case ColHash: return ComMascaraRecibo(valor("HASH").comoTexto());
      default: return valor(kTitulos[coluna].campo).comoTexto();
    }
  }

 private:
  const bd::ConjuntoMemoria& m_dados;
  const QList<int>& m_selecao;
  bool m_aberto = false;
};

TFrPesquisaDeclaracoes::TFrPesquisaDeclaracoes(QWidget* pai)
    : QFrame(pai), m_geradas(LocalizadorDeclaracoes::Colunas()) {
  setObjectName(QStringLiteral("FrPesquisaDeclaracoes"));
  PaletaTolv::pinta(this, kPainel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);

  m_pnlMensagem = new QWidget(this);
  m_pnlMensagem->setObjectName(QStringLiteral("pnlMensagem"));
  PaletaTolv::pinta(m_pnlMensagem, kPainel);
  auto* lm = new QVBoxLayout(m_pnlMensagem);
  lm->setContentsMargins(22, 4, 22, 4);
  m_lbMens = new QLabel(m_pnlMensagem);
  m_lbMens->setObjectName(QStringLiteral("LbMens"));
  m_lbMens->setWordWrap(true);
  m_lbMens->setTextFormat(Qt::PlainText);
  m_lbMens->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(m_lbMens, kPainel, kTextoLinha);
  lm->addWidget(m_lbMens);
  layout->addWidget(m_pnlMensagem);

  m_pnlGrid = new QWidget(this);
  m_pnlGrid->setObjectName(QStringLiteral("pnlGrid"));
  PaletaTolv::pinta(m_pnlGrid, kPainel);
  auto* lg = new QVBoxLayout(m_pnlGrid);
  lg->setContentsMargins(20, 0, 20, 2);
  m_shape = new QFrame(m_pnlGrid);
  m_shape->setObjectName(QStringLiteral("Shape_GRID"));
  m_shape->setAutoFillBackground(true);
  QPalette ps = m_shape->palette();
  ps.setColor(QPalette::Window, PaletaTolv::cor(kFundoForma));
  ps.setColor(QPalette::WindowText, PaletaTolv::cor(kMolduraForma));
  m_shape->setPalette(ps);
  m_shape->setFrameShape(QFrame::Box);
  auto* ls = new QVBoxLayout(m_shape);
  ls->setContentsMargins(2, 2, 2, 2);
  m_grade = new QTableView(m_shape);
  m_grade->setObjectName(QStringLiteral("DbgGeradas"));
  m_modelo = new ModeloGeradas(m_geradas, m_selecao, this);
  m_grade->setModel(m_modelo);
  m_grade->setSelectionMode(QAbstractItemView::NoSelection);
  m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grade->verticalHeader()->hide();
  m_grade->verticalHeader()->setDefaultSectionSize(20);
  m_grade->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  m_grade->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { background-color: %1; color: white; border: 0px; padding: 2px; }")
          .arg(PaletaTolv::cor(kCorTitulos).name()));
  m_grade->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(PaletaTolv::cor(kMolduraForma).name()));
  m_grade->viewport()->installEventFilter(this);
  m_grade->installEventFilter(this);
  ajustaColunas();
  ls->addWidget(m_grade);
  lg->addWidget(m_shape);
  layout->addWidget(m_pnlGrid, 1);
}

TFrPesquisaDeclaracoes::~TFrPesquisaDeclaracoes() = default;

QString TFrPesquisaDeclaracoes::PastaPadrao() { return ArquivoDeclaracao::PastaGravadas(); }

QString TFrPesquisaDeclaracoes::Mensagem() const { return m_lbMens->text(); }

void TFrPesquisaDeclaracoes::ajustaColunas() {
  for (int c = 0; c < kColunas; ++c) m_grade->setColumnWidth(c, kTitulos[c].largura);
}

void TFrPesquisaDeclaracoes::SetMostraRecibo(bool mostra) { m_grade->setColumnHidden(ColHash, !mostra); }

void TFrPesquisaDeclaracoes::ProcuraDeclaracoes(QStringList* resultado) {
  CursorEspera espera;
  QuantidadeSelecionada = 0;
  m_resultado = resultado;
  if (m_resultado) m_resultado->clear();
  m_lbMens->setText(QStringLiteral("Procurando declarações..."));
  QCoreApplication::processEvents();
  if (m_aberto) LimpaSelecao();
  m_geradas.limpa();
  m_ancora = -1;
  m_aberto = true;
  m_modelo->Reinicia(true);
  // Nothing reads the list back: a failure to save it does not stop the search.
  m_geradas.salvaXml(DiretorioDados() + QStringLiteral("/Geradas.xml"));
  if (Pasta.trimmed().isEmpty()) Pasta = PastaPadrao();
  Pesquisa();
}

void TFrPesquisaDeclaracoes::Pesquisa() {
  if (!Pasta.endsWith(u'/')) Pasta += u'/';
  const bool padrao = QDir::cleanPath(Pasta) == QDir::cleanPath(PastaPadrao());
  LocalizadorDeclaracoes::PesquisaPasta(Pasta, padrao, ComRecibo, m_geradas, [] { QCoreApplication::processEvents(); });
  LocalizadorDeclaracoes::Ordena(m_geradas);
  const bool achou = !m_geradas.vazio();
  QString mensagem;
  switch (m_tipoPesquisa) {
    case 0:
      mensagem = achou ? QStringLiteral("O sistema encontrou no local informado as seguintes declarações já gravadas "
                                        "para entrega à BVD e ainda não transmitidas. Selecione as declarações que "
                                        "deseja transmitir.")
                       : QStringLiteral("O sistema não encontrou no local informado declaração gravada para entrega à "
                                        "BVD e ainda não transmitida.");
      break;
    case 1:
      mensagem = achou ? QStringLiteral("O sistema encontrou no local informado as seguintes declarações já "
                                        "transmitidas. Selecione as declarações para as quais deseja imprimir o recibo.")
                       : QStringLiteral("O sistema não encontrou no local informado nenhuma declaração transmitida.");
      break;
    default:
      mensagem = achou ? QStringLiteral("O sistema encontrou as seguintes declarações gravadas para entrega à BVD.")
                       : QStringLiteral("O sistema não encontrou nenhuma declaração gravada para entrega à BVD.");
  }
  m_lbMens->setText(mensagem);
  if (achou) {
    m_geradas.salvaXml(DiretorioDados() + QStringLiteral("/Geradas.xml"));
  } else if (m_tipoPesquisa == 0 || m_tipoPesquisa == 1) {
    m_aberto = false;
  }
  m_modelo->Reinicia(m_aberto);
  if (achou) m_grade->setCurrentIndex(m_modelo->index(0, ColCpfCnpj));
}

void TFrPesquisaDeclaracoes::LimpaSelecao() {
  const QList<int> antes = m_selecao;
  m_selecao.clear();
  for (int linha : antes)
    if (linha < m_modelo->rowCount()) m_modelo->MudouLinha(linha);
}

void TFrPesquisaDeclaracoes::ArquivosSelecionados() {
  if (!m_resultado) return;
  m_resultado->clear();
  for (int linha : m_selecao) {
    m_geradas.vaiPara(linha + 1);
    m_grade->setCurrentIndex(m_modelo->index(linha, ColCpfCnpj));
    *m_resultado << m_geradas.valor(QStringLiteral("CAMINHO")).comoTexto() + u'/' +
                        m_geradas.valor(QStringLiteral("NOME_ARQUIVO")).comoTexto();
  }
}

void TFrPesquisaDeclaracoes::DbgGeradasMultiSelectRecord(int linha, bool seleciona) {
  if (m_modelo->rowCount() == 0) {
    QuantidadeSelecionada = 0;
  } else {
    QuantidadeSelecionada = qMax(0, int(m_selecao.size()) + (seleciona ? 1 : -1));
  }
  if (seleciona) m_selecao << linha;
  else m_selecao.removeAll(linha);
  m_modelo->MudouLinha(linha);
  if (OnChangeSelection) OnChangeSelection(parent() ? parent() : this);
}

void TFrPesquisaDeclaracoes::AlternaSelecao(int linha) {
  if (linha < 0 || linha >= m_modelo->rowCount()) return;
  m_ancora = linha;
  m_grade->setCurrentIndex(m_modelo->index(linha, ColCpfCnpj));
  DbgGeradasMultiSelectRecord(linha, !m_selecao.contains(linha));
}

void TFrPesquisaDeclaracoes::SelecionaAte(int linha) {
  if (linha < 0 || linha >= m_modelo->rowCount()) return;
  if (m_ancora < 0) {
    AlternaSelecao(linha);
    return;
  }
  const int passo = linha >= m_ancora ? 1 : -1;
  for (int l = m_ancora;; l += passo) {
    if (!m_selecao.contains(l)) DbgGeradasMultiSelectRecord(l, true);
    if (l == linha) break;
  }
  m_grade->setCurrentIndex(m_modelo->index(linha, ColCpfCnpj));
}

bool TFrPesquisaDeclaracoes::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_grade->viewport() && evento->type() == QEvent::MouseButtonPress) {
    auto* m = static_cast<QMouseEvent*>(evento);
    if (m->button() == Qt::LeftButton) {
      const int linha = m_grade->indexAt(m->position().toPoint()).row();
      if (linha >= 0) {
        if (m->modifiers() & Qt::ShiftModifier) SelecionaAte(linha);
        else AlternaSelecao(linha);
        m_grade->setFocus();
        return true;
      }
    }
  }
  if (objeto == m_grade->viewport() && evento->type() == QEvent::MouseButtonDblClick) return true;
  if (objeto == m_grade && evento->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(evento);
    if (k->key() == Qt::Key_Space) {
      AlternaSelecao(m_grade->currentIndex().row());
      return true;
    }
  }
  return QFrame::eventFilter(objeto, evento);
}
