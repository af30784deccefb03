#include "controles/TCLEDLabel.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int kDigitos[10] = {63, 6, 91, 79, 102, 109, 125, 39, 127, 111};
constexpr int kE = 121, kR = 80, kO = 92;

// The seven segments of a cell, x from the cell's left plus the border gap.
const QRect kSegmento[7] = {
    QRect(QPoint(3, 1), QPoint(9, 2)),    // top
    QRect(QPoint(10, 3), QPoint(11, 11)),  // upper right
    QRect(QPoint(10, 14), QPoint(11, 23)), // lower right
    QRect(QPoint(3, 24), QPoint(9, 25)),   // bottom
    QRect(QPoint(1, 14), QPoint(2, 23)),   // lower left
    QRect(QPoint(1, 3), QPoint(2, 11)),    // upper left
    QRect(QPoint(3, 12), QPoint(9, 13)),   // middle
};

}  // namespace

int TCLEDLabel::Segmentos(int digito) { return digito >= 0 && digito <= 9 ? kDigitos[digito] : 0; }

TCLEDLabel::TCLEDLabel(QWidget* pai) : QWidget(pai) {
  m_desligado = palette().color(QPalette::Button);
  m_fundo = palette().color(QPalette::Button);
  resize(15, 34);
}

QSize TCLEDLabel::sizeHint() const { return QSize(kCelulas * kLarguraCelula + 2 * m_margem, 34); }

void TCLEDLabel::SetText(const QString& texto) {
  m_texto = texto;
  update();
}

void TCLEDLabel::SetOnColor(const QColor& cor) {
  m_ligado = cor;
  update();
}

void TCLEDLabel::SetOffColor(const QColor& cor) {
  m_desligado = cor;
  update();
}

void TCLEDLabel::SetBackGroundColor(const QColor& cor) {
  m_fundo = cor;
  update();
}

void TCLEDLabel::SetBorderGap(int margem) {
  m_margem = margem;
  update();
}

void TCLEDLabel::SetErro(bool erro) {
  m_erro = erro;
  update();
}

void TCLEDLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), m_fundo);
  const int topo = std::max(0, (height() - 28) / 2);
  auto desenha = [&](int celula, int bits) {
    const QPoint origem(celula * kLarguraCelula + m_margem, topo);
    for (int s = 0; s < 7; ++s) p.fillRect(kSegmento[s].translated(origem), (bits >> s) & 1 ? m_ligado : m_desligado);
  };
  if (m_erro) {
    const int letras[4] = {kE, kR, kR, kO};
    for (int i = 0; i < 4; ++i) desenha(kCelulas - 4 + i, letras[i]);
    return;
  }
  int celula = kCelulas - 1;
  for (qsizetype i = m_texto.size() - 1; i >= 0 && celula >= 0; --i) {
    const QChar c = m_texto[i];
    const QPoint origem(celula * kLarguraCelula + m_margem, topo);
    if (c.isDigit()) {
      desenha(celula--, kDigitos[c.digitValue()]);
    } else if (c == u'.') {
      p.fillRect(QRect(QPoint(14, 23), QPoint(16, 26)).translated(origem), m_ligado);
    } else if (c == u',') {
      p.fillRect(QRect(QPoint(14, 23), QPoint(16, 26)).translated(origem), m_ligado);
      p.setPen(Qt::NoPen);
      p.setBrush(m_ligado);
      p.drawPolygon(QPolygon({QPoint(15, 27), QPoint(16, 27), QPoint(16, 28), QPoint(14, 30), QPoint(13, 30)})
                        .translated(origem));
    } else if (c == u'-') {
      p.fillRect(kSegmento[6].translated(origem), m_ligado);
    }
  }
}
