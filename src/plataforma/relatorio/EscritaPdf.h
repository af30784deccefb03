#pragma once

#include <QString>

namespace relatorio {

class PaginasRelatorio;
class Relatorio;

// Prepares the report straight into a PDF file, page by page (no page is kept), every batch. The file is
// written under a temporary name and takes its name only when complete, so that a failure never
// leaves half a file over an earlier one. False, with the reason in `erro`, on failure.
bool EscrevePdf(Relatorio& relatorio, const QString& caminho, QString* erro = nullptr);

// Writes pages de to ate (1-based) of prepared pages to a PDF file, as EscrevePdf.
bool GravaPdf(const PaginasRelatorio& paginas, int de, int ate, const QString& caminho, const QString& titulo,
              QString* erro = nullptr);

}  // namespace relatorio
