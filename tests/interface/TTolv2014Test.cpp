#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include "interface/InicioFalso.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

#include "interface/TTolv2014.h"
#include "nucleo/Erros.h"
#include "nucleo/RegistroTolv.h"
#include "nucleo/TArquivoIni.h"

namespace {

class JanelaPrincipal : public testing::Test {
 protected:
  JanelaPrincipal() { QApplication::setQuitOnLastWindowClosed(false); }
  ~JanelaPrincipal() override { AcaoEmAndamento = false; }

  std::unique_ptr<TTolv2014> cria() { return std::make_unique<TTolv2014>(ambiente, contados.passos); }
  void configura(const char* secao, const char* chave, const char* valor) {
    TArquivoIni::GravaString(secao, chave, valor);
  }
  QByteArray arquivo(const QString& nome) {
    QFile f(pasta.caminho() + '/' + nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
  }
  void criaCopia(const QString& pastaCopias, const QString& nome, const QDateTime& quando) {
    QFile f(pastaCopias + '/' + nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("zip");
    f.flush();  // a later flush would stamp the file again
    ASSERT_TRUE(f.setFileTime(quando, QFileDevice::FileModificationTime));
  }

  PastaProgramaTemp pasta;
  CaixaMensagemFalsa caixa;
  AmbienteFalso ambiente;
  PassosContados contados;
};

struct CasoFormato {
  const char* formato;
  bool aceito;
};

class FormatoData : public JanelaPrincipal, public testing::WithParamInterface<CasoFormato> {};

}  // namespace

TEST_P(FormatoData, OnlyDayMonthYearWithSlashesIsAccepted) {
  ambiente.formato = QString::fromLatin1(GetParam().formato);
  const auto janela = cria();
  EXPECT_EQ(janela->formatoDataRecusado(), !GetParam().aceito);
  EXPECT_EQ(contados.passos.falhaBanco(), !GetParam().aceito);
  if (GetParam().aceito) {
    EXPECT_TRUE(caixa.chamadas().empty());
    EXPECT_EQ(contados.abreIndice, 1);
  } else {
    ASSERT_EQ(caixa.chamadas().size(), 1u);
    EXPECT_EQ(caixa.ultima().texto, TErro::FormataMensagem(186, {}));
    EXPECT_EQ(caixa.ultima().titulo, "Erro");
    EXPECT_EQ(caixa.ultima().flags, 16);
    EXPECT_EQ(contados.abreIndice, 0);  // nothing after the refusal runs
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formatos, FormatoData,
    testing::Values(CasoFormato{"dd/MM/yyyy", true}, CasoFormato{"DD/MM/YYYY", true}, CasoFormato{"dd/mm/yyyy", true},
                    CasoFormato{"d/M/yyyy", false}, CasoFormato{"dd/MM/yy", false}, CasoFormato{"yyyy-MM-dd", false},
                    CasoFormato{"M/d/yy", false}, CasoFormato{"dd.MM.yyyy", false}, CasoFormato{"MM/dd/yyyy", false}));

TEST_F(JanelaPrincipal, WritesFirebirdConfOverAnyEarlierOne) {
  QFile velho(pasta.caminho() + "/Firebird.conf");
  ASSERT_TRUE(velho.open(QIODevice::WriteOnly));
  velho.write("RootDirectory = C:\\antigo\r\nOutraChave = 1\r\n");
  velho.close();
  const auto janela = cria();
  EXPECT_EQ(arquivo("Firebird.conf"), "RootDirectory = " + pasta.caminho().toUtf8() + "\r\n\r\n");
}

TEST_F(JanelaPrincipal, LargeFontsOnlyWarn) {
  ambiente.resolucao = 120;
  const auto janela = cria();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, TErro::FormataMensagem(107, {}));
  EXPECT_EQ(caixa.ultima().titulo, "Aviso");
  EXPECT_FALSE(janela->formatoDataRecusado());
  EXPECT_EQ(contados.abreIndice, 1);
}

TEST_F(JanelaPrincipal, NeverSmallerThan800By600) {
  const auto janela = cria();
  janela->show();
  janela->resize(300, 200);
  EXPECT_GE(janela->width(), 800);
  EXPECT_GE(janela->height(), 600);
  EXPECT_EQ(janela->windowTitle(), "Tolv 2014 - Versão 1.5");
}

TEST_F(JanelaPrincipal, ReadsItsSettings) {
  configura("Analisador", "exibe", "1");
  configura("Copia de Seguranca", "automatica", "sim");
  const auto janela = cria();
  EXPECT_TRUE(janela->findChild<QAction*>("actHabilitarAnalisador")->isChecked());
  EXPECT_TRUE(janela->findChild<QAction*>("actAnalisarGravar")->isVisible());
  EXPECT_FALSE(janela->findChild<QAction*>("MiCopiaAuto")->isChecked());
  EXPECT_TRUE(janela->findChild<QAction*>("MiSincronizar")->isChecked());

  const auto padrao = (QFile::remove(TArquivoIni::Caminho()), cria());
  EXPECT_FALSE(padrao->findChild<QAction*>("actAnalisarGravar")->isVisible());
  EXPECT_TRUE(padrao->findChild<QAction*>("MiCopiaAuto")->isChecked());
}

TEST_F(JanelaPrincipal, OrphanDatabasesAreLookedForOnlyWithAnEmptyUsableIndex) {
  const auto vazio = cria();
  EXPECT_EQ(contados.verificaBancos, 1);
  contados.indiceVazio = false;
  const auto cheio = cria();
  EXPECT_EQ(contados.verificaBancos, 1);
  contados.indiceVazio = true;
  contados.falhaIndiceAoAbrir = true;
  const auto falho = cria();
  EXPECT_EQ(contados.verificaBancos, 1);
}

TEST_F(JanelaPrincipal, UnusableIndexLeavesOnlyTheWindowsThatNeedNoIndex) {
  contados.falhaIndiceAoAbrir = true;
  const auto janela = cria();
  EXPECT_FALSE(janela->PodeAbrirForm("FoNovidade"));
  EXPECT_FALSE(janela->PodeAbrirForm("FoInicial"));
  EXPECT_EQ(contados.fecharColecoes, 0);
  EXPECT_TRUE(janela->PodeAbrirForm("FormAssistCopSeg"));
  EXPECT_TRUE(janela->PodeAbrirForm("FoCalcula"));
  EXPECT_EQ(contados.fecharColecoes, 2);
}

TEST_F(JanelaPrincipal, ClosingAsksAndNoKeepsTheWindowOpen) {
  const auto janela = cria();
  janela->show();
  caixa.responde(ResultadoMensagem::Nao);
  janela->close();
  EXPECT_TRUE(janela->isVisible());
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, "Confirma sair do programa?");
  EXPECT_EQ(caixa.ultima().titulo, "Sair do programa");
  EXPECT_EQ(caixa.ultima().flags, 36);
  EXPECT_EQ(contados.fecharColecoes, 0);
  EXPECT_FALSE(AcaoEmAndamento);

