#pragma once

#include <QString>

namespace relatorio {
class PaginasRelatorio;
class Relatorio;
}  // namespace relatorio

// Printing a report on one of the system's printers: the full page, one copy, no dialog; each
// page goes to the printer as it is laid out. False, with the reason in `erro`, when the printer
// is not there or refused the job. ("PDF" is not a system printer: see EscritaPdf.)
bool ImprimeNaImpressora(relatorio::Relatorio& relatorio, const QString& impressora, QString* erro = nullptr);
// Prints pages de to ate (1-based) of prepared pages, as ImprimeNaImpressora.
bool ImprimePaginasNaImpressora(const relatorio::PaginasRelatorio& paginas, int de, int ate, const QString& impressora,
                                const QString& titulo, QString* erro = nullptr);
