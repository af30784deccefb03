#include "nucleo/TRegistroComprovante.h"

#include "nucleo/Monetario.h"

namespace {

struct Posicao {
  int inicio;
  int tamanho;
};

// Fields 2 to 4 (positions 12 to 56) are not read.
Posicao posicaoDo(int campo) {
  switch (campo) {
    case 1: return {1, 11};
    case 5: return {57, 15};
    case 6: return {72, 15};
    case 7: return {87, 15};
    case 8: return {102, 15};
    case 9: return {117, 15};
    case 10: return {132, 15};
    case 11: return {147, 60};
    case 12: return {207, 15};
    case 13: return {222, 200};
    default: return {0, 0};
  }
}

}  // namespace

TRegistroComprovante::TRegistroComprovante() = default;
TRegistroComprovante::~TRegistroComprovante() = default;

void TRegistroComprovante::SetLinha(const QString& linha) {
  qsizetype fim = linha.size();
  while (fim > 0 && linha[fim - 1] == u' ') --fim;
  m_linha = linha.left(fim);
}

QString TRegistroComprovante::GetTrecho(int inicio, int tamanho) const {
  if (inicio < 1 || tamanho <= 0 || inicio > m_linha.size()) return {};
  return m_linha.mid(inicio - 1, tamanho);
}

void TRegistroComprovante::GetCampo(int campo, QString& texto) const {
  const Posicao p = posicaoDo(campo);
  if (p.inicio == 0) return;
  texto = GetTrecho(p.inicio, p.tamanho);
}

void TRegistroComprovante::GetCampoFormatado(int campo, QString& texto) const {
  GetCampo(campo, texto);
  if (!CampoMonetario(campo)) return;
  if (!m_monetario) m_monetario = std::make_unique<TMonetario>();
  if (m_monetario->SetValorImportacao(texto) == 0) texto = m_monetario->GetValor();
}
