#include "entrega/TFoAssistGeracao.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TEstadoNovo.h"
#include "controles/TZUQSaveDialogBox.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/PaginaEntrega.h"
#include "entrega/TArquivoTolv.h"
#include "entrega/TFrResultTrans.h"
#include "entrega/TFrTolvVerifica.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/TArquivoIni.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilSistema.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Unidades.h"

namespace {

const QString kTitulo = QStringLiteral("Gravação da declaração");
const QString kSecaoAssist = QStringLiteral("AssistG");
const QString kSecaoGeracao = QStringLiteral("Geracao");
constexpr int kMensagemCancelarGerado = 300;
constexpr int kMensagemDiretorio = 302;
constexpr int kReciboInvalido = 42;

const QString kUfs[] = {QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"),
                        QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
                        QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MG"), QStringLiteral("MS"),
                        QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PE"),
                        QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
                        QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"),
                        QStringLiteral("SE"), QStringLiteral("SP"), QStringLiteral("TO")};

const QString kUnidadeNaoExiste = QStringLiteral("Unidade selecionada não existe.");
const QString kCaminhoInvalido = QStringLiteral("O caminho selecionado não é válido");
const QString kMensagemCD = QStringLiteral(
    "A declaração não pode ser gravada diretamente em CD, deverá ser gravada primeiramente no disco rígido.");
const QString kErrosVerificacao = QStringLiteral("A declaração apresentou erros e não pode ser gravada.");
const QString kVerificacaoCancelada =
    QStringLiteral("Verificação de pendências cancelada. A declaração não pode ser gravada.");
const QString kAtencaoRecibo = QStringLiteral(
    "Atenção :  Caso  ainda  necessite  imprimir  o recibo, salve antes os arquivos - declaração e recibo,em local "
    "seguro.");
const QString kReciboExiste = QStringLiteral(
    "Existe  recibo  de  entrega  na  pasta  C:\\Declaracoes Gravadas BVD, indicando que a declaração já foi "
    "transmitida à BVD. Para regravar a declaração  apague   o  recibo  de  entrega,  ou  caso  ainda  precise "
    "imprimir o recibo, salve antes os arquivos - declaração e  recibo, em local seguro.");
const QString kAvisoCertificado = QStringLiteral(
    "Para transmissão  da  Tolv  das pessoas jurídicas, exceto para as optantes  pelo  Regime Especial Unificado de "
    "Arrecadação de Tributos e Contribuições devidos  pelas  Microempresas e Empresas de Pequeno Porte (Simples "
    "Nacional), é obrigatória a  assinatura  digital  da  declaração  mediante utilização de certificado digital "
    "válido, inclusive no caso de pessoas jurídicas de direito público.");

bool UfValida(const QString& uf) {
  for (const QString& u : kUfs)
    if (u == uf) return true;
  return false;
}

// The pages' states: each runs its page's step on entering and hands the decision to the wizard.
class EstadoGeracao : public TEstadoNovo {
 public:
  EstadoGeracao(TFormAssistNovo* dono, int pagina, TFoAssistGeracao* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override {
    switch (Pagina()) {
      case 2: m_assistente->EntraVerificacao(); break;
      case 3: m_assistente->EntraLocal(); break;
      case 4: m_assistente->EntraGravacao(); break;
      case 7: m_assistente->EntraTransmissao(); break;
      case 9: m_assistente->EntraRecibo(); break;
      default: break;
    }
  }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    switch (Pagina()) {
      case 1:
        // Concluir never gets enabled here: it would lead to the receipt number of a rectifying one.
        SetProximo(evento == EventoAssistente::Concluir ? 9 : 2);
        return false;
      case 2: SetProximo(m_assistente->DecideVerificacao()); return false;
      case 3: SetProximo(4); return true;
      case 4: SetProximo(m_assistente->DecideGravacao()); return false;
      case 5:
      case 6: SetProximo(RotaAssistente::Conclui); return false;
      case 7: SetProximo(m_assistente->DecideTransmissao()); return false;
      case 8: SetProximo(m_assistente->DecideTransmitir()); return false;
      case 9: {
        const int proximo = m_assistente->DecideRecibo();
        SetProximo(proximo);
        return proximo != Pagina() && evento == EventoAssistente::Concluir;
      }
      case 10: SetProximo(m_assistente->DecideCertificado()); return false;
      default: SetProximo(RotaAssistente::Conclui); return false;
    }
  }

