#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

#include "AnexosTeste.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TResumo.h"
#include "plataforma/bd/Consulta.h"

namespace {

class ColecaoAnexo : public anexos_teste::ComAnexos {};
using anexos_teste::kNumeroFederal;
using anexos_teste::kNumeroTrabalho;

TEST_F(ColecaoAnexo, AnEmptyListClearsTheAnnexAndCountsNothing) {
  TColecaoAnexo colecao(m_tolv);
  TAnexoFC anexo(m_tolv);
  anexo.SetFonteDK(QStringLiteral("9"));
  anexo.GetIdentificacao().SetNi(QStringLiteral("12345678000195"));
  anexo.SetTipoProcesso(1);
  colecao.CarregaPrimeiro(anexo);
  EXPECT_TRUE(anexo.GetFonteDK().isEmpty());
  EXPECT_TRUE(anexo.GetContribuinte().GetNiDigitos().isEmpty());
  EXPECT_EQ(anexo.GetTipoProcesso(), TAnexoFC::kSemJustica);
  EXPECT_TRUE(colecao.NoInicio());
  EXPECT_TRUE(colecao.NoFim());
  for (int tipo : {0, 1, 2}) EXPECT_EQ(colecao.ContaAnexos(tipo), 0) << tipo;
  EXPECT_EQ(colecao.ContaProcessos(), 0);
  anexo.SetFonteDK(QStringLiteral("2"));
  EXPECT_EQ(colecao.PosicaoFundo(anexo), 1);
  EXPECT_EQ(colecao.FundoMesmaRaiz(QStringLiteral("12345678000195")), QStringLiteral("SemErro"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoAnexo, WalksTheAnnexesByKindAndNumberWithTheirLawyerCourtAndSummary) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  EXPECT_EQ(colecao.GetTotal(), 4);
  TAnexoFC anexo(m_tolv, TAnexoFC::kProcesso);

  colecao.CarregaPrimeiro(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("3"));
  EXPECT_EQ(anexo.GetContribuinte().GetNiFormatado(), QStringLiteral("11.222.333/0001-81"));
  EXPECT_EQ(anexo.GetContribuinte().GetNome().GetValor(), QStringLiteral("CLUBE BETA"));
  EXPECT_EQ(anexo.GetIdentificacao().GetTipoIdentificacao(), 0);
  EXPECT_EQ(anexo.GetResumo().GetTotRend().GetValorInterno(), Valor());
  EXPECT_EQ(colecao.GetChaveAtual(), 3);

  colecao.CarregaProximo(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(anexo.GetResumo().GetTotRend().GetValorInterno(), Valor::deReais(100));

  colecao.CarregaProximo(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("4"));
  EXPECT_EQ(anexo.GetContribuinte().GetNiDigitos(), kNumeroFederal);
  EXPECT_EQ(anexo.GetIdentificacao().GetTipoIdentificacao(), 1);
  EXPECT_EQ(anexo.GetTipoProcesso(), 0);
  EXPECT_EQ(anexo.GetAdvogado().GetNiFormatado(), QStringLiteral("98.765.432/0001-98"));
  EXPECT_EQ(anexo.GetAdvogado().GetNome().GetValor(), QStringLiteral("ESCRITORIO GAMA"));
  EXPECT_EQ(anexo.GetResumo().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(2505000));

  colecao.CarregaProximo(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("5"));
  EXPECT_EQ(anexo.GetTipoProcesso(), 1);
  EXPECT_EQ(anexo.GetAdvogado().GetNiFormatado(), QStringLiteral("529.982.247-25"));
  // A source without summary row shows zeros, not the previous annex's totals.
  EXPECT_EQ(anexo.GetResumo().GetTotRend().GetValorInterno(), Valor());
  EXPECT_FALSE(colecao.NoFim());
  colecao.CarregaProximo(anexo);
  EXPECT_TRUE(colecao.NoFim());

  // One kind at a time, and the reports' order.
  colecao.AbreAnexosTipo(TAnexoFC::kProcesso);
  EXPECT_EQ(colecao.GetTotal(), 2);
  colecao.CarregaPrimeiro(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("4"));
  // The summary recalculation's load: the lawyer's kind as stored, no summary read.
  colecao.CarregaProximoCompleto(anexo);
  EXPECT_EQ(anexo.GetFonteDK(), QStringLiteral("5"));
  EXPECT_EQ(anexo.GetAdvogado().GetTipo(), kNiCpf);
  EXPECT_EQ(anexo.GetResumo().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(2505000));
  colecao.AbreFontesImpressao();
  QStringList chaves;
  for (colecao.CarregaPrimeiro(anexo); !colecao.NoFim(); colecao.CarregaProximo(anexo)) chaves << anexo.GetFonteDK();
  EXPECT_EQ(chaves, QStringList({"3", "2", "4", "5"}));
  EXPECT_EQ(m_erros.GetQuantidade(), 0);
}

TEST_F(ColecaoAnexo, NavigatesFundsAndProcessesInKeyOrder) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC fundo(m_tolv);
  colecao.NavegaFundo(fundo, QStringLiteral("PRI"));
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(fundo.GetContribuinte().GetNiFormatado(), QStringLiteral("12.345.678/0001-95"));
  EXPECT_EQ(fundo.GetContribuinte().GetNome().GetValor(), QStringLiteral("FUNDO ALFA"));
  EXPECT_EQ(fundo.GetResumo().GetTotRend().GetValorInterno(), Valor::deReais(100));
  EXPECT_EQ(colecao.PosicaoFundo(fundo), 1);
  colecao.NavegaFundo(fundo, QStringLiteral("NEXT"));
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("3"));
  EXPECT_EQ(colecao.PosicaoFundo(fundo), 2);
  colecao.NavegaFundo(fundo, QStringLiteral("NEXT"));  // none after the last: left as it was
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("3"));
  EXPECT_EQ(fundo.GetContribuinte().GetNome().GetValor(), QStringLiteral("CLUBE BETA"));
  colecao.NavegaFundo(fundo, QStringLiteral("PREV"));
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("2"));
  colecao.NavegaFundo(fundo, QStringLiteral("ULT"));
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("3"));

  // A third process stored without court.
  Roda(QStringLiteral("INSERT INTO FONTES VALUES (6, '2', '99999999999999999', '', 1, NULL, NULL, NULL, '0');"));
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  colecao.NavegaProcesso(processo, QStringLiteral("PRI"));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("4"));
  EXPECT_EQ(processo.GetContribuinte().GetNiDigitos(), kNumeroFederal);
  EXPECT_EQ(processo.GetTipoProcesso(), 0);
  EXPECT_EQ(processo.GetAdvogado().GetNome().GetValor(), QStringLiteral("ESCRITORIO GAMA"));
  colecao.NavegaProcesso(processo, QStringLiteral("NEXT"));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("5"));
  EXPECT_EQ(processo.GetTipoProcesso(), 1);
  EXPECT_EQ(processo.GetAdvogado().GetNiFormatado(), QStringLiteral("529.982.247-25"));
  // Neither the court nor the lawyer of the process shown before stays.
  colecao.NavegaProcesso(processo, QStringLiteral("NEXT"));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("6"));
  EXPECT_EQ(processo.GetTipoProcesso(), TAnexoFC::kSemJustica);
  EXPECT_TRUE(processo.GetAdvogado().GetNiDigitos().isEmpty());
  EXPECT_EQ(processo.GetAdvogado().GetInformado(), 0);
  colecao.NavegaProcesso(processo, QStringLiteral("PREV"));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("5"));
  colecao.NavegaProcesso(processo, QStringLiteral("ULT"));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("6"));
  EXPECT_EQ(m_erros.GetQuantidade(), 0);
}

