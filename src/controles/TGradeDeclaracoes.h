#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>

#include <vector>

namespace bd {
class Consulta;
}

// One declaration of the index as the backup's list shows it.
struct LinhaDeclaracao {
  int chave = 0;
  QString tipo;        // IN_PF_PJ: "1" person, "2" company
  QString numeroBase;  // NR_PF_PJ, without check digits
  QString nome;
  QString ano;
  QString arquivo;     // ARQUIVO, when the query reads it
  // The number with its check digits, formatted.
  QString CpfCnpj() const;
};

// The declarations of a query, read whole (the index holds one row per declaration).
class TModeloDeclaracoes : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  enum Coluna { ColCpfCnpj, ColNome, ColAno, QuantidadeColunas };
  // A column as shown: what it holds, its title and its width in characters (0: it stretches).
  struct Visivel {
    Coluna conteudo;
    QString titulo;
    int caracteres;
  };

  // Reads every row of the open query (columns TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA,
  // and ARQUIVO when it has it).
  static std::vector<LinhaDeclaracao> Le(bd::Consulta& consulta);
  // The columns in the order shown; by default the number, the name and the year.
  void DefineColunas(std::vector<Visivel> colunas);
  const std::vector<Visivel>& Colunas() const { return m_colunas; }
  void Define(std::vector<LinhaDeclaracao> linhas);
  const std::vector<LinhaDeclaracao>& Linhas() const { return m_linhas; }

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

 private:
  std::vector<LinhaDeclaracao> m_linhas;
  std::vector<Visivel> m_colunas{{ColCpfCnpj, QStringLiteral("CPF/CNPJ"), 18},
                                 {ColNome, QStringLiteral("Nome/Nome Empresarial"), 0},
                                 {ColAno, QStringLiteral("Ano"), 6}};
};

// The grid of declarations (DBGrDeclaracao): whole-row selection; rows of odd record numbers in
// one blue, the others in a lighter one; the selected row in bold black, the others in grey.
class TGradeDeclaracoes : public QTableView {
  Q_OBJECT
 public:
  explicit TGradeDeclaracoes(QWidget* pai = nullptr);

  TModeloDeclaracoes& Modelo() const { return *m_modelo; }
  // Other columns than the backup's, with their widths.
  void DefineColunas(std::vector<TModeloDeclaracoes::Visivel> colunas);
  // The selected row; nullptr when there is none.
  const LinhaDeclaracao* Selecionada() const;
  void Seleciona(int linha);
  // Shows these rows, selecting the first.
  void Mostra(std::vector<LinhaDeclaracao> linhas);

 private:
  void AjustaLarguras();

  TModeloDeclaracoes* m_modelo;
};
