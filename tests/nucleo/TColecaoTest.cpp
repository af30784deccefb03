#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "nucleo/EFalhaBanco.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoDe.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/FalhasBancoRegistradas.h"
#include "suporte/PastaProgramaTemp.h"
#include "plataforma/sistema/Pastas.h"

#include <cstdio>
#include <cstdlib>

namespace {

const QString kIncompativel = QStringLiteral("A versão do banco de dados é incompatível com esta versão do programa.");
const QString kDeclaracao = QStringLiteral("TOLV2014111444777352013.FDB");

using Lado = EFalhaBanco::Lado;

struct Registro {
  int id = 0;
  QString nome;
};

// An ordinary collection over a table ITEM of the declaration database.
class ColecaoItens : public TColecaoDe<Registro> {
 public:
  explicit ColecaoItens(const QString& arquivo = kDeclaracao, bool forcaCopia = false)
      : m_propria({"read_committed", "rec_version", "nowait"}) {
    DefineTransacao(&m_propria);
    AbrirBancoDeclaracao(arquivo, forcaCopia);
    if (FalhaBanco || FalhaBancoIndice) return;
    m_consultaLista.defineTransacao(&m_propria);
    m_consultaLista.defineSql(QStringLiteral("SELECT ID, NOME FROM ITEM ORDER BY ID"));
    m_consultaTotal.defineTransacao(&m_propria);
    m_consultaTotal.defineSql(QStringLiteral("SELECT COUNT(*) AS Total FROM ITEM"));
    m_consultaComando.defineTransacao(&m_propria);
    m_procedimento = std::make_unique<bd::Procedimento>(m_propria, QStringLiteral("INCLUI_ITEM"));
  }
  // Before its own transaction goes.
  ~ColecaoItens() override { DesfazPendente(true); }

  bool Inclui(int id, const QString& nome) {
    if (!IncluiSemConfirmar(id, nome)) return false;
    ConfirmaTransacaoRetendo();
    return true;
  }
  // A save left for the end of the use, as a batch leaves it.
  bool IncluiSemConfirmar(int id, const QString& nome) {
    IniciaTransacao();
    m_procedimento->param("ID", id);
    m_procedimento->param("NOME", nome);
    return ExecutaProcedure(*m_procedimento);
  }
  bool Comando(const QString& sql) {
    m_consultaComando.defineSql(sql);
    return ExecutaConsulta(m_consultaComando);
  }
  bd::Consulta& Lista() { return m_consultaLista; }
  bd::Transacao& Transacao() { return m_propria; }
  bool NoInicioFlag() const { return m_noInicio; }
  bool NoFimFlag() const { return m_noFim; }

 protected:
  void AbreConsulta(bd::Consulta& consulta) override {
    consulta.fecha();
    AbreDataSet(consulta);
  }
  void CarregaObjeto(Registro& r, bd::Consulta& dados) override {
    r.id = dados.campo("ID").inteiro();
    r.nome = dados.campo("NOME").texto();
  }

 private:
  bd::Transacao m_propria;
};

// A collection of the index database.
class ColecaoIndice : public TColecao {
 public:
  ColecaoIndice() {
    ConectarBancoIndice();
    if (FalhaBancoIndice) return;
    m_consultaComando.defineTransacao(m_transacaoIndice.get());
  }
  bool Comando(const QString& sql) {
    m_consultaComando.defineSql(sql);
    return ExecutaConsulta(m_consultaComando);
  }

