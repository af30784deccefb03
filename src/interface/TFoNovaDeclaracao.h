#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "interface/NovaDeclaracao.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class TBotaoOk;
class TColecaoTolv;
class TEditData;
class TTolv;
class TTolvButton;
class TTolvCustomEdit;

// The new-declaration dialog: the declarant's kind asked first, then the number, name, year,
// special situation, nature and indicators, with the checks of NovaDeclaracao; OK creates the
// declaration in the index and its database.
class TFoNovaDeclaracao : public QDialog {
  Q_OBJECT
 public:
  // The kind chosen before the dialog: 0 cancelled, 1 person, 2 company.
  using EscolhaTipo = std::function<int(QWidget* dono)>;

  TFoNovaDeclaracao(TTolv& tolv, TColecaoTolv& indice, QWidget* dono = nullptr);
  ~TFoNovaDeclaracao() override;

  static TFoNovaDeclaracao* Existente();
  // The kind is asked through TfrmTipoDeclarante unless another way is given (tests).
  void DefineEscolhaTipo(EscolhaTipo escolha) { m_escolhaTipo = std::move(escolha); }

  NovaDeclaracao& Logica() { return m_logica; }

  void FormShow();
  void BbOkClick();
  void bbCancelClick() { reject(); }
  void done(int resultado) override;

  QLabel* lblNI() const { return m_lblNI; }
  QLabel* lblNome() const { return m_lblNome; }
  TTolvCustomEdit* edtNI() const { return m_edtNI; }
  TTolvCustomEdit* DeNome() const { return m_deNome; }
  QComboBox* CbAnoRet() const { return m_cbAnoRet; }
  QGroupBox* grpGbSitEspecial() const { return m_grpSitEspecial; }
  QRadioButton* rbRbSimEncerramento() const { return m_sim; }
  QRadioButton* rbRbNaoEncerramento() const { return m_nao; }
  QComboBox* cbbCbTipoEvento() const { return m_tipoEvento; }
  TEditData* edtDataEvento() const { return m_dataEvento; }
  QWidget* pnlNatureza() const { return m_pnlNatureza; }
  QComboBox* cbbCbTipoDeclarante() const { return m_natureza; }
  QCheckBox* Caixa(NovaDeclaracao::Caixa c) const { return m_caixas[size_t(c)]; }
  QWidget* PainelCaixa(NovaDeclaracao::Caixa c) const { return m_paineis[size_t(c)]; }
  TBotaoOk* bbOK() const { return m_ok; }
  TTolvButton* bbCancel() const { return m_cancelar; }

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void criaComponentes();
  void ligaEventos();
  // The user's values into the form, and the form back into the controls.
  void leForm();
  void mostraForm();
  void aplicaFoco(NovaDeclaracao::Foco foco);
  void HabilitaOk();
  // Enter moves on (backward with Shift).
  void AvancaComEnter(bool paraTras);
  // The Enter of the focused control, once the dialog has seen it.
  void enterDoControle(QWidget* alvo, bool paraTras);

  NovaDeclaracao m_logica;
  EscolhaTipo m_escolhaTipo;
  bool m_mostrado = false;
  bool m_ignoraSaidaNumero = false;

  QWidget* m_quadro = nullptr;
  QLabel* m_lblNI = nullptr;
  QLabel* m_lblNome = nullptr;
  TTolvCustomEdit* m_edtNI = nullptr;
  TTolvCustomEdit* m_deNome = nullptr;
  QComboBox* m_cbAnoRet = nullptr;
  QGroupBox* m_grpSitEspecial = nullptr;
  QRadioButton* m_sim = nullptr;
  QRadioButton* m_nao = nullptr;
  QWidget* m_pnlTipoEvento = nullptr;
  QComboBox* m_tipoEvento = nullptr;
  TEditData* m_dataEvento = nullptr;
  QWidget* m_pnlNatureza = nullptr;
  QComboBox* m_natureza = nullptr;
  std::array<QCheckBox*, NovaDeclaracao::kCaixas> m_caixas{};
  std::array<QWidget*, NovaDeclaracao::kCaixas> m_paineis{};
  TBotaoOk* m_ok = nullptr;
  TTolvButton* m_cancelar = nullptr;
};

// Creates a declaration through the dialog: true when it was created, `tolv` then holding it
// (its index row and database exist). False at once while the dialog is already open.
bool ExecutaNovaDeclaracao(TTolv& tolv, TColecaoTolv& indice, QWidget* dono);
