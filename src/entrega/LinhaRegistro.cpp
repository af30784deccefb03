#include "entrega/LinhaRegistro.h"

#include "entrega/ErroGravacao.h"
#include "entrega/RotinasGravacao.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/sistema/Cp1252.h"

void LinhaRegistro::Inicia(QByteArrayView identificador, const QString& chave) {
  m_identificador = identificador.toByteArray();
  m_chave = chave;
  m_linha.resize(0);  // keeps the capacity: one record after another
  m_linha += identificador;
  m_linha += '|';
}

void LinhaRegistro::Ascii(QByteArrayView valor) {
  m_linha += valor;
  m_linha += '|';
}

void LinhaRegistro::Texto(const char* campo, QStringView texto) {
  const qsizetype inicio = m_linha.size();
  for (QChar c : texto) {
    const char16_t u = c.unicode();
    if (u == u'|') Recusa(campo, QStringLiteral("contém o separador de campos \"|\""));
    if (u == u'\r' || u == u'\n') Recusa(campo, QStringLiteral("contém uma quebra de linha"));
    if (u < 0x80) {
      m_linha += char(u);
    } else if (Cp1252::representavel(c)) {
      m_linha += Cp1252::paraByte(c);
    } else {
      Recusa(campo, QStringLiteral("contém o caractere \"%1\", que o arquivo da declaração não admite").arg(c));
    }
  }
  const QByteArrayView escrito = QByteArrayView(m_linha).sliced(inicio);
  for (const char* marca : {EnvelopeTolv::kMarcaControle, EnvelopeTolv::kMarcaBase64})
    if (escrito.contains(QByteArrayView(marca)))
      Recusa(campo, QStringLiteral("contém o texto \"%1\", reservado ao envelope de transmissão").arg(QLatin1String(marca)));
  m_linha += '|';
}

void LinhaRegistro::Centavos(int64_t centavos) {
  if (centavos != 0) AcrescentaInteiro(m_linha, centavos);
  m_linha += '|';
}

void LinhaRegistro::Inteiro(int64_t numero) {
  AcrescentaInteiro(m_linha, numero);
  m_linha += '|';
}

void LinhaRegistro::Vazio() { m_linha += '|'; }

void LinhaRegistro::Maiusculas() {
  for (char& c : m_linha)
    if (c >= 'a' && c <= 'z') c = char(c - ('a' - 'A'));
}

void LinhaRegistro::Recusa(const char* campo, const QString& motivo) const {
  QString onde = QStringLiteral("registro %1").arg(QString::fromLatin1(m_identificador));
  if (!m_chave.isEmpty()) onde += QStringLiteral(" (%1)").arg(m_chave);
  throw ErroGravacao(QStringLiteral("ETextoInvalido"),
                     QStringLiteral("A declaração não pode ser gravada: o campo \"%1\" do %2 %3. Corrija o texto e "
                                    "grave a declaração novamente.")
                         .arg(QString::fromUtf8(campo), onde, motivo),
                     true);
}
