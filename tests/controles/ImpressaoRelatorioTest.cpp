#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/ImpressorasFalsas.h"
#include "suporte/QtGtest.h"
#include "suporte/RelatorioTeste.h"

#include "controles/ImpressaoRelatorio.h"

namespace {

class Impressao : public testing::Test {
 protected:
  ~Impressao() override { DefineEscolhaArquivoPdf({}); }

  CaixaMensagemFalsa caixa;
  QTemporaryDir pasta;
};

}  // namespace

TEST_F(Impressao, ThePdfPrinterWritesTheFileTheUserNames) {
  ImpressorasFalsas nenhuma;  // no system printer: "PDF" is the default
  QString arquivo = pasta.filePath(QStringLiteral("relatorio.pdf"));
  DefineEscolhaArquivoPdf([&](QWidget*, const QString&) { return arquivo; });
  RelatorioTeste teste(80);
  EXPECT_TRUE(ImprimeRelatorio(teste.rel));
  QFile pdf(arquivo);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_TRUE(caixa.chamadas().empty());

  // No file chosen: nothing printed, nothing said.
  arquivo.clear();
  EXPECT_FALSE(ImprimeRelatorio(teste.rel));
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(Impressao, APrinterThatIsGoneIsToldInTheMessageBox) {
  ImpressorasFalsas sistema({ImpressoraDeTeste(QStringLiteral("Laser do Escritório"))},
                            QStringLiteral("Laser do Escritório"));
  RelatorioTeste teste(10);
  EXPECT_FALSE(ImprimeRelatorio(teste.rel));
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_TRUE(caixa.ultima().texto.contains(QStringLiteral("Laser do Escritório")));
}
