#include "nucleo/ConfiguracoesTolv.h"

#include <QDir>

#include "nucleo/Diretorios.h"
#include "nucleo/TArquivoIni.h"

namespace ConfiguracoesTolv {

namespace {

const QString kGeral = QStringLiteral("Geral");
const QString kAnalisador = QStringLiteral("Analisador");
const QString kCopia = QStringLiteral("Copia de Seguranca");
const QString kVerificacao = QStringLiteral("Verificacao de Pendencia");
const QString kImportacao = QStringLiteral("Importacao");
const QString kAssistG = QStringLiteral("AssistG");
const QString kGeracao = QStringLiteral("Geracao");

QString umZero(bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); }

QString pastaCopia(const QString& chave, AssistenteCopia a) {
  const QString padrao = a == AssistenteCopia::Copia ? DiretorioPrograma() + QStringLiteral("/CopSeg") : QString();
  return RemoveBarraFinal(TArquivoIni::LeString(kCopia, chave, padrao));
}

QString arquivoCopia(const QString& chave, AssistenteCopia a) {
  return TArquivoIni::LeString(kCopia, chave, a == AssistenteCopia::Copia ? QStringLiteral("CopSeg.cmp") : QString());
}

QString chaveItem(int i) { return QStringLiteral("Item%1").arg(i); }

}  // namespace

bool JahMostrou() { return TArquivoIni::LeBooleano(kGeral, QStringLiteral("JahMostrou"), false); }
bool GravaJahMostrou(bool valor) { return TArquivoIni::GravaBooleano(kGeral, QStringLiteral("JahMostrou"), valor); }

bool AnalisadorHabilitado() { return TArquivoIni::LeBooleano(kAnalisador, QStringLiteral("exibe"), false); }
bool GravaAnalisadorHabilitado(bool valor) {
  return TArquivoIni::GravaBooleano(kAnalisador, QStringLiteral("exibe"), valor);
}

bool CopiaAutomatica() {
  return TArquivoIni::LeString(kCopia, QStringLiteral("automatica"), QStringLiteral("1")) == QLatin1String("1");
}
bool GravaCopiaAutomatica(bool valor) {
  return TArquivoIni::GravaString(kCopia, QStringLiteral("automatica"), umZero(valor));
}

QString DirCsDefault(AssistenteCopia a) { return pastaCopia(QStringLiteral("DirCsDefault"), a); }
QString DirCsUltimo(AssistenteCopia a) { return pastaCopia(QStringLiteral("DirCsUltimo"), a); }
QString ArqCsDefault(AssistenteCopia a) { return arquivoCopia(QStringLiteral("ArqCsDefault"), a); }
QString ArqCsUltimo(AssistenteCopia a) { return arquivoCopia(QStringLiteral("ArqCsUltimo"), a); }
bool GravaDirCsDefault(const QString& pasta) {
  return TArquivoIni::GravaString(kCopia, QStringLiteral("DirCsDefault"), pasta);
}
bool GravaDirCsUltimo(const QString& pasta) {
  return TArquivoIni::GravaString(kCopia, QStringLiteral("DirCsUltimo"), pasta);
}
bool GravaArqCsDefault(const QString& nome) {
  return TArquivoIni::GravaString(kCopia, QStringLiteral("ArqCsDefault"), nome);
}
bool GravaArqCsUltimo(const QString& nome) {
  return TArquivoIni::GravaString(kCopia, QStringLiteral("ArqCsUltimo"), nome);
}

bool ExibirAvisos() {
  return TArquivoIni::LeString(kVerificacao, QStringLiteral("exibirAvisos"), QStringLiteral("1")) != QLatin1String("0");
}
bool GravaExibirAvisos(bool valor) {
  return TArquivoIni::GravaString(kVerificacao, QStringLiteral("exibirAvisos"), umZero(valor));
}

int MascaraImportacao() { return TArquivoIni::LeInteiro(kImportacao, QStringLiteral("Mascara"), 0); }
bool GravaMascaraImportacao(int mascara) {
  return TArquivoIni::GravaInteiro(kImportacao, QStringLiteral("Mascara"), mascara);
}
QString DiretorioImportacao() {
  return TArquivoIni::LeString(kImportacao, QStringLiteral("Diretorio"), DiretorioPrograma());
}
bool GravaDiretorioImportacao(const QString& pasta) {
  return TArquivoIni::GravaString(kImportacao, QStringLiteral("Diretorio"), pasta);
}
bool GravaArqImporta(const QString& arquivo) {
  return TArquivoIni::GravaString(kImportacao, QStringLiteral("ArqImporta"), arquivo);
}
QString BibliotecaCompressao() {
  const QString configurada =
      TArquivoIni::LeString(QStringLiteral("Compressao"), QStringLiteral("Biblioteca"), QStringLiteral("vevivav10.dll"))
          .trimmed();
  return QDir(DiretorioPrograma()).filePath(configurada);
}

QString UnidadeGravacao() { return TArquivoIni::LeString(kAssistG, QStringLiteral("unidade"), QStringLiteral("x")); }
bool GravaUnidadeGravacao(const QString& unidade) {
  return TArquivoIni::GravaString(kAssistG, QStringLiteral("unidade"), unidade);
}
QString DiretorioGravacao() {
  return TArquivoIni::LeString(kAssistG, QStringLiteral("diretorio"), QStringLiteral("x"));
}
bool GravaDiretorioGravacao(const QString& pasta) {
  return TArquivoIni::GravaString(kAssistG, QStringLiteral("diretorio"), pasta);
}
QString DiscoGeracao() { return TArquivoIni::LeString(kGeracao, QStringLiteral("Disco"), QStringLiteral("c")); }
bool GravaDiscoGeracao(const QString& disco) {
  return TArquivoIni::GravaString(kGeracao, QStringLiteral("Disco"), disco);
}

QString BibliotecaAssinatura() {
  const QString valor = TArquivoIni::LeString(QStringLiteral("Recibo"), QStringLiteral("BibliotecaAssinatura")).trimmed();
  if (valor.isEmpty()) return {};
  return QDir::cleanPath(QDir(DiretorioPrograma()).absoluteFilePath(valor));
}

QStringList HistoricoPesquisa(const QString& secao) {
  QStringList r;
  for (int i = 0; i < kTamanhoHistorico; ++i) {
    const QString v = TArquivoIni::LeString(secao, chaveItem(i));
    if (!v.isEmpty()) r << v;
  }
  return r;
}

bool GravaHistoricoPesquisa(const QString& secao, const QStringList& valores) {
  QStringList guardar;
  for (const QString& v : valores)
    if (!v.isEmpty() && guardar.size() < kTamanhoHistorico) guardar << v;
  bool ok = true;
  for (int i = 0; i < kTamanhoHistorico; ++i)
    ok = TArquivoIni::GravaString(secao, chaveItem(i), i < guardar.size() ? guardar[i] : QString()) && ok;
  return ok;
}

}  // namespace ConfiguracoesTolv
