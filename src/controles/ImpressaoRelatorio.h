#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace relatorio {
class PaginasRelatorio;
class Relatorio;
}  // namespace relatorio

// The program's printing of reports, on the current printer (ImpressoraAtual) with no print
// dialog: a system printer gets the pages as they are laid out; the printer "PDF" asks for the
// file to write and writes it. A failure is told in the message box. False when nothing was
// printed (a failure, or no file chosen).
bool ImprimeRelatorio(relatorio::Relatorio& relatorio, QWidget* dono = nullptr);
// Pages de to ate (1-based) of a prepared report, on a printer (empty: the current one).
bool ImprimePaginas(const relatorio::PaginasRelatorio& paginas, int de, int ate, const QString& titulo,
                    QWidget* dono = nullptr, const QString& impressora = QString());

// The name of the PDF file for the printer "PDF" (empty: cancelled). The program's save dialog
// unless a test installs its own; returns the one installed before.
using EscolhaArquivoPdf = std::function<QString(QWidget* dono, const QString& sugestao)>;
EscolhaArquivoPdf DefineEscolhaArquivoPdf(EscolhaArquivoPdf escolha);
