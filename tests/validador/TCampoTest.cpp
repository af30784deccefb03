#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "validador/TCampo.h"
#include "validador/TCampoF8UCL6S.h"

namespace {

using analise_teste::ComRun;

struct CasoBase {
  const char* descricao;
  uint8_t formato;
  uint8_t tipo;
  uint8_t tamanho;
  const char16_t* dominio;
  bool podeVazio;
  const char16_t* valor;
  const char* falha;  // the base rule that fails, or "" when the field passes
};

class RegrasBase : public ComRun, public testing::WithParamInterface<CasoBase> {};

TEST_P(RegrasBase, PrimeiraQueFalha) {
  const CasoBase& c = GetParam();
  TCampo::Atributos a;
  a.nome = QStringLiteral("Campo");
  a.formato = c.formato;
  a.tipo = c.tipo;
  a.tamanho = c.tamanho;
  a.dominio = QString::fromUtf16(c.dominio);
  a.podeVazio = c.podeVazio;
  TCampo campo(Dados(), a);
  campo.SetPosicao(2);
  campo.DefineValor(QString::fromUtf16(c.valor));
  campo.Valida();
  const QStringList log = Log();
  if (*c.falha == 0) {
    EXPECT_TRUE(campo.Valido()) << c.descricao;
    EXPECT_TRUE(log.isEmpty()) << c.descricao;
  } else {
    EXPECT_FALSE(campo.Valido()) << c.descricao;
    ASSERT_EQ(log.size(), 1) << c.descricao;
    const QString mensagem = TListaValidadores::MensagemOriginal(TListaValidadores::Indice(QString::fromLatin1(c.falha)));
    EXPECT_TRUE(log[0].endsWith(QStringLiteral(" Erro: ") + mensagem + u'.')) << c.descricao << ": " << log[0].toStdString();
  }
}

constexpr uint8_t A = TCampo::kAlfanumerico, N = TCampo::kNumerico, D = TCampo::kData;
constexpr uint8_t F = TCampo::kFixo, V = TCampo::kVariavel;

INSTANTIATE_TEST_SUITE_P(
    Campos, RegrasBase,
    testing::Values(
        CasoBase{"N variável vazio", N, V, 13, u"", true, u"", ""},
        CasoBase{"N variável com dígitos", N, V, 13, u"", true, u"123456", ""},
        CasoBase{"N com vírgula", N, V, 13, u"", true, u"1234,56", "ER_Formato"},
        CasoBase{"N com ponto", N, V, 13, u"", true, u"1234.56", "ER_Formato"},
        CasoBase{"N de 14 dígitos", N, V, 13, u"", true, u"12345678901234", "ER_TamanhoMaximo"},
        CasoBase{"N obrigatório vazio", N, F, 11, u"", false, u"", "ER_Obrigatorio"},
        CasoBase{"N fixo curto", N, F, 11, u"", false, u"1234567890", "ER_Preenchimento"},
        CasoBase{"N fixo curto com letra", N, F, 11, u"", false, u"123456789A", "ER_Formato"},
        CasoBase{"N fixo vazio opcional", N, F, 11, u"", true, u"", ""},
        CasoBase{"A com barra entre aspas", A, V, 60, u"", false, u"Nome|outro", "ER_Formato"},
        CasoBase{"A com acento", A, V, 60, u"", false, u"José da Conceição", ""},
        CasoBase{"A fixo no tamanho", A, F, 7, u"F8UCL6S", false, u"F8UCL6S", ""},
        CasoBase{"A fixo fora do domínio", A, F, 7, u"F8UCL6S", false, u"7C2DE7J", "ER_ConteudoObrigatorio"},
        CasoBase{"domínio S|N aceita s", A, F, 1, u"S|N", false, u"s", ""},
        CasoBase{"domínio S|N aceita a barra", A, F, 1, u"S|N", false, u"|", "ER_Formato"},
        CasoBase{"domínio S|N recusa X", A, F, 1, u"S|N", false, u"X", "ER_ConteudoObrigatorio"},
        CasoBase{"domínio de natureza aceita 8", N, F, 1, u"012348", false, u"8", ""},
        CasoBase{"domínio de natureza recusa 5", N, F, 1, u"012348", false, u"5", "ER_ConteudoObrigatorio"},
        CasoBase{"domínio opcional vazio", N, F, 1, u"12", true, u"", ""},
        CasoBase{"domínio obrigatório vazio", A, F, 1, u"SN", false, u"", "ER_Obrigatorio"},
        CasoBase{"ano do domínio", A, F, 4, u"2013|2014", false, u"2012", "ER_ConteudoObrigatorio"},
        CasoBase{"D aceita qualquer texto", D, F, 8, u"", true, u"2013AB01", ""},
        CasoBase{"D fixo curto", D, F, 8, u"", true, u"201301", "ER_Preenchimento"},
        CasoBase{"identificador variável", A, V, 5, u"RTRT|RTPO|RIMOG", false, u"RTPO", ""}));

TEST_F(ComRun, NumeroComLetraFicaVazioMasOAchadoMostraOQueVeio) {
  TCampo::Atributos a{QStringLiteral("Janeiro"), TCampo::kNumerico, TCampo::kVariavel, 13, {}, true, 1, {}};
  TCampo campo(Dados(), a);
  campo.SetPosicao(2);
  campo.DefineValor(u"12a45");
  campo.Valida();
  EXPECT_TRUE(campo.GetValor().isEmpty());
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 1);
  EXPECT_TRUE(log[0].contains(QStringLiteral(" Campo: 2  Valor: 12a45      Erro: ")));
}

