#pragma once

#include <QString>

#include <functional>

// After the head-office change, the declaration's database file (in the data folder) takes the
// name of the new number. A file that already holds the new name is never deleted: the rename is
// refused and told in the message box. When the rename is refused or fails, voltaIndice puts the
// index back on the previous file, which still holds the declaration. True when the file ends
// under the new name (also when the index collection had already renamed it).
bool RenomeiaBancoAlterado(const QString& anterior, const QString& novo, const std::function<void()>& voltaIndice);
