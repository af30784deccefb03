#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Routines that prove a declaration file or a delivery receipt intact: CRC-32 (IEEE 802.3, as
// zlib computes it) and MD5 digests of a file or of a file less its last bytes. A file that
// cannot be read raises ErroIntegridade.

// The CRC-32 of every byte of the file, as an unsigned decimal of exactly 10 digits.
QString CalculaCrcArquivo(const QString& arquivo);
// The CRC register after the text, starting from `registroInicial`, before the final
// inversion: ~CalculaCrcTexto(t, 0xFFFFFFFF) is the CRC-32 of t.
uint32_t CalculaCrcTexto(const QByteArray& texto, uint32_t registroInicial);
// The CRC-32 as the 10 digits of a control value.
QString TextoCrc(uint32_t crc);

// The size of the file; -1 when there is none.
int64_t TamanhoArquivo(const QString& arquivo);

// The 16 bytes of the MD5 digest of the file without its last `deixaFora` bytes (0 to the size).
QByteArray CalculaMD5Arquivo(const QString& arquivo, int64_t deixaFora);
QByteArray CalculaMD5ArquivoCompleto(const QString& arquivo);
// The digest as a 16-character string, one character per byte (not hexadecimal).
QString MD5ParaString(const QByteArray& digest);

// MD5 and CRC-32 of a whole file in one reading.
struct DigestosArquivo {
  QByteArray md5;  // 16 bytes
  uint32_t crc = 0;
  int64_t tamanho = 0;
};
DigestosArquivo CalculaDigestosArquivo(const QString& arquivo);
