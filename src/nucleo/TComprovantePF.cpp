#include "nucleo/TComprovantePF.h"

#include "nucleo/NiContribuinte.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

using T = TTotaisTolvItem;

bool PossuiDeducoes(const TBeneficiarioTolv& beneficiario) {
  return !beneficiario.GetDeclaracao() || beneficiario.GetDeclaracao()->GetPossuiDeducoes();
}

// The codes whose other exempt income includes tax abated for pension contributions of 1989 to
// 1995, and the code of profit sharing.
bool CodigoPrevidencia(const QString& codigo) {
  return codigo == u"3223" || codigo == u"3540" || codigo == u"3556" || codigo == u"3579";
}
constexpr char16_t kCodigoPlr[] = u"3562";

QString Dinheiro(Valor valor) { return valor.formata(2, true); }

void Soma(TMonetario& destino, Valor parcela) {
  destino.SetValorMonetario(destino.GetValorInterno() + parcela);
}

// A number stored without its check digits, formatted with them; empty when there is none.
QString NiFormatado(const QString& base) {
  if (base.isEmpty()) return {};
  return TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base));
}

// An amount of a health-plan entry in the money format; the entry as it is when it is not one.
QString ValorEntrada(const QString& texto) {
  const auto valor = Valor::tenta(texto);
  return valor ? Dinheiro(*valor) : texto;
}

}  // namespace

TComprovantePF::TComprovantePF(TBeneficiarioTolv& beneficiario)
    : TComprovante(beneficiario), m_quadro3(PossuiDeducoes(beneficiario)) {
  if (const TTolv* declaracao = beneficiario.GetDeclaracao())
    m_quadro4.GetLinha01().SetAnoCalendario(declaracao->GetAnoCalendario());
}

TComprovantePF::~TComprovantePF() = default;

bool TComprovantePF::GetModificado() const {
  if (!m_modificado) {
    m_modificado = m_quadro3.GetModificado() || m_quadro4.GetModificado() || m_quadro5.GetModificado() ||
                   GetInfoComplementar().GetModificado() || m_natureza.GetModificado();
    for (size_t i = 0; !m_modificado && i < m_parciais.size(); ++i) m_modificado = m_parciais[i]->GetModificado();
  }
  return m_modificado;
}

void TComprovantePF::SetModificado(bool modificado) {
  m_modificado = modificado;
  m_quadro3.SetModificado(modificado);
  m_quadro4.SetModificado(modificado);
  m_quadro5.SetModificado(modificado);
  GetInfoComplementar().SetModificado(modificado);
  m_natureza.SetModificado(modificado);
  for (const auto& parcial : m_parciais) parcial->SetModificado(modificado);
}

void TComprovantePF::AdicionaItem(TTolvItem& linha) {
  TComprovante::AdicionaItem(linha);
  const QString& regime = linha.GetCodigoRetencao().GetRegime();
  if (regime == u"F") return;
  m_totais.push_back(std::make_unique<TTotaisTolvItem>(linha));
  TTotaisTolvItem& t = *m_totais.back();
  // A tie keeps the earlier line.
  if (!m_principal || t.GetValor(T::kRendimento) > m_principal->GetValor(T::kRendimento)) {
    m_principal = &t;
    m_natureza.SetValor(t.GetCodigoRetencao().GetResumo());
  }
  if (regime == u"C")
    AplicaRegimeC(linha, t);
  else if (regime == u"E")
    AplicaRegimeE(linha, t);
  else if (regime == u"P")
    AplicaRegimeP(t);
  Soma(m_quadro5.GetLinha01(), t.GetValor(T::kDecimoTerceiroLiquido));
  AplicaNotas(linha, t);
}

