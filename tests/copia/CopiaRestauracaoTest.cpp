#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

#include "CopiaTeste.h"
#include "copia/CopiaSeguranca.h"
#include "copia/NomesCopia.h"
#include "copia/RestauracaoCopia.h"
#include "plataforma/compressao/ZipTeste.h"
#include "plataforma/sistema/Pastas.h"

namespace {

using namespace copia_teste;

class Copia : public BaseCopia {
 protected:
  // Backs the whole base up into CopSeg/<nome>.
  QString GravaBase(const QString& nome = QStringLiteral("CopSeg.cmp")) {
    QDir().mkpath(CopSeg(QString()));
    compressao::Compressor c;
    const CopiaSeguranca::Resultado r = CopiaSeguranca::Grava(CopiaSeguranca::ListaBase(), CopSeg(nome), c, {});
    EXPECT_EQ(r.codigo, compressao::Concluido) << r.mensagem.toStdString();
    return CopSeg(nome);
  }
  RestauracaoCopia::Resultado Restaura(const QString& arquivo, RestauracaoCopia::Tipo tipo) {
    RestauracaoCopia r(tipo);
    RestauracaoCopia::Resultado e = r.Extrai(arquivo, {});
    if (!e.ok) return e;
    return tipo == RestauracaoCopia::Tipo::Base ? r.RestauraBase() : r.RestauraDeclaracao();
  }
};

TEST_F(Copia, BaseInteiraVoltaIgualDepoisDeDanificadaEApagada) {
  const auto antes = RetratoBase(Dados());
  ASSERT_EQ(antes.size(), 5) << "índice, modelo e três declarações";
  const CopiaSeguranca::Lista lista = CopiaSeguranca::ListaBase();
  ASSERT_TRUE(lista.valida()) << lista.falha.toStdString();
  EXPECT_EQ(QFileInfo(lista.arquivos.first()).fileName(), "Tolv.FDB");
  EXPECT_EQ(lista.arquivos.size(), 4);
  const QString arquivo = GravaBase();
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
  EXPECT_FALSE(QFile::exists(arquivo + ".tmp"));

  Danifica();

  const RestauracaoCopia::Resultado r = Restaura(arquivo, RestauracaoCopia::Tipo::Base);
  ASSERT_TRUE(r.ok) << r.mensagem.toStdString();
  EXPECT_EQ(RetratoBase(Dados()), antes);
  EXPECT_TRUE(QDir(Temp()).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Temp()));
}

TEST_F(Copia, UmaDeclaracaoVoltaParaOBancoEOIndice) {
  QDir().mkpath(CopSeg(QString()));
  const auto antes = Retrato(Dados(Banco(kPessoa)));
  const QString arquivo = CopSeg(NomesCopia::NomeCopiaDeclaracao("123456789", "2013"));
  EXPECT_EQ(QFileInfo(arquivo).fileName(), "TOLV2014123456789092013.dbk");
  compressao::Compressor c;
  ASSERT_EQ(CopiaSeguranca::Grava(CopiaSeguranca::ListaDeclaracao("123456789", "2013"), arquivo, c, {}).codigo,
            compressao::Concluido);
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
  EXPECT_EQ(zip_teste::NomesUnzip(arquivo), QStringList{Banco(kPessoa)});

  {
    TColecaoTolv colecao;
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(kPessoa);
    t.SetAnoCalendario("2013");
    ASSERT_TRUE(colecao.CarregaTolv(t));
    colecao.Exclui(t);
    t.LiberaItens();
  }
  TColecao::FechaConexoes();
  ASSERT_FALSE(QFile::exists(Dados(Banco(kPessoa))));
  ASSERT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS"), "2");

  const RestauracaoCopia::Resultado r = Restaura(arquivo, RestauracaoCopia::Tipo::Declaracao);
  ASSERT_TRUE(r.ok) << r.mensagem.toStdString();
  TColecao::FechaConexoes();
  EXPECT_EQ(Retrato(Dados(Banco(kPessoa))), antes);
  EXPECT_EQ(LeIndice("SELECT ARQUIVO FROM TOLVS WHERE NR_PF_PJ = '123456789'"), Banco(kPessoa));
  EXPECT_EQ(LeIndice("SELECT NM_NM_EMPR FROM TOLVS WHERE NR_PF_PJ = '123456789'"), "FULANO DE TAL");
  EXPECT_EQ(LeIndice("SELECT R.NM_RESP FROM TOLVS T JOIN RESPONSAVEIS R ON R.NR_PF = T.RESP_PF WHERE T.NR_PF_PJ = '123456789'"),
            "FULANO DE TAL");
  EXPECT_TRUE(QDir(Temp()).isEmpty());
}

