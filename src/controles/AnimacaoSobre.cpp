#include "controles/AnimacaoSobre.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kMarinho = 0x000080;

bool claro(QRgb c) { return qRed(c) >= 0xF0 && qGreen(c) >= 0xF0 && qBlue(c) >= 0xF0; }

int passoCanal(int alvo) { return (alvo >> 5) ^ 7; }

// Every channel of `img` changed by `regra(channel, the target's channel)`.
template <typename Regra>
void ajustaCanais(QImage& img, const QImage& alvo, Regra regra) {
  for (int y = 0; y < img.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
    const auto* destino = reinterpret_cast<const QRgb*>(alvo.constScanLine(y));
    for (int x = 0; x < img.width(); ++x)
      linha[x] = qRgb(regra(qRed(linha[x]), qRed(destino[x])), regra(qGreen(linha[x]), qGreen(destino[x])),
                      regra(qBlue(linha[x]), qBlue(destino[x])));
  }
}

// One step towards the target: down by a step that depends on it while well above it, else the
// target itself.
void escurece(QImage& img, const QImage& alvo) {
  ajustaCanais(img, alvo, [](int c, int t) { return t + 15 < c ? c - passoCanal(t) : t; });
}

// One step towards white, by the step of the target's channel.
void clareia(QImage& img, const QImage& alvo) {
  ajustaCanais(img, alvo, [](int c, int t) { return c >= 240 ? 255 : std::min(255, c + passoCanal(t)); });
}

void poligono(QImage& img, const QPolygon& p, QRgb cor) {
  QPainter pintor(&img);
  pintor.setPen(QColor(cor));
  pintor.setBrush(QColor(cor));
  pintor.drawPolygon(p);
}

}  // namespace

AnimacaoSobre::AnimacaoSobre(const QImage& primeira, const QImage& segunda, QSize area, quint32 semente)
    : m_segunda(segunda.convertToFormat(QImage::Format_RGB32)), m_area(area), m_aleatorio(semente) {
  const QImage p = primeira.convertToFormat(QImage::Format_RGB32);
  const QPoint desvio((area.width() - p.width()) / 2, (area.height() - p.height()) / 2);
  m_desvioSegunda = QPoint((area.width() - m_segunda.width()) / 2, (area.height() - m_segunda.height()) / 2);

  std::vector<QPointF> partidas;
  for (int y = 0; y < m_segunda.height() - 1; y += 2)
    for (int x = 0; x < m_segunda.width() - 1; x += 2) {
      const QRgb c[4] = {m_segunda.pixel(x, y), m_segunda.pixel(x + 1, y), m_segunda.pixel(x, y + 1),
                         m_segunda.pixel(x + 1, y + 1)};
      if (std::any_of(c, c + 4, [](QRgb v) { return (v & 0xFFFFFF) == kMarinho; }))
        partidas.emplace_back(x + m_desvioSegunda.x(), y + m_desvioSegunda.y());
    }

  for (int y = 0; y < p.height() - 1; y += 2)
    for (int x = 0; x < p.width() - 1; x += 2) {
      Particula q{};
      q.casa = QPointF(x + desvio.x(), y + desvio.y());
      q.inicio = partidas.empty() ? q.casa : partidas[m_aleatorio.bounded(int(partidas.size()))];
      const double passos =
          m_aleatorio.bounded(200) + 2 * std::abs(q.inicio.y() - area.height() / 2) + 50;
      q.velocidade = (q.inicio - q.casa) / passos;
      q.cores[0] = p.pixel(x, y);
      q.cores[1] = p.pixel(x + 1, y);
      q.cores[2] = p.pixel(x, y + 1);
      q.cores[3] = p.pixel(x + 1, y + 1);
      m_particulas.push_back(q);
    }

  m_fundo = QImage(area, QImage::Format_RGB32);
  m_alvo = QImage(area, QImage::Format_RGB32);
  m_desenho = QImage(area, QImage::Format_RGB32);
  reinicia();
}

