#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

// Damage done on purpose to a database file that no connection holds, the way a crash or a bad
// disk does it: one of a table's data pages overwritten with zeros.
namespace banco_danificado {

struct Pagina {
  int numero = 0;
  int registros = 0;  // rows the page held
};

// Rows in a table, counted through a connection of its own.
inline int Conta(const QString& arquivo, const QString& tabela) {
  bd::Conexao c(arquivo);
  c.conecta();
  bd::Transacao t(c, {QStringLiteral("read")});
  bd::Consulta q(t, QStringLiteral("SELECT COUNT(*) FROM ") + tabela);
  q.abre();
  return q.campo(1).inteiro();
}

// Fills BENEFICIARIOS with `quantidade` more rows, enough to spread over several pages.
inline void Povoa(const QString& arquivo, int quantidade) {
  bd::Conexao c(arquivo);
  c.conecta();
  bd::Transacao t(c);
  bd::Consulta q(t, QStringLiteral("INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', :NR, :NOME)"));
  q.prepara();
  for (int i = 0; i < quantidade; ++i) {
    q.param(QStringLiteral("NR"), QString::number(500000000 + i));
    q.param(QStringLiteral("NOME"), QStringLiteral("BENEFICIARIO DE NUMERO %1 COM UM NOME LONGO").arg(i));
    q.executa();
  }
  t.commit();
}

// Zeroes a data page of the table that neither starts nor ends it and returns what it held.
inline Pagina ZeraPaginaDeDados(const QString& arquivo, const QString& tabela) {
  int relacao = -1;
  {
    bd::Conexao c(arquivo);
    c.conecta();
    bd::Transacao t(c, {QStringLiteral("read")});
    bd::Consulta q(t, QStringLiteral("SELECT RDB$RELATION_ID FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = :N"));
    q.param(QStringLiteral("N"), tabela);
    q.abre();
    relacao = q.campo(1).inteiro();
  }
  QFile f(arquivo);
  EXPECT_TRUE(f.open(QIODevice::ReadWrite));
  const QByteArray cabecalho = f.read(64);
  uint16_t tamanho = 0;
  std::memcpy(&tamanho, cabecalho.constData() + 16, 2);  // the header page's page size
  EXPECT_GE(tamanho, 1024);
  // A data page: type 5 in its first byte, its relation after the page header and sequence.
  std::vector<Pagina> paginas;
  for (int numero = 0; tamanho && f.seek(qint64(numero) * tamanho); ++numero) {
    const QByteArray p = f.read(tamanho);
    if (p.size() < tamanho) break;
    uint16_t rel = 0, registros = 0;
    std::memcpy(&rel, p.constData() + 20, 2);
    std::memcpy(&registros, p.constData() + 22, 2);
    if (p[0] == 5 && rel == relacao) paginas.push_back({numero, registros});
  }
  EXPECT_GE(paginas.size(), 3u) << "a tabela deve ocupar várias páginas";
  if (paginas.size() < 3) return {};
  const Pagina alvo = paginas[paginas.size() / 2];
  f.seek(qint64(alvo.numero) * tamanho);
  f.write(QByteArray(tamanho, '\0'));
  f.close();
  return alvo;
}

}  // namespace banco_danificado
