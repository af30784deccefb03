#pragma once

#include <QDialog>

#include <functional>
#include <memory>

#include "secoes/ConsultaPesquisaRra.h"

class QComboBox;
class QLabel;
class QTableView;
class TTolvButton;
namespace bd {
class Transacao;
}

// The search of stored accumulated-income items of one type (mode 0 the declarant's, 1 the
// court's) by the beneficiary's CPF or name, the process, or the lawyer's number or name. Each
// text box keeps the last ten values searched. "Posicionar" (or a double click on a hit) hands
// the chosen item's key to the editor behind the dialog, which stays open.
class TfrmPesquisarRra : public QDialog {
  Q_OBJECT
 public:
  // Receives the key of the chosen item.
  using Posiciona = std::function<void(const QString& id)>;

  TfrmPesquisarRra(int modo, Posiciona posiciona, QWidget* pai = nullptr);
  ~TfrmPesquisarRra() override;

  // Shows the dialog modally over `pai` until the user closes it.
  static void Executa(int modo, Posiciona posiciona, QWidget* pai);

  int Modo() const { return m_modo; }
  // The boxes as they stand.
  CriterioPesquisaRra Criterio() const;
  // Empties the boxes, resets the choices, disables "Posicionar" and focuses the CPF box.
  void Limpa();
  // Runs the search of the boxes; false when a number was refused or nothing was found (the
  // message was shown).
  bool ExecutaPesquisa();
  // Hands the selected hit to the editor; nothing while "Posicionar" is disabled.
  void Posicionar();
  int QuantidadeLinhas() const;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void criaControles();
  void guardaHistorico();
  void carregaHistoricos();

  const int m_modo;
  Posiciona m_posiciona;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<ConsultaPesquisaRra> m_consulta;
  class Modelo;
  Modelo* m_modelo = nullptr;

  QComboBox* m_cbbCpf = nullptr;
  QComboBox* m_cbbCriterioCpf = nullptr;
  QComboBox* m_cbbNome = nullptr;
  QComboBox* m_cbbCriterioNome = nullptr;
  QLabel* m_lblProcesso = nullptr;
  QComboBox* m_cbbProcesso = nullptr;
  QComboBox* m_cbbNiAdv = nullptr;
  QComboBox* m_cbbCriterioNiAdv = nullptr;
  QComboBox* m_cbbNomeAdv = nullptr;
  QComboBox* m_cbbCriterioNomeAdv = nullptr;
  TTolvButton* m_btnExecutar = nullptr;
  TTolvButton* m_btnLimpar = nullptr;
  TTolvButton* m_btnPosicionar = nullptr;
  QTableView* m_grid = nullptr;
};
