#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "plataforma/integridade/EnvelopeTolv.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/QtGtest.h"

namespace {

const QByteArray kRegistros = "TOLV|2014|2013|N||F8UCL6S|\r\nFIMTOLV|\r\n";

class Envelope : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(escreve(m_caminho, kRegistros)); }

  // Opens the file and sets a valid attribute of each kind.
  void Preenche(EnvelopeTolv& e) {
    ASSERT_EQ(e.Abrir(1, m_caminho), EnvelopeTolv::kOk);
    ASSERT_EQ(e.Limpar(), 0);
    ASSERT_EQ(e.SetValor("retificadora", "0"), 0);
    ASSERT_EQ(e.SetValor("uf", "SP"), 0);
    ASSERT_EQ(e.SetValor("nome", QStringLiteral("Pão & \"Cia\"")), 0);
    ASSERT_EQ(e.SetValorB64("hash_arquivo", QByteArray(16, '\0') + ""), 0);
    ASSERT_EQ(e.SetValor("controle_bvd", "0891568578"), 0);
  }

  QTemporaryDir m_pasta;
  QString m_caminho = m_pasta.filePath("decl.DEC");
};

TEST_F(Envelope, AcrescentaSemTocarOsRegistrosEInformaOProprioTamanho) {
  EnvelopeTolv e;
  Preenche(e);
  ASSERT_EQ(e.SalvarEnvelope(), 0);
  const QByteArray arquivo = conteudo(m_caminho);
  ASSERT_TRUE(arquivo.startsWith(kRegistros));
  EXPECT_EQ(e.GetTamanhoEnvelope(), arquivo.size() - kRegistros.size());
  const QByteArray envelope = arquivo.mid(kRegistros.size());
  EXPECT_TRUE(envelope.startsWith("<envelope_tolv versao=\"1\"/>\r\n"));
  EXPECT_TRUE(envelope.contains("<uf valor=\"SP\"/>\r\n"));
  EXPECT_TRUE(envelope.contains("<hash_arquivo id valor=\"AAAAAAAAAAAAAAAAAAAAAA==\"/>\r\n"));
  EXPECT_TRUE(envelope.contains("<controle_bvd valor=\"0891568578\"/>\r\n"));
  EXPECT_TRUE(envelope.endsWith(QByteArray("<tamanho_envelope valor=\"") +
                                QByteArray::number(envelope.size()).rightJustified(10, '0') + "\"/>\r\n"));

  // Another reader finds the same attributes and size from the file's end.
  EnvelopeTolv leitor;
  ASSERT_EQ(leitor.Abrir(1, m_caminho), 0);
  EXPECT_EQ(leitor.GetTamanhoEnvelope(), envelope.size());
  EXPECT_EQ(leitor.Valor("nome"), QStringLiteral("Pão & \"Cia\""));
  EXPECT_EQ(leitor.ValorB64("hash_arquivo"), QByteArray(16, '\0'));
  EXPECT_EQ(leitor.Valor("controle_bvd"), QStringLiteral("0891568578"));
  EXPECT_FALSE(leitor.Valor("hash_arquivo").has_value());
  EXPECT_FALSE(leitor.Valor("ni").has_value());
}

TEST_F(Envelope, SalvarDeNovoTrocaOEnvelopeEMantemOsRegistros) {
  EnvelopeTolv e;
  Preenche(e);
  ASSERT_EQ(e.SalvarEnvelope(), 0);
  EnvelopeTolv outro;
  ASSERT_EQ(outro.Abrir(1, m_caminho), 0);
  ASSERT_EQ(outro.SetValor("uf", "RJ"), 0);
  ASSERT_EQ(outro.SalvarEnvelope(), 0);
  const QByteArray arquivo = conteudo(m_caminho);
  EXPECT_TRUE(arquivo.startsWith(kRegistros));
  EXPECT_EQ(arquivo.count("<envelope_tolv"), 1);
  EXPECT_TRUE(arquivo.contains("<uf valor=\"RJ\"/>"));
  EXPECT_FALSE(arquivo.contains("<uf valor=\"SP\"/>"));
  EXPECT_EQ(outro.GetTamanhoEnvelope(), arquivo.size() - kRegistros.size());
}

struct Recusa {
  const char* atributo;
  QByteArray valor;
  bool base64;
  int codigo;
};

class ValorRecusado : public Envelope, public testing::WithParamInterface<Recusa> {};