TEST_F(ColecaoAnexo, FindsAProcessByNumberAndCourt) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.GetIdentificacao().SetNi(kNumeroTrabalho);
  processo.SetTipoProcesso(1);
  ASSERT_TRUE(colecao.BuscaProcesso(processo));
  EXPECT_EQ(processo.GetFonteDK(), QStringLiteral("5"));
  EXPECT_EQ(processo.GetPosicao(), 1);
  EXPECT_EQ(processo.GetAdvogado().GetNome().GetValor(), QStringLiteral("MARIA ADVOGADA"));

  TAnexoFC outro(m_tolv, TAnexoFC::kProcesso);
  outro.GetIdentificacao().SetNi(kNumeroTrabalho);
  outro.SetTipoProcesso(0);
  EXPECT_FALSE(colecao.BuscaProcesso(outro));
  EXPECT_TRUE(outro.GetFonteDK().isEmpty());
  // Without court the search is for a process stored without court.
  outro.SetTipoProcesso(TAnexoFC::kSemJustica);
  EXPECT_FALSE(colecao.BuscaProcesso(outro));
}

TEST_F(ColecaoAnexo, StoredNamesThatBreakTheRulesAreLoadedAndListed) {
  ComFundosEProcessos();
  Roda(QStringLiteral("UPDATE FONTES SET NM_NM_EMPR = 'FUNDO # ALFA' WHERE FONTE_DK = 2;"
                      "UPDATE FONTES SET NM_ADVOGADO = 'MARIA @ ADVOGADA' WHERE FONTE_DK = 5;"));
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC fundo(m_tolv);
  colecao.NavegaFundo(fundo, QStringLiteral("PRI"));
  EXPECT_EQ(fundo.GetContribuinte().GetNome().GetValor(), QStringLiteral("FUNDO # ALFA"));
  EXPECT_TRUE(m_erros.ContemCodigo(81));

  m_erros.Limpa();
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  colecao.NavegaProcesso(processo, QStringLiteral("ULT"));
  EXPECT_EQ(processo.GetAdvogado().GetNome().GetValor(), QStringLiteral("MARIA @ ADVOGADA"));
  EXPECT_EQ(m_erros.GetQuantidade(), 1);

  processo.SetTipoProcesso(1);
  EXPECT_TRUE(colecao.BuscaProcesso(processo));
  colecao.AbreAnexos();
  TAnexoFC qualquer(m_tolv, TAnexoFC::kProcesso);
  for (colecao.CarregaPrimeiro(qualquer); !colecao.NoFim(); colecao.CarregaProximo(qualquer)) {
  }
  EXPECT_EQ(qualquer.GetFonteDK(), QStringLiteral("5"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoAnexo, ANewFundIsInsertedOnceWithAZeroedSummary) {
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC fundo(m_tolv);
  fundo.GetIdentificacao().SetNi(QStringLiteral("12345678000195"));
  fundo.GetIdentificacao().GetNome().SetValor(QStringLiteral("FUNDO ALFA"));
  colecao.SalvaAnexo(fundo);
  ASSERT_FALSE(fundo.GetFonteDK().isEmpty());
  const QString chave = fundo.GetFonteDK();
  EXPECT_EQ(Coluna(QStringLiteral("SELECT OK FROM RESUMOS WHERE E_FONTE_DK = ") + chave), QStringList({"1"}));

  fundo.GetIdentificacao().GetNome().SetValor(QStringLiteral("FUNDO ALFA RENOMEADO"));
  colecao.SalvaAnexo(fundo);
  EXPECT_EQ(fundo.GetFonteDK(), chave);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT NM_NM_EMPR FROM FONTES WHERE FONTE_DK > 1")),
            QStringList({"FUNDO ALFA RENOMEADO"}));
  EXPECT_EQ(Coluna(QStringLiteral("SELECT IN_PF_PJ || '|' || NR_PF_PJ || '|' || IN_TIPO || '|' || "
                                  "COALESCE(NR_ADVOGADO, 'nulo') || '|' || TIPO_PROCESSO FROM FONTES "
                                  "WHERE FONTE_DK > 1")),
            QStringList({"2|123456780001|0||0"}));
  EXPECT_EQ(colecao.ContaAnexos(0), 1);
}

TEST_F(ColecaoAnexo, AnAnnexWithoutKeyWhoseNumberIsStoredIsNeverStoredTwice) {
  ComFundosEProcessos();
  // The declarant is a person: its funds' rows carry "1", which the number lookup does not
  // expect, so only the database knows the fund is there.
  Roda(QStringLiteral("UPDATE FONTES SET IN_PF_PJ = '1' WHERE FONTE_DK = 2;"));
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC fundo(m_tolv);
  fundo.GetIdentificacao().SetNi(QStringLiteral("12345678000195"));
  fundo.GetIdentificacao().GetNome().SetValor(QStringLiteral("FUNDO ALFA"));
  EXPECT_FALSE(colecao.LocalizaAnexo(fundo));
  colecao.SalvaAnexo(fundo);
  EXPECT_EQ(fundo.GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(colecao.ContaAnexos(0), 2);
  // Its totals are kept.
  EXPECT_EQ(Coluna(QStringLiteral("SELECT CAST(TOT_REND * 100 AS BIGINT) FROM RESUMOS WHERE E_FONTE_DK = 2")),
            QStringList({"10000"}));
}

TEST_F(ColecaoAnexo, AProcessIsStoredOncePerNumberAndCourt) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC mesmo(m_tolv, TAnexoFC::kProcesso);
  mesmo.GetIdentificacao().SetNi(kNumeroFederal);
  mesmo.SetTipoProcesso(0);
  mesmo.GetAdvogado().SetNi(QStringLiteral("52998224725"));
  mesmo.GetAdvogado().GetNome().SetValor(QStringLiteral("NOVO ADVOGADO"));
  colecao.SalvaProcesso(mesmo);
  EXPECT_EQ(mesmo.GetFonteDK(), QStringLiteral("4"));
  EXPECT_EQ(colecao.ContaProcessos(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT IN_PF_PJ_ADVOGADO || NR_ADVOGADO || NM_ADVOGADO FROM FONTES "
                                  "WHERE FONTE_DK = 4")),
            QStringList({"1529982247NOVO ADVOGADO"}));
  EXPECT_EQ(Coluna(QStringLiteral("SELECT CAST(TOT_REND * 100 AS BIGINT) FROM RESUMOS WHERE E_FONTE_DK = 4")),
            QStringList({"25050"}));

  TAnexoFC outraJustica(m_tolv, TAnexoFC::kProcesso);
  outraJustica.GetIdentificacao().SetNi(kNumeroFederal);
  outraJustica.SetTipoProcesso(2);
  colecao.SalvaProcesso(outraJustica);
  EXPECT_EQ(outraJustica.GetFonteDK(), QStringLiteral("6"));
  EXPECT_EQ(outraJustica.GetTipoAnexo(), TAnexoFC::kProcesso);
  EXPECT_EQ(outraJustica.GetTipoProcesso(), 2);
  EXPECT_EQ(colecao.ContaProcessos(), 3);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT TIPO_PROCESSO || IN_TIPO || OK FROM FONTES JOIN RESUMOS "
                                  "ON E_FONTE_DK = FONTE_DK WHERE FONTE_DK = 6")),
            QStringList({"311"}));
  EXPECT_EQ(m_erros.GetQuantidade(), 0);
}

