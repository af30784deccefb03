#pragma once

#include <QString>

#include <cstdint>

class TTolv;

// A payments-abroad beneficiary as the analysis has read it so far (the BRPDE record being
// tested): its kind (1 person, 2 company, 0 unknown), its country, its Brazilian number and the
// letter of that number's kind ("F" or "J").
struct DadosRemessa {
  uint8_t tipoBeneficiario = 0;
  QString codigoPais;
  QString ni;
  QString tipoNi;
};

// An accumulated-income item as far as its equivalence test needs it.
struct DadosRra {
  uint8_t tipo = 1;  // 1 paid by the declarant, 2 through justice
  QString cpfBeneficiario;
  QString natureza;
  QString processo;
  QString niAdvogado;
};

// The answer of a check of the supplementary sections: a message code (0 valid) and its text.
struct ResultadoSecao {
  int codigo = 0;
  QString texto;
  bool valido() const { return codigo == 0; }
};

// What the analysis uses of the supplementary sections (payments abroad, health plans,
// accumulated income): their value checks and the few database questions they answer. The
// sections' own library implements it over its entities, data-access objects and reference
// tables; ServicosSecoesBasicos answers without a database.
class IServicosSecoes {
 public:
  virtual ~IServicosSecoes() = default;

  // The nature text of accumulated income: 0 or the code of the first rule it breaks.
  virtual int ValidaNaturezaRra(const QString& natureza) = 0;
  // The health-plan registry number: 0 when empty or valid, else 253.
  virtual int ValidaRegistroAns(const QString& registro) = 0;

  // The beneficiary abroad's country code.
  virtual bool PaisValido(const QString& pais) = 0;
  // The payer/beneficiary relation code as the beneficiary's own field check sees it.
  virtual bool RelacaoValida(const DadosRemessa& remessa, const QString& relacao) = 0;
  // The relation code exists in its reference table.
  virtual bool RelacaoExiste(const QString& relacao) = 0;
  // A payment's revenue code for that beneficiary and declaration: 312 when only the country
  // forbids it.
  virtual ResultadoSecao ValidaCodigoReceita(const DadosRemessa& remessa, const TTolv& declaracao,
                                             const QString& codigo) = 0;
  // A payment's income type for its revenue code: 313 when only the code forbids it.
  virtual ResultadoSecao ValidaTipoRendimento(const QString& codigoReceita, const QString& tipo) = 0;
  // A payment's taxation form with its tax withheld.
  virtual ResultadoSecao ValidaFormaTributacao(const QString& forma, const QString& irrf) = 0;

  // Any accumulated-income item is stored in the database in use.
  virtual bool ExisteRra() = 0;
  // An equivalent accumulated-income item is stored already.
  virtual bool RraJaExiste(const DadosRra& item) = 0;
};
