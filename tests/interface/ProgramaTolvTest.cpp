#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

#include "interface/InicioFalso.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/UtilJanelas.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TfrmAguarde.h"
#include "interface/ProgramaTolv.h"
#include "interface/TTolv2014.h"
#include "plataforma/sistema/InstanciaUnica.h"

namespace {

class Programa : public testing::Test {
 protected:
  Programa() {
    QApplication::setQuitOnLastWindowClosed(false);
    ConfiguracoesTolv::GravaJahMostrou(true);
  }

  ProgramaTolv::Opcoes opcoes() {
    ProgramaTolv::Opcoes o;
    o.pastaInstancia = instancias.path();
    o.ambiente = &ambiente;
    o.passos = contados.passos;
    o.executaLaco = false;
    return o;
  }

  PastaProgramaTemp pasta;
  QTemporaryDir instancias;
  CaixaMensagemFalsa caixa;
  AmbienteFalso ambiente;
  PassosContados contados;
};

}  // namespace

TEST_F(Programa, StartsShowingTheEnabledWindowAndTheInitialDialog) {
  ProgramaTolv programa(opcoes());
  EXPECT_EQ(programa.executa(), 0);
  ASSERT_NE(programa.janela(), nullptr);
  EXPECT_TRUE(programa.janela()->isVisible());
  EXPECT_TRUE(programa.janela()->isEnabled());
  EXPECT_EQ(contados.dialogoInicial, 1);
  EXPECT_EQ(programa.janela()->windowTitle(), "Tolv 2014 - Versão 1.5");

  // What opening a declaration asks of the window, through the hooks the start-up installs.
  AtualizaTitulo("123.456.789-09 - Fulano");
  EXPECT_EQ(programa.janela()->windowTitle(), "Tolv 2014 - 123.456.789-09 - Fulano - Versão 1.5");
  MostraAguarde();
  ASSERT_NE(TfrmAguarde::instancia(), nullptr);
  EXPECT_EQ(TfrmAguarde::instancia()->parentWidget(), programa.janela());
  FechaAguarde();
  EXPECT_EQ(TfrmAguarde::instancia(), nullptr);
}

TEST_F(Programa, TheFocusTrackerIsThereBeforeTheWindowShows) {
  // Notes, when the main window first shows, whether the tracker already watches the focus.
  struct Vigia : QObject {
    bool mostrou = false;
    bool rastreava = false;
    bool eventFilter(QObject* objeto, QEvent* evento) override {
      if (evento->type() == QEvent::Show && qobject_cast<TTolv2014*>(objeto) && !mostrou) {
        mostrou = true;
        rastreava = qApp->findChild<TRastreadorFoco*>() != nullptr;
      }
      return false;
    }
  } vigia;
  qApp->installEventFilter(&vigia);
  ProgramaTolv programa(opcoes());
  programa.executa();
  qApp->removeEventFilter(&vigia);
  EXPECT_TRUE(vigia.mostrou);
  EXPECT_TRUE(vigia.rastreava);
}

TEST_F(Programa, RefusedDateFormatEndsBeforeTheWindowShows) {
  ambiente.formato = "M/d/yy";
  ProgramaTolv programa(opcoes());
  EXPECT_EQ(programa.executa(), 1);
  ASSERT_NE(programa.janela(), nullptr);
  EXPECT_FALSE(programa.janela()->isVisible());
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(contados.dialogoInicial, 0);
}

TEST_F(Programa, UnusableIndexEndsBeforeTheWindowShows) {
  contados.falhaIndiceAoAbrir = true;
  ProgramaTolv programa(opcoes());
  EXPECT_EQ(programa.executa(), 1);
  EXPECT_FALSE(programa.janela()->isVisible());
  EXPECT_EQ(contados.dialogoInicial, 0);
}

TEST_F(Programa, SecondCopyRaisesTheFirstAndEndsQuietly) {
  InstanciaUnica primeira(instancias.path());
  ASSERT_FALSE(primeira.existeInstanciaAnterior());
  bool pedido = false;
  QObject::connect(&primeira, &InstanciaUnica::pedidoParaMostrar, [&] { pedido = true; });

  ProgramaTolv segunda(opcoes());
  EXPECT_EQ(segunda.executa(), 0);
  EXPECT_EQ(segunda.janela(), nullptr);
  EXPECT_TRUE(caixa.chamadas().empty());
  const QDeadlineTimer prazo(5000);
  while (!pedido && !prazo.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(pedido);
}

struct CasoTermino {
  int sinal;
  bool emDialogo;  // the signal comes while a modal dialog waits for the user
};

class TerminoPedido : public Programa, public testing::WithParamInterface<CasoTermino> {};

TEST_P(TerminoPedido, EndsTheRunWithoutAQuestionOrTheBackup) {
  contados.indiceVazio = false;
  bool dialogoTerminou = false;
  const int sinal = GetParam().sinal;
  contados.passos.dialogoInicial = [&](QWidget*) {
    QTimer::singleShot(0, [sinal] { ::raise(sinal); });
    if (GetParam().emDialogo) {
      // The initial dialog's own loop, which only the user would end.
      QEventLoop dialogo;
      dialogo.exec();
      dialogoTerminou = true;
    }
    return false;
  };
  ProgramaTolv::Opcoes o = opcoes();
  o.executaLaco = true;
  {
    ProgramaTolv programa(std::move(o));
    EXPECT_EQ(programa.executa(), 0);
  }
  EXPECT_EQ(dialogoTerminou, GetParam().emDialogo);
  EXPECT_EQ(contados.fecharColecoes, 1);
  EXPECT_EQ(contados.copiaAutomatica, 0);
  EXPECT_TRUE(caixa.chamadas().empty());
  // The request ended every loop for good; a loop of the application's own clears that for the
  // tests that follow.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}

INSTANTIATE_TEST_SUITE_P(Sinais, TerminoPedido,
                         testing::Values(CasoTermino{SIGTERM, false}, CasoTermino{SIGINT, false},
                                         CasoTermino{SIGHUP, false}, CasoTermino{SIGTERM, true}));