void TComprovantePF::AplicaRegimeC(TTolvItem& linha, TTotaisTolvItem& t) {
  TRendimentosIsentos& isentos = linha.GetIsentos();
  const Valor outros = isentos.GetAnualOutros().GetValorMonetario();
  // The medical residents' grant of month 13 counts, unlike the other monthly exempt series.
  const Valor bolsa = t.GetValor(T::kBolsa) + isentos.GetBolsa(13).GetValorMonetario();
  TQuadroRendIsentos& q4 = m_quadro4;
  Soma(q4.GetLinha01(), t.GetValor(T::kAposentadoria65));
  Soma(q4.GetLinha02(), t.GetValor(T::kDiarias));
  Soma(q4.GetLinha06(), t.GetValor(T::kIndenizacao));
  Soma(q4.GetSomaBolsa(), bolsa);
  Soma(q4.GetSomaCopa(), t.GetValor(T::kCopa));
  Soma(q4.GetSomaAbono(), t.GetValor(T::kAbono));
  Soma(q4.GetLinha03(), t.GetValor(T::kMolestia));
  Soma(q4.GetLinha04(), isentos.GetAnualLucrosDiv96().GetValorMonetario());
  Soma(q4.GetLinha05(), isentos.GetAnualTitularSocio().GetValorMonetario());
  Soma(q4.GetSomaOutros(), outros);
  Soma(q4.GetLinha07(), outros + t.GetValor(T::kAbono) + t.GetValor(T::kCopa) + bolsa);
  q4.AcrescentaFrases();
  q4.AcrescentaDescricao(isentos.GetAnualEspecificarOutros().GetValor());

  Soma(m_quadro3.GetLinha(1), t.GetValor(T::kRendimento));
  Soma(m_quadro3.GetLinha(5), t.GetValor(T::kImposto));
  Soma(m_quadro3.GetLinha(2), t.GetValor(T::kPrevidenciaOficial) + t.GetValor(T::kPrevidenciaOficialSubJudice));
  Soma(m_quadro3.GetLinha(3), t.GetValor(T::kPrevidenciaPrivada) + t.GetValor(T::kPrevidenciaPrivadaSubJudice));
  Soma(m_quadro3.GetLinha(4), t.GetValor(T::kPensaoAlimenticia) + t.GetValor(T::kPensaoAlimenticiaSubJudice));
}

void TComprovantePF::AplicaRegimeE(TTolvItem& linha, TTotaisTolvItem& t) {
  TRendimentosIsentos& isentos = linha.GetIsentos();
  Soma(m_quadro5.GetLinha02(), t.GetValor(T::kRendimento) - t.GetValor(T::kDeducoes) - t.GetValor(T::kImposto));
  m_quadro4.AcrescentaDescricao(isentos.GetAnualEspecificarOutros().GetValor());
  Soma(m_quadro4.GetLinha07(), isentos.GetAnualOutros().GetValorMonetario());
  Soma(m_quadro4.GetLinha03(), t.GetValor(T::kMolestia));
}

void TComprovantePF::AplicaRegimeP(TTotaisTolvItem& t) {
  m_parciais.push_back(std::make_unique<TRendimentoParcial>(t));
  TRendimentoParcial& parcial = *m_parciais.back();
  // Until the user types a partial amount the whole line counts in box 5.
  m_quadro3.GetTotalQ3L1().AdicionaSomando(parcial.GetRendimento());
  m_quadro3.GetTotalQ3L5().AdicionaSomando(parcial.GetImposto());
  m_quadro5.GetTotalLinha02().AdicionaSomando(parcial.GetRestoRendimento());
  m_quadro5.GetTotalLinha02().AdicionaSubtraendo(parcial.GetRestoImposto());
}

void TComprovantePF::AplicaNotas(TTolvItem& linha, const TTotaisTolvItem& t) {
  const QString& codigo = t.GetCodigoRetencao().GetCodigo();
  const Valor outros = linha.GetIsentos().GetAnualOutros().GetValorMonetario();
  if (CodigoPrevidencia(codigo) && !outros.ehZero()) {
    m_notaPrevidencia = true;
    m_valorPrevidencia += outros;
  }
  if (codigo == kCodigoPlr && !t.GetValor(T::kRendimento).ehZero()) {
    m_notaPlr = true;
    m_valorPlr += t.GetValor(T::kRendimento) - t.GetValor(T::kPensaoAlimenticia) -
                  linha.GetTributaveis().GetTotalRetido().GetValorMonetario();
  }
}

void TComprovantePF::Limpar() {
  m_parciais.clear();
  m_totais.clear();
  m_principal = nullptr;
  m_quadro3.Limpar();
  m_quadro4.Limpar();
  m_quadro5.Limpar();
  m_listaRra.Limpar();
  m_natureza.Limpar();
  m_notaPrevidencia = m_notaPlr = false;
  m_valorPrevidencia = m_valorPlr = Valor();
  TComprovante::Limpar();
}

