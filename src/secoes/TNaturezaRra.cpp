#include "secoes/TNaturezaRra.h"

#include "nucleo/Erros.h"

namespace {
constexpr uint16_t kNaturezaInvalida = 279;
constexpr int kMinimo = 4;
constexpr int kMaximo = 50;

bool pontuacao(QChar c) {
  return c == u',' || c == u'-' || c == u'.' || c == u'/' || c == u':' || c == u';';
}
}  // namespace

uint16_t TNaturezaRra::Valida(const QString& texto) {
  if (texto.isEmpty()) return 0;
  if (texto.size() > kMaximo || texto.size() < kMinimo) return kNaturezaInvalida;
  bool temLetra = false;
  QChar anterior;
  int sequencia = 0;
  for (QChar original : texto) {
    // Character by character, so that the length judged above is the length scanned.
    const QChar c = original.toUpper();
    if (c == u'|') return kNaturezaInvalida;
    // A blank neither starts nor breaks a run.
    if (c == u' ') continue;
    sequencia = (sequencia > 0 && c == anterior) ? sequencia + 1 : 1;
    anterior = c;
    if (sequencia > 3) return kNaturezaInvalida;
    if (sequencia > 1 && pontuacao(c)) return kNaturezaInvalida;
    if (c >= u'A' && c <= u'Z') temLetra = true;
  }
  return temLetra ? 0 : kNaturezaInvalida;
}

void TNaturezaRra::SetValor(const QString& texto) {
  m_texto = texto;
  if (const uint16_t codigo = ValidaNatureza()) throw TErro(codigo, texto);
  CarregaValor(texto);
}

void TNaturezaRra::CarregaValor(const QString& texto) {
  m_texto = texto;
  NotificaAlteracao();
}

void TNaturezaRra::Limpar() {
  m_texto.clear();
  NotificaAlteracao();
}
