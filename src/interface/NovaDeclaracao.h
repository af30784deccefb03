#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class TColecaoTolv;
class TTolv;

// What the new-declaration dialog shows and decides, without widgets: the form's values and the
// state of its controls, and the checks run when the number, the name, the year, the special
// situation and the nature change, and at OK. Messages go through the program's message box.
// The dialog copies what the user changed into Form() before calling, and shows Form() after.
//
// The company rule: a company of nature 0, 3, 4 or 8 keeps one declaration per CNPJ root (first
// 8 digits) and year; a new establishment of a public body (natures 1 and 2) takes the nature and
// the indicators of the establishment that already has one.
class NovaDeclaracao {
 public:
  // The indicator boxes, in the order they stack.
  enum Caixa { PlanoSaude, ServicoNotarial, Fundos, Depositario, Remessa, Ostensivo, Copa, kCaixas };
  // Where the focus must go after a step.
  enum class Foco { Nenhum, Numero, Nome, Natureza, DataEvento, TipoEvento };

  struct EstadoCaixa {
    bool visivel = false;
    bool habilitada = true;
    bool marcada = false;
  };

  struct Formulario {
    bool pessoaFisica = false;  // the kind label reads "CPF" (else "CNPJ")
    QString numero;             // edtNI
    QString nome;               // DeNome
    int ano = -1;               // CbAnoRet: 0 "2013", 1 "2014"
    bool simHabilitado = false;
    bool simMarcado = false;
    bool naoHabilitado = true;
    bool naoMarcado = false;
    int tipoEvento = -1;        // cbbCbTipoEvento: -1 none, 0 " ", 1 estate, 2 departure
    bool tipoEventoHabilitado = false;
    QDate dataEvento;           // edtDataEvento; invalid when empty
    bool dataEventoHabilitada = false;
    int natureza = -1;          // the chosen nature's code; -1 none
    bool naturezaHabilitada = true;
    std::array<EstadoCaixa, kCaixas> caixas;
  };

  // The years of CbAnoRet: the regular year and the one after (special situations only).
  static const std::array<QString, 2>& Anos();
  // The nature list: item index and code.
  static constexpr std::array<int, 6> kCodigosNatureza{0, 1, 2, 3, 4, 8};
  static const std::array<QString, 6>& TextosNatureza();
  static int IndiceDaNatureza(int codigo);  // -1 when not listed

  NovaDeclaracao(TTolv& tolv, TColecaoTolv& indice);

  Formulario& Form() { return m_form; }
  const Formulario& Form() const { return m_form; }
  TTolv& Declaracao() { return m_tolv; }

  // The declarant's kind, chosen before the dialog opens.
  void ConfiguraPessoaFisica();
  void ConfiguraPessoaJuridica();
  // The dialog's first showing: the regular year selected, which runs CbAnoRetChange.
  void IniciaAno();

  // The year chosen (also by code): the declaration's year, the special situation that goes with
  // it (messages 142 or 29 for the year after the regular one), and, for a declarant the index does
  // not list in that year, the company rule.
  Foco CbAnoRetChange(int indice);
  // "Sim" goes with the year after the regular one and an event; "Não" with the regular year.
  Foco rbRbSimEncerramentoClick();
  void rbRbNaoEncerramentoClick();
  void DataEventoMudou(const QDate& data);

  // Leaving the number: empty (269/270) or invalid, the focus goes back (false); else padded with
  // zeros, set, and the company rule applied.
  bool edtNIExit();
  // Entering the number: a valid declarant's number shows its digits only.
  void edtNIEnter();
  // Leaving the name: an invalid one (its own message) or an empty one (244/247) keeps the focus.
  bool DeNomeExit();
  // A nature chosen: 141 for code 8; the declaration's nature and the boxes that go with it.
  void cbbCbTipoDeclaranteChange(int codigo);
  // Leaving the nature list of a company without a nature is refused.
  bool cbbCbTipoDeclaranteExit();
  void chkServicoNotarialClick();

  bool HabilitaOk() const;
  // Enter on the dialog clicks OK: OK enabled, the declarant valid, number and name given.
  bool PodeConfirmarComEnter() const;

  struct Resultado {
    bool criada = false;
    Foco foco = Foco::Nenhum;
  };
  // OK, step by step: every check in its order, the confirmation, the creation. `numeroComFoco`:
  // the number is left first. Errors that no step catches (an invalid number, a failed creation)
  // pass on to the caller, which shows them; the dialog stays.
  Resultado BbOkClick(bool numeroComFoco);

  // Closing: the declarant's kind follows the kind label.
  void FormClose();

  // The event date typed with a one-digit day or month and a year other than the event's year
  // (by default the year after the regular one): the year is corrected (and a day "0" becomes
  // "01"). Nothing to correct: nullopt.
  static std::optional<QString> CorrigeDataDigitada(const QString& texto);
  static std::optional<QString> CorrigeDataDigitada(const QString& texto, const QString& ano);
  // Pads the number with zeros on the left up to its kind's length (11 or 14).
  static QString PreencheZeros(const QString& numero, int tamanho);

 private:
  // Applies the company rule with the nature BuscaOutroEstabelecimento copied; false when the
  // rule forbids the declaration (message 238 shown). `saindoDoNumero`: the boxes take the other
  // establishment's indicators.
  bool AplicaRegraRaiz(bool saindoDoNumero);
  void ConfiguraNatureza(int codigo);
  void HabilitaLivres();
  void TomaNome();
  void GravaIndicadores();
  bool Empresa() const { return !m_form.pessoaFisica; }

  TTolv& m_tolv;
  TColecaoTolv& m_indice;
  Formulario m_form;
};
