#include "nucleo/Email.h"

#include "nucleo/Pendencia.h"
#include "nucleo/UtilTexto.h"

#include "plataforma/sistema/Cp1252.h"

namespace {
constexpr uint16_t kEmailInvalido = 51;
constexpr uint16_t kEmailNaoInformado = 52;
constexpr qsizetype kTamanhoMaximo = 50;

bool letra(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool digito(QChar c) { return c >= u'0' && c <= u'9'; }

// Characters of an unquoted local part: the printable ASCII ones but the specials, and
// every character of the upper half of Windows-1252.
bool atomo(QChar c) {
  if (c.unicode() >= 128) return Cp1252::representavel(c);
  return letra(c) || digito(c) || QStringView(u"!#$%&'*+-=?^_`{}~").contains(c);
}

}  // namespace

int TEmail::ValidaEmail(const QString& texto, bool opcional) {
  if (opcional && texto.isEmpty()) return 0;
  if (texto.size() > kTamanhoMaximo) return kEmailInvalido;
  int estado = 0;
  int pontos = 1;
  qsizetype i = 0;
  for (; i < texto.size(); ++i) {
    const QChar c = texto[i];
    int proximo = -1;
    switch (estado) {
      case 0:
      case 5:
        if (atomo(c)) proximo = 1;
        else if (c == u'"') proximo = 2;
        break;
      case 1:
        if (c == u'@') proximo = 6;
        else if (c == u'.') proximo = 5;
        else if (atomo(c)) proximo = 1;
        break;
      case 2:
        if (c == u'\\') proximo = 3;
        else if (c == u'"') proximo = 4;
        else if (c != u'\r') proximo = 2;
        break;
      case 3:
        proximo = 2;
        break;
      case 4:
        if (c == u'@') proximo = 6;
        else if (c == u'.') proximo = 5;
        break;
      case 6:
        if (letra(c)) proximo = 7;
        break;
      case 7:
        if (c == u'.') {
          proximo = 6;
          ++pontos;
        } else if (c == u'-') {
          proximo = 8;
        } else if (letra(c) || digito(c)) {
          proximo = 7;
        }
        break;
      case 8:
        if (c == u'-') proximo = 8;
        else if (letra(c) || digito(c)) proximo = 7;
        break;
    }
    if (proximo < 0) break;
    estado = proximo;
  }
  return i == texto.size() && estado == 7 && pontos >= 2 ? 0 : kEmailInvalido;
}

void TEmail::SetValor(const QString& texto) {
  if (ValidaEmail(texto)) {
    m_endereco.clear();
    NotificaAlteracao();
    throw EEmailInvalido(kEmailInvalido, texto);
  }
  m_endereco = texto;
  NotificaAlteracao();
}

void TEmail::SetValorComErro(const QString& texto) {
  m_endereco = texto;
  NotificaAlteracao();
  if (m_erros && ValidaEmail(texto)) m_erros->Adiciona(std::make_unique<EEmailInvalido>(kEmailInvalido, texto));
}

void TEmail::VerificaEmail(TErros& erros, const QString& aQuemPertence, const QString& quemEh,
                           uint8_t objeto) const {
  if (ValidaEmail(m_endereco))
    AdicionaPendencia<EEmailInvalido>(erros, kEmailInvalido, m_endereco, 1, aQuemPertence, quemEh, objeto);
  else if (Apara(m_endereco).isEmpty())
    AdicionaPendencia<EEmailInvalido>(erros, kEmailNaoInformado, m_endereco, 0, aQuemPertence, quemEh, objeto);
}
