#pragma once

#include <cstdint>

// What an edit lets the user type: any character, an amount (digits and one ','), or digits.
enum class TTipoDeDado : uint8_t { AlfaNumerico, Numerico, ApenasNumeros };
