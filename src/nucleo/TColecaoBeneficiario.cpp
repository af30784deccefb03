#include "nucleo/TColecaoBeneficiario.h"

#include "nucleo/CursorEspera.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kTipo = QStringLiteral("IN_PF_PJ_IN");
const QString kNumero = QStringLiteral("NR_PF_PJ_IN");
const QString kQuantidade = QStringLiteral("QUANTIDADE");
// Before and after every beneficiary of the order (kind, number).
const QString kTipoInicio = QStringLiteral("1");
const QString kNumeroInicio = QStringLiteral("000000000");
const QString kTipoFim = QStringLiteral("2");
const QString kNumeroFim = QStringLiteral("999999999999");

const QString kProximos = QStringLiteral("Select * from BUSCA_BENEFICIARIO_PROX(:IN_PF_PJ_IN, :NR_PF_PJ_IN)");
const QString kAnteriores = QStringLiteral(
    "Select * from BUSCA_BENEFICIARIO_ANT(:IN_PF_PJ_IN, :NR_PF_PJ_IN)\n"
    "order by IN_PF_PJ, NR_PF_PJ");
const QString kBusca = QStringLiteral("Select * from BUSCA_BENEFICIARIO(:IN_PF_PJ_IN, :NR_PF_PJ_IN, :QUANTIDADE)");
const QString kProximosRra = QStringLiteral("Select * from BUSCA_BENEFICIARIO_RRA_PROX(:IN_PF_PJ_IN, :NR_PF_PJ_IN)");
const QString kAnterioresRra = QStringLiteral(
    "Select * from BUSCA_BENEFICIARIO_RRA_ANT(:IN_PF_PJ_IN, :NR_PF_PJ_IN)\n"
    "order by IN_PF_PJ, NR_PF_PJ");

constexpr int kQuantidadeInterativa = 100;

bool TemLinhas(const bd::Consulta& consulta) { return consulta.aberta() && !consulta.vazia(); }

}  // namespace

TColecaoBeneficiario::TColecaoBeneficiario(TTolv& declaracao)
    : m_declaracao(&declaracao), m_atual(&declaracao), m_janelas(m_navegacao, m_consultaAtual, LigacaoJanelas()) {
  bd::Transacao& transacao = declaracao.GetTransacaoDeclaracao();
  DefineTransacao(&transacao);
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) {
    m_total = 0;
    return;
  }
  m_consultaTotal.defineTransacao(&transacao);
  // The distinct numbers of the lines and of the accumulated-income items, straight from their
  // beneficiary indexes: several times faster than counting what the combined order lists.
  m_consultaTotal.defineSql(
      QStringLiteral("Select count(*) As Total from (Select E_IN_PF_PJ, E_NR_PF_PJ from TOLV_ITENS\n"
                     "union Select IN_PF_PJ, NR_PF_PJ from RRA_ITEM)"));
  m_consultaTotal.prepara();
  // The orders that go forward stream their rows; those that go back read a window.
  m_rraInicio = std::make_unique<bd::Consulta>(transacao, kProximosRra, bd::Consulta::Modo::Sequencial);
  m_rraDepois = std::make_unique<bd::Consulta>(transacao, kProximosRra, bd::Consulta::Modo::Sequencial);
  m_rraAntes = std::make_unique<bd::Consulta>(transacao, kAnterioresRra, bd::Consulta::Modo::Cache);
  // A step back from the current beneficiary takes only the nearest one, which the procedure
  // gives first: a window of a hundred rows per step would be read and dropped.
  m_rraAntesAtual = std::make_unique<bd::Consulta>(
      transacao, QStringLiteral("Select first 1 * from BUSCA_BENEFICIARIO_RRA_ANT(:IN_PF_PJ_IN, :NR_PF_PJ_IN)"),
      bd::Consulta::Modo::Cache);
  for (bd::Consulta* consulta : {m_rraInicio.get(), m_rraDepois.get(), m_rraAntes.get(), m_rraAntesAtual.get()})
    consulta->prepara();
  m_pronta = true;
}

TColecaoBeneficiario::~TColecaoBeneficiario() {
  ConfirmaTransacaoRetendo();
  m_declaracao = nullptr;
}

