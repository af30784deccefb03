#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "nucleo/NavegacaoJanelas.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TColecao.h"

class TContribuinte;
class TTolv;

// The beneficiaries of the open declaration's database, one at a time, in the order of kind and
// number. Two orders are browsed: the beneficiaries of the lines (windows of about a hundred rows
// that follow the current beneficiary, or one forward-only list in list mode), and, through the
// ...Rra operations, those of the lines together with those of income received cumulatively. No
// order ever holds a whole section in memory. Every row loaded is also copied into the current
// beneficiary, from which the next window starts. The count is read once and kept.
//
// Works on the declaration's shared transaction; the declaration outlives the collection. Users
// call SetModoLista (false for browsing) before moving.
class TColecaoBeneficiario : public TColecao {
 public:
  enum Ordem : uint8_t { kPorNumero = 0, kPorNome = 1 };

  explicit TColecaoBeneficiario(TTolv& declaracao);
  ~TColecaoBeneficiario() override;

  // Takes effect at the next SetModoLista(true).
  void SetOrdem(uint8_t ordem) { m_ordem = ordem; }
  uint8_t GetOrdem() const { return m_ordem; }
  // True: one forward-only list of all beneficiaries in the order chosen; false: windowed
  // browsing with lookups. The count is read again when next asked.
  void SetModoLista(bool modoLista);
  bool GetModoLista() const { return m_modoLista; }
  // The lookup brings a hundred rows in interactive use, one otherwise.
  void SetInterativo(bool interativo) override;

  // True when the beneficiary's number has lines: it is loaded and its lookup becomes the current
  // query. Otherwise its name is cleared and its number stays.
  bool Busca(TBeneficiarioTolv& beneficiario);
  // True when found: the cursor stands on it and it is loaded. Otherwise its number is completed
  // with its check digits and its name kept. Either way the next move starts from it.
  bool Posiciona(TBeneficiarioTolv& beneficiario);

  void Primeiro() override;
  void Anterior() override;
  void Proximo() override;
  void Ultimo() override;
  // Move and load; true when the collection is empty (the beneficiary is then cleared).
  bool CarregaPrimeiro(TContribuinte& beneficiario);
  bool CarregaAnterior(TContribuinte& beneficiario);
  bool CarregaProximo(TContribuinte& beneficiario);
  bool CarregaUltimo(TContribuinte& beneficiario);
  void CarregaAtual(TContribuinte& beneficiario);

  // The count as last read, -1 while not counted; never counts.
  int GetTotalAtual() const { return m_total; }

  // The order that includes the beneficiaries of income received cumulatively.
  bool PrimeiroRra(TContribuinte& beneficiario);
  bool UltimoRra(TContribuinte& beneficiario);
  void ProximoRra(TContribuinte& beneficiario);
  void AnteriorRra(TContribuinte& beneficiario);
  // Positions at the current beneficiary's number, or the next one, and loads it.
  void LocalizaRra(TContribuinte& beneficiario);
  // The number without check digits of the first (ascending) or last beneficiary of that order;
  // empty when there is none.
  QString GetNiLimite(bool ascendente);
  // The current beneficiary has a line or an item of income received cumulatively.
  bool PossuiRendimentos();

  // The position from which the windows start.
  TBeneficiarioTolv& GetBeneficiarioAtual() { return m_atual; }

 protected:
  // Commits retaining, then reopens the query; outside list mode every row is read at once.
  void AbreConsulta(bd::Consulta& consulta) override;
  // Fills the beneficiary from the row (errors of stored numbers and names collected, never
  // raised) and copies it into the current beneficiary; cleared when there is nothing to load.
  void CarregaObjeto(TContribuinte& beneficiario, bd::Consulta& dados);

 private:
  // The windows of the browsing, on the base's four navigation queries.
  NavegacaoJanelas::Ligacao LigacaoJanelas();
  // Opens a query of windowed browsing or of the combined order at a kind and number.
  void AbreEm(bd::Consulta& consulta, const QString& tipo, const QString& numero);
  void AbreDoAtual(bd::Consulta& consulta);
  // Makes the query current when it has rows.
  bool TornaAtual(bd::Consulta& consulta);
  bool Localiza(TContribuinte& beneficiario);
  void Reposiciona();
  void AcompanhaBuscado(const TContribuinte& beneficiario);
  QString TipoAtual() const;
  // The loader of a move, for the base's load after a move.
  std::function<void(bd::Consulta&)> Carregador(TContribuinte& beneficiario);

  TTolv* m_declaracao;
  TBeneficiarioTolv m_atual;
  uint8_t m_ordem = kPorNumero;
  bool m_modoLista = true;
  // The statements were prepared: nothing runs after a failure of the run at creation.
  bool m_pronta = false;
  int m_quantidade = 100;
  std::unique_ptr<bd::Consulta> m_rraInicio;
  std::unique_ptr<bd::Consulta> m_rraAntes;
  std::unique_ptr<bd::Consulta> m_rraAntesAtual;
  std::unique_ptr<bd::Consulta> m_rraDepois;
  NavegacaoJanelas m_janelas;
};
