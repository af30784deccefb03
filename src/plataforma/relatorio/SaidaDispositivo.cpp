#include "plataforma/relatorio/SaidaDispositivo.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "plataforma/relatorio/DesenhoPagina.h"

namespace relatorio {

SaidaDispositivo::SaidaDispositivo(QPagedPaintDevice& dispositivo) : m_dispositivo(dispositivo) {}

SaidaDispositivo::~SaidaDispositivo() { termina(); }

void SaidaDispositivo::inicia(const QPageLayout& layout) {
  if (m_pintor) return;  // the paper is chosen once, before the first page
  m_dispositivo.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(0, 0, 0, 0)));
}

void SaidaDispositivo::recebe(const QPicture& pagina) {
  if (m_falhou) return;
  if (!m_pintor) {
    m_pintor = std::make_unique<QPainter>();
    if (!m_pintor->begin(&m_dispositivo)) {
      m_pintor.reset();
      m_falhou = true;
      return;
    }
  } else if (!m_dispositivo.newPage()) {
    m_falhou = true;
    return;
  }
  DesenhaPagina(*m_pintor, pagina, PixelsPorUnidade(*m_pintor));
  ++m_paginas;
}

void SaidaDispositivo::termina() {
  if (!m_pintor) return;
  if (!m_pintor->end()) m_falhou = true;
  m_pintor.reset();
}

}  // namespace relatorio
