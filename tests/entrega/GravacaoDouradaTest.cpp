// Each folder of dados/ holds a declaration (caso.ini for the declaration object, declaracao.sql
// for its database) and the file the writer must produce from it, envelope included, byte for
// byte. TOLV_REGRAVA_DOURADOS=1 writes the files instead of comparing them (read them before
// committing: they say what the bytes must be).

#include <QDir>

#include "GravacaoTeste.h"

namespace {

using gravacao_teste::ComGravacao;
using gravacao_teste::DadosEntrega;

class ArquivoDourado : public ComGravacao, public testing::WithParamInterface<const char*> {};

TEST_P(ArquivoDourado, GravaOsBytesEsperados) {
  const QString caso = QString::fromLatin1(GetParam());
  PreparaCaso(caso);
  PedidoGravacao pedido = Pedido();
  ASSERT_EQ(m_arquivo.GravaArquivo(pedido, m_tolv), 0);
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  EXPECT_TRUE(pedido.Arquivo.endsWith(ArquivoDeclaracao::Nome(m_tolv)));

  const QByteArray gravado = conteudo(pedido.Arquivo);
  const QString esperado = DadosEntrega() + u'/' + caso + QStringLiteral("/esperado.DEC");
  if (qEnvironmentVariableIntValue("TOLV_REGRAVA_DOURADOS") == 1) {
    ASSERT_TRUE(escreve(esperado, gravado));
    return;
  }
  const QByteArray bytes = conteudo(esperado);
  ASSERT_FALSE(bytes.isEmpty()) << esperado.toStdString();
  EXPECT_EQ(gravado, bytes) << "gravado:\n" << gravado.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Casos, ArquivoDourado,
                         testing::Values("empresa_original", "pessoa_retificadora_situacao", "pessoa_sem_beneficiarios"));

}  // namespace
