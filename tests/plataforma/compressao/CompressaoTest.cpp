#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include "plataforma/compressao/Compressor.h"
#include "plataforma/compressao/Descompressor.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"
#include "plataforma/compressao/ZipTeste.h"

using namespace compressao;

namespace {

QByteArray Aleatorio(int tamanho, unsigned semente) {
  std::mt19937 rng(semente);
  QByteArray b(tamanho, Qt::Uninitialized);
  for (char& c : b) c = char(rng() & 0xFF);
  return b;
}

// Pages of a database: long runs of the same bytes with a little noise.
QByteArray Paginas(int tamanho) {
  QByteArray b;
  b.reserve(tamanho);
  for (int i = 0; b.size() < tamanho; ++i) b += QByteArray("TOLV2014 BENEFICIARIO ") + QByteArray::number(i % 977) + QByteArray(40, '\0');
  b.truncate(tamanho);
  return b;
}

void Escreve(const QString& caminho, const QByteArray& conteudo) {
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(conteudo), conteudo.size());
}

QByteArray Le(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

class Compressao : public testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(Origem());
    QDir().mkpath(Destino());
    m_arquivos = {{"Tolv.FDB", Paginas(700000)},
                  {"TOLV2014114447770001612013.FDB", Aleatorio(3 << 20, 7)},
                  {"TOLV2014111444777352013.FDB", QByteArray()}};
    for (const auto& [nome, conteudo] : m_arquivos) Escreve(Origem() + '/' + nome, conteudo);
  }
  QString Origem() const { return m_dir.path() + "/DADOS"; }
  QString Destino() const { return m_dir.path() + "/DADOS/TEMP"; }
  QString Arquivo() const { return m_dir.path() + "/CopSeg/CopSeg.cmp"; }
  void Lista(Compressor& c) {
    for (const auto& [nome, conteudo] : m_arquivos) ASSERT_TRUE(c.AdicionaArquivo(Origem() + '/' + nome)) << nome.toStdString();
  }

  QTemporaryDir m_dir;
  std::vector<std::pair<QString, QByteArray>> m_arquivos;
};

TEST_F(Compressao, IdaEVoltaGuardaCadaArquivoPeloNomeEOUnzipAceita) {
  QDir().mkpath(m_dir.path() + "/CopSeg");
  Compressor c;
  Lista(c);
  EXPECT_EQ(c.TamanhoTotal(), 700000 + (3 << 20));
  std::vector<int> avisos;
  ASSERT_EQ(c.Comprimir(Arquivo(), [&](int p) { avisos.push_back(p); }), Concluido) << c.Erro().toStdString();
  EXPECT_TRUE(c.Arquivos().isEmpty()) << "a lista recomeça a cada cópia";
  EXPECT_TRUE(zip_teste::UnzipAceita(Arquivo()));
  EXPECT_EQ(zip_teste::NomesUnzip(Arquivo()),
            QStringList({"Tolv.FDB", "TOLV2014114447770001612013.FDB", "TOLV2014111444777352013.FDB"}));
  // Progress by bytes, in steps of about one percent, to the end.
  ASSERT_FALSE(avisos.empty());
  EXPECT_TRUE(std::is_sorted(avisos.begin(), avisos.end()));
  EXPECT_EQ(avisos.back(), 100);
  EXPECT_GT(avisos.size(), 50u);
  EXPECT_LE(avisos.size(), 101u);

  Descompressor d;
  std::vector<int> extracao;
  ASSERT_EQ(d.Descomprimir(Arquivo(), Destino(), [&](int p) { extracao.push_back(p); }), Concluido) << d.Erro().toStdString();
  for (const auto& [nome, conteudo] : m_arquivos) EXPECT_EQ(Le(Destino() + '/' + nome), conteudo) << nome.toStdString();
  EXPECT_EQ(d.Extraidos().size(), 3);
  EXPECT_EQ(extracao.back(), 100);
  EXPECT_GT(extracao.size(), 20u);
}

TEST_F(Compressao, ListaRecusaOQueNaoEArquivoLegivelOuRepeteUmNome) {
  Compressor c;
  EXPECT_FALSE(c.AdicionaArquivo(Origem() + "/NAOEXISTE.FDB"));
  EXPECT_FALSE(c.AdicionaArquivo(Destino()));
  EXPECT_TRUE(c.AdicionaArquivo(Origem() + "/Tolv.FDB"));
  QDir().mkpath(m_dir.path() + "/outra");
  Escreve(m_dir.path() + "/outra/TOLV.fdb", "x");
  EXPECT_FALSE(c.AdicionaArquivo(m_dir.path() + "/outra/TOLV.fdb")) << "dois arquivos com o mesmo nome na cópia";
  EXPECT_EQ(c.Arquivos().size(), 1);
  EXPECT_EQ(c.Comprimir(m_dir.path() + "/nao/existe/CopSeg.cmp"), Falhou);
  EXPECT_FALSE(c.Erro().isEmpty());
  EXPECT_EQ(c.Comprimir(Arquivo()), Falhou) << "lista vazia";
}

