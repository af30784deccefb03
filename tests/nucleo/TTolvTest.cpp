#include <gtest/gtest.h>

#include <optional>

#include "DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TSingleTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kCpf = QStringLiteral("11144477735");
const QString kCnpj = QStringLiteral("11444777000161");

// The code of the ETolvError the call raises; nothing when it raises none.
template <class F>
std::optional<int> CodigoLancado(F&& chamada) {
  try {
    chamada();
  } catch (const ETolvError& e) {
    return e.Codigo();
  }
  return std::nullopt;
}

std::vector<int> Codigos(const TErros& erros) {
  std::vector<int> codigos;
  for (int i = 0; i < erros.GetQuantidade(); ++i) codigos.push_back(erros.GetErro(i).Codigo());
  return codigos;
}

std::vector<int> Permitidas(TTolv& tolv) {
  std::vector<int> codigos;
  for (const TNatureza* n : tolv.GetNaturezas().GetPermitidas()) codigos.push_back(n->GetCodigo());
  return codigos;
}

TEST(TTolv, StartsAsAnOriginalDeclarationOfTheRegularYear) {
  TTolv tolv;
  EXPECT_EQ(tolv.GetAnoCalendario(), "2013");
  EXPECT_EQ(tolv.GetAnoCalendarioCorrente(), "2013");
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "O");
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 0);
  EXPECT_EQ(tolv.GetCodigoNatureza(), 8);
  EXPECT_EQ(tolv.GetNatureza(), tolv.GetNaturezas().BuscaNatureza(8));
  EXPECT_EQ(tolv.GetMesEvento(), 99);
  EXPECT_EQ(tolv.GetFonteDK(), "1");
  EXPECT_EQ(tolv.GetDataGeracao(), TTolv::DataZero());
  EXPECT_EQ(tolv.GetDataGeracao().date(), QDate(1899, 12, 30));
  EXPECT_TRUE(tolv.GetTolvDK().isEmpty());
  EXPECT_TRUE(tolv.GetNaturezas().GetPermitidas().empty());
  EXPECT_EQ(tolv.GetTipoProcesso(), 255);
  EXPECT_TRUE(tolv.GetPossuiDeducoes());
  EXPECT_EQ(&tolv.GetSingleTolv(), &TSingleTolv::Instancia());
  EXPECT_EQ(&tolv.GetResumo(), &tolv.GetResumo());
  EXPECT_EQ(tolv.GetResumo().GetDono(), &tolv);
  EXPECT_NE(&tolv.GetResumo(), &tolv.GetResumoGeral());
}

struct CasoAno {
  const char* ano;
  bool vazioPermitido;
  int codigo;
};

class ValidaAno : public testing::TestWithParam<CasoAno> {};

TEST_P(ValidaAno, GivesTheCode) {
  const auto& c = GetParam();
  EXPECT_EQ(TTolv::ValidaAnoCalendario(QString::fromLatin1(c.ano), c.vazioPermitido), c.codigo) << c.ano;
}

INSTANTIATE_TEST_SUITE_P(Anos, ValidaAno,
                         testing::Values(CasoAno{"2003", false, 0}, CasoAno{"2013", false, 0},
                                         CasoAno{"2014", false, 0}, CasoAno{"2002", false, 74},
                                         CasoAno{"2015", false, 74}, CasoAno{"20a3", false, 74}, CasoAno{"", false, 74},
                                         CasoAno{"", true, 0}, CasoAno{"    ", true, 0}, CasoAno{" 2013", false, 74},
                                         CasoAno{"0000", false, 74}));

class AnoRecusado : public testing::TestWithParam<const char*> {};