QString TComprovantePF::GetResumoPrincipal() const {
  return m_principal ? m_principal->GetCodigoRetencao().GetResumo() : QString();
}

bool TComprovantePF::NaturezaPadrao() const {
  return m_natureza.GetValor().trimmed().toUpper() == GetResumoPrincipal().toUpper();
}

int TComprovantePF::IndiceParcial(const QString& codigo) const {
  for (size_t i = 0; i < m_parciais.size(); ++i)
    if (m_parciais[i]->GetCodigo() == codigo) return int(i);
  return -1;
}

void TComprovantePF::AjustaParcial(int indice) {
  if (indice < 0 || indice >= QuantidadeParciais()) return;
  TRendimentoParcial& p = *m_parciais[size_t(indice)];
  const Valor rendimentoTotal = p.GetRendimentoTotal().GetValorMonetario();
  const Valor impostoTotal = p.GetImpostoTotal().GetValorMonetario();
  TMonetario& rendimento = p.GetRendimento();
  TMonetario& imposto = p.GetImposto();
  rendimento.SetValorMonetario(std::min(rendimento.GetValorMonetario(), rendimentoTotal));
  imposto.SetValorMonetario(std::min(imposto.GetValorMonetario(), impostoTotal));
  imposto.SetValorMonetario(std::min(imposto.GetValorMonetario(), rendimento.GetValorMonetario()));
  // Box 5 may not be left with more tax than income.
  const Valor restoRendimento = p.GetRestoRendimento().GetValorMonetario();
  const Valor restoImposto = p.GetRestoImposto().GetValorMonetario();
  if (restoImposto > restoRendimento)
    imposto.SetValorMonetario(imposto.GetValorMonetario() + restoImposto - restoRendimento);
  imposto.SetValorMonetario(std::min(imposto.GetValorMonetario(), impostoTotal));
}

void TComprovantePF::AdicionaInfoIsentosOutros(QStringList& linhas) const {
  const Valor bolsa = m_quadro4.GetSomaBolsa().GetValorMonetario();
  const Valor copa = m_quadro4.GetSomaCopa().GetValorMonetario();
  const Valor abono = m_quadro4.GetSomaAbono().GetValorMonetario();
  if (bolsa + copa + abono > Valor()) {
    linhas << QStringLiteral("Rendimentos isentos outros:");
    if (copa > Valor())
      linhas << QStringLiteral(" - Benefícios indiretos e reembolso de despesas recebidos por Voluntário da Fifa, da "
                               "Subsidiária Fifa no Brasil ou do LOC: R$") +
                    Dinheiro(copa);
    if (bolsa > Valor())
      linhas << QStringLiteral(" - Bolsas de estudo pagos ou creditados aos médicos-residentes: R$ ") + Dinheiro(bolsa);
    if (abono > Valor()) linhas << QStringLiteral(" - Abono pecuniário: R$ ") + Dinheiro(abono);
  }
}

void TComprovantePF::AdicionaInfoRendimentos(QStringList& linhas) const {
  if (m_totais.size() <= 1) return;
  linhas << QStringLiteral("Os rendimentos seguintes estão informados na linha 01, quadro 3 e/ou linha 02, quadro 05:");
  for (const auto& t : m_totais)
    linhas << QStringLiteral(" - ") + t->GetCodigoRetencao().GetResumo() + QStringLiteral(": R$ ") +
                  Dinheiro(t->GetValor(T::kRendimento));
}

