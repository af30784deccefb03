#pragma once

#include <QString>

#include <cstdint>

// The outcome of the checks of one delivery receipt.
enum class EstadoRecibo : uint8_t {
  Conferido = 0,           // everything verified: the receipt prints
  ReciboCorrompido = 1,    // no receipt file, a record missing or malformed, a check value or the
                           // signature wrong, or a declaration without its control number
  DeclaracaoAlterada = 2,  // the declaration file does not match its envelope's digest, or its records
                           // cannot be read
  BibliotecaAusente = 3,   // the signature plug-in could not be loaded
  OutroContribuinte = 4,   // the receipt belongs to another taxpayer
};

// The catalogue code of the message a failed state shows (4, 5, 6, 5); 0 for Conferido.
int CodigoMensagemRecibo(EstadoRecibo estado);
// That message's text; empty for Conferido.
QString MensagemRecibo(EstadoRecibo estado);