void TColecaoBeneficiario::SetModoLista(bool modoLista) {
  ConfirmaTransacaoRetendo();
  m_modoLista = modoLista;
  if (!m_pronta) return;
  m_total = -1;
  bd::Transacao* transacao = GetTransacao();
  if (modoLista) {
    for (auto& janela : m_navegacao) janela.reset();
    m_consultaLista.defineModo(bd::Consulta::Modo::Sequencial);
    m_consultaLista.defineTransacao(transacao);
    if (m_ordem == kPorNumero)
      m_consultaLista.defineSql(QStringLiteral("Select * from BUSCA_BENEFICIARIOS"));
    else if (m_ordem == kPorNome)
      m_consultaLista.defineSql(QStringLiteral("Select * from BUSCA_BENEFICIARIOS_NOME"));
    else
      m_consultaLista.defineSql({});
    m_consultaAtual = &m_consultaLista;
    return;
  }
  // The first and last windows are read again at every visit: one kept open would miss the
  // beneficiaries that the lines saved since.
  m_janelas.Define(transacao, {kProximos, kAnteriores, kProximos, kAnteriores}, true);
  m_consultaLista.defineModo(bd::Consulta::Modo::Cache);
  m_consultaLista.defineTransacao(transacao);
  m_consultaLista.defineSql(kBusca);
  m_quantidade = kQuantidadeInterativa;
  m_consultaLista.param(kQuantidade, m_quantidade);
}

void TColecaoBeneficiario::SetInterativo(bool interativo) {
  TColecao::SetInterativo(interativo);
  m_quantidade = interativo ? kQuantidadeInterativa : 1;
  if (m_pronta && !m_modoLista) m_consultaLista.param(kQuantidade, m_quantidade);
}

void TColecaoBeneficiario::AbreConsulta(bd::Consulta& consulta) {
  if (!m_pronta || consulta.sql().isEmpty()) return;
  CursorEspera espera;
  ConfirmaTransacaoRetendo();
  consulta.fecha();
  if (AbreDataSet(consulta) && !m_modoLista) consulta.buscaTodas();
}

void TColecaoBeneficiario::AbreEm(bd::Consulta& consulta, const QString& tipo, const QString& numero) {
  if (!m_pronta) return;
  consulta.fecha();
  consulta.param(kTipo, tipo);
  consulta.param(kNumero, numero);
  AbreConsulta(consulta);
}

void TColecaoBeneficiario::AbreDoAtual(bd::Consulta& consulta) { AbreEm(consulta, TipoAtual(), m_atual.GetBase()); }

QString TColecaoBeneficiario::TipoAtual() const { return QString::number(m_atual.GetTipo()); }

bool TColecaoBeneficiario::TornaAtual(bd::Consulta& consulta) {
  if (!TemLinhas(consulta)) return false;
  m_consultaAtual = &consulta;
  return true;
}

void TColecaoBeneficiario::AcompanhaBuscado(const TContribuinte& beneficiario) {
  if (&beneficiario != &m_atual) beneficiario.CopiaPara(m_atual);
}

void TColecaoBeneficiario::CarregaObjeto(TContribuinte& beneficiario, bd::Consulta& dados) {
  if (!TemLinhas(dados) || Vazia()) {
    beneficiario.LimpaTudo();
    return;
  }
  const QString numero = dados.campo(QStringLiteral("NR_PF_PJ")).texto();
  const bool pessoa = dados.campo(QStringLiteral("IN_PF_PJ")).texto() == u"1";
  beneficiario.SetNiPelaBaseComErro(numero.left(pessoa ? 9 : 12));
  beneficiario.GetNome().SetNomeComErro(dados.campo(QStringLiteral("NM_NM_EMPR")).texto());
  AcompanhaBuscado(beneficiario);
}

bool TColecaoBeneficiario::Localiza(TContribuinte& beneficiario) {
  if (!m_pronta || m_modoLista) return false;
  m_consultaLista.fecha();
  m_consultaLista.param(kTipo, QString::number(beneficiario.GetTipo()));
  m_consultaLista.param(kNumero, beneficiario.GetBase());
  AbreConsulta(m_consultaLista);
  return TemLinhas(m_consultaLista);
}

bool TColecaoBeneficiario::Busca(TBeneficiarioTolv& beneficiario) {
  if (Localiza(beneficiario)) {
    CarregaObjeto(beneficiario, m_consultaLista);
    m_noInicio = m_noFim = Vazia();
    m_consultaAtual = &m_consultaLista;
    return true;
  }
  beneficiario.GetNome().Limpar();
  // The next move, and the question of income, start from the number asked for.
  AcompanhaBuscado(beneficiario);
  return false;
}

