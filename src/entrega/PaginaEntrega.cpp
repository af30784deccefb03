#include "entrega/PaginaEntrega.h"

#include <QLabel>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"

namespace PaginaEntrega {

QVBoxLayout* Prepara(QWidget* painel, const QString& titulo) {
  auto* layout = new QVBoxLayout(painel);
  layout->setContentsMargins(24, 18, 24, 12);
  layout->setSpacing(8);
  auto* rotulo = new QLabel(titulo, painel);
  rotulo->setObjectName(QStringLiteral("LbTitulo"));
  rotulo->setFont(PaletaTolv::arial(11, true));
  rotulo->setWordWrap(true);
  PaletaTolv::pinta(rotulo, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
  layout->addWidget(rotulo);
  layout->addSpacing(4);
  return layout;
}

QLabel* Texto(QWidget* pai, const QString& texto) {
  auto* rotulo = new QLabel(texto, pai);
  rotulo->setTextFormat(Qt::PlainText);
  rotulo->setWordWrap(true);
  return rotulo;
}

}  // namespace PaginaEntrega
