#include "nucleo/UtilJanelas.h"

namespace {
std::function<void(const QString&)> g_ganchoTitulo;
IJanelaAguarde* g_aguarde = nullptr;
std::function<void()> g_ganchoEventos;
}  // namespace

QString TextoTitulo(const QString& texto) {
  const QString versao = QStringLiteral("Versão 1.5");
  if (texto.isEmpty()) return QStringLiteral("Tolv 2014 - ") + versao;
  return QStringLiteral("Tolv 2014 - ") + texto + QStringLiteral(" - ") + versao;
}

void AtualizaTitulo(const QString& texto) {
  if (g_ganchoTitulo) g_ganchoTitulo(TextoTitulo(texto));
}

void DefineGanchoTitulo(std::function<void(const QString&)> gancho) { g_ganchoTitulo = std::move(gancho); }

IJanelaAguarde* InstalaJanelaAguarde(IJanelaAguarde* janela) {
  IJanelaAguarde* anterior = g_aguarde;
  g_aguarde = janela;
  return anterior;
}

void MostraAguarde() {
  if (g_aguarde) g_aguarde->mostra();
}

void FechaAguarde() {
  if (g_aguarde) g_aguarde->fecha();
}

void ProcessaEventos() {
  if (g_ganchoEventos) g_ganchoEventos();
}

void DefineGanchoEventos(std::function<void()> gancho) { g_ganchoEventos = std::move(gancho); }
