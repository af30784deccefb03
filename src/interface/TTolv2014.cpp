#include "interface/TTolv2014.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QSplitter>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <stdexcept>

#include "controles/ArteTolv.h"
#include "controles/IServicosPrincipal.h"
#include "controles/PontosEntrada.h"
#include "controles/PaletaTolv.h"
#include "controles/TFoNovidade.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TVerificacaoEmCurso.h"
#include "interface/AcoesPrincipal.h"
#include "interface/CaixaSilenciosa.h"
#include "interface/MontagemArvore.h"
#include "interface/NavegacaoCampo.h"
#include "interface/ServicosJanelaPrincipal.h"
#include "interface/TecladoPrincipal.h"
#include "interface/TFoCalculaResumo.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTzuqTree.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/RegistroTolv.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/bd/Conexao.h"
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
constexpr int kLarguraArvore = 191;
constexpr int kLarguraMaximaArvore = 280;
constexpr int kLarguraArvoreRecolhida = 50;
// The pages need this much of the window; below it they take kLarguraPaginas from the tree.
constexpr int kLarguraMinimaPaginas = 604;
constexpr int kLarguraPaginas = 610;

}  // namespace

TTolv2014::TTolv2014(const IAmbienteSistema& ambiente, PassosPrincipal passos, QWidget* pai)
    : QMainWindow(pai), m_passos(std::move(passos)) {
  setObjectName(QStringLiteral("Tolv2014"));
  setWindowTitle(TextoTitulo(QString()));
  setMinimumSize(800, 600);
  resize(1024, 700);
  // Enabled by the start-up once shown.
  setEnabled(false);
  completaPassos();
  DefineGanchoTitulo([this](const QString& titulo) { setWindowTitle(titulo); });
  criaComponentes();
  criaAcoes();
  if (m_passos.registraPaginas) m_passos.registraPaginas(*m_frDeclaracao);
  FormCreate(ambiente);
}

TTolv2014::~TTolv2014() {
  if (ServicosPrincipal() == m_servicos.get()) InstalaServicosPrincipal(nullptr);
  if (ServicosVerificacao::Atuais() == m_servicos.get()) ServicosVerificacao::Registra(nullptr);
  DefineGanchoTitulo({});
  // The pages go before the declaration they may still point at.
  delete m_frDeclaracao;
}

