#include "interface/AcoesPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>

#include "controles/PaletaTolv.h"
#include "controles/PontosEntrada.h"
#include "controles/TDialogoImpressao.h"
#include "controles/TVerificacaoEmCurso.h"
#include "controles/TfmSobre.h"
#include "interface/DadosImpressao.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/RenomeacaoBanco.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTolv2014.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilSistema.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

constexpr int kSemImpressora = 104;
constexpr int kSemImpressoraConfiguracao = 105;
constexpr int kImpressoraIndisponivel = 301;
const QString kSemDados = QStringLiteral("Não existem dados a serem impressos.");
const QString kSite = QStringLiteral("https://www.bvd.gov.br/");

// Holds the action guard for one action, when it was clear; an action that finds it set does
// nothing.
class Guarda {
 public:
  Guarda() : m_tomou(!AcaoEmAndamento) { AcaoEmAndamento = true; }
  ~Guarda() {
    if (m_tomou) AcaoEmAndamento = false;
  }
  Guarda(const Guarda&) = delete;
  Guarda& operator=(const Guarda&) = delete;
  explicit operator bool() const { return m_tomou; }

 private:
  bool m_tomou;
};

// The main window disabled while a report prints from an action, enabled again in any case.
class JanelaDesabilitada {
 public:
  explicit JanelaDesabilitada(QWidget* janela) : m_janela(janela) { m_janela->setEnabled(false); }
  ~JanelaDesabilitada() { m_janela->setEnabled(true); }
  JanelaDesabilitada(const JanelaDesabilitada&) = delete;
  JanelaDesabilitada& operator=(const JanelaDesabilitada&) = delete;

 private:
  QWidget* m_janela;
};

bool temImpressora() { return !ListaImpressoras().empty() && !ImpressoraPadrao().isEmpty(); }

void mensagemCatalogo(int codigo, int tipo) { TErro::MostraTexto(TErro::FormataMensagem(codigo, {}), tipo); }

// A file of the program's folders found without regard to case (restored or copied files may
// differ in case).
QString arquivoEm(const QString& pasta, const QString& nome) {
  const QStringList achados = QDir(pasta).entryList({nome}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& achado : achados)
    if (achado.compare(nome, Qt::CaseInsensitive) == 0) return pasta + u'/' + achado;
  return {};
}

void removeDosDados(const QString& nome) {
  const QString arquivo = arquivoEm(DiretorioDados(), nome);
  if (!arquivo.isEmpty() && !QFile::remove(arquivo))
    qWarning("Tolv 2014: não foi possível apagar %s", qPrintable(arquivo));
}

// The caption suffix of the print wizard for each print request.
QString sufixoImpressao(int tipo) {
  switch (tipo) {
    case 1: return QStringLiteral("Declaração completa");
    case 2: return QStringLiteral("Recibo de entrega");
    case 3: return QStringLiteral("Comprovante de rendimento");
    case 5: return QStringLiteral("Lista de beneficiários");
    case 6: return QStringLiteral("Totais por código - Analítico");
    case 7: return QStringLiteral("Totais por código - Sintético");
    case 8: return QStringLiteral("Total mensal por código");
    case 9: return QStringLiteral("Gerencial");
    case 10: return QStringLiteral("Resumo da declaração");
    default: return {};
  }
}

void desligaDeclaracao() {
  // A connection that cannot be closed cleanly is left to the next opening.
  try {
    if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) conexao->desconecta();
  } catch (const std::exception& e) {
    qWarning("Tolv 2014: %s", e.what());
  }
}

}  // namespace

