#pragma once

#include <QString>

// Writes "Firebird.conf" in the program folder: "RootDirectory = " + the folder, then an empty
// line. Replaces any earlier file in one step; false when the folder cannot be written.
bool GravaFirebirdConf(const QString& pastaPrograma);
