#include <gtest/gtest.h>

#include "AnaliseArquivoTeste.h"
#include "validador/ISondasBanco.h"
#include "validador/TAcoesContexto.h"
#include "validador/TDeclaracao.h"
#include "validador/TLinha.h"
#include "validador/TRegistro.h"
#include "validador/TobjectPool.h"

namespace {

using analise_teste::ComAnalise;

// A database that already holds an operator, its holder and a payment abroad.
class SondasFalsas : public ISondasBanco {
 public:
  int ExisteOperadora(const QString& cnpjBase) override {
    operadoras << cnpjBase;
    return 7;
  }
  int ExisteTitular(int operadora, const QString& cpfBase) override {
    titulares << QString::number(operadora) + u'/' + cpfBase;
    return 9;
  }
  int BuscaRemessa(const QString& tipo, const QString& nif, int pais) override {
    remessas << tipo + u'/' + nif + u'/' + QString::number(pais);
    return 5;
  }
  QStringList operadoras, titulares, remessas;
};

const QString kCabecalho = QStringLiteral("TOLV|2014|2013|N||F8UCL6S|");
const QString kRespo = QStringLiteral("RESPO|11144477735|JOSE DA SILVA|61|33334444||||");

class Sondas : public ComAnalise {
 protected:
  // Analyses the lines for a declaration that exists already.
  void AnalisaExistente(const QStringList& linhas) {
    const QString arquivo = m_pasta.caminho() + QStringLiteral("/entrada.txt");
    analise_teste::GravaArquivo(arquivo, Cp1252::codifica(linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    m_dados = std::make_unique<TArquivoDados>(CaminhoLog());
    m_dados->VersaoLeiaute = 4;
    m_dados->DeclaracaoExiste = true;
    TAcoesContexto acoes(*m_dados, &m_sondas);
    TAnalisadorArquivo analisador(*m_dados, &acoes);
    ASSERT_TRUE(analisador.Abre(arquivo));
    analisador.PreAnalisa();
    ASSERT_FALSE(m_dados->Falhou);
    analisador.Analisa();
    m_dados->DescarregaLog();
  }

  SondasFalsas m_sondas;
  std::unique_ptr<TArquivoDados> m_dados;
};

TEST_F(Sondas, TitularJaGuardadoERecusadoEOPlanoFicaComoEstava) {
  AnalisaExistente({kCabecalho, kRespo,
                    QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|S|N|N||"),
                    QStringLiteral("PSE|"), QStringLiteral("OPSE|11222333000181|OPERADORA SAUDE LTDA|123455|"),
                    QStringLiteral("TPSE|12345678909|MARIA SOUZA|100000|"),
                    QStringLiteral("DTPSE|98765432100|20000101|JOAO SOUZA|03|50000|"), QStringLiteral("FIMTOLV|")});
  EXPECT_EQ(m_sondas.operadoras, QStringList{QStringLiteral("112223330001")});
  EXPECT_EQ(m_sondas.titulares, QStringList{QStringLiteral("7/123456789")});
  EXPECT_TRUE(m_dados->PlanoSaudeNaoImportado);
  EXPECT_EQ(m_dados->SituacaoImportacao(), 3);
  EXPECT_EQ(m_dados->Contagem.TitularesRejeitados, 1);
  EXPECT_EQ(m_dados->Contagem.TitularesAdicionados, 0);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], QStringLiteral("Linha: 06  Registro: TPSE    Campo: XXXXX Valor: XXXXX      Erro: Titular já "
                                   "existente para a operadora 11222333000181."));
  EXPECT_TRUE(log[1].startsWith(QStringLiteral("Linha: 07  Registro: DTPSE ")));
}

TEST_F(Sondas, RemessaJaGuardadaERecusada) {
  QString brpde = QStringLiteral("BRPDE|2|105|NIF123|N|N||COMPANY LTD|");
  for (int i = 8; i <= 16; ++i) brpde += u'|';
  AnalisaExistente({kCabecalho, kRespo,
                    QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|S|N|N|N||"),
                    QStringLiteral("RPDE|"), brpde, QStringLiteral("FIMTOLV|")});
  EXPECT_EQ(m_sondas.remessas, QStringList{QStringLiteral("2/NIF123/105")});
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 05  Registro: BRPDE   Campo: 4 Valor: NIF123      Erro: Remessa já "
                                              "existente na base para o NIF informado.")});
}

TEST_F(ComAnalise, PessoaDepoisDeEmpresaNoMesmoCodigoEstaForaDeOrdem) {
  const auto r = Analisa({kCabecalho, kRespo,
                          QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||"),
                          QStringLiteral("IDREC|3426|"), QStringLiteral("BPJDEC|11222333000181|EMPRESA DOIS LTDA|"),
                          QStringLiteral("BPFDEC|12345678909|MARIA SOUZA||"), QStringLiteral("IDREC|3533|"),
                          QStringLiteral("BPFDEC|12345678909|MARIA SOUZA||"), QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  // The second code starts the order again.
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 06  Registro: BPFDEC  Campo: XXXXX Valor: XXXXX      Erro: "
                                              "Registro fora de ordem para beneficiário do declarante.")});
}

TEST(TAcoesContexto, RemessaComPaisDeDoisDigitos) {
  QTemporaryDir pasta;
  CaixaMensagemFalsa caixa;
  TArquivoDados dados(pasta.path() + QStringLiteral("/dec.log"));
  dados.VersaoLeiaute = 4;
  TDeclaracao declaracao(dados);
  TLinha linha(dados);
  QString brpde = QStringLiteral("BRPDE|1|23|NIF9|N|N||JOHN SMITH|");
  for (int i = 8; i <= 16; ++i) brpde += u'|';
  linha.Define(brpde);
  linha.Valida();
  TRegistro& registro = *declaracao.Pool().Prototipo(TTipoRegistro::BRPDE);
  registro.SetLinha(&linha);
  for (int i = 0; i < registro.QuantidadeCampos(); ++i) registro.Campo(i).DefineValor(linha.Campo(i), i == 0);
  dados.UltimoValorRemessa = QStringLiteral("x");
  TAcoesContexto acoes(dados);
  acoes.AtualizaContexto(registro);
  EXPECT_EQ(dados.UltimaRemessa, QStringLiteral("1023NIF9"));
  EXPECT_EQ(dados.UltimaRemessaSemNif, QStringLiteral("1023"));
  EXPECT_TRUE(dados.UltimoValorRemessa.isEmpty());
  dados.FechaLog();
}

}  // namespace
