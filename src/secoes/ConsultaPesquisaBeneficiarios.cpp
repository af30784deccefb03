#include "secoes/ConsultaPesquisaBeneficiarios.h"

#include <QStringList>

#include <algorithm>

#include "nucleo/Contribuinte.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Cp1252.h"

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
      case C::TodasAsPalavras: {
        if (palavras.isEmpty()) return;
        // Every word anywhere, in the order typed.
        QString padrao = QStringLiteral("%");
        for (const QString& p : palavras) padrao += Escapa(p) + u'%';
        adiciona(coluna + QStringLiteral(" LIKE %1 ESCAPE '\\'"), padrao);
        break;
      }
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

// The columns an order compares, as the engine sorts them.
enum Coluna { kCodigo, kFonteDk, kTipo, kInPfPj, kNrPfPj, kItem, kNome, kFonte };

const std::vector<Coluna>& Colunas(C::Ordem ordem) {
  static const std::vector<Coluna> porCodigo{kCodigo, kFonteDk, kTipo, kInPfPj, kNrPfPj, kItem};
  // Beneficiaries of one name, each picked once, follow their numbers.
  static const std::vector<Coluna> porNome{kNome, kCodigo, kFonteDk, kTipo, kItem, kInPfPj, kNrPfPj};
  static const std::vector<Coluna> porCpfCnpj{kInPfPj, kNrPfPj, kCodigo, kFonteDk, kTipo, kItem};
  static const std::vector<Coluna> porOrigem{kFonteDk, kTipo, kInPfPj, kNrPfPj, kItem};
  static const std::vector<Coluna> porFonte{kFonte, kInPfPj, kNrPfPj, kCodigo, kFonteDk, kTipo, kItem};
  switch (ordem) {
    case C::PorNome: return porNome;
    case C::PorCpfCnpj: return porCpfCnpj;
    case C::PorOrigem: return porOrigem;
    case C::PorFonte: return porFonte;
    case C::PorCodigo: break;
  }
  return porCodigo;
}

// The texts are stored in Windows-1252 and sorted by their bytes: the characters that page puts
// between 0x80 and 0x9F weigh as those bytes, not as their places in Unicode.
int Peso(QChar c) {
  if (!Cp1252::representavel(c)) return 0x100 + c.unicode();  // not storable in the column
  return static_cast<unsigned char>(Cp1252::paraByte(c));
}

// As the engine compares texts: the shorter one padded with blanks, nulls first.
int ComparaTexto(const QString& a, bool aNulo, const QString& b, bool bNulo) {
  if (aNulo || bNulo) return int(bNulo) - int(aNulo);
  const qsizetype n = qMax(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const int pa = i < a.size() ? Peso(a[i]) : ' ';
    const int pb = i < b.size() ? Peso(b[i]) : ' ';
    if (pa != pb) return pa - pb;
  }
  return 0;
}

// The first `quantas` columns of the order, compared.
int Compara(const ConsultaPesquisaBeneficiarios::Achado& a, const ConsultaPesquisaBeneficiarios::Achado& b,
            const std::vector<Coluna>& colunas, size_t quantas) {
  const LinhaPesquisaBeneficiarios& x = a.linha;
  const LinhaPesquisaBeneficiarios& y = b.linha;
  for (size_t i = 0; i < quantas && i < colunas.size(); ++i) {
    int r = 0;
    switch (colunas[i]) {
      case kCodigo: r = ComparaTexto(x.codigo, false, y.codigo, false); break;
      case kFonteDk: r = x.fonteDk < y.fonteDk ? -1 : x.fonteDk > y.fonteDk; break;
      case kTipo: r = x.tipo < y.tipo ? -1 : x.tipo > y.tipo; break;
      case kInPfPj: r = ComparaTexto(x.inPfPj, false, y.inPfPj, false); break;
      case kNrPfPj: r = ComparaTexto(x.nrPfPj, false, y.nrPfPj, false); break;
      case kItem: r = x.itemDk < y.itemDk ? -1 : x.itemDk > y.itemDk; break;
      case kNome: r = ComparaTexto(x.nome, a.nomeNulo, y.nome, b.nomeNulo); break;
      case kFonte: r = ComparaTexto(x.fonte, a.fonteNulo, y.fonte, b.fonteNulo); break;
    }
    if (r != 0) return r;
  }
  return 0;
}