void TTolv2014::completaPassos() {
  PassosPrincipal& p = m_passos;
  if (!p.falhaBanco) p.falhaBanco = [] { return FalhaBanco; };
  if (!p.defineFalhaBanco) p.defineFalhaBanco = [](bool v) { FalhaBanco = v; };
  if (!p.falhaBancoIndice) p.falhaBancoIndice = [] { return FalhaBancoIndice; };
  if (!p.defineFalhaBancoIndice) p.defineFalhaBancoIndice = [](bool v) { FalhaBancoIndice = v; };
  if (!p.fecharDeclaracao) p.fecharDeclaracao = [this] { return FecharDeclaracao(); };
  if (!p.abrirDeclaracao) p.abrirDeclaracao = [this](QWidget*) { AbrirDeclaracao(); };
  if (!p.indiceVazio) p.indiceVazio = [] { return true; };
  if (!p.dialogoInicial) p.dialogoInicial = [](QWidget*) { return false; };
  for (auto* passo : {&p.abreIndice, &p.atualizaIndice, &p.fecharColecoes})
    if (!*passo) *passo = [] {};
  // The declaration dialogs and the backup, restore and repair wizards stay empty when missing:
  // their actions say so.
  for (auto* passo : {&p.verificaExistenciaBancos, &p.gravaCopiaAutomatica})
    if (!*passo) *passo = [](QWidget*) {};
}

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

  // The picture fills the area until a declaration opens; then the tree and the pages do.
  auto* area = new QWidget(central);
  m_area = new QStackedLayout(area);
  auto* panelImg = new QWidget(area);
  panelImg->setObjectName(QStringLiteral("PanelImg"));
  auto* centro = new QVBoxLayout(panelImg);
  auto* imagem = new QLabel(panelImg);
  imagem->setObjectName(QStringLiteral("Image"));
  imagem->setPixmap(ArteTolv::imagemInicial());
  imagem->setAlignment(Qt::AlignCenter);
  centro->addWidget(imagem);
  m_area->addWidget(panelImg);

  m_splDivisor = new QSplitter(Qt::Horizontal, area);
  m_splDivisor->setObjectName(QStringLiteral("splDivisor"));
  m_splDivisor->setChildrenCollapsible(false);
  m_arvore = new TTzuqTree(m_splDivisor);
  m_arvore->setObjectName(QStringLiteral("tzuqtrArvore"));
  m_arvore->setMaximumWidth(kLarguraMaximaArvore);
  // Dragged below this the tree folds away, and comes back at this width.
  m_arvore->setMinimumWidth(kLarguraArvoreRecolhida);
  m_arvore->setMostraFC(true);
  m_arvore->setMostraProcesso(true);
  m_arvore->setMostraRemessa(true);
  m_arvore->setMostraExpandido(true);
  m_arvore->setMostraComprovante(true);
  m_frDeclaracao = new TFrDeclaracao(m_splDivisor);
  m_splDivisor->addWidget(m_arvore);
  m_splDivisor->addWidget(m_frDeclaracao);
  m_splDivisor->setStretchFactor(1, 1);
  m_splDivisor->setCollapsible(0, true);
  m_splDivisor->setCollapsible(1, false);
  m_area->addWidget(m_splDivisor);
  coluna->addWidget(area, 1);
  mostraArea(false);

  connect(m_arvore, &TTzuqTree::onChangeCE, this,
          [this](int codigo) { GuardaEventos::executa([this, codigo] { escolheNo(codigo); }); });
  // Entering the tree, by mouse or keyboard, brings the selected node's page to the front, which
  // takes the focus: the next click into the tree enters it again.
  TRastreadorFoco::instancia().registra(
      m_arvore, [](QWidget*) { return true; },
      [this](QWidget*) { GuardaEventos::executa([this] { entraArvore(); }); });
  m_arvore->installEventFilter(this);
  connect(m_splDivisor, &QSplitter::splitterMoved, this, [this] { pedeAjusteArvore(); });
  m_arvore->DefineVerificacaoClique([this] {
    bool pode = false;
    GuardaEventos::executa([this, &pode] { pode = VerificaPagina(); });
    return pode;
  });
  connect(m_frDeclaracao, &TFrDeclaracao::OnChange, this, [this] { GuardaEventos::executa([this] { mudouPagina(); }); });

  setCentralWidget(central);
}

void TTolv2014::mostraArea(bool declaracao) {
  m_arvore->setVisible(declaracao);
  m_frDeclaracao->setVisible(declaracao);
  m_splDivisor->setVisible(declaracao);
  m_area->setCurrentIndex(declaracao ? 1 : 0);
  if (!declaracao) return;
  // The splitter was hidden: it takes its place now, so that the tree gets its width.
  if (QLayout* coluna = centralWidget() ? centralWidget()->layout() : nullptr) coluna->activate();
  m_area->activate();
  m_splDivisor->setSizes({m_larguraArvore, qMax(1, m_splDivisor->width() - m_larguraArvore)});
}

void TTolv2014::criaAcoes() {
  m_acoes = new AcoesPrincipal(*this);
  m_teclado = new TecladoPrincipal(*this);
  // The other parts of the program reach the window through its services.
  m_servicos = std::make_unique<ServicosJanelaPrincipal>(*this);
  InstalaServicosPrincipal(m_servicos.get());
  ServicosVerificacao::Registra(m_servicos.get());
}

void TTolv2014::FormCreate(const IAmbienteSistema& ambiente) {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_banda, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_panel1, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("Panel2")), PaletaTolv::kDivisor);
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("PanelImg")), PaletaTolv::kFundoImagem);
  PaletaTolv::pinta(m_splDivisor, PaletaTolv::kDivisor);
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
  m_acoes->MostraAnalisador(ConfiguracoesTolv::AnalisadorHabilitado());
  m_acoes->acao(Acao::MiCopiaAuto)->setChecked(ConfiguracoesTolv::CopiaAutomatica());
}

void TTolv2014::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  posicionaPanel1();
  TTzuqTree::Registra(m_arvore);
  FechaAguarde();
}

void TTolv2014::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  posicionaPanel1();
}

void TTolv2014::posicionaPanel1() { m_panel1->move(m_banda->width() - m_panel1->width() - 2, 0); }