TEST_P(AnoRecusado, RaisesAndLeavesTheYearEmpty) {
  TTolv tolv;
  EXPECT_EQ(CodigoLancado([&] { tolv.SetAnoCalendario(QString::fromLatin1(GetParam())); }), 74);
  EXPECT_TRUE(tolv.GetAnoCalendario().isEmpty());
  try {
    tolv.SetAnoCalendario(QString::fromLatin1(GetParam()));
  } catch (const ETolvError& e) {
    EXPECT_EQ(e.Argumentos(), QString::fromLatin1(GetParam()));
  }
}

INSTANTIATE_TEST_SUITE_P(Anos, AnoRecusado, testing::Values("2002", "2O13", "", "2015"));

TEST(TTolv, TheYearAfterTheRegularOneIsAlwaysASpecialSituation) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2014"));
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 1);
  EXPECT_TRUE(tolv.GetAnoApos2005());
  EXPECT_EQ(CodigoLancado([&] { tolv.SetSituacaoEspecial(0); }), 25);
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 1);
  // The regular year takes either.
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetSituacaoEspecial(0);
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 0);
  EXPECT_EQ(TTolv::ValidaSituacaoEspecial(0, QStringLiteral("2014")), 25);
  EXPECT_EQ(TTolv::ValidaSituacaoEspecial(1, QStringLiteral("2014")), 0);
}

TEST(TTolv, LoadingABadYearListsItAndGoesOn) {
  TTolv tolv;
  TErros erros;
  tolv.SetErros(&erros);
  tolv.SetTipoDeclaracao(QStringLiteral("R"));
  tolv.CarregaAnoCalendario(QStringLiteral("2015"));
  EXPECT_EQ(Codigos(erros), std::vector<int>{74});
  EXPECT_EQ(erros.GetErro(0).Argumentos(), "2015");
  EXPECT_TRUE(tolv.GetAnoCalendario().isEmpty());
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "R");
  // A year after the regular one loads without forcing the special situation.
  tolv.CarregaAnoCalendario(QStringLiteral("2014"));
  EXPECT_EQ(tolv.GetAnoCalendario(), "2014");
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 0);
  EXPECT_EQ(erros.GetQuantidade(), 1);
}

TEST(TTolv, TheYearDecidesTheIndicatorsItAdmits) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2003"));
  EXPECT_FALSE(tolv.GetAnoApos2005());
  tolv.SetInAdvogado(1);
  EXPECT_EQ(tolv.GetInAdvogado(), 0);
  tolv.SetInAdmFC(1);
  EXPECT_EQ(tolv.GetInAdmFC(), 1);
  tolv.SetAnoCalendario(QStringLiteral("2004"));
  tolv.SetInAdvogado(1);
  EXPECT_EQ(tolv.GetInAdvogado(), 1);

  // Deductions are reported after 2007, and in 2007 without a special situation.
  tolv.SetAnoCalendario(QStringLiteral("2007"));
  tolv.SetSituacaoEspecial(1);
  EXPECT_EQ(tolv.GetDeducoesInformadas(), 0);
  tolv.SetSituacaoEspecial(0);
  EXPECT_EQ(tolv.GetDeducoesInformadas(), 1);
  tolv.SetAnoCalendario(QStringLiteral("2008"));
  tolv.SetSituacaoEspecial(1);
  EXPECT_EQ(tolv.GetDeducoesInformadas(), 1);
  EXPECT_TRUE(tolv.GetPossuiDeducoes());
}

TEST(TTolv, TheDeclarantsNumberDecidesTheAllowedNatures) {
  TTolv tolv;
  tolv.RefazNaturezasPermitidas();
  EXPECT_EQ(Permitidas(tolv), (std::vector<int>{0, 1, 2, 3, 4, 8, 9}));
  tolv.GetContribuinte().SetNi(kCpf);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  EXPECT_EQ(Permitidas(tolv), std::vector<int>{9});
  tolv.GetContribuinte().SetNi(kCnpj);
  tolv.RefazNaturezasPermitidas();
  EXPECT_EQ(Permitidas(tolv), (std::vector<int>{0, 1, 2, 3, 4, 8}));
}

