#include <gtest/gtest.h>

#include "nucleo/DadoBasico.h"
#include "nucleo/Texto.h"
#include "suporte/QtGtest.h"

#include <array>
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

// An observer that, when told of a change, takes one observer out of the list (itself or another)
// and may put a newcomer in.
struct QueMexe : IObservador {
  TDadoBasico* dado = nullptr;
  IObservador* tira = nullptr;
  IObservador* poe = nullptr;
  int chamadas = 0;
  void Alterado(IObservavel*) override {
    ++chamadas;
    if (tira) dado->RemoveObservador(tira);
    if (poe) dado->AdicionaObservador(poe);
    tira = poe = nullptr;
  }
  void Liberado(IObservavel*) override {}
};

// Three observers; the one at `quem` takes out the one at `tirado` (-1: none) while notified.
struct Mudanca {
  int quem;
  int tirado;
  std::array<int, 3> chamadas;  // of the first notification
};

class MudancaDuranteNotificacao : public testing::TestWithParam<Mudanca> {};

TEST_P(MudancaDuranteNotificacao, EveryObserverStillRegisteredWhenItsTurnComesIsCalledOnce) {
  const Mudanca& m = GetParam();
  std::array<QueMexe, 3> obs;  // outlive the value, which releases them
  QueMexe novo;
  TDadoBasico dado;
  for (auto& o : obs) {
    o.dado = &dado;
    dado.AdicionaObservador(&o);
  }
  if (m.tirado >= 0) obs[size_t(m.quem)].tira = &obs[size_t(m.tirado)];
  obs[size_t(m.quem)].poe = &novo;
  dado.NotificaAlteracao();
  for (size_t i = 0; i < obs.size(); ++i) EXPECT_EQ(obs[i].chamadas, m.chamadas[i]) << i;
  // A newcomer hears of the next change only.
  EXPECT_EQ(novo.chamadas, 0);
  dado.NotificaAlteracao();
  EXPECT_EQ(novo.chamadas, 1);
  for (size_t i = 0; i < obs.size(); ++i)
    EXPECT_EQ(dado.TemObservador(&obs[i]), int(i) != m.tirado) << i;
  EXPECT_EQ(dado.QuantidadeObservadores(), m.tirado >= 0 ? 3 : 4);
}

INSTANTIATE_TEST_SUITE_P(Observadores, MudancaDuranteNotificacao,
                         testing::Values(Mudanca{0, 0, {1, 1, 1}},    // leaves: the next one is still called
                                         Mudanca{1, 1, {1, 1, 1}},
                                         Mudanca{0, 1, {1, 0, 1}},    // takes out one not yet called
                                         Mudanca{2, 0, {1, 1, 1}},    // takes out one already called
                                         Mudanca{1, -1, {1, 1, 1}}));  // only adds

TEST(TObservadores, RemovedObserversAreNoLongerCalled) {
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
