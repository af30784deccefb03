#include <gtest/gtest.h>

#include "nucleo/UtilJanelas.h"
#include "suporte/QtGtest.h"

namespace {

TEST(AtualizaTitulo, CaptionRule) {
  EXPECT_EQ(TextoTitulo(""), "Tolv 2014 - Versão 1.5");
  EXPECT_EQ(TextoTitulo("12.345.678/0001-95 - ACME"), "Tolv 2014 - 12.345.678/0001-95 - ACME - Versão 1.5");
}

TEST(AtualizaTitulo, GoesThroughTheMainWindowsHook) {
  AtualizaTitulo("sem janela");  // nothing installed: nothing happens
  QString titulo;
  DefineGanchoTitulo([&](const QString& t) { titulo = t; });
  AtualizaTitulo("Declaração");
  EXPECT_EQ(titulo, "Tolv 2014 - Declaração - Versão 1.5");
  AtualizaTitulo("");
  EXPECT_EQ(titulo, "Tolv 2014 - Versão 1.5");
  DefineGanchoTitulo({});
}

TEST(MostraAguarde, ReachesTheInstalledWaitWindow) {
  struct Janela : IJanelaAguarde {
    int mostrou = 0, fechou = 0;
    void mostra() override { ++mostrou; }
    void fecha() override { ++fechou; }
  } janela;
  MostraAguarde();  // none installed
  FechaAguarde();
  IJanelaAguarde* anterior = InstalaJanelaAguarde(&janela);
  MostraAguarde();
  FechaAguarde();
  FechaAguarde();
  InstalaJanelaAguarde(anterior);
  EXPECT_EQ(janela.mostrou, 1);
  EXPECT_EQ(janela.fechou, 2);
}

}  // namespace
