#pragma once

#include <QPixmap>

// The pictures of the verification frame, drawn in code: the icons of its result rows and the
// glyphs of its three buttons.
namespace ArteVerificacao {

enum class Icone { Declaracao, Clipes, Processo, PlanoSaude, Erro, Aviso, Ok, Relogio };
enum class Glifo { Parar, Posicionar, Relatorio };

// 16 pixels on a transparent ground.
QPixmap icone(Icone qual);
// 16 pixels; the inactive one in greys.
QPixmap glifo(Glifo qual, bool ativo);

}  // namespace ArteVerificacao
