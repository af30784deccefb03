#include "interface/TTolv2014.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include "controles/ArteTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TFoNovidade.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/RegistroTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/AmbienteSistema.h"
#include "plataforma/sistema/FirebirdConf.h"
#include "plataforma/sistema/FormatosRegionais.h"

bool AcaoEmAndamento = false;

namespace {

// Holds the action guard for one action, also when it fails.
class GuardaAcao {
 public:
  GuardaAcao() { AcaoEmAndamento = true; }
  ~GuardaAcao() { AcaoEmAndamento = false; }
  GuardaAcao(const GuardaAcao&) = delete;
  GuardaAcao& operator=(const GuardaAcao&) = delete;
};

class CursorEspera {
 public:
  CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~CursorEspera() { QApplication::restoreOverrideCursor(); }
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;
};

constexpr int kCodigoFontesGrandes = 107;
constexpr int kCodigoFormatoData = 186;

}  // namespace

TTolv2014::TTolv2014(const IAmbienteSistema& ambiente, PassosPrincipal passos, QWidget* pai)
    : QMainWindow(pai), m_passos(std::move(passos)) {
  setObjectName(QStringLiteral("Tolv2014"));
  setWindowTitle(TextoTitulo(QString()));
  setMinimumSize(800, 600);
  resize(1024, 700);
  // Enabled by the start-up once shown.
  setEnabled(false);
  criaComponentes();
  criaAcoes();
  FormCreate(ambiente);
}

TTolv2014::~TTolv2014() = default;

void TTolv2014::criaComponentes() {
  auto* central = new QWidget(this);
  auto* coluna = new QVBoxLayout(central);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);

  m_banda = new QWidget(central);
  m_banda->setObjectName(QStringLiteral("PnBanda"));
  m_banda->setFixedHeight(30);
  coluna->addWidget(m_banda);
  m_panel1 = new QWidget(m_banda);
  m_panel1->setObjectName(QStringLiteral("Panel1"));
  m_panel1->setGeometry(0, 0, 220, 30);
  m_lbAnoRet = new QLabel(m_panel1);
  m_lbAnoRet->setObjectName(QStringLiteral("LbAnoRet"));
  QFont fonteAno = PaletaTolv::arial(10, true);
  fonteAno.setPixelSize(15);
  m_lbAnoRet->setFont(fonteAno);
  m_lbAnoRet->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  m_lbAnoRet->setGeometry(m_panel1->rect().adjusted(0, 0, 0, -2));

  auto* panel2 = new QWidget(central);
  panel2->setObjectName(QStringLiteral("Panel2"));
  panel2->setFixedHeight(2);
  coluna->addWidget(panel2);

  auto* panelImg = new QWidget(central);
  panelImg->setObjectName(QStringLiteral("PanelImg"));
  auto* centro = new QVBoxLayout(panelImg);
  auto* imagem = new QLabel(panelImg);
  imagem->setObjectName(QStringLiteral("Image"));
  imagem->setPixmap(ArteTolv::imagemInicial());
  imagem->setAlignment(Qt::AlignCenter);
  centro->addWidget(imagem);
  coluna->addWidget(panelImg, 1);

  setCentralWidget(central);
}

QAction* TTolv2014::novaAcao(const char* nome, const QString& texto, bool marcavel) {
  auto* a = new QAction(texto, this);
  a->setObjectName(QString::fromLatin1(nome));
  a->setCheckable(marcavel);
  addAction(a);
  return a;
}

void TTolv2014::criaAcoes() {
  m_miCopiaAuto = novaAcao("MiCopiaAuto", QStringLiteral("Cópia de segurança &automática"), true);
  m_actHabilitarAnalisador = novaAcao("actHabilitarAnalisador", QStringLiteral("&Habilitar analisador"), true);
  m_actHabilitarAnalisador->setVisible(false);
  m_actAnalisarGravar = novaAcao("actAnalisarGravar", QStringLiteral("&Analisar arquivo..."), false);
  QAction* sincronizar = novaAcao("MiSincronizar", QStringLiteral("&Sincronizar"), true);
  sincronizar->setVisible(false);
  sincronizar->setChecked(true);
  QAction* novidades = novaAcao("Ouehdenovo1", QStringLiteral("&Novidades"), false);
  connect(novidades, &QAction::triggered, this, [this] { GuardaEventos::executa([this] { Ouehdenovo1Execute(); }); });
}

void TTolv2014::FormCreate(const IAmbienteSistema& ambiente) {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_banda, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_panel1, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("Panel2")), PaletaTolv::kDivisor);
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("PanelImg")), PaletaTolv::kFundoImagem);
  m_formatoDataRecusado = false;

  if (!GravaFirebirdConf(DiretorioPrograma()))
    qWarning("Tolv 2014: não foi possível gravar Firebird.conf em %s", qPrintable(DiretorioPrograma()));

  if (ambiente.resolucaoLogica() > 96)
    TErro::MostraTexto(TErro::FormataMensagem(kCodigoFontesGrandes, {}), TipoMensagem::Aviso);

  // The program's number and time formats are FormatosRegionais, fixed: nothing to force here.
  if (ambiente.formatoDataCurta().toUpper() != QStringLiteral("DD/MM/YYYY")) {
    TErro::MostraTexto(TErro::FormataMensagem(kCodigoFormatoData, {}), TipoMensagem::Erro);
    m_passos.defineFalhaBanco(true);
    m_formatoDataRecusado = true;
    return;
  }
  m_passos.defineFalhaBanco(false);
  m_passos.defineFalhaBancoIndice(false);
  AcaoEmAndamento = false;

  leConfiguracoes();
  m_passos.abreIndice();
  if (!m_passos.falhaBancoIndice() && m_passos.indiceVazio()) m_passos.verificaExistenciaBancos(this);
}

