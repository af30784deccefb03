#pragma once

#include <memory>
#include <vector>

#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TComprovante.h"
#include "nucleo/TRendimentoMensalPJ.h"

// The income statement of a company: one row per line and month 1 to 12 with taxable income, in
// the order the lines came, with the description of each row; the thirteenth salary is not shown.
// Lines whose code's REGIME is "F" or "N" are counted and add nothing else.
class TComprovantePJ : public TComprovante {
 public:
  explicit TComprovantePJ(TBeneficiarioTolv& beneficiario);
  ~TComprovantePJ() override;

  // Either text changed, or a row did; kept until SetModificado(false).
  bool GetModificado() const override;
  void SetModificado(bool modificado) override;
  bool TemRendimentos() const override { return m_temIn4 || m_temNaoIn4; }
  void AdicionaItem(TTolvItem& linha) override;
  void Limpar() override;

  int GetQuantidadeLinhas() const { return int(m_linhas.size()); }
  TRendimentoMensalPJ& GetLinha(int indice) const { return *m_linhas.at(size_t(indice)); }
  // The position of the row of that code and month; -1 when none.
  int LocalizaLinha(const QString& codigo, int mes) const;
  // Some row is of a code with the IN4 mark; some row is of a code without it.
  bool GetTemIn4() const { return m_temIn4; }
  bool GetTemNaoIn4() const { return m_temNaoIn4; }

 private:
  std::vector<std::unique_ptr<TCodigoRetencao>> m_codigos;
  std::vector<std::unique_ptr<TRendimentoMensalPJ>> m_linhas;
  bool m_temIn4 = false;
  bool m_temNaoIn4 = false;
};