 private:
  TFoAssistGeracao* m_assistente;
};

QProgressBar* Barra(QWidget* pai, const char* nome) {
  auto* barra = new QProgressBar(pai);
  barra->setObjectName(QString::fromLatin1(nome));
  barra->setRange(0, 100);
  barra->setValue(0);
  return barra;
}

// The wizard open now: one at a time.
TFoAssistGeracao* g_aberto = nullptr;

}  // namespace

TFoAssistGeracao::TFoAssistGeracao(QWidget* dono, TTolv& tolv, TColecaoTolv& colecao)
    : TFormAssistNovo(dono), m_tolv(tolv), m_colecao(colecao), m_driver(std::make_unique<TArquivoTolv>()) {
  setObjectName(QStringLiteral("FoAssistGeracao"));
  setWindowTitle(kTitulo);
  setProperty("HelpContext", kAjuda);
  resize(600, 420);
  criaPaginas();
  m_unidade = TArquivoIni::LeString(kSecaoAssist, QStringLiteral("unidade"), QStringLiteral("x"));
  m_diretorio = TArquivoIni::LeString(kSecaoAssist, QStringLiteral("diretorio"), QStringLiteral("x")).left(100);
  if (m_unidade == u"x" || m_unidade == u"A") BuscaInformacaoIni();
  for (int pagina = 1; pagina <= 10; ++pagina) CriaEstado<EstadoGeracao>(pagina, this);
  DefineAjudaBotoes(kAjuda);
  abreUfs();
  ExecutaEstado();
}

TFoAssistGeracao::~TFoAssistGeracao() = default;

