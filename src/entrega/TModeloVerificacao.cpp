#include "entrega/TModeloVerificacao.h"

#include "entrega/TVerificacaoPendencias.h"

TModeloVerificacao::TModeloVerificacao(const TVerificacaoPendencias& verificacao, QObject* pai)
    : QAbstractTableModel(pai), m_verificacao(&verificacao) {
  m_publicadas = int(verificacao.GetLinhas().size());
  connect(&verificacao, &TVerificacaoPendencias::Reiniciada, this, [this] {
    beginResetModel();
    m_publicadas = int(m_verificacao->GetLinhas().size());
    endResetModel();
  });
}

int TModeloVerificacao::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : m_publicadas; }

int TModeloVerificacao::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : kColunas; }

const LinhaVerificacao& TModeloVerificacao::Linha(int linha) const { return m_verificacao->GetLinhas().at(size_t(linha)); }

QVariant TModeloVerificacao::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || indice.row() >= m_publicadas) return {};
  const LinhaVerificacao& l = Linha(indice.row());
  switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      switch (indice.column()) {
        case Descricao: return l.Texto();
        case AQuemPertence: return l.aQuemPertence;
        case QuemEh: return l.quemEh;
        case Gravidade: return l.gravidade;
        case Objeto: return l.objeto;
        default: return {};
      }
    case Qt::ToolTipRole: return indice.column() == Descricao && l.EhPendencia() ? QVariant(l.Texto()) : QVariant();
    case PapelTipo: return l.Tipo();
    case PapelDescricao: return l.descricao;
    case PapelPendencia: return l.EhPendencia();
    case PapelLevaAoCampo: return l.LevaAoCampo();
    default: return {};
  }
}

QVariant TModeloVerificacao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
  static const char* const kNomes[] = {"DESCRICAO", "A_QUEM_PERTENCE", "QUEM_EH", "GRAVIDADE", "OBJETO"};
  return secao >= 0 && secao < kColunas ? QVariant(QString::fromLatin1(kNomes[secao])) : QVariant();
}

bool TModeloVerificacao::Pendente() const { return int(m_verificacao->GetLinhas().size()) != m_publicadas; }

void TModeloVerificacao::Publica() {
  const int total = int(m_verificacao->GetLinhas().size());
  if (total > m_publicadas) {
    beginInsertRows({}, m_publicadas, total - 1);
    m_publicadas = total;
    endInsertRows();
  } else if (total < m_publicadas) {
    beginRemoveRows({}, total, m_publicadas - 1);
    m_publicadas = total;
    endRemoveRows();
  }
}
