#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRandomGenerator>
#include <QSize>

#include <vector>

// The about box's picture animation, one step per call (every 30 ms):
// 1 the background fades in from white towards the target, then pauses;
// 2 particles, one per 2×2 block of the first picture, fly from the navy places of the second
//   picture to their homes while the background keeps fading;
// 3 the finished picture waves, its columns shifted along a sine that swells and settles;
// 4 it fades out to white, and everything starts again.
class AnimacaoSobre {
 public:
  AnimacaoSobre(const QImage& primeira, const QImage& segunda, QSize area, quint32 semente);

  void reinicia();
  // One step; returns the picture to show.
  const QImage& passo();

  int fase() const { return m_fase; }
  const QImage& desenho() const { return m_desenho; }
  // The picture the particles built, once they are all home.
  const QImage& quadro() const { return m_quadro; }
  int quantidadeParticulas() const { return int(m_particulas.size()); }
  bool todasEmCasa() const;

 private:
  struct Particula {
    QPointF casa;
    QPointF inicio;
    QPointF posicao;
    QPointF velocidade;
    QRgb cores[4];
  };

  void desenhaParticulas(QImage& img) const;
  void passoFade();
  void passoParticulas();
  void passoOnda();
  void passoSumico();

  QImage m_segunda;
  QPoint m_desvioSegunda;
  QSize m_area;
  QRandomGenerator m_aleatorio;
  std::vector<Particula> m_particulas;
  QImage m_fundo;
  QImage m_alvo;
  QImage m_desenho;
  QImage m_quadro;  // the finished picture that the wave bends
  int m_fase = 1;
  int m_contador = 0;
  int m_pausa = 0;
  double m_faseOnda = 2.4;
  double m_amplitude = 1.0;
  double m_passoAmplitude = 0.03;
};
