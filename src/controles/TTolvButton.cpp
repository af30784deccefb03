#include "controles/TTolvButton.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

#include <algorithm>
#include <cmath>

#include "controles/TSchemeColors.h"

TTolvButton::TTolvButton(QWidget* pai) : QAbstractButton(pai), m_scheme(new TSchemeColors(this)) {
  resize(75, 25);
  // Tab only: a click takes the focus itself, once the mouse-down handlers have run.
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
  connect(m_scheme, &TSchemeColors::Alterado, this, qOverload<>(&QWidget::update));
  // Connected before anyone else can: the dialog's result is set before the click handlers run.
  connect(this, &QAbstractButton::clicked, this, &TTolvButton::aoClicar);
}

TTolvButton::TTolvButton(const QString& caption, QWidget* pai) : TTolvButton(pai) {
  setText(caption);
}

TTolvButton::~TTolvButton() = default;

void TTolvButton::SetScheme(const TSchemeColors& esquema) { m_scheme->Atribui(esquema); }

void TTolvButton::SetCtl3D(bool v) {
  m_ctl3D = v;
  update();
}

void TTolvButton::SetLayout(TButtonLayout v) {
  m_layout = v;
  update();
}

void TTolvButton::SetGlyph(const QImage& imagem) {
  m_glyph = imagem;
  if (!imagem.isNull() && imagem.width() % imagem.height() == 0) {
    const int n = imagem.width() / imagem.height();
    m_numGlyphs = n < 5 ? n : 1;
  }
  update();
}

void TTolvButton::SetSpacing(int v) {
  m_spacing = v;
  update();
}

void TTolvButton::SetTransparentGlyph(bool v) {
  m_transparentGlyph = v;
  update();
}

void TTolvButton::SetGradient(bool v) {
  m_gradient = v;
  update();
}

void TTolvButton::SetHotTrack(bool v) { m_hotTrack = v; }

void TTolvButton::SetNumGlyphs(int v) {
  m_numGlyphs = std::clamp(v, 1, 4);
  update();
}

void TTolvButton::SetCancel(bool v) {
  m_cancel = v;
  if (!v) {
    delete m_atalhoCancel;
    m_atalhoCancel = nullptr;
  } else if (!m_atalhoCancel) {
    m_atalhoCancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_atalhoCancel->setContext(Qt::WindowShortcut);
    connect(m_atalhoCancel, &QShortcut::activated, this, [this] {
      if (isVisible() && isEnabled()) click();
    });
  }
}

void TTolvButton::SetFlat(bool v) {
  m_flat = v;
  update();
}

void TTolvButton::SetTabStop(bool v) {
  setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

QSize TTolvButton::sizeHint() const { return {75, 25}; }

QImage TTolvButton::ConverteCinza(const QImage& imagem) {
  QImage cinza = imagem.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < cinza.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(cinza.scanLine(y));
    for (int x = 0; x < cinza.width(); ++x) {
      const QRgb p = linha[x];
      const int g = (3 * qRed(p) + 6 * qGreen(p) + qBlue(p) + 5) / 10;
      linha[x] = qRgba(g, g, g, qAlpha(p));
    }
  }
  return cinza;
}

QImage TTolvButton::imagemDoGlyph() const {
  if (m_glyph.isNull()) return {};
  int indice = 0;
  if (m_numGlyphs > 1) {
    if (!isEnabled())
      indice = 1;
    else if (m_estado == Pressionado && m_numGlyphs >= 3)
      indice = 2;
    else if (m_estado == Sobre && m_numGlyphs == 4)
      indice = 3;
  }
  const int largura = m_glyph.width() / m_numGlyphs;
  QImage imagem =
      m_glyph.copy(indice * largura, 0, largura, m_glyph.height()).convertToFormat(QImage::Format_ARGB32);
  if (imagem.isNull()) return {};
  // The transparent pixels are found in the image's own colours, so that the grey conversion
  // turns no other colour into the transparent one.
  const QRgb transparente = imagem.pixel(0, 0) & RGB_MASK;
  QImage pintada = !isEnabled() && m_numGlyphs == 1 ? ConverteCinza(imagem) : imagem;
  if (m_transparentGlyph) {
    for (int y = 0; y < imagem.height(); ++y) {
      const auto* de = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
      auto* para = reinterpret_cast<QRgb*>(pintada.scanLine(y));
      for (int x = 0; x < imagem.width(); ++x) {
        if ((de[x] & RGB_MASK) == transparente) para[x] = 0;
      }
    }
  }
  return pintada;
}

