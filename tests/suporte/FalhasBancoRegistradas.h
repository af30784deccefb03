#pragma once

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

#include "nucleo/EFalhaBanco.h"

// Stands in for the program's guard while it lives, for the failures the collections report
// (AvisaFalhaBanco): each is recorded, its side marked as in the program; none is shown and none
// ends the process.
class FalhasBancoRegistradas {
 public:
  FalhasBancoRegistradas()
      : m_anterior(DefineTratadorFalhaBanco([this](const EFalhaBanco& falha) { m_falhas.push_back(falha); })) {}
  ~FalhasBancoRegistradas() { DefineTratadorFalhaBanco(std::move(m_anterior)); }
  FalhasBancoRegistradas(const FalhasBancoRegistradas&) = delete;
  FalhasBancoRegistradas& operator=(const FalhasBancoRegistradas&) = delete;

  const std::vector<EFalhaBanco>& falhas() const { return m_falhas; }
  QStringList mensagens() const {
    QStringList l;
    for (const EFalhaBanco& f : m_falhas) l << f.Mensagem();
    return l;
  }
  void limpa() { m_falhas.clear(); }

 private:
  TratadorFalhaBanco m_anterior;
  std::vector<EFalhaBanco> m_falhas;
};

// The failure that `f` raises; a test failure when it raises none.
template <typename F>
EFalhaBanco FalhaDe(F&& f) {
  try {
    f();
  } catch (const EFalhaBanco& falha) {
    return falha;
  }
  ADD_FAILURE() << "nenhuma falha do banco levantada";
  return EFalhaBanco({}, EFalhaBanco::Lado::Nenhum, false, false);
}
