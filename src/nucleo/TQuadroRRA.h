#pragma once

#include "nucleo/Monetario.h"
#include "nucleo/Texto.h"

// One block of income received cumulatively on an individual income statement, from one item of
// that section: its texts, six amounts and the number of months (one decimal).
class TQuadroRRA {
 public:
  static constexpr Valor kMaximoMeses = Valor::deDezMilesimos(9'999'000);  // 999,9

  TQuadroRRA();
  TQuadroRRA(const TQuadroRRA&) = delete;
  TQuadroRRA& operator=(const TQuadroRRA&) = delete;

  TTexto& GetDescricao() { return m_descricao; }
  TTexto& GetProcesso() { return m_processo; }
  TTexto& GetNatureza() { return m_natureza; }
  TMonetario& GetRendimento() { return m_rendimento; }
  TMonetario& GetCustas() { return m_custas; }  // court costs (DAJ)
  TMonetario& GetPrevidenciaOficial() { return m_previdenciaOficial; }
  TMonetario& GetPensaoAlimenticia() { return m_pensaoAlimenticia; }
  TMonetario& GetImpostoRetido() { return m_impostoRetido; }
  TMonetario& GetMolestia() { return m_molestia; }
  TMonetario& GetMeses() { return m_meses; }
  // What is shown: the months, or 999,9 when there are more; the stored number is not capped.
  const TMonetario& GetQuantidadeMeses();

 private:
  TTexto m_descricao;
  TTexto m_processo;
  TTexto m_natureza;
  TMonetario m_rendimento;
  TMonetario m_custas;
  TMonetario m_previdenciaOficial;
  TMonetario m_pensaoAlimenticia;
  TMonetario m_impostoRetido;
  TMonetario m_molestia;
  TMonetario m_meses;
  TMonetario m_mesesExibidos;
};
