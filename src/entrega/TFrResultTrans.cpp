#include "entrega/TFrResultTrans.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <exception>

#include "controles/PaletaTolv.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/ArteVerificacao.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "entrega/PaginaEntrega.h"
#include "plataforma/transmissao/ProgramaTransmissao.h"

namespace {

const QString kNaoInstalado = QStringLiteral(
    "O Kalvorin não está instalado no seu computador. Faça a cópia do programa da página da Brenvald e instale-o.");
const QString kDesatualizado = QStringLiteral(
    "A versão do Kalvorin instalada no seu computador está desatualizada. Faça a cópia da versão correta da página da "
    "Brenvald e instale-o.");
const QString kNenhuma = QStringLiteral("Nenhuma declaração foi selecionada.");
const QString kEnviando = QStringLiteral("30");
const QString kAceita = QStringLiteral("20");
const QString kComAviso = QStringLiteral("40");
const QString kRecusada = QStringLiteral("10");
constexpr int kCaminhoNaLinha = 252;
constexpr int kAlturaLinha = 19;
constexpr QRgb kPainel = 0xF2F2F2;
// Marks a line that carries its status prefix.
constexpr int kPapelComSituacao = Qt::UserRole + 1;

int g_certificado = 0;
QProgressBar* g_gauge = nullptr;

// Icon, then the text from its third character 30 pixels further; a line without status as it is.
class DesenhoLinha : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    QStyleOptionViewItem o = opcao;
    initStyleOption(&o, indice);
    const QString texto = indice.data(Qt::DisplayRole).toString();
    const bool comSituacao = indice.data(kPapelComSituacao).toBool();
    o.text.clear();
    o.icon = QIcon();
    QStyle* estilo = o.widget ? o.widget->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
    const bool selecionada = o.state & QStyle::State_Selected;
    p->save();
    p->setPen(o.palette.color(selecionada ? QPalette::HighlightedText : QPalette::Text));
    QRect area = o.rect.adjusted(2, 0, -2, 0);
    if (comSituacao) {
      const QPixmap icone = Icone(texto.left(2));
      p->drawPixmap(area.left(), area.top() + (area.height() - icone.height()) / 2, icone);
      area.setLeft(area.left() + 30);
    }
    p->drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                o.fontMetrics.elidedText(comSituacao ? texto.mid(2) : texto, Qt::ElideMiddle, area.width()));
    p->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    // Long paths are cut in the middle to the list's width, never scrolled sideways.
    return QSize(1, kAlturaLinha);
  }

  static QPixmap Icone(const QString& prefixo) {
    using ArteVerificacao::Icone;
    if (prefixo == kEnviando) return ArteVerificacao::icone(Icone::Relogio);   // ImgRelogio
    if (prefixo == kAceita) return ArteVerificacao::icone(Icone::Ok);          // ImgOk
    if (prefixo == kComAviso) return ArteVerificacao::icone(Icone::Aviso);     // ImgAviso
    return ArteVerificacao::icone(Icone::Erro);                               // ImgErro
  }
};

QString UmaLinha(QString mensagem) {
  mensagem.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  mensagem.replace(u'\n', QStringLiteral("  "));
  return mensagem;
}

}  // namespace