void TFoAssistGeracao::criaPaginas() {
  {
    QWidget* p = CriaPainel(1);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Será efetuada a gravação da declaração para entrega à BVD.\n"
                                         "Certifique-se que haja espaço suficiente para a gravação na unidade desejada.")));
    l->addSpacing(12);
    auto* linha = new QHBoxLayout;
    linha->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Local de Transmissão:")));
    m_dblcUf = new QComboBox(p);
    m_dblcUf->setObjectName(QStringLiteral("DBLCUF"));
    m_dblcUf->setEditable(true);
    m_dblcUf->setInsertPolicy(QComboBox::NoInsert);
    m_dblcUf->setFixedWidth(70);
    m_dblcUf->lineEdit()->setMaxLength(2);
    // Backspace and the letters that begin a federative unit's code get through.
    m_dblcUf->lineEdit()->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-GIJLMNOPRSTa-gijlmnoprst]{0,2}")), m_dblcUf));
    connect(m_dblcUf, &QComboBox::editTextChanged, this, [this](const QString& texto) {
      const QString maiusculo = texto.toUpper();
      if (maiusculo != texto) {
        const int cursor = m_dblcUf->lineEdit()->cursorPosition();
        m_dblcUf->lineEdit()->setText(maiusculo);
        m_dblcUf->lineEdit()->setCursorPosition(cursor);
      }
      DBLCUFChange();
    });
    linha->addWidget(m_dblcUf);
    linha->addStretch(1);
    l->addLayout(linha);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(2);
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(4, 4, 4, 4);
    m_frVerifica = new TFrTolvVerifica(p);
    m_frVerifica->setObjectName(QStringLiteral("FrTolvVerifica"));
    l->addWidget(m_frVerifica);
  }
  {
    QWidget* p = CriaPainel(3);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Indique o local desejado para gravar a declaração:")));
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral(
                              "A gravação poderá ser efetuada em disco rígido, unidade de rede ou unidade removível.")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(p);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    m_edArquivo->setFont(PaletaTolv::arial(8));
    connect(m_edArquivo, &QLineEdit::textEdited, this, [this] { EdArquivoChange(); });
    linha->addWidget(m_edArquivo, 1);
    m_btnLocalizar = new QToolButton(p);
    m_btnLocalizar->setObjectName(QStringLiteral("btnLocalizar"));
    m_btnLocalizar->setText(QStringLiteral("Localizar..."));
    connect(m_btnLocalizar, &QToolButton::clicked, this, [this] { btnLocalizarClick(); });
    linha->addWidget(m_btnLocalizar);
    l->addLayout(linha);
    m_dcbDisco = new QComboBox(p);
    m_dcbDisco->setObjectName(QStringLiteral("DCBDisco"));
    m_dcbDisco->hide();
    connect(m_dcbDisco, &QComboBox::currentIndexChanged, this, [this] {
      if (!m_preenchendoDisco) DCBDiscoChange();
    });
    // The text copy is offered by the writer but not asked here: always "Não".
    m_pnTexto = new QWidget(p);
    m_pnTexto->setObjectName(QStringLiteral("PnTexto"));
    auto* lt = new QVBoxLayout(m_pnTexto);
    lt->setContentsMargins(0, 0, 0, 0);
    lt->addWidget(PaginaEntrega::Texto(m_pnTexto, QStringLiteral("Deseja gravar declaração também em formato texto?")));
    lt->addWidget(PaginaEntrega::Texto(m_pnTexto, QStringLiteral("A gravação em formato texto é opcional, utilizada para eventuais "
                                                  "correções, e será gravada no mesmo local da declaração.")));
    m_rbGravaTxtSim = new QRadioButton(QStringLiteral("Sim"), m_pnTexto);
    m_rbGravaTxtSim->setObjectName(QStringLiteral("RbGravaTxtSim"));
    m_rbGravaTxtNao = new QRadioButton(QStringLiteral("Não"), m_pnTexto);
    m_rbGravaTxtNao->setObjectName(QStringLiteral("RbGravaTxtNao"));
    m_rbGravaTxtNao->setChecked(true);
    lt->addWidget(m_rbGravaTxtSim);
    lt->addWidget(m_rbGravaTxtNao);
    m_pnTexto->hide();
    l->addWidget(m_pnTexto);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(4);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addSpacing(30);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Gravando a Declaração ...")));
    m_gauge1 = Barra(p, "GaugeGravando1");
    l->addWidget(m_gauge1);
    m_gauge2 = Barra(p, "GaugeGravando2");
    m_lbGravandoTexto = PaginaEntrega::Texto(p, QStringLiteral("Gravando a Declaração em formato texto..."), "LbGravandoTexto");
    m_gauge3 = Barra(p, "GaugeGravando3");
    for (QWidget* w : {static_cast<QWidget*>(m_lbGravandoTexto), static_cast<QWidget*>(m_gauge2),
                       static_cast<QWidget*>(m_gauge3)}) {
      l->addWidget(w);
      w->hide();
    }
    m_lbTempo = PaginaEntrega::Texto(p, QString(), "LbTempo");
    m_lbTempo->hide();
    l->addWidget(m_lbTempo);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(5);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    m_label16 = PaginaEntrega::Texto(p, QString(), "Label16");
    m_label16->setFont(PaletaTolv::arial(9, true));
    l->addWidget(m_label16);
    l->addSpacing(8);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral(
                              "ATENÇÃO : a declaração transmitida fora do prazo está sujeita a cobrança de multa por "
                              "atraso.")));
    m_cbRecibo = new QCheckBox(QStringLiteral("Imprimir Recibo"), p);
    m_cbRecibo->setObjectName(QStringLiteral("CBRecibo"));
    l->addWidget(m_cbRecibo);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(6);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addStretch(1);
    m_lErro = PaginaEntrega::Texto(p, kAtencaoRecibo, "LErro");
    m_lErro->setFont(PaletaTolv::arial(9, true));
    m_lErro->setAlignment(Qt::AlignCenter);
    m_lErro->hide();
    l->addWidget(m_lErro);
    m_lbPrimeiraParteErro = PaginaEntrega::Texto(p, kReciboExiste, "LbPrimeiraParteErro");
    m_lbPrimeiraParteErro->setFont(PaletaTolv::arial(9, true));
    l->addWidget(m_lbPrimeiraParteErro);
    l->addStretch(2);
  }
  {
    QWidget* p = CriaPainel(7);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    m_frResultTrans = new TFrResultTrans(p);
    l->addWidget(m_frResultTrans, 1);
  }
  {
    QWidget* p = CriaPainel(8);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("A declaração gravada deverá ser transmitida à BVD com o programa de "
                                         "transmissão Kalvorin, que pode ser obtido na página da BVD na Internet:")));
    l->addWidget(PaginaEntrega::LinkSite(p, PaletaTolv::kFundo));
    l->addSpacing(10);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Deseja transmitir a declaração agora?")));
    auto* grupo = new QButtonGroup(p);
    m_rbSim = new QRadioButton(QStringLiteral("Sim"), p);
    m_rbSim->setObjectName(QStringLiteral("RBSim"));
    m_rbNao = new QRadioButton(QStringLiteral("Não"), p);
    m_rbNao->setObjectName(QStringLiteral("RBNao"));
    grupo->addButton(m_rbSim);
    grupo->addButton(m_rbNao);
    m_rbNao->setChecked(true);
    connect(m_rbSim, &QRadioButton::clicked, this, [this] { RBSimClick(); });
    connect(m_rbNao, &QRadioButton::clicked, this, [this] { RBNaoClick(); });
    l->addWidget(m_rbSim);
    l->addWidget(m_rbNao);
    m_checkCertDigi = new QCheckBox(QStringLiteral("Transmitir Utilizando Certificação Digital."), p);
    m_checkCertDigi->setObjectName(QStringLiteral("CheckCertDigi"));
    m_checkCertDigi->setEnabled(false);
    l->addWidget(m_checkCertDigi);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(9);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Informe abaixo o número do recibo da última declaração entregue. ")));
    auto* linha = new QHBoxLayout;
    linha->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Número do Recibo:")));
    m_meNumRec = new QLineEdit(p);
    m_meNumRec->setObjectName(QStringLiteral("MENumRec"));
    m_meNumRec->setInputMask(QStringLiteral("99.99.99.99.99-99;_"));
    m_meNumRec->setFixedWidth(140);
    linha->addWidget(m_meNumRec);
    linha->addStretch(1);
    l->addLayout(linha);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(10);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, QStringLiteral("IMPORTANTE"));
    l->addWidget(PaginaEntrega::Texto(p, kAvisoCertificado));
    l->addSpacing(8);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Para mais informações, consulte o sítio da BVD na Internet:")));
    l->addWidget(PaginaEntrega::LinkSite(p, PaletaTolv::kFundo));
    l->addStretch(1);
  }
}

