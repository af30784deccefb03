#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <functional>

class TEdicaoRemessa;

// The payment lines of the current beneficiary as the lines' grid shows them, read from the
// live table of the page (TEdicaoRemessa::Valores): the stored lines in key order, the line
// being appended after them, and, while there is none, one empty line to type into. Edited
// texts go to the page (Atribuicao), which checks them and writes them into the line.
class TModeloValoresRemessa : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Refused values show their message and answer false; the line keeps what it had.
  using Atribuicao = std::function<bool(int linha, int coluna, const QString& texto)>;

  explicit TModeloValoresRemessa(TEdicaoRemessa& edicao, QObject* pai = nullptr);

  void SetAtribuicao(Atribuicao atribuicao) { m_atribuicao = std::move(atribuicao); }
  // The table changed (a move, a save, a new line): the views read everything again.
  void Atualiza();
  // The grid row of the table's current line.
  int LinhaAtual() const;
  // The row with nothing stored in it, shown while the beneficiary has no line.
  bool LinhaVazia(int linha) const;

  // What a column's cell holds as text, shown or for editing.
  QString Texto(int linha, int coluna, bool edicao) const;

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& indice, const QVariant& valor, int papel = Qt::EditRole) override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;

 private:
  TEdicaoRemessa& m_edicao;
  Atribuicao m_atribuicao;
};
