#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "plataforma/bd/Dado.h"

namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// What the payments-abroad search looks for; an empty criterion restricts nothing.
struct CriteriosPesquisaRemessa {
  QString tipoBeneficiario;  // "1" person, "2" company
  std::optional<int> pais;
  QString nif;   // the start of the NIF, as stored
  QString ni;    // the start of the CPF or CNPJ, with or without its separators
  QString nome;  // the start of the name, as stored
};

// The condition of the search with its parameters; every typed text goes in as a parameter.
struct FiltroPesquisaRemessa {
  QString condicao;
  QList<QPair<QString, bd::Dado>> parametros;
};

// The beneficiaries abroad that a search found, read as the view asks for them: a batch of rows
// at a time from a cursor kept open, never all at once. The rows come in the database's order.
class TModeloPesquisaRemessa : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Coluna { ColTipo, ColPais, ColNif, ColNi, ColNome, QuantidadeColunas };
  static constexpr int kLote = 100;

  explicit TModeloPesquisaRemessa(QObject* pai = nullptr);
  ~TModeloPesquisaRemessa() override;

  // The condition for the criteria. A Brazilian number is found whether it was stored whole or
  // as its base without check digits: a typed number longer than a base also matches the base
  // whose check digits continue it.
  static FiltroPesquisaRemessa MontaFiltro(const CriteriosPesquisaRemessa& criterios);
  // Runs the search on the open declaration's database and reads its first batch.
  void Pesquisa(const CriteriosPesquisaRemessa& criterios);
  // Closes the cursor; the rows read stay.
  void Fecha();
  bool CursorAberto() const;
  // TREM_ID of a row read.
  int Id(int linha) const;

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
  bool canFetchMore(const QModelIndex& pai) const override;
  void fetchMore(const QModelIndex& pai) override;

 private:
  struct Linha {
    int id = 0;
    QString tipo;
    QString pais;
    QString nif;
    QString ni;
    QString nome;
  };
  std::vector<Linha> le(int quantidade);

  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<bd::Consulta> m_consulta;
  std::vector<Linha> m_linhas;
  bool m_fim = true;
};