// Whether the number boxes leave the search wide.
bool NumeroAmplo(const C& c) {
  switch (c.criterioNi) {
    case C::Completo: return c.ni.trimmed().isEmpty();
    case C::ParteInicialCpf:
    case C::ParteInicialCnpj: return ConsultaPesquisaBeneficiarios::Prefixo(c.ni, 12).isEmpty();
    case C::SomentePF:
    case C::SomentePJ: return true;
  }
  return false;
}

// A search that narrows by number or name finds few rows: the engine sorts them at once, through
// the indexes of the criteria. The others list much of the declaration and walk an index in the
// order asked. Funds and processes hold few of the lines: their search sorts too (picking, the
// kind is not looked at).
bool Ampla(const C& c, bool porNome) {
  if (!c.selBeneficiario && (c.tipo == C::Fundo || c.tipo == C::Processo)) return false;
  return !porNome && NumeroAmplo(c);
}

// Per order: the lines' plan and sort (matching an index), the accumulated income's sort, and
// how many leading columns of the order both come sorted by.
struct Caminho {
  const char* plano;
  const char* ordemLinhas;
  const char* ordemRra;
  int prefixo;
  bool porFonte;
};

Caminho CaminhoDa(C::Ordem ordem) {
  switch (ordem) {
    case C::PorNome:
      return {"JOIN (B ORDER BENEFICIARIOS_NOME, D INDEX (TOLV_ITENS_BENEF), C INDEX (PK_FONTES))",
              "B.NM_NM_EMPR", "BEN.NM_NM_EMPR", 1, false};
    case C::PorCpfCnpj:
      return {"JOIN (D ORDER TOLV_ITENS_BENEF, C INDEX (PK_FONTES), B INDEX (PK_BENEFICIARIOS))",
              "D.E_IN_PF_PJ, D.E_NR_PF_PJ", "RRA.IN_PF_PJ, RRA.NR_PF_PJ", 2, false};
    case C::PorOrigem:
      // The source's kind follows from the source.
      return {"JOIN (D ORDER TOLV_ITENS_CODIGO_BENEF, C INDEX (PK_FONTES), B INDEX (PK_BENEFICIARIOS))",
              "D.E_FONTE_DK, D.E_IN_PF_PJ, D.E_NR_PF_PJ, D.TRIB_TRIBU", "RRA.IN_TIPO_RRA, RRA.IN_PF_PJ, RRA.NR_PF_PJ",
              4, false};
    case C::PorFonte:
      // Each source's lines apart, in the order of its beneficiaries.
      return {"JOIN (D ORDER TOLV_ITENS_CODIGO_BENEF, C INDEX (PK_FONTES), B INDEX (PK_BENEFICIARIOS))",
              "D.E_FONTE_DK, D.E_IN_PF_PJ, D.E_NR_PF_PJ, D.TRIB_TRIBU", "RRA.RRA_PROCESSO, RRA.IN_PF_PJ, RRA.NR_PF_PJ",
              3, true};
    case C::PorCodigo: break;
  }
  return {"JOIN (D ORDER TOLV_ITENS_CODIGO, C INDEX (PK_FONTES), B INDEX (PK_BENEFICIARIOS))",
          "D.TRIB_TRIBU, D.E_FONTE_DK, D.E_IN_PF_PJ, D.E_NR_PF_PJ, D.TOLV_ITEM_DK",
          "RRA.IN_TIPO_RRA, RRA.IN_PF_PJ, RRA.NR_PF_PJ, RRA.RRA_ITEM_ID", 6, false};
}

