#include "relatorios/recibo/CamposTexto.h"

#include <QDate>

#include "plataforma/sistema/Cp1252.h"

namespace CamposTexto {

QString Texto(QByteArrayView bytes) { return Cp1252::decodifica(bytes.toByteArray()); }

bool SoDigitos(QByteArrayView bytes) {
  if (bytes.isEmpty()) return false;
  for (char c : bytes)
    if (c < '0' || c > '9') return false;
  return true;
}

QString Data(QByteArrayView aaaammdd) {
  if (aaaammdd.size() != 8 || !SoDigitos(aaaammdd)) return {};
  const QDate d(aaaammdd.first(4).toInt(), aaaammdd.sliced(4, 2).toInt(), aaaammdd.sliced(6, 2).toInt());
  return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QByteArrayView Trecho(QByteArrayView linha, qsizetype inicio, qsizetype tamanho) {
  const qsizetype de = inicio - 1;
  if (de < 0 || de >= linha.size()) return {};
  return linha.sliced(de, qMin(tamanho, linha.size() - de));
}

}  // namespace CamposTexto
