#include "secoes/ConsultaPesquisaBeneficiarios.h"

#include <QStringList>

#include <tuple>

#include "nucleo/Contribuinte.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

using C = CriterioPesquisaBeneficiarios;

const QString kCodigoRra = QStringLiteral("1889");

QString Escapa(const QString& texto) {
  QString r;
  r.reserve(texto.size());
  for (QChar c : texto) {
    if (c == u'\\' || c == u'%' || c == u'_') r += u'\\';
    r += c;
  }
  return r;
}

// The conditions of one part of the statement, with their parameters numbered across the whole.
struct Montagem {
  ConsultaPesquisaBeneficiarios::Comando& comando;
  QString texto;

  void adiciona(const QString& comparacao, const bd::Dado& valor) {
    const QString nome = QStringLiteral("P%1").arg(comando.parametros.size() + 1);
    texto += QStringLiteral("\n  AND ") + comparacao.arg(u':' + nome);
    comando.parametros.emplace_back(nome, valor);
  }

  // `kind` and `base` for the complete number, already checked.
  void numero(const QString& tipoColuna, const QString& nrColuna, const C& c, const QString& tipo,
              const QString& base) {
    switch (c.criterioNi) {
      case C::Completo:
        if (base.isEmpty()) return;
        adiciona(tipoColuna + QStringLiteral(" = %1"), tipo);
        adiciona(nrColuna + QStringLiteral(" = %1"), base);
        break;
      case C::ParteInicialCpf:
        adiciona(tipoColuna + QStringLiteral(" = %1"), QStringLiteral("1"));
        adiciona(nrColuna + QStringLiteral(" STARTING WITH %1"), ConsultaPesquisaBeneficiarios::Prefixo(c.ni, 9));
        break;
      case C::ParteInicialCnpj:
        adiciona(tipoColuna + QStringLiteral(" = %1"), QStringLiteral("2"));
        adiciona(nrColuna + QStringLiteral(" STARTING WITH %1"), ConsultaPesquisaBeneficiarios::Prefixo(c.ni, 12));
        break;
      case C::SomentePF:
        adiciona(tipoColuna + QStringLiteral(" = %1"), QStringLiteral("1"));
        break;
      case C::SomentePJ:
        adiciona(tipoColuna + QStringLiteral(" = %1"), QStringLiteral("2"));
        break;
    }
  }

  // The stored names are kept in capitals without accents; the typed one is brought to the same.
  void nome(const QString& coluna, const C& c) {
    const QString normalizado = RemoveAcentos(c.nome).trimmed();
    if (normalizado.isEmpty()) return;
    QStringList palavras = SeparaPalavras(normalizado, false);
    palavras.removeAll(QString());
    switch (c.criterioNome) {
      case C::ExatamenteIgual:
        adiciona(coluna + QStringLiteral(" = %1"), normalizado);
        break;
      case C::ParteInicial:
        adiciona(coluna + QStringLiteral(" STARTING WITH %1"), normalizado);
        break;
      case C::PrimeiraPalavra: {
        if (palavras.isEmpty()) return;
        adiciona(coluna + QStringLiteral(" STARTING WITH %1"), palavras.first());
        if (palavras.size() > 1) {
          // The other words after it, in the order typed.
          QString padrao;
          for (const QString& p : palavras) padrao += Escapa(p) + u'%';
          adiciona(coluna + QStringLiteral(" LIKE %1 ESCAPE '\\'"), padrao);
        }
        break;
      }
      case C::TodasAsPalavras:
        // Every word, anywhere and in any order.
        for (const QString& p : palavras)
          adiciona(coluna + QStringLiteral(" LIKE %1 ESCAPE '\\'"), u'%' + Escapa(p) + u'%');
        break;
    }
  }
};

QString Ordem(C::Ordem ordem) {
  // Columns by position, so that the union sorts as one.
  switch (ordem) {
    case C::PorNome: return QStringLiteral("6, 3, 1, 9, 2");
    case C::PorCpfCnpj: return QStringLiteral("4, 5, 3, 1, 9, 2");
    case C::PorOrigem: return QStringLiteral("1, 9, 4, 5, 2");
    case C::PorFonte: return QStringLiteral("8, 4, 5, 3, 1, 9, 2");
    case C::PorCodigo: break;
  }
  return QStringLiteral("3, 1, 9, 4, 5, 2");
}

QString Formata(const QString& base) {
  if (base.isEmpty()) return {};
  return TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base));
}

}  // namespace

QString LinhaPesquisaBeneficiarios::CpfCnpj() const { return Formata(nrPfPj.trimmed()); }

QString LinhaPesquisaBeneficiarios::NiFonte() const {
  return tipo == 0 ? Formata(fonte.trimmed()) : fonte.trimmed();
}

