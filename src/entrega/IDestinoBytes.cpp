#include "entrega/IDestinoBytes.h"

#include <QFileDevice>

bool DestinoArquivo::Grava(const char* dados, qint64 tamanho) {
  while (tamanho > 0) {
    const qint64 n = m_arquivo.write(dados, tamanho);
    if (n <= 0) return false;
    dados += n;
    tamanho -= n;
  }
  return true;
}

bool DestinoArquivo::Conclui() { return m_arquivo.flush() && m_arquivo.error() == QFileDevice::NoError; }

QString DestinoArquivo::Erro() const { return m_arquivo.errorString(); }
