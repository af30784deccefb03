#pragma once

#include "nucleo/DadoBasico.h"

// A free text of a judicial-process annex with a changed flag of its own, which the owner
// reads to decide whether to save. Setting it neither checks, trims nor notifies.
class TTextoProcesso : public TDadoBasico {
 public:
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // The destination's changed flag and observers stay untouched.
  void CopiaPara(TTextoProcesso& destino) const { destino.m_texto = m_texto; }
  void Limpa() { m_texto.clear(); }
  void SetAlterado(bool alterado) { m_alterado = alterado; }
  bool GetAlterado() const { return m_alterado; }

 private:
  QString m_texto;
  bool m_alterado = false;
};

// The process number as written; also the rule for a process number used in place of a
// tax number.
class TProcesso : public TTextoProcesso {
 public:
  // 0, 37 (invalid), 40 (missing), 173 (characters) or 174 (more letters than digits).
  static int ValidaProcesso(const QString& texto, bool opcional);
};

class TVara : public TTextoProcesso {};

class TMunicipio : public TTextoProcesso {};