QString LinhaPesquisaBeneficiarios::Origem() const {
  if (fonteDk == 1) {
    switch (tipo) {
      case 0: return QStringLiteral("DEC");
      case 1: return QStringLiteral("RRA DEC");
      case 2: return QStringLiteral("RRA PROC");
      default: return {};
    }
  }
  if (fonteDk > 1) {
    if (tipo == 0) return QStringLiteral("FCI");
    if (tipo == 1) return QStringLiteral("JUST");
  }
  return {};
}

int LinhaPesquisaBeneficiarios::Quadro() const {
  if (fonteDk == 1) {
    switch (tipo) {
      case 0: return 22;
      case 1: return 57;
      case 2: return 58;
      default: return 0;
    }
  }
  if (fonteDk > 1 && (tipo == 0 || tipo == 1)) return 30;
  return 0;
}

ConsultaPesquisaBeneficiarios::ConsultaPesquisaBeneficiarios(bd::Transacao& transacao) : m_transacao(transacao) {}

ConsultaPesquisaBeneficiarios::~ConsultaPesquisaBeneficiarios() = default;

QString ConsultaPesquisaBeneficiarios::Prefixo(const QString& texto, int tamanho) {
  QString r = texto.trimmed();
  r.remove(u'-').remove(u'.').remove(u'/');
  return r.left(tamanho);
}

ConsultaPesquisaBeneficiarios::Comando ConsultaPesquisaBeneficiarios::Monta(const C& c) {
  Comando comando;
  QString tipoNi, baseNi;
  if (c.criterioNi == C::Completo && !c.ni.trimmed().isEmpty()) {
    TContribuinte numero;
    numero.SetNi(Prefixo(c.ni, 14));
    baseNi = numero.GetBase();
    tipoNi = baseNi.size() == 9 ? QStringLiteral("1") : QStringLiteral("2");
  }
  const QString codigo = c.codigo.trimmed();

  if (c.selBeneficiario) {
    Montagem m{comando, {}};
    m.numero(QStringLiteral("IN_PF_PJ"), QStringLiteral("NR_PF_PJ"), c, tipoNi, baseNi);
    m.nome(QStringLiteral("NM_NM_EMPR_CV"), c);
    comando.sql = QStringLiteral(
                      "SELECT DISTINCT 1 AS E_FONTE_DK, 1 AS TOLV_ITEM_DK, '1' AS TRIB_TRIBU, IN_PF_PJ, NR_PF_PJ,"
                      " NM_NM_EMPR, NM_NM_EMPR_CV, '1' AS FONTE, 1 AS IN_TIPO\n"
                      "FROM V_SELECIONABENEFRRA\nWHERE 1 = 1") +
                  m.texto + QStringLiteral("\nORDER BY ") + Ordem(c.ordem);
    return comando;
  }

  Montagem d{comando, {}};
  d.numero(QStringLiteral("D.E_IN_PF_PJ"), QStringLiteral("D.E_NR_PF_PJ"), c, tipoNi, baseNi);
  d.nome(QStringLiteral("B.NM_NM_EMPR_CV"), c);
  if (codigo.size() == 4) d.adiciona(QStringLiteral("D.TRIB_TRIBU = %1"), codigo);
  if (c.tipo != C::Todos) {
    d.adiciona(QStringLiteral("C.IN_TIPO = %1"), c.tipo == C::Processo ? 1 : 0);
    if (c.tipo == C::Fundo) d.texto += QStringLiteral("\n  AND C.FONTE_DK > 1");
    if (c.tipo == C::Declarante) d.texto += QStringLiteral("\n  AND C.FONTE_DK = 1");
  }
  const QString selectLinhas = QStringLiteral(
                    "SELECT D.E_FONTE_DK, D.TOLV_ITEM_DK, D.TRIB_TRIBU, B.IN_PF_PJ, B.NR_PF_PJ, B.NM_NM_EMPR,"
                    " B.NM_NM_EMPR_CV, C.NR_PF_PJ AS FONTE, C.IN_TIPO\n"
                    "FROM BENEFICIARIOS B\n"
                    "JOIN TOLV_ITENS D ON D.E_IN_PF_PJ = B.IN_PF_PJ AND D.E_NR_PF_PJ = B.NR_PF_PJ\n"
                    "JOIN FONTES C ON D.E_FONTE_DK = C.FONTE_DK\n"
                    "WHERE 1 = 1") +
                d.texto;
  comando.sql = selectLinhas;
  comando.parametrosLinhas = comando.parametros.size();

  // Accumulated income has no company beneficiary and a single code.
  const bool comRra = c.tipo == C::Todos && c.criterioNi != C::ParteInicialCnpj && c.criterioNi != C::SomentePJ &&
                      (codigo.size() < 4 || codigo == kCodigoRra);
  if (comRra) {
    Montagem ben{comando, {}};
    ben.numero(QStringLiteral("RRA.IN_PF_PJ"), QStringLiteral("RRA.NR_PF_PJ"), c, tipoNi, baseNi);
    ben.nome(QStringLiteral("BEN.NM_NM_EMPR_CV"), c);
    const QString selectRra = QStringLiteral(
                       "SELECT 1, RRA.RRA_ITEM_ID, CAST('1889' AS VARCHAR(4)), RRA.IN_PF_PJ,"
                       " CAST(RRA.NR_PF_PJ AS VARCHAR(20)), BEN.NM_NM_EMPR, BEN.NM_NM_EMPR_CV, RRA.RRA_PROCESSO,"
                       " CAST(RRA.IN_TIPO_RRA AS SMALLINT)\n"
                       "FROM RRA_ITEM RRA\n"
                       "JOIN BENEFICIARIOS BEN ON BEN.IN_PF_PJ = RRA.IN_PF_PJ AND BEN.NR_PF_PJ = RRA.NR_PF_PJ\n"
                       "WHERE 1 = 1") +
                   ben.texto;
    comando.sql += QStringLiteral("\nUNION ALL\n") + selectRra;
    if (c.ordem == C::PorCodigo)
      comando.sqlRra = selectRra + QStringLiteral("\nORDER BY RRA.IN_TIPO_RRA, RRA.IN_PF_PJ, RRA.NR_PF_PJ, RRA.RRA_ITEM_ID");
  }
  if (c.ordem == C::PorCodigo)
    // The source's kind follows from the source: the lines' index order is the code order.
    comando.sqlLinhas = selectLinhas + QStringLiteral(
                                           "\nORDER BY D.TRIB_TRIBU, D.E_FONTE_DK, D.E_IN_PF_PJ, D.E_NR_PF_PJ,"
                                           " D.TOLV_ITEM_DK");
  comando.sql += QStringLiteral("\nORDER BY ") + Ordem(c.ordem);
  return comando;
}

