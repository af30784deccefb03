#pragma once

#include <QString>

// One dependency relation of a health plan's dependant: its two-character code and description.
struct TzuqRelacaoDependencia {
  QString Codigo;
  QString Descricao;
};
