#pragma once

#include <QString>

#include <optional>
#include <vector>

// Drives. A drive is a mount point. The fixed default drive is the user's home folder; removable
// drives are mounted volumes whose device is removable; CD drives are iso9660/udf volumes. A
// diskette drive exists only where a stand-in (tests) lists one.
enum class TipoUnidade { Fixa, Removivel, CD, Disquete };

struct Unidade {
  QString raiz;  // the mount point, without a trailing '/' (except "/")
  TipoUnidade tipo = TipoUnidade::Fixa;
  QString nome;  // the volume's label, or the folder's name
  bool pronta = true;
};

class IUnidades {
 public:
  virtual ~IUnidades() = default;
  virtual std::vector<Unidade> lista() const = 0;  // the fixed default drive first
  virtual QString fixaPadrao() const = 0;
};

// The installed drives (the system's unless a stand-in was installed).
const IUnidades& Unidades();
// Installs a stand-in (not owned); nullptr restores the system's. Returns the one installed before.
const IUnidades* InstalaUnidades(const IUnidades* unidades);

// The drive that holds the path: the listed drive with the longest root that contains it.
std::optional<Unidade> UnidadeDoCaminho(const QString& caminho);

namespace UnidadesSistema {
// The type of a mounted volume from its file system and whether its device is removable.
TipoUnidade tipo(const QByteArray& sistemaArquivos, bool removivel);
// Whether a block device (/dev/sdb1) is removable, from the kernel's description under raizSys:
// its disk's "removable" flag, or a disk attached through USB.
bool removivel(const QString& dispositivo, const QString& raizSys = QStringLiteral("/sys"));
}  // namespace UnidadesSistema
