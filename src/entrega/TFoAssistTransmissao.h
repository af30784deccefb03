#pragma once

#include "controles/TFormAssistNovo.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TFrPesquisaDeclaracoes;
class TFrResultTrans;

// The transmission wizard, "Transmissão de declaração" (AssistTransmissao): the certificate
// choice (1), the notice on certificates for companies (4, only when the choice is ticked), the
// folder and the written files not yet transmitted (2) and their hand-over to the transmission
// program (3). Closing it after at least one file went through offers to print the receipts.
class TFoAssistTransmissao : public TFormAssistNovo {
  Q_OBJECT
 public:
  static constexpr int kAjuda = 16000;

  explicit TFoAssistTransmissao(QWidget* dono = nullptr);
  ~TFoAssistTransmissao() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;
  void done(int resultado) override;

  // Page 2: the folder field's changes and the folder button.
  void EdArquivoChange();
  void BtnPastaClick();
  void AtualizaPesquisa();
  bool PastaAlterada() const { return m_pastaAlterada; }

  bool CertificadoMarcado() const;
  TFrPesquisaDeclaracoes* Pesquisa() const { return m_pesquisa; }
  TFrResultTrans* Resultado() const { return m_resultado; }
  QLineEdit* EdArquivo() const { return m_edArquivo; }

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void criaPaginas();
  void Procura();
  void FormShow();
  void PerguntaRecibos();

  bool m_pastaAlterada = false;
  bool m_posicionado = false;
  bool m_perguntou = false;
  QCheckBox* m_checkCertDigi = nullptr;
  QLabel* m_lbSite = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  QToolButton* m_btnPasta = nullptr;
  QWidget* m_pnPasta = nullptr;
  TFrPesquisaDeclaracoes* m_pesquisa = nullptr;
  TFrResultTrans* m_resultado = nullptr;
};

// Runs the wizard modally over `dono`.
void ExecutaTransmissao(QWidget* dono);