struct CasoCodigoNatureza {
  const char* ni;
  int codigo;
  int erro;  // 0: the nature becomes current
};

class CodigoNatureza : public testing::TestWithParam<CasoCodigoNatureza> {};

TEST_P(CodigoNatureza, ListsTheFailureAndKeepsTheNature) {
  const auto& c = GetParam();
  TTolv tolv;
  TErros erros;
  tolv.SetErros(&erros);
  if (*c.ni) tolv.GetContribuinte().SetNi(QString::fromLatin1(c.ni));
  tolv.SetCodigoNatureza(c.codigo);
  if (c.erro) {
    EXPECT_EQ(Codigos(erros), std::vector<int>{c.erro});
    EXPECT_TRUE(erros.GetErro(0).Argumentos().isEmpty());
    EXPECT_EQ(tolv.GetCodigoNatureza(), 8);
  } else {
    EXPECT_EQ(erros.GetQuantidade(), 0);
    EXPECT_EQ(tolv.GetCodigoNatureza(), c.codigo);
    EXPECT_EQ(tolv.GetNatureza(), tolv.GetNaturezas().BuscaNatureza(c.codigo));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Naturezas, CodigoNatureza,
    testing::Values(CasoCodigoNatureza{"11444777000161", 9, 190}, CasoCodigoNatureza{"11444777000161", 12, 27},
                    CasoCodigoNatureza{"11444777000161", 3, 0}, CasoCodigoNatureza{"11144477735", 0, 190},
                    CasoCodigoNatureza{"11144477735", 12, 190}, CasoCodigoNatureza{"11144477735", 9, 0},
                    CasoCodigoNatureza{"", 10, 27}, CasoCodigoNatureza{"", 9, 0}));

TEST(TTolv, SetCodigoNaturezaWithoutAListRaises) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCnpj);
  EXPECT_EQ(CodigoLancado([&] { tolv.SetCodigoNatureza(9); }), 190);
  EXPECT_EQ(tolv.GetCodigoNatureza(), 8);
}

TEST(TTolv, NaturesAreAlwaysThoseOfTheDeclarationsOwnTable) {
  TTolv tolv;
  TNaturezas outra;
  tolv.SetNatureza(outra.BuscaNatureza(3));
  EXPECT_EQ(tolv.GetNatureza(), tolv.GetNaturezas().BuscaNatureza(3));
  // A nature without description is refused only where one must be chosen among several.
  tolv.RefazNaturezasPermitidas();
  const TNatureza* vazia = tolv.GetNaturezas().BuscaNatureza(5);
  EXPECT_EQ(tolv.ValidaNatureza(vazia, true), 0);
  EXPECT_EQ(tolv.ValidaNatureza(vazia, false), 189);
  EXPECT_EQ(tolv.ValidaNatureza(nullptr, true), 0);
  const TNatureza estranha(12, QStringLiteral("Outra"), {});
  EXPECT_EQ(tolv.ValidaNatureza(&estranha, true), 27);
  EXPECT_EQ(CodigoLancado([&] { tolv.SetNatureza(const_cast<TNatureza*>(&estranha)); }), 27);
  EXPECT_EQ(tolv.GetCodigoNatureza(), 3);
  try {
    tolv.SetNatureza(const_cast<TNatureza*>(&estranha));
  } catch (const ETolvError& e) {
    EXPECT_EQ(e.Argumentos(), "Outra");
  }

  TErros erros;
  tolv.SetErros(&erros);
  tolv.CarregaNatureza(tolv.GetNaturezas().BuscaNatureza(0));
  EXPECT_EQ(tolv.GetCodigoNatureza(), 0);
  EXPECT_EQ(erros.GetQuantidade(), 0);
}

