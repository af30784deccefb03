#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "AnaliseTeste.h"
#include "validador/LeitorLinhas.h"
#include "validador/ValorArquivo.h"

namespace {

QStringList LeTudo(const QString& caminho, std::vector<int64_t>* tamanhos = nullptr) {
  LeitorLinhas leitor;
  EXPECT_TRUE(leitor.Abre(caminho));
  QStringList linhas;
  QString linha;
  int64_t bytes = 0;
  while (leitor.Le(linha, bytes)) {
    linhas << linha;
    if (tamanhos) tamanhos->push_back(bytes);
  }
  EXPECT_FALSE(leitor.Erro());
  return linhas;
}

TEST(LeitorLinhas, FinsDeLinhaEUltimaLinhaSemFim) {
  QTemporaryDir pasta;
  const QString caminho = pasta.path() + QStringLiteral("/a.txt");
  analise_teste::GravaArquivo(caminho, "TOLV|2014|\r\nRESPO|\nDECPF|\r\rIDREC|0561");
  std::vector<int64_t> tamanhos;
  EXPECT_EQ(LeTudo(caminho, &tamanhos),
            (QStringList{"TOLV|2014|", "RESPO|", "DECPF|", "", "IDREC|0561"}));
  EXPECT_EQ(tamanhos, (std::vector<int64_t>{10, 6, 6, 0, 10}));
  analise_teste::GravaArquivo(caminho, "A|\r\nB|\r\n");
  EXPECT_EQ(LeTudo(caminho), (QStringList{"A|", "B|"}));
  analise_teste::GravaArquivo(caminho, "");
  EXPECT_TRUE(LeTudo(caminho).isEmpty());
}

TEST(LeitorLinhas, DecodificaWindows1252) {
  QTemporaryDir pasta;
  const QString caminho = pasta.path() + QStringLiteral("/a.txt");
  analise_teste::GravaArquivo(caminho, "BPFDEC|Jo\xe3o Concei\xe7\xe3o|\x80|\r\n");
  EXPECT_EQ(LeTudo(caminho), QStringList{QStringLiteral("BPFDEC|João Conceição|€|")});
}

TEST(LeitorLinhas, LinhasQueAtravessamOsBlocos) {
  QTemporaryDir pasta;
  const QString caminho = pasta.path() + QStringLiteral("/grande.txt");
  QByteArray conteudo;
  QStringList esperado;
  // Lines of varying length well beyond one read block, one of them longer than a block, and
  // CR LF pairs that fall on every possible offset.
  for (int i = 0; conteudo.size() < 3 * (1 << 20); ++i) {
    const QByteArray linha = "RTRT|" + QByteArray::number(i) + '|' + QByteArray(i % 37, 'x') + '|';
    conteudo += linha + "\r\n";
    esperado << QString::fromLatin1(linha);
    if (i == 5000) {
      const QByteArray longa(1500000, 'y');
      conteudo += longa + "\r\n";
      esperado << QString::fromLatin1(longa);
    }
  }
  analise_teste::GravaArquivo(caminho, conteudo);
  EXPECT_EQ(LeTudo(caminho), esperado);
}

struct CasoValor {
  const char16_t* texto;
  std::optional<int64_t> centavos;
};

class ValorDoArquivo : public testing::TestWithParam<CasoValor> {};

TEST_P(ValorDoArquivo, Exato) {
  const auto v = ValorArquivo::DeCentavos(QStringView(GetParam().texto));
  ASSERT_EQ(v.has_value(), GetParam().centavos.has_value());
  if (v) {
    EXPECT_EQ(v->dezMilesimos(), *GetParam().centavos * 100);
  }
}

INSTANTIATE_TEST_SUITE_P(Valores, ValorDoArquivo,
                         testing::Values(CasoValor{u"", 0}, CasoValor{u"0", 0}, CasoValor{u"5", 5},
                                         CasoValor{u"29", 29}, CasoValor{u"123456", 123456},
                                         CasoValor{u"9999999999999", 9999999999999}, CasoValor{u"0000000000001", 1},
                                         CasoValor{u"12,50", std::nullopt}, CasoValor{u"-5", std::nullopt},
                                         CasoValor{u"99999999999999999999", std::nullopt}));

TEST(ValorArquivo, MesesComUmaDecimal) {
  EXPECT_EQ(ValorArquivo::DeDecimos(u"125")->formata(1, false), QStringLiteral("12,5"));
  EXPECT_EQ(ValorArquivo::DeDecimos(u"7")->formata(1, false), QStringLiteral("0,7"));
  EXPECT_FALSE(ValorArquivo::DeDecimos(u"1,5").has_value());
}

}  // namespace
