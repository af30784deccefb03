#include "relatorios/gui/TFoAssistRelatorios.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include "controles/AparenciaDialogo.h"
#include "controles/ArteTolv.h"
#include "controles/IServicosPrincipal.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TEstadoNovo.h"
#include "controles/TListaDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "controles/TZUQFolderDialogBox.h"
#include "entrega/PaginaEntrega.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/gui/GuardaEventos.h"
#include "relatorios/TRelatorioDeclaracao.h"
#include "secoes/TFrPesquisarTolv.h"

namespace {

constexpr int kNenhumaDeclaracao = 92;
constexpr int kNenhumBeneficiario = 93;
constexpr int kLocalInvalido = 276;
constexpr int kNenhumLocal = 299;
constexpr int kSimNao = 4;
constexpr int kPergunta = 32;

// One state of the wizard: its page, the work on entering it and where Avançar leads.
class EstadoRelatorios : public TEstadoNovo {
 public:
  EstadoRelatorios(TFormAssistNovo* dono, int pagina, int proximo, std::function<void()> entra = {})
      : TEstadoNovo(dono, pagina), m_proximo(proximo), m_entra(std::move(entra)) {}

  void Entra() override {
    if (m_entra) m_entra();
  }
  bool TrataEvento(int evento) override {
    SetProximo(evento == EventoAssistente::Cancelar ? RotaAssistente::Cancela : m_proximo);
    return false;
  }

 private:
  int m_proximo;
  std::function<void()> m_entra;
};

QString comPonto(int codigo) { return TErro::TextoMensagem(codigo) + u'.'; }

}  // namespace

TFoAssistRelatorios::TFoAssistRelatorios(int tipoImpressao, bool declaracaoAberta, TTolv& tolv, TColecaoTolv& indice,
                                         QWidget* dono)
    : TFormAssistNovo(dono), m_tipo(tipoImpressao), m_aberta(declaracaoAberta), m_tolv(tolv), m_indice(indice) {
  setObjectName(QStringLiteral("FoAssistRelatorios"));
  setWindowTitle(EscolhasImpressao::Legenda({}));
  resize(720, 470);
  criaPaginas();
  // States 1 to 7; state 5 is the error page and 7 has none: neither is reached in a run.
  CriaEstado<EstadoRelatorios>(1, RotaAssistente::Conclui);
  CriaEstado<EstadoRelatorios>(2, RotaAssistente::Conclui, [this] { EntraLista(); });
  CriaEstado<EstadoRelatorios>(3, RotaAssistente::Conclui, [this] { EntraRecibos(); });
  CriaEstado<EstadoRelatorios>(4, RotaAssistente::Conclui, [this] { EntraBeneficiario(); });
  CriaEstado<EstadoRelatorios>(5, RotaAssistente::Conclui);
  CriaEstado<EstadoRelatorios>(6, 3);
  CriaEstado<EstadoRelatorios>(0, RotaAssistente::Conclui);
  const int ajuda = EscolhasImpressao::Ajuda(m_tipo) ? EscolhasImpressao::Ajuda(m_tipo) : kAjudaPadrao;
  setProperty("HelpContext", ajuda);
  DefineAjudaBotoes(ajuda);
  // The Avançar button marks itself enabled before it runs.
  QToolButton* avancar = SpeedBtn(Botao::Avancar);
  avancar->disconnect(this);
  connect(avancar, &QToolButton::clicked, this, [this] { GuardaEventos::executa([this] { BotaoAvancarOnClick(); }); });
  if (m_tipo == 2) m_pesquisa->ComRecibo = true;
  m_rbVisualizar->setChecked(true);
  connect(m_rbVisualizar, &QRadioButton::toggled, this, [this](bool marcado) { m_escolhas.visualizar = marcado; });
}

void TFoAssistRelatorios::DefineEscolhas(const EscolhasImpressao::Escolhas& escolhas) {
  m_escolhas = escolhas;
  (escolhas.visualizar ? m_rbVisualizar : m_rbImprimir)->setChecked(true);
}

TFoAssistRelatorios::~TFoAssistRelatorios() = default;

