#include "relatorios/SaidaRelatorio.h"

namespace {

ISaidaRelatorio* g_saida = nullptr;

}  // namespace

ISaidaRelatorio* SaidaRelatorio() { return g_saida; }

ISaidaRelatorio* InstalaSaidaRelatorio(ISaidaRelatorio* saida) {
  ISaidaRelatorio* anterior = g_saida;
  g_saida = saida;
  return anterior;
}
