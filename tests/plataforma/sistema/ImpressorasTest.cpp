#include <QSize>
#include <QSizeF>

#include <gtest/gtest.h>

#include "plataforma/sistema/Impressoras.h"
#include "suporte/ImpressorasFalsas.h"
#include "suporte/QtGtest.h"

namespace {

QStringList nomes(const std::vector<InfoImpressora>& lista) {
  QStringList r;
  for (const auto& i : lista) r << i.nome;
  return r;
}

TEST(Impressoras, WithoutSystemPrintersPdfIsTheDefault) {
  ImpressorasFalsas nenhuma;
  EXPECT_EQ(nomes(ListaImpressoras()), QStringList{"PDF"});
  EXPECT_EQ(ImpressoraPadrao(), "PDF");
  EXPECT_EQ(ImpressoraAtual(), "PDF");
  EXPECT_FALSE(ImpressoraIndisponivel());
  InfoImpressora info;
  ASSERT_TRUE(LeInfoImpressora(info));
  EXPECT_TRUE(info.padrao);
  EXPECT_EQ(PapelRelatorioAtual(), QPageSize(QPageSize::A4));
}

TEST(Impressoras, SystemPrintersComeFirstAndTheDefaultIsTheSystems) {
  ImpressorasFalsas sistema({ImpressoraDeTeste("Laser", QPageSize::Legal), ImpressoraDeTeste("Jato")}, "Jato");
  EXPECT_EQ(nomes(ListaImpressoras()), QStringList({"Laser", "Jato", "PDF"}));
  EXPECT_EQ(ImpressoraPadrao(), "Jato");
  InfoImpressora info;
  ASSERT_TRUE(LeInfoImpressora(info));
  EXPECT_EQ(info.nome, "Jato");
  EXPECT_TRUE(info.padrao);
  DefineImpressoraAtual("Laser");
  EXPECT_EQ(PapelRelatorioAtual(), QPageSize(QPageSize::Legal));
  DefineImpressoraAtual("PDF");
  EXPECT_EQ(ImpressoraAtual(), "PDF");
  DefineImpressoraAtual("");
  EXPECT_EQ(ImpressoraAtual(), "Jato");
}

// A printer in error, or one that is gone, is unavailable; the caller warns and prints anyway.
TEST(Impressoras, UnavailableWhenInErrorOrGone) {
  ImpressorasFalsas sistema({ImpressoraDeTeste("Laser", QPageSize::A4, EstadoImpressora::Erro),
                             ImpressoraDeTeste("Parada", QPageSize::A4, EstadoImpressora::Parada)},
                            "Laser");
  EXPECT_TRUE(ImpressoraIndisponivel());
  DefineImpressoraAtual("Parada");
  EXPECT_FALSE(ImpressoraIndisponivel());
  DefineImpressoraAtual("Removida");
  EXPECT_TRUE(ImpressoraIndisponivel());
  InfoImpressora info;
  EXPECT_FALSE(LeInfoImpressora(info));
  EXPECT_EQ(PapelRelatorioAtual(), QPageSize(QPageSize::Letter));
}

struct CasoPapel {
  QPageSize::PageSizeId impressora;
  QPageSize::PageSizeId relatorio;
};

class PapelRelatorioCasos : public testing::TestWithParam<CasoPapel> {};

TEST_P(PapelRelatorioCasos, ReportSizesKeptOthersBecomeLetter) {
  EXPECT_EQ(PapelRelatorio(QPageSize(GetParam().impressora)).id(), GetParam().relatorio);
}

INSTANTIATE_TEST_SUITE_P(
    Papeis, PapelRelatorioCasos,
    testing::Values(CasoPapel{QPageSize::A4, QPageSize::A4}, CasoPapel{QPageSize::Letter, QPageSize::Letter},
                    CasoPapel{QPageSize::Legal, QPageSize::Legal}, CasoPapel{QPageSize::A3, QPageSize::A3},
                    CasoPapel{QPageSize::A5, QPageSize::A5},
                    CasoPapel{QPageSize::ExecutiveStandard, QPageSize::ExecutiveStandard},
                    CasoPapel{QPageSize::Tabloid, QPageSize::Tabloid}, CasoPapel{QPageSize::JisB5, QPageSize::JisB5},
                    CasoPapel{QPageSize::FanFoldGermanLegal, QPageSize::FanFoldGermanLegal},
                    CasoPapel{QPageSize::AnsiC, QPageSize::AnsiC}, CasoPapel{QPageSize::AnsiE, QPageSize::AnsiE},
                    // Same size as A4 and Letter.
                    CasoPapel{QPageSize::A4Small, QPageSize::A4}, CasoPapel{QPageSize::LetterSmall, QPageSize::Letter},
                    // Not report sizes: envelopes, A6, ISO B5, quarto, the architect sheets.
                    CasoPapel{QPageSize::Envelope10, QPageSize::Letter}, CasoPapel{QPageSize::A6, QPageSize::Letter},
                    CasoPapel{QPageSize::B5, QPageSize::Letter}, CasoPapel{QPageSize::Quarto, QPageSize::Letter},
                    CasoPapel{QPageSize::ArchC, QPageSize::Letter}));

TEST(PapelRelatorio, InvalidOrCustomPaperBecomesLetter) {
  EXPECT_EQ(PapelRelatorio(QPageSize()).id(), QPageSize::Letter);
  EXPECT_EQ(PapelRelatorio(QPageSize(QSizeF(100, 100), QPageSize::Millimeter)).id(), QPageSize::Letter);
  // A paper the printer names its own way, with the size of a report paper.
  const QPageSize legalComOutroNome(QPageSize::sizePoints(QPageSize::Legal), "Ofício", QPageSize::ExactMatch);
  EXPECT_EQ(PapelRelatorio(legalComOutroNome).id(), QPageSize::Legal);
}

}  // namespace
