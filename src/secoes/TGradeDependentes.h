#pragma once

#include "controles/TTolvCustomGrid.h"
#include "secoes/TModeloDependentes.h"

// The dependants grid of the health-plan editor. Each column takes its own keys (digits for the
// CPF and the date, the relation codes' digits, an amount of up to eight integer digits); the
// pending row is stored when the current cell leaves it, and Esc asks before giving it up.
class TGradeDependentes : public TTolvCustomGrid {
  Q_OBJECT
 public:
  explicit TGradeDependentes(QWidget* pai = nullptr);

  TModeloDependentes& Dependentes() const { return *m_dependentes; }
  // The data row of the current cell, or -1.
  int LinhaAtual() const;
  // Makes a cell of a data row current.
  void VaiPara(int linha, int coluna);
  // Stores the pending row; false when it was refused (the message was shown and the cell at
  // fault is current).
  bool Confirma();

  void AjustaDimensoes() override;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void configuraEditor();
  void aoMudarCelula(const QModelIndex& atual, const QModelIndex& anterior);

  TModeloDependentes* m_dependentes;
  bool m_confirmando = false;
};