AcoesPrincipal::AcoesPrincipal(TTolv2014& janela) : QObject(&janela), m_janela(janela) {
  setObjectName(QStringLiteral("ActMngPrincipal"));
  cria(Acao::MiNova, QStringLiteral("&Nova..."), 11005, QStringLiteral("Ctrl+N"));
  cria(Acao::MiAbrir, QStringLiteral("&Abrir..."), 11010, QStringLiteral("Ctrl+A"));
  cria(Acao::MiFecharDeclaracao, QStringLiteral("&Fechar"), 11086, QStringLiteral("Ctrl+F"));
  cria(Acao::MiExcluir, QStringLiteral("&Excluir..."), 11020);
  cria(Acao::MiImportar, QStringLiteral("I&mportar dados..."), 11030, QStringLiteral("Ctrl+I"));
  cria(Acao::MiImprimir, QStringLiteral("&Imprimir"), 12600, QStringLiteral("Ctrl+M"));
  cria(Acao::MiConfigurarImpressora, QStringLiteral("&Configurar impressora..."), 11001);
  cria(Acao::MiVerificarPendencias, QStringLiteral("&Verificar pendências..."), 11050, QStringLiteral("Ctrl+E"));
  cria(Acao::MiGravarBvd, QStringLiteral("&Gravar declaração para entrega à BVD..."), 11060, QStringLiteral("Ctrl+G"));
  cria(Acao::MiTransmitirviaInternet, QStringLiteral("&Transmitir via internet..."), 11040, QStringLiteral("Ctrl+T"));
  cria(Acao::MiSair, QStringLiteral("&Sair do programa"), 11085);
  cria(Acao::actAnalisarGravar, QStringLiteral("&Analisar arquivo..."), 0);
  cria(Acao::actGravarTolv, QStringLiteral("Gravar declaração para entrega à BVD..."), 0);
  cria(Acao::actTransmitir, QStringLiteral("&Transmitir via internet..."), 0);
  cria(Acao::actImprimirAnalise, QStringLiteral("&Imprimir..."), 0);
  cria(Acao::actImpAnDecComp, QStringLiteral("Declaração completa"), 0);
  cria(Acao::actImpAnRecibo, QStringLiteral("Recibo de entrega"), 0);
  cria(Acao::actImpAnListaCodBen, QStringLiteral("Lista de beneficiários"), 0);
  cria(Acao::actImpAnTotCodSintetico, QStringLiteral("Totais por código - Sintético"), 0);
  cria(Acao::actImpAnTotCodAnalitico, QStringLiteral("Totais por código - Analítico"), 0);
  cria(Acao::MiPesquisar, QStringLiteral("&Pesquisar beneficiário"), 11070, QStringLiteral("Ctrl+S"));
  cria(Acao::MiImportarAnosAnteriores, QStringLiteral("Importar &declaração de anos anteriores"), 0);
  cria(Acao::MiResumo, QStringLiteral("Atualizar o resumo da &declaração"), 12030);
  cria(Acao::MiCalculadora, QStringLiteral("&Calculadora"), 11080, QStringLiteral("Ctrl+L"));
  cria(Acao::MiSincronizar, QStringLiteral("&Sincronizar o comprovante de rendimentos"), 16500);
  cria(Acao::MiIndexador, QStringLiteral("&Reorganizar tabelas de dados"), 11095);
  cria(Acao::MiReparaBancodeDados, QStringLiteral("Verificação de consistência do &banco de dados"), 11095);
  cria(Acao::actHabilitarAnalisador, QStringLiteral("&Habilitar analisador"), 0);
  cria(Acao::MiGravarCopia, QStringLiteral("&Gravar..."), 11090);
  cria(Acao::MiRestaurarCopia, QStringLiteral("&Restaurar..."), 11091);
  cria(Acao::MiCopiaAuto, QStringLiteral("Cópia de segurança &automática"), 11090);
  cria(Acao::ActAltera, QStringLiteral("A&lteração de indicação de matriz do CNPJ"), 50080);
  cria(Acao::ActExtrato, QStringLiteral("Consultar declarações &recepcionadas pela BVD..."), 50010);
  cria(Acao::ActAjudaBVD, QStringLiteral("&Legislação"), 50020);
  cria(Acao::ActManualFonte, QStringLiteral("&Manual do imposto sobre a renda retido na fonte"), 50060);
  cria(Acao::ActZUQAnt, QStringLiteral("&Programas de anos anteriores"), 50070);
  cria(Acao::ActSuporte, QStringLiteral("S&uporte Tolv"), 50030);
  cria(Acao::LeiautedoArquivo1, QStringLiteral("L&eiaute do arquivo da declaração"), 18000);
  cria(Acao::ActPergResp, QStringLiteral("Per&guntas e respostas"), 50050);
  cria(Acao::ActKalvorin, QStringLiteral("&Kal-Von, o programa de transmissão"), 50040);
  cria(Acao::ActCertificacao, QStringLiteral("&Certificação digital"), 50095);
  cria(Acao::MiConteudo, QStringLiteral("&Conteúdo"), 10000);
  cria(Acao::MiManual, QStringLiteral("&Instruções de preenchimento"), 12050);
  cria(Acao::MiAjudaCampo, QStringLiteral("&Ajuda contextual                 F1"), 10000);
  cria(Acao::UsodoTeclado1, QStringLiteral("Uso do &teclado"), 15000);
  cria(Acao::Ouehdenovo1, QStringLiteral("&Novidades"), 102);
  cria(Acao::MiSobre, QStringLiteral("&Sobre a Tolv"), 0);
  cria(Acao::actImpDecComp, QStringLiteral("&Declaração completa"), 0);
  cria(Acao::actImpRecibo, QStringLiteral("&Recibo de entrega"), 0);
  cria(Acao::actImpCompRendTodos, QStringLiteral("&Todos os comprovantes"), 0);
  cria(Acao::actImpCompRendUmBenef, QStringLiteral("&Comprovante de um beneficiário"), 0);
  cria(Acao::actImpListaBenef, QStringLiteral("&Lista de beneficiários"), 0);
  cria(Acao::actImpTotCodAnalitico, QStringLiteral("&Analítico"), 0);
  cria(Acao::actImpTotCodSintetico, QStringLiteral("&Sintético"), 0);
  cria(Acao::actImpTotMensCod, QStringLiteral("&Mensal"), 0);
  cria(Acao::actImpGerencial, QStringLiteral("&Gerencial"), 0);
  cria(Acao::actImpResumoDeclaracao, QStringLiteral("R&esumo da declaração"), 0);
  for (int i = 0; i < kAcoes; ++i)
    if (!m_acoes[size_t(i)]) throw std::logic_error(std::string("Ação sem QAction: ") + NomeAcao(Acao(i)));

  for (Acao a : {Acao::MiImportarAnosAnteriores, Acao::MiResumo, Acao::MiSincronizar, Acao::MiIndexador,
                 Acao::actHabilitarAnalisador, Acao::ActPergResp, Acao::MiManual, Acao::MiAjudaCampo,
                 Acao::UsodoTeclado1})
    acao(a)->setVisible(false);
  for (Acao a : {Acao::MiSincronizar, Acao::actHabilitarAnalisador, Acao::MiCopiaAuto}) acao(a)->setCheckable(true);
  acao(Acao::MiSincronizar)->setChecked(true);
  acao(Acao::ActAltera)->setToolTip(QStringLiteral("Alteração de CNPJ/CPF"));

  liga(Acao::MiNova, &AcoesPrincipal::MiNovaExecute);
  liga(Acao::MiAbrir, &AcoesPrincipal::MiAbrirExecute);
  liga(Acao::MiFecharDeclaracao, &AcoesPrincipal::MiFecharDeclaracaoExecute);
  liga(Acao::MiExcluir, &AcoesPrincipal::MiExcluirExecute);
  liga(Acao::MiImportar, &AcoesPrincipal::MiImportarExecute);
  liga(Acao::MiImportarAnosAnteriores, &AcoesPrincipal::MiImportarAnosAnterioresExecute);
  liga(Acao::MiImprimir, &AcoesPrincipal::MiImprimirExecute);
  liga(Acao::MiConfigurarImpressora, &AcoesPrincipal::MiConfigurarImpressoraExecute);
  liga(Acao::MiVerificarPendencias, &AcoesPrincipal::MiVerificarPendenciasExecute);
  liga(Acao::MiGravarBvd, &AcoesPrincipal::MiGravarBvdExecute);
  liga(Acao::MiTransmitirviaInternet, &AcoesPrincipal::MiTransmitirviaInternetExecute);
  liga(Acao::MiSair, &AcoesPrincipal::MiSairExecute);
  liga(Acao::MiPesquisar, &AcoesPrincipal::MiPesquisarExecute);
  liga(Acao::MiResumo, &AcoesPrincipal::MiResumoExecute);
  liga(Acao::MiCalculadora, &AcoesPrincipal::MiCalculadoraExecute);
  liga(Acao::MiIndexador, &AcoesPrincipal::MiIndexadorExecute);
  liga(Acao::MiGravarCopia, &AcoesPrincipal::MiGravarCopiaExecute);
  liga(Acao::MiRestaurarCopia, &AcoesPrincipal::MiRestaurarCopiaExecute);
  liga(Acao::actHabilitarAnalisador, &AcoesPrincipal::actHabilitarAnalisadorExecute);
  liga(Acao::MiCopiaAuto, &AcoesPrincipal::MiCopiaAutoExecute);
  liga(Acao::MiReparaBancodeDados, &AcoesPrincipal::MiReparaBancodeDadosExecute);
  liga(Acao::MiConteudo, &AcoesPrincipal::MiConteudoExecute);
  liga(Acao::MiAjudaCampo, &AcoesPrincipal::MiConteudoExecute);
  liga(Acao::MiManual, &AcoesPrincipal::MiManualExecute);
  liga(Acao::UsodoTeclado1, &AcoesPrincipal::UsodoTeclado1Execute);
  liga(Acao::Ouehdenovo1, &AcoesPrincipal::Ouehdenovo1Execute);
  liga(Acao::MiSobre, &AcoesPrincipal::MiSobreExecute);
  liga(Acao::ActAltera, &AcoesPrincipal::ActAlteraExecute);
  for (Acao a : {Acao::ActExtrato, Acao::ActAjudaBVD, Acao::ActManualFonte, Acao::ActZUQAnt, Acao::ActSuporte,
                 Acao::LeiautedoArquivo1, Acao::ActPergResp, Acao::ActKalvorin, Acao::ActCertificacao})
    connect(acao(a), &QAction::triggered, this, [this, a] {
      GuardaEventos::executa([this, a] {
        if (m_janela.VerificaPagina()) EnderecoExecute(a);
      });
    });
  const std::pair<Acao, int> impressoes[] = {
      {Acao::actImpDecComp, 1},         {Acao::actImpRecibo, 2},          {Acao::actImpCompRendTodos, 3},
      {Acao::actImpCompRendUmBenef, 4}, {Acao::actImpListaBenef, 5},      {Acao::actImpTotCodAnalitico, 6},
      {Acao::actImpTotCodSintetico, 7}, {Acao::actImpTotMensCod, 8},      {Acao::actImpGerencial, 9},
      {Acao::actImpResumoDeclaracao, 10}};
  for (const auto& [a, tipo] : impressoes)
    connect(acao(a), &QAction::triggered, this, [this, tipo = tipo] {
      GuardaEventos::executa([this, tipo] {
        if (m_janela.VerificaPagina()) Imprime(tipo);
      });
    });
  // The analyser's actions have no effect.

  montaMenus();
  montaBarra();
}

