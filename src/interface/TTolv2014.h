#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

#include "interface/PassosPrincipal.h"

class AcoesPrincipal;
class ServicosJanelaPrincipal;
class TecladoPrincipal;
class IAmbienteSistema;
class QAction;
class QLabel;
class QSplitter;
class QStackedLayout;
class TColecaoTolv;
class TErros;
class TFrDeclaracao;
class TTolv;
class TTzuqTree;

// The action guard: true while one of the main window's actions (or the initial dialog) runs;
// an action started meanwhile does nothing.
extern bool AcaoEmAndamento;

// The main window. Creating it runs the program's start-up checks: Firebird.conf, the large-fonts
// warning, the short date format (refused: message 186, and the window must not be shown), the
// settings and the declarations index. Closing it asks "Confirma sair do programa?".
class TTolv2014 : public QMainWindow {
  Q_OBJECT
 public:
  TTolv2014(const IAmbienteSistema& ambiente, PassosPrincipal passos, QWidget* pai = nullptr);
  ~TTolv2014() override;

  // The system's short date format was refused at creation.
  bool formatoDataRecusado() const { return m_formatoDataRecusado; }
  PassosPrincipal& passos() { return m_passos; }

  // The first dialogs, once, after the window is shown: the news window and the backup-archive
  // notice until the news window is asked not to open again, then the initial dialog.
  void AbrirDialogoInicial();
  // Lists the backup archives of the folder of the registry value DirCsDefault, if any.
  void VerificaCopiaDeSeguranca();
  // The gate of every action that opens a window: false keeps the window closed.
  bool PodeAbrirForm(const QString& nomeForm);
  // Another copy of the program asked for this window.
  void trazParaFrente();

  // The open declaration, created on first use, and the declarations index of the program.
  TTolv& GetTolv();
  TColecaoTolv& GetColecaoTolv();
  // Shows the declaration loaded in GetTolv (its database connected; any declaration shown
  // before closed first): the tree with the nodes its indicators call for and the header page.
  // False, showing nothing, after a database failure.
  bool AbrirDeclaracao();
  // Closes the open declaration. False when the caller must stop: a verification was still
  // running (the declaration then closes as soon as it stops).
  bool FecharDeclaracao();
  // Frees the declaration and the index and disconnects the index database.
  void FecharColecoes();
  // The exit when the system asks the program to end (its event loop is over): no question, no
  // automatic backup. What the current page stores when left is stored if it passes its checks
  // (a refused value is dropped, and nothing shows), then the declaration and the index close.
  void EncerraSemPerguntar();
  bool DeclaracaoAberta() const { return m_declaracaoAberta; }
  // Actions, caption and year label in line with the state.
  void atualizaMenus();
  void HabilitaMenus(bool habilita);
  // Whether the current page lets an action, or a click on the tree, go on.
  bool VerificaPagina();
  // Brings the page of a finding or search hit to the front and positions it.
  void IrParaPendencia(const QString& dono, const QString& objeto, int secao);
  int EscopoPesquisa() const { return m_escopoPesquisa; }
  void DefineEscopoPesquisa(int escopo) { m_escopoPesquisa = escopo; }
  // The current page refused to be left before an action that looks at it.
  bool RecusaPagina() const { return m_recusaPagina; }
  void LimpaRecusaPagina() { m_recusaPagina = false; }
  void DefineRecusaPagina(bool recusa) { m_recusaPagina = recusa; }
  // A page refused an entry of its own (the editors that check each field as it is left).
  void MarcaRecusaPagina() { DefineRecusaPagina(true); }

  // The actions, menus and tool bar of the window, and the print dispatch.
  AcoesPrincipal& Acoes() const { return *m_acoes; }
  // The panel that takes the focus before an action, so that the edit being left stores its value.
  QWidget* Panel1() const { return m_panel1; }
  // The news window, from its action and from the first dialogs.
  void Ouehdenovo1Execute();

  TTzuqTree* tzuqtrArvore() const { return m_arvore; }
  TFrDeclaracao* FrDeclaracao() const { return m_frDeclaracao; }

 protected:
  void showEvent(QShowEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void FormCreate(const IAmbienteSistema& ambiente);
  bool FormCloseQuery();
  void FormClose();
  void criaComponentes();
  void criaAcoes();
  void leConfiguracoes();
  void posicionaPanel1();
  void completaPassos();
  void mostraArea(bool declaracao);
  void escolheNo(int codigo);
  // After a go-to: the tree's highlight, and the node the window keeps, on the page shown.
  void marcaNoDaPagina();
  void entraArvore();
  // The tree's width rules: folded away it comes back at 50 pixels, and it gives way so that
  // the pages keep 610 pixels of a narrow window.
  void arvoreRedimensionada();
  void pedeAjusteArvore();
  void mudouPagina();
  void ligaPaginasDeLinhas();
  void mudouCodigoDaPagina(int lugar, bool compensacao, bool isentos);
  void mudouMolestiaDaPagina(int lugar, bool molestia);
  void escreveChaveDaArvore(const char* propriedade, void (TTzuqTree::*escreve)(bool), bool valor);
  // The recalculation window: 1 when it completed.
  int recalculaResumo();
  void concluiFechamento();
  void desligaBancoDeclaracao();

  PassosPrincipal m_passos;
  bool m_formatoDataRecusado = false;
  QWidget* m_banda = nullptr;
  QWidget* m_panel1 = nullptr;
  QLabel* m_lbAnoRet = nullptr;
  QStackedLayout* m_area = nullptr;
  QSplitter* m_splDivisor = nullptr;
  TTzuqTree* m_arvore = nullptr;
  TFrDeclaracao* m_frDeclaracao = nullptr;
  // The error list outlives the declaration it is attached to.
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
  bool m_declaracaoAberta = false;
  bool m_fechamentoPendente = false;
  bool m_recusaPagina = false;
  bool m_ajusteArvorePendente = false;
  int m_escopoPesquisa = 3;
  int m_codigoMostrado = 101;
  // The page shown before the current one: where a cancelled recalculation goes back to.
  int m_paginaAnterior = 0;
  int m_paginaAtual = 0;
  int m_larguraArvore = 191;
  QString m_tituloNo;
  AcoesPrincipal* m_acoes = nullptr;
  TecladoPrincipal* m_teclado = nullptr;
  std::unique_ptr<ServicosJanelaPrincipal> m_servicos;
};
