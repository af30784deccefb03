#include "nucleo/TNrRecibo.h"

#include "nucleo/ETolvError.h"
#include "nucleo/NumeroRecibo.h"

void TNrRecibo::SetValor(const QString& texto) {
  QString digitos = texto.trimmed();
  TNumeroRecibo::RetiraFormatacao(digitos);
  m_texto = digitos;
  if (!digitos.isEmpty()) {
    if (const int codigo = TNumeroRecibo::ValidaRecibo(digitos)) {
      m_texto.clear();
      throw ETolvError(uint16_t(codigo), texto);
    }
  }
  NotificaAlteracao();
}
