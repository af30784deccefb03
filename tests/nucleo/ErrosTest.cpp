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

}  // namespace
