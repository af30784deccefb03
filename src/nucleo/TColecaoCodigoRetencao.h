#pragma once

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecao.h"

class TTolv;
class TTolvAnexo;

// The revenue-code rows of the index database (CODRET) for one owner of lines. A year's rows
// are read once and every later search answers from memory, so that walking a declaration's
// lines never queries the table per line. A search falls back from the row of the year and
// annex kind to the year's row of another annex kind, then to the code's row of another year.
class TColecaoCodigoRetencao : public TColecao {
 public:
  // Which query a match would have come from: the year's rows, the year and code, the code.
  enum Origem { kNenhuma = 0, kAno = 1, kAnoCodigo = 2, kCodigo = 3 };

  explicit TColecaoCodigoRetencao(TTolvAnexo& dono);
  ~TColecaoCodigoRetencao() override;

  // Fills the object from the row of its year, annex kind and code (see the class comment);
  // false, the object unchanged, when the code exists in no year.
  bool BuscaCodigo(TCodigoRetencao& codigo);
  // Reads the row on which a CODRET query stands into the object, and keeps it as the last found.
  void CarregaLinha(TCodigoRetencao& codigo, const bd::Consulta& dados);
  Origem GetOrigem() const { return m_origem; }
  const QString& GetAno() const { return m_ano; }
  // "1" for a fund, club or process annex, "0" for the declarant's lines.
  const QString& GetFiltroAnexo() const { return m_filtroAnexo; }
  // The statements run on the database so far (year loads and per-code fallbacks).
  int GetLeituras() const { return m_leituras; }

  // Reopen a caller's query on the index database with the codes that a form lists, for the
  // declaration's year and nature. The annex kind is "2" whatever is given when `processo` is 1.
  static void AbreCodigos(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo, int processo);
  static void AbreCodigosPfPj(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo, int processo,
                              const QString& pfPj);
  static void AbreCodigosFaixa(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo, int processo,
                               const QString& menor, const QString& maior);
  static void AbreListaCodigos(TTolv& declaracao, bd::Consulta& consulta);

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;

 private:
  using Chave = std::pair<QString, QString>;  // code, annex kind
  using Linhas = std::map<Chave, TCodigoRetencao::Colunas>;

  const Linhas* LinhasDoAno(const QString& ano);
  const TCodigoRetencao::Colunas* LinhaDeOutroAno(const QString& codigo);
  static TCodigoRetencao::Colunas LeColunas(const bd::Consulta& dados);
  uint8_t Natureza() const;

  TTolvAnexo* m_dono;
  QString m_ano;
  QString m_filtroAnexo;
  std::map<QString, Linhas> m_anos;
  // A code's row of any year, or none, as the database last answered.
  std::map<QString, std::optional<TCodigoRetencao::Colunas>> m_outrosAnos;
  std::unique_ptr<bd::Consulta> m_porCodigo;
  Origem m_origem = kNenhuma;
  int m_leituras = 0;
  // The last row found, with the nature it was read for.
  std::optional<TCodigoRetencao> m_ultimo;
  uint8_t m_naturezaUltimo = 255;
};
