#pragma once

#include <QString>
#include <QStringList>

// Every value of Tolv2014.ini that the program reads or writes, with its default in one place.
// Setters answer false when the file could not be written.
namespace ConfiguracoesTolv {

// Whether the news window was asked not to open at start-up.
bool JahMostrou();
bool GravaJahMostrou(bool valor);

// "&Habilitar analisador" checked.
bool AnalisadorHabilitado();
bool GravaAnalisadorHabilitado(bool valor);

// "Cópia de segurança &automática" checked: only the text "1" checks it.
bool CopiaAutomatica();
bool GravaCopiaAutomatica(bool valor);

// The backup wizard's defaults are the program's CopSeg folder and "CopSeg.cmp"; the restore
// wizard's are empty. Folders come without a trailing separator.
enum class AssistenteCopia { Copia, Restauracao };
QString DirCsDefault(AssistenteCopia assistente);
QString DirCsUltimo(AssistenteCopia assistente);
QString ArqCsDefault(AssistenteCopia assistente);
QString ArqCsUltimo(AssistenteCopia assistente);
bool GravaDirCsDefault(const QString& pasta);
bool GravaDirCsUltimo(const QString& pasta);
bool GravaArqCsDefault(const QString& nome);
bool GravaArqCsUltimo(const QString& nome);

// The verification's "&Mostrar avisos": any text other than "0" ticks it.
bool ExibirAvisos();
bool GravaExibirAvisos(bool valor);

// The import wizards' open dialog: the file-type filter last chosen and the folder it starts in.
int MascaraImportacao();
bool GravaMascaraImportacao(int mascara);
QString DiretorioImportacao();
bool GravaDiretorioImportacao(const QString& pasta);
// The file being imported (written, never read).
bool GravaArqImporta(const QString& arquivo);
// The outside compression library that decompresses earlier years' written declarations:
// [Compressao] "Biblioteca", a path of its own or one relative to the program folder; by default
// "vevivav10.dll" in the program folder.
QString BibliotecaCompressao();

// The writing wizard's last target drive and folder ("x" when none), and its drive box's text.
QString UnidadeGravacao();
bool GravaUnidadeGravacao(const QString& unidade);
QString DiretorioGravacao();
bool GravaDiretorioGravacao(const QString& pasta);
QString DiscoGeracao();
bool GravaDiscoGeracao(const QString& disco);

// The receipt-signature plug-in: section "Recibo", key "BibliotecaAssinatura". A relative path
// is taken from the program folder; empty when the key is not set (no receipt then verifies).
QString BibliotecaAssinatura();

// Search histories: the last ten values typed in a search box, keys Item0 to Item9 of their
// section, the most recent first.
inline const QString kPesquisasNI = QStringLiteral("PesquisasNI");
inline const QString kPesquisasNome = QStringLiteral("PesquisasNome");
inline const QString kPesquisasProcesso = QStringLiteral("PesquisasProcesso");
inline constexpr int kTamanhoHistorico = 10;
QStringList HistoricoPesquisa(const QString& secao);
// Keeps the first ten non-empty values; the keys beyond them are emptied.
bool GravaHistoricoPesquisa(const QString& secao, const QStringList& valores);

}  // namespace ConfiguracoesTolv
