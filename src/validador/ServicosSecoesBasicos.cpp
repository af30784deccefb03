#include "validador/ServicosSecoesBasicos.h"

namespace {
constexpr int kRegistroAnsInvalido = 253;
constexpr int kNaturezaRraInvalida = 279;

bool Pontuacao(QChar c) {
  return c == u',' || c == u'-' || c == u'.' || c == u'/' || c == u':' || c == u';';
}
}  // namespace

int ServicosSecoesBasicos::DigitoRegistroAns(const QString& registro) {
  int soma = 0;
  for (int i = 0; i < 5 && i < registro.size(); ++i) soma += (6 - i) * registro[i].digitValue();
  const int resto = soma % 11;
  if (resto == 0) return 1;
  if (resto == 1) return 0;
  return 11 - resto;
}

int ServicosSecoesBasicos::ValidaRegistroAns(const QString& registro) {
  if (registro.isEmpty()) return 0;
  if (registro.size() != 6) return kRegistroAnsInvalido;
  for (QChar c : registro)
    if (c < u'0' || c > u'9') return kRegistroAnsInvalido;
  return registro[5].digitValue() == DigitoRegistroAns(registro) ? 0 : kRegistroAnsInvalido;
}

int ServicosSecoesBasicos::ValidaNaturezaRra(const QString& natureza) {
  if (natureza.isEmpty()) return 0;
  const QString texto = natureza.toUpper();
  if (texto.size() > 50 || texto.size() < 4) return kNaturezaRraInvalida;
  QChar anterior;
  int sequencia = 0;
  bool letra = false;
  for (QChar c : texto) {
    if (c == u' ') continue;
    sequencia = (c == anterior) ? sequencia + 1 : 1;
    anterior = c;
    if (sequencia > 3 || (sequencia > 1 && Pontuacao(c)) || c == u'|') return kNaturezaRraInvalida;
    if (c >= u'A' && c <= u'Z') letra = true;
  }
  return letra ? 0 : kNaturezaRraInvalida;
}
