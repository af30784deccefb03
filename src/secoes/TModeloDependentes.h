#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "controles/TModeloGrid.h"
#include "nucleo/Valor.h"
#include "secoes/TzuqRelacaoDependencia.h"

class TzuqDependentePlanoSaudeDAO;
class TzuqPlanoSaudeDAO;
class TzuqTitularPlanoSaude;

// One dependant as the grid shows it.
struct TLinhaDependente {
  int id = 0;
  int titular = 0;
  QString cpf;           // 123.456.789-09, or empty
  QString nome;
  QString dtNascimento;  // DD/MM/AAAA, or empty
  QString relacao;       // "04 - Filho(a)", or empty
  QString cdRelacao;
  Valor valor;
  bool maiorIdade = false;

  bool Vazia() const {
    return cpf.isEmpty() && nome.isEmpty() && dtNascimento.isEmpty() && relacao.isEmpty() && valor.ehZero();
  }
};

// The dependants of the editor's holder as a grid: a caption row and the columns CPF, name,
// birth date, relation and amount. At most one row is pending (typed into and not stored): a
// new one appended, or a stored one being changed. Each cell checks its text as it is stored
// and refuses it with the message's TErro; the row is stored whole (Confirma).
class TModeloDependentes : public TModeloGrid {
  Q_OBJECT
 public:
  enum Coluna { ColCpf, ColNome, ColDtNascimento, ColRelacao, ColValor, kColunas };

  explicit TModeloDependentes(QObject* pai = nullptr);
  ~TModeloDependentes() override;

  // The storage objects belong to the editor; nullptr while no declaration is open (the grid
  // is then empty).
  void DefineArmazenamento(TzuqDependentePlanoSaudeDAO* dao, TzuqPlanoSaudeDAO* daoOperadora);

  // What the cells' rules need of the declaration.
  void DefineDeclaracao(const QString& anoCalendario, bool temEvento, const QString& dataEvento);
  void DefineRelacoes(std::vector<TzuqRelacaoDependencia> relacoes) { m_relacoes = std::move(relacoes); }
  const std::vector<TzuqRelacaoDependencia>& Relacoes() const { return m_relacoes; }

  // Reads the holder's dependants again (nothing for a holder not stored); a pending row is
  // given up.
  void Carrega(TzuqTitularPlanoSaude* titular);
  void Esvazia() { Carrega(nullptr); }

  int Quantidade() const { return int(m_linhas.size()); }
  const TLinhaDependente& Linha(int i) const { return m_linhas[size_t(i)]; }
  // Grid row of a data row and back (the caption row comes first).
  static int LinhaGrade(int i) { return i + 1; }
  static int LinhaDados(int lin) { return lin - 1; }
  int Localiza(int id) const;

  // The row being typed into (data row), or -1.
  int Pendente() const { return m_pendente; }
  bool Inserindo() const { return m_pendente >= 0 && m_inserindo; }
  // Appends an empty pending row; false when another row is still pending.
  bool Acrescenta();
  // Gives the pending row up: a new one goes away, a changed one gets its stored values back.
  void Cancela();
  // What Confirma found wrong: the message was shown and `coluna` is the cell at fault.
  struct Recusa {
    int linha;
    int coluna;
  };
  // Stores the pending row: an empty new row is given up; a row without name (49) or without a
  // positive amount (256) is refused. A stored row reloads the grid from the database.
  std::optional<Recusa> Confirma();
  // Deletes a data row from the database (a new row is only given up).
  void Exclui(int i);

  // The sum of the amounts of the rows.
  Valor Total() const;

  // Cells.
  QString GetTextoCelula(int col, int lin) const override;
  QString GetTextoEdicao(int col, int lin) const override;
  void SetTextoCelula(int col, int lin, const QString& texto) override;
  bool CelulaEditavel(int col, int lin) const override;
  QRect GetAreaEditavel() const override;
  int MaxDigitosInteiros(int col, int lin) const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;

  // The relation shown for a code: "04 - Filho(a)"; empty for an unknown code.
  QString DescreveRelacao(const QString& codigo) const;

 signals:
  // Rows, pending state or amounts changed: counters and total follow.
  void Mudou();

 private:
  void ajustaForma();
  TLinhaDependente& editavel(int i);
  void celulaCpf(TLinhaDependente& l, const QString& texto);
  void celulaNome(TLinhaDependente& l, const QString& texto);
  void celulaData(TLinhaDependente& l, const QString& texto);
  void celulaRelacao(TLinhaDependente& l, const QString& texto);
  void celulaValor(TLinhaDependente& l, const QString& texto);

  TzuqDependentePlanoSaudeDAO* m_dao = nullptr;
  TzuqPlanoSaudeDAO* m_daoOperadora = nullptr;
  TzuqTitularPlanoSaude* m_titular = nullptr;
  QString m_anoCalendario;
  bool m_temEvento = false;
  QString m_dataEvento;
  std::vector<TzuqRelacaoDependencia> m_relacoes;
  std::vector<TLinhaDependente> m_linhas;
  int m_pendente = -1;
  bool m_inserindo = false;
  std::optional<TLinhaDependente> m_original;
};
