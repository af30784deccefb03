#pragma once

#include <QString>

namespace compressao {

// Puts `origem` in the place of `destino` by one rename in the same folder: the old file stays
// whole until the new one replaces it, and nothing is half-replaced. False, with the reason in
// `erro`, when the rename failed (the old file is then untouched).
bool SubstituiArquivo(const QString& origem, const QString& destino, QString* erro = nullptr);

}  // namespace compressao
