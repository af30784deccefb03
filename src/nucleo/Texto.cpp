#include "nucleo/Texto.h"

#include "nucleo/UtilTexto.h"

void TTexto::Armazena(const QString& texto) {
  m_texto = texto;
  NotificaAlteracao();
}

void TTexto::SetValor(const QString& texto) { Armazena(Apara(texto)); }

void TTexto::Limpar() { Armazena(QString()); }
