#include "plataforma/compressao/SubstituicaoArquivo.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace compressao {

bool SubstituiArquivo(const QString& origem, const QString& destino, QString* erro) {
  if (std::rename(QFile::encodeName(origem).constData(), QFile::encodeName(destino).constData()) == 0) return true;
  const int codigo = errno;
  if (erro)
    *erro = QStringLiteral("Não foi possível substituir o arquivo %1: %2")
                .arg(QDir::toNativeSeparators(destino), QString::fromLocal8Bit(std::strerror(codigo)));
  return false;
}

}  // namespace compressao
