#include "suporte/PastaProgramaTemp.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

PastaProgramaTemp::PastaProgramaTemp(bool comBancos) {
  EXPECT_TRUE(m_dir.isValid());
  QDir().mkpath(dados() + "/TEMP");
  Pastas::definePrograma(m_dir.path());
  if (comBancos) {
    copiaBanco("Tolv.FDB");
    copiaBanco("TOLV2014PD.FDB");
  }
}

PastaProgramaTemp::~PastaProgramaTemp() { Pastas::definePrograma(QString()); }

QString PastaProgramaTemp::bancosConstruidos() { return QStringLiteral(TOLV_BANCOS_CONSTRUIDOS); }

void PastaProgramaTemp::copiaBanco(const QString& nome, const QString& novoNome) const {
  const QString destino = dados() + "/" + (novoNome.isEmpty() ? nome : novoNome);
  QFile::remove(destino);
  EXPECT_TRUE(QFile::copy(bancosConstruidos() + "/" + nome, destino)) << nome.toStdString();
  QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
  desligaEscritaForcada(destino);
}

void PastaProgramaTemp::desligaEscritaForcada(const QString& arquivo) {
  try {
    bd::Servicos::defineEscritaForcada(arquivo, false);
  } catch (const bd::ErroBanco& e) {
    ADD_FAILURE() << "escrita forçada: " << e.what();
  }
}

void PastaProgramaTemp::roda(const QString& arquivo, const QString& sql) const {
  bd::Conexao c(dados() + "/" + arquivo);
  c.conecta();
  bd::Transacao t(c);
  bd::Script(t).executa(sql);
  t.commit();
}

QString PastaProgramaTemp::le(const QString& arquivo, const QString& sql) const {
  bd::Conexao c(dados() + "/" + arquivo);
  c.conecta();
  bd::Transacao t(c);
  bd::Consulta q(t, sql);
  q.abre();
  return q.eof() ? QStringLiteral("<nenhuma>") : q.campo(1).texto().trimmed();
}
