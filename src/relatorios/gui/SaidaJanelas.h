#pragma once

#include "relatorios/SaidaRelatorio.h"

// The reports' output in the program: the shared preview window (TFoPreview), the current
// printer with no dialog (or the PDF file the printer "PDF" asks for), and the program's picture
// as the headings' logo.
class SaidaJanelas : public ISaidaRelatorio {
 public:
  void Visualiza(relatorio::Relatorio& relatorio) override;
  bool Imprime(relatorio::Relatorio& relatorio) override;
  QImage Logo() const override;
};

// Installs the program's output for the reports (once, at start).
void InstalaSaidaJanelas();