// Past this many sources the source order is left to the engine's sort.
constexpr int kMaximoFontes = 32;

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
    const size_t antesDoNome = comando.parametros.size();
    m.nome(QStringLiteral("NM_NM_EMPR_CV"), c);
    const bool porNome = comando.parametros.size() > antesDoNome;
    const QString campos = QStringLiteral(
        " 1 AS E_FONTE_DK, 1 AS TOLV_ITEM_DK, '1' AS TRIB_TRIBU, IN_PF_PJ, NR_PF_PJ,"
        " NM_NM_EMPR, NM_NM_EMPR_CV, '1' AS FONTE, 1 AS IN_TIPO\n"
        "FROM V_SELECIONABENEFRRA\nWHERE 1 = 1");
    comando.sql = QStringLiteral("SELECT DISTINCT") + campos + m.texto + QStringLiteral("\nORDER BY ") + Ordem(c.ordem);
    if (Ampla(c, porNome)) {
      // The view lists each beneficiary once already: its key's or its names' index gives the
      // order, the other columns being the same on every row.
      const bool nome = c.ordem == C::PorNome;
      comando.partes.push_back(
          {QStringLiteral("SELECT") + campos + m.texto +
               (nome ? QStringLiteral("\nPLAN (V_SELECIONABENEFRRA B ORDER BENEFICIARIOS_NOME)\nORDER BY NM_NM_EMPR")
                     : QStringLiteral("\nPLAN (V_SELECIONABENEFRRA B ORDER PK_BENEFICIARIOS)\nORDER BY IN_PF_PJ, NR_PF_PJ")),
           0, comando.parametros.size(), false});
      comando.prefixo = nome ? 1 : int(Colunas(c.ordem).size());
    }
    return comando;
  }

  Montagem d{comando, {}};
  d.numero(QStringLiteral("D.E_IN_PF_PJ"), QStringLiteral("D.E_NR_PF_PJ"), c, tipoNi, baseNi);
  const size_t antesDoNome = comando.parametros.size();
  d.nome(QStringLiteral("B.NM_NM_EMPR_CV"), c);
  const bool porNome = comando.parametros.size() > antesDoNome;
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
  const size_t parametrosLinhas = comando.parametros.size();

  // Accumulated income has no company beneficiary and a single code.
  const bool comRra = c.tipo == C::Todos && c.criterioNi != C::ParteInicialCnpj && c.criterioNi != C::SomentePJ &&
                      (codigo.size() < 4 || codigo == kCodigoRra);
  QString selectRra;
  if (comRra) {
    Montagem ben{comando, {}};
    ben.numero(QStringLiteral("RRA.IN_PF_PJ"), QStringLiteral("RRA.NR_PF_PJ"), c, tipoNi, baseNi);
    ben.nome(QStringLiteral("BEN.NM_NM_EMPR_CV"), c);
    selectRra = QStringLiteral(
                    "SELECT 1, RRA.RRA_ITEM_ID, CAST('1889' AS VARCHAR(4)), RRA.IN_PF_PJ,"
                    " CAST(RRA.NR_PF_PJ AS VARCHAR(20)), BEN.NM_NM_EMPR, BEN.NM_NM_EMPR_CV, RRA.RRA_PROCESSO,"
                    " CAST(RRA.IN_TIPO_RRA AS SMALLINT)\n"
                    "FROM RRA_ITEM RRA\n"
                    "JOIN BENEFICIARIOS BEN ON BEN.IN_PF_PJ = RRA.IN_PF_PJ AND BEN.NR_PF_PJ = RRA.NR_PF_PJ\n"
                    "WHERE 1 = 1") +
                ben.texto;
    comando.sql += QStringLiteral("\nUNION ALL\n") + selectRra;
  }
  comando.sql += QStringLiteral("\nORDER BY ") + Ordem(c.ordem);

  if (porNome && NumeroAmplo(c)) {
    // Left to itself the engine starts from the sources and reads every line; the names' index
    // finds the few beneficiaries at once (a word anywhere reads the beneficiaries, not the lines).
    const bool palavras = c.criterioNome == C::TodasAsPalavras;
    comando.sqlComPlano = selectLinhas + QStringLiteral("\nPLAN JOIN (B ") +
                          (palavras ? QStringLiteral("NATURAL") : QStringLiteral("INDEX (BENEFICIARIOS_CV)")) +
                          QStringLiteral(", D INDEX (TOLV_ITENS_BENEF), C INDEX (PK_FONTES))");
    if (comRra)
      comando.sqlComPlano += QStringLiteral("\nUNION ALL\n") + selectRra +
                             (palavras ? QString()
                                       : QStringLiteral("\nPLAN JOIN (BEN INDEX (BENEFICIARIOS_CV), RRA INDEX (RRA_ITEM_BENEF))"));
    comando.sqlComPlano += QStringLiteral("\nORDER BY ") + Ordem(c.ordem);
  }

  if (Ampla(c, porNome)) {
    const Caminho caminho = CaminhoDa(c.ordem);
    Parte linhas;
    linhas.sql = selectLinhas;
    if (caminho.porFonte) linhas.sql += QStringLiteral("\n  AND D.E_FONTE_DK = :FONTE");
    linhas.sql += QStringLiteral("\nPLAN ") + QLatin1String(caminho.plano) + QStringLiteral("\nORDER BY ") +
                  QLatin1String(caminho.ordemLinhas);
    linhas.ate = parametrosLinhas;
    linhas.porFonte = caminho.porFonte;
    comando.partes.push_back(linhas);
    if (comRra)
      // The accumulated income is small: in the orders that no index of its own walks, the engine
      // sorts it.
      comando.partes.push_back(
          {selectRra + QStringLiteral("\nORDER BY ") + QLatin1String(caminho.ordemRra), parametrosLinhas,
           comando.parametros.size(), false});
    comando.prefixo = caminho.prefixo;
  }
  return comando;
}

