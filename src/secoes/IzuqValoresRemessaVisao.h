#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "nucleo/Valor.h"

class TCodigoRetencao;
class TTolv;
class TzuqErro;
class TzuqValorRemessa;
struct TzuqFormaTributacao;
struct TzuqTipoRendimento;

// What a view of one beneficiary's payment lines shows, as its controller
// (TzuqValoresRemessaControlador) fills and reads it: the lines, the choice lists and the line
// being edited.
class IzuqValoresRemessaVisao {
 public:
  using Acao = std::function<void()>;
  // Checks one field (an index of TzuqValorRemessa::ValidaCampo); true when it passed.
  using ValidacaoCampo = std::function<bool(uint8_t indice)>;

  virtual ~IzuqValoresRemessaVisao() = default;

  // Drops the pending edit, makes the line with that key current (none for an empty text) and
  // focuses the control of the field index.
  virtual void Posicionar(const QString& id, const QString& indice) = 0;
  // Empties the lines.
  virtual void Limpar() = 0;
  // After a load: the first line current, dates bounded by the calendar year, editing enabled.
  virtual void ConcluiCarga() = 0;
  virtual void AdicionaValor(const TzuqValorRemessa& valor) = 0;
  virtual void AdicionaCodigoRetencao(const TCodigoRetencao& codigo) = 0;
  virtual void AdicionaTipoRendimento(const TzuqTipoRendimento& tipo) = 0;
  virtual void AdicionaFormaTributacao(const TzuqFormaTributacao& forma) = 0;
  // Shows the error and remembers that an error was shown.
  virtual void MostraErro(const TzuqErro& erro) = 0;
  // Offers only the revenue codes of kind "A" and of this kind ("F" or "J").
  virtual void FiltraCodigosRetencao(const QString& tipo) = 0;
  virtual void SetAoIncluir(Acao aoIncluir) = 0;
  virtual void SetAoAlterar(Acao aoAlterar) = 0;
  virtual void SetAoExcluir(Acao aoExcluir) = 0;
  virtual void SetAoValidarCampo(ValidacaoCampo aoValidarCampo) = 0;
  virtual void Habilita(bool habilitado) = 0;

  // The current line.
  virtual int GetCdFormaTributacao() const = 0;
  virtual QString GetCdRetencao() const = 0;
  virtual int GetCdTipoRendimento() const = 0;
  virtual QString GetData() const = 0;  // "dd/mm/yyyy"
  virtual int GetId() const = 0;
  virtual Valor GetVlIrrf() const = 0;
  virtual Valor GetVlRendimentoPago() const = 0;
  virtual void SetId(int id) = 0;

  virtual TTolv* GetTolv() const = 0;
  virtual void SetTolv(TTolv* tolv) = 0;
};
