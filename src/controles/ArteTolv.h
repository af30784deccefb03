#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn in code: no artwork file ships with it.
namespace ArteTolv {

enum class Icone { Erro, Aviso, Informacao, Duvida };

QPixmap icone(Icone tipo, int lado = 32);
// Background of a message-box button holder: a soft vertical gradient.
QPixmap fundoBotao(QSize tamanho);
// A strip behind one topic of the news window.
QPixmap faixaNovidade(QSize tamanho);
// The picture in the middle of the main window while no declaration is open.
QPixmap imagemInicial();
// Background of the wait form.
QPixmap fundoAguarde(QSize tamanho);
// About box: the picture the particles build, and the one whose navy (#000080) pixels are
// where they start from.
QImage sobrePrimeira();
QImage sobreSegunda();

}  // namespace ArteTolv
