#include "relatorios/recibo/EstadoRecibo.h"

#include "nucleo/Erros.h"

int CodigoMensagemRecibo(EstadoRecibo estado) {
  switch (estado) {
    case EstadoRecibo::Conferido: return 0;
    case EstadoRecibo::ReciboCorrompido: return 4;
    case EstadoRecibo::DeclaracaoAlterada: return 5;
    case EstadoRecibo::BibliotecaAusente: return 6;
    case EstadoRecibo::OutroContribuinte: return 5;
  }
  return 4;
}

QString MensagemRecibo(EstadoRecibo estado) {
  const int codigo = CodigoMensagemRecibo(estado);
  return codigo == 0 ? QString() : TErro::FormataMensagem(codigo, {});
}
