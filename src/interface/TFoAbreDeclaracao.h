#pragma once

#include "interface/TDialogoDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"

class TTolv;

// The open dialog: chooses one of the declarations that the index lists (up to the last calendar
// year of the program) and loads it. It ends with OK only once the declaration is loaded; a row
// that cannot be loaded is told and the dialog stays.
class TFoAbreDeclaracao : public TDialogoDeclaracoes {
  Q_OBJECT
 public:
  TFoAbreDeclaracao(TTolv& tolv, TColecaoTolv& indice, const QString& titulo, QWidget* dono = nullptr);
  ~TFoAbreDeclaracao() override;

  static TFoAbreDeclaracao* Existente();

  // Loads the current row (the wait form shown meanwhile); OK once loaded.
  void OKBtnClick() override;

  // Loads the declaration of a list row into `tolv`: kind, number by its base, year, through the
  // index (which points the declaration connection at its database). False when the index no
  // longer lists it. A damaged row raises its TErro.
  static bool CarregaDaLinha(TTolv& tolv, TColecaoTolv& indice, const TModeloListaDeclaracoes::Linha& linha);

 protected:
  void FormShow() override;

 private:
  TTolv& m_tolv;
};

// The open dialog over the main window: true when a declaration was chosen and loaded into
// `tolv`, for the caller to open. Captions: "Abrir declaração", "Abrir declaração para gravação",
// "Importação - Abrir Declaração".
bool ExecutaAbreDeclaracao(TTolv& tolv, TColecaoTolv& indice, const QString& titulo, QWidget* dono);
