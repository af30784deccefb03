#pragma once

#include <vector>

#include "secoes/TPesquisaPlanoSaudeBase.h"
#include "secoes/TTitularesOperadora.h"

class QLineEdit;

// Finds a holder of the operator on the editor's page by CPF and name, and takes the editor to
// it (screen "55", field "cpf").
class TfrmPesquisarPlanoSaudeTitular : public TPesquisaPlanoSaudeBase {
  Q_OBJECT
 public:
  explicit TfrmPesquisarPlanoSaudeTitular(QWidget* pai = nullptr);

  // Shows the dialog modally over the operator's holders; an operator not stored (key 0) has
  // nothing to search and the dialog is not shown.
  void Pesquisa(TTitularesOperadora& titulares, int operadora, Posicionador posicionador);
  // The same without showing it; false for key 0.
  bool Prepara(TTitularesOperadora& titulares, int operadora, Posicionador posicionador);

  QLineEdit* isfCPF;
  QLineEdit* isfNome;

 protected:
  int Filtra() override;
  QString Chave(int linha) const override;
  QString Tela() const override { return QStringLiteral("55"); }
  void LimpaCriterios() override;

 private:
  TTitularesOperadora* m_titulares = nullptr;
  std::vector<TLinhaTitular> m_achados;
};
