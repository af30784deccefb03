#include <gtest/gtest.h>

#include "nucleo/Contribuinte.h"
#include "nucleo/Erros.h"
#include "nucleo/NomeContribuinte.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoNome {
  const char16_t* nome;
  uint8_t tipo;
  int codigo;
  const char16_t* normalizado;  // as left by the check
};

class ValidaNome : public testing::TestWithParam<CasoNome> {};

TEST_P(ValidaNome, GivesTheCodeAndNormalises) {
  const auto& c = GetParam();
  QString nome = QString::fromUtf16(c.nome);
  EXPECT_EQ(TNomeContribuinte::ValidaNome(nome, c.tipo, false), c.codigo);
  if (c.codigo == 0) {
    EXPECT_EQ(nome, QStringView(c.normalizado));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pessoa, ValidaNome,
    testing::Values(CasoNome{u"  José  da   Conceição ", 1, 0, u"José da Conceição"},
                    CasoNome{u"Ana Ü Müller", 1, 0, u"Ana Ü Müller"}, CasoNome{u"João 2", 1, 80, u""},
                    CasoNome{u"João, 2", 1, 81, u""}, CasoNome{u"Maria Ñ", 1, 81, u""},
                    CasoNome{u"Maria\tSilva", 1, 81, u""}, CasoNome{u"A", 1, 75, u""}, CasoNome{u" A  ", 1, 75, u""},
                    CasoNome{u"A B C D E F G H I J K L M N O", 1, 0, u"A B C D E F G H I J K L M N O"},
                    CasoNome{u"A B C D E F G H I J K L M N O P", 1, 76, u""},
                    CasoNome{u"Abcdefghijklmnopqrstu Silva", 1, 78, u""},
                    CasoNome{u"Abcdefghijklmnopqrst Silva", 1, 0, u"Abcdefghijklmnopqrst Silva"},
                    CasoNome{u"Joao Silvaaaa", 1, 79, u""}, CasoNome{u"Joao Silvaaa", 1, 0, u"Joao Silvaaa"},
                    // Compared as stored: upper and lower case are different characters.
                    CasoNome{u"Joao Aaaa", 1, 0, u"Joao Aaaa"}));

INSTANTIATE_TEST_SUITE_P(
    Empresa, ValidaNome,
    testing::Values(CasoNome{u"Pão & Cia  Ltda.", 2, 0, u"Pão & Cia Ltda."}, CasoNome{u"ABC", 2, 50, u""},
                    CasoNome{u"A  B C", 0, 0, u"A B C"}, CasoNome{u"1234", 2, 50, u""},
                    CasoNome{u"Bar; Cia", 2, 81, u""}, CasoNome{u"Loja #1", 0, 81, u""},
                    CasoNome{u"(Obra) <x> 'y' @z? _`", 2, 0, u"(Obra) <x> 'y' @z? _`"},
                    CasoNome{u"Café €", 2, 81, u""}, CasoNome{u"qualquer ; coisa", 3, 0, u"qualquer ; coisa"}));

TEST(TNomeContribuinte, EmptyOptionalNamePasses) {
  QString vazio;
  EXPECT_EQ(TNomeContribuinte::ValidaNome(vazio, 1, true), 0);
  EXPECT_EQ(TNomeContribuinte::ValidaNome(vazio, 2, false), 50);
  EXPECT_EQ(TNomeContribuinte::ValidaNome(vazio, 1, false), 75);
}

struct CasoRecusa {
  const char16_t* nome;
  uint8_t tipo;
  int codigo;
  const char16_t* argumento;
};

class NomeRecusado : public testing::TestWithParam<CasoRecusa> {};

TEST_P(NomeRecusado, RaisesAndKeepsTheStoredName) {
  const auto& c = GetParam();
  TNomeContribuinte nome(c.tipo);
  nome.SetValor(QStringLiteral("Nome Anterior"));
  try {
    nome.SetValor(QString::fromUtf16(c.nome));
    FAIL() << "accepted";
  } catch (const EContribuinteInvalido& e) {
    EXPECT_EQ(e.Codigo(), c.codigo);
    EXPECT_EQ(e.Argumentos(), QStringView(c.argumento));
  }
  EXPECT_EQ(nome.GetValor(), "Nome Anterior");
}

INSTANTIATE_TEST_SUITE_P(
    Recusas, NomeRecusado,
    testing::Values(CasoRecusa{u" Silva, João;", 1, 82, u" , ; "}, CasoRecusa{u"Bar; Cia;", 2, 83, u" ; ; "},
                    CasoRecusa{u"Joao 2", 1, 80, u"Joao 2"}, CasoRecusa{u"Pedro  Silvaaaa", 1, 79, u"Pedro Silvaaaa"},
                    CasoRecusa{u"AB ", 0, 50, u"AB"}));

TEST(TNomeContribuinte, SetValorStoresNormalisedAndMakesOptional) {
  TNomeContribuinte nome(1);
  EXPECT_FALSE(nome.GetOpcional());
  nome.SetValor(QStringLiteral(" Maria   Silva "));
  EXPECT_EQ(nome.GetValor(), "Maria Silva");
  EXPECT_TRUE(nome.GetOpcional());
  nome.SetValor(QString());
  EXPECT_TRUE(nome.GetValor().isEmpty());
}

TEST(TNomeContribuinte, SetNomeComErroStoresAndReports) {
  TErros erros;
  TNomeContribuinte nome(1);
  nome.SetErros(&erros);
  nome.SetNomeComErro(QStringLiteral("  Joao  123 "));
  EXPECT_EQ(nome.GetValor(), "Joao 123");
  ASSERT_EQ(erros.GetQuantidade(), 1);
  EXPECT_EQ(erros.GetErro(0).Codigo(), 80);
  EXPECT_EQ(erros.GetErro(0).Argumentos(), "Joao 123");
  nome.SetNomeComErro(QStringLiteral("Bar;"));
  EXPECT_EQ(erros.GetErro(1).Codigo(), 81);
}

TEST(TContribuinte, NameFollowsTheKindOfTheNumber) {
  TContribuinte c;
  EXPECT_EQ(c.GetNome().GetTipo(), 0);
  c.SetNi(QStringLiteral("111.444.777-35"));
  EXPECT_EQ(c.GetNome().GetTipo(), kNiCpf);
  EXPECT_THROW(c.GetNome().SetValor(QStringLiteral("Ana 2")), EContribuinteInvalido);
  c.SetNiComErro(QStringLiteral("11222333000181"));
  EXPECT_EQ(c.GetNome().GetTipo(), kNiCnpj);
  c.GetNome().SetValor(QStringLiteral("Obra 2 Ltda"));
  c.SetTipo(kNiCpf);
  EXPECT_EQ(c.GetNome().GetTipo(), kNiCpf);

  TContribuinte pessoa(kNiCpf);
  EXPECT_EQ(pessoa.GetNome().GetTipo(), kNiCpf);
}

TEST(TContribuinte, ValidaContribuinteChecksNumberThenName) {
  TContribuinte c;
  c.SetNiComErro(QStringLiteral("11144477734"));
  c.GetNome().SetNomeComErro(QStringLiteral("A"));
  EXPECT_EQ(c.ValidaContribuinte(), 35);
  c.SetNi(QStringLiteral("11144477735"));
  EXPECT_EQ(c.ValidaContribuinte(), 75);
  c.GetNome().SetValor(QStringLiteral("Ana Souza"));
  EXPECT_EQ(c.ValidaContribuinte(), 0);
}

TEST(TContribuinte, VerificaNiAndNomeAddFindingsWithKeys) {
  TErros erros;
  TContribuinte c(kNiCpf);
  c.SetNiComErro(QStringLiteral("11144477734"));
  c.GetNome().SetNomeComErro(QStringLiteral("Ana 2"));
  c.VerificaNi(erros, QStringLiteral("dono"), QStringLiteral("quem"), 7);
  c.VerificaNome(erros, QStringLiteral("dono"), QStringLiteral("quem"), 8);
  ASSERT_EQ(erros.GetQuantidade(), 2);
  const TErro& ni = erros.GetErro(0);
  EXPECT_EQ(ni.Codigo(), 35);
  EXPECT_EQ(ni.Argumentos(), "11144477734");
  EXPECT_EQ(ni.Tipo(), 1);
  EXPECT_EQ(ni.AQuemPertence(), "dono");
  EXPECT_EQ(ni.QuemEh(), "quem");
  EXPECT_EQ(ni.Objeto(), 7);
  EXPECT_NE(dynamic_cast<const EContribuinteInvalido*>(&ni), nullptr);
  EXPECT_EQ(erros.GetErro(1).Codigo(), 80);
  EXPECT_EQ(erros.GetErro(1).Argumentos(), "Ana 2 111.444.777-34");
}

TEST(TContribuinte, CopiaParaNeverRaisesAndClearsEmptyParts) {
  TErros erros;
  TContribuinte origem, destino;
  destino.SetErros(&erros);
  origem.SetNiComErro(QStringLiteral("11144477734"));
  origem.GetNome().SetNomeComErro(QStringLiteral("Ana 2"));
  origem.CopiaPara(destino);
  EXPECT_EQ(destino.GetNiDigitos(), "11144477734");
  EXPECT_EQ(destino.GetNome().GetValor(), "Ana 2");
  EXPECT_EQ(erros.GetQuantidade(), 2);
  origem.LimpaTudo();
  origem.CopiaPara(destino);
  EXPECT_TRUE(destino.GetNiDigitos().isEmpty());
  EXPECT_TRUE(destino.GetNome().GetValor().isEmpty());
}

TEST(TContribuinte, ModifiedIsEitherPart) {
  TContribuinte c;
  c.SetModificado(false);
  EXPECT_FALSE(c.GetModificado());
  c.GetNome().SetValor(QStringLiteral("Obra Ltda"));
  EXPECT_TRUE(c.GetModificado());
  c.SetModificado(false);
  EXPECT_FALSE(c.GetNome().GetModificado());
}

struct CasoEvento {
  const char* ni;
  const char* data;
  int16_t tipoEvento;
  bool especial;
  std::vector<int> codigos;
  const char16_t* mensagemPrimeira;
};

class VerificaEvento : public testing::TestWithParam<CasoEvento> {};

TEST_P(VerificaEvento, FindsTheEventRules) {
  const auto& c = GetParam();
  TErros erros;
  TNiContribuinte ni;
  ni.SetNiComErro(QString::fromUtf8(c.ni));
  ni.VerificaEvento(erros, QStringLiteral("1"), QStringLiteral("2"), 3, QString::fromUtf8(c.data), c.tipoEvento,
                    c.especial);
  std::vector<int> codigos;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    codigos.push_back(erros.GetErro(i).Codigo());
    EXPECT_NE(dynamic_cast<const ETipoDataEventoInvalida*>(&erros.GetErro(i)), nullptr);
  }
  EXPECT_EQ(codigos, c.codigos);
  if (!codigos.empty() && c.mensagemPrimeira) {
    EXPECT_EQ(erros.GetErro(0).GetMensagem(), QStringView(c.mensagemPrimeira));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Eventos, VerificaEvento,
    testing::Values(
        CasoEvento{"11144477735", "30/12/1899", 2, true, {129},
                   u"Para declaração de saída definitiva do país a data deve ser informada."},
        CasoEvento{"11144477735", "", 1, true, {129}, u"Para declaração de encerramento de espólio a data deve ser informada."},
        CasoEvento{"11144477735", "30/12/1899", 0, true, {128, 130}, nullptr},
        CasoEvento{"11144477735", "15/03/2014", -1, true, {130}, nullptr},
        CasoEvento{"11144477735", "30/12/1899", 0, false, {}, nullptr},
        CasoEvento{"11222333000181", "30/12/1899", 0, true, {127}, u"A data do evento deve ser informada."},
        CasoEvento{"11222333000181", "15/03/2014", 0, true, {}, nullptr}));

}  // namespace
