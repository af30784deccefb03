#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "plataforma/integridade/ErroIntegridade.h"
#include "plataforma/integridade/Integridade.h"
#include "plataforma/integridade/TNumeroIntimacao.h"
#include "plataforma/integridade/TNumeroNotificacao.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/QtGtest.h"

namespace {

class ArquivosIntegridade : public testing::Test {
 protected:
  QString Arquivo(const QByteArray& bytes) {
    const QString caminho = m_pasta.filePath(QStringLiteral("a%1.DEC").arg(++m_n));
    EXPECT_TRUE(escreve(caminho, bytes));
    return caminho;
  }
  QTemporaryDir m_pasta;
  int m_n = 0;
};

struct CasoCrc {
  QByteArray bytes;
  const char* controle;
};

class CrcDeArquivo : public ArquivosIntegridade, public testing::WithParamInterface<CasoCrc> {};

// IEEE 802.3 as zlib computes it; the well-known check value of "123456789" is CBF43926.
TEST_P(CrcDeArquivo, DezDigitosDoCrcIeee) {
  EXPECT_EQ(CalculaCrcArquivo(Arquivo(GetParam().bytes)), QString::fromLatin1(GetParam().controle));
}

INSTANTIATE_TEST_SUITE_P(
    Amostras, CrcDeArquivo,
    testing::Values(CasoCrc{"123456789", "3421780262"},
                    // The smallest declaration: header and trailer, 38 bytes.
                    CasoCrc{"TOLV|2014|2013|N||F8UCL6S|\r\nFIMTOLV|\r\n", "4171405704"},
                    // Below 1,000,000,000: leading zeros up to ten digits.
                    CasoCrc{"abc", "0891568578"}, CasoCrc{"", "0000000000"}));

TEST_F(ArquivosIntegridade, AmostraDe38BytesTemODigestoMd5) {
  const QByteArray amostra = "TOLV|2014|2013|N||F8UCL6S|\r\nFIMTOLV|\r\n";
  ASSERT_EQ(amostra.size(), 38);
  const QString caminho = Arquivo(amostra);
  EXPECT_EQ(CalculaMD5ArquivoCompleto(caminho).toHex(), "119e0a56a53dcb48253dd9e6c2667676");
  const DigestosArquivo d = CalculaDigestosArquivo(caminho);
  EXPECT_EQ(d.md5.toBase64(), "EZ4KVqU9y0glPdnmwmZ2dg==");
  EXPECT_EQ(TextoCrc(d.crc), "4171405704");
  EXPECT_EQ(d.tamanho, 38);
}

TEST_F(ArquivosIntegridade, CrcDeTextoDevolveORegistroAntesDaInversao) {
  // The receipt passes all ones and inverts the answer: the CRC-32 of the text.
  EXPECT_EQ(~CalculaCrcTexto("123456789", 0xFFFFFFFFu), 3421780262u);
  // The register carries over: two halves from the first one's register give the whole.
  const uint32_t meio = CalculaCrcTexto("12345", 0xFFFFFFFFu);
  EXPECT_EQ(~CalculaCrcTexto("6789", meio), 3421780262u);
}

TEST_F(ArquivosIntegridade, Md5DeixaDeForaOFimDoArquivo) {
  QByteArray bytes(1024, '\0');
  for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 37 + 11);
  const QString caminho = Arquivo(bytes);
  EXPECT_EQ(CalculaMD5Arquivo(caminho, 0), QCryptographicHash::hash(bytes, QCryptographicHash::Md5));
  EXPECT_EQ(CalculaMD5Arquivo(caminho, 512), QCryptographicHash::hash(bytes.left(512), QCryptographicHash::Md5));
  EXPECT_EQ(CalculaMD5Arquivo(caminho, 1024).toHex(), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_THROW(CalculaMD5Arquivo(caminho, 1025), ErroIntegridade);
}

TEST_F(ArquivosIntegridade, DigestosNumaLeituraSoIguaisAosSeparadosEmArquivoGrande) {
  QByteArray bytes(3 * 1024 * 1024 + 17, '\0');
  for (int i = 0; i < bytes.size(); ++i) bytes[i] = char((qint64(i) * 7919) % 251);
  const QString caminho = Arquivo(bytes);
  const DigestosArquivo d = CalculaDigestosArquivo(caminho);
  EXPECT_EQ(d.md5, CalculaMD5ArquivoCompleto(caminho));
  EXPECT_EQ(TextoCrc(d.crc), CalculaCrcArquivo(caminho));
  EXPECT_EQ(d.tamanho, bytes.size());
}

TEST_F(ArquivosIntegridade, ArquivoQueNaoAbreNuncaDaUmDigesto) {
  const QString ausente = m_pasta.filePath(QStringLiteral("nao-existe.DEC"));
  EXPECT_THROW(CalculaCrcArquivo(ausente), ErroIntegridade);
  EXPECT_THROW(CalculaMD5ArquivoCompleto(ausente), ErroIntegridade);
  EXPECT_THROW(CalculaDigestosArquivo(ausente), ErroIntegridade);
  EXPECT_EQ(TamanhoArquivo(ausente), -1);
  EXPECT_EQ(TamanhoArquivo(m_pasta.path()), -1);
  EXPECT_EQ(TamanhoArquivo(Arquivo("12345")), 5);
}

TEST(Md5ParaString, UmCaracterePorByteComZerosNoLugar) {
  QByteArray digesto(16, 'a');
  digesto[3] = '\0';
  digesto[15] = char(0xFF);
  const QString texto = MD5ParaString(digesto);
  ASSERT_EQ(texto.size(), 16);
  EXPECT_EQ(texto[3].unicode(), 0);
  EXPECT_EQ(texto[15].unicode(), 0xFF);
  EXPECT_EQ(texto.toLatin1(), digesto);
}

struct CasoDv {
  const char* numero;
  const char* dv;
};

class DigitosAviso : public testing::TestWithParam<CasoDv> {};

TEST_P(DigitosAviso, NotificacaoEIntimacaoTemOsMesmosDigitos) {
  const QString numero = QString::fromLatin1(GetParam().numero);
  EXPECT_EQ(TNumeroNotificacao::CalculaDVNotificacao(numero), QString::fromLatin1(GetParam().dv));
  EXPECT_EQ(TNumeroIntimacao::CalculaDVIntimacao(numero), QString::fromLatin1(GetParam().dv));
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, DigitosAviso,
    testing::Values(CasoDv{"123456789012", "07"}, CasoDv{"314159265358", "12"},
                    // First remainder 1 and 0: the digit is 0.
                    CasoDv{"100000000005", "04"}, CasoDv{"100000000013", "06"}, CasoDv{"000000000000", "00"},
                    CasoDv{"12345678901", ""}, CasoDv{"1234567890123", ""}, CasoDv{"12345678901A", ""},
                    CasoDv{"", ""}));

}  // namespace
