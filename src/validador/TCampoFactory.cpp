#include "validador/TCampoFactory.h"

#include <span>

#include "validador/TArquivoDados.h"
#include "validador/TCampo7C2DE7J.h"
#include "validador/TCampoAtual.h"
#include "validador/TCampoF8UCL6S.h"
#include "validador/TRegistro.h"

using enum TTipoRegistro;

namespace {

constexpr uint8_t F = TCampo::kFixo;
constexpr uint8_t V = TCampo::kVariavel;
constexpr uint8_t A = TCampo::kAlfanumerico;
constexpr uint8_t N = TCampo::kNumerico;
constexpr uint8_t D = TCampo::kData;

struct DefCampo {
  const char16_t* nome;
  uint8_t tamanho;
  uint8_t tipo;
  uint8_t formato;
  bool podeVazio;
  const char16_t* dominio;
  uint8_t categoria;
  const char* regras;  // separated by ','
};

// Layout "F8UCL6S". The 23 monthly series share one table.
const DefCampo kRTOLV[] = {
    {u"Identificador_de_Registro", 4, F, A, false, u"TOLV", 0, ""},
    {u"Ano-Referencia", 4, F, N, false, u"2014", 0, ""},
    {u"Ano-calendário", 4, F, A, false, u"2013|2014", 0, "RN_ANO_CALENDARIOVALIDO"},
    {u"Indicador_de_retificadora", 1, F, A, false, u"S|N", 0, ""},
    {u"Número_do_recibo", 12, F, A, true, u"", 2, "RN_Numero_do_Recibo_Valido"},
    {u"Identificador_de_estrutura_do_leiaute", 7, F, A, false, u"F8UCL6S", 0, ""},
};
const DefCampo kRESPO[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"RESPO", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_valido"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"DDD", 2, F, N, false, u"", 2, ""},
    {u"Telefone", 9, V, N, false, u"", 2, "RN_Telefone_valido"},
    {u"Ramal", 6, V, N, true, u"", 2, ""},
    {u"Fax", 9, V, N, true, u"", 2, "RN_Telefone_valido"},
    {u"E-mail", 50, V, A, true, u"", 2, "RN_Correio_eletronico_valido"},
};
const DefCampo kDECPF[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"DECPF", 0, ""},
    {u"CPF", 11, F, N, false, u"", 0, "RN_CPF_VALIDO"},
    {u"Nome", 60, V, A, false, u"", 0, "RN_Nome_valido"},
    {u"Indicador_de_declarante_de_rendimentos_pagos_a_não_residentes_ou_domiciliados_no_exterior", 1, F, A, false, u"SN", 0, ""},
    {u"Titular de Serviços Notariais e de Registros", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador de plano privado de assistência à saúde coletivo empresarial", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_da_situação_especial_da_declaração", 1, F, A, false, u"SN", 0, "RN_Declaracao_situacao_especial_valida,RN_Declaracao_situacao_normal_valida"},
    {u"Data_de_Evento", 8, F, D, true, u"", 2, "ER_Data_Valida,RN_Data_de_Evento_Valida"},
    {u"Tipo_de_Evento", 1, F, N, true, u"", 2, ""},
};
const DefCampo kDECPJ[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"DECPJ", 0, ""},
    {u"CNPJ", 14, F, N, false, u"", 0, "RN_CNPJ_VALIDO"},
    {u"Nome_Empresarial", 150, V, A, false, u"", 0, "RN_Nome_empresarial_valido"},
    {u"Natureza_do_Declarante", 1, F, N, false, u"012348", 0, ""},
    {u"CPF_responsável_perante_o_CNPJ", 11, F, N, false, u"", 0, "RN_CPF_VALIDO_OU_BRANCO"},
    {u"Indicador_de_sócio_ostensivo_responsável_por_sociedade_de_conta_participação", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_de_declarante_depositário_de_crédito_decorrente_de_decisão_judicial", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_de_declarante_de_instituição_administradora_ou_intermediadora_de_fundo_ou_clube_de_investimento", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_de_declarante_de_rendimentos_pagos_a_não_residentes_ou_domiciliados_no_exterior", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador de plano privado de assistência à saúde coletivo empresarial", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_de_copa_das_confederações_fifa_2013_e_copa_do_mundo_fifa_2014", 1, F, A, false, u"SN", 0, ""},
    {u"Indicador_de_situação_da_declaração", 1, F, A, false, u"SN", 0, "RN_Declaracao_situacao_especial_valida,RN_Declaracao_situacao_normal_valida"},
    {u"Data_de_evento", 8, F, D, true, u"", 2, "ER_Data_Valida,RN_Data_de_Evento_Valida"},
};
const DefCampo kIDREC[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"IDREC", 1, ""},
    {u"Código_de_receita", 4, F, N, false, u"", 1, ""},
};
const DefCampo kBPFDEC[] = {
    {u"Identificador de registro", 6, F, A, false, u"BPFDEC", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_VALIDO"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Data do laudo da moléstia grave", 8, F, D, true, u"", 2, "ER_Data_Valida,RN_Data_do_Laudo_Valida,ER_Data_Inferior_do_Laudo_Valida,ER_Data_do_Laudo_indevido"},
};
const DefCampo kBPJDEC[] = {
    {u"Identificador de registro", 6, F, A, false, u"", 1, ""},
    {u"CNPJ", 14, F, N, true, u"", 1, "RN_CNPJ_VALIDO"},
    {u"Nome empresarial", 150, V, A, false, u"", 1, "RN_Nome_empresarial_valido"},
};
const DefCampo kFCI[] = {
    {u"Identificador_de_registro", 3, F, A, false, u"FCI", 1, ""},
    {u"CNPJ", 14, F, N, false, u"", 1, "RN_CNPJ_VALIDO"},
    {u"Nome_Empresarial", 150, V, A, false, u"", 1, "RN_Nome_empresarial_valido"},
};
const DefCampo kBPFFCI[] = {
    {u"Identificador_de_registro", 6, F, A, false, u"BPFFCI", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_VALIDO"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Data do laudo da moléstia grave", 8, F, D, true, u"", 2, "ER_Data_Valida,RN_Data_do_Laudo_Valida,ER_Data_Inferior_do_Laudo_Valida,ER_Data_do_Laudo_indevido"},
};
const DefCampo kBPJFCI[] = {
    {u"Identificador_de_registro", 6, F, A, false, u"BPJFCI", 1, ""},
    {u"CNPJ", 14, F, N, false, u"", 1, "RN_CNPJ_VALIDO"},
    {u"Nome_Empresarial", 150, V, A, false, u"", 1, "RN_Nome_empresarial_valido"},
};
const DefCampo kPROC[] = {
    {u"Identificador_de_registro", 4, F, A, false, u"PROC", 1, ""},
    {u"Tipo_de_Justiça", 1, F, N, false, u"123", 1, ""},
    {u"Número_do_processo", 20, V, A, false, u"", 1, "RN_Numero_do_Processo_Valido"},
    {u"Tipo_de_pessoa_do_advogado/_escritório_de_advocacia", 1, F, N, true, u"12", 2, "RN_Tipo_Advogado"},
    {u"CPF_do_advogado/_CNPJ_do_escritório_de_advocacia", 14, V, N, true, u"", 2, "ER_CPF_CNPJ_Advogado_TamanhoValido,RN_CPF_AdvogadoValido,RN_CNPJ_AdvogadoValido"},
    {u"Nome_do_advogado/_Nome_empresarial_do_escritório_de_advocacia", 150, V, A, true, u"", 2, "RN_Nome_AdvogadoValido,RN_Tamanho_Nome_advogado,ER_NI_Nome_Obrigatorio"},
};
const DefCampo kBPFPROC[] = {
    {u"Identificador_de_registro", 7, F, A, false, u"BPFPROC", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_VALIDO"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Data_do_laudo_da_moléstia_grave", 8, F, D, true, u"", 1, "ER_Data_Valida,RN_Data_do_Laudo_Valida,ER_Data_do_Laudo_indevido"},
};
const DefCampo kBPJPROC[] = {
    {u"Identificador_de_registro", 7, F, A, false, u"BPJPROC", 1, ""},
    {u"CNPJ", 14, F, N, false, u"", 1, "RN_CNPJ_VALIDO"},
    {u"Nome_empresarial", 150, V, A, false, u"", 1, "RN_Nome_empresarial_valido"},
};
const DefCampo kRRA[] = {
    {u"Identificador_de_registro", 3, F, A, false, u"RRA", 1, ""},
    {u"Tipo_de_Justiça", 1, F, N, false, u"12", 1, "RN_TIPO2_PF,RN_TIPO2_SEMJUSTICA"},
    {u"Número_do_processo", 20, V, A, true, u"", 1, "RN_Numero_do_Processo_Valido_RRA"},
    {u"Tipo_de_pessoa_do_advogado/_escritório_de_advocacia", 1, F, N, true, u"12", 2, "RN_Tipo_Advogado"},
    {u"CPF_do_advogado/_CNPJ_do_escritório_de_advocacia", 14, V, N, true, u"", 2, "ER_CPF_CNPJ_Advogado_TamanhoValido,RN_CPF_AdvogadoValido,RN_CNPJ_AdvogadoValido"},
    {u"Nome_do_advogado/_Nome_empresarial_do_escritório_de_advocacia", 150, V, A, true, u"", 2, "RN_Nome_AdvogadoValido,RN_Tamanho_Nome_advogado,ER_NI_Nome_Obrigatorio"},
};
const DefCampo kBPFRRA[] = {
    {u"Identificador_de_registro", 6, F, A, false, u"BPFRRA", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_VALIDO,RN_Valida_RRA_Beneficiario_Declarante"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Natureza do RRA", 50, V, A, true, u"", 1, "ER_Natureza_RRA_Valida"},
    {u"Data_do_laudo_da_moléstia_grave", 8, F, D, true, u"", 1, "ER_Data_Valida,RN_Data_do_Laudo_Valida,ER_Data_do_Laudo_indevido"},
};
const DefCampo kSERIES[] = {
    {u"Identificador de registro", 5, V, A, false, u"RTRT|RTPO|RTPP|RTDP|RTPA|RTIRF|CJAA|CJAC|ESRT|ESPO|ESPP|ESDP|ESPA|ESIR|ESDJ|RIP65|RIBMR|RIDAC|RIIRP|RIAP|RIVC|RIMOG|DAJUD", 1, ""},
    {u"Janeiro", 13, V, N, true, u"", 1, ""},
    {u"Fevereiro", 13, V, N, true, u"", 1, ""},
    {u"Março", 13, V, N, true, u"", 1, ""},
    {u"Abril", 13, V, N, true, u"", 1, ""},
    {u"Maio", 13, V, N, true, u"", 1, ""},
    {u"Junho", 13, V, N, true, u"", 1, ""},
    {u"Julho", 13, V, N, true, u"", 1, ""},
    {u"Agosto", 13, V, N, true, u"", 1, ""},
    {u"Setembro", 13, V, N, true, u"", 1, ""},
    {u"Outubro", 13, V, N, true, u"", 1, ""},
    {u"Novembro", 13, V, N, true, u"", 1, ""},
    {u"Dezembro", 13, V, N, true, u"", 1, ""},
    {u"Décimo Terceiro", 13, V, N, true, u"", 1, ""},
};
const DefCampo kQTMESES[] = {
    {u"Identificador de registro", 7, V, A, false, u"QTMESES", 1, ""},
    {u"Janeiro", 4, V, N, true, u"", 1, ""},
    {u"Fevereiro", 4, V, N, true, u"", 1, ""},
    {u"Março", 4, V, N, true, u"", 1, ""},
    {u"Abril", 4, V, N, true, u"", 1, ""},
    {u"Maio", 4, V, N, true, u"", 1, ""},
    {u"Junho", 4, V, N, true, u"", 1, ""},
    {u"Julho", 4, V, N, true, u"", 1, ""},
    {u"Agosto", 4, V, N, true, u"", 1, ""},
    {u"Setembro", 4, V, N, true, u"", 1, ""},
    {u"Outubro", 4, V, N, true, u"", 1, ""},
    {u"Novembro", 4, V, N, true, u"", 1, ""},
    {u"Dezembro", 4, V, N, true, u"", 1, ""},
};
const DefCampo kRIL96_RIPTS[] = {
    {u"Relação_de_Codigo_de_Receita", 5, F, A, false, u"RIL96|RIPTS", 1, ""},
    {u"Valor_Anual", 13, V, N, false, u"", 1, ""},
};
const DefCampo kRIO[] = {
    {u"Identificador_de_registro", 3, F, A, false, u"RIO", 1, ""},
    {u"Valor_anual", 13, V, N, false, u"", 1, ""},
    {u"Descrição_de_rendimentos_isentos_-_outros", 60, V, A, false, u"", 1, ""},
};
const DefCampo kPSE[] = {
    {u"Identificador_de_registro", 3, F, A, false, u"PSE", 1, ""},
};
const DefCampo kOPSE[] = {
    {u"Identificador_de_registro", 4, F, A, false, u"OPSE", 1, ""},
    {u"CNPJ da operadora de plano privado", 14, F, N, false, u"", 1, "RN_CNPJ_VALIDO"},
    {u"Nome empresarial", 150, V, A, false, u"", 1, "RN_Nome_empresarial_valido"},
    {u"Registro ANS", 6, F, N, false, u"", 2, "RN_Registro_ANS_valido"},
};
const DefCampo kTPSE[] = {
    {u"Identificador_de_registro", 4, F, A, false, u"TPSE", 1, ""},
    {u"CPF do Titular", 11, F, N, false, u"", 1, "RN_CPF_VALIDO"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Valor pago no ano", 13, V, N, false, u"", 2, "RN_Valor_pago_Titular_valido"},
};
const DefCampo kDTPSE[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"DTPSE", 1, ""},
    {u"CPF do dependente", 11, F, N, true, u"", 1, "RN_CPF_VALIDO_OU_BRANCO,RN_Dependente_Igual_Titular_Plano"},
    {u"Data de nascimento", 8, F, D, true, u"", 1, "ER_Data_Nascimento_Valida,ER_Data_Nascimento_Valida_Intervalo"},
    {u"Nome", 60, V, A, false, u"", 1, "RN_Nome_valido"},
    {u"Relação de dependência", 2, F, N, true, u"", 2, "RN_Relacao_dependencia_valida"},
    {u"Valor pago no ano", 13, V, N, false, u"", 2, ""},
};
const DefCampo kRPDE[] = {
    {u"Identificador_de_registro", 4, F, A, false, u"RPDE", 1, ""},
};
const DefCampo kBRPDE[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"BRPDE", 1, ""},
    {u"Tipo_de_pessoa", 1, F, N, false, u"12", 1, "ER_Tipo_BRPDE"},
    {u"Código_de_país", 3, V, N, false, u"", 1, "RN_Codigo_de_pais_valido"},
    {u"Número de identificação fiscal", 30, V, A, true, u"", 2, "RN_NIF_caracter_valido"},
    {u"Indicador de beneficiário dispensado do Número de Identificação Fiscal - NIF.", 1, F, A, false, u"SN", 2, ""},
    {u"Indicador de que o país não exige Número de Identificação Fiscal – NIF.", 1, F, A, false, u"SN", 2, ""},
    {u"CPF/CNPJ", 14, V, N, true, u"", 2, "RN_CPF_CNPJ_remessa_valido"},
    {u"Nome/Nome empresarial", 150, V, A, false, u"", 2, "RN_Nome_remessa_valido"},
    {u"Relação_fonte_pagadora_pessoa_jurídica_e_beneficiário_pessoa_jurídica", 3, F, N, true, u"", 2, "RN_Fonte_Pagadora_valida,RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida,RN_Declarante_PJ_Beneficiario_PJ_Valida"},
    {u"Logradouro", 60, V, A, true, u"", 2, ""},
    {u"Número", 6, V, A, true, u"", 2, ""},
    {u"Complemento", 25, V, A, true, u"", 2, ""},
    {u"Bairro/distrito", 20, V, A, true, u"", 2, ""},
    {u"Código_postal", 10, V, N, true, u"", 2, ""},
    {u"Cidade", 40, V, A, true, u"", 2, ""},
    {u"Estado/província", 40, V, A, true, u"", 2, ""},
    {u"Telefone", 15, V, N, true, u"", 2, ""},
};
const DefCampo kVRPDE[] = {
    {u"Identificador_de_registro", 5, F, A, false, u"VRPDE", 1, ""},
    {u"Data_do_pagamento", 8, F, D, false, u"", 1, "ER_Data_Valida,RN_Data_Pagamento_valida"},
    {u"Código_de_receita", 4, F, N, false, u"", 1, "RN_Codigo_Receita_Valido,RN_Codigo_Receita_Valido_Para_Pais"},
    {u"Tipo_de_rendimento", 3, F, N, false, u"", 1, "RN_Tipo_de_Rendimento_valido,RN_Tipo_de_Rendimento_Valido_Para_Codigo"},
    {u"Rendimento_tributável", 13, V, N, false, u"", 2, ""},
    {u"IRRF", 13, V, N, true, u"", 2, ""},
    {u"Forma_de_tributação", 2, F, N, false, u"", 2, ""},
};
const DefCampo kINF[] = {
    {u"Identificador_de_registro", 3, F, A, false, u"INF", 1, ""},
    {u"CPF", 11, F, N, false, u"", 1, "RN_CPF_valido"},
    {u"Informação_complementar", 200, V, A, false, u"", 1, "ER_Registro_Inf_Branco"},
};
const DefCampo kFIMTOLV[] = {
    {u"Identificador de Registro", 7, F, A, false, u"FIMTOLV", 0, ""},
};

