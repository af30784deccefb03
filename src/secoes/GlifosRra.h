#pragma once

#include <QImage>

// The pictures of the accumulated-income page's buttons, drawn in code.
namespace GlifosRra {

enum class Glifo { Pesquisar, Primeiro, Anterior, Proximo, Ultimo, Inclui, Exclui, Desfaz };

QImage desenha(Glifo glifo, int lado = 16);

}  // namespace GlifosRra
