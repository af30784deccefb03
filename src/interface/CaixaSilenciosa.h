#pragma once

#include <QtDebug>

#include "nucleo/CaixaMensagem.h"

// While the program ends on the system's request nothing may wait for the user: this box, for
// its lifetime, shows nothing and answers as a box closed without a choice. The texts go to the
// log. Boxes nest: the one installed before comes back at destruction.
class CaixaSilenciosa : public ICaixaMensagem {
 public:
  CaixaSilenciosa() : m_anterior(InstalaCaixaMensagem(this)) {}
  ~CaixaSilenciosa() override { InstalaCaixaMensagem(m_anterior); }
  CaixaSilenciosa(const CaixaSilenciosa&) = delete;
  CaixaSilenciosa& operator=(const CaixaSilenciosa&) = delete;

  int MostraMensagem(const QString& texto, const QString& titulo, int) override {
    qInfo().noquote() << titulo << ":" << texto;
    return ResultadoMensagem::Nenhum;
  }

 private:
  ICaixaMensagem* m_anterior;
};
