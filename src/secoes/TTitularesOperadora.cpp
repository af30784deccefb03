#include "secoes/TTitularesOperadora.h"

#include <stdexcept>

#include "nucleo/NiContribuinte.h"
#include "plataforma/bd/Consulta.h"

namespace {
// TPT_ID breaks ties so that every holder has one place; the operator's index walks the rest.
const QString kColunas = QStringLiteral(
    "SELECT T.TPT_ID, T.TPT_NR_PF_PJ, B.NM_NM_EMPR, T.TPT_VL_PAGO FROM TB_PS_TITULAR T "
    "LEFT JOIN BENEFICIARIOS B ON B.IN_PF_PJ = T.TPT_IN_PF_PJ AND B.NR_PF_PJ = T.TPT_NR_PF_PJ "
    "WHERE T.TPT_TPO_ID = :OPERADORA ");
const QString kOrdem = QStringLiteral("ORDER BY T.TPT_TPO_ID, T.TPT_NR_PF_PJ, T.TPT_ID ");
}  // namespace

TTitularesOperadora::TTitularesOperadora() : TColecaoSecao(QStringLiteral("TB_PS_TITULAR")) {}

void TTitularesOperadora::Carrega(int operadora) {
  m_operadora = operadora;
  m_quantidade = 0;
  m_inicio = 0;
  m_janela.clear();
  if (operadora <= 0) return;
  bd::Consulta& c = Comando(QStringLiteral("SELECT COUNT(*) AS TOTAL FROM TB_PS_TITULAR WHERE TPT_TPO_ID = :OPERADORA"));
  c.param(QStringLiteral("OPERADORA"), operadora);
  Abre(c);
  m_quantidade = int(c.campo(QStringLiteral("TOTAL")).inteiro64());
  c.fecha();
}

TLinhaTitular TTitularesOperadora::LeLinha(bd::Consulta& c) const {
  TLinhaTitular l;
  l.id = c.campo(1).inteiro();
  l.operadora = m_operadora;
  const QString base = c.campo(2).texto().trimmed();
  l.cpf = base + TNiContribuinte::CalculaDVNi(base);
  l.nome = c.campo(3).texto();
  l.valor = Valor::deDezMilesimos(c.campo(4).dezMilesimos());
  return l;
}

const TLinhaTitular& TTitularesOperadora::Linha(int linha) {
  if (linha < 0 || linha >= m_quantidade) throw std::out_of_range("Titular fora da lista");
  const int ordem = m_quantidade - 1 - linha;
  if (ordem < m_inicio || ordem >= m_inicio + int(m_janela.size())) {
    // Half a window each way, so that walking either way reads again only now and then.
    m_inicio = std::max(0, ordem - kJanela / 2);
    m_janela.clear();
    bd::Consulta& c = Comando(kColunas + kOrdem + QStringLiteral("ROWS :DE TO :ATE"));
    c.param(QStringLiteral("OPERADORA"), m_operadora);
    c.param(QStringLiteral("DE"), m_inicio + 1);
    c.param(QStringLiteral("ATE"), m_inicio + kJanela);
    Abre(c);
    for (; !c.eof(); c.proximo()) m_janela.push_back(LeLinha(c));
    c.fecha();
    // Someone else removed holders since they were counted.
    if (ordem >= m_inicio + int(m_janela.size())) {
      Recarrega();
      throw std::out_of_range("Titular fora da lista");
    }
  }
  return m_janela[size_t(ordem - m_inicio)];
}

int TTitularesOperadora::Localiza(int id) {
  if (m_operadora <= 0 || id <= 0) return -1;
  bd::Consulta& c = Comando(QStringLiteral(
      "SELECT (SELECT COUNT(*) FROM TB_PS_TITULAR O WHERE O.TPT_TPO_ID = T.TPT_TPO_ID AND "
      "(O.TPT_NR_PF_PJ < T.TPT_NR_PF_PJ OR (O.TPT_NR_PF_PJ = T.TPT_NR_PF_PJ AND O.TPT_ID < T.TPT_ID))) AS ANTES "
      "FROM TB_PS_TITULAR T WHERE T.TPT_ID = :ID AND T.TPT_TPO_ID = :OPERADORA"));
  c.param(QStringLiteral("ID"), id);
  c.param(QStringLiteral("OPERADORA"), m_operadora);
  Abre(c);
  const int antes = c.eof() ? -1 : int(c.campo(1).inteiro64());
  c.fecha();
  if (antes < 0 || antes >= m_quantidade) return -1;
  return m_quantidade - 1 - antes;
}

std::vector<TLinhaTitular> TTitularesOperadora::Pesquisa(const QString& cpf, const QString& nome) {
  std::vector<TLinhaTitular> achados;
  if (m_operadora <= 0) return achados;
  // The stored number has no check digits: its first nine digits are searched in the database,
  // the rest of a longer criterion against the computed ones.
  const QString base = cpf.left(9);
  bd::Consulta& c = Comando(kColunas +
                            QStringLiteral("AND T.TPT_NR_PF_PJ STARTING WITH :CPF AND "
                                           "COALESCE(B.NM_NM_EMPR, '') STARTING WITH :NOME ") +
                            kOrdem);
  c.param(QStringLiteral("OPERADORA"), m_operadora);
  c.param(QStringLiteral("CPF"), base);
  c.param(QStringLiteral("NOME"), nome);
  Abre(c);
  for (; !c.eof(); c.proximo()) {
    TLinhaTitular l = LeLinha(c);
    if (l.cpf.startsWith(cpf)) achados.push_back(std::move(l));
  }
  c.fecha();
  std::reverse(achados.begin(), achados.end());
  return achados;
}
