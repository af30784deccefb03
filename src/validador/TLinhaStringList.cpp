#include "validador/TLinhaStringList.h"

#include <algorithm>

#include "validador/TRegrasAnalisador.h"

void TLinhaStringList::Divide(QStringView texto) {
  m_texto = texto;
  m_quantidade = 0;
  m_desaspados.resize(0);
  m_contagem = 0;
  const QChar delimitador = TRegrasAnalisador::Delimitador();
  const qsizetype fim = texto.size();
  qsizetype i = 0;
  while (i < fim) {
    if (texto[i] == u'"') {
      // A quoted value runs to its closing quote, or to the end of the text when unmatched.
      const bool guarda = m_quantidade < kItensGuardados;
      const qsizetype inicio = m_desaspados.size();
      ++i;
      while (i < fim) {
        if (texto[i] == u'"') {
          if (i + 1 < fim && texto[i + 1] == u'"') {
            if (guarda) m_desaspados.append(u'"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        if (guarda) m_desaspados.append(texto[i]);
        ++i;
      }
      Adiciona(inicio, m_desaspados.size() - inicio, true);
    } else {
      const qsizetype inicio = i;
      while (i < fim && texto[i] != delimitador) ++i;
      Adiciona(inicio, i - inicio, false);
    }
    if (m_contagem < std::numeric_limits<int>::max()) ++m_contagem;
    if (i < fim && texto[i] == delimitador) {
      if (i == fim - 1) Adiciona(fim, 0, false);
      ++i;
    }
  }
}

void TLinhaStringList::EsvaziaItem(int indice) {
  if (indice >= 0 && indice < std::min(Quantidade(), kItensGuardados)) m_itens[size_t(indice)].tamanho = 0;
}
