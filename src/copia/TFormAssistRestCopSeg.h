#pragma once

#include <QString>

#include <memory>

#include "controles/TFormAssistNovo.h"
#include "copia/RestauracaoCopia.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class TTolvButton;

// The restore wizard, "Restauração de cópia de segurança": a whole-database archive (".cmp")
// replaces the index and every declaration database; a one-declaration archive (".dbk") adds or
// replaces one declaration's database and lists it in the index.
//
// Pages: 1 the choice, 2 the archive, 3 the extraction, 6 the confirmation (a whole database over
// an index that lists declarations), 7 the replacement, 4 done, 5 failed. The archive is
// extracted into DADOS/TEMP and checked whole before anything of the data folder is touched.
class TFormAssistRestCopSeg : public TFormAssistNovo {
  Q_OBJECT
 public:
  explicit TFormAssistRestCopSeg(QWidget* dono = nullptr);
  ~TFormAssistRestCopSeg() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;
  // Cancelar: a running extraction stops at its next block and the wizard closes as cancelled.
  void CancelBtnClick() override;

  // Leaving page 2: the typed archive must be a file in a folder that exists.
  bool ConfereArquivoCopia();
  void BtnProcurarClick();

  bool RestauraBase() const;
  const QString& CaminhoArquivo() const { return m_arquivo; }
  // 1 done, 0 failed, -1 another establishment's declaration, other cancelled.
  int CodigoResultado() const { return m_codigo; }
  const QString& MotivoFalha() const { return m_motivo; }
  int QuantidadeAtual() const { return m_quantidadeAtual; }
  int QuantidadeArquivo() const { return m_quantidadeArquivo; }

  // The confirmation of page 6.
  static QString TextoConfirmacao(int atual, int arquivo);

 private:
  void criaPaginas();
  void VerificaIndice();
  void PassoArquivo();
  bool PassoExtracao();
  bool PassoRestauracao();
  void DefineNomeArquivo();

  QString m_dirDefault, m_dirUltimo, m_arqDefault, m_arqUltimo;
  QString m_arquivo;
  int m_codigo = 0;
  QString m_motivo;
  int m_quantidadeAtual = 0;
  int m_quantidadeArquivo = 0;
  std::unique_ptr<RestauracaoCopia> m_restauracao;

  QRadioButton* m_rbCopBanco = nullptr;
  QRadioButton* m_rbCopDec = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  TTolvButton* m_btnProcurar = nullptr;
  QLabel* m_label2 = nullptr;
  QProgressBar* m_gaugeTotal = nullptr;
  QLabel* m_label9 = nullptr;
  QProgressBar* m_gauge2 = nullptr;
  QLabel* m_label4 = nullptr;
  QLabel* m_label3 = nullptr;
};

// Runs the wizard modally over `dono`. The caller closes its declaration and collections first,
// and afterwards, whatever happened, clears both database-failure flags and opens the index
// again. True when something was restored.
bool ExecutaRestauracaoCopia(QWidget* dono);