bool TColecaoBeneficiario::Posiciona(TBeneficiarioTolv& beneficiario) {
  if (!m_consultaAtual->aberta()) AbreConsulta(*m_consultaAtual);
  const QString nome = beneficiario.GetNome().GetValor();
  const QString base = beneficiario.GetBase();
  if (Localiza(beneficiario)) {
    const QList<bd::Dado> chave{QString::number(beneficiario.GetTipo()), base};
    auto localiza = [&chave](bd::Consulta& consulta) {
      return TemLinhas(consulta) && consulta.modo() == bd::Consulta::Modo::Cache &&
             consulta.localiza(QStringLiteral("IN_PF_PJ;NR_PF_PJ"), chave, {false, true});
    };
    bool achou = localiza(*m_consultaAtual);
    if (!achou) {
      AbreConsulta(*m_consultaAtual);
      achou = localiza(*m_consultaAtual);
    }
    if (!achou) {
      AbreConsulta(m_consultaLista);
      if (localiza(m_consultaLista)) m_consultaAtual = &m_consultaLista;
    }
    CarregaObjeto(beneficiario, *m_consultaAtual);
    m_noInicio = m_noFim = false;
    return true;
  }
  beneficiario.GetNome().Limpar();
  if (!nome.isEmpty()) beneficiario.GetNome().SetNomeComErro(nome);
  if (!base.isEmpty()) beneficiario.SetNiComErro(base + TNiContribuinte::CalculaDVNi(base));
  AcompanhaBuscado(beneficiario);
  return false;
}

NavegacaoJanelas::Ligacao TColecaoBeneficiario::LigacaoJanelas() {
  NavegacaoJanelas::Ligacao l;
  l.abre = [this](bd::Consulta& consulta) { AbreConsulta(consulta); };
  // The current beneficiary, copied from every row loaded, gives the position.
  l.posiciona = [this](bd::Consulta& janela, NavegacaoJanelas::Janela qual, const bd::Consulta*) {
    switch (qual) {
      case NavegacaoJanelas::kPrimeira:
        janela.param(kTipo, kTipoInicio);
        janela.param(kNumero, kNumeroInicio);
        break;
      case NavegacaoJanelas::kUltima:
        janela.param(kTipo, kTipoFim);
        janela.param(kNumero, kNumeroFim);
        break;
      default:
        janela.param(kTipo, TipoAtual());
        janela.param(kNumero, m_atual.GetBase());
        break;
    }
  };
  l.semPosicao = [this] { return m_atual.GetNiFormatado().isEmpty(); };
  l.total = [this] { return m_total; };
  return l;
}

void TColecaoBeneficiario::Primeiro() {
  if (m_modoLista) {
    AbreConsulta(m_consultaLista);
    m_consultaAtual = &m_consultaLista;
    return;
  }
  if (m_pronta) m_janelas.Primeiro();
}

void TColecaoBeneficiario::Ultimo() {
  if (m_modoLista) {
    while (m_consultaLista.aberta() && !m_consultaLista.eof()) m_consultaLista.proximo();
    return;
  }
  if (m_pronta) m_janelas.Ultimo();
}

void TColecaoBeneficiario::Anterior() {
  if (!m_modoLista && m_pronta) m_janelas.Anterior();
}

void TColecaoBeneficiario::Proximo() {
  if (m_modoLista) {
    if (m_consultaLista.aberta()) m_consultaLista.proximo();
    return;
  }
  if (m_pronta) m_janelas.Proximo();
}

void TColecaoBeneficiario::Reposiciona() {
  if (AtualTemLinhas()) return;
  if (Localiza(m_atual)) {
    m_consultaLista.primeiro();
    m_consultaAtual = &m_consultaLista;
  }
}

bool TColecaoBeneficiario::CarregaPrimeiro(TContribuinte& beneficiario) {
  Primeiro();
  CarregaObjeto(beneficiario, *m_consultaAtual);
  m_noInicio = true;
  m_noFim = Vazia();
  return Vazia();
}

std::function<void(bd::Consulta&)> TColecaoBeneficiario::Carregador(TContribuinte& beneficiario) {
  return [this, &beneficiario](bd::Consulta& dados) { CarregaObjeto(beneficiario, dados); };
}

bool TColecaoBeneficiario::CarregaAnterior(TContribuinte& beneficiario) {
  if (!m_modoLista) Anterior();
  return CarregaVoltando(Carregador(beneficiario));
}

bool TColecaoBeneficiario::CarregaProximo(TContribuinte& beneficiario) {
  Proximo();
  return CarregaAvancando(Carregador(beneficiario));
}

bool TColecaoBeneficiario::CarregaUltimo(TContribuinte& beneficiario) {
  Ultimo();
  CarregaObjeto(beneficiario, *m_consultaAtual);
  m_noFim = true;
  m_noInicio = Vazia();
  return Vazia();
}

void TColecaoBeneficiario::CarregaAtual(TContribuinte& beneficiario) {
  if (!m_modoLista) Reposiciona();
  if (AtualTemLinhas()) CarregaObjeto(beneficiario, *m_consultaAtual);
}

