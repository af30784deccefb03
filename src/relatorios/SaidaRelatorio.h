#pragma once

#include <QImage>

namespace relatorio {
class Relatorio;
}

// Where the reports go: the shared preview, the current printer, and the main window's logo for
// their headings. The reports' windows (relatorios/gui) install the program's at start; tests
// install their own, which keeps the pages.
class ISaidaRelatorio {
 public:
  virtual ~ISaidaRelatorio() = default;
  // Shows the report in the preview window, modally; returns once the window has closed.
  virtual void Visualiza(relatorio::Relatorio& relatorio) = 0;
  // Prints the report on the current printer with no dialog, every batch; false when nothing
  // was printed (a failure has been told).
  virtual bool Imprime(relatorio::Relatorio& relatorio) = 0;
  // The picture of the headings' logo.
  virtual QImage Logo() const = 0;
};

// The output installed; nullptr before one is.
ISaidaRelatorio* SaidaRelatorio();
// Installs an output (not owned); nullptr removes it. Returns the one installed before.
ISaidaRelatorio* InstalaSaidaRelatorio(ISaidaRelatorio* saida);
