#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

class TCodigoRetencao;
class TColecaoTolvItem;
class TTolv;
class TTolvAnexo;
class TTolvItem;

// The rules of the beneficiary-lines page without its widgets: one current line of one section
// owner, how it is checked, stored, added, deleted, undone and browsed, the counter and the
// buttons, and what the revenue code makes the page show. The page binds its controls to
// Linha(), keeps TextoCodigo() in its code box, and answers two requests: focus a field, and
// redraw from the line.
//
// Every refusal is shown here through the message box and leaves the line as keyed and modified;
// the answers are the catalogue's codes (0 for none).
class TLogicaBeneficiarios {
 public:
  enum class Modo : uint8_t { Declarante, Fundo, Processo };
  enum class Campo : uint8_t { Numero, Nome, Codigo, Grade };

  // What the line's code, the beneficiary's kind and the declarant make the page show.
  struct Regras {
    // Deduction columns of the taxable and suspended-exigibility grids, two-line captions.
    bool deducao = false, deducaoPO = false, deducaoPP = false, deducaoDP = false, deducaoPA = false;
    bool multiLinha = false;
    // Data columns 1 to 6 of the exempt grid (index 0 is column 1), after the cup and nature rules.
    std::array<bool, 6> isentos{};
    // The code admits no monthly exempt kind: the exempt sub-page collapses.
    bool semIsentosMensais = true;
    bool decimoTerceiro = false;
    // The serious-illness area is offered.
    bool molestia = false;
    // What the tree is told: compensation and suspended exigibility, exempt income.
    bool compensacaoExigibilidade = false;
    bool rendimentosIsentos = false;
    // The annual exempt area on the exempt sub-page, and its panels.
    bool anuais = false, anualLucrosTitular = false, anualOutros = false;
    int limiteNome = 150;
    QString tituloRetido;
  };
  // codigo: the line's code object (filled from the table); tipoBeneficiario and tipoDeclarante:
  // 1 person, 2 company (0 unknown).
  static Regras CalculaRegras(const TCodigoRetencao& codigo, uint8_t tipoBeneficiario, uint8_t tipoDeclarante,
                              int natureza, bool inCopa);
  // "Valor Retido" for the codes of amounts retained that are no tax, else "Imposto Retido"; on
  // two lines when the grid is narrow (five columns or more).
  static QString TituloRetido(const QString& codigo, bool duasLinhas);

  struct Botoes {
    bool primeiro = false, anterior = false, proximo = false, ultimo = false;
    bool inclui = false, exclui = false, desfaz = false, pesquisa = false;
  };

  // One entry of the code box's list.
  struct ItemCodigo {
    QString codigo;
    QString resumo;
    QString pfPjAmbos;
  };

  using Foca = std::function<void(Campo)>;
  using Redesenha = std::function<void()>;
  // The code box is given a code back (a change of code the user refused).
  using MostraCodigo = std::function<void(const QString& codigo)>;
  // A line was to be stored under an annex that is not stored itself: the page shows what the
  // annex's identification lacks and takes the user there.
  using DonoSemChave = std::function<void()>;

  // What SalvaTolvItem answers when the owner has no key: nothing could be stored.
  static constexpr int kDonoNaoGravado = -2;

  // The declaration and the owner outlive the object.
  TLogicaBeneficiarios(TTolv& declaracao, TTolvAnexo& dono, Modo modo);
  ~TLogicaBeneficiarios();
  TLogicaBeneficiarios(const TLogicaBeneficiarios&) = delete;
  TLogicaBeneficiarios& operator=(const TLogicaBeneficiarios&) = delete;

  void DefineFoca(Foca foca) { m_foca = std::move(foca); }
  void DefineRedesenha(Redesenha redesenha) { m_redesenha = std::move(redesenha); }
  void DefineMostraCodigo(MostraCodigo mostra) { m_mostraCodigo = std::move(mostra); }
  void DefineDonoSemChave(DonoSemChave aviso) { m_donoSemChave = std::move(aviso); }

  // Opens the owner's lines on a new blank line; nothing is loaded.
  void CarregaItens();

  TTolv& Declaracao() const { return *m_declaracao; }
  TTolvAnexo& Dono() const { return *m_dono; }
  Modo GetModo() const { return m_modo; }
  TTolvItem& Linha() const { return *m_linha; }
  TColecaoTolvItem& Itens() const { return *m_itens; }
  bool LinhaNova() const;
  bool LinhaModificada() const;

  // The code box's text; the page keeps its box equal to it.
  const QString& TextoCodigo() const { return m_textoCodigo; }
  void SetTextoCodigo(const QString& texto) { m_textoCodigo = texto; }
  // The text the code box had when the line's code was last applied (Esc puts it back).
  const QString& CodigoAnterior() const { return m_codigoAnterior; }

