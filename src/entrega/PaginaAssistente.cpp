#include "entrega/PaginaAssistente.h"

#include <QLabel>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"

namespace PaginaAssistente {

QVBoxLayout* Prepara(QWidget* painel, const QString& titulo) {
  auto* layout = new QVBoxLayout(painel);
  layout->setContentsMargins(24, 18, 24, 12);
  layout->setSpacing(8);
  if (!titulo.isEmpty()) {
    auto* rotulo = new QLabel(titulo, painel);
    rotulo->setObjectName(QStringLiteral("LbTitulo"));
    rotulo->setFont(PaletaTolv::arial(11, true));
    rotulo->setWordWrap(true);
    PaletaTolv::pinta(rotulo, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
    layout->addWidget(rotulo);
    layout->addSpacing(4);
  }
  return layout;
}

QLabel* Texto(QWidget* pai, const QString& texto, const char* nome) {
  auto* rotulo = new QLabel(texto, pai);
  if (nome) rotulo->setObjectName(QString::fromLatin1(nome));
  rotulo->setTextFormat(Qt::PlainText);
  rotulo->setWordWrap(true);
  return rotulo;
}

}  // namespace PaginaAssistente
