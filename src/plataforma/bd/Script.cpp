#include "plataforma/bd/Script.h"

#include <QRegularExpression>

#include "plataforma/bd/Interno.h"
#include "plataforma/bd/TextoSql.h"
#include "plataforma/bd/Transacao.h"

namespace bd {

namespace {

QString primeirasPalavras(const QString& comando, int quantas) {
  static const QRegularExpression espacos(QStringLiteral("\\s+"));
  return comando.section(espacos, 0, quantas - 1).toUpper();
}

bool ajusteDoIsql(const QString& comando) {
  static const QStringList ajustes = {
      QStringLiteral("SET SQL"),    QStringLiteral("SET NAMES"),    QStringLiteral("SET AUTODDL"),
      QStringLiteral("SET BAIL"),   QStringLiteral("SET ECHO"),     QStringLiteral("SET LIST"),
      QStringLiteral("SET HEADING"), QStringLiteral("SET COUNT"),   QStringLiteral("SET WARNINGS"),
      QStringLiteral("SET PLAN"),   QStringLiteral("SET STATS"),    QStringLiteral("SET TIME"),
      QStringLiteral("SET WIDTH"),  QStringLiteral("SET BLOB"),     QStringLiteral("SET ROWCOUNT")};
  return ajustes.contains(primeirasPalavras(comando, 2));
}

bool definicao(const QString& comando) {
  static const QStringList verbos = {QStringLiteral("CREATE"),  QStringLiteral("ALTER"),
                                     QStringLiteral("DROP"),    QStringLiteral("RECREATE"),
                                     QStringLiteral("DECLARE"), QStringLiteral("GRANT"),
                                     QStringLiteral("REVOKE"),  QStringLiteral("COMMENT")};
  return verbos.contains(primeirasPalavras(comando, 1));
}

}  // namespace

void Script::executa(const QString& texto) {
  auto tr = m_transacao.nucleo();
  for (const QString& comando : TextoSql::divideScript(texto)) {
    if (ajusteDoIsql(comando)) continue;
    const QString verbo = primeirasPalavras(comando, 1);
    if (verbo == u"COMMIT") {
      if (tr->ativa()) tr->commit();
      continue;
    }
    if (verbo == u"ROLLBACK") {
      if (tr->ativa()) tr->rollback();
      continue;
    }
    if (!tr->conexao) throw ErroBanco(QStringLiteral("A transação do script não tem banco de dados."));
    tr->conexao->exigeConectada();
    tr->garanteAtiva();
    const QByteArray sql = comando.toUtf8();
    interno::protegido([&] {
      interno::Status st;
      tr->conexao->att->execute(st.get(), tr->tra, unsigned(sql.size()), sql.constData(), 3, nullptr,
                                nullptr, nullptr, nullptr);
    });
    tr->alterada = true;
    if (definicao(comando)) tr->commitRetendo();
  }
}

}  // namespace bd
