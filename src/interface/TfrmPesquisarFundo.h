#pragma once

#include "interface/TfrmPesquisarAnexo.h"

// The search of the declaration's funds and clubs by CNPJ (whole or its start) and by name.
class TfrmPesquisarFundo : public TfrmPesquisarAnexo {
  Q_OBJECT
 public:
  TfrmPesquisarFundo(TTolv& declaracao, Escolhido escolhido, QWidget* pai = nullptr);

  // The CNPJ filter sent: the first 12 digits typed, whatever punctuation came with them.
  static QString FiltroCnpj(const QString& digitado);

 protected:
  bool AbrePesquisa(TColecaoAnexo& colecao) override;
  int Le(TColecaoAnexo& colecao, int maximo, std::vector<Linha>& linhas) override;
  void LimpaOpcoes() override;
  QWidget* PrimeiroCampo() const override;

 private:
  QComboBox* m_cbbCNPJ = nullptr;
  QComboBox* m_cbbCbCriteriosCPFCNPJ = nullptr;
  QComboBox* m_cbbNome = nullptr;
  QComboBox* m_cbbCbCriteriosNome = nullptr;
};