void TTolv2014::trazParaFrente() {
  // Back from the task bar as it was before (maximized or not).
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

bool TTolv2014::PodeAbrirForm(const QString& nomeForm) {
  const bool liberado = nomeForm == QStringLiteral("FoIndexa") || nomeForm == QStringLiteral("FormAssistCopSeg") ||
                        nomeForm == QStringLiteral("FoAssistTransmissao") || nomeForm == QStringLiteral("FoCalcula");
  // An unusable index leaves only the windows that can mend it, or need no database.
  if (m_passos.falhaBancoIndice()) {
    if (liberado) FecharColecoes();
    return liberado;
  }
  if (!m_declaracaoAberta || m_passos.falhaBanco()) {
    if (nomeForm == QStringLiteral("FoIndexa")) FecharColecoes();
    return true;
  }
  bool permissao = liberado || nomeForm == QStringLiteral("FoPendencias") || m_frDeclaracao->PodeSair();
  if (!permissao || nomeForm.isEmpty()) return permissao;
  TVerificacaoEmCurso& verificacao = TVerificacaoEmCurso::instancia();
  if (verificacao.ExisteJanela() && nomeForm != QStringLiteral("FoPendencias") &&
      nomeForm != QStringLiteral("FoAssistRelatorios"))
    permissao = verificacao.PedeFechamento();
  // The search always agrees to close; its answer never turns a refusal into a permission.
  const std::function<bool()>& fechaPesquisa = PontosEntrada::doPrograma().fechaPesquisa;
  if (permissao && fechaPesquisa && nomeForm != QStringLiteral("FoPesquisar")) permissao = fechaPesquisa();
  if (permissao && nomeForm == QStringLiteral("FoIndexa")) {
    FecharDeclaracao();
    FecharColecoes();
  }
  return permissao;
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
  // The window's own close button passes no action's page check: what the page holds is kept
  // here, or the window stays.
  return resposta == ResultadoMensagem::Sim && VerificaPagina() && m_passos.fecharDeclaracao();
}

void TTolv2014::FormClose() {
  // After a database failure nothing more is touched: no collection, no backup.
  if (m_passos.falhaBanco()) return;
  CursorEspera espera;
  if (m_passos.indiceVazio()) {
    FecharColecoes();
    return;
  }
  FecharColecoes();
  if (!m_acoes->acao(Acao::MiCopiaAuto)->isChecked() || m_passos.falhaBancoIndice()) return;
  setEnabled(false);
  m_passos.gravaCopiaAutomatica(this);
}

void TTolv2014::EncerraSemPerguntar() {
  CaixaSilenciosa silenciosa;
  if (m_passos.falhaBanco()) return;
  if (m_declaracaoAberta && m_frDeclaracao->PaginasAbertas()) m_frDeclaracao->PodeSair();
  // A verification asked to stop cannot go on: the loop it ran in is over.
  if (!m_passos.fecharDeclaracao() && m_fechamentoPendente) {
    concluiFechamento();
    atualizaMenus();
  }
  FecharColecoes();
}

TTolv& TTolv2014::GetTolv() {
  if (!m_tolv) {
    m_erros = std::make_unique<TErros>();
    m_tolv = std::make_unique<TTolv>();
    TResponsavel& responsavel = m_tolv->GetResponsavel();
    for (TFone* fone : {&responsavel.GetFone(), &responsavel.GetFax()}) {
      fone->GetDDD().SetOpcional(true);
      fone->GetNumero().SetOpcional(true);
      fone->GetRamal().SetOpcional(true);
    }
    responsavel.GetEmail().SetOpcional(true);
    m_tolv->GetRespCnpj().SetOpcional(true);
    m_tolv->SetErros(m_erros.get());
  }
  return *m_tolv;
}

TColecaoTolv& TTolv2014::GetColecaoTolv() {
  if (!m_passos.colecaoTolv) throw std::logic_error("A janela principal não tem índice de declarações.");
  return m_passos.colecaoTolv();
}

void TTolv2014::desligaBancoDeclaracao() {
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    conexao->desconecta();
    conexao->defineArquivo(QString());
  }
}

