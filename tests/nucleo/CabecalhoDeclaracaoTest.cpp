#include <gtest/gtest.h>

#include "nucleo/CabecalhoDeclaracao.h"
#include "plataforma/sistema/Cp1252.h"
#include "suporte/QtGtest.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class LeCabecalho : public testing::Test {
 protected:
  QString grava(const QByteArray& conteudo) {
    const QString caminho = m_pasta.filePath(QStringLiteral("decl%1.DEC").arg(++m_arquivos));
    QFile arquivo(caminho);
    EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(conteudo);
    return caminho;
  }

  TCabecalhoDeclaracao le(const QByteArray& conteudo) {
    TCabecalhoDeclaracao cabecalho;
    QString resultado;
    LeCabecalhoDeclaracao(cabecalho, grava(conteudo), resultado);
    EXPECT_EQ(resultado, "OK");
    return cabecalho;
  }

  QTemporaryDir m_pasta;
  int m_arquivos = 0;
};

QByteArray declaracao(const QByteArray& declarante, const QByteArray& indicador, const QByteArray& controle) {
  QByteArray d = "TOLV|2014|2013|" + indicador + "|12345|F8UCL6S|\r\n";
  d += "RESPO|11144477735|ANA SOUZA|\r\n";
  d += declarante + "\r\n";
  for (int i = 0; i < 3; ++i) d += "BPFDEC|11144477735|BENEFICIARIO|\r\n";
  d += "FIMTOLV|\r\n";
  d += "<hash_arquivo id valor=\"abc==\"/>\r\n";
  d += controle;
  return d;
}

TEST_F(LeCabecalho, ReadsACompanyDeclarationWithItsReceipt) {
  const auto c = le(declaracao(Cp1252::codifica(QStringLiteral("DECPJ|11222333000181|PÃO & CIA LTDA|0|")), "N",
                               "<controle_bvd valor=\"1234567890\"/>\r\n"));
  EXPECT_EQ(c.anoCalendario, 2013);
  EXPECT_EQ(c.tipoDeclaracao, "O");
  EXPECT_EQ(c.tipoDeclarante, 2);
  EXPECT_EQ(c.ni, "11222333000181");
  EXPECT_EQ(c.nome, QStringLiteral("PÃO & CIA LTDA"));
  EXPECT_EQ(c.recibo, "123456789091");
}

TEST_F(LeCabecalho, PersonRectifyingWithoutLineBreakAtTheEnd) {
  const auto c = le(declaracao("DECPF|11144477735|ANA|", "S", "<controle_bvd valor=\"9876543210\"/>"));
  EXPECT_EQ(c.tipoDeclaracao, "R");
  EXPECT_EQ(c.tipoDeclarante, 1);
  EXPECT_EQ(c.recibo, "987654321009");
}

TEST_F(LeCabecalho, ControlValueOfAnotherLengthGivesNoReceipt) {
  EXPECT_TRUE(le(declaracao("DECPF|1|A|", "N", "<controle_bvd valor=\"123456789\"/>\r\n")).recibo.isEmpty());
  EXPECT_TRUE(le(declaracao("DECPF|1|A|", "N", "<controle_bvd valor=\"12345A7890\"/>\r\n")).recibo.isEmpty());
  EXPECT_TRUE(le(declaracao("DECPF|1|A|", "N", "")).recibo.isEmpty());
}

TEST_F(LeCabecalho, ControlLineFoundAcrossReadingBlocks) {
  QByteArray d = "TOLV|2014|2013|N|\r\nX\r\nDECPF|11144477735|ANA|\r\n";
  const QByteArray registro = "BPFDEC|11144477735|BENEFICIARIO DE TESTE|1|2|3|4|5|6|7|8|9|\r\n";
  while (d.size() < 3 * 1024 * 1024) d += registro;
  d += "<controle_bvd valor=\"1234567890\"/>\r\n";
  EXPECT_EQ(le(d).recibo, "123456789091");
}

TEST_F(LeCabecalho, WithoutEnvelopeOnlyTheTailIsSearched) {
  // A control line far from the end is not read: the search over many large files reads their
  // heads and tails alone.
  QByteArray d = "TOLV|2014|2013|N|\r\nX\r\nDECPF|11144477735|ANA|\r\n<controle_bvd valor=\"1234567890\"/>\r\n";
  const QByteArray registro = "BPFDEC|11144477735|BENEFICIARIO DE TESTE|1|2|3|4|5|6|7|8|9|\r\n";
  while (d.size() < 200 * 1024) d += registro;
  EXPECT_TRUE(le(d).recibo.isEmpty());
  // A damaged envelope at the end (its size line is wrong) still gives its control line.
  d += "<controle_bvd valor=\"9876543210\"/>\r\n<tamanho_envelope valor=\"9999999999\"/>\r\n";
  EXPECT_EQ(le(d).recibo, "987654321009");
}

TEST_F(LeCabecalho, ShortOrForeignFilesAnswerEmptyFields) {
  const auto vazio = le(QByteArray());
  EXPECT_EQ(vazio.anoCalendario, 0);
  EXPECT_EQ(vazio.tipoDeclarante, 0);
  EXPECT_TRUE(vazio.tipoDeclaracao.isEmpty());
  EXPECT_TRUE(vazio.ni.isEmpty());

  const auto curto = le("TOLV|20");
  EXPECT_EQ(curto.anoCalendario, 0);
  EXPECT_TRUE(curto.tipoDeclaracao.isEmpty());
  EXPECT_EQ(curto.tipoDeclarante, 0);

  const auto duasLinhas = le("TOLV|2014|2013|N|\nRESPO|\n");
  EXPECT_EQ(duasLinhas.anoCalendario, 2013);
  EXPECT_EQ(duasLinhas.tipoDeclaracao, "O");
  EXPECT_EQ(duasLinhas.tipoDeclarante, 0);

  const auto semCampos = le("TOLV|2014|2013|N|\nX\nDECPJ\n<controle_bvd\n");
  EXPECT_EQ(semCampos.tipoDeclarante, 2);
  EXPECT_TRUE(semCampos.ni.isEmpty());
  EXPECT_TRUE(semCampos.recibo.isEmpty());

  // A binary file with no line break at all.
  QByteArray binario(2 * 1024 * 1024, '\0');
  for (int i = 0; i < binario.size(); ++i) binario[i] = char((qint64(i) * 7919) % 251 + 1);
  const auto estranho = le(binario);
  EXPECT_TRUE(estranho.recibo.isEmpty());
}

TEST_F(LeCabecalho, MissingFileGivesTheReasonInsteadOfOk) {
  TCabecalhoDeclaracao cabecalho;
  cabecalho.nome = QStringLiteral("anterior");
  QString resultado;
  LeCabecalhoDeclaracao(cabecalho, m_pasta.filePath(QStringLiteral("nao-existe.DEC")), resultado);
  EXPECT_NE(resultado, "OK");
  EXPECT_FALSE(resultado.isEmpty());
  EXPECT_TRUE(cabecalho.nome.isEmpty());
}

}  // namespace
