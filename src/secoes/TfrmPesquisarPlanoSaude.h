#pragma once

#include <vector>

#include "secoes/PesquisaPlanoSaude.h"
#include "secoes/TPesquisaPlanoSaudeBase.h"

class QLineEdit;

// Finds an operator of the editor's list by CNPJ (its base, or the complete number), registry
// number and company name, and takes the editor to it (screen "54", field "cnpj").
class TfrmPesquisarPlanoSaude : public TPesquisaPlanoSaudeBase {
  Q_OBJECT
 public:
  explicit TfrmPesquisarPlanoSaude(QWidget* pai = nullptr);

  // Copies the editor's list and shows the dialog modally.
  void Pesquisa(const std::vector<TLinhaOperadora>& operadoras, Posicionador posicionador);
  // The same without showing it (tests and pictures show it themselves).
  void Prepara(const std::vector<TLinhaOperadora>& operadoras, Posicionador posicionador);

  QLineEdit* isfCNPJ;
  QLineEdit* isfANS;
  QLineEdit* isfNome;

 protected:
  int Filtra() override;
  QString Chave(int linha) const override;
  QString Tela() const override { return QStringLiteral("54"); }
  void LimpaCriterios() override;

 private:
  std::vector<TLinhaOperadora> m_operadoras;
  std::vector<int> m_achados;
};
