#include "nucleo/TTolvItemGridValida.h"

#include <QString>

#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

constexpr uint16_t kLimiteRendimento = 54;
constexpr uint16_t kDeducaoMaiorMolestia = 144;
constexpr uint16_t kRetencaoDeducaoMaior = 145;
constexpr uint16_t kRetencaoDeducaoIgual = 146;
constexpr uint16_t kCompensacaoMaior = 147;
constexpr uint16_t kCompensacaoIgual = 148;
constexpr uint16_t kDependente2014 = 149;
constexpr uint16_t kDependente2013 = 150;
constexpr uint16_t kRetidoMaior = 151;
constexpr uint16_t kRetidoIgual = 152;
constexpr uint16_t kRetidoCompensacaoMaior = 153;
constexpr uint16_t kRetidoCompensacaoIgual = 154;
constexpr uint16_t kDeducaoDepositoMaior = 155;
constexpr uint16_t kDeducaoDepositoIgual = 156;
constexpr uint16_t kNaoRetidoMaior = 157;
constexpr uint16_t kNaoRetidoIgual = 158;
constexpr uint16_t kDepositoMaior = 159;
constexpr uint16_t kDepositoIgual = 160;
constexpr uint16_t kNaoRetidoDepositoMaior = 161;
constexpr uint16_t kNaoRetidoDepositoIgual = 162;
constexpr uint16_t kRetidoListadoMaior = 163;
constexpr uint16_t kRetidoListadoIgual = 164;
constexpr uint16_t kIsento65_2014 = 227;
constexpr uint16_t kIsento65_2013 = 228;
constexpr uint16_t kVoluntarioCopa = 306;
constexpr uint16_t kIsento65Empresa = 310;
constexpr uint16_t kMolestia0561 = 311;

// The codes that keep no deduction of their own and still get the withheld-only check, and the
// codes whose withheld tax is compared with the income (both lists are the same codes).
const QString kCodigosExcluidos = QStringLiteral(
    "3746,3770,4085,4397,4407,4409,5952,5960,5979,5987,6147,6175,6188,6190,6228,6230,6243,6256,8739,8767,8850,"
    "8863,9060");
const QString& kCodigosIncluidos = kCodigosExcluidos;

// The monthly dependants deduction of each year, in cents.
constexpr int64_t kDependente2013Centavos = 17197;
constexpr int64_t kDependente2014Centavos = 17971;

bool NaLista(const QString& codigo, const QString& lista) { return !codigo.isEmpty() && lista.contains(codigo); }

Valor V(const TMonetario& valor) { return valor.GetValorMonetario(); }

Valor Reais(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

bool MesMaioADezembro(int mes) { return mes >= 5 && mes <= 12; }

}  // namespace

uint16_t TTolvItemGridValida::RetiraCodigo() {
  if (m_fila.empty()) return 0;
  const uint16_t codigo = m_fila.front();
  m_fila.pop_front();
  return codigo;
}

void TTolvItemGridValida::Adiciona(uint16_t codigo) {
  if (codigo != 0) m_fila.push_back(codigo);
}

void TTolvItemGridValida::SelecionaVerificacoes(TTolvItem& linha) {
  m_linha = &linha;
  m_fila.clear();
  m_verificacoes = {};
  m_verificacoes.limiteRendimento = true;
  const TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  // The alimony deduction alone does not count as a code with deductions.
  if (codigo.GetDeducaoAnexo() || codigo.GetDeducaoPO() || codigo.GetDeducaoPP() || codigo.GetDeducaoDP()) {
    m_verificacoes.retencaoDeducoes = true;
    m_verificacoes.deducoesDeposito = true;
  } else {
    m_verificacoes.retido = !NaLista(codigo.GetCodigo(), kCodigosExcluidos);
    m_verificacoes.codigoListado = NaLista(codigo.GetCodigo(), kCodigosIncluidos);
  }
  if (codigo.GetDeducaoDP()) {
    m_verificacoes.dependentes = true;
    m_verificacoes.dependentesJudicial = true;
  }
  if (codigo.GetSubJudice()) m_verificacoes.naoRetido = true;
}

void TTolvItemGridValida::ValidaMesRendimentos(TTolvItem& linha, int mes) {
  SelecionaVerificacoes(linha);
  if (m_verificacoes.retencaoDeducoes) ValidaRetencaoDeducoes(mes);
  if (m_verificacoes.dependentes) ValidaDependentes(false, mes);
  if (m_verificacoes.retido) ValidaRetido(mes);
  if (m_verificacoes.codigoListado) ValidaRetidoRendimento(mes);
  if (m_verificacoes.limiteRendimento) ValidaLimiteRendimento(mes);
}

