#include "entrega/TFoAssistTransmissao.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/PontosEntrada.h"
#include "controles/TEstadoNovo.h"
#include "controles/TZUQFolderDialogBox.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/PaginaEntrega.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "entrega/TFrResultTrans.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"

namespace {

const QString kTitulo = QStringLiteral("Transmissão de declaração");
const QString kProcurar = QStringLiteral("Procurar Declaração");
constexpr int kNenhumLocal = 299;
constexpr int kLocalInvalido = 276;
constexpr int kSimNao = 4;
constexpr int kPergunta = 32;

// The four states, one per page: 1 → (4) → 2 → 3 → end.
class EstadoTransmissao : public TEstadoNovo {
 public:
  EstadoTransmissao(TFormAssistNovo* dono, int pagina, TFoAssistTransmissao* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override { m_assistente->ProcessaPasso(Pagina()); }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    SetProximo(Proximo());
    return false;
  }

 protected:
  virtual int Proximo() const = 0;
  TFoAssistTransmissao* m_assistente;
};

class TEstadoTrans1 : public EstadoTransmissao {
 public:
  using EstadoTransmissao::EstadoTransmissao;
  int Proximo() const override {
    TFrResultTrans::SetCertificado(m_assistente->CertificadoMarcado() ? 1 : 0);
    return m_assistente->CertificadoMarcado() ? 4 : 2;
  }
};
class TEstadoTrans2 : public EstadoTransmissao {
 public:
  using EstadoTransmissao::EstadoTransmissao;
  int Proximo() const override { return 3; }
};
class TEstadoTrans3 : public EstadoTransmissao {
 public:
  using EstadoTransmissao::EstadoTransmissao;
  int Proximo() const override { return RotaAssistente::Conclui; }
};
class TEstadoTrans4 : public EstadoTransmissao {
 public:
  using EstadoTransmissao::EstadoTransmissao;
  int Proximo() const override { return 2; }
};

QString ComBarra(QString pasta) {
  pasta = pasta.trimmed();
  if (!pasta.isEmpty() && !pasta.endsWith(u'/')) pasta += u'/';
  return pasta;
}

}  // namespace

TFoAssistTransmissao::TFoAssistTransmissao(QWidget* dono) : TFormAssistNovo(dono) {
  setObjectName(QStringLiteral("FoAssistTransmissao"));
  setWindowTitle(kTitulo);
  setProperty("HelpContext", kAjuda);
  resize(720, 470);
  criaPaginas();
  CriaEstado<TEstadoTrans1>(1, this);
  CriaEstado<TEstadoTrans2>(2, this);
  CriaEstado<TEstadoTrans3>(3, this);
  CriaEstado<TEstadoTrans4>(4, this);
  DefineAjudaBotoes(kAjuda);
  ExecutaEstado();
}

TFoAssistTransmissao::~TFoAssistTransmissao() = default;

