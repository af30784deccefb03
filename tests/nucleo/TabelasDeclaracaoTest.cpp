// The layout of the declaration's tables that the program reads by column position.
#include <gtest/gtest.h>

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

struct Posicao {
  const char* tabela;
  int posicao;
  const char* coluna;
};

const Posicao kPosicoes[] = {
    Posicao{"TOLV_ITENS", 1, "TOLV_ITEM_DK"},       Posicao{"TOLV_ITENS", 6, "VL_RENDIME_JAN"},
    Posicao{"TOLV_ITENS", 18, "VL_RENDIME_13"},     Posicao{"TOLV_ITENS", 19, "VL_DEDUCAO_JAN"},
    Posicao{"TOLV_ITENS", 32, "VL_DEDUCAO_PO_JAN"}, Posicao{"TOLV_ITENS", 45, "VL_DEDUCAO_PP_JAN"},
    Posicao{"TOLV_ITENS", 58, "VL_DEDUCAO_DP_JAN"}, Posicao{"TOLV_ITENS", 71, "VL_DEDUCAO_PA_JAN"},
    Posicao{"TOLV_ITENS", 84, "VL_RETIDO_JAN"},     Posicao{"TOLV_ITENS", 97, "VL_MOLESTIA_JAN"},
    Posicao{"TOLV_ITENS", 109, "VL_MOLESTIA_13"},   Posicao{"JUDICIAIS", 1, "E_TOLV_ITEM_DK"},
    Posicao{"JUDICIAIS", 2, "VL_RENDIME_JAN"},      Posicao{"JUDICIAIS", 15, "VL_DEDUCAO_JAN"},
    Posicao{"JUDICIAIS", 28, "VL_DEDUCAO_PO_JAN"},  Posicao{"JUDICIAIS", 67, "VL_DEDUCAO_PA_JAN"},
    Posicao{"JUDICIAIS", 80, "VL_RETIDO_JAN"},      Posicao{"JUDICIAIS", 93, "VL_DEPOSITO_JAN"},
    Posicao{"JUDICIAIS", 106, "VL_ANOATUAL_JAN"},   Posicao{"JUDICIAIS", 119, "VL_ANOANTERIOR_JAN"},
    Posicao{"JUDICIAIS", 131, "VL_ANOANTERIOR_13"}, Posicao{"ISENTOS", 2, "VL_RIP65_JAN"},
    Posicao{"ISENTOS", 15, "VL_BOLSA_JAN"},         Posicao{"ISENTOS", 28, "VL_DAC_JAN"},
    Posicao{"ISENTOS", 41, "VL_PDV_JAN"},           Posicao{"ISENTOS", 54, "VL_AP_JAN"},
    Posicao{"ISENTOS", 67, "VL_COPA_JAN"},          Posicao{"ISENTOS", 80, "VL_ANUAL_OUTRO"},
    Posicao{"ISENTOS", 81, "VL_ANUAL_DESCOUTRO"},   Posicao{"ISENTOS", 82, "VL_ANUAL_LUCDIV"},
    Posicao{"ISENTOS", 83, "VL_ANUAL_TITSOC"}};

TEST(TabelasDeclaracao, EachColumnReadByPositionStandsAtItsPosition) {
  PastaProgramaTemp pasta(true);
  bd::Conexao c(pasta.dados() + "/TOLV2014PD.FDB");
  c.conecta();
  for (const Posicao& p : kPosicoes) {
    bd::Consulta q(c, QStringLiteral("SELECT * FROM %1").arg(QString::fromLatin1(p.tabela)));
    q.prepara();
    EXPECT_EQ(q.nomeCampo(p.posicao), QString::fromLatin1(p.coluna)) << p.tabela << ' ' << p.posicao;
  }
}

TEST(TabelasDeclaracao, AmountsDefaultToZeroAndTheSectionsKeyServesPositions) {
  PastaProgramaTemp pasta(true);
  bd::Conexao c(pasta.dados() + "/TOLV2014PD.FDB");
  c.conecta();
  bd::Transacao t(c);
  bd::Script(t).executa(
      QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) VALUES (5, "
                     "1, '0561', '1', '111444777');"
                     "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) VALUES (9, "
                     "1, '0588', '1', '111444777');"
                     "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) VALUES (7, "
                     "2, '0561', '1', '111444777');"
                     "INSERT INTO JUDICIAIS (E_TOLV_ITEM_DK) VALUES (5);"));
  bd::Consulta soma(t, QStringLiteral("SELECT SUM(VL_RENDIME_JAN + VL_MOLESTIA_13) AS S FROM TOLV_ITENS"));
  soma.abre();
  EXPECT_EQ(soma.campo("S").dezMilesimos(), 0);
  EXPECT_FALSE(soma.campo("S").nulo());

  bd::Consulta posicao(t, QStringLiteral("SELECT COUNT(*) As Total FROM TOLV_ITENS\n"
                                         "WHERE (E_FONTE_DK = :ID_FONTE) AND (TOLV_ITEM_DK <= :ID_ITEM)\n"
                                         "PLAN (TOLV_ITENS INDEX (PK_TOLV_ITENS))"));
  posicao.param("ID_FONTE", 1);
  posicao.param("ID_ITEM", 9);
  posicao.abre();
  EXPECT_EQ(posicao.campo("Total").inteiro(), 2);

  // Deleting a line takes its child rows along.
  bd::Script(t).executa(QStringLiteral("DELETE FROM TOLV_ITENS WHERE TOLV_ITEM_DK = 5;"));
  bd::Consulta filhos(t, QStringLiteral("SELECT COUNT(*) FROM JUDICIAIS"));
  filhos.abre();
  EXPECT_EQ(filhos.campo(1).inteiro(), 0);

  // Annexes are numbered after the declarant's own source.
  bd::Consulta fonte(t, QStringLiteral("SELECT NEXT VALUE FOR GEN_FONTE_DK FROM RDB$DATABASE"));
  fonte.abre();
  EXPECT_EQ(fonte.campo(1).inteiro(), 2);
  bd::Consulta declarante(t, QStringLiteral("SELECT COUNT(*) FROM FONTES WHERE FONTE_DK = 1"));
  declarante.abre();
  EXPECT_EQ(declarante.campo(1).inteiro(), 1);
}

}  // namespace
