#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "validador/TCampo.h"
#include "validador/TPrimitivo.h"
#include "validador/TTipoRegistro.h"

class TCodigoRetencao;
class TTolvItem;
class TLinha;
class TTFlagCampo;

// A record of the layout: one line seen through the fields of its type, with the seven base rules
// every record runs (field count, nothing after INF, allowed predecessor, accepted parent, second
// block, revenue code of the year and of the block) and the record rules of its table. One
// prototype per type is reused for every line of that type; its texts carry over from line to line.
// The rules are published so that the version classes can list them in their own tables.
class TRegistro : public TPrimitivo {
 public:
  TRegistro(TArquivoDados& dados, TTFlagCampo& flags);

  static const TabelaRegras& Tabela();

  void SetTipo(TTipoRegistro tipo);
  TTipoRegistro GetTipo() const { return m_tipo; }
  void SetNumeroCampos(uint8_t numero) { m_numeroCampos = numero; }
  uint8_t GetNumeroCampos() const { return m_numeroCampos; }
  void SetUnico(bool unico) { m_unico = unico; }
  bool GetUnico() const { return m_unico; }
  // Sizes the field array to the number of fields.
  void DimensionaCampos();
  void SetCampo(int posicao, std::unique_ptr<TCampo> campo);
  TCampo& Campo(int posicao) { return *m_campos[size_t(posicao)]; }
  int QuantidadeCampos() const { return int(m_campos.size()); }
  // The value of a field as the last test left it (empty beyond the fields).
  const QString& Valor(int posicao) const;

  void SetLinha(TLinha* linha) { m_linha = linha; }
  TLinha* GetLinha() const { return m_linha; }

  // Tests the record on its line: each field, then the record's rules.
  void Valida();

  // Base rules.
  bool ER_NumerodeCamposRegistro();
  bool ER_FaseInf();
  bool ER_RegistroAnterior();
  bool ER_RegistroPai();
  bool ER_Fases();
  bool ER_CodigoReceitaExisteAno();
  bool ER_CodigoReceita();

  // Record rules.
  bool RN_Registro_Unico();
  bool RN_Registro_Unico_Por_Pai();
  bool RN_Tipo_Evento_Valido();
  bool RN_Socio_ostensivo_valido();
  bool RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida();
  bool RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida();
  bool RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido();
  bool RN_Voluntario_Copa_Valido();
  bool RN_Data_Declaracao_situacao_especial_valida();
  bool RN_Declaracao_Extincao_Valido();
  bool ER_TamanhoNomeAdvogado();
  bool ER_OrdemCodRet();
  bool ER_MemoriaRegistro();
  bool RN_Beneficiario_Pessoa_Fisica_Valido();
  bool RN_Beneficiario_Pessoa_Juridica_Valido();
  bool ER_CodretPF();
  bool ER_CodretPJ();
  bool ER_OrdemBenefDec();
  bool RN_Fundo_ou_clube_de_investimento_valido();
  bool RN_FCI_Diferente_Declarante();
  bool ER_OrdemFCI();
  bool ER_OrdemBenefFci();
  bool RN_Beneficiario_FCI_Diferente_FC();
  bool ER_OrdemProc();
  bool ER_OrdemBenefProc();
  bool ER_TamanhoNiAdvogado();
  bool ER_OrdemRra();
  bool ER_OrdemBenefRra();
  bool RN_Valida_AdvogadoRRA_Declarante();
  bool RN_NumeroProcessoObrigatorio();
  bool RN_JaExisteRra();
  bool ER_CodretValores();
  bool ER_CodretValores13();
  bool ER_ValoresNaoNulosMensais();
  bool RN_Beneficiario_Juridico_13_Valido();
  bool RN_Valor_apos_encerramento();
  bool RN_Declarante_PJ();
  bool ER_Bolsa_Medico_Valido();
  bool ER_Declarante_flag_fc();
  bool ER_Declarante_flag_processo();
  bool ER_Declarante_flag_pse();
  bool ER_Declarante_flag_nao_Residentes();
  bool ER_Declarante_flag_Copa();
  bool ER_OrdemOPSE();
  bool ER_OrdemTPSE();
  bool ER_OrdemDTPSE();
  bool RN_CPF_nao_informado_dependente();
  bool ER_OrdemRemessa();
  bool RN_Relacao_Tabela_PJPJ();
  bool RN_NIF_Dispensa();
  bool RN_Justificativa_Dupla_NIF_Invalida();
  bool ER_OrdemValorRemessa();
  bool RN_Forma_de_tributacao_valido();
  bool RN_Registro_INF_Valido();
  bool RN_Ordem_benificiario_INF_valida();
  bool RN_Benificiario_INF_nao_duplicado();
  bool RN_FIMTOLV();
  bool ER_JaExisteTitular();

 protected:
  TRegistro(TArquivoDados& dados, TTFlagCampo& flags, const TabelaRegras& tabela);

  // The parent rule without the two value types that the oldest layout does not describe.
  bool RegistroPai(bool semBolsaECopa);

 private:
  // The revenue code of the run's current line; an empty code when there is no line.
  const TCodigoRetencao& Codigo() const;
  // The run's current line prepared for the code of field 1 in the run's year.
  TTolvItem& PreparaItemCodigo();
  bool DeclarantePessoa() const;
  QString NiDeclaranteFormatado() const;

  TTFlagCampo* m_flags;
  TTipoRegistro m_tipo = TTipoRegistro::RTOLV;
  uint8_t m_numeroCampos = 0;
  bool m_unico = false;
  TLinha* m_linha = nullptr;
  std::vector<std::unique_ptr<TCampo>> m_campos;
  QString m_textoRegistroTipo;
  QString m_chave;
};
