#pragma once

#include <QString>

// The program's registry value: the folder of the last automatic or full backup, where the
// program looks for backup archives at start.
namespace RegistroTolv {

inline const QString kChave = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Duzudadez BVD\\TOLV2014");

QString DirCsDefault();  // empty when never written
bool GravaDirCsDefault(const QString& pasta);

}  // namespace RegistroTolv
