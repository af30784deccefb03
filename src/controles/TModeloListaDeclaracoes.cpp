#include "controles/TModeloListaDeclaracoes.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"

namespace {

constexpr QRgb kLinhaImpar = 0xD1DCE2;
constexpr QRgb kLinhaPar = 0xDCE5EC;
constexpr QRgb kIndicador = 0x002D52;

// A written declaration: a diskette.
QPixmap IconeGravada() {
  QPixmap p(16, 16);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QColor(0x1F4E79));
  g.setBrush(QColor(0x336EB1));
  g.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  g.setPen(Qt::NoPen);
  g.setBrush(Qt::white);
  g.drawRect(QRectF(4, 2, 8, 5));
  g.setBrush(QColor(0x1F4E79));
  g.drawRect(QRectF(9, 3, 2, 3));
  g.setBrush(QColor(0xDFE8ED));
  g.drawRect(QRectF(4, 9, 8, 5));
  return p;
}

// A transmitted declaration: a check mark on a green disc.
QPixmap IconeTransmitida() {
  QPixmap p(16, 16);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QColor(0x2E7D32));
  g.setBrush(QColor(0x43A047));
  g.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  QPen traco(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  g.setPen(traco);
  g.setBrush(Qt::NoBrush);
  QPainterPath v;
  v.moveTo(4.5, 8.2);
  v.lineTo(7, 10.7);
  v.lineTo(11.5, 5.5);
  g.drawPath(v);
  return p;
}

const QPixmap& Icone(int status) {
  static const QPixmap gravada = IconeGravada();
  static const QPixmap transmitida = IconeTransmitida();
  return status == 2 ? transmitida : gravada;
}

QString Formatado(const QString& numero) {
  return TNiContribuinte::FormataNi(numero + TNiContribuinte::CalculaDVNi(numero));
}

}  // namespace

TModeloListaDeclaracoes::TModeloListaDeclaracoes(TColecao& indice, bool comMarcas, QObject* pai)
    : QAbstractTableModel(pai), m_indice(indice), m_comMarcas(comMarcas) {}

TModeloListaDeclaracoes::~TModeloListaDeclaracoes() = default;

bool TModeloListaDeclaracoes::Abre(const FiltroDeclaracoes::Clausula& clausula) {
  beginResetModel();
  m_linhas.clear();
  m_fim = true;
  m_atual = -1;
  m_clausula = clausula;
  bool aberta = false;
  try {
    if (!m_transacao) {
      bd::Conexao* conexao = TColecao::GetBancoIndice();
      m_transacao = std::make_unique<bd::Transacao>(
          *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    }
    m_consulta = std::make_unique<bd::Consulta>(*m_transacao, FiltroDeclaracoes::Sql(clausula));
    for (qsizetype i = 0; i < clausula.parametros.size(); ++i)
      m_consulta->param(clausula.parametros[i], clausula.valores[i]);
    aberta = m_indice.TentaAbrirDataSet(*m_consulta);
  } catch (const bd::ErroBanco& e) {
    // Only preparing can fail here, before TentaAbrirDataSet tells it.
    ExibeMensagem(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem(),
                  TipoMensagem::Erro);
  }
  if (aberta) {
    m_fim = false;
    for (Linha& l : le(kPagina)) m_linhas.push_back(std::move(l));
  } else {
    m_consulta.reset();
  }
  endResetModel();
  return aberta;
}

std::vector<TModeloListaDeclaracoes::Linha> TModeloListaDeclaracoes::le(int quantas) {
  std::vector<Linha> lidas;
  if (m_fim || !m_consulta) return lidas;
  try {
    for (int i = 0; i < quantas && !m_consulta->eof(); ++i) {
      const bd::Consulta& c = *m_consulta;
      Linha l;
      l.chave = c.campo(QStringLiteral("TOLV_DK")).inteiro();
      l.tipo = c.campo(QStringLiteral("IN_PF_PJ")).texto().trimmed();
      l.numero = c.campo(QStringLiteral("NR_PF_PJ")).texto().trimmed();
      l.nome = c.campo(QStringLiteral("NM_NM_EMPR")).texto();
      l.ano = c.campo(QStringLiteral("AN_RETENCA")).texto().trimmed();
      l.arquivo = c.campo(QStringLiteral("ARQUIVO")).texto().trimmed();
      l.status = c.campo(QStringLiteral("IN_STATUS")).inteiro();
      l.cpfCnpj = Formatado(l.numero);
      lidas.push_back(std::move(l));
      m_consulta->proximo();
    }
    if (m_consulta->eof()) m_fim = true;
  } catch (const bd::ErroBanco& e) {
    // The rows read so far stay; the list just ends here.
    m_fim = true;
    ExibeMensagem(QStringLiteral("Não foi possível ler a lista de declarações. Mensagem retornada: ") + e.mensagem(),
                  TipoMensagem::Erro);
  }
  return lidas;
}

bool TModeloListaDeclaracoes::Garante(int linha) {
  while (linha >= Lidas() && canFetchMore({})) fetchMore({});
  return linha >= 0 && linha < Lidas();
}

int TModeloListaDeclaracoes::Procura(int desde, const std::function<bool(const Linha&)>& teste) {
  for (int i = qMax(0, desde); Garante(i); ++i)
    if (teste(m_linhas[size_t(i)])) return i;
  return -1;
}

void TModeloListaDeclaracoes::DefineAtual(int linha) {
  const int anterior = m_atual;
  m_atual = linha;
  for (int l : {anterior, linha})
    if (l >= 0 && l < Lidas()) emit dataChanged(index(l, 0), index(l, columnCount() - 1));
  if (anterior != linha) emit headerDataChanged(Qt::Vertical, qMax(0, qMin(anterior, linha)), qMax(anterior, linha));
}

bool TModeloListaDeclaracoes::Marcada(int linha) const {
  return linha >= 0 && linha < Lidas() && m_marcas.contains(m_linhas[size_t(linha)].chave);
}

void TModeloListaDeclaracoes::DefineMarca(int linha, bool marcada) {
  if (!m_comMarcas || linha < 0 || linha >= Lidas() || Marcada(linha) == marcada) return;
  const int chave = m_linhas[size_t(linha)].chave;
  if (marcada)
    m_marcas << chave;
  else
    m_marcas.removeAll(chave);
  const QModelIndex celula = index(linha, 0);
  emit dataChanged(celula, celula, {Qt::CheckStateRole});
  emit MarcasMudaram();
}

void TModeloListaDeclaracoes::LimpaMarcas() {
  if (m_marcas.isEmpty()) return;
  m_marcas.clear();
  if (Lidas() > 0) emit dataChanged(index(0, 0), index(Lidas() - 1, 0), {Qt::CheckStateRole});
  emit MarcasMudaram();
}

const TModeloListaDeclaracoes::Linha* TModeloListaDeclaracoes::LinhaDaChave(int chave) const {
  for (const Linha& l : m_linhas)
    if (l.chave == chave) return &l;
  return nullptr;
}

int TModeloListaDeclaracoes::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : Lidas(); }