void TTolv2014::leConfiguracoes() {
  const bool exibe = ConfiguracoesTolv::AnalisadorHabilitado();
  m_actHabilitarAnalisador->setChecked(exibe);
  m_actAnalisarGravar->setVisible(exibe);
  m_miCopiaAuto->setChecked(ConfiguracoesTolv::CopiaAutomatica());
}

void TTolv2014::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  posicionaPanel1();
  FechaAguarde();
}

void TTolv2014::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  posicionaPanel1();
}

void TTolv2014::posicionaPanel1() { m_panel1->move(m_banda->width() - m_panel1->width() - 2, 0); }

void TTolv2014::trazParaFrente() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

bool TTolv2014::PodeAbrirForm(const QString& nomeForm) {
  const bool liberado = nomeForm == QStringLiteral("FoIndexa") || nomeForm == QStringLiteral("FormAssistCopSeg") ||
                        nomeForm == QStringLiteral("FoAssistTransmissao") || nomeForm == QStringLiteral("FoCalcula");
  // An unusable index leaves only the windows that can mend it, or need no database.
  if (m_passos.falhaBancoIndice()) {
    if (liberado) m_passos.fecharColecoes();
    return liberado;
  }
  if (nomeForm == QStringLiteral("FoIndexa")) m_passos.fecharColecoes();
  return true;
}

void TTolv2014::Ouehdenovo1Execute() {
  if (AcaoEmAndamento) return;
  GuardaAcao guarda;
  if (PodeAbrirForm(QStringLiteral("FoNovidade"))) TFoNovidade::Executa(this);
}

void TTolv2014::AbrirDialogoInicial() {
  if (!ConfiguracoesTolv::JahMostrou()) {
    Ouehdenovo1Execute();
    if (m_passos.indiceVazio()) VerificaCopiaDeSeguranca();
  }
  if (AcaoEmAndamento) return;
  GuardaAcao guarda;
  if (!PodeAbrirForm(QStringLiteral("FoInicial"))) return;
  if (m_passos.fecharDeclaracao() && m_passos.dialogoInicial(this)) m_passos.abrirDeclaracao(this);
  m_passos.atualizaIndice();
}

void TTolv2014::VerificaCopiaDeSeguranca() {
  const QString pasta = RegistroTolv::DirCsDefault();
  if (pasta.isEmpty()) return;
  const QFileInfoList arquivos = QDir(pasta).entryInfoList(
      {QStringLiteral("*.cmp")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  if (arquivos.isEmpty()) return;
  const FormatosRegionais& formatos = FormatosRegionais::doPrograma();
  QString lista;
  for (const QFileInfo& arquivo : arquivos)
    lista += QStringLiteral("  - ") + arquivo.fileName() + QStringLiteral(" de ") +
             formatos.dataHora(arquivo.lastModified()) + u'\r';
  const QString texto =
      arquivos.size() == 1
          ? QStringLiteral("Um arquivo de cópia de segurança foi encontrado no diretório ") + pasta + u':' + u'\r' +
                lista + u'\r' +
                QStringLiteral("Se desejar restaurá-lo utilize a opção Ferramentas/Cópia de segurança/Restaurar.")
          : QStringLiteral("Os seguintes arquivos de cópia de segurança foram encontrados no diretório ") + pasta +
                u':' + u'\r' + u'\r' + lista + u'\r' +
                QStringLiteral("Se desejar restaurar algum arquivo utilize a opção Ferramentas/Cópia de segurança/Restaurar.");
  ExibeMensagem(texto, TipoMensagem::Informacao);
}

void TTolv2014::closeEvent(QCloseEvent* evento) {
  bool fecha = false;
  GuardaEventos::executa([&] {
    fecha = FormCloseQuery();
    if (fecha) FormClose();
  });
  if (fecha) evento->accept(); else evento->ignore();
}

bool TTolv2014::FormCloseQuery() {
  if (AcaoEmAndamento) return false;
  int resposta = ResultadoMensagem::Nenhum;
  {
    GuardaAcao guarda;
    resposta = MostraMensagem(QStringLiteral("Confirma sair do programa?"), QStringLiteral("Sair do programa"), 36);
  }
  return resposta == ResultadoMensagem::Sim && m_passos.fecharDeclaracao();
}

void TTolv2014::FormClose() {
  // After a database failure nothing more is touched: no collection, no backup.
  if (m_passos.falhaBanco()) return;
  CursorEspera espera;
  if (m_passos.indiceVazio()) {
    m_passos.fecharColecoes();
    return;
  }
  m_passos.fecharColecoes();
  if (!m_miCopiaAuto->isChecked() || m_passos.falhaBancoIndice()) return;
  setEnabled(false);
  m_passos.gravaCopiaAutomatica(this);
}