bool TTolv2014::AbrirDeclaracao() {
  if (m_fechamentoPendente) return false;
  TTolv& tolv = GetTolv();
  GetColecaoTolv().VerificaIndicadores(tolv);
  m_escopoPesquisa = 3;
  if (m_passos.falhaBanco() || m_passos.falhaBancoIndice()) {
    desligaBancoDeclaracao();
    m_passos.defineFalhaBanco(false);
    return false;
  }
  if (tolv.GetResumoGeral().GetOk() == 0) recalculaResumo();

  CursorEspera espera;
  m_declaracaoAberta = true;
  m_frDeclaracao->SetDeclaracao(&tolv);
  m_frDeclaracao->SetColecaoTolv(&GetColecaoTolv());
  m_frDeclaracao->setEnabled(true);
  m_frDeclaracao->PgDeclaracao()->setEnabled(true);
  m_frDeclaracao->AbrePaginas(
      [this](const QString& dono, const QString& objeto, int secao) { IrParaPendencia(dono, objeto, secao); }, this);
  atualizaMenus();
  ligaPaginasDeLinhas();
  m_acoes->LigaPaginas(*m_frDeclaracao);
  m_frDeclaracao->OcultaAbas();
  TIndicadoresArvore indicadores;
  indicadores.inPlanoSaude = tolv.GetInPlanoSaude() != 0;
  indicadores.inAdmFC = tolv.GetInAdmFC() != 0;
  indicadores.inAdvogado = tolv.GetInAdvogado() != 0;
  indicadores.inRemessa = tolv.GetInRemessa() != 0;
  m_arvore->AplicaIndicadores(indicadores);
  mostraArea(true);
  m_arvore->SelecionaNo(101, m_tituloNo);
  escolheNo(101);
  FechaAguarde();
  return true;
}

int TTolv2014::recalculaResumo() {
  const auto& calcula = PontosEntrada::doPrograma().calculaResumo;
  return calcula ? calcula(this, GetTolv()) : TFoCalculaResumo::Executa(GetTolv(), this);
}

