#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

class QPicture;

namespace relatorio {
class PaginasRelatorio;
}

// What the reports' tests read instead of pixels: the texts a prepared page draws, each where it
// stands on the paper (in 1/96 inch from the paper's top left corner), and the text of a PDF file.
namespace LeitorPaginas {

struct Texto {
  QString texto;
  QPointF base;  // the start of its baseline
  QFont fonte;
};

// Every text the page draws, in the order drawn (a long label may come in pieces).
std::vector<Texto> Textos(const QPicture& pagina);
// The page's texts gathered into lines: the pieces on one baseline (within half a unit), left to
// right, joined with one blank where they stand apart; lines from the top.
QStringList Linhas(const QPicture& pagina);
// The first text that contains `trecho`; nullptr when none.
const Texto* Procura(const std::vector<Texto>& textos, const QString& trecho);
// Linhas of every page, a list per page.
std::vector<QStringList> LinhasDasPaginas(const relatorio::PaginasRelatorio& paginas);

// The text of a PDF file as pdftotext -layout gives it (pages end in a form feed); empty, with a
// failed expectation, when the tool is missing or fails.
QString TextoPdf(const QString& arquivo);

}  // namespace LeitorPaginas
