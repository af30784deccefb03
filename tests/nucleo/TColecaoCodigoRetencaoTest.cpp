#include <gtest/gtest.h>

#include <QRegularExpression>

#include "DeclaracaoTeste.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"

namespace {

using namespace declaracao_teste;

class ColecaoCodigos : public ComBancos {
 protected:
  void SetUp() override {
    ComBancos::SetUp();
    m_tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
    m_tolv.SetCodigoNatureza(0);
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    ComBancos::TearDown();
  }

  // Runs a statement on the index through a connection of its own, committed.
  void RodaNoIndice(const QString& sql) {
    bd::Conexao c(m_pasta.dados() + "/Tolv.FDB");
    c.conecta();
    bd::Transacao t(c);
    bd::Script(t).executa(sql);
    t.commit();
  }

  TTolv m_tolv;
};

struct CasoBusca {
  const char* ano;
  const char* anexo;
  const char* codigo;
  TColecaoCodigoRetencao::Origem origem;
  const char* anoAchado;
  const char* anexoAchado;
};

class BuscaDeCodigo : public ColecaoCodigos, public testing::WithParamInterface<CasoBusca> {};

TEST_P(BuscaDeCodigo, FallsBackFromTheYearsRowToAnyAnnexThenToAnyYear) {
  const auto& c = GetParam();
  TColecaoCodigoRetencao& codigos = m_tolv.GetColecaoCodigoRetencao();
  TCodigoRetencao codigo = Pedido(c.ano, c.anexo, c.codigo);
  const bool achou = codigos.BuscaCodigo(codigo);
  EXPECT_EQ(codigos.GetOrigem(), c.origem);
  if (c.origem == TColecaoCodigoRetencao::kNenhuma) {
    EXPECT_FALSE(achou);
    EXPECT_EQ(codigo.GetAno(), QString::fromLatin1(c.ano));
    EXPECT_EQ(codigo.GetAnexo(), QString::fromLatin1(c.anexo));
    EXPECT_TRUE(codigo.GetResumo().isEmpty());
    return;
  }
  ASSERT_TRUE(achou);
  EXPECT_EQ(codigo.GetCodigo(), QString::fromLatin1(c.codigo));
  EXPECT_EQ(codigo.GetAno(), QString::fromLatin1(c.anoAchado));
  EXPECT_EQ(codigo.GetAnexo(), QString::fromLatin1(c.anexoAchado));
  EXPECT_FALSE(codigo.GetResumo().isEmpty());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

using O = TColecaoCodigoRetencao;
INSTANTIATE_TEST_SUITE_P(Codigos, BuscaDeCodigo,
                         testing::Values(CasoBusca{"2013", "0", "0561", O::kAno, "2013", "0"},
                                         CasoBusca{"2013", "2", "5928", O::kAno, "2013", "2"},
                                         // Only the declarant's lines take salaries: the year's row of another kind.
                                         CasoBusca{"2013", "1", "0561", O::kAnoCodigo, "2013", "0"},
                                         // Lapsed codes come from the year that still had them.
                                         CasoBusca{"2013", "0", "3249", O::kCodigo, "2002", "0"},
                                         CasoBusca{"2014", "0", "6875", O::kCodigo, "2003", "0"},
                                         CasoBusca{"2013", "0", "9998", O::kNenhuma, "", ""}));

TEST_F(ColecaoCodigos, AYearIsReadOnceAndAnsweredFromMemory) {
  TColecaoCodigoRetencao& codigos = m_tolv.GetColecaoCodigoRetencao();
  TCodigoRetencao codigo = Pedido("2013", "0", "0561");
  ASSERT_TRUE(codigos.BuscaCodigo(codigo));
  EXPECT_EQ(codigos.GetLeituras(), 1);
  // Changed in the database afterwards: the collection does not go back to it.
  RodaNoIndice(QStringLiteral("UPDATE CODRET SET RESUMO = 'Alterado' WHERE ANO = '2013'"));
  for (int volta = 0; volta < 1000; ++volta) {
    for (const char* c : {"0561", "0588", "3208", "0561", "5936"}) {
      TCodigoRetencao outro = Pedido("2013", "0", c);
      ASSERT_TRUE(codigos.BuscaCodigo(outro)) << c;
      EXPECT_NE(outro.GetResumo(), "Alterado");
    }
  }
  EXPECT_EQ(codigos.GetLeituras(), 1);
  // Misses of the year are remembered too: a code of no year is asked for once.
  for (int volta = 0; volta < 3; ++volta) {
    TCodigoRetencao inexistente = Pedido("2013", "0", "9998");
    EXPECT_FALSE(codigos.BuscaCodigo(inexistente));
  }
  EXPECT_EQ(codigos.GetLeituras(), 2);
  // Another year is one more reading.
  TCodigoRetencao de2014 = Pedido("2014", "0", "0561");
  ASSERT_TRUE(codigos.BuscaCodigo(de2014));
  EXPECT_EQ(codigos.GetLeituras(), 3);
  EXPECT_EQ(de2014.GetAno(), "2014");
}

TEST_F(ColecaoCodigos, TwoSearchesForTheSameCodeRunOneQueryAtMost) {
  TColecaoCodigoRetencao& codigos = m_tolv.GetColecaoCodigoRetencao();
  TCodigoRetencao primeiro = Pedido("2004", "2", "5928");
  TCodigoRetencao segundo = Pedido("2004", "2", "5928");
  ASSERT_TRUE(codigos.BuscaCodigo(primeiro));
  ASSERT_TRUE(codigos.BuscaCodigo(segundo));
  EXPECT_LE(codigos.GetLeituras(), 1);
  EXPECT_EQ(segundo.GetResumo(), primeiro.GetResumo());
  EXPECT_EQ(segundo.GetClasseJustica(), 0);
}

TEST_F(ColecaoCodigos, FlagsFollowTheDeclarantsNature) {
  TColecaoCodigoRetencao& codigos = m_tolv.GetColecaoCodigoRetencao();
  // Salaries admit profits and payments to partners (7, 8) and medical grants (A).
  struct Caso {
    int natureza;
    bool lucroTitular;
    bool bolsa;
  };
  for (const Caso& caso : {Caso{3, true, false}, Caso{1, false, true}, Caso{0, true, true}, Caso{4, true, false}}) {
    m_tolv.SetCodigoNatureza(caso.natureza);
    TCodigoRetencao codigo = Pedido("2013", "0", "0561");
    ASSERT_TRUE(codigos.BuscaCodigo(codigo));
    EXPECT_EQ(codigo.GetIsentoLucroTitular(), caso.lucroTitular) << caso.natureza;
    EXPECT_EQ(codigo.GetIsentoBolsa(), caso.bolsa) << caso.natureza;
    EXPECT_TRUE(codigo.GetIsentoRip65());
  }
  EXPECT_EQ(codigos.GetLeituras(), 1);
}

TEST_F(ColecaoCodigos, TheOwnerGivesYearAndAnnexFilter) {
  EXPECT_EQ(m_tolv.GetColecaoCodigoRetencao().GetFiltroAnexo(), "0");
  m_tolv.SetAnoCalendario(QStringLiteral("2014"));
  Anexo fundo(m_tolv);
  TColecaoCodigoRetencao& codigos = fundo.GetColecaoCodigoRetencao();
  EXPECT_EQ(codigos.GetFiltroAnexo(), "1");
  EXPECT_EQ(codigos.GetAno(), "2014");
  TCodigoRetencao codigo = Pedido("2014", "1", "6800");
  ASSERT_TRUE(codigos.BuscaCodigo(codigo));
  EXPECT_EQ(codigos.GetOrigem(), TColecaoCodigoRetencao::kAno);
  EXPECT_EQ(codigo.GetAnexo(), "1");
}

// Every row that a query brings, as "code annex kind natures".
QStringList Linhas(bd::Consulta& consulta) {
  QStringList linhas;
  for (; !consulta.eof(); consulta.proximo())
    linhas << consulta.campo("COD_RETENCAO").texto() + ' ' +
                  (consulta.temCampo("ANEXO") ? consulta.campo("ANEXO").texto() : QString()) + ' ' +
                  consulta.campo("PF_PJ_AMBOS").texto() + ' ' +
                  (consulta.temCampo("NAT_DECLARANTE") ? consulta.campo("NAT_DECLARANTE").texto() : QString());
  return linhas;
}

TEST_F(ColecaoCodigos, FormsListTheCodesOfYearAnnexAndNature) {
  bd::Consulta consulta;
  m_tolv.SetCodigoNatureza(1);
  TColecaoCodigoRetencao::AbreCodigos(m_tolv, consulta, QStringLiteral("0"), 0);
  const QStringList declarante = Linhas(consulta);
  ASSERT_GT(declarante.size(), 20);
  QStringList ordenadas = declarante;
  ordenadas.sort();
  EXPECT_EQ(declarante, ordenadas);
  for (const QString& l : declarante) {
    EXPECT_EQ(l.section(' ', 1, 1), "0") << l.toStdString();
    EXPECT_TRUE(l.section(' ', 3, 3).contains('1')) << l.toStdString();
  }
  EXPECT_TRUE(declarante.filter(QRegularExpression("^0561 ")).size() == 1);

  // The process flag asks for the process annex's codes whatever the kind given.
  m_tolv.SetCodigoNatureza(0);
  TColecaoCodigoRetencao::AbreCodigos(m_tolv, consulta, QStringLiteral("0"), 1);
  const QStringList processo = Linhas(consulta);
  ASSERT_FALSE(processo.isEmpty());
  for (const QString& l : processo) EXPECT_EQ(l.section(' ', 1, 1), "2") << l.toStdString();

  TColecaoCodigoRetencao::AbreCodigosPfPj(m_tolv, consulta, QStringLiteral("0"), 0, QStringLiteral("J"));
  const QStringList empresas = Linhas(consulta);
  ASSERT_FALSE(empresas.isEmpty());
  EXPECT_FALSE(empresas.filter(QRegularExpression("^\\d{4} 0 J ")).isEmpty());
  for (const QString& l : empresas) EXPECT_NE(l.section(' ', 2, 2), "F") << l.toStdString();

  // The kind is a value, never a piece of the statement: this one is just too long.
  EXPECT_THROW(TColecaoCodigoRetencao::AbreCodigosPfPj(m_tolv, consulta, QStringLiteral("0"), 0,
                                                       QStringLiteral("F' OR PF_PJ_AMBOS = 'J")),
               bd::ErroBanco);

  TColecaoCodigoRetencao::AbreCodigosFaixa(m_tolv, consulta, QStringLiteral("0"), 0, QStringLiteral("0500"),
                                           QStringLiteral("0599"));
  const QStringList faixa = Linhas(consulta);
  ASSERT_FALSE(faixa.isEmpty());
  for (const QString& l : faixa) EXPECT_TRUE(l.startsWith("05")) << l.toStdString();

  m_tolv.SetCodigoNatureza(1);
  TColecaoCodigoRetencao::AbreListaCodigos(m_tolv, consulta);
  QStringList lista;
  for (; !consulta.eof(); consulta.proximo()) lista << consulta.campo("COD_RETENCAO").texto();
  ASSERT_FALSE(lista.isEmpty());
  EXPECT_EQ(lista.removeDuplicates(), 0);
  EXPECT_TRUE(lista.contains("0561"));
  // A court code of the depositary natures only is not listed for a federal body.
  EXPECT_FALSE(lista.contains("5928"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoCodigos, AnUnusableIndexOpensNothing) {
  bd::Consulta consulta;
  FalhaBancoIndice = true;
  TColecaoCodigoRetencao::AbreCodigos(m_tolv, consulta, QStringLiteral("0"), 0);
  EXPECT_FALSE(consulta.aberta());
}

}  // namespace
