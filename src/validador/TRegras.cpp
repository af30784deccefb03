#include "validador/TRegras.h"

#include <QDate>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Email.h"
#include "nucleo/Erros.h"
#include "nucleo/NomeContribuinte.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/Processo.h"
#include "validador/TArquivoDados.h"

namespace {
constexpr int kErroPaisCodigo = 312;
}

TRegras::TRegras(TArquivoDados& dados, const TabelaRegras& tabela) : m_dados(&dados), m_tabela(&tabela) {}

TRegras::~TRegras() = default;

const TabelaRegras& TRegras::Tabela() {
  using T = TRegras;
  static const TabelaRegras tabela(
      "TRegras", nullptr,
      {{"ER_Data_Valida", &RegraDe<T, &T::ER_Data_Valida>},
       {"ER_Data_Nascimento_Valida", &RegraDe<T, &T::ER_Data_Nascimento_Valida>},
       {"ER_Data_Nascimento_Valida_Intervalo", &RegraDe<T, &T::ER_Data_Nascimento_Valida_Intervalo>},
       {"RN_Data_de_Evento_Valida", &RegraDe<T, &T::RN_Data_de_Evento_Valida>},
       {"RN_Data_do_Laudo_Valida", &RegraDe<T, &T::RN_Data_do_Laudo_Valida>},
       {"ER_Data_Inferior_do_Laudo_Valida", &RegraDe<T, &T::ER_Data_Inferior_do_Laudo_Valida>},
       {"RN_Data_Pagamento_valida", &RegraDe<T, &T::RN_Data_Pagamento_valida>},
       {"RN_CPF_valido", &RegraDe<T, &T::RN_CPF_valido>},
       {"RN_CPF_valido_ou_branco", &RegraDe<T, &T::RN_CPF_valido_ou_branco>},
       {"RN_CNPJ_valido", &RegraDe<T, &T::RN_CNPJ_valido>},
       {"RN_Nome_valido", &RegraDe<T, &T::RN_Nome_valido>},
       {"RN_Nome_Empresarial_Valido", &RegraDe<T, &T::RN_Nome_Empresarial_Valido>},
       {"RN_Correio_eletronico_valido", &RegraDe<T, &T::RN_Correio_eletronico_valido>},
       {"RN_Declaracao_situacao_especial_valida", &RegraDe<T, &T::RN_Declaracao_situacao_especial_valida>},
       {"RN_Declaracao_situacao_normal_valida", &RegraDe<T, &T::RN_Declaracao_situacao_normal_valida>},
       {"RN_Numero_do_Recibo_Valido", &RegraDe<T, &T::RN_Numero_do_Recibo_Valido>},
       {"RN_Numero_do_Processo_Valido", &RegraDe<T, &T::RN_Numero_do_Processo_Valido>},
       {"RN_Numero_do_Processo_Valido_RRA", &RegraDe<T, &T::RN_Numero_do_Processo_Valido_RRA>},
       {"RN_Registro_ANS_valido", &RegraDe<T, &T::RN_Registro_ANS_valido>},
       {"ER_Natureza_RRA_Valida", &RegraDe<T, &T::ER_Natureza_RRA_Valida>},
       {"RN_Relacao_dependencia_valida", &RegraDe<T, &T::RN_Relacao_dependencia_valida>},
       {"RN_Nome_remessa_valido", &RegraDe<T, &T::RN_Nome_remessa_valido>},
       {"RN_NIF_caracter_valido", &RegraDe<T, &T::RN_NIF_caracter_valido>},
       {"RN_Telefone_valido", &RegraDe<T, &T::RN_Telefone_valido>},
       {"RN_Codigo_de_pais_valido", &RegraDe<T, &T::RN_Codigo_de_pais_valido>},
       {"RN_Codigo_Receita_Valido", &RegraDe<T, &T::RN_Codigo_Receita_Valido>},
       {"RN_Codigo_Receita_Valido_Para_Pais", &RegraDe<T, &T::RN_Codigo_Receita_Valido_Para_Pais>},
       {"RN_Valor_pago_Titular_valido", &RegraDe<T, &T::RN_Valor_pago_Titular_valido>},
       {"RN_Tipo_Advogado", &RegraDe<T, &T::RN_Tipo_Advogado>},
       {"ER_Registro_Inf_Branco", &RegraDe<T, &T::ER_Registro_Inf_Branco>},
       {"ER_ExisteBeneficiarioInf", &RegraDe<T, &T::ER_ExisteBeneficiarioInf>},
       {"ER_ExisteRemessa", &RegraDe<T, &T::ER_ExisteRemessa>},
       {"Max_Erros_Avisos", &RegraDe<T, &T::Max_Erros_Avisos>}});
  return tabela;
}