void ConsultaPesquisaBeneficiarios::Fluxo::abre(bd::Transacao& transacao, const QString& sql,
                                                const std::vector<std::pair<QString, bd::Dado>>& parametros,
                                                size_t de, size_t ate) {
  consulta = std::make_unique<bd::Consulta>(transacao, sql);
  for (size_t i = de; i < ate; ++i) consulta->param(parametros[i].first, parametros[i].second);
  consulta->abre();
  fim = true;
  avanca();
}

void ConsultaPesquisaBeneficiarios::Fluxo::avanca() {
  if (!consulta || consulta->eof()) {
    fim = true;
    return;
  }
  const bd::Consulta& c = *consulta;
  LinhaPesquisaBeneficiarios l;
  l.fonteDk = int(c.campo(1).inteiro());
  l.itemDk = int(c.campo(2).inteiro());
  l.codigo = c.campo(3).texto().trimmed();
  l.inPfPj = c.campo(4).texto().trimmed();
  l.nrPfPj = c.campo(5).texto().trimmed();
  l.nome = c.campo(6).texto();
  l.fonte = c.campo(8).texto();
  l.tipo = int(c.campo(9).inteiro());
  atual = std::move(l);
  fim = false;
  consulta->proximo();
}

namespace {

// The code order of the merged reading.
bool Antes(const LinhaPesquisaBeneficiarios& a, const LinhaPesquisaBeneficiarios& b) {
  return std::tie(a.codigo, a.fonteDk, a.tipo, a.inPfPj, a.nrPfPj, a.itemDk) <
         std::tie(b.codigo, b.fonteDk, b.tipo, b.inPfPj, b.nrPfPj, b.itemDk);
}

}  // namespace

void ConsultaPesquisaBeneficiarios::Executa(const C& criterio) {
  const Comando comando = Monta(criterio);
  Fecha();
  // Lines stored since the last search show up.
  if (m_transacao.ativa()) m_transacao.commit();
  const size_t n = comando.parametros.size();
  if (comando.sqlLinhas.isEmpty()) {
    m_a.abre(m_transacao, comando.sql, comando.parametros, 0, n);
  } else {
    m_a.abre(m_transacao, comando.sqlLinhas, comando.parametros, 0, comando.parametrosLinhas);
    if (!comando.sqlRra.isEmpty()) m_b.abre(m_transacao, comando.sqlRra, comando.parametros, comando.parametrosLinhas, n);
  }
  m_terminada = m_a.fim && m_b.fim;
}

bool ConsultaPesquisaBeneficiarios::Le(int maximo, std::vector<LinhaPesquisaBeneficiarios>& linhas) {
  for (int i = 0; i < maximo && !m_terminada; ++i) {
    Fluxo& f = m_b.fim || (!m_a.fim && !Antes(m_b.atual, m_a.atual)) ? m_a : m_b;
    linhas.push_back(std::move(f.atual));
    f.avanca();
    m_terminada = m_a.fim && m_b.fim;
  }
  return !m_terminada;
}

void ConsultaPesquisaBeneficiarios::Fecha() {
  for (Fluxo* f : {&m_a, &m_b}) {
    if (f->consulta) f->consulta->fecha();
    f->consulta.reset();
    f->fim = true;
  }
  m_terminada = true;
}
