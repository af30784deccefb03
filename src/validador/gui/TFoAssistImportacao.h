#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <memory>

#include "controles/TFormAssist.h"

class QCheckBox;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QTabWidget;
class QTimer;
class TArqComprovante;
class TColecaoTolv;
class TErros;
class TGradeDeclaracoes;
class TTolv;
class TTolvEdit;
class TTolvGridImpCompr;
class TTolvGridImpDecl;
class TTolvItem;
class ImportacaoAnosAnteriores;

// "Assistente de análise/importação de arquivos": the previous-years wizard, twelve pages on the
// older wizard form. It takes a written declaration of an earlier year (decompressed first by the
// outside library) or a text file of the older fixed-width layout, reads its declarant record,
// lets the user confirm name, calendar year and nature, shows a sample of the records and hands
// the file to the older layout's import, which in this edition stores nothing: the summary shows
// its counters, all zero. Pages 8 to 11 import an income-statement file into a declaration of the
// index (TArqComprovante); no page of the wizard leads to them.
//
// The rules live in ImportacaoAnosAnteriores; the pages show them. Page n is the panel "Panel<n>".
class TFoAssistImportacao : public TFormAssist {
  Q_OBJECT
 public:
  static constexpr int kAjuda = 11030;

  // The index is not owned and outlives the wizard; the working declaration is the wizard's.
  explicit TFoAssistImportacao(TColecaoTolv& colecao, QWidget* dono = nullptr);
  ~TFoAssistImportacao() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int) override { return true; }
  // Cancelar also stops the decompression, the import and the statement reader under way.
  void CancelBtnClick() override;
  // While the conflict panel is shown, Avançar takes the user's choice.
  void BtnAvancarClick() override;

  // The work of a state on entering it, and where its page leads (continua: go on at once).
  void EntraPasso(int pagina);
  int Rota(int pagina, int evento, bool& continua);

  // The declarations that pages 8 to 11 offer (the index's, from calendar year 2004); false when
  // they cannot be read (said in the message box).
  bool AbreDeclaracoes();
  // Runs a state as if a page had led to it (pages 8 to 11 have no road of their own).
  void EntraNoEstado(int indice);
  // Page 8's type-ahead: the first row whose kind and number start with "1" or "2" and the
  // text, else whose formatted number starts with it.
  void Localiza(const QString& texto);

  // The decision for a beneficiary line that is stored already (1 keep, 2 replace, 3 the sum);
  // with "Aplicar a todos..." ticked, `todos` takes it too. Waits on the conflict panel.
  uint8_t DecideAcaoTolvItem(TTolvItem& base, TTolvItem& importado, TTolvItem& soma, uint8_t& todos);

  ImportacaoAnosAnteriores& Importacao() const { return *m_importacao; }
  TTolv& Declaracao() const { return *m_tolv; }
  QWidget* Painel(int pagina) const;
  // CheckMostrRel shown and ticked (the import's report of errors).
  bool MostraRelatorio() const;
  // MostraRelErroCompr shown and ticked, with what it would print.
  bool MostraRelatorioComprovante() const;
  int RejeitadosComprovante() const { return m_rejeitadosComprovante; }
  const QString& RaizLogComprovante() const { return m_raizLogComprovante; }
  // The open dialog's folder, for [Importacao] "Diretorio".
  QString PastaArquivo() const;

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void criaPaginas();
  void HabilitaBotoes(bool voltar, bool avancar, bool concluir, bool cancelar);
  void BotaoFechar(bool fechar);
  void EdArquivoChange();
  void BitBtn1Click();
  void CbAnoRetChange();
  void CbTipoDeclarChange();
  void DENomeExit();
  void AplicaPergunta(QRadioButton* sim, QRadioButton* nao, bool resposta, bool habilita);
  void AtualizaPerguntaFundo();
  void PassoDescompressao();
  void PassoDeclarante();
  void PassoNomeAno();
  void PassoImportacao();
  void PassoResumo();
  void PassoAmostraComprovante();
  void PassoComprovante();
  bool PodeAvancarDeclarante();
  bool PodeAvancarDeclaracao();
  void Progresso(QProgressBar* barra, int posicao, int maximo);

  TColecaoTolv* m_colecao;
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
  std::unique_ptr<ImportacaoAnosAnteriores> m_importacao;
  // The statement reader under way, for Cancelar.
  TArqComprovante* m_leitor = nullptr;
  QEventLoop* m_esperaConflito = nullptr;

  QWidget* m_paineis[13] = {};
  // Page 2
  QLabel* m_lDescrImportacao = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  QWidget* m_bitBtn1 = nullptr;
  // Page 3
  QProgressBar* m_gauge3 = nullptr;
  // Page 4
  QLabel* m_lAlteracaoDados = nullptr;
  QComboBox* m_cbAnoRet = nullptr;
  TTolvEdit* m_deNome = nullptr;
  QWidget* m_painelNatureza = nullptr;
  QComboBox* m_cbTipoDeclar = nullptr;
  QGroupBox* m_grupoJustica = nullptr;
  QRadioButton* m_rbAdNao = nullptr;
  QRadioButton* m_rbAdSim = nullptr;
  QRadioButton* m_rbNatNao = nullptr;
  QRadioButton* m_rbNatSim = nullptr;
  // Page 5
  TTolvGridImpDecl* m_grdImpDecl = nullptr;
  // Page 6 and the conflict panel
  QProgressBar* m_gauge10 = nullptr;
  QLabel* m_label20 = nullptr;
  QWidget* m_panel13 = nullptr;
  QTabWidget* m_abasConflito = nullptr;
  QLineEdit* m_totais[9][3] = {};
  QLabel* m_lbBenefJaConsta = nullptr;
  QRadioButton* m_rbManter = nullptr;
  QRadioButton* m_rbSubstitui = nullptr;
  QRadioButton* m_rbComplementa = nullptr;
  QCheckBox* m_cbTodosReg = nullptr;
  // Page 7
  QLabel* m_contadores[9] = {};
  QLabel* m_lblMnsErro = nullptr;
  QCheckBox* m_checkMostrRel = nullptr;
  // Page 8
  TGradeDeclaracoes* m_dbGrDeclaracao = nullptr;
  QTimer* m_timer1 = nullptr;
  QString m_teclas;
  qint64 m_ultimaTecla = 0;
  // Page 9 to 11
  TTolvGridImpCompr* m_grdImpCompr = nullptr;
  QProgressBar* m_gauge2 = nullptr;
  QLabel* m_lblComprImportados = nullptr;
  QLabel* m_lblComprRejeitados = nullptr;
  QCheckBox* m_mostraRelErroCompr = nullptr;
  // Page 12
  QLabel* m_lErro = nullptr;

  QElapsedTimer m_relogio;
  QString m_nomeDigitado;
  bool m_travaNatureza = false;
  bool m_depositarioArquivo = false;
  int m_rejeitadosComprovante = 0;
  QString m_raizLogComprovante;
};

// The wizard's entry (the main window's hidden action): nothing and false while a wizard is open,
// or when the list of declarations cannot be read. Afterwards: `arquivo` the import's log name,
// `mostraRelatorio` whether its report was asked for, `quantidade` the rejected records and
// warnings; true when a declaration was imported. The income-statement report, when asked for
// on page 11, is shown before it returns.
bool ExecutaAssistenteImportacaoAnosAnteriores(QString& arquivo, TColecaoTolv& colecao, bool& mostraRelatorio,
                                                int& quantidade, QWidget* dono = nullptr);
