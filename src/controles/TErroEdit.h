#pragma once

#include <cstdint>

// The message code of the last value that an edit refused, kept program-wide until a page
// takes it to decide whether an error is pending.
class TErroEdit {
 public:
  TErroEdit() = delete;

  static void GuardaErro(uint16_t codigo);
  // The kept code (0 when none), which is forgotten.
  static uint16_t RetiraErro();

 private:
  static uint16_t s_codigo;
};
