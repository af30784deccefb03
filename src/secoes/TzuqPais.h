#pragma once

#include <QString>

// A country of the payments abroad.
struct TzuqPais {
  int codigo = 0;  // TPAI_CD
  QString nome;    // TPAI_NOME
};
