#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <stdexcept>

#include "DeclaracaoTeste.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/ETolvError.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"

namespace {

using namespace declaracao_teste;

const QString kMatriz = QStringLiteral("11444777000161");
const QString kFilial = QStringLiteral("11444777000242");
const QString kFilial3 = QStringLiteral("11444777000323");
const QString kOutraEmpresa = QStringLiteral("33000167000101");
const QString kCpf = QStringLiteral("12345678909");
const QString kCpfResponsavel = QStringLiteral("98765432100");

QString Banco(const QString& ni, const char* ano = "2013") {
  return QStringLiteral("TOLV2014") + ni + QString::fromLatin1(ano) + QStringLiteral(".FDB");
}

// A declaration with its own error list, as the program's owners make them.
struct Declaracao {
  TErros erros;
  TTolv tolv;
  Declaracao() { tolv.SetErros(&erros); }
  ~Declaracao() { tolv.LiberaItens(); }
};

class ColecaoTolv : public ComBancos {
 protected:
  void SetUp() override {
    ComBancos::SetUp();
    m_colecao = std::make_unique<TColecaoTolv>();
  }
  void TearDown() override {
    m_colecao.reset();
    ComBancos::TearDown();
  }

  // Fills a new declaration: the establishment responsible is the declarant, the person
  // responsible has a phone and an e-mail.
  static void Preenche(TTolv& t, const QString& ni, const char* ano = "2013", const QString& nome = "EMPRESA TESTE LTDA") {
    t.GetContribuinte().SetNi(ni);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetAnoCalendario(QString::fromLatin1(ano));
    const bool pessoa = ni.size() == 11;
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(pessoa ? 9 : 0));
    TResponsavel& r = t.GetResponsavel();
    r.SetNi(kCpfResponsavel);
    r.GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
    r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
    r.GetFax().GetNumero().SetValor(QStringLiteral("33335555"));
    r.GetEmail().SetValor(QStringLiteral("fulano@exemplo.com.br"));
  }

  void Cria(const QString& ni, const char* ano = "2013", int natureza = -1) {
    Declaracao d;
    Preenche(d.tolv, ni, ano);
    if (natureza >= 0) d.tolv.SetNatureza(d.tolv.GetNaturezas().BuscaNatureza(natureza));
    m_colecao->Inclui(d.tolv);
  }

  QString Dados(const QString& arquivo) const { return m_pasta.dados() + '/' + arquivo; }

  QString Le(const QString& arquivo, const QString& sql) const { return m_pasta.le(arquivo, sql); }
  void Roda(const QString& arquivo, const QString& sql) const { m_pasta.roda(arquivo, sql); }
  QString LeIndice(const QString& sql) const { return Le(QStringLiteral("Tolv.FDB"), sql); }

  std::unique_ptr<TColecaoTolv> m_colecao;
};

TEST_F(ColecaoTolv, CreatesADeclarationWithItsRowAndItsDatabase) {
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  d.tolv.GetEstabelecimentoResponsavel().SetNi(kFilial);
  d.tolv.GetRespCnpj().SetNi(kCpf);
  d.tolv.SetTipoDeclaracao(QStringLiteral("R"));
  d.tolv.GetNrRecibo().CarregaValor(QStringLiteral("123456789012"));
  d.tolv.SetInAdmFC(1);
  d.tolv.SetInCopa(1);
  d.tolv.SetInRemessa(1);
  d.tolv.SetInOstensivo(1);
  d.tolv.SetSituacaoEspecial(1);
  d.tolv.SetDataEvento(QStringLiteral("15/03/2013"));
  d.tolv.SetTipoEvento(1);
  m_colecao->Inclui(d.tolv);

  EXPECT_FALSE(d.tolv.GetTolvDK().isEmpty());
  EXPECT_EQ(d.tolv.GetArquivo(), Banco(kMatriz));
  ASSERT_TRUE(QFile::exists(Dados(Banco(kMatriz))));
  EXPECT_EQ(QFileInfo(TColecao::GetBancoDeclaracao()->arquivo()).fileName(), Banco(kMatriz));
  EXPECT_EQ(m_colecao->Reconta(), 1);
  EXPECT_TRUE(m_caixa.chamadas().empty());

  // The index row, with the person responsible kept once per CPF.
  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || NM_NM_EMPR || '|' || IN_NATUREZADECLAR || '|' || NR_EST_RESP || '|' || "
                     "RESP_NO_CNPJ || '|' || SCP || '|' || IN_ENCERRA || '|' || ARQUIVO FROM TOLVS"),
            "114447770001|EMPRESA TESTE LTDA|0|0002|123456789|T|1|" + Banco(kMatriz));
  EXPECT_EQ(LeIndice("SELECT NM_RESP || '|' || ED_DDD || '|' || ED_FAX FROM RESPONSAVEIS WHERE NR_PF = '987654321'"),
            "FULANO DE TAL|61|33335555");
  // The declaration's own header, its source 1 and its up-to-date summary.
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NR_PF_PJ || '|' || IN_RETIFIC || '|' || RESP_PF || '|' || DATA_EVENTO FROM TOLVS"),
            "114447770001|R|987654321|2013-03-15");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 1"), "114447770001");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT OK FROM RESUMOS WHERE E_FONTE_DK = 1"), "1");

  // Loading it back into a fresh object gives the same header.
  Declaracao lida;
  lida.tolv.GetContribuinte().SetNi(kMatriz);
  lida.tolv.SetAnoCalendario(QStringLiteral("2013"));
  ASSERT_TRUE(m_colecao->CarregaTolv(lida.tolv));
  const TTolv& t = lida.tolv;
  EXPECT_EQ(t.GetTolvDK(), d.tolv.GetTolvDK());
  EXPECT_EQ(t.GetContribuinte().GetNome().GetValor(), "EMPRESA TESTE LTDA");
  EXPECT_EQ(t.GetCodigoNatureza(), 0);
  EXPECT_EQ(t.GetTipoDeclaracao(), "R");
  EXPECT_EQ(t.GetSituacaoEspecial(), 1);
  EXPECT_EQ(t.GetDataEvento(), "15/03/2013");
  EXPECT_EQ(t.GetMesEvento(), 3);
  EXPECT_EQ(t.GetTipoEvento(), 1);
  EXPECT_EQ(lida.tolv.GetNrRecibo().GetValor(), "123456789012");
  EXPECT_EQ(lida.tolv.GetEstabelecimentoResponsavel().GetNiDigitos(), kFilial);
  EXPECT_EQ(lida.tolv.GetRespCnpj().GetNiDigitos(), kCpf);
  EXPECT_EQ(t.GetInAdmFC(), 1);
  EXPECT_EQ(t.GetInCopa(), 1);
  EXPECT_EQ(t.GetInRemessa(), 1);
  EXPECT_EQ(t.GetInOstensivo(), 1);
  EXPECT_EQ(t.GetInPlanoSaude(), 0);
  TResponsavel& r = lida.tolv.GetResponsavel();
  EXPECT_EQ(r.GetNiDigitos(), kCpfResponsavel);
  EXPECT_EQ(r.GetFone().GetNumero().GetValor(), "33334444");
  EXPECT_EQ(r.GetFax().GetDDD().GetValor(), "61");
  EXPECT_EQ(r.GetEmail().GetValor(), "fulano@exemplo.com.br");
  EXPECT_EQ(lida.erros.GetQuantidade(), 0);
  EXPECT_EQ(lida.tolv.GetResumo().GetOk(), 1);
  ASSERT_NE(m_colecao->GetTolvCarregado(), nullptr);
  EXPECT_EQ(m_colecao->GetTolvCarregado()->GetTolvDK(), d.tolv.GetTolvDK());
}

