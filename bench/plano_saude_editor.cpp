// The health-plan editor on an operator with 100,000 holders: the time to show the operator and
// to walk 1,000 of its holders one by one (each with its dependants), beside the same reads made
// straight through the engine's OO API in the same run, and beside reading every holder at once
// as a list does. Prints figures only.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>

#include "ApiDireta.h"
#include "Bancada.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TTitularesOperadora.h"
#include "secoes/TfrmPlanoSaude.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaudeDAO.h"

using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;

namespace {

constexpr int kTitulares = 100000;
constexpr int kPassos = 1000;
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Ms(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e6; }

class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

// An operator and its holders, stored in one transaction (not timed).
int Semeia(const QString& arquivo) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao t(conexao);
  bd::Consulta op(t, QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_OPERADORA('2', '112223330001', '123455', 'SAUDE BOA LTDA')"));
  op.executa();
  const int chave = op.campo(1).inteiro();
  bd::Consulta inclui(t, QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_TITULAR(:OP, '1', :NR, :VL, 'TITULAR DE TESTE')"));
  for (int i = 0; i < kTitulares; ++i) {
    inclui.param(QStringLiteral("OP"), chave);
    inclui.param(QStringLiteral("NR"), QString::number(300000000 + 7 * i));
    inclui.param(QStringLiteral("VL"), bd::DezMilesimos{int64_t(i % 997) * 10000});
    inclui.executa();
  }
  t.commit();
  return chave;
}

// Runs a query with integer inputs and counts the rows it returns.
int Conta(ApiDireta& api, IStatement* stmt, std::initializer_list<int> entradas) {
  IMessageMetadata* meta = stmt->getInputMetadata(&api.st);
  IMessageMetadata* saida = stmt->getOutputMetadata(&api.st);
  MensagemDireta in(api, meta);
  unsigned i = 0;
  for (int v : entradas) in.valor(i++, int32_t(v));
  std::vector<unsigned char> buffer(saida->getMessageLength(&api.st));
  IResultSet* rs = stmt->openCursor(&api.st, api.tra, meta, in.dados(), saida, 0);
  int linhas = 0;
  while (rs->fetchNext(&api.st, buffer.data()) == Firebird::IStatus::RESULT_OK) ++linhas;
  rs->close(&api.st);
  meta->release();
  saida->release();
  return linhas;
}

// What the editor reads, made bare: the count and the first window; then the walk's windows and
// each holder's dependants.
void Direto(const QString& arquivo, int operadora, double& mostra, double& passos) {
  ApiDireta api(arquivo);
  IStatement* contagem = api.att->prepare(&api.st, api.tra, 0,
                                          "SELECT COUNT(*) FROM TB_PS_TITULAR WHERE TPT_TPO_ID = ?", 3,
                                          IStatement::PREPARE_PREFETCH_METADATA);
  IStatement* janela = api.att->prepare(
      &api.st, api.tra, 0,
      "SELECT T.TPT_ID, T.TPT_NR_PF_PJ, B.NM_NM_EMPR, T.TPT_VL_PAGO FROM TB_PS_TITULAR T "
      "LEFT JOIN BENEFICIARIOS B ON B.IN_PF_PJ = T.TPT_IN_PF_PJ AND B.NR_PF_PJ = T.TPT_NR_PF_PJ "
      "WHERE T.TPT_TPO_ID = ? ORDER BY T.TPT_TPO_ID, T.TPT_NR_PF_PJ, T.TPT_ID ROWS ? TO ?",
      3, IStatement::PREPARE_PREFETCH_METADATA);
  IStatement* dependentes =
      api.att->prepare(&api.st, api.tra, 0, "SELECT * FROM CONSULT_DEPENDENTE_POR_TITULAR(?)", 3,
                       IStatement::PREPARE_PREFETCH_METADATA);
  QElapsedTimer relogio;
  relogio.start();
  Conta(api, contagem, {operadora});
  Conta(api, janela, {operadora, 1, TTitularesOperadora::kJanela});
  mostra = Ms(relogio);
  relogio.restart();
  for (int inicio = 0; inicio < kPassos; inicio += TTitularesOperadora::kJanela)
    Conta(api, janela, {operadora, inicio + 1, inicio + TTitularesOperadora::kJanela});
  for (int k = 0; k < kPassos; ++k) Conta(api, dependentes, {k + 1});
  passos = Ms(relogio);
  contagem->free(&api.st);
  janela->free(&api.st);
  dependentes->free(&api.st);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  bancada::PastaBancada pasta;
  const QString declaracao = pasta.arquivo(kBanco);
  if (!pasta.CopiaModelo(declaracao)) return 1;
  try {
    bd::Servicos::defineEscritaForcada(declaracao, false);
    const int operadora = Semeia(declaracao);

    double mostraDireto = 0, passosDireto = 0;
    Direto(declaracao, operadora, mostraDireto, passosDireto);

    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    Abertura abertura(kBanco);
    double mostra = 0, passos = 0, todos = 0;
    {
      QWidget janela;
      auto* layout = new QVBoxLayout(&janela);
      auto* pagina = new TfrmPlanoSaude(&janela);
      layout->addWidget(pagina);
      TContextoPagina contexto;
      contexto.declaracao = &tolv;
      QElapsedTimer relogio;
      relogio.start();
      // Opening the page shows the operator: its holders counted, none read yet.
      pagina->Inicializa(contexto);
      pagina->Posicionar(QString::number(operadora), QStringLiteral("54"), QStringLiteral("cnpj"));
      mostra = Ms(relogio);
      relogio.restart();
      for (int k = 0; k < kPassos; ++k) pagina->MoveTitular(-1);
      passos = Ms(relogio);
      if (pagina->PosicaoTitular() != kTitulares - kPassos)
        std::printf("  (o passeio parou no titular %d)\n", pagina->PosicaoTitular());
      pagina->Finaliza();
    }
    {
      // Every holder read at once, as a list of records.
      TzuqPlanoSaude op;
      op.SetId(operadora);
      TzuqTitularPlanoSaudeDAO dao;
      QElapsedTimer relogio;
      relogio.start();
      const auto lista = dao.ConsultaPorOperadora(op);
      todos = Ms(relogio);
      if (int(lista.size()) != kTitulares) std::printf("  (a lista trouxe %zu titulares)\n", lista.size());
    }
    TColecao::FechaConexoes();

    std::printf("Editor de plano de saúde: operadora com %d titulares\n", kTitulares);
    std::printf("  mostrar a operadora:          %9.2f ms  (motor direto %8.2f ms, razão %.2f)\n", mostra, mostraDireto,
                mostra / std::max(mostraDireto, 1e-3));
    std::printf("  percorrer %d titulares:     %9.2f ms  (motor direto %8.2f ms, razão %.2f)\n", kPassos, passos,
                passosDireto, passos / std::max(passosDireto, 1e-3));
    std::printf("  por titular:                  %9.3f ms  (motor direto %8.3f ms)\n", passos / kPassos,
                passosDireto / kPassos);
    std::printf("  ler todos os titulares (lista): %7.2f ms  (%.0f vezes o mostrar)\n", todos,
                todos / std::max(mostra, 1e-3));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "falhou: %s\n", e.what());
    return 1;
  }
  return 0;
}
