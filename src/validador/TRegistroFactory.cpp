#include "validador/TRegistroFactory.h"

#include "validador/TArquivoDados.h"
#include "validador/TCampoFactory.h"
#include "validador/TFlags.h"
#include "validador/TRegistro7C2DE7J.h"
#include "validador/TRegistroAtual.h"
#include "validador/TRegistroF8UCL6S.h"

using enum TTipoRegistro;

namespace {

struct DefRegistro {
  TTipoRegistro tipo;
  uint8_t campos;
  bool unico;
  const char* regras;  // separated by ','
};

// Layout "F8UCL6S", in the order of the types.
constexpr DefRegistro kRegistros[kQuantidadeTipos] = {
    {TTipoRegistro::RTOLV, 6, true, "RN_Registro_Unico"},
    {TTipoRegistro::RESPO, 8, true, "RN_Registro_Unico"},
    {TTipoRegistro::DECPF, 9, true, "RN_Registro_Unico,RN_Tipo_Evento_Valido,RN_Data_Declaracao_situacao_especial_valida"},
    {TTipoRegistro::DECPJ, 13, true, "RN_Registro_Unico,RN_Socio_ostensivo_valido,RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida,RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido,RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida,RN_Voluntario_Copa_Valido,RN_Declaracao_Extincao_Valido,RN_Data_Declaracao_situacao_especial_valida"},
    {TTipoRegistro::IDREC, 2, false, "ER_OrdemCodRet,ER_MemoriaRegistro"},
    {TTipoRegistro::BPFDEC, 4, false, "RN_Beneficiario_Pessoa_Fisica_Valido,ER_CodretPF,ER_OrdemBenefDec"},
    {TTipoRegistro::BPJDEC, 3, false, "RN_Beneficiario_Pessoa_Juridica_Valido,ER_CodretPJ,ER_OrdemBenefDec"},
    {TTipoRegistro::FCI, 3, false, "RN_Fundo_ou_clube_de_investimento_valido,RN_FCI_Diferente_Declarante,ER_OrdemFCI,ER_Declarante_flag_fc"},
    {TTipoRegistro::BPFFCI, 4, false, "ER_OrdemBenefFci,ER_CodretPF"},
    {TTipoRegistro::BPJFCI, 3, false, "ER_OrdemBenefFci,ER_CodretPJ,RN_Beneficiario_FCI_Diferente_FC"},
    {TTipoRegistro::PROC, 6, false, "ER_OrdemProc,ER_TamanhoNiAdvogado,ER_Declarante_flag_processo,ER_TamanhoNomeAdvogado"},
    {TTipoRegistro::BPFPROC, 4, false, "ER_OrdemBenefProc,ER_CodretPF"},
    {TTipoRegistro::BPJPROC, 3, false, "ER_OrdemBenefProc,ER_CodretPJ"},
    {TTipoRegistro::RRA, 6, false, "ER_OrdemRra,ER_TamanhoNomeAdvogado,RN_Valida_AdvogadoRRA_Declarante,RN_NumeroProcessoObrigatorio"},
    {TTipoRegistro::BPFRRA, 5, false, "ER_OrdemBenefRra,RN_JaExisteRra"},
    {TTipoRegistro::RTRT, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RTPO, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RTPP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RTDP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RTPA, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RTIRF, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::CJAA, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::CJAC, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESRT, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESPO, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESPP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESDP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESPA, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESIR, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::ESDJ, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIP65, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIBMR, 14, false, "RN_Declarante_PJ,ER_CodretValores,ER_CodretValores13,ER_Bolsa_Medico_Valido,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIDAC, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIIRP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIAP, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIVC, 14, false, "ER_Declarante_flag_Copa,ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIMOG, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Declarante_PJ"},
    {TTipoRegistro::DAJUD, 14, false, "ER_CodretValores,ER_CodretValores13,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Beneficiario_Juridico_13_Valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::QTMESES, 13, false, "ER_CodretValores,ER_ValoresNaoNulosMensais,RN_Registro_Unico_Por_Pai,RN_Valor_apos_encerramento"},
    {TTipoRegistro::RIL96, 2, false, "ER_CodretValores,RN_Registro_Unico_Por_Pai"},
    {TTipoRegistro::RIPTS, 2, false, "ER_CodretValores,RN_Registro_Unico_Por_Pai"},
    {TTipoRegistro::RIO, 3, false, "ER_CodretValores,RN_Registro_Unico_Por_Pai"},
    {TTipoRegistro::PSE, 1, true, "RN_Registro_Unico,ER_Declarante_flag_pse"},
    {TTipoRegistro::OPSE, 4, false, "ER_OrdemOPSE"},
    {TTipoRegistro::TPSE, 4, false, "ER_OrdemTPSE"},
    {TTipoRegistro::DTPSE, 6, false, "ER_OrdemDTPSE,RN_CPF_nao_informado_dependente"},
    {TTipoRegistro::RPDE, 1, true, "RN_Registro_Unico,ER_Declarante_flag_nao_Residentes"},
    {TTipoRegistro::BRPDE, 17, false, "ER_OrdemRemessa,RN_Relacao_Tabela_PJPJ,RN_NIF_Dispensa,RN_Justificativa_Dupla_NIF_Invalida"},
    {TTipoRegistro::VRPDE, 7, false, "ER_OrdemValorRemessa,RN_Forma_de_tributacao_valido,RN_Valor_apos_encerramento"},
    {TTipoRegistro::INF, 3, false, "RN_Registro_INF_Valido,RN_Ordem_benificiario_INF_valida,RN_Benificiario_INF_nao_duplicado"},
    {TTipoRegistro::FIMTOLV, 1, true, "RN_FIMTOLV"},
};

}  // namespace

TRegistroFactory::Definicao TRegistroFactory::DefinicaoRegistro(uint8_t versao, TTipoRegistro tipo) {
  Definicao d;
  if (versao < 2 || versao > 4) return d;
  if (versao == 2 && (tipo == RIBMR || tipo == RIVC)) return d;
  const DefRegistro& r = kRegistros[Ordinal(tipo)];
  d.descrito = true;
  d.campos = r.campos;
  d.unico = r.unico;
  if (*r.regras) d.regras = QString::fromLatin1(r.regras).split(u',');
  if (versao <= 3) {
    // "7C2DE7J": no check of the event date against the special situation; no report date for a
    // fund's person beneficiary.
    if (tipo == DECPF || tipo == DECPJ) d.regras.removeAll(QStringLiteral("RN_Data_Declaracao_situacao_especial_valida"));
    if (tipo == BPFFCI) d.campos = 3;
  }
  if (versao == 2 && tipo == DECPJ) {
    // "1A4MA1R": no cup-volunteer indicator.
    d.campos = 12;
    d.regras.removeAll(QStringLiteral("RN_Voluntario_Copa_Valido"));
  }
  return d;
}

std::unique_ptr<TRegistro> TRegistroFactory::CriaRegistro(TTipoRegistro tipo, TArquivoDados& dados) {
  TTFlagCampo& flags = dados.Flags().GetFlagCampo();
  std::unique_ptr<TRegistro> registro;
  switch (dados.VersaoLeiaute) {
    case 2: registro = std::make_unique<TRegistroAtual>(dados, flags); break;
    case 3: registro = std::make_unique<TRegistro7C2DE7J>(dados, flags); break;
    case 4: registro = std::make_unique<TRegistroF8UCL6S>(dados, flags); break;
    default: return nullptr;
  }
  registro->SetTipo(tipo);
  const Definicao d = DefinicaoRegistro(dados.VersaoLeiaute, tipo);
  if (!d.descrito) return registro;
  registro->SetNumeroCampos(d.campos);
  registro->SetUnico(d.unico);
  for (const QString& regra : d.regras) registro->RegistraRegra(regra);
  registro->DimensionaCampos();
  TCampoFactory::CriaCampos(*registro);
  return registro;
}
