#pragma once

#include "nucleo/Contribuinte.h"
#include "nucleo/DadoBasico.h"
#include "secoes/TRegistroAns.h"

class TTolv;

// A health-plan operator of the declaration: its key (0 while not stored), its registry number at
// the health regulator and its CNPJ with the company name. The declaration is only observed.
class TzuqPlanoSaude : public TDadoBasico {
 public:
  // An operator of the open declaration: the number forced to a CNPJ, identification kind 3.
  explicit TzuqPlanoSaude(TTolv& declaracao);
  // A detached operator, as the storage loads them: the kind comes from the stored row.
  TzuqPlanoSaude();
  ~TzuqPlanoSaude() override;

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  TRegistroAns& GetRegistroAns() { return m_registroAns; }
  const TRegistroAns& GetRegistroAns() const { return m_registroAns; }
  TContribuinte& GetContribuinte() { return m_contribuinte; }
  const TContribuinte& GetContribuinte() const { return m_contribuinte; }
  TTolv* GetDeclaracao() const { return m_declaracao; }
  void SetDeclaracao(TTolv* declaracao) { m_declaracao = declaracao; }

  // Key, registry number and identity cleared; the declaration stays.
  void Limpar();

 private:
  int m_id = 0;
  TRegistroAns m_registroAns;
  TContribuinte m_contribuinte;
  TTolv* m_declaracao = nullptr;
};
