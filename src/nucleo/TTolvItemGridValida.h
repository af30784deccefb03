#pragma once

#include <cstdint>
#include <deque>

class TTolvItem;

// Compares the amounts of one month of a beneficiary line with each other and queues the codes
// of the consistency warnings that apply (message codes, oldest first). It only reads the line.
// The checks of the taxable and of the suspended amounts start from an empty queue; the exempt
// checks add to whatever the queue holds.
class TTolvItemGridValida {
 public:
  // Selection by the line's revenue code, then the withheld/deductions/compensations, the
  // dependants, the withheld-only, the listed-codes (taxable form) and the income-limit checks.
  void ValidaMesRendimentos(TTolvItem& linha, int mes);
  // Selection, then the deductions/deposit, the dependants (suspended), the listed-codes
  // (suspended form) and the tax-not-withheld checks.
  void ValidaMesSubJudice(TTolvItem& linha, int mes);
  // The exempt-income rules of the month.
  void ValidaMesIsentos(TTolvItem& linha, int mes);

  bool TemMensagens() const { return !m_fila.empty(); }
  // The oldest queued code; 0 when the queue is empty.
  uint16_t RetiraCodigo();

 private:
  struct Verificacoes {
    bool retencaoDeducoes = false;   // A
    bool dependentes = false;        // B
    bool retido = false;             // C
    bool deducoesDeposito = false;   // D
    bool dependentesJudicial = false;  // E
    bool codigoListado = false;      // F
    bool naoRetido = false;          // G
    bool limiteRendimento = false;   // H
  };

  void SelecionaVerificacoes(TTolvItem& linha);
  void Adiciona(uint16_t codigo);
  void ValidaRetencaoDeducoes(int mes);
  void ValidaDependentes(bool judicial, int mes);
  void ValidaRetido(int mes);
  void ValidaDeducoesDeposito(int mes);
  void ValidaRetidoRendimento(int mes);
  void ValidaNaoRetidoDeposito(int mes);
  void ValidaSubJudiceCompensacao(int mes);
  void ValidaLimiteRendimento(int mes);

  TTolvItem* m_linha = nullptr;
  std::deque<uint16_t> m_fila;
  Verificacoes m_verificacoes;
};
