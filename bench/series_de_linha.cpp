// Cost of the value objects of beneficiary lines: object sizes, and the time to build, key,
// total and tear down the series of many lines. Prints its figures; asserts nothing.
#include "nucleo/Compensacao.h"
#include "nucleo/Contribuinte.h"
#include "nucleo/RendimentosIsentos.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"

#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Linha {
  TContribuinte beneficiario;
  TRendimentosTributaveis tributaveis;
  TSubJudice subJudice;
  TCompensacao compensacao;
  TRendimentosIsentos isentos;
};

}  // namespace

int main() {
  constexpr int kLinhas = 20000;
  std::printf("sizeof TMonetario %zu, TMonetarioTotal %zu, TSerieMensal %zu, TContribuinte %zu\n", sizeof(TMonetario),
              sizeof(TMonetarioTotal), sizeof(TSerieMensal), sizeof(TContribuinte));
  std::printf("sizeof of a line's series %zu bytes (plus 12 term pointers per total on the heap)\n", sizeof(Linha));

  QElapsedTimer relogio;
  relogio.start();
  std::vector<std::unique_ptr<Linha>> linhas;
  linhas.reserve(kLinhas);
  for (int i = 0; i < kLinhas; ++i) linhas.push_back(std::make_unique<Linha>());
  std::printf("build %d lines: %lld ms\n", kLinhas, qint64(relogio.restart()));

  for (auto& l : linhas)
    for (int mes = 1; mes <= 13; ++mes) {
      l->tributaveis.GetRendimento(mes).SetValorMonetario(Valor::deCentavos(123456 + mes));
      l->tributaveis.GetRetido(mes).SetValorMonetario(Valor::deCentavos(2345 + mes));
      l->tributaveis.GetDeducaoPO(mes).SetValorMonetario(Valor::deCentavos(100 + mes));
    }
  std::printf("key 39 amounts per line: %lld ms\n", qint64(relogio.restart()));

  Valor soma;
  for (auto& l : linhas) {
    l->tributaveis.SomaDeducoes();
    soma += l->tributaveis.GetTotalRendimento().GetValorMonetario() + l->tributaveis.GetTotalRetido().GetValorMonetario() +
            l->tributaveis.GetTotalDeducao().GetValorMonetario();
  }
  std::printf("sum deductions and read three totals per line: %lld ms (sum %s)\n", qint64(relogio.restart()),
              qPrintable(soma.formata()));

  qint64 caracteres = 0;
  for (auto& l : linhas)
    for (int mes = 1; mes <= 13; ++mes) caracteres += l->tributaveis.GetRendimento(mes).GetFormatado().size();
  std::printf("format 13 amounts per line: %lld ms (%lld characters)\n", qint64(relogio.restart()), caracteres);

  linhas.clear();
  std::printf("destroy: %lld ms\n", qint64(relogio.restart()));
  return 0;
}