TEST_F(Compressao, CancelarNoMeioNaoDeixaNadaEPreservaACopiaAnterior) {
  QDir().mkpath(m_dir.path() + "/CopSeg");
  Escreve(Arquivo(), "copia anterior");
  Compressor c;
  Lista(c);
  int ultimo = -1;
  EXPECT_EQ(c.Comprimir(Arquivo(),
                        [&](int p) {
                          ultimo = p;
                          if (p >= 50) c.CancelarCompressao();
                        }),
            Cancelado);
  EXPECT_LT(ultimo, 60) << "o cancelamento vale no bloco seguinte";
  EXPECT_TRUE(c.Erro().isEmpty());
  EXPECT_EQ(Le(Arquivo()), "copia anterior");
  EXPECT_EQ(QDir(m_dir.path() + "/CopSeg").entryList(QDir::Files | QDir::Hidden), QStringList{"CopSeg.cmp"});
}

TEST_F(Compressao, ProcessoMortoNoMeioDeixaACopiaAnteriorIntactaEOProximoLimpaOsRestos) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QDir().mkpath(m_dir.path() + "/CopSeg");
  {
    Compressor c;
    Lista(c);
    ASSERT_EQ(c.Comprimir(Arquivo()), Concluido);
  }
  const QByteArray anterior = Le(Arquivo());
  // The child runs this test again from its start, in a folder of its own: it takes this one's.
  const char* kPasta = "TOLV_TESTE_PASTA_MORTA";
  if (qEnvironmentVariableIsEmpty(kPasta)) qputenv(kPasta, QFile::encodeName(m_dir.path()));
  EXPECT_EXIT(
      {
        const QString pasta = qEnvironmentVariable(kPasta);
        Compressor c;
        for (const auto& [nome, conteudo] : m_arquivos) c.AdicionaArquivo(pasta + "/DADOS/" + nome);
        c.Comprimir(pasta + "/CopSeg/CopSeg.cmp", [](int p) {
          if (p >= 50) std::raise(SIGKILL);
        });
      },
      testing::KilledBySignal(SIGKILL), "");
  qunsetenv(kPasta);
  EXPECT_EQ(Le(Arquivo()), anterior);
  EXPECT_TRUE(zip_teste::UnzipAceita(Arquivo()));
  EXPECT_EQ(QDir(m_dir.path() + "/CopSeg").entryList(QDir::Files | QDir::Hidden).size(), 2) << "o resto da gravação morta";
  Compressor c;
  Lista(c);
  ASSERT_EQ(c.Comprimir(Arquivo()), Concluido);
  EXPECT_EQ(QDir(m_dir.path() + "/CopSeg").entryList(QDir::Files | QDir::Hidden), QStringList{"CopSeg.cmp"});
}

TEST(SubstituicaoArquivo, UmaRenomeacaoConferidaSobreODestino) {
  QTemporaryDir dir;
  const QString novo = dir.path() + "/a.tmp", alvo = dir.path() + "/a.cmp";
  Escreve(novo, "novo");
  Escreve(alvo, "velho");
  QString erro;
  ASSERT_TRUE(SubstituiArquivo(novo, alvo, &erro));
  EXPECT_EQ(Le(alvo), "novo");
  EXPECT_FALSE(QFile::exists(novo));
  EXPECT_FALSE(SubstituiArquivo(novo, alvo, &erro)) << "a origem já não existe";
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_EQ(Le(alvo), "novo");
  // A folder in the target's place is not replaced by a file.
  Escreve(novo, "outro");
  QDir().mkpath(dir.path() + "/pasta.cmp/x");
  EXPECT_FALSE(SubstituiArquivo(novo, dir.path() + "/pasta.cmp"));
  EXPECT_EQ(Le(novo), "outro");
}

// Archives that name files outside the destination, or twice, are refused whole.
struct CasoHostil {
  const char* descricao;
  zip_teste::Entradas entradas;
};

class ArquivoHostil : public testing::TestWithParam<CasoHostil> {};

TEST_P(ArquivoHostil, RecusadoSemGravarNada) {
  QTemporaryDir dir;
  const QString destino = dir.path() + "/DADOS/TEMP";
  QDir().mkpath(destino);
  Escreve(dir.path() + "/DADOS/Tolv.FDB", "indice atual");
  const QString arquivo = dir.path() + "/hostil.cmp";
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, GetParam().entradas));
  Descompressor d;
  EXPECT_FALSE(d.Le(arquivo));
  EXPECT_EQ(d.Descomprimir(arquivo, destino), Falhou);
  EXPECT_FALSE(d.Erro().isEmpty());
  EXPECT_TRUE(QDir(destino).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
  EXPECT_EQ(QDir(dir.path() + "/DADOS").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({"TEMP", "Tolv.FDB"}));
  EXPECT_EQ(Le(dir.path() + "/DADOS/Tolv.FDB"), "indice atual");
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, ArquivoHostil,
    testing::Values(CasoHostil{"sobe uma pasta", {{"TOLV2014111444777352013.FDB", "a"}, {"../Tolv.FDB", "mal"}}},
                    CasoHostil{"caminho absoluto", {{"/tmp/Tolv.FDB", "mal"}}},
                    CasoHostil{"pasta interna", {{"sub/Tolv.FDB", "mal"}}},
                    CasoHostil{"barra invertida", {{"..\\Tolv.FDB", "mal"}}},
                    CasoHostil{"unidade", {{"C:Tolv.FDB", "mal"}}},
                    CasoHostil{"so pontos", {{"..", "mal"}}},
                    CasoHostil{"nome repetido", {{"Tolv.FDB", "a"}, {"TOLV.FDB", "b"}}},
                    CasoHostil{"controle", {{"Tolv\n.FDB", "mal"}}}));

