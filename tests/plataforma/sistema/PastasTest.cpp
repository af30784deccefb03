#include <gtest/gtest.h>

#include "plataforma/sistema/Pastas.h"
#include "suporte/QtGtest.h"

namespace {

TEST(Pastas, SystemFolderIsEtcUnlessTheEnvironmentNamesOne) {
  const QByteArray antes = qgetenv("TOLV_PASTA_SISTEMA");
  qunsetenv("TOLV_PASTA_SISTEMA");
  EXPECT_EQ(Pastas::sistema(), "/etc");
  qputenv("TOLV_PASTA_SISTEMA", "/tmp/sistema/");
  EXPECT_EQ(Pastas::sistema(), "/tmp/sistema");
  if (antes.isEmpty())
    qunsetenv("TOLV_PASTA_SISTEMA");
  else
    qputenv("TOLV_PASTA_SISTEMA", antes);
}

}  // namespace
