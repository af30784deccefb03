#include "nucleo/TTolvItem.h"

#include <initializer_list>

#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TTolv.h"

namespace {

constexpr int kDeclaranteBeneficiario = 1;
constexpr int kChaveInvalida = 8;
constexpr int kSomenteFundo = 17;
constexpr int kSomenteDeclaracao = 18;
constexpr int kCodigoPessoaFisica = 67;
constexpr int kCodigoPessoaJuridica = 68;
constexpr int kNaturezaNaoPrevista = 69;
constexpr int kCodigoInexistente = 72;
constexpr int kCodigoOutroAno = 73;
constexpr int kVigencia8045 = 117;
constexpr int kVigenciaEncerrada = 118;
constexpr int kVigencia2003Janeiro = 119;
constexpr int kVigencia2003Fevereiro = 120;
constexpr int kCodigoNaoJudicial = 123;
constexpr int kCodigoJusticaAdvogado = 143;
constexpr int kJusticaFederal = 176;
constexpr int kJusticaTrabalho = 177;
constexpr int kJusticaEstadual = 178;
constexpr int kProprioBeneficiario = 179;
constexpr int kSomenteProcesso = 183;
constexpr int kCodigoObrigatorio = 231;
constexpr int kCodigoRra = 291;

constexpr uint8_t kSemJustica = 255;
constexpr uint8_t kTribunalFederal = 0;
constexpr uint8_t kTribunalTrabalho = 1;
constexpr uint8_t kTribunalEstadual = 2;

bool Entre(const QString& codigo, std::initializer_list<const char16_t*> codigos) {
  for (const char16_t* c : codigos)
    if (codigo == QStringView(c)) return true;
  return false;
}

// Income, total deduction and tax of one month of a taxable series.
Valor RendimentoDeducaoImposto(TRendimentosTributaveis& serie, int mes) {
  return serie.GetRendimento(mes).GetValorMonetario() + serie.GetDeducao(mes).GetValorMonetario() +
         serie.GetRetido(mes).GetValorMonetario();
}

}  // namespace

TTolvItem::TTolvItem(TTolv& declaracao, TTolvAnexo& anexo)
    : m_indicadorAnexo(anexo.EhAnexoFC() ? QStringLiteral("1") : QStringLiteral("0")),
      m_beneficiario(&declaracao),
      m_anexo(&anexo),
      m_declaracao(&declaracao),
      m_deducaoEspecializada(declaracao.GetPossuiDeducoes()) {
  ArmaVerificacaoFundo();
  if (declaracao.GetErros()) SetErros(declaracao.GetErros());
  m_totalAno.AdicionaSomando(m_tributaveis.GetTotalRetido());
  m_totalAno.AdicionaSomando(m_compensacao.GetTotalAnoAtual());
  m_totalAno.AdicionaSomando(m_compensacao.GetTotalAnoAnterior());
  for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes) {
    TMonetarioTotal& total = m_totaisMes[size_t(mes - 1)];
    total.AdicionaSomando(m_tributaveis.GetRetido(mes));
    total.AdicionaSomando(m_compensacao.GetAnoAtual(mes));
    total.AdicionaSomando(m_compensacao.GetAnoAnterior(mes));
  }
}

TTolvItem::~TTolvItem() = default;

void TTolvItem::ArmaVerificacaoFundo() {
  // A fund or club annex has no court; its lines may not pay the fund itself.
  const bool fundo = m_anexo->EhAnexoFC() && m_anexo->GetTipoProcesso() == kSemJustica;
  m_beneficiario.SetVerificaFundo(fundo);
  if (!fundo) return;
  m_beneficiario.SetNiFundo(m_anexo->GetContribuinte().GetNiDigitos());
  m_beneficiario.SetAnexoFundo(m_anexo);
  m_beneficiario.SetTipoIdentificacao(m_anexo->GetContribuinte().GetTipoIdentificacao());
}

void TTolvItem::Limpa() {
  m_tolvItemDK.clear();
  m_tributaveis.ZeraValores();
  m_compensacao.ZeraValores();
  m_subJudice.ZeraValores();
  m_isentos.ZeraValores();
  m_beneficiario.LimpaTudo();
  // The fund check reads the owner's number when it checks.
  m_beneficiario.SetNiFundo(QString());
  m_codigo.Limpar();
  m_processo.Limpa();
  m_vara.Limpa();
  m_municipio.Limpa();
  m_dataLaudo.Limpa();
  m_inMolestia.Limpa();
}

