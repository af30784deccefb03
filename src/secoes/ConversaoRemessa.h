#pragma once

#include <QDate>
#include <QString>

#include <stdexcept>

#include "nucleo/Valor.h"

// A text of the payments abroad that had to be a number or a date and is not. It reaches the
// caller of the rule or of the store that needed the value; nothing was stored.
class EConversaoRemessa : public std::runtime_error {
 public:
  explicit EConversaoRemessa(const QString& texto);
  const QString& Texto() const { return m_texto; }

 private:
  QString m_texto;
};

// How the payments abroad read their texts as values and write values back as texts.
namespace ConversaoRemessa {
// Digits with an optional sign, blanks around ignored; raises EConversaoRemessa otherwise.
int Inteiro(const QString& texto);
// The same without raising.
bool TentaInteiro(const QString& texto, int& valor);
// An amount with ',' as decimal separator ("1.234,56", "1234,5"); raises EConversaoRemessa.
Valor Numero(const QString& texto);
// "dd/mm/yyyy"; raises EConversaoRemessa.
QDate Data(const QString& texto);
// The amount in its shortest form: no trailing zeros, ',' only when there are decimals.
QString TextoCurto(Valor valor);
}  // namespace ConversaoRemessa