AcoesPrincipal::~AcoesPrincipal() = default;

QAction* AcoesPrincipal::cria(Acao a, const QString& texto, int contextoAjuda, const QString& atalho) {
  auto* q = new QAction(texto, &m_janela);
  q->setObjectName(QString::fromLatin1(NomeAcao(a)));
  if (!atalho.isEmpty()) q->setShortcut(QKeySequence(atalho));
  if (contextoAjuda) q->setProperty("contextoAjuda", contextoAjuda);
  // The shortcuts work while the menus are closed.
  m_janela.addAction(q);
  m_acoes[size_t(a)] = q;
  return q;
}

void AcoesPrincipal::liga(Acao a, Tratador tratador) {
  connect(acao(a), &QAction::triggered, this, [this, tratador] {
    GuardaEventos::executa([this, tratador] {
      // The current page must agree to be left before any action.
      if (!m_janela.VerificaPagina()) return;
      (this->*tratador)();
    });
  });
}

QMenu* AcoesPrincipal::montaImpressao(QMenu* menu, QMenu** comprovante) {
  menu->addAction(acao(Acao::actImpDecComp));
  menu->addAction(acao(Acao::actImpRecibo));
  *comprovante = menu->addMenu(QStringLiteral("&Comprovante de rendimento"));
  (*comprovante)->addAction(acao(Acao::actImpCompRendTodos));
  (*comprovante)->addAction(acao(Acao::actImpCompRendUmBenef));
  menu->addAction(acao(Acao::actImpListaBenef));
  QMenu* totais = menu->addMenu(QStringLiteral("&Totais por código"));
  totais->addAction(acao(Acao::actImpTotCodAnalitico));
  totais->addAction(acao(Acao::actImpTotCodSintetico));
  totais->addAction(acao(Acao::actImpTotMensCod));
  menu->addAction(acao(Acao::actImpResumoDeclaracao));
  menu->addAction(acao(Acao::actImpGerencial));
  return menu;
}

