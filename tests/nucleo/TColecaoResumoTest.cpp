#include <gtest/gtest.h>

#include <QStringList>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "DeclaracaoTeste.h"
#include "nucleo/Compensacao.h"
#include "nucleo/RecalculoResumo.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"

namespace {

using namespace declaracao_teste;

const char* const kMeses[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

// A beneficiary line with its series and the source it belongs to.
struct Linha {
  int fonte = 1;
  bool especializada = true;
  bool judicial = false;
  TRendimentosTributaveis tributaveis;
  TSubJudice subJudice;
  TCompensacao compensacao;

  TResumo::Linha Visao(const QString& chave) {
    return {chave, 2, especializada, QStringLiteral("2013"), &tributaveis, &compensacao, &subJudice};
  }
};

class ColecaoResumo : public ComDeclaracao {
 protected:
  // Runs statements on the declaration's database through a connection of its own, committed.
  void Roda(const QString& sql) {
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    bd::Script(t).executa(sql);
    t.commit();
  }

  // Stores a line straight into its tables: the lines collection's procedures are not needed
  // to check what the summaries make of the stored rows.
  void Insere(bd::Transacao& t, int chave, Linha& l) {
    using RT = TRendimentosTributaveis;
    const std::vector<std::pair<const char*, const TSerieMensal*>> linha = {
        {"VL_RENDIME_", &l.tributaveis.GetSerie(RT::kRendimento)},
        {"VL_DEDUCAO_", &l.tributaveis.GetSerie(RT::kDeducao)},
        {"VL_DEDUCAO_PO_", &l.tributaveis.GetSerie(RT::kDeducaoPO)},
        {"VL_DEDUCAO_PP_", &l.tributaveis.GetSerie(RT::kDeducaoPP)},
        {"VL_DEDUCAO_DP_", &l.tributaveis.GetSerie(RT::kDeducaoDP)},
        {"VL_DEDUCAO_PA_", &l.tributaveis.GetSerie(RT::kDeducaoPA)},
        {"VL_RETIDO_", &l.tributaveis.GetSerie(RT::kRetido)},
        {"VL_MOLESTIA_", &l.tributaveis.GetSerie(RT::kMolestia)}};
    InsereSeries(t, "TOLV_ITENS",
                 {{"TOLV_ITEM_DK", chave},
                  {"E_FONTE_DK", l.fonte},
                  {"TRIB_TRIBU", "0561"},
                  {"E_IN_PF_PJ", "1"},
                  {"E_NR_PF_PJ", QString::number(100000000 + chave)},
                  {"DEDUCAO_ESPECIALIZADA", l.especializada ? "T" : "F"},
                  {"TEM_SUBJUDICE", l.judicial ? 1 : 0}},
                 linha);
    if (!l.judicial) return;
    const std::vector<std::pair<const char*, const TSerieMensal*>> judicial = {
        {"VL_RENDIME_", &l.subJudice.GetSerie(RT::kRendimento)},
        {"VL_DEDUCAO_", &l.subJudice.GetSerie(RT::kDeducao)},
        {"VL_DEDUCAO_PO_", &l.subJudice.GetSerie(RT::kDeducaoPO)},
        {"VL_DEDUCAO_PP_", &l.subJudice.GetSerie(RT::kDeducaoPP)},
        {"VL_DEDUCAO_DP_", &l.subJudice.GetSerie(RT::kDeducaoDP)},
        {"VL_DEDUCAO_PA_", &l.subJudice.GetSerie(RT::kDeducaoPA)},
        {"VL_RETIDO_", &l.subJudice.GetSerie(RT::kRetido)},
        {"VL_DEPOSITO_", &l.subJudice.GetDepositos()},
        {"VL_ANOATUAL_", &l.compensacao.GetSerieAnoAtual()},
        {"VL_ANOANTERIOR_", &l.compensacao.GetSerieAnoAnterior()}};
    InsereSeries(t, "JUDICIAIS", {{"E_TOLV_ITEM_DK", chave}}, judicial);
  }

  static void InsereSeries(bd::Transacao& t, const char* tabela,
                           const std::vector<std::pair<QString, bd::Dado>>& chaves,
                           const std::vector<std::pair<const char*, const TSerieMensal*>>& series) {
    QStringList colunas;
    std::vector<bd::Dado> valores;
    for (const auto& [coluna, valor] : chaves) {
      colunas << coluna;
      valores.push_back(valor);
    }
    for (const auto& [prefixo, serie] : series)
      for (int m = 1; m <= 13; ++m) {
        colunas << QString::fromLatin1(prefixo) + QString::fromLatin1(kMeses[m - 1]);
        valores.emplace_back(bd::DezMilesimos{serie->Mes(m).GetValorInterno().dezMilesimos()});
      }
    QStringList marcas;
    for (qsizetype i = 0; i < colunas.size(); ++i) marcas << QStringLiteral("?");
    bd::Consulta insere(t, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(QString::fromLatin1(tabela), colunas.join(", "), marcas.join(", ")));
    for (size_t i = 0; i < valores.size(); ++i) insere.param(int(i) + 1, valores[i]);
    insere.executa();
  }
};

TEST_F(ColecaoResumo, StoresAndLoadsTheTotalsOfASource) {
  TColecaoResumo& resumos = m_tolv.GetColecaoResumo();
  EXPECT_TRUE(resumos.Vazia());
  TResumo& proprio = m_tolv.GetResumo();
  proprio.Zera();
  for (int t = 0; t < TResumo::kTotais; ++t)
    proprio.GetTotal(TResumo::Total(t))
        .SetValorMonetario(t == 0 ? Valor::deReais(3) : Valor::deDezMilesimos(t * 123457 - 600000));
  resumos.GravaResumo(proprio);
  EXPECT_EQ(resumos.GetTotal(), 1);

  TResumo lido(&m_tolv);
  resumos.CarregaResumo(lido);
  EXPECT_EQ(lido.GetOk(), 1);
  for (int t = 0; t < TResumo::kTotais; ++t)
    EXPECT_EQ(lido.GetTotal(TResumo::Total(t)).GetValorInterno(), proprio.GetTotal(TResumo::Total(t)).GetValorInterno())
        << t;

  // A second save replaces the row.
  proprio.GetTotRend().SetValorMonetario(R("1,2345"));
  proprio.SetOk(0);
  resumos.GravaResumo(proprio);
  resumos.CarregaResumo(lido);
  EXPECT_EQ(lido.GetTotRend().GetValorInterno(), R("1,2345"));
  EXPECT_EQ(lido.GetOk(), 0);
  EXPECT_EQ(resumos.GetTotal(), 1);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoResumo, ASourceWithoutRowOrKeyIsLeftAlone) {
  TColecaoResumo& resumos = m_tolv.GetColecaoResumo();
  m_tolv.GetResumo().Zera();
  resumos.GravaResumo(m_tolv.GetResumo());

  Anexo semLinha(m_tolv, QStringLiteral("7"));
  semLinha.GetResumo().GetTotIrrf().SetValorMonetario(R("9,00"));
  resumos.CarregaResumo(semLinha.GetResumo());
  EXPECT_EQ(semLinha.GetResumo().GetTotIrrf().GetValorInterno(), R("9,00"));

  // An annex not stored yet is not written.
  Anexo novo(m_tolv, {});
  novo.GetResumo().GetTotIrrf().SetValorMonetario(R("5,00"));
  resumos.GravaResumo(novo.GetResumo());
  EXPECT_EQ(resumos.Reconta(), 1);
  EXPECT_FALSE(resumos.LocalizaResumo(novo.GetResumo()));
}

TEST_F(ColecaoResumo, OpeningADeclarationLoadsItsSummaries) {
  Roda(
      QStringLiteral("INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (1, 2, 100.5, 1);"
                     "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (2, 3, 200.25, 1);"
                     "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (3, 1, 0.0001, 0);"));
  m_tolv.CarregaResumos();
  EXPECT_EQ(m_tolv.GetResumo().GetTotRend().GetValorInterno(), R("100,50"));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotRend().GetValorInterno(), R("100,50"));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotBenef().GetValorInterno(), Valor::deReais(2));

