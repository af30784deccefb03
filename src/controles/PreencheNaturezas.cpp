#include "controles/PreencheNaturezas.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>

#include "nucleo/TTolv.h"

void PreencheNaturezas(QComboBox& combo, TTolv& declaracao) {
  combo.clear();
  for (const TNatureza* natureza : declaracao.GetNaturezas().GetPermitidas()) {
    if (!natureza || natureza->GetDescricao().isEmpty()) continue;
    combo.addItem(natureza->GetDescricao(), natureza->GetCodigo());
  }
  QPalette paleta = combo.palette();
  if (combo.count() == 0) {
    combo.setCurrentIndex(-1);
    combo.setEnabled(false);
    paleta.setColor(QPalette::Base, QColor(225, 225, 225));
    combo.setPalette(paleta);
    return;
  }
  const TNatureza* atual = declaracao.GetNatureza();
  const int indice = atual ? combo.findData(atual->GetCodigo()) : -1;
  combo.setCurrentIndex(indice);
  if (indice < 0) return;  // the current nature is not allowed: only the selection goes
  combo.setEnabled(true);
  paleta.setColor(QPalette::Base, QApplication::palette(&combo).color(QPalette::Base));
  combo.setPalette(paleta);
}
