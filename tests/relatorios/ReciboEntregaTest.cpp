#include <gtest/gtest.h>

#include "relatorios/ReciboTeste.h"
#include "relatorios/recibo/ReciboEntrega.h"
#include "suporte/QtGtest.h"

namespace {

using namespace recibo_teste;

TEST(ReciboEntrega, CheckValueIsTheCrcInTenDigits) {
  EXPECT_EQ(ReciboEntrega::ValorVerificacao("123456789"), "3421780262");
  EXPECT_EQ(ReciboEntrega::ValorVerificacao("abc"), "0891568578");
  EXPECT_EQ(ReciboEntrega::ValorVerificacao(""), "0000000000");
}

TEST(ReciboEntrega, ChainHoldsWithAndWithoutNotice) {
  for (const bool comAviso : {false, true}) {
    Recibo r;
    if (comAviso) r.nc = Aviso{}.Linha();
    const QList<QByteArray> l = r.Registros();
    const QByteArray nc = comAviso ? l[2] : QByteArray();
    EXPECT_TRUE(ReciboEntrega::ConfereCadeiaCrc(l[0], l[1], nc, l.back(), l[l.size() - 2]));
    // Each record's value covers the records before it: leaving the notice out breaks the rest.
    if (comAviso) {
      EXPECT_FALSE(ReciboEntrega::ConfereCadeiaCrc(l[0], l[1], {}, l.back(), l[l.size() - 2]));
    }
    EXPECT_FALSE(ReciboEntrega::ConfereCadeiaCrc(l[0], l[1], nc, l.back(), {}));
    EXPECT_FALSE(ReciboEntrega::ConfereCadeiaCrc(l[0], l[1].chopped(1), nc, l.back(), l[l.size() - 2]));
    EXPECT_FALSE(ReciboEntrega::ConfereCadeiaCrc({}, {}, {}, {}, {}));
  }
}

struct CasoAviso {
  char tipo;
  bool autoInfracao;
  bool intimacao;
};

class TipoAviso : public testing::TestWithParam<CasoAviso> {};

TEST_P(TipoAviso, SetsTheFlags) {
  Aviso a;
  a.tipo = GetParam().tipo;
  ReciboEntrega r;
  r.LinhaNC = a.Linha();
  r.LeAviso(true);
  EXPECT_EQ(r.AutoInfracao, GetParam().autoInfracao);
  EXPECT_EQ(r.Intimacao, GetParam().intimacao);
}

INSTANTIATE_TEST_SUITE_P(Tipos, TipoAviso,
                         testing::Values(CasoAviso{'4', false, true}, CasoAviso{'5', true, true}, CasoAviso{'6', true, true},
                                         CasoAviso{'7', true, true}, CasoAviso{'1', true, false},
                                         CasoAviso{'3', true, false}, CasoAviso{'8', true, false},
                                         CasoAviso{'0', true, false}, CasoAviso{'9', true, false},
                                         CasoAviso{' ', true, false}));

struct CasoDatas {
  const char* marcador;
  bool normal;
  const char* contagem1;
  const char* prazoFinal;
  const char* lancamento;
};

class DatasAviso : public testing::TestWithParam<CasoDatas> {};

TEST_P(DatasAviso, ChosenByMarkerAndSituation) {
  Aviso a;
  a.marcador = GetParam().marcador;
  a.contagem1 = GetParam().contagem1;
  ReciboEntrega r;
  r.LinhaNC = a.Linha();
  r.LeAviso(GetParam().normal);
  EXPECT_EQ(r.Aviso.PrazoFinal, GetParam().prazoFinal);
  EXPECT_EQ(r.Aviso.DataLancamento, GetParam().lancamento);
  EXPECT_EQ(r.Aviso.Vencimento, "15/04/2014");
}

INSTANTIATE_TEST_SUITE_P(
    Datas, DatasAviso,
    testing::Values(CasoDatas{"<V01>", true, "000000120", "30/04/2014", "10/04/2014"},
                    CasoDatas{"<V02>", false, "000000120", "30/04/2014", "10/04/2014"},
                    CasoDatas{"     ", true, "000000120", "28/02/2011", "01/03/2011"},
                    // A special situation's notice without marker: the assessment date shares its place
                    // with the first count.
                    CasoDatas{"<V03>", false, "201403200", "31/03/2014", "20/03/2014"},
                    CasoDatas{"     ", false, "000000120", "31/03/2014", ""}));

TEST(ReciboEntrega, NoticeFields) {
  Aviso a;
  a.tipo = '8';
  ReciboEntrega r;
  r.LinhaNC = a.Linha();
  r.LeAviso(true);
  const AvisoRecibo& v = r.Aviso;
  EXPECT_EQ(v.Unidade, "0810100");
  EXPECT_EQ(v.MesesAtraso, "03");
  ASSERT_TRUE(v.ImpostoDeclarado);
  EXPECT_EQ(v.ImpostoDeclarado->formata(), "10.000,00");
  EXPECT_EQ(v.CalculoMulta, "10.000,00 x 3 x 2% x 50%" + QString(26, u' '));
  ASSERT_TRUE(v.Multa);
  EXPECT_EQ(v.Multa->formata(), "123,45");
  // Half of 123,45 is exact with four decimals; the printing rounds it.
  ASSERT_TRUE(v.ValorAPagar());
  EXPECT_EQ(v.ValorAPagar()->formata(4), "61,7250");
  EXPECT_EQ(v.Tipo, u'8');
  EXPECT_EQ(v.Matricula, "123456");
  EXPECT_EQ(v.NomeAuditor, QString::fromUtf8("JOÃO DA SILVA"));
  EXPECT_TRUE(v.AuditorFiscal);
  EXPECT_TRUE(v.Delegacia);
  EXPECT_EQ(v.PrimeiraContagem, "000000120");
  EXPECT_EQ(v.SegundaContagem, "000000100");
  EXPECT_EQ(v.GruposIncorretos, "000002");
}

// A short notice gives empty fields, never a read past its end.
TEST(ReciboEntrega, ShortNoticeGivesEmptyFields) {
  ReciboEntrega r;
  r.LinhaNC = "NC081";
  r.LeAviso(false);
  EXPECT_TRUE(r.AutoInfracao);
  EXPECT_EQ(r.Aviso.Unidade, "081");
  EXPECT_FALSE(r.Aviso.Multa);
  EXPECT_FALSE(r.Aviso.ValorAPagar());
  EXPECT_EQ(r.Aviso.Vencimento, "");
  EXPECT_EQ(r.Aviso.NomeAuditor, "");
}

struct CasoPendencias {
  const char* vc;  // without its check value
  bool valido;
  QStringList jorb, zefro, rejeitados;
};

class Pendencias : public testing::TestWithParam<CasoPendencias> {};

TEST_P(Pendencias, ThreeGroups) {
  ReciboEntrega r;
  r.LinhaVC = QByteArray(GetParam().vc) + "0123456789";
  ASSERT_EQ(r.LePendencias(), GetParam().valido);
  if (!GetParam().valido) return;
  EXPECT_EQ(r.AnosBatimentoJorb, GetParam().jorb);
  EXPECT_EQ(r.AnosBatimentoZefro, GetParam().zefro);
  EXPECT_EQ(r.AnosRejeitados, GetParam().rejeitados);
  EXPECT_EQ(r.TemPendencias(), !(GetParam().jorb.isEmpty() && GetParam().zefro.isEmpty() &&
                                 GetParam().rejeitados.isEmpty()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Pendencias,
    testing::Values(CasoPendencias{"VC 0;0;0;", true, {}, {}, {}},
                    CasoPendencias{"VC 12012;0;0;", true, {"2012"}, {}, {}},
                    CasoPendencias{"VC 0;220102011;12009;", true, {}, {"2010", "2011"}, {"2009"}},
                    CasoPendencias{"VCx0|0|3200820092010|", true, {}, {}, {"2008", "2009", "2010"}},
                    // Nothing follows the last group: its separator may be missing.
                    CasoPendencias{"VC 0;0;12011", true, {}, {}, {"2011"}},
                    CasoPendencias{"VC 0;0;", false, {}, {}, {}},
                    CasoPendencias{"VC 22012;0;0;", false, {}, {}, {}},
                    CasoPendencias{"VC 1201X;0;0;", false, {}, {}, {}},
                    CasoPendencias{"VC A;0;0;", false, {}, {}, {}},
                    CasoPendencias{"VC", false, {}, {}, {}}));

}  // namespace