struct CasoRepetida {
  const char* ni;
  int codigo;
  const char* mensagem;
};
class ColecaoTolvRepetida : public ColecaoTolv, public testing::WithParamInterface<CasoRepetida> {};

TEST_P(ColecaoTolvRepetida, RefusesADeclarationAlreadyListedAndTouchesNoFile) {
  const QString ni = QString::fromLatin1(GetParam().ni);
  Cria(ni);
  Roda(Banco(ni), "UPDATE VERSAO SET GERACAO = 'marca'");
  const QDateTime antes = QFileInfo(Dados(Banco(ni))).lastModified();

  Declaracao d;
  Preenche(d.tolv, ni);
  try {
    m_colecao->Inclui(d.tolv);
    FAIL() << "aceitou";
  } catch (const EColecaoError& e) {
    EXPECT_EQ(e.Codigo(), GetParam().codigo);
    EXPECT_EQ(e.GetMensagem(), QString::fromUtf8(GetParam().mensagem));
  }
  EXPECT_EQ(QFileInfo(Dados(Banco(ni))).lastModified(), antes);
  EXPECT_EQ(Le(Banco(ni), "SELECT GERACAO FROM VERSAO"), "marca");
  EXPECT_EQ(m_colecao->Reconta(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Declarantes, ColecaoTolvRepetida,
    testing::Values(CasoRepetida{"11444777000161", 46,
                                 "Já existe declaração para o CNPJ 11.444.777/0001-61 no ano-calendário 2013. Utilize a "
                                 "opção abrir no menu declaração ou corrija."},
                    CasoRepetida{"12345678909", 47,
                                 "Já existe declaração para o CPF 123.456.789-09 no ano-calendário 2013. Utilize a opção "
                                 "abrir no menu declaração ou corrija."}));

TEST_F(ColecaoTolv, CreatingOverAnUnlistedDatabaseKeepsThatFileAside) {
  m_pasta.copiaBanco("TOLV2014PD.FDB", Banco(kMatriz));
  Roda(Banco(kMatriz), "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (7, 0, '999')");

  Cria(kMatriz);

  EXPECT_EQ(Le(Banco(kMatriz), "SELECT COUNT(*) FROM FONTES WHERE FONTE_DK = 7"), "0");
  const QStringList guardados = QDir(m_pasta.dados()).entryList({Banco(kMatriz) + ".anterior-*"}, QDir::Files);
  ASSERT_EQ(guardados.size(), 1);
  EXPECT_EQ(Le(guardados[0], "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 7"), "999");
  EXPECT_EQ(m_colecao->Reconta(), 1);
}

TEST_F(ColecaoTolv, CreatingOverTheUnlistedFileTheConnectionHoldsKeepsItToo) {
  Cria(kMatriz);
  Roda("Tolv.FDB", "DELETE FROM TOLVS");
  Roda(Banco(kMatriz), "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (7, 0, '999')");
  m_colecao->Atualiza();

  Cria(kMatriz);

  EXPECT_TRUE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT COUNT(*) FROM FONTES WHERE FONTE_DK = 7"), "0");
  const QStringList guardados = QDir(m_pasta.dados()).entryList({Banco(kMatriz) + ".anterior-*"}, QDir::Files);
  ASSERT_EQ(guardados.size(), 1);
  EXPECT_EQ(Le(guardados[0], "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 7"), "999");
}

TEST_F(ColecaoTolv, ListsInOrderOfKindNumberAndYearWithoutMovingTheDeclarationConnection) {
  Cria(kOutraEmpresa);
  Cria(kCpf, "2012");
  Cria(kMatriz, "2012");
  Cria(kMatriz);
  TColecao::GetBancoDeclaracao()->desconecta();
  TColecao::GetBancoDeclaracao()->defineArquivo(QString());
  QFile::remove(Dados(Banco(kOutraEmpresa)));

  EXPECT_EQ(m_colecao->Reconta(), 4);
  Declaracao d;
  QStringList lidas;
  for (m_colecao->CarregaPrimeiro(d.tolv); !m_colecao->NoFim(); m_colecao->CarregaProximo(d.tolv))
    lidas << d.tolv.GetContribuinte().GetNiDigitos() + '/' + d.tolv.GetAnoCalendario();
  EXPECT_EQ(lidas, QStringList({kCpf + "/2012", kMatriz + "/2012", kMatriz + "/2013", kOutraEmpresa + "/2013"}));
  EXPECT_FALSE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_FALSE(QFile::exists(Dados(Banco(kOutraEmpresa))));
}

TEST_F(ColecaoTolv, EveryRoadThatLoadsARowLoadsItsSummaries) {
  Cria(kMatriz);
  Cria(kCpf, "2012");
  Roda(Banco(kMatriz), "UPDATE RESUMOS SET TOT_BENEF = 3, TOT_REND = 1234.5678, OK = 1 WHERE E_FONTE_DK = 1");
  Roda(Banco(kCpf, "2012"), "UPDATE RESUMOS SET TOT_BENEF = 1, TOT_IRRF = 10, OK = 0 WHERE E_FONTE_DK = 1");
  ASSERT_EQ(QFileInfo(TColecao::GetBancoDeclaracao()->arquivo()).fileName(), Banco(kCpf, "2012"));

  // Browsing the list: the declaration open on the connection, and one that is not.
  Declaracao d;
  m_colecao->CarregaPrimeiro(d.tolv);
  ASSERT_EQ(d.tolv.GetContribuinte().GetNiDigitos(), kCpf);
  EXPECT_EQ(d.tolv.GetResumo().GetTotIrrf().GetValorInterno(), Valor::deReais(10));
  EXPECT_EQ(d.tolv.GetResumo().GetOk(), 0);
  m_colecao->CarregaProximo(d.tolv);
  ASSERT_EQ(d.tolv.GetContribuinte().GetNiDigitos(), kMatriz);
  EXPECT_EQ(d.tolv.GetResumo().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(12345678));
  EXPECT_EQ(d.tolv.GetResumo().GetTotBenef().GetValorInterno(), Valor::deReais(3));
  EXPECT_TRUE(d.tolv.GetResumo().GetTotIrrf().GetValorInterno().ehZero());
  EXPECT_EQ(d.tolv.GetResumoGeral().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(12345678));
  EXPECT_EQ(d.tolv.GetResumo().GetOk(), 1);
  // Browsing left the declaration connection where it was.
  EXPECT_EQ(QFileInfo(TColecao::GetBancoDeclaracao()->arquivo()).fileName(), Banco(kCpf, "2012"));

  // Loading the declaration to work on it.
  Declaracao aberta;
  aberta.tolv.GetContribuinte().SetNi(kMatriz);
  aberta.tolv.SetAnoCalendario(QStringLiteral("2013"));
  ASSERT_TRUE(m_colecao->CarregaTolv(aberta.tolv));
  EXPECT_EQ(aberta.tolv.GetResumo().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(12345678));
  EXPECT_EQ(m_colecao->GetTolvCarregado()->GetResumo().GetTotRend().GetValorInterno(), Valor::deDezMilesimos(12345678));
}

TEST_F(ColecaoTolv, FindsByKeyByDeclarantAndYearAndNamesFromAnotherYear) {
  Cria(kMatriz, "2012");
  Declaracao criada;
  Preenche(criada.tolv, kMatriz);
  m_colecao->Inclui(criada.tolv);

  Declaracao porChave;
  porChave.tolv.SetTolvDK(criada.tolv.GetTolvDK());
  EXPECT_TRUE(m_colecao->Localiza(porChave.tolv));
  EXPECT_EQ(m_colecao->GetConsultaAtual()->campo("AN_RETENCA").texto(), "2013");

  Declaracao outroAno;
  outroAno.tolv.GetContribuinte().SetNi(kMatriz);
  outroAno.tolv.SetAnoCalendario(QStringLiteral("2011"));
  EXPECT_FALSE(m_colecao->Localiza(outroAno.tolv));
  EXPECT_EQ(outroAno.tolv.GetContribuinte().GetNome().GetValor(), "EMPRESA TESTE LTDA");
  EXPECT_FALSE(m_colecao->CarregaTolv(outroAno.tolv));

  Declaracao desconhecida;
  desconhecida.tolv.GetContribuinte().SetNi(kCpf);
  EXPECT_FALSE(m_colecao->Localiza(desconhecida.tolv));
  EXPECT_TRUE(desconhecida.tolv.GetContribuinte().GetNome().GetValor().isEmpty());
}

TEST_F(ColecaoTolv, LoadingARowWithoutOrderNumberTakesTheDeclarantAsEstablishment) {
  Cria(kFilial);
  Roda("Tolv.FDB", "UPDATE TOLVS SET NR_EST_RESP = '0000'");
  Declaracao d;
  d.tolv.GetContribuinte().SetNi(kFilial);
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  EXPECT_EQ(d.tolv.GetEstabelecimentoResponsavel().GetNiDigitos(), kFilial);

  Roda("Tolv.FDB", "UPDATE TOLVS SET NR_EST_RESP = '0001'");
  m_colecao->Atualiza();
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  EXPECT_EQ(d.tolv.GetEstabelecimentoResponsavel().GetNiDigitos(), kMatriz);
}

TEST_F(ColecaoTolv, AnEventDateThatIsNoDateIsRefusedBeforeAnythingIsWritten) {
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  d.tolv.SetDataEvento(QStringLiteral("31/02/2013"));
  try {
    m_colecao->Inclui(d.tolv);
    FAIL() << "aceitou";
  } catch (const ETolvError& e) {
    EXPECT_EQ(e.Codigo(), 125);
  }
  EXPECT_EQ(m_colecao->Reconta(), 0);
}

struct CasoExclusao {
  const char* nome;
  bool arquivoPresente;
};
class ColecaoTolvExclusao : public ColecaoTolv, public testing::WithParamInterface<CasoExclusao> {};

TEST_P(ColecaoTolvExclusao, DeletesTheRowAndTheFile) {
  Cria(kOutraEmpresa);
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  m_colecao->Inclui(d.tolv);
  if (!GetParam().arquivoPresente) {
    TColecao::GetBancoDeclaracao()->desconecta();
    ASSERT_TRUE(QFile::remove(Dados(Banco(kMatriz))));
  }

  m_colecao->Exclui(d.tolv);

  EXPECT_FALSE(QFile::exists(Dados(Banco(kMatriz))));
  EXPECT_TRUE(QFile::exists(Dados(Banco(kOutraEmpresa))));
  EXPECT_EQ(m_colecao->Reconta(), 1);
  EXPECT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS"), "1");
  EXPECT_FALSE(m_colecao->Localiza(d.tolv));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

INSTANTIATE_TEST_SUITE_P(Arquivos, ColecaoTolvExclusao,
                         testing::Values(CasoExclusao{"Presente", true}, CasoExclusao{"Ausente", false}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ColecaoTolv, AFileInUseIsNotDeletedAndKeepsItsRow) {
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  m_colecao->Inclui(d.tolv);
  bd::Conexao outra(Dados(Banco(kMatriz)));
  outra.conecta();
  try {
    m_colecao->Exclui(d.tolv);
    FAIL() << "excluiu";
  } catch (const EColecaoError& e) {
    EXPECT_EQ(e.Codigo(), 98);
    EXPECT_EQ(e.GetMensagem(),
              "Não foi possível excluir a declaração: 11.444.777/0001-61.  Verifique se o arquivo está sendo utilizado "
              "por outro aplicativo.");
  }
  outra.desconecta();
  EXPECT_TRUE(QFile::exists(Dados(Banco(kMatriz))));
  EXPECT_EQ(m_colecao->Reconta(), 1);
  EXPECT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS"), "1");
}

// What the head-office change does: the declaration loaded, the order and check digits retyped.
class ColecaoTolvMatriz : public ColecaoTolv {
 protected:
  void SetUp() override {
    ColecaoTolv::SetUp();
    Cria(kMatriz);
    Roda(Banco(kMatriz), "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (5, 1, '555')");
    m_alterada.tolv.GetContribuinte().SetNiPelaBase(kMatriz.left(12));
    m_alterada.tolv.SetAnoCalendario(QStringLiteral("2013"));
    ASSERT_TRUE(m_colecao->CarregaTolv(m_alterada.tolv));
    m_alterada.tolv.GetContribuinte().SetNi(kFilial);
  }
  void TearDown() override {
    m_alterada.tolv.LiberaItens();
    ColecaoTolv::TearDown();
  }
  Declaracao m_alterada;
};

TEST_F(ColecaoTolvMatriz, TheRenamedDatabaseCarriesTheNewNumberInItsHeader) {
  m_colecao->Salva(m_alterada.tolv);

  EXPECT_FALSE(QFile::exists(Dados(Banco(kMatriz))));
  ASSERT_TRUE(QFile::exists(Dados(Banco(kFilial))));
  EXPECT_EQ(Le(Banco(kFilial), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 5"), "555");
  EXPECT_EQ(Le(Banco(kFilial), "SELECT NR_PF_PJ || '|' || NM_NM_EMPR FROM TOLVS"), "114447770002|EMPRESA TESTE LTDA");
  EXPECT_EQ(Le(Banco(kFilial), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 1"), "114447770002");
  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || ARQUIVO FROM TOLVS"), "114447770002|" + Banco(kFilial));
  EXPECT_EQ(m_alterada.tolv.GetArquivo(), Banco(kFilial));
  EXPECT_EQ(m_alterada.tolv.GetArquivoAnterior(), Banco(kMatriz));
  // Nothing is left for the main window to rename.
  EXPECT_EQ(m_alterada.tolv.GetNiAlterado(), 0);
  EXPECT_EQ(QFileInfo(TColecao::GetBancoDeclaracao()->arquivo()).fileName(), Banco(kFilial));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(ColecaoTolvMatriz, AStrayFileOfTheNewNameIsKeptAside) {
  m_pasta.copiaBanco("TOLV2014PD.FDB", Banco(kFilial));
  m_colecao->Salva(m_alterada.tolv);
  EXPECT_EQ(Le(Banco(kFilial), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 5"), "555");
  EXPECT_EQ(QDir(m_pasta.dados()).entryList({Banco(kFilial) + ".anterior-*"}, QDir::Files).size(), 1);
}

TEST_F(ColecaoTolvMatriz, ANumberAlreadyListedIsRefusedAndNothingMoves) {
  Cria(kFilial);
  m_colecao->Atualiza();
  try {
    m_colecao->Salva(m_alterada.tolv);
    FAIL() << "aceitou";
  } catch (const EColecaoError& e) {
    EXPECT_EQ(e.Codigo(), 46);
  }
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 5"), "555");
  EXPECT_EQ(Le(Banco(kFilial), "SELECT COUNT(*) FROM FONTES WHERE FONTE_DK = 5"), "0");
  EXPECT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS WHERE NR_PF_PJ = '114447770001'"), "1");
}

TEST_F(ColecaoTolvMatriz, AFileThatCannotBeRenamedKeepsTheIndexAsItWas) {
  bd::Conexao outra(Dados(Banco(kMatriz)));
  outra.conecta();
  try {
    m_colecao->Salva(m_alterada.tolv);
    FAIL() << "renomeou";
  } catch (const EColecaoError& e) {
    EXPECT_EQ(e.Codigo(), 95);
  }
  outra.desconecta();
  EXPECT_TRUE(QFile::exists(Dados(Banco(kMatriz))));
  EXPECT_FALSE(QFile::exists(Dados(Banco(kFilial))));
  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ FROM TOLVS"), "114447770001");
}

TEST_F(ColecaoTolv, AdoptsADatabaseFileThatTheIndexDoesNotList) {
  Declaracao d;
  Preenche(d.tolv, kCpf, "2012", QStringLiteral("JOSE DA SILVA"));
  d.tolv.SetInCopa(1);
  d.tolv.SetDataEvento(QStringLiteral("10/05/2012"));
  m_colecao->Inclui(d.tolv);
  Roda("Tolv.FDB", "DELETE FROM TOLVS");
  m_colecao->Atualiza();
  ASSERT_TRUE(m_colecao->Vazia());

  Declaracao achada;
  ASSERT_EQ(TColecaoTolv::LeCabecalhoBanco(Banco(kCpf, "2012"), achada.tolv), TColecaoTolv::Cabecalho::Lido);
  EXPECT_EQ(achada.tolv.GetArquivo(), Banco(kCpf, "2012"));
  EXPECT_EQ(achada.tolv.GetCodigoNatureza(), 9);
  EXPECT_EQ(achada.tolv.GetInCopa(), 1);
  m_colecao->RegistraBanco(achada.tolv);
  EXPECT_FALSE(achada.tolv.GetTolvDK().isEmpty());

  Declaracao aberta;
  aberta.tolv.GetContribuinte().SetNi(kCpf);
  aberta.tolv.SetAnoCalendario(QStringLiteral("2012"));
  ASSERT_TRUE(m_colecao->CarregaTolv(aberta.tolv));
  EXPECT_EQ(aberta.tolv.GetContribuinte().GetNome().GetValor(), "JOSE DA SILVA");
  EXPECT_EQ(aberta.tolv.GetDataEvento(), "10/05/2012");
  EXPECT_EQ(aberta.tolv.GetResponsavel().GetNiDigitos(), kCpfResponsavel);
  EXPECT_EQ(LeIndice("SELECT IN_NATUREZADECLAR || '|' || ARQUIVO FROM TOLVS"), "9|" + Banco(kCpf, "2012"));

  // Adopting it again keeps its one row.
  m_colecao->RegistraBanco(achada.tolv);
  EXPECT_EQ(m_colecao->Reconta(), 1);
}

struct CasoCabecalho {
  const char* nome;
  const char* preparo;  // run on a copy of the template
  TColecaoTolv::Cabecalho esperado;
};
class ColecaoTolvCabecalho : public ColecaoTolv, public testing::WithParamInterface<CasoCabecalho> {};

TEST_P(ColecaoTolvCabecalho, TellsWhatAFileHolds) {
  const QString arquivo = Banco(kMatriz);
  m_pasta.copiaBanco("TOLV2014PD.FDB", arquivo);
  const QString preparo = QString::fromLatin1(GetParam().preparo);
  if (preparo == "lixo") {
    QFile f(Dados(arquivo));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("isto nao e um banco de dados");
  } else if (!preparo.isEmpty()) {
    Roda(arquivo, preparo);
  }
  Declaracao d;
  EXPECT_EQ(TColecaoTolv::LeCabecalhoBanco(arquivo, d.tolv), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, ColecaoTolvCabecalho,
    testing::Values(
        CasoCabecalho{"SemCabecalho", "", TColecaoTolv::Cabecalho::SemDeclaracao},
        CasoCabecalho{"AnoDeOutraEdicao", "UPDATE VERSAO SET ANO = 2013", TColecaoTolv::Cabecalho::Incompativel},
        CasoCabecalho{"VersaoAntiga", "UPDATE VERSAO SET VERSAO = 99", TColecaoTolv::Cabecalho::Incompativel},
        CasoCabecalho{"NaoEhBanco", "lixo", TColecaoTolv::Cabecalho::Ilegivel},
        CasoCabecalho{"SemVersao", "DELETE FROM VERSAO", TColecaoTolv::Cabecalho::Ilegivel},
        CasoCabecalho{"Valido",
                      "INSERT INTO TOLVS (IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR) "
                      "VALUES ('2', '114447770001', '2013', 'EMPRESA', 7)",
                      TColecaoTolv::Cabecalho::Lido}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ColecaoTolv, AFileOfUnknownNatureIsAdoptedAsAnEntityWhoseNatureChanged) {
  m_pasta.copiaBanco("TOLV2014PD.FDB", Banco(kMatriz));
  Roda(Banco(kMatriz),
       "INSERT INTO TOLVS (IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR, DATA_EVENTO) "
       "VALUES ('2', '114447770001', '2013', 'EMPRESA', 6, '1899-12-30')");
  Declaracao d;
  ASSERT_EQ(TColecaoTolv::LeCabecalhoBanco(Banco(kMatriz), d.tolv), TColecaoTolv::Cabecalho::Lido);
  EXPECT_EQ(d.tolv.GetCodigoNatureza(), 8);
  EXPECT_EQ(d.tolv.GetMesEvento(), 99);
  EXPECT_TRUE(d.tolv.GetTolvDK().isEmpty());
}

// The declaration opened, its index row holding the indicators given, and its data as prepared.
struct CasoIndicadores {
  const char* nome;
  const char* ni;
  const char* indice;   // UPDATE TOLVS SET ... of the index row, or ""
  const char* dados;    // run on the declaration's database
  int admFcAntes;       // IN_ADM_FC of the opened declaration
  // expected in the declaration: IN_ADM_FC, IN_ADVOGADO, IN_REMESSA, IN_PLANOSAUDE, IN_SERVICONOTARIAL
  const char* declaracao;
  const char* linhaIndice;  // the same of the index row
};
class ColecaoTolvIndicadores : public ColecaoTolv, public testing::WithParamInterface<CasoIndicadores> {};

TEST_P(ColecaoTolvIndicadores, TurnsOnWhatTheDataCallForNeverOff) {
  const CasoIndicadores& c = GetParam();
  const QString ni = QString::fromLatin1(c.ni);
  Cria(ni);
  if (*c.indice) Roda("Tolv.FDB", QStringLiteral("UPDATE TOLVS SET ") + QString::fromLatin1(c.indice));
  if (*c.dados) Roda(Banco(ni), QString::fromLatin1(c.dados));
  m_colecao->Atualiza();
  Declaracao d;
  d.tolv.GetContribuinte().SetNi(ni);
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  d.tolv.SetInAdmFC(uint8_t(c.admFcAntes));

  m_colecao->VerificaIndicadores(d.tolv);

  const TTolv& t = d.tolv;
  EXPECT_EQ(QStringLiteral("%1%2%3%4%5")
                .arg(t.GetInAdmFC())
                .arg(t.GetInAdvogado())
                .arg(t.GetInRemessa())
                .arg(t.GetInPlanoSaude())
                .arg(t.GetInServicoNotarial()),
            QString::fromLatin1(c.declaracao));
  EXPECT_EQ(LeIndice("SELECT IN_ADM_FC || IN_ADVOGADO || IIF(IN_REMESSA = 'S', 1, 0) || IN_PLANOSAUDE || "
                     "IN_SERVICONOTARIAL FROM TOLVS"),
            QString::fromLatin1(c.linhaIndice));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColecaoTolvIndicadores,
    testing::Values(
        CasoIndicadores{"NadaAMudar", "11444777000161", "", "", 0, "00000", "00000"},
        CasoIndicadores{"FundoLigaOIndicador", "11444777000161", "",
                        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (2, 0, '1')", 0, "10000", "10000"},
        CasoIndicadores{"ProcessoSemDesligarOFundoDaDeclaracao", "11444777000161", "",
                        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (2, 1, '1')", 1, "11000", "01000"},
        CasoIndicadores{"IndiceLigadoSemDadosContinuaLigado", "11444777000161", "IN_ADM_FC = 1, IN_REMESSA = 'S'",
                        "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '1')", 1, "10110", "10110"},
        CasoIndicadores{"RemessaAoExterior", "11444777000161", "", "INSERT INTO TB_REMESSA (TREM_ID) VALUES (1)", 0,
                        "00100", "00100"},
        CasoIndicadores{"PessoaComPlanoDeSaudeEhTitularDeCartorio", "12345678909", "",
                        "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '1')", 0, "00011", "00011"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ColecaoTolv, ADeclarantOfUnknownKindIsACorruptFile) {
  Cria(kMatriz);
  Declaracao d;
  d.tolv.GetContribuinte().SetNi(kMatriz);
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  d.tolv.GetContribuinte().Limpar();
  EXPECT_THROW(
      {
        try {
          m_colecao->VerificaIndicadores(d.tolv);
        } catch (const std::runtime_error& e) {
          EXPECT_STREQ(e.what(), "Arquivo Corrompido");
          throw;
        }
      },
      std::runtime_error);
}

TEST_F(ColecaoTolv, AnotherEstablishmentOfTheRootLendsItsHeader) {
  Declaracao matriz;
  Preenche(matriz.tolv, kMatriz, "2013", QStringLiteral("ORGAO PUBLICO FEDERAL"));
  matriz.tolv.SetNatureza(matriz.tolv.GetNaturezas().BuscaNatureza(1));
  matriz.tolv.SetInAdvogado(1);
  matriz.tolv.SetInPlanoSaude(1);
  matriz.tolv.SetInRemessa(1);
  m_colecao->Inclui(matriz.tolv);
  Cria(kMatriz, "2012");
  m_colecao->Atualiza();

  Declaracao filial;
  filial.tolv.GetContribuinte().SetNi(kFilial);
  filial.tolv.SetAnoCalendario(QStringLiteral("2013"));
  ASSERT_TRUE(m_colecao->BuscaOutroEstabelecimento(filial.tolv));
  EXPECT_EQ(filial.tolv.GetContribuinte().GetNome().GetValor(), "ORGAO PUBLICO FEDERAL");
  EXPECT_EQ(filial.tolv.GetCodigoNatureza(), 1);
  EXPECT_EQ(filial.tolv.GetInAdvogado(), 1);
  EXPECT_EQ(filial.tolv.GetInPlanoSaude(), 1);
  EXPECT_EQ(filial.tolv.GetInRemessa(), 1);
  EXPECT_EQ(filial.tolv.GetInAdmFC(), 0);
  QString outro = QStringLiteral("nenhum");
  m_colecao->GetNiOutroEstabelecimento(filial.tolv, outro);
  EXPECT_EQ(outro, "114447770001");
  // A public body's establishments keep their declarations side by side.
  EXPECT_FALSE(m_colecao->ExisteOutroEstabelecimento(filial.tolv));

  // Once the establishment has its own declaration, nothing is lent.
  filial.tolv.SetNatureza(filial.tolv.GetNaturezas().BuscaNatureza(1));
  m_colecao->Inclui(filial.tolv);
  m_colecao->Atualiza();
  Declaracao denovo;
  denovo.tolv.GetContribuinte().SetNi(kFilial);
  EXPECT_FALSE(m_colecao->BuscaOutroEstabelecimento(denovo.tolv));
  outro = QStringLiteral("nenhum");
  m_colecao->GetNiOutroEstabelecimento(denovo.tolv, outro);
  EXPECT_EQ(outro, "nenhum");

  // A person has no establishments.
  Declaracao pessoa;
  pessoa.tolv.GetContribuinte().SetNi(kCpf);
  EXPECT_FALSE(m_colecao->BuscaOutroEstabelecimento(pessoa.tolv));
}

TEST_F(ColecaoTolv, APrivateCompanyKeepsOneDeclarationPerRoot) {
  Cria(kMatriz, "2013", 0);
  Cria(kMatriz, "2004", 0);
  m_colecao->Atualiza();
  Declaracao filial;
  filial.tolv.GetContribuinte().SetNi(kFilial);
  filial.tolv.SetAnoCalendario(QStringLiteral("2013"));
  EXPECT_TRUE(m_colecao->ExisteEstabelecimentoPrivado(filial.tolv));
  EXPECT_TRUE(m_colecao->ExisteOutroEstabelecimento(filial.tolv));
  // Up to 2004 the rule did not exist.
  filial.tolv.SetAnoCalendario(QStringLiteral("2004"));
  EXPECT_TRUE(m_colecao->ExisteEstabelecimentoPrivado(filial.tolv));
  EXPECT_FALSE(m_colecao->ExisteOutroEstabelecimento(filial.tolv));
}

struct CasoConflito {
  const char* nome;
  int naturezas[3];  // of the establishments 0001, 0002 and 0003
  bool conflito;     // asked for establishment 0001
};
class ColecaoTolvConflito : public ColecaoTolv, public testing::WithParamInterface<CasoConflito> {};

TEST_P(ColecaoTolvConflito, OnlyPublicBodiesShareARoot) {
  const QString nis[] = {kMatriz, kFilial, kFilial3};
  for (int i = 0; i < 3; ++i) Cria(nis[i], "2013", GetParam().naturezas[i]);
  Cria(kOutraEmpresa, "2013", 0);
  EXPECT_EQ(m_colecao->ConflitoEstabelecimento(kMatriz.left(12), QStringLiteral("2013")), GetParam().conflito);
  EXPECT_FALSE(m_colecao->ConflitoEstabelecimento(kMatriz.left(12), QStringLiteral("2012")));
}

INSTANTIATE_TEST_SUITE_P(Naturezas, ColecaoTolvConflito,
                         testing::Values(CasoConflito{"OrgaosPublicos", {1, 2, 1}, false},
                                         CasoConflito{"OutroPrivado", {1, 0, 1}, true},
                                         CasoConflito{"ElaMesmaPrivada", {0, 1, 2}, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The index refuses to commit a row of the new number or of the name "RECUSADA", as a full disk
// would at the end of the save.
class ColecaoTolvIndiceRecusa : public ColecaoTolvMatriz {
 protected:
  void SetUp() override {
    RecusaConfirmacao(m_pasta, QStringLiteral("Tolv.FDB"),
                      QStringLiteral("EXISTS (SELECT 1 FROM TOLVS WHERE NR_PF_PJ = '114447770002' OR "
                                     "NM_NM_EMPR = 'RECUSADA')"));
    ColecaoTolvMatriz::SetUp();
  }
};

TEST_F(ColecaoTolvIndiceRecusa, AHeadOfficeChangeTheIndexRefusesLeavesBothDatabasesAndTheFileAsTheyWere) {
  m_colecao->Salva(m_alterada.tolv);

  EXPECT_TRUE(FalhaBancoIndice);
  // Reported, not ending the process; the collection itself shows nothing.
  ASSERT_FALSE(m_falhas.falhas().empty());
  EXPECT_TRUE(m_falhas.falhas().front().Mensagem().contains(QStringLiteral("confirmacao recusada")));
  EXPECT_EQ(m_falhas.falhas().front().GetLado(), EFalhaBanco::Lado::Indice);
  EXPECT_FALSE(m_falhas.falhas().front().Fatal());
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_FALSE(QFile::exists(Dados(Banco(kFilial))));
  ASSERT_TRUE(QFile::exists(Dados(Banco(kMatriz))));
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NR_PF_PJ FROM TOLVS"), "114447770001");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 5"), "555");
  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || ARQUIVO FROM TOLVS"), "114447770001|" + Banco(kMatriz));
  EXPECT_EQ(m_alterada.tolv.GetArquivo(), Banco(kMatriz));
}

TEST_F(ColecaoTolvIndiceRecusa, AClosingTheIndexRefusesKeepsTheAmountsAndBothHeaders) {
  Roda(Banco(kMatriz), "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, "
                       "VL_RENDIME_MAR, VL_RENDIME_ABR) VALUES (1, 1, '0561', '1', '123456789', 100, 200)");
  Declaracao d;
  d.tolv.GetContribuinte().SetNiPelaBase(kMatriz.left(12));
  d.tolv.SetAnoCalendario(QStringLiteral("2013"));
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  d.tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("RECUSADA"));

  m_colecao->SalvaComEncerramento(d.tolv, QDate(2013, 3, 10));

  EXPECT_TRUE(FalhaBancoIndice);
  EXPECT_FALSE(m_falhas.falhas().empty());
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT VL_RENDIME_MAR || '|' || VL_RENDIME_ABR FROM TOLV_ITENS"), "100.0000|200.0000");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NM_NM_EMPR FROM TOLVS"), "EMPRESA TESTE LTDA");
  EXPECT_EQ(LeIndice("SELECT NM_NM_EMPR FROM TOLVS"), "EMPRESA TESTE LTDA");
}

TEST_F(ColecaoTolv, AClosingTheDeclarationRefusesLeavesTheIndexAsItWas) {
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  m_colecao->Inclui(d.tolv);
  RecusaConfirmacao(m_pasta, Banco(kMatriz), QStringLiteral("EXISTS (SELECT 1 FROM TOLVS WHERE NM_NM_EMPR = 'RECUSADA')"));
  m_colecao.reset();
  TColecao::FechaConexoes();
  m_colecao = std::make_unique<TColecaoTolv>();
  ASSERT_TRUE(m_colecao->CarregaTolv(d.tolv));
  d.tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("RECUSADA"));

  m_colecao->SalvaComEncerramento(d.tolv, QDate(2013, 3, 10));

  EXPECT_TRUE(FalhaBanco);
  EXPECT_FALSE(FalhaBancoIndice);
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT NM_NM_EMPR FROM TOLVS"), "EMPRESA TESTE LTDA");
  EXPECT_EQ(LeIndice("SELECT NM_NM_EMPR FROM TOLVS"), "EMPRESA TESTE LTDA");
}

TEST_F(ColecaoTolv, StatusFundCnpjAndTheClosingOfTheYear) {
  Declaracao d;
  Preenche(d.tolv, kMatriz);
  m_colecao->Inclui(d.tolv);

  AtualizaStatusTolv(*m_colecao, d.tolv, 1);
  EXPECT_EQ(LeIndice("SELECT IN_STATUS FROM TOLVS"), "1");

  EXPECT_FALSE(CnpjUsadoEmFundo(*m_colecao, d.tolv));
  Roda(Banco(kMatriz), "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, IN_TIPO, NR_PF_PJ) VALUES (3, '2', 0, '114447770001')");
  EXPECT_TRUE(CnpjUsadoEmFundo(*m_colecao, d.tolv));

  Roda(Banco(kMatriz),
       "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_MAR, "
       "VL_RENDIME_ABR, VL_RETIDO_DEZ, VL_RENDIME_13) VALUES (1, 1, '0561', '1', '123456789', 100, 200, 300, 400);"
       "INSERT INTO TB_REMESSA (TREM_ID) VALUES (1);"
       "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA) VALUES (1, 1, '2013-03-31');"
       "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA) VALUES (2, 1, '2013-04-01');");
  AtualizaEncerramento(d.tolv.GetColecaoResumo(), QDate(2013, 3, 10));
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT VL_RENDIME_MAR || '|' || VL_RENDIME_ABR || '|' || VL_RETIDO_DEZ || '|' || "
                               "VL_RENDIME_13 FROM TOLV_ITENS"),
            "100.0000|0.0000|0.0000|400.0000");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT COUNT(*) || '|' || MIN(TVRE_ID) FROM TB_VALOR_REMESSA"), "1|1");
  EXPECT_EQ(Le(Banco(kMatriz), "SELECT TOT_REND FROM RESUMOS WHERE E_FONTE_DK = 1"), "500");
}

// The import stores the header through both procedures, every parameter first reset by its type.
TEST_F(ColecaoTolv, TheImportsCallsOfBothHeaderProceduresFit) {
  m_pasta.copiaBanco("TOLV2014PD.FDB", Banco(kCpf));
  bd::Conexao declaracao(Dados(Banco(kCpf)));
  declaracao.conecta();
  bd::Conexao indice(Dados("Tolv.FDB"));
  indice.conecta();
  bd::Transacao td(declaracao);
  bd::Transacao ti(indice);
  bd::Procedimento d(td, "INCLUI_ATU_TOLV");
  bd::Procedimento i(ti, "INCLUI_ATU_TOLV");
  for (bd::Procedimento* p : {&d, &i}) {
    p->prepara();
    for (const QString& nome : p->entradas())
      p->param(nome, nome == "DATA_GERA"     ? bd::Dado(TTolv::DataZero())
                     : nome == "DATA_EVENTO" ? bd::Dado(QDate(1899, 12, 30))
                     : nome.startsWith("NR_DISQ") || nome.startsWith("NR_ESTAB") || nome == "TOLV_DK" ? bd::Dado(0)
                                                                                                        : bd::Dado(""));
    p->param("AN_RETENCA", "2013");
    p->param("IN_RETIFIC", "R");
    p->param("NR_RECIBO", "123456789012");
    p->param("RESP_PF", "987654321");
    p->param("NM_RESP", "FULANO DE TAL");
    p->param("IN_LUCDIV", "N");
    p->param("IN_PF_PJ", "1");
    p->param("NR_PF_PJ", "123456789");
    p->param("NM_NM_EMPR", "JOSE DA SILVA");
    p->param("IN_NATUREZADECLAR", 9);
    p->param("IN_REMESSA", "S");
    p->param("DATA_EVENTO", "15/06/2013");
    p->param("IN_ENCERRA", 1);
    p->param("TIPO_EVENTO", "2");
    p->param("IN_PLANOSAUDE", 1);
    p->param("IN_GERACAO", "0");
    p->param("IN_OSTENSIVO", "N");
  }
  d.param("IN_TIPO", 0);
  i.param("TOLV_DK", bd::Dado());
  i.param("SCP", "F");
  i.param("ARQUIVO", Banco(kCpf));
  d.executa();
  i.executa();
  td.commit();
  ti.commit();
  declaracao.desconecta();
  indice.desconecta();

  Declaracao lida;
  lida.tolv.GetContribuinte().SetNi(kCpf);
  ASSERT_TRUE(m_colecao->CarregaTolv(lida.tolv));
  EXPECT_EQ(lida.tolv.GetSituacaoEspecial(), 1);
  EXPECT_EQ(lida.tolv.GetDataEvento(), "15/06/2013");
  EXPECT_EQ(lida.tolv.GetTipoEvento(), 2);
  EXPECT_EQ(lida.tolv.GetInRemessa(), 1);
  EXPECT_EQ(lida.tolv.GetTipoDeclaracao(), "R");
  EXPECT_EQ(Le(Banco(kCpf), "SELECT NM_NM_EMPR || '|' || IN_ENCERRA FROM TOLVS"), "JOSE DA SILVA|1");
}

}  // namespace
