#include "plataforma/sistema/FirebirdConf.h"

#include <QSaveFile>

bool GravaFirebirdConf(const QString& pastaPrograma) {
  QSaveFile arquivo(pastaPrograma + QStringLiteral("/Firebird.conf"));
  if (!arquivo.open(QIODevice::WriteOnly)) return false;
  // A Linux path is UTF-8 bytes: written as is, the file names the folder exactly.
  const QByteArray conteudo = "RootDirectory = " + pastaPrograma.toUtf8() + "\r\n\r\n";
  if (arquivo.write(conteudo) != conteudo.size()) {
    arquivo.cancelWriting();
    return false;
  }
  return arquivo.commit();
}
