#pragma once

#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/TColecao.h"

namespace secoes_teste {

// Points the shared declaration connection at a declaration's database, as opening it does.
class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

// A company's declaration of 2013 whose database (a fresh copy of the template) is open.
class ComDeclaracaoAberta : public declaracao_teste::ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    Abertura abertura(kBanco);
  }
  // Statements through a connection of their own, committed.
  void Roda(const QString& sql) const { m_pasta.roda(kBanco, sql); }
  QString Le(const QString& sql) const { return m_pasta.le(kBanco, sql); }
};

}  // namespace secoes_teste