int TModeloListaDeclaracoes::columnCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : (m_comMarcas ? 5 : 4);
}

QVariant TModeloListaDeclaracoes::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || indice.row() >= Lidas()) return {};
  const Linha& l = m_linhas[size_t(indice.row())];
  const Coluna c = ColunaDe(indice.column());
  switch (papel) {
    case Qt::DisplayRole:
      switch (c) {
        case CpfCnpj: return l.cpfCnpj;
        case Nome: return l.nome;
        case Ano: return l.ano;
        default: return {};
      }
    case Qt::DecorationRole:
      if (c == Situacao && (l.status == 1 || l.status == 2)) return Icone(l.status);
      return {};
    case Qt::ToolTipRole:
      if (c == Situacao && l.status == 1) return QStringLiteral("Gravada");
      if (c == Situacao && l.status == 2) return QStringLiteral("Transmitida");
      return {};
    case Qt::CheckStateRole:
      if (c == Marca) return Marcada(indice.row()) ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::TextAlignmentRole:
      if (c == Ano || c == Situacao || c == Marca) return int(Qt::AlignCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      // Record numbers count from 1: the first row is odd.
      return QBrush(QColor((indice.row() + 1) % 2 ? kLinhaImpar : kLinhaPar));
    case Qt::ForegroundRole:
      // Other rows take the grid's text colour, greyed with it when the grid is out of use.
      if (indice.row() == m_atual) return QBrush(Qt::black);
      return {};
    case Qt::FontRole:
      if (indice.row() == m_atual) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    default:
      return {};
  }
}

QVariant TModeloListaDeclaracoes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao == Qt::Vertical) {
    if (papel == Qt::DisplayRole) return secao == m_atual ? QStringLiteral("\u25B6") : QString();
    if (papel == Qt::ForegroundRole) return QBrush(QColor(kIndicador));
    return {};
  }
  if (papel == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (papel != Qt::DisplayRole) return {};
  switch (ColunaDe(secao)) {
    case CpfCnpj: return QStringLiteral("CPF/CNPJ");
    case Nome: return QStringLiteral("Nome/Nome Empresarial");
    case Ano: return QStringLiteral("Ano");
    case Situacao: return QStringLiteral("Situação");
    default: return QString();
  }
}

Qt::ItemFlags TModeloListaDeclaracoes::flags(const QModelIndex& indice) const {
  if (!indice.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (ColunaDe(indice.column()) == Marca) f |= Qt::ItemIsUserCheckable;
  return f;
}

bool TModeloListaDeclaracoes::canFetchMore(const QModelIndex& pai) const { return !pai.isValid() && !m_fim; }

void TModeloListaDeclaracoes::fetchMore(const QModelIndex& pai) {
  if (pai.isValid() || m_fim) return;
  // Read first: how many rows arrive is known only afterwards.
  std::vector<Linha> lidas = le(kPagina);
  if (lidas.empty()) return;
  beginInsertRows({}, Lidas(), Lidas() + int(lidas.size()) - 1);
  for (Linha& l : lidas) m_linhas.push_back(std::move(l));
  endInsertRows();
}
