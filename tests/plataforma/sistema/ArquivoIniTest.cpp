#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include "suporte/ArquivosTeste.h"
#include "suporte/QtGtest.h"

#include "plataforma/sistema/ArquivoIni.h"
#include "plataforma/sistema/Cp1252.h"

TEST(ArquivoIni, MissingFileReadsDefaultsAndWritingCreatesIt) {
  QTemporaryDir dir;
  ArquivoIni ini(dir.path() + "/Tolv2014.ini");
  EXPECT_EQ(ini.le("Geral", "JahMostrou", "x"), "x");
  EXPECT_TRUE(ini.leBooleano("Copia de Seguranca", "automatica", true));
  ASSERT_TRUE(ini.gravaBooleano("Geral", "JahMostrou", true));
  EXPECT_EQ(conteudo(ini.caminho()), QByteArray("[Geral]\r\nJahMostrou=1\r\n"));
  EXPECT_TRUE(ini.leBooleano("geral", "JAHMOSTROU", false));
}

TEST(ArquivoIni, SectionsAndKeysIgnoreCaseAndOtherLinesStay) {
  QTemporaryDir dir;
  const QString caminho = dir.path() + "/a.ini";
  ASSERT_TRUE(escreve(caminho, "; comentario\r\n[Copia de Seguranca]\r\nDirCsUltimo=/a\r\n\r\n[Outra]\r\nk=v\r\n"));
  ArquivoIni ini(caminho);
  ASSERT_TRUE(ini.grava("copia de seguranca", "dirCsUltimo", "/b"));
  ASSERT_TRUE(ini.grava("Copia de Seguranca", "ArqCsUltimo", "CopSeg.cmp"));
  EXPECT_EQ(conteudo(caminho),
            QByteArray("; comentario\r\n[Copia de Seguranca]\r\nDirCsUltimo=/b\r\nArqCsUltimo=CopSeg.cmp\r\n"
                       "\r\n[Outra]\r\nk=v\r\n"));
  EXPECT_EQ(ini.chaves("COPIA DE SEGURANCA"), QStringList({"DirCsUltimo", "ArqCsUltimo"}));
  ASSERT_TRUE(ini.apaga("Outra", "K"));
  EXPECT_FALSE(ini.existe("Outra", "k"));
}

TEST(ArquivoIni, ValuesAreWindows1252OnDisk) {
  QTemporaryDir dir;
  ArquivoIni ini(dir.path() + "/a.ini");
  ASSERT_TRUE(ini.grava("Seção", "Nome", "João €"));
  EXPECT_EQ(conteudo(ini.caminho()), QByteArray("[Se\xE7\xE3o]\r\nNome=Jo\xE3o \x80\r\n"));
  EXPECT_EQ(ini.le("SEÇÃO", "nome"), "João €");
}

TEST(ArquivoIni, BooleansAndIntegers) {
  QTemporaryDir dir;
  const QString caminho = dir.path() + "/a.ini";
  ASSERT_TRUE(escreve(caminho, "[G]\nzero=0\ndois=2\ntexto=abc\nn=-7\n"));
  ArquivoIni ini(caminho);
  EXPECT_FALSE(ini.leBooleano("G", "zero", true));
  EXPECT_TRUE(ini.leBooleano("G", "dois", false));
  EXPECT_FALSE(ini.leBooleano("G", "texto", false));
  EXPECT_EQ(ini.leInteiro("G", "n", 0), -7);
  EXPECT_EQ(ini.leInteiro("G", "texto", 5), 5);
  ASSERT_TRUE(ini.grava("G", "novo", "1"));
  EXPECT_EQ(conteudo(caminho), QByteArray("[G]\nzero=0\ndois=2\ntexto=abc\nn=-7\nnovo=1\n"));
}

// A write changes only its own line: every other byte stays, the five bytes Windows-1252 leaves
// unassigned, each line's own break and a last line without one included.
struct CasoBytes {
  const char* nome;
  std::function<bool(const ArquivoIni&)> escrita;
  QByteArray depois;
};

class IniGuardaBytes : public testing::TestWithParam<CasoBytes> {};

const QByteArray kBytesSoltos =
    "; \x81\x8D\x8F\x90\x9D\r\n[A]\r\nk=\x81v\x9D\nnome=Jo\xE3o\r\n\r\n[B\x8F]\nx\x90=1";

TEST_P(IniGuardaBytes, SoALinhaEscritaMuda) {
  QTemporaryDir dir;
  const QString caminho = dir.path() + "/a.ini";
  ASSERT_TRUE(escreve(caminho, kBytesSoltos));
  ASSERT_TRUE(GetParam().escrita(ArquivoIni(caminho)));
  EXPECT_EQ(conteudo(caminho), GetParam().depois);
}

INSTANTIATE_TEST_SUITE_P(
    Escritas, IniGuardaBytes,
    testing::Values(
        CasoBytes{"ValorDeOutraChave", [](const ArquivoIni& i) { return i.grava("A", "NOME", "Zé"); },
                  "; \x81\x8D\x8F\x90\x9D\r\n[A]\r\nk=\x81v\x9D\nnome=Z\xE9\r\n\r\n[B\x8F]\nx\x90=1"},
        CasoBytes{"ChaveNovaNaSecao", [](const ArquivoIni& i) { return i.grava("A", "novo", "2"); },
                  "; \x81\x8D\x8F\x90\x9D\r\n[A]\r\nk=\x81v\x9D\nnome=Jo\xE3o\r\nnovo=2\r\n\r\n[B\x8F]\nx\x90=1"},
        CasoBytes{"SecaoNovaDepoisDeLinhaSemQuebra", [](const ArquivoIni& i) { return i.grava("C", "k", "3"); },
                  "; \x81\x8D\x8F\x90\x9D\r\n[A]\r\nk=\x81v\x9D\nnome=Jo\xE3o\r\n\r\n[B\x8F]\nx\x90=1\r\n\r\n[C]\r\nk=3\r\n"},
        CasoBytes{"ChaveApagada", [](const ArquivoIni& i) { return i.apaga("A", "nome"); },
                  "; \x81\x8D\x8F\x90\x9D\r\n[A]\r\nk=\x81v\x9D\n\r\n[B\x8F]\nx\x90=1"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ArquivoIni, UnwritableFolderReportsFailure) {
  ArquivoIni ini("/proc/nao-existe/a.ini");
  EXPECT_FALSE(ini.grava("G", "k", "v"));
}

TEST(Cp1252, RoundTripOfTheWholePage) {
  QByteArray todos;
  for (int b = 0; b < 256; ++b)
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) todos.append(char(b));
  EXPECT_EQ(Cp1252::codifica(Cp1252::decodifica(todos)), todos);
  EXPECT_EQ(Cp1252::codifica(QString::fromUtf8("Ā")), QByteArray("?"));
  EXPECT_EQ(Cp1252::decodifica("\x93\x94"), QString::fromUtf8("“”"));
}