void TTolvButton::PintaGradiente(QPainter& p, const QColor& de, const QColor& ate) const {
  const int h = height();
  const double passos = std::max(1, h - 1);
  const auto canal = [passos](int a, int b, int y) {
    return int(std::lround(a + (b - a) * (y / passos)));
  };
  for (int y = 0; y < h; ++y) {
    p.setPen(QColor(canal(de.red(), ate.red(), y), canal(de.green(), ate.green(), y),
                    canal(de.blue(), ate.blue(), y)));
    p.drawLine(0, y, width() - 1, y);
  }
}

void TTolvButton::paintEvent(QPaintEvent*) {
  const TSchemeColors::Estado estado = !isEnabled()             ? TSchemeColors::Desabilitado
                                       : m_estado == Sobre       ? TSchemeColors::Sobre
                                       : m_estado == Pressionado ? TSchemeColors::Pressionado
                                                                 : TSchemeColors::Normal;
  const auto cor = [&](TSchemeColors::Papel papel) { return m_scheme->Cor(estado, papel); };
  const int w = width(), h = height();

  QPainter p(this);
  p.fillRect(rect(), cor(TSchemeColors::Face));
  if (m_gradient && cor(TSchemeColors::Grad) != cor(TSchemeColors::Face))
    PintaGradiente(p, cor(TSchemeColors::Face), cor(TSchemeColors::Grad));

  const QImage glyph = imagemDoGlyph();
  const QSize tg = glyph.size();
  const QSize tt = text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
  const int espaco = !glyph.isNull() && !text().isEmpty() ? m_spacing : 0;
  QPoint pg, pt;  // top-left corners of glyph and caption
  switch (m_layout) {
    case TButtonLayout::blGlyphLeft:
    case TButtonLayout::blGlyphRight: {
      const int x0 = (w - (tg.width() + espaco + tt.width())) / 2;
      const bool esquerda = m_layout == TButtonLayout::blGlyphLeft;
      pg = {esquerda ? x0 : x0 + tt.width() + espaco, (h - tg.height()) / 2};
      pt = {esquerda ? x0 + tg.width() + espaco : x0, (h - tt.height()) / 2};
      break;
    }
    case TButtonLayout::blGlyphTop:
    case TButtonLayout::blGlyphBottom: {
      const int y0 = (h - (tg.height() + espaco + tt.height())) / 2;
      const bool acima = m_layout == TButtonLayout::blGlyphTop;
      pg = {(w - tg.width()) / 2, acima ? y0 : y0 + tt.height() + espaco};
      pt = {(w - tt.width()) / 2, acima ? y0 + tg.height() + espaco : y0};
      break;
    }
  }
  if (isEnabled() && m_estado == Pressionado) {
    pg += QPoint(1, 1);
    pt += QPoint(1, 1);
  }
  if (!glyph.isNull()) p.drawImage(pg, glyph);
  if (!text().isEmpty()) {
    p.setPen(cor(TSchemeColors::Text));
    p.drawText(QRect(pt, tt), Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
  }

  p.setBrush(Qt::NoBrush);
  p.setPen(cor(TSchemeColors::Border));
  p.drawRect(0, 0, w - 1, h - 1);
  if (m_flat || m_ctl3D) {
    const int k = m_flat ? 0 : 1;
    p.setPen(cor(TSchemeColors::Light));
    p.drawLine(k, k, w - 1 - k, k);
    p.drawLine(k, k, k, h - 1 - k);
    p.setPen(cor(TSchemeColors::Dark));
    p.drawLine(k, h - 1 - k, w - 1 - k, h - 1 - k);
    p.drawLine(w - 1 - k, k, w - 1 - k, h - 1 - k);
  }

  if (hasFocus()) {
    const QPen caneta = m_scheme->EstiloCaneta();
    if (caneta.style() != Qt::NoPen) {
      p.setPen(caneta);
      p.drawRect(3, 3, w - 7, h - 7);
    }
  }
}

bool TTolvButton::event(QEvent* evento) {
  // The caption's accelerator clicks at once, without taking the focus.
  if (evento->type() == QEvent::Shortcut) {
    if (isEnabled()) click();
    return true;
  }
  return QAbstractButton::event(evento);
}

void TTolvButton::mousePressEvent(QMouseEvent* evento) {
  const QPointer<TTolvButton> vivo(this);
  emit MouseDown(evento->button(), evento->modifiers(), evento->position().toPoint());
  if (!vivo || evento->button() != Qt::LeftButton) return;
  if (TabStop()) {
    // Taken here, after the mouse-down handlers; a field that refuses to be left keeps the
    // focus, and then the press does nothing.
    setFocus(Qt::OtherFocusReason);
    if (!vivo || window()->focusWidget() != this) return;
  }
  m_segurado = true;
  defineEstado(Pressionado);
}

void TTolvButton::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton || !m_segurado) {
    QWidget::mouseReleaseEvent(evento);
    return;
  }
  m_segurado = false;
  if (!rect().contains(evento->position().toPoint())) return;
  // The click comes first and leaves the state normal; the pointer still over the button then
  // lights it again.
  const QPointer<TTolvButton> vivo(this);
  click();
  if (vivo) defineEstado(m_hotTrack ? Sobre : Normal);
}

