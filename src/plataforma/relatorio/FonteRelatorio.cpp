#include "plataforma/relatorio/FonteRelatorio.h"

namespace relatorio {

QFont FonteRelatorio(qreal pontos, bool negrito, const QString& familia) {
  QString nome = familia;
  if (nome.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) nome = QStringLiteral("Liberation Sans");
  else if (nome.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) nome = QStringLiteral("Liberation Mono");
  else if (nome.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0) nome = QStringLiteral("Liberation Serif");
  QFont fonte(nome);
  fonte.setPointSizeF(pontos);
  fonte.setBold(negrito);
  fonte.setStyleHint(QFont::SansSerif);
  return fonte;
}

}  // namespace relatorio
