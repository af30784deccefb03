#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "plataforma/sistema/Unidades.h"
#include "suporte/QtGtest.h"
#include "suporte/UnidadesFalsas.h"

namespace {

void arquivo(const QString& caminho, const QByteArray& texto) {
  QDir().mkpath(QFileInfo(caminho).path());
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(texto);
}

TEST(Unidades, TypeFromFileSystemAndDevice) {
  EXPECT_EQ(UnidadesSistema::tipo("iso9660", false), TipoUnidade::CD);
  EXPECT_EQ(UnidadesSistema::tipo("udf", true), TipoUnidade::CD);
  EXPECT_EQ(UnidadesSistema::tipo("vfat", true), TipoUnidade::Removivel);
  EXPECT_EQ(UnidadesSistema::tipo("ext4", false), TipoUnidade::Fixa);
}

// The kernel's description of block devices, laid out in a temporary folder: a partition of a
// disk flagged removable, a partition of a USB disk that is not flagged, and an internal disk.
TEST(Unidades, RemovableDevicesFromTheKernelsDescription) {
  QTemporaryDir dir;
  const QString sys = dir.path() + "/sys";
  const QString dev = dir.path() + "/dev";
  struct Disco {
    const char* particao;
    const char* caminho;  // under sys/devices
    const char* removivel;
  } discos[] = {{"sdb1", "pci0/ata2/block/sdb/sdb1", "1"},
                {"sdc1", "pci0/usb1/1-1/host3/block/sdc/sdc1", "0"},
                {"sda2", "pci0/ata1/block/sda/sda2", "0"}};
  for (const Disco& d : discos) {
    const QString real = sys + "/devices/" + d.caminho;
    arquivo(real + "/partition", "1");
    arquivo(QFileInfo(real).path() + "/removable", d.removivel);
    QDir().mkpath(sys + "/class/block");
    ASSERT_TRUE(QFile::link(real, sys + "/class/block/" + d.particao));
    arquivo(dev + "/" + d.particao, "");
  }
  EXPECT_TRUE(UnidadesSistema::removivel(dev + "/sdb1", sys));
  EXPECT_TRUE(UnidadesSistema::removivel(dev + "/sdc1", sys));
  EXPECT_FALSE(UnidadesSistema::removivel(dev + "/sda2", sys));
  EXPECT_FALSE(UnidadesSistema::removivel(dev + "/nada", sys));
}

TEST(Unidades, PathBelongsToTheDeepestDrive) {
  UnidadesFalsas unidades({{"/home/u", TipoUnidade::Fixa, "u", true},
                           {"/", TipoUnidade::Fixa, "", true},
                           {"/media/pen", TipoUnidade::Removivel, "PEN", true},
                           {"/media/cd", TipoUnidade::CD, "CD", false}});
  EXPECT_EQ(UnidadeDoCaminho("/media/pen/Declaracoes/x.DEC")->tipo, TipoUnidade::Removivel);
  EXPECT_EQ(UnidadeDoCaminho("/media/cd")->tipo, TipoUnidade::CD);
  EXPECT_EQ(UnidadeDoCaminho("/media/pendrive/x")->raiz, "/");
  EXPECT_EQ(UnidadeDoCaminho("/home/u/")->raiz, "/home/u");
  EXPECT_FALSE(UnidadeDoCaminho("relativo").has_value());
  EXPECT_EQ(Unidades().fixaPadrao(), "/home/u");
}

TEST(Unidades, SystemListStartsWithTheHomeFolder) {
  const auto lista = Unidades().lista();
  ASSERT_FALSE(lista.empty());
  EXPECT_EQ(lista.front().raiz, QDir::homePath());
  EXPECT_EQ(lista.front().tipo, TipoUnidade::Fixa);
  for (const Unidade& u : lista) EXPECT_NE(u.tipo, TipoUnidade::Disquete) << u.raiz.toStdString();
}

}  // namespace
