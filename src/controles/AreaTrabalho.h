#pragma once

#include <QString>

// The folder at the top of the program's file and folder dialogs when they are not rooted
// elsewhere: the system's root folder. A dialog "rooted at the first drive" is rooted at the
// fixed default drive (Unidades().fixaPadrao(), the home folder). Tests point it at a temporary
// folder, so that no dialog of theirs walks the real disk.
namespace AreaTrabalho {

QString raiz();                           // without a trailing '/', except "/"
void defineRaiz(const QString& pasta);    // empty restores the system's root
// Where a dialog rooted at the first drive ("c:\") is rooted: the fixed default drive.
QString unidadePadrao();

// Whether the path is the folder itself or lies under it (paths compared as written, cleaned).
bool contem(const QString& pasta, const QString& caminho);

}  // namespace AreaTrabalho