RegraResolvida TRegras::Resolve(const QString& nome) const {
  return {m_tabela->Procura(nome), TListaValidadores::Indice(nome), nome};
}

bool TRegras::Executa(const RegraResolvida& regra) {
  m_regraAtual = &regra;
  if (!regra.funcao) {
    MostraMensagem(QStringLiteral("Erro. Validador não implementado nesta classe ") + regra.nome + u' ' +
                       m_tabela->Classe(),
                   QString(), 0);
    m_regrasDisponiveis = false;
    return false;
  }
  return regra.funcao(*this);
}

bool TRegras::ExecutaRegraPorNome(const QString& nome) {
  const RegraResolvida regra = Resolve(nome);
  const bool resultado = Executa(regra);
  m_regraAtual = nullptr;
  return resultado;
}

void TRegras::SetMensagemRegra(const QString& texto) {
  if (m_regraAtual && m_regraAtual->validador >= 0) m_dados->Catalogo().SetMensagem(m_regraAtual->validador, texto);
}

QString TRegras::TextoCodigo(int codigo) { return TErro::TextoMensagem(codigo); }

bool TRegras::SoDigitos(const QString& valor) {
  for (QChar c : valor)
    if (c < u'0' || c > u'9') return false;
  return true;
}

bool TRegras::EhData(const QString& valor) {
  // The day, month and year parts must each be a number, as the program's dd/MM/yyyy conversion
  // wants them; a value of other length is no date of this layout.
  if (valor.size() != 8 || !SoDigitos(valor)) return false;
  const QDate data(valor.left(4).toInt(), valor.mid(4, 2).toInt(), valor.mid(6, 2).toInt());
  return data.isValid() && data.year() >= 1;
}

bool TRegras::ER_Data_Valida() { return m_valor.isEmpty() || (SoDigitos(m_valor) && EhData(m_valor)); }

bool TRegras::ER_Data_Nascimento_Valida() {
  const QString dia = m_valor.mid(6, 2), mes = m_valor.mid(4, 2), ano = m_valor.left(4);
  if (dia.isEmpty() && mes.isEmpty() && ano.isEmpty()) return true;
  bool okDia = false, okMes = false, okAno = false;
  dia.toInt(&okDia);
  mes.toInt(&okMes);
  const int a = ano.toInt(&okAno);
  if (!okDia || !okMes || !okAno) return false;
  if (dia == u"29" && mes == u"02") return a % 4 == 0 && (a % 100 != 0 || a % 400 == 0);
  return true;
}

bool TRegras::ER_Data_Nascimento_Valida_Intervalo() {
  return m_valor.isEmpty() || (m_valor >= u"18510101" && m_valor <= m_dados->AnoCalendario + QStringLiteral("1231"));
}

bool TRegras::RN_Data_de_Evento_Valida() {
  const QString& ano = m_dados->AnoCalendario;
  return m_valor.isEmpty() || (m_valor > ano + QStringLiteral("0000") && m_valor <= ano + QStringLiteral("1231"));
}

bool TRegras::RN_Data_do_Laudo_Valida() {
  return m_valor.isEmpty() || m_valor <= m_dados->AnoCalendario + QStringLiteral("1231");
}

bool TRegras::ER_Data_Inferior_do_Laudo_Valida() { return m_valor.isEmpty() || m_valor >= u"18991231"; }

bool TRegras::RN_Data_Pagamento_valida() {
  return m_valor.isEmpty() || (EhData(m_valor) && m_valor.left(4) == m_dados->AnoCalendario);
}

bool TRegras::RN_CPF_valido() {
  m_codigoMensagem = uint16_t(TCpf::ValidaCpf(m_valor, false));
  return m_codigoMensagem == 0;
}

bool TRegras::RN_CPF_valido_ou_branco() {
  if (m_valor.trimmed().isEmpty()) return true;
  m_codigoMensagem = uint16_t(TCpf::ValidaCpf(m_valor, false));
  return m_codigoMensagem == 0;
}

bool TRegras::RN_CNPJ_valido() {
  m_codigoMensagem = uint16_t(TCnpj::ValidaCnpj(m_valor, false, false));
  if (m_codigoMensagem == 0) return true;
  SetMensagemRegra(m_valor.isEmpty() ? QStringLiteral("Campo obrigatório e não informado")
                                     : QStringLiteral("CNPJ inválido"));
  return false;
}

bool TRegras::RN_Nome_valido() {
  QString nome = m_valor;
  m_codigoMensagem = uint16_t(TNomeContribuinte::ValidaNome(nome, 1, true));
  return m_codigoMensagem == 0;
}

bool TRegras::RN_Nome_Empresarial_Valido() {
  QString nome = m_valor;
  m_codigoMensagem = uint16_t(TNomeContribuinte::ValidaNome(nome, 2, true));
  return m_codigoMensagem == 0;
}

