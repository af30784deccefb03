#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class IzuqValoresRemessaVisao;
class TTolv;
class TzuqErro;
struct TzuqPais;

// What the payments-abroad editor shows of the beneficiary it holds, as its controller
// (TzuqRemessaControlador) reads and drives it. The getters answer the current beneficiary's
// fields as on screen, as text. The editor keeps the handlers that the controller registers and
// calls the field-validation one when the user leaves a field.
class IzuqRemessaVisao {
 public:
  using Acao = std::function<void()>;
  // Checks one field (an index of TzuqRemessa::ValidaCampo); true when it passed. A failing
  // rule's error was shown through MostraErro.
  using ValidacaoCampo = std::function<bool(uint8_t indice)>;
  // Another stored beneficiary has the same kind, country and NIF.
  using VerificacaoExistencia = std::function<bool()>;

  virtual ~IzuqRemessaVisao() = default;

  // Makes the stored beneficiary with that key current and focuses the field with that number
  // ("0" the street, a negative number nothing); what the user was typing is kept or asked about
  // first. The screen text is not used.
  virtual void Posicionar(const QString& id, const QString& tela, const QString& campo) = 0;
  // Appends a country to the editor's list.
  virtual void AdicionaPais(const TzuqPais& pais) = 0;
  // Readies the editor for input: the last beneficiary current, then a new one.
  virtual void PreparaInclusao() = 0;

  virtual QString GetBairro() const = 0;
  virtual QString GetCdPais() const = 0;
  virtual QString GetCidade() const = 0;
  virtual QString GetComplemento() const = 0;
  virtual QString GetCxPostal() const = 0;
  // TREM_ID; 0 for a beneficiary not yet stored.
  virtual int GetId() const = 0;
  virtual QString GetCdRelFonteBeneficiario() const = 0;
  virtual QString GetInTipoBeneficiario() const = 0;
  virtual QString GetLogradouro() const = 0;
  virtual QString GetNif() const = 0;
  virtual QString GetInBenefDispensaNif() const = 0;
  virtual QString GetInPaisDispensaNif() const = 0;
  virtual QString GetNumero() const = 0;
  virtual QString GetNi() const = 0;
  virtual QString GetNome() const = 0;
  virtual QString GetTelefone() const = 0;
  virtual QString GetEstado() const = 0;
  virtual void SetId(int id) = 0;

  virtual void SetAoSalvar(Acao aoSalvar) = 0;
  virtual void SetAoExcluir(Acao aoExcluir) = 0;
  virtual void SetAoIncluir(Acao aoIncluir) = 0;
  virtual void SetAoAlterar(Acao aoAlterar) = 0;
  virtual void SetAoPosicionar(Acao aoPosicionar) = 0;
  virtual void SetAoCancelar(Acao aoCancelar) = 0;
  virtual void SetAoValidarCampo(ValidacaoCampo aoValidarCampo) = 0;
  virtual void SetAoVerificarExistencia(VerificacaoExistencia aoVerificarExistencia) = 0;

  virtual void FocaTipoBeneficiario() = 0;
  virtual void FocaPrimeiroCampo() = 0;
  // The bound declaration; not owned.
  virtual TTolv* GetTolv() const = 0;
  virtual void SetTolv(TTolv* tolv) = 0;
  // The payment-lines view that the controller made; the editor keeps nothing of it.
  virtual void SetFormValores(IzuqValoresRemessaVisao* valores) = 0;
  // Shows a field rule's error (title "Erro", or "Aviso" for a warning) and focuses the kind or
  // the country when the error names them.
  virtual void MostraErro(const TzuqErro& erro) = 0;
  virtual void SelecionaNo(int codigo) = 0;
};
