// The accumulated-income page at the end of a large declaration: 100,000 items of the declarant,
// the page on the last one, then 1,000 steps back as the "Beneficiário anterior" button takes them
// (save check, the previous item read, shown with its counter "n/total"). Beside it, in the same
// run, the bare engine reading the same previous rows through a prepared statement, and what a
// counter counted afresh at every step would cost. Prints figures only.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

#include "ApiDireta.h"
#include "Bancada.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TfrmRra.h"
#include "secoes/TzuqRra.h"

using Firebird::IMessageMetadata;
using Firebird::IStatement;

namespace {

constexpr int kItens = 100000;
constexpr int kPassos = 1000;
using bancada::kBanco;
using bancada::kCnpj;
using bancada::Segundos;

class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

// The items in one transaction, keys 1 to kItens, the key sequence moved past them.
void Preenche(const QString& arquivo) {
  ApiDireta api(arquivo);
  IStatement* stmt = api.att->prepare(
      &api.st, api.tra, 0,
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ, NATUREZA, VL_RENDIME_JAN, VL_RETIDO_JAN, "
      "QTDE_MESES_JAN) VALUES (?, '1', '1', ?, 'Diferencas salariais', ?, ?, ?)",
      3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* entrada = stmt->getInputMetadata(&api.st);
  MensagemDireta in(api, entrada);
  for (int i = 1; i <= kItens; ++i) {
    in.valor(0, int32_t(i));
    in.texto(1, QByteArray::number(100000000 + 7 * i));
    in.valor(2, int64_t(i % 997) * 1000000);
    in.valor(3, int64_t(i % 991) * 10000);
    in.valor(4, int64_t(25000));
    stmt->execute(&api.st, api.tra, entrada, in.dados(), nullptr, nullptr);
  }
  entrada->release();
  stmt->free(&api.st);
  const QByteArray sequencia = "ALTER SEQUENCE GEN_RRA_ITEM_ID RESTART WITH " + QByteArray::number(kItens);
  api.att->execute(&api.st, api.tra, 0, sequencia.constData(), 3, nullptr, nullptr, nullptr, nullptr);
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
    QElapsedTimer relogio;
    relogio.start();
    Preenche(declaracao);
    std::printf("%d itens gravados numa transação em %.2f s\n", kItens, Segundos(relogio));

    // Bare: the previous row of the type by its key, through the type's descending index.
    double direto = 0, contagem = 0;
    {
      ApiDireta api(declaracao);
      ConsultaDireta anterior(api,
                       "SELECT FIRST 1 * FROM RRA_ITEM WHERE IN_TIPO_RRA = '1' AND RRA_ITEM_ID < ? "
                       "ORDER BY IN_TIPO_RRA DESC, RRA_ITEM_ID DESC");
      int32_t chave = kItens;
      relogio.start();
      for (int i = 0; i < kPassos; ++i) {
        anterior.in().valor(0, chave);
        chave = anterior.primeira();
      }
      direto = Segundos(relogio);
      if (chave != kItens - kPassos) std::printf("  (leitura direta parou na chave %d)\n", chave);

      // What each step would add if the counter were counted afresh: the type's count and the
      // item's place.
      ConsultaDireta total(api, "SELECT RRADEC FROM RRA_ITEM_TOTAL");
      ConsultaDireta posicao(api,
                      "SELECT COUNT(R.RRA_ITEM_ID) FROM RRA_ITEM R WHERE R.RRA_ITEM_ID <= ? AND R.IN_TIPO_RRA = '1'");
      constexpr int kContagens = 50;
      int64_t soma = 0;
      relogio.start();
      for (int i = 0; i < kContagens; ++i) {
        posicao.in().valor(0, int32_t(kItens - i));
        soma += total.primeira() + posicao.primeira();
      }
      contagem = Segundos(relogio) / kContagens;
      if (soma == 0) std::printf("  (contagens vazias)\n");
    }

    TTolv tolv;
    tolv.GetContribuinte().SetNi(kCnpj);
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    {
      Abertura abertura(kBanco);
      QWidget janela;
      auto* editor = new TfrmRra(1, &janela);
      janela.resize(640, 600);
      relogio.start();
      editor->Inicializa(tolv);
      editor->Ativa();
      const double aberta = Segundos(relogio);
      relogio.start();
      editor->Ultimo();
      const double ultimo = Segundos(relogio);
      relogio.start();
      for (int i = 0; i < kPassos; ++i) editor->Anterior();
      const double pagina = Segundos(relogio);
      std::printf("página aberta (com a contagem do tipo) em %.1f ms, no último item em %.1f ms; contador %s\n",
                  1000 * aberta, 1000 * ultimo, qPrintable(editor->Contador()));
      std::printf("passos para trás no fim de %d itens: %d, %.3f ms por passo; direto %.3f ms por passo; "
                  "razão %.2f\n",
                  kItens, kPassos, 1000 * pagina / kPassos, 1000 * direto / kPassos, pagina / direto);
      std::printf("  contador contado a cada passo custaria %.3f ms por passo a mais\n", 1000 * contagem);
      editor->Finaliza();
    }
    tolv.LiberaItens();
    TColecao::FechaConexoes();
  } catch (const Firebird::FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  }
  Pastas::definePrograma({});
  return 0;
}
