#pragma once

#include "controles/TModeloGridComprPJ.h"
#include "controles/TTolvCustomGrid.h"

class TComprovantePJ;

// The monthly lines of a company beneficiary's income statement (see TModeloGridComprPJ): one
// row of 20 pixels per line under the captions, up to 320 pixels and then a scroll bar; hidden
// while the statement has no line.
class TTolvGridComprPJ : public TTolvCustomGrid {
  Q_OBJECT
 public:
  explicit TTolvGridComprPJ(QWidget* pai = nullptr);

  TModeloGridComprPJ& ModeloComprPJ() const { return static_cast<TModeloGridComprPJ&>(Modelo()); }

  // Binds the statement (not owned; nullptr for none) and runs Atualiza.
  void SetComprovante(TComprovantePJ* comprovante);
  // Reads the lines again: height, visibility and the description of the first line current.
  void Atualiza();

  void AjustaDimensoes() override;
};