TEST_F(ColecaoAnexo, AProcessIdentifiedByACpfIsStoredAsAPersonWithoutLawyer) {
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.SetTipoAnexo(TAnexoFC::kProcesso);
  processo.GetIdentificacao().SetNi(QStringLiteral("52998224725"));
  processo.GetAdvogado().SetNi(QStringLiteral("11144477735"));
  processo.SetTipoProcesso(1);
  colecao.SalvaAnexo(processo);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT IN_PF_PJ || '|' || NR_PF_PJ || '|' || IN_TIPO || '|' || "
                                  "COALESCE(IN_PF_PJ_ADVOGADO || NR_ADVOGADO || NM_ADVOGADO, 'nulo') || '|' || "
                                  "TIPO_PROCESSO "
                                  "FROM FONTES WHERE FONTE_DK > 1")),
            QStringList({"1|529982247|1||2"}));
}

TEST_F(ColecaoAnexo, DeletingAnAnnexTakesItsLinesAndSummaryWithIt) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  EXPECT_EQ(colecao.GetTotal(), 4);
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.SetFonteDK(QStringLiteral("4"));
  colecao.ExcluiAnexo(processo);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT FONTE_DK FROM FONTES ORDER BY FONTE_DK")), QStringList({"1", "2", "3", "5"}));
  EXPECT_EQ(Coluna(QStringLiteral("SELECT TOLV_ITEM_DK FROM TOLV_ITENS")), QStringList({"12"}));
  EXPECT_EQ(Coluna(QStringLiteral("SELECT E_FONTE_DK FROM RESUMOS")), QStringList({"2"}));
  EXPECT_EQ(colecao.GetTotal(), 3);
  EXPECT_FALSE(colecao.LocalizaAnexo(processo));

  // The declarant's own source never goes.
  TAnexoFC declarante(m_tolv);
  declarante.SetFonteDK(QStringLiteral("1"));
  colecao.ExcluiAnexo(declarante);
  EXPECT_EQ(Coluna(QStringLiteral("SELECT COUNT(*) FROM FONTES WHERE FONTE_DK = 1")), QStringList({"1"}));
}

