#pragma once

#include <QDialog>
#include <QString>

class QStandardItemModel;
class QTableView;
class TTolvButton;

// The modal dialog in which the user picks the relation between the paying source and a company
// beneficiary abroad, from the program's fixed list of codes. Kept by its editor and shown again
// for every choice: the row chosen last stays current.
class TfrmRelFonteBeneficiario : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmRelFonteBeneficiario(QWidget* pai = nullptr);
  ~TfrmRelFonteBeneficiario() override;

  // The code of the current row.
  QString GetCodigo() const;
  // Makes the row of the code current; nothing for a code that is not in the list.
  void Posiciona(const QString& codigo);

  QTableView* Grade() const { return m_grade; }
  TTolvButton* BotaoOk() const { return m_ok; }
  TTolvButton* BotaoCancelar() const { return m_cancelar; }

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  QStandardItemModel* m_modelo;
  QTableView* m_grade;
  TTolvButton* m_ok;
  TTolvButton* m_cancelar;
};
