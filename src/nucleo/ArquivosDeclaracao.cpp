#include "nucleo/ArquivosDeclaracao.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "nucleo/EColecaoError.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/sistema/Pastas.h"

namespace ArquivosDeclaracao {

namespace {
constexpr uint16_t kArquivoEmUso = 95;
}

bool EhBancoDeclaracao(const QString& nome) {
  static const QRegularExpression padrao(QStringLiteral("^TOLV2014.{15,}\\.FDB$"),
                                         QRegularExpression::CaseInsensitiveOption);
  const QString maiusculo = nome.toUpper();
  if (maiusculo == u"TOLV.FDB" || maiusculo == u"TOLV2014PD.FDB") return false;
  return padrao.match(nome).hasMatch();
}

QStringList Lista() {
  QStringList bancos;
  const QStringList arquivos = QDir(Pastas::dados()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& nome : arquivos)
    if (EhBancoDeclaracao(nome)) bancos << nome;
  return bancos;
}

QString PoeDeLado(const QString& arquivo) {
  const QString caminho = Pastas::dados() + u'/' + arquivo;
  if (!QFile::exists(caminho)) return {};
  if (bd::Conexao::arquivoEmUso(caminho)) throw EColecaoError(kArquivoEmUso, arquivo);
  // Ends in neither ".FDB" nor anything the program lists: kept for the user, never adopted.
  const QString base = arquivo + QStringLiteral(".anterior-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString novo = base;
  for (int n = 2; QFile::exists(Pastas::dados() + u'/' + novo); ++n) novo = base + u'-' + QString::number(n);
  if (!QFile::rename(caminho, Pastas::dados() + u'/' + novo)) throw EColecaoError(kArquivoEmUso, arquivo);
  return novo;
}

bool Exclui(const QString& caminho) { return QFile::remove(caminho) || !QFile::exists(caminho); }

}  // namespace ArquivosDeclaracao