void AcoesPrincipal::montaMenus() {
  QMenuBar* barra = m_janela.menuBar();
  barra->setObjectName(QStringLiteral("ActionMainMenuBar1"));
  barra->setFont(PaletaTolv::arial(9));

  m_menuDeclaracao = barra->addMenu(QStringLiteral("&Declaração"));
  m_menuDeclaracao->setObjectName(QStringLiteral("MenuDeclaracao"));
  for (Acao a : {Acao::MiNova, Acao::MiAbrir, Acao::MiFecharDeclaracao, Acao::MiExcluir})
    m_menuDeclaracao->addAction(acao(a));
  m_menuDeclaracao->addSeparator();
  m_menuDeclaracao->addAction(acao(Acao::MiImportar));
  m_menuDeclaracao->addSeparator();
  // The menu bar's "Imprimir" opens the print entries; the action itself (Ctrl+M) the pop-up.
  m_menuImprimir = m_menuDeclaracao->addMenu(QStringLiteral("&Imprimir"));
  m_menuImprimir->setObjectName(QStringLiteral("MenuImprimir"));
  montaImpressao(m_menuImprimir, &m_comprovanteBarra);
  connect(acao(Acao::MiImprimir), &QAction::enabledChanged, m_menuImprimir->menuAction(), &QAction::setEnabled);
  m_menuDeclaracao->addAction(acao(Acao::MiConfigurarImpressora));
  m_menuDeclaracao->addSeparator();
  m_menuDeclaracao->addAction(acao(Acao::MiVerificarPendencias));
  m_menuDeclaracao->addAction(acao(Acao::MiGravarBvd));
  m_menuDeclaracao->addSeparator();
  m_menuDeclaracao->addAction(acao(Acao::MiTransmitirviaInternet));
  m_menuDeclaracao->addSeparator();
  m_menuDeclaracao->addAction(acao(Acao::MiSair));

  m_menuAnalisador = barra->addMenu(QStringLiteral("A&nalisador"));
  m_menuAnalisador->setObjectName(QStringLiteral("MenuAnalisador"));
  for (Acao a : {Acao::actAnalisarGravar, Acao::actGravarTolv, Acao::actTransmitir})
    m_menuAnalisador->addAction(acao(a));
  QMenu* analise = m_menuAnalisador->addMenu(QStringLiteral("&Imprimir..."));
  acao(Acao::actImprimirAnalise)->setMenu(analise);
  for (Acao a : {Acao::actImpAnDecComp, Acao::actImpAnRecibo, Acao::actImpAnListaCodBen, Acao::actImpAnTotCodSintetico,
                 Acao::actImpAnTotCodAnalitico})
    analise->addAction(acao(a));
  m_menuAnalisador->menuAction()->setVisible(false);

  m_menuFerramentas = barra->addMenu(QStringLiteral("&Ferramentas"));
  m_menuFerramentas->setObjectName(QStringLiteral("MenuFerramentas"));
  for (Acao a : {Acao::MiPesquisar, Acao::MiImportarAnosAnteriores, Acao::MiResumo, Acao::MiCalculadora,
                 Acao::MiSincronizar})
    m_menuFerramentas->addAction(acao(a));
  m_separadorSincronizar = m_menuFerramentas->addSeparator();
  m_separadorSincronizar->setVisible(false);
  m_menuFerramentas->addAction(acao(Acao::MiReparaBancodeDados));
  m_menuFerramentas->addSeparator();
  m_menuFerramentas->addAction(acao(Acao::actHabilitarAnalisador));
  m_menuFerramentas->addSeparator()->setVisible(false);
  QMenu* copia = m_menuFerramentas->addMenu(QStringLiteral("Cóp&ia de segurança"));
  copia->menuAction()->setProperty("contextoAjuda", 11090);
  copia->addAction(acao(Acao::MiGravarCopia));
  copia->addAction(acao(Acao::MiRestaurarCopia));
  m_menuFerramentas->addSeparator();
  m_menuFerramentas->addAction(acao(Acao::MiCopiaAuto));
  m_menuFerramentas->addSeparator();
  m_menuFerramentas->addAction(acao(Acao::ActAltera));

  m_menuConsultas = barra->addMenu(QStringLiteral("Consul&tas na internet"));
  m_menuConsultas->setObjectName(QStringLiteral("MenuConsultas"));
  for (Acao a : {Acao::ActExtrato, Acao::ActAjudaBVD, Acao::ActManualFonte, Acao::ActZUQAnt, Acao::ActSuporte,
                 Acao::LeiautedoArquivo1, Acao::ActPergResp, Acao::ActKalvorin, Acao::ActCertificacao})
    m_menuConsultas->addAction(acao(a));

  m_menuAjuda = barra->addMenu(QStringLiteral("&Ajuda"));
  m_menuAjuda->setObjectName(QStringLiteral("MenuAjuda"));
  for (Acao a : {Acao::MiConteudo, Acao::MiManual, Acao::MiAjudaCampo}) m_menuAjuda->addAction(acao(a));
  m_menuAjuda->addSeparator();
  m_menuAjuda->addAction(acao(Acao::UsodoTeclado1));
  m_menuAjuda->addAction(acao(Acao::Ouehdenovo1));
  m_menuAjuda->addSeparator();
  m_menuAjuda->addAction(acao(Acao::MiSobre));

  for (QMenu* m : barra->findChildren<QMenu*>()) m->setFont(PaletaTolv::arial(9));

  m_pmImpressao = new QMenu(&m_janela);
  m_pmImpressao->setObjectName(QStringLiteral("pmImpressao"));
  montaImpressao(m_pmImpressao, &m_comprovantePopup);
  // The pop-up's own look: Arial, the selected item on #C6D3EF framed in #3169C6, the others on
  // #F2F2F2, the text 4 pixels from the left and 1 from the top.
  const QString estilo = QStringLiteral(
      "QMenu { background: #F2F2F2; border: 1px solid #B9D0DE; font-family: \"%1\"; font-size: 8pt; }"
      "QMenu::item { padding: 1px 24px 3px 4px; margin: 0px; border: 1px solid transparent; color: #000000; }"
      "QMenu::item:selected { background: #C6D3EF; border: 1px solid #3169C6; }"
      "QMenu::item:disabled { color: #8C8C8C; }"
      "QMenu::separator { height: 1px; background: #B9D0DE; margin: 2px 4px; }")
                             .arg(PaletaTolv::arial(8).family());
  for (QMenu* m : m_pmImpressao->findChildren<QMenu*>()) m->setStyleSheet(estilo);
  m_pmImpressao->setStyleSheet(estilo);
  for (QMenu* m : {m_comprovanteBarra, m_comprovantePopup}) m->menuAction()->setVisible(false);
}

