#pragma once

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "controles/IServicosVerificacao.h"
#include "entrega/ISecoesVerificacao.h"
#include "entrega/LinhaVerificacao.h"
#include "nucleo/Cnpj.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/FalhasBancoRegistradas.h"
#include "suporte/PastaProgramaTemp.h"

namespace verificacao_teste {

const QString kMatriz = QStringLiteral("11444777000161");
const QString kFilial = QStringLiteral("11444777000242");

// The index entry of a declaration of 2013: the year and the number without its check digits.
inline QString Entrada(const QString& ni) { return QStringLiteral("2013") + ni.left(ni.size() - 2); }

// The main window as the verification sees it: the go-to calls and the run's notices, recorded.
class ServicosFalsos : public IServicosVerificacao {
 public:
  struct Ida {
    QString dono, objeto;
    int secao;
    bool operator==(const Ida&) const = default;
  };
  void IrParaPendencia(const QString& dono, const QString& objeto, int secao) override {
    idas.push_back({dono, objeto, secao});
  }
  void VerificacaoEmExecucao(bool emExecucao) override {
    avisos.push_back(emExecucao);
    emExecucaoAgora = emExecucao;
  }

  std::vector<Ida> idas;
  std::vector<bool> avisos;
  bool emExecucaoAgora = false;
};

// Section checks of a script, for the run's own rules: whatever `verifica` does to one declaration.
class SecoesFalsas : public ISecoesVerificacao {
 public:
  using Verifica = std::function<void(TTolv&, TErros&, TVerificacaoPendencias&, int&)>;
  explicit SecoesFalsas(Verifica verifica) : m_verifica(std::move(verifica)) {}
  bool Verificar(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& v, int& contador) override {
    ++chamadas;
    m_verifica(declaracao, erros, v, contador);
    return true;
  }
  int chamadas = 0;

 private:
  Verifica m_verifica;
};

// A fresh program folder with the shipped databases, the scripted message box, and declarations
// of 2013 registered in the index as the program registers them.
class ComIndice : public testing::Test {
 protected:
  void SetUp() override { FalhaBanco = FalhaBancoIndice = false; }
  void TearDown() override { TColecao::FechaConexoes(); }

  // A company's declaration (nature 0 unless told) with the indicators given.
  void Cria(const QString& ni, int natureza = 0, bool fundos = false, bool processos = false,
            const QString& nome = QStringLiteral("EMPRESA TESTE LTDA"),
            const QString& respCnpj = QStringLiteral("98765432100")) {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(ni);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetAnoCalendario(QStringLiteral("2013"));
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(natureza));
    t.SetInAdmFC(fundos ? 1 : 0);
    t.SetInAdvogado(processos ? 1 : 0);
    TResponsavel& r = t.GetResponsavel();
    r.SetNi(QStringLiteral("98765432100"));
    r.GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
    r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
    r.GetEmail().SetValor(QStringLiteral("fulano@empresa.com.br"));
    if (!respCnpj.isEmpty()) t.GetRespCnpj().SetNi(respCnpj);
    if (m_ajusta) m_ajusta(t);
    TColecaoTolv colecao;
    colecao.Inclui(t);
    t.LiberaItens();
  }
  // Statements on the database of a declaration of 2013.
  void Roda(const QString& ni, const QString& sql) {
    m_pasta.roda(QStringLiteral("TOLV2014") + ni + QStringLiteral("2013.FDB"), sql);
  }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
  // Header values that Cria leaves alone.
  std::function<void(TTolv&)> m_ajusta;
};

// The rows as text: titles and headers as they stand, findings as "E|W <object> <owner> <subject>
// <message>".
inline QStringList Textos(const std::vector<LinhaVerificacao>& linhas) {
  QStringList r;
  for (const LinhaVerificacao& l : linhas) {
    if (l.EhPendencia())
      r << QStringLiteral("%1 %2 %3 %4 %5")
               .arg(l.gravidade == LinhaVerificacao::kErro ? "E" : "W")
               .arg(l.objeto)
               .arg(l.aQuemPertence, l.quemEh, l.Texto());
    else
      r << l.descricao;
  }
  return r;
}

// Two funds (2 with one line, 3 without) and a federal process (4) with a law firm and two lines,
// as the annexes' pages store them.
const char* const kAnexos = R"(
INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO ALFA', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (3, '2', '112223330001', 'CLUBE BETA', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (4, '2', '00012345620135010001', 'PROCESSO FEDERAL', 1, '2', '987654320001', 'ESCRITORIO GAMA', '1');
ALTER SEQUENCE GEN_FONTE_DK RESTART WITH 4;
)";

}  // namespace verificacao_teste