void ConsultaPesquisaBeneficiarios::Fluxo::abre(bd::Transacao& transacao, const QString& sql,
                                                const std::vector<std::pair<QString, bd::Dado>>& parametros,
                                                size_t de, size_t ate, const bd::Dado* fonte) {
  consulta = std::make_unique<bd::Consulta>(transacao, sql);
  for (size_t i = de; i < ate; ++i) consulta->param(parametros[i].first, parametros[i].second);
  if (fonte) consulta->param(QStringLiteral("FONTE"), *fonte);
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
  Achado a;
  LinhaPesquisaBeneficiarios& l = a.linha;
  l.fonteDk = int(c.campo(1).inteiro());
  l.itemDk = int(c.campo(2).inteiro());
  l.codigo = c.campo(3).texto().trimmed();
  l.inPfPj = c.campo(4).texto().trimmed();
  l.nrPfPj = c.campo(5).texto().trimmed();
  l.nome = c.campo(6).texto();
  a.nomeNulo = c.campo(6).nulo();
  l.fonte = c.campo(8).texto();
  a.fonteNulo = c.campo(8).nulo();
  l.tipo = int(c.campo(9).inteiro());
  atual = std::move(a);
  fim = false;
  consulta->proximo();
}

bool ConsultaPesquisaBeneficiarios::abrePartes(const Comando& comando, bool soDeclarante) {
  for (const Parte& parte : comando.partes) {
    if (!parte.porFonte) {
      m_fluxos.push_back(std::make_unique<Fluxo>());
      m_fluxos.back()->abre(m_transacao, parte.sql, comando.parametros, parte.de, parte.ate);
      continue;
    }
    std::vector<int> fontes;
    {
      bd::Consulta c(m_transacao, soDeclarante ? QStringLiteral("SELECT FONTE_DK FROM FONTES WHERE FONTE_DK = 1")
                                               : QStringLiteral("SELECT FONTE_DK FROM FONTES ORDER BY FONTE_DK"));
      for (c.abre(); !c.eof(); c.proximo()) fontes.push_back(c.campo(1).inteiro());
    }
    if (fontes.size() > size_t(kMaximoFontes)) return false;
    for (int fonte : fontes) {
      const bd::Dado valor(fonte);
      m_fluxos.push_back(std::make_unique<Fluxo>());
      m_fluxos.back()->abre(m_transacao, parte.sql, comando.parametros, parte.de, parte.ate, &valor);
    }
  }
  return true;
}