void TFoAssistGeracao::abreUfs() {
  bd::Conexao* indice = TColecao::GetBancoIndice();
  if (!indice || FalhaBancoIndice) return;
  try {
    bd::Transacao transacao(*indice, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                      QStringLiteral("nowait")});
    bd::Consulta ufs(transacao, QStringLiteral("Select * from TABUF"));
    for (ufs.abre(); !ufs.eof(); ufs.proximo()) {
      const QString sigla = ufs.campo(QStringLiteral("SG_UF")).texto().trimmed().toUpper();
      m_dblcUf->addItem(sigla, ufs.campo(QStringLiteral("NM_UF")).texto().trimmed());
    }
  } catch (const bd::ErroBanco& e) {
    // The codes can still be typed: the list is a convenience.
    qWarning("TABUF não lida: %s", qPrintable(e.mensagem()));
  }
  m_dblcUf->setCurrentIndex(-1);
  m_dblcUf->setEditText(QString());
}

void TFoAssistGeracao::MostraPagina(int pagina) {
  MostraPainel(pagina);
  HabilitaCancelar(false);
  HabilitaVoltar(false);
  HabilitaAvancar(false);
  HabilitaConcluir(false);
  switch (pagina) {
    case 1:
      HabilitaCancelar(true);
      HabilitaAvancar(UfValida(m_dblcUf->currentText()));
      m_dblcUf->setFocus();
      break;
    case 2:
      HabilitaCancelar(true);
      HabilitaVoltar(!m_verificando);
      HabilitaAvancar(true);
      break;
    case 3:
      HabilitaCancelar(true);
      HabilitaVoltar(true);
      HabilitaAvancar(!m_edArquivo->text().trimmed().isEmpty());
      break;
    case 4: HabilitaCancelar(true); break;
    case 5:
    case 6: HabilitaConcluir(true); break;
    case 7: HabilitaAvancar(true); break;
    case 8:
      HabilitaCancelar(true);
      HabilitaConcluir(!m_rbSim->isChecked());
      HabilitaAvancar(m_rbSim->isChecked());
      break;
    case 9:
    case 10:
      HabilitaVoltar(true);
      HabilitaAvancar(true);
      break;
    default: break;
  }
}

bool TFoAssistGeracao::ProcessaPasso(int) { return true; }

QString TFoAssistGeracao::pastaDigitada() const {
  QString texto = m_edArquivo->text().trimmed();
  if (texto == u"~" || texto.startsWith(QStringLiteral("~/"))) texto = QDir::homePath() + texto.mid(1);
  return texto;
}

