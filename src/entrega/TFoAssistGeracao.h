#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "controles/TFormAssistNovo.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;
class TArquivoTolv;
class TColecaoTolv;
class TFrResultTrans;
class TFrTolvVerifica;
class TTolv;

// The writing wizard, "Gravação da declaração": federative unit of transmission, pendency
// verification (errors stop it), folder, writing with progress and cancel, result, and the offer
// to hand the file at once to the transmission program (the hand-over frame on page 7, with the
// program-wide certificate choice of TFrResultTrans).
//
// Pages and states carry the same numbers: 1 unit, 2 verification, 3 location, 4 writing,
// 5 success, 6 failure, 7 transmission, 8 transmit now?, 9 receipt number (unreachable, as the
// page 1 never enables Concluir), 10 certificate notice.
//
// Drives are mount points: the unit kept in the settings is the mount point of the drive that
// holds the chosen folder, and the writer's receipt check looks at that drive.
//
// Cancelar asks first (except on pages 1 and 8) and stops a running verification or writing;
// Escape asks nothing. While a verification or a writing runs, either one stops it and the wizard
// closes only once it has returned (a confirmed Cancelar during the verification keeps it open).
class TFoAssistGeracao : public TFormAssistNovo {
  Q_OBJECT
 public:
  static constexpr int kAjuda = 11060;
  static constexpr int kNadaGravado = 101;

  TFoAssistGeracao(QWidget* dono, TTolv& tolv, TColecaoTolv& colecao);
  ~TFoAssistGeracao() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;
  void CancelBtnClick() override;

  // The steps the states run on entering their pages.
  void EntraVerificacao();
  void EntraLocal();
  void EntraGravacao();
  void EntraTransmissao();
  void EntraRecibo();
  // The decisions taken on leaving pages 2 and 4 and the receipt check of page 7: the next page.
  int DecideVerificacao();
  int DecideGravacao();
  int DecideTransmissao();
  int DecideTransmitir();
  int DecideCertificado();
  int DecideRecibo();

  bool ValidaLocalGravacao();
  void BuscaInformacaoIni();
  void GravaDadosIni();
  bool MudaDrive() const;
  bool DiscoRigido() const;
  // The mount points of the drives, in the order the system lists them.
  QStringList UnidadesDisponiveis() const;

  // Handlers.
  void DBLCUFChange();
  void EdArquivoChange();
  void DCBDiscoChange();
  void RBSimClick();
  void RBNaoClick();
  void btnLocalizarClick();

  TFrTolvVerifica& FrTolvVerifica() { return *m_frVerifica; }
  TFrResultTrans& FrResultTrans() { return *m_frResultTrans; }
  TArquivoTolv& Driver() { return *m_driver; }
  int Resultado() const { return m_resultado; }
  const QString& CaminhoCompleto() const { return m_caminhoCompleto; }
  const QString& UnidadeAtual() const { return m_unidade; }
  bool ImprimeRecibo() const;
  bool Gravando() const { return m_gravando; }

  // The label texts of pages 5 and 6, as shown.
  QString TextoSucesso() const;
  QString TextoErro() const;
  bool ReciboExistenteVisivel() const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  void criaPaginas();
  void abreUfs();
  void mostraErro(const QString& texto);
  // Stops what runs and closes once it returned; closes at once when nothing runs.
  void encerra();
  bool emExecucao() const;
  void selecionaUnidade(const QString& raiz);
  QString pastaDigitada() const;

  TTolv& m_tolv;
  TColecaoTolv& m_colecao;
  std::unique_ptr<TArquivoTolv> m_driver;
  int m_resultado = kNadaGravado;
  QStringList m_declaracoes;
  int m_itensVerificados = 0;
  QString m_unidade;
  QString m_diretorio;
  bool m_disquete = false;
  QString m_nomeArquivo;
  QString m_caminhoCompleto;
  bool m_cancelaGravacao = false;
  bool m_gravando = false;
  bool m_verificando = false;
  bool m_fechaAoTerminar = false;
  bool m_posicionado = false;
  bool m_preenchendoDisco = false;

  QComboBox* m_dblcUf = nullptr;
  TFrTolvVerifica* m_frVerifica = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  QToolButton* m_btnLocalizar = nullptr;
  QComboBox* m_dcbDisco = nullptr;
  QWidget* m_pnTexto = nullptr;
  QRadioButton* m_rbGravaTxtSim = nullptr;
  QRadioButton* m_rbGravaTxtNao = nullptr;
  QProgressBar* m_gauge1 = nullptr;
  QProgressBar* m_gauge2 = nullptr;
  QProgressBar* m_gauge3 = nullptr;
  QLabel* m_lbGravandoTexto = nullptr;
  QLabel* m_lbTempo = nullptr;
  QLabel* m_label16 = nullptr;
  QCheckBox* m_cbRecibo = nullptr;
  QLabel* m_lErro = nullptr;
  QLabel* m_lbPrimeiraParteErro = nullptr;
  TFrResultTrans* m_frResultTrans = nullptr;
  QRadioButton* m_rbSim = nullptr;
  QRadioButton* m_rbNao = nullptr;
  QCheckBox* m_checkCertDigi = nullptr;
  QLineEdit* m_meNumRec = nullptr;
};

// The main window's write action: false at once when a writing wizard is open; otherwise runs it
// modally and hands back in `caminho` the declaration file's path. True when the wizard ended
// with a written file and "Imprimir Recibo" checked: the caller then prints that file's receipt.
bool ExecutaAssistenteGeracao(QWidget* dono, QString& caminho, TTolv& tolv, TColecaoTolv& colecao);