void AcoesPrincipal::montaBarra() {
  m_barra = new QToolBar(QStringLiteral("Ferramentas"), &m_janela);
  m_barra->setObjectName(QStringLiteral("ActionToolBar1"));
  m_barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (Acao a : {Acao::MiNova, Acao::MiAbrir, Acao::MiFecharDeclaracao, Acao::MiImportar, Acao::MiImprimir,
                 Acao::MiVerificarPendencias, Acao::MiGravarBvd, Acao::MiTransmitirviaInternet, Acao::actAnalisarGravar,
                 Acao::MiPesquisar, Acao::MiCalculadora, Acao::MiAjudaCampo})
    m_barra->addAction(acao(a));
  m_janela.addToolBar(m_barra);
  m_barra->hide();
}

void AcoesPrincipal::Aplica(const EstadoMenus& estado) {
  for (int i = 0; i < kAcoes; ++i) {
    const EstadoAcao& e = estado.acoes[size_t(i)];
    QAction* q = m_acoes[size_t(i)];
    if (e.habilitada) q->setEnabled(*e.habilitada);
    if (e.visivel) q->setVisible(*e.visivel);
  }
  if (estado.entradasComprovante) {
    for (QMenu* m : {m_comprovanteBarra, m_comprovantePopup}) m->menuAction()->setVisible(*estado.entradasComprovante);
    m_separadorSincronizar->setVisible(*estado.entradasComprovante);
  }
}

void AcoesPrincipal::HabilitaMenus(bool habilita) {
  for (Acao a : kAcoesHabilitaMenus) acao(a)->setEnabled(habilita);
}

void AcoesPrincipal::MostraAnalisador(bool mostra) {
  acao(Acao::actHabilitarAnalisador)->setChecked(mostra);
  m_menuAnalisador->menuAction()->setVisible(mostra);
  acao(Acao::actAnalisarGravar)->setVisible(mostra);
}

void AcoesPrincipal::focaPainel() {
  // Leaving the edit makes it store (or refuse) what was typed.
  if (QWidget* painel = m_janela.Panel1()) painel->setFocus();
  QCoreApplication::processEvents();
}

bool AcoesPrincipal::paginaRecusouSaida() {
  focaPainel();
  if (!m_janela.RecusaPagina()) return false;
  // The refusal was told once by the page; the next action starts afresh.
  m_janela.LimpaRecusaPagina();
  return true;
}

template <typename F>
bool AcoesPrincipal::disponivel(const F& entrada, Acao a) {
  if (entrada) return true;
  AvisaIndisponivel(acao(a)->text());
  return false;
}

void AcoesPrincipal::MiNovaExecute() {
  PassosPrincipal& passos = m_janela.passos();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(passos.novaDeclaracao, Acao::MiNova)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoNovaDeclaracao")) || !passos.fecharDeclaracao()) return;
  if (passos.novaDeclaracao(&m_janela)) {
    passos.atualizaIndice();
    passos.abrirDeclaracao(&m_janela);
  }
}

void AcoesPrincipal::MiAbrirExecute() {
  PassosPrincipal& passos = m_janela.passos();
  HabilitaMenus(false);
  Guarda guarda;
  if (!guarda) return;
  m_barra->setEnabled(false);
  struct Reabilita {
    QToolBar* barra;
    ~Reabilita() { barra->setEnabled(true); }
  } reabilita{m_barra};
  if (!disponivel(passos.escolheDeclaracao, Acao::MiAbrir)) {
    HabilitaMenus(true);
    return;
  }
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoAbreDeclaracao")) || !passos.fecharDeclaracao()) return;
  if (passos.escolheDeclaracao(&m_janela, QStringLiteral("Abrir declaração"))) {
    passos.abrirDeclaracao(&m_janela);
    HabilitaMenus(true);
  }
}

void AcoesPrincipal::MiFecharDeclaracaoExecute() { m_janela.passos().fecharDeclaracao(); }

void AcoesPrincipal::MiExcluirExecute() {
  PassosPrincipal& passos = m_janela.passos();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(passos.excluiDeclaracao, Acao::MiExcluir)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoExcluiDeclaracao"))) return;
  if (passos.fecharDeclaracao()) passos.excluiDeclaracao(&m_janela);
  passos.atualizaIndice();
  m_janela.atualizaMenus();
}

void AcoesPrincipal::MiImportarExecute() { importa(false); }

void AcoesPrincipal::MiImportarAnosAnterioresExecute() { importa(true); }

void AcoesPrincipal::importa(bool anosAnteriores) {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (anosAnteriores && !disponivel(entradas.importacaoAnosAnteriores, Acao::MiImportarAnosAnteriores)) return;
  if (!anosAnteriores && !DialogosDeclaracao::ImportacaoDisponivel()) {
    DialogosDeclaracao::ImportacaoIndisponivel(m_janela.GetColecaoTolv(), &m_janela);
    return;
  }
  if (!m_janela.PodeAbrirForm(anosAnteriores ? QStringLiteral("FoAssistImportacao")
                                             : QStringLiteral("FoAssistImportacao2010")))
    return;
  m_janela.passos().fecharDeclaracao();
  if (anosAnteriores) {
    entradas.importacaoAnosAnteriores(&m_janela, m_janela.GetColecaoTolv());
  } else {
    // The same wizard as the initial dialog's "Importar dados" (it says so while missing).
    const DialogosDeclaracao::ResultadoImportacao resultado =
        DialogosDeclaracao::ExecutaAssistenteImportacao(m_janela.GetColecaoTolv(), &m_janela);
    if (resultado.relatorio) {
      if (!temImpressora()) {
        mensagemCatalogo(kSemImpressora, TipoMensagem::Informacao);
      } else {
        const bool indisponivel = ImpressoraIndisponivel();
        if (indisponivel) mensagemCatalogo(kImpressoraIndisponivel, TipoMensagem::Aviso);
        JanelaDesabilitada desabilitada(&m_janela);
        m_janela.GetTolv().AtualizaIndicadoresAno();
        if (!indisponivel) DialogosDeclaracao::ImprimirRelatorioImportacao(&m_janela);
      }
    }
  }
  if (entradas.liberaImportacao) entradas.liberaImportacao();
  m_janela.passos().atualizaIndice();
  m_janela.atualizaMenus();
}

