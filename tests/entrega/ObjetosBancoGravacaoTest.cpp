// The database objects the writer and the annex blocks read.

#include "GravacaoTeste.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Transacao.h"

namespace {

using gravacao_teste::ComGravacao;

class ObjetosBancoGravacao : public ComGravacao {
 protected:
  void SetUp() override { PreparaCaso(QStringLiteral("empresa_original")); }
};

TEST_F(ObjetosBancoGravacao, RetornaJudiciaisDaLinhaOuNuloSemEla) {
  bd::Conexao conexao(Banco());
  conexao.conecta();
  bd::Transacao tr(conexao);
  bd::Procedimento p(tr, QStringLiteral("RETORNAJUCICIAIS"));
  p.param(QStringLiteral("E_TOLV_ITEM"), 10);
  p.executa();
  EXPECT_EQ(p.saida(QStringLiteral("OUT_E_TOLV_ITEM")).inteiro(), 10);
  EXPECT_EQ(p.saida(QStringLiteral("VL_ANOANTERIOR_JAN")).dezMilesimos(), 10100);
  EXPECT_EQ(p.saida(QStringLiteral("VL_RETIDO_13")).dezMilesimos(), 10000);
  EXPECT_EQ(p.saida(QStringLiteral("VL_DEPOSITO_SET")).dezMilesimos(), 90900);
  p.param(QStringLiteral("E_TOLV_ITEM"), 13);  // a line without its judicial row
  p.executa();
  EXPECT_TRUE(p.saida(QStringLiteral("OUT_E_TOLV_ITEM")).nulo());
}

TEST_F(ObjetosBancoGravacao, VisoesDoDeclarantePorTipoDeBeneficiario) {
  const auto lista = [&](const QString& visao) {
    bd::Conexao conexao(Banco());
    conexao.conecta();
    bd::Transacao tr(conexao);
    bd::Consulta q(tr, QStringLiteral("SELECT TOLV_ITEM_DK, NM_NM_EMPR FROM %1 ORDER BY TOLV_ITEM_DK").arg(visao));
    QStringList r;
    for (q.abre(); !q.eof(); q.proximo()) r << q.campo(1).texto() + u' ' + q.campo(2).texto();
    return r;
  };
  EXPECT_EQ(lista(QStringLiteral("V_TOLV_ITENS_FONTE1")),
            QStringList({"10 Ana Lúcia Prates", "11 José D'Ávila", "14 Carlos Éden", "15 Carlos Éden", "16 Ana Lúcia Prates",
                         "18 Carlos Éden"}));
  EXPECT_EQ(lista(QStringLiteral("V_TOLV_ITENS_FONTE1_PJ")),
            QStringList({"12 Serviços Técnicos S/A", "13 Serviços Técnicos S/A", "17 D'Água Comércio Ltda"}));
}

TEST_F(ObjetosBancoGravacao, LinhasDosFundosEDosProcessosNaOrdemDoArquivo) {
  bd::Conexao conexao(Banco());
  conexao.conecta();
  bd::Transacao tr(conexao);
  const auto lista = [&](const QString& sql) {
    bd::Consulta q(tr, sql);
    QStringList r;
    for (q.abre(); !q.eof(); q.proximo()) r << q.campo(1).texto() + u' ' + q.campo(2).texto();
    return r;
  };
  // Only lines of funds, each with its fund.
  EXPECT_EQ(lista(QStringLiteral("SELECT FONTE_DK, TOLV_ITEM_DK FROM V_TOLV_ITENS_FONTE_FCI1 "
                                 "ORDER BY FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ")),
            QStringList({"2 19", "3 30", "3 31", "3 32"}));
  // By court and number of the process, then code, kind and number; the process's data beside.
  EXPECT_EQ(lista(QStringLiteral("SELECT TOLV_ITEM_DK, TIPO_PROCESSO || NR_PF_PJ FROM TOLV_ITENS_PROCESSO")),
            QStringList({"40 100000011120134010000", "41 200012345620138260100", "42 200012345620138260100",
                         "43 200012345620138260100"}));
}

}  // namespace