void ConsultaPesquisaBeneficiarios::Executa(const C& criterio) {
  const Comando comando = Monta(criterio);
  Fecha();
  // Lines stored since the last search show up.
  if (m_transacao.ativa()) m_transacao.commit();
  m_ordem = criterio.ordem;
  if (!comando.partes.empty()) {
    try {
      m_emPartes = abrePartes(comando, criterio.tipo == C::Declarante);
      m_prefixo = comando.prefixo;
    } catch (const bd::ErroBanco& e) {
      // An index turned off (an import under way) or missing: the engine sorts instead.
      qWarning("Pesquisa de beneficiários ordenada pelo banco: %s", e.what());
    }
    if (!m_emPartes) Fecha();
  }
  if (!m_emPartes) {
    m_fluxos.push_back(std::make_unique<Fluxo>());
    bool aberta = false;
    if (!comando.sqlComPlano.isEmpty()) {
      try {
        m_fluxos.back()->abre(m_transacao, comando.sqlComPlano, comando.parametros, 0, comando.parametros.size());
        aberta = true;
      } catch (const bd::ErroBanco& e) {
        qWarning("Pesquisa de beneficiários sem o índice dos nomes: %s", e.what());
      }
    }
    if (!aberta)
      m_fluxos.back()->abre(m_transacao, comando.sql, comando.parametros, 0, comando.parametros.size());
    m_prefixo = int(Colunas(m_ordem).size());
  }
  m_terminada = std::all_of(m_fluxos.begin(), m_fluxos.end(), [](const auto& f) { return f->fim; });
}

bool ConsultaPesquisaBeneficiarios::completaGrupo() {
  m_grupo.clear();
  m_lidos = 0;
  const std::vector<Coluna>& colunas = Colunas(m_ordem);
  Fluxo* menor = nullptr;
  for (const auto& f : m_fluxos)
    if (!f->fim && (!menor || Compara(f->atual, menor->atual, colunas, size_t(m_prefixo)) < 0)) menor = f.get();
  if (!menor) return false;
  // Each part comes sorted by the leading columns: the rows that tie on them are next in every
  // part, and only they need sorting here.
  const Achado chave = menor->atual;
  for (const auto& f : m_fluxos)
    while (!f->fim && Compara(f->atual, chave, colunas, size_t(m_prefixo)) == 0) {
      m_grupo.push_back(std::move(f->atual));
      f->avanca();
    }
  if (m_grupo.size() > 1)
    std::stable_sort(m_grupo.begin(), m_grupo.end(), [&](const Achado& a, const Achado& b) {
      return Compara(a, b, colunas, colunas.size()) < 0;
    });
  return true;
}

bool ConsultaPesquisaBeneficiarios::Le(int maximo, std::vector<LinhaPesquisaBeneficiarios>& linhas) {
  for (int i = 0; i < maximo; ++i) {
    if (m_lidos == m_grupo.size() && !completaGrupo()) break;
    linhas.push_back(std::move(m_grupo[m_lidos++].linha));
  }
  m_terminada = m_lidos == m_grupo.size() &&
                std::all_of(m_fluxos.begin(), m_fluxos.end(), [](const auto& f) { return f->fim; });
  return !m_terminada;
}

void ConsultaPesquisaBeneficiarios::Fecha() {
  for (const auto& f : m_fluxos)
    if (f->consulta) f->consulta->fecha();
  m_fluxos.clear();
  m_grupo.clear();
  m_lidos = 0;
  m_emPartes = false;
  m_terminada = true;
}
