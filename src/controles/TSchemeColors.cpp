#include "controles/TSchemeColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

using Cores = std::array<QColor, TSchemeColors::QuantidadeCores>;

// One state as the presets list it: face, gradient, light, dark, border, text.
struct Linha {
  QColor face, grad, light, dark, border, text;
};

Cores monta(const Linha& normal, const Linha& sobre, const Linha& pressionado,
            const Linha& desabilitado, const QColor& foco) {
  Cores c;
  int i = 0;
  for (const Linha* l : {&normal, &sobre, &pressionado, &desabilitado}) {
    for (const QColor& cor : {l->face, l->grad, l->dark, l->light, l->border, l->text}) c[i++] = cor;
  }
  c[TSchemeColors::ColorFocus] = foco;
  return c;
}

const Cores& azul() {
  static const Cores c = monta(
      {{193, 224, 255}, {108, 182, 255}, {217, 236, 255}, {83, 169, 255}, {0, 89, 179}, {0, 89, 179}},
      {{155, 205, 255}, {70, 163, 255}, {202, 228, 255}, {100, 177, 255}, {0, 89, 179}, {0, 89, 179}},
      {{130, 192, 255}, {157, 206, 255}, {34, 145, 255}, {168, 211, 255}, {0, 89, 179}, {0, 89, 179}},
      {{225, 240, 255}, {193, 224, 255}, {202, 228, 255}, {184, 213, 228}, {196, 196, 196},
       {196, 196, 196}},
      {20, 155, 220});
  return c;
}

const Cores& tolv() {
  static const QColor preto(0, 0, 0), branco(255, 255, 255);
  static const Cores c = monta(
      {{221, 230, 237}, {183, 205, 221}, {145, 176, 210}, {160, 187, 215}, {145, 176, 210}, preto},
      {{221, 230, 237}, {183, 205, 221}, branco, {172, 168, 153}, {145, 176, 210}, preto},
      {{221, 230, 237}, {183, 205, 221}, {172, 168, 153}, branco, {145, 176, 210}, preto},
      {{235, 235, 235}, {218, 218, 218}, {188, 188, 188}, {206, 207, 207}, {196, 196, 196}, preto},
      preto);
  return c;
}

// Read when chosen, so that it follows the desktop's palette of the moment.
Cores sistema() {
  const QPalette p = QGuiApplication::palette();
  const QColor face = p.color(QPalette::Button), luz = p.color(QPalette::Light),
               sombra = p.color(QPalette::Shadow), texto = p.color(QPalette::ButtonText),
               cinza = p.color(QPalette::Disabled, QPalette::ButtonText);
  const Linha normal{face, face, luz, sombra, texto, texto};
  return monta(normal, normal, {face, face, sombra, luz, texto, texto},
               {face, face, luz, sombra, cinza, cinza}, QColor(0, 0, 0));
}

// The four presets that no form uses are the blue one in other hues.
template <typename F>
Cores derivado(F tom) {
  Cores c = azul();
  for (QColor& cor : c) cor = tom(cor.red(), cor.green(), cor.blue());
  return c;
}

Cores preset(TSchemeColor esquema) {
  switch (esquema) {
    case TSchemeColor::scSystem:
      return sistema();
    case TSchemeColor::scGreen:
      return derivado([](int r, int g, int b) { return QColor(r, b, g); });
    case TSchemeColor::scRed:
      return derivado([](int r, int, int b) { return QColor(b, r, r); });
    case TSchemeColor::scSilver:
      return derivado([](int r, int g, int b) {
        const int m = (r + g + b + 1) / 3;
        return QColor(m, m, m);
      });
    case TSchemeColor::scYellow:
      return derivado([](int r, int g, int b) { return QColor(b, g, r / 2); });
    case TSchemeColor::scTolv:
      return tolv();
    case TSchemeColor::scBlue:
    case TSchemeColor::scCustom:
      break;
  }
  return azul();
}

}  // namespace

TSchemeColors::TSchemeColors(QObject* pai) : QObject(pai) {
  SetSchemeColor(TSchemeColor::scBlue);
}

void TSchemeColors::SetSchemeColor(TSchemeColor esquema) {
  m_schemeColor = esquema;
  if (esquema == TSchemeColor::scCustom) return;
  m_cores = preset(esquema);
  if (esquema == TSchemeColor::scTolv) m_styleFocus = TNewPenStyle::npsClear;
  emit Alterado();
}

void TSchemeColors::SetStyleFocus(TNewPenStyle estilo) {
  if (m_styleFocus == estilo) return;
  m_styleFocus = estilo;
  emit Alterado();
}

void TSchemeColors::SetCor(int indice, const QColor& cor) {
  if (indice < 0 || indice >= QuantidadeCores || m_cores[indice] == cor) return;
  m_cores[indice] = cor;
  emit Alterado();
}

QPen TSchemeColors::EstiloCaneta() const {
  QPen caneta(Cor(ColorFocus), 1);
  switch (m_styleFocus) {
    case TNewPenStyle::npsSolid:
    case TNewPenStyle::npsInsideFrame:
      caneta.setStyle(Qt::SolidLine);
      break;
    case TNewPenStyle::npsDash:
      caneta.setStyle(Qt::DashLine);
      break;
    case TNewPenStyle::npsDot:
      caneta.setStyle(Qt::DotLine);
      break;
    case TNewPenStyle::npsDashDot:
      caneta.setStyle(Qt::DashDotLine);
      break;
    case TNewPenStyle::npsDashDotDot:
      caneta.setStyle(Qt::DashDotDotLine);
      break;
    case TNewPenStyle::npsDefault:
      caneta.setDashPattern({1, 1});
      break;
    case TNewPenStyle::npsClear:
      caneta.setStyle(Qt::NoPen);
      break;
  }
  return caneta;
}

void TSchemeColors::Atribui(const TSchemeColors& outro) {
  m_schemeColor = outro.m_schemeColor;
  m_styleFocus = outro.m_styleFocus;
  m_cores = outro.m_cores;
  emit Alterado();
}
