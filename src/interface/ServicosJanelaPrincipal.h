#pragma once

#include "controles/IServicosPrincipal.h"
#include "controles/IServicosVerificacao.h"

class TTolv2014;

// The main window's services as the other parts of the program see them (IServicosPrincipal),
// and as a pendency verification sees them (IServicosVerificacao).
class ServicosJanelaPrincipal : public IServicosPrincipal, public IServicosVerificacao {
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
  // While a run reads the databases the action guard is held, so that no action of the window
  // starts; afterwards the guard is as the run found it.
  void VerificacaoEmExecucao(bool emExecucao) override;

 private:
  TTolv2014& m_janela;
  int m_execucoes = 0;
  bool m_guardaAntes = false;
};
