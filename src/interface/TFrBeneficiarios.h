#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "controles/TLogicaAnexos.h"
#include "controles/TLogicaBeneficiarios.h"
#include "controles/TPaginaDeclaracao.h"

class QBoxLayout;
class RotuloTituloLinhas;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QStandardItemModel;
class TTolv;
class TTolvButton;
class TTolvEdit;
class TTolvGridCompensacao;
class TTolvGridIsentos;
class TTolvGridMeses;
class TTolvGridRendimentosDeducoes;
class TTolvGridSubJudiceDeducoes;

// The beneficiary-lines page: the beneficiary, the revenue code and the monthly amounts of one
// line at a time, on four sub-pages (taxable, compensation, suspended exigibility, exempt) that
// the tree's nodes choose, with the serious-illness indicator and the annual exempt values. The
// rules live in TLogicaBeneficiarios; the page shows the line and turns the user's moves into
// its calls.
//
// A line is stored when the user leaves its key area, its sub-pages, the annual values or the
// report date, before a move to another line, and whenever the page or the declaration is left;
// a refusal keeps the user on the line with the message and the field at fault focused.
//
// On the fund and process pages an identification area above the lines shows the annex that owns
// them (TLogicaAnexos): its CNPJ and name, or its number, court and lawyer, with its own counter,
// browse, add, delete, undo and search buttons.
class TFrBeneficiarios : public TPaginaDeclaracao {
  Q_OBJECT
 public:
  using Modo = TLogicaBeneficiarios::Modo;
  using Campo = TLogicaBeneficiarios::Campo;

  explicit TFrBeneficiarios(Modo modo = Modo::Declarante, QWidget* pai = nullptr);
  ~TFrBeneficiarios() override;

  // The page container's calls.
  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  void MostraFicha(int codigo) override;
  void Entra() override;
  bool PodeSair() override;
  void Posiciona(const QString& dono, const QString& objeto, int secao) override;
  void DefineTitulo(const QString& titulo) override;
  // Alt with the list keys presses the line buttons, each only while enabled.
  void TeclaAlt(int tecla, bool tecladoNumerico) override;

  // Binds the page's lines (the declarant's, or those of the annex shown) and opens them on a new
  // blank line.
  void Inicializa(TTolv& declaracao);
  TLogicaBeneficiarios* Logica() const { return m_logica.get(); }
  TLogicaAnexos* LogicaAnexos() const { return m_anexos.get(); }
  bool TemAnexos() const override { return m_anexos != nullptr; }
  int TipoDoAnexo(int fonte) override;

  // The annex side (fund and process pages).
  void PosicionaAnexo(const QString& chave, int tipo);
  void FundoEscolhido(const QString& chave);
  void ProcessoEscolhido(const QString& chave);
  void BbAddFundoClick();
  void BbDeleteFundoClick();
  void BbDesfazerFundoClick();
  void BbDeleteAdvClick();
  void BbDesfazerAdvClick();
  void btnPesquisarClick();
  // "PRI", "ULT", "NEXT" or "PREV" (the previous button from a new annex goes to the last one).
  void MoveAnexo(const QString& direcao);
  // A court chosen in the court box (the user's choice).
  void EscolheJustica(int indice);
  QString ContadorAnexo() const;
  // The fixed code the process page shows for its court.
  QString CodigoMostrado() const;
  Modo GetModo() const { return m_modo; }

  // Redraws the page for the shown line, and the columns and rows that its code decides.
  void RefazTela();
  void RefazTelaDependeCodigo();
  // Shows the stored line of the key (a go-to); false when the shown line may not be left.
  bool PosicionaItem(const QString& chave);

  // The line buttons, also for the main window's keys.
  void BbFirstClick();
  void BbPriorClick();
  void BbNextClick();
  void BbLastClick();
  void BbAddClick();
  void BbDeleteClick();
  void BbDesfazerClick();

  // The shown sub-page: 0 taxable, 1 compensation, 2 suspended exigibility, 3 exempt.
  int SubPagina() const;
  QString Titulo() const;
  QString Contador() const;
  // The first tree node of this page's section (201, 301 or 401).
  int NoBase() const;

  TTolvGridRendimentosDeducoes* GradeTributaveis() const { return m_dgrRendimentos; }
  TTolvGridCompensacao* GradeCompensacao() const { return m_dgcCompensacao; }
  TTolvGridSubJudiceDeducoes* GradeSubJudice() const { return m_dgsSubJudice; }
  TTolvGridIsentos* GradeIsentos() const { return m_dgsIsentos; }

 protected:
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void criaControles();
  // RefazTela's drawing; `limpaMolestia` tells that the line's illness must go.
  void redesenha(bool& limpaMolestia);
  void associa(bool associar);
  void liberaItem();
  void focaCampo(Campo campo);
  void foca(QWidget* alvo);
  void atualizaBotoes();
  void preencheCodigos();
  void mostraCodigo(const QString& codigo);
  void codigoMudou(const QString& texto);
  void codigoEscolhido();
  bool saiCodigo(QWidget* destino);
  bool saiChave(QWidget* destino);
  bool saiPainelNome(QWidget* destino);
  void mostraSubPagina(int indice);
  void mostraIsentosAnuais(bool admiteIsentos);
  void mostraNo(int codigo);
  void atualizaDescricao();
  void descricaoInicial();
  void voltaTributaveis();
  void aoMarcarMolestia(bool marcado);
  void aoSairData();
  void verificaOutros(bool doTexto);
  void salvaNaSaida();
  bool podeTrabalhar() const;
  QWidget* primeiraGrade() const;
  // Runs a user's action: the line's checks show their own messages, anything else the guard's.
  template <typename F>
  void acao(F&& f);

