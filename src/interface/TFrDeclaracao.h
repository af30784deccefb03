#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "controles/TPaginaDeclaracao.h"

class QStackedWidget;
namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// The code of the last page shown by a tree code; the beneficiary-lines pages read it.
extern int NoCorrente;

// The right side of the main window: one page per kind of data of the open declaration, in a
// page control whose tabs stay hidden (the tree and the keyboard choose the page). Each place
// hosts a data-entry page made by a factory that the program registers; a place without one
// stays an empty page. The pages are made when the declaration's pages open, bound to it, and
// released and freed when they close.
class TFrDeclaracao : public QWidget {
  Q_OBJECT
 public:
  // The places, in page order.
  enum Pagina {
    Informacoes,
    Responsavel,
    BeneficiariosTolv,
    Fundos,
    Advogado,
    Resumo,
    Comprovante,
    Remessa,
    PlanoSaude,
    RraDeclarante,
    RraJustica,
  };
  static constexpr int kPaginas = 11;

  // Makes a page inside the place `pai`; the place owns it.
  using FabricaPagina = std::function<TPaginaDeclaracao*(QWidget* pai)>;

  explicit TFrDeclaracao(QWidget* pai = nullptr);
  ~TFrDeclaracao() override;

  // The page of a place, or of the place that a tree node code shows (std::invalid_argument
  // for a code without a page). Takes effect at the next opening.
  void RegistraPagina(Pagina pagina, FabricaPagina fabrica);
  void RegistraPagina(int codigoNo, FabricaPagina fabrica);
  static std::optional<Pagina> PaginaDoCodigo(int codigo);

  void SetDeclaracao(TTolv* declaracao);
  void SetColecaoTolv(TColecaoTolv* colecao);
  TTolv* Declaracao() const { return m_declaracao; }

  // Makes and binds the pages; the callback leads the pages, the verification and the search
  // to a field.
  void AbrePaginas(IrParaCampo irParaCampo, QWidget* janelaPrincipal);
  // Releases and frees every page; the container ends hidden and disabled.
  void FechaPaginas();
  bool PaginasAbertas() const { return m_abertas; }

  // Hides every tab and shows the header page.
  void OcultaAbas();
  // Shows the page of a tree node code and what the code leads to inside it.
  void MostraPagina(int codigo);
  void MostraFundos(bool mostra);
  void MostraProcessos(bool mostra);
  void MostraComprovante(bool mostra);
  bool FundosMostrados() const { return m_fundosMostrados; }
  bool ComprovanteMostrado() const { return m_comprovanteMostrado; }
  bool ProcessosMostrados() const { return m_processosMostrados; }

  // Whether the current page may be left: the focused data control keeps a valid value, then
  // every bound page that holds entered data agrees.
  bool PodeSair();
  // Before a go-to from another window: the focused data control stores its typed value and the
  // page shown stores what it holds (or asks), as leaving it would; false when it refused.
  bool ConfirmaPaginaAtual();
  // The header page of a company cannot be left without a legal nature (message 10).
  bool PodeMudarDePagina();
  // The focused control of the main window.
  QWidget* ControleAtivo() const;
  // Gives the focus to the shown page when it can take it: the page itself when it takes the
  // focus, else its first control in tab order that does. False when nothing could.
  bool FocaPaginaAtiva();

  // Go-to requests for the supplementary sections' editors.
  void PosicionarRemessa(const QString& dono, const QString& secao, const QString& objeto);
  void PosicionarPlanoSaude(const QString& dono, const QString& secao, const QString& objeto);
  // Section 57 goes to the declarant's editor, any other to the court's.
  void PosicionarRra(const QString& dono, const QString& objeto, int secao);
  // The payments-abroad and accumulated-income editors read their records again.
  void RecarregaEditores();

  // The places whose page keeps what was keyed until it is stored, and so is asked before it
  // is left (the header page has its own check).
  static bool GuardaDigitado(Pagina pagina);
  // Shows a place's page, unless the header page may not be left; false when refused.
  bool AtivaPagina(Pagina pagina);
  Pagina PaginaAtual() const;
  // The hosted page of a place; nullptr while the pages are closed or no factory is registered.
  TPaginaDeclaracao* PaginaDe(Pagina pagina) const;
  QWidget* Aba(Pagina pagina) const;
  QString Legenda(Pagina pagina) const;
  bool AbaVisivel(Pagina pagina) const;
  bool Habilitada(Pagina pagina) const;
  QStackedWidget* PgDeclaracao() const { return m_pg; }

 signals:
  // The shown page changed.
  void OnChange();

 private:
  struct Lugar {
    QWidget* aba = nullptr;
    FabricaPagina fabrica;
    QPointer<TPaginaDeclaracao> pagina;
    bool inicializada = false;
    bool habilitada = true;
    bool abaVisivel = true;
  };

  void criaPaginas();
  void inicializa(Pagina pagina);
  void finaliza(Pagina pagina);
  void habilita(Pagina pagina, bool habilitada);
  // Shows a place without asking the header page (closing and hiding pages).
  void exibe(Pagina pagina);
  // Binds and enables a page that follows the declaration, or releases and disables it.
  void alternaPagina(Pagina pagina, bool mostra, bool& mostrada, bool comAba);
  // The income statements' count of beneficiaries and accumulated-income items.
  qint64 QuantidadeComprovantes();
  void MostraComprovantes(int codigo);

  QStackedWidget* m_pg = nullptr;
  std::array<Lugar, kPaginas> m_lugares;
  TTolv* m_declaracao = nullptr;
  TColecaoTolv* m_colecaoTolv = nullptr;
  bool m_fundosMostrados = false;
  bool m_comprovanteMostrado = false;
  bool m_processosMostrados = false;
  IrParaCampo m_irParaCampo;
  QWidget* m_janelaPrincipal = nullptr;
  bool m_abertas = false;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<bd::Consulta> m_consulta;
};
