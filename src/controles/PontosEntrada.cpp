#include "controles/PontosEntrada.h"

#include "nucleo/CaixaMensagem.h"

PontosEntrada& PontosEntrada::doPrograma() {
  static PontosEntrada entradas;
  return entradas;
}

void AvisaIndisponivel(const QString& legendaAcao) {
  QString nome = legendaAcao;
  nome.remove(u'&');
  if (nome.endsWith(QStringLiteral("..."))) nome.chop(3);
  ExibeMensagem(QStringLiteral("%1: esta função ainda não está disponível nesta versão do programa.").arg(nome.trimmed()),
                TipoMensagem::Informacao);
}