void TTolvItem::CopiaPara(TTolvItem& destino) const {
  destino.m_deducaoEspecializada = m_deducaoEspecializada;
  destino.m_tolvItemDK = m_tolvItemDK;
  m_beneficiario.CopiaPara(destino.m_beneficiario);
  m_codigo.CopiaPara(destino.m_codigo);
  m_tributaveis.CopiaPara(destino.m_tributaveis);
  m_compensacao.CopiaPara(destino.m_compensacao);
  m_subJudice.CopiaPara(destino.m_subJudice);
  m_isentos.CopiaPara(destino.m_isentos);
  m_processo.CopiaPara(destino.m_processo);
  m_vara.CopiaPara(destino.m_vara);
  m_municipio.CopiaPara(destino.m_municipio);
  m_dataLaudo.CopiaPara(destino.m_dataLaudo);
  m_inMolestia.CopiaPara(destino.m_inMolestia);
}

void TTolvItem::SetErros(TErros* erros) {
  m_erros = erros;
  m_beneficiario.SetErros(erros);
  m_tributaveis.SetErros(erros);
  m_subJudice.SetErros(erros);
  m_isentos.SetErros(erros);
  m_compensacao.SetErros(erros);
}

void TTolvItem::SetModificado(bool modificado) {
  m_modificado = modificado;
  m_beneficiario.SetModificado(modificado);
  m_tributaveis.SetModificado(modificado);
  m_compensacao.SetModificado(modificado);
  m_subJudice.SetModificado(modificado);
  m_isentos.SetModificado(modificado);
  m_processo.SetAlterado(modificado);
  m_vara.SetAlterado(modificado);
  m_municipio.SetAlterado(modificado);
  m_dataLaudo.SetModificado(modificado);
  m_inMolestia.SetModificado(modificado);
}

bool TTolvItem::GetModificado() const {
  if (!m_modificado)
    m_modificado = m_beneficiario.GetModificado() || m_tributaveis.GetModificado() ||
                   m_compensacao.GetModificado() || m_subJudice.GetModificado() || m_processo.GetAlterado() ||
                   m_vara.GetAlterado() || m_municipio.GetAlterado() || m_isentos.GetModificado();
  return m_modificado;
}

TTolvItem& TTolvItem::SetCodigoRetencao(const TCodigoRetencao& codigo) {
  m_codigo = codigo;
  m_modificado = true;
  return *this;
}

TMonetarioTotal& TTolvItem::GetTotalMes(int mes) {
  if (mes == TSerieMensal::kMeses + 1) return m_totalAno;
  return m_totaisMes.at(size_t(mes - 1));
}

void TTolvItem::CalculaLiquidoMes(int mes, TMonetario& destino) {
  TRendimentosTributaveis& t = m_tributaveis;
  Valor liquido = t.GetRendimento(mes).GetValorMonetario();
  if (m_declaracao->GetPossuiDeducoes())
    liquido = liquido - t.GetDeducaoPO(mes).GetValorMonetario() - t.GetDeducaoPP(mes).GetValorMonetario() -
              t.GetDeducaoDP(mes).GetValorMonetario() - t.GetDeducaoPA(mes).GetValorMonetario();
  else
    liquido = liquido - t.GetDeducao(mes).GetValorMonetario();
  destino.SetValorMonetario(liquido - GetTotalMes(mes).GetValorMonetario());
}

void TTolvItem::ZeraDecimoTerceiro() {
  constexpr int k13 = TSerieMensal::kMeses;
  for (int serie = 0; serie < TRendimentosTributaveis::kSeries; ++serie)
    m_tributaveis.GetSerie(TRendimentosTributaveis::Serie(serie)).Mes(k13).SetValorMonetario(Valor());
  m_compensacao.GetAnoAtual(k13).SetValorMonetario(Valor());
  m_compensacao.GetAnoAnterior(k13).SetValorMonetario(Valor());
  // The suspended series has no illness income of its own to clear.
  for (TMonetario* valor : {&m_subJudice.GetRendimento(k13), &m_subJudice.GetDeducaoPO(k13),
                            &m_subJudice.GetDeducaoPP(k13), &m_subJudice.GetDeducaoDP(k13),
                            &m_subJudice.GetDeducaoPA(k13), &m_subJudice.GetDeducao(k13),
                            &m_subJudice.GetRetido(k13), &m_subJudice.GetDeposito(k13)})
    valor->SetValorMonetario(Valor());
  for (int serie = 0; serie < TRendimentosIsentos::kSeries; ++serie)
    m_isentos.GetSerie(TRendimentosIsentos::Serie(serie)).Mes(k13).SetValorMonetario(Valor());
}

