#pragma once

#include <vector>

#include "plataforma/sistema/Unidades.h"

// Stands in for the system's drives while it lives: the drives the test lists, the first being
// the fixed default drive.
class UnidadesFalsas : public IUnidades {
 public:
  explicit UnidadesFalsas(std::vector<Unidade> unidades) : m_unidades(std::move(unidades)), m_anterior(InstalaUnidades(this)) {}
  ~UnidadesFalsas() override { InstalaUnidades(m_anterior); }
  UnidadesFalsas(const UnidadesFalsas&) = delete;
  UnidadesFalsas& operator=(const UnidadesFalsas&) = delete;

  std::vector<Unidade> lista() const override { return m_unidades; }
  QString fixaPadrao() const override { return m_unidades.empty() ? QString() : m_unidades.front().raiz; }

 private:
  std::vector<Unidade> m_unidades;
  const IUnidades* m_anterior;
};
