#include "secoes/TModeloValoresRemessa.h"

#include <algorithm>

#include "nucleo/Valor.h"
#include "plataforma/bd/Dado.h"
#include "secoes/TEdicaoRemessa.h"
#include "secoes/TTabelaEditavel.h"

namespace {

const char* const kColunas[] = {"TVRE_DATA",          "TVRE_CD_RETENCAO",        "TVRE_CD_TIPO_RENDIMENTO",
                                "TVRE_CD_FORMA_TRIBUTACAO", "TVRE_VL_RENDIMENTO_PAGO", "TVRE_VL_IRRF"};

const char* const kTitulos[] = {"Data", "Código de receita", "Tipo de rendimento", "Forma de tributação",
                                "Valor pago em R$", "IRRF"};

}  // namespace

TModeloValoresRemessa::TModeloValoresRemessa(TEdicaoRemessa& edicao, QObject* pai)
    : QAbstractTableModel(pai), m_edicao(edicao) {}

void TModeloValoresRemessa::Atualiza() {
  beginResetModel();
  endResetModel();
}

int TModeloValoresRemessa::rowCount(const QModelIndex& pai) const {
  if (pai.isValid()) return 0;
  const TTabelaEditavel& v = m_edicao.Valores();
  if (!v.Aberta()) return 0;
  return v.Quantidade() + (v.Inserindo() || v.Vazia() ? 1 : 0);
}

int TModeloValoresRemessa::columnCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : TEdicaoRemessa::kColunasValor;
}

int TModeloValoresRemessa::LinhaAtual() const {
  const TTabelaEditavel& v = m_edicao.Valores();
  if (v.Inserindo()) return v.Quantidade();
  return std::max(0, v.Posicao() - 1);
}

bool TModeloValoresRemessa::LinhaVazia(int linha) const {
  const TTabelaEditavel& v = m_edicao.Valores();
  return linha >= v.Quantidade() && !v.Inserindo();
}

QString TModeloValoresRemessa::Texto(int linha, int coluna, bool edicao) const {
  if (coluna < 0 || coluna >= TEdicaoRemessa::kColunasValor || LinhaVazia(linha)) return {};
  TTabelaEditavel& v = m_edicao.Valores();
  const QString nome = QString::fromLatin1(kColunas[coluna]);
  const bool atual = linha == LinhaAtual();
  const bd::Dado dado = atual ? v.Valor(nome) : v.ValorEm(linha + 1, nome);
  if (dado.nulo()) return {};
  switch (coluna) {
    case TEdicaoRemessa::ColData:
      return dado.comoData().toString(QStringLiteral("dd/MM/yyyy"));
    case TEdicaoRemessa::ColCdRetencao: {
      const QString codigo = dado.comoTexto().trimmed();
      const auto* c = m_edicao.Codigo(codigo);
      return edicao || !c ? codigo : TEdicaoRemessa::CodigoDescricao(c->codigo, c->descricao);
    }
    case TEdicaoRemessa::ColTipoRendimento: {
      const int codigo = int(dado.comoInteiro());
      const QString texto = QStringLiteral("%1").arg(codigo, 3, 10, QLatin1Char('0'));
      const auto* t = m_edicao.Tipo(codigo);
      return edicao || !t ? texto : TEdicaoRemessa::CodigoDescricao(texto, t->descricao);
    }
    case TEdicaoRemessa::ColFormaTributacao: {
      const int codigo = int(dado.comoInteiro());
      const auto* f = m_edicao.Forma(codigo);
      return edicao || !f ? QString::number(codigo) : TEdicaoRemessa::CodigoDescricao(QString::number(codigo), f->descricao);
    }
    default: {
      const Valor valor = Valor::deDezMilesimos(dado.comoDezMilesimos());
      return valor.formata(2, !edicao);
    }
  }
}

QVariant TModeloValoresRemessa::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid()) return {};
  switch (papel) {
    case Qt::DisplayRole: return Texto(indice.row(), indice.column(), false);
    case Qt::EditRole: return Texto(indice.row(), indice.column(), true);
    case Qt::TextAlignmentRole:
      return indice.column() >= TEdicaoRemessa::ColRendimentoPago ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                                  : int(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
  }
}

bool TModeloValoresRemessa::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
  if (!indice.isValid() || papel != Qt::EditRole || !m_atribuicao) return false;
  // The text the user left is compared with what the cell holds: nothing changed, nothing to do.
  const QString texto = valor.toString();
  if (texto == Texto(indice.row(), indice.column(), true)) return false;
  if (!m_atribuicao(indice.row(), indice.column(), texto)) return false;
  emit dataChanged(index(indice.row(), 0), index(indice.row(), TEdicaoRemessa::kColunasValor - 1));
  return true;
}

QVariant TModeloValoresRemessa::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || secao < 0 || secao >= TEdicaoRemessa::kColunasValor) return {};
  if (papel == Qt::DisplayRole) return QString::fromUtf8(kTitulos[secao]);
  return {};
}

Qt::ItemFlags TModeloValoresRemessa::flags(const QModelIndex& indice) const {
  if (!indice.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