TFrResultTrans::TFrResultTrans(QWidget* pai) : QFrame(pai) {
  setObjectName(QStringLiteral("FrResultTrans"));
  PaletaTolv::pinta(this, kPainel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  m_pnTrans = new QWidget(this);
  m_pnTrans->setObjectName(QStringLiteral("PnTrans"));
  auto* lt = new QVBoxLayout(m_pnTrans);
  lt->setContentsMargins(0, 0, 0, 0);
  lt->setSpacing(4);
  auto* titulo = new QLabel(QStringLiteral(" Resultado da transmissão"), m_pnTrans);
  titulo->setObjectName(QStringLiteral("LbTituloResultado"));
  titulo->setFont(PaletaTolv::arial(9, true));
  titulo->setAutoFillBackground(true);
  PaletaTolv::pinta(titulo, PaletaTolv::kMoldura, PaletaTolv::kAnoRetencao);
  lt->addWidget(titulo);
  m_lbxResultado = new QListWidget(m_pnTrans);
  m_lbxResultado->setObjectName(QStringLiteral("LbxResultado"));
  m_lbxResultado->setItemDelegate(new DesenhoLinha(m_lbxResultado));
  m_lbxResultado->setUniformItemSizes(true);
  m_lbxResultado->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lt->addWidget(m_lbxResultado, 3);
  m_meErro = new QPlainTextEdit(m_pnTrans);
  m_meErro->setObjectName(QStringLiteral("MeErro"));
  m_meErro->setReadOnly(true);
  m_meErro->setMaximumHeight(70);
  lt->addWidget(m_meErro, 1);
  layout->addWidget(m_pnTrans, 1);
  connect(m_lbxResultado, &QListWidget::currentRowChanged, this, [this](int linha) { LbxResultadoClick(linha); });

  m_pnDownLoad = new QWidget(this);
  m_pnDownLoad->setObjectName(QStringLiteral("PnDownLoad"));
  auto* ld = new QVBoxLayout(m_pnDownLoad);
  ld->setContentsMargins(8, 8, 8, 8);
  m_lbAviso = new QLabel(m_pnDownLoad);
  m_lbAviso->setObjectName(QStringLiteral("LbAviso"));
  m_lbAviso->setWordWrap(true);
  m_lbAviso->setTextFormat(Qt::PlainText);
  m_lbAviso->setFont(PaletaTolv::arial(10, true));
  PaletaTolv::pinta(m_lbAviso, kPainel, PaletaTolv::kAnoRetencao);
  ld->addWidget(m_lbAviso);
  m_lbSite = PaginaEntrega::LinkSite(m_pnDownLoad, kPainel);
  ld->addWidget(m_lbSite);
  ld->addStretch(1);
  layout->addWidget(m_pnDownLoad, 1);
  m_pnDownLoad->hide();
}

TFrResultTrans::~TFrResultTrans() = default;

void TFrResultTrans::SetCertificado(int certificado) { g_certificado = certificado ? 1 : 0; }
int TFrResultTrans::Certificado() { return g_certificado; }

QString TFrResultTrans::Prefixo(int resultado) {
  switch (resultado) {
    case 0: return kAceita;
    case 2:
    case 1004:
    case 4896:
    case 6200: return kComAviso;
    default: return kRecusada;
  }
}

QStringList TFrResultTrans::Linhas() const {
  QStringList linhas;
  for (int i = 0; i < m_lbxResultado->count(); ++i) linhas << m_lbxResultado->item(i)->text();
  return linhas;
}

QString TFrResultTrans::Aviso() const { return m_pnDownLoad->isHidden() ? QString() : m_lbAviso->text(); }

bool TFrResultTrans::MostraAviso() const { return !m_pnDownLoad->isHidden(); }

void TFrResultTrans::Limpa() {
  m_meErro->clear();
  m_mensagens.clear();
}

void TFrResultTrans::mostraAviso(const QString& texto, bool comSite) {
  m_lbAviso->setText(texto);
  m_lbSite->setVisible(comSite);
  m_lbSite->setEnabled(comSite);
  m_pnTrans->hide();
  m_pnDownLoad->show();
}

void TFrResultTrans::defineLinha(int linha, const QString& texto) {
  QListWidgetItem* item = m_lbxResultado->item(linha);
  item->setText(texto);
  item->setData(kPapelComSituacao, true);
}

void TFrResultTrans::Transmite() {
  CursorEspera espera;
  m_meErro->clear();
  m_mensagens.clear();
  m_imprimeRecibos = false;
  if (m_arquivos.isEmpty()) {
    m_lbxResultado->clear();
    mostraAviso(kNenhuma, false);
    return;
  }
  m_lbSite->setVisible(true);
  m_lbSite->setEnabled(true);
  if (m_arquivos.size() == 1 && m_arquivos.first().isEmpty() && !m_arquivoGravado.isEmpty())
    m_arquivos.first() = m_arquivoGravado.left(qMax<qsizetype>(0, m_arquivoGravado.size() - 4)) + QStringLiteral(".DEC");
  m_lbxResultado->clear();
  m_lbxResultado->addItems(m_arquivos);
  m_lbxResultado->setEnabled(false);
  try {
    EnviaDeclaracoes();
  } catch (const std::exception& e) {
    // The file being handed over when it failed shows the reason; the others keep their lines.
    for (int i = 0; i < m_lbxResultado->count(); ++i) {
      const QListWidgetItem* item = m_lbxResultado->item(i);
      if (item->data(kPapelComSituacao).toBool() && !item->text().startsWith(kEnviando)) continue;
      defineLinha(i, kRecusada + m_arquivos.value(i));
      while (m_mensagens.size() <= i) m_mensagens << QString();
      m_mensagens[i] = UmaLinha(QStringLiteral("Falha ao entregar a declaração ao programa de transmissão: ") +
                                QString::fromUtf8(e.what()));
    }
    if (m_lbxResultado->count() > 0) m_lbxResultado->setCurrentRow(0);
    LbxResultadoClick(m_lbxResultado->currentRow());
  }
  m_lbxResultado->setEnabled(true);
}

void TFrResultTrans::EnviaDeclaracoes() {
  ProgramaTransmissao programa;
  switch (programa.Carrega()) {
    case ProgramaTransmissao::Situacao::NaoInstalado: mostraAviso(kNaoInstalado, true); return;
    case ProgramaTransmissao::Situacao::Desatualizado: mostraAviso(kDesatualizado, true); return;
    case ProgramaTransmissao::Situacao::Pronto: break;
  }
  m_pnTrans->show();
  m_pnDownLoad->hide();
  QCoreApplication::processEvents();
  programa.DefineProgresso(&AtualizaGaugeTransmissao);
  const uintptr_t janela = uintptr_t(effectiveWinId());
  for (int i = 0; i < m_arquivos.size(); ++i) {
    QCoreApplication::processEvents();
    const QString caminho = m_arquivos[i];
    defineLinha(i, kEnviando + caminho);
    m_lbxResultado->repaint();
    QString mensagem;
    const int resultado = EntregaArquivo(programa, janela, caminho, mensagem);
    const QString prefixo = Prefixo(resultado);
    if (resultado == 0 || resultado == 2) m_imprimeRecibos = true;
    defineLinha(i, prefixo + (prefixo == kRecusada ? caminho : caminho.left(kCaminhoNaLinha)));
    m_mensagens << UmaLinha(mensagem);
    m_meErro->setPlainText(m_mensagens.last());
    m_lbxResultado->repaint();
  }
  m_lbxResultado->setEnabled(true);
  if (m_lbxResultado->count() > 0) m_lbxResultado->setCurrentRow(0);
  LbxResultadoClick(0);
}

int TFrResultTrans::EntregaArquivo(ProgramaTransmissao& programa, uintptr_t janela, const QString& caminho,
                                   QString& mensagem) {
  return programa.Envia(janela, caminho, g_certificado, mensagem);
}

void TFrResultTrans::LbxResultadoClick(int linha) {
  if (linha >= 0 && linha < m_mensagens.size()) m_meErro->setPlainText(m_mensagens[linha]);
}

void AtualizaGaugeTransmissao(int32_t posicao) {
  if (!g_gauge) return;
  g_gauge->setValue(posicao);
  g_gauge->repaint();
  QCoreApplication::processEvents();
}

void DefineGaugeTransmissao(QProgressBar* gauge) { g_gauge = gauge; }
