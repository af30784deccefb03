#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "nucleo/TArquivoIni.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// Settings follow the program folder, whatever folder the program was started from.
TEST(TArquivoIni, WritesBesideTheProgramFromAnotherCurrentFolder) {
  PastaProgramaTemp pasta;
  QTemporaryDir outra;
  const QString antes = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(outra.path()));
  const bool gravou = TArquivoIni::GravaString("Geral", "JahMostrou", "1");
  QDir::setCurrent(antes);
  ASSERT_TRUE(gravou);
  EXPECT_EQ(TArquivoIni::Caminho(), pasta.caminho() + "/Tolv2014.ini");
  EXPECT_EQ(conteudo(pasta.caminho() + "/Tolv2014.ini"), QByteArray("[Geral]\r\nJahMostrou=1\r\n"));
  EXPECT_FALSE(QFile::exists(outra.path() + "/Tolv2014.ini"));
}

TEST(TArquivoIni, MissingSectionIsAddedAndCaseIsIgnored) {
  PastaProgramaTemp pasta;
  ASSERT_TRUE(TArquivoIni::GravaString("Copia de Seguranca", "DirCsUltimo", "/a"));
  ASSERT_TRUE(TArquivoIni::GravaString("Importacao", "Mascara", "2"));
  // The backup wizard writes "dirCsUltimo" into the same key as "DirCsUltimo".
  ASSERT_TRUE(TArquivoIni::GravaString("copia de seguranca", "dirCsUltimo", "/b"));
  EXPECT_EQ(conteudo(TArquivoIni::Caminho()),
            QByteArray("[Copia de Seguranca]\r\nDirCsUltimo=/b\r\n\r\n[Importacao]\r\nMascara=2\r\n"));
  EXPECT_EQ(TArquivoIni::LeString("COPIA DE SEGURANCA", "DIRCSULTIMO", "x"), "/b");
  EXPECT_EQ(TArquivoIni::LeInteiro("importacao", "mascara", 0), 2);
  EXPECT_EQ(TArquivoIni::LeString("Importacao", "Nada", "padrão"), "padrão");
}

// The file is replaced in one step: a reader that opened it before a write still sees the whole
// old text, and no working file is left behind.
TEST(TArquivoIni, WritingReplacesTheFileInOneStep) {
  PastaProgramaTemp pasta;
  ASSERT_TRUE(TArquivoIni::GravaBooleano("Geral", "JahMostrou", false));
  QFile antigo(TArquivoIni::Caminho());
  ASSERT_TRUE(antigo.open(QIODevice::ReadOnly));
  ASSERT_TRUE(TArquivoIni::GravaBooleano("Geral", "JahMostrou", true));
  EXPECT_EQ(antigo.readAll(), QByteArray("[Geral]\r\nJahMostrou=0\r\n"));
  EXPECT_TRUE(TArquivoIni::LeBooleano("Geral", "JahMostrou", false));
  EXPECT_EQ(QDir(pasta.caminho()).entryList(QDir::Files), QStringList{"Tolv2014.ini"});
}

TEST(TArquivoIni, MissingProgramFolderReportsFailure) {
  PastaProgramaTemp pasta;
  ASSERT_TRUE(QDir(pasta.caminho()).removeRecursively());
  ASSERT_FALSE(QDir(pasta.caminho()).exists());
  EXPECT_FALSE(TArquivoIni::GravaString("Geral", "JahMostrou", "1"));
  EXPECT_EQ(TArquivoIni::LeString("Geral", "JahMostrou", "d"), "d");
  QDir().mkpath(pasta.caminho());  // for the temporary folder's own cleanup
}

}  // namespace
