#pragma once

#include <QImage>

// The pictures of the payments-abroad page's buttons, drawn in code (16 by 16, on a background
// colour that the buttons make transparent).
namespace GlifosRemessa {

enum class Glifo { Primeiro, Anterior, Proximo, Ultimo, Incluir, Excluir, Desfazer, Pesquisar };

QImage Desenha(Glifo glifo);

}  // namespace GlifosRemessa