void TTolvItemGridValida::ValidaMesSubJudice(TTolvItem& linha, int mes) {
  SelecionaVerificacoes(linha);
  if (m_verificacoes.deducoesDeposito) ValidaDeducoesDeposito(mes);
  if (m_verificacoes.dependentesJudicial) ValidaDependentes(true, mes);
  if (m_verificacoes.codigoListado) ValidaNaoRetidoDeposito(mes);
  if (m_verificacoes.naoRetido) ValidaSubJudiceCompensacao(mes);
}

void TTolvItemGridValida::ValidaRetencaoDeducoes(int mes) {
  TRendimentosTributaveis& t = m_linha->GetTributaveis();
  TCompensacao& c = m_linha->GetCompensacao();
  const Valor rendimento = V(t.GetRendimento(mes));
  const Valor deducao = V(t.GetDeducao(mes));
  const Valor retido = V(t.GetRetido(mes));
  const Valor molestia = V(t.GetMolestia(mes));
  const Valor anoAtual = V(c.GetAnoAtual(mes));
  const Valor anoAnterior = V(c.GetAnoAnterior(mes));
  const Valor soma = anoAtual + anoAnterior + retido + deducao;
  const bool algumValor = !retido.ehZero() || !deducao.ehZero() || !anoAtual.ehZero() || !anoAnterior.ehZero();
  if (algumValor && soma >= rendimento) {
    const Valor retidoDeducao = retido + deducao;
    if (retidoDeducao >= rendimento && retidoDeducao > Valor()) {
      const bool molestiaGrave = m_linha->GetInMolestia().GetValor() == u"S";
      if (!molestiaGrave || rendimento > Valor() || molestia.ehZero())
        Adiciona(retidoDeducao > rendimento ? kRetencaoDeducaoMaior : kRetencaoDeducaoIgual);
      // Exempt illness income without taxable income: the deductions other than dependants'
      // may not exceed it.
      if (molestiaGrave && rendimento.ehZero() && deducao - V(t.GetDeducaoDP(mes)) > molestia)
        Adiciona(kDeducaoMaiorMolestia);
    } else {
      Adiciona(soma > rendimento ? kCompensacaoMaior : kCompensacaoIgual);
    }
  }
  const QString& ano = m_linha->GetDeclaracao().GetAnoCalendario();
  if (m_linha->GetCodigoRetencao().GetCodigo() == u"0561" && MesMaioADezembro(mes) && ano >= u"2013" &&
      molestia > Valor())
    Adiciona(kMolestia0561);
}

void TTolvItemGridValida::ValidaDependentes(bool judicial, int mes) {
  const TRendimentosTributaveis& serie =
      judicial ? static_cast<const TRendimentosTributaveis&>(m_linha->GetSubJudice()) : m_linha->GetTributaveis();
  const Valor valor = V(serie.GetSerie(TRendimentosTributaveis::kDeducaoDP).Mes(mes));
  if (valor < Valor::deCentavos(1)) return;
  // Whole cents divided by the monthly amount per dependant: exact, no binary fraction.
  const int64_t centavos = valor.truncado(2).dezMilesimos() / (Valor::kEscala / 100);
  const QString& ano = m_linha->GetDeclaracao().GetAnoCalendario();
  if (ano == u"2013") {
    if (centavos % kDependente2013Centavos != 0) Adiciona(kDependente2013);
    return;
  }
  if (ano >= u"2014" && centavos % kDependente2014Centavos != 0) Adiciona(kDependente2014);
}

void TTolvItemGridValida::ValidaRetido(int mes) {
  TRendimentosTributaveis& t = m_linha->GetTributaveis();
  TCompensacao& c = m_linha->GetCompensacao();
  const Valor rendimento = V(t.GetRendimento(mes));
  const Valor retido = V(t.GetRetido(mes));
  const Valor anoAtual = V(c.GetAnoAtual(mes));
  const Valor anoAnterior = V(c.GetAnoAnterior(mes));
  if (retido.ehZero() && anoAtual.ehZero() && anoAnterior.ehZero()) return;
  const Valor soma = anoAtual + anoAnterior + retido;
  if (soma < rendimento) return;
  if (retido >= rendimento)
    Adiciona(retido > rendimento ? kRetidoMaior : kRetidoIgual);
  else
    Adiciona(soma > rendimento ? kRetidoCompensacaoMaior : kRetidoCompensacaoIgual);
}

