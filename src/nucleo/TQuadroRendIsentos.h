#pragma once

#include <QString>

#include <array>

#include "nucleo/Monetario.h"
#include "nucleo/TMonetarioMais65.h"
#include "nucleo/Texto.h"

// Box 4 of an individual income statement, exempt income: lines 01 to 06, line 07 (others) with
// the text that names them, and the sums that line 07 is made of (cash allowance, medical
// residents, world-cup volunteers, the lines' other exempt values).
class TQuadroRendIsentos {
 public:
  TQuadroRendIsentos();
  TQuadroRendIsentos(const TQuadroRendIsentos&) = delete;
  TQuadroRendIsentos& operator=(const TQuadroRendIsentos&) = delete;

  // 01 retirees aged 65 or more (capped by the calendar year set on it).
  TMonetarioMais65& GetLinha01() { return m_linha01; }
  TMonetario& GetLinha02() { return m_diarias; }          // daily allowances and cost aid
  TMonetario& GetLinha03() { return m_molestia; }         // serious illness
  TMonetario& GetLinha04() { return m_lucros; }           // profits and dividends
  TMonetario& GetLinha05() { return m_titularSocio; }     // holder or partner of a small company
  TMonetario& GetLinha06() { return m_indenizacoes; }     // termination of contract
  TMonetario& GetLinha07() { return m_linha07; }          // others
  TTexto& GetDescricao() { return m_descricao; }          // what line 07 holds
  TMonetario& GetSomaAbono() { return m_somaAbono; }
  TMonetario& GetSomaBolsa() { return m_somaBolsa; }  // medical residents
  TMonetario& GetSomaCopa() { return m_somaCopa; }
  TMonetario& GetSomaOutros() { return m_somaOutros; }
  const TMonetario& GetSomaAbono() const { return m_somaAbono; }
  const TMonetario& GetSomaBolsa() const { return m_somaBolsa; }
  const TMonetario& GetSomaCopa() const { return m_somaCopa; }

  // Appends the phrase of each positive sum of world-cup volunteers, medical residents and cash
  // allowance, in that order, once per statement.
  void AcrescentaFrases();
  // Appends a text (trimmed; nothing when empty) after ", " when the description has one.
  void AcrescentaDescricao(const QString& texto);

  // Every amount and the description cleared, the phrases forgotten.
  void Limpar();
  // True once an amount or the description changed; kept until SetModificado(false).
  bool GetModificado() const;
  void SetModificado(bool modificado);

 private:
  TMonetarioMais65 m_linha01;
  TMonetario m_diarias;
  TMonetario m_molestia;
  TMonetario m_lucros;
  TMonetario m_titularSocio;
  TMonetario m_indenizacoes;
  TMonetario m_somaAbono;
  TMonetario m_somaBolsa;
  TMonetario m_somaCopa;
  TMonetario m_somaOutros;
  TMonetario m_linha07;
  TTexto m_descricao;
  std::array<TMonetario*, 11> m_valores;  // every amount above
  mutable bool m_modificado = false;
  bool m_temFraseCopa = false;
  bool m_temFraseBolsa = false;
  bool m_temFraseAbono = false;
};