TEST(TTolv, TheDeclarationTypeIsOriginalOrRectifying) {
  TTolv tolv;
  TErros erros;
  tolv.SetErros(&erros);
  tolv.SetTipoDeclaracao(QStringLiteral("R"));
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "R");
  EXPECT_EQ(CodigoLancado([&] { tolv.SetTipoDeclaracao(QStringLiteral("X")); }), 28);
  EXPECT_EQ(CodigoLancado([&] { tolv.SetTipoDeclaracao(QStringLiteral("o")); }), 28);
  tolv.CarregaTipoDeclaracao(QStringLiteral(""));
  EXPECT_EQ(Codigos(erros), std::vector<int>{28});
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "R");
  tolv.CarregaTipoDeclaracao(QStringLiteral("O"));
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "O");
}

TEST(TTolv, TheOstensivePartnerIndicatorNeedsACompany) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCpf);
  tolv.SetCodigoNatureza(9);
  tolv.SetInOstensivo(1);
  EXPECT_EQ(tolv.GetInOstensivo(), 0);
  tolv.SetNatureza(tolv.GetNaturezas().BuscaNatureza(0));
  tolv.SetInOstensivo(1);
  EXPECT_EQ(tolv.GetInOstensivo(), 1);
  tolv.SetInOstensivo(0);
  EXPECT_EQ(tolv.GetInOstensivo(), 0);
}

struct CasoEvento {
  const char* data;
  int mes;
};

class MesDoEvento : public testing::TestWithParam<CasoEvento> {};

TEST_P(MesDoEvento, FollowsTheDate) {
  TTolv tolv;
  tolv.SetMesEvento(5);
  tolv.SetDataEvento(QString::fromLatin1(GetParam().data));
  EXPECT_EQ(tolv.GetMesEvento(), GetParam().mes) << GetParam().data;
  EXPECT_EQ(tolv.GetDataEvento(), QString::fromLatin1(GetParam().data));
}

INSTANTIATE_TEST_SUITE_P(Eventos, MesDoEvento,
                         testing::Values(CasoEvento{"15/12/2014", 99}, CasoEvento{"15/03/2014", 3},
                                         CasoEvento{"01/11/2014", 11}, CasoEvento{"", 5}, CasoEvento{"30/12/1899", 99},
                                         CasoEvento{"  /  /    ", 99}));

struct CasoDataEvento {
  const char* ano;
  const char* data;
  int codigo;
};

class DataEvento : public testing::TestWithParam<CasoDataEvento> {};

TEST_P(DataEvento, IsADateOfTheCalendarYear) {
  const auto& c = GetParam();
  TTolv tolv;
  TErros erros;
  tolv.SetErros(&erros);
  tolv.CarregaAnoCalendario(QString::fromLatin1(c.ano));
  EXPECT_EQ(tolv.ValidaDataEvento(QString::fromLatin1(c.data)), c.codigo) << c.ano << ' ' << c.data;
}

INSTANTIATE_TEST_SUITE_P(
    Datas, DataEvento,
    testing::Values(CasoDataEvento{"2014", "31/12/2014", 0}, CasoDataEvento{"2014", "01/01/2014", 0},
                    CasoDataEvento{"2014", "01/01/2015", 132}, CasoDataEvento{"2014", "31/12/2013", 132},
                    CasoDataEvento{"2014", "31/02/2014", 125}, CasoDataEvento{"2014", "15/13/2014", 125},
                    CasoDataEvento{"2014", "abc", 125}, CasoDataEvento{"2014", "", 125},
                    CasoDataEvento{"2014", "  /  /    ", 0}, CasoDataEvento{"2014", "  /  /  ", 0},
                    CasoDataEvento{"2014", "30/12/1899", 0}, CasoDataEvento{"2014", "30/12/99", 0},
                    CasoDataEvento{"2014", "5/3/14", 0}, CasoDataEvento{"2015", "01/01/2015", 0}));