bool TTolv2014::FecharDeclaracao() {
  if (m_passos.falhaBanco()) return true;
  if (m_fechamentoPendente) return false;
  bool resposta = true;
  if (m_declaracaoAberta) {
    TVerificacaoEmCurso& verificacao = TVerificacaoEmCurso::instancia();
    if (verificacao.ExisteJanela()) resposta = verificacao.PedeFechamento();
    if (const std::function<bool()>& fechaPesquisa = PontosEntrada::doPrograma().fechaPesquisa) fechaPesquisa();
    if (verificacao.EmExecucao()) {
      // The run that is stopping still reads the declaration: it is freed once the run lets
      // it go. Waiting here instead would never end when this runs inside the run's own
      // processing of pending events.
      m_fechamentoPendente = true;
      m_arvore->setEnabled(false);
      m_frDeclaracao->setEnabled(false);
      connect(
          &verificacao, &TVerificacaoEmCurso::Parou, this,
          [this] {
            GuardaEventos::executa([this] {
              concluiFechamento();
              atualizaMenus();
            });
          },
          Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
      return false;
    }
    concluiFechamento();
  }
  atualizaMenus();
  if (resposta) {
    m_larguraArvore = kLarguraArvore;
    m_splDivisor->setSizes({kLarguraArvore, qMax(1, m_splDivisor->width() - kLarguraArvore)});
  }
  return resposta;
}

void TTolv2014::concluiFechamento() {
  m_fechamentoPendente = false;
  if (m_frDeclaracao->PaginasAbertas()) {
    m_larguraArvore = m_arvore->width();
    m_frDeclaracao->FechaPaginas();
    mostraArea(false);
    m_frDeclaracao->SetDeclaracao(nullptr);
    m_frDeclaracao->SetColecaoTolv(nullptr);
    m_tolv.reset();
    m_erros.reset();
  }
  desligaBancoDeclaracao();
  m_declaracaoAberta = false;
  m_arvore->setEnabled(true);
}

void TTolv2014::FecharColecoes() {
  m_frDeclaracao->SetDeclaracao(nullptr);
  m_frDeclaracao->SetColecaoTolv(nullptr);
  m_tolv.reset();
  m_erros.reset();
  m_passos.fecharColecoes();
}

void TTolv2014::HabilitaMenus(bool habilita) { m_acoes->HabilitaMenus(habilita); }

void TTolv2014::atualizaMenus() {
  SituacaoAcoes situacao;
  situacao.falhaBancoIndice = m_passos.falhaBancoIndice();
  if (situacao.falhaBancoIndice) {
    m_acoes->Aplica(EstadoDasAcoes(situacao));
    return;
  }
  situacao.indiceVazio = m_passos.indiceVazio();
  situacao.declaracaoAberta = m_declaracaoAberta;
  if (m_declaracaoAberta && m_tolv) {
    TTolv& tolv = *m_tolv;
    const TContribuinte& declarante = tolv.GetContribuinte();
    AtualizaTitulo(declarante.GetNiFormatado() + QStringLiteral(" - ") + declarante.GetNome().GetValor());
    m_lbAnoRet->setText(QStringLiteral("Ano-calendário: ") + tolv.GetAnoCalendario());
    situacao.empresa = declarante.GetTipo() == kNiCnpj;
    const bool comprovante = tolv.GetAnoCalendario() >= tolv.GetAnoCalendarioCorrente();
    // Only a change: hiding a page also brings the header page to the front.
    if (m_frDeclaracao->ComprovanteMostrado() != comprovante) m_frDeclaracao->MostraComprovante(comprovante);
    const bool fundos = tolv.GetInAdmFC() != 0;
    if (m_frDeclaracao->FundosMostrados() != fundos) m_frDeclaracao->MostraFundos(fundos);
    const bool processos = tolv.GetInAdvogado() != 0;
    if (m_frDeclaracao->ProcessosMostrados() != processos) m_frDeclaracao->MostraProcessos(processos);
  } else {
    situacao.declaracaoAberta = false;
    AtualizaTitulo(QString());
    m_lbAnoRet->clear();
  }
  situacao.comprovante = m_frDeclaracao->ComprovanteMostrado();
  m_acoes->Aplica(EstadoDasAcoes(situacao));
  QCoreApplication::processEvents();
}

bool TTolv2014::VerificaPagina() {
  if (!m_declaracaoAberta || !m_frDeclaracao->PaginasAbertas()) return true;
  const TFrDeclaracao::Pagina atual = m_frDeclaracao->PaginaAtual();
  TPaginaDeclaracao* pagina = m_frDeclaracao->PaginaDe(atual);
  if (!pagina) return true;
  switch (atual) {
    case TFrDeclaracao::BeneficiariosTolv:
      // The line stays on its page; only the actions that look at the mark stop.
      if (!pagina->PodeSair()) m_recusaPagina = true;
      return true;
    case TFrDeclaracao::Fundos:
    case TFrDeclaracao::Advogado:
    // The supplementary editors store only on their own exits: a closing or an action would
    // otherwise drop what they hold.
    case TFrDeclaracao::Remessa:
    case TFrDeclaracao::PlanoSaude:
    case TFrDeclaracao::RraDeclarante:
    case TFrDeclaracao::RraJustica:
      return pagina->PodeSair();
    case TFrDeclaracao::Informacoes:
      return !m_frDeclaracao->isVisible() || pagina->PodeSair();
    default:
      return true;
  }
}

void TTolv2014::entraArvore() {
  if (!m_declaracaoAberta || !m_frDeclaracao->PaginasAbertas()) return;
  if (const auto codigo = m_arvore->CodigoSelecionado())
    escolheNo(*codigo);
  else
    m_frDeclaracao->FocaPaginaAtiva();
}

bool TTolv2014::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_arvore && evento->type() == QEvent::Resize) pedeAjusteArvore();
  return QMainWindow::eventFilter(objeto, evento);
}

// After the divider has laid both sides out: a new size given in the middle of that would be
// undone by it.
void TTolv2014::pedeAjusteArvore() {
  if (m_ajusteArvorePendente) return;
  m_ajusteArvorePendente = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_ajusteArvorePendente = false;
        GuardaEventos::executa([this] { arvoreRedimensionada(); });
      },
      Qt::QueuedConnection);
}

void TTolv2014::arvoreRedimensionada() {
  if (!m_splDivisor->isVisible()) return;
  const QList<int> tamanhos = m_splDivisor->sizes();
  const int total = tamanhos.value(0) + tamanhos.value(1);
  // A folded tree keeps its own width but is given none.
  int arvore = tamanhos.value(0);
  if (arvore < 10) arvore = kLarguraArvoreRecolhida;
  if (width() - arvore < kLarguraMinimaPaginas) arvore = qMax(kLarguraArvoreRecolhida, total - kLarguraPaginas);
  if (arvore != tamanhos.value(0)) m_splDivisor->setSizes({arvore, qMax(1, total - arvore)});
}

