#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "plataforma/bd/Dado.h"

namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// A table edited live, one row at a time, as a data-entry page edits it: the ordered keys of
// its rows (of one master key, for a detail), a current row read by its key, and the row being
// edited or appended, written back by explicit statements by key (INSERT, UPDATE, DELETE).
// Nothing is re-read whole: a stored row goes into the key list in place, and only the row
// that becomes current is read, so the millionth row costs what the first did.
//
// Rows are ordered by key. A new row gets its key when it is stored: the one it holds when
// above 0, else the one the table's trigger gives it (RETURNING). The statements run in the
// transaction given (DefineTransacao); the caller commits. Database failures raise
// bd::ErroBanco and leave the row as it was, still being edited.
class TTabelaEditavel {
 public:
  enum class Estado { Fechada, Navegando, Editando, Inserindo };

  struct Definicao {
    QString tabela;
    QString chave;          // integer key
    QStringList colunas;    // every column, the key and the master's among them
    QString colunaMestre;   // a detail's link to its master's key; empty for none
    // A detail whose rows are read together, one query for the whole set (a grid shows them).
    bool linhasEmMemoria = false;
  };

  explicit TTabelaEditavel(Definicao definicao);
  ~TTabelaEditavel();
  TTabelaEditavel(const TTabelaEditavel&) = delete;
  TTabelaEditavel& operator=(const TTabelaEditavel&) = delete;

  // Prepared statements are kept per transaction: changing it drops them.
  void DefineTransacao(bd::Transacao* transacao);
  const Definicao& GetDefinicao() const { return m_def; }

  // Reads the keys (of the master key, for a detail) and makes the first row current.
  void Abre();
  // Drops a pending edit and every row held.
  void Fecha();
  bool Aberta() const { return m_estado != Estado::Fechada; }
  // A detail follows another master key: a pending edit is dropped, the keys read again.
  void DefineMestre(int chaveMestre);
  int Mestre() const { return m_mestre; }

  Estado GetEstado() const { return m_estado; }
  bool EmEdicao() const { return m_estado == Estado::Editando || m_estado == Estado::Inserindo; }
  bool Inserindo() const { return m_estado == Estado::Inserindo; }
  // Stored rows.
  int Quantidade() const { return int(m_chaves.size()); }
  bool Vazia() const { return m_chaves.empty(); }
  // 1-based position of the current stored row; while appending, Quantidade() + 1; 0 when there
  // is no current row.
  int Posicao() const;
  // The key of the current stored row; 0 while appending or without a row.
  int Chave() const;
  const std::vector<int>& Chaves() const { return m_chaves; }
  int IndiceDaChave(int chave) const;  // 0-based; -1 when absent

  // Each move first stores a pending edit; false when that was refused (nothing moved).
  bool Primeiro();
  bool Ultimo();
  bool Proximo();
  bool Anterior();
  // False when the key is not there: the cursor stays.
  bool Localiza(int chave);
  bool VaiPara(int posicao);  // 1-based

  // A new empty row after the last, current and being appended (a pending edit is stored first;
  // false when that was refused). aoAcrescentar gives it its defaults.
  bool Acrescenta();
  void Edita();
  // Stores the row being edited or appended: antesDeGravar may refuse (false, the row stays
  // being edited); then the statement, the key list in place, and aposGravar. True when there
  // was nothing to store.
  bool Grava();
  // Drops the pending change: an appended row goes, the cursor back where it was.
  void Cancela();
  // Deletes the current stored row (an appended one is only dropped); the next row becomes
  // current, or the previous one when it was the last.
  void Exclui();

  bd::Dado Valor(const QString& coluna) const;
  QString Texto(const QString& coluna) const;
  // Starts an edit of a browsed row.
  void DefineValor(const QString& coluna, const bd::Dado& valor);
  // Whether the row being edited differs from what is stored.
  bool Modificada() const;
  // A column of the stored row at a position (1-based), for a grid: from memory for a detail
  // kept there, else read by its key.
  bd::Dado ValorEm(int posicao, const QString& coluna);

  std::function<void()> aoAcrescentar;
  std::function<bool()> antesDeGravar;
  std::function<void()> aposGravar;
  // The current row changed (moves, deletions, opening).
  std::function<void()> aposRolar;

 private:
  using Linha = std::vector<bd::Dado>;

  int coluna(const QString& nome) const;
  bd::Consulta& comando(std::unique_ptr<bd::Consulta>& guardado, const QString& sql);
  Linha leLinha(int chave);
  void leChaves();
  void tornaAtual(int indice);
  bool gravaPendente();
  Linha linhaVazia() const;

  Definicao m_def;
  int m_colunaChave = -1;
  int m_colunaMestre = -1;
  bd::Transacao* m_transacao = nullptr;
  Estado m_estado = Estado::Fechada;
  int m_mestre = 0;
  std::vector<int> m_chaves;
  int m_indice = -1;        // of the current stored row; -1 for none
  int m_indiceAntes = -1;   // where the cursor stood before an append
  Linha m_atual;            // the current row as stored
  Linha m_edicao;           // the row being edited or appended
  QHash<int, Linha> m_memoria;  // linhasEmMemoria: every row of the set, by key

  std::unique_ptr<bd::Consulta> m_leChaves;
  std::unique_ptr<bd::Consulta> m_leLinha;
  std::unique_ptr<bd::Consulta> m_leLinhas;
  std::unique_ptr<bd::Consulta> m_insere;
  std::unique_ptr<bd::Consulta> m_atualiza;
  std::unique_ptr<bd::Consulta> m_exclui;
};
