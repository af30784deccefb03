#pragma once

#include "interface/TfrmPesquisarAnexo.h"

// The search of the declaration's judicial processes by number, court, and the lawyer's number
// and name.
class TfrmPesquisarProcesso : public TfrmPesquisarAnexo {
  Q_OBJECT
 public:
  TfrmPesquisarProcesso(TTolv& declaracao, Escolhido escolhido, QWidget* pai = nullptr);

  // "Federal" for 1, "Trabalho" for 2, "Estadual/Distrito Federal" for any other.
  static QString Justica(int tipoProcesso);
  // The lawyer's number with its check digits, formatted by its kind ("1" CPF, "2" CNPJ); any
  // other kind as stored.
  static QString NumeroAdvogado(const QString& tipo, const QString& numero);

 protected:
  bool AbrePesquisa(TColecaoAnexo& colecao) override;
  int Le(TColecaoAnexo& colecao, int maximo, std::vector<Linha>& linhas) override;
  void LimpaOpcoes() override;
  QWidget* PrimeiroCampo() const override;
  void showEvent(QShowEvent* evento) override;

 private:
  QComboBox* m_cbbNrProcesso = nullptr;
  QComboBox* m_cbbOpcaoFiltroNProcesso = nullptr;
  QComboBox* m_cmbTipoProcesso = nullptr;
  QComboBox* m_cbbCPFCNPJAdv = nullptr;
  QComboBox* m_cbbOpcaoFiltroCPFCNPJAdv = nullptr;
  QComboBox* m_cbbNomeAdv = nullptr;
  QComboBox* m_cbbOpcaoFiltroNomeAdv = nullptr;
};
