#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "entrega/ArquivoDeclaracao.h"
#include "entrega/TArquivoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/UnidadesFalsas.h"

namespace gravacao_teste {

inline QString DadosEntrega() { return QStringLiteral(TOLV_DADOS_ENTREGA); }

// The declaration object of a case: its caso.ini (key=value lines).
struct Caso {
  QString ni, ano, tipo, recibo, uf;
  int situacao = 0;
};

inline Caso LeCaso(const QString& pasta) {
  QMap<QString, QString> v;
  for (const QByteArray& linha : conteudo(pasta + "/caso.ini").split('\n')) {
    const qsizetype igual = linha.indexOf('=');
    if (igual > 0) v.insert(QString::fromUtf8(linha.left(igual)).trimmed(), QString::fromUtf8(linha.mid(igual + 1)).trimmed());
  }
  return {v.value("ni"), v.value("ano"), v.value("tipo"), v.value("recibo"), v.value("uf"), v.value("situacao").toInt()};
}

// A fresh program folder with a declaration's database filled by a script, a home folder as the
// fixed default drive, and the scripted message box.
class ComGravacao : public testing::Test {
 protected:
  void Prepara(const Caso& caso, const QString& sql) {
    m_caso = caso;
    m_tolv.GetContribuinte().SetNi(caso.ni);
    m_tolv.SetAnoCalendario(caso.ano);
    m_tolv.SetTipoDeclaracao(caso.tipo);
    if (!caso.recibo.isEmpty()) m_tolv.GetNrRecibo().SetValor(caso.recibo);
    m_tolv.SetSituacaoEspecial(uint8_t(caso.situacao));
    m_nomeBanco = m_tolv.GetNomeBancoDeclaracao();
    m_pasta.copiaBanco("TOLV2014PD.FDB", m_nomeBanco);
    if (!sql.isEmpty()) m_pasta.roda(m_nomeBanco, sql);
  }
  void PreparaCaso(const QString& nome) {
    const QString pasta = DadosEntrega() + u'/' + nome;
    Prepara(LeCaso(pasta), QString::fromUtf8(conteudo(pasta + "/declaracao.sql")));
  }
  void Roda(const QString& sql) { m_pasta.roda(m_nomeBanco, sql); }
  QString Banco() const { return m_pasta.dados() + u'/' + m_nomeBanco; }
  QString Casa() const { return m_casa.path(); }

  // A request for the default folder of the home drive, made beforehand.
  PedidoGravacao Pedido(const QString& pasta = {}) {
    const QString destino = pasta.isEmpty() ? ArquivoDeclaracao::PastaPadrao(m_tolv) : pasta;
    QDir().mkpath(destino);
    PedidoGravacao p;
    p.Arquivo = destino + (destino.endsWith(u'/') ? QString() : QStringLiteral("/")) +
                ArquivoDeclaracao::Nome(m_tolv, QStringLiteral("dec"));
    p.Banco = Banco();
    p.Uf = m_caso.uf;
    p.ItensVerificados = 10;
    return p;
  }

  // The files of a folder, hidden ones included.
  static QStringList Arquivos(const QString& pasta) {
    return QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  PastaProgramaTemp m_pasta{true};
  QTemporaryDir m_casa;
  UnidadesFalsas m_unidades{{Unidade{m_casa.path(), TipoUnidade::Fixa, QStringLiteral("casa"), true}}};
  CaixaMensagemFalsa m_caixa;
  TTolv m_tolv;
  Caso m_caso;
  QString m_nomeBanco;
  TArquivoTolv m_arquivo;
};

}  // namespace gravacao_teste
