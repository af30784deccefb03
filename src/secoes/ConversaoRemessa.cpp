#include "secoes/ConversaoRemessa.h"

EConversaoRemessa::EConversaoRemessa(const QString& texto)
    : std::runtime_error((QStringLiteral("'") + texto + QStringLiteral("' não é um valor válido")).toStdString()),
      m_texto(texto) {}

namespace ConversaoRemessa {

bool TentaInteiro(const QString& texto, int& valor) {
  const QString t = texto.trimmed();
  bool ok = false;
  const int v = t.toInt(&ok, 10);
  if (!ok) return false;
  valor = v;
  return true;
}

int Inteiro(const QString& texto) {
  int valor = 0;
  if (!TentaInteiro(texto, valor)) throw EConversaoRemessa(texto);
  return valor;
}

Valor Numero(const QString& texto) {
  const auto v = Valor::tenta(texto);
  if (!v) throw EConversaoRemessa(texto);
  return *v;
}

QDate Data(const QString& texto) {
  const QString t = texto.trimmed();
  QDate data = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
  if (!data.isValid()) data = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
  if (!data.isValid()) throw EConversaoRemessa(texto);
  return data;
}

QString TextoCurto(Valor valor) {
  QString texto = valor.formata(4, false);
  while (texto.endsWith(u'0')) texto.chop(1);
  if (texto.endsWith(u',')) texto.chop(1);
  return texto;
}

}  // namespace ConversaoRemessa
