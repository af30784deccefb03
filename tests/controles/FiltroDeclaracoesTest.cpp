#include <gtest/gtest.h>

#include "controles/FiltroDeclaracoes.h"
#include "suporte/QtGtest.h"

namespace {

using namespace FiltroDeclaracoes;

struct CasoClausula {
  const char* nome;
  Caixas caixas;
  bool limite;
  QStringList condicoes;
  QList<bd::Dado> valores;
};

class MontaFiltro : public testing::TestWithParam<CasoClausula> {};

TEST_P(MontaFiltro, CondicoesEValoresNaOrdemDasCaixas) {
  const CasoClausula& c = GetParam();
  const Clausula clausula = Monta(c.caixas, c.limite);
  EXPECT_EQ(clausula.condicoes, c.condicoes);
  EXPECT_EQ(clausula.valores, c.valores);
  EXPECT_EQ(clausula.parametros.size(), clausula.valores.size());
  // Whatever was typed, the statement holds only the fixed text and its parameters.
  const QString sql = Sql(clausula);
  for (const QString& digitado : {c.caixas.numero, c.caixas.nome, c.caixas.ano}) {
    if (digitado.isEmpty()) continue;
    EXPECT_FALSE(sql.contains(digitado)) << sql.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Caixas, MontaFiltro,
    testing::Values(
        CasoClausula{"vazias_com_limite", {}, true, {"AN_RETENCA <= :ANO_MAXIMO"}, {bd::Dado("2014")}},
        CasoClausula{"vazias_sem_limite", {}, false, {}, {}},
        CasoClausula{"numero", {"123", {}, {}}, true,
                     {"AN_RETENCA <= :ANO_MAXIMO", "NR_PF_PJ STARTING WITH :NUMERO"},
                     {bd::Dado("2014"), bd::Dado("123")}},
        // Both sides upper-cased, the accented letters too.
        CasoClausula{"nome_com_apostrofo", {{}, "joão d'ávila", {}}, false,
                     {"UPPER(NM_NM_EMPR) STARTING WITH :NOME"}, {bd::Dado(QStringLiteral("JOÃO D'ÁVILA"))}},
        // Wildcards are plain characters of a prefix.
        CasoClausula{"curingas", {{}, "50%_a", {}}, false, {"UPPER(NM_NM_EMPR) STARTING WITH :NOME"},
                     {bd::Dado("50%_A")}},
        CasoClausula{"as_tres", {"1", "a", "20"}, true,
                     {"AN_RETENCA <= :ANO_MAXIMO", "NR_PF_PJ STARTING WITH :NUMERO",
                      "UPPER(NM_NM_EMPR) STARTING WITH :NOME", "AN_RETENCA STARTING WITH :ANO"},
                     {bd::Dado("2014"), bd::Dado("1"), bd::Dado("A"), bd::Dado("20")}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(SqlDaLista, SemCondicaoNaoTemWhereEOrdenaPorTipoENumero) {
  const QString sql = Sql(Monta({}, false));
  EXPECT_FALSE(sql.contains(QStringLiteral("where")));
  EXPECT_TRUE(sql.endsWith(QStringLiteral("order by IN_PF_PJ, NR_PF_PJ, AN_RETENCA")));
  EXPECT_TRUE(Sql(Monta({QStringLiteral("1"), {}, {}}, false))
                  .contains(QStringLiteral("\nwhere NR_PF_PJ STARTING WITH :NUMERO\n")));
}

struct CasoDigito {
  const char* texto;
  bool foco;
  bool confere;
};

class DigitoVerificador : public testing::TestWithParam<CasoDigito> {};

TEST_P(DigitoVerificador, SoNumeroCompletoComDigitoCertoEFoco) {
  EXPECT_EQ(DigitoVerificadorConfere(QString::fromLatin1(GetParam().texto), GetParam().foco), GetParam().confere);
}

// CPF 529.982.247-25 and CNPJ 11.444.777/0001-61.
INSTANTIATE_TEST_SUITE_P(Numeros, DigitoVerificador,
                         testing::Values(CasoDigito{"5299822472", true, true}, CasoDigito{"52998224725", true, true},
                                         CasoDigito{"52998224726", true, true},   // the first one is right
                                         CasoDigito{"52998224735", true, true},   // the second one is right
                                         CasoDigito{"52998224736", true, false},  // both wrong
                                         CasoDigito{"5299822473", true, false},
                                         CasoDigito{"52998224725", false, false},  // not typed in the box
                                         CasoDigito{"529982247", true, false},
                                         CasoDigito{"1144477700016", true, true},
                                         CasoDigito{"11444777000161", true, true},
                                         CasoDigito{"11444777000172", true, false},
                                         CasoDigito{"123", true, false}, CasoDigito{"5299822A725", true, false},
                                         CasoDigito{"", true, false}));

TEST(TeclaDoFiltro, SoDigitosEControles) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(TeclaPermitida(QChar(c)));
  for (int c : {3, 8, 9, 13, 22, 24, 27}) EXPECT_TRUE(TeclaPermitida(QChar(c))) << c;
  for (QChar c : QStringLiteral("aZ.-/ %'\u00E7")) EXPECT_FALSE(TeclaPermitida(c)) << int(c.unicode());
  for (int c : {1, 26, 127}) EXPECT_FALSE(TeclaPermitida(QChar(c))) << c;
}

}  // namespace
