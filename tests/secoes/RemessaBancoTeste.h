#pragma once

#include <QString>

#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/TColecao.h"
#include "secoes/TzuqCachesRemessa.h"

namespace remessa_teste {

// A fresh program folder whose declaration database, a copy of the template, is the open
// declaration; the reference caches are forgotten before and after, as they belong to a folder.
class ComBancoRemessa : public declaracao_teste::ComBancos {
 protected:
  static inline const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

  void SetUp() override {
    ComBancos::SetUp();
    TzuqCachesRemessa::Descarta();
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
    Abridor().AbrirBancoDeclaracao(kBanco, false);
  }
  void TearDown() override {
    TzuqCachesRemessa::Descarta();
    ComBancos::TearDown();
  }

  void Roda(const QString& sql) const { m_pasta.roda(kBanco, sql); }
  QString Le(const QString& sql) const { return m_pasta.le(kBanco, sql); }
  QString Modelo() const { return m_pasta.dados() + QStringLiteral("/TOLV2014PD.FDB"); }

 private:
  struct Abridor : TColecao {
    void AbreConsulta(bd::Consulta&) override {}
  };
};

}  // namespace remessa_teste