TEST_F(ColecaoAnexo, AnswersTheQuestionsOfThePagesAndChecks) {
  ComFundosEProcessos();
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID) VALUES (1);"
                      "INSERT INTO TB_REMESSA (TREM_ID) VALUES (2);"
                      "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ) VALUES (7, '2', '123456780001');"));
  // The lines' trigger may have made the row already; only the name matters here.
  Roda(QStringLiteral("UPDATE OR INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) "
                      "VALUES ('1', '111444777', 'JOSE') MATCHING (IN_PF_PJ, NR_PF_PJ);"));

  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  EXPECT_EQ(colecao.ContaAnexos(0), 2);
  EXPECT_EQ(colecao.ContaAnexos(1), 2);
  EXPECT_EQ(colecao.ContaAnexos(3), 2);  // payments abroad
  EXPECT_EQ(colecao.ContaProcessos(), 2);
  EXPECT_EQ(colecao.TipoDaFonte(4), 1);
  EXPECT_EQ(colecao.TipoDaFonte(3), 0);
  EXPECT_EQ(colecao.TipoDaFonte(99), 0);

  EXPECT_EQ(colecao.FundoMesmaRaiz(QStringLiteral("12345678000276")), QStringLiteral("FUNDO ALFA"));
  EXPECT_EQ(colecao.FundoMesmaRaiz(QStringLiteral("55566677000183")), QStringLiteral("SemErro"));
  // Only a fund counts, never the declarant's row or a process.
  EXPECT_EQ(colecao.FundoMesmaRaiz(QStringLiteral("00012345000165")), QStringLiteral("SemErro"));
  EXPECT_EQ(colecao.FundoMesmaRaiz(QStringLiteral("1234%")), QStringLiteral("SemErro"));

  EXPECT_TRUE(colecao.ExisteOperadora(QStringLiteral("123456780001")));
  EXPECT_FALSE(colecao.ExisteOperadora(QStringLiteral("112223330001")));

  EXPECT_EQ(colecao.BuscaNomeAdvogado(1, QStringLiteral("529982247")), QStringLiteral("MARIA ADVOGADA"));
  EXPECT_EQ(colecao.BuscaNomeAdvogado(2, QStringLiteral("529982247")), QString());
  EXPECT_EQ(colecao.BuscaNomeAdvogado(2, QStringLiteral("987654320001")), QStringLiteral("ESCRITORIO GAMA"));
  EXPECT_EQ(colecao.BuscaNomeBeneficiario(1, QStringLiteral("111444777")), QStringLiteral("JOSE"));
  EXPECT_EQ(colecao.BuscaNomeBeneficiario(2, QStringLiteral("111444777")), QString());

  // A fund whose root a stored process uses (roots are compared as stored).
  TAnexoFC fundo(m_tolv);
  fundo.GetIdentificacao().SetNi(QStringLiteral("00012345000165"));
  EXPECT_TRUE(colecao.RaizEmOutroTipo(fundo));
  fundo.GetIdentificacao().SetNi(QStringLiteral("55566677000183"));
  EXPECT_FALSE(colecao.RaizEmOutroTipo(fundo));

  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.GetAdvogado().SetNi(QStringLiteral("12345678000276"));
  EXPECT_TRUE(colecao.AdvogadoEhFundo(processo));
  processo.GetAdvogado().SetNi(QStringLiteral("98765432000198"));
  EXPECT_FALSE(colecao.AdvogadoEhFundo(processo));
  processo.GetAdvogado().SetNi(QStringLiteral("12345678909"));
  EXPECT_FALSE(colecao.AdvogadoEhFundo(processo));
}

