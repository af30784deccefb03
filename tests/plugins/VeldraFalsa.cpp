// A stand-in for the transmission program's library, built by the tests. It answers on cue:
// beside the declaration file, "<file>.resposta" holds the result on its first line and the
// message in the rest ("CHEIO" fills the whole message buffer with no terminating zero); without
// it, the file is accepted. An accepted file (0 or 2) gets its receipt, the same name with "REC".
// When VELDRA_FALSA_REGISTRO names a file, each call appends "path|certificate|current folder".
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void (*g_progresso)(int32_t) = nullptr;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void SetaGaugeTransmissao(void (*progresso)(int32_t)) {
  g_progresso = progresso;
}

__attribute__((visibility("default"))) int32_t EnviarDeclaracaoEx(uintptr_t, const char* caminho, int32_t certificado,
                                                                   char* mensagem, char*) {
  const std::string arquivo(caminho);
  if (const char* registro = std::getenv("VELDRA_FALSA_REGISTRO")) {
    char pasta[4096] = {};
    if (!getcwd(pasta, sizeof pasta)) pasta[0] = '\0';
    std::ofstream(registro, std::ios::app) << arquivo << '|' << certificado << '|' << pasta << '\n';
  }
  if (g_progresso) g_progresso(50);
  int32_t resultado = 0;
  // Windows-1252, as the program reads it.
  std::string texto = "Declara\xE7\xE3o recebida.\nCertificado: " + std::to_string(certificado);
  std::ifstream resposta(arquivo + ".resposta");
  if (resposta) {
    std::string linha;
    std::getline(resposta, linha);
    resultado = std::atoi(linha.c_str());
    std::stringstream resto;
    resto << resposta.rdbuf();
    texto = resto.str();
  }
  if (texto == "CHEIO") {
    std::memset(mensagem, 'A', 1024);
  } else {
    std::strncpy(mensagem, texto.c_str(), 1023);
    mensagem[1023] = '\0';
  }
  if ((resultado == 0 || resultado == 2) && arquivo.size() > 3) {
    const std::string recibo = arquivo.substr(0, arquivo.size() - 3) + "REC";
    std::ofstream(recibo) << "recibo\n";
  }
  return resultado;
}

}  // extern "C"