void TComprovantePF::AdicionaInfoSubJudice(QStringList& linhas) const {
  const qsizetype inicio = linhas.size();
  bool algum = false;
  // The income line, with the deposit beside it when there is one.
  const auto linhaValor = [&linhas](const char16_t* rotulo, Valor valor, Valor deposito) {
    const QString texto = QString::fromUtf16(rotulo) + Dinheiro(valor);
    if (valor > Valor() && deposito.ehZero())
      linhas << texto;
    else if (!valor.negativo() && deposito > Valor())
      linhas << texto + QStringLiteral("   Depósito Judicial: R$ ") + Dinheiro(deposito);
  };
  for (const auto& t : m_totais) {
    const Valor decimo = t->GetValor(T::kDecimoTerceiroSubJudice);
    const Valor rendimento = t->GetValor(T::kRendimentoSubJudice);
    const Valor depositos = t->GetValor(T::kDepositos);
    const Valor deposito13 = t->GetValor(T::kDepositoDecimoTerceiro);
    if (!(decimo > Valor() || rendimento > Valor() || depositos > Valor() || deposito13 > Valor())) continue;
    algum = true;
    linhas << QStringLiteral(" - ") + t->GetCodigoRetencao().GetResumo() + QStringLiteral(":");
    linhaValor(u"    Rendimento Tributável: R$ ", rendimento, depositos);
    linhaValor(u"    Décimo Terceiro Salário: R$ ", decimo, deposito13);
  }
  if (linhas.size() - inicio == 1) {
    linhas.removeLast();
    return;
  }
  if (algum)
    linhas.insert(inicio, QString(232, u' ') +
                              QStringLiteral("Os rendimentos e os impostos depositados judicialmente, se for o caso, a "
                                             "seguir discriminados não foram adicionados às linhas 01 e 05 do Quadro 3, "
                                             "e linha 01 do Quadro 5, em razão de estarem com exigibilidade suspensa "
                                             "por determinação judicial."));
}

void TComprovantePF::AdicionaInfoPlanosSaude(QStringList& linhas) const {
  const QStringList& entradas = GetPlanosSaude();
  if (entradas.size() % 4 != 0) {
    linhas << entradas;
    return;
  }
  if (!linhas.isEmpty()) linhas << QStringLiteral("\r\n");
  if (!entradas.isEmpty()) linhas << QStringLiteral("Pagamentos a planos de saúde:");
  bool cabecalhoDependentes = false;
  for (qsizetype i = 0; i + 3 < entradas.size(); i += 4) {
    const QString& numero = entradas[i + 1];
    const QString& nome = entradas[i + 2];
    const QString valor = ValorEntrada(entradas[i + 3]);
    if (entradas[i] == u"|O|") {
      linhas << QStringLiteral("  Operadora: ") + NiFormatado(numero) + QStringLiteral(" - ") + nome +
                    QStringLiteral("\r\n") + QStringLiteral("   ") +
                    QStringLiteral("Valor pago no ano referente ao titular: ") +
                    QStringLiteral("R$ ") + valor.leftJustified(18);
      cabecalhoDependentes = false;
      continue;
    }
    if (!cabecalhoDependentes) {
      linhas << QStringLiteral("   Valor pago no ano referente aos dependentes:\r\n    ") +
                    QStringLiteral("CPF").leftJustified(14) + u'\t' + QStringLiteral("Nome").leftJustified(60) + u'\t' +
                    QStringLiteral("Valor") + QStringLiteral("\r\n");
      cabecalhoDependentes = true;
    }
    linhas << QStringLiteral("    ") + NiFormatado(numero).leftJustified(14) + u'\t' + nome.leftJustified(60, u' ', true) +
                  u'\t' + QStringLiteral("R$ ") + valor.rightJustified(13);
  }
}

void TComprovantePF::AdicionaInfoPrevidencia(QStringList& linhas) const {
  if (!m_notaPrevidencia || !(m_valorPrevidencia > Valor())) return;
  linhas << QString() << QStringLiteral("O total informado na linha 07 do Quadro 4 já inclui o valor abatido de imposto sobre a renda")
         << QStringLiteral(" relativo às contribuições efetuadas a título de previdência complementar no período compreendido")
         << QStringLiteral(" entre 1º de janeiro de 1989 a 31 de dezembro de 1995, correspondente a R$ ") +
                Dinheiro(m_valorPrevidencia) + u'.';
}

void TComprovantePF::AdicionaInfoPlr(QStringList& linhas) const {
  if (!m_notaPlr || !(m_valorPlr > Valor())) return;
  linhas << QString() << QStringLiteral("O total informado na linha 02 do Quadro 5 já inclui o valor total pago a título de PLR")
         << QStringLiteral(" correspondente a R$ ") + Dinheiro(m_valorPlr) + u'.';
}
