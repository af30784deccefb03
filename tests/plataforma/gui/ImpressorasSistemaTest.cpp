#include <QGuiApplication>

#include <gtest/gtest.h>

#include "plataforma/gui/ImpressorasSistema.h"
#include "suporte/ImpressorasFalsas.h"

namespace {

// Whatever printers this machine has, the program's list ends with "PDF" and has one default.
TEST(ImpressorasSistema, SystemListPlusPdf) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) GTEST_SKIP() << "needs a GUI application";
  ImpressorasSistema sistema;
  const IImpressoras* anterior = InstalaImpressoras(&sistema);
  const auto lista = ListaImpressoras();
  InstalaImpressoras(anterior);
  ASSERT_FALSE(lista.empty());
  EXPECT_EQ(lista.back().nome, kImpressoraPdf);
  int padroes = 0;
  for (const auto& i : lista) padroes += i.padrao;
  EXPECT_EQ(padroes, 1);
}

}  // namespace
