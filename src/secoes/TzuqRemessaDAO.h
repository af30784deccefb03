#pragma once

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "plataforma/bd/Consulta.h"
#include "secoes/TzuqDAORemessa.h"

class TzuqRemessa;
class TzuqValorRemessa;

// The beneficiaries resident abroad of the open declaration (TB_REMESSA). Keys come from the
// table's sequence, the one key policy of every writer; deleting a beneficiary takes its
// payment lines with it in the same transaction. The Brazilian number is written in its one
// stored form (TzuqRemessa::GetNiArmazenado) and read back whether it was stored as a base or
// whole.
class TzuqRemessaDAO : public TzuqDAORemessa {
 public:
  TzuqRemessaDAO();
  ~TzuqRemessaDAO() override;

  // Every beneficiary in key order; the declaration reference is left for the caller to set.
  std::vector<std::unique_ptr<TzuqRemessa>> ConsultaTodas();
  // The same, one row at a time into `remessa`, without keeping them.
  void PercorreTodas(TzuqRemessa& remessa, const std::function<void(TzuqRemessa&)>& aCada);
  // Every beneficiary with its lines (in key order), in one walk: what a full check reads. The
  // line objects point at `remessa` and are reused from one beneficiary to the next.
  using ComValores = std::function<void(TzuqRemessa&, std::span<TzuqValorRemessa>)>;
  void PercorreComValores(TzuqRemessa& remessa, const ComValores& aCada);
  // Stores a new beneficiary under the key it has when above 0, else under the next key of the
  // sequence; the beneficiary takes the key. Commits keeping the transaction (batch use:
  // see TzuqDAORemessa). Raises EConversaoRemessa for a country that is not a number.
  int Inclui(TzuqRemessa& remessa);
  // Commits.
  void Atualiza(const TzuqRemessa& remessa);
  // The beneficiary and its lines; commits.
  void Exclui(const TzuqRemessa& remessa);
  void Exclui(int id);
  // Another stored beneficiary has the same NIF, country and kind.
  bool JaExiste(const TzuqRemessa& remessa);
  int QuantidadeRegistros();
  // A free key taken from the sequence, for a writer that stores the row itself.
  int NovaChave();

  // One row of CONSULT_TODAS_REMESSA (or of TB_REMESSA) into the beneficiary.
  static void Carrega(TzuqRemessa& remessa, const bd::Consulta& linha);

 private:
  void Parametros(bd::Procedimento& p, const TzuqRemessa& remessa);

  bd::Consulta m_todas;
  bd::Consulta m_valoresEmOrdem;
  std::vector<TzuqValorRemessa> m_valores;
  bd::Consulta m_contagem;
  std::unique_ptr<bd::Procedimento> m_inclui;
  std::unique_ptr<bd::Procedimento> m_atualiza;
  std::unique_ptr<bd::Procedimento> m_exclui;
  std::unique_ptr<bd::Procedimento> m_jaExiste;
  std::unique_ptr<bd::Procedimento> m_novaChave;
};
