#include <QFile>

#include <gtest/gtest.h>

#include "nucleo/RegistroTolv.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

TEST(RegistroTolv, DirCsDefaultLivesInRegistroIniOfTheProgramFolder) {
  PastaProgramaTemp pasta;
  EXPECT_EQ(RegistroTolv::DirCsDefault(), "");
  ASSERT_TRUE(RegistroTolv::GravaDirCsDefault(pasta.caminho() + "/CopSeg"));
  EXPECT_EQ(RegistroTolv::DirCsDefault(), pasta.caminho() + "/CopSeg");
  EXPECT_EQ(conteudo(pasta.caminho() + "/registro.ini"),
            "[HKEY_LOCAL_MACHINE\\Software\\Duzudadez BVD\\TOLV2014]\r\nDirCsDefault=" +
                (pasta.caminho() + "/CopSeg").toUtf8() + "\r\n");
  // Not a setting of Tolv2014.ini.
  EXPECT_FALSE(QFile::exists(pasta.caminho() + "/Tolv2014.ini"));
}

}  // namespace
