#pragma once

#include <QString>

#include "entrega/SecaoLiberada.h"

class ContextoGravacao;

// Refuses the writing (an expected ErroGravacao naming the section and its indicator) when
// `existe`, a statement of one row at most, finds stored data of a section that the
// declaration's indicators keep out.
void ConfereSecao(ContextoGravacao& contexto, SecaoIndicada secao, const QString& existe);
