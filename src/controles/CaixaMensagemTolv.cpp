#include "controles/CaixaMensagemTolv.h"

#include "controles/TFormMessageTolv.h"

int CaixaMensagemTolv::MostraMensagem(const QString& texto, const QString& titulo, int flags) {
  return TFormMessageTolv::MostraMensagem(texto, titulo, flags);
}