void TTolvItem::ZeraMolestia() { m_tributaveis.ZeraMolestia(); }

bool TTolvItem::BuscaCodigo() { return m_anexo->GetColecaoCodigoRetencao().BuscaCodigo(m_codigo); }

int TTolvItem::Valida() {
  if (m_anexo->GetFonteDK().isEmpty() || m_declaracao->GetTolvDK().isEmpty()) return kChaveInvalida;
  if (const int codigo = m_beneficiario.ValidaContribuinte()) return codigo;
  if (const int codigo = ValidaCodigoRetencao()) return codigo;
  return ValidaDeclaranteBeneficiario();
}

int TTolvItem::ValidaCodigoRetencao() {
  const bool achou = BuscaCodigo();
  const QString codigo = m_codigo.GetCodigo().trimmed();
  if (!achou) return codigo.isEmpty() ? kCodigoObrigatorio : kCodigoInexistente;
  int resultado;
  if (codigo.isEmpty())
    resultado = kCodigoObrigatorio;
  else if (m_declaracao->GetAnoCalendario() != m_codigo.GetAno())
    resultado = kCodigoOutroAno;
  else
    resultado = ValidaSecaoCodigo();
  const uint8_t tipo = m_beneficiario.GetTipo();
  if (tipo == kNiCnpj && m_codigo.GetPfPjAmbos() == u"F") return kCodigoPessoaJuridica;
  if (tipo == kNiCpf && m_codigo.GetPfPjAmbos() == u"J") return kCodigoPessoaFisica;
  return resultado;
}

int TTolvItem::ValidaSecaoCodigo() {
  const QString codigo = m_codigo.GetCodigo().trimmed();
  const QString& anexoCodigo = m_codigo.GetAnexo();
  const int codigoRra = codigo == u"1889" ? kCodigoRra : 0;
  const uint8_t justica = m_anexo->GetTipoProcesso();
  if (m_linhaProcesso == 1) {
    if (anexoCodigo != u"2" && m_codigo.GetClasseJustica() == 0) return codigoRra ? codigoRra : kCodigoNaoJudicial;
    if (!m_anexo->EhAnexoFC()) return 0;
    m_declaracao->AtualizaIndicadoresAno();
    if (justica == kSemJustica || !m_declaracao->GetAnoApos2005()) return 0;
    if (justica == kTribunalTrabalho && codigo != u"5936") return kJusticaTrabalho;
    if (justica == kTribunalFederal && codigo != u"5928") return kJusticaFederal;
    if (justica == kTribunalEstadual && codigo != u"1895") return kJusticaEstadual;
    return 0;
  }
  if (m_indicadorAnexo == u"0" && anexoCodigo != u"0") {
    if (anexoCodigo == u"2") return kSomenteProcesso;
    return codigoRra ? codigoRra : kSomenteDeclaracao;
  }
  if (m_anexo->GetContribuinte().GetTipo() != kNiProcesso && justica == kSemJustica && m_indicadorAnexo == u"1" &&
      anexoCodigo != u"1")
    return codigoRra ? codigoRra : kSomenteFundo;
  const uint8_t natureza = m_declaracao->GetCodigoNatureza();
  if (m_codigo.GetNaturezas().contains(QString::number(natureza))) {
    if (!ProprioBeneficiario(true)) return 0;
    if (natureza == 1 || natureza == 2) return kDeclaranteBeneficiario;
    return RegraSocioOstensivo();
  }
  if (Entre(codigo, {u"5928", u"5936"}) && m_declaracao->GetInAdvogado()) return kCodigoJusticaAdvogado;
  return kNaturezaNaoPrevista;
}

