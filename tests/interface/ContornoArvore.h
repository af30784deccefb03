#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

#include "interface/MontagemArvore.h"

// A tree written one node a line: two blanks per level, the code, the caption, and " +" when
// the node is expanded. Failures then show the whole tree at once.
inline QString LinhaContorno(int nivel, int codigo, const QString& legenda, bool expandido) {
  return QString(nivel * 2, QLatin1Char(' ')) + QString::number(codigo) + QLatin1Char(' ') +
         legenda + (expandido ? QStringLiteral(" +") : QString());
}

inline QStringList Contorno(std::initializer_list<const char*> linhas) {
  QStringList r;
  for (const char* l : linhas) r << QString::fromUtf8(l);
  return r;
}

inline QStringList ContornoDe(const std::vector<TNoArvore>& nos) {
  QStringList linhas;
  std::vector<int> nivel;
  for (const TNoArvore& no : nos) {
    // Parents come first, so a node's level is known when it is reached.
    if (no.pai >= static_cast<int>(nivel.size())) return {QStringLiteral("pai depois do filho")};
    nivel.push_back(no.pai < 0 ? 0 : nivel[no.pai] + 1);
    linhas << LinhaContorno(nivel.back(), no.codigo, no.legenda, no.expandido);
  }
  return linhas;
}
