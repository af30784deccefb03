#include "controles/BotoesPesquisa.h"

#include <QBoxLayout>

#include "controles/TTolvButton.h"

BotoesPesquisa::BotoesPesquisa(QWidget* pai, QBoxLayout* fila, const char* executar, const char* limpar,
                               const char* posicionar, int ajuda)
    : executar(Botao(pai, fila, executar, "&Executar",
                     "Executa a pesquisa de acordo com os argumentos informados  (CTRL+J)", ajuda)),
      limpar(Botao(pai, fila, limpar, "&Limpar", "Limpa os argumentos de pesquisa   (CTRL+H)", ajuda)),
      posicionar(Botao(pai, fila, posicionar, "&Posicionar", "Posiciona no beneficiário/código selecionado   (CTRL+K)",
                       ajuda)) {}

TTolvButton* BotoesPesquisa::Botao(QWidget* pai, QBoxLayout* fila, const char* nome, const char* texto,
                                   const char* dica, int ajuda) {
  auto* b = new TTolvButton(QString::fromUtf8(texto), pai);
  b->setObjectName(QString::fromLatin1(nome));
  b->setToolTip(QString::fromUtf8(dica));
  b->setMinimumSize(88, 25);
  if (ajuda) b->setProperty("contextoAjuda", ajuda);
  fila->addWidget(b);
  return b;
}