  // The annex shown has no key: the focus goes to what its identification lacks (with that
  // message when `avisa`). False when the annex is stored and nothing was done.
  bool levaAIdentificacao(bool avisa);
  // The field that a finding's section names, once its line is shown.
  void vaiAoCampo(int secao);
  // The owner's last line went: the tree hides the income statement's nodes.
  void ocultaComprovante();

  void criaIdentificacaoAnexo(QBoxLayout* layout);
  void inicializaAnexos(TTolv& declaracao);
  void mostraAnexo();
  void atualizaBotoesAnexo();
  void donoTrocado(bool antes);
  bool paraBotoesAnexo(QWidget* destino) const;
  bool saiCnpjFundo(QWidget* destino);
  bool saiNomeFundo(QWidget* destino);
  bool saiNumeroProcesso(QWidget* destino);
  bool saiJustica(QWidget* destino);
  bool saiNiAdvogado(QWidget* destino);
  bool saiNomeAdvogado(QWidget* destino);
  bool saiIdentificacao(QWidget* destino);
  void entraIdentificacao();
  void entraNomeAdvogado();

  const Modo m_modo;
  TTolv* m_declaracao = nullptr;
  // Before the lines logic, which works on its owner: destroyed after it.
  std::unique_ptr<TLogicaAnexos> m_anexos;
  bool m_incluiNaEntrada = false;
  bool m_avisoJustica = false;
  bool m_digitandoAdvogado = false;
  int m_justicaNaEntrada = -1;
  QString m_numeroSalvo;
  QString m_advogadoSalvo;
  QString m_nomeAdvogadoSalvo;
  std::unique_ptr<TLogicaBeneficiarios> m_logica;
  const std::vector<TLogicaBeneficiarios::ItemCodigo>* m_listaMostrada = nullptr;
  bool m_naSaida = false;
  bool m_indoAoCampo = false;
  bool m_redesenhando = false;
  bool m_dataAlterada = false;
  bool m_recusouAgora = false;
  int m_ultimaFicha = 0;

  RotuloTituloLinhas* m_pnlDesc = nullptr;
  QWidget* m_grpBeneficiario = nullptr;
  QWidget* m_pnChave = nullptr;
  QWidget* m_panel2 = nullptr;
  QWidget* m_pnlNiBenef = nullptr;
  TTolvEdit* m_deCpfCnpj = nullptr;
  TTolvEdit* m_deNome = nullptr;
  QLabel* m_lblContador = nullptr;
  QComboBox* m_dblcCodRet = nullptr;
  QStandardItemModel* m_modeloCodigos = nullptr;
  QLineEdit* m_edtDescricao = nullptr;
  QWidget* m_panel10 = nullptr;
  TTolvButton* m_btnPesqBen = nullptr;
  TTolvButton* m_bbFirst = nullptr;
  TTolvButton* m_bbPrior = nullptr;
  TTolvButton* m_bbNext = nullptr;
  TTolvButton* m_bbLast = nullptr;
  TTolvButton* m_bbAdd = nullptr;
  TTolvButton* m_bbDelete = nullptr;
  TTolvButton* m_bbDesfazer = nullptr;
  QWidget* m_pnlMolestia = nullptr;
  QWidget* m_pnlChkMolestia = nullptr;
  QCheckBox* m_chkMolestia = nullptr;
  QWidget* m_pnlDtMolestia = nullptr;
  QDateEdit* m_edtDataMolestia = nullptr;
  QStackedWidget* m_pcTolvItem = nullptr;
  TTolvGridRendimentosDeducoes* m_dgrRendimentos = nullptr;
  TTolvGridCompensacao* m_dgcCompensacao = nullptr;
  TTolvGridSubJudiceDeducoes* m_dgsSubJudice = nullptr;
  TTolvGridIsentos* m_dgsIsentos = nullptr;
  QWidget* m_panel6 = nullptr;
  QWidget* m_pnlLucros = nullptr;
  QWidget* m_pnlTitular = nullptr;
  QWidget* m_pnlOutros = nullptr;
  TTolvEdit* m_edtAnualLucros = nullptr;
  TTolvEdit* m_edtAnualTitular = nullptr;
  TTolvEdit* m_edtAnualDescricao = nullptr;
  TTolvEdit* m_edtAnualOutros = nullptr;

  // The annex identification (fund and process pages only).
  QWidget* m_pnIdentificacao = nullptr;
  QLineEdit* m_deCnpjFundo = nullptr;
  QLineEdit* m_deNomeFundo = nullptr;
  QLineEdit* m_deNrProcesso = nullptr;
  QComboBox* m_cmbTipoProcesso = nullptr;
  QWidget* m_pnlAdvogado = nullptr;
  QLineEdit* m_deCpfCnpjAdv = nullptr;
  QLineEdit* m_deNomeAdv = nullptr;
  TTolvButton* m_bbDeleteAdv = nullptr;
  TTolvButton* m_bbDesfazerAdv = nullptr;
  QLabel* m_lblContadorFC = nullptr;
  QWidget* m_pnlBotoesAnexo = nullptr;
  TTolvButton* m_btnPesquisar = nullptr;
  TTolvButton* m_btnPrimProc = nullptr;
  TTolvButton* m_btnPrevProc = nullptr;
  TTolvButton* m_btnNextProc = nullptr;
  TTolvButton* m_btnUltProc = nullptr;
  TTolvButton* m_bbAddFundo = nullptr;
  TTolvButton* m_bbDeleteFundo = nullptr;
  TTolvButton* m_bbDesfazerFundo = nullptr;
};