bool TFoAssistGeracao::PodeAvancar(int indice) {
  if (indice == 1) return UfValida(m_dblcUf->currentText()) && m_dblcUf->currentText().size() == 2;
  if (indice != 3) return true;
  QString texto = pastaDigitada();
  if (!texto.isEmpty() && !texto.endsWith(u'/')) texto += u'/';
  m_edArquivo->setText(texto);
  // A path that names no drive (a relative one) cannot be written to.
  if (!texto.isEmpty()) {
    const auto unidade = QDir::isAbsolutePath(texto) ? UnidadeDoCaminho(texto) : std::nullopt;
    if (!unidade) {
      TErro::MostraTexto(kUnidadeNaoExiste, TipoMensagem::Erro);
      return false;
    }
    selecionaUnidade(unidade->raiz);
    if (unidade->tipo == TipoUnidade::CD) {
      TErro::MostraTexto(kMensagemCD, TipoMensagem::Erro);
      return false;
    }
  }
  if (!ValidaLocalGravacao()) {
    m_edArquivo->setFocus();
    return false;
  }
  return true;
}

bool TFoAssistGeracao::ValidaLocalGravacao() {
  const QString texto = pastaDigitada();
  const auto recusa = [this](const QString& mensagem) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
    ExibeMensagem(mensagem, TipoMensagem::Erro);
    return false;
  };
  if (texto.isEmpty()) return recusa(QStringLiteral("O nome completo do arquivo deverá ser especificado."));
  const QString pasta = texto.size() > 1 ? RemoveBarraFinal(texto) : texto;
  const auto unidade = QDir::isAbsolutePath(pasta) ? UnidadeDoCaminho(pasta) : std::nullopt;
  if (!unidade || !UnidadesDisponiveis().contains(unidade->raiz))
    return recusa(QStringLiteral("A unidade selecionada não existe."));
  // The syntax is held before anything is made: a refused path leaves no folder behind.
  if (pasta.contains(QStringLiteral("//")) || QDir::cleanPath(pasta) != pasta) return recusa(kCaminhoInvalido);
  if (!unidade->pronta) {
    if (unidade->tipo == TipoUnidade::Removivel || unidade->tipo == TipoUnidade::Disquete)
      return recusa(QStringLiteral("Mídia não está pronta para gravação."));
    if (unidade->tipo == TipoUnidade::CD) return recusa(kMensagemCD);
    return recusa(QStringLiteral("Mídia não está pronta para gravação. Verifique a unidade ") + pasta.toUpper());
  }
  if (!QFileInfo(pasta).isDir() && !QDir().mkpath(pasta)) return recusa(kCaminhoInvalido);
  if (!QFileInfo(pasta).isDir()) return recusa(TErro::TextoMensagem(kMensagemDiretorio));
  HabilitaAvancar(true);
  HabilitaConcluir(false);
  return true;
}

QStringList TFoAssistGeracao::UnidadesDisponiveis() const {
  QStringList raizes;
  for (const Unidade& u : Unidades().lista()) raizes << u.raiz;
  return raizes;
}

void TFoAssistGeracao::selecionaUnidade(const QString& raiz) {
  int indice = m_dcbDisco->findText(raiz);
  if (indice < 0) {
    m_preenchendoDisco = true;
    m_dcbDisco->clear();
    for (const QString& r : UnidadesDisponiveis()) m_dcbDisco->addItem(r);
    m_dcbDisco->setCurrentIndex(-1);
    m_preenchendoDisco = false;
    indice = m_dcbDisco->findText(raiz);
    if (indice < 0) return;
  }
  if (indice != m_dcbDisco->currentIndex())
    m_dcbDisco->setCurrentIndex(indice);  // DCBDiscoChange follows
}

void TFoAssistGeracao::BuscaInformacaoIni() {
  const QString disco = TArquivoIni::LeString(kSecaoGeracao, QStringLiteral("Disco"), QStringLiteral("c"));
  // A drive of this machine; the Windows default "c" names none.
  if (disco.size() > 1 && UnidadesDisponiveis().contains(disco)) selecionaUnidade(disco);
}

void TFoAssistGeracao::GravaDadosIni() {
  if (m_dcbDisco->currentIndex() >= 0)
    TArquivoIni::GravaString(kSecaoGeracao, QStringLiteral("Disco"), m_dcbDisco->currentText());
}

bool TFoAssistGeracao::MudaDrive() const {
  const auto u = UnidadeDoCaminho(m_dcbDisco->currentText());
  return u && u->tipo == TipoUnidade::Disquete && u->raiz == m_dcbDisco->currentText();
}

bool TFoAssistGeracao::DiscoRigido() const {
  const auto u = UnidadeDoCaminho(m_dcbDisco->currentText());
  return u && u->tipo == TipoUnidade::Fixa;
}

