#include "nucleo/CursorEspera.h"

namespace {
GanchosCursor g_ganchos;
}  // namespace

CursorEspera::CursorEspera(Qt::CursorShape forma) : m_ativo(bool(g_ganchos.mostra)) {
  if (m_ativo) g_ganchos.mostra(forma);
}

CursorEspera::~CursorEspera() {
  if (m_ativo && g_ganchos.restaura) g_ganchos.restaura();
}

void DefineGanchosCursor(GanchosCursor ganchos) { g_ganchos = std::move(ganchos); }