TEST_F(ColecaoAnexo, RootQuestionsSeeAnnexesStoredLaterAndLeaveTheListWhereItWas) {
  ComFundosEProcessos();
  TColecaoAnexo& colecao = m_tolv.GetColecaoAnexo();
  TAnexoFC fundo(m_tolv);
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  fundo.GetIdentificacao().SetNi(QStringLiteral("55566677000183"));
  processo.GetAdvogado().SetNi(QStringLiteral("98765432000198"));
  EXPECT_FALSE(colecao.RaizEmOutroTipo(fundo));
  EXPECT_FALSE(colecao.AdvogadoEhFundo(processo));
  Roda(QStringLiteral("INSERT INTO FONTES VALUES (6, '2', '55566677620135010001', 'PROCESSO NOVO', 1, NULL, NULL, NULL, '1');"
                      "INSERT INTO FONTES VALUES (7, '2', '987654320001', 'FUNDO DELTA', 0, NULL, NULL, NULL, '0');"));
  EXPECT_TRUE(colecao.RaizEmOutroTipo(fundo));
  EXPECT_TRUE(colecao.AdvogadoEhFundo(processo));

  // Asking moves nothing on the list a page shows.
  colecao.Primeiro();
  colecao.Proximo();
  const int atual = colecao.GetConsultaAtual()->campo(QStringLiteral("FONTE_DK")).inteiro();
  fundo.GetIdentificacao().SetNi(QStringLiteral("00012345000165"));
  EXPECT_TRUE(colecao.RaizEmOutroTipo(fundo));
  EXPECT_EQ(colecao.GetConsultaAtual()->campo(QStringLiteral("FONTE_DK")).inteiro(), atual);

  // Nor does the kind of list on show change the answers.
  colecao.AbreAnexosTipo(1);
  processo.GetAdvogado().SetNi(QStringLiteral("12345678000276"));
  EXPECT_TRUE(colecao.AdvogadoEhFundo(processo));
  colecao.AbreAnexosTipo(0);
  EXPECT_TRUE(colecao.RaizEmOutroTipo(fundo));
}