void TFoAssistGeracao::DCBDiscoChange() {
  m_unidade = m_dcbDisco->currentText();
  m_disquete = MudaDrive();
  if (m_disquete) m_diretorio = m_unidade;
  TArquivoIni::GravaString(kSecaoAssist, QStringLiteral("unidade"), m_unidade);
  TArquivoIni::GravaString(kSecaoAssist, QStringLiteral("diretorio"), m_diretorio.left(100));
  const bool semTexto = m_disquete && !DiscoRigido();
  if (semTexto) {
    m_rbGravaTxtNao->setChecked(true);
    m_gauge3->hide();
    m_lbGravandoTexto->hide();
  }
  m_rbGravaTxtSim->setEnabled(!semTexto);
  m_rbGravaTxtNao->setEnabled(!semTexto);
}

void TFoAssistGeracao::DBLCUFChange() {
  if (PaginaAtual() == 1) HabilitaAvancar(UfValida(m_dblcUf->currentText()));
}

void TFoAssistGeracao::EdArquivoChange() {
  HabilitaAvancar(!m_edArquivo->text().trimmed().isEmpty());
  HabilitaConcluir(false);
}

void TFoAssistGeracao::RBSimClick() {
  m_checkCertDigi->setEnabled(true);
  HabilitaAvancar(true);
  HabilitaConcluir(false);
}

void TFoAssistGeracao::RBNaoClick() {
  m_checkCertDigi->setEnabled(false);
  m_checkCertDigi->setChecked(false);
  HabilitaAvancar(false);
  HabilitaConcluir(true);
}

void TFoAssistGeracao::btnLocalizarClick() {
  const QString padrao = ArquivoDeclaracao::PastaPadrao(m_tolv);
  QDir().mkpath(padrao);
  TZUQSaveDialogBox* dialogo = TZUQSaveDialogBox::Novo();
  dialogo->SetConfirmaSubstituicao(false);  // the writer asks before it replaces a file
  dialogo->SetRaiz(QString());
  QString inicio = padrao;
  {
    // Checking the typed folder must not speak up here: the dialog starts elsewhere instead.
    const QString texto = pastaDigitada();
    if (!texto.isEmpty() && QDir::isAbsolutePath(texto) && QFileInfo(texto).isDir()) inicio = texto;
  }
  dialogo->SetInitialDir(inicio);
  dialogo->SetFileName(TZUQDialogoArquivo::JuntaPasta(inicio, m_nomeArquivo.isEmpty() ? ArquivoDeclaracao::Nome(m_tolv)
                                                                                       : m_nomeArquivo));
  if (dialogo->Execute()) {
    m_edArquivo->setText(QFileInfo(dialogo->FileName()).absolutePath() + u'/');
    EdArquivoChange();
  }
}

void TFoAssistGeracao::EntraVerificacao() {
  HabilitaAvancar(true);
  m_declaracoes = {m_tolv.GetAnoCalendario() + m_tolv.GetContribuinte().GetBase()};
  m_frVerifica->SetPodePosicionar(false);
  m_frVerifica->SetMostraParar(false);
  m_frVerifica->SetSomenteConsulta(true);
  m_frVerifica->SetDeclaracoes(m_declaracoes);
  m_verificando = true;
  m_itensVerificados = 0;
  {
    struct Fim {
      bool& verificando;
      ~Fim() { verificando = false; }
    } fim{m_verificando};
    m_frVerifica->ExecutarVerificacao(m_itensVerificados);
  }
  HabilitaAvancar(true);
  HabilitaVoltar(true);
  if (m_fechaAoTerminar) encerra();
}

int TFoAssistGeracao::DecideVerificacao() {
  if (m_frVerifica->SemPendencias()) return 3;
  m_lbPrimeiraParteErro->hide();
  m_lErro->setText(m_frVerifica->Verificacao().GetNumErros() > 0 ? kErrosVerificacao : kVerificacaoCancelada);
  m_lErro->show();
  return 6;
}

void TFoAssistGeracao::EntraLocal() {
  m_nomeArquivo = ArquivoDeclaracao::Nome(m_tolv);
  const QString padrao = ArquivoDeclaracao::PastaPadrao(m_tolv);
  m_edArquivo->setText(padrao);
  if (const auto u = UnidadeDoCaminho(padrao)) selecionaUnidade(u->raiz);
  HabilitaAvancar(true);
  m_edArquivo->setFocus();
}

