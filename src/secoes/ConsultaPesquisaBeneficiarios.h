#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

#include "plataforma/bd/Dado.h"

namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// What the beneficiary search asks for. Empty texts do not narrow.
struct CriterioPesquisaBeneficiarios {
  // Where the lines come from: a fund or club, a judicial process, the declarant, everywhere.
  enum Tipo { Fundo = 0, Processo = 1, Declarante = 2, Todos = 3 };
  enum Ni { Completo, ParteInicialCpf, ParteInicialCnpj, SomentePF, SomentePJ };
  enum Nome { ExatamenteIgual, ParteInicial, PrimeiraPalavra, TodasAsPalavras };
  // The order of the results: as a click on the column title asks.
  enum Ordem { PorCodigo, PorNome, PorCpfCnpj, PorOrigem, PorFonte };

  int tipo = Todos;
  bool selBeneficiario = false;  // pick mode: each beneficiary once, no lines
  QString ni;
  Ni criterioNi = Completo;
  QString nome;
  Nome criterioNome = ParteInicial;
  QString codigo;
  Ordem ordem = PorCodigo;
};

// One hit: a line of a beneficiary, or an accumulated-income item (code 1889).
struct LinhaPesquisaBeneficiarios {
  int fonteDk = 0;  // 1 the declarant, above 1 a fund or process annex
  int itemDk = 0;   // the line's key, or the accumulated-income item's
  QString codigo;
  QString inPfPj;   // "1" CPF, "2" CNPJ
  QString nrPfPj;   // the base: 9 or 12 digits
  QString nome;
  QString fonte;    // the paying source's base, or a process number
  int tipo = 0;     // the source's kind; for accumulated income 1 the declarant's, 2 a process's

  // The number with its check digits, formatted.
  QString CpfCnpj() const;
  // The source: a base with its check digits, formatted, for kind 0; as stored otherwise.
  QString NiFonte() const;
  // "DEC", "RRA DEC", "RRA PROC", "FCI", "JUST" or empty.
  QString Origem() const;
  // The page the main window shows for this hit: 22 the declarant's lines, 30 an annex's,
  // 57 and 58 the accumulated income of the declarant or of a process, 0 none.
  int Quadro() const;
};

// The search behind TFrPesquisarTolv: every typed text is bound as a parameter (LIKE patterns
// escaped); the results are read as they are asked for, so a search that lists a whole large
// declaration starts at once. A search that narrows by number or name is one statement sorted by
// the engine (few rows; by name, planned through the names' index); a broad one reads its parts (the lines, the accumulated income) apart,
// each walking an index in the order asked, and merges them here, sorting only the rows that
// tie on the leading columns of the order.
class ConsultaPesquisaBeneficiarios {
 public:
  struct Parte {
    QString sql;
    size_t de = 0, ate = 0;  // its parameters
    // Read once per source, the source's key bound to the parameter FONTE.
    bool porFonte = false;
  };
  struct Comando {
    // The whole search in one statement, sorted by the engine.
    QString sql;
    // The same with the plan that a search by name needs; empty for the others.
    QString sqlComPlano;
    std::vector<std::pair<QString, bd::Dado>> parametros;
    // The parts read apart; empty when the statement above is read instead.
    std::vector<Parte> partes;
    // How many leading columns of the order every part comes sorted by.
    int prefixo = 0;
  };

  explicit ConsultaPesquisaBeneficiarios(bd::Transacao& transacao);
  ~ConsultaPesquisaBeneficiarios();

  // Raises the number's TErro when a "Completo" number is not a valid CPF or CNPJ.
  static Comando Monta(const CriterioPesquisaBeneficiarios& criterio);
  // The digits of a typed number without separators, cut to `tamanho`.
  static QString Prefixo(const QString& texto, int tamanho);

  // Runs the search; raises as Monta does, or bd::ErroBanco.
  void Executa(const CriterioPesquisaBeneficiarios& criterio);
  // Reads up to `maximo` more rows into `linhas`; false once the last row was read.
  bool Le(int maximo, std::vector<LinhaPesquisaBeneficiarios>& linhas);
  bool Terminada() const { return m_terminada; }
  // Whether the last search read its parts apart (false: the one sorted statement).
  bool EmPartes() const { return m_emPartes; }
  void Fecha();

  // A hit with what the engine's order needs beyond it.
  struct Achado {
    LinhaPesquisaBeneficiarios linha;
    bool nomeNulo = false, fonteNulo = false;
  };

 private:
  struct Fluxo {
    std::unique_ptr<bd::Consulta> consulta;
    Achado atual;
    bool fim = true;
    void abre(bd::Transacao& transacao, const QString& sql,
              const std::vector<std::pair<QString, bd::Dado>>& parametros, size_t de, size_t ate,
              const bd::Dado* fonte = nullptr);
    void avanca();
  };

  // False when the parts would be too many (one per source).
  bool abrePartes(const Comando& comando, bool soDeclarante);
  bool completaGrupo();

  bd::Transacao& m_transacao;
  std::vector<std::unique_ptr<Fluxo>> m_fluxos;
  std::vector<Achado> m_grupo;  // sorted, read from m_lidos on
  size_t m_lidos = 0;
  CriterioPesquisaBeneficiarios::Ordem m_ordem = CriterioPesquisaBeneficiarios::PorCodigo;
  int m_prefixo = 0;
  bool m_emPartes = false;
  bool m_terminada = true;
};
