// A stand-in for the outside compression library, built by the tests. A "written declaration" it
// knows starts with the line "TOLVCMP"; what follows is the declaration's text, which it writes
// as <folder>/declar.txt and answers 1. A file starting with "FALHA" answers 3; one starting with
// "LENTO" reports its progress slowly, for about two seconds, and answers 2 when asked to stop
// (then as a known file). Anything else answers 4.
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::atomic<bool> g_parar{false};

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void CancelarCompressao() { g_parar = true; }

__attribute__((visibility("default"))) int32_t DescomprimirTolv(const char* arquivo, const char* pasta,
                                                                 void (*progresso)(int32_t)) {
  g_parar = false;
  std::ifstream entrada(arquivo, std::ios::binary);
  if (!entrada) return 4;
  std::string primeira;
  std::getline(entrada, primeira);
  if (!primeira.empty() && primeira.back() == '\r') primeira.pop_back();
  if (primeira == "FALHA") return 3;
  if (primeira == "LENTO") {
    for (int i = 0; i <= 100; ++i) {
      if (progresso) progresso(i);
      if (g_parar) return 2;
      usleep(20000);
    }
    std::getline(entrada, primeira);
    if (!primeira.empty() && primeira.back() == '\r') primeira.pop_back();
  }
  if (primeira != "TOLVCMP") return 4;
  std::stringstream resto;
  resto << entrada.rdbuf();
  std::ofstream(std::string(pasta) + "/declar.txt", std::ios::binary) << resto.str();
  if (progresso) progresso(100);
  return 1;
}

}  // extern "C"
