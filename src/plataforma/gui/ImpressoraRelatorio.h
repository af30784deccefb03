#pragma once

#include <QString>

#include "plataforma/relatorio/SaidaDispositivo.h"

class QPrinter;

namespace relatorio {
class PaginasRelatorio;
class Relatorio;
}  // namespace relatorio

// The pages on a printer: as SaidaDispositivo, and the report's choice of both sides of the paper
// goes to the printer before the first page.
class SaidaImpressora : public relatorio::SaidaDispositivo {
 public:
  explicit SaidaImpressora(QPrinter& impressora);
  void defineFrenteVerso(bool frenteVerso) override;

 private:
  QPrinter& m_impressora;
};

// Printing a report on one of the system's printers: the full page, one copy, no dialog; each
// page goes to the printer as it is laid out, every batch in one job. False, with the reason in
// `erro`, when the printer is not there or refused the job. ("PDF" is not a system printer: see
// EscritaPdf.)
bool ImprimeNaImpressora(relatorio::Relatorio& relatorio, const QString& impressora, QString* erro = nullptr);
// Prints pages de to ate (1-based) of prepared pages, as ImprimeNaImpressora.
bool ImprimePaginasNaImpressora(const relatorio::PaginasRelatorio& paginas, int de, int ate, const QString& impressora,
                                const QString& titulo, QString* erro = nullptr);
