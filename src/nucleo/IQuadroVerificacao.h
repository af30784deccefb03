#pragma once

#include <QString>

#include <cstdint>

class TErros;

// What the annex checks write into the verification window's result list. The window of the
// verification implements it; the checks only add rows and read the two switches.
class IQuadroVerificacao {
 public:
  virtual ~IQuadroVerificacao() = default;

  // Lists the entries of the list in order: every error, and warnings only while they are
  // shown. Does not empty the list. False once the error limit stopped the verification.
  virtual bool IncluiErros(const TErros& erros) = 0;
  // A row of its own; the first two characters are the row kind ("10" a section title).
  virtual void IncluiTitulo(const QString& texto) = 0;
  // The header row of a fund or club: its formatted CNPJ and its name.
  virtual void IncluiCabecalhoFundo(const QString& numero, const QString& nome) = 0;
  // The header row of a process: its number, the caption of its court, the court byte.
  virtual void IncluiCabecalhoProcesso(const QString& numero, const QString& texto, uint8_t tipoProcesso) = 0;
  // The number of lines verified so far.
  virtual void SetVerificados(int quantidade) = 0;
  // The user stopped the verification, or the error limit did.
  virtual bool GetParado() const = 0;
  // The box "Mostrar avisos" is ticked.
  virtual bool GetMostrarAvisos() const = 0;
};
