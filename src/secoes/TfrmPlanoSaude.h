#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "controles/TPaginaDeclaracao.h"
#include "secoes/PesquisaPlanoSaude.h"

class QFrame;
class QLabel;
class QLineEdit;
class TGradeDependentes;
class TTitularesOperadora;
class TTolvButton;
class TTolvEdit;
class TzuqDependentePlanoSaude;
class TzuqDependentePlanoSaudeDAO;
class TzuqPlanoSaude;
class TzuqPlanoSaudeDAO;
class TzuqRelacaoDependenciaDAO;
class TzuqTitularPlanoSaude;
class TzuqTitularPlanoSaudeDAO;

// The page of the collective health plans: one operator at a time, one of its holders at a time
// and the holder's dependants in a grid. There is no save button: an operator is stored when the
// focus leaves its panel, a holder when it leaves its own, a dependant when its row is left;
// deletions ask first. An operator's holders are read a window at a time.
class TfrmPlanoSaude : public TPaginaDeclaracao {
  Q_OBJECT
 public:
  explicit TfrmPlanoSaude(QWidget* pai = nullptr);
  ~TfrmPlanoSaude() override;

  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  // 800 shows the page again (Ativa); 801 goes to the dependants.
  void MostraFicha(int codigo) override;
  // Stores what the panels hold before the page is left.
  bool PodeSair() override;
  // dono: the record's key; secao: 53 to 56; objeto: the field.
  void Posiciona(const QString& dono, const QString& objeto, int secao) override;
  void Recarrega() override;

  // The page is shown: the operator and holder on it are read again.
  void Ativa();
  // Goes to a record (screen "53" to "56") once what the panels hold is stored; a record that
  // cannot be left (a refused value) keeps the page where it is.
  void Posicionar(const QString& chave, const QString& tela, const QString& campo);

  // The buttons' actions.
  void IncluiOperadora();
  void ExcluiOperadora();
  void DesfazOperadora();
  void MoveOperadora(int passo);  // -2 first, -1 previous, 1 next, 2 last
  void IncluiTitular();
  void ExcluiTitular();
  void DesfazTitular();
  void MoveTitular(int passo);
  void IncluiDependente();
  void ExcluiDependente();
  void DesfazDependente();
  void PesquisaOperadora();
  void PesquisaTitular();

  // Stores the operator (holder) on the page as leaving its panel does; false when refused.
  bool SalvaOperadora();
  bool SalvaTitular();

  // What the page shows, for the searches and the tests.
  const std::vector<TLinhaOperadora>& Operadoras() const { return m_operadoras; }
  int PosicaoOperadora() const { return m_posOperadora; }
  int PosicaoTitular() const { return m_posTitular; }
  TTitularesOperadora& Titulares() const { return *m_titulares; }
  TzuqPlanoSaude& Operadora() const { return *m_operadora; }
  TzuqTitularPlanoSaude& Titular() const { return *m_titular; }
  TGradeDependentes& Grade() const { return *m_grade; }

 private:
  void montaTela();
  void registraFoco();
  void associaEdits(bool associa);
  void carregaOperadoras();
  void mostraOperadora(int pos);
  void carregaTitulares();
  void mostraTitular(int pos);
  void carregaDependentes();
  void limpaOperadora();
  void limpaTitular();
  void atualizaBotoes();
  void atualizaTotal();
  // Stores the focused edit's text and whatever the panels hold unsaved; false when refused.
  bool guardaPendentes();
  bool operadoraVazia() const;
  bool saidaIgnorada(QWidget* destino, bool operadora) const;
  void focaDepois(QWidget* controle);
  void focaPrimeiroCampo();
  bool recusa(int codigo, const QString& argumento, QWidget* foco);
  bool saiCnpj(QWidget* destino);
  bool saiRegistroAns(QWidget* destino);
  bool saiCpfTitular(QWidget* destino);
  bool confirmaDependente();

  TContextoPagina m_contexto;
  std::unique_ptr<TzuqPlanoSaude> m_operadora;
  std::unique_ptr<TzuqTitularPlanoSaude> m_titular;
  std::unique_ptr<TzuqPlanoSaudeDAO> m_daoOperadora;
  std::unique_ptr<TzuqTitularPlanoSaudeDAO> m_daoTitular;
  std::unique_ptr<TzuqDependentePlanoSaudeDAO> m_daoDependente;
  std::unique_ptr<TzuqRelacaoDependenciaDAO> m_daoRelacao;
  std::unique_ptr<TTitularesOperadora> m_titulares;
  std::vector<TLinhaOperadora> m_operadoras;
  int m_posOperadora = -1;
  int m_posTitular = -1;
  bool m_operadoraAlterada = false;
  bool m_titularAlterado = false;
  bool m_inicializada = false;
  // The dependant's cell that a refused row goes back to (row, column).
  std::optional<std::pair<int, int>> m_recusaDependente;

  QFrame* pnlOperadora = nullptr;
  QFrame* pnlTitular = nullptr;
  QFrame* pnlDependente = nullptr;
  QWidget* pnlBotoesOperadora = nullptr;
  QWidget* pnlBotoesTitular = nullptr;
  QWidget* pnlBotoesDependente = nullptr;
  TTolvEdit* edtCNPJOperadora = nullptr;
  TTolvEdit* edtRegistroANS = nullptr;
  TTolvEdit* edtNomeOperadora = nullptr;
  TTolvEdit* edtCPFTitular = nullptr;
  TTolvEdit* edtNomeTitular = nullptr;
  TTolvEdit* edtTitularValor = nullptr;
  QLineEdit* edtTotalPago = nullptr;
  QLabel* lblContadorOperadora = nullptr;
  QLabel* lblContadorTitular = nullptr;
  QLabel* lblContadorDependente = nullptr;
  TTolvButton* btnPesquisaOperadora = nullptr;
  TTolvButton* btnPrimeiroOperadoraAtivo = nullptr;
  TTolvButton* btnAnteriorOperadoraAtivo = nullptr;
  TTolvButton* btnProximoOperadoraAtivo = nullptr;
  TTolvButton* btnUltimoOperadoraAtivo = nullptr;
  TTolvButton* btnIncluiOperadora = nullptr;
  TTolvButton* btnExcluiOperadora = nullptr;
  TTolvButton* btnDesfazOperadora = nullptr;
  TTolvButton* btnPesquisaTitular = nullptr;
  TTolvButton* btnPrimeiroTitularAtivo = nullptr;
  TTolvButton* btnAnteriorTitularAtivo = nullptr;
  TTolvButton* btnProximoTitularAtivo = nullptr;
  TTolvButton* btnUltimoTitularAtivo = nullptr;
  TTolvButton* btnIncluiTitular = nullptr;
  TTolvButton* btnExcluiTitular = nullptr;
  TTolvButton* btnDesfazTitular = nullptr;
  TTolvButton* btnIncluiDependente = nullptr;
  TTolvButton* btnExcluiDependenteAtivo = nullptr;
  TTolvButton* btnDesfazDependente = nullptr;
  TGradeDependentes* m_grade = nullptr;
};
