#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TResponsavel;
class TTolv;

// The texts of the declaration reports' shared heading, declarant band and footer, from the
// declaration's values.
namespace TextosRelatorio {

inline const QString kVersao = QStringLiteral("Versão 1.5");
inline const QString kSemDados = QStringLiteral("Não existem dados a serem impressos.");

// The two ways the reports write the special-situation event: A (totals per code, beneficiary
// list, summary) and B (complete declaration, monthly totals).
enum class RegraEvento { A, B };

// "Tipo: Original" for "O", "Tipo: Retificadora" for "R", else empty.
QString Tipo(const QString& tipoDeclaracao);
// "Ano-calendário: " and the year.
QString Ano(const QString& ano);
// The event label: `tipoNi` 1 person, 2 company; `data` dd/mm/yyyy, empty or "30/12/1899" when
// none; `tipoEvento` 1 closing of an estate, 2 definitive departure from the country.
QString Evento(RegraEvento regra, int tipoNi, uint8_t situacaoEspecial, const QString& data, uint8_t tipoEvento);
QString Evento(RegraEvento regra, const TTolv& tolv);

// The titles of the declarant's name and number: "Nome empresarial" and "CNPJ" for a company,
// "Nome" and "CPF" otherwise; with a colon after each for the summary.
QString TituloNome(int tipoNi, bool doisPontos = false);
QString TituloNumero(int tipoNi, bool doisPontos = false);

// A name in lines of `porLinha` characters, at most `linhas` of them (characters 1-100, 101-200);
// no empty line after the first.
QStringList LinhasNome(const QString& nome, int porLinha = 100, int linhas = 2);

// Each blank-separated word capitalised (two-letter words in lower case), each followed by one
// blank: the responsible person's name (normalised first, apostrophes to blanks) and e-mail.
QString NomeCapitalizado(const QString& nome);
QString EmailCapitalizado(const QString& email);

// The responsible person's labels of the declarant band; all empty without a CPF.
struct Responsavel {
  QString cpf, nome, ddd, telefone, ramal, fax, email;
};
Responsavel DoResponsavel(const TResponsavel& responsavel);

// "Declarante: " and the formatted number.
QString Declarante(const QString& niFormatado);
// "Página 7", or "Página 7 de 12" when the count is known.
QString Pagina(int numero, int total);

}  // namespace TextosRelatorio
