#pragma once

#include <QDialog>

class QRadioButton;
class TTolvButton;

// Asked before a new declaration: is the declarant a company ("Pessoa jurídica", the first
// choice) or a person ("Pessoa física")? Enter is OK, Esc is Cancelar.
class TfrmTipoDeclarante : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTipoDeclarante(QWidget* dono = nullptr);
  ~TfrmTipoDeclarante() override;

  bool PessoaFisica() const;
  bool PessoaJuridica() const;
  QRadioButton* rbPJ() const { return m_pj; }
  QRadioButton* rbPF() const { return m_pf; }
  TTolvButton* bbOK() const { return m_ok; }
  TTolvButton* bbCancel() const { return m_cancelar; }

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  QRadioButton* m_pj = nullptr;
  QRadioButton* m_pf = nullptr;
  TTolvButton* m_ok = nullptr;
  TTolvButton* m_cancelar = nullptr;
};
