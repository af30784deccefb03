#include "controles/TModeloGrid.h"

#include <QMetaObject>

#include <algorithm>

#include "nucleo/Monetario.h"

namespace {

// Row-major order inside a grid: is a before b?
bool antes(QPoint a, QPoint b) { return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()); }

QPoint passo(QPoint p, const QRect& r, TModeloGrid::Direcao direcao) {
  int c = p.x();
  int l = p.y();
  switch (direcao) {
    case TModeloGrid::Proxima:
      if (++c > r.right()) {
        c = r.left();
        if (++l > r.bottom()) l = r.top();
      }
      break;
    case TModeloGrid::Anterior:
      if (--c < r.left()) {
        c = r.right();
        if (--l < r.top()) l = r.bottom();
      }
      break;
    case TModeloGrid::Abaixo:
      if (++l > r.bottom()) {
        l = r.top();
        if (++c > r.right()) c = r.left();
      }
      break;
    case TModeloGrid::Acima:
      if (--l < r.top()) {
        l = r.bottom();
        if (--c < r.left()) c = r.right();
      }
      break;
  }
  return {c, l};
}

}  // namespace

TModeloGrid::TModeloGrid(QObject* pai) : QAbstractTableModel(pai) {}

TModeloGrid::~TModeloGrid() { deixaDeObservar(); }

bool TModeloGrid::CelulaEditavel(int col, int lin) const { return Contem(col, lin) && !EhFixa(col, lin); }

QString TModeloGrid::GetTextoCelula(int, int) const { return {}; }

void TModeloGrid::SetTextoCelula(int, int, const QString&) {}

QRect TModeloGrid::GetAreaEditavel() const {
  return QRect(QPoint(m_colunasFixas, m_linhasFixas), QPoint(m_colunas - 1, m_linhas - 1));
}

TModeloGrid::Pintura TModeloGrid::PinturaDe(int col, int lin, Estado estado) const {
  if (estado.focada) return {Pintura::CelulaFocadaLinha, Pintura::Esquerda};
  if (lin < m_linhasFixas) return {Pintura::Cabecalho, Pintura::Esquerda};
  if (col < m_colunasFixas) return {Pintura::CelulaFixa, Pintura::Centro};
  return {Pintura::Celula, Pintura::Esquerda};
}

void TModeloGrid::SetMultiLinha(bool multiLinha) {
  if (multiLinha == m_multiLinha) return;
  m_multiLinha = multiLinha;
  Atualiza();
}

QPoint TModeloGrid::MoveCelula(QPoint atual, Direcao direcao) const {
  const QRect area = GetAreaEditavel();
  if (area.isEmpty()) return atual;
  // A start outside the area is never met again: the walk stops after one round of the area.
  const int limite = area.width() * area.height() + 1;
  QPoint p = atual;
  for (int i = 0; i < limite; ++i) {
    p = passo(p, area, direcao);
    if (p == atual) return atual;
    if (CelulaEditavel(p.x(), p.y())) return p;
  }
  return atual;
}

bool TModeloGrid::MovimentoVolta(QPoint atual, Direcao direcao) const {
  const QPoint destino = MoveCelula(atual, direcao);
  if (destino == atual) return true;
  const bool paraFrente = direcao == Proxima || direcao == Abaixo;
  if (direcao == Proxima || direcao == Anterior)
    return paraFrente ? !antes(atual, destino) : !antes(destino, atual);
  // Down and up walk the columns.
  const QPoint a(atual.y(), atual.x()), d(destino.y(), destino.x());
  return paraFrente ? !antes(a, d) : !antes(d, a);
}

QPoint TModeloGrid::PrimeiraCelula() const {
  const QRect area = GetAreaEditavel();
  if (area.isEmpty()) return {-1, -1};
  const QPoint inicio = area.topLeft();
  if (CelulaEditavel(inicio.x(), inicio.y())) return inicio;
  const QPoint p = MoveCelula(inicio, Proxima);
  return p == inicio ? QPoint(-1, -1) : p;
}

void TModeloGrid::Grava(int col, int lin, const QString& texto) {
  SetTextoCelula(col, lin, texto);
  // Totals, sums and the cells that follow the stored one are read again.
  Atualiza();
}

void TModeloGrid::Atualiza() {
  m_atualizacaoPendente = false;
  if (m_colunas > 0 && m_linhas > m_linhasFixas)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  if (m_linhasFixas > 0 && m_colunas > 0) emit headerDataChanged(Qt::Horizontal, 0, m_colunas - 1);
}

int TModeloGrid::rowCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : std::max(m_linhas - m_linhasFixas, 0);
}

int TModeloGrid::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : m_colunas; }

QVariant TModeloGrid::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid()) return {};
  const int col = indice.column();
  const int lin = indice.row() + m_linhasFixas;
  switch (papel) {
    case Qt::DisplayRole:
      return GetTextoCelula(col, lin);
    case PapelTextoEdicao:
      return GetTextoEdicao(col, lin);
    case PapelDezMilesimos:
      if (const TMonetario* m = MonetarioCelula(col, lin))
        return qint64(m->GetValorMonetario().dezMilesimos());
      return {};
    default:
      return {};
  }
}

QVariant TModeloGrid::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || m_linhasFixas == 0) return {};
  return GetTextoCelula(secao, 0);
}

Qt::ItemFlags TModeloGrid::flags(const QModelIndex& indice) const {
  if (!indice.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled;
  if (CelulaEditavel(indice.column(), indice.row() + m_linhasFixas)) f |= Qt::ItemIsSelectable;
  return f;
}

void TModeloGrid::Alterado(IObservavel*) {
  // A line being loaded changes every amount: one refresh once the change is over.
  if (m_atualizacaoPendente) return;
  m_atualizacaoPendente = true;
  QMetaObject::invokeMethod(
      this, [this] { if (m_atualizacaoPendente) Atualiza(); }, Qt::QueuedConnection);
}

void TModeloGrid::Liberado(IObservavel* observavel) {
  std::erase(m_observados, observavel);
  deixaDeObservar();
  ValorLiberado();
  Atualiza();
}

void TModeloGrid::SetDimensoes(int colunas, int linhas, int colunasFixas, int linhasFixas) {
  if (colunas == m_colunas && linhas == m_linhas && colunasFixas == m_colunasFixas &&
      linhasFixas == m_linhasFixas)
    return;
  emit DimensoesVaoMudar();
  beginResetModel();
  m_colunas = colunas;
  m_linhas = linhas;
  m_colunasFixas = colunasFixas;
  m_linhasFixas = linhasFixas;
  endResetModel();
  emit DimensoesAlteradas();
}

void TModeloGrid::ObservaValores(const std::vector<IObservavel*>& valores) {
  deixaDeObservar();
  m_observados = valores;
  for (IObservavel* v : m_observados) v->AdicionaObservador(this);
}

void TModeloGrid::deixaDeObservar() {
  for (IObservavel* v : m_observados) v->RemoveObservador(this);
  m_observados.clear();
}
