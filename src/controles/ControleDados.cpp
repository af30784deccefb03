#include "controles/ControleDados.h"

#include "controles/TTolvCustomEdit.h"
#include "controles/TTolvCustomGrid.h"
#include "controles/TTolvMemo.h"

bool ConfirmaControleDados(QWidget* controle) {
  if (auto* edit = qobject_cast<TTolvCustomEdit*>(controle)) return edit->ConfirmaValor();
  if (auto* memo = qobject_cast<TTolvMemo*>(controle)) return memo->ConfirmaValor();
  if (auto* grid = qobject_cast<TTolvCustomGrid*>(controle)) return grid->ConfirmaValor();
  return true;
}
