#include <gtest/gtest.h>

#include "nucleo/Email.h"
#include "nucleo/Erros.h"
#include "nucleo/Fone.h"
#include "nucleo/Responsavel.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoFone {
  char parte;  // 'd' area code, 'n' number, 'r' extension
  const char* texto;
  bool opcional;
  int codigo;
};

class RegraFone : public testing::TestWithParam<CasoFone> {};

TEST_P(RegraFone, GivesTheCode) {
  const auto& c = GetParam();
  const QString texto = QString::fromUtf8(c.texto);
  const int codigo = c.parte == 'd'   ? TFoneDDD::ValidaDDD(texto, c.opcional)
                     : c.parte == 'n' ? TFoneNumero::ValidaNumero(texto, c.opcional)
                                      : TFoneRamal::ValidaRamal(texto);
  EXPECT_EQ(codigo, c.codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Partes, RegraFone,
    testing::Values(CasoFone{'d', "61", false, 0}, CasoFone{'d', "06", false, 53}, CasoFone{'d', "6", false, 53},
                    CasoFone{'d', "", true, 0}, CasoFone{'d', "", false, 53}, CasoFone{'d', "  ", true, 53},
                    CasoFone{'d', "6a", false, 53}, CasoFone{'d', "611", false, 53},
                    CasoFone{'n', "32145678", false, 0}, CasoFone{'n', "987654321", false, 0},
                    CasoFone{'n', "3214567", false, 85}, CasoFone{'n', "03214567", false, 239},
                    CasoFone{'n', "0321", false, 239}, CasoFone{'n', "3214-5678", false, 85},
                    CasoFone{'n', "", true, 0}, CasoFone{'n', "", false, 85},
                    CasoFone{'r', "", false, 0}, CasoFone{'r', "12", false, 0}, CasoFone{'r', "1a", false, 87}));

TEST(TFone, FormatsItsParts) {
  TFone fone;
  fone.GetDDD().SetValor(QStringLiteral("61"));
  fone.GetNumero().SetValor(QStringLiteral("32145678"));
  EXPECT_EQ(fone.GetDDD().GetFormatado(), "(61)");
  EXPECT_EQ(fone.GetNumero().GetFormatado(), "3214-5678");
  fone.GetNumero().SetValor(QStringLiteral("987654321"));
  EXPECT_EQ(fone.GetNumero().GetFormatado(), "98765-4321");
  EXPECT_EQ(fone.GetNumero().GetValor(), "987654321");
  fone.GetDDD().SetOpcional(true);
  fone.GetDDD().SetValor(QString());
  EXPECT_EQ(fone.GetDDD().GetFormatado(), "");
}

TEST(TFone, SetValorComErroStoresAndZerosOfAnOptionalNumberBecomeEmpty) {
  TErros erros;
  TFone fax;
  fax.SetErros(&erros);
  fax.GetNumero().SetOpcional(true);
  fax.GetNumero().SetValorComErro(QStringLiteral("00000000"));
  EXPECT_TRUE(fax.GetNumero().GetValor().isEmpty());
  EXPECT_EQ(erros.GetQuantidade(), 0);
  fax.GetDDD().SetValorComErro(QStringLiteral("0"));
  EXPECT_EQ(fax.GetDDD().GetValor(), "0");
  ASSERT_EQ(erros.GetQuantidade(), 1);
  EXPECT_EQ(erros.GetErro(0).Codigo(), 53);
  EXPECT_EQ(erros.GetErro(0).Argumentos(), "0");
}

struct Contador : IObservador {
  int n = 0;
  void Alterado(IObservavel*) override { ++n; }
  void Liberado(IObservavel*) override {}
};

TEST(TFone, LimpaEmptiesWithoutNotifying) {
  Contador contador;
  TFone fone;
  fone.GetNumero().SetValor(QStringLiteral("32145678"));
  fone.GetNumero().AdicionaObservador(&contador);
  fone.Limpa();
  EXPECT_TRUE(fone.GetNumero().GetValor().isEmpty());
  EXPECT_EQ(contador.n, 0);
}

struct CasoEmail {
  const char* endereco;
  bool opcional;
  int codigo;
};

class RegraEmail : public testing::TestWithParam<CasoEmail> {};

TEST_P(RegraEmail, FollowsTheSyntax) {
  EXPECT_EQ(TEmail::ValidaEmail(QString::fromUtf8(GetParam().endereco), GetParam().opcional), GetParam().codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Enderecos, RegraEmail,
    testing::Values(CasoEmail{"a@b.c", false, 0}, CasoEmail{"a@bc", false, 51}, CasoEmail{"a@b-.c", false, 51},
                    CasoEmail{"a@b.c-", false, 51}, CasoEmail{"a@1b.c", false, 51}, CasoEmail{"a.@b.c", false, 51},
                    CasoEmail{".a@b.c", false, 51}, CasoEmail{"\"a b\"@b.c", false, 0},
                    CasoEmail{"\"a\\\"b\"@b.c", false, 0}, CasoEmail{"nome.sobrenome+tag@sub-dominio.gov.br", false, 0},
                    CasoEmail{"jo\xc3\xa3o@b.c", false, 0}, CasoEmail{"a b@b.c", false, 51},
                    CasoEmail{"a@b..c", false, 51}, CasoEmail{"a@b.c@d.e", false, 51}, CasoEmail{"", true, 0},
                    CasoEmail{"", false, 51}, CasoEmail{"a@b.c.", false, 51},
                    // 51 characters, syntax right.
                    CasoEmail{"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrs@b.com", false, 51},
                    CasoEmail{"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqr@b.com", false, 0}));

// A refused text: the area code, the number and the e-mail are emptied (and their observers told)
// before the error is raised; the extension keeps what it had.
struct Recusa {
  char parte;  // 'd' area code, 'n' number, 'r' extension, 'e' e-mail
  const char* antes;
  const char* recusado;
  int codigo;
  const char* argumento;
  bool esvazia;
};

class RecusaDeValor : public testing::TestWithParam<Recusa> {};

TEST_P(RecusaDeValor, EmptiesAndNotifiesOrKeepsThenRaises) {
  const Recusa& r = GetParam();
  TFone fone;
  TEmail email;
  TDadoBasico* dado = r.parte == 'd' ? static_cast<TDadoBasico*>(&fone.GetDDD())
                      : r.parte == 'n' ? static_cast<TDadoBasico*>(&fone.GetNumero())
                      : r.parte == 'r' ? static_cast<TDadoBasico*>(&fone.GetRamal())
                                       : static_cast<TDadoBasico*>(&email);
  dado->SetValor(QString::fromUtf8(r.antes));
  Contador contador;
  dado->AdicionaObservador(&contador);
  try {
    dado->SetValor(QString::fromUtf8(r.recusado));
    FAIL() << "accepted";
  } catch (const TErro& e) {
    EXPECT_EQ(e.Codigo(), r.codigo);
    EXPECT_EQ(e.Argumentos(), QString::fromUtf8(r.argumento));
    // The observers heard of the emptying before the error left.
    EXPECT_EQ(contador.n, r.esvazia ? 1 : 0);
    EXPECT_EQ(dado->GetValor(), r.esvazia ? QString() : QString::fromUtf8(r.antes));
  }
  dado->RemoveObservador(&contador);
}

INSTANTIATE_TEST_SUITE_P(Partes, RecusaDeValor,
                         testing::Values(Recusa{'d', "61", "06", 53, "", true},
                                         Recusa{'n', "32145678", "0321", 239, "", true},
                                         Recusa{'n', "32145678", "3214567", 85, "", true},
                                         Recusa{'r', "12", "1a", 87, "1a", false},
                                         Recusa{'e', "a@b.c", "a@b", 51, "a@b", true}));

TEST(TEmail, TheRefusalMessageCarriesTheText) {
  TEmail email;
  try {
    email.SetValor(QStringLiteral("a@b"));
    FAIL() << "accepted";
  } catch (const EEmailInvalido& e) {
    EXPECT_EQ(e.Mensagem(), QStringLiteral("Correio eletrônico(e-mail) inválido: a@b."));
  }
}

TEST(TResponsavel, VerificationKeysByCpfAndWarnsOfAMissingEmail) {
  TErros erros;
  TResponsavel resp;
  EXPECT_EQ(resp.GetTipo(), kNiCpf);
  resp.SetNi(QStringLiteral("11144477735"));
  resp.GetNome().SetValor(QStringLiteral("Ana Souza"));
  resp.GetFone().GetDDD().SetValorComErro(QStringLiteral("61"));
  resp.GetFone().GetNumero().SetValorComErro(QStringLiteral("32145678"));
  resp.GetFax().GetNumero().SetValorComErro(QStringLiteral("123"));
  resp.VerificaResponsavel(erros);
  ASSERT_EQ(erros.GetQuantidade(), 2);
  const TErro& fax = erros.GetErro(0);
  EXPECT_EQ(fax.Codigo(), 85);
  EXPECT_EQ(fax.Objeto(), 20);
  EXPECT_EQ(fax.AQuemPertence(), "111.444.777-35");
  EXPECT_EQ(fax.QuemEh(), "111.444.777-35");
  const TErro& email = erros.GetErro(1);
  EXPECT_EQ(email.Codigo(), 52);
  EXPECT_EQ(email.Tipo(), 0);
  EXPECT_EQ(email.Objeto(), 21);
  EXPECT_NE(dynamic_cast<const EEmailInvalido*>(&email), nullptr);
}

TEST(TResponsavel, EmptyResponsibleFailsEveryMandatoryField) {
  TErros erros;
  TResponsavel resp;
  resp.SetOpcional(true);
  resp.VerificaResponsavel(erros);
  std::vector<int> codigos, campos;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    codigos.push_back(erros.GetErro(i).Codigo());
    campos.push_back(erros.GetErro(i).Objeto());
  }
  EXPECT_EQ(codigos, (std::vector<int>{38, 75, 53, 85, 52}));
  EXPECT_EQ(campos, (std::vector<int>{15, 16, 17, 18, 21}));
}

TEST(TResponsavel, LimpaTudoAndErrorListReachEveryPart) {
  TErros erros;
  TResponsavel resp;
  resp.SetErros(&erros);
  resp.SetNiComErro(QStringLiteral("1"));
  resp.GetNome().SetNomeComErro(QStringLiteral("1"));
  resp.GetFone().GetRamal().SetValorComErro(QStringLiteral("x"));
  resp.GetFax().GetDDD().SetValorComErro(QStringLiteral("0"));
  resp.GetEmail().SetValorComErro(QStringLiteral("x"));
  EXPECT_EQ(erros.GetQuantidade(), 5);
  resp.LimpaTudo();
  EXPECT_TRUE(resp.GetNiDigitos().isEmpty());
  EXPECT_TRUE(resp.GetNome().GetValor().isEmpty());
  EXPECT_TRUE(resp.GetFone().GetRamal().GetValor().isEmpty());
  EXPECT_TRUE(resp.GetFax().GetDDD().GetValor().isEmpty());
  EXPECT_TRUE(resp.GetEmail().GetValor().isEmpty());
}

}  // namespace
