#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

// A program folder whose index lists declarations with some data of their own, and the means to
// tell whether databases came back whole.
namespace copia_teste {

inline const QString kEmpresa = QStringLiteral("11444777000161");
inline const QString kFilial = QStringLiteral("11444777000242");
inline const QString kPessoa = QStringLiteral("12345678909");
inline const QString kResponsavel = QStringLiteral("98765432100");

inline QString Banco(const QString& ni, const QString& ano = QStringLiteral("2013")) {
  return QStringLiteral("TOLV2014") + ni + ano + QStringLiteral(".FDB");
}

// Row count and a digest of the rows of every table of a database, by table.
inline QMap<QString, QString> Retrato(const QString& arquivo) {
  QMap<QString, QString> r;
  bd::Conexao c(arquivo);
  c.conecta();
  bd::Transacao t(c, {QStringLiteral("read")});
  bd::Consulta tabelas(t, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                         "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL ORDER BY 1"));
  QStringList nomes;
  for (tabelas.abre(); !tabelas.eof(); tabelas.proximo()) nomes << tabelas.campo(1).texto();
  for (const QString& tabela : nomes) {
    bd::Consulta q(t, QStringLiteral("SELECT * FROM ") + tabela);
    QStringList linhas;
    for (q.abre(); !q.eof(); q.proximo()) {
      QStringList campos;
      for (int i = 1; i <= q.quantidadeCampos(); ++i) campos << (q.campo(i).nulo() ? QStringLiteral("<nulo>") : q.campo(i).texto());
      linhas << campos.join(u'|');
    }
    linhas.sort();
    r[tabela] = QString::number(linhas.size()) + u':' +
                QString::fromLatin1(QCryptographicHash::hash(linhas.join(u'\n').toUtf8(), QCryptographicHash::Md5).toHex());
  }
  return r;
}

// Every database of the data folder, by file name.
inline QMap<QString, QMap<QString, QString>> RetratoBase(const QString& dados) {
  QMap<QString, QMap<QString, QString>> r;
  for (const QString& nome : QDir(dados).entryList({QStringLiteral("*.FDB")}, QDir::Files))
    r[nome] = Retrato(dados + u'/' + nome);
  return r;
}

// The data folder's files (not TEMP's) with a digest of their bytes: what must not change.
inline QMap<QString, QByteArray> ArquivosDados(const QString& dados) {
  QMap<QString, QByteArray> r;
  for (const QString& nome : QDir(dados).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    QFile f(dados + u'/' + nome);
    r[nome] = f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5) : QByteArray();
  }
  return r;
}

// The shipped databases with three declarations listed (a company, another establishment of it
// and a person), each database holding a few rows of its own; no connection is left open.
class BaseCopia : public declaracao_teste::ComBancos {
 protected:
  void SetUp() override {
    ComBancos::SetUp();
    {
      TColecaoTolv colecao;
      Cria(colecao, kEmpresa, QStringLiteral("EMPRESA D'ÁGUA LTDA"), 1);
      Cria(colecao, kFilial, QStringLiteral("EMPRESA D'ÁGUA LTDA FILIAL"), 1);
      Cria(colecao, kPessoa, QStringLiteral("FULANO DE TAL"), 9);
    }
    int n = 0;
    for (const QString& ni : {kEmpresa, kFilial, kPessoa}) {
      QString sql;
      for (int i = 1; i <= 3; ++i, ++n)
        sql += QStringLiteral("INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '%1', 'BENEFICIARIO %2');\n")
                   .arg(100000000 + n)
                   .arg(n);
      m_pasta.roda(Banco(ni), sql);
    }
    TColecao::FechaConexoes();
  }

  static void Cria(TColecaoTolv& colecao, const QString& ni, const QString& nome, int natureza) {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(ni);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetAnoCalendario(QStringLiteral("2013"));
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(natureza));
    TResponsavel& r = t.GetResponsavel();
    r.SetNi(kResponsavel);
    r.GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
    r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
    colecao.Inclui(t);
    t.LiberaItens();
  }

  // The base after a backup: one database overwritten, one deleted, the index changed, a stray
  // database added; no connection left open.
  void Danifica() {
    QFile lixo(Dados(Banco(kEmpresa)));
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write(QByteArray(4096, 'x'));
    lixo.close();
    ASSERT_TRUE(QFile::remove(Dados(Banco(kPessoa))));
    m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS WHERE NR_PF_PJ = '123456789'");
    m_pasta.copiaBanco("TOLV2014PD.FDB", Banco("33000167000101"));
    TColecao::FechaConexoes();
  }

  QString Dados(const QString& nome = {}) const { return nome.isEmpty() ? m_pasta.dados() : m_pasta.dados() + u'/' + nome; }
  QString Temp() const { return m_pasta.dados() + QStringLiteral("/TEMP"); }
  QString CopSeg(const QString& nome) const { return m_pasta.caminho() + QStringLiteral("/CopSeg/") + nome; }
  QString LeIndice(const QString& sql) const { return m_pasta.le(QStringLiteral("Tolv.FDB"), sql); }
};

}  // namespace copia_teste
