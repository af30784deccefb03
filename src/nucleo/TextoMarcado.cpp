#include "nucleo/TextoMarcado.h"

void TTextoMarcado::SetValor(const QString& texto) {
  m_texto = texto;
  SetModificado(true);
}