TEST_F(Copia, OutroEstabelecimentoDaMesmaEmpresaImpedeARestauracao) {
  QDir().mkpath(CopSeg(QString()));
  const QString arquivo = CopSeg("filial.dbk");
  compressao::Compressor c;
  ASSERT_EQ(CopiaSeguranca::Grava(CopiaSeguranca::ListaDeclaracao("114447770002", "2013"), arquivo, c, {}).codigo,
            compressao::Concluido);
  m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS WHERE NR_PF_PJ = '114447770002';\n"
                           "UPDATE TOLVS SET IN_NATUREZADECLAR = 0 WHERE NR_PF_PJ = '114447770001'");
  const auto dados = RetratoBase(Dados());
  const RestauracaoCopia::Resultado r = Restaura(arquivo, RestauracaoCopia::Tipo::Declaracao);
  TColecao::FechaConexoes();
  EXPECT_EQ(r.codigo, RestauracaoCopia::kConflito);
  EXPECT_EQ(r.mensagem, "Já existe declaração para o CNPJ 11.444.777/0002-42, ano-calendário 2013.\rPara restaurar a cópia "
                        "de segurança de outro estabelecimento é necessário excluir a declaração constante na base.\r"
                        "Certifique-se de que a declaração não é mais necessária.");
  EXPECT_EQ(RetratoBase(Dados()), dados);
  EXPECT_TRUE(QDir(Temp()).isEmpty());
}

// Archives that a restore must refuse, each with a message, before anything of DADOS changes.
struct CasoHostil {
  const char* descricao;
  RestauracaoCopia::Tipo tipo;
  // Builds the archive from a good base's files (in `dados`) into `arquivo`.
  std::function<void(const QString& dados, const QString& temp, const QString& arquivo)> monta;
  const char* trecho;  // part of the message
};

QByteArray Conteudo(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The index with one row's file name changed, as a copy in `temp`.
QString IndiceAlterado(const QString& dados, const QString& temp, const char* arquivo) {
  const QString copia = temp + "/indice/Tolv.FDB";
  QDir().mkpath(temp + "/indice");
  QFile::copy(dados + "/Tolv.FDB", copia);
  bd::Conexao c(copia);
  c.conecta();
  bd::Transacao t(c);
  bd::Consulta q(t, "UPDATE TOLVS SET ARQUIVO = :A WHERE NR_PF_PJ = '123456789'");
  q.param("A", QString::fromUtf8(arquivo));
  q.executa();
  t.commit();
  c.desconecta();
  return copia;
}

class RestauracaoHostil : public BaseCopia, public testing::WithParamInterface<CasoHostil> {};

TEST_P(RestauracaoHostil, RecusadaComMensagemSemMexerEmDados) {
  const QString arquivo = m_pasta.caminho() + "/hostil.cmp";
  const QString oficina = m_pasta.caminho() + "/oficina";
  QDir().mkpath(oficina);
  GetParam().monta(Dados(), oficina, arquivo);
  ASSERT_TRUE(QFile::exists(arquivo));
  const auto antes = ArquivosDados(Dados());
  RestauracaoCopia restauracao(GetParam().tipo);
  const RestauracaoCopia::Resultado r = restauracao.Extrai(arquivo, {});
  TColecao::FechaConexoes();
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.mensagem.contains(QString::fromUtf8(GetParam().trecho))) << r.mensagem.toStdString();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
  EXPECT_TRUE(QDir(Temp()).isEmpty());
  EXPECT_FALSE(QFile::exists(m_pasta.caminho() + "/Tolv.FDB"));
}

using zip_teste::EscreveZip;
const QString kPessoaFdb = Banco(kPessoa);

