#pragma once

#include <QAbstractTableModel>

#include "entrega/LinhaVerificacao.h"

class TVerificacaoPendencias;

// The result rows of a verification run as a table (DESCRICAO, A_QUEM_PERTENCE, QUEM_EH,
// GRAVIDADE, OBJETO). The run appends rows as it goes; the model shows them when Publica is called,
// so that a view repaints as often as its owner chooses, never once per row. A new run resets it.
class TModeloVerificacao : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Coluna { Descricao = 0, AQuemPertence, QuemEh, Gravidade, Objeto, kColunas };
  enum Papel { PapelTipo = Qt::UserRole + 1, PapelDescricao, PapelPendencia, PapelLevaAoCampo };

  // The run outlives the model.
  explicit TModeloVerificacao(const TVerificacaoPendencias& verificacao, QObject* pai = nullptr);

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  // DESCRICAO shows its text without the row kind; PapelTipo gives the kind, PapelDescricao the
  // whole column, PapelPendencia and PapelLevaAoCampo what the row is.
  QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

  // Shows the rows the run appended (or drops those it removed) since the last call.
  void Publica();
  // Rows appended or removed that the views do not show yet.
  bool Pendente() const;
  const LinhaVerificacao& Linha(int linha) const;

 private:
  const TVerificacaoPendencias* m_verificacao;
  int m_publicadas = 0;
};
