#include "secoes/VarreduraTextoRemessa.h"

namespace VarreduraTextoRemessa {

Resultado Varre(const QString& texto, bool pontuacao) {
  Resultado r;
  const QString minusculo = texto.toLower();
  QChar anterior;
  bool temAnterior = false;
  int seguidos = 0;
  auto falha = [&r](Falha f) {
    if (r.primeira == Falha::Nenhuma) r.primeira = f;
  };
  for (const QChar c : minusculo) {
    if (c >= u'a' && c <= u'z') r.letra = true;
    if (c == u' ') continue;
    if (temAnterior && c == anterior) {
      ++seguidos;
    } else {
      seguidos = 1;
      anterior = c;
      temAnterior = true;
    }
    if (seguidos > 3) {
      r.repeticao = true;
      falha(Falha::Repeticao);
    } else if (pontuacao && seguidos >= 2 && (c == u',' || c == u'.' || c == u':' || c == u';')) {
      falha(Falha::Pontuacao);
    } else if (c == u'|') {
      falha(Falha::Barra);
    }
    if (c == u'|') r.barra = true;
  }
  return r;
}

}  // namespace VarreduraTextoRemessa
