#pragma once

#include <QString>
#include <QStringList>

#include "nucleo/Texto.h"

class TBeneficiarioTolv;
class TTolvItem;

// The annual income statement of one beneficiary, built in memory from the beneficiary's lines of
// every source (AdicionaItem once per line), completed with what the user typed and stored by the
// statements collection. Filling does not clear: Limpar comes first when a statement is rebuilt.
// The beneficiary is not owned and must outlive the statement; its declaration is the statement's.
class TComprovante {
 public:
  explicit TComprovante(TBeneficiarioTolv& beneficiario);
  virtual ~TComprovante();
  TComprovante(const TComprovante&) = delete;
  TComprovante& operator=(const TComprovante&) = delete;

  virtual bool GetModificado() const { return m_modificado; }
  virtual void SetModificado(bool modificado) { m_modificado = modificado; }
  virtual bool TemRendimentos() const { return true; }
  virtual bool PodeImprimir() const { return true; }
  // Counts the line and notes whether it is one of the declarant's own lines.
  virtual void AdicionaItem(TTolvItem& linha);
  // Both texts, the health-plan entries, the count and the own-line mark.
  virtual void Limpar();

  TBeneficiarioTolv& GetBeneficiario() const { return *m_beneficiario; }
  // A line of the declaration itself (not of a fund or process annex) was added.
  bool TemLinhaDeclaracao() const { return m_temLinhaDeclaracao; }
  int GetQuantidadeItens() const { return m_quantidadeItens; }
  TTexto& GetInfoComplementar() { return m_infoComplementar; }
  const TTexto& GetInfoComplementar() const { return m_infoComplementar; }
  // The complementary information of a company's codes with the IN4 mark.
  TTexto& GetInfoComplementarIn4() { return m_infoComplementarIn4; }
  const TTexto& GetInfoComplementarIn4() const { return m_infoComplementarIn4; }
  // Groups of four: "|O|" (a holder's operator) or "|D|" (a dependant), the number without its
  // check digits, the name and the amount paid ("1234,5600").
  QStringList& GetPlanosSaude() { return m_planosSaude; }
  const QStringList& GetPlanosSaude() const { return m_planosSaude; }

 protected:
  // The cache of GetModificado, for the descendants that fill it lazily.
  mutable bool m_modificado = false;

 private:
  TBeneficiarioTolv* m_beneficiario;
  TTexto m_infoComplementar;
  TTexto m_infoComplementarIn4;
  QStringList m_planosSaude;
  int m_quantidadeItens = 0;
  bool m_temLinhaDeclaracao = false;
};
