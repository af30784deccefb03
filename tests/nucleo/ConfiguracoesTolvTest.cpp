#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/TArquivoIni.h"
#include "plataforma/sistema/ArquivoIni.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

using namespace ConfiguracoesTolv;

// One value of the settings file: where it lives, what a missing key reads as, and a write
// with the text it must leave in the file and what reads back.
struct CasoChave {
  const char* secao;
  const char* chave;
  std::function<QString()> le;  // the accessor, its result as text
  QString padrao;               // "<programa>" stands for the program folder
  std::function<bool()> grava;  // the accessor's write
  QString gravado;              // the text in the file after the write
  QString relido;               // what the accessor reads back
};

QString texto(bool b) { return b ? "true" : "false"; }

std::vector<CasoChave> casos() {
  const auto copia = AssistenteCopia::Copia;
  const auto rest = AssistenteCopia::Restauracao;
  return {
      {"Geral", "JahMostrou", [] { return texto(JahMostrou()); }, "false", [] { return GravaJahMostrou(true); }, "1", "true"},
      {"Analisador", "exibe", [] { return texto(AnalisadorHabilitado()); }, "false",
       [] { return GravaAnalisadorHabilitado(true); }, "1", "true"},
      {"Copia de Seguranca", "automatica", [] { return texto(CopiaAutomatica()); }, "true",
       [] { return GravaCopiaAutomatica(false); }, "0", "false"},
      {"Copia de Seguranca", "DirCsDefault", [=] { return DirCsDefault(copia); }, "<programa>/CopSeg",
       [] { return GravaDirCsDefault("/media/pen/"); }, "/media/pen/", "/media/pen"},
      {"Copia de Seguranca", "DirCsDefault", [=] { return DirCsDefault(rest); }, "",
       [] { return GravaDirCsDefault("/b\\\\"); }, "/b\\\\", "/b"},
      {"Copia de Seguranca", "DirCsUltimo", [=] { return DirCsUltimo(copia); }, "<programa>/CopSeg",
       [] { return GravaDirCsUltimo("/c"); }, "/c", "/c"},
      {"Copia de Seguranca", "DirCsUltimo", [=] { return DirCsUltimo(rest); }, "", [] { return GravaDirCsUltimo("/d/"); },
       "/d/", "/d"},
      {"Copia de Seguranca", "ArqCsDefault", [=] { return ArqCsDefault(copia); }, "CopSeg.cmp",
       [] { return GravaArqCsDefault("a.cmp"); }, "a.cmp", "a.cmp"},
      {"Copia de Seguranca", "ArqCsDefault", [=] { return ArqCsDefault(rest); }, "",
       [] { return GravaArqCsDefault("b.cmp"); }, "b.cmp", "b.cmp"},
      {"Copia de Seguranca", "ArqCsUltimo", [=] { return ArqCsUltimo(copia); }, "CopSeg.cmp",
       [] { return GravaArqCsUltimo("c.cmp"); }, "c.cmp", "c.cmp"},
      {"Copia de Seguranca", "ArqCsUltimo", [=] { return ArqCsUltimo(rest); }, "", [] { return GravaArqCsUltimo("d.cmp"); },
       "d.cmp", "d.cmp"},
      {"Verificacao de Pendencia", "exibirAvisos", [] { return texto(ExibirAvisos()); }, "true",
       [] { return GravaExibirAvisos(false); }, "0", "false"},
      {"Importacao", "Mascara", [] { return QString::number(MascaraImportacao()); }, "0",
       [] { return GravaMascaraImportacao(3); }, "3", "3"},
      {"Importacao", "Diretorio", [] { return DiretorioImportacao(); }, "<programa>",
       [] { return GravaDiretorioImportacao("/home/u/Documentos"); }, "/home/u/Documentos", "/home/u/Documentos"},
      {"Importacao", "ArqImporta", [] { return TArquivoIni::LeString("Importacao", "ArqImporta"); }, "",
       [] { return GravaArqImporta("/x/DEC.txt"); }, "/x/DEC.txt", "/x/DEC.txt"},
      {"AssistG", "unidade", [] { return UnidadeGravacao(); }, "x", [] { return GravaUnidadeGravacao("/media/pen"); },
       "/media/pen", "/media/pen"},
      {"AssistG", "diretorio", [] { return DiretorioGravacao(); }, "x",
       [] { return GravaDiretorioGravacao("/media/pen/decl"); }, "/media/pen/decl", "/media/pen/decl"},
      {"Geracao", "Disco", [] { return DiscoGeracao(); }, "c", [] { return GravaDiscoGeracao("d"); }, "d", "d"},
  };
}

class ConfiguracoesTolvTabela : public testing::TestWithParam<size_t> {};

TEST_P(ConfiguracoesTolvTabela, DefaultWriteAndReadBack) {
  PastaProgramaTemp pasta;
  const CasoChave c = casos()[GetParam()];
  QString padrao = c.padrao;
  padrao.replace("<programa>", pasta.caminho());
  EXPECT_EQ(c.le(), padrao) << c.secao << "/" << c.chave;
  ASSERT_TRUE(c.grava());
  // The file holds the key under the section as named, read here in another case.
  ArquivoIni ini(pasta.caminho() + "/Tolv2014.ini");
  EXPECT_EQ(ini.le(QString(c.secao).toUpper(), QString(c.chave).toLower(), "<ausente>"), c.gravado);
  EXPECT_EQ(c.le(), c.relido);
}

