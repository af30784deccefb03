#include <gtest/gtest.h>

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/Processo.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoNi {
  const char* numero;
  uint8_t tipo;  // as ValidaNi takes it
  bool exigeMatriz;
  bool opcional;
  int codigo;
};

class ValidaNi : public testing::TestWithParam<CasoNi> {};

TEST_P(ValidaNi, GivesTheCatalogueCode) {
  const auto& c = GetParam();
  EXPECT_EQ(TNiContribuinte::ValidaNi(QString::fromUtf8(c.numero), c.tipo, c.exigeMatriz, c.opcional), c.codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Cpf, ValidaNi,
    testing::Values(CasoNi{"11144477735", 1, false, false, 0}, CasoNi{"11144477734", 1, false, false, 35},
                    CasoNi{"11111111111", 1, false, false, 35}, CasoNi{"00000000191", 1, false, false, 35},
                    CasoNi{"1114447773", 1, false, false, 35}, CasoNi{"111444777A5", 1, false, false, 35},
                    CasoNi{"", 1, false, false, 38}, CasoNi{"", 1, false, true, 0},
                    CasoNi{"11144477735", 0, false, false, 0}));

INSTANTIATE_TEST_SUITE_P(
    Cnpj, ValidaNi,
    testing::Values(CasoNi{"00000000000191", 2, false, false, 0}, CasoNi{"11222333000181", 2, false, false, 0},
                    CasoNi{"11222333000180", 2, false, false, 36}, CasoNi{"22222222000191", 2, false, false, 36},
                    // Order 0000 is refused before the check digits are looked at.
                    CasoNi{"11222333000009", 2, false, false, 36}, CasoNi{"11222333000099", 2, false, false, 36},
                    CasoNi{"11222333000262", 2, false, false, 0}, CasoNi{"11222333000262", 2, true, false, 20},
                    CasoNi{"11222333000181", 2, true, false, 0}, CasoNi{"1122233300018", 2, false, false, 36},
                    CasoNi{"", 2, false, false, 39}, CasoNi{"", 2, true, true, 0},
                    CasoNi{"11222333000181", 0, false, false, 0}));

INSTANTIATE_TEST_SUITE_P(
    ProcessoEIndefinido, ValidaNi,
    testing::Values(CasoNi{"123456789012345", 0, false, false, 0}, CasoNi{"ABCDEFGHIJKLMNO", 0, false, false, 174},
                    CasoNi{"1234567/9012345", 0, false, false, 173}, CasoNi{"00000000000000000000", 0, false, false, 37},
                    CasoNi{"AB123", 3, false, false, 0}, CasoNi{"ABC12", 3, false, false, 174},
                    CasoNi{"1234567890123456789012", 3, false, false, 37}, CasoNi{"", 3, false, false, 40},
                    CasoNi{"000", 3, false, false, 37}, CasoNi{"1234567890", 0, false, false, 34},
                    CasoNi{"", 0, false, true, 34}));

TEST(TNi, CheckDigitsAndMasks) {
  EXPECT_EQ(TCpf::CalculaDVCpf(QStringLiteral("111444777")), "35");
  EXPECT_EQ(TCpf::CalculaDVCpf(QStringLiteral("11144477")), "");
  EXPECT_EQ(TCpf::CalculaDVCpf(QStringLiteral("11144477X")), "");
  EXPECT_EQ(TCnpj::CalculaDVCnpj(QStringLiteral("112223330001")), "81");
  EXPECT_EQ(TNiContribuinte::CalculaDVNi(QStringLiteral("000000000001")), "91");
  EXPECT_EQ(TNiContribuinte::CalculaDVNi(QStringLiteral("000000001")), "91");
  EXPECT_EQ(TNiContribuinte::CalculaDVNi(QStringLiteral("0000000001")), "");
  EXPECT_EQ(TCpf::FormataCpf(QStringLiteral("11144477735")), "111.444.777-35");
  EXPECT_EQ(TCpf::FormataCpf(QStringLiteral("111444777")), "111444777");
  EXPECT_EQ(TCnpj::FormataCnpj(QStringLiteral("11222333000181")), "11.222.333/0001-81");
  EXPECT_EQ(TNiContribuinte::FormataNi(QStringLiteral("123456789012345")), "123456789012345");
  QString texto = QStringLiteral("11.222.333/0001-81");
  EXPECT_EQ(TNi::RetiraFormatacao(texto), "11222333000181");
  EXPECT_EQ(texto, "11222333000181");
  EXPECT_EQ(TNi::OrdemCnpj(QStringLiteral("11.222.333/0002-62"), false), "0002");
  EXPECT_EQ(TNi::OrdemCnpj(QStringLiteral("111.444.777-35"), false), "");
  EXPECT_EQ(TNi::OrdemCnpj(QStringLiteral("11.222.333/0002-63"), false), "");
}

TEST(TNiContribuinte, KindByLength) {
  for (int n = 0; n <= 22; ++n) {
    const uint8_t esperado = (n == 9 || n == 11) ? 1 : (n >= 12 && n <= 14) ? 2 : (n >= 15 && n <= 20) ? 3 : 0;
    EXPECT_EQ(TNiContribuinte::TipoPeloTamanho(QString(n, u'1')), esperado) << n;
  }
}

TEST(TCpf, StoresDigitsShowsMaskAndRefusesWithTheMaskedNumber) {
  TCpf cpf;
  cpf.SetNi(QStringLiteral("111.444.777-35"));
  EXPECT_EQ(cpf.GetNiDigitos(), "11144477735");
  EXPECT_EQ(cpf.GetValor(), "11144477735");
  EXPECT_EQ(cpf.GetNiFormatado(), "111.444.777-35");
  EXPECT_EQ(cpf.GetBase(), "111444777");
  try {
    cpf.SetValor(QStringLiteral("11144477734"));
    FAIL() << "accepted";
  } catch (const EContribuinteInvalido& e) {
    EXPECT_EQ(e.Codigo(), 35);
    EXPECT_EQ(e.Mensagem(), QStringLiteral("CPF inválido: 111.444.777-34."));
  }
  EXPECT_EQ(cpf.GetNiDigitos(), "11144477735");
}

TEST(TRespCnpj, ReportsEveryFailureAs192) {
  TRespCnpj cpf;
  try {
    cpf.SetNi(QString());
    FAIL() << "accepted";
  } catch (const EContribuinteInvalido& e) {
    EXPECT_EQ(e.Codigo(), 192);
  }
  cpf.SetOpcional(true);
  cpf.SetNi(QString());
  EXPECT_TRUE(cpf.GetNiDigitos().isEmpty());
}

TEST(TNi, SetNiComErroStoresTheInvalidNumberAndReportsIt) {
  TErros erros;
  TCnpj cnpj(true);
  cnpj.SetNiComErro(QStringLiteral("11.222.333/0001-81"));
  EXPECT_EQ(erros.GetQuantidade(), 0);
  cnpj.SetErros(&erros);
  cnpj.SetModificado(false);
  cnpj.SetNiComErro(QStringLiteral("11222333000262"));
  EXPECT_EQ(cnpj.GetNiFormatado(), "11.222.333/0002-62");
  EXPECT_TRUE(cnpj.GetModificado());
  ASSERT_EQ(erros.GetQuantidade(), 1);
  EXPECT_EQ(erros.GetErro(0).Codigo(), 20);
  EXPECT_NE(dynamic_cast<const EContribuinteInvalido*>(&erros.GetErro(0)), nullptr);
  cnpj.SetNiPelaBaseComErro(QStringLiteral("11.222.333/0001"));
  EXPECT_EQ(cnpj.GetNiDigitos(), "11222333000181");
  EXPECT_EQ(erros.GetQuantidade(), 1);
  cnpj.Limpar();
  EXPECT_TRUE(cnpj.GetNiFormatado().isEmpty());
}

TEST(TNiContribuinte, UndeterminedKindAndTheKindsOfConstruction) {
  TNiContribuinte porTamanho;
  EXPECT_EQ(porTamanho.Valida(QStringLiteral("1234567890")), 34);
  EXPECT_EQ(porTamanho.Valida(QString()), 41);
  porTamanho.SetOpcional(true);
  EXPECT_EQ(porTamanho.Valida(QString()), 41);
  porTamanho.SetNi(QStringLiteral("123456789012345"));
  EXPECT_EQ(porTamanho.GetTipo(), kNiProcesso);
  EXPECT_EQ(porTamanho.GetNiFormatado(), "123456789012345");

  TNiContribuinte soCnpj(kNiCnpj, true);
  EXPECT_EQ(soCnpj.Valida(QStringLiteral("11144477735")), 36);
  EXPECT_EQ(soCnpj.GetTipoNi(QStringLiteral("111")), kNiCnpj);

  TNiContribuinte matriz(kNiCnpj, true, true);
  EXPECT_EQ(matriz.Valida(QStringLiteral("11222333000262")), 20);

  TNiContribuinte cpf(kNiCpf);
  EXPECT_EQ(cpf.Valida(QStringLiteral("11222333000181")), 35);
  cpf.SetNiPelaBase(QStringLiteral("111.444.777"));
  EXPECT_EQ(cpf.GetNiFormatado(), "111.444.777-35");
}

TEST(TNiContribuinte, ForcedCnpjFallsBackToLengthForGoodOnAShortNumber) {
  TNiContribuinte ni(kNiCnpj);
  EXPECT_EQ(ni.GetTipoNi(QStringLiteral("11222333000181")), kNiCnpj);
  ni.SetNi(QStringLiteral("111.444.777-35"));
  EXPECT_EQ(ni.GetTipo(), kNiCpf);
  EXPECT_EQ(ni.GetNiFormatado(), "111.444.777-35");
  ni.SetNi(QStringLiteral("123456789012345"));
  EXPECT_EQ(ni.GetTipo(), kNiProcesso);
}

TEST(TProcesso, TextsAreStoredAsPassedWithoutNotifying) {
  struct Contador : IObservador {
    int n = 0;
    void Alterado(IObservavel*) override { ++n; }
    void Liberado(IObservavel*) override {}
  } contador;
  TMunicipio municipio;
  TMunicipio copia;
  municipio.AdicionaObservador(&contador);
  municipio.SetValor(QStringLiteral("  Brasília "));
  EXPECT_EQ(municipio.GetValor(), "  Brasília ");
  EXPECT_TRUE(municipio.GetAlterado());
  EXPECT_EQ(contador.n, 0);
  municipio.CopiaPara(copia);
  EXPECT_EQ(copia.GetValor(), "  Brasília ");
  EXPECT_FALSE(copia.GetAlterado());
  municipio.Limpa();
  EXPECT_TRUE(municipio.GetValor().isEmpty());
  EXPECT_TRUE(municipio.GetAlterado());
}

}  // namespace
