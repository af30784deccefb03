#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

class Valor;

// The kind of the last report asked from the main window's print actions (0 = none);
// NormalizaTexto reads it. Set by the main window.
extern int TipoImpressao;

// Without leading and trailing blanks and control characters.
QString Apara(QStringView texto);

// A text for the declaration file: trimmed, upper case, the Portuguese accents and the cedilla
// replaced by plain letters, single blanks; with `trataApostrofo`, an apostrophe becomes a
// blank unless the report kind is 1 or 3 to 9. Other characters stay as they are.
QString NormalizaTexto(QStringView texto, bool trataApostrofo);
// The same for the declaration file, whatever report was printed last: with `apostrofoParaBranco`
// an apostrophe always becomes a blank, so that a declaration always gives the same bytes.
QString NormalizaTextoArquivo(QStringView texto, bool apostrofoParaBranco);
// Upper case; every accented letter of Windows-1252 to its plain letter (A C E I N O U Y);
// every other character outside ASCII to a blank.
QString RemoveAcentos(QStringView texto);

// Words are runs of characters other than the blank.
int ContaPalavras(QStringView texto);
// The n-th word (from 1); empty when there are fewer.
QString PalavraN(QStringView texto, int n);
// The n-th word in lower case with a capital first letter; a two-letter word stays lower.
QString PalavraCapitalizada(QStringView texto, int n);
// The words split at blanks and at ' , - . / : ; with `ignoraParticulas` the particles DE, DA,
// DO, DAS, DOS and EM (and empty words) are left out.
QStringList SeparaPalavras(QStringView texto, bool ignoraParticulas);

bool SomenteNumeros(QStringView texto);         // digits only; true for ""
bool SomenteNumerosMascara(QStringView texto);  // digits, '-', '.' and '/'; true for ""
bool SomenteZeros(QStringView texto);           // "0" only; true for ""
bool PossuiDigito(QStringView texto, bool vazioPermitido);

QString NumeroComZeros(int64_t numero, int largura);
// The trimmed text with "0" in front up to the width (both names are in use).
QString CompletaZeros(QStringView texto, int largura);
QString PreencheZeros(QStringView texto, int largura);
// Filled with the character up to the width, before the text or after it, then cut to it.
QString AlinhaTexto(QStringView texto, int largura, QChar preenchimento, bool aEsquerda);

// The folder part of a path, with its final delimiter; empty without a delimiter.
QString CopiaAteUltimoDelimitador(QStringView texto, QChar delimitador);
// What follows the last delimiter; the whole text without one.
QString CopiaAposUltimoDelimitador(QStringView texto, QChar delimitador);
// The file name of a declaration database: what follows the last DADOS folder of the path
// (case ignored), at most 30 characters; the file name when there is no DADOS folder.
QString NomeArquivoBanco(QStringView caminho);

// The fixed-width field at `inicio` (from 1), at most 15 characters: when it is digits only,
// its value in cents written as reais with two decimals ("12345" -> "123,45"); else unchanged.
QString ExtraiValorCentavos(QStringView linha, int inicio, int tamanho);

// a + b rounded to `decimais` decimals and to `precisao` significant digits, halves away
// from zero. Throws std::runtime_error "Erro na totalização dos valores." when the sum does
// not fit or the format is impossible.
Valor SomaArredondada(int precisao, int decimais, Valor a, Valor b);

// "Janeiro" .. "Dezembro", "13º" for 1 to 13; empty otherwise.
QString NomeMes(int mes);