void TFoAssistGeracao::EntraGravacao() {
  m_cancelaGravacao = false;
  m_tolv.TempoDecorrido();
  QString pasta = m_edArquivo->text();
  if (!pasta.endsWith(u'/')) pasta += u'/';
  m_caminhoCompleto = pasta + m_nomeArquivo;
  m_gauge1->setValue(0);

  TfoGravacao::Ganchos& ganchos = m_driver->GetGanchos();
  ganchos.Progresso = [this](int64_t posicao, int64_t maximo) {
    m_gauge1->setValue(maximo > 0 ? int(posicao * 100 / maximo) : 100);
    QCoreApplication::processEvents();
  };
  // Cancelar and Escape are heard from the first row on, before any progress is shown.
  QElapsedTimer eventos;
  ganchos.Cancelado = [this, &eventos] {
    if (!eventos.isValid() || eventos.elapsed() >= 50) {
      QCoreApplication::processEvents();
      eventos.start();
    }
    return m_cancelaGravacao;
  };

  PedidoGravacao pedido;
  pedido.Arquivo = m_caminhoCompleto;
  pedido.Uf = m_dblcUf->currentText();
  pedido.Unidade = m_unidade;
  pedido.ItensVerificados = m_itensVerificados;
  pedido.CopiaTexto = m_rbGravaTxtSim->isChecked();
  m_gravando = true;
  {
    struct Fim {
      bool& gravando;
      ~Fim() { gravando = false; }
    } fim{m_gravando};
    m_resultado = m_driver->GravaArquivo(pedido, m_tolv);
  }
  ganchos.Cancelado = nullptr;
  m_caminhoCompleto = pedido.Arquivo;
  m_lbTempo->setText(m_tolv.TempoDecorrido());
  m_declaracoes.clear();
  if (m_fechaAoTerminar) {
    encerra();
    return;
  }
}

int TFoAssistGeracao::DecideGravacao() {
  if (m_driver->GetFalhaGravacao()) {
    m_lbPrimeiraParteErro->hide();
    m_lErro->setText(m_driver->GetMensagemFalha());
    m_lErro->show();
    return 6;
  }
  QString pasta = m_edArquivo->text();
  if (!pasta.endsWith(u'/')) pasta += u'/';
  m_caminhoCompleto = (m_disquete ? m_unidade + u'/' : pasta) + QFileInfo(m_caminhoCompleto).fileName();
  if (m_resultado == TfoGravacao::kSemErro && !m_unidade.isEmpty() && m_unidade != u"x" &&
      m_driver->ExisteRecibo(m_tolv, m_unidade))
    m_resultado = TfoGravacao::kExisteRecibo;
  if (m_resultado == TfoGravacao::kExisteRecibo) {
    m_lErro->hide();
    m_lbPrimeiraParteErro->setText(kReciboExiste + QStringLiteral("\n\n") + QFileInfo(m_caminhoCompleto).absolutePath());
    m_lbPrimeiraParteErro->show();
    return 6;
  }
  if (m_resultado != TfoGravacao::kSemErro) {
    m_lbPrimeiraParteErro->hide();
    m_lErro->setText(TErro::FormataMensagem(m_resultado, QString()));
    m_lErro->show();
    return 6;
  }
  // The success page is ready before the question: "Não" goes straight to it.
  const QString pastaFinal = QFileInfo(m_caminhoCompleto).absolutePath() + u'/';
  QStringList linhas{QStringLiteral("Declaração gravada com sucesso."),
                     QStringLiteral("      Tolv 2014   Ano-calendário: ") + m_tolv.GetAnoCalendario(),
                     QStringLiteral("      ") + m_tolv.GetContribuinte().GetNiFormatado(),
                     QStringLiteral("      ") + m_tolv.GetContribuinte().GetNome().GetValor(), QStringLiteral("    ")};
  if (m_disquete) {
    linhas << QStringLiteral(" No disquete gravado, cole uma etiqueta com as informações") << QStringLiteral(" acima.");
  } else {
    linhas << QStringLiteral("A declaração foi gravada em: ") + pastaFinal;
  }
  m_label16->setText(linhas.join(u'\n'));
  return 8;
}

void TFoAssistGeracao::EntraTransmissao() {
  if (m_resultado == TfoGravacao::kSemErro) AtualizaStatusTolv(m_colecao, m_tolv, 1);
  m_frResultTrans->SetArquivoGravado(m_caminhoCompleto);
  m_frResultTrans->GetArquivos() = {m_caminhoCompleto};
  m_frResultTrans->Transmite();
}

int TFoAssistGeracao::DecideTransmissao() {
  // The writer refuses to write beside an old receipt, so one found now is the hand-over's.
  const bool recibo = !ArquivoDeclaracao::ReciboAoLado(m_caminhoCompleto).isEmpty();
  m_cbRecibo->setVisible(recibo);
  m_cbRecibo->setChecked(recibo);
  return 5;
}

