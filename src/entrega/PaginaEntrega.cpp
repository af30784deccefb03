#include "entrega/PaginaEntrega.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "nucleo/UtilSistema.h"

namespace PaginaEntrega {

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

namespace {

constexpr QRgb kAzul = 0x0000FF;
constexpr QRgb kMarinho = 0x000080;

class ComportamentoLink : public QObject {
 public:
  ComportamentoLink(QLabel* link, QRgb fundo) : QObject(link), m_link(link), m_fundo(fundo) {}

  bool eventFilter(QObject*, QEvent* evento) override {
    switch (evento->type()) {
      case QEvent::Enter: PaletaTolv::pinta(m_link, m_fundo, kAzul); break;
      case QEvent::Leave: PaletaTolv::pinta(m_link, m_fundo, kMarinho); break;
      case QEvent::MouseButtonRelease: AbreSiteInternet(true); return true;
      default: break;
    }
    return false;
  }

 private:
  QLabel* m_link;
  QRgb m_fundo;
};

}  // namespace

QLabel* LinkSite(QWidget* pai, QRgb fundo) {
  auto* link = new QLabel(kSiteInternet, pai);
  link->setObjectName(QStringLiteral("LbSite"));
  QFont fonte = PaletaTolv::arial(9, true);
  fonte.setUnderline(true);
  link->setFont(fonte);
  link->setCursor(Qt::PointingHandCursor);
  PaletaTolv::pinta(link, fundo, kMarinho);
  link->installEventFilter(new ComportamentoLink(link, fundo));
  return link;
}

}  // namespace PaginaEntrega
