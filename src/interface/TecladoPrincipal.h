#pragma once

#include <QObject>

class TTolv2014;

// The main window's keyboard, seen before the focused control: Alt with a letter switches pages
// (C statements, I header, B the declarant's lines, U funds, J processes), Alt with a list key
// drives the list of the page shown, Alt with a keypad digit types nothing, and the window's own
// Ctrl shortcuts reach their actions even from an edit that would take them.
class TecladoPrincipal : public QObject {
  Q_OBJECT
 public:
  explicit TecladoPrincipal(TTolv2014& janela);
  ~TecladoPrincipal() override;

  // A key pressed in the main window; true when it was consumed (the control never sees it).
  bool FormKeyDown(int tecla, Qt::KeyboardModifiers modificadores);

 protected:
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  TTolv2014& m_janela;
  // A key event that no widget accepts travels up to the window and passes here once per
  // widget: it is handled the first time only.
  const QEvent* m_ultimoEvento = nullptr;
  quint64 m_ultimoMomento = 0;
  int m_ultimoTipo = 0;
  bool m_ultimoConsumido = false;
};