int TFoAssistGeracao::DecideTransmitir() {
  if (m_rbSim->isChecked()) {
    TFrResultTrans::SetCertificado(m_checkCertDigi->isChecked() ? 1 : 0);
    return m_checkCertDigi->isChecked() ? 10 : 7;
  }
  m_cbRecibo->hide();
  m_cbRecibo->setChecked(false);
  m_checkCertDigi->setChecked(false);
  TFrResultTrans::SetCertificado(0);
  return 5;
}

int TFoAssistGeracao::DecideCertificado() { return m_rbSim->isChecked() ? 7 : 5; }

void TFoAssistGeracao::EntraRecibo() {
  m_meNumRec->setText(m_tolv.GetNrRecibo().GetValor());
  m_meNumRec->setFocus();
}

int TFoAssistGeracao::DecideRecibo() {
  const QString texto = m_meNumRec->text().remove(u'.').remove(u'-').remove(u'_').trimmed();
  if (texto.isEmpty() || (texto.size() == 12 && TNumeroRecibo::ValidaRecibo(texto) == 0)) return 2;
  TErro::MostraTexto(TErro::TextoMensagem(kReciboInvalido), TipoMensagem::Erro);
  m_meNumRec->clear();
  m_meNumRec->setFocus();
  return 9;
}

bool TFoAssistGeracao::emExecucao() const { return m_gravando || m_verificando; }

void TFoAssistGeracao::encerra() {
  if (emExecucao()) {
    m_fechaAoTerminar = true;
    return;
  }
  m_fechaAoTerminar = false;
  m_frVerifica->Encerra();
  TFormAssistNovo::CancelBtnClick();
}

void TFoAssistGeracao::CancelBtnClick() {
  const int pagina = PaginaAtual();
  if (pagina != 1 && pagina != 8 && pagina != 7) {
    const QString pergunta = pagina == 4 && m_gravando ? TErro::TextoMensagem(kMensagemCancelarGerado)
                                                       : QStringLiteral("Tem certeza de que deseja cancelar a gravação?");
    if (MostraMensagem(pergunta, QStringLiteral("Cancelar"), 32 | 4) != ResultadoMensagem::Sim) return;
  }
  m_frVerifica->SetInterrompido(true);
  m_cancelaGravacao = true;
  // A confirmed cancel only stops the verification: its result page tells what happened.
  if (m_verificando) return;
  encerra();
}

bool TFoAssistGeracao::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape &&
      objeto->isWidgetType() && static_cast<QWidget*>(objeto)->window() == this && isVisible()) {
    // Escape asks nothing; what runs is stopped and the wizard closes once it has returned.
    if (emExecucao()) {
      m_frVerifica->SetInterrompido(true);
      m_cancelaGravacao = true;
    }
    encerra();
    return true;
  }
  return TFormAssistNovo::eventFilter(objeto, evento);
}

void TFoAssistGeracao::showEvent(QShowEvent* evento) {
  TFormAssistNovo::showEvent(evento);
  if (m_posicionado) return;
  m_posicionado = true;
  if (QWidget* dono = parentWidget()) {
    const QPoint centro = dono->mapToGlobal(dono->rect().center());
    move(centro - QPoint(width() / 2, height() / 2));
  }
}

bool TFoAssistGeracao::ImprimeRecibo() const {
  return !Cancelado() && m_resultado == TfoGravacao::kSemErro && m_cbRecibo->isChecked();
}

QString TFoAssistGeracao::TextoSucesso() const { return m_label16->text(); }

QString TFoAssistGeracao::TextoErro() const {
  return m_lErro->isVisibleTo(Painel(6)) ? m_lErro->text() : m_lbPrimeiraParteErro->text();
}

bool TFoAssistGeracao::ReciboExistenteVisivel() const { return m_lbPrimeiraParteErro->isVisibleTo(Painel(6)); }

bool ExecutaAssistenteGeracao(QWidget* dono, QString& caminho, TTolv& tolv, TColecaoTolv& colecao) {
  if (g_aberto) return false;
  TFoAssistGeracao assistente(dono, tolv, colecao);
  g_aberto = &assistente;
  struct Fim {
    ~Fim() { g_aberto = nullptr; }
  } fim;
  assistente.exec();
  assistente.GravaDadosIni();
  caminho = assistente.CaminhoCompleto();
  return assistente.ImprimeRecibo();
}
