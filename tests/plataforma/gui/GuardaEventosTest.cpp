#include <gtest/gtest.h>

#include <stdexcept>

#include "suporte/QtGtest.h"

#include "plataforma/gui/GuardaEventos.h"

namespace {

struct Exibidos {
  Exibidos() {
    GuardaEventos::defineExibidor([this](const std::exception* e) { textos << GuardaEventos::texto(e); });
  }
  ~Exibidos() { GuardaEventos::defineExibidor({}); }
  QStringList textos;
};

}  // namespace

TEST(GuardaEventos, ShowsTheTextOfWhatWasRaisedAndGoesOn) {
  Exibidos exibidos;
  EXPECT_TRUE(GuardaEventos::executa([] {}));
  EXPECT_FALSE(GuardaEventos::executa([] { throw std::runtime_error("Não foi possível gravar o arquivo"); }));
  EXPECT_FALSE(GuardaEventos::executa([] { throw 42; }));
  ASSERT_EQ(exibidos.textos.size(), 2);
  EXPECT_EQ(exibidos.textos[0], "Não foi possível gravar o arquivo");
  EXPECT_EQ(exibidos.textos[1], "Ocorreu um erro inesperado.");
}

TEST(GuardaEventos, FailureWhileShowingIsLoggedNotStacked) {
  QStringList textos;
  GuardaEventos::defineExibidor([&](const std::exception* e) {
    textos << GuardaEventos::texto(e);
    // What a repaint behind the open box would do.
    GuardaEventos::executa([] { throw std::runtime_error("segundo"); });
    throw std::runtime_error("a própria caixa falhou");
  });
  EXPECT_FALSE(GuardaEventos::executa([] { throw std::runtime_error("primeiro"); }));
  GuardaEventos::defineExibidor({});
  EXPECT_EQ(textos, QStringList{"primeiro"});
}
