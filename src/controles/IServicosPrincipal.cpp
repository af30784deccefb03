#include "controles/IServicosPrincipal.h"

#include <QApplication>

namespace {
IServicosPrincipal* g_servicos = nullptr;
}

IServicosPrincipal* ServicosPrincipal() { return g_servicos; }

IServicosPrincipal* InstalaServicosPrincipal(IServicosPrincipal* servicos) {
  IServicosPrincipal* anterior = g_servicos;
  g_servicos = servicos;
  return anterior;
}

QWidget* JanelaDona() {
  if (g_servicos)
    if (QWidget* janela = g_servicos->Janela()) return janela;
  return QApplication::activeWindow();
}
