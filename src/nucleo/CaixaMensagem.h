#pragma once

#include <QString>

// Every message of the program goes through here. The program's message box (controles)
// installs itself at start; tests install a scripted fake. Results: 1 OK, 6 Sim, 7 Não,
// 0 when nothing was shown or the box was closed another way.
class ICaixaMensagem {
 public:
  virtual ~ICaixaMensagem() = default;
  // flags in the numbering of the Windows message box: 16 error, 32 question, 48 warning,
  // 64 information icon; 4 Sim and Não buttons.
  virtual int MostraMensagem(const QString& texto, const QString& titulo, int flags) = 0;
};

namespace TipoMensagem {
inline constexpr int Aviso = 0;
inline constexpr int Erro = 1;
inline constexpr int Informacao = 2;
inline constexpr int Confirmacao = 3;
}  // namespace TipoMensagem

namespace ResultadoMensagem {
inline constexpr int Nenhum = 0;
inline constexpr int Ok = 1;
inline constexpr int Sim = 6;
inline constexpr int Nao = 7;
}  // namespace ResultadoMensagem

// Installs the box (not owned); nullptr removes it. Returns the one installed before.
ICaixaMensagem* InstalaCaixaMensagem(ICaixaMensagem* caixa);

// Shows through the installed box; without one, logs the text and answers 0.
int MostraMensagem(const QString& texto, const QString& titulo, int flags);

// Caption and flags follow the kind: 0 "Aviso" 64, 1 "Erro" 16, 2 "Informação" 64,
// 3 "Confirmação" 36. Help context and buttons are accepted and not used.
int ExibeMensagem(const QString& texto, int tipo, int contextoAjuda = 0, int botoes = 0);

// Notice of the declaration searches when nothing matches: criterion 0 tax number,
// 1 name, any other the calendar year.
void AvisaDeclaracaoInexistente(int criterio);
