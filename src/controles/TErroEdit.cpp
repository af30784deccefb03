#include "controles/TErroEdit.h"

uint16_t TErroEdit::s_codigo = 0;

void TErroEdit::GuardaErro(uint16_t codigo) { s_codigo = codigo; }

uint16_t TErroEdit::RetiraErro() {
  const uint16_t codigo = s_codigo;
  s_codigo = 0;
  return codigo;
}
