#pragma once

#include <QColor>
#include <QWidget>

class QBoxLayout;

// A frame of the program's dialogs: a one-pixel line around a filled box, holding its widgets in
// a layout of its own. Painted by itself, so that no style sheet changes its children's fonts.
class MolduraTolv : public QWidget {
 public:
  MolduraTolv(QColor linha, QColor fundo, QWidget* pai = nullptr);

  // A vertical layout inside the line, `margem` pixels away from it.
  QBoxLayout* layoutInterno(int margem);
  QColor Linha() const { return m_linha; }
  QColor Fundo() const { return m_fundo; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QColor m_linha;
  QColor m_fundo;
};
