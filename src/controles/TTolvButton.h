#pragma once

#include <QAbstractButton>
#include <QImage>

class QShortcut;
class TSchemeColors;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The program's push button, drawn by itself: a vertical gradient in the colours of its scheme
// for the state it is in (normal, mouse over, pressed, disabled), hot tracking, and a glyph
// strip of up to four images (normal, disabled, pressed, mouse over).
//
// A click with a ModalResult other than 0 first gives its dialog that result (closing it when it
// runs modally), then emits clicked(). It is no QPushButton, so that checks for a focused
// standard Cancel button pass it by.
class TTolvButton : public QAbstractButton {
  Q_OBJECT
 public:
  enum EstadoDesenho { Normal = 0, Sobre = 1, Pressionado = 2 };

  explicit TTolvButton(QWidget* pai = nullptr);
  explicit TTolvButton(const QString& caption, QWidget* pai = nullptr);
  ~TTolvButton() override;

  TSchemeColors& Scheme() { return *m_scheme; }
  const TSchemeColors& Scheme() const { return *m_scheme; }
  void SetScheme(const TSchemeColors& esquema);

  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool v);
  TButtonLayout Layout() const { return m_layout; }
  void SetLayout(TButtonLayout v);
  // A copy is kept. When its width is a multiple of its height, NumGlyphs becomes
  // width / height if that is below 5, else 1.
  const QImage& Glyph() const { return m_glyph; }
  void SetGlyph(const QImage& imagem);
  int Spacing() const { return m_spacing; }
  void SetSpacing(int v);
  bool TransparentGlyph() const { return m_transparentGlyph; }
  void SetTransparentGlyph(bool v);
  bool Gradient() const { return m_gradient; }
  void SetGradient(bool v);
  bool HotTrack() const { return m_hotTrack; }
  void SetHotTrack(bool v);
  int NumGlyphs() const { return m_numGlyphs; }
  void SetNumGlyphs(int v);  // 1 to 4
  // Escape anywhere in the window clicks a Cancel button.
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool v);
  // Kept for the forms; no dialog key reaches a Default button beyond its own Enter.
  bool Default() const { return m_default; }
  void SetDefault(bool v) { m_default = v; }
  bool Flat() const { return m_flat; }
  void SetFlat(bool v);
  int ModalResult() const { return m_modalResult; }
  void SetModalResult(int v) { m_modalResult = v; }
  // A tab stop takes the focus by Tab and by click; most of the program's buttons are none.
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool v);

  EstadoDesenho Estado() const { return m_estado; }
  QSize sizeHint() const override;

  // Each pixel becomes round(0.3 R + 0.6 G + 0.1 B) in all three channels.
  static QImage ConverteCinza(const QImage& imagem);

 signals:
  // Any mouse button going down on it, before a tab stop takes the focus.
  void MouseDown(Qt::MouseButton botao, Qt::KeyboardModifiers teclas, QPoint posicao);

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void PintaGradiente(QPainter& p, const QColor& de, const QColor& ate) const;
  bool event(QEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void enterEvent(QEnterEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void keyReleaseEvent(QKeyEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  void aoClicar();
  void defineEstado(EstadoDesenho estado);
  QImage imagemDoGlyph() const;

  TSchemeColors* m_scheme;
  QShortcut* m_atalhoCancel = nullptr;
  QImage m_glyph;
  TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
  EstadoDesenho m_estado = Normal;
  int m_spacing = 4;
  int m_numGlyphs = 1;
  int m_modalResult = 0;
  bool m_ctl3D = true;
  bool m_transparentGlyph = true;
  bool m_gradient = true;
  bool m_hotTrack = true;
  bool m_cancel = false;
  bool m_default = false;
  bool m_flat = false;
  bool m_segurado = false;  // the left button went down on it and is still held
};