TEST(TTolv, TheReceiptNumberIsEmptyOrValid) {
  TTolv tolv;
  TNrRecibo& recibo = tolv.GetNrRecibo();
  recibo.SetValor(QStringLiteral("12.34.56.78.90-91"));
  EXPECT_EQ(recibo.GetValor(), "123456789091");
  EXPECT_TRUE(recibo.GetModificado());
  EXPECT_EQ(CodigoLancado([&] { recibo.SetValor(QStringLiteral("123456789092")); }), 42);
  EXPECT_TRUE(recibo.GetValor().isEmpty());
  recibo.SetValor(QStringLiteral("123456789091"));
  recibo.SetValor(QStringLiteral("   "));
  EXPECT_TRUE(recibo.GetValor().isEmpty());
  recibo.CarregaValor(QStringLiteral("qualquer"));
  EXPECT_EQ(recibo.GetValor(), "qualquer");
}

TEST(TTolv, CountsKeepTheirValuesInStep) {
  TTolv tolv;
  tolv.SetNrDisquetes(3);
  tolv.SetNrEstabelecimentos(12);
  EXPECT_EQ(tolv.GetQtdDisquetes().GetValor(), "3");
  EXPECT_EQ(tolv.GetQtdEstabelecimentos().GetValor(), "12");
  tolv.Limpar();
  EXPECT_EQ(tolv.GetNrDisquetes(), 0);
  EXPECT_EQ(tolv.GetQtdDisquetes().GetValor(), "0");
}

TEST(TTolv, LimparClearsTheHeaderButKeepsIndicatorsEventAndReceipt) {
  TTolv tolv;
  TErros erros;
  tolv.SetErros(&erros);
  tolv.GetContribuinte().SetNi(kCnpj);
  tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA TESTE"));
  tolv.SetAnoCalendario(QStringLiteral("2014"));
  tolv.SetTipoDeclaracao(QStringLiteral("R"));
  tolv.SetNatureza(tolv.GetNaturezas().BuscaNatureza(3));
  tolv.GetEstabelecimentoResponsavel().SetNi(kCnpj);
  tolv.GetResponsavel().SetNi(kCpf);
  tolv.SetTolvDK(QStringLiteral("7"));
  tolv.SetInAdmFC(1);
  tolv.SetInPlanoSaude(1);
  tolv.SetDataEvento(QStringLiteral("15/03/2014"));
  tolv.GetNrRecibo().SetValor(QStringLiteral("123456789091"));
  tolv.SetDataGeracao(QDateTime(QDate(2014, 4, 1), QTime(10, 0)));
  tolv.GetResumoGeral().GetTotRend().SetValorMonetario(Valor::deReais(5));
  tolv.CarregaTipoDeclaracao(QStringLiteral("Z"));
  ASSERT_EQ(erros.GetQuantidade(), 1);

  tolv.Limpar();
  EXPECT_EQ(tolv.GetAnoCalendario(), "2013");
  EXPECT_EQ(tolv.GetTipoDeclaracao(), "O");
  EXPECT_EQ(tolv.GetSituacaoEspecial(), 0);
  EXPECT_EQ(tolv.GetCodigoNatureza(), 8);
  EXPECT_TRUE(tolv.GetNaturezas().GetPermitidas().empty());
  EXPECT_TRUE(tolv.GetContribuinte().GetNiDigitos().isEmpty());
  EXPECT_TRUE(tolv.GetContribuinte().GetNome().GetValor().isEmpty());
  EXPECT_TRUE(tolv.GetEstabelecimentoResponsavel().GetNiDigitos().isEmpty());
  EXPECT_TRUE(tolv.GetResponsavel().GetNiDigitos().isEmpty());
  EXPECT_TRUE(tolv.GetFonteDK().isEmpty());
  EXPECT_TRUE(tolv.GetTolvDK().isEmpty());
  EXPECT_EQ(tolv.GetDataGeracao(), TTolv::DataZero());
  EXPECT_EQ(erros.GetQuantidade(), 0);
  EXPECT_TRUE(tolv.GetResumoGeral().GetTotRend().EhZero());
  EXPECT_EQ(tolv.GetInAdmFC(), 1);
  EXPECT_EQ(tolv.GetInPlanoSaude(), 1);
  EXPECT_EQ(tolv.GetDataEvento(), "15/03/2014");
  EXPECT_EQ(tolv.GetMesEvento(), 3);
  EXPECT_EQ(tolv.GetNrRecibo().GetValor(), "123456789091");
}