  // The rules of the shown line (its code object as the table fills it).
  Regras RegrasAtuais() const;
  // The codes that the box offers to a beneficiary of the kind (1 person, 2 company, else all),
  // read once per year, annex, nature and court and then kept.
  const std::vector<ItemCodigo>& Codigos(uint8_t tipoBeneficiario);
  // The statements run to fill the lists so far.
  int LeiturasCodigos() const { return m_leiturasCodigos; }
  // The description of a code of the year's list; empty when the code is not there.
  QString Resumo(const QString& codigo);

  // The counter: the position, "/" and the count; a new line counts as the next one.
  void AtualizaContador();
  const QString& Contador() const { return m_contador; }
  int Posicao() const { return m_posicao; }
  int Total() const { return m_total; }
  // The owner's stored lines, as last counted.
  int Guardadas() const { return LinhaNova() ? m_total - 1 : m_total; }
  Botoes EstadoBotoes() const;

  // Applies the code box to the line, asking to confirm a change of code; 0 when applied.
  int AtualizaCodigo();
  // Stores the line when it changed: 0 when stored or nothing to store, else the refusal's code
  // (the line's own checks are not shown here, the caller reports them; see Reporta).
  int SalvaTolvItem();
  // Shows the refusal of SalvaTolvItem as leaving the page does, and focuses the field at fault.
  void Reporta(int codigo);
  // The shown line may be left (the page, the declaration, a browse, a go-to): stored, or a new
  // line that cannot be stored and is dropped. false keeps the user on the line with a message.
  bool DeixaLinha();

  // The line buttons. A browse or go-to first leaves the line as DeixaLinha does; false when the
  // user is kept on it.
  bool Primeiro();
  bool Anterior();
  bool Proximo();
  bool Ultimo();
  // Starts a new line after storing the shown one; false when it is refused (191, 231 or a
  // refusal of the save).
  bool Inclui();
  // Asks message 13 for a stored line; a new line is given up. True when a stored line went.
  bool Exclui();
  // A new line is emptied; then the owner's last stored line is shown, if any (an annex not
  // stored yet has none).
  void Desfaz();
  // Shows the stored line with the key; false when the line shown may not be left or the key is
  // not there.
  bool Posiciona(const QString& chave);

  // Field exits of the key area. The number's (and the name's) check once number, name and code
  // are keyed: 80 focuses the name, another refusal the number (the name for SaiNome).
  int ValidaChave(bool doNome);
  // Leaving the number panel: the declarant as its own beneficiary (message 1, the line
  // cleared), else a new line of a stored beneficiary and code is replaced by the stored one.
  // false after message 1.
  bool SaiPainelNumero();
  // Leaving the code box: the code applied, the line checked, message 289 once. The focus goes
  // to the field at fault; 0 when the code box may be left.
  int SaiCodigo();
  // The serious-illness box changed: indicator, amounts and report date, then the line is stored.
  void MudaMolestia(bool marcado);
  // The report date left the picker ("dd/MM/yyyy", or empty for none).
  void DefineDataLaudo(const QString& data);

  // Message 289 has been shown since the page was bound.
  bool AvisoAnoMostrado() const { return m_avisoAno; }

 private:
  void foca(Campo campo);
  void redesenha();
  bool carregou(bool (TColecaoTolvItem::*carrega)(TTolvItem&));
  void posicionaCodigo();
  QString anexoCodigo() const;
  void zeraModificados();
  int reportaChave(int codigo, bool doNome);

  TTolv* m_declaracao;
  TTolvAnexo* m_dono;
  Modo m_modo;
  TColecaoTolvItem* m_itens = nullptr;
  std::unique_ptr<TTolvItem> m_linha;
  QString m_textoCodigo;
  QString m_codigoAnterior;
  QString m_contador;
  int m_posicao = 0;
  int m_total = 0;
  // The position came from a move and still holds; else it is read again with the count.
  bool m_posicaoConhecida = false;
  bool m_navegando = false;
  bool m_avisoAno = false;
  int m_leiturasCodigos = 0;
  // (year, annex, nature, court) -> the year's list; (that, kind) -> the list narrowed to a kind.
  using ChaveLista = std::tuple<QString, QString, int, int>;
  std::map<ChaveLista, std::vector<ItemCodigo>> m_listas;
  std::map<std::pair<ChaveLista, int>, std::vector<ItemCodigo>> m_listasTipo;
  Foca m_foca;
  Redesenha m_redesenha;
  MostraCodigo m_mostraCodigo;
  DonoSemChave m_donoSemChave;
};
