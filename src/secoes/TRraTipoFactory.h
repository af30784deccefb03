#pragma once

#include <cstdint>
#include <memory>

class TTolv;
class TzuqRra;

// Items of income received cumulatively of a type: 1 paid by the declarant, 2 by court order.
class TRraTipoFactory {
 public:
  // Nothing for any other type.
  static std::unique_ptr<TzuqRra> CriaRra(TTolv& declaracao, uint8_t tipo);
  static std::unique_ptr<TzuqRra> CriaRraSemDeclaracao(uint8_t tipo);
};
