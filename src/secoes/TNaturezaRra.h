#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

// The nature of an item of income received cumulatively: free text, empty when not given.
class TNaturezaRra : public TDadoBasico {
 public:
  // Stores the text, then checks it: a refused text stays (a later check reports it again), raises
  // TErro 279 with the text and tells no observer.
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // Without a check, notifying: how stored and imported natures are loaded.
  void CarregaValor(const QString& texto);
  // 0 or 279 for the stored text; an empty nature is never refused.
  uint16_t ValidaNatureza() const { return Valida(m_texto); }
  static uint16_t Valida(const QString& texto);
  void Limpar();

 private:
  QString m_texto;
};
