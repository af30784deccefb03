#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace bd {
class Consulta;
}

// Thirteen monthly amounts in ten-thousandths: January to December, then the thirteenth salary.
using SerieArquivo = std::array<int64_t, 13>;

// A line's amounts under suspended exigibility and its judicial compensations.
struct SeriesJudiciais {
  bool Existe = false;  // the line has its judicial row
  SerieArquivo AnoAnterior{}, AnoAtual{}, Rendimento{}, DeducaoPO{}, DeducaoPP{}, DeducaoDP{}, DeducaoPA{},
      Retido{}, Deposito{};
};

// One beneficiary line as the declaration file needs it.
struct ValoresLinha {
  QString Codigo;
  QString Tipo;    // E_IN_PF_PJ: "1" person, "2" company
  QString Numero;  // the stored base, without check digits
  QString Nome;
  QDate DataLaudo;
  SerieArquivo Rendimento{}, DeducaoPO{}, DeducaoPP{}, DeducaoDP{}, DeducaoPA{}, Retido{}, Molestia{};
  SeriesJudiciais Judicial;
  SerieArquivo Rip65{}, Dac{}, Pdv{}, Ap{}, Copa{}, Bolsa{};
  int64_t TitularSocio = 0, LucrosDividendos = 0, Outros = 0;
  QString DescricaoOutros;
};

// Reads rows of a query over the view of the file's lines (V_TOLV_ITENS_ARQUIVO or one with its
// column names) into ValoresLinha. The columns are located once; a column the query lacks
// reads as zero, so queries of other sections with fewer series can use it too.
class LeitorLinhaArquivo {
 public:
  explicit LeitorLinhaArquivo(const bd::Consulta& consulta);

  // The identity of the current row: code, kind, number.
  void LeChave(ValoresLinha& linha) const;
  // The name, the report date and every series; `completa` false reads only the company
  // series (taxable income and tax withheld).
  void LeValores(ValoresLinha& linha, bool completa) const;

 private:
  struct Posicoes {
    std::array<int, 13> meses{};
  };
  Posicoes Serie(const char* prefixo) const;
  void Le(const Posicoes& p, SerieArquivo& serie) const;
  int Posicao(const QString& nome) const;

  const bd::Consulta& m_consulta;
  int m_codigo, m_tipo, m_numero, m_nome, m_laudo, m_judicial;
  Posicoes m_rendimento, m_po, m_pp, m_dp, m_pa, m_retido, m_molestia;
  Posicoes m_jAnterior, m_jAtual, m_jRendimento, m_jPO, m_jPP, m_jDP, m_jPA, m_jRetido, m_jDeposito;
  Posicoes m_rip65, m_dac, m_pdv, m_ap, m_copa, m_bolsa;
  int m_titSoc, m_lucDiv, m_outro, m_descOutro;
};