void AcoesPrincipal::MiImprimirExecute() {
  m_pmImpressao->popup(m_janela.mapToGlobal(QPoint(157, 55)));
}

void AcoesPrincipal::MiConfigurarImpressoraExecute() {
  Guarda guarda;
  if (!guarda) return;
  if (!temImpressora()) {
    mensagemCatalogo(kSemImpressoraConfiguracao, TipoMensagem::Informacao);
    return;
  }
  if (const auto impressora = TDialogoImpressao::ExecutaConfiguracao(&m_janela)) DefineImpressoraAtual(*impressora);
}

void AcoesPrincipal::MiVerificarPendenciasExecute() {
  if (paginaRecusouSaida()) return;
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.verificacao, Acao::MiVerificarPendencias)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoPendencias"))) return;
  entradas.verificacao(&m_janela, m_janela.GetTolv(), [this](const QString& dono, const QString& objeto, int secao) {
    m_janela.IrParaPendencia(dono, objeto, secao);
  });
}

void AcoesPrincipal::MiGravarBvdExecute() {
  if (paginaRecusouSaida()) return;
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.gravacao, Acao::MiGravarBvd)) return;
  if (!m_janela.DeclaracaoAberta() && m_janela.PodeAbrirForm(QStringLiteral("FoAbreDeclaracao")) &&
      m_janela.passos().fecharDeclaracao()) {
    if (!disponivel(m_janela.passos().escolheDeclaracao, Acao::MiAbrir)) return;
    if (m_janela.passos().escolheDeclaracao(&m_janela, QStringLiteral("Abrir declaração para gravação")) &&
        m_janela.PodeAbrirForm(QStringLiteral("FoInformacoesTOLV")))
      m_janela.passos().abrirDeclaracao(&m_janela);
  }
  if (!m_janela.DeclaracaoAberta() || !m_janela.PodeAbrirForm(QStringLiteral("FoAssistGeracao"))) return;
  QString arquivo = DiretorioDados() + QStringLiteral("/Recibo.Ini");
  const bool imprimeRecibo = entradas.gravacao(&m_janela, arquivo, m_janela.GetTolv(), m_janela.GetColecaoTolv());
  if (imprimeRecibo) {
    if (temImpressora()) {
      if (ImpressoraIndisponivel()) mensagemCatalogo(kImpressoraIndisponivel, TipoMensagem::Aviso);
      if (disponivel(entradas.recibos, Acao::actImpRecibo)) entradas.recibos({arquivo}, true, arquivo);
    } else {
      mensagemCatalogo(kSemImpressora, TipoMensagem::Informacao);
    }
  }
  removeDosDados(QStringLiteral("Recibo.ini"));
  removeDosDados(QStringLiteral("Declar.txt"));
}

void AcoesPrincipal::MiTransmitirviaInternetExecute() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  if (!disponivel(entradas.transmissao, Acao::MiTransmitirviaInternet)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoAssistTransmissao"))) return;
  m_janela.passos().fecharDeclaracao();
  entradas.transmissao(&m_janela);
}

void AcoesPrincipal::MiSairExecute() { m_janela.close(); }

void AcoesPrincipal::MiPesquisarExecute() {
  m_janela.DefineEscopoPesquisa(3);
  MiPesquisarClick();
}

void AcoesPrincipal::PedePesquisa(int escopo) {
  m_janela.DefineEscopoPesquisa(escopo);
  GuardaEventos::executa([this] { MiPesquisarClick(); });
}

void AcoesPrincipal::LigaPaginas(TFrDeclaracao& conteiner) {
  for (TFrDeclaracao::Pagina lugar : {TFrDeclaracao::BeneficiariosTolv, TFrDeclaracao::Fundos, TFrDeclaracao::Advogado})
    if (TPaginaDeclaracao* pagina = conteiner.PaginaDe(lugar))
      connect(pagina, &TPaginaDeclaracao::PedePesquisa, this, &AcoesPrincipal::PedePesquisa, Qt::UniqueConnection);
}

void AcoesPrincipal::MiPesquisarClick() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.pesquisa, Acao::MiPesquisar)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoPesquisar"))) return;
  entradas.pesquisa(&m_janela, m_janela.GetTolv(), m_janela.EscopoPesquisa(),
                    [this](const QString& dono, const QString& objeto, int secao) {
                      m_janela.IrParaPendencia(dono, objeto, secao);
                    });
}

void AcoesPrincipal::MiResumoExecute() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.calculaResumo, Acao::MiResumo)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoCalculaResumo"))) return;
  if (entradas.calculaResumo(&m_janela, m_janela.GetTolv()) == 1)
    m_janela.FrDeclaracao()->AtivaPagina(TFrDeclaracao::Resumo);
}

void AcoesPrincipal::MiCalculadoraExecute() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.calculadora, Acao::MiCalculadora)) return;
  if (m_janela.PodeAbrirForm(QStringLiteral("FoCalcula"))) entradas.calculadora(&m_janela);
}

void AcoesPrincipal::MiIndexadorExecute() {
  Guarda guarda;
  if (!guarda) return;
  if (m_janela.PodeAbrirForm(QStringLiteral("FoIndexa"))) m_janela.passos().defineFalhaBanco(false);
}