void TFoAssistTransmissao::criaPaginas() {
  {
    QWidget* p = CriaPainel(1);
    p->setObjectName(QStringLiteral("Panel1"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("A declaração é transmitida à BVD pelo Kalvorin, o programa de transmissão, que deve estar "
                          "instalado no seu computador. Este assistente localiza as declarações gravadas e ainda não "
                          "transmitidas e as entrega ao Kalvorin, uma a uma.")));
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("O Kalvorin pode ser copiado da página da Brenvald na Internet:")));
    m_lbSite = PaginaEntrega::LinkSite(p, PaletaTolv::kFundo);
    l->addWidget(m_lbSite);
    l->addSpacing(12);
    m_checkCertDigi = new QCheckBox(QStringLiteral("Transmitir Utilizando Certificação Digital."), p);
    m_checkCertDigi->setObjectName(QStringLiteral("CheckCertDigi"));
    l->addWidget(m_checkCertDigi);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(2);
    p->setObjectName(QStringLiteral("Panel2"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->setContentsMargins(0, 18, 0, 6);
    m_pnPasta = new QWidget(p);
    m_pnPasta->setObjectName(QStringLiteral("PnPasta"));
    auto* lp = new QVBoxLayout(m_pnPasta);
    lp->setContentsMargins(22, 0, 22, 0);
    lp->addWidget(PaginaEntrega::Texto(m_pnPasta, QStringLiteral("Informe o local onde está a declaração:")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(m_pnPasta);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    m_edArquivo->setText(TFrPesquisaDeclaracoes::PastaPadrao());
    linha->addWidget(m_edArquivo, 1);
    m_btnPasta = new QToolButton(m_pnPasta);
    m_btnPasta->setObjectName(QStringLiteral("BtnPasta"));
    m_btnPasta->setText(QStringLiteral("..."));
    m_btnPasta->setToolTip(QStringLiteral("Procurar pasta"));
    linha->addWidget(m_btnPasta);
    lp->addLayout(linha);
    l->addWidget(m_pnPasta);
    m_pesquisa = new TFrPesquisaDeclaracoes(p);
    l->addWidget(m_pesquisa, 1);
    // Re-layout the title's margins: the page's controls take the whole width.
    if (QWidget* titulo = p->findChild<QWidget*>(QStringLiteral("LbTitulo"))) titulo->setContentsMargins(24, 0, 24, 0);
    connect(m_edArquivo, &QLineEdit::textEdited, this, [this] { EdArquivoChange(); });
    connect(m_edArquivo, &QLineEdit::editingFinished, this, [this] { AtualizaPesquisa(); });
    connect(m_btnPasta, &QToolButton::clicked, this, [this] { BtnPastaClick(); });
    m_pesquisa->OnChangeSelection = [this](QObject*) {
      HabilitaAvancar(m_pesquisa->QuantidadeSelecionada > 0);
    };
  }
  {
    QWidget* p = CriaPainel(3);
    p->setObjectName(QStringLiteral("Panel3"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    m_resultado = new TFrResultTrans(p);
    l->addWidget(m_resultado, 1);
  }
  {
    QWidget* p = CriaPainel(4);
    p->setObjectName(QStringLiteral("Panel4"));
    QVBoxLayout* l = PaginaEntrega::Prepara(p, QStringLiteral("IMPORTANTE"));
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("Para transmissão da Tolv das pessoas jurídicas, exceto para as optantes pelo Regime Especial "
                          "Unificado de Arrecadação de Tributos e Contribuições devidos pelas Microempresas e Empresas "
                          "de Pequeno Porte (Simples Nacional), é obrigatória a assinatura digital da declaração "
                          "mediante utilização de certificado digital válido, inclusive no caso de pessoas jurídicas "
                          "de direito público.")));
    l->addSpacing(8);
    l->addWidget(PaginaEntrega::Texto(
        p, QStringLiteral("Para mais informações sobre o certificado digital, consulte a página da BVD na Internet: "
                          "www.bvd.gov.br.")));
    l->addStretch(1);
  }
}

bool TFoAssistTransmissao::CertificadoMarcado() const { return m_checkCertDigi->isChecked(); }

void TFoAssistTransmissao::MostraPagina(int pagina) {
  MostraPainel(pagina);
  SetPaginaAtual(pagina);
  HabilitaVoltar(false);
  HabilitaAvancar(false);
  HabilitaConcluir(false);
  HabilitaCancelar(true);
  switch (pagina) {
    case 1:
      HabilitaAvancar(true);
      setWindowTitle(kTitulo);
      break;
    case 2:
      HabilitaVoltar(true);
      // Back from the result page, the selection still stands.
      HabilitaAvancar(m_pesquisa->QuantidadeSelecionada > 0);
      break;
    case 4:
      HabilitaVoltar(true);
      HabilitaAvancar(true);
      break;
    case 3:
      m_pesquisa->ArquivosSelecionados();
      HabilitaVoltar(m_resultado->GetArquivos().isEmpty());
      HabilitaConcluir(true);
      HabilitaCancelar(false);
      break;
    default: break;
  }
}

bool TFoAssistTransmissao::PodeAvancar(int indice) {
  if (indice != 1) return true;
  const QString pasta = m_edArquivo->text().trimmed();
  if (pasta.isEmpty())
    return MostraMensagem(TErro::TextoMensagem(kNenhumLocal), kProcurar, kSimNao | kPergunta) == ResultadoMensagem::Sim;
  if (QDir(pasta).exists()) return true;
  if (QDir::cleanPath(pasta) == QDir::cleanPath(TFrPesquisaDeclaracoes::PastaPadrao())) {
    QDir().mkpath(pasta);
    return true;
  }
  ExibeMensagem(TErro::TextoMensagem(kLocalInvalido), TipoMensagem::Informacao);
  return false;
}

bool TFoAssistTransmissao::ProcessaPasso(int passo) {
  switch (passo) {
    case 2:
      Procura();
      return true;
    case 3:
      m_resultado->Transmite();
      // The hand-over ran: the result page's buttons stand as MostraPagina left them.
      HabilitaVoltar(m_resultado->GetArquivos().isEmpty());
      HabilitaConcluir(true);
      HabilitaCancelar(false);
      return true;
    default: return true;
  }
}

void TFoAssistTransmissao::Procura() {
  HabilitaVoltar(false);
  m_pesquisa->Pasta = m_edArquivo->text().trimmed();
  m_pesquisa->SetTipoPesquisa(0);
  m_pesquisa->ComRecibo = false;
  m_pesquisa->ProcuraDeclaracoes(&m_resultado->GetArquivos());
  m_pastaAlterada = false;
  m_pesquisa->SetMostraRecibo(false);
  if (m_pesquisa->QuantidadeSelecionada == 0) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
  }
  m_pesquisa->Grade()->setFocus();
  HabilitaVoltar(true);
}

void TFoAssistTransmissao::EdArquivoChange() { m_pastaAlterada = true; }

void TFoAssistTransmissao::BtnPastaClick() {
  QString escolhida;
  if (TZUQFolderDialogBox::Execute(m_edArquivo->text().trimmed(), escolhida) && !escolhida.isEmpty()) {
    m_edArquivo->setText(escolhida);
    m_pastaAlterada = true;
  } else {
    m_pastaAlterada = false;
  }
  AtualizaPesquisa();
}

void TFoAssistTransmissao::AtualizaPesquisa() {
  if (PaginaAtual() != 2) return;
  const QString pasta = m_edArquivo->text().trimmed();
  if ((pasta.isEmpty() || !QDir(pasta).exists()) &&
      MostraMensagem(QStringLiteral("Local inválido ou não informado. Procurar no local padrão do sistema?"), kProcurar,
                     kSimNao | kPergunta) == ResultadoMensagem::Sim) {
    m_edArquivo->setText(TFrPesquisaDeclaracoes::PastaPadrao());
    m_pastaAlterada = true;
  }
  if (m_pastaAlterada && ComBarra(m_edArquivo->text()) != ComBarra(m_pesquisa->Pasta)) {
    Procura();
  }
  m_pastaAlterada = false;
}

void TFoAssistTransmissao::done(int resultado) {
  PerguntaRecibos();
  m_pesquisa->LimpaSelecao();
  m_resultado->Limpa();
  TFormAssistNovo::done(resultado);
}

void TFoAssistTransmissao::PerguntaRecibos() {
  if (m_perguntou || !m_resultado->ImprimeRecibos()) return;
  m_perguntou = true;
  if (ExibeMensagem(QStringLiteral("Deseja imprimir o(s) recibo(s) de entrega?"), TipoMensagem::Confirmacao) !=
      ResultadoMensagem::Sim)
    return;
  // The receipts that the transmission program wrote beside the files it took.
  QStringList recibos;
  for (const QString& linha : m_resultado->Linhas()) {
    if (!linha.startsWith(u"20") && !linha.startsWith(u"40")) continue;
    const QString recibo = ArquivoDeclaracao::ReciboAoLado(linha.mid(2));
    if (!recibo.isEmpty()) recibos << recibo;
  }
  PontosEntrada& entradas = PontosEntrada::doPrograma();
  if (entradas.recibos) entradas.recibos(recibos, false, QString());
  else AvisaIndisponivel(QStringLiteral("Recibo de entrega"));
}

void TFoAssistTransmissao::showEvent(QShowEvent* evento) {
  TFormAssistNovo::showEvent(evento);
  FormShow();
}

void TFoAssistTransmissao::FormShow() {
  if (m_posicionado) return;
  m_posicionado = true;
  if (QWidget* dono = parentWidget()) {
    const QPoint centro = dono->mapToGlobal(dono->rect().center());
    move(centro - QPoint(width() / 2, height() / 2));
  }
}

void ExecutaTransmissao(QWidget* dono) {
  TFoAssistTransmissao assistente(dono);
  assistente.exec();
}
