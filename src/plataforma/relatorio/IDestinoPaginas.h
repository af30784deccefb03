#pragma once

#include <QPageLayout>

class QPicture;

namespace relatorio {

// Where a report's pages go as they are finished: the preview's pages, a PDF file, a printer.
class IDestinoPaginas {
 public:
  virtual ~IDestinoPaginas() = default;
  // Before the first page of a preparation: whether the pages go on both sides of the paper,
  // then the report's paper.
  virtual void defineFrenteVerso(bool frenteVerso) { Q_UNUSED(frenteVerso); }
  virtual void inicia(const QPageLayout& layout) { Q_UNUSED(layout); }
  // Each finished page, in order (see DesenhaPagina for its unit).
  virtual void recebe(const QPicture& pagina) = 0;
  // After the last page, also when the preparation was stopped; not after a failure.
  virtual void termina() {}
  // Asked after every page and between records: false stops the preparation, which then
  // finishes the page it is on.
  virtual bool continua() { return true; }
};

}  // namespace relatorio