 protected:
  void AbreConsulta(bd::Consulta& consulta) override { AbreDataSet(consulta); }
  bool EhColecaoIndice() const override { return true; }
};

class TColecaoBase : public testing::Test {
 protected:
  void SetUp() override { FalhaBanco = FalhaBancoIndice = false; }
  void TearDown() override {
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  QString arquivo(const QString& nome) const { return m_pasta.dados() + "/" + nome; }

  QStringList arquivos() const {
    QStringList l = QDir(m_pasta.dados()).entryList(QDir::Files);
    l.sort(Qt::CaseSensitive);
    return l;
  }

  // Runs a script on a file through a connection of its own, committed.
  void roda(const QString& nome, const QString& script) {
    bd::Conexao c(arquivo(nome));
    c.conecta();
    bd::Transacao t(c);
    bd::Script(t).executa(script);
    t.commit();
  }

  QString texto(const QString& nome, const QString& sql) {
    bd::Conexao c(arquivo(nome));
    c.conecta();
    bd::Transacao t(c);
    bd::Consulta q(t, sql);
    q.abre();
    return q.eof() ? QStringLiteral("<nada>") : q.campo(1).texto();
  }

  void criaDeclaracaoComItens() {
    m_pasta.copiaBanco("TOLV2014PD.FDB", kDeclaracao);
    roda(kDeclaracao, QStringLiteral(
                          "CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(20));"
                          "CREATE EXCEPTION E_RECUSA 'Recusado pelo banco';"
                          "SET TERM ^ ;"
                          "CREATE PROCEDURE INCLUI_ITEM (ID INTEGER, NOME VARCHAR(20)) AS BEGIN"
                          "  IF (NOME = 'recusa') THEN EXCEPTION E_RECUSA;"
                          "  INSERT INTO ITEM VALUES (:ID, :NOME); END^"
                          "SET TERM ; ^"));
  }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
};

TEST_F(TColecaoBase, ConectaOsDoisBancosSemAvisos) {
  ColecaoIndice indice;
  EXPECT_EQ(TColecao::GetBancoIndice()->arquivo(), arquivo("Tolv.FDB"));
  EXPECT_TRUE(TColecao::GetBancoIndice()->conectada());
  EXPECT_EQ(indice.GetVersao(), 120);
  criaDeclaracaoComItens();
  ColecaoItens itens;
  EXPECT_EQ(TColecao::GetBancoDeclaracao()->arquivo(), arquivo(kDeclaracao));
  EXPECT_EQ(itens.GetVersao(), 140);
  EXPECT_EQ(itens.GetGeracao(), QString::fromUtf8("Versão 1.5"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_falhas.falhas().empty());
  EXPECT_FALSE(FalhaBanco || FalhaBancoIndice);
}

TEST_F(TColecaoBase, ConexaoDoIndiceNuncaVaiParaOModelo) {
  // Asked for before any index collection exists.
  bd::Conexao* c = TColecao::GetBancoIndice();
  EXPECT_EQ(c->arquivo(), arquivo("Tolv.FDB"));
  bd::Consulta q(*c, QStringLiteral("SELECT VERSAO FROM VERSAO"));
  q.abre();
  EXPECT_EQ(q.campo(1).inteiro(), 120);
}

struct CasoVersao {
  bool indice;
  int ano;
  int versao;
  const char* geracao;  // nullptr: null
  bool comCodret;
  int mensagens;
  bool falha;
  int anoFinal;
  int versaoFinal;
  const char* geracaoFinal;
  bool codretAtualizado;
};

class TColecaoVersao : public TColecaoBase, public testing::WithParamInterface<CasoVersao> {
 protected:
  // A throw-away CODRET when the database has none, with the two rows the upgrade touches.
  bool temCodret(const QString& nome) {
    return texto(nome, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'CODRET'") == "1";
  }

  void preparaCodret(const QString& nome) {
    if (!temCodret(nome))
      roda(nome, QStringLiteral(
                     "CREATE TABLE CODRET (ANO VARCHAR(4), COD_RETENCAO VARCHAR(4), PF_PJ_AMBOS VARCHAR(1), "
                     "RESUMO VARCHAR(100), REGIME VARCHAR(10), COMPROVANTE VARCHAR(10), ANEXO VARCHAR(1), "
                     "DEDUCAO VARCHAR(20), RENDIMENTOS_ISENTOS VARCHAR(20), IN4 VARCHAR(1), SUBJUDICE VARCHAR(1), "
                     "NAT_DECLARANTE VARCHAR(20), DECIMO_TERCEIRO VARCHAR(1));"
                     "INSERT INTO CODRET (ANO, COD_RETENCAO, ANEXO, DEDUCAO, RENDIMENTOS_ISENTOS) "
                     "VALUES ('2013', '3540', '0', '1', '1');"));
    roda(nome, QStringLiteral("UPDATE CODRET SET DEDUCAO = '1', RENDIMENTOS_ISENTOS = '1' "
                              "WHERE COD_RETENCAO = '3540' AND ANEXO = '0';"));
  }
};

TEST_P(TColecaoVersao, VerificaEAtualizaComoPrevisto) {
  const CasoVersao& c = GetParam();
  const QString nome = c.indice ? QStringLiteral("Tolv.FDB") : kDeclaracao;
  if (!c.indice) m_pasta.copiaBanco("TOLV2014PD.FDB", kDeclaracao);
  if (c.comCodret)
    preparaCodret(nome);
  else if (temCodret(nome))
    roda(nome, "DROP TABLE CODRET;");
  const QString geracao = c.geracao ? QStringLiteral("'%1'").arg(QString::fromUtf8(c.geracao)) : QStringLiteral("NULL");
  roda(nome, c.indice ? QStringLiteral("UPDATE VERSAO SET ANO = %1, VERSAO = %2;").arg(c.ano).arg(c.versao)
                      : QStringLiteral("UPDATE VERSAO SET ANO = %1, VERSAO = %2, GERACAO = %3;")
                            .arg(c.ano).arg(c.versao).arg(geracao));

  if (c.indice) {
    ColecaoIndice colecao;
    EXPECT_EQ(FalhaBancoIndice, c.falha);
    EXPECT_FALSE(FalhaBanco);
  } else {
    ColecaoIndice indice;
    ColecaoItens colecao;
    EXPECT_EQ(FalhaBanco, c.falha);
    EXPECT_FALSE(FalhaBancoIndice);
  }
  TColecao::FechaConexoes();

  // Told once, never as a failure that ends the process; the core itself shows nothing.
  EXPECT_TRUE(m_caixa.chamadas().empty());
  int exibidas = 0;
  for (const EFalhaBanco& f : m_falhas.falhas()) {
    EXPECT_EQ(f.Mensagem(), kIncompativel);
    EXPECT_EQ(f.GetLado(), c.indice ? Lado::Indice : Lado::Declaracao);
    EXPECT_FALSE(f.Fatal());
    exibidas += f.Exibe() ? 1 : 0;
  }
  EXPECT_EQ(exibidas, c.mensagens);
  EXPECT_EQ(texto(nome, "SELECT ANO FROM VERSAO"), QString::number(c.anoFinal));
  EXPECT_EQ(texto(nome, "SELECT VERSAO FROM VERSAO"), QString::number(c.versaoFinal));
  if (!c.indice) {
    EXPECT_EQ(texto(nome, "SELECT GERACAO FROM VERSAO"), QString::fromUtf8(c.geracaoFinal));
  }
  if (c.comCodret) {
    EXPECT_EQ(texto(nome, "SELECT DEDUCAO || '|' || RENDIMENTOS_ISENTOS FROM CODRET "
                          "WHERE COD_RETENCAO = '3540' AND ANEXO = '0'"),
              c.codretAtualizado ? "1;2;3;4|1;5;6" : "1|1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TColecaoVersao,
    testing::Values(
        // index: current, newer, old (upgraded), wrong year (told once, still upgraded), too old
        CasoVersao{true, 2014, 120, nullptr, true, 0, false, 2014, 120, "", false},
        CasoVersao{true, 2014, 140, nullptr, true, 0, false, 2014, 140, "", false},
        CasoVersao{true, 2014, 110, nullptr, true, 0, false, 2014, 120, "", true},
        CasoVersao{true, 2013, 110, nullptr, true, 1, true, 2014, 120, "", true},
        CasoVersao{true, 2013, 90, nullptr, true, 1, true, 2013, 90, "", false},
        CasoVersao{true, 2014, 110, nullptr, false, 0, false, 2014, 110, "", false},  // no CODRET: kept, retried later
        // declaration side
        CasoVersao{false, 2014, 140, "Versão 1.5", true, 0, false, 2014, 140, "Versão 1.5", false},
        CasoVersao{false, 2014, 120, nullptr, true, 0, false, 2014, 120, "Versão 1.5", false},
        CasoVersao{false, 2014, 110, "Versão 1.4", true, 0, false, 2014, 140, "Versão 1.4", true},
        CasoVersao{false, 2013, 140, "Versão 1.5", true, 1, true, 2013, 140, "Versão 1.5", false},
        CasoVersao{false, 2014, 50, "", true, 1, true, 2014, 50, "", false}));

TEST_F(TColecaoBase, ProcedimentoQueFalhaLevantaAFalhaFatalComAMensagemDoBanco) {
  criaDeclaracaoComItens();
  ColecaoItens itens;
  EXPECT_TRUE(itens.Inclui(1, "um"));
  const EFalhaBanco falha = FalhaDe([&] { itens.Inclui(2, "recusa"); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_TRUE(falha.Exibe());
  EXPECT_EQ(falha.GetLado(), Lado::Nenhum);
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível executar a procedure INCLUI_ITEM. Mensagem retornada: "))
      << falha.Mensagem().toStdString();
  EXPECT_TRUE(falha.Mensagem().contains("Recusado pelo banco"));
  // Shown and ended by the program's guard, never from here.
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_FALSE(FalhaBanco || FalhaBancoIndice);
}

TEST_F(TColecaoBase, ComIndiceInutilizavelNadaRoda) {
  criaDeclaracaoComItens();
  ColecaoItens itens;
  FalhaBancoIndice = true;
  EXPECT_FALSE(itens.Inclui(1, "um"));
  EXPECT_FALSE(itens.Comando("DELETE FROM ITEM"));
  EXPECT_FALSE(itens.AbreDataSet(itens.Lista()));
  EXPECT_FALSE(itens.TentaAbrirDataSet(itens.Lista()));
  EXPECT_FALSE(itens.Lista().aberta());
  EXPECT_EQ(itens.GetTotal(), -1);
  EXPECT_TRUE(itens.Vazia());
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_falhas.falhas().empty());
  FalhaBancoIndice = false;
  EXPECT_EQ(itens.Reconta(), 0);  // nothing was written
}

struct CasoComando {
  bool indice;
  bool falhaIndice;
};

class TColecaoComando : public TColecaoBase, public testing::WithParamInterface<CasoComando> {};

TEST_P(TColecaoComando, ComandoQueFalhaLevantaAFalhaDoSeuLado) {
  criaDeclaracaoComItens();
  ColecaoIndice indice;
  ColecaoItens itens;
  const EFalhaBanco falha = FalhaDe([&] {
    if (GetParam().indice)
      indice.Comando("DELETE FROM NAO_HA");
    else
      itens.Comando("DELETE FROM NAO_HA");
  });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_EQ(falha.GetLado(), GetParam().falhaIndice ? Lado::Indice : Lado::Declaracao);
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível executar a consulta. Mensagem retornada: "));
  // The guard marks the side: the collection leaves the flags alone.
  EXPECT_FALSE(FalhaBanco || FalhaBancoIndice);
  falha.Marca();
  EXPECT_EQ(FalhaBancoIndice, GetParam().falhaIndice);
  EXPECT_EQ(FalhaBanco, !GetParam().falhaIndice);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

INSTANTIATE_TEST_SUITE_P(Lados, TColecaoComando, testing::Values(CasoComando{true, true}, CasoComando{false, false}));

TEST_F(TColecaoBase, AbrirConsultaQueFalhaEncerraOuSoAvisa) {
  criaDeclaracaoComItens();
  ColecaoItens itens;
  bd::Consulta errada(itens.Transacao(), QStringLiteral("SELECT NADA FROM ITEM"));
  EXPECT_FALSE(itens.TentaAbrirDataSet(errada));
  EXPECT_TRUE(FalhaBanco);
  ASSERT_EQ(m_falhas.falhas().size(), 1u);
  EXPECT_FALSE(m_falhas.falhas()[0].Fatal());
  EXPECT_EQ(m_falhas.falhas()[0].GetLado(), Lado::Declaracao);
  EXPECT_TRUE(m_falhas.falhas()[0].Mensagem().startsWith("Não foi possível abrir a consulta. Mensagem retornada: "));

  const EFalhaBanco falha = FalhaDe([&] { itens.AbreDataSet(errada); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_EQ(falha.GetLado(), Lado::Declaracao);
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível abrir a consulta. Mensagem retornada: "));
  EXPECT_TRUE(falha.Mensagem().endsWith(
      ".\rO programa será fechado automaticamente. Por favor entrar em contato com o suporte Tolv."));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(TColecaoBase, TransacaoQueNaoIniciaLevantaAFalhaDaDeclaracao) {
  criaDeclaracaoComItens();
  ColecaoItens itens;
  TColecao::GetBancoDeclaracao()->desconecta();
  const EFalhaBanco falha = FalhaDe([&] { itens.IniciaTransacao(); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_EQ(falha.GetLado(), Lado::Declaracao);
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível iniciar a transação. Mensagem retornada: "));
}

TEST_F(TColecaoBase, IndiceAusenteLevantaAMensagemDeConexaoUmaVezSo) {
  QFile::remove(arquivo("Tolv.FDB"));
  const EFalhaBanco falha = FalhaDe([] { ColecaoIndice(); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_TRUE(falha.Exibe());
  EXPECT_EQ(falha.GetLado(), Lado::Indice);
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível estabelecer a conexão com o banco de dados " +
                                          arquivo("Tolv.FDB") + ". Mensagem retornada: "));
  // Once the index is marked unusable, its connection's failure is not told again.
  falha.Marca();
  EXPECT_FALSE(FalhaDe([] { ColecaoIndice(); }).Exibe());
}

TEST(TColecaoEncerramento, FalhaFatalSemTratadorTerminaComStatusUm) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(AvisaFalhaBanco(EFalhaBanco(QStringLiteral("falhou"), EFalhaBanco::Lado::Declaracao)),
              testing::ExitedWithCode(1), "falhou");
}

// A program that returns from main, or calls exit, with the shared connections open: they are
// closed before the database layer's own state goes, and the process ends cleanly.
TEST_F(TColecaoBase, ConexoesAbertasAoSairDoProgramaFecham) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The child runs this test again in a program folder of its own: it takes this one's.
  const char* kPasta = "TOLV_TESTE_SAIDA_COM_CONEXOES";
  if (qEnvironmentVariableIsEmpty(kPasta)) qputenv(kPasta, QFile::encodeName(m_pasta.caminho()));
  EXPECT_EXIT(
      {
        Pastas::definePrograma(qEnvironmentVariable(kPasta));
        TColecao::GetBancoIndice();
        TColecao::ConectaBancoModelo();
        TColecao::ConectaBancoModelo();
        std::fprintf(stderr, "conectadas\n");
        std::exit(0);
      },
      testing::ExitedWithCode(0), "conectadas");
  qunsetenv(kPasta);
}

TEST_F(TColecaoBase, CommitRetendoMostraOTrabalhoAOutraTransacao) {
  criaDeclaracaoComItens();
  ColecaoItens escreve;
  ColecaoItens le;  // the same declaration connection, a transaction of its own
  EXPECT_EQ(TColecao::GetBancoDeclaracao(), TColecao::GetBancoDeclaracao());
  escreve.IniciaTransacao();
  bd::Procedimento p(escreve.Transacao(), QStringLiteral("INCLUI_ITEM"));
  p.param("ID", 1);
  p.param("NOME", "um");
  ASSERT_TRUE(TColecao::ExecutaProcedure(p));
  EXPECT_EQ(le.Reconta(), 0);
  escreve.ConfirmaTransacaoRetendo();
  EXPECT_TRUE(escreve.Transacao().ativa());
  EXPECT_EQ(le.Reconta(), 1);
  EXPECT_EQ(escreve.Reconta(), 1);
}

TEST_F(TColecaoBase, ArquivoAusenteVemDoModeloSemVerificarVersao) {
  {
    ColecaoItens nova;
    EXPECT_TRUE(QFile::exists(arquivo(kDeclaracao)));
    EXPECT_EQ(nova.GetVersao(), -1);  // a fresh copy is not checked
    roda(kDeclaracao, "CREATE TABLE MARCA (X INTEGER); INSERT INTO MARCA VALUES (7);");
  }
  {
    // The same file again, in another letter case and with a forced copy: left as it is.
    ColecaoItens mesma(kDeclaracao.toLower(), true);
    EXPECT_EQ(texto(kDeclaracao, "SELECT X FROM MARCA"), "7");
    EXPECT_TRUE(TColecao::GetBancoDeclaracao()->conectada());
  }
  m_pasta.copiaBanco("TOLV2014PD.FDB", "OUTRA.FDB");
  { ColecaoItens outra(QStringLiteral("OUTRA.FDB")); }
  {
    ColecaoItens deVolta;  // found on disk now: checked
    EXPECT_EQ(deVolta.GetVersao(), 140);
  }
  { ColecaoItens outra(QStringLiteral("OUTRA.FDB")); }
  { ColecaoItens forcada(kDeclaracao, true); }  // a forced copy replaces the file
  EXPECT_EQ(texto(kDeclaracao, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'MARCA'"), "0");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(TColecaoBase, CopiaQueFalhaNaoDeixaNadaEEncerra) {
  QFile::remove(TColecao::ArquivoModelo());
  const EFalhaBanco falha = FalhaDe([] { ColecaoItens(); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível estabelecer a conexão com o banco de dados " +
                                          arquivo(kDeclaracao)));
  EXPECT_EQ(arquivos(), QStringList{"Tolv.FDB"});
}

TEST_F(TColecaoBase, ModeloAbertoNaoEhCopiado) {
  m_pasta.copiaBanco("TOLV2014PD.FDB", kDeclaracao);
  roda(kDeclaracao, "CREATE TABLE MARCA (X INTEGER);");
  auto modelo = TColecao::CriaConexaoModelo();
  const EFalhaBanco falha = FalhaDe([] { ColecaoItens(kDeclaracao, true); });
  EXPECT_TRUE(falha.Mensagem().contains("TOLV2014PD.FDB")) << falha.Mensagem().toStdString();
  EXPECT_EQ(texto(kDeclaracao, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'MARCA'"), "1");
  EXPECT_EQ(arquivos(), (QStringList{"TOLV2014111444777352013.FDB", "TOLV2014PD.FDB", "Tolv.FDB"}));
}

// The end of a use: what a collection saved and left uncommitted is kept only when its user
// says so; one that goes without Confirma rolls it back.
struct CasoFim {
  const char* nome;
  bool confirma;
  const char* guardados;
};

class TColecaoFim : public TColecaoBase, public testing::WithParamInterface<CasoFim> {};

TEST_P(TColecaoFim, GuardaSoOQueSeuUsuarioConfirmou) {
  criaDeclaracaoComItens();
  {
    ColecaoItens itens;
    ASSERT_TRUE(itens.IncluiSemConfirmar(1, "um"));
    if (GetParam().confirma) itens.Confirma();
  }
  EXPECT_EQ(texto(kDeclaracao, "SELECT COUNT(*) FROM ITEM"), GetParam().guardados);
  EXPECT_TRUE(m_falhas.falhas().empty());
}

INSTANTIATE_TEST_SUITE_P(Fins, TColecaoFim,
                         testing::Values(CasoFim{"Confirmado", true, "1"}, CasoFim{"SemConfirma", false, "0"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(TColecaoBase, ConfirmaRecusadaLevantaAFalhaOndeAconteceENadaFica) {
  criaDeclaracaoComItens();
  // The database refuses the commit, as a full disk would.
  roda(kDeclaracao, QStringLiteral("CREATE EXCEPTION E_CONFIRMACAO 'confirmacao recusada';"
                                   "SET TERM ^ ;"
                                   "CREATE TRIGGER RECUSA ON TRANSACTION COMMIT AS BEGIN"
                                   "  IF (EXISTS (SELECT 1 FROM ITEM)) THEN EXCEPTION E_CONFIRMACAO; END^"
                                   "SET TERM ; ^"));
  {
    ColecaoItens itens;
    ASSERT_TRUE(itens.IncluiSemConfirmar(1, "um"));
    const EFalhaBanco falha = FalhaDe([&] { itens.Confirma(); });
    EXPECT_TRUE(falha.Fatal());
    EXPECT_EQ(falha.GetLado(), Lado::Declaracao);
    EXPECT_TRUE(falha.Mensagem().startsWith("Não foi possível salvar as alterações. Mensagem retornada: "))
        << falha.Mensagem().toStdString();
    EXPECT_TRUE(falha.Mensagem().contains("confirmacao recusada"));
  }
  EXPECT_EQ(texto(kDeclaracao, "SELECT COUNT(*) FROM ITEM"), "0");
  EXPECT_TRUE(m_falhas.falhas().empty());
}

TEST_F(TColecaoBase, NavegacaoDeCargaMarcaInicioEFim) {
  criaDeclaracaoComItens();
  ColecaoItens itens;
  Registro r{-5, "intocado"};
  for (int passo = 0; passo < 6; ++passo) {
    switch (passo) {
      case 0: itens.CarregaPrimeiro(r); break;
      case 1: itens.CarregaAnterior(r); break;
      case 2: itens.CarregaProximo(r); break;
      case 3: itens.CarregaProximoCompleto(r); break;
      case 4: itens.CarregaUltimo(r); break;
      default: itens.CarregaAtual(r); break;
    }
    EXPECT_TRUE(itens.NoInicioFlag() && itens.NoFimFlag()) << passo;
    EXPECT_EQ(r.id, -5) << passo;
  }
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(itens.Inclui(i, QStringLiteral("n%1").arg(i)));
  itens.Atualiza();
  EXPECT_EQ(itens.GetTotal(), 3);
  itens.CarregaPrimeiro(r);
  EXPECT_EQ(r.id, 1);
  EXPECT_TRUE(itens.NoInicio());
  EXPECT_FALSE(itens.NoFim());
  itens.CarregaProximo(r);
  EXPECT_EQ(r.id, 2);
  EXPECT_FALSE(itens.NoInicio() || itens.NoFim());
  itens.CarregaUltimo(r);
  EXPECT_EQ(r.id, 3);
  EXPECT_TRUE(itens.NoFim());
  EXPECT_FALSE(itens.NoInicio());
  itens.CarregaProximo(r);  // past the end: the last row again, the end flagged
  EXPECT_EQ(r.id, 3);
  EXPECT_TRUE(itens.NoFim());
  itens.CarregaAnterior(r);
  EXPECT_EQ(r.id, 2);
  EXPECT_FALSE(itens.NoInicio());
  itens.CarregaAnterior(r);
  itens.CarregaAnterior(r);
  EXPECT_EQ(r.id, 1);
  EXPECT_TRUE(itens.NoInicio());
}

}  // namespace