INSTANTIATE_TEST_SUITE_P(Chaves, ConfiguracoesTolvTabela, testing::Range<size_t>(0, casos().size()));

struct CasoLeitura {
  const char* secao;
  const char* chave;
  const char* texto;  // stored
  std::function<QString()> le;
  const char* esperado;
};

class ConfiguracoesTolvLeitura : public testing::TestWithParam<size_t> {};

std::vector<CasoLeitura> leituras() {
  return {
      // Booleans: "0" false, any other number true, anything else the default.
      {"Geral", "JahMostrou", "2", [] { return texto(JahMostrou()); }, "true"},
      {"Geral", "JahMostrou", "sim", [] { return texto(JahMostrou()); }, "false"},
      {"Analisador", "exibe", "-1", [] { return texto(AnalisadorHabilitado()); }, "true"},
      // Automatic backup: only "1" keeps it on.
      {"Copia de Seguranca", "automatica", "2", [] { return texto(CopiaAutomatica()); }, "false"},
      {"Copia de Seguranca", "automatica", "", [] { return texto(CopiaAutomatica()); }, "false"},
      // Warnings: anything but "0" shows them.
      {"Verificacao de Pendencia", "exibirAvisos", "x", [] { return texto(ExibirAvisos()); }, "true"},
      {"Verificacao de Pendencia", "exibirAvisos", "", [] { return texto(ExibirAvisos()); }, "true"},
      {"Importacao", "Mascara", "abc", [] { return QString::number(MascaraImportacao()); }, "0"},
      // An empty value is a value: the default holds only for a missing key.
      {"AssistG", "unidade", "", [] { return UnidadeGravacao(); }, ""},
  };
}

TEST_P(ConfiguracoesTolvLeitura, StoredTextsRead) {
  PastaProgramaTemp pasta;
  const CasoLeitura c = leituras()[GetParam()];
  ASSERT_TRUE(TArquivoIni::GravaString(c.secao, c.chave, c.texto));
  EXPECT_EQ(c.le(), QString::fromUtf8(c.esperado)) << c.secao << "/" << c.chave << "=" << c.texto;
}

INSTANTIATE_TEST_SUITE_P(Textos, ConfiguracoesTolvLeitura, testing::Range<size_t>(0, leituras().size()));

// With no settings file the program starts with automatic backup on, the analyser off, the news
// window shown and warnings shown in the verification.
TEST(ConfiguracoesTolv, NoFileGivesTheStartingState) {
  PastaProgramaTemp pasta;
  EXPECT_TRUE(CopiaAutomatica());
  EXPECT_FALSE(AnalisadorHabilitado());
  EXPECT_FALSE(JahMostrou());
  EXPECT_TRUE(ExibirAvisos());
  EXPECT_FALSE(QFile::exists(pasta.caminho() + "/Tolv2014.ini"));
}

// The signature plug-in is found by an absolute path: a relative one is taken from the program
// folder, never from the current folder.
TEST(ConfiguracoesTolv, SignaturePlugInPathIsAbsolute) {
  PastaProgramaTemp pasta;
  EXPECT_EQ(BibliotecaAssinatura(), "");
  const QString secao = "Recibo", chave = "BibliotecaAssinatura";
  ASSERT_TRUE(TArquivoIni::GravaString(secao, chave, " /opt/bvd/vorsak.so "));
  EXPECT_EQ(BibliotecaAssinatura(), "/opt/bvd/vorsak.so");
  ASSERT_TRUE(TArquivoIni::GravaString(secao, chave, "plugins/../assinatura/vorsak.so"));
  EXPECT_EQ(BibliotecaAssinatura(), pasta.caminho() + "/assinatura/vorsak.so");
  ASSERT_TRUE(TArquivoIni::GravaString(secao, chave, ""));
  EXPECT_EQ(BibliotecaAssinatura(), "");
}

TEST(ConfiguracoesTolv, SearchHistoryKeepsTenValues) {
  PastaProgramaTemp pasta;
  EXPECT_TRUE(HistoricoPesquisa(kPesquisasNome).isEmpty());
  QStringList muitos;
  for (int i = 0; i < 12; ++i) muitos << QString("nome %1").arg(i);
  ASSERT_TRUE(GravaHistoricoPesquisa(kPesquisasNome, muitos));
  EXPECT_EQ(HistoricoPesquisa(kPesquisasNome), muitos.mid(0, 10));
  EXPECT_EQ(TArquivoIni::LeString("pesquisasnome", "ITEM9"), "nome 9");
  ASSERT_TRUE(GravaHistoricoPesquisa(kPesquisasNome, {"João", "", "Maria"}));
  EXPECT_EQ(HistoricoPesquisa(kPesquisasNome), QStringList({"João", "Maria"}));
  EXPECT_TRUE(HistoricoPesquisa(kPesquisasNI).isEmpty());
}

}  // namespace
