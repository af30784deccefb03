#pragma once

#include <QString>

#include <memory>

#include "controles/TFormAssistNovo.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTableWidget;
class TColecaoTolv;
class TTolv;

// The head-office change wizard, "Alteração de indicação de matriz do CNPJ": a company that moves
// its head office keeps its CNPJ root and gets another order and check digits. The user picks a
// company declaration, retypes the order and the check digits, and the changed header is stored
// through the index collection, which also renames the declaration's database to the new number.
//
// Pages: 1 the notes, 2 the company declarations of the index, 3 the new order and check digits,
// 4 the result. The working declaration is the caller's; it carries the new number from the moment
// the new CNPJ is accepted on page 3, and gets its original number back when nothing was stored.
//
// A new number is refused when another declaration of the same calendar year already has it; one
// of another year does not stand in the way, and no database file is ever deleted or overwritten.
class TFoAssistAlteracao : public TFormAssistNovo {
  Q_OBJECT
 public:
  static constexpr int kAjuda = 50080;

  TFoAssistAlteracao(QWidget* dono, TColecaoTolv& indice, TTolv& tolv);
  ~TFoAssistAlteracao() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;

  // Step 2: the company declarations after 2004, by CNPJ; the count of rows listed.
  void AbreLista();
  int QuantidadeListada() const { return m_quantidade; }
  // Step 3: the selected row's declaration loaded into the working one; false when it could not be.
  bool CarregaSelecionada();
  // Whether the typed CNPJ may become the declaration's number (messages 220 and 234); the
  // working declaration takes it when it may.
  bool ValidaNovoCnpj(const QString& cnpj);
  // Step 4: the duplicate look-up and the store; true when the declaration was changed.
  bool GravaAlteracao();

  // Page 3's boxes: a change blocks Avançar and moves the focus on; leaving them keeps the typed
  // CNPJ, and leaving the check digits validates it.
  void DeCpfCnpj4Change();
  void DeCpfCnpj5Change();
  void DeCpfCnpj4Exit();
  void DeCpfCnpj5Exit();

  const QString& CnpjOriginal() const { return m_cnpjOriginal; }
  const QString& CnpjNovo() const { return m_cnpjNovo; }
  bool Alterada() const { return m_alterada; }
  QString Mensagem() const;

  // The 14-digit CNPJ as 99.999.999/9999-99; any other text as it is.
  static QString DevolveFormatadoNi(const QString& texto);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  void criaPaginas();
  QString cnpjDasCaixas() const;
  void restauraOriginal();
  void FormShow();

  TColecaoTolv& m_indice;
  TTolv& m_tolv;
  QString m_cnpjOriginal;
  QString m_cnpjNovo;
  bool m_ordemAlterada = false;
  bool m_dvAlterado = false;
  bool m_preenchendo = false;
  bool m_validando = false;
  bool m_alterada = false;
  int m_quantidade = 0;
  bool m_posicionado = false;

  QTableWidget* m_grade = nullptr;
  QLineEdit* m_cnpj[5] = {};
  QLineEdit* m_deAnoRet = nullptr;
  QLineEdit* m_deNome = nullptr;
  QLineEdit* m_deOriginal = nullptr;
  QLineEdit* m_edtNome = nullptr;
  QLineEdit* m_edtAno = nullptr;
  QLineEdit* m_edtCnpj[5] = {};
  QFrame* m_forma = nullptr;
  QLabel* m_lblMensagem = nullptr;
};

// Runs the wizard modally over `dono` on the caller's index and working declaration.
void ExecutaAlteracaoMatriz(QWidget* dono, TColecaoTolv& indice, TTolv& tolv);
