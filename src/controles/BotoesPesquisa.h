#pragma once

class QBoxLayout;
class QWidget;
class TTolvButton;

// The buttons under a search's criteria, added to the row `fila`: "&Executar", "&Limpar" and
// "&Posicionar" with their tips, named as each dialog names them; `ajuda` is their help context
// (none when 0).
struct BotoesPesquisa {
  BotoesPesquisa(QWidget* pai, QBoxLayout* fila, const char* executar, const char* limpar, const char* posicionar,
                 int ajuda = 0);
  // One more button of the row, sized as the others.
  static TTolvButton* Botao(QWidget* pai, QBoxLayout* fila, const char* nome, const char* texto, const char* dica,
                            int ajuda = 0);

  TTolvButton* executar;
  TTolvButton* limpar;
  TTolvButton* posicionar;
};