void AcoesPrincipal::MiGravarCopiaExecute() {
  PassosPrincipal& passos = m_janela.passos();
  if (!disponivel(passos.assistenteCopia, Acao::MiGravarCopia)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FormAssistCopSeg"))) return;
  passos.fecharDeclaracao();
  m_janela.FecharColecoes();
  passos.assistenteCopia(&m_janela);
}

void AcoesPrincipal::MiRestaurarCopiaExecute() {
  PassosPrincipal& passos = m_janela.passos();
  if (!disponivel(passos.assistenteRestauracao, Acao::MiRestaurarCopia)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FormAssistCopSeg"))) return;
  // Whatever happens in the restore, the index is opened again and checked below.
  try {
    passos.fecharDeclaracao();
    m_janela.FecharColecoes();
    passos.assistenteRestauracao(&m_janela);
    m_janela.FecharColecoes();
  } catch (const std::exception& e) {
    qWarning("Tolv 2014: restauração: %s", e.what());
  }
  passos.defineFalhaBancoIndice(false);
  passos.defineFalhaBanco(false);
  passos.abreIndice();
  m_janela.atualizaMenus();
}

void AcoesPrincipal::actHabilitarAnalisadorExecute() {
  const bool exibe = acao(Acao::actHabilitarAnalisador)->isChecked();
  MostraAnalisador(exibe);
  ConfiguracoesTolv::GravaAnalisadorHabilitado(exibe);
}

void AcoesPrincipal::MiCopiaAutoExecute() {
  ConfiguracoesTolv::GravaCopiaAutomatica(acao(Acao::MiCopiaAuto)->isChecked());
}

void AcoesPrincipal::MiReparaBancodeDadosExecute() {
  PassosPrincipal& passos = m_janela.passos();
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(passos.repararBanco, Acao::MiReparaBancodeDados)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoRepararBanco")) || !passos.fecharDeclaracao()) return;
  m_janela.FecharColecoes();
  passos.repararBanco(&m_janela);
}

void AcoesPrincipal::MiConteudoExecute() {
  const QString manual = arquivoEm(DiretorioPrograma(), QStringLiteral("Tolv2014.pdf"));
  if (manual.isEmpty()) {
    MostraMensagem(QStringLiteral("Não foi encontrado o arquivo Tolv2014.pdf"), QStringLiteral("Ajuda"), 16);
    return;
  }
  if (!AbreEndereco(manual))
    MostraMensagem(QStringLiteral("Não foi encontrado nenhum leitor de PDF instalado"), QStringLiteral("Ajuda"), 16);
}

void AcoesPrincipal::MiManualExecute() {
  // The help file, when installed, opens at the topic; otherwise the manual.
  const QString ajuda = arquivoEm(DiretorioPrograma(), QStringLiteral("TOLV2014.html"));
  if (ajuda.isEmpty()) return MiConteudoExecute();
  QUrl endereco = QUrl::fromLocalFile(ajuda);
  endereco.setFragment(QString::number(acao(Acao::MiManual)->property("contextoAjuda").toInt()));
  AbreEndereco(endereco.toString());
}

void AcoesPrincipal::UsodoTeclado1Execute() {
  const QString ajuda = arquivoEm(DiretorioPrograma(), QStringLiteral("TOLV2014.html"));
  if (ajuda.isEmpty()) return MiConteudoExecute();
  QUrl endereco = QUrl::fromLocalFile(ajuda);
  endereco.setFragment(QStringLiteral("15000"));
  AbreEndereco(endereco.toString());
}

void AcoesPrincipal::Ouehdenovo1Execute() { m_janela.Ouehdenovo1Execute(); }

void AcoesPrincipal::MiSobreExecute() { TfmSobre::Executa(QStringLiteral("1.5"), &m_janela); }

QString AcoesPrincipal::Endereco(Acao a) {
  switch (a) {
    case Acao::ActExtrato: return kSite + QStringLiteral("tolv/declaracoes-recepcionadas");
    case Acao::ActAjudaBVD: return kSite + QStringLiteral("tolv/legislacao");
    case Acao::ActManualFonte: return kSite + QStringLiteral("tolv/manual-imposto-retido-na-fonte");
    case Acao::ActZUQAnt: return kSite + QStringLiteral("tolv/programas-anteriores");
    case Acao::ActSuporte: return kSite + QStringLiteral("tolv/suporte");
    case Acao::LeiautedoArquivo1: return kSite + QStringLiteral("tolv/leiaute-do-arquivo");
    case Acao::ActPergResp: return kSite + QStringLiteral("tolv/perguntas-e-respostas");
    case Acao::ActKalvorin: return kSite + QStringLiteral("kal-von");
    case Acao::ActCertificacao: return kSite + QStringLiteral("certificacao-digital");
    default: return {};
  }
}

void AcoesPrincipal::EnderecoExecute(Acao a) {
  const QString endereco = Endereco(a);
  if (!AbreEndereco(endereco))
    ExibeMensagem(QStringLiteral("Não foi possível abrir o endereço %1. Verifique se há um navegador instalado.").arg(endereco),
                  TipoMensagem::Aviso);
}

void AcoesPrincipal::ActAlteraExecute() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  if (!disponivel(entradas.alteracaoMatriz, Acao::ActAltera)) return;
  if (!m_janela.PodeAbrirForm(QStringLiteral("FoAssistAlteracao"))) return;
  m_janela.passos().fecharDeclaracao();
  TTolv& tolv = m_janela.GetTolv();
  entradas.alteracaoMatriz(&m_janela, m_janela.GetColecaoTolv(), tolv);
  if (tolv.GetNiAlterado() != 0) {
    if (m_janela.passos().fecharDeclaracao()) desligaDeclaracao();
    const QString anterior = tolv.GetArquivoAnterior();
    const QString novo = tolv.GetArquivo();
    RenomeiaBancoAlterado(anterior, novo, [&] {
      tolv.SetArquivo(anterior);
      m_janela.GetColecaoTolv().RegistraBanco(tolv);
    });
    tolv.SetNiAlterado(0);
  }
  desligaDeclaracao();
  m_janela.FecharColecoes();
}

void AcoesPrincipal::Imprime(int tipo) {
  TipoImpressao = tipo;
  MiImprimirClick();
}

void AcoesPrincipal::MiImprimirClick() {
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  const int tipo = TipoImpressao;
  const QString sufixo = sufixoImpressao(tipo);
  if (TPaginaDeclaracao* comprovante = m_janela.FrDeclaracao()->PaginaDe(TFrDeclaracao::Comprovante))
    comprovante->GravaTextos();
  if (paginaRecusouSaida()) return;
  Guarda guarda;
  if (!guarda) return;
  if (!disponivel(entradas.assistenteRelatorios, Acao::MiImprimir)) return;
  QStringList recibos;
  TErros errosTrabalho;
  TTolv trabalho;
  trabalho.SetErros(&errosTrabalho);
  trabalho.TempoDecorrido();
  struct Solta {
    TTolv& tolv;
    ~Solta() {
      tolv.DesligaTransacoes();
      tolv.LiberaItens();
    }
  } solta{trabalho};
  if (m_janela.DeclaracaoAberta()) {
    TTolv& aberta = m_janela.GetTolv();
    aberta.Atribui(trabalho);
    trabalho.SetArquivo(aberta.GetArquivo());
    trabalho.CompartilhaTransacoes(aberta);
  }
  if (!temImpressora()) {
    mensagemCatalogo(kSemImpressora, TipoMensagem::Informacao);
    return;
  }
  QString beneficiario;
  int resposta = 0;
  if (m_janela.PodeAbrirForm(QStringLiteral("FoAssistRelatorios"))) {
    if (ImpressoraIndisponivel()) mensagemCatalogo(kImpressoraIndisponivel, TipoMensagem::Aviso);
    resposta = entradas.assistenteRelatorios(&m_janela, recibos, trabalho, m_janela.GetColecaoTolv(), sufixo,
                                             beneficiario);
    if (resposta == 0) return;
  } else {
    resposta = entradas.assistenteRelatorios(&m_janela, recibos, trabalho, m_janela.GetColecaoTolv(), sufixo,
                                             beneficiario);
  }
  const bool pedeDados = tipo != 1 && tipo != 2 && tipo != 6 && tipo != 7 && tipo != 9 && tipo != 10;
  if ((pedeDados && !ExistemDadosDeclaracao(trabalho.GetNomeBancoDeclaracao())) || (tipo == 9 && !ExistemDeclaracoes())) {
    MostraMensagem(kSemDados, QStringLiteral("Aviso"), 48);
    return;
  }
  despacha(resposta, trabalho, recibos, beneficiario);
}

void AcoesPrincipal::despacha(int resposta, TTolv& trabalho, const QStringList& recibos, const QString& beneficiario) {
  PontosEntrada& e = PontosEntrada::doPrograma();
  TColecaoTolv& indice = m_janela.GetColecaoTolv();
  // Odd answers up to 11, and 15, 17, 19, 21 and 23, are "Imprimir": the same report, printed
  // without preview.
  const auto relatorio = [&](const auto& entrada, const QString& nome, auto&& chamada) {
    if (entrada) chamada();
    else AvisaIndisponivel(nome);
  };
  switch (resposta) {
    case 1:
    case 2:
      relatorio(e.totaisPorCodigo, QStringLiteral("Totais por código"),
                [&] { e.totaisPorCodigo(trabalho, indice, resposta == 1, false); });
      break;
    case 3:
    case 4:
      relatorio(e.totaisPorCodigo, QStringLiteral("Totais por código"),
                [&] { e.totaisPorCodigo(trabalho, indice, resposta == 3, true); });
      break;
    case 5:
    case 6:
      relatorio(e.listaBeneficiarios, QStringLiteral("Lista de beneficiários"),
                [&] { e.listaBeneficiarios(trabalho, indice, resposta == 5); });
      break;
    case 7:
    case 8:
      relatorio(e.relatorioGerencial, QStringLiteral("Gerencial"), [&] {
        // The management report visits every declaration's database.
        if (resposta == 7 && !trabalho.GetContribuinte().GetNiDigitos().isEmpty()) {
          trabalho.DesligaTransacoes();
          m_janela.passos().fecharDeclaracao();
        }
        e.relatorioGerencial(indice, resposta == 7);
      });
      break;
    case 10:
    case 11:
      relatorio(e.declaracaoCompleta, QStringLiteral("Declaração completa"),
                [&] { e.declaracaoCompleta(trabalho, indice, resposta == 10); });
      break;
    case 12:
      relatorio(e.recibos, QStringLiteral("Recibo de entrega"), [&] { e.recibos(recibos, false, QString()); });
      removeDosDados(QStringLiteral("Recibo.ini"));
      break;
    case 14:
    case 15:
      relatorio(e.comprovantes, QStringLiteral("Comprovante de rendimento"),
                [&] { e.comprovantes(trabalho, QString(), resposta == 14); });
      break;
    case 16:
    case 17:
      if (TVerificacaoEmCurso::instancia().ExisteJanela())
        relatorio(e.relatorioPendencias, QStringLiteral("Relatório de pendências"),
                  [&] { e.relatorioPendencias(resposta == 16); });
      break;
    case 18:
    case 19:
      relatorio(e.comprovantes, QStringLiteral("Comprovante de rendimento"),
                [&] { e.comprovantes(trabalho, beneficiario, resposta == 18); });
      break;
    case 20:
    case 21:
      relatorio(e.totalMensalPorCodigo, QStringLiteral("Total mensal por código"),
                [&] { e.totalMensalPorCodigo(trabalho, indice, resposta == 20); });
      break;
    case 22:
    case 23:
      relatorio(e.resumoDeclaracao, QStringLiteral("Resumo da declaração"),
                [&] { e.resumoDeclaracao(trabalho, indice, resposta == 22); });
      break;
    default:
      break;
  }
}
