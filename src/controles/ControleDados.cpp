#include "controles/ControleDados.h"

#include "controles/TTolvCustomEdit.h"
#include "controles/TTolvMemo.h"

bool ConfirmaControleDados(QWidget* controle) {
  if (auto* edit = qobject_cast<TTolvCustomEdit*>(controle)) return edit->ConfirmaValor();
  if (auto* memo = qobject_cast<TTolvMemo*>(controle)) return memo->ConfirmaValor();
  return true;
}
