#include "secoes/TzuqRra.h"

#include "nucleo/Erros.h"
#include "nucleo/ImpostoTabela.h"
#include "nucleo/TNatureza.h"
#include "nucleo/TTolv.h"

namespace {
constexpr uint16_t kDeclaranteBeneficiario = 1;
constexpr uint16_t kNaturezaInvalida = 279;
constexpr uint16_t kAdvogadoDeclarante = 288;
constexpr uint16_t kMesesSemRendimento = 283;
constexpr uint16_t kRendimentoSemMeses = 284;
constexpr uint16_t kDeducoesMaiores = 165;
constexpr uint16_t kDeducoesIguais = 166;
constexpr uint16_t kDataLaudoAusente = 226;
constexpr uint16_t kRetidoAcimaTabela = 285;
constexpr uint16_t kIsentoAntesLaudo = 224;
constexpr uint16_t kValoresZerados = 59;
constexpr uint16_t kSomaMesesExcedida = 286;
constexpr uint16_t kBotaoOk = TErro::kBotaoOk;
constexpr uint8_t kErro = 1;
constexpr uint8_t kAviso = 0;
const QString kSemLaudo = QStringLiteral("30/12/1899");

bool g_verificacaoEmCurso = false;
}  // namespace

TzuqRra::TzuqRra(TTolv* declaracao, uint8_t tipo)
    : m_beneficiario(kNiCpf), m_declaracao(declaracao), m_tipo(tipo) {
  m_beneficiario.SetTipo(kNiCpf);
  m_inMolestia.SetValor(QStringLiteral("N"));
  m_inMolestia.SetModificado(false);
}

std::unique_ptr<TzuqRra> TzuqRra::CreateSemDeclaracao(uint8_t tipo) { return std::make_unique<TzuqRra>(nullptr, tipo); }

TzuqRra::~TzuqRra() = default;

void TzuqRra::Limpar() {
  m_id = 0;
  m_beneficiario.LimpaTudo();
  m_advogado.LimpaTudo();
  m_natureza.Limpar();
  m_processo.Limpar();
  m_inMolestia.Limpa();
  m_inMolestia.SetValor(QStringLiteral("N"));
  m_dataLaudo.Limpa();
  m_valores.ZeraValores();
  m_valores.SetModificado(false);
}

void TzuqRra::SetErros(TErros* erros) {
  m_beneficiario.SetErros(erros);
  m_advogado.SetErros(erros);
}

uint8_t TzuqRra::ObjetoPendencia() const {
  if (m_tipo == 1) return kObjetoDeclarante;
  if (m_tipo == 2) return kObjetoJustica;
  return 0;
}

void TzuqRra::DefineVerificacaoEmCurso(bool emCurso) { g_verificacaoEmCurso = emCurso; }

bool TzuqRra::VerificacaoEmCurso() { return g_verificacaoEmCurso; }

QString TzuqRra::AbreviaturaMes(int mes) {
  static const char* const kMeses[] = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                       "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
  if (mes < 1 || mes > 12) return {};
  return QString::fromLatin1(kMeses[mes - 1]);
}

void TzuqRra::Adiciona(TErros& erros, uint16_t codigo, const QString& argumentos, uint8_t tipo,
                       const QString& campo, uint16_t botoes) const {
  erros.Adiciona(
      TErro::CreatePendencia(codigo, argumentos, tipo, botoes, 0, QString::number(m_id), campo, ObjetoPendencia()));
}

QString TzuqRra::ArgumentoMes(int mes) const {
  return QStringLiteral("1889 ") + m_beneficiario.GetNiFormatado() + u' ' + AbreviaturaMes(mes);
}

