#include "secoes/TModeloPesquisaRemessa.h"

#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kSelect = QStringLiteral(
    "SELECT R.TREM_ID, R.TREM_IN_TIPO_BENEFICIARIO, R.TREM_NIF, R.TREM_NI, R.TREM_NOME, P.TPAI_NOME\n"
    "FROM TB_REMESSA R\n"
    "JOIN TB_PAIS P ON P.TPAI_CD = R.TREM_CD_PAIS\n"
    "WHERE ");

QString SoDigitos(const QString& texto) {
  QString r;
  for (const QChar c : texto)
    if (c.isDigit()) r += c;
  return r;
}

// A stored number with its check digits, formatted; a whole or odd one as it is.
QString NiExibido(const QString& armazenado) {
  const QString ni = armazenado.trimmed();
  if (ni.size() == 9 || ni.size() == 12) return TNiContribuinte::FormataNi(ni + TNiContribuinte::CalculaDVNi(ni));
  return TNiContribuinte::FormataNi(ni);
}

}  // namespace

TModeloPesquisaRemessa::TModeloPesquisaRemessa(QObject* pai) : QAbstractTableModel(pai) {}

TModeloPesquisaRemessa::~TModeloPesquisaRemessa() = default;

FiltroPesquisaRemessa TModeloPesquisaRemessa::MontaFiltro(const CriteriosPesquisaRemessa& c) {
  FiltroPesquisaRemessa f;
  QStringList termos;
  if (!c.tipoBeneficiario.isEmpty()) {
    termos << QStringLiteral("R.TREM_IN_TIPO_BENEFICIARIO = :TIPO");
    f.parametros.append({QStringLiteral("TIPO"), c.tipoBeneficiario});
  }
  if (c.pais) {
    termos << QStringLiteral("R.TREM_CD_PAIS = :PAIS");
    f.parametros.append({QStringLiteral("PAIS"), *c.pais});
  }
  if (!c.nif.isEmpty()) {
    termos << QStringLiteral("R.TREM_NIF STARTING WITH :NIF");
    f.parametros.append({QStringLiteral("NIF"), c.nif});
  }
  const QString ni = SoDigitos(c.ni);
  if (!ni.isEmpty()) {
    QStringList formas{QStringLiteral("R.TREM_NI STARTING WITH :NI")};
    f.parametros.append({QStringLiteral("NI"), ni});
    // A base of a CPF (9) or of a CNPJ (12) that the typed digits continue with its check digits.
    for (const int tamanho : {9, 12}) {
      if (ni.size() <= tamanho) continue;
      const QString base = ni.left(tamanho);
      if (!(base + TNiContribuinte::CalculaDVNi(base)).startsWith(ni)) continue;
      const QString nome = QStringLiteral("BASE%1").arg(tamanho);
      formas << QStringLiteral("R.TREM_NI = :") + nome;
      f.parametros.append({nome, base});
    }
    termos << (formas.size() == 1 ? formas.first() : QStringLiteral("(") + formas.join(QStringLiteral(" OR ")) + u')');
  }
  if (!c.nome.isEmpty()) {
    termos << QStringLiteral("R.TREM_NOME STARTING WITH :NOME");
    f.parametros.append({QStringLiteral("NOME"), c.nome});
  }
  f.condicao = termos.isEmpty() ? QStringLiteral("1 = 1") : termos.join(QStringLiteral(" AND "));
  return f;
}

void TModeloPesquisaRemessa::Pesquisa(const CriteriosPesquisaRemessa& criterios) {
  beginResetModel();
  m_linhas.clear();
  m_consulta.reset();
  m_fim = true;
  bd::Conexao* conexao = TColecao::GetBancoDeclaracao();
  if (conexao && conexao->conectada()) {
    if (!m_transacao)
      m_transacao = std::make_unique<bd::Transacao>(
          *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                QStringLiteral("nowait"), QStringLiteral("read")});
    const FiltroPesquisaRemessa filtro = MontaFiltro(criterios);
    m_consulta = std::make_unique<bd::Consulta>(*m_transacao, kSelect + filtro.condicao);
    for (const auto& [nome, valor] : filtro.parametros) m_consulta->param(nome, valor);
    m_consulta->abre();
    m_fim = false;
    m_linhas = le(kLote);
  }
  endResetModel();
}

std::vector<TModeloPesquisaRemessa::Linha> TModeloPesquisaRemessa::le(int quantidade) {
  std::vector<Linha> lidas;
  if (!m_consulta || m_fim) return lidas;
  bd::Consulta& c = *m_consulta;
  for (int i = 0; i < quantidade && !c.eof(); ++i, c.proximo()) {
    Linha l;
    l.id = c.campo(1).inteiro();
    l.tipo = c.campo(2).texto() == QStringLiteral("1") ? QStringLiteral("Pessoa Física") : QStringLiteral("Pessoa Jurídica");
    l.nif = c.campo(3).texto();
    l.ni = NiExibido(c.campo(4).texto());
    l.nome = c.campo(5).texto();
    l.pais = c.campo(6).texto();
    lidas.push_back(std::move(l));
  }
  if (c.eof()) Fecha();
  return lidas;
}

void TModeloPesquisaRemessa::Fecha() {
  m_fim = true;
  if (m_consulta) m_consulta->fecha();
  m_consulta.reset();
  // A read transaction held open would keep old row versions alive.
  if (m_transacao && m_transacao->ativa()) m_transacao->commit();
}

bool TModeloPesquisaRemessa::CursorAberto() const { return !m_fim; }

int TModeloPesquisaRemessa::Id(int linha) const {
  return linha >= 0 && linha < int(m_linhas.size()) ? m_linhas[size_t(linha)].id : 0;
}

int TModeloPesquisaRemessa::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : int(m_linhas.size()); }

int TModeloPesquisaRemessa::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : QuantidadeColunas; }

QVariant TModeloPesquisaRemessa::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || indice.row() >= int(m_linhas.size()) || papel != Qt::DisplayRole) return {};
  const Linha& l = m_linhas[size_t(indice.row())];
  switch (indice.column()) {
    case ColTipo: return l.tipo;
    case ColPais: return l.pais;
    case ColNif: return l.nif;
    case ColNi: return l.ni;
    case ColNome: return l.nome;
  }
  return {};
}

QVariant TModeloPesquisaRemessa::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
  switch (secao) {
    case ColTipo: return QStringLiteral("Beneficiário");
    case ColPais: return QStringLiteral("País");
    case ColNif: return QStringLiteral("Nº Ident. Fiscal");
    case ColNi: return QStringLiteral("CPF/CNPJ");
    case ColNome: return QStringLiteral("Nome/Nome empresarial");
  }
  return {};
}

bool TModeloPesquisaRemessa::canFetchMore(const QModelIndex& pai) const { return !pai.isValid() && !m_fim; }

void TModeloPesquisaRemessa::fetchMore(const QModelIndex& pai) {
  if (pai.isValid() || m_fim) return;
  std::vector<Linha> lidas = le(kLote);
  if (lidas.empty()) return;
  const int antes = int(m_linhas.size());
  beginInsertRows({}, antes, antes + int(lidas.size()) - 1);
  for (Linha& l : lidas) m_linhas.push_back(std::move(l));
  endInsertRows();
}
