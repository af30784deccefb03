#include <gtest/gtest.h>

#include "GravacaoTeste.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "validador/TAcoesContexto.h"

namespace {

using namespace gravacao_teste;

const QString kOperadora = QStringLiteral("OPSE|11222333000181|OPERADORA SAUDE LTDA|123455|");
const QString kTitular = QStringLiteral("TPSE|12345678909|MARIA SOUZA|100000|");

// A declaration that holds a line, an accumulated-income item, an operator with its holder and a
// beneficiary abroad.
class SondasBanco : public ComGravacao {
 protected:
  void SetUp() override {
    ComGravacao::SetUp();
    QString brpde = QStringLiteral("BRPDE|2|105|NIF123|N|N||COMPANY LTD|");
    for (int i = 8; i <= 16; ++i) brpde += u'|';
    Importa(Declaracao({QStringLiteral("IDREC|0561|"), QStringLiteral("BPFDEC|11144477735|JOSE SILVA||"),
                        Mensal("RTRT", {"100"}), QStringLiteral("RRA|1||||"), QStringLiteral("IDREC|1889|"),
                        QStringLiteral("BPFRRA|98765432100|ANA ROCHA|PENSAO||"), QStringLiteral("PSE|"), kOperadora,
                        kTitular, QStringLiteral("RPDE|"), brpde}));
  }
};

TEST_F(SondasBanco, PerguntasDaAnaliseAoBancoDaDeclaracao) {
  auto banco = TDataAccess::CreateBanco(kBanco);
  const int operadora = banco->ExisteOperadora(QStringLiteral("112223330001"));
  EXPECT_EQ(QString::number(operadora), Valor(QStringLiteral("SELECT TPO_ID FROM TB_PS_OPERADORA")));
  EXPECT_EQ(banco->ExisteOperadora(QStringLiteral("999888777000")), 0);
  EXPECT_GT(banco->ExisteTitular(operadora, QStringLiteral("123456789")), 0);
  EXPECT_EQ(banco->ExisteTitular(operadora, QStringLiteral("111444777")), 0);
  EXPECT_EQ(banco->ExisteTitular(operadora + 1, QStringLiteral("123456789")), 0);

  const int remessa = banco->BuscaRemessa(QStringLiteral("2"), QStringLiteral("NIF123"), 105);
  EXPECT_EQ(QString::number(remessa), Valor(QStringLiteral("SELECT TREM_ID FROM TB_REMESSA")));
  EXPECT_EQ(banco->IdRemessaExistente, remessa);
  EXPECT_EQ(banco->BuscaRemessa(QStringLiteral("1"), QStringLiteral("NIF123"), 105), 0);
  EXPECT_EQ(banco->BuscaRemessa(QStringLiteral("2"), QStringLiteral("NIF123"), 63), 0);
  EXPECT_EQ(banco->BuscaRemessa(QStringLiteral("2"), QString(), 105), 0);

  EXPECT_TRUE(banco->ExisteBeneficiario(QStringLiteral("1"), QStringLiteral("11144477735")));
  EXPECT_FALSE(banco->ExisteBeneficiario(QStringLiteral("1"), QStringLiteral("98765432100")));
  EXPECT_TRUE(banco->ExisteBeneficiarioRra(QStringLiteral("98765432100")));
  EXPECT_FALSE(banco->ExisteBeneficiarioRra(QStringLiteral("11144477735")));
  // A number is a value, never a piece of the statement.
  EXPECT_FALSE(banco->ExisteBeneficiarioRra(QStringLiteral("1' OR '1'='1")));
}

TEST_F(SondasBanco, AnaliseDeDeclaracaoExistenteRecusaOTitularGuardado) {
  auto banco = TDataAccess::CreateBanco(kBanco);
  const QString arquivo = m_pasta.caminho() + QStringLiteral("/entrada.txt");
  analise_teste::GravaArquivo(
      arquivo, Cp1252::codifica(QStringList{kCabecalho, kRespo,
                                            QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|"
                                                           "N|N|S|N|N||"),
                                            QStringLiteral("PSE|"), kOperadora, kTitular,
                                            QStringLiteral("TPSE|98765432100|ANA ROCHA|100|"), QStringLiteral("FIMTOLV|")}
                                    .join(QStringLiteral("\r\n")) +
                                QStringLiteral("\r\n")));
  TArquivoDados dados(CaminhoLog());
  dados.VersaoLeiaute = 4;
  dados.DeclaracaoExiste = true;
  TAcoesContexto acoes(dados, banco.get());
  TAnalisadorArquivo analisador(dados, &acoes);
  ASSERT_TRUE(analisador.Abre(arquivo));
  analisador.PreAnalisa();
  ASSERT_FALSE(dados.Falhou);
  analisador.Analisa();
  dados.DescarregaLog();
  // The stored holder is refused, the new one taken.
  EXPECT_FALSE(dados.LinhaImportavel(6));
  EXPECT_TRUE(dados.LinhaImportavel(7));
  EXPECT_TRUE(dados.PlanoSaudeNaoImportado);
  EXPECT_EQ(dados.Contagem.TitularesAdicionados, 1);
}

