#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "nucleo/Contribuinte.h"
#include "nucleo/ZuqErro.h"

class IzuqConsultasRemessa;
class IzuqDeclaracaoRemessa;

// A beneficiary resident abroad: kind of person, country, foreign tax number (NIF) or why there
// is none, relation to the paying source, address, phone and, from the base, an optional
// Brazilian number with the name. Every field is text, stored unchecked by its setter; a rule
// chosen by a field index checks one field and yields a TzuqErro instead of raising.
//
// The declaration and the look-ups are observed, not owned. Without look-ups of its own the
// beneficiary uses the process-wide ones (TzuqConsultasRemessaBanco).
class TzuqRemessa : public TContribuinte {
 public:
  // Field indices of ValidaCampo; the error of a rule carries the field number of the table.
  enum Indice : uint8_t {
    kTipoBeneficiario = 0,
    kPais = 1,           // the country in the declaration's table
    kPaisEmCache = 2,    // the same in the cached list
    kNif = 3,
    kDispensaBeneficiario = 4,
    kDispensaPais = 5,
    kRelacao = 6,
    kRelacaoImportada = 7,  // checks nothing
    kNi = 8,
    kNome = 9,
    kComplemento = 10,
    kCxPostal = 11,
    kNumero = 12,
    kCidade = 13,
    kLogradouro = 14,
    kTelefone = 15,
    kBairro = 16,
    kEstado = 17,
  };

  TzuqRemessa();

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  // "1" person, "2" company.
  const QString& GetInTipoBeneficiario() const { return m_inTipoBeneficiario; }
  void SetInTipoBeneficiario(const QString& v) { m_inTipoBeneficiario = v; }
  const QString& GetCdPais() const { return m_cdPais; }
  void SetCdPais(const QString& v) { m_cdPais = v; }
  const QString& GetNif() const { return m_nif; }
  void SetNif(const QString& v) { m_nif = v; }
  // "S" or "N".
  const QString& GetInBenefDispensaNif() const { return m_inBenefDispensaNif; }
  void SetInBenefDispensaNif(const QString& v) { m_inBenefDispensaNif = v; }
  const QString& GetInPaisDispensaNif() const { return m_inPaisDispensaNif; }
  void SetInPaisDispensaNif(const QString& v) { m_inPaisDispensaNif = v; }
  const QString& GetCdRelFonteBeneficiario() const { return m_cdRelFonteBeneficiario; }
  void SetCdRelFonteBeneficiario(const QString& v) { m_cdRelFonteBeneficiario = v; }
  const QString& GetLogradouro() const { return m_logradouro; }
  void SetLogradouro(const QString& v) { m_logradouro = v; }
  const QString& GetNumero() const { return m_numero; }
  void SetNumero(const QString& v) { m_numero = v; }
  const QString& GetComplemento() const { return m_complemento; }
  void SetComplemento(const QString& v) { m_complemento = v; }
  const QString& GetBairro() const { return m_bairro; }
  void SetBairro(const QString& v) { m_bairro = v; }
  const QString& GetCxPostal() const { return m_cxPostal; }
  void SetCxPostal(const QString& v) { m_cxPostal = v; }
  const QString& GetCidade() const { return m_cidade; }
  void SetCidade(const QString& v) { m_cidade = v; }
  const QString& GetEstado() const { return m_estado; }
  void SetEstado(const QString& v) { m_estado = v; }
  const QString& GetTelefone() const { return m_telefone; }
  void SetTelefone(const QString& v) { m_telefone = v; }

  // The one form in which the Brazilian number is stored: the base without check digits when the
  // number is a valid CPF or CNPJ, the digits as they are otherwise (so a number typed wrong is
  // kept and not turned into a valid one), empty when there is none.
  QString GetNiArmazenado() const;
  // The number's kind as stored in TREM_IN_PF_PJ: "1" CPF, "2" CNPJ, "0" none.
  QString GetInPfPj() const;

  IzuqDeclaracaoRemessa* GetDeclaracao() const { return m_declaracao; }
  void SetDeclaracao(IzuqDeclaracaoRemessa* declaracao) { m_declaracao = declaracao; }
  IzuqConsultasRemessa& GetConsultas() const;
  void SetConsultas(IzuqConsultasRemessa* consultas) { m_consultas = consultas; }

  // Runs the rule of the index and keeps its result as the current error: nullptr when it
  // passes, and for 4, 5, 7 and any index above 17, which check nothing. The pointer lives
  // until the next ValidaCampo or ValidaTodos. The country rules raise EConversaoRemessa for a
  // country text that is not a number.
  const TzuqErro* ValidaCampo(uint8_t indice);
  // Fills the error list with every rule's error (indices 0, 1, 3, both waivers, 6, 8 to 17);
  // no current error afterwards. Never raises: a country that is not a number fails its rule.
  void ValidaTodos();
  bool EhValido() const { return !m_erro && m_erros.empty(); }
  // The current error, else the first of the list, else nullptr.
  const TzuqErro* GetErro() const;
  const std::vector<TzuqErro>& GetErros() const { return m_erros; }

 private:
  std::optional<TzuqErro> Regra(uint8_t indice);
  std::optional<TzuqErro> RegraPais(bool emCache);
  std::optional<TzuqErro> RegraNif() const;
  std::optional<TzuqErro> RegraRelacao();
  std::optional<TzuqErro> RegraNi();
  std::optional<TzuqErro> RegraNome() const;

  int m_id = 0;
  QString m_inTipoBeneficiario;
  QString m_cdPais;
  QString m_nif;
  QString m_inBenefDispensaNif;
  QString m_inPaisDispensaNif;
  QString m_cdRelFonteBeneficiario;
  QString m_logradouro;
  QString m_numero;
  QString m_complemento;
  QString m_bairro;
  QString m_cxPostal;
  QString m_cidade;
  QString m_estado;
  QString m_telefone;

  IzuqDeclaracaoRemessa* m_declaracao = nullptr;
  IzuqConsultasRemessa* m_consultas = nullptr;
  std::optional<TzuqErro> m_erro;
  std::vector<TzuqErro> m_erros;
};