void TTolv2014::escolheNo(int codigo) {
  m_frDeclaracao->MostraPagina(codigo);
  const auto pagina = TFrDeclaracao::PaginaDoCodigo(codigo);
  if (pagina && m_frDeclaracao->PaginaAtual() != *pagina) {
    // The header page kept the user: the tree goes back to the node of the page shown.
    m_arvore->SelecionaNo(m_codigoMostrado, m_tituloNo);
    return;
  }
  m_codigoMostrado = codigo;
  if (const auto titulo = TituloDoCodigo(codigo)) m_tituloNo = *titulo;
  for (const auto lugar : {TFrDeclaracao::BeneficiariosTolv, TFrDeclaracao::Fundos, TFrDeclaracao::Advogado})
    if (TPaginaDeclaracao* p = m_frDeclaracao->PaginaDe(lugar)) p->DefineTitulo(m_tituloNo);
}

namespace {

// The tree's switches that each page of lines drives: the property that holds a switch and the
// setter that writes it.
struct ChavesDaArvore {
  const char* compensacao;
  void (TTzuqTree::*escreveCompensacao)(bool);
  const char* isentos;
  void (TTzuqTree::*escreveIsentos)(bool);
  const char* molestia;
  void (TTzuqTree::*escreveMolestia)(bool);
};

const ChavesDaArvore* chavesDaPagina(TFrDeclaracao::Pagina pagina) {
  static const ChavesDaArvore kBeneficiarios{
      "mostraCompensacaoExigibilidade", &TTzuqTree::setMostraCompensacaoExigibilidade,
      "mostraRendimentosIsentos",       &TTzuqTree::setMostraRendimentosIsentos,
      "mostraMolestia",                 &TTzuqTree::setMostraMolestia};
  static const ChavesDaArvore kFundos{
      "mostraCompensacaoExigibilidadeFC", &TTzuqTree::setMostraCompensacaoExigibilidadeFC,
      "mostraRendimentosIsentosFC",       &TTzuqTree::setMostraRendimentosIsentosFC,
      "mostraMolestiaAnexo",              &TTzuqTree::setMostraMolestiaAnexo};
  static const ChavesDaArvore kAdvogado{
      "mostraCompensacaoExigibilidadeProc", &TTzuqTree::setMostraCompensacaoExigibilidadeProc,
      "mostraRendimentosIsentosProc",       &TTzuqTree::setMostraRendimentosIsentosProc,
      "mostraMolestiaProc",                 &TTzuqTree::setMostraMolestiaProc};
  switch (pagina) {
    case TFrDeclaracao::BeneficiariosTolv: return &kBeneficiarios;
    case TFrDeclaracao::Fundos: return &kFundos;
    case TFrDeclaracao::Advogado: return &kAdvogado;
    default: return nullptr;
  }
}

}  // namespace

// The slots keep the window and the page's place, both by value: they run long after this
// function returned.
void TTolv2014::ligaPaginasDeLinhas() {
  for (const auto lugar : {TFrDeclaracao::BeneficiariosTolv, TFrDeclaracao::Fundos, TFrDeclaracao::Advogado}) {
    TPaginaDeclaracao* pagina = m_frDeclaracao->PaginaDe(lugar);
    if (!pagina) continue;
    connect(pagina, &TPaginaDeclaracao::MudouCodigo, this, [this, lugar](bool compensacao, bool isentos) {
      GuardaEventos::executa([this, lugar, compensacao, isentos] { mudouCodigoDaPagina(lugar, compensacao, isentos); });
    });
    connect(pagina, &TPaginaDeclaracao::MudouMolestia, this, [this, lugar](bool molestia) {
      GuardaEventos::executa([this, lugar, molestia] { mudouMolestiaDaPagina(lugar, molestia); });
    });
  }
}

void TTolv2014::mudouCodigoDaPagina(int lugar, bool compensacao, bool isentos) {
  const ChavesDaArvore* chaves = chavesDaPagina(TFrDeclaracao::Pagina(lugar));
  if (!chaves) return;
  escreveChaveDaArvore(chaves->compensacao, chaves->escreveCompensacao, compensacao);
  escreveChaveDaArvore(chaves->isentos, chaves->escreveIsentos, isentos);
}

void TTolv2014::mudouMolestiaDaPagina(int lugar, bool molestia) {
  if (const ChavesDaArvore* chaves = chavesDaPagina(TFrDeclaracao::Pagina(lugar)))
    escreveChaveDaArvore(chaves->molestia, chaves->escreveMolestia, molestia);
}

