#pragma once

#include <QString>

// What the header reader takes from a written declaration file.
struct TCabecalhoDeclaracao {
  int tipoDeclarante = 0;   // 1 person, 2 company; 0 when the file has no declarant record
  QString ni;               // the declarant's tax number
  int anoCalendario = 0;
  QString nome;
  QString recibo;           // 12 digits, or empty
  QString tipoDeclaracao;   // "O" original, "R" rectifying; empty when the header lacks it
};

// Reads the header of a written declaration file (Windows-1252): the header record, the
// declarant record and the envelope's control value. `resultado` is "OK" once the file was
// read, whatever it held: a short or foreign file leaves the fields it lacks empty. When the
// file cannot be read, `resultado` is the reason and the header is left empty.
void LeCabecalhoDeclaracao(TCabecalhoDeclaracao& cabecalho, const QString& nomeArquivo, QString& resultado);
