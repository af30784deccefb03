#pragma once

#include <QString>

class TContribuinte;
class TErros;

// How the section loaders put a stored number and name into an identity: the stored number has no
// check digits, so they are computed and appended; nothing is refused, so that a stored row
// always loads whole. What fails its rule goes to `achados` (may be none); the checks of saving and
// of the verification judge it again.
void CarregaNumero(TContribuinte& contribuinte, int tipo, const QString& base, TErros* achados);
void CarregaNome(TContribuinte& contribuinte, const QString& nome, TErros* achados);
