#pragma once

#include "nucleo/DadoBasico.h"
#include "nucleo/Valor.h"

// An amount of a declaration: four decimals kept, shown with two (or one), never negative to
// the outside and capped at 99.999.999.999,99.
class TMonetario : public TDadoBasico {
 public:
  static constexpr Valor kLimite = Valor::deDezMilesimos(999'999'999'999'900);

  // Thousands separators, two decimals (one when asked): 1.234,50.
  QString GetFormatado() const override;
  // Keeps digits and the first ','; at most two decimals are kept, cut and not rounded.
  // An empty result clears the amount. Raises EMonetarioInvalido 108 beyond the cap.
  void SetValor(const QString& texto) override;
  // Without thousands separators: 1234,50 (the form of text columns and files).
  QString GetValor() const override;

  // Notifies only when the amount changes; no cap check.
  virtual void SetValorMonetario(Valor valor);
  // The internal amount read as 0 when negative: what is shown, written and summed.
  virtual Valor GetValorMonetario() const;
  virtual Valor GetValorInterno() const { return m_valor; }
  virtual void VerificaLimite(Valor valor) const;
  // Zero, and notifies even when it was zero already.
  virtual void Limpar();

  // A fixed-width field of digits with two implied decimals; 0, 71 or 108, and nothing
  // changes unless 0.
  int SetValorImportacao(const QString& digitos);
  bool EhZero() const { return GetValorMonetario().ehZero(); }
  // Used by totals: no notification, no cap.
  void SomaValor(const TMonetario& outro) { m_valor += outro.GetValorMonetario(); }
  void SubtraiValor(const TMonetario& outro) { m_valor -= outro.GetValorMonetario(); }

  bool GetUmaDecimal() const { return m_umaDecimal; }
  void SetUmaDecimal(bool umaDecimal) { m_umaDecimal = umaDecimal; }

 protected:
  // Applies the typing filter and converts; nothing for a text that filters to empty.
  // Raises EMonetarioInvalido 108 with the filtered text when it does not convert.
  static std::optional<Valor> InterpretaTexto(const QString& texto);
  int Decimais() const { return m_umaDecimal ? 1 : 2; }

 private:
  bool m_umaDecimal = false;  // first: it fits in the base's tail padding

 protected:
  Valor m_valor;
};

// A count: the same value shown without decimals.
class TNumero : public TMonetario {
 public:
  QString GetFormatado() const override { return GetValorMonetario().formata(0, true); }
  QString GetValor() const override { return GetValorMonetario().formata(0, false); }
};
