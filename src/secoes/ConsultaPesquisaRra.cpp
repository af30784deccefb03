#include "secoes/ConsultaPesquisaRra.h"

#include <QStringList>

#include "nucleo/Contribuinte.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kSelect = QStringLiteral(
    "SELECT rra.RRA_ITEM_ID, rra.IN_PF_PJ, rra.NR_PF_PJ, ben.NM_NM_EMPR, rra.IN_PF_PJ_ADVOGADO,\n"
    "rra.NR_ADVOGADO, ben1.NM_NM_EMPR AS NM_NM_EMPR1, rra.RRA_PROCESSO FROM RRA_ITEM rra\n"
    "LEFT JOIN BENEFICIARIOS ben ON ben.IN_PF_PJ = rra.IN_PF_PJ AND ben.NR_PF_PJ = rra.NR_PF_PJ\n"
    "LEFT JOIN BENEFICIARIOS ben1 ON ben1.IN_PF_PJ = rra.IN_PF_PJ_ADVOGADO AND ben1.NR_PF_PJ = rra.NR_ADVOGADO\n");
// The order of the type's index: the first rows come without sorting the whole type.
const QString kOrdem = QStringLiteral("\nORDER BY rra.IN_TIPO_RRA, rra.RRA_ITEM_ID");

// A number typed in full, checked as a CPF or a CNPJ by its length: its base.
QString BaseCompleta(const QString& texto) {
  TContribuinte numero;
  numero.SetNi(texto);
  return numero.GetBase();
}

QString Formata(const QString& base) {
  if (base.isEmpty()) return {};
  return TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base));
}

struct Montagem {
  ConsultaPesquisaRra::Condicao condicao;
  int proximo = 0;

  void adiciona(const QString& comparacao, const bd::Dado& valor) {
    const QString nome = QStringLiteral("P%1").arg(++proximo);
    condicao.texto += QStringLiteral(" AND ") + comparacao.arg(u':' + nome);
    condicao.parametros.emplace_back(nome, valor);
  }

  void numero(const QString& coluna, const QString& tipoColuna, const QString& texto, CriterioPesquisaRra::Ni criterio) {
    switch (criterio) {
      case CriterioPesquisaRra::Completo:
        adiciona(coluna + QStringLiteral(" = %1"), BaseCompleta(texto));
        break;
      case CriterioPesquisaRra::ParteInicialCpf:
      case CriterioPesquisaRra::ParteInicialCnpj:
        adiciona(coluna + QStringLiteral(" LIKE %1 ESCAPE '\\'"),
                 ConsultaPesquisaRra::PadraoInicio(ConsultaPesquisaRra::PreparaPrefixoNi(texto)));
        if (!tipoColuna.isEmpty())
          adiciona(tipoColuna + QStringLiteral(" = %1"), criterio == CriterioPesquisaRra::ParteInicialCpf
                                                             ? QStringLiteral("1")
                                                             : QStringLiteral("2"));
        break;
      default:
        break;
    }
  }

  void nome(const QString& coluna, const QString& texto, CriterioPesquisaRra::Nome criterio) {
    const QString maiusculo = texto.toUpper();
    const QString comparado = QStringLiteral("UPPER(") + coluna + u')';
    switch (criterio) {
      case CriterioPesquisaRra::ExatamenteIgual:
        adiciona(comparado + QStringLiteral(" = %1"), maiusculo);
        break;
      case CriterioPesquisaRra::ParteInicial:
        adiciona(comparado + QStringLiteral(" LIKE %1 ESCAPE '\\'"), ConsultaPesquisaRra::PadraoInicio(maiusculo));
        break;
      case CriterioPesquisaRra::TodasAsPalavras:
        // Each word anywhere in the name, in any order.
        for (const QString& palavra : maiusculo.split(u' ', Qt::SkipEmptyParts))
          adiciona(comparado + QStringLiteral(" LIKE %1 ESCAPE '\\'"), ConsultaPesquisaRra::PadraoContem(palavra));
        break;
    }
  }
};

QString Escapa(const QString& texto) {
  QString r;
  r.reserve(texto.size());
  for (QChar c : texto) {
    if (c == u'\\' || c == u'%' || c == u'_') r += u'\\';
    r += c;
  }
  return r;
}

}  // namespace

