#include "entrega/LocalizadorDeclaracoes.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "nucleo/CabecalhoDeclaracao.h"

namespace LocalizadorDeclaracoes {

namespace {

using Tipo = bd::ConjuntoMemoria::Tipo;

// "???????????*-TOLV-2014-????-*-*.*" as the system matched it: letter case ignored.
const QRegularExpression& Mascara() {
  static const QRegularExpression mascara(QStringLiteral("^.{11,}-TOLV-2014-.{4}-.*-.*\\..*$"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
  return mascara;
}

constexpr int kPassoAviso = 25;

}  // namespace

std::vector<bd::ConjuntoMemoria::Coluna> Colunas() {
  // CAMINHO is kept whole: a folder cut to a width would hand over a file that is not there.
  return {{QStringLiteral("ANO"), Tipo::Texto, 4},         {QStringLiteral("DATA_GERA"), Tipo::DataHora, 0},
          {QStringLiteral("HASH"), Tipo::Texto, 12},       {QStringLiteral("TIPO"), Tipo::Texto, 12},
          {QStringLiteral("NOME_ARQUIVO"), Tipo::Texto, 255}, {QStringLiteral("CAMINHO"), Tipo::Texto, 0},
          {QStringLiteral("NOME"), Tipo::Texto, 60},       {QStringLiteral("IN_PF_PJ"), Tipo::Texto, 1},
          {QStringLiteral("NR_PF_PJ"), Tipo::Texto, 14}};
}

bool NomeDeDeclaracao(const QString& nome) { return Mascara().match(nome).hasMatch(); }

int PesquisaPasta(const QString& pasta, bool subpastas, bool comRecibo, bd::ConjuntoMemoria& lista,
                  const std::function<void()>& aCada) {
  QString raiz = pasta;
  while (raiz.size() > 1 && raiz.endsWith(u'/')) raiz.chop(1);
  // One listing per folder answers both which files are candidates and which receipts exist.
  QStringList candidatos;
  QSet<QString> nomes;
  QStringList filhas;
  QDirIterator it(raiz, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  while (it.hasNext()) {
    it.next();
    const QFileInfo info = it.fileInfo();
    const QString nome = info.fileName();
    if (info.isDir()) {
      // A link to a folder could lead back up the tree.
      if (subpastas && !info.isSymLink()) filhas << nome;
      continue;
    }
    nomes.insert(nome.toUpper());
    if (NomeDeDeclaracao(nome) && nome.right(4).toUpper() == u".DEC") candidatos << nome;
  }
  candidatos.sort();
  filhas.sort();

  int acrescentadas = 0;
  int lidos = 0;
  for (const QString& nome : candidatos) {
    if (aCada && ++lidos % kPassoAviso == 0) aCada();
    const QString recibo = nome.toUpper().chopped(4) + QStringLiteral(".REC");
    if (nomes.contains(recibo) != comRecibo) continue;
    const QString caminho = raiz + u'/' + nome;
    TCabecalhoDeclaracao cabecalho;
    QString resultado;
    LeCabecalhoDeclaracao(cabecalho, caminho, resultado);
    if (resultado != u"OK") continue;
    lista.acrescenta();
    lista.define(QStringLiteral("CAMINHO"), raiz);
    lista.define(QStringLiteral("NOME_ARQUIVO"), nome);
    lista.define(QStringLiteral("DATA_GERA"), QFileInfo(caminho).lastModified());
    lista.define(QStringLiteral("IN_PF_PJ"), QString::number(cabecalho.tipoDeclarante == 2 ? 2 : 1));
    lista.define(QStringLiteral("NR_PF_PJ"), cabecalho.ni);
    lista.define(QStringLiteral("ANO"), cabecalho.anoCalendario ? QString::number(cabecalho.anoCalendario) : QString());
    lista.define(QStringLiteral("NOME"), cabecalho.nome);
    lista.define(QStringLiteral("HASH"), cabecalho.recibo);
    lista.define(QStringLiteral("TIPO"), cabecalho.tipoDeclaracao == u"O" ? QStringLiteral("Original")
                                                                            : QStringLiteral("Retificadora"));
    ++acrescentadas;
  }
  for (const QString& filha : filhas) acrescentadas += PesquisaPasta(raiz + u'/' + filha, true, comRecibo, lista, aCada);
  return acrescentadas;
}

void Ordena(bd::ConjuntoMemoria& lista) {
  lista.ordena(QStringLiteral("IN_PF_PJ;NR_PF_PJ;DATA_GERA"));
  if (!lista.vazio()) lista.primeiro();
}

}  // namespace LocalizadorDeclaracoes
