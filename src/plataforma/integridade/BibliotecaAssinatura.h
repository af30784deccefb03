#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The check of a delivery receipt's signature: a plug-in loaded at run time from the absolute
// path that the settings give (the authority's algorithm is not ours). The plug-in exports, with
// C linkage:
//
//   int32_t VA5(const char* autenticacao, const char* ni, const char* controle, int32_t dia,
//               int32_t mes, int32_t ano, int32_t hora, int32_t minuto, int32_t segundo);
//     autenticacao: the receipt's 10-character authentication code; ni: the receipt's tax
//     number without blanks; controle: the declaration's 10-digit control number; then the
//     moment of reception. Non-zero when the signature holds.
//
// One object loads the plug-in once and unloads it when destroyed.
class BibliotecaAssinatura {
 public:
  struct Dados {
    QByteArray autenticacao;
    QByteArray ni;
    QByteArray controle;
    int dia = 0, mes = 0, ano = 0, hora = 0, minuto = 0, segundo = 0;
  };

  BibliotecaAssinatura() = default;
  ~BibliotecaAssinatura();
  BibliotecaAssinatura(const BibliotecaAssinatura&) = delete;
  BibliotecaAssinatura& operator=(const BibliotecaAssinatura&) = delete;

  // False, with nothing loaded, for an empty or relative path, a missing file, a file that is
  // not a plug-in or one without VA5. Never searches the library path or the current folder.
  bool Carrega(const QString& caminho);
  bool Carregada() const { return m_va5 != nullptr; }
  // Whether the signature holds; false when nothing is loaded.
  bool Confere(const Dados& dados) const;
  void Descarrega();

 private:
  using FuncaoVA5 = int32_t (*)(const char*, const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                int32_t, int32_t);
  void* m_modulo = nullptr;
  FuncaoVA5 m_va5 = nullptr;
};
