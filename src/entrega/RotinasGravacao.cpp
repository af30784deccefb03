#include "entrega/RotinasGravacao.h"

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/UtilTexto.h"
#include "nucleo/Valor.h"

QString GeraCPF(const QString& base) {
  QString numero = base;
  while (numero.size() <= 8) numero.prepend(u'0');
  return numero + TCpf::CalculaDVCpf(numero);
}

QString GeraCNPJ(const QString& base) { return base + TCnpj::CalculaDVCnpj(base); }

QString Substituistring(QString texto, const QString& antigo, const QString& novo) {
  if (antigo.isEmpty() || novo.contains(antigo)) return texto.replace(antigo, novo);
  while (texto.contains(antigo)) texto.replace(antigo, novo);
  return texto;
}

QString CompletaBrancos(const QString& texto, int tamanho) {
  return texto.size() >= tamanho ? texto : texto + QString(tamanho - texto.size(), u' ');
}

bool testapoderjudicial(const QString& flag) { return flag == u"T"; }

int64_t CentavosDe(int64_t dezMilesimos) { return Valor::deDezMilesimos(dezMilesimos).centavos(); }

int64_t DecimosDe(int64_t dezMilesimos) {
  const int64_t meio = dezMilesimos < 0 ? -500 : 500;
  return (dezMilesimos + meio) / 1000;
}

QString NormalizaCampoLinha(QStringView texto, bool apostrofoParaBranco) {
  // Between two marks nothing is trimmed, and a blank run at either end still becomes one blank.
  QString marcado;
  marcado.reserve(texto.size() + 2);
  marcado += u'X';
  marcado += texto;
  marcado += u'X';
  marcado = NormalizaTextoArquivo(marcado, apostrofoParaBranco);
  return marcado.mid(1, marcado.size() - 2);
}

void AcrescentaInteiro(QByteArray& destino, int64_t numero) {
  char digitos[24];
  int n = 0;
  const bool negativo = numero < 0;
  uint64_t resto = negativo ? uint64_t(0) - uint64_t(numero) : uint64_t(numero);
  do {
    digitos[n++] = char('0' + resto % 10);
    resto /= 10;
  } while (resto != 0);
  if (negativo) destino += '-';
  while (n > 0) destino += digitos[--n];
}

bool DataVazia(const QDate& data) { return !data.isValid() || data == QDate(1899, 12, 30); }