INSTANTIATE_TEST_SUITE_P(
    Arquivos, RestauracaoHostil,
    testing::Values(
        CasoHostil{"nome que sobe uma pasta", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(d + "/Tolv.FDB")}, {"../Tolv.FDB", "mal"}});
                   },
                   "nome de arquivo não permitido"},
        CasoHostil{"nome com pasta", RestauracaoCopia::Tipo::Declaracao,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{("DADOS/" + kPessoaFdb).toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "nome de arquivo não permitido"},
        CasoHostil{"sem índice", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{kPessoaFdb.toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "não contém o índice"},
        CasoHostil{"arquivo estranho", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(d + "/Tolv.FDB")}, {"leia-me.txt", "oi"}});
                   },
                   "não é banco de dados de declaração"},
        CasoHostil{"modelo no lugar de uma declaração", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(d + "/Tolv.FDB")}, {"TOLV2014PD.FDB", Conteudo(d + "/TOLV2014PD.FDB")}});
                   },
                   "não é banco de dados de declaração"},
        CasoHostil{"índice que sobe uma pasta", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString& t, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(IndiceAlterado(d, t, "../Tolv.FDB"))},
                                    {kPessoaFdb.toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "nome de arquivo não permitido: \"../Tolv.FDB\""},
        CasoHostil{"modelo como entrada", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString& t, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(IndiceAlterado(d, t, "TOLV2014PD.FDB"))},
                                    {"TOLV2014PD.fdb", Conteudo(d + "/TOLV2014PD.FDB")}});
                   },
                   "não é banco de dados de declaração"},
        CasoHostil{"índice que aponta o modelo", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString& t, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(IndiceAlterado(d, t, "TOLV2014PD.FDB"))},
                                    {kPessoaFdb.toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "nome de arquivo não permitido: \"TOLV2014PD.FDB\""},
        CasoHostil{"índice que lista um banco ausente", RestauracaoCopia::Tipo::Base,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{"Tolv.FDB", Conteudo(d + "/Tolv.FDB")}, {kPessoaFdb.toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "listado no seu índice"},
        CasoHostil{"duas declarações numa cópia de declaração", RestauracaoCopia::Tipo::Declaracao,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{kPessoaFdb.toUtf8(), Conteudo(d + '/' + kPessoaFdb)},
                                    {Banco(kEmpresa).toUtf8(), Conteudo(d + '/' + Banco(kEmpresa))}});
                   },
                   "um único banco de dados"},
        CasoHostil{"declaração sob o nome de outra", RestauracaoCopia::Tipo::Declaracao,
                   [](const QString& d, const QString&, const QString& a) {
                     EscreveZip(a, {{Banco("52998224725").toUtf8(), Conteudo(d + '/' + kPessoaFdb)}});
                   },
                   "outro declarante"},
        CasoHostil{"não é uma cópia", RestauracaoCopia::Tipo::Base,
                   [](const QString&, const QString&, const QString& a) {
                     QFile f(a);
                     f.open(QIODevice::WriteOnly);
                     f.write("texto qualquer");
                   },
                   "não é uma cópia de segurança válida"}));

TEST_F(Copia, CopiaDeOutroAnoERecusada) {
  m_pasta.roda(Banco(kPessoa), "UPDATE VERSAO SET ANO = 2013");
  QDir().mkpath(CopSeg(QString()));
  compressao::Compressor c;
  ASSERT_EQ(CopiaSeguranca::Grava(CopiaSeguranca::ListaDeclaracao("123456789", "2013"), CopSeg("a.dbk"), c, {}).codigo,
            compressao::Concluido);
  m_pasta.roda("Tolv.FDB", "UPDATE VERSAO SET ANO = 2013");
  const QString base = GravaBase();
  const auto antes = ArquivosDados(Dados());
  for (auto [arquivo, tipo] : {std::pair{CopSeg("a.dbk"), RestauracaoCopia::Tipo::Declaracao},
                               std::pair{base, RestauracaoCopia::Tipo::Base}}) {
    RestauracaoCopia r(tipo);
    const RestauracaoCopia::Resultado e = r.Extrai(arquivo, {});
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.codigo, 1) << "extraída, mas recusada";
    EXPECT_FALSE(e.mensagem.isEmpty());
  }
  TColecao::FechaConexoes();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
  EXPECT_TRUE(QDir(Temp()).isEmpty());
}