TErros& TzuqRra::VerificaItem(TErros& erros) {
  const QString cpf = QStringLiteral("cpfBeneficiario");
  const QString niAdvogado = QStringLiteral("niAdvogado");
  const TContribuinte& declarante = m_declaracao->GetContribuinte();

  if (const int codigo = m_beneficiario.Valida(m_beneficiario.GetNiDigitos()))
    Adiciona(erros, uint16_t(codigo), {}, kErro, cpf);
  if (declarante.GetTipo() == kNiCpf && declarante.GetNiDigitos() == m_beneficiario.GetNiDigitos())
    Adiciona(erros, kDeclaranteBeneficiario, m_beneficiario.GetNiFormatado(), kErro, cpf);
  QString nome = m_beneficiario.GetNome().GetValor();
  if (const int codigo = TNomeContribuinte::ValidaNome(nome, m_beneficiario.GetTipo(), false))
    Adiciona(erros, uint16_t(codigo), {}, kErro, QStringLiteral("nomeBeneficiario"));
  if (m_natureza.ValidaNatureza()) Adiciona(erros, kNaturezaInvalida, {}, kErro, QStringLiteral("natureza"));
  m_processo.SetOpcional(m_tipo == 1);
  if (const uint16_t codigo = m_processo.ValidaProcesso()) Adiciona(erros, codigo, {}, kErro, QStringLiteral("processo"));

  if (!m_advogado.GetBase().isEmpty()) {
    if (const int codigo = m_advogado.Valida(m_advogado.GetNiDigitos()))
      Adiciona(erros, uint16_t(codigo), {}, kErro, niAdvogado);
    if (m_advogado.GetTipo() == declarante.GetTipo() && m_advogado.GetNiDigitos() == declarante.GetNiDigitos()) {
      const QString argumentos = m_advogado.GetTipo() == kNiCpf ? QStringLiteral("CPF;advogado;CPF")
                                                               : QStringLiteral("CNPJ;escritório de advocacia;CNPJ");
      Adiciona(erros, kAdvogadoDeclarante, argumentos, kErro, niAdvogado);
    }
    QString nomeAdvogado = m_advogado.GetNome().GetValor();
    if (const int codigo = TNomeContribuinte::ValidaNome(nomeAdvogado, m_advogado.GetTipo(), false))
      Adiciona(erros, uint16_t(codigo), {}, kErro, QStringLiteral("nomeAdvogado"));
  }

  for (int mes = 1; mes <= 12; ++mes) VerificaMes(mes, erros);
  return erros;
}

void TzuqRra::VerificaMes(int mes, TErros& erros) {
  const QString campo = QStringLiteral("valores");
  const Valor rendimento = m_valores.GetRendimento(mes).GetValorMonetario();
  const Valor molestia = m_valores.GetMolestia(mes).GetValorMonetario();
  const Valor meses = m_valores.GetMeses(mes).GetValorMonetario();
  const bool comRendimento = !rendimento.ehZero() || !molestia.ehZero();

  if (g_verificacaoEmCurso && !comRendimento && !meses.ehZero())
    Adiciona(erros, kMesesSemRendimento, ArgumentoMes(mes), kErro, campo);
  if (comRendimento && meses.ehZero()) Adiciona(erros, kRendimentoSemMeses, ArgumentoMes(mes), kAviso, campo);

  const Valor soma = m_valores.GetRetido(mes).GetValorMonetario() + m_valores.GetDeducaoPO(mes).GetValorMonetario() +
                     m_valores.GetDeducaoPA(mes).GetValorMonetario() + m_valores.GetCustas(mes).GetValorMonetario();
  if (soma.ehZero()) return;
  if (soma > rendimento)
    Adiciona(erros, kDeducoesMaiores, ArgumentoMes(mes), kAviso, campo);
  else if (soma == rendimento)
    Adiciona(erros, kDeducoesIguais, ArgumentoMes(mes), kAviso, campo);
}

TErros& TzuqRra::VerificaConsistencia(TErros& erros) {
  const QString valores = QStringLiteral("valores");
  const bool comMolestia = m_inMolestia.GetValor() == QStringLiteral("S");
  const QString laudo = m_dataLaudo.GetValor();
  const bool semLaudo = laudo.isEmpty() || laudo == kSemLaudo;

  if (comMolestia && semLaudo) Adiciona(erros, kDataLaudoAusente, {}, kAviso, QStringLiteral("data"));

  const TNatureza* natureza = m_declaracao->GetNatureza();
  if (natureza && natureza->GetCodigo() == 2 && m_tipo == 1) {
    Valor tabela;
    Valor retido;
    for (int mes = 1; mes <= 12; ++mes) {
      tabela += CalculaImpostoTabela(m_declaracao->GetAnoCalendario(), m_valores.GetRendimento(mes).GetValorMonetario());
      retido += m_valores.GetRetido(mes).GetValorMonetario();
    }
    if (retido > tabela) Adiciona(erros, kRetidoAcimaTabela, {}, kAviso, valores);
  }

  if (comMolestia && !laudo.isEmpty() && laudo.mid(6, 4).toInt() >= m_declaracao->GetAnoCalendario().toInt()) {
    const int mesLaudo = laudo.mid(3, 2).toInt();
    for (int mes = 1; mes <= 12 && mes < mesLaudo; ++mes)
      if (!m_valores.GetMolestia(mes).GetValorMonetario().ehZero())
        Adiciona(erros, kIsentoAntesLaudo, ArgumentoMes(mes), kErro, valores);
  }

  if (m_valores.EstaVazio()) Adiciona(erros, kValoresZerados, {}, kErro, valores, kBotaoOk);
  if (m_valores.GetTotalMeses().GetValorMonetario() > TMeses::kLimite)
    Adiciona(erros, kSomaMesesExcedida, {}, kErro, valores, kBotaoOk);
  return erros;
}
