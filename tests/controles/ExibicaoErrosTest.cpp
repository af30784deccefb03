#include "controles/ExibicaoErros.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "nucleo/EFalhaBanco.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "plataforma/gui/GuardaEventos.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/QtGtest.h"

namespace {

class ExibicaoErros : public testing::Test {
 protected:
  ExibicaoErros() { InstalaExibicaoErros(); }
  ~ExibicaoErros() override {
    GuardaEventos::defineExibidor({});
    GuardaEventos::defineFatal({});
    DefineTratadorFalhaBanco({});
  }
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

using Lado = EFalhaBanco::Lado;

// The program's guard over the database's failures, with the end of the process counted.
class GuardaFalhasBanco : public testing::Test {
 protected:
  GuardaFalhasBanco() { FalhaBanco = FalhaBancoIndice = false; }
  ~GuardaFalhasBanco() override { FalhaBanco = FalhaBancoIndice = false; }

  CaixaMensagemFalsa caixa;
  GuardaPrograma guarda;
};

struct CasoFalha {
  const char* nome;
  Lado lado;
  bool fatal;
  bool exibe;
  bool levantada;  // raised through an event; else reported (AvisaFalhaBanco) where it cannot be
};

class GuardaUmaFalha : public GuardaFalhasBanco, public testing::WithParamInterface<CasoFalha> {};

TEST_P(GuardaUmaFalha, MarksItsSideShowsItAndEndsOnlyAFatalOne) {
  const CasoFalha& c = GetParam();
  const EFalhaBanco falha(QStringLiteral("Não foi possível executar a consulta. Mensagem retornada: disco cheio"), c.lado,
                          c.fatal, c.exibe);
  if (c.levantada) {
    EXPECT_FALSE(GuardaEventos::executa([&] { throw falha; }));
  } else {
    try {
      AvisaFalhaBanco(falha);
      EXPECT_FALSE(c.fatal) << "a fatal failure returned";
    } catch (const GuardaPrograma::FimDoProcesso&) {
      EXPECT_TRUE(c.fatal);
    }
  }
  EXPECT_EQ(FalhaBancoIndice, c.lado == Lado::Indice);
  EXPECT_EQ(FalhaBanco, c.lado == Lado::Declaracao);
  EXPECT_EQ(guarda.fins(), c.fatal ? 1 : 0);
  ASSERT_EQ(caixa.chamadas().size(), c.exibe ? 1u : 0u);
  if (!c.exibe) return;
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(caixa.ultima().flags, 16);
  EXPECT_EQ(caixa.ultima().texto, falha.Mensagem());
}

INSTANTIATE_TEST_SUITE_P(
    Falhas, GuardaUmaFalha,
    testing::Values(CasoFalha{"FatalDoIndice", Lado::Indice, true, true, true},
                    CasoFalha{"FatalDaDeclaracao", Lado::Declaracao, true, true, true},
                    CasoFalha{"FatalSemLado", Lado::Nenhum, true, true, true},
                    CasoFalha{"FatalJaContada", Lado::Indice, true, false, true},
                    CasoFalha{"FatalNumDestrutor", Lado::Declaracao, true, true, false},
                    CasoFalha{"SobrevividaDoIndice", Lado::Indice, false, true, false},
                    CasoFalha{"SobrevividaDaDeclaracao", Lado::Declaracao, false, true, false}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(GuardaFalhasBanco, AHandlerForOrdinaryFailuresDoesNotTakeAFatalOne) {
  bool tomada = false;
  GuardaEventos::executa([&] {
    try {
      throw EFalhaBanco(QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: x"), Lado::Declaracao);
    } catch (const std::exception&) {
      tomada = true;
    }
  });
  EXPECT_FALSE(tomada);
  EXPECT_EQ(guarda.fins(), 1);
  EXPECT_TRUE(FalhaBanco);
}

// A failure met while another message is on screen (a repaint behind the box, say) still ends
// the process: it is never left at a log line.
TEST_F(GuardaFalhasBanco, AFatalFailureBehindAnOpenMessageStillEndsTheProcess) {
  class CaixaQueRepinta : public CaixaMensagemFalsa {
   public:
    int MostraMensagem(const QString& texto, const QString& titulo, int flags) override {
      const int r = CaixaMensagemFalsa::MostraMensagem(texto, titulo, flags);
      if (chamadas().size() == 1)
        GuardaEventos::executa([] { throw EFalhaBanco(QStringLiteral("segunda"), Lado::Declaracao); });
      return r;
    }
  } caixaQueRepinta;
  GuardaEventos::executa([] { throw std::runtime_error("primeira"); });
  ASSERT_EQ(caixaQueRepinta.chamadas().size(), 2u);
  EXPECT_EQ(caixaQueRepinta.chamadas()[1].texto, "segunda");
  EXPECT_EQ(guarda.fins(), 1);
}

// What the user meets: the database's message, then the end of the process with status 1.
TEST(GuardaFalhaFatal, ShowsTheMessageAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  class CaixaNaSaida : public ICaixaMensagem {
   public:
    int MostraMensagem(const QString& texto, const QString& titulo, int) override {
      std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(texto));
      return ResultadoMensagem::Ok;
    }
  };
  EXPECT_EXIT(
      {
        CaixaNaSaida caixa;
        InstalaCaixaMensagem(&caixa);
        InstalaExibicaoErros();
        GuardaEventos::executa([] {
          throw EFalhaBanco(QStringLiteral("Não foi possível executar a procedure X. Mensagem retornada: y"),
                            Lado::Declaracao);
        });
        std::fprintf(stderr, "seguiu\n");
        std::_Exit(0);
      },
      testing::ExitedWithCode(1), "Erro: Não foi possível executar a procedure X. Mensagem retornada: y\n$");
}

}  // namespace
