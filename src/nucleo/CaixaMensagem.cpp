#include "nucleo/CaixaMensagem.h"

#include <QtDebug>

#include "nucleo/Mensagens.h"

namespace {
ICaixaMensagem* g_caixa = nullptr;
}

ICaixaMensagem* InstalaCaixaMensagem(ICaixaMensagem* caixa) {
  ICaixaMensagem* anterior = g_caixa;
  g_caixa = caixa;
  return anterior;
}

int MostraMensagem(const QString& texto, const QString& titulo, int flags) {
  if (!g_caixa) {
    qWarning().noquote() << titulo << ":" << texto;
    return ResultadoMensagem::Nenhum;
  }
  return g_caixa->MostraMensagem(texto, titulo, flags);
}

int ExibeMensagem(const QString& texto, int tipo, int, int) {
  switch (tipo) {
    case TipoMensagem::Aviso:
      return MostraMensagem(texto, QStringLiteral("Aviso"), 64);
    case TipoMensagem::Erro:
      return MostraMensagem(texto, QStringLiteral("Erro"), 16);
    case TipoMensagem::Informacao:
      return MostraMensagem(texto, QStringLiteral("Informação"), 64);
    default:
      return MostraMensagem(texto, QStringLiteral("Confirmação"), 36);
  }
}

void AvisaDeclaracaoInexistente(int criterio) {
  const QString alvo = criterio == 0   ? QStringLiteral("CPF/CNPJ.")
                       : criterio == 1 ? QStringLiteral("nome/nome empresarial.")
                                       : QStringLiteral("ano-calendário.");
  // Filled by plain text formatting, not by the catalogue's: no full stop is added.
  MostraMensagem(Mensagens::texto(181).replace(QStringLiteral("%s"), alvo), QStringLiteral("Aviso"), 64);
}
