#pragma once

#include <memory>

#include "plataforma/relatorio/IDestinoPaginas.h"

class QPagedPaintDevice;
class QPainter;

namespace relatorio {

// Plays each page on a paged device (a PDF writer, a printer) as it comes, keeping none: a
// report written straight to a file or a printer never holds all its pages. The device's margins
// become zero (the report places everything itself); a printer must print on the full page.
class SaidaDispositivo : public IDestinoPaginas {
 public:
  explicit SaidaDispositivo(QPagedPaintDevice& dispositivo);
  ~SaidaDispositivo() override;
  SaidaDispositivo(const SaidaDispositivo&) = delete;
  SaidaDispositivo& operator=(const SaidaDispositivo&) = delete;

  void inicia(const QPageLayout& layout) override;
  void recebe(const QPicture& pagina) override;
  void termina() override;
  bool continua() override { return !m_falhou; }

  int paginas() const { return m_paginas; }
  // The device refused to be painted on (a file that cannot be written, a printer gone).
  bool falhou() const { return m_falhou; }

 private:
  QPagedPaintDevice& m_dispositivo;
  std::unique_ptr<QPainter> m_pintor;
  int m_paginas = 0;
  bool m_falhou = false;
};

}  // namespace relatorio