TEST_F(ComRun, CampoDeAvisoDaUmAvisoEParaNaPrimeiraFalha) {
  TCampo::Atributos a{QStringLiteral("Número_do_recibo"), TCampo::kAlfanumerico, TCampo::kFixo, 12, {}, true, 2,
                      {QStringLiteral("RN_Numero_do_Recibo_Valido")}};
  TCampo campo(Dados(), a);
  EXPECT_TRUE(campo.SeAviso());
  campo.SetPosicao(5);
  campo.DefineValor(u"12345678901");
  campo.Valida();
  EXPECT_FALSE(campo.Valido());
  EXPECT_EQ(Dados().Contagem.Avisos, 1);
  EXPECT_EQ(Dados().Contagem.Erros, 0);
  // No record piece given: 17 blanks stand in its place.
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 00 ") + QString(17, u' ') +
                               QStringLiteral("  Campo: 5  Valor: 12345678901     Aviso: Tamanho de campo menor que o "
                                              "esperado.")});
}

TEST_F(ComRun, RegrasDaVersaoDoCampo) {
  TCampo::Atributos a{QStringLiteral("Ano-calendário"), TCampo::kAlfanumerico, TCampo::kFixo, 4, QStringLiteral("2013|2014"),
                      false, 0, {QStringLiteral("RN_ANO_CALENDARIOVALIDO")}};
  TCampoF8UCL6S campo(Dados(), a);
  campo.SetPosicao(3);
  for (const char16_t* ano : {u"2013", u"2014"}) {
    campo.DefineValor(ano);
    campo.Valida();
    EXPECT_TRUE(campo.Valido());
  }
  campo.DefineValor(u"2012");
  campo.Valida();
  EXPECT_FALSE(campo.Valido());
}

TEST_F(ComRun, IdentificadorTomadoEmMaiusculas) {
  TCampo::Atributos a{QStringLiteral("Identificador"), TCampo::kAlfanumerico, TCampo::kFixo, 5, QStringLiteral("IDREC"),
                      false, 1, {}};
  TCampo campo(Dados(), a);
  campo.DefineValor(u"idrec", true);
  EXPECT_EQ(campo.GetValor(), QStringLiteral("IDREC"));
  campo.Valida();
  EXPECT_TRUE(campo.Valido());
}

}  // namespace
