#pragma once

#include <QString>

#include "nucleo/Monetario.h"

class TCodigoRetencao;
class TTolvItem;

// One month of one revenue code on a company beneficiary's income statement: the line's income
// and tax withheld of the month, and the description of the income (the code's own unless the
// user typed another). The code belongs to the statement.
class TRendimentoMensalPJ {
 public:
  TRendimentoMensalPJ(TTolvItem& linha, const TCodigoRetencao& codigo, int mes);
  TRendimentoMensalPJ(const TRendimentoMensalPJ&) = delete;
  TRendimentoMensalPJ& operator=(const TRendimentoMensalPJ&) = delete;

  // Trimmed; a text equal to the code's description (letter case aside) clears the own one.
  // Marks the line changed unless the text is the code's and there was no own description.
  void SetDescricao(const QString& texto);
  QString GetDescricao() const;
  QString GetCodigo() const;
  const TCodigoRetencao& GetCodigoRetencao() const { return *m_codigo; }
  bool UsaDescricaoPadrao() const { return m_descricao.isEmpty(); }
  bool GetIn4() const;
  int GetMes() const { return m_mes; }
  TMonetario& GetRendimento() { return m_rendimento; }
  TMonetario& GetImposto() { return m_imposto; }

  bool GetModificado() const { return m_modificado; }
  void SetModificado(bool modificado) { m_modificado = modificado; }

 private:
  const TCodigoRetencao* m_codigo;
  int m_mes;
  QString m_descricao;
  TMonetario m_rendimento;
  TMonetario m_imposto;
  bool m_modificado = false;
};