  // With annexes the general summary is the total of every source, up to date only when all are.
  m_tolv.SetInAdmFC(1);
  m_tolv.CarregaResumos();
  EXPECT_EQ(m_tolv.GetResumo().GetTotRend().GetValorInterno(), R("100,50"));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotRend().GetValorInterno(), R("300,7501"));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotBenef().GetValorInterno(), Valor::deReais(6));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
  EXPECT_EQ(m_tolv.GetColecaoResumo().GetTotal(), 3);

  // A database failure of the run leaves the summaries as they are.
  FalhaBanco = true;
  m_tolv.GetResumo().GetTotRend().SetValorMonetario(R("1,00"));
  m_tolv.GetColecaoResumo().CarregaResumo(m_tolv.GetResumo());
  EXPECT_EQ(m_tolv.GetResumo().GetTotRend().GetValorInterno(), R("1,00"));
}

TEST_F(ColecaoResumo, RecomputedFromTheDatabaseEqualsLineByLine) {
  // Lines of the declarant and of two annexes; a third annex has no line.
  Roda(
      QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (2, 0, '222222222222');"
                     "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (3, 1, '333');"
                     "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (4, 0, '444444444444');"));
  std::mt19937 gerador(2014);
  auto valor = [&gerador] {
    return Valor::deDezMilesimos(std::uniform_int_distribution<int64_t>(0, 99'999'999'999)(gerador));
  };
  std::vector<std::unique_ptr<Linha>> linhas;
  for (int i = 0; i < 40; ++i) {
    auto l = std::make_unique<Linha>();
    l->fonte = 1 + i % 3;
    l->especializada = i % 4 != 1;
    l->judicial = i % 3 != 2;
    using RT = TRendimentosTributaveis;
    for (int m = 1; m <= 13; ++m) {
      for (auto s : {RT::kRendimento, RT::kMolestia, RT::kRetido, RT::kDeducaoPO, RT::kDeducaoPP, RT::kDeducaoDP,
                     RT::kDeducaoPA})
        if (gerador() % 3) l->tributaveis.GetSerie(s).Mes(m).SetValorMonetario(valor());
      // A line that keeps deductions of its own stores their sum; another one may hold anything.
      l->tributaveis.GetSerie(RT::kDeducao).Mes(m).SetValorMonetario(valor());
      if (l->especializada) l->tributaveis.SomaDeducoes();
      if (!l->judicial) continue;
      for (auto s : {RT::kRendimento, RT::kRetido, RT::kDeducaoPO, RT::kDeducaoPP, RT::kDeducaoDP, RT::kDeducaoPA})
        l->subJudice.GetSerie(s).Mes(m).SetValorMonetario(valor());
      l->subJudice.SomaDeducoes();
      l->subJudice.GetDeposito(m).SetValorMonetario(valor());
      l->compensacao.GetAnoAtual(m).SetValorMonetario(valor());
      l->compensacao.GetAnoAnterior(m).SetValorMonetario(valor());
    }
    linhas.push_back(std::move(l));
  }

  // Stored as they are: a line without deductions of its own keeps whatever total it had.
  {
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    int k = 0;
    for (auto& l : linhas) Insere(t, ++k, *l);
    t.commit();
  }
  // Line by line, as the lines collection keeps them.
  Anexo fundo(m_tolv, QStringLiteral("2")), processo(m_tolv, QStringLiteral("3")), vazio(m_tolv, QStringLiteral("4"));
  std::map<int, TResumo*> porFonte = {{1, &m_tolv.GetResumo()}, {2, &fundo.GetResumo()}, {3, &processo.GetResumo()}};
  TResumo geral(&m_tolv);
  geral.Zera();
  for (auto& [fonte, resumo] : porFonte) resumo->Zera();
  int chave = 0;
  for (auto& l : linhas) {
    const QString k = QString::number(++chave);
    porFonte[l->fonte]->AtualizaComItem({}, l->Visao(k));
    geral.AtualizaComItem({}, l->Visao(k));
  }

  TColecaoResumo& resumos = m_tolv.GetColecaoResumo();
  resumos.AtualizaResumos();
  EXPECT_EQ(resumos.GetTotal(), 4);
  for (auto& [fonte, esperado] : porFonte) {
    TResumo lido(esperado->GetDono());
    resumos.CarregaResumo(lido);
    EXPECT_EQ(lido.GetOk(), 1);
    for (int t = 0; t < TResumo::kTotais; ++t)
      EXPECT_EQ(lido.GetTotal(TResumo::Total(t)).GetValorInterno(),
                esperado->GetTotal(TResumo::Total(t)).GetValorInterno())
          << "fonte " << fonte << ' ' << TResumo::NomeColuna(TResumo::Total(t));
  }
  TResumo doVazio(&vazio);
  doVazio.GetTotRend().SetValorMonetario(R("1,00"));
  resumos.CarregaResumo(doVazio);
  EXPECT_TRUE(doVazio.GetTotRend().GetValorInterno().ehZero());
  EXPECT_EQ(doVazio.GetOk(), 1);

  TResumo total(&m_tolv);
  resumos.CarregaResumoTotal(total);
  for (int t = 0; t < TResumo::kTotais; ++t)
    EXPECT_EQ(total.GetTotal(TResumo::Total(t)).GetValorInterno(), geral.GetTotal(TResumo::Total(t)).GetValorInterno())
        << TResumo::NomeColuna(TResumo::Total(t));

  // The direct sums over the whole database agree as well.
  TResumo calculado(&m_tolv);
  calculado.Zera();
  calculado.Calcula(*TColecao::GetBancoDeclaracao());
  for (auto t : {TResumo::kTotRend, TResumo::kTotDed, TResumo::kTotIrrf, TResumo::kTotAnoAtu, TResumo::kTotAnoAnt,
                 TResumo::kTotRendSubjud, TResumo::kTotDedSubjud, TResumo::kTotIrrfSubjud, TResumo::kTotDepSubjud})
    EXPECT_EQ(calculado.GetTotal(t).GetValorInterno(), geral.GetTotal(t).GetValorInterno()) << TResumo::NomeColuna(t);
  EXPECT_TRUE(calculado.GetTotBenef().GetValorInterno().ehZero());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoResumo, CalculaSumsExemptIncomeAbroadAndHealthPlans) {
  Roda(QStringLiteral(
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN, "
      "VL_RENDIME_13, VL_DEDUCAO_PO_FEV, VL_DEDUCAO_PA_13, VL_DEDUCAO_JAN, VL_RETIDO_DEZ, VL_MOLESTIA_MAR, "
      "VL_MOLESTIA_13) VALUES (1, 1, '0561', '1', '111444777', 1000, 100, 10, 5, 999, 7.5, 20, 2);"
      "INSERT INTO ISENTOS (E_TOLV_ITEM_DK, VL_RIP65_JAN, VL_RIP65_13, VL_DAC_FEV, VL_PDV_MAR, VL_AP_ABR, "
      "VL_BOLSA_13, VL_COPA_DEZ, VL_COPA_13, VL_ANUAL_OUTRO, VL_ANUAL_LUCDIV, VL_ANUAL_TITSOC) "
      "VALUES (1, 1, 2, 3, 4, 5, 6, 7, 1000, 8, 9, 10);"
      "INSERT INTO TB_REMESSA (TREM_ID) VALUES (1);"
      "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) VALUES (1, 1, 500.01, "
      "75);"
      "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) VALUES (2, 1, 0.99, 1);"
      "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '114447770001');"
      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (1, 1, '111444777', 300);"
      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (2, 1, '222333444', 0.5);"
      "INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_VL_PAGO) VALUES (1, 1, 'FILHO', 120);"));
  m_tolv.GetColecaoResumo();
  TResumo r(&m_tolv);
  r.Zera();
  r.GetTotBenef().SetValorMonetario(Valor::deReais(8));
  r.Calcula(*TColecao::GetBancoDeclaracao());
  EXPECT_EQ(r.GetTotRend().GetValorInterno(), R("1.100,00"));
  // The four deductions, not the line's own total.
  EXPECT_EQ(r.GetTotDed().GetValorInterno(), R("15,00"));
  EXPECT_EQ(r.GetTotIrrf().GetValorInterno(), R("7,50"));
  // Exempt series (the cup's without its thirteenth), annual amounts, serious illness.
  EXPECT_EQ(r.GetIsentos().GetValorInterno(), R("77,00"));
  EXPECT_EQ(r.GetRemessa().GetValorInterno(), R("501,00"));
  EXPECT_EQ(r.GetRetidoRemessa().GetValorInterno(), R("76,00"));
  EXPECT_EQ(r.GetQtdeOperadoras().GetValor(), "1");
  EXPECT_EQ(r.GetQtdeTitulares().GetValor(), "2");
  EXPECT_EQ(r.GetQtdeDependentes().GetValor(), "1");
  EXPECT_EQ(r.GetValorTitulares().GetValorInterno(), R("300,50"));
  EXPECT_EQ(r.GetValorDependentes().GetValorInterno(), R("120,00"));
  EXPECT_TRUE(r.GetTotDepSubjud().GetValorInterno().ehZero());
  EXPECT_EQ(r.GetTotBenef().GetValorInterno(), Valor::deReais(8));
}

// Lines of the declarant, of a fund and of a process, some with judicial and exempt child rows,
// stored with deductions equal to the sum of their four kinds; RESUMOS holds stale rows marked
// out of date.
class Recalculo : public ColecaoResumo {
 protected:
  void SetUp() override {
    ColecaoResumo::SetUp();
    Roda(QStringLiteral(
        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES (2, 0, '2', '222222222222', 'FUNDO');"
        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES (3, 1, '3', '00012345620134010001', 'PROCESSO');"
        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES (4, 0, '2', '444444444444', 'SEM LINHAS');"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (1, 99, 1.5, 0);"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (2, 98, 2.5, 0);"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (4, 97, 3.5, 0);"));
    std::mt19937 gerador(1125);
    auto valor = [&gerador] {
      return Valor::deDezMilesimos(std::uniform_int_distribution<int64_t>(0, 9'999'999'999'999)(gerador));
    };
    using RT = TRendimentosTributaveis;
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    for (int i = 1; i <= 30; ++i) {
      Linha l;
      l.fonte = 1 + i % 3;
      l.judicial = i % 2 == 0;
      for (int m = 1; m <= 13; ++m) {
        for (auto s : {RT::kRendimento, RT::kRetido, RT::kDeducaoPO, RT::kDeducaoPP, RT::kDeducaoDP, RT::kDeducaoPA})
          if (gerador() % 4) l.tributaveis.GetSerie(s).Mes(m).SetValorMonetario(valor());
        l.tributaveis.SomaDeducoes();
        if (!l.judicial) continue;
        for (auto s : {RT::kRendimento, RT::kRetido, RT::kDeducaoPO, RT::kDeducaoPA})
          l.subJudice.GetSerie(s).Mes(m).SetValorMonetario(valor());
        l.subJudice.SomaDeducoes();
        l.subJudice.GetDeposito(m).SetValorMonetario(valor());
        l.compensacao.GetAnoAtual(m).SetValorMonetario(valor());
        l.compensacao.GetAnoAnterior(m).SetValorMonetario(valor());
      }
      Insere(t, i, l);
      if (i % 3 == 0) {
        bd::Consulta isento(t, QStringLiteral("INSERT INTO ISENTOS (E_TOLV_ITEM_DK, VL_RIP65_JAN, VL_ANUAL_OUTRO) "
                                              "VALUES (?, 123.4567, 89)"));
        isento.param(1, i);
        isento.executa();
        bd::Consulta marca(t, QStringLiteral("UPDATE TOLV_ITENS SET TEM_ISENTO = 1 WHERE TOLV_ITEM_DK = ?"));
        marca.param(1, i);
        marca.executa();
      }
    }
    t.commit();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_tolv.SetFonteDK(QStringLiteral("1"));
    m_tolv.SetInAdmFC(1);
    m_tolv.SetInAdvogado(1);
    m_tolv.CarregaResumos();
  }

  // The totals of the sources' stored rows (all of them when `fonte` is 0), summed by the
  // database.
  std::array<int64_t, TResumo::kTotais> Esperado(int fonte) {
    auto meses = [](const char* serie) {
      QStringList m;
      for (const char* mes : kMeses) m << QStringLiteral("COALESCE(%1%2, 0)").arg(QLatin1String(serie), QLatin1String(mes));
      return QStringLiteral("SUM(") + m.join(" + ") + u')';
    };
    const QString filtro = fonte ? QStringLiteral(" WHERE I.E_FONTE_DK = %1").arg(fonte) : QString();
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    bd::Consulta linhas(t, QStringLiteral("SELECT COUNT(*), %1, %2, %3 FROM TOLV_ITENS I%4")
                               .arg(meses("I.VL_RENDIME_"), meses("I.VL_DEDUCAO_"), meses("I.VL_RETIDO_"), filtro));
    bd::Consulta judiciais(t, QStringLiteral("SELECT %1, %2, %3, %4, %5, %6 FROM JUDICIAIS J "
                                             "JOIN TOLV_ITENS I ON I.TOLV_ITEM_DK = J.E_TOLV_ITEM_DK%7")
                                  .arg(meses("J.VL_ANOATUAL_"), meses("J.VL_ANOANTERIOR_"), meses("J.VL_RENDIME_"),
                                       meses("J.VL_DEDUCAO_"), meses("J.VL_RETIDO_"), meses("J.VL_DEPOSITO_"), filtro));
    linhas.abre();
    judiciais.abre();
    std::array<int64_t, TResumo::kTotais> e{};
    e[TResumo::kTotBenef] = linhas.campo(1).inteiro64() * 10000;
    for (int i = 0; i < 3; ++i) e[size_t(TResumo::kTotRend + i)] = linhas.campo(2 + i).dezMilesimos();
    for (int i = 0; i < 6; ++i) e[size_t(TResumo::kTotAnoAtu + i)] = judiciais.campo(1 + i).dezMilesimos();
    return e;
  }

  static std::array<int64_t, TResumo::kTotais> Totais(const TResumo& r) {
    std::array<int64_t, TResumo::kTotais> v{};
    for (int i = 0; i < TResumo::kTotais; ++i) v[size_t(i)] = r.GetTotal(TResumo::Total(i)).GetValorInterno().dezMilesimos();
    return v;
  }

  // The stored row of a source, as the database has it: its totals and its mark.
  std::pair<std::array<int64_t, TResumo::kTotais>, int> Gravado(const QString& fonte) {
    Anexo dono(m_tolv, fonte);
    TResumo lido(&dono);
    m_tolv.GetColecaoResumo().CarregaResumo(lido);
    return {Totais(lido), lido.GetOk()};
  }
};

TEST_F(Recalculo, TotalsEqualTheStoredAmountsOfEverySource) {
  RecalculoResumo recalculo(m_tolv);
  int chamadas = 0, ultima = 0;
  recalculo.DefineProgresso([&](int linhas) { ++chamadas, ultima = linhas; }, 0);
  EXPECT_EQ(recalculo.TotalLinhas(), 30);
  ASSERT_TRUE(recalculo.Executa());
  EXPECT_EQ(ultima, 30);
  EXPECT_GE(chamadas, 1);

  EXPECT_EQ(Totais(m_tolv.GetResumo()), Esperado(1));
  EXPECT_EQ(m_tolv.GetResumo().GetOk(), 1);
  EXPECT_EQ(Totais(m_tolv.GetResumoGeral()), Esperado(0));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 1);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetJudicial(), 1);
  for (int fonte : {1, 2, 3}) {
    const auto [totais, ok] = Gravado(QString::number(fonte));
    EXPECT_EQ(totais, Esperado(fonte)) << "fonte " << fonte;
    EXPECT_EQ(ok, 1) << "fonte " << fonte;
  }
  // A source without lines is stored as zeros, up to date.
  const auto [vazio, okVazio] = Gravado(QStringLiteral("4"));
  EXPECT_EQ(vazio, (std::array<int64_t, TResumo::kTotais>{}));
  EXPECT_EQ(okVazio, 1);

  // Opening the declaration again finds the same totals, up to date.
  m_tolv.CarregaResumos();
  EXPECT_EQ(Totais(m_tolv.GetResumoGeral()), Esperado(0));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 1);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(Recalculo, ACancelHalfWayChangesNothing) {
  const auto geralAntes = Totais(m_tolv.GetResumoGeral());
  const auto proprioAntes = Totais(m_tolv.GetResumo());
  ASSERT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
  std::map<int, std::pair<std::array<int64_t, TResumo::kTotais>, int>> gravados;
  for (int fonte : {1, 2, 4}) gravados[fonte] = Gravado(QString::number(fonte));

  // Cancelled in the declarant's lines, and in the last annex's.
  for (int cancelaEm : {5, 29}) {
    RecalculoResumo recalculo(m_tolv);
    recalculo.DefineProgresso(
        [&](int linhas) {
          if (linhas == cancelaEm) recalculo.Cancela();
        },
        0);
    EXPECT_FALSE(recalculo.Executa()) << cancelaEm;
    EXPECT_TRUE(recalculo.Cancelado());
    EXPECT_EQ(Totais(m_tolv.GetResumoGeral()), geralAntes);
    EXPECT_EQ(Totais(m_tolv.GetResumo()), proprioAntes);
    EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
    EXPECT_EQ(m_tolv.GetResumo().GetOk(), 0);
    for (const auto& [fonte, gravado] : gravados) EXPECT_EQ(Gravado(QString::number(fonte)), gravado) << fonte;
    EXPECT_EQ(m_pasta.le(kBanco, QStringLiteral("SELECT COUNT(*) FROM RESUMOS")), QStringLiteral("3"));
  }
}

}  // namespace
