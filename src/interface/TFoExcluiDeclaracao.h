#pragma once

#include <memory>

#include "interface/TDialogoDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"

class TErros;
class TTolv;

// The delete dialog: the declarations marked in the list (of every year) are deleted with their
// database files, after one confirmation. A declaration that cannot be deleted is told and the
// others go on.
class TFoExcluiDeclaracao : public TDialogoDeclaracoes {
  Q_OBJECT
 public:
  explicit TFoExcluiDeclaracao(TColecaoTolv& indice, QWidget* dono = nullptr);
  ~TFoExcluiDeclaracao() override;

  static TFoExcluiDeclaracao* Existente();

  // Asks, then deletes every marked declaration in the order of marking; OK at the end.
  void OKBtnClick() override;

  // Only a bare file name of the declarations' databases may be deleted from the data folder:
  // whatever else an index row names stays untouched.
  static bool ArquivoExcluivel(const QString& nome);

 protected:
  void FormShow() override;
  bool AlimentaBusca(const QWidget*) const override { return false; }

 private:
  // Deletes the declaration of one row; a refusal or failure raises its TErro.
  void Exclui(const TModeloListaDeclaracoes::Linha& linha);

  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
};

// The delete dialog over the main window; true when it ended with OK, whether or not every
// deletion succeeded.
bool ExecutaExcluiDeclaracao(TColecaoTolv& indice, QWidget* dono);
