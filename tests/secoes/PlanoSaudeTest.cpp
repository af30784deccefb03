#include <gtest/gtest.h>

#include <optional>

#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "secoes/TRegistroAns.h"
#include "secoes/TzuqDependentePlanoSaude.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {

using Dependente = TzuqDependentePlanoSaude;

struct CasoRegistro {
  const char* texto;
  int codigo;
};
class RegistroAns : public testing::TestWithParam<CasoRegistro> {};

TEST_P(RegistroAns, ValidaONumero) {
  EXPECT_EQ(TRegistroAns::ValidaRegistroAns(QString::fromLatin1(GetParam().texto)), GetParam().codigo)
      << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(Casos, RegistroAns,
                         testing::Values(CasoRegistro{"", 0}, CasoRegistro{"123455", 0}, CasoRegistro{"123456", 253},
                                         CasoRegistro{"000001", 0}, CasoRegistro{"000000", 253},
                                         CasoRegistro{"000060", 0}, CasoRegistro{"000061", 253},
                                         CasoRegistro{"12345", 253}, CasoRegistro{"1234555", 253},
                                         CasoRegistro{"12345-5", 253}, CasoRegistro{"1a3455", 253},
                                         CasoRegistro{"12345x", 253}));

TEST(RegistroAnsValor, KeepsTheAcceptedTextAsGivenAndRefusesWithoutChange) {
  TRegistroAns registro;
  registro.SetValor(QStringLiteral("12345-5"));
  EXPECT_EQ(registro.GetValor(), "12345-5");
  EXPECT_EQ(TRegistroAns::RetiraMascara(registro.GetValor()), "123455");
  registro.SetValor(QStringLiteral(" 000060 "));
  EXPECT_EQ(registro.GetValor(), " 000060 ");
  try {
    registro.SetValor(QStringLiteral("12345-6"));
    FAIL() << "aceitou 12345-6";
  } catch (const TErro& e) {
    EXPECT_EQ(e.Codigo(), 253);
    EXPECT_EQ(e.Argumentos(), "12345-6");
  }
  EXPECT_EQ(registro.GetValor(), " 000060 ");
  EXPECT_FALSE(registro.GetModificado());
  registro.CarregaValor(QStringLiteral("999999"));
  EXPECT_EQ(registro.GetValor(), "999999");

  EXPECT_EQ(TRegistroAns::FormataRegistroAns(QStringLiteral("123455")), "12345-5");
  EXPECT_EQ(TRegistroAns::FormataRegistroAns(QStringLiteral("12345")), "12345");
  EXPECT_EQ(TRegistroAns::CalculaDV(QStringLiteral("00006")), "0");
  EXPECT_EQ(TRegistroAns::CalculaDV(QStringLiteral("00000")), "1");
}

struct CasoNascimento {
  const char* data;
  const char* ano;
  bool evento;
  const char* dataEvento;
  int codigo;
};
class DataNascimento : public testing::TestWithParam<CasoNascimento> {};

TEST_P(DataNascimento, ValidaAData) {
  const auto& c = GetParam();
  EXPECT_EQ(Dependente::ValidaDataNascimento(QString::fromLatin1(c.data), QString::fromLatin1(c.ano), c.evento,
                                             QString::fromLatin1(c.dataEvento)),
            c.codigo)
      << c.data << " evento " << c.dataEvento;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DataNascimento,
    testing::Values(
        CasoNascimento{"29/02/2012", "2013", false, "", 0}, CasoNascimento{"29/02/2013", "2013", false, "", 271},
        CasoNascimento{"31/04/2000", "2013", false, "", 251}, CasoNascimento{"01/01/1850", "2013", false, "", 250},
        CasoNascimento{"01/01/1851", "2013", false, "", 265}, CasoNascimento{"31/12/1900", "2013", false, "", 265},
        CasoNascimento{"01/01/1901", "2013", false, "", 0}, CasoNascimento{"01/01/2014", "2013", false, "", 250},
        CasoNascimento{"1/12/2000", "2013", false, "", 251}, CasoNascimento{"25122001", "2013", false, "", 0},
        CasoNascimento{"ab/cd/efgh", "2013", false, "", 251}, CasoNascimento{"32/01/2001", "2013", false, "", 251},
        CasoNascimento{"29/02/1800", "2013", false, "", 250}, CasoNascimento{"29/02/1896", "2013", false, "", 265},
        CasoNascimento{"29/02/1900", "2013", false, "", 265}, CasoNascimento{"31/04/1880", "2013", false, "", 251},
        CasoNascimento{"15/03/09", "2013", false, "", 0}, CasoNascimento{"29/02/00", "2013", false, "", 0},
        CasoNascimento{"29/02/10", "2013", false, "", 271}, CasoNascimento{"150313", "2013", false, "", 0},
        CasoNascimento{"11/06/2013", "2013", true, "10/06/2013", 264},
        CasoNascimento{"10/06/2013", "2013", true, "10/06/2013", 0},
        CasoNascimento{"11/06/2013", "2013", true, "30/12/1899", 0},
        CasoNascimento{"11/06/2013", "2013", true, " ", 0},
        CasoNascimento{"11/06/2013", "2013", false, "10/06/2013", 0},
        // A two-digit year is compared with the event in the year the check's window gives it:
        // 00 to 09 of the 2000s, the rest of the 1900s.
        CasoNascimento{"11/06/09", "2009", true, "10/06/2009", 264},
        CasoNascimento{"11/06/13", "2013", true, "10/06/2013", 0},
        CasoNascimento{"15/03/10", "2013", false, "", 0}, CasoNascimento{"29/02/08", "2013", false, "", 0},
        CasoNascimento{"29/02/13", "2013", false, "", 271}, CasoNascimento{"29/02/12", "2013", false, "", 0}));

struct CasoAno {
  const char* doisDigitos;
  const char* verificacao;  // the year the check reads
  const char* editor;       // the year the editor stores
};
class JanelaDoAno : public testing::TestWithParam<CasoAno> {};

// The check reads 00 to 09 as the 2000s, the editor stores 00 to 10 so; the rest is of the 1900s.
TEST_P(JanelaDoAno, AlargaOAno) {
  const auto& c = GetParam();
  EXPECT_EQ(Dependente::AnoQuatroDigitos(QString::fromLatin1(c.doisDigitos), Dependente::kUltimoAnoVerificacao),
            QString::fromLatin1(c.verificacao));
  const QString data = QStringLiteral("15/03/") + QString::fromLatin1(c.doisDigitos);
  EXPECT_EQ(Dependente::DataNascimentoArmazenada(data), QString::fromLatin1(c.editor) + QStringLiteral("0315"));
}

INSTANTIATE_TEST_SUITE_P(Casos, JanelaDoAno,
                         testing::Values(CasoAno{"00", "2000", "2000"}, CasoAno{"09", "2009", "2009"},
                                         CasoAno{"10", "1910", "2010"}, CasoAno{"11", "1911", "1911"},
                                         CasoAno{"13", "1913", "1913"}, CasoAno{"99", "1999", "1999"}));

TEST(DependentePlanoSaude, TextHelpers) {
  EXPECT_EQ(Dependente::DataParaAAAAMMDD(QStringLiteral("25/12/2001")), "20011225");
  EXPECT_EQ(Dependente::DataParaAAAAMMDD(QStringLiteral("25/12/01")), "011225");
  EXPECT_EQ(Dependente::DataNascimentoArmazenada(QStringLiteral("25/12/2001")), "20011225");
  EXPECT_EQ(Dependente::DataParaDDMMAAAA(QStringLiteral("20011225")), "25122001");
  EXPECT_EQ(Dependente::FormataData(QStringLiteral("25122001")), "25/12/2001");
  EXPECT_EQ(Dependente::FormataData(QStringLiteral("251201")), "251201");
  EXPECT_EQ(Dependente::FormataCpf(QStringLiteral("52998224725")), "529.982.247-25");
  EXPECT_EQ(Dependente::FormataCpf(QStringLiteral("5299822472")), "5299822472");
  EXPECT_EQ(Dependente::RetiraMascara(QStringLiteral("529.982.247-25 25/12")), "52998224725 2512");
  EXPECT_TRUE(Dependente::EhMaiorDeIdade(QStringLiteral("19951231"), QStringLiteral("2013")));
  EXPECT_FALSE(Dependente::EhMaiorDeIdade(QStringLiteral("19960101"), QStringLiteral("2013")));
}

TEST(PlanoSaude, RecordsKeepTheirKindsAndClearWhatTheyOwn) {
  TTolv tolv;
  TzuqPlanoSaude operadora(tolv);
  EXPECT_EQ(operadora.GetContribuinte().GetTipo(), kNiCnpj);
  EXPECT_EQ(operadora.GetContribuinte().GetTipoIdentificacao(), 3);
  EXPECT_EQ(operadora.GetDeclaracao(), &tolv);
  TzuqPlanoSaude solta;
  EXPECT_EQ(solta.GetDeclaracao(), nullptr);
  EXPECT_EQ(solta.GetContribuinte().GetTipoIdentificacao(), 0);

  operadora.SetId(4);
  operadora.GetRegistroAns().SetValor(QStringLiteral("123455"));
  operadora.GetContribuinte().SetNi(QStringLiteral("11222333000181"));
  operadora.GetContribuinte().GetNome().SetValor(QStringLiteral("SAUDE BOA LTDA"));
  operadora.Limpar();
  EXPECT_EQ(operadora.GetId(), 0);
  EXPECT_TRUE(operadora.GetRegistroAns().GetValor().isEmpty());
  EXPECT_TRUE(operadora.GetContribuinte().GetNiDigitos().isEmpty());
  EXPECT_TRUE(operadora.GetContribuinte().GetNome().GetValor().isEmpty());
  EXPECT_EQ(operadora.GetDeclaracao(), &tolv);

  TzuqTitularPlanoSaude titular(operadora);
  EXPECT_EQ(titular.GetContribuinte().GetTipo(), kNiCpf);
  titular.SetId(9);
  titular.GetValorPago().SetValor(QStringLiteral("10,50"));
  titular.Limpar();
  EXPECT_EQ(titular.GetId(), 0);
  EXPECT_TRUE(titular.GetValorPago().EhZero());
  EXPECT_EQ(&titular.GetPlanoSaude(), &operadora);

  Dependente dependente(titular);
  dependente.SetId(3);
  dependente.SetDataNascimento(QStringLiteral("20011225"));
  dependente.SetCdRelacaoDependencia(QStringLiteral("04"));
  dependente.GetValorPago().SetValor(QStringLiteral("1"));
  dependente.Limpar();
  EXPECT_EQ(dependente.GetId(), 0);
  EXPECT_TRUE(dependente.GetDataNascimento().isEmpty());
  EXPECT_EQ(dependente.GetCdRelacaoDependencia(), "04");
  EXPECT_TRUE(dependente.GetValorPago().EhZero());
  EXPECT_EQ(&dependente.GetTitular(), &titular);
}

}  // namespace
