#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "interface/EstadoAcoes.h"

class QAction;
class QMenu;
class QToolBar;
class TFrDeclaracao;
class TTolv;
class TTolv2014;

// The actions of the main window, its menu bar, its (hidden) tool bar and the print pop-up
// pmImpressao, with what each action does. Every action passes, in this order, the current
// page's consent to be left (the main window's VerificaPagina), the action guard AcaoEmAndamento
// and PodeAbrirForm for the window it opens; a refusal ends it silently. Windows that other
// parts of the program build are reached through PontosEntrada; an entry not registered is told
// in the message box. Owned by the main window; its QActions are the window's children.
class AcoesPrincipal : public QObject {
  Q_OBJECT
 public:
  explicit AcoesPrincipal(TTolv2014& janela);
  ~AcoesPrincipal() override;

  QAction* acao(Acao a) const { return m_acoes[size_t(a)]; }
  // Brings every action in line with a state (EstadoDasAcoes).
  void Aplica(const EstadoMenus& estado);
  void HabilitaMenus(bool habilita);
  // The "A&nalisador" menu and actAnalisarGravar follow the analyser setting.
  void MostraAnalisador(bool mostra);

  QMenu* MenuImpressao() const { return m_pmImpressao; }
  QMenu* MenuDeclaracao() const { return m_menuDeclaracao; }
  QMenu* MenuAnalisador() const { return m_menuAnalisador; }
  QMenu* MenuFerramentas() const { return m_menuFerramentas; }
  QMenu* MenuConsultas() const { return m_menuConsultas; }
  QMenu* MenuAjuda() const { return m_menuAjuda; }
  QToolBar* BarraFerramentas() const { return m_barra; }

  // The print dispatch: the print wizard's answer for TipoImpressao turned into one report.
  void MiImprimirClick();
  // The search over the declaration in the scope the main window keeps.
  void MiPesquisarClick();
  // The beneficiary-lines pages ask for a search in their own scope.
  void PedePesquisa(int escopo);
  // Connects the search requests of the lines pages of a declaration just opened.
  void LigaPaginas(TFrDeclaracao& conteiner);

  // The web pages of the "Consul&tas na internet" menu.
  static QString Endereco(Acao acao);

 private:
  using Tratador = void (AcoesPrincipal::*)();

  QAction* cria(Acao a, const QString& texto, int contextoAjuda, const QString& atalho = QString());
  void liga(Acao a, Tratador tratador);
  void montaMenus();
  void montaBarra();
  QMenu* montaImpressao(QMenu* menu, QMenu** comprovante);
  void focaPainel();
  // Leaves the field being typed in; true when the page refused what it held.
  bool paginaRecusouSaida();
  // An entry point that this version does not have: told, and false.
  template <typename F>
  bool disponivel(const F& entrada, Acao acao);

  void MiNovaExecute();
  void MiAbrirExecute();
  void MiFecharDeclaracaoExecute();
  void MiExcluirExecute();
  void MiImportarExecute();
  void MiImportarAnosAnterioresExecute();
  void MiImprimirExecute();
  void MiConfigurarImpressoraExecute();
  void MiVerificarPendenciasExecute();
  void MiGravarBvdExecute();
  void MiTransmitirviaInternetExecute();
  void MiSairExecute();
  void MiPesquisarExecute();
  void MiResumoExecute();
  void MiCalculadoraExecute();
  void MiIndexadorExecute();
  void MiGravarCopiaExecute();
  void MiRestaurarCopiaExecute();
  void actHabilitarAnalisadorExecute();
  void MiCopiaAutoExecute();
  void MiReparaBancodeDadosExecute();
  void MiConteudoExecute();
  void MiManualExecute();
  void UsodoTeclado1Execute();
  void Ouehdenovo1Execute();
  void MiSobreExecute();
  void ActAlteraExecute();
  void EnderecoExecute(Acao acao);
  void Imprime(int tipo);
  void importa(bool anosAnteriores);
  void despacha(int resposta, TTolv& trabalho, const QStringList& recibos, const QString& beneficiario);

  TTolv2014& m_janela;
  std::array<QAction*, kAcoes> m_acoes{};
  QMenu* m_menuDeclaracao = nullptr;
  QMenu* m_menuImprimir = nullptr;
  QMenu* m_menuAnalisador = nullptr;
  QMenu* m_menuFerramentas = nullptr;
  QMenu* m_menuConsultas = nullptr;
  QMenu* m_menuAjuda = nullptr;
  QMenu* m_pmImpressao = nullptr;
  QMenu* m_comprovanteBarra = nullptr;
  QMenu* m_comprovantePopup = nullptr;
  QAction* m_separadorSincronizar = nullptr;
  QToolBar* m_barra = nullptr;
};