void AnimacaoSobre::reinicia() {
  m_fase = 1;
  m_contador = 0;
  m_pausa = 0;
  for (Particula& q : m_particulas) q.posicao = q.inicio;
  m_alvo.fill(Qt::white);
  QPainter(&m_alvo).drawImage(m_desvioSegunda, m_segunda);
  m_fundo.fill(Qt::white);
  m_desenho = m_fundo;
  m_faseOnda = 2.4;
  m_amplitude = 1.0;
  m_passoAmplitude = 0.03;
}

bool AnimacaoSobre::todasEmCasa() const {
  return std::all_of(m_particulas.begin(), m_particulas.end(), [](const Particula& q) {
    return std::abs(q.posicao.x() - q.casa.x()) < 0.1 && std::abs(q.posicao.y() - q.casa.y()) < 0.1;
  });
}

const QImage& AnimacaoSobre::passo() {
  switch (m_fase) {
    case 1: passoFade(); break;
    case 2: passoParticulas(); break;
    case 3: passoOnda(); break;
    default: passoSumico(); break;
  }
  return m_desenho;
}

void AnimacaoSobre::passoFade() {
  if (m_pausa > 0) {
    if (--m_pausa == 0) m_fase = 2;
    return;
  }
  if (++m_contador % 4 == 0) escurece(m_fundo, m_alvo);
  m_desenho = m_fundo;
  if (qRed(m_desenho.pixel(0, 0)) <= 192) {
    poligono(m_desenho, QPolygon({QPoint(0, 0), QPoint(163, 0), QPoint(0, 129)}), 0xC0FFC0);
    poligono(m_desenho, QPolygon({QPoint(1, 129), QPoint(58, 129), QPoint(163, 40), QPoint(163, 1)}), 0xFFFFC0);
    m_fundo = m_desenho;
    poligono(m_alvo, QPolygon({QPoint(0, 0), QPoint(161, 0), QPoint(161, 127), QPoint(0, 127)}), 0xC0FFC0);
    m_pausa = 100;
  }
}

void AnimacaoSobre::desenhaParticulas(QImage& img) const {
  const QRect limites = img.rect();
  const QPoint deslocamentos[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  for (const Particula& q : m_particulas) {
    const QPoint p = q.posicao.toPoint();
    for (int k = 0; k < 4; ++k) {
      const QPoint d = p + deslocamentos[k];
      if (!claro(q.cores[k]) && limites.contains(d)) img.setPixel(d, q.cores[k]);
    }
  }
}

void AnimacaoSobre::passoParticulas() {
  m_desenho = m_fundo;
  desenhaParticulas(m_desenho);
  for (Particula& q : m_particulas) {
    if (std::abs(q.posicao.x() - q.casa.x()) >= 0.1) q.posicao.rx() -= q.velocidade.x();
    if (std::abs(q.posicao.y() - q.casa.y()) >= 0.1) q.posicao.ry() -= q.velocidade.y();
  }
  m_passoAmplitude = 0.03;
  escurece(m_fundo, m_alvo);
  if (todasEmCasa()) {
    // The wave bends the finished picture: every particle in its place.
    m_quadro = m_fundo;
    desenhaParticulas(m_quadro);
    m_fase = 3;
  }
}

void AnimacaoSobre::passoOnda() {
  m_desenho.fill(Qt::white);
  const double base = m_amplitude * std::sin(m_faseOnda);
  for (int x = 0; x < m_quadro.width(); ++x) {
    const int dy = int(std::lround(m_amplitude * std::sin(m_faseOnda + 0.04 * x) - base));
    for (int y = 0; y < m_quadro.height(); ++y) {
      const int yd = y + dy;
      if (yd >= 0 && yd < m_desenho.height()) m_desenho.setPixel(x, yd, m_quadro.pixel(x, y));
    }
  }
  m_faseOnda += 0.07;
  m_amplitude += m_passoAmplitude;
  if (m_amplitude > 7 && m_passoAmplitude > 0) m_passoAmplitude = -m_passoAmplitude;
  if (m_amplitude < 0) {
    m_alvo.fill(Qt::black);
    m_contador = 0;
    m_fase = 4;
  }
}

void AnimacaoSobre::passoSumico() {
  if (++m_contador % 5 == 0) clareia(m_desenho, m_alvo);
  if ((m_desenho.pixel(20, 40) & 0xFFFFFF) == 0xFFFFFF) reinicia();
}
