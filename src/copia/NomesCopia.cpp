#include "copia/NomesCopia.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "nucleo/NiContribuinte.h"

namespace NomesCopia {

bool EhNomeIndice(const QString& nome) { return nome.compare(kIndice, Qt::CaseInsensitive) == 0; }

bool EhNomeBancoDeclaracao(const QString& nome) {
  static const QRegularExpression padrao(QStringLiteral("^TOLV2014(\\d{11}|\\d{14})\\d{4}\\.FDB$"),
                                         QRegularExpression::CaseInsensitiveOption);
  return padrao.match(nome).hasMatch();
}

QString NomeBancoDaCopia(const QString& caminho) {
  const QString nome = QFileInfo(caminho).fileName();
  const qsizetype fim = nome.indexOf(kExtensaoDeclaracao, 0, Qt::CaseInsensitive);
  if (fim < 0) return {};
  const QString pessoa = nome.mid(std::max<qsizetype>(0, fim - 23), std::min<qsizetype>(fim, 23));
  const QString banco = (pessoa.contains(QStringLiteral("TOLV"), Qt::CaseInsensitive)
                             ? pessoa
                             : nome.mid(std::max<qsizetype>(0, fim - 26), std::min<qsizetype>(fim, 26))) +
                        QStringLiteral(".FDB");
  return EhNomeBancoDeclaracao(banco) ? banco.toUpper() : QString();
}

QString NomeCopiaDeclaracao(const QString& numeroBase, const QString& ano) {
  const QString base = numeroBase.trimmed();
  return QStringLiteral("TOLV2014") + base + TNiContribuinte::CalculaDVNi(base) + ano.trimmed() + kExtensaoDeclaracao;
}

bool TemExtensao(const QString& caminho, const QString& extensao) {
  return caminho.endsWith(extensao, Qt::CaseInsensitive);
}

int QuantidadeDisquetes(int64_t tamanho) { return int(double(tamanho) / 1048576.0 / 1.4 * 0.25) + 1; }

QString CentenaPorExtenso(const QString& grupo) {
  static const QStringList unidades = {"", "uma", "duas", "três", "quatro", "cinco", "seis", "sete", "oito", "nove"};
  static const QStringList dezenove = {"", "onze", "doze", "treze", "quatorze", "quinze", "dezesseis", "dezessete",
                                       "dezoito", "dezenove"};
  static const QStringList dezenas = {"", "dez", "vinte", "trinta", "quarenta", "cinquenta", "sessenta", "setenta",
                                      "oitenta", "noventa"};
  static const QStringList centenas = {"", "cento", "duzentas", "trezentas", "quatrocentas", "quinhentas",
                                       "seiscentas", "setecentas", "oitocentas", "novecentas"};
  const QString g = grupo.rightJustified(3, u'0').right(3);
  const int c = g[0].digitValue(), d = g[1].digitValue(), u = g[2].digitValue();
  if (c < 0 || d < 0 || u < 0) return {};
  QString dezena, ultima;
  if (d == 1 && u != 0) {
    ultima = dezenove[u];
  } else {
    dezena = dezenas[d];
    ultima = unidades[u];
  }
  const QString centena = c == 1 && dezena.isEmpty() && ultima.isEmpty() ? QStringLiteral("Cem") : centenas[c];
  QString resto = dezena;
  if (!dezena.isEmpty() && !ultima.isEmpty()) resto += QStringLiteral(" e ");
  resto += ultima;
  if (centena.isEmpty()) return resto;
  return resto.isEmpty() ? centena : centena + QStringLiteral(" e ") + resto;
}

QString NumeroPorExtenso(int64_t numero) {
  if (numero < 0 || numero > 999999) numero = 9999;
  if (numero == 0) return QStringLiteral("zero");
  const QString digitos = QString::number(numero).rightJustified(6, u'0');
  const QString milhar = CentenaPorExtenso(digitos.left(3));
  const QString unidade = CentenaPorExtenso(digitos.mid(3));
  QString texto;
  if (!milhar.isEmpty()) texto = milhar + QStringLiteral(" Mil");
  // "e" only joins a thousands part to the units that follow it: 1,000 is "uma Mil".
  if (!milhar.isEmpty() && !unidade.isEmpty()) texto += QStringLiteral(" e ");
  texto += unidade;
  return texto;
}

}  // namespace NomesCopia
