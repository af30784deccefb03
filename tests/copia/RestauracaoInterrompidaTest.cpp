// A restore stopped while it replaces the files: the plan written before the first file lets the
// next start (or the next restore) complete it, so that the index and its databases come back
// together, each replaced file with the mode it had.

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

#include "CopiaTeste.h"
#include "copia/CopiaSeguranca.h"
#include "copia/NomesCopia.h"
#include "copia/RestauracaoCopia.h"
#include "plataforma/sistema/Pastas.h"

namespace {

using namespace copia_teste;

// What a stop throws in these tests: nothing of the program catches it, as nothing survives a kill.
struct Parado {};

constexpr QFileDevice::Permissions kModoIndice = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kModoBanco = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;

// The file's mode: owner, group and others (not what this process may do with it).
QFileDevice::Permissions Modo(const QString& arquivo) {
  return QFile::permissions(arquivo) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

class Interrompida : public BaseCopia {
 protected:
  void TearDown() override {
    RestauracaoCopia::DefineParada({});
    BaseCopia::TearDown();
  }

  QString Grava(const CopiaSeguranca::Lista& lista, const QString& nome) {
    QDir().mkpath(CopSeg(QString()));
    compressao::Compressor c;
    const CopiaSeguranca::Resultado r = CopiaSeguranca::Grava(lista, CopSeg(nome), c, {});
    EXPECT_EQ(r.codigo, compressao::Concluido) << r.mensagem.toStdString();
    return CopSeg(nome);
  }

  // The base damaged after the backup (BaseCopia::Danifica), its index and a database kept with
  // modes of their own.
  void DanificaComModos() {
    Danifica();
    ASSERT_TRUE(QFile::setPermissions(Dados(NomesCopia::kIndice), kModoIndice));
    ASSERT_TRUE(QFile::setPermissions(Dados(Banco(kEmpresa)), kModoBanco));
  }

  // Extracts the archive and replaces the files, stopping before step `parada` (none when -1).
  RestauracaoCopia::Resultado Restaura(const QString& arquivo, RestauracaoCopia::Tipo tipo, int parada = -1) {
    RestauracaoCopia::DefineParada([parada](int passo) {
      if (passo == parada) throw Parado{};
    });
    RestauracaoCopia r(tipo);
    RestauracaoCopia::Resultado e = r.Extrai(arquivo, {});
    if (!e.ok) return e;
    RestauracaoCopia::Resultado fim;
    try {
      fim = tipo == RestauracaoCopia::Tipo::Base ? r.RestauraBase() : r.RestauraDeclaracao();
    } catch (const Parado&) {
      fim = {1, false, QStringLiteral("parado")};
    }
    RestauracaoCopia::DefineParada({});
    TColecao::FechaConexoes();
    return fim;
  }

  // The index lists exactly the declaration databases of the data folder.
  void IndiceConfereComBancos() {
    QStringList listados;
    {
      bd::Conexao c(Dados(NomesCopia::kIndice));
      c.conecta();
      bd::Transacao t(c, {QStringLiteral("read")});
      bd::Consulta q(t, QStringLiteral("SELECT TRIM(ARQUIVO) FROM TOLVS ORDER BY 1"));
      for (q.abre(); !q.eof(); q.proximo()) listados << q.campo(1).texto();
    }
    QStringList presentes = QDir(Dados()).entryList({QStringLiteral("TOLV2014?*.FDB")}, QDir::Files, QDir::Name);
    presentes.removeAll(NomesCopia::kModelo);
    EXPECT_EQ(listados, presentes);
  }
};

class BaseInterrompida : public Interrompida, public testing::WithParamInterface<int> {};

// Three databases moved, the index, the stray database deleted, then the plan removed: a stop
// before each step.
TEST_P(BaseInterrompida, InicioSeguinteCompletaARestauracao) {
  const auto antes = RetratoBase(Dados());
  const QString arquivo = Grava(CopiaSeguranca::ListaBase(), "CopSeg.cmp");
  DanificaComModos();

  const RestauracaoCopia::Resultado r = Restaura(arquivo, RestauracaoCopia::Tipo::Base, GetParam());
  ASSERT_EQ(r.mensagem, "parado");
  ASSERT_TRUE(RestauracaoCopia::HaPendente());
  // Whatever runs meanwhile leaves TEMP to the plan.
  EXPECT_FALSE(RestauracaoCopia::LimpaTemp());

  CompletaRestauracaoPendente();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto,
            "A restauração de cópia de segurança que havia sido interrompida foi concluída.");
  EXPECT_FALSE(RestauracaoCopia::HaPendente());
  EXPECT_FALSE(QFileInfo::exists(Temp()));
  EXPECT_EQ(RetratoBase(Dados()), antes);
  IndiceConfereComBancos();
  EXPECT_EQ(Modo(Dados(NomesCopia::kIndice)), kModoIndice);
  EXPECT_EQ(Modo(Dados(Banco(kEmpresa))), kModoBanco);

  // Nothing left to complete at the start after that.
  m_caixa.limpa();
  CompletaRestauracaoPendente();
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

INSTANTIATE_TEST_SUITE_P(Passos, BaseInterrompida, testing::Range(0, 6));

class DeclaracaoInterrompida : public Interrompida, public testing::WithParamInterface<int> {};

// The database moved, then listed in the index, then the plan removed.
TEST_P(DeclaracaoInterrompida, InicioSeguinteCompletaARestauracao) {
  const auto antes = Retrato(Dados(Banco(kPessoa)));
  const QString arquivo = Grava(CopiaSeguranca::ListaDeclaracao("123456789", "2013"),
                                NomesCopia::NomeCopiaDeclaracao("123456789", "2013"));
  ASSERT_TRUE(QFile::remove(Dados(Banco(kPessoa))));
  m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS WHERE NR_PF_PJ = '123456789'");
  TColecao::FechaConexoes();

  ASSERT_EQ(Restaura(arquivo, RestauracaoCopia::Tipo::Declaracao, GetParam()).mensagem, "parado");
  ASSERT_TRUE(RestauracaoCopia::HaPendente());
  CompletaRestauracaoPendente();
  TColecao::FechaConexoes();
  EXPECT_FALSE(RestauracaoCopia::HaPendente());
  EXPECT_FALSE(QFileInfo::exists(Temp()));
  EXPECT_EQ(Retrato(Dados(Banco(kPessoa))), antes);
  EXPECT_EQ(LeIndice("SELECT NM_NM_EMPR FROM TOLVS WHERE NR_PF_PJ = '123456789'"), "FULANO DE TAL");
  IndiceConfereComBancos();
}

INSTANTIATE_TEST_SUITE_P(Passos, DeclaracaoInterrompida, testing::Range(0, 3));

// The next restore completes the one cut short before it extracts anything.
TEST_F(Interrompida, RestauracaoSeguinteCompletaAAnterior) {
  const auto antes = RetratoBase(Dados());
  const QString base = Grava(CopiaSeguranca::ListaBase(), "CopSeg.cmp");
  const QString declaracao = Grava(CopiaSeguranca::ListaDeclaracao("123456789", "2013"),
                                   NomesCopia::NomeCopiaDeclaracao("123456789", "2013"));
  DanificaComModos();
  ASSERT_EQ(Restaura(base, RestauracaoCopia::Tipo::Base, 2).mensagem, "parado");

  const RestauracaoCopia::Resultado r = Restaura(declaracao, RestauracaoCopia::Tipo::Declaracao);
  ASSERT_TRUE(r.ok) << r.mensagem.toStdString();
  EXPECT_FALSE(RestauracaoCopia::HaPendente());
  EXPECT_EQ(RetratoBase(Dados()), antes);
  IndiceConfereComBancos();
}

// The process killed for real in the middle of the replacement.
TEST_F(Interrompida, ProcessoMortoNoMeioECompletadoNoInicio) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto antes = RetratoBase(Dados());
  const QString arquivo = Grava(CopiaSeguranca::ListaBase(), "CopSeg.cmp");
  DanificaComModos();
  // The child runs this test again in a program folder of its own: it takes this one's.
  const char* kPasta = "TOLV_TESTE_RESTAURACAO_MORTA";
  if (qEnvironmentVariableIsEmpty(kPasta)) qputenv(kPasta, QFile::encodeName(m_pasta.caminho()));
  EXPECT_EXIT(
      {
        Pastas::definePrograma(qEnvironmentVariable(kPasta));
        RestauracaoCopia::DefineParada([](int passo) {
          if (passo == 2) std::raise(SIGKILL);
        });
        RestauracaoCopia r(RestauracaoCopia::Tipo::Base);
        if (r.Extrai(qEnvironmentVariable(kPasta) + "/CopSeg/CopSeg.cmp", {}).ok) r.RestauraBase();
        std::exit(0);
      },
      testing::KilledBySignal(SIGKILL), "");
  qunsetenv(kPasta);
  ASSERT_TRUE(RestauracaoCopia::HaPendente());
  CompletaRestauracaoPendente();
  EXPECT_FALSE(RestauracaoCopia::HaPendente());
  EXPECT_EQ(RetratoBase(Dados()), antes);
  IndiceConfereComBancos();
  EXPECT_EQ(Modo(Dados(NomesCopia::kIndice)), kModoIndice);
}

// A plan that names anything but the program's databases is set aside, not followed.
TEST_F(Interrompida, PlanoAlheioNaoESeguido) {
  auto antes = ArquivosDados(Dados());
  QFile plano(Dados("Restauracao.pendente"));
  ASSERT_TRUE(plano.open(QIODevice::WriteOnly));
  plano.write("TOLV2014 RESTAURACAO 1\r\nAPAGA|" + QFile::encodeName(Dados(Banco(kEmpresa))) + "\r\n");
  plano.close();
  antes["Restauracao.pendente.recusado"] = ArquivosDados(Dados()).value("Restauracao.pendente");
  CompletaRestauracaoPendente();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  EXPECT_FALSE(RestauracaoCopia::HaPendente());
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

}  // namespace