TEST_F(Copia, BancoIlegivelENomeadoENenhumaCopiaEGravada) {
  const QString anterior = GravaBase();
  const QByteArray bytes = Conteudo(anterior);
  ASSERT_TRUE(QFile::remove(Dados(Banco(kFilial))));
  const CopiaSeguranca::Lista lista = CopiaSeguranca::ListaBase();
  EXPECT_FALSE(lista.valida());
  EXPECT_TRUE(lista.falha.contains(Banco(kFilial))) << lista.falha.toStdString();
  compressao::Compressor c;
  const CopiaSeguranca::Resultado r = CopiaSeguranca::Grava(lista, anterior, c, {});
  EXPECT_EQ(r.codigo, compressao::Falhou);
  EXPECT_TRUE(r.mensagem.contains(Banco(kFilial)));
  EXPECT_EQ(Conteudo(anterior), bytes);

  // A name in the index that is not a declaration database's is not followed.
  m_pasta.roda("Tolv.FDB", "UPDATE TOLVS SET ARQUIVO = '../../etc/passwd' WHERE NR_PF_PJ = '123456789'");
  EXPECT_TRUE(CopiaSeguranca::ListaBase().falha.contains("../../etc/passwd"));
}

TEST_F(Copia, CopiaInterrompidaPreservaAAnterior) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const QString arquivo = GravaBase();
  const QByteArray anterior = Conteudo(arquivo);
  // The child runs this test again in a program folder of its own: it takes this one's.
  const char* kPasta = "TOLV_TESTE_PROGRAMA_MORTO";
  if (qEnvironmentVariableIsEmpty(kPasta)) qputenv(kPasta, QFile::encodeName(m_pasta.caminho()));
  EXPECT_EXIT(
      {
        Pastas::definePrograma(qEnvironmentVariable(kPasta));
        // A larger base, so that the kill falls in the middle.
        QFile grande(qEnvironmentVariable(kPasta) + "/DADOS/" + Banco(kPessoa));
        grande.open(QIODevice::Append);
        grande.write(QByteArray(8 << 20, 'z'));
        grande.close();
        compressao::Compressor c;
        CopiaSeguranca::Grava(CopiaSeguranca::ListaBase(), qEnvironmentVariable(kPasta) + "/CopSeg/CopSeg.cmp", c,
                              [](int p) {
                                if (p >= 50) std::raise(SIGKILL);
                              });
      },
      testing::KilledBySignal(SIGKILL), "");
  qunsetenv(kPasta);
  EXPECT_EQ(Conteudo(arquivo), anterior);
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
}

TEST_F(Copia, CopiaDasLinhasDoIndiceTrocaTudoNumaTransacao) {
  const QString destino = Dados("outro-indice.FDB");
  m_pasta.copiaBanco("Tolv.FDB", "outro-indice.FDB");
  m_pasta.roda("outro-indice.FDB",
               "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR) VALUES (1, '1', '111444777', '2013', 'X');");
  m_pasta.roda("Tolv.FDB", "UPDATE TOLVS SET IN_NATUREZADECLAR = NULL, DATA_EVENTO = NULL WHERE NR_PF_PJ = '123456789'");
  const auto origem = Retrato(Dados("Tolv.FDB"));
  QString erro;
  ASSERT_TRUE(RestauracaoCopia::CopiaLinhasIndice(Dados("Tolv.FDB"), destino, &erro)) << erro.toStdString();
  const auto copiado = Retrato(destino);
  EXPECT_EQ(copiado["TOLVS"], origem["TOLVS"]);
  EXPECT_EQ(copiado["RESPONSAVEIS"], origem["RESPONSAVEIS"]);
  // A declaration created afterwards takes a key past the copied ones.
  const QString maior = m_pasta.le("outro-indice.FDB", "SELECT MAX(TOLV_DK) FROM TOLVS");
  EXPECT_GT(m_pasta.le("outro-indice.FDB", "SELECT GEN_ID(GEN_TOLV_DK, 1) FROM RDB$DATABASE").toInt(), maior.toInt());

  // A source that cannot be copied leaves the destination as it was.
  const auto antes = Retrato(destino);
  EXPECT_FALSE(RestauracaoCopia::CopiaLinhasIndice(Dados("TOLV2014PD.FDB"), destino, &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_EQ(Retrato(destino), antes);
}

}  // namespace