TEST(Descompressor, NomesSeguros) {
  for (const char* nome : {"Tolv.FDB", "TOLV2014114447770001612013.FDB", "a b.c", "leia-me"})
    EXPECT_TRUE(Descompressor::NomeSeguro(QString::fromUtf8(nome))) << nome;
  for (const char* nome : {"", "..", "a/b", "/a", "a\\b", "a..b", "c:", "x\ty"})
    EXPECT_FALSE(Descompressor::NomeSeguro(QString::fromUtf8(nome))) << nome;
}

TEST(Descompressor, ArquivoDanificadoOuEstranhoFalhaSemDeixarArquivos) {
  QTemporaryDir dir;
  const QString destino = dir.path() + "/TEMP";
  QDir().mkpath(destino);
  const QString arquivo = dir.path() + "/a.cmp";
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, {{"um.FDB", Paginas(200000)}, {"dois.FDB", Paginas(300000)}}));
  // Damage inside the second entry's data.
  QByteArray bytes = Le(arquivo);
  const qsizetype meio = bytes.indexOf("dois.FDB") + 200;
  for (qsizetype i = meio; i < meio + 64 && i < bytes.size(); ++i) bytes[i] = char(bytes[i] ^ 0x5A);
  Escreve(arquivo, bytes);
  Descompressor d;
  EXPECT_EQ(d.Descomprimir(arquivo, destino), Falhou);
  EXPECT_TRUE(QDir(destino).isEmpty());

  Escreve(dir.path() + "/texto.cmp", "isto não é um arquivo compactado");
  EXPECT_EQ(d.Descomprimir(dir.path() + "/texto.cmp", destino), Falhou);
  EXPECT_EQ(d.Descomprimir(dir.path() + "/nao-existe.cmp", destino), Falhou);
  EXPECT_TRUE(QDir(destino).isEmpty());
}

TEST(Descompressor, ArquivoJaPresenteNoDestinoNaoESobrescrito) {
  QTemporaryDir dir;
  const QString arquivo = dir.path() + "/a.cmp";
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, {{"a.FDB", "novo a"}, {"b.FDB", "novo b"}}));
  Escreve(dir.path() + "/b.FDB", "b de antes");
  Descompressor d;
  EXPECT_EQ(d.Descomprimir(arquivo, dir.path()), Falhou);
  EXPECT_EQ(Le(dir.path() + "/b.FDB"), "b de antes");
  EXPECT_FALSE(QFile::exists(dir.path() + "/a.FDB")) << "o que esta extração gravou sai";
}

TEST(Descompressor, SemEspacoLivreNadaEExtraido) {
  QTemporaryDir dir;
  const QString arquivo = dir.path() + "/a.cmp";
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, {{"a.FDB", Paginas(3 << 20)}}));
  QDir().mkpath(dir.path() + "/TEMP");
  QString pedida;
  Descompressor::DefineEspacoLivre([&](const QString& pasta) {
    pedida = pasta;
    return int64_t(3 << 20) - 1;
  });
  Descompressor d;
  EXPECT_EQ(d.Descomprimir(arquivo, dir.path() + "/TEMP"), Falhou);
  EXPECT_EQ(pedida, dir.path() + "/TEMP");
  EXPECT_TRUE(d.Erro().startsWith("Não há espaço livre suficiente")) << d.Erro().toStdString();
  EXPECT_TRUE(QDir(dir.path() + "/TEMP").isEmpty());
  Descompressor::DefineEspacoLivre([](const QString&) { return int64_t(3 << 20); });
  EXPECT_EQ(d.Descomprimir(arquivo, dir.path() + "/TEMP"), Concluido) << "o espaço exato basta";
  Descompressor::DefineEspacoLivre({});
}

TEST(Descompressor, CancelarNoMeioRemoveOQueFoiGravado) {
  QTemporaryDir dir;
  const QString arquivo = dir.path() + "/a.cmp";
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, {{"a.FDB", Aleatorio(3 << 20, 1)}, {"b.FDB", Aleatorio(3 << 20, 2)}}));
  QDir().mkpath(dir.path() + "/TEMP");
  Descompressor d;
  EXPECT_EQ(d.Descomprimir(arquivo, dir.path() + "/TEMP",
                           [&](int p) {
                             if (p >= 60) d.Cancela();
                           }),
            Cancelado);
  EXPECT_TRUE(QDir(dir.path() + "/TEMP").isEmpty());
}

}  // namespace
