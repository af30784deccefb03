#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QRadioButton;
class QSpinBox;
class TTolvButton;

// The preview's print dialog, "Imprimir": the printer (the system's and "PDF"), and the pages:
// all, the page on screen, or a range within the pages available. Without pages (total 0) it is
// the printer set-up, "Configurar impressora", with the printer only.
class TDialogoImpressao : public QDialog {
  Q_OBJECT
 public:
  struct Escolha {
    QString impressora;
    int de = 1;
    int ate = 1;
  };

  // `atual` is the page on screen, `total` the pages available.
  TDialogoImpressao(int atual, int total, QWidget* dono = nullptr);

  Escolha escolha() const;
  QComboBox* CbImpressora() const { return m_impressora; }
  QRadioButton* RbTodas() const { return m_todas; }
  QRadioButton* RbPaginaAtual() const { return m_atual; }
  QRadioButton* RbPaginas() const { return m_paginas; }
  QSpinBox* SeDe() const { return m_de; }
  QSpinBox* SeAte() const { return m_ate; }

  // Shows the dialog modally; nothing when cancelled.
  static std::optional<Escolha> Executa(int atual, int total, QWidget* dono);
  // The printer set-up: the printer chosen, nothing when cancelled.
  static std::optional<QString> ExecutaConfiguracao(QWidget* dono);

 private:
  int m_paginaAtual;
  int m_total;
  QComboBox* m_impressora = nullptr;
  QRadioButton* m_todas = nullptr;
  QRadioButton* m_atual = nullptr;
  QRadioButton* m_paginas = nullptr;
  QSpinBox* m_de = nullptr;
  QSpinBox* m_ate = nullptr;
};