TEST(TTolv, AtribuiCopiesOnlyWhatItSays) {
  TTolv origem;
  origem.GetContribuinte().SetNi(kCnpj);
  origem.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA TESTE"));
  origem.SetAnoCalendario(QStringLiteral("2013"));
  origem.SetTolvDK(QStringLiteral("42"));
  origem.SetNatureza(origem.GetNaturezas().BuscaNatureza(3));
  origem.SetTipoDeclaracao(QStringLiteral("R"));
  origem.SetSituacaoEspecial(1);
  origem.SetDataEvento(QStringLiteral("15/03/2013"));
  origem.SetInAdmFC(1);
  origem.SetInAdvogado(1);
  origem.SetInOstensivo(1);
  origem.SetInPlanoSaude(1);
  origem.SetInRemessa(1);
  origem.SetInCopa(1);
  origem.SetInServicoNotarial(1);
  origem.SetEstadoImportacao(2);
  origem.GetResponsavel().SetNi(kCpf);
  origem.GetResponsavel().GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
  origem.GetResponsavel().GetEmail().SetValor(QStringLiteral("fulano@exemplo.com.br"));
  origem.GetEstabelecimentoResponsavel().SetNi(kCnpj);
  origem.GetResumo().GetTotRend().SetValorMonetario(Valor::deReais(10));
  origem.GetResumoGeral().GetTotIrrf().SetValorMonetario(Valor::deReais(3));
  origem.GetNrRecibo().SetValor(QStringLiteral("123456789091"));

  TTolv destino;
  origem.Atribui(destino);
  EXPECT_EQ(destino.GetTolvDK(), "42");
  EXPECT_EQ(destino.GetAnoCalendario(), "2013");
  EXPECT_EQ(destino.GetCodigoNatureza(), 3);
  EXPECT_EQ(destino.GetNatureza(), destino.GetNaturezas().BuscaNatureza(3));
  EXPECT_EQ(destino.GetInAdmFC(), 1);
  EXPECT_EQ(destino.GetInAdvogado(), 1);
  EXPECT_EQ(destino.GetInOstensivo(), 1);
  EXPECT_EQ(destino.GetEstadoImportacao(), 2);
  EXPECT_EQ(destino.GetDeducoesInformadas(), 1);
  EXPECT_EQ(destino.GetFonteDK(), "1");
  EXPECT_EQ(destino.GetContribuinte().GetNiDigitos(), kCnpj);
  EXPECT_EQ(destino.GetContribuinte().GetNome().GetValor(), "EMPRESA TESTE");
  EXPECT_EQ(destino.GetResponsavel().GetNiDigitos(), kCpf);
  EXPECT_EQ(destino.GetResponsavel().GetNome().GetValor(), "FULANO DE TAL");
  EXPECT_EQ(destino.GetResumo().GetTotRend().GetValorMonetario(), Valor::deReais(10));
  EXPECT_EQ(destino.GetResumoGeral().GetTotIrrf().GetValorMonetario(), Valor::deReais(3));
  // Not copied.
  EXPECT_EQ(destino.GetTipoDeclaracao(), "O");
  EXPECT_EQ(destino.GetSituacaoEspecial(), 0);
  EXPECT_TRUE(destino.GetDataEvento().isEmpty());
  EXPECT_EQ(destino.GetMesEvento(), 99);
  EXPECT_EQ(destino.GetInPlanoSaude(), 0);
  EXPECT_EQ(destino.GetInRemessa(), 0);
  EXPECT_EQ(destino.GetInCopa(), 0);
  EXPECT_EQ(destino.GetInServicoNotarial(), 0);
  EXPECT_TRUE(destino.GetResponsavel().GetEmail().GetValor().isEmpty());
  EXPECT_TRUE(destino.GetEstabelecimentoResponsavel().GetNiDigitos().isEmpty());
  EXPECT_TRUE(destino.GetNrRecibo().GetValor().isEmpty());
}