bool TTolvItem::ProprioBeneficiario(bool mesmoNumero) const {
  const TContribuinte& declarante = m_anexo->GetContribuinte();
  if (mesmoNumero && declarante.GetNiDigitos() != m_beneficiario.GetNiDigitos()) return false;
  return declarante.GetRaiz() == m_beneficiario.GetRaiz() && !Entre(m_codigo.GetCodigo().trimmed(), {u"1708", u"3426"}) &&
         !m_anexo->EhAnexoFC() && declarante.GetTipo() == m_beneficiario.GetTipo() && m_codigo.GetAnexo() == u"0";
}

int TTolvItem::RegraSocioOstensivo() const { return m_declaracao->GetInOstensivo() ? 0 : kProprioBeneficiario; }

int TTolvItem::ValidaDeclaranteBeneficiario() {
  if (!BuscaCodigo()) return 0;
  const uint8_t tipo = m_beneficiario.GetTipo();
  if (m_codigo.GetPfPjAmbos() == u"F" && tipo == kNiCnpj) return kCodigoPessoaJuridica;
  if (m_codigo.GetPfPjAmbos() == u"J" && tipo == kNiCpf) return kCodigoPessoaFisica;
  const QString& declarante = m_anexo->GetContribuinte().GetNiDigitos();
  if (declarante.size() > 11 && declarante.left(8) == m_beneficiario.GetNiDigitos().left(8)) {
    // Another establishment of the declarant's own company.
    if (!ProprioBeneficiario(false)) return 0;
    const uint8_t natureza = m_declaracao->GetCodigoNatureza();
    if (natureza != 0 && natureza != 3 && natureza != 8) return kDeclaranteBeneficiario;
    return RegraSocioOstensivo();
  }
  // The very same number: every nature answers by the ostensive-partner rule.
  if (!ProprioBeneficiario(true)) return 0;
  return RegraSocioOstensivo();
}

int TTolvItem::ValidaCodigoAno() {
  return BuscaCodigo() && m_codigo.GetAno() != m_declaracao->GetAnoCalendario() ? kCodigoOutroAno : 0;
}

int TTolvItem::ValidaVigenciaCodigo() {
  const QString& ano = m_declaracao->GetAnoCalendario();
  const QString codigo = m_codigo.GetCodigo().trimmed();
  const bool encerrado = ano >= u"2002" && ((codigo == u"8045" && m_beneficiario.GetTipo() == kNiCpf) ||
                                            Entre(codigo, {u"6799", u"3249", u"3251"}));
  const bool ano2003 = ano == u"2003";
  const Valor zero;
  for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes) {
    if (encerrado && mes >= 2) {
      const Valor subJudice = RendimentoDeducaoImposto(m_subJudice, mes) + m_subJudice.GetDeposito(mes).GetValorMonetario();
      const Valor compensado = m_compensacao.GetAnoAtual(mes).GetValorMonetario() +
                               m_compensacao.GetAnoAnterior(mes).GetValorMonetario();
      if (RendimentoDeducaoImposto(m_tributaveis, mes) > zero || subJudice > zero || compensado > zero)
        return codigo == u"8045" ? kVigencia8045 : kVigenciaEncerrada;
    }
    if (ano2003) {
      const bool valores = RendimentoDeducaoImposto(m_tributaveis, mes) > zero;
      if (mes == 1 && valores && Entre(codigo, {u"6904", u"6891"})) return kVigencia2003Janeiro;
      if (mes <= 2 && valores && Entre(codigo, {u"6875", u"6883", u"9060", u"8863"})) return kVigencia2003Fevereiro;
    }
  }
  return 0;
}

bool DescricaoOutrosValida(const QString& texto) {
  const QString t = texto.trimmed().toLower();
  if (t.isEmpty()) return false;
  bool letra = false;
  int seguidos = 1;
  for (qsizetype i = 0; i < t.size(); ++i) {
    const QChar c = t.at(i);
    if (c == u'|') return false;
    if (i > 0 && c == t.at(i - 1)) {
      if (++seguidos >= 4) return false;
      if (c == u',' || c == u'.' || c == u':' || c == u';') return false;
    } else {
      seguidos = 1;
    }
    if (c >= u'a' && c <= u'z') letra = true;
  }
  return letra;
}
