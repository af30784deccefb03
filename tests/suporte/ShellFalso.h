#pragma once

#include <QList>
#include <QUrl>

#include "plataforma/sistema/Shell.h"

// Stands in for the desktop while it lives: records what it was asked to open.
class ShellFalso : public IShell {
 public:
  explicit ShellFalso(bool temNavegador = true) : m_navegador(temNavegador), m_anterior(InstalaShell(this)) {}
  ~ShellFalso() override { InstalaShell(m_anterior); }
  ShellFalso(const ShellFalso&) = delete;
  ShellFalso& operator=(const ShellFalso&) = delete;

  bool abre(const QUrl& endereco) override {
    m_abertos << endereco;
    return true;
  }
  bool temNavegador() const override { return m_navegador; }

  const QList<QUrl>& abertos() const { return m_abertos; }

 private:
  bool m_navegador;
  IShell* m_anterior;
  QList<QUrl> m_abertos;
};
