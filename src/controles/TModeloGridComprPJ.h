#pragma once

#include "controles/TModeloGrid.h"

class TComprovantePJ;

// The monthly lines of a company beneficiary's income statement: month, revenue code, the
// description of the income (the one cell that takes text), income and tax withheld. Row r > 0
// shows line r - 1. Every line may become current, but the keyboard walks the descriptions only.
class TModeloGridComprPJ : public TModeloGrid {
  Q_OBJECT
 public:
  enum Coluna { kMes, kCodigo, kDescricao, kRendimento, kImposto };

  explicit TModeloGridComprPJ(QObject* pai = nullptr);

  TComprovantePJ* Comprovante() const { return m_comprovante; }
  // Binds the statement (not owned; nullptr for none) and reads its lines again.
  void SetComprovante(TComprovantePJ* comprovante);
  // Reads the statement's lines again: their number may have changed.
  void Recarrega();

  // Only the description: typing into an amount or the code would store nothing.
  bool CelulaAceitaEdicao(int col, int lin) const override;
  QString GetTextoCelula(int col, int lin) const override;
  void SetTextoCelula(int col, int lin, const QString& texto) override;
  QRect GetAreaEditavel() const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;
  const TMonetario* MonetarioCelula(int col, int lin) const override;

 private:
  TComprovantePJ* m_comprovante = nullptr;
};