struct CasoPesquisaFundo {
  int opcaoCnpj;
  int opcaoNome;
  const char* cnpj;
  const char* nome;
  std::vector<int> chaves;
};

class PesquisaFundos : public ColecaoAnexo, public testing::WithParamInterface<CasoPesquisaFundo> {};

TEST_P(PesquisaFundos, FiltersByCnpjAndName) {
  ComFundosEProcessos();
  Roda(QStringLiteral("INSERT INTO FONTES VALUES (6, '2', '123456780002', 'FUNDO ALFA ÁGIL', 0, NULL, NULL, NULL, '0');"));
  const CasoPesquisaFundo& caso = GetParam();
  std::vector<int> chaves;
  m_tolv.GetColecaoAnexo().PesquisarFundos(
      caso.opcaoCnpj, caso.opcaoNome, QString::fromUtf8(caso.cnpj), QString::fromUtf8(caso.nome),
      [&](int chave, const QString& numero, const QString& nome) {
        EXPECT_FALSE(numero.isEmpty());
        EXPECT_FALSE(nome.isEmpty());
        chaves.push_back(chave);
      });
  EXPECT_EQ(chaves, caso.chaves);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PesquisaFundos,
    testing::Values(CasoPesquisaFundo{-1, -1, "", "", {3, 2, 6}},  // every fund, by CNPJ
                    CasoPesquisaFundo{0, -1, "123456780001", "", {2}},
                    CasoPesquisaFundo{0, -1, "12.345.678/0001-95", "", {2}},
                    CasoPesquisaFundo{1, -1, "12.345.6", "", {2, 6}},
                    CasoPesquisaFundo{1, -1, "1%", "", {}},
                    CasoPesquisaFundo{-1, 0, "", "FUNDO ALFA", {2}},
                    CasoPesquisaFundo{-1, 0, "", "fundo alfa", {2}},
                    CasoPesquisaFundo{-1, 1, "", "FUNDO ALFA", {2, 6}},
                    CasoPesquisaFundo{-1, 1, "", "FUNDO_ALFA", {}},
                    CasoPesquisaFundo{-1, 1, "", "%", {}},
                    CasoPesquisaFundo{-1, 2, "", "ágil fundo", {6}},
                    CasoPesquisaFundo{-1, 2, "", "BETA  CLUBE", {3}},
                    CasoPesquisaFundo{1, 2, "1234", "ALFA", {2, 6}}));

struct CasoPesquisaProcesso {
  int opcaoNumero;
  int opcaoNi;
  int opcaoNome;
  const char* numero;
  int justica;
  const char* ni;
  const char* nome;
  std::vector<int> chaves;
};

class PesquisaProcessos : public ColecaoAnexo, public testing::WithParamInterface<CasoPesquisaProcesso> {};