bool TRegras::RN_Correio_eletronico_valido() { return TEmail::ValidaEmail(m_valor.trimmed(), true) == 0; }

bool TRegras::RN_Declaracao_situacao_especial_valida() {
  return m_valor.toUpper() != u"S" || m_dados->AnoCalendario >= u"2013";
}

bool TRegras::RN_Declaracao_situacao_normal_valida() {
  return m_valor.toUpper() != u"N" || m_dados->AnoCalendario <= u"2013";
}

bool TRegras::RN_Numero_do_Recibo_Valido() {
  if (m_valor.trimmed().isEmpty()) return true;
  return m_valor.size() == 12 && SoDigitos(m_valor) && TNumeroRecibo::ValidaRecibo(m_valor) == 0;
}

bool TRegras::RN_Numero_do_Processo_Valido() {
  m_codigoMensagem = uint16_t(TProcesso::ValidaProcesso(m_valor, false));
  if (m_codigoMensagem == 0) return true;
  SetMensagemRegra(TextoCodigo(m_codigoMensagem));
  return false;
}

bool TRegras::RN_Numero_do_Processo_Valido_RRA() {
  return m_valor.isEmpty() || TProcesso::ValidaProcesso(m_valor, false) == 0;
}

bool TRegras::RN_Registro_ANS_valido() {
  m_codigoMensagem = uint16_t(m_dados->Servicos().ValidaRegistroAns(m_valor));
  if (m_codigoMensagem == 0) return true;
  SetMensagemRegra(TextoCodigo(m_codigoMensagem));
  return false;
}

bool TRegras::ER_Natureza_RRA_Valida() {
  m_dados->Rra.natureza = m_valor;
  m_codigoMensagem = uint16_t(m_dados->Servicos().ValidaNaturezaRra(m_valor));
  if (m_codigoMensagem == 0) return true;
  SetMensagemRegra(TextoCodigo(m_codigoMensagem));
  return false;
}

bool TRegras::RN_Relacao_dependencia_valida() {
  return m_valor.isEmpty() || m_valor == u"03" || m_valor == u"04" || m_valor == u"06" || m_valor == u"08" ||
         m_valor == u"10";
}

bool TRegras::RN_Nome_remessa_valido() { return !m_valor.trimmed().isEmpty() && !SoDigitos(m_valor); }

bool TRegras::RN_NIF_caracter_valido() {
  for (QChar c : m_valor)
    if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
  return true;
}

bool TRegras::RN_Telefone_valido() { return m_valor.isEmpty() || m_valor.size() == 8 || m_valor.size() == 9; }

bool TRegras::RN_Codigo_de_pais_valido() {
  m_dados->Remessa.codigoPais = m_valor;
  try {
    return m_dados->Servicos().PaisValido(m_valor);
  } catch (const std::exception&) {
    // A country that cannot even be looked up is not refused here: the beneficiary's own checks
    // of the sections judge it where it is stored.
    return true;
  }
}

bool TRegras::RN_Codigo_Receita_Valido() {
  m_dados->CodigoReceitaRemessa = m_valor;
  const ResultadoSecao r = m_dados->Servicos().ValidaCodigoReceita(m_dados->Remessa, m_dados->Tolv(), m_valor);
  if (r.valido() || r.codigo == kErroPaisCodigo) return true;
  SetMensagemRegra(r.texto);
  return false;
}

bool TRegras::RN_Codigo_Receita_Valido_Para_Pais() {
  m_dados->CodigoReceitaRemessa = m_valor;
  const ResultadoSecao r = m_dados->Servicos().ValidaCodigoReceita(m_dados->Remessa, m_dados->Tolv(), m_valor);
  if (r.valido() || r.codigo != kErroPaisCodigo) return true;
  SetMensagemRegra(r.texto);
  return false;
}

bool TRegras::RN_Valor_pago_Titular_valido() { return true; }

bool TRegras::RN_Tipo_Advogado() {
  m_dados->TipoAdvogado = m_valor == u"1" ? 1 : m_valor == u"2" ? 2 : 0;
  return true;
}

bool TRegras::ER_Registro_Inf_Branco() { return !m_valor.trimmed().isEmpty(); }

bool TRegras::ER_ExisteBeneficiarioInf() { return m_dados->BeneficiarioInfExiste; }

bool TRegras::ER_ExisteRemessa() { return !m_dados->RemessaExiste; }

bool TRegras::Max_Erros_Avisos() {
  if (m_dados->Contagem.Erros < TArquivoDados::kMaximoErros) return true;
  m_dados->SetMotivoInterrupcao(TArquivoDados::kLimiteErros);
  return false;
}
