#include <gtest/gtest.h>

#include "nucleo/DadoBasico.h"
#include "nucleo/Texto.h"
#include "suporte/QtGtest.h"

#include <memory>
#include <vector>

namespace {

// Records every notification it receives.
struct Espiao : IObservador {
  std::vector<IObservavel*> alterados;
  std::vector<IObservavel*> liberados;
  void Alterado(IObservavel* o) override { alterados.push_back(o); }
  void Liberado(IObservavel* o) override { liberados.push_back(o); }
};

TEST(TDadoBasico, ChangeWithoutObserversStillMarksModified) {
  TDadoBasico dado;
  EXPECT_FALSE(dado.GetModificado());
  dado.SetValor(QStringLiteral("qualquer"));
  EXPECT_TRUE(dado.GetModificado());
  EXPECT_TRUE(dado.GetValor().isEmpty());
  dado.SetModificado(false);
  EXPECT_FALSE(dado.GetModificado());
}

TEST(TDadoBasico, ObserverRegisteredTwiceIsCalledTwiceAndRemovedTwice) {
  Espiao espiao;
  TDadoBasico dado;
  dado.AdicionaObservador(&espiao);
  dado.AdicionaObservador(&espiao);
  dado.NotificaAlteracao();
  EXPECT_EQ(espiao.alterados.size(), 2u);
  EXPECT_EQ(espiao.alterados[0], static_cast<IObservavel*>(&dado));
  dado.RemoveObservador(&espiao);
  dado.NotificaAlteracao();
  EXPECT_EQ(espiao.alterados.size(), 3u);
  dado.RemoveObservador(&espiao);
  dado.RemoveObservador(&espiao);  // absent: nothing happens
  dado.NotificaAlteracao();
  EXPECT_EQ(espiao.alterados.size(), 3u);
}

TEST(TDadoBasico, DestructionReleasesEveryRegistrationInOrder) {
  Espiao a, b;
  IObservavel* endereco = nullptr;
  {
    auto dado = std::make_unique<TDadoBasico>();
    endereco = dado.get();
    dado->AdicionaObservador(&a);
    dado->AdicionaObservador(&b);
    dado->AdicionaObservador(&a);
  }
  EXPECT_EQ(a.liberados, (std::vector<IObservavel*>{endereco, endereco}));
  EXPECT_EQ(b.liberados, (std::vector<IObservavel*>{endereco}));
  EXPECT_TRUE(a.alterados.empty());
}

// An observer that leaves the list while being notified.
struct QueSai : IObservador {
  TDadoBasico* dado = nullptr;
  int chamadas = 0;
  void Alterado(IObservavel*) override {
    ++chamadas;
    dado->RemoveObservador(this);
  }
  void Liberado(IObservavel*) override {}
};

TEST(TObservadores, ObserverLeavingDuringNotificationIsNotReadPastTheEnd) {
  QueSai primeiro, segundo;  // outlive the value, which releases them
  TDadoBasico dado;
  primeiro.dado = segundo.dado = &dado;
  dado.AdicionaObservador(&primeiro);
  dado.AdicionaObservador(&segundo);
  dado.NotificaAlteracao();
  // Walked by position: the second moved into the first's place and is not reached.
  EXPECT_EQ(primeiro.chamadas, 1);
  EXPECT_EQ(segundo.chamadas, 0);
  EXPECT_TRUE(dado.TemObservador(&segundo));
  EXPECT_FALSE(dado.TemObservador(&primeiro));
}

TEST(TObservadores, GrowsBeyondTheInlinePlace) {
  std::vector<Espiao> espioes(5);
  TDadoBasico dado;
  for (auto& e : espioes) dado.AdicionaObservador(&e);
  dado.RemoveObservador(&espioes[2]);
  dado.NotificaAlteracao();
  for (size_t i = 0; i < espioes.size(); ++i) EXPECT_EQ(espioes[i].alterados.size(), i == 2 ? 0u : 1u) << i;
}

TEST(TTexto, TrimsAndAlwaysNotifies) {
  Espiao espiao;
  TTexto texto;
  texto.AdicionaObservador(&espiao);
  texto.SetValor(QStringLiteral("  Obra \t"));
  EXPECT_EQ(texto.GetValor(), "Obra");
  EXPECT_EQ(texto.GetFormatado(), "Obra");
  texto.SetValor(QString());
  EXPECT_TRUE(texto.GetValor().isEmpty());
  texto.SetValor(QStringLiteral("x"));
  texto.Limpar();
  EXPECT_TRUE(texto.GetValor().isEmpty());
  EXPECT_EQ(espiao.alterados.size(), 4u);
}

TEST(TDadoBasico, InterfaceReachesTheValue) {
  TTexto texto;
  IObservavel& interface = texto;
  interface.SetValor(QStringLiteral(" a "));
  EXPECT_EQ(interface.GetValor(), "a");
}

}  // namespace
