#include <gtest/gtest.h>

#include "nucleo/UtilSistema.h"
#include "suporte/QtGtest.h"
#include "suporte/ShellFalso.h"

namespace {

TEST(AbreSiteInternet, OpensTheHomePageOnlyWhenAskedAndABrowserExists) {
  {
    ShellFalso shell(false);
    EXPECT_FALSE(AbreSiteInternet(true));
    EXPECT_TRUE(shell.abertos().isEmpty());
  }
  ShellFalso shell(true);
  EXPECT_TRUE(AbreSiteInternet(false));
  EXPECT_TRUE(shell.abertos().isEmpty());
  EXPECT_TRUE(AbreSiteInternet(true));
  ASSERT_EQ(shell.abertos().size(), 1);
  EXPECT_EQ(shell.abertos()[0], QUrl(kSiteInternet));
}

TEST(AbreEndereco, WebPagesAndDocuments) {
  ShellFalso shell;
  EXPECT_TRUE(AbreEndereco("https://www.exemplo.com.br/pagina"));
  EXPECT_TRUE(AbreEndereco("/opt/tolv/Tolv2014.pdf"));
  EXPECT_FALSE(AbreEndereco("  "));
  ASSERT_EQ(shell.abertos().size(), 2);
  EXPECT_EQ(shell.abertos()[0].toString(), "https://www.exemplo.com.br/pagina");
  EXPECT_EQ(shell.abertos()[1], QUrl::fromLocalFile("/opt/tolv/Tolv2014.pdf"));
}

TEST(ValorOuPadrao, NullTakesTheDefault) {
  EXPECT_EQ(ValorOuPadrao(QVariant(), 5).toInt(), 5);
  EXPECT_EQ(ValorOuPadrao(QVariant(0), 5).toInt(), 0);
  EXPECT_EQ(ValorOuPadrao(QVariant(QString("")), "x").toString(), "");
}

}  // namespace
