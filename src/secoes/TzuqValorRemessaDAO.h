#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "plataforma/bd/Consulta.h"
#include "secoes/TzuqDAORemessa.h"

class TzuqRemessaDAO;
class TzuqValorRemessa;

// The payment lines of the beneficiaries abroad (TB_VALOR_REMESSA). Amounts cross as exact
// decimals; a line's date "dd/mm/yyyy" is stored as a date, an empty one as the date zero
// (30/12/1899), which reads back empty. Keys come from the table's sequence.
class TzuqValorRemessaDAO : public TzuqDAORemessa {
 public:
  TzuqValorRemessaDAO();
  // In the transaction of the beneficiaries' object, which must outlive this one (batch use).
  explicit TzuqValorRemessaDAO(TzuqRemessaDAO& beneficiarios);
  ~TzuqValorRemessaDAO() override;

  // The lines of one beneficiary in key order; the beneficiary reference is left unset.
  std::vector<std::unique_ptr<TzuqValorRemessa>> ConsultaPorRemessa(int idRemessa);
  void CarregaPorRemessa(int idRemessa, std::vector<std::unique_ptr<TzuqValorRemessa>>& lista);
  // Every line of the declaration ordered by beneficiary key, then line key, one row at a time
  // into `valor`: beside TzuqRemessaDAO::PercorreTodas it walks the section in two reads.
  void PercorreTodos(TzuqValorRemessa& valor, const std::function<void(TzuqValorRemessa&)>& aCada);

  // The line goes under its beneficiary's key (the beneficiary reference's, else the line's
  // own); the line takes its new key. Commits keeping the transaction (batch use: see
  // TzuqDAORemessa). A date, code or amount that is not one raises EConversaoRemessa before
  // anything is stored.
  int Inclui(TzuqValorRemessa& valor);
  // Commits keeping the transaction; the same conversions.
  void Atualiza(const TzuqValorRemessa& valor);
  // Commits.
  void Exclui(int idValor);
  // A free key taken from the sequence, for a writer that stores the row itself.
  int NovaChave();

  static void Carrega(TzuqValorRemessa& valor, const bd::Consulta& linha);

 private:
  void Prepara();
  void Parametros(bd::Procedimento& p, const TzuqValorRemessa& valor);

  bd::Consulta m_porRemessa;
  bd::Consulta m_todos;
  std::unique_ptr<bd::Procedimento> m_inclui;
  std::unique_ptr<bd::Procedimento> m_atualiza;
  std::unique_ptr<bd::Procedimento> m_exclui;
  std::unique_ptr<bd::Procedimento> m_novaChave;
};
