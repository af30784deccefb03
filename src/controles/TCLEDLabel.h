#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A seven-segment LED display of up to 13 digits: the text's digits fill cells of 16 pixels from
// the right, "," and "." light the comma or point of the cell the next digit takes, "-" its
// middle bar; other characters take no cell. The error pattern writes "Erro" in the four
// rightmost cells.
class TCLEDLabel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCelulas = 13;
  static constexpr int kLarguraCelula = 16;
  // The segments of each digit (bit 0 top, 1 upper right, 2 lower right, 3 bottom, 4 lower
  // left, 5 upper left, 6 middle).
  static int Segmentos(int digito);

  explicit TCLEDLabel(QWidget* pai = nullptr);

  const QString& Text() const { return m_texto; }
  void SetText(const QString& texto);
  const QString& Caption() const { return m_texto; }
  void SetCaption(const QString& texto) { SetText(texto); }
  QColor OnColor() const { return m_ligado; }
  void SetOnColor(const QColor& cor);
  QColor OffColor() const { return m_desligado; }
  void SetOffColor(const QColor& cor);
  QColor BackGroundColor() const { return m_fundo; }
  void SetBackGroundColor(const QColor& cor);
  int BorderGap() const { return m_margem; }
  void SetBorderGap(int margem);
  bool Erro() const { return m_erro; }
  void SetErro(bool erro);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QString m_texto = QStringLiteral("8");
  QColor m_ligado = Qt::black;
  QColor m_desligado;
  QColor m_fundo;
  int m_margem = 1;
  bool m_erro = false;
};
