// The beneficiary-lines page's rules over a 500,000-line declaration: 1,000 browse steps at the
// start, the middle and the end (each with the counter the page shows), and 1,000 lines keyed and
// stored one by one as the page stores them; beside each, the bare engine path measured in the
// same run (an indexed step to the next row; the line's stored procedure and a commit). Prints
// figures only.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "ApiDireta.h"
#include "Bancada.h"
#include "controles/TLogicaBeneficiarios.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kLinhas = 500000;
constexpr int kPassos = 1000;
constexpr int kDigitadas = 1000;

using bancada::kBanco;
using bancada::Segundos;
using R = TRendimentosTributaveis;

QString Cpf(int i) {
  const QString base = QString::number(100000000 + 7 * i);
  return base + TCpf::CalculaDVCpf(base);
}

void Preenche(TTolvItem& l, int i, const char* codigo) {
  l.Limpa();
  l.SetModificado(false);
  l.GetBeneficiario().SetNi(Cpf(i));
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO DE TESTE"));
  l.GetCodigoRetencao().SetCodigo(QString::fromLatin1(codigo));
  for (int mes = 1; mes <= 12; ++mes) {
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(Valor::deCentavos(300000 + i % 997 + mes));
    l.GetTributaveis().GetSerie(R::kRetido).Mes(mes).SetValorMonetario(Valor::deCentavos(1500 + mes));
  }
}

// The bare step: the next row of the section after a key, by its index, fetched whole.
double PassosDiretos(const QString& arquivo, int inicio) {
  return ::PassosDiretos(
      arquivo, "SELECT FIRST 1 * FROM TOLV_ITENS WHERE E_FONTE_DK = 1 AND TOLV_ITEM_DK > ? ORDER BY TOLV_ITEM_DK", 0,
      inicio, kPassos);
}

// The bare save: the line's procedure with a line's values, committed each time as the page does.
double GravacoesDiretas(const QString& arquivo) {
  ApiDireta api(arquivo);
  QByteArray sql = "EXECUTE PROCEDURE INCLUI_ATU_TOLV_ITEM(?";
  for (int i = 1; i < 120; ++i) sql += ", ?";
  sql += ")";
  ConsultaDireta gravacao(api, sql.constData());
  MensagemDireta& in = gravacao.in();
  in.valor(0, int16_t(2));
  in.valor(1, int16_t(0));
  in.nulo(2, true);
  in.texto(3, "1");
  in.texto(4, "0561");
  in.texto(5, "1");
  in.texto(111, QByteArray("BENEFICIARIO DE TESTE"));
  for (unsigned i : {112u, 113u, 114u}) in.texto(i, "");
  in.texto(115, "N");
  in.valor(116, api.util->encodeDate(1899, 12, 30));
  in.texto(117, "T");
  in.nulo(118, true);
  in.nulo(119, true);
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kDigitadas; ++i) {
    in.texto(6, QString::number(200000000 + 7 * i).toLatin1());
    for (unsigned k = 0; k < 104; ++k) in.valor(7 + k, int64_t(k < 12 ? 30000000 + i : 0));
    gravacao.executa();
    api.tra->commitRetaining(&api.st);
  }
  return Segundos(relogio);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bancada::PastaBancada pasta;
  const QString declaracao = pasta.arquivo(kBanco);
  const QString direto = pasta.arquivo(QStringLiteral("DIRETO.FDB"));
  for (const QString& copia : {declaracao, direto})
    if (!pasta.CopiaModelo(copia)) return 1;
  bd::Servicos::defineEscritaForcada(declaracao, false);
  bd::Servicos::defineEscritaForcada(direto, false);

  TTolv tolv;
  bancada::AbreDeclarante(tolv);
  {
    QElapsedTimer relogio;
    relogio.start();
    auto lote = std::make_unique<TColecaoTolvItem>(tolv, tolv);
    lote->SetModoLista(true);
    lote->SetInterativo(false);
    TTolvItem linha(tolv, tolv);
    for (int i = 0; i < kLinhas; ++i) {
      Preenche(linha, i, "0561");
      lote->Grava(linha);
    }
    lote->Confirma();
    lote.reset();
    std::printf("declaração gerada: %d linhas em %.1f s\n", kLinhas, Segundos(relogio));
  }
  // The bare path reads the same rows: a copy of the generated declaration, closed first.
  TColecao::FechaConexoes();
  QFile::remove(direto);
  QFile::copy(declaracao, direto);

  TLogicaBeneficiarios logica(tolv, tolv, TLogicaBeneficiarios::Modo::Declarante);
  logica.CarregaItens();
  const auto passo = [](const char* onde, double s, double direto) {
    std::printf("%-28s %8.3f ms por passo; direto %.3f ms; razão %.1f\n", onde, 1000 * s / kPassos,
                1000 * direto / kPassos, s / direto);
  };
  QElapsedTimer relogio;
  {
    logica.Primeiro();
    relogio.start();
    for (int i = 0; i < kPassos; ++i) logica.Proximo();
    passo("navegação no início:", Segundos(relogio), PassosDiretos(direto, 0));
    std::printf("  contador %s\n", qPrintable(logica.Contador()));
  }
  {
    const int meio = kLinhas / 2;
    logica.Posiciona(QString::number(meio));
    relogio.start();
    for (int i = 0; i < kPassos; ++i) logica.Proximo();
    passo("navegação no meio:", Segundos(relogio), PassosDiretos(direto, meio));
    std::printf("  contador %s\n", qPrintable(logica.Contador()));
  }
  {
    logica.Ultimo();
    relogio.start();
    for (int i = 0; i < kPassos; ++i) logica.Anterior();
    passo("navegação no fim (voltando):", Segundos(relogio), PassosDiretos(direto, kLinhas - kPassos - 1));
    std::printf("  contador %s\n", qPrintable(logica.Contador()));
  }
  {
    relogio.start();
    int recusadas = 0;
    for (int i = 0; i < kDigitadas; ++i) {
      logica.Inclui();
      TTolvItem& l = logica.Linha();
      l.GetBeneficiario().SetNi(Cpf(kLinhas + i));
      l.GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO DIGITADO"));
      logica.SetTextoCodigo(QStringLiteral("0561"));
      for (int mes = 1; mes <= 12; ++mes)
        l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(Valor::deCentavos(300000 + i));
      if (!logica.DeixaLinha()) ++recusadas;
    }
    const double s = Segundos(relogio);
    const double d = GravacoesDiretas(direto);
    std::printf("%-28s %8.3f ms por linha; direto %.3f ms; razão %.1f (%d recusadas)\n",
                "linhas digitadas e gravadas:", 1000 * s / kDigitadas, 1000 * d / kDigitadas, s / d, recusadas);
    std::printf("  contador %s\n", qPrintable(logica.Contador()));
  }
  tolv.LiberaItens();
  TColecao::FechaConexoes();
  return 0;
}
