#include "nucleo/Texto.h"

#include "nucleo/UtilTexto.h"

void TTexto::SetValor(const QString& texto) {
  m_texto = Apara(texto);
  NotificaAlteracao();
}

void TTexto::Limpar() {
  m_texto.clear();
  NotificaAlteracao();
}
