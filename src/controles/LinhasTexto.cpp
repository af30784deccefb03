#include "controles/LinhasTexto.h"

#include <QFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

QStringList QuebraLinhas(const QString& texto, const QFont& fonte, int largura, int* maisLarga) {
  QString t = texto;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  if (t.endsWith(u'\n')) t.chop(1);
  QStringList linhas;
  qreal largo = 0;
  if (!texto.isEmpty()) {
    QTextOption opcao;
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragrafo : t.split(u'\n')) {
      QTextLayout layout(paragrafo, fonte);
      layout.setTextOption(opcao);
      layout.beginLayout();
      const qsizetype antes = linhas.size();
      for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(largura);
        largo = std::max(largo, l.naturalTextWidth());
        QString linha = paragrafo.mid(l.textStart(), l.textLength());
        while (!linha.isEmpty() && linha.back().isSpace()) linha.chop(1);  // the blank it broke at
        linhas << linha;
      }
      layout.endLayout();
      if (linhas.size() == antes) linhas << QString();
    }
  }
  if (maisLarga) *maisLarga = int(std::ceil(largo));
  return linhas;
}