ConsultaPesquisaRra::ConsultaPesquisaRra(bd::Transacao& transacao) : m_transacao(transacao) {}

ConsultaPesquisaRra::~ConsultaPesquisaRra() = default;

QString ConsultaPesquisaRra::PadraoInicio(const QString& texto) { return Escapa(texto) + u'%'; }

QString ConsultaPesquisaRra::PadraoContem(const QString& texto) { return u'%' + Escapa(texto) + u'%'; }

QString ConsultaPesquisaRra::PreparaPrefixoNi(const QString& texto) {
  QString r = texto;
  r.remove(u'-').remove(u'.').remove(u'/');
  if (r.size() > 12) return r.left(12);
  if (r.size() > 9) return r.left(9);
  return r;
}

ConsultaPesquisaRra::Condicao ConsultaPesquisaRra::MontaCriterio(const CriterioPesquisaRra& c) {
  Montagem m;
  m.condicao.texto = QStringLiteral("rra.IN_TIPO_RRA = :TIPO");
  m.condicao.parametros.emplace_back(QStringLiteral("TIPO"), c.modo == 0 ? QStringLiteral("1") : QStringLiteral("2"));
  if (!c.cpf.isEmpty()) m.numero(QStringLiteral("rra.NR_PF_PJ"), QString(), c.cpf, c.criterioCpf);
  if (!c.nome.isEmpty()) m.nome(QStringLiteral("ben.NM_NM_EMPR"), c.nome, c.criterioNome);
  if (!c.processo.isEmpty()) m.adiciona(QStringLiteral("rra.RRA_PROCESSO = %1"), c.processo);
  const QString tipoAdvogado = QStringLiteral("rra.IN_PF_PJ_ADVOGADO");
  if (c.criterioNiAdvogado == CriterioPesquisaRra::SomentePF)
    m.adiciona(tipoAdvogado + QStringLiteral(" = %1"), QStringLiteral("1"));
  else if (c.criterioNiAdvogado == CriterioPesquisaRra::SomentePJ)
    m.adiciona(tipoAdvogado + QStringLiteral(" = %1"), QStringLiteral("2"));
  else if (!c.niAdvogado.isEmpty())
    m.numero(QStringLiteral("rra.NR_ADVOGADO"), tipoAdvogado, c.niAdvogado, c.criterioNiAdvogado);
  if (!c.nomeAdvogado.isEmpty()) m.nome(QStringLiteral("ben1.NM_NM_EMPR"), c.nomeAdvogado, c.criterioNomeAdvogado);
  return m.condicao;
}

QString ConsultaPesquisaRra::Sql(const Condicao& condicao) {
  return kSelect + QStringLiteral("WHERE ") + condicao.texto + kOrdem;
}

void ConsultaPesquisaRra::Executa(const CriterioPesquisaRra& criterio) {
  const Condicao condicao = MontaCriterio(criterio);
  Fecha();
  m_consulta = std::make_unique<bd::Consulta>(m_transacao, Sql(condicao));
  for (const auto& [nome, valor] : condicao.parametros) m_consulta->param(nome, valor);
  // Rows stored since the last search show up.
  if (m_transacao.ativa()) m_transacao.commit();
  m_consulta->abre();
  m_terminada = m_consulta->eof();
}

bool ConsultaPesquisaRra::Le(int maximo, std::vector<LinhaPesquisaRra>& linhas) {
  for (int i = 0; i < maximo && !m_terminada; ++i) {
    const bd::Consulta& c = *m_consulta;
    LinhaPesquisaRra l;
    l.id = int(c.campo(1).inteiro());
    l.cpf = Formata(c.campo(3).texto().trimmed());
    l.nome = c.campo(4).texto();
    l.niAdvogado = Formata(c.campo(6).texto().trimmed());
    l.nomeAdvogado = c.campo(7).texto();
    l.processo = c.campo(8).texto();
    linhas.push_back(std::move(l));
    m_consulta->proximo();
    m_terminada = m_consulta->eof();
  }
  return !m_terminada;
}

void ConsultaPesquisaRra::Fecha() {
  if (m_consulta) m_consulta->fecha();
  m_consulta.reset();
  m_terminada = true;
}
