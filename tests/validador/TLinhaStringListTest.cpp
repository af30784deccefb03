#include <gtest/gtest.h>

#include <QStringList>

#include "suporte/QtGtest.h"
#include "validador/TLinhaStringList.h"

namespace {

struct CasoDivisao {
  const char16_t* texto;
  QStringList itens;
  int contagem;
};

class Divisao : public testing::TestWithParam<CasoDivisao> {};

TEST_P(Divisao, ItensEContagem) {
  const QString texto = QString::fromUtf16(GetParam().texto);
  TLinhaStringList lista;
  lista.Divide(texto);
  QStringList itens;
  for (int i = 0; i < lista.Quantidade(); ++i) itens << lista.Item(i).toString();
  EXPECT_EQ(itens, GetParam().itens);
  EXPECT_EQ(lista.Contagem(), GetParam().contagem);
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, Divisao,
    testing::Values(CasoDivisao{u"IDREC|0561|", {"IDREC", "0561", ""}, 2},
                    CasoDivisao{u"IDREC|0561", {"IDREC", "0561"}, 2},
                    CasoDivisao{u"A||B|", {"A", "", "B", ""}, 3},
                    CasoDivisao{u"", {}, 0},
                    CasoDivisao{u"|", {"", ""}, 1},
                    CasoDivisao{u"||", {"", "", ""}, 2},
                    CasoDivisao{u"RIO|100|\"Bolsa|auxílio\"|", {"RIO", "100", "Bolsa|auxílio", ""}, 3},
                    CasoDivisao{u"INF|123|\"Diz \"\"sim\"\"\"|", {"INF", "123", "Diz \"sim\"", ""}, 3},
                    CasoDivisao{u"INF|123|\"sem fim|x|", {"INF", "123", "sem fim|x|"}, 3},
                    CasoDivisao{u"INF|12\"3|", {"INF", "12\"3", ""}, 2},
                    CasoDivisao{u"INF|\"ab\"cd|", {"INF", "ab", "cd", ""}, 3},
                    CasoDivisao{u"RESPO|12345678909|Nome|", {"RESPO", "12345678909", "Nome", ""}, 3}));

TEST(TLinhaStringList, EsvaziaItemSemTocarNosOutros) {
  const QString texto = QStringLiteral("BRPDE|1|105|NIF|");
  TLinhaStringList lista;
  lista.Divide(texto);
  lista.EsvaziaItem(3);
  lista.EsvaziaItem(9);
  EXPECT_EQ(lista.Item(2).toString(), QStringLiteral("105"));
  EXPECT_TRUE(lista.Item(3).isEmpty());
  EXPECT_EQ(lista.Quantidade(), 5);
}

// A line of more items than any record has is counted whole; the items past those kept read as
// empty, as they are.
TEST(TLinhaStringList, LinhaDeMuitosItensContadaInteira) {
  const QString texto = QStringLiteral("IDREC|0561") + QString(100'000, u'|') + QStringLiteral("fim|");
  TLinhaStringList lista;
  lista.Divide(texto);
  EXPECT_EQ(lista.Quantidade(), 100'003);
  EXPECT_EQ(lista.Contagem(), 100'002);
  EXPECT_EQ(lista.Item(1).toString(), QStringLiteral("0561"));
  EXPECT_TRUE(lista.Item(50'000).isEmpty());
  // Splitting a short line again after it gives that line alone.
  const QString curta = QStringLiteral("A|B|");
  lista.Divide(curta);
  EXPECT_EQ(lista.Quantidade(), 3);
  EXPECT_EQ(lista.Item(1).toString(), QStringLiteral("B"));
}

}  // namespace
