#pragma once

#include <QString>

class TTolv;

// Where a declaration file is written and what it is called.
namespace ArquivoDeclaracao {

// "<tax number>-TOLV-2014-<calendar year>-ORIGI|RETIF-NORMAL|ESPOLIOSAIDA|EXTINCAO.<extensao>":
// ESPOLIOSAIDA for a person's special-situation declaration, EXTINCAO for a company's.
QString Nome(const TTolv& declaracao, const QString& extensao = QStringLiteral("DEC"));
// "<raiz>/Declaracoes Gravadas BVD/Tolv2014/<tax number>/<calendar year>/"; the root is a
// drive's mount point, the fixed default drive (the home folder) when empty.
QString PastaPadrao(const TTolv& declaracao, const QString& raiz = {});
// "<raiz>/Declaracoes Gravadas BVD/Tolv2014/", where every declaration's default folder lies.
QString PastaGravadas(const QString& raiz = {});
// The path with its last three characters replaced (a name ending ".dec" becomes ".DEC").
QString TrocaExtensao(const QString& caminho, const QString& extensao);
// The file beside the path with the same name and the given three-character extension, the whole
// name matched in any letter case (the exact one first); empty when there is none.
QString AoLado(const QString& caminho, const QString& extensao);
// The delivery receipt of a declaration file in the file's folder: AoLado with "REC".
QString ReciboAoLado(const QString& caminhoDeclaracao);

}  // namespace ArquivoDeclaracao
