#include "plataforma/bd/Campo.h"

#include "plataforma/bd/Interno.h"

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

QString Campo::texto() const { return valor().comoTexto(); }

int Campo::inteiro() const {
  const int64_t v = valor().comoInteiro();
  if (v < INT32_MIN || v > INT32_MAX)
    throw ErroBanco(QStringLiteral("O valor do campo %1 não cabe em um inteiro.").arg(nome()));
  return int(v);
}

int64_t Campo::inteiro64() const { return valor().comoInteiro(); }

int64_t Campo::dezMilesimos() const { return valor().comoDezMilesimos(); }

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
