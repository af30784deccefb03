#include "entrega/ArquivoDeclaracao.h"

#include <QDir>
#include <QFileInfo>

#include "nucleo/TTolv.h"
#include "plataforma/sistema/Unidades.h"

namespace ArquivoDeclaracao {

QString Nome(const TTolv& declaracao, const QString& extensao) {
  const QString ni = declaracao.GetContribuinte().GetNiDigitos();
  QString nome = ni + QStringLiteral("-TOLV-2014-") + declaracao.GetAnoCalendario();
  nome += declaracao.GetTipoDeclaracao() == u"R" ? QStringLiteral("-RETIF") : QStringLiteral("-ORIGI");
  if (declaracao.GetSituacaoEspecial() == 0)
    nome += QStringLiteral("-NORMAL");
  else
    nome += ni.size() == 11 ? QStringLiteral("-ESPOLIOSAIDA") : QStringLiteral("-EXTINCAO");
  return nome + u'.' + extensao;
}

QString PastaGravadas(const QString& raiz) {
  QString base = raiz.isEmpty() ? Unidades().fixaPadrao() : raiz;
  while (base.size() > 1 && base.endsWith(u'/')) base.chop(1);
  if (base == u"/") base.clear();
  return base + QStringLiteral("/Declaracoes Gravadas BVD/Tolv2014/");
}

QString PastaPadrao(const TTolv& declaracao, const QString& raiz) {
  return PastaGravadas(raiz) + declaracao.GetContribuinte().GetNiDigitos() + u'/' + declaracao.GetAnoCalendario() +
         u'/';
}

QString TrocaExtensao(const QString& caminho, const QString& extensao) {
  return caminho.left(qMax<qsizetype>(0, caminho.size() - 3)) + extensao;
}

QString AoLado(const QString& caminho, const QString& extensao) {
  const QFileInfo info(caminho);
  const QString procurado = TrocaExtensao(info.fileName(), extensao);
  if (procurado.size() < 4) return {};
  const QString exato = info.absolutePath() + u'/' + procurado;
  if (QFileInfo(exato).isFile()) return exato;
  // Names written by others are matched without regard to case.
  const QStringList achados = QDir(info.absolutePath()).entryList({procurado}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& nome : achados)
    if (nome.compare(procurado, Qt::CaseInsensitive) == 0) return info.absolutePath() + u'/' + nome;
  return {};
}

QString ReciboAoLado(const QString& caminhoDeclaracao) { return AoLado(caminhoDeclaracao, QStringLiteral("REC")); }

}  // namespace ArquivoDeclaracao
