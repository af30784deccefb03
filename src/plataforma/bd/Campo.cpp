#include "plataforma/bd/Campo.h"

#include "plataforma/bd/Interno.h"

#include <cstring>

namespace bd {

const QString& Campo::nome() const { return m_fonte->descritor(m_indice).nome; }

bool Campo::nulo() const {
  const unsigned char* linha = m_fonte->linha();
  return !linha || interno::nulo(m_fonte->descritor(m_indice), linha);
}

Dado Campo::valor() const {
  const unsigned char* linha = m_fonte->linha();
  if (!linha) return Dado();
  return interno::decodifica(m_fonte->descritor(m_indice), linha, m_fonte->contextoBlob());
}

QString Campo::texto() const {
  if (const unsigned char* linha = m_fonte->linha())
    if (auto t = interno::textoDireto(m_fonte->descritor(m_indice), linha)) return std::move(*t);
  return valor().comoTexto();
}

bool Campo::igual(QLatin1StringView outro) const {
  if (const unsigned char* linha = m_fonte->linha())
    if (const auto bytes = interno::bytesDeTexto(m_fonte->descritor(m_indice), linha)) {
      // ASCII reads the same in every character set the program uses.
      bool ascii = true;
      for (const char c : outro) ascii = ascii && uchar(c) < 0x80;
      if (ascii) return bytes->size() == outro.size() && std::memcmp(bytes->data(), outro.data(), size_t(outro.size())) == 0;
    }
  return texto() == outro;
}

int Campo::inteiro() const {
  const int64_t v = inteiro64();
  if (v < INT32_MIN || v > INT32_MAX)
    throw ErroBanco(QStringLiteral("O valor do campo %1 não cabe em um inteiro.").arg(nome()));
  return int(v);
}

int64_t Campo::inteiro64() const {
  if (const unsigned char* linha = m_fonte->linha())
    if (const auto v = interno::inteiroDireto(m_fonte->descritor(m_indice), linha)) return *v;
  return valor().comoInteiro();
}

int64_t Campo::dezMilesimos() const {
  if (const unsigned char* linha = m_fonte->linha())
    if (const auto v = interno::dezMilesimosDireto(m_fonte->descritor(m_indice), linha)) return *v;
  return valor().comoDezMilesimos();
}

double Campo::real() const { return valor().comoReal(); }

bool Campo::booleano() const { return valor().comoBooleano(); }

QDate Campo::data() const { return valor().comoData(); }

QDateTime Campo::dataHora() const { return valor().comoDataHora(); }

int Campo::escala() const { return m_fonte->descritor(m_indice).escala; }

void Campo::define(const Dado& v) const {
  unsigned char* linha = m_fonte->linhaEditavel();
  interno::codifica(m_fonte->descritor(m_indice), linha, v, m_fonte->contextoBlob(),
                    interno::Quem{&nome(), 0, true});
}

}  // namespace bd
