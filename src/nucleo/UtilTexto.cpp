#include "nucleo/UtilTexto.h"

#include "nucleo/Valor.h"

#include <array>
#include <stdexcept>

int TipoImpressao = 0;

namespace {

bool ehDigito(QChar c) { return c >= u'0' && c <= u'9'; }

// The Portuguese accents of the declaration file's texts.
QChar semAcentoPortugues(QChar c) {
  switch (c.unicode()) {
    case u'À': case u'Á': case u'Â': case u'Ã': case u'à': case u'á': case u'â': case u'ã': return u'A';
    case u'Ç': case u'ç': return u'C';
    case u'É': case u'Ê': case u'é': case u'ê': return u'E';
    case u'Í': case u'í': return u'I';
    case u'Ó': case u'Ô': case u'Õ': case u'ó': case u'ô': case u'õ': return u'O';
    case u'Ú': case u'Ü': case u'ú': case u'ü': return u'U';
    default: return c;
  }
}

// The upper half of Windows-1252: accented letters to their plain letter, the rest to a blank.
QChar semAcentoCp1252(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= 0xC0 && u <= 0xC5) || (u >= 0xE0 && u <= 0xE5)) return u'A';
  if (u == 0xC7 || u == 0xE7) return u'C';
  if ((u >= 0xC8 && u <= 0xCB) || (u >= 0xE8 && u <= 0xEB)) return u'E';
  if ((u >= 0xCC && u <= 0xCF) || (u >= 0xEC && u <= 0xEF)) return u'I';
  if (u == 0xD1 || u == 0xF1) return u'N';
  if ((u >= 0xD2 && u <= 0xD6) || (u >= 0xF2 && u <= 0xF6)) return u'O';
  if ((u >= 0xD9 && u <= 0xDC) || (u >= 0xF9 && u <= 0xFC)) return u'U';
  if (u == 0xDD || u == 0xFD || u == 0xFF || u == 0x0178) return u'Y';
  return u' ';
}

bool apostrofoViraBranco() { return TipoImpressao != 1 && (TipoImpressao < 3 || TipoImpressao > 9); }

bool separadorPalavra(QChar c) { return QStringView(u"',-./:;").contains(c); }

bool particula(const QString& palavra) {
  static const QStringList kParticulas = {QStringLiteral("DE"), QStringLiteral("DA"), QStringLiteral("DO"),
                                          QStringLiteral("DAS"), QStringLiteral("DOS"), QStringLiteral("EM")};
  return kParticulas.contains(palavra.toUpper());
}

QString zerosAEsquerda(QStringView texto, int largura) {
  const QString aparado = Apara(texto);
  return aparado.rightJustified(largura, u'0', false);
}

}  // namespace

QString Apara(QStringView texto) {
  qsizetype inicio = 0;
  qsizetype fim = texto.size();
  while (inicio < fim && texto[inicio].unicode() <= u' ') ++inicio;
  while (fim > inicio && texto[fim - 1].unicode() <= u' ') --fim;
  return texto.mid(inicio, fim - inicio).toString();
}

QString NormalizaTexto(QStringView texto, bool trataApostrofo) {
  return NormalizaTextoArquivo(texto, trataApostrofo && apostrofoViraBranco());
}

QString NormalizaTextoArquivo(QStringView texto, bool apostrofo) {
  const QString aparado = Apara(texto);
  QString saida;
  saida.reserve(aparado.size());
  for (QChar c : aparado) {
    if (c >= u'a' && c <= u'z')
      c = QChar(c.unicode() - (u'a' - u'A'));
    else if (c == u'\'' && apostrofo)
      c = u' ';
    else
      c = semAcentoPortugues(c);
    if (c == u' ' && !saida.isEmpty() && saida.back() == u' ') continue;
    saida += c;
  }
  return saida;
}

QString RemoveAcentos(QStringView texto) {
  QString saida;
  saida.reserve(texto.size());
  for (QChar c : texto) {
    if (c >= u'a' && c <= u'z')
      saida += QChar(c.unicode() - (u'a' - u'A'));
    else if (c.unicode() < 128)
      saida += c;
    else
      saida += semAcentoCp1252(c);
  }
  return saida;
}

int ContaPalavras(QStringView texto) {
  int palavras = 0;
  bool dentro = false;
  for (QChar c : texto) {
    if (c == u' ') {
      dentro = false;
    } else if (!dentro) {
      dentro = true;
      ++palavras;
    }
  }
  return palavras;
}

QString PalavraN(QStringView texto, int n) {
  if (n < 1) return {};
  int contador = 0;
  qsizetype i = 0;
  while (i < texto.size()) {
    while (i < texto.size() && texto[i] == u' ') ++i;
    const qsizetype inicio = i;
    while (i < texto.size() && texto[i] != u' ') ++i;
    if (i > inicio && ++contador == n) return texto.mid(inicio, i - inicio).toString();
  }
  return {};
}

QString PalavraCapitalizada(QStringView texto, int n) {
  QString palavra = PalavraN(texto, n).toLower();
  if (palavra.size() != 2 && !palavra.isEmpty()) palavra[0] = palavra[0].toUpper();
  return palavra;
}