bool TColecaoBeneficiario::PrimeiroRra(TContribuinte& beneficiario) {
  if (!m_pronta) return true;
  AbreEm(*m_rraInicio, kTipoInicio, kNumeroInicio);
  TornaAtual(*m_rraInicio);
  CarregaObjeto(beneficiario, *m_rraInicio);
  m_noInicio = true;
  m_noFim = Vazia();
  return Vazia();
}

bool TColecaoBeneficiario::UltimoRra(TContribuinte& beneficiario) {
  if (!m_pronta) return true;
  AbreEm(*m_rraAntes, kTipoFim, kNumeroFim);
  if (TornaAtual(*m_rraAntes)) m_rraAntes->ultimo();
  CarregaObjeto(beneficiario, *m_rraAntes);
  m_noFim = true;
  m_noInicio = Vazia();
  return Vazia();
}

void TColecaoBeneficiario::ProximoRra(TContribuinte& beneficiario) {
  if (!m_pronta) return;
  bd::Consulta& atual = *m_consultaAtual;
  bool abreDepois = !atual.aberta();
  if (!abreDepois) {
    atual.proximo();
    abreDepois = atual.eof() && &atual != m_rraAntes.get();
  }
  if (abreDepois) {
    AbreDoAtual(*m_rraDepois);
    if (!TornaAtual(*m_rraDepois) && !atual.aberta()) m_consultaAtual = m_rraDepois.get();
  }
  CarregaAvancando(Carregador(beneficiario));
}

void TColecaoBeneficiario::AnteriorRra(TContribuinte& beneficiario) {
  if (!m_pronta) return;
  if (m_atual.GetNiFormatado().isEmpty()) {
    AbreEm(*m_rraAntes, kTipoFim, kNumeroFim);
    if (TornaAtual(*m_rraAntes)) m_rraAntes->ultimo();
    return;
  }
  AbreDoAtual(*m_rraAntesAtual);
  if (TornaAtual(*m_rraAntesAtual)) m_rraAntesAtual->ultimo();
  CarregaVoltando(Carregador(beneficiario));
}

void TColecaoBeneficiario::LocalizaRra(TContribuinte& beneficiario) {
  if (!m_pronta) return;
  if (!beneficiario.GetNiDigitos().isEmpty()) AcompanhaBuscado(beneficiario);
  // One below the base, so that the list starts at the beneficiary itself.
  QString inicio = kNumeroInicio;
  const QString base = m_atual.GetBase();
  bool numero = false;
  const qlonglong valor = base.toLongLong(&numero);
  if (!base.isEmpty() && numero)
    inicio = QString::number(valor - 1).rightJustified(m_atual.GetTipo() == kNiCnpj ? 12 : 9, u'0');
  AbreEm(*m_rraInicio, TipoAtual(), inicio);
  if (TornaAtual(*m_rraInicio)) CarregaObjeto(beneficiario, *m_rraInicio);
}

QString TColecaoBeneficiario::GetNiLimite(bool ascendente) {
  if (!m_pronta) return {};
  // The procedures return the nearest beneficiary first: the first row is the limit.
  bd::Consulta limite(*GetTransacao(),
                      ascendente ? QStringLiteral("Select first 1 NR_PF_PJ As NI from BUSCA_BENEFICIARIO_RRA_PROX(:IN_PF_PJ_IN, :NR_PF_PJ_IN)")
                                 : QStringLiteral("Select first 1 NR_PF_PJ As NI from BUSCA_BENEFICIARIO_RRA_ANT(:IN_PF_PJ_IN, :NR_PF_PJ_IN)"),
                      bd::Consulta::Modo::Sequencial);
  limite.param(kTipo, ascendente ? kTipoInicio : kTipoFim);
  limite.param(kNumero, ascendente ? kNumeroInicio : kNumeroFim);
  if (!AbreDataSet(limite) || limite.vazia()) return {};
  return limite.campo(QStringLiteral("NI")).texto();
}

bool TColecaoBeneficiario::PossuiRendimentos() {
  if (!m_pronta) return false;
  bd::Consulta consulta(*GetTransacao(),
                        QStringLiteral("Select BENEFICIARIO_COM_RENDIMENTO(:IN_PF_PJ, :NR_PF_PJ, 1) As TEM from RDB$DATABASE"),
                        bd::Consulta::Modo::Sequencial);
  consulta.param(QStringLiteral("IN_PF_PJ"), TipoAtual());
  consulta.param(QStringLiteral("NR_PF_PJ"), m_atual.GetBase().rightJustified(m_atual.GetTipo() == kNiCnpj ? 12 : 9, u'0'));
  if (!AbreDataSet(consulta) || consulta.vazia()) return false;
  return consulta.campo(QStringLiteral("TEM")).inteiro() == 1;
}
