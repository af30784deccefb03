#pragma once

#include <QString>
#include <QStringList>

#include "controles/TFormAssistNovo.h"
#include "relatorios/EscolhasImpressao.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class TColecaoTolv;
class TFrPesquisaDeclaracoes;
class TFrPesquisarTolv;
class TListaDeclaracoes;
class TTolv;

// The print wizard, "Impressão" (FoAssistRelatorios): asks what the print kind leaves open (the
// declaration when none is open, the written files whose receipts to print, the beneficiary of
// one income statement) and answers the report code that the main window's print dispatch runs.
// Pages: 1 the output choice (never shown: it comes from DADOS/Tolv.ini), 2 the declaration list
// with its filters and type-ahead, 3 the written files with a receipt, 4 the beneficiary search,
// 5 an error page, 6 the folder to search. Routes: 2 → end; 6 → 3 → end (Voltar on 3 back to 6);
// 4 → end. Nothing is kept in the database: the declaration chosen is only read.
class TFoAssistRelatorios : public TFormAssistNovo {
  Q_OBJECT
 public:
  static constexpr int kAjudaPadrao = 12600;

  // `tolv` receives the declaration chosen on page 2; the index lists them.
  TFoAssistRelatorios(int tipoImpressao, bool declaracaoAberta, TTolv& tolv, TColecaoTolv& indice,
                      QWidget* dono = nullptr);
  ~TFoAssistRelatorios() override;

  // The first reading of the declaration list, then the page the kind starts on with its work.
  // False (the failure told) when the list could not be opened: the wizard answers 0.
  bool Inicia();
  // Shows the wizard when the kind asks something, and answers: 0 when cancelled or when no file
  // was chosen for receipts; else the kind's code (EscolhasImpressao::Codigo).
  int Executa();

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;

  // The entry work of the states of pages 2, 3 and 4.
  void EntraLista();
  void EntraRecibos();
  void EntraBeneficiario();
  // The Avançar button and a double click on the declaration or beneficiary grid: Avançar is
  // marked enabled, then it runs (Enter runs it only while it is enabled).
  void BotaoAvancarOnClick();
  // The actions of the pages: load the declaration chosen (2), take the beneficiary chosen (4),
  // check the folder (6).
  bool CarregaDeclaracao();
  bool TomaBeneficiario();
  bool VerificaLocal();
  void SpeedButton1Click();

  const EscolhasImpressao::Escolhas& Escolhas() const { return m_escolhas; }
  // The choices read from the settings file; the output choice shows on page 1.
  void DefineEscolhas(const EscolhasImpressao::Escolhas& escolhas);
  int TipoImpressao() const { return m_tipo; }
  // The files of the receipts (kind 2), in the order they were selected.
  const QStringList& Recibos() const { return m_recibos; }
  // The beneficiary's number as the search gives it (kind 4).
  const QString& Beneficiario() const { return m_beneficiario; }

  TListaDeclaracoes* Lista() const { return m_lista; }
  TFrPesquisaDeclaracoes* Pesquisa() const { return m_pesquisa; }
  TFrPesquisarTolv* PesquisaBeneficiario() const { return m_pesquisaBeneficiario; }
  QLineEdit* EdArquivo() const { return m_edArquivo; }
  QRadioButton* RBVisualizar() const { return m_rbVisualizar; }
  QRadioButton* RBImprimir() const { return m_rbImprimir; }

  // Releases the beneficiary search and the files' selection (the end of a run).
  void Finaliza();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;

 private:
  void criaPaginas();

  int m_tipo;
  bool m_aberta;
  TTolv& m_tolv;
  TColecaoTolv& m_indice;
  EscolhasImpressao::Escolhas m_escolhas;
  QStringList m_recibos;
  QString m_beneficiario;
  QRadioButton* m_rbVisualizar = nullptr;
  QRadioButton* m_rbImprimir = nullptr;
  TListaDeclaracoes* m_lista = nullptr;
  TFrPesquisaDeclaracoes* m_pesquisa = nullptr;
  TFrPesquisarTolv* m_pesquisaBeneficiario = nullptr;
  QLabel* m_lbErro = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  QToolButton* m_speedButton1 = nullptr;
};

// The wizard for the main window's print dispatch (TipoImpressao is the kind): its answer, the
// receipt files appended to `recibos`, the beneficiary's number in `beneficiario`. A call while
// the wizard runs answers 0. The choices go back to DADOS/Tolv.ini; the current folder ends as
// the program's folder.
int ExecutaAssistenteRelatorios(QWidget* dono, QStringList& recibos, TTolv& tolv, TColecaoTolv& indice,
                                const QString& sufixo, QString& beneficiario);