TEST_P(PesquisaProcessos, FiltersByNumberCourtAndLawyer) {
  ComFundosEProcessos();
  const CasoPesquisaProcesso& caso = GetParam();
  std::vector<int> chaves;
  std::vector<int> justicas;
  m_tolv.GetColecaoAnexo().PesquisarProcessos(
      caso.opcaoNumero, caso.opcaoNi, caso.opcaoNome, QString::fromUtf8(caso.numero), caso.justica,
      QString::fromUtf8(caso.ni), QString::fromUtf8(caso.nome),
      [&](int chave, const QString&, int tipoProcesso, const QString&, const QString&, const QString&) {
        chaves.push_back(chave);
        justicas.push_back(tipoProcesso);
      });
  EXPECT_EQ(chaves, caso.chaves);
  for (size_t i = 0; i < chaves.size(); ++i) EXPECT_EQ(justicas[i], chaves[i] == 4 ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PesquisaProcessos,
    testing::Values(CasoPesquisaProcesso{-1, -1, -1, "", 0, "", "", {4, 5}},
                    CasoPesquisaProcesso{0, -1, -1, "0001234-56.2013.5.01.0001", 0, "", "", {4}},
                    CasoPesquisaProcesso{0, -1, -1, "0001234", 0, "", "", {}},
                    CasoPesquisaProcesso{1, -1, -1, "0001234", 0, "", "", {4}},
                    CasoPesquisaProcesso{1, -1, -1, "_", 0, "", "", {}},
                    CasoPesquisaProcesso{-1, -1, -1, "", 2, "", "", {5}},
                    CasoPesquisaProcesso{-1, 0, -1, "", 0, "529.982.247-25", "", {5}},
                    CasoPesquisaProcesso{-1, 0, -1, "", 0, "98.765.432/0001-98", "", {4}},
                    CasoPesquisaProcesso{-1, 1, -1, "", 0, "5299", "", {5}},
                    CasoPesquisaProcesso{-1, 2, -1, "", 0, "5299", "", {}},
                    CasoPesquisaProcesso{-1, 3, -1, "", 0, "", "", {5}},
                    CasoPesquisaProcesso{-1, 4, -1, "", 0, "", "", {4}},
                    CasoPesquisaProcesso{-1, -1, 2, "", 0, "", "advogada", {5}},
                    CasoPesquisaProcesso{1, -1, 1, "1", 1, "", "ESC", {}}));

TEST_F(ColecaoAnexo, TheProcessesVerificationReadsEveryLineOfEveryProcess) {
  ComFundosEProcessos();
  // The federal process's firm has the root of a fund.
  Roda(QStringLiteral("UPDATE FONTES SET NR_ADVOGADO = '123456780002' WHERE FONTE_DK = 4;"));
  const auto colecao = TColecaoAnexo::CreateVerificacao(m_tolv);
  bd::Consulta& linhas = colecao->GetConsultaProcessos();
  ASSERT_TRUE(colecao->AbreDataSet(linhas));
  QStringList lidas;
  QStringList fontes;
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  for (; !linhas.eof(); linhas.proximo()) {
    fontes << linhas.campo(QStringLiteral("FONTE_DK")).texto();
    colecao->CarregaProcessoVerificacao(processo, linhas);
    lidas << processo.GetFonteDK() + u'/' + linhas.campo(QStringLiteral("TOLV_ITEM_DK")).texto() + u'/' +
                 linhas.campo(QStringLiteral("ADVOGADO_EH_FUNDO")).texto() + u'/' +
                 QString::number(processo.GetTipoProcesso()) + u'/' + processo.GetAdvogado().GetNiFormatado();
    EXPECT_EQ(processo.GetContribuinte().GetTipo(), kNiProcesso);
    EXPECT_EQ(processo.GetIdentificacao().GetTipoIdentificacao(), 1);
    // The line's columns stand where the lines are read by position.
    EXPECT_EQ(linhas.nomeCampo(1), QStringLiteral("TOLV_ITEM_DK"));
    EXPECT_EQ(linhas.nomeCampo(6), QStringLiteral("VL_RENDIME_JAN"));
    EXPECT_EQ(linhas.nomeCampo(109), QStringLiteral("VL_MOLESTIA_13"));
  }
  // The rows of one process come together.
  EXPECT_EQ(fontes, QStringList({"4", "4", "5"}));
  lidas.sort();
  EXPECT_EQ(lidas, QStringList({"4/10/1/0/12.345.678/0002-76", "4/11/1/0/12.345.678/0002-76", "5//0/1/529.982.247-25"}));
  EXPECT_EQ(processo.GetContribuinte().GetNiDigitos(), kNumeroTrabalho);
}

}  // namespace