// How a storing pass ends: completed, abandoned halfway (the run stopped), or failed in a
// procedure.
enum class Fim { Concluido, Abandonado, Falha };
void PrintTo(Fim f, std::ostream* os) { *os << int(f); }

class FimDoPasse : public ComGravacao, public testing::WithParamInterface<Fim> {
 protected:
  void SetUp() override {
    ComGravacao::SetUp();
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
    // The line of one beneficiary fails in the database, as a full disk would.
    m_pasta.roda(kBanco, QStringLiteral("CREATE EXCEPTION TESTE_FALHA 'falha de teste';\n"
                                        "SET TERM ^ ;\n"
                                        "CREATE TRIGGER TESTE_FALHA FOR TOLV_ITENS BEFORE INSERT AS BEGIN\n"
                                        "  IF (NEW.E_NR_PF_PJ = '123456789') THEN EXCEPTION TESTE_FALHA;\n"
                                        "END^\n"
                                        "SET TERM ; ^\n"));
    bd::Servicos::defineEscritaForcada(Arquivo(), true);
  }
  QString Arquivo() const { return m_pasta.dados() + u'/' + kBanco; }
  bool EscritaForcada() const {
    bd::Conexao c(Arquivo());
    c.conecta();
    return c.escritaForcada();
  }
};

TEST_P(FimDoPasse, EscritaSincronaVoltaEOConfirmadoFica) {
  QStringList linhas{kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"),
                     QStringLiteral("BPFDEC|11144477735|JOSE SILVA||"), Mensal("RTRT", {"100"})};
  if (GetParam() == Fim::Falha) linhas << QStringLiteral("BPFDEC|12345678909|MARIA SOUZA||");
  linhas << QStringLiteral("BPFDEC|98765432100|ANA ROCHA||") << QStringLiteral("FIMTOLV|");
  bool falhou = false;
  {
    auto banco = TDataAccess::CreateBanco(kBanco);
    ASSERT_TRUE(banco->AlteraModoEscrita()) << banco->ErroModoEscrita().toStdString();
    EXPECT_FALSE(EscritaForcada());
    TobjectPersistencia persistencia(*banco, *m_dados);
    TLinhaI linha;
    try {
      for (const QString& texto : linhas) {
        linha.Define(texto);
        persistencia.Importa(linha);
        if (GetParam() == Fim::Abandonado && linha.GetTipo() == TTipoRegistro::RTRT) break;
      }
      if (GetParam() == Fim::Concluido) persistencia.Conclui();
    } catch (const bd::ErroBanco& e) {
      falhou = true;
      EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("falha de teste"))) << e.what();
    }
  }
  EXPECT_EQ(falhou, GetParam() == Fim::Falha);
  EXPECT_TRUE(EscritaForcada());
  // The header was committed when it was stored; the lines only at the end of a completed pass.
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLVS")), QStringLiteral("1"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLV_ITENS")),
            GetParam() == Fim::Concluido ? QStringLiteral("2") : QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Desfechos, FimDoPasse, testing::Values(Fim::Concluido, Fim::Abandonado, Fim::Falha));

TEST_F(ComGravacao, FalhaNoIndiceFalhaOPasseENadaFicaEmNenhumBanco) {
  m_pasta.roda(QStringLiteral("Tolv.FDB"), QStringLiteral("CREATE EXCEPTION TESTE_INDICE 'indice recusou';\n"
                                                          "SET TERM ^ ;\n"
                                                          "CREATE TRIGGER TESTE_INDICE FOR TOLVS BEFORE INSERT AS BEGIN\n"
                                                          "  EXCEPTION TESTE_INDICE;\n"
                                                          "END^\n"
                                                          "SET TERM ; ^\n"));
  EXPECT_THROW(Importa(Declaracao({QStringLiteral("IDREC|0561|"), QStringLiteral("BPFDEC|11144477735|JOSE SILVA||")})),
               bd::ErroBanco);
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLVS")), QStringLiteral("0"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLVS"), QStringLiteral("Tolv.FDB")), QStringLiteral("0"));
}

TEST_F(ComGravacao, ConsultaAbertaNoIndiceSobreviveAoCabecalho) {
  // Another window reads the index, row by row, while the import stores the header.
  bd::Consulta lista(*TColecao::GetBancoIndice(), QStringLiteral("SELECT COD_RETENCAO FROM CODRET ORDER BY 1"));
  lista.abre();
  ASSERT_FALSE(lista.eof());
  const QString primeira = lista.campo(1).texto();
  Importa(Declaracao({}));
  ASSERT_TRUE(lista.aberta());
  lista.proximo();
  EXPECT_FALSE(lista.eof());
  EXPECT_GE(lista.campo(1).texto(), primeira);
  lista.fecha();
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLVS"), QStringLiteral("Tolv.FDB")), QStringLiteral("1"));
}

}  // namespace
