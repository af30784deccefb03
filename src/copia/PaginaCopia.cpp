#include "copia/PaginaCopia.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"

namespace PaginaCopia {

QVBoxLayout* Prepara(QWidget* painel, const QString& titulo) {
  auto* layout = new QVBoxLayout(painel);
  layout->setContentsMargins(28, 22, 28, 14);
  layout->setSpacing(10);
  auto* rotulo = new QLabel(titulo, painel);
  rotulo->setObjectName(QStringLiteral("LbTitulo"));
  rotulo->setFont(PaletaTolv::arial(11, true));
  PaletaTolv::pinta(rotulo, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
  layout->addWidget(rotulo);
  layout->addSpacing(6);
  return layout;
}

QLabel* Texto(QWidget* painel, const QString& texto, const char* nome) {
  auto* rotulo = new QLabel(texto, painel);
  if (nome) rotulo->setObjectName(QString::fromLatin1(nome));
  rotulo->setWordWrap(true);
  rotulo->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return rotulo;
}

QProgressBar* Progresso(QWidget* painel, const char* nome) {
  auto* barra = new QProgressBar(painel);
  barra->setObjectName(QString::fromLatin1(nome));
  barra->setRange(0, 100);
  barra->setValue(0);
  barra->setTextVisible(true);
  return barra;
}

void ProcessaEventos() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

}  // namespace PaginaCopia
