#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "controles/FiltroDeclaracoes.h"

class TColecao;
namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// The declarations that the index lists, read a page at a time as the grid scrolls: a list of
// thousands of declarations shows at once and the filters run in the database. The statement
// runs on the list's own transaction on the index connection ("read_committed", "rec_version",
// "nowait"), which lives with the model.
//
// Columns: the mark (with marks only), "CPF/CNPJ" (the number with its check digits and mask),
// "Nome/Nome Empresarial", "Ano" (centred) and the status icon (written, transmitted). Rows are
// filled #D1DCE2 and #DCE5EC by turns.
class TModeloListaDeclaracoes : public QAbstractTableModel {
  Q_OBJECT
 public:
  struct Linha {
    int chave = 0;       // TOLV_DK
    QString tipo;        // IN_PF_PJ: "1" person, "2" company
    QString numero;      // NR_PF_PJ, without check digits
    QString nome;        // NM_NM_EMPR
    QString ano;         // AN_RETENCA
    QString arquivo;     // ARQUIVO
    int status = 0;      // IN_STATUS: 1 written, 2 transmitted
    QString cpfCnpj;     // the number with its check digits, formatted
  };
  enum Coluna { Marca = -1, CpfCnpj = 0, Nome, Ano, Situacao };

  static constexpr int kPagina = 100;

  TModeloListaDeclaracoes(TColecao& indice, bool comMarcas, QObject* pai = nullptr);
  ~TModeloListaDeclaracoes() override;

  // Runs the list's statement with the clause and reads its first page. A failure is shown
  // (TColecao::TentaAbrirDataSet: it marks the run failed) and leaves the list empty: false.
  bool Abre(const FiltroDeclaracoes::Clausula& clausula);
  const FiltroDeclaracoes::Clausula& ClausulaAtual() const { return m_clausula; }
  bool Vazia() const { return m_linhas.empty(); }
  // Rows read so far; more may follow (canFetchMore).
  int Lidas() const { return int(m_linhas.size()); }
  // Reads on until the row exists; false when the list is shorter.
  bool Garante(int linha);
  const Linha& LinhaEm(int linha) const { return m_linhas.at(size_t(linha)); }

  // The first row from `desde` on that meets the test, reading further pages while needed;
  // -1 when none.
  int Procura(int desde, const std::function<bool(const Linha&)>& teste);

  // The row shown as current (bold, with the row indicator).
  void DefineAtual(int linha);
  int Atual() const { return m_atual; }

  // Marks of the delete list, by key, in the order they were set.
  bool ComMarcas() const { return m_comMarcas; }
  bool Marcada(int linha) const;
  void DefineMarca(int linha, bool marcada);
  void LimpaMarcas();
  // The marked rows' keys in the order of marking.
  const QList<int>& Marcas() const { return m_marcas; }
  // The marked row of that key, if read.
  const Linha* LinhaDaChave(int chave) const;

  int coluna(Coluna c) const { return m_comMarcas ? int(c) + 1 : int(c); }
  Coluna ColunaDe(int coluna) const { return Coluna(m_comMarcas ? coluna - 1 : coluna); }

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;
  bool canFetchMore(const QModelIndex& pai) const override;
  void fetchMore(const QModelIndex& pai) override;

 signals:
  void MarcasMudaram();

 private:
  // Reads up to `quantas` rows more; a failure ends the reading and is shown.
  std::vector<Linha> le(int quantas);

  TColecao& m_indice;
  bool m_comMarcas;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<bd::Consulta> m_consulta;
  FiltroDeclaracoes::Clausula m_clausula;
  std::vector<Linha> m_linhas;
  bool m_fim = true;
  int m_atual = -1;
  QList<int> m_marcas;
};
