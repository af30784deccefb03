#include "validador/AmostraImportacao.h"

#include "nucleo/TRegistroComprovante.h"
#include "nucleo/UtilTexto.h"

namespace AmostraComprovante {

const QStringList& Titulos() {
  static const QStringList titulos{
      QStringLiteral("Beneficiario"),   QStringLiteral("Prev.Oficial"), QStringLiteral("Prev.Privada"),
      QStringLiteral("Pensão Alim."),   QStringLiteral("Aposentad."),   QStringLiteral("Diárias"),
      QStringLiteral("Invalidez"),      QStringLiteral("Lucro de PJ"),  QStringLiteral("Titular Micro"),
      QStringLiteral("Indeniz."),       QStringLiteral("Desc. Outros Rend. Isentos"),
      QStringLiteral("Outros Isentos"), QStringLiteral("Informações Complementares")};
  return titulos;
}

int Alinhamento(int coluna) { return coluna == 0 || coluna == 10 || coluna == 12 ? 0 : 1; }

QStringList Celulas(const QString& linha) {
  TRegistroComprovante registro;
  registro.SetLinha(linha);
  QStringList celulas;
  for (int c = 0; c < kColunas; ++c) {
    QString texto;
    registro.GetCampoFormatado(c + 1, texto);
    celulas << texto;
  }
  return celulas;
}

}  // namespace AmostraComprovante

namespace AmostraDeclaracao {

namespace {

QString Trecho(const QString& linha, int inicio, int fim) {
  if (inicio > linha.size()) return {};
  return linha.mid(inicio - 1, fim - inicio + 1);
}

}  // namespace

const QStringList& Titulos() {
  static const QStringList titulos = [] {
    QStringList t{QStringLiteral("Ordem"),  QStringLiteral("Tipo"),   QStringLiteral("CPF/CNPJ"),
                  QStringLiteral("Cód."),   QStringLiteral("T.Ben."), QStringLiteral("CPF/CNPJ"),
                  QStringLiteral("Nome/Nome Empresarial"), QStringLiteral("Pos. 103 a 117")};
    for (int p = 118; p <= 673; p += 15) t << QStringLiteral("%1 a %2").arg(p).arg(p + 14);
    t << QStringLiteral("688") << QStringLiteral("689");
    return t;
  }();
  return titulos;
}

int Alinhamento(int coluna) {
  switch (coluna) {
    case 0:
    case 1:
    case 3:
    case 4: return 2;
    case 2:
    case 5:
    case 6: return 0;
    default: return 1;
  }
}

int Largura(int coluna) {
  static constexpr int kLarguras[] = {50, 25, 86, 32, 37, 86, 180};
  return coluna >= 0 && coluna < 7 ? kLarguras[coluna] : 0;
}

bool LeiauteB(const QString& linha, const QString& textoPrimeiraLinha) {
  return linha.mid(8, 1) == u"8" && textoPrimeiraLinha >= QLatin1String("2007");
}

bool EntraNaAmostra(const QString& linha) {
  const QString tipo = linha.mid(8, 1);
  return tipo == u"2" || tipo == u"5" || tipo == u"8";
}

QStringList Celulas(const QString& linha, bool leiauteB) {
  // Shape B moves everything after the kind three positions to the right.
  const int d = leiauteB ? 3 : 0;
  QStringList c;
  c << Trecho(linha, 1, 8) << Trecho(linha, 9, 9) << Trecho(linha, 10, 23 + d) << Trecho(linha, 24 + d, 27 + d)
    << Trecho(linha, 28 + d, 28 + d);
  c << (Trecho(linha, 28 + d, 28 + d) == u"1" ? Trecho(linha, 32 + d, 42 + d) : Trecho(linha, 29 + d, 42 + d));
  // The name without the blanks that fill its positions.
  QString nome = Trecho(linha, 43 + d, 102 + d);
  while (nome.endsWith(u' ')) nome.chop(1);
  c << nome;
  for (int p = 103 + d; p <= 673 + d; p += 15) c << ExtraiValorCentavos(linha, p, 15);
  c << Trecho(linha, 688 + d, 688 + d) << Trecho(linha, 689 + d, 689 + d);
  return c;
}

}  // namespace AmostraDeclaracao
