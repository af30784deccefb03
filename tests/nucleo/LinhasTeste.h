#pragma once

#include <QString>

#include <cstdint>

#include "DeclaracaoTeste.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolvItem.h"

namespace linhas_teste {

// A declaration ready to store lines: stored (it has a key), its summaries zeroed and up to date.
class ComLinhas : public declaracao_teste::ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_tolv.GetResumo().Zera();
    m_tolv.GetResumoGeral().Zera();
  }

  // Statements on the declaration's database through a connection of their own, committed.
  void Roda(const QString& sql) { m_pasta.roda(kBanco, sql); }
  QString Le(const QString& sql) { return m_pasta.le(kBanco, sql); }
};

// A distinct amount for every series, month and line: never a round number, four decimals.
inline Valor Quantia(int serie, int mes, int semente = 0) {
  return Valor::deDezMilesimos(int64_t(semente + 1) * 1'000'000'000 + int64_t(serie) * 10'000'000 + int64_t(mes) * 10'001 + 7);
}

// A line of the beneficiary under the code, without amounts.
inline void Identifica(TTolvItem& linha, const QString& numero, const QString& nome, const QString& codigo) {
  linha.Limpa();
  linha.GetBeneficiario().SetNi(numero);
  linha.GetBeneficiario().GetNome().SetValor(nome);
  linha.GetCodigoRetencao().SetCodigo(codigo);
}

// Every amount of the taxable series (the total deduction aside), of both child series and of the
// exempt income, each its own value.
inline void PreencheTudo(TTolvItem& linha, int semente = 0) {
  using R = TRendimentosTributaveis;
  for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes) {
    for (R::Serie s : {R::kRendimento, R::kMolestia, R::kRetido, R::kDeducaoPO, R::kDeducaoPP, R::kDeducaoDP, R::kDeducaoPA}) {
      linha.GetTributaveis().GetSerie(s).Mes(mes).SetValorMonetario(Quantia(s, mes, semente));
      // The suspended amounts have no illness income.
      if (s != R::kMolestia) linha.GetSubJudice().GetSerie(s).Mes(mes).SetValorMonetario(Quantia(10 + s, mes, semente));
    }
    linha.GetSubJudice().GetDeposito(mes).SetValorMonetario(Quantia(20, mes, semente));
    linha.GetCompensacao().GetAnoAtual(mes).SetValorMonetario(Quantia(21, mes, semente));
    linha.GetCompensacao().GetAnoAnterior(mes).SetValorMonetario(Quantia(22, mes, semente));
    for (int s = 0; s < TRendimentosIsentos::kSeries; ++s)
      linha.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s)).Mes(mes).SetValorMonetario(Quantia(30 + s, mes, semente));
  }
  linha.GetIsentos().GetAnualOutros().SetValorMonetario(Quantia(40, 0, semente));
  linha.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Prêmio de loteria"));
  linha.GetIsentos().GetAnualLucrosDiv96().SetValorMonetario(Quantia(41, 0, semente));
  linha.GetIsentos().GetAnualTitularSocio().SetValorMonetario(Quantia(42, 0, semente));
}

}  // namespace linhas_teste
