#include <gtest/gtest.h>

#include "nucleo/Erros.h"
#include "nucleo/Mensagens.h"
#include "suporte/CaixaMensagemFalsa.h"

namespace {

struct CasoFormato {
  int codigo;
  const char* argumentos;
  const char* esperado;
};

class FormataMensagem : public testing::TestWithParam<CasoFormato> {};

TEST_P(FormataMensagem, FillsPlaceholdersAndEnds) {
  const auto& c = GetParam();
  EXPECT_EQ(TErro::FormataMensagem(c.codigo, QString::fromUtf8(c.argumentos)),
            QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogo, FormataMensagem,
    testing::Values(
        CasoFormato{0, "", "Sem erro."},
        CasoFormato{49, "", "Nome inválido."},
        // No placeholder: the argument follows after a colon.
        CasoFormato{35, "X", "CPF inválido: X."},
        // Two placeholders, ending in '?': no full stop.
        CasoFormato{13, "111.111.111-11;0561", "Confirma a exclusão do beneficiário 111.111.111-11 para o código 0561?"},
        // One argument for two placeholders: the second goes with the character after it.
        CasoFormato{13, "A", "Confirma a exclusão do beneficiário A para o código ."},
        // An empty middle argument: its placeholder and the blank after it vanish.
        CasoFormato{13, ";0561", "Confirma a exclusão do beneficiário para o código 0561?"},
        // Surplus arguments are appended, also a single character.
        CasoFormato{42, "1;2", "Número de recibo inválido: 1: 2."},
        CasoFormato{42, "12;abc", "Número de recibo inválido: 12: abc."},
        CasoFormato{15, "", "Deseja sair do programa?"},
        // Three placeholders, the middle argument empty.
        CasoFormato{288, "CPF;;CNPJ", "O CPF do não pode ser igual ao CNPJ do declarante."},
        CasoFormato{288, "CPF;beneficiário;CNPJ", "O CPF do beneficiário não pode ser igual ao CNPJ do declarante."},
        // Scanning resumes inside an inserted argument.
        CasoFormato{221, "a%sb;c", "CPF inválido: acb."},
        CasoFormato{293, "12.345.678/0001-95;2013",
                    "Já existe declaração para o CNPJ 12.345.678/0001-95, ano-calendário 2013.\r"
                    "Para restaurar a cópia de segurança de outro estabelecimento é necessário excluir a "
                    "declaração constante na base.\rCertifique-se de que a declaração não é mais necessária."}));

TEST(Catalogo, EdgesOfTheTable) {
  EXPECT_EQ(Mensagens::texto(315), "Mensagem de fim");
  EXPECT_TRUE(Mensagens::texto(316).isEmpty());
  EXPECT_TRUE(Mensagens::texto(106).endsWith("Mensagem retornada: "));
  EXPECT_TRUE(Mensagens::texto(33).contains("preenchidos.  Não"));
  EXPECT_EQ(Mensagens::texto(22), Mensagens::texto(23));
}

TEST(TErros, WarningCapKeepsFiveThousandAndErrorsAlwaysEnter) {
  TErros lista(true);
  for (int i = 0; i < 5001; ++i) lista.Adiciona(std::make_unique<TErro>(TErro::CreateCompleto(49, "", 0, TErro::kBotaoOk, 0)));
  EXPECT_EQ(lista.GetQuantidade(), 5000);
  EXPECT_TRUE(TErros::LimiteAvisosAtingido());
  EXPECT_TRUE(lista.SemErros());
  // Once the cap is reached a warning finding is created empty.
  auto vazio = TErro::CreatePendencia(49, "a", 0, TErro::kBotaoOk, 0, "dono", "quem", 3);
  EXPECT_EQ(vazio->Codigo(), 0);
  EXPECT_TRUE(vazio->Mensagem().isEmpty());
  lista.Adiciona(std::make_unique<TErro>(49));
  EXPECT_EQ(lista.GetQuantidade(), 5001);
  EXPECT_FALSE(lista.SemErros());
  TErros outra;
  EXPECT_FALSE(TErros::LimiteAvisosAtingido());
}

TEST(TErros, RemoveCodigoHandsItemsBack) {
  TErros lista;
  lista.Adiciona(std::make_unique<TErro>(49));
  lista.Adiciona(std::make_unique<TErro>(50));
  lista.Adiciona(std::make_unique<TErro>(49));
  auto fora = lista.RemoveCodigo(49);
  EXPECT_EQ(fora.size(), 2u);
  EXPECT_EQ(lista.GetQuantidade(), 1);
  EXPECT_FALSE(lista.ContemCodigo(49));
  lista.Limpa();
  EXPECT_TRUE(lista.SemErros());
}

TEST(MostraTexto, KindsCaptionsAndSilenceWhileVerifying) {
  CaixaMensagemFalsa caixa(ResultadoMensagem::Ok);
  int chamadasGancho = 0;
  DefineCallbackErro([&] { ++chamadasGancho; });
  EXPECT_EQ(TErro(49).Mostra(), 1);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(caixa.ultima().flags, 16);
  EXPECT_EQ(chamadasGancho, 1);
  caixa.responde(ResultadoMensagem::Sim);
  EXPECT_EQ(TErro::MostraTexto("?", 3), 6);
  EXPECT_EQ(caixa.ultima().titulo, "Confirmação");
  EXPECT_EQ(caixa.ultima().flags, 36);
  JanelasMensagem::DefineVerificacaoAberta(true);
  EXPECT_EQ(TErro::MostraTexto("x", 1), 0);
  JanelasMensagem::DefineVerificacaoAberta(false);
  EXPECT_EQ(caixa.chamadas().size(), 2u);
  DefineCallbackErro({});
}

TEST(AvisaDeclaracaoInexistente, FillsWithoutCatalogueFormatting) {
  CaixaMensagemFalsa caixa;
  AvisaDeclaracaoInexistente(2);
  EXPECT_EQ(caixa.ultima().texto, "Não consta declaração para este ano-calendário.");
  EXPECT_EQ(caixa.ultima().titulo, "Aviso");
  EXPECT_EQ(caixa.ultima().flags, 64);
}

TEST(TErro, HelpContextAddsTheHelpButton) {
  const TErro simples(49);
  EXPECT_EQ(simples.Tipo(), 1);
  EXPECT_EQ(simples.Botoes(), TErro::kBotaoOk);
  const TErro comAjuda(49, "", 7);
  EXPECT_EQ(comAjuda.Botoes(), TErro::kBotaoOk | TErro::kBotaoAjuda);
  const TErro completo = TErro::CreateCompleto(35, "X", 0, 0, 3);
  EXPECT_EQ(completo.Tipo(), 0);
  EXPECT_EQ(completo.Botoes(), TErro::kBotaoAjuda);
  EXPECT_EQ(completo.Mensagem(), "CPF inválido: X.");
  EXPECT_STREQ(completo.what(), "CPF inválido: X.");
  EXPECT_EQ(completo.GetTextoCodigo(), "CPF inválido");
}

TEST(TErro, PendencyCarriesTheKeysBackToTheField) {
  TErros nova;  // a fresh warning count
  auto p = TErro::CreatePendencia(42, "123", 0, TErro::kBotaoOk, 0, "12.345.678/0001-95", "0561", 7);
  EXPECT_EQ(p->Codigo(), 42);
  EXPECT_EQ(p->AQuemPertence(), "12.345.678/0001-95");
  EXPECT_EQ(p->QuemEh(), "0561");
  EXPECT_EQ(p->Objeto(), 7);
  EXPECT_EQ(p->Mensagem(), "Número de recibo inválido: 123.");
}

// A finding made through a descendant keeps its class in the list, and a thrown one is caught
// by its class.
TEST(TErro, DescendantsKeepTheirClass) {
  TErros lista;
  lista.Adiciona(EContribuinteInvalido::CreatePendencia(35, "X", 1, TErro::kBotaoOk, 0, "a", "b", 2));
  EXPECT_NE(dynamic_cast<const EContribuinteInvalido*>(&lista.GetErro(0)), nullptr);
  EXPECT_EQ(lista.GetErro(0).Objeto(), 2);
  try {
    throw EMonetarioInvalido::CreateCompleto(49, "", 0, TErro::kBotaoOk, 0);
  } catch (const EMonetarioInvalido& e) {
    EXPECT_EQ(e.Tipo(), 0);
    EXPECT_EQ(e.Codigo(), 49);
  }
}

// The search window is minimized before any message, also while the verification keeps
// messages silent; the error hook runs only for a shown error.
TEST(MostraTexto, SearchWindowMinimizedAndHookOnlyForShownErrors) {
  CaixaMensagemFalsa caixa;
  int minimizada = 0;
  int gancho = 0;
  JanelasMensagem::DefineMinimizaPesquisa([&] { ++minimizada; });
  DefineCallbackErro([&] { ++gancho; });
  TErro::MostraTexto("aviso", 0);
  EXPECT_EQ(gancho, 0);
  JanelasMensagem::DefineVerificacaoAberta(true);
  EXPECT_EQ(TErro::MostraTexto("erro", 1), 0);
  EXPECT_EQ(gancho, 0);
  JanelasMensagem::DefineVerificacaoAberta(false);
  EXPECT_EQ(minimizada, 2);
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Aviso");
  EXPECT_EQ(caixa.ultima().flags, 64);
  JanelasMensagem::DefineMinimizaPesquisa({});
  DefineCallbackErro({});
}

// Findings added before the cap keep their place; the count starts over with every new list,
// also for a list created before it.
TEST(TErros, NewListResetsTheCapForOlderLists) {
  TErros antiga(true);
  for (int i = 0; i < 5001; ++i) antiga.Adiciona(std::make_unique<TErro>(TErro::CreateCompleto(49, "", 0, TErro::kBotaoOk, 0)));
  ASSERT_TRUE(TErros::LimiteAvisosAtingido());
  TErros nova;
  EXPECT_FALSE(TErros::LimiteAvisosAtingido());
  antiga.Adiciona(std::make_unique<TErro>(TErro::CreateCompleto(49, "", 0, TErro::kBotaoOk, 0)));
  EXPECT_EQ(antiga.GetQuantidade(), 5001);
  EXPECT_EQ(TErros::GetLimiteErros(), 5000);
  EXPECT_EQ(TErros::GetLimiteAvisos(), 5000);
}

}  // namespace
