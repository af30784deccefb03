#pragma once

#include <QDate>
#include <QPageLayout>
#include <QString>

#include <memory>
#include <utility>

#include "relatorios/TextosRelatorio.h"

namespace bd {
class Conexao;
class Transacao;
}  // namespace bd
namespace relatorio {
class Banda;
class Relatorio;
}  // namespace relatorio
class ConexaoDeclaracaoPropria;
class TAnexoFC;
class TColecaoTolv;
class TColecaoTolvItem;
class TErros;
class TTolv;
class TTolvItem;

// The frame of the declaration reports (totals per code, beneficiary list, summary, complete
// declaration, monthly totals, management): what every report shares of its entry, its own
// declaration, its heading, its declarant band and its footer. A report derives from it, builds
// its queries and bands in Monta and is run by ExecutaRelatorio:
//
//   class TFoRelatoListBenef2010 : public TRelatorioDeclaracao {
//    public:
//     explicit TFoRelatoListBenef2010(TColecaoTolv& indice)
//         : TRelatorioDeclaracao(indice, {QStringLiteral("FoRelatoListBenef2010"),
//                                         QStringLiteral("Lista de beneficiários"), QPageLayout::Landscape,
//                                         true, false}) {}
//     void Monta() override {
//       MontaCabecalho({TextosRelatorio::RegraEvento::A});
//       MontaRodape();
//       Relatorio().proximoRegistro = [this] { ... read from Leitura() or Linhas() ... };
//       Relatorio().detalhe() ...
//     }
//    protected:
//     void Reinicia() override { m_quantidade = 0; }  // each preparation starts afresh
//   };
//   // in the program's entries (app), one line:
//   entradas.listaBeneficiarios = EntradaRelatorio<TFoRelatoListBenef2010>;
//
// The report reads its declaration on a connection of its own (Banco(), with the read-only
// snapshot Leitura(); the collections of Tolv() work on it too): the declaration open in the main
// window, its pending work and its transactions are untouched by a report, before, during and
// after it. Events read the page through Relatorio().numeroPagina(), which goes on across batches
// (Relatorio().setLotePaginas).
class TRelatorioDeclaracao {
 public:
  // The report's row of the frame's variants.
  struct Modelo {
    QString nome;    // the form's name, "FoRelatoListBenef2010"
    QString titulo;  // the heading's title, also the document's name for printers and files
    QPageLayout::Orientation orientacao = QPageLayout::Landscape;
    bool linhasDeclarante = false;  // the declarant's lines in report order and a working annex
    bool linhaTrabalho = false;     // a working beneficiary line
    bool declaracao = true;         // false: the report loads no declaration (management report)
  };
  // The options of the page heading.
  struct Cabecalho {
    TextosRelatorio::RegraEvento regra = TextosRelatorio::RegraEvento::A;
    // The titles, number and name of the declarant (off where the declarant band or a detail
    // band carries them).
    bool identificacao = true;
    // The name in lines of 100 characters, at most two, the band as tall as they need; off: the
    // whole name, wrapped.
    bool nomeEmDuasLinhas = true;
  };

  TRelatorioDeclaracao(TColecaoTolv& indice, Modelo modelo);
  virtual ~TRelatorioDeclaracao();
  TRelatorioDeclaracao(const TRelatorioDeclaracao&) = delete;
  TRelatorioDeclaracao& operator=(const TRelatorioDeclaracao&) = delete;

  // The report's own declaration from the caller's (its key in the index): loaded on a
  // connection of its own, with its summaries, and, as the model asks, its line collection in
  // report order (list mode), a working annex and a working line. False, told in the message
  // box, when the declaration cannot be loaded: the report must not run.
  bool Carrega(const TTolv& chamador);
  // The paper (A4 in the model's orientation), the report's name, then Monta: ready to prepare.
  void Prepara();

  // The report's queries and bands (the paper is set: Relatorio().areaUtil() is known).
  virtual void Monta() = 0;
  // The "no data" check of a report that makes it itself, after Monta: true prints nothing and
  // says "Não existem dados a serem impressos.".
  virtual bool SemDados() { return false; }

