#pragma once

#include <QDate>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "nucleo/Valor.h"

namespace bd {
class Consulta;
class Transacao;
}  // namespace bd
class TTabelaEditavel;
class TTolv;

// What the payments-abroad page edits, without its widgets: the beneficiaries and their payment
// lines as two live tables (the lines follow the current beneficiary), the choice lists of the
// lines, and the checks and look-ups that need no control.
//
// The page works in a transaction of its own on the open declaration's connection
// ("read_committed", "rec_version", "nowait"): its commits end nothing of the other collections
// and commit none of their work. Each saved row is committed at once.
class TEdicaoRemessa {
 public:
  // The columns of the lines' grid, in their order.
  enum ColunaValor { ColData, ColCdRetencao, ColTipoRendimento, ColFormaTributacao, ColRendimentoPago, ColIrrf };
  static constexpr int kColunasValor = 6;

  struct CodigoRetencao {
    QString codigo;
    QString descricao;
    QString tipoBeneficiario;  // "F", "J" or "A"
  };
  struct TipoRendimento {
    int codigo = 0;
    QString descricao;
  };
  struct FormaTributacao {
    int codigo = 0;
    QString descricao;
    bool inZero = false;
    bool inNaoZero = false;
  };
  // A refused save: the message, its title and the column at fault.
  struct Falha {
    QString mensagem;
    QString titulo;
    int coluna = ColData;
  };
  struct Totais {
    Valor rendimentoPago;
    Valor irrf;
  };

  TEdicaoRemessa();
  ~TEdicaoRemessa();
  TEdicaoRemessa(const TEdicaoRemessa&) = delete;
  TEdicaoRemessa& operator=(const TEdicaoRemessa&) = delete;

  // Binds the declaration, reads the choice lists and opens both tables on the open
  // declaration's connection; without one, nothing opens.
  void Inicializa(TTolv* tolv);
  // Drops a pending edit, the rows, the lists and the transaction (its saved work is committed).
  void Fecha();
  bool Conectada() const { return m_transacao != nullptr; }
  TTolv* Tolv() const { return m_tolv; }

  TTabelaEditavel& Remessas() { return *m_remessas; }
  TTabelaEditavel& Valores() { return *m_valores; }
  // The lines follow the current beneficiary (none for one not yet stored).
  void SegueRemessa();
  void Confirma();
  // Reads the current beneficiary's lines again (another page changed them).
  void RecarregaValores();

  // The first stored beneficiary with this NIF, country and kind; 0 when none.
  int ChaveComMesmoNif(const QString& nif, int pais, const QString& tipo);
  // The name stored with a Brazilian number (whole or base, as typed); empty when none.
  QString NomePorNi(const QString& ni);
  // The sums of a beneficiary's lines, by an indexed SUM.
  Totais TotaisValores(int idRemessa);
  // The current beneficiary with its lines, in one transaction.
  void ExcluiRemessa();
  // The current line.
  void ExcluiValor();

  // The lists, read once: every taxation form; the income types (240 and 250 only for a
  // declarant that made the cup payments); the revenue codes of the declarant's nature.
  const std::vector<CodigoRetencao>& Codigos() const { return m_codigos; }
  const std::vector<TipoRendimento>& TiposRendimento() const { return m_tipos; }
  const std::vector<FormaTributacao>& FormasTributacao() const { return m_formas; }
  const CodigoRetencao* Codigo(const QString& codigo) const;
  const TipoRendimento* Tipo(int codigo) const;
  const FormaTributacao* Forma(int codigo) const;
  // "code-description", cut to 50 characters, as the grid shows a choice.
  static QString CodigoDescricao(const QString& codigo, const QString& descricao);

  // The payment dates the declaration admits: its calendar year, up to the last day of the
  // event month; `noGrid`: up to the event date itself.
  QDate DataMinima() const;
  QDate DataMaxima(bool noGrid) const;

  // The checks before a line is saved, in their order; a tax withheld left empty with a
  // taxation form that admits none becomes zero. `tipoBeneficiario`: "1" or "2".
  std::optional<Falha> VerificaValor(const QString& tipoBeneficiario);

 private:
  void CarregaListas();
  bd::Consulta& consulta(std::unique_ptr<bd::Consulta>& guardada, const QString& sql);

  TTolv* m_tolv = nullptr;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<TTabelaEditavel> m_remessas;
  std::unique_ptr<TTabelaEditavel> m_valores;
  std::unique_ptr<bd::Consulta> m_mesmoNif;
  std::unique_ptr<bd::Consulta> m_nomePorNi;
  std::unique_ptr<bd::Consulta> m_totais;
  std::unique_ptr<bd::Consulta> m_excluiValores;
  std::vector<CodigoRetencao> m_codigos;
  std::vector<TipoRendimento> m_tipos;
  std::vector<FormaTributacao> m_formas;
};