void TTolvButton::mouseMoveEvent(QMouseEvent* evento) {
  // Qt holds the leave back while the button is held: follow the pointer here instead.
  if (!m_segurado) return;
  const bool dentro = rect().contains(evento->position().toPoint());
  const EstadoDesenho estado = dentro ? (m_hotTrack ? Pressionado : m_estado) : Normal;
  if (estado != m_estado) defineEstado(estado);
}

void TTolvButton::enterEvent(QEnterEvent*) {
  if (m_hotTrack) defineEstado(m_segurado ? Pressionado : Sobre);
}

void TTolvButton::leaveEvent(QEvent*) { defineEstado(Normal); }

void TTolvButton::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Space:
      if (!evento->isAutoRepeat()) defineEstado(Pressionado);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      click();
      break;
    default:
      QWidget::keyPressEvent(evento);
  }
}

void TTolvButton::keyReleaseEvent(QKeyEvent* evento) {
  if (evento->key() != Qt::Key_Space || evento->isAutoRepeat()) {
    QWidget::keyReleaseEvent(evento);
    return;
  }
  defineEstado(Normal);
  click();
}

void TTolvButton::focusInEvent(QFocusEvent* evento) {
  QWidget::focusInEvent(evento);
  update();
}

void TTolvButton::focusOutEvent(QFocusEvent* evento) {
  QWidget::focusOutEvent(evento);
  defineEstado(Normal);
}

void TTolvButton::changeEvent(QEvent* evento) {
  QAbstractButton::changeEvent(evento);
  if (evento->type() == QEvent::EnabledChange || evento->type() == QEvent::FontChange) update();
}

void TTolvButton::aoClicar() {
  if (m_modalResult != 0) {
    if (auto* dialogo = qobject_cast<QDialog*>(window())) {
      dialogo->setResult(m_modalResult);
      // A dialog shown without a modal loop keeps its place, as a form would.
      if (dialogo->isModal()) dialogo->done(m_modalResult);
    }
  }
  defineEstado(Normal);
}

void TTolvButton::defineEstado(EstadoDesenho estado) {
  m_estado = estado;
  update();
}
