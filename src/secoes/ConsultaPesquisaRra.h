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

// What the accumulated-income search asks for: the items of one type (mode 0 the declarant's,
// 1 the court's), narrowed by the beneficiary's number or name, the process and the lawyer's
// number or name. Empty texts do not narrow.
struct CriterioPesquisaRra {
  enum Ni { Completo, ParteInicialCpf, ParteInicialCnpj, SomentePF, SomentePJ };
  enum Nome { ExatamenteIgual, ParteInicial, TodasAsPalavras };

  int modo = 0;
  QString cpf;
  Ni criterioCpf = Completo;
  QString nome;
  Nome criterioNome = ParteInicial;
  QString processo;
  QString niAdvogado;
  Ni criterioNiAdvogado = Completo;
  QString nomeAdvogado;
  Nome criterioNomeAdvogado = ParteInicial;
};

// One item found.
struct LinhaPesquisaRra {
  int id = 0;
  QString cpf;           // formatted, with its check digits
  QString nome;
  QString processo;
  QString niAdvogado;    // formatted CPF or CNPJ, empty without a lawyer
  QString nomeAdvogado;
};

// The search behind TfrmPesquisarRra: a statement over the items and the names kept for their
// numbers, every typed text bound as a parameter (LIKE patterns escaped). The rows are read as
// they are asked for, so a search that lists a whole large declaration starts at once.
class ConsultaPesquisaRra {
 public:
  // The condition after WHERE and its parameters.
  struct Condicao {
    QString texto;
    std::vector<std::pair<QString, bd::Dado>> parametros;
  };

  explicit ConsultaPesquisaRra(bd::Transacao& transacao);
  ~ConsultaPesquisaRra();

  // Raises the number's TErro when a "Completo" number is not a valid CPF or CNPJ.
  static Condicao MontaCriterio(const CriterioPesquisaRra& criterio);
  // The digits of a typed number without its separators, cut to a base: the first 12 of a
  // longer text, else the first 9 of one longer than 9.
  static QString PreparaPrefixoNi(const QString& texto);
  // A LIKE pattern matching texts that start with `texto` (escaped with '\').
  static QString PadraoInicio(const QString& texto);
  static QString PadraoContem(const QString& texto);
  static QString Sql(const Condicao& condicao);

  // Runs the search; raises as MontaCriterio does, or bd::ErroBanco.
  void Executa(const CriterioPesquisaRra& criterio);
  // Reads up to `maximo` more rows into `linhas`; false once the last row was read.
  bool Le(int maximo, std::vector<LinhaPesquisaRra>& linhas);
  bool Terminada() const { return m_terminada; }
  void Fecha();

 private:
  bd::Transacao& m_transacao;
  std::unique_ptr<bd::Consulta> m_consulta;
  bool m_terminada = true;
};
