#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPicture>

#include <functional>
#include <memory>
#include <vector>

#include "plataforma/relatorio/IDestinoPaginas.h"

class QTemporaryFile;

namespace relatorio {

// The pages of a prepared report, kept to be shown and printed again without preparing the
// report anew. The first pages stay in memory; beyond `limiteMemoria` they go to a temporary
// file, so that a report of thousands of pages keeps memory flat.
class PaginasRelatorio : public IDestinoPaginas {
 public:
  explicit PaginasRelatorio(int limiteMemoria = 200);
  ~PaginasRelatorio() override;
  PaginasRelatorio(const PaginasRelatorio&) = delete;
  PaginasRelatorio& operator=(const PaginasRelatorio&) = delete;

  void defineFrenteVerso(bool frenteVerso) override { m_frenteVerso = frenteVerso; }
  void inicia(const QPageLayout& layout) override;
  void recebe(const QPicture& pagina) override;
  bool continua() override;

  int quantidade() const { return int(m_indice.size()); }
  // Page 1 to quantidade(); an empty picture outside them (or when the file failed).
  QPicture pagina(int numero) const;
  const QPageLayout& layout() const { return m_layout; }
  bool frenteVerso() const { return m_frenteVerso; }
  // Forgets every page (and the file).
  void limpa();
  // Plays pages de to ate (1-based, inclusive, clipped to the pages there are) into another
  // destination, as if prepared again.
  void reproduz(IDestinoPaginas& destino, int de, int ate) const;

  // Asks the report being prepared into these pages to stop.
  void pedeParada() { m_parar = true; }
  void limpaParada() { m_parar = false; }

  // Runs after each page is kept, with the number of pages kept.
  std::function<void(int quantidade)> aoReceber;
  // Runs each time the report asks whether to go on (between records): a window that shows the
  // pages lets its events through here, so that a stop is heard while a page is laid out.
  std::function<void()> aoContinuar;

 private:
  struct Lugar {
    qint64 posicao = -1;  // in the file; -1: in memory at `memoria`
    qint64 tamanho = 0;
    int memoria = -1;
  };

  QByteArray bytes(int numero) const;

  int m_limiteMemoria;
  QPageLayout m_layout;
  bool m_frenteVerso = false;
  std::vector<QByteArray> m_memoria;
  std::vector<Lugar> m_indice;
  std::unique_ptr<QTemporaryFile> m_arquivo;
  bool m_parar = false;
};

}  // namespace relatorio
