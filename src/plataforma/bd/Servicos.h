#pragma once

#include <QString>

namespace bd {

// The engine's service manager, for the database settings that only it changes.
class Servicos {
 public:
  // Forced (synchronous) writes on or off. Raises ErroBanco.
  static void defineEscritaForcada(const QString& arquivo, bool ligada);
  // Pages of cache the database asks for when opened (0: the engine's default).
  static void defineBuffersPagina(const QString& arquivo, int paginas);
};

}  // namespace bd
