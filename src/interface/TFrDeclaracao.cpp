#include "interface/TFrDeclaracao.h"

#include <QApplication>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <stdexcept>

#include "controles/ControleDados.h"
#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

int NoCorrente = 0;

namespace {

struct Desenho {
  const char* nome;
  const char* legenda;
  bool habilitada;
  bool abaVisivel;
};

// The places in page order, as the form lays them out.
constexpr Desenho kDesenho[TFrDeclaracao::kPaginas] = {
    {"TsInformacoes", "&Informações", true, true},
    {"tsResponsavel", "Responsável", true, true},
    {"TsBeneficiariosTolv", "&Beneficiários", true, true},
    {"TsFundos", "F&undos ou Clubes", false, true},
    {"TsAdvogado", "&Just Trab./Fed.", false, true},
    {"TsResumo", "&Resumo", true, true},
    {"TsComprovante", "&Comprovante de Rendimentos", false, false},
    {"tsRemessa", "Remessa", true, true},
    {"tsPlanoSaude", "PlanoSaude", true, true},
    {"tsRraDeclarante", "RraDeclarante", true, true},
    {"tsRraJustica", "RraJustica", true, true},
};

// Above this many statements to generate the user is asked first.
constexpr qint64 kComprovantesSemAviso = 50000;
constexpr int kCodigoSemNatureza = 10;
constexpr int kAjudaInformacoes = 12000;

bool podeFocar(const QWidget* w) {
  return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

}  // namespace

TFrDeclaracao::TFrDeclaracao(QWidget* pai) : QWidget(pai) {
  setObjectName(QStringLiteral("FrDeclaracao"));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_pg = new QStackedWidget(this);
  m_pg->setObjectName(QStringLiteral("PgDeclaracao"));
  m_pg->setProperty("contextoAjuda", kAjudaInformacoes);
  layout->addWidget(m_pg);
  for (int i = 0; i < kPaginas; ++i) {
    Lugar& lugar = m_lugares[i];
    lugar.aba = new QWidget(m_pg);
    lugar.aba->setObjectName(QString::fromLatin1(kDesenho[i].nome));
    lugar.aba->setWindowTitle(QString::fromUtf8(kDesenho[i].legenda));
    auto* conteudo = new QVBoxLayout(lugar.aba);
    conteudo->setContentsMargins(0, 0, 0, 0);
    lugar.abaVisivel = kDesenho[i].abaVisivel;
    m_pg->addWidget(lugar.aba);
    habilita(Pagina(i), kDesenho[i].habilitada);
  }
  connect(m_pg, &QStackedWidget::currentChanged, this, [this] { emit OnChange(); });
  m_pg->setEnabled(false);
  setEnabled(false);
}

TFrDeclaracao::~TFrDeclaracao() = default;

void TFrDeclaracao::RegistraPagina(Pagina pagina, FabricaPagina fabrica) {
  m_lugares[pagina].fabrica = std::move(fabrica);
}

void TFrDeclaracao::RegistraPagina(int codigoNo, FabricaPagina fabrica) {
  const auto pagina = PaginaDoCodigo(codigoNo);
  if (!pagina) throw std::invalid_argument("O código " + std::to_string(codigoNo) + " não mostra página.");
  RegistraPagina(*pagina, std::move(fabrica));
}

std::optional<TFrDeclaracao::Pagina> TFrDeclaracao::PaginaDoCodigo(int codigo) {
  switch (codigo) {
    case 100:
    case 101:
      return Informacoes;
    case 102:
      return Responsavel;
    case 150:
      return RraDeclarante;
    case 450:
      return RraJustica;
    case 600:
    case 601:
    case 602:
      return Remessa;
    case 800:
    case 801:
      return PlanoSaude;
    default:
      break;
  }
  if (codigo >= 201 && codigo <= 206) return BeneficiariosTolv;
  if (codigo >= 300 && codigo <= 306) return Fundos;
  if (codigo >= 400 && codigo <= 406 && codigo != 404) return Advogado;
  if (codigo >= 700 && codigo <= 707) return Comprovante;
  return std::nullopt;
}

void TFrDeclaracao::SetDeclaracao(TTolv* declaracao) { m_declaracao = declaracao; }

void TFrDeclaracao::SetColecaoTolv(TColecaoTolv* colecao) { m_colecaoTolv = colecao; }

void TFrDeclaracao::criaPaginas() {
  for (int i = 0; i < kPaginas; ++i) {
    Lugar& lugar = m_lugares[i];
    if (!lugar.fabrica || lugar.pagina) continue;
    TPaginaDeclaracao* pagina = lugar.fabrica(lugar.aba);
    if (!pagina) continue;
    lugar.pagina = pagina;
    lugar.aba->layout()->addWidget(pagina);
    const Pagina qual = Pagina(i);
    if (qual == Remessa || qual == PlanoSaude || qual == RraDeclarante || qual == RraJustica)
      PaletaTolv::pinta(pagina, PaletaTolv::kFundo);
    pagina->show();
    TRastreadorFoco::instancia().registra(
        pagina, [](QWidget*) { return true; },
        [this, qual](QWidget*) {
          if (m_lugares[qual].inicializada) m_lugares[qual].pagina->Entra();
        });
  }
}

void TFrDeclaracao::inicializa(Pagina pagina) {
  Lugar& lugar = m_lugares[pagina];
  if (!lugar.pagina || lugar.inicializada) return;
  TContextoPagina contexto;
  contexto.declaracao = m_declaracao;
  contexto.colecaoTolv = m_colecaoTolv;
  contexto.irParaCampo = m_irParaCampo;
  contexto.janelaPrincipal = m_janelaPrincipal;
  contexto.conteiner = this;
  lugar.pagina->Inicializa(contexto);
  lugar.inicializada = true;
}

void TFrDeclaracao::finaliza(Pagina pagina) {
  Lugar& lugar = m_lugares[pagina];
  if (!lugar.pagina || !lugar.inicializada) return;
  lugar.inicializada = false;
  lugar.pagina->Finaliza();
}

void TFrDeclaracao::habilita(Pagina pagina, bool habilitada) {
  m_lugares[pagina].habilitada = habilitada;
  m_lugares[pagina].aba->setEnabled(habilitada);
}

void TFrDeclaracao::AbrePaginas(IrParaCampo irParaCampo, QWidget* janelaPrincipal) {
  m_irParaCampo = std::move(irParaCampo);
  m_janelaPrincipal = janelaPrincipal;
  criaPaginas();
  exibe(Informacoes);
  m_pg->setProperty("contextoAjuda", kAjudaInformacoes);
  inicializa(Informacoes);
  if (m_comprovanteMostrado) inicializa(Comprovante);
  inicializa(BeneficiariosTolv);
  if (m_fundosMostrados) inicializa(Fundos);
  if (m_processosMostrados) inicializa(Advogado);
  inicializa(Resumo);
  for (const Pagina pagina : {Remessa, PlanoSaude, RraDeclarante, RraJustica, Responsavel}) inicializa(pagina);
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    m_transacao = std::make_unique<bd::Transacao>(
        *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    m_consulta = std::make_unique<bd::Consulta>(*m_transacao, QString());
  }
  m_abertas = true;
}

void TFrDeclaracao::FechaPaginas() {
  finaliza(Informacoes);
  finaliza(BeneficiariosTolv);
  finaliza(Resumo);
  MostraFundos(false);
  MostraProcessos(false);
  MostraComprovante(false);
  // No page outlives the declaration it was bound to: the next opening makes them anew.
  for (int i = 0; i < kPaginas; ++i) {
    Lugar& lugar = m_lugares[i];
    finaliza(Pagina(i));
    if (!lugar.pagina) continue;
    TPaginaDeclaracao* pagina = lugar.pagina;
    lugar.pagina = nullptr;
    pagina->hide();
    // Closing may run inside an event of one of the page's controls.
    pagina->deleteLater();
  }
  hide();
  setEnabled(false);
  m_pg->setEnabled(false);
  m_consulta.reset();
  m_transacao.reset();
  m_irParaCampo = {};
  m_abertas = false;
}

void TFrDeclaracao::OcultaAbas() {
  for (Lugar& lugar : m_lugares) lugar.abaVisivel = false;
  exibe(Informacoes);
}

void TFrDeclaracao::exibe(Pagina pagina) { m_pg->setCurrentWidget(m_lugares[pagina].aba); }

bool TFrDeclaracao::PodeMudarDePagina() {
  if (PaginaAtual() != Informacoes || !m_declaracao) return true;
  const bool semNatureza = !m_declaracao->GetNatureza() || m_declaracao->GetNatureza()->GetDescricao().isEmpty();
  if (m_declaracao->GetContribuinte().GetTipo() != kNiCnpj || !semNatureza) return true;
  TErro::MostraTexto(TErro::FormataMensagem(kCodigoSemNatureza, {}), TipoMensagem::Informacao);
  return false;
}

bool TFrDeclaracao::AtivaPagina(Pagina pagina) {
  if (PaginaAtual() == pagina) return true;
  if (!PodeMudarDePagina()) return false;
  // A page that holds keyed data keeps it: stored now, asked, or the user stays on it with the
  // message.
  const Pagina atual = PaginaAtual();
  if (GuardaDigitado(atual) && m_lugares[atual].inicializada && !m_lugares[atual].pagina->PodeSair()) return false;
  exibe(pagina);
  return true;
}

bool TFrDeclaracao::GuardaDigitado(Pagina pagina) {
  switch (pagina) {
    case BeneficiariosTolv:
    case Fundos:
    case Advogado:
    case Remessa:
    case PlanoSaude:
    case RraDeclarante:
    case RraJustica:
      return true;
    default:
      return false;
  }
}

TFrDeclaracao::Pagina TFrDeclaracao::PaginaAtual() const { return Pagina(m_pg->currentIndex()); }

TPaginaDeclaracao* TFrDeclaracao::PaginaDe(Pagina pagina) const { return m_lugares[pagina].pagina; }

QWidget* TFrDeclaracao::Aba(Pagina pagina) const { return m_lugares[pagina].aba; }

QString TFrDeclaracao::Legenda(Pagina pagina) const { return m_lugares[pagina].aba->windowTitle(); }

bool TFrDeclaracao::AbaVisivel(Pagina pagina) const { return m_lugares[pagina].abaVisivel; }

bool TFrDeclaracao::Habilitada(Pagina pagina) const { return m_lugares[pagina].habilitada; }

void TFrDeclaracao::MostraPagina(int codigo) {
  NoCorrente = codigo;
  const auto pagina = PaginaDoCodigo(codigo);
  if (!pagina) return;
  if (*pagina == Comprovante) {
    MostraComprovantes(codigo);
    return;
  }
  if (!AtivaPagina(*pagina)) return;
  const auto ficha = [this, codigo](Pagina p) {
    if (m_lugares[p].inicializada) m_lugares[p].pagina->MostraFicha(codigo);
  };
  // The accumulated-income nodes also tell the declarant's lines page where the tree stands.
  if (codigo == 150 || codigo == 450) ficha(BeneficiariosTolv);
  ficha(*pagina);
}

void TFrDeclaracao::MostraComprovantes(int codigo) {
  if (!AtivaPagina(Comprovante)) return;
  const Lugar& lugar = m_lugares[Comprovante];
  if (!lugar.inicializada) return;
  if (podeFocar(lugar.pagina)) lugar.pagina->setFocus(Qt::OtherFocusReason);
  bool permitida = true;
  if (QuantidadeComprovantes() > kComprovantesSemAviso)
    permitida = MostraMensagem(QStringLiteral("A geração de comprovante pode demorar vários minutos. Deseja continuar?"),
                               QStringLiteral("Geração de Comprovante"), 4 | 32) == ResultadoMensagem::Sim;
  lugar.pagina->PermiteGeracao(permitida);
  lugar.pagina->MostraFicha(codigo);
}

qint64 TFrDeclaracao::QuantidadeComprovantes() {
  if (!m_consulta) return 0;
  qint64 quantidade = 0;
  m_consulta->defineSql(QStringLiteral("select sum(tot_benef) as total from resumos"));
  m_consulta->abre();
  if (!m_consulta->eof()) quantidade += m_consulta->campo(QStringLiteral("total")).inteiro64();
  m_consulta->fecha();
  m_consulta->defineSql(QStringLiteral("select rt.rradec, rt.rrajus from rra_item_total rt"));
  m_consulta->abre();
  if (!m_consulta->eof())
    quantidade += m_consulta->campo(QStringLiteral("rradec")).inteiro64() +
                  m_consulta->campo(QStringLiteral("rrajus")).inteiro64();
  m_consulta->fecha();
  // Counts read a moment ago must not hold a transaction open until the next ones.
  m_transacao->commit();
  return quantidade;
}

void TFrDeclaracao::alternaPagina(Pagina pagina, bool mostra, bool& mostrada, bool comAba) {
  if (mostra) {
    if (!m_lugares[pagina].habilitada) {
      habilita(pagina, true);
      if (comAba) m_lugares[pagina].abaVisivel = true;
      inicializa(pagina);
    }
  } else {
    exibe(Informacoes);
    finaliza(pagina);
    m_lugares[pagina].abaVisivel = false;
    habilita(pagina, false);
  }
  mostrada = mostra;
}

void TFrDeclaracao::MostraFundos(bool mostra) { alternaPagina(Fundos, mostra, m_fundosMostrados, true); }

void TFrDeclaracao::MostraProcessos(bool mostra) {
  if (m_declaracao)
    m_lugares[Advogado].aba->setWindowTitle(m_declaracao->GetAnoCalendario() < QStringLiteral("2005")
                                                ? QStringLiteral("&Justiça do Trabalho")
                                                : QStringLiteral("&Just. Trab./Fed"));
  alternaPagina(Advogado, mostra, m_processosMostrados, true);
}

// Its tab stays hidden: the statements are reached through the tree only.
void TFrDeclaracao::MostraComprovante(bool mostra) {
  alternaPagina(Comprovante, mostra, m_comprovanteMostrado, false);
}

bool TFrDeclaracao::PodeSair() {
  if (!ConfirmaControleDados(ControleAtivo())) return false;
  const auto concorda = [this](Pagina p) {
    return !m_lugares[p].inicializada || m_lugares[p].pagina->PodeSair();
  };
  if (!concorda(Informacoes) || !concorda(RraDeclarante) || !concorda(BeneficiariosTolv)) return false;
  if (m_fundosMostrados && !concorda(Fundos)) return false;
  if (m_processosMostrados && (!concorda(Advogado) || !concorda(RraJustica))) return false;
  // The supplementary editors store on their own exits, which a closing never runs: what they
  // hold would be lost.
  return concorda(Remessa) && concorda(PlanoSaude);
}

bool TFrDeclaracao::ConfirmaPaginaAtual() {
  if (!ConfirmaControleDados(ControleAtivo())) return false;
  // The income-statement page has its own way with a go-to (NavegacaoCampo).
  if (PaginaAtual() == Comprovante) return true;
  const Lugar& atual = m_lugares[PaginaAtual()];
  return !atual.inicializada || !atual.pagina || atual.pagina->PodeSair();
}

QWidget* TFrDeclaracao::ControleAtivo() const {
  const QWidget* janela = m_janelaPrincipal ? m_janelaPrincipal : window();
  return janela->focusWidget();
}

bool TFrDeclaracao::FocaPaginaAtiva() {
  QWidget* aba = m_pg->currentWidget();
  if (!aba || !aba->isVisible() || !aba->isEnabled()) return false;
  QWidget* pagina = m_lugares[PaginaAtual()].pagina ? static_cast<QWidget*>(m_lugares[PaginaAtual()].pagina) : aba;
  QWidget* alvo = podeFocar(pagina) ? pagina : nullptr;
  for (QWidget* w = pagina->nextInFocusChain(); !alvo && w && w != pagina; w = w->nextInFocusChain())
    if (pagina->isAncestorOf(w) && podeFocar(w) && (w->focusPolicy() & Qt::TabFocus)) alvo = w;
  if (!alvo) return false;
  alvo->setFocus(Qt::OtherFocusReason);
  return true;
}

void TFrDeclaracao::PosicionarRemessa(const QString& dono, const QString& secao, const QString& objeto) {
  if (m_lugares[Remessa].inicializada) m_lugares[Remessa].pagina->Posiciona(dono, objeto, secao.toInt());
}

void TFrDeclaracao::PosicionarPlanoSaude(const QString& dono, const QString& secao, const QString& objeto) {
  if (m_lugares[PlanoSaude].inicializada) m_lugares[PlanoSaude].pagina->Posiciona(dono, objeto, secao.toInt());
}

void TFrDeclaracao::PosicionarRra(const QString& dono, const QString& objeto, int secao) {
  const Pagina pagina = secao == 57 ? RraDeclarante : RraJustica;
  if (m_lugares[pagina].inicializada) m_lugares[pagina].pagina->Posiciona(dono, objeto, secao);
}

void TFrDeclaracao::RecarregaEditores() {
  for (const Pagina pagina : {Remessa, RraDeclarante, RraJustica})
    if (m_lugares[pagina].inicializada) m_lugares[pagina].pagina->Recarrega();
}
