#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "plataforma/sistema/ArquivoTexto.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/QtGtest.h"

namespace {

QStringList todasAsLinhas(ArquivoTexto& a) {
  QStringList r;
  QString l;
  while (!*a.fim()) {
    EXPECT_TRUE(a.leLinha(l));
    r << l;
  }
  return r;
}

TEST(ArquivoTexto, ReadsCrLfAndLfLinesFromWindows1252) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/e.txt";
  ASSERT_TRUE(escreve(nome, "Jo\xE3o\r\nA\xE7\xE3o\n\r\n\x80 fim"));
  ArquivoTexto a;
  ASSERT_TRUE(a.abreLeitura(nome));
  EXPECT_EQ(todasAsLinhas(a), QStringList({"João", "Ação", "", "€ fim"}));
  QString l = "x";
  EXPECT_TRUE(a.leLinha(l));  // past the end: an empty line, no failure
  EXPECT_EQ(l, "");
}

// A write that is abandoned leaves the old file whole, and no working file behind.
TEST(ArquivoTexto, AbandonedWriteKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/d.DEC";
  ASSERT_TRUE(escreve(nome, "antigo\r\n"));
  {
    ArquivoTexto a;
    ASSERT_TRUE(a.criaEscrita(nome));
    ASSERT_TRUE(a.gravaLinha("metade"));
  }
  EXPECT_EQ(conteudo(nome), QByteArray("antigo\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"d.DEC"});
}

TEST(ArquivoTexto, UnrepresentableCharactersBecomeQuestionMarks) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/q.txt";
  ArquivoTexto a;
  ASSERT_TRUE(a.criaEscrita(nome));
  ASSERT_TRUE(a.gravaLinha(QString::fromUtf8("Łódź ok")));
  ASSERT_TRUE(a.fecha());
  EXPECT_EQ(conteudo(nome), QByteArray("?\xF3" "d? ok\r\n"));
}

TEST(ArquivoTexto, MissingFileFailsWithTheSystemsReason) {
  QTemporaryDir dir;
  ArquivoTexto a;
  EXPECT_FALSE(a.abreLeitura(dir.path() + "/falta.txt"));
  EXPECT_FALSE(a.aberto());
  EXPECT_FALSE(a.erro().isEmpty());
  EXPECT_FALSE(a.fim().has_value());
}

}  // namespace
