#pragma once

#include <QString>
#include <QStringList>

// What the sample grids of the previous-years wizard show of a file's lines before it is
// imported: cell texts, captions and alignments (0 left, 1 right, 2 centred).

// A line of an income-statement file: column c shows field c + 1, its amounts formatted when
// they are valid; columns 1 to 3 (fields 2 to 4, not read) stay empty.
namespace AmostraComprovante {

inline constexpr int kColunas = 13;
// Rows 0 (captions) to 20 hold texts; the wizard fills at most rows 1 to 19.
inline constexpr int kLinhas = 21;
inline constexpr int kLinhasAmostra = 19;

const QStringList& Titulos();
int Alinhamento(int coluna);
QStringList Celulas(const QString& linha);

}  // namespace AmostraComprovante

// A record of the older fixed-width declaration layout (positions from 1): order, kind, numbers,
// name and the 39 amounts of 15 positions, in one of its two shapes.
namespace AmostraDeclaracao {

inline constexpr int kColunas = 48;
inline constexpr int kLinhas = 21;
inline constexpr int kLinhasAmostra = 19;

const QStringList& Titulos();
int Alinhamento(int coluna);
// Widths of columns 0 to 6 in pixels; 0 for the others (the grid's default).
int Largura(int coluna);
// Shape B serves the lines of kind "8" when the first line's positions 37-40 are "2007" or later
// (compared as text).
bool LeiauteB(const QString& linha, const QString& textoPrimeiraLinha);
QStringList Celulas(const QString& linha, bool leiauteB);
// Whether the line goes to the sample: "2", "5" or "8" at position 9.
bool EntraNaAmostra(const QString& linha);

}  // namespace AmostraDeclaracao
