#include "nucleo/DadoBasico.h"

TDadoBasico::~TDadoBasico() { NotificaLiberacao(); }

void TDadoBasico::SetValor(const QString&) { NotificaAlteracao(); }

void TDadoBasico::NotificaAlteracao() {
  m_modificado = true;
  m_observadores.NotificaAlteracao(this);
}

void TDadoBasico::NotificaLiberacao() { m_observadores.NotificaLiberacao(this); }