QStringList SeparaPalavras(QStringView texto, bool ignoraParticulas) {
  QStringList palavras;
  const qsizetype n = texto.size();
  qsizetype i = 0;
  while (i < n) {
    while (i < n && texto[i] == u' ') ++i;
    while (i < n && separadorPalavra(texto[i])) ++i;
    while (i < n && texto[i] == u' ') ++i;
    const qsizetype inicio = i;
    while (i < n && texto[i] != u' ' && !separadorPalavra(texto[i])) ++i;
    const QString palavra = texto.mid(inicio, i - inicio).toString();
    if ((!palavra.isEmpty() && !particula(palavra)) || !ignoraParticulas) palavras << palavra;
  }
  return palavras;
}

bool SomenteNumeros(QStringView texto) {
  for (QChar c : texto)
    if (!ehDigito(c)) return false;
  return true;
}

bool SomenteNumerosMascara(QStringView texto) {
  for (QChar c : texto)
    if (!ehDigito(c) && c != u'-' && c != u'.' && c != u'/') return false;
  return true;
}

bool SomenteZeros(QStringView texto) {
  for (QChar c : texto)
    if (c != u'0') return false;
  return true;
}

bool PossuiDigito(QStringView texto, bool vazioPermitido) {
  if (texto.isEmpty()) return vazioPermitido;
  for (QChar c : texto)
    if (ehDigito(c)) return true;
  return false;
}

QString NumeroComZeros(int64_t numero, int largura) {
  if (numero < 0) return u'-' + QString::number(-numero).rightJustified(largura - 1, u'0');
  return QString::number(numero).rightJustified(largura, u'0');
}

QString CompletaZeros(QStringView texto, int largura) { return zerosAEsquerda(texto, largura); }

QString PreencheZeros(QStringView texto, int largura) { return zerosAEsquerda(texto, largura); }

QString AlinhaTexto(QStringView texto, int largura, QChar preenchimento, bool aEsquerda) {
  const QString t = texto.toString();
  const QString alinhado = aEsquerda ? t.rightJustified(largura, preenchimento) : t.leftJustified(largura, preenchimento);
  return alinhado.left(largura);
}

QString CopiaAteUltimoDelimitador(QStringView texto, QChar delimitador) {
  const qsizetype p = texto.lastIndexOf(delimitador);
  return p < 0 ? QString() : texto.left(p + 1).toString();
}

QString CopiaAposUltimoDelimitador(QStringView texto, QChar delimitador) {
  return texto.mid(texto.lastIndexOf(delimitador) + 1).toString();
}

QString NomeArquivoBanco(QStringView caminho) {
  for (qsizetype p = caminho.lastIndexOf(u"DADOS", -1, Qt::CaseInsensitive); p >= 0;
       p = p > 0 ? caminho.lastIndexOf(u"DADOS", p - 1, Qt::CaseInsensitive) : -1) {
    const qsizetype depois = p + 5;
    const bool pasta = (p == 0 || caminho[p - 1] == u'/' || caminho[p - 1] == u'\\') &&
                       depois < caminho.size() && (caminho[depois] == u'/' || caminho[depois] == u'\\');
    if (pasta) return caminho.mid(depois + 1, 30).toString();
  }
  QString nome = caminho.toString();
  nome.replace(u'\\', u'/');
  return CopiaAposUltimoDelimitador(nome, u'/').left(30);
}

QString ExtraiValorCentavos(QStringView linha, int inicio, int tamanho) {
  if (inicio < 1 || tamanho < 1) return {};
  const QStringView campo = linha.mid(inicio - 1).left(qMin(tamanho, 15));
  if (campo.isEmpty() || !SomenteNumeros(campo)) return campo.toString();
  const auto valor = Valor::deDigitos(campo.left(qMax<qsizetype>(campo.size() - 2, 0)),
                                      campo.right(qMin<qsizetype>(campo.size(), 2)).toString().rightJustified(2, u'0'));
  return valor ? valor->formata(2, false) : QString();
}

Valor SomaArredondada(int precisao, int decimais, Valor a, Valor b) {
  const __int128 soma = __int128(a.dezMilesimos()) + b.dezMilesimos();
  if (precisao < 1 || decimais < 0 || soma > INT64_MAX || soma < -INT64_MAX)
    throw std::runtime_error("Erro na totalização dos valores.");
  const int64_t v = int64_t(soma);
  if (v == 0) return Valor();
  // The last decimal kept: the asked decimals or the last significant digit, the coarser.
  const int digitos = int(QString::number(v < 0 ? -v : v).size());
  const int casas = qMin(qMin(decimais, 4), precisao - (digitos - 4));
  if (casas >= 4) return Valor::deDezMilesimos(v);
  const int expoente = 4 - casas;
  if (expoente > 19) return Valor();
  __int128 passo = 1;
  for (int i = 0; i < expoente; ++i) passo *= 10;
  __int128 q = v / passo;
  const __int128 r = v % passo;
  if ((r < 0 ? -r : r) * 2 >= passo) q += v < 0 ? -1 : 1;
  const __int128 resultado = q * passo;
  if (resultado > INT64_MAX || resultado < -INT64_MAX) throw std::runtime_error("Erro na totalização dos valores.");
  return Valor::deDezMilesimos(int64_t(resultado));
}

QString NomeMes(int mes) {
  static constexpr std::array<const char16_t*, 13> kMeses = {
      u"Janeiro", u"Fevereiro", u"Março",    u"Abril",    u"Maio",     u"Junho", u"Julho",
      u"Agosto",  u"Setembro",  u"Outubro", u"Novembro", u"Dezembro", u"13º"};
  return mes >= 1 && mes <= 13 ? QString::fromUtf16(kMeses[size_t(mes - 1)]) : QString();
}
