#pragma once

#include "nucleo/Ni.h"

class TErros;

// A tax number whose kind is forced or follows from its length: a CPF (9 or 11 characters),
// a CNPJ (12 to 14) or a judicial process number (15 to 20).
class TNiContribuinte : public TNi {
 public:
  // The plain number decides by length; a CPF value is (kNiCpf); a CNPJ value is
  // (kNiCnpj, true), and (kNiCnpj, true, true) when only the head office is allowed.
  explicit TNiContribuinte(uint8_t tipo = kNiIndefinido, bool somenteCnpj = false, bool exigeMatriz = false);

  QString ExtraiBase(const QString& texto) const override;
  // Kind undetermined: 34 for a text, 41 for none, whatever Opcional says.
  int Valida(const QString& texto) const override;
  QString Formata(const QString& texto) const override;
  QString CalculaDV(const QString& base) const override;

  // The kind that applies to the text. A number forced to CNPJ (without "CNPJ only") that
  // receives fewer than 12 characters falls back to the length rule for good.
  uint8_t GetTipoNi(const QString& texto) const;
  uint8_t GetTipo() const { return GetTipoNi(GetNiDigitos()); }
  virtual void SetTipo(uint8_t tipo) { m_tipoForcado = tipo; }
  bool GetExigeMatriz() const { return m_exigeMatriz; }
  bool GetSomenteCnpj() const { return m_somenteCnpj; }

  // Rules of the special-situation event of a declarant: empty date ("" or "30/12/1899"),
  // missing event type; findings of class ETipoDataEventoInvalida.
  void VerificaEvento(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto,
                      const QString& dataEvento, int16_t tipoEvento, bool situacaoEspecial) const;

  static uint8_t TipoPeloTamanho(QStringView digitos);
  // Kind 0 is first replaced by the kind by length; no kind at all gives 34 (also for "").
  static int ValidaNi(const QString& numero, uint8_t tipo, bool exigeMatriz, bool opcional);
  static QString FormataNi(const QString& numero);
  static QString CalculaDVNi(const QString& base);

 private:
  mutable uint8_t m_tipoForcado;
  bool m_somenteCnpj;
  bool m_exigeMatriz;
};
