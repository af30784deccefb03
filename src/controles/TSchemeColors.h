#pragma once

#include <QColor>
#include <QObject>
#include <QPen>

#include <array>

enum class TSchemeColor { scCustom, scSystem, scBlue, scGreen, scRed, scSilver, scYellow, scTolv };

enum class TNewPenStyle {
  npsDefault,
  npsSolid,
  npsDash,
  npsDot,
  npsDashDot,
  npsDashDotDot,
  npsClear,
  npsInsideFrame
};

// The colours of an owner-drawn button: six per state (normal, mouse over, pressed, disabled)
// and the focus rectangle's. Choosing a preset fills them; any colour may then be changed.
class TSchemeColors : public QObject {
  Q_OBJECT
 public:
  // Colour indices, in the order of the stored properties.
  enum Indice {
    ColorFace, ColorGrad, ColorDark, ColorLight, ColorBorder, ColorText,
    OverColorFace, OverColorGrad, OverColorDark, OverColorLight, OverColorBorder, OverColorText,
    DownColorFace, DownColorGrad, DownColorDark, DownColorLight, DownColorBorder, DownColorText,
    DisabledColorFace, DisabledColorGrad, DisabledColorDark, DisabledColorLight,
    DisabledColorBorder, DisabledColorText,
    ColorFocus,
    QuantidadeCores
  };
  // The first index of a state's six colours, and each colour's place among them.
  enum Estado { Normal = 0, Sobre = 6, Pressionado = 12, Desabilitado = 18 };
  enum Papel { Face = 0, Grad = 1, Dark = 2, Light = 3, Border = 4, Text = 5 };

  explicit TSchemeColors(QObject* pai = nullptr);

  TSchemeColor SchemeColor() const { return m_schemeColor; }
  // scCustom keeps the colours as they are.
  void SetSchemeColor(TSchemeColor esquema);

  TNewPenStyle StyleFocus() const { return m_styleFocus; }
  void SetStyleFocus(TNewPenStyle estilo);

  QColor Cor(int indice) const { return m_cores.at(indice); }
  void SetCor(int indice, const QColor& cor);
  QColor Cor(Estado estado, Papel papel) const { return m_cores.at(int(estado) + int(papel)); }

  // The pen of the focus rectangle in ColorFocus; Qt::NoPen for npsClear. npsDefault dots
  // every other pixel.
  QPen EstiloCaneta() const;

  void Atribui(const TSchemeColors& outro);

 signals:
  void Alterado();

 private:
  TSchemeColor m_schemeColor = TSchemeColor::scCustom;
  TNewPenStyle m_styleFocus = TNewPenStyle::npsDefault;
  std::array<QColor, QuantidadeCores> m_cores;
};
