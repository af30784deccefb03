#include "plataforma/integridade/Integridade.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include "plataforma/integridade/ErroIntegridade.h"

namespace {

constexpr qint64 kBloco = 1 << 20;

void abreLeitura(QFile& f) {
  if (!f.open(QIODevice::ReadOnly))
    throw ErroIntegridade(QStringLiteral("Não foi possível abrir o arquivo %1: %2").arg(f.fileName(), f.errorString()));
}

// Reads at most `limite` bytes (all when negative) block by block, handing each to `usa`.
template <class F>
int64_t percorre(QFile& f, int64_t limite, F usa) {
  QByteArray bloco(kBloco, Qt::Uninitialized);
  int64_t lidos = 0;
  while (limite < 0 || lidos < limite) {
    const qint64 pedir = limite < 0 ? kBloco : std::min<qint64>(kBloco, limite - lidos);
    const qint64 n = f.read(bloco.data(), pedir);
    if (n < 0) throw ErroIntegridade(QStringLiteral("Falha ao ler o arquivo %1: %2").arg(f.fileName(), f.errorString()));
    if (n == 0) break;
    usa(bloco.constData(), n);
    lidos += n;
  }
  if (limite >= 0 && lidos < limite)
    throw ErroIntegridade(QStringLiteral("O arquivo %1 terminou antes do esperado.").arg(f.fileName()));
  return lidos;
}

uLong crcDe(uLong crc, const char* dados, qint64 n) {
  // zlib takes lengths of unsigned int: hand it the block in parts that fit.
  while (n > 0) {
    const uInt parte = uInt(std::min<qint64>(n, 1 << 30));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(dados), parte);
    dados += parte;
    n -= parte;
  }
  return crc;
}

}  // namespace

QString TextoCrc(uint32_t crc) { return QStringLiteral("%1").arg(qulonglong(crc), 10, 10, QLatin1Char('0')); }

QString CalculaCrcArquivo(const QString& arquivo) {
  QFile f(arquivo);
  abreLeitura(f);
  uLong crc = crc32(0, nullptr, 0);
  percorre(f, -1, [&](const char* d, qint64 n) { crc = crcDe(crc, d, n); });
  return TextoCrc(uint32_t(crc));
}

uint32_t CalculaCrcTexto(const QByteArray& texto, uint32_t registroInicial) {
  return ~uint32_t(crcDe(uLong(~registroInicial), texto.constData(), texto.size()));
}

int64_t TamanhoArquivo(const QString& arquivo) {
  const QFileInfo info(arquivo);
  return info.exists() && !info.isDir() ? info.size() : -1;
}

QByteArray CalculaMD5Arquivo(const QString& arquivo, int64_t deixaFora) {
  QFile f(arquivo);
  abreLeitura(f);
  const int64_t tamanho = f.size();
  if (deixaFora < 0 || deixaFora > tamanho)
    throw ErroIntegridade(QStringLiteral("O arquivo %1 é menor que o trecho a deixar de fora.").arg(arquivo));
  QCryptographicHash md5(QCryptographicHash::Md5);
  percorre(f, tamanho - deixaFora, [&](const char* d, qint64 n) { md5.addData(QByteArrayView(d, n)); });
  return md5.result();
}

QByteArray CalculaMD5ArquivoCompleto(const QString& arquivo) { return CalculaMD5Arquivo(arquivo, 0); }

QString MD5ParaString(const QByteArray& digest) { return QString::fromLatin1(digest); }

DigestosArquivo CalculaDigestosArquivo(const QString& arquivo) {
  QFile f(arquivo);
  abreLeitura(f);
  QCryptographicHash md5(QCryptographicHash::Md5);
  uLong crc = crc32(0, nullptr, 0);
  DigestosArquivo r;
  r.tamanho = percorre(f, -1, [&](const char* d, qint64 n) {
    md5.addData(QByteArrayView(d, n));
    crc = crcDe(crc, d, n);
  });
  r.md5 = md5.result();
  r.crc = uint32_t(crc);
  return r;
}