TEST_P(ValorRecusado, DevolveOCodigoDoAtributo) {
  EnvelopeTolv e;
  ASSERT_EQ(e.Abrir(1, m_caminho), 0);
  const Recusa& r = GetParam();
  const int codigo = r.base64 ? e.SetValorB64(r.atributo, r.valor) : e.SetValor(r.atributo, QString::fromUtf8(r.valor));
  EXPECT_EQ(codigo, r.codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Atributos, ValorRecusado,
    testing::Values(Recusa{"desconhecido", "1", false, EnvelopeTolv::kAtributoNaoEncontrado},
                    Recusa{"uf", "", false, -116}, Recusa{"uf", "sp", false, -116}, Recusa{"uf", "SPX", false, -116},
                    Recusa{"retificadora", "S", false, -103}, Recusa{"ni", "1144477700016", false, -112},
                    Recusa{"ni_tipo", "CPF", false, -113}, Recusa{"controle_bvd", "123456789", false, -120},
                    Recusa{"nome", "", false, -110}, Recusa{"nome", "Linha\nquebrada", false, -110},
                    Recusa{"nome", "Łódź", false, -110}, Recusa{"hash_arquivo", QByteArray(15, 'x'), true, -117},
                    Recusa{"hash_arquivo", "abc", false, -117}, Recusa{"area_reservada", QByteArray(249, ' '), true, -114},
                    Recusa{"exercicio_arquivo", "13", false, -107}));

TEST_F(Envelope, ChamadasSemArquivoAbertoOuComArquivoAusente) {
  EnvelopeTolv e;
  EXPECT_EQ(e.SetValor("uf", "SP"), EnvelopeTolv::kHandleInvalido);
  EXPECT_EQ(e.SalvarEnvelope(), EnvelopeTolv::kHandleInvalido);
  EXPECT_EQ(e.Abrir(0, m_caminho), EnvelopeTolv::kHandleInvalido);
  EXPECT_EQ(e.Abrir(1, m_pasta.filePath("nao-existe.DEC")), EnvelopeTolv::kArquivoInexistente);
  EXPECT_EQ(e.Limpar(), EnvelopeTolv::kHandleInvalido);
}

TEST_F(Envelope, ArquivoSemEnvelopeTemTamanhoZeroEEnvelopeQuebradoEhDanificado) {
  EnvelopeTolv e;
  ASSERT_EQ(e.Abrir(1, m_caminho), 0);
  EXPECT_EQ(e.GetTamanhoEnvelope(), 0);

  // A size line that claims more than the file holds.
  ASSERT_TRUE(escreve(m_caminho, kRegistros + "<tamanho_envelope valor=\"0000099999\"/>\r\n"));
  EXPECT_EQ(e.Abrir(1, m_caminho), EnvelopeTolv::kEnvelopeDanificado);
  // A size that does not land on the envelope's first line.
  ASSERT_TRUE(escreve(m_caminho, kRegistros + "<uf valor=\"SP\"/>\r\n<tamanho_envelope valor=\"0000000058\"/>\r\n"));
  EXPECT_EQ(e.Abrir(1, m_caminho), EnvelopeTolv::kEnvelopeDanificado);
}

TEST(EnvelopeTexto, MensagensDosCodigosELeituraDeUmaLinha) {
  EXPECT_EQ(EnvelopeTolv::MensagemErro(-116), QStringLiteral("Atributo \u201Cuf\u201D inválido"));
  EXPECT_EQ(EnvelopeTolv::MensagemErro(-100), QStringLiteral("Atributo \u201Cversao\u201D inválido"));
  EXPECT_EQ(EnvelopeTolv::MensagemErro(-120), QStringLiteral("Atributo \u201Ccontrole_bvd\u201D inválido"));
  EXPECT_EQ(EnvelopeTolv::MensagemErro(-3), QStringLiteral("Arquivo Inexistente"));
  EXPECT_EQ(EnvelopeTolv::MensagemErro(-2), QStringLiteral("Handle Inválido"));
  EXPECT_TRUE(EnvelopeTolv::MensagemErro(-10).isEmpty());
  EXPECT_TRUE(EnvelopeTolv::MensagemErro(-121).isEmpty());
  EXPECT_TRUE(EnvelopeTolv::MensagemErro(1).isEmpty());

  EXPECT_EQ(EnvelopeTolv::ValorDaLinha("<controle_bvd valor=\"0123456789\"/>\r\n"), "0123456789");
  EXPECT_EQ(EnvelopeTolv::ValorDaLinha("<hash_arquivo id valor=\"ab==\"/>"), "ab==");
  EXPECT_EQ(EnvelopeTolv::ValorDaLinha("<nome valor=\"A \"B\" C\"/>"), "A \"B\" C");
  EXPECT_TRUE(EnvelopeTolv::ValorDaLinha("<controle_bvd").isEmpty());
  EXPECT_TRUE(EnvelopeTolv::ValorDaLinha("FIMTOLV|").isEmpty());
}

}  // namespace