void TTolvItemGridValida::ValidaDeducoesDeposito(int mes) {
  TSubJudice& s = m_linha->GetSubJudice();
  const Valor rendimento = V(s.GetRendimento(mes));
  const Valor soma = V(s.GetDeducao(mes)) + V(s.GetDeposito(mes));
  if (soma > rendimento)
    Adiciona(kDeducaoDepositoMaior);
  else if (!rendimento.ehZero() && soma == rendimento)
    Adiciona(kDeducaoDepositoIgual);
}

void TTolvItemGridValida::ValidaRetidoRendimento(int mes) {
  TRendimentosTributaveis& t = m_linha->GetTributaveis();
  const Valor retido = V(t.GetRetido(mes));
  if (retido.ehZero()) return;
  const Valor rendimento = V(t.GetRendimento(mes));
  if (retido > rendimento)
    Adiciona(kRetidoListadoMaior);
  else if (retido == rendimento)
    Adiciona(kRetidoListadoIgual);
}

void TTolvItemGridValida::ValidaNaoRetidoDeposito(int mes) {
  TSubJudice& s = m_linha->GetSubJudice();
  const Valor rendimento = V(s.GetRendimento(mes));
  const Valor naoRetido = V(s.GetRetido(mes));
  const Valor deposito = V(s.GetDeposito(mes));
  if (naoRetido.ehZero() && deposito.ehZero()) return;
  if (naoRetido + deposito < rendimento) return;
  if (naoRetido >= rendimento || deposito >= rendimento) {
    if (naoRetido > rendimento)
      Adiciona(kNaoRetidoMaior);
    else if (naoRetido == rendimento)
      Adiciona(kNaoRetidoIgual);
    if (deposito > rendimento)
      Adiciona(kDepositoMaior);
    else if (deposito == rendimento)
      Adiciona(kDepositoIgual);
    return;
  }
  Adiciona(naoRetido + deposito > rendimento ? kNaoRetidoDepositoMaior : kNaoRetidoDepositoIgual);
}

void TTolvItemGridValida::ValidaSubJudiceCompensacao(int mes) {
  TRendimentosTributaveis& t = m_linha->GetTributaveis();
  TCompensacao& c = m_linha->GetCompensacao();
  const Valor naoRetido = V(m_linha->GetSubJudice().GetRetido(mes));
  if (naoRetido.ehZero()) return;
  // Against the taxable income of the line, not the suspended income.
  const Valor rendimento = V(t.GetRendimento(mes));
  const Valor soma = V(t.GetRetido(mes)) + V(t.GetDeducao(mes)) + V(c.GetAnoAtual(mes)) + V(c.GetAnoAnterior(mes)) +
                     naoRetido;
  if (soma >= rendimento) Adiciona(soma > rendimento ? kCompensacaoMaior : kCompensacaoIgual);
}

void TTolvItemGridValida::ValidaLimiteRendimento(int mes) {
  if (V(m_linha->GetTributaveis().GetRendimento(mes)) > Reais("100.000,00")) Adiciona(kLimiteRendimento);
}

void TTolvItemGridValida::ValidaMesIsentos(TTolvItem& linha, int mes) {
  TRendimentosIsentos& isentos = linha.GetIsentos();
  TTolv& declaracao = linha.GetDeclaracao();
  const QString& ano = declaracao.GetAnoCalendario();
  const Valor salarioMinimo = declaracao.GetSituacaoEspecial() ? Reais("674,95") : Reais("622,00");
  Valor cincoSalarios;
  for (int i = 0; i < 5; ++i) cincoSalarios += salarioMinimo;
  if (V(isentos.GetCopa(mes)) > cincoSalarios) Adiciona(kVoluntarioCopa);
  const Valor aposentado65 = V(isentos.GetRip65(mes));
  if (ano == u"2014") {
    if (!aposentado65.ehZero() && aposentado65 > Reais("1.787,77")) Adiciona(kIsento65_2014);
  } else if (ano == u"2013") {
    if (!aposentado65.ehZero() && aposentado65 > Reais("1.710,78")) Adiciona(kIsento65_2013);
  }
  if (declaracao.GetContribuinte().GetTipo() == kNiCnpj && linha.GetCodigoRetencao().GetCodigo() == u"0561" &&
      MesMaioADezembro(mes) && ano >= u"2013" && aposentado65 > Valor())
    Adiciona(kIsento65Empresa);
}
