#pragma once

#include "nucleo/CaixaMensagem.h"

// The message box that the program installs at start: every message goes to TFormMessageTolv.
class CaixaMensagemTolv : public ICaixaMensagem {
 public:
  int MostraMensagem(const QString& texto, const QString& titulo, int flags) override;
};