TEST(TTolv, TempoDecorridoCountsDaysAndTheTimeSinceTheLastReading) {
  TTolv tolv;
  const QDateTime inicio(QDate(2014, 3, 10), QTime(23, 0, 0));
  // The first reading counts from the clock's zero.
  EXPECT_TRUE(tolv.TempoDecorrido(inicio).contains(QStringLiteral("d ")));
  EXPECT_EQ(tolv.TempoDecorrido(inicio.addSecs(3723)), "1d 01:02:03");
  EXPECT_EQ(tolv.TempoDecorrido(inicio.addSecs(3723)), "0d 00:00:00");
  EXPECT_EQ(tolv.TempoDecorrido(inicio.addSecs(3723 + 2 * 86400 + 5)), "2d 00:00:05");
}

TEST(TTolv, TheDatabaseFileIsNamedAfterNumberAndYear) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCpf);
  EXPECT_EQ(tolv.GetNomeBancoDeclaracao(), "TOLV2014111444777352013.FDB");
}

using TTolvBanco = declaracao_teste::ComBancos;

TEST_F(TTolvBanco, AYearChangeFreesTheRevenueCodes) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCnpj);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  TCodigoRetencao codigo = declaracao_teste::Pedido("2013", "0", "0561");
  ASSERT_TRUE(tolv.GetColecaoCodigoRetencao().BuscaCodigo(codigo));
  EXPECT_EQ(tolv.GetColecaoCodigoRetencao().GetLeituras(), 1);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  EXPECT_EQ(tolv.GetColecaoCodigoRetencao().GetLeituras(), 1);
  tolv.SetAnoCalendario(QStringLiteral("2014"));
  EXPECT_EQ(tolv.GetColecaoCodigoRetencao().GetLeituras(), 0);
  EXPECT_EQ(tolv.GetColecaoCodigoRetencao().GetAno(), "2014");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(TTolvBanco, CollectionsShareTheDeclarationsTransaction) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCpf);
  EXPECT_FALSE(tolv.TemTransacaoDeclaracao());
  TColecaoResumo& resumos = tolv.GetColecaoResumo();
  ASSERT_TRUE(tolv.TemTransacaoDeclaracao());
  EXPECT_EQ(resumos.GetTransacao(), &tolv.GetTransacaoDeclaracao());
  EXPECT_EQ(tolv.GetTransacaoDeclaracao().parametros(), (QStringList{"read_committed", "rec_version", "nowait"}));
  EXPECT_NE(&tolv.GetTransacaoAnexos(), &tolv.GetTransacaoDeclaracao());
  EXPECT_EQ(tolv.GetTransacaoAnexos().parametros(), tolv.GetTransacaoDeclaracao().parametros());
  EXPECT_EQ(TColecao::GetBancoDeclaracao()->arquivo(), m_pasta.dados() + "/TOLV2014111444777352013.FDB");

  // A working copy works on the same transaction until it is detached.
  TTolv copia;
  copia.CompartilhaTransacoes(tolv);
  EXPECT_EQ(&copia.GetTransacaoDeclaracao(), &tolv.GetTransacaoDeclaracao());
  copia.DesligaTransacoes();
  EXPECT_FALSE(copia.TemTransacaoDeclaracao());

  // Freeing the collections and the declaration in either order leaves nothing behind.
  tolv.LiberaItens();
  tolv.GetColecaoResumo();
  tolv.GetColecaoCodigoRetencao();
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

}  // namespace