// A switch is written only when it changes: each write rebuilds the tree, which then shows the
// node of the page again.
void TTolv2014::escreveChaveDaArvore(const char* propriedade, void (TTzuqTree::*escreve)(bool), bool valor) {
  if (m_arvore->property(propriedade).toBool() == valor) return;
  (m_arvore->*escreve)(valor);
  QString titulo;
  m_arvore->SelecionaNo(m_codigoMostrado, titulo);
}

void TTolv2014::mudouPagina() {
  static const std::pair<TFrDeclaracao::Pagina, int> kAjuda[] = {
      {TFrDeclaracao::Informacoes, 12000}, {TFrDeclaracao::BeneficiariosTolv, 12010}, {TFrDeclaracao::Fundos, 50100},
      {TFrDeclaracao::Advogado, 50500},    {TFrDeclaracao::Resumo, 50200},            {TFrDeclaracao::Comprovante, 50300}};
  const TFrDeclaracao::Pagina atual = m_frDeclaracao->PaginaAtual();
  if (atual != m_paginaAtual) {
    m_paginaAnterior = m_paginaAtual;
    m_paginaAtual = atual;
  }
  for (const auto& [pagina, contexto] : kAjuda)
    if (pagina == atual) m_frDeclaracao->PgDeclaracao()->setProperty("contextoAjuda", contexto);
  if (atual == TFrDeclaracao::Resumo && m_declaracaoAberta && m_tolv && m_tolv->GetResumoGeral().GetOk() == 0 &&
      !AcaoEmAndamento) {
    int resposta = 0;
    {
      GuardaAcao guarda;
      resposta = recalculaResumo();
    }
    // Totals that are not current are not shown.
    if (resposta != 1) {
      m_frDeclaracao->AtivaPagina(TFrDeclaracao::Pagina(m_paginaAnterior));
      return;
    }
    if (TPaginaDeclaracao* pagina = m_frDeclaracao->PaginaDe(TFrDeclaracao::Resumo)) pagina->Recarrega();
  }
  if (atual != TFrDeclaracao::Resumo || !m_declaracaoAberta) return;
  if (TPaginaDeclaracao* pagina = m_frDeclaracao->PaginaDe(TFrDeclaracao::Resumo)) {
    pagina->Entra();
    if (QWidget* abas = pagina->findChild<QWidget*>(QStringLiteral("PgResumo")); abas && abas->isVisible())
      abas->setFocus(Qt::OtherFocusReason);
  }
}

void TTolv2014::IrParaPendencia(const QString& dono, const QString& objeto, int secao) {
  if (!m_declaracaoAberta || !m_frDeclaracao->PaginasAbertas()) return;
  // The finding is shown here, in front, whichever window asked; a modal window (the search)
  // stays in front of it until it is closed.
  if (isVisible() && !QApplication::activeModalWidget()) {
    trazParaFrente();
    QCoreApplication::processEvents();
  }
  // Nothing typed is lost on the way to a finding: the page shown keeps it first, or keeps the user.
  if (!m_frDeclaracao->ConfirmaPaginaAtual()) return;
  NavegacaoCampo(*m_frDeclaracao).IrPara(dono, objeto, secao);
  marcaNoDaPagina();
}

void TTolv2014::marcaNoDaPagina() {
  using P = TFrDeclaracao;
  const P::Pagina atual = m_frDeclaracao->PaginaAtual();
  // The node a lines page chose for its field, else the page's first one.
  int codigo = 0;
  if (const auto selecionado = m_arvore->CodigoSelecionado(); selecionado && P::PaginaDoCodigo(*selecionado) == atual)
    codigo = *selecionado;
  if (codigo == 0) {
    static const std::pair<P::Pagina, int> kPrimeiros[] = {
        {P::Informacoes, 101}, {P::BeneficiariosTolv, 201}, {P::Fundos, 301},     {P::Advogado, 401},
        {P::Comprovante, 700}, {P::Remessa, 600},           {P::PlanoSaude, 800}, {P::RraDeclarante, 150},
        {P::RraJustica, 450}};
    for (const auto& [pagina, no] : kPrimeiros)
      if (pagina == atual) codigo = no;
  }
  if (codigo == 0) return;
  QString titulo;
  m_arvore->SelecionaNo(codigo, titulo);
  if (m_arvore->CodigoSelecionado() != codigo) return;
  m_codigoMostrado = codigo;
  NoCorrente = codigo;
  if (!titulo.isEmpty()) m_tituloNo = titulo;
}
