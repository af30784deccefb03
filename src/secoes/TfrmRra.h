#pragma once

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "controles/TPaginaDeclaracao.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QWidget;
class TTolv;
class TTolvButton;
class TTolvEdit;
class TTolvGridRra;
class TzuqRra;
class TzuqRraDAO;

// The data-entry page of income received cumulatively, one per type: 1 paid by the declarant
// (tree node 150), 2 paid by court order (node 450). It edits one item at a time: the
// beneficiary, the nature, the process, the lawyer, the serious-illness indicator with the report
// date and the twelve months in the grid. Leaving the identification panel or the grid saves the
// item; the item buttons save first, then move, add, delete, undo or search.
//
// A save that the item's checks refuse shows the first error, focuses its field and keeps the
// user on the item (GetValido false): the page may not be left and the declaration not closed
// until it is fixed or undone. Nothing is ever dropped in silence: a new item with values but no
// identification is refused like any other, and a go-to (a finding, a search hit) or a hidden page
// saves the item first.
//
// Everything the page keeps (the item, its undo copy, the counter) belongs to this object and
// starts afresh at every Inicializa; the storage is the declaration's one TzuqRraDAO.
class TfrmRra : public TPaginaDeclaracao {
  Q_OBJECT
 public:
  explicit TfrmRra(uint8_t tipo, QWidget* pai = nullptr);
  ~TfrmRra() override;

  // The page container's calls.
  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  void MostraFicha(int codigo) override;
  bool PodeSair() override;
  void Posiciona(const QString& dono, const QString& objeto, int secao) override;
  void Recarrega() override;
  void DefineTitulo(const QString& titulo) override;

  // Binds the declaration and starts on an empty new item; nothing is loaded.
  void Inicializa(TTolv& declaracao);
  // The tree chose the page: focus, process captions, counter.
  void Ativa();
  // Loads the stored item of the key and focuses a field (see FocaCampo). The item shown is saved
  // first; false, with nothing loaded, when that save was refused.
  bool Posicionar(const QString& id, const QString& campo);
  bool GetValido() const { return m_valido; }

  // Saves the item when it changed; false when the checks refused it (message shown, field
  // focused). A new item with nothing at all in it is not stored.
  bool Salva();
  // The item's checks; on an error the first one's field is focused and its message shown.
  bool Valida();
  void MostraItem();
  void AtualizaContador();
  void AtualizaBotoes();
  // "cpfBeneficiario", "nomeBeneficiario", "natureza", "processo", "niAdvogado", "nomeAdvogado",
  // "data", "valores"; empty or "-1" the CPF.
  void FocaCampo(const QString& campo);
  void Desfaz();

  // The item buttons.
  void Primeiro();
  void Anterior();
  void Proximo();
  void Ultimo();
  void Inclui();
  void Exclui();
  void Pesquisa();
  void ExcluiAdvogado();
  void DesfazAdvogado();

  uint8_t Tipo() const { return m_tipo; }
  TzuqRra* Rra() const { return m_rra.get(); }
  int Total() const { return m_total; }
  int Posicao() const { return m_posicao; }
  QString Contador() const;
  TTolvGridRra* Grade() const { return m_grade; }

  // The search the item button opens (modal, mode 0 or 1, a hit goes to Posicionar). Tests
  // replace it.
  using AbrePesquisa = std::function<void(TfrmRra& editor, int modo)>;
  void DefineAbrePesquisa(AbrePesquisa abre) { m_abrePesquisa = std::move(abre); }

 signals:
  // A save was refused and the operation that asked for it abandoned: the main window's writing,
  // verification and print actions should not run now.
  void EdicaoRecusada();

 protected:
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void criaControles();
  void associa(bool associar);
  // Stores what the focused control of the page holds; false when it refused it.
  bool confirmaFoco();
  // The start of every item button: the focused value taken, the item saved.
  bool preparaAcao();
  // Saves on the way out of the identification panel or the grid; a refusal keeps the focus.
  bool saiDaEdicao();
  void moveDepois(const std::function<void()>& busca);
  void guardaCopia();
  void zeraModificados();
  void atualizaTitulo();
  void mostraMolestia();
  void habilitaMolestia();
  void aoMarcarMolestia(bool marcado);
  void aoSairData();
  void buscaNome(bool advogado);
  bool identificacaoVazia() const;
  bool identificacaoModificada() const;
  QWidget* controleDoCampo(const QString& campo) const;

  const uint8_t m_tipo;
  TTolv* m_declaracao = nullptr;
  TzuqRraDAO* m_dao = nullptr;
  std::unique_ptr<TzuqRra> m_rra;
  std::unique_ptr<TzuqRra> m_copia;
  bool m_valido = true;
  int m_total = 0;
  int m_posicao = 0;
  bool m_salvando = false;
  // A refused save sends the focus to the field at fault: the way there saves nothing.
  bool m_indoAoCampo = false;
  // Inside the exit handlers of the panel and the grid: the focus goes to a field afterwards.
  bool m_naSaida = false;
  // The user changed the report date since it was shown.
  bool m_dataAlterada = false;
  QString m_titulo;
  QString m_niBuscado;
  QString m_niAdvogadoBuscado;
  AbrePesquisa m_abrePesquisa;

  QLabel* m_pnlTitulo = nullptr;
  QWidget* m_pnlBeneficiario = nullptr;
  TTolvEdit* m_edtCpf = nullptr;
  TTolvEdit* m_edtNome = nullptr;
  QLabel* m_lblContador = nullptr;
  TTolvEdit* m_edtNatureza = nullptr;
  QLabel* m_lblIdentificacaoProcesso = nullptr;
  QLabel* m_lblNrProcesso = nullptr;
  TTolvEdit* m_edtProcesso = nullptr;
  TTolvEdit* m_edtNiAdvogado = nullptr;
  TTolvEdit* m_edtNomeAdvogado = nullptr;
  TTolvButton* m_btnExcluiAdvogado = nullptr;
  TTolvButton* m_btnDesfazAdvogado = nullptr;
  QWidget* m_pnlMolestia = nullptr;
  QCheckBox* m_chkMolestia = nullptr;
  QLabel* m_lblData = nullptr;
  QDateEdit* m_cmbData = nullptr;
  QWidget* m_pnlControle = nullptr;
  TTolvButton* m_btnPesquisa = nullptr;
  TTolvButton* m_btnPrimeiro = nullptr;
  TTolvButton* m_btnAnterior = nullptr;
  TTolvButton* m_btnProximo = nullptr;
  TTolvButton* m_btnUltimo = nullptr;
  TTolvButton* m_btnInclui = nullptr;
  TTolvButton* m_btnExclui = nullptr;
  TTolvButton* m_btnDesfaz = nullptr;
  TTolvGridRra* m_grade = nullptr;
};
