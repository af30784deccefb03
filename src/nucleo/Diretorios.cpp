#include "nucleo/Diretorios.h"

#include "plataforma/sistema/Pastas.h"

QString DiretorioPrograma() { return Pastas::programa(); }

QString DiretorioDados() { return Pastas::dados(); }

QString DiretorioTemp() { return Pastas::temp(); }

QString RemoveBarraFinal(const QString& caminho) {
  qsizetype fim = caminho.size();
  while (fim > 0 && (caminho[fim - 1] == '/' || caminho[fim - 1] == '\\')) --fim;
  return caminho.left(fim);
}
