#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// The separate transmission program, a plug-in found through its settings file "kal-von.ini" in
// the system folder (Pastas::sistema()): section "Kal-Von", keys "Versao" (at least 200801) and
// "Path" (its folder), where its library "VELDRA21.DLL" lies. The library exports, with C linkage:
//
//   int32_t EnviarDeclaracaoEx(uintptr_t janela, const char* caminho, int32_t certificado,
//                              char* mensagem, char* reservado);
//     caminho: a buffer of kTamanhoCaminho bytes, the path in the file system's encoding;
//     mensagem: kTamanhoMensagem bytes for the answer (Windows-1252); reservado: kTamanhoReservado.
//     0 accepted; 2, 1004, 4896 and 6200 accepted with a warning; anything else refused.
//   void SetaGaugeTransmissao(void (*progresso)(int32_t posicao));   optional
//
// One object loads the library once and unloads it when destroyed.
class ProgramaTransmissao {
 public:
  enum class Situacao { Pronto, NaoInstalado, Desatualizado };
  static constexpr int kVersaoMinima = 200801;
  static constexpr int kTamanhoCaminho = 256;
  static constexpr int kTamanhoMensagem = 1024;
  static constexpr int kTamanhoReservado = 128;
  // Answered by Envia for a path that does not fit the library's buffer; the library is not called.
  static constexpr int kCaminhoLongo = -1;
  // Answered by Envia before Carrega succeeded.
  static constexpr int kNaoCarregado = -2;

  using Progresso = void (*)(int32_t posicao);

  ProgramaTransmissao();
  ~ProgramaTransmissao();
  ProgramaTransmissao(const ProgramaTransmissao&) = delete;
  ProgramaTransmissao& operator=(const ProgramaTransmissao&) = delete;

  // Finds the settings, checks the version and loads the library with its export. Never changes
  // the current folder.
  Situacao Carrega();
  bool Carregado() const;
  // Hands the progress callback to the library when it takes one; false when it does not.
  bool DefineProgresso(Progresso progresso);
  // Hands one declaration file to the library: its result, and its message in `mensagem`.
  // kCaminhoLongo (with a message of ours) when the path does not fit kTamanhoCaminho bytes.
  int Envia(uintptr_t janela, const QString& caminho, int certificado, QString& mensagem);
  void Descarrega();

  // Where the settings file is looked for.
  static QString ArquivoConfiguracao();
  // Whether the path fits the library's buffer with its terminating zero.
  static bool CaminhoCabe(const QString& caminho);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
