#pragma once

#include "controles/IServicosPrincipal.h"

class TTolv2014;

// The main window's services as the other parts of the program see them (IServicosPrincipal).
class ServicosJanelaPrincipal : public IServicosPrincipal {
 public:
  explicit ServicosJanelaPrincipal(TTolv2014& janela) : m_janela(janela) {}

  QWidget* Janela() override;
  TTolv& GetTolv() override;
  TColecaoTolv& GetColecaoTolv() override;
  bool DeclaracaoAberta() const override;
  void IrParaPendencia(const QString& dono, const QString& objeto, int secao) override;
  bool EdicaoInvalida() const override;
  void DefineEdicaoInvalida(bool invalida) override;
  void AtualizaMenus() override;
  void Imprime(int tipoImpressao) override;

 private:
  TTolv2014& m_janela;
};
