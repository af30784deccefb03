// A stand-in for the receipt-signature plug-in, built by the tests. It accepts one known tuple:
// the one below, or the one that VORSAK_FALSA_ACEITA holds as
// "autenticacao|ni|controle|dia|mes|ano|hora|minuto|segundo". When VORSAK_FALSA_REGISTRO names a
// file, each call appends its arguments in that same shape.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr const char* kTuplaConhecida = "Q1W2E3R4T5|11444777000161|2270759598|15|3|2014|10|20|30";

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t VA5(const char* autenticacao, const char* ni, const char* controle,
                                                    int32_t dia, int32_t mes, int32_t ano, int32_t hora,
                                                    int32_t minuto, int32_t segundo) {
  std::string tupla = std::string(autenticacao) + '|' + ni + '|' + controle;
  for (int32_t n : {dia, mes, ano, hora, minuto, segundo}) tupla += '|' + std::to_string(n);
  if (const char* registro = std::getenv("VORSAK_FALSA_REGISTRO")) std::ofstream(registro, std::ios::app) << tupla << '\n';
  const char* aceita = std::getenv("VORSAK_FALSA_ACEITA");
  return tupla == (aceita ? aceita : kTuplaConhecida) ? 1 : 0;
}

}  // extern "C"