std::span<const DefCampo> TabelaAtual(TTipoRegistro tipo) {
  switch (tipo) {
    case RTOLV: return kRTOLV;
    case RESPO: return kRESPO;
    case DECPF: return kDECPF;
    case DECPJ: return kDECPJ;
    case IDREC: return kIDREC;
    case BPFDEC: return kBPFDEC;
    case BPJDEC: return kBPJDEC;
    case FCI: return kFCI;
    case BPFFCI: return kBPFFCI;
    case BPJFCI: return kBPJFCI;
    case PROC: return kPROC;
    case BPFPROC: return kBPFPROC;
    case BPJPROC: return kBPJPROC;
    case RRA: return kRRA;
    case BPFRRA: return kBPFRRA;
    case QTMESES: return kQTMESES;
    case RIL96: case RIPTS: return kRIL96_RIPTS;
    case RIO: return kRIO;
    case PSE: return kPSE;
    case OPSE: return kOPSE;
    case TPSE: return kTPSE;
    case DTPSE: return kDTPSE;
    case RPDE: return kRPDE;
    case BRPDE: return kBRPDE;
    case VRPDE: return kVRPDE;
    case INF: return kINF;
    case FIMTOLV: return kFIMTOLV;
    default: return EhTipoValor(tipo) ? std::span<const DefCampo>(kSERIES) : std::span<const DefCampo>();
  }
}

