#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "interface/InicioFalso.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "interface/TTolv2014.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kEmpresa = QStringLiteral("TOLV2014114447770001612013.FDB");
const QString kPessoa = QStringLiteral("TOLV2014123456789092012.FDB");

const QString kPerguntaUm = QStringLiteral(
    "Existe 1 arquivo de banco de dados de declaração no diretório de trabalho. Deseja que essa declaração fique "
    "disponível para trabalho?");

class Indice : public testing::Test {
 protected:
  Indice() {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
  }
  ~Indice() override {
    indice.FecharColecoes();
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  QString dados(const QString& arquivo) const { return pasta.dados() + '/' + arquivo; }

  void roda(const QString& arquivo, const QString& sql) const { pasta.roda(arquivo, sql); }

  // A declaration database of this version holding a header, as a restore or a copy leaves it.
  void orfao(const QString& arquivo, const char* tipo = "2", const char* numero = "114447770001",
             const char* ano = "2013") const {
    pasta.copiaBanco("TOLV2014PD.FDB", arquivo);
    roda(arquivo, QStringLiteral("INSERT INTO TOLVS (IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR) "
                                 "VALUES ('%1', '%2', '%3', 'DECLARANTE ORFAO', %4)")
                      .arg(tipo, numero, ano, QString::fromLatin1(*tipo == '1' ? "9" : "0")));
  }
  void incompativel(const QString& arquivo) const {
    pasta.copiaBanco("TOLV2014PD.FDB", arquivo);
    roda(arquivo, "UPDATE VERSAO SET ANO = 2013");
  }
  QStringList listadas() {
    QStringList nomes;
    TColecaoTolv& colecao = indice.GetColecaoTolv();
    colecao.Atualiza();
    bd::Consulta& lista = *colecao.GetConsultaAtual();
    for (lista.primeiro(); !lista.eof(); lista.proximo()) nomes << lista.campo("ARQUIVO").texto().trimmed();
    return nomes;
  }
  QStringList textos() const {
    QStringList t;
    for (const auto& c : caixa.chamadas()) t << c.titulo + ": " + c.texto;
    return t;
  }

  PastaProgramaTemp pasta{true};
  CaixaMensagemFalsa caixa;
  GuardaPrograma guarda;
  IndicePrincipal indice;
};

TEST_F(Indice, AnOrphanDatabaseAnsweredYesJoinsTheIndex) {
  orfao(kEmpresa);
  caixa.responde(ResultadoMensagem::Sim);
  ASSERT_TRUE(indice.IndiceVazio());

  indice.VerificaExistenciaBancos(nullptr);

  EXPECT_EQ(textos(), QStringList({"Confirmação: " + kPerguntaUm}));
  EXPECT_EQ(caixa.ultima().flags, 36);
  EXPECT_FALSE(indice.IndiceVazio());
  EXPECT_EQ(listadas(), QStringList({kEmpresa}));
  TErros erros;
  TTolv tolv;
  tolv.SetErros(&erros);
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  ASSERT_TRUE(indice.GetColecaoTolv().CarregaTolv(tolv));
  EXPECT_EQ(tolv.GetContribuinte().GetNome().GetValor(), "DECLARANTE ORFAO");
  tolv.LiberaItens();
}

struct CasoRecusa {
  const char* nome;
  int segundaResposta;
  bool arquivoFica;
};
class IndiceRecusa : public Indice, public testing::WithParamInterface<CasoRecusa> {};

TEST_P(IndiceRecusa, AnsweredNoTheFilesAreDeletedOnlyOnTheSecondYes) {
  orfao(kEmpresa);
  orfao(kPessoa, "1", "123456789", "2012");
  caixa.responde(ResultadoMensagem::Nao);
  caixa.responde(GetParam().segundaResposta);

  indice.VerificaExistenciaBancos(nullptr);

  EXPECT_EQ(textos(), QStringList({"Confirmação: Existem 2 arquivos de banco de dados de declaração no diretório de "
                                   "trabalho. Deseja que essas declarações fiquem disponíveis para trabalho?",
                                   "Confirmação: Deseja que estes arquivos sejam excluídos?"}));
  EXPECT_EQ(QFile::exists(dados(kEmpresa)), GetParam().arquivoFica);
  EXPECT_EQ(QFile::exists(dados(kPessoa)), GetParam().arquivoFica);
  EXPECT_TRUE(QFile::exists(dados("Tolv.FDB")));
  EXPECT_TRUE(QFile::exists(dados("TOLV2014PD.FDB")));
  EXPECT_TRUE(indice.IndiceVazio());
}

INSTANTIATE_TEST_SUITE_P(Respostas, IndiceRecusa,
                         testing::Values(CasoRecusa{"Exclui", ResultadoMensagem::Sim, false},
                                         CasoRecusa{"Mantem", ResultadoMensagem::Nao, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Indice, FilesOfAnotherVersionAreAskedAboutOnceAndReported) {
  incompativel("TOLV2014114447770001612012.FDB");
  orfao(kEmpresa);
  incompativel("TOLV2014114447770002422013.FDB");
  caixa.responde(ResultadoMensagem::Sim);
  caixa.responde(ResultadoMensagem::Sim);

  indice.VerificaExistenciaBancos(nullptr);

  const QStringList t = textos();
  ASSERT_EQ(t.size(), 3) << t.join('\n').toStdString();
  EXPECT_EQ(t[1],
            "Confirmação: Deseja que os arquivos com versão do banco de dados incompatível com esta versão do programa "
            "sejam excluídos?");
  EXPECT_EQ(t[2],
            "Informação: 2 arquivos não foram incorporados, pois versão do banco de dados é incompatível com esta "
            "versão do programa.");
  EXPECT_FALSE(QFile::exists(dados("TOLV2014114447770001612012.FDB")));
  EXPECT_FALSE(QFile::exists(dados("TOLV2014114447770002422013.FDB")));
  EXPECT_EQ(listadas(), QStringList({kEmpresa}));
}

TEST_F(Indice, AFileThatCannotBeReadIsReportedApartAndKept) {
  incompativel("TOLV2014114447770001612012.FDB");
  {
    QFile f(dados("TOLV2014114447770002422013.FDB"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("um arquivo danificado");
  }
  caixa.responde(ResultadoMensagem::Sim);
  caixa.responde(ResultadoMensagem::Sim);

  indice.VerificaExistenciaBancos(nullptr);

  const QStringList t = textos();
  ASSERT_EQ(t.size(), 4) << t.join('\n').toStdString();
  EXPECT_EQ(t[2],
            "Informação: Um arquivo não foi incorporado, pois a versão do banco de dados é incompatível com esta versão "
            "do programa.");
  EXPECT_EQ(t[3],
            "Aviso: Não foi possível ler os arquivos de banco de dados a seguir, que foram mantidos no diretório de "
            "trabalho: TOLV2014114447770002422013.FDB.");
  EXPECT_FALSE(QFile::exists(dados("TOLV2014114447770001612012.FDB")));
  EXPECT_TRUE(QFile::exists(dados("TOLV2014114447770002422013.FDB")));
}

TEST_F(Indice, AFileOfAnotherVersionKeptWhenTheUserSaysNo) {
  incompativel(kEmpresa);
  caixa.responde(ResultadoMensagem::Sim);
  caixa.responde(ResultadoMensagem::Nao);

  indice.VerificaExistenciaBancos(nullptr);

  ASSERT_EQ(caixa.chamadas().size(), 3u);
  EXPECT_EQ(textos()[2],
            "Informação: Um arquivo não foi incorporado, pois a versão do banco de dados é incompatível com esta versão "
            "do programa.");
  EXPECT_TRUE(QFile::exists(dados(kEmpresa)));
  EXPECT_TRUE(indice.IndiceVazio());
}

TEST_F(Indice, AFileUnderAnotherNameTakesTheNameOfItsDeclaration) {
  orfao("tolv2014114447770001612013.fdb");
  orfao("TOLV2014123456789092012 - copia.FDB", "1", "123456789", "2012");
  orfao(kPessoa, "1", "123456789", "2012");
  caixa.responde(ResultadoMensagem::Sim);

  indice.VerificaExistenciaBancos(nullptr);

  EXPECT_TRUE(QFile::exists(dados(kEmpresa)));
  EXPECT_FALSE(QFile::exists(dados("tolv2014114447770001612013.fdb")));
  // The copy of a declaration that has its own file stays, and the user is told.
  EXPECT_TRUE(QFile::exists(dados("TOLV2014123456789092012 - copia.FDB")));
  ASSERT_EQ(caixa.chamadas().size(), 2u);
  EXPECT_EQ(caixa.ultima().titulo, "Aviso");
  EXPECT_TRUE(caixa.ultima().texto.contains("TOLV2014123456789092012 - copia.FDB"));
  EXPECT_EQ(listadas(), QStringList({kPessoa, kEmpresa}));
}

class Inicio : public Indice {
 protected:
  Inicio() { ConfiguracoesTolv::GravaJahMostrou(true); }

  ProgramaTolv::Opcoes opcoes() {
    ProgramaTolv::Opcoes o;
    o.pastaInstancia = instancias.path();
    o.ambiente = &ambiente;
    indice.Conecta(o.passos);
    o.executaLaco = false;
    return o;
  }

  QTemporaryDir instancias;
  AmbienteFalso ambiente;
};

TEST_F(Inicio, TheProgramOpensTheIndexAndOffersTheOrphansOfAnEmptyOne) {
  orfao(kEmpresa);
  caixa.responde(ResultadoMensagem::Sim);
  {
    ProgramaTolv programa(opcoes());
    EXPECT_EQ(programa.executa(), 0);
    EXPECT_TRUE(programa.janela()->isVisible());
    EXPECT_TRUE(programa.janela()->passos().falhaBancoIndice() == FalhaBancoIndice);
  }
  EXPECT_EQ(textos(), QStringList({"Confirmação: " + kPerguntaUm}));
  EXPECT_EQ(listadas(), QStringList({kEmpresa}));

  // With a declaration listed, the next start asks nothing.
  orfao(kPessoa, "1", "123456789", "2012");
  indice.FecharColecoes();
  caixa.limpa();
  ProgramaTolv programa(opcoes());
  EXPECT_EQ(programa.executa(), 0);
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(Inicio, AnIndexOfAnotherVersionStopsTheProgramBeforeItsWindow) {
  roda("Tolv.FDB", "UPDATE VERSAO SET ANO = 2013");
  ProgramaTolv programa(opcoes());
  EXPECT_EQ(programa.executa(), 1);
  EXPECT_FALSE(programa.janela()->isVisible());
  EXPECT_TRUE(FalhaBancoIndice);
  EXPECT_EQ(textos(), QStringList({"Erro: A versão do banco de dados é incompatível com esta versão do programa."}));
}

}  // namespace
