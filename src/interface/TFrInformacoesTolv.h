#pragma once

#include <QDate>
#include <QString>

#include <vector>

#include "controles/TPaginaDeclaracao.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TColecaoTolv;
class TEditData;
class TFrDeclaracao;
class TTolv;
class TTolvEdit;

// The declaration's header page (tree nodes 100 and 101): the declarant's identification and
// legal nature, the indicators chosen when the declaration was made (shown, not edited), the
// special situation with its event type and date, the person responsible before the CNPJ, the
// rectifying choice with the receipt number, and the person responsible for filling the
// declaration, who may be picked from the index's list of responsible persons.
//
// Typed values go straight into the declaration through the bound edits; the header is stored
// (both databases) when the page is left, when the declaration closes and whenever a responsible
// person is picked. A header that cannot be stored keeps the user on the page with the reason.
// An event date before December zeroes, after a confirmation, every value after its month: that
// and the header are stored in one transaction.
class TFrInformacoesTolv : public TPaginaDeclaracao {
  Q_OBJECT
 public:
  explicit TFrInformacoesTolv(QWidget* pai = nullptr);
  ~TFrInformacoesTolv() override;

  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  void MostraFicha(int codigo) override;
  void Entra() override;
  bool PodeSair() override;

  // Binds the declaration and its index directly (the page container passes through the
  // context); `conteiner` may be nullptr.
  void Inicializa(TTolv& declaracao, TColecaoTolv& colecao, TFrDeclaracao* conteiner);

  // Rebind the edits of the declarant and of the responsible persons.
  void AssociaDeclarante();
  void AssociaResponsavel();
  // "Sim" or "Não".
  static QString SimNao(bool valor);
  // The month's name in lower case, "janeiro" to "dezembro".
  static QString NomeMes(int mes);
  // The event date remembered on entering the date field (what "Não" to the closing puts back).
  const QString& DataLembrada() const { return m_dataLembrada; }
  bool Inicializada() const { return m_inicializada; }

  // The handlers, public for the focus tracker and the tests.
  void RbRetificadoraClick(bool sim);
  void CbTipoEventoChange(int indice);
  void EdDataEventoEnter();
  void EdDataEventoChange();
  // Stores the event date; false when the user kept the previous one.
  bool EdDataEventoExit();
  bool DeNomeExit();
  void DeNomeChange();
  bool DblcResponsavelExit();
  void DblcResponsavelEscolhe(int linha);
  void DeNomeRespExit();

 private:
  struct LinhaResponsavel {
    QString nrPf;  // the CPF's first nine digits
    QString cpf;   // formatted, with its check digits
    QString nome, ddd, telefone, ramal, fax, email;
  };

  void criaControles();
  void ligaEventos();
  void mostraIndicadores();
  void ajustaLayout();
  void mostraEvento();
  void mostraRetificadora();
  void abreLista();
  int linhaDoCpf(const QString& texto) const;
  void copiaLinha(const LinhaResponsavel& linha);
  void mesmaPessoa();
  bool mesmaPessoaDeclarante() const;
  // Stores the header; false, after showing why, when it could not be stored.
  bool salva();
  bool aplicaEncerramento(const QDate& data);
  void pintaRecibo();
  bool ehPessoa() const;
  QString cpfResponsavelFormatado() const;
  void focaNome();

  TTolv* m_tolv = nullptr;
  TColecaoTolv* m_colecao = nullptr;
  TFrDeclaracao* m_conteiner = nullptr;
  bool m_inicializada = false;
  QString m_dataLembrada;
  std::vector<LinhaResponsavel> m_lista;

  QWidget* m_pnInformacoes = nullptr;
  QWidget* m_gbIdentificacao = nullptr;
  QLabel* m_lbNomeRazaoS = nullptr;
  QLabel* m_lbCpfCgc = nullptr;
  QLabel* m_lbTipoDeclar = nullptr;
  QLineEdit* m_edtNatureza = nullptr;
  TTolvEdit* m_deNome = nullptr;
  TTolvEdit* m_deCpfCnpj = nullptr;
  QWidget* m_pnlFC = nullptr;
  QWidget* m_pnlDepositario = nullptr;
  QWidget* m_pnlRemessa = nullptr;
  QWidget* m_pnlSocioOstensivo = nullptr;
  QWidget* m_pnlPlanoSaude = nullptr;
  QWidget* m_pnlServicoNotarial = nullptr;
  QWidget* m_pnlCopa = nullptr;
  QWidget* m_pnlEspecial = nullptr;
  QLabel* m_lblInFC = nullptr;
  QLabel* m_lblInDepositario = nullptr;
  QLabel* m_lblInRemessa = nullptr;
  QLabel* m_lblSocioOstensivo = nullptr;
  QLabel* m_lblPlanoSaude = nullptr;
  QLabel* m_lblServicoNotarial = nullptr;
  QLabel* m_lblCopa = nullptr;
  QLabel* m_lblEspecial = nullptr;
  QWidget* m_pnlDtEvento = nullptr;
  QWidget* m_pnTipoEvento = nullptr;
  QWidget* m_pnlDataEvento = nullptr;
  QComboBox* m_cbTipoEvento = nullptr;
  TEditData* m_edDataEvento = nullptr;
  QWidget* m_panel2 = nullptr;
  QWidget* m_gbResponsavelCnpj = nullptr;
  TTolvEdit* m_deRespNoCnpj = nullptr;
  QWidget* m_gbRetificadora = nullptr;
  QRadioButton* m_rbNao = nullptr;
  QRadioButton* m_rbSim = nullptr;
  TTolvEdit* m_deNrRecibo = nullptr;
  QWidget* m_panel4 = nullptr;
  QComboBox* m_dblcResponsavel = nullptr;
  TTolvEdit* m_deNomeResp = nullptr;
  TTolvEdit* m_deDDD = nullptr;
  TTolvEdit* m_deTelefone = nullptr;
  TTolvEdit* m_deRamal = nullptr;
  TTolvEdit* m_deFax = nullptr;
  TTolvEdit* m_deEmail = nullptr;
};
