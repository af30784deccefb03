#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace compressao {

// The outside compression library of the earlier years' programs, which alone knows the format
// of their written declaration files: a plug-in loaded at run time from a configured path. Its
// exports, with C linkage:
//
//   int32_t DescomprimirTolv(const char* arquivo, const char* pasta, void (*progresso)(int32_t));
//     arquivo: the written file; pasta: the folder where it writes "declar.txt", the declaration
//     as text (both paths in the file system's encoding). It calls progresso (0 to 100) as it
//     goes. Answers 1 done, 2 cancelled, anything else failed.
//   void CancelarCompressao(void);
//     asks a DescomprimirTolv under way (called from its progress callback) to stop.
//
// One object loads the library once and unloads it when destroyed. Without the library every
// decompression answers a failure (kAusente), as a failed decompression would.
class BibliotecaCompressao {
 public:
  static constexpr int kSucesso = 1;
  static constexpr int kCancelado = 2;
  static constexpr int kAusente = 0;
  // The text file the library writes in the folder it is given.
  static const QString kArquivoTexto;  // "declar.txt"

  using Progresso = std::function<void(int posicao)>;

  explicit BibliotecaCompressao(QString caminho);
  ~BibliotecaCompressao();
  BibliotecaCompressao(const BibliotecaCompressao&) = delete;
  BibliotecaCompressao& operator=(const BibliotecaCompressao&) = delete;

  // False when the file is missing, cannot be loaded or lacks DescomprimirTolv.
  bool Carrega();
  bool Carregada() const;
  const QString& Caminho() const { return m_caminho; }

  // Runs the library's decompression; kAusente without the library.
  int DescomprimirTolv(const QString& arquivo, const QString& pasta, const Progresso& progresso);
  // Asks a decompression under way to stop; nothing without one.
  void CancelarCompressao();

 private:
  struct Impl;
  QString m_caminho;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace compressao
