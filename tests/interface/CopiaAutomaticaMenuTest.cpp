#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

#include "interface/InicioFalso.h"
#include "interface/TTolv2014.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/TArquivoIni.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

TEST(CopiaAutomaticaMenu, MarcarOuDesmarcarGravaAConfiguracao) {
  QApplication::setQuitOnLastWindowClosed(false);
  PastaProgramaTemp pasta;
  CaixaMensagemFalsa caixa;
  AmbienteFalso ambiente;
  PassosContados passos;
  TTolv2014 janela(ambiente, passos.passos);
  QAction* acao = janela.findChild<QAction*>(QStringLiteral("MiCopiaAuto"));
  ASSERT_NE(acao, nullptr);
  EXPECT_TRUE(acao->isChecked()) << "ligada quando nada foi gravado";
  EXPECT_EQ(TArquivoIni::LeString("Copia de Seguranca", "automatica", "<nada>"), "<nada>");
  acao->trigger();
  EXPECT_EQ(TArquivoIni::LeString("Copia de Seguranca", "automatica"), "0");
  EXPECT_FALSE(ConfiguracoesTolv::CopiaAutomatica());
  acao->trigger();
  EXPECT_EQ(TArquivoIni::LeString("Copia de Seguranca", "automatica"), "1");
}

}  // namespace