void TFoAssistRelatorios::criaPaginas() {
  const QString titulo = QStringLiteral("Impressão");
  {
    QWidget* p = CriaPainel(1);
    p->setObjectName(QStringLiteral("Panel5"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, titulo);
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("Escolha abaixo a forma como quer que o relatório seja apresentado e clique em 'Concluir'.")));
    l->addSpacing(8);
    m_rbVisualizar = new QRadioButton(QStringLiteral("Visualizar a impressão na tela"), p);
    m_rbVisualizar->setObjectName(QStringLiteral("RBVisualizar"));
    m_rbImprimir = new QRadioButton(QStringLiteral("Imprimir"), p);
    m_rbImprimir->setObjectName(QStringLiteral("RBImprimir"));
    for (QRadioButton* r : {m_rbVisualizar, m_rbImprimir}) {
      AparenciaDialogo::PintaTexto(r);
      l->addWidget(r);
    }
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(2);
    p->setObjectName(QStringLiteral("Panel7"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, {});
    QLabel* cabecalho = PaginaEntrega::Texto(p, QStringLiteral("Selecione a declaração que deseja imprimir:"),
                                             "LbSelecione");
    cabecalho->setFont(PaletaTolv::arial(10, true));
    PaletaTolv::pinta(cabecalho, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
    l->addWidget(cabecalho);
    MolduraTolv* moldura = AparenciaDialogo::Moldura(p, QStringLiteral("Shape1"));
    m_lista = new TListaDeclaracoes(TListaDeclaracoes::Modo::Impressao, m_indice, moldura);
    moldura->layoutInterno(8)->addWidget(m_lista);
    l->addWidget(moldura, 1);
    connect(m_lista, &TListaDeclaracoes::HabilitaOk, this, [this](bool habilita) { HabilitaAvancar(habilita); });
    connect(m_lista, &TListaDeclaracoes::Escolhida, this,
            [this] { GuardaEventos::executa([this] { BotaoAvancarOnClick(); }); });
  }
  {
    QWidget* p = CriaPainel(3);
    p->setObjectName(QStringLiteral("Panel8"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, titulo);
    m_pesquisa = new TFrPesquisaDeclaracoes(p);
    m_pesquisa->setObjectName(QStringLiteral("FrPesquisaDeclaracoes1"));
    l->addWidget(m_pesquisa, 1);
    m_pesquisa->OnChangeSelection = [this](QObject*) {
      if (m_pesquisa->QuantidadeSelecionada > 0) {
        HabilitaAvancar(true);
      } else {
        HabilitaAvancar(false);
        HabilitaConcluir(false);
      }
    };
  }
  {
    QWidget* p = CriaPainel(4);
    p->setObjectName(QStringLiteral("Panel10"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, QStringLiteral("Selecione o beneficiário"));
    m_pesquisaBeneficiario = new TFrPesquisarTolv(p);
    m_pesquisaBeneficiario->setObjectName(QStringLiteral("FrPesquisarTolv"));
    m_pesquisaBeneficiario->SetSelBeneficiario(true);
    l->addWidget(m_pesquisaBeneficiario, 1);
    connect(m_pesquisaBeneficiario, &TFrPesquisarTolv::GridDblClick, this,
            [this] { GuardaEventos::executa([this] { BotaoAvancarOnClick(); }); });
  }
  {
    QWidget* p = CriaPainel(5);
    p->setObjectName(QStringLiteral("Panel11"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, titulo);
    auto* linha = new QHBoxLayout;
    auto* figura = new QLabel(p);
    figura->setObjectName(QStringLiteral("Image1"));
    figura->setPixmap(ArteTolv::icone(ArteTolv::Icone::Erro, 32));
    figura->setAlignment(Qt::AlignTop);
    linha->addWidget(figura);
    m_lbErro = PaginaEntrega::Texto(p, {}, "LbErroComprovRecibo");
    linha->addWidget(m_lbErro, 1);
    l->addLayout(linha);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(6);
    p->setObjectName(QStringLiteral("Panel13"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, titulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Informe o local onde está a declaração:")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(p);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    m_edArquivo->setText(TFrPesquisaDeclaracoes::PastaPadrao());
    linha->addWidget(m_edArquivo, 1);
    m_speedButton1 = new QToolButton(p);
    m_speedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    m_speedButton1->setText(QStringLiteral("..."));
    m_speedButton1->setToolTip(QStringLiteral("Procurar pasta"));
    linha->addWidget(m_speedButton1);
    l->addLayout(linha);
    l->addSpacing(8);
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("O assistente irá pesquisar no local informado por declarações já gravadas e transmitidas.")));
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("Se  o  recibo  a ser impresso for relativo a declaração gravada em disco removível, "
                          "certifique-se  que  o  mesmo  esteja  inserido  na unidade, antes de avançar.")));
    l->addStretch(1);
    connect(m_speedButton1, &QToolButton::clicked, this,
            [this] { GuardaEventos::executa([this] { SpeedButton1Click(); }); });
  }
}

bool TFoAssistRelatorios::Inicia() {
  switch (m_tipo) {
    case 1:
    case 5:
    case 6:
    case 7:
    case 8:
    case 10:
      if (!m_aberta) SetIndiceAtual(2);
      break;
    case 2:
      SetIndiceAtual(6);
      break;
    case 4:
      SetIndiceAtual(4);
      break;
    default:
      break;
  }
  if (!m_lista->Abre()) return false;
  const bool comLista = m_tipo == 1 || (m_tipo >= 5 && m_tipo <= 8) || m_tipo == 10;
  if ((!m_aberta && (comLista || m_tipo == 2)) || (m_aberta && m_tipo == 2) || m_tipo == 4 ||
      (m_tipo == 3 && !m_aberta))
    ExecutaEstado();
  return true;
}

int TFoAssistRelatorios::Executa() {
  if (EscolhasImpressao::MostraJanela(m_tipo, m_aberta) && exec() != QDialog::Accepted) return 0;
  if (Cancelado()) return 0;
  if (m_tipo == 2) {
    m_pesquisa->ArquivosSelecionados();
    return m_recibos.isEmpty() ? 0 : 12;
  }
  return EscolhasImpressao::Codigo(m_tipo, m_escolhas.visualizar);
}

void TFoAssistRelatorios::MostraPagina(int pagina) {
  MostraPainel(pagina);
  SetPaginaAtual(pagina);
  HabilitaCancelar(true);
  bool voltar = false, avancar = false, concluir = false;
  switch (pagina) {
    case 1:
      voltar = !((m_aberta || m_tipo == 9) && m_tipo != 4);
      concluir = true;
      break;
    case 3: voltar = avancar = true; break;
    case 2:
    case 4:
    case 6: avancar = true; break;
    case 5: concluir = true; break;
    default: break;
  }
  HabilitaVoltar(voltar);
  HabilitaAvancar(avancar);
  HabilitaConcluir(concluir);
}

bool TFoAssistRelatorios::PodeAvancar(int indice) {
  HabilitaAvancar(true);
  switch (indice) {
    case 2: return CarregaDeclaracao();
    case 3: return m_pesquisa->QuantidadeSelecionada > 0;
    case 4: return TomaBeneficiario();
    case 6: return VerificaLocal();
    default: return true;
  }
}

bool TFoAssistRelatorios::ProcessaPasso(int) { return true; }

void TFoAssistRelatorios::EntraLista() {
  for (QLineEdit* caixa : {m_lista->edtCPFCNPJ(), m_lista->edtNome(), m_lista->edtAnoCalendario()}) {
    const QSignalBlocker bloqueio(caixa);
    caixa->clear();
  }
  m_lista->Abre();
  const bool vazia = m_lista->Vazia();
  HabilitaAvancar(!vazia);
  if (vazia) HabilitaConcluir(false);
  m_lista->Grade()->setFocus();
}

void TFoAssistRelatorios::EntraRecibos() {
  HabilitaVoltar(false);
  m_pesquisa->SetTipoPesquisa(1);
  m_pesquisa->Pasta = m_edArquivo->text().trimmed();
  m_pesquisa->ProcuraDeclaracoes(&m_recibos);
  if (m_pesquisa->QuantidadeSelecionada == 0) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
  }
  HabilitaVoltar(true);
}

void TFoAssistRelatorios::EntraBeneficiario() { m_pesquisaBeneficiario->Inicializa(&m_tolv, {}); }

void TFoAssistRelatorios::BotaoAvancarOnClick() {
  HabilitaAvancar(true);
  BtnAvancarClick();
}

bool TFoAssistRelatorios::CarregaDeclaracao() {
  const int linha = m_lista->LinhaAtual();
  if (m_lista->Vazia() || linha < 0) {
    ExibeMensagem(comPonto(kNenhumaDeclaracao), TipoMensagem::Informacao);
    return false;
  }
  const TModeloListaDeclaracoes::Linha& escolhida = m_lista->Modelo().LinhaEm(linha);
  m_tolv.Limpar();
  m_tolv.SetTolvDK(QString::number(escolhida.chave));
  m_tolv.GetContribuinte().SetNiPelaBaseComErro(escolhida.numero);
  m_tolv.CarregaAnoCalendario(escolhida.ano);
  // Read only: the shared declaration connection stays where it is.
  if (!m_indice.LeTolv(m_tolv)) {
    ExibeMensagem(comPonto(kNenhumaDeclaracao), TipoMensagem::Informacao);
    return false;
  }
  return true;
}

bool TFoAssistRelatorios::TomaBeneficiario() {
  m_beneficiario = m_pesquisaBeneficiario->CpfCnpjSelecionado();
  if (!m_beneficiario.trimmed().isEmpty()) return true;
  if (m_pesquisaBeneficiario->QuantidadeLinhas() > 0)
    ExibeMensagem(comPonto(kNenhumBeneficiario), TipoMensagem::Informacao);
  HabilitaAvancar(false);
  return false;
}

bool TFoAssistRelatorios::VerificaLocal() {
  const QString pasta = m_edArquivo->text().trimmed();
  if (!pasta.isEmpty()) {
    if (QDir(pasta).exists()) return true;
    ExibeMensagem(comPonto(kLocalInvalido), TipoMensagem::Informacao);
    return false;
  }
  if (MostraMensagem(TErro::TextoMensagem(kNenhumLocal), QStringLiteral("Procurar Declaração"), kSimNao | kPergunta) !=
      ResultadoMensagem::Sim)
    return false;
  m_edArquivo->setText(TFrPesquisaDeclaracoes::PastaPadrao());
  return true;
}

void TFoAssistRelatorios::SpeedButton1Click() {
  QString escolhida;
  if (TZUQFolderDialogBox::Execute(m_edArquivo->text().trimmed(), escolhida) && !escolhida.isEmpty())
    m_edArquivo->setText(escolhida);
}

void TFoAssistRelatorios::Finaliza() {
  m_pesquisaBeneficiario->Finaliza();
  m_pesquisa->LimpaSelecao();
}

void TFoAssistRelatorios::showEvent(QShowEvent* evento) {
  TFormAssistNovo::showEvent(evento);
  qApp->installEventFilter(this);
}

void TFoAssistRelatorios::hideEvent(QHideEvent* evento) {
  qApp->removeEventFilter(this);
  TFormAssistNovo::hideEvent(evento);
}

bool TFoAssistRelatorios::eventFilter(QObject* objeto, QEvent* evento) {
  // Type-ahead: on page 2 every character typed in the wizard feeds the list's search, once (a
  // key that a widget lets through reaches the filter again at its parent).
  if (evento->type() == QEvent::KeyPress && objeto->isWidgetType() && PaginaAtual() == 2) {
    auto* alvo = static_cast<QWidget*>(objeto);
    QWidget* foco = QApplication::focusWidget();
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (alvo->window() == this && (!foco || foco->window() != this || alvo == foco) && !tecla->text().isEmpty())
      for (QChar c : tecla->text()) m_lista->RegistraTecla(c);
  }
  return TFormAssistNovo::eventFilter(objeto, evento);
}

int ExecutaAssistenteRelatorios(QWidget* dono, QStringList& recibos, TTolv& tolv, TColecaoTolv& indice,
                                const QString& sufixo, QString& beneficiario) {
  static bool emExecucao = false;
  detalhe::InstanciaUnica instancia(emExecucao);
  if (!instancia.Livre()) return 0;
  const int tipo = ::TipoImpressao;
  const bool aberta = ServicosPrincipal() && ServicosPrincipal()->DeclaracaoAberta();
  TFoAssistRelatorios assistente(tipo, aberta, tolv, indice, dono ? dono : JanelaDona());
  assistente.setWindowTitle(EscolhasImpressao::Legenda(sufixo));
  const QString arquivoIni = EscolhasImpressao::Arquivo();
  struct Encerra {
    TFoAssistRelatorios& assistente;
    const QString& arquivoIni;
    int tipo;
    bool gravar = false;
    ~Encerra() {
      assistente.Finaliza();
      if (gravar) EscolhasImpressao::Grava(arquivoIni, assistente.Escolhas(), tipo);
      QDir::setCurrent(DiretorioPrograma());
    }
  } encerra{assistente, arquivoIni, tipo};
  if (!assistente.Inicia()) return 0;
  assistente.DefineEscolhas(EscolhasImpressao::Le(arquivoIni, assistente.Escolhas()));
  encerra.gravar = true;
  const int codigo = assistente.Executa();
  if (codigo == 12) recibos += assistente.Recibos();
  if (codigo == 18 || codigo == 19) beneficiario = assistente.Beneficiario();
  return codigo;
}
