#include "validador/LeiauteAnterior.h"

#include "nucleo/UtilArquivos.h"
#include "plataforma/sistema/ArquivoTexto.h"
#include "validador/AmostraImportacao.h"

namespace {

QString Trecho(const QString& linha, int inicio, int fim) { return linha.mid(inicio - 1, fim - inicio + 1); }

bool UmOuDois(const QString& texto) { return texto == u"1" || texto == u"2"; }

bool NoFim(const ArquivoTexto& arquivo) {
  const auto fim = arquivo.fim();
  return !fim || *fim;
}

}  // namespace

std::optional<DeclaranteAnterior> DeclaranteAnterior::Le(const QString& linha) {
  if (Trecho(linha, 9, 9) != u"1" || Trecho(linha, 24, 27).compare(u"TOLV", Qt::CaseInsensitive) != 0 ||
      !UmOuDois(Trecho(linha, 33, 33)) || !UmOuDois(Trecho(linha, 34, 34)))
    return std::nullopt;
  DeclaranteAnterior d;
  d.ano = Trecho(linha, 28, 31);
  d.tipo = Trecho(linha, 34, 34) == u"1" ? 1 : 2;
  d.ni = d.tipo == 1 ? Trecho(linha, 13, 23) : Trecho(linha, 10, 23);
  d.nome = Trecho(linha, 43, 102);
  const QString natureza = Trecho(linha, 35, 35);
  if (natureza.size() == 1 && natureza[0].isDigit()) d.natureza = natureza[0].digitValue();
  d.depositario = Trecho(linha, 41, 41) == u"1";
  d.normal = Trecho(linha, 33, 33) == u"1";
  return d;
}

LeituraAnterior LeituraAnterior::Le(const QString& arquivo) {
  LeituraAnterior r;
  ArquivoTexto texto;
  if (!AbreArquivoLeitura(texto, arquivo)) return r;
  QString linha;
  if (!LeLinha(texto, linha)) return r;
  if (linha.left(4).compare(u"TOLV", Qt::CaseInsensitive) == 0 && !LeLinha(texto, linha)) return r;
  for (;;) {
    const QString tipo = linha.mid(8, 1);
    if (tipo == u"1" || tipo == u"2" || tipo == u"4" || tipo == u"5" || NoFim(texto)) break;
    if (!LeLinha(texto, linha)) return r;
  }
  texto.fecha();
  r.declarante = DeclaranteAnterior::Le(linha);
  r.situacao = r.declarante ? Situacao::Lida : Situacao::SemDeclarante;
  return r;
}

void LeituraAnterior::LeAmostra(const QString& arquivo) {
  amostra.clear();
  falhaAmostra = false;
  ArquivoTexto texto;
  QString linha;
  if (!AbreArquivoLeitura(texto, arquivo) || !LeLinha(texto, linha)) {
    falhaAmostra = true;
    return;
  }
  texto4 = linha.mid(36, 4).leftJustified(4, u' ');
  while (int(amostra.size()) < AmostraDeclaracao::kLinhasAmostra && !NoFim(texto)) {
    if (!LeLinha(texto, linha)) {
      falhaAmostra = true;
      return;
    }
    if (AmostraDeclaracao::EntraNaAmostra(linha))
      amostra.push_back(AmostraDeclaracao::Celulas(linha, AmostraDeclaracao::LeiauteB(linha, texto4)));
  }
}
