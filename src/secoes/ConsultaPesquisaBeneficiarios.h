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
// escaped); the results come sorted by the database and are read as they are asked for, so a
// search that lists a whole large declaration starts at once.
class ConsultaPesquisaBeneficiarios {
 public:
  struct Comando {
    QString sql;
    std::vector<std::pair<QString, bd::Dado>> parametros;
    // In code order the lines and the accumulated income are read apart, each in the order of
    // an index, and merged here: the first page needs no sort of the whole declaration.
    QString sqlLinhas, sqlRra;  // empty when not read apart; sqlRra empty without that part
    size_t parametrosLinhas = 0;  // the first ones are the lines'
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
  void Fecha();

 private:
  struct Fluxo {
    std::unique_ptr<bd::Consulta> consulta;
    LinhaPesquisaBeneficiarios atual;
    bool fim = true;
    void abre(bd::Transacao& transacao, const QString& sql,
              const std::vector<std::pair<QString, bd::Dado>>& parametros, size_t de, size_t ate);
    void avanca();
  };

  bd::Transacao& m_transacao;
  Fluxo m_a, m_b;
  bool m_terminada = true;
};