  const Modelo& GetModelo() const { return m_modelo; }
  relatorio::Relatorio& Relatorio() { return *m_relatorio; }
  TColecaoTolv& Indice() { return m_indice; }
  // Valid after Carrega.
  TTolv& Tolv() { return *m_tolv; }
  bd::Conexao& Banco();
  bd::Transacao& Leitura() { return *m_leitura; }
  // As the model asks; valid after Carrega.
  TColecaoTolvItem& Linhas();
  TAnexoFC& Anexo() { return *m_anexo; }
  TTolvItem& Linha() { return *m_linha; }

  // The declarant: its kind (1 CPF, 2 CNPJ), formatted number and name.
  int TipoNi() const;
  QString NiDeclarante() const;
  QString NomeDeclarante() const;

  // The date the footer prints; today unless set.
  void DefineData(const QDate& data) { m_data = data; }
  const QDate& Data() const { return m_data; }

  // The shared bands, placed on the report's own bands; each returns the band it filled.
  // The page heading: logo, title, type, year, event and (as asked) the declarant.
  relatorio::Banda& MontaCabecalho(const Cabecalho& opcoes);
  // The declarant and responsible-person band under the page heading, on the report's first
  // page only (not on a later batch's): the declarant's titles, number and whole name, the
  // person responsible before the CNPJ (a company's), the person responsible for filling.
  relatorio::Banda& MontaBandaDeclarante();
  // The page footer: "Data: " and the date, "Declarante: " and the number (unless off), the
  // version, the page ("de N" when the report counts its pages).
  relatorio::Banda& MontaRodape(bool comDeclarante = true);

 protected:
  // The start of each preparation: the report clears its own counters and flags.
  virtual void Reinicia() {}

 private:
  TColecaoTolv& m_indice;
  Modelo m_modelo;
  QDate m_data = QDate::currentDate();
  std::unique_ptr<relatorio::Relatorio> m_relatorio;
  // In this order: the connection outlives the declaration's collections.
  std::unique_ptr<ConexaoDeclaracaoPropria> m_conexao;
  std::unique_ptr<bd::Transacao> m_leitura;
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
  std::unique_ptr<TAnexoFC> m_anexo;
  std::unique_ptr<TTolvItem> m_linha;
};

namespace detalhe {

// Set while a report of one class runs; cleared when the run ends, also by an exception, so the
// next report always opens.
class InstanciaUnica {
 public:
  explicit InstanciaUnica(bool& emExecucao) : m_emExecucao(emExecucao), m_livre(!emExecucao) {
    if (m_livre) m_emExecucao = true;
  }
  ~InstanciaUnica() {
    if (m_livre) m_emExecucao = false;
  }
  InstanciaUnica(const InstanciaUnica&) = delete;
  InstanciaUnica& operator=(const InstanciaUnica&) = delete;
  bool Livre() const { return m_livre; }

 private:
  bool& m_emExecucao;
  bool m_livre;
};

// The frame's entry after the report was made: load, prepare, the "no data" check, the output.
void Executa(TRelatorioDeclaracao& relatorio, const TTolv& tolv, bool visualiza);

}  // namespace detalhe

// Runs a report R (made with the index and `argumentos`) on the declaration whose key `tolv`
// carries: in the preview (visualiza) or straight to the current printer. A call while a report
// of the same class runs does nothing. Failures of the report's queries reach the caller.
template <class R, class... A>
void ExecutaRelatorio(const TTolv& tolv, TColecaoTolv& indice, bool visualiza, A&&... argumentos) {
  static bool emExecucao = false;
  detalhe::InstanciaUnica instancia(emExecucao);
  if (!instancia.Livre()) return;
  R relatorio(indice, std::forward<A>(argumentos)...);
  detalhe::Executa(relatorio, tolv, visualiza);
}

// A report's entry as the program's entries take it.
template <class R>
void EntradaRelatorio(TTolv& tolv, TColecaoTolv& indice, bool visualiza) {
  ExecutaRelatorio<R>(tolv, indice, visualiza);
}
