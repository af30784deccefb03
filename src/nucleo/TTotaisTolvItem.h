#pragma once

#include <array>

#include "nucleo/Monetario.h"
#include "nucleo/TCodigoRetencao.h"

class TTolvItem;

// The yearly totals of one beneficiary line, copied when they are made and never updated: what
// the line adds to an income statement. Series count months 1 to 12 unless said otherwise; a
// net amount that came out negative reads as 0 like every amount.
class TTotaisTolvItem {
 public:
  enum Campo {
    kRendimento,                    // taxable income
    kImposto,                       // tax withheld plus both judicial compensations
    kCompensacaoAnterior,           // compensation of previous years, months 1 to 13
    kDecimoTerceiroLiquido,         // net thirteenth salary
    kDecimoTerceiroSubJudice,       // thirteenth salary under suspended exigibility, net of deposit
    kDepositoDecimoTerceiro,        // judicial deposit of month 13
    kRendimentoSubJudice,
    kRetidoSubJudice,
    kDepositos,                     // judicial deposits
    kDeducoes,                      // total deductions
    kCopa,                          // world-cup volunteers
    kBolsa,                         // medical residents
    kDeducoesSubJudice,
    kPrevidenciaOficial,
    kPrevidenciaPrivada,
    kPensaoAlimenticia,
    kPrevidenciaOficialSubJudice,
    kPrevidenciaPrivadaSubJudice,
    kPensaoAlimenticiaSubJudice,
    kAbono,                         // cash allowance
    kDiarias,                       // daily allowances and cost aid
    kIndenizacao,                   // termination of contract
    kAposentadoria65,               // exempt portion of retirees aged 65 or more, months 1 to 13
    kMolestia,                      // serious illness, months 1 to 13
    kCampos
  };

  explicit TTotaisTolvItem(TTolvItem& linha);
  TTotaisTolvItem(const TTotaisTolvItem&) = delete;
  TTotaisTolvItem& operator=(const TTotaisTolvItem&) = delete;

  const TCodigoRetencao& GetCodigoRetencao() const { return m_codigo; }
  // Observable: the partial items of a statement keep live totals over income and tax.
  TMonetario& Get(Campo campo) { return m_campos[campo]; }
  Valor GetValor(Campo campo) const { return m_campos[campo].GetValorMonetario(); }

 private:
  TCodigoRetencao m_codigo;
  std::array<TMonetario, kCampos> m_campos;
};
