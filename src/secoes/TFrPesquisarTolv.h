#pragma once

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

#include "secoes/ConsultaPesquisaBeneficiarios.h"

class QComboBox;
class QTableView;
class TTolv;
class TTolvButton;
namespace bd {
class Transacao;
}

// The beneficiary search over the open declaration's database: by number, name and revenue
// code, across the declarant's lines, the funds', the processes' and the accumulated income.
// "Posicionar" (Ctrl+K, Enter or a double click on a hit) hands the chosen hit to the main window.
// In pick mode (the print wizard) it lists each beneficiary once and positions nothing.
class TFrPesquisarTolv : public QWidget {
  Q_OBJECT
 public:
  // (first key, second key, box number): the main window's IrParaPendencia.
  using Posiciona = std::function<void(const QString& chave1, const QString& chave2, int quadro)>;

  explicit TFrPesquisarTolv(QWidget* pai = nullptr);
  ~TFrPesquisarTolv() override;

  void SetTipo(int tipo) { m_tipo = tipo; }
  int Tipo() const { return m_tipo; }
  void SetSelBeneficiario(bool sel) { m_selBeneficiario = sel; }
  bool SelBeneficiario() const { return m_selBeneficiario; }

  // Prepares the frame for a declaration (not owned; null leaves the code list empty).
  void Inicializa(TTolv* declaracao, Posiciona posiciona);
  // Forgets the declaration, the callback and the results.
  void Finaliza();

  CriterioPesquisaBeneficiarios Criterio() const;
  // Runs the search of the boxes; false when a number was refused or nothing was found (the
  // message was shown).
  bool ExecutarClick();
  void TbLimparClick();
  void TbLocalizarClick();
  // The CPF/CNPJ of the current hit, formatted; empty without one.
  QString CpfCnpjSelecionado() const;
  int QuantidadeLinhas() const;
  bool PodePosicionar() const;
  QTableView* Grade() const { return m_grade; }

 signals:
  // A double click on a hit, after positioning.
  void GridDblClick();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void criaControles();
  void ajustaColunas();
  void carregaCodigos();
  void carregaHistoricos();
  void guardaHistorico();
  void ordena(int coluna);
  void habilitaPosicionar(bool habilita);

  TTolv* m_declaracao = nullptr;
  Posiciona m_posiciona;
  int m_tipo = 0;
  bool m_selBeneficiario = false;
  CriterioPesquisaBeneficiarios::Ordem m_ordem = CriterioPesquisaBeneficiarios::PorCodigo;
  CriterioPesquisaBeneficiarios m_ultimo;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<ConsultaPesquisaBeneficiarios> m_consulta;
  class Modelo;
  Modelo* m_modelo = nullptr;

  QComboBox* m_dbcbCpfCnpj = nullptr;
  QComboBox* m_cbCriteriosCpfCnpj = nullptr;
  QComboBox* m_dbcbNome = nullptr;
  QComboBox* m_cbCriteriosNome = nullptr;
  QWidget* m_pnCodigo = nullptr;
  QComboBox* m_dblcCodRet = nullptr;
  TTolvButton* m_tbExecutar = nullptr;
  TTolvButton* m_tbLimpar = nullptr;
  TTolvButton* m_tbLocalizar = nullptr;
  QTableView* m_grade = nullptr;
};

// The window that hosts the search for the main window; at most one exists, shown modally.
class TFoPesquisar : public QDialog {
  Q_OBJECT
 public:
  explicit TFoPesquisar(QWidget* principal);
  ~TFoPesquisar() override;

  // Creates the window when missing, captions it by the kind (0 fund, 1 process, 2 declarant,
  // 3 all), prepares the search and shows it modally above `principal`.
  static void ExecutaPesquisar(TTolv* declaracao, int tipo, TFrPesquisarTolv::Posiciona posiciona,
                               QWidget* principal);
  // The window now open, if any.
  static TFoPesquisar* Instancia();
  // Closing a declaration asks the window to go first; it always agrees.
  static bool PedeFechamento();

  static QString Titulo(int tipo);
  TFrPesquisarTolv* Frame() const { return m_frame; }
  void Prepara(TTolv* declaracao, int tipo, TFrPesquisarTolv::Posiciona posiciona);
  void Fecha();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  TFrPesquisarTolv* m_frame = nullptr;
};