TCampo::Atributos Atributos(const DefCampo& d) {
  TCampo::Atributos a;
  a.nome = QString::fromUtf16(d.nome);
  a.tamanho = d.tamanho;
  a.tipo = d.tipo;
  a.formato = d.formato;
  a.podeVazio = d.podeVazio;
  a.dominio = QString::fromUtf16(d.dominio);
  a.categoria = d.categoria;
  if (*d.regras) a.regras = QString::fromLatin1(d.regras).split(u',');
  return a;
}

// "7C2DE7J" against "F8UCL6S".
void Diferencas7C2DE7J(TTipoRegistro tipo, std::vector<TCampo::Atributos>& campos) {
  switch (tipo) {
    case RTOLV:
      campos[1].dominio = QStringLiteral("2013");
      campos[2].dominio = QStringLiteral("2012|2013");
      campos[5].dominio = QStringLiteral("7C2DE7J");
      break;
    case BPFFCI:
      campos.resize(3);
      break;
    case TPSE:
      campos[1].formato = TCampo::kAlfanumerico;
      break;
    case VRPDE:
      campos[2].regras = campos[2].regras.mid(0, 1);
      campos[3].regras = campos[3].regras.mid(0, 1);
      break;
    default:
      break;
  }
}

// "1A4MA1R" against "7C2DE7J".
void Diferencas1A4MA1R(TTipoRegistro tipo, std::vector<TCampo::Atributos>& campos) {
  switch (tipo) {
    case RTOLV:
      campos[1].dominio = QStringLiteral("2012");
      campos[2].dominio = QStringLiteral("2011|2012");
      campos[5].dominio = QStringLiteral("1A4MA1R");
      break;
    case RESPO:
      for (int i : {4, 6}) {
        campos[size_t(i)].tamanho = 8;
        campos[size_t(i)].tipo = TCampo::kFixo;
        campos[size_t(i)].regras.clear();
      }
      break;
    case DECPJ:
      // No cup-volunteer indicator: the special situation and the event date move up by one.
      campos.erase(campos.begin() + 10);
      break;
    case RIBMR:
    case RIVC:
      campos.clear();
      break;
    default:
      if (EhTipoValor(tipo) && tipo != QTMESES && tipo != RIL96 && tipo != RIPTS && tipo != RIO)
        campos[0].dominio = QStringLiteral(
            "RTRT|RTPO|RTPP|RTDP|RTPA|RTIRF|CJAA|CJAC|ESRT|ESPO|ESPP|ESDP|ESPA|ESIR|ESDJ|RIP65|RIDAC|RIIRP|RIAP|"
            "RIMOG|DAJUD");
      break;
  }
}

}  // namespace

std::vector<TCampo::Atributos> TCampoFactory::Definicao(uint8_t versao, TTipoRegistro tipo) {
  std::vector<TCampo::Atributos> campos;
  if (versao < 2 || versao > 4) return campos;
  for (const DefCampo& d : TabelaAtual(tipo)) campos.push_back(Atributos(d));
  if (versao <= 3) Diferencas7C2DE7J(tipo, campos);
  if (versao == 2) Diferencas1A4MA1R(tipo, campos);
  return campos;
}

void TCampoFactory::CriaCampos(TRegistro& registro) {
  TArquivoDados& dados = registro.Dados();
  const uint8_t versao = dados.VersaoLeiaute;
  const std::vector<TCampo::Atributos> campos = Definicao(versao, registro.GetTipo());
  for (size_t i = 0; i < campos.size(); ++i) {
    std::unique_ptr<TCampo> campo;
    switch (versao) {
      case 2: campo = std::make_unique<TCampoAtual>(dados, campos[i]); break;
      case 3: campo = std::make_unique<TCampo7C2DE7J>(dados, campos[i]); break;
      default: campo = std::make_unique<TCampoF8UCL6S>(dados, campos[i]); break;
    }
    registro.SetCampo(int(i), std::move(campo));
  }
}
