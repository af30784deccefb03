#pragma once

#include <QString>

#include <cstdint>

// The names that backup archives and the files inside them go by, and the texts derived from
// them. Names that come from outside (an archive, an index read from an archive, a path the user
// typed) are compared without regard to letter case.
namespace NomesCopia {

inline const QString kExtensaoBase = QStringLiteral(".cmp");         // the whole database
inline const QString kExtensaoDeclaracao = QStringLiteral(".dbk");   // one declaration
inline const QString kArquivoPadrao = QStringLiteral("CopSeg.cmp");
inline const QString kArquivoAutomatico = QStringLiteral("copsegauto.cmp");
inline const QString kPastaCopias = QStringLiteral("CopSeg");
inline const QString kIndice = QStringLiteral("Tolv.FDB");
inline const QString kModelo = QStringLiteral("TOLV2014PD.FDB");

// Whether the name is the index database's, in any letter case.
bool EhNomeIndice(const QString& nome);
// Whether a bare name is a declaration database's as this program names them: "TOLV2014", the
// declarant's 11 or 14 digits, the four digits of the year and ".FDB", in any letter case. A
// folder part, "..", the template's name or anything else is refused.
bool EhNomeBancoDeclaracao(const QString& nome);

// The declaration database that a one-declaration archive's path names: of the file's name, the
// 23 characters before ".dbk" when they hold "TOLV" (a person's), else the 26 before it (a
// company's), with ".FDB"; upper-cased. Empty when the path has no ".dbk" or what it names is not
// a declaration database's name.
QString NomeBancoDaCopia(const QString& caminho);

// The name of a one-declaration archive: "TOLV2014", the stored number with its check digits,
// the year, ".dbk".
QString NomeCopiaDeclaracao(const QString& numeroBase, const QString& ano);

// Whether the path ends in the extension, in any letter case.
bool TemExtensao(const QString& caminho, const QString& extensao);

// The count of 1.4 MB diskettes that a backup of that many bytes asks for.
int QuantidadeDisquetes(int64_t tamanho);

// A whole count in Portuguese words, in the feminine ("duas Mil e trezentas e quarenta e cinco").
// A count outside 0 to 999,999 is taken as 9,999.
QString NumeroPorExtenso(int64_t numero);
// The words of a group of three digits.
QString CentenaPorExtenso(const QString& grupo);

}  // namespace NomesCopia
