#include "controles/ExibicaoErros.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/QtGtest.h"

namespace {

class ExibicaoErros : public testing::Test {
 protected:
  ExibicaoErros() { InstalaExibicaoErros(); }
  ~ExibicaoErros() override { GuardaEventos::defineExibidor({}); }
  CaixaMensagemFalsa caixa;
};

TEST_F(ExibicaoErros, ATErroKeepsItsKindAndAnyOtherIsAnError) {
  GuardaEventos::executa([] { throw TErro::CreateCompleto(191, {}, TipoMensagem::Aviso, TErro::kBotaoOk, 0); });
  GuardaEventos::executa([] { throw std::runtime_error("Não foi possível ler \"Tolv.FDB\""); });
  GuardaEventos::executa([] { throw 7; });
  ASSERT_EQ(caixa.chamadas().size(), 3u);
  EXPECT_EQ(caixa.chamadas()[0].titulo, "Aviso");
  EXPECT_EQ(caixa.chamadas()[0].texto, TErro(191).GetMensagem());
  EXPECT_EQ(caixa.chamadas()[1].titulo, "Erro");
  EXPECT_EQ(caixa.chamadas()[1].texto, "Não foi possível ler \"Tolv.FDB\"");
  EXPECT_EQ(caixa.chamadas()[2].texto, "Ocorreu um erro inesperado.");
}

}  // namespace
