#include "validador/gui/ErrosImportComprovante.h"

#include "controles/TFoPreview.h"
#include "nucleo/CaixaMensagem.h"
#include "validador/RelatorioErrosComprovante.h"

void MostraErrosImportComprovante(const QString& raiz, int rejeitadas) {
  QString falha;
  ExecutaErrosImportComprovante(raiz, rejeitadas, [](relatorio::Relatorio& rel) { MostraPreview(rel); }, &falha);
  if (!falha.isEmpty()) ExibeMensagem(falha, TipoMensagem::Erro);
}