  contados.fecharDeclaracao = false;  // the page holds an invalid value
  caixa.responde(ResultadoMensagem::Sim);
  janela->close();
  EXPECT_TRUE(janela->isVisible());

  contados.fecharDeclaracao = true;
  caixa.responde(ResultadoMensagem::Sim);
  janela->close();
  EXPECT_FALSE(janela->isVisible());
  EXPECT_EQ(contados.fecharColecoes, 1);
}

TEST_F(JanelaPrincipal, ClosingWhileAnActionRunsDoesNothing) {
  const auto janela = cria();
  janela->show();
  AcaoEmAndamento = true;
  caixa.responde(ResultadoMensagem::Sim);
  janela->close();
  EXPECT_TRUE(janela->isVisible());
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(JanelaPrincipal, AutomaticBackupOnExitOnlyWhenThereIsSomethingToSave) {
  struct Caso {
    bool indiceVazio;
    const char* automatica;
    bool falhaBanco;
    bool falhaIndice;
    int fecharColecoes;
    int copia;
  };
  const Caso casos[] = {
      {false, "1", false, false, 1, 1},  // declarations listed, backup on
      {true, "1", false, false, 1, 0},   // empty index: no backup
      {false, "0", false, false, 1, 0},  // backup off
      {false, "1", true, false, 0, 0},   // the run failed: nothing more
      {false, "1", false, true, 1, 0},   // the index is unusable
  };
  for (const Caso& c : casos) {
    configura("Copia de Seguranca", "automatica", c.automatica);
    PassosContados passos;
    passos.indiceVazio = c.indiceVazio;
    TTolv2014 janela(ambiente, passos.passos);
    janela.show();
    passos.passos.defineFalhaBanco(c.falhaBanco);
    passos.passos.defineFalhaBancoIndice(c.falhaIndice);
    caixa.responde(ResultadoMensagem::Sim);
    janela.close();
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(passos.fecharColecoes, c.fecharColecoes) << c.indiceVazio << c.automatica << c.falhaBanco << c.falhaIndice;
    EXPECT_EQ(passos.copiaAutomatica, c.copia) << c.indiceVazio << c.automatica << c.falhaBanco << c.falhaIndice;
  }
}

TEST_F(JanelaPrincipal, BackupNoticeListsTheArchivesOfTheDefaultFolder) {
  const QString copias = pasta.caminho() + "/CopSeg";
  QDir().mkpath(copias);
  RegistroTolv::GravaDirCsDefault(copias);
  const auto janela = cria();

  janela->VerificaCopiaDeSeguranca();
  EXPECT_TRUE(caixa.chamadas().empty());  // no archive, no notice

  criaCopia(copias, "CopSeg.cmp", QDateTime(QDate(2014, 2, 3), QTime(9, 5, 7)));
  criaCopia(copias, "leiame.txt", QDateTime::currentDateTime());
  janela->VerificaCopiaDeSeguranca();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Informação");
  EXPECT_EQ(caixa.ultima().flags, 64);
  EXPECT_EQ(caixa.ultima().texto,
            "Um arquivo de cópia de segurança foi encontrado no diretório " + copias + ":\r" +
                "  - CopSeg.cmp de 03/02/2014 09:05:07\r\r" +
                "Se desejar restaurá-lo utilize a opção Ferramentas/Cópia de segurança/Restaurar.");

  criaCopia(copias, "ANTIGA.CMP", QDateTime(QDate(2013, 12, 31), QTime(23, 59, 0)));
  janela->VerificaCopiaDeSeguranca();
  EXPECT_EQ(caixa.ultima().texto,
            "Os seguintes arquivos de cópia de segurança foram encontrados no diretório " + copias + ":\r\r" +
                "  - ANTIGA.CMP de 31/12/2013 23:59:00\r" + "  - CopSeg.cmp de 03/02/2014 09:05:07\r\r" +
                "Se desejar restaurar algum arquivo utilize a opção Ferramentas/Cópia de segurança/Restaurar.");
}

TEST_F(JanelaPrincipal, NewsAndNoticeOpenBeforeTheInitialDialogUntilAskedNotTo) {
  const QString copias = pasta.caminho() + "/CopSeg";
  QDir().mkpath(copias);
  RegistroTolv::GravaDirCsDefault(copias);
  criaCopia(copias, "CopSeg.cmp", QDateTime::currentDateTime());
  const auto janela = cria();
  janela->show();

  QString novidades;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    novidades = modal->objectName();
    modal->close();
  });
  janela->AbrirDialogoInicial();
  EXPECT_EQ(novidades, "FoNovidade");
  ASSERT_EQ(caixa.chamadas().size(), 1u);  // the backup notice
  EXPECT_EQ(contados.dialogoInicial, 1);
  EXPECT_EQ(contados.atualizaIndice, 1);
  EXPECT_FALSE(AcaoEmAndamento);

  configura("Geral", "JahMostrou", "1");
  caixa.limpa();
  janela->AbrirDialogoInicial();
  EXPECT_TRUE(caixa.chamadas().empty());
  EXPECT_EQ(contados.dialogoInicial, 2);
}
