#include "relatorios/recibo/ReciboEntrega.h"

#include "nucleo/UtilTexto.h"
#include "relatorios/recibo/CamposTexto.h"
#include "plataforma/integridade/Integridade.h"

namespace {

using namespace CamposTexto;

std::optional<Valor> centavos(QByteArrayView campo) {
  campo = campo.trimmed();
  if (!SoDigitos(campo) || campo.size() > 18) return std::nullopt;
  return Valor::deCentavos(campo.toLongLong());
}

}  // namespace

std::optional<Valor> AvisoRecibo::ValorAPagar() const {
  // Cents halved are ten-thousandths times fifty: no rounding.
  if (!Multa) return std::nullopt;
  return Valor::deDezMilesimos(Multa->dezMilesimos() / 2);
}

bool ReciboEntrega::TemPendencias() const {
  return !AnosBatimentoJorb.isEmpty() || !AnosBatimentoZefro.isEmpty() || !AnosRejeitados.isEmpty();
}

QString ReciboEntrega::NiDaLinha(QByteArrayView linha) {
  QByteArrayView ni = Trecho(linha, 3, 14);
  while (ni.endsWith(' ')) ni.chop(1);
  return Texto(ni);
}

bool ReciboEntrega::LeRecepcao() {
  const QByteArrayView rc = LinhaRC;
  int* partes[] = {&Dia, &Mes, &Ano, &Hora, &Minuto, &Segundo};
  const qsizetype tamanhos[] = {2, 2, 4, 2, 2, 2};
  qsizetype inicio = 17;
  for (int i = 0; i < 6; ++i) {
    const QByteArrayView parte = Trecho(rc, inicio, tamanhos[i]);
    if (parte.size() != tamanhos[i] || !SoDigitos(parte)) return false;
    *partes[i] = parte.toInt();
    inicio += tamanhos[i];
  }
  Autenticacao = Texto(Trecho(rc, 60, 10));
  DataRecepcao = NumeroComZeros(Dia, 2) + u'/' + NumeroComZeros(Mes, 2) + u'/' + NumeroComZeros(Ano, 4);
  return true;
}

void ReciboEntrega::LeAviso(bool declaracaoNormal) {
  const QByteArrayView nc = LinhaNC;
  AvisoRecibo& a = Aviso;
  a = AvisoRecibo{};
  a.Tipo = nc.size() >= 92 ? QChar::fromLatin1(nc[91]) : QChar();
  Intimacao = a.Tipo == u'4' || a.Tipo == u'5' || a.Tipo == u'6' || a.Tipo == u'7';
  AutoInfracao = a.Tipo != u'4';
  a.Unidade = Texto(Trecho(nc, 3, 7));
  a.MesesAtraso = Texto(Trecho(nc, 10, 2));
  a.ImpostoDeclarado = centavos(Trecho(nc, 12, 15));
  a.CalculoMulta = Texto(Trecho(nc, 27, 50));
  a.Multa = centavos(Trecho(nc, 77, 15));
  a.Matricula = Texto(Trecho(nc, 93, 8).trimmed());
  a.NomeAuditor = Texto(Trecho(nc, 101, 60).trimmed());
  a.AuditorFiscal = Trecho(nc, 161, 1) == "1";
  const QByteArrayView unidade = Trecho(nc, 162, 1);
  a.Delegacia = unidade == "1" || unidade == "2";
  a.Marcador = Texto(Trecho(nc, 177, 5));
  a.Vencimento = Data(Trecho(nc, 213, 8));
  a.PrimeiraContagem = Texto(Trecho(nc, 221, 9));
  a.SegundaContagem = Texto(Trecho(nc, 230, 9));
  a.GruposIncorretos = Texto(Trecho(nc, 239, 6));
  if (a.Marcador == u"<V01>" || a.Marcador == u"<V02>") {
    a.PrazoFinal = Data(Trecho(nc, 261, 8));
    a.DataLancamento = Data(Trecho(nc, 269, 8));
  } else if (declaracaoNormal) {
    a.PrazoFinal = QStringLiteral("28/02/2011");
    a.DataLancamento = QStringLiteral("01/03/2011");
  } else {
    a.PrazoFinal = Data(Trecho(nc, 245, 8));
    a.DataLancamento = Data(Trecho(nc, 221, 8));
  }
}

bool ReciboEntrega::LePendencias() {
  AnosBatimentoJorb.clear();
  AnosBatimentoZefro.clear();
  AnosRejeitados.clear();
  const QByteArrayView vc = LinhaVC;
  if (vc.size() < 3 + 10) return false;
  // The groups stand between the first three characters and the check value.
  const QByteArrayView corpo = vc.sliced(3, vc.size() - 3 - 10);
  QStringList* grupos[] = {&AnosBatimentoJorb, &AnosBatimentoZefro, &AnosRejeitados};
  qsizetype p = 0;
  for (int g = 0; g < 3; ++g) {
    if (p >= corpo.size() || corpo[p] < '0' || corpo[p] > '9') return false;
    const int n = corpo[p++] - '0';
    for (int i = 0; i < n; ++i) {
      const QByteArrayView ano = corpo.sliced(p).first(qMin<qsizetype>(4, corpo.size() - p));
      if (ano.size() != 4 || !SoDigitos(ano)) return false;
      grupos[g]->append(Texto(ano));
      p += 4;
    }
    // Each group closes with a separator; nothing follows the last one, so it may be missing.
    if (p >= corpo.size() && g < 2) return false;
    ++p;
  }
  return true;
}

QByteArray ReciboEntrega::ValorVerificacao(QByteArrayView texto) {
  return TextoCrc(~CalculaCrcTexto(texto.toByteArray(), 0xFFFFFFFFu)).toLatin1();
}

bool ReciboEntrega::ConfereCadeiaCrc(QByteArrayView hc, QByteArrayView rc, QByteArrayView nc, QByteArrayView tc,
                                     QByteArrayView vc) {
  QByteArray cadeia;
  // Each record adds its chained part and must close with the check value of the chain so far.
  auto elo = [&](QByteArrayView parte, QByteArrayView valor) {
    cadeia += parte;
    return valor == ValorVerificacao(cadeia);
  };
  const auto semValor = [](QByteArrayView l) { return l.first(qMax<qsizetype>(0, l.size() - 10)); };
  const auto valor = [](QByteArrayView l) { return l.sliced(qMax<qsizetype>(0, l.size() - 10)); };
  if (hc.size() < 16 || !elo(hc.first(16), Trecho(hc, 17, 10))) return false;
  if (rc.size() < 121 || !elo(rc.first(121), rc.sliced(121))) return false;
  if (!nc.isEmpty() && (nc.size() < 10 || !elo(semValor(nc), valor(nc)))) return false;
  if (vc.size() < 10 || !elo(semValor(vc), valor(vc))) return false;
  return tc.size() >= 48 && elo(tc.first(48), Trecho(tc, 49, 10));
}
