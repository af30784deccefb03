#pragma once

#include <gtest/gtest.h>

#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/FalhasBancoRegistradas.h"
#include "suporte/PastaProgramaTemp.h"

namespace declaracao_teste {

// Makes every commit on a database of the folder fail while the committing transaction sees
// `condicao` true, as a full disk or a lost connection would at the end of a save.
inline void RecusaConfirmacao(const PastaProgramaTemp& pasta, const QString& banco, const QString& condicao) {
  pasta.roda(banco, QStringLiteral("CREATE EXCEPTION TESTE_CONFIRMACAO 'confirmacao recusada';\n"
                                   "SET TERM ^ ;\n"
                                   "CREATE TRIGGER TESTE_CONFIRMACAO ON TRANSACTION COMMIT AS BEGIN\n"
                                   "  IF (%1) THEN EXCEPTION TESTE_CONFIRMACAO;\n"
                                   "END^\n"
                                   "SET TERM ; ^\n")
                        .arg(condicao));
  // An attached connection does not see a new database trigger: the declaration's attaches again.
  bd::Conexao* declaracao = TColecao::GetBancoDeclaracao();
  if (declaracao && declaracao->conectada() && declaracao->arquivo() == pasta.dados() + u'/' + banco) {
    declaracao->desconecta();
    declaracao->conecta();
  }
}

// A fresh program folder with the shipped databases, a scripted message box, clear failure
// flags and the failures the collections report recorded; the connections are closed at the end.
class ComBancos : public testing::Test {
 protected:
  void SetUp() override { FalhaBanco = FalhaBancoIndice = false; }
  void TearDown() override {
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
};

// A company's declaration of the regular year over the shipped databases, with its database
// copied from the template; the collections it made go before the connections close.
class ComDeclaracao : public ComBancos {
 protected:
  static inline const QString kCnpj = QStringLiteral("11444777000161");
  static inline const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

  void SetUp() override {
    ComBancos::SetUp();
    m_tolv.GetContribuinte().SetNi(kCnpj);
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
    m_pasta.copiaBanco("TOLV2014PD.FDB", kBanco);
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    ComBancos::TearDown();
  }
  QString ArquivoBanco() const { return m_pasta.dados() + u'/' + kBanco; }

  TTolv m_tolv;
};

// A fund, club or process annex of a declaration, as far as its summary and codes care.
class Anexo : public TTolvAnexo {
 public:
  explicit Anexo(TTolv& declaracao, const QString& fonte = {}) : m_declaracao(declaracao) { SetFonteDK(fonte); }
  void SetErros(TErros* erros) override { m_erros = erros; }
  TTolv& GetDeclaracao() override { return m_declaracao; }
  bool EhAnexoFC() const override { return true; }

 private:
  TTolv& m_declaracao;
};

// A revenue code to look up.
inline TCodigoRetencao Pedido(const char* ano, const char* anexo, const char* codigo) {
  TCodigoRetencao c;
  c.SetAno(QString::fromLatin1(ano));
  c.SetAnexo(QString::fromLatin1(anexo));
  c.SetCodigo(QString::fromLatin1(codigo));
  return c;
}

}  // namespace declaracao_teste
