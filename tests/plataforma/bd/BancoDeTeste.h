#pragma once

#include <gtest/gtest.h>

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/PastaProgramaTemp.h"

// A scratch copy of the template database, connected, for the tests of the database layer.
class BancoDeTeste : public testing::Test {
 protected:
  void SetUp() override {
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), QStringLiteral("TESTE.FDB"));
    m_arquivo = m_pasta.dados() + QStringLiteral("/TESTE.FDB");
    m_conexao.defineArquivo(m_arquivo);
    m_conexao.conecta();
  }

  // Runs a script and commits it.
  void roda(const QString& script) {
    bd::Transacao t(m_conexao);
    bd::Script(t).executa(script);
    t.commit();
  }

  PastaProgramaTemp m_pasta;
  QString m_arquivo;
  bd::Conexao m_conexao;
};
