#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "plataforma/relatorio/Banda.h"
#include "plataforma/relatorio/GrupoRelatorio.h"
#include "plataforma/relatorio/SubDetalhe.h"

namespace relatorio {

class IDestinoPaginas;

// A banded report. The report is described once (paper, bands and their items, groups,
// sub-details, events) and then prepared: laid out into pages that go, one by one as each is
// finished, to a destination (the preview's pages, a PDF file, a printer).
//
// Unit: 1/96 inch, from the top left corner of the paper (Mm() converts). Bands are laid out
// inside the margins, each at its height; a band that does not fit in what is left of the page
// above the page footer starts the next page.
//
// One preparation, in order:
//   aoIniciar(); page 1: page header (unless off for the first page), title;
//   for each master record (proximoRegistro() answers true; with no proximoRegistro the detail
//   prints once): footers of the groups whose key changed, innermost first, then their
//   headers, outermost first; the detail; then each sub-detail's records;
//   at the end: every group footer, the summary, and the page footer of the last page (unless
//   off). Each page ends with its page footer at the bottom of the margins and goes to the
//   destination; the next one starts with the page header.
// A band prints with its children right below it, each with its own events.
//
// A preparation may run twice: with setContaPaginas(true) a first pass lays the pages out
// without drawing them, so that totalPaginas() is known while the pages are drawn ("Página 1
// de 12"). aoIniciar must therefore rewind everything the events read or accumulate.
//
// Batches: with setLotePaginas(n) a preparation ends at the first master record that would start
// once the batch holds n pages (the page it is on is finished with its footer); temProximoLote()
// then answers true and preparaProximoLote goes on from that record, without aoIniciar (but with
// aoIniciarLote), its pages numbered on: numeroPagina() counts from the first batch's first page.
// preparaTudo sends every batch to one destination (a printer, a file). The counting pass counts
// the whole report, every batch included.
//
// Units: 1/96 inch, or millimetres after setUnidade(Unidade::Milimetro): band heights, item
// areas, line widths and areaUtil() are then in millimetres.
//
// An exception raised by an event ends the preparation: the pages already finished stay with
// the destination, and the exception reaches the caller.
//
// A list with a total per code, shown in the preview (controles/TFoPreview.h), printed with no
// dialog (controles/ImpressaoRelatorio.h) or written to a file (EscritaPdf.h):
//   Relatorio rel;
//   rel.aoIniciar = [&] { consulta.primeiro(); total = 0; };
//   rel.proximoRegistro = [&] { return consulta.proximo(), !consulta.eof(); };
//   GrupoRelatorio& codigo = rel.adicionaGrupo([&] { return consulta.campo("COD").texto(); });
//   codigo.cabecalho().setAltura(20);
//   codigo.cabecalho().campo({0, 0, 300, 20}, [&] { return "Código " + consulta.campo("COD").texto(); });
//   Banda& linha = rel.detalhe();
//   linha.setAltura(16);
//   linha.campo({0, 0, 400, 16}, [&] { return consulta.campo("NOME").texto(); });
//   linha.depoisDeImprimir = [&] { total += consulta.campo("VALOR").valor(); };
//   MostraPreview(rel);
class Relatorio {
 public:
  Relatorio();
  ~Relatorio();
  Relatorio(const Relatorio&) = delete;
  Relatorio& operator=(const Relatorio&) = delete;

  enum class Unidade { Pixel, Milimetro };

  // The paper: size, orientation and margins in millimetres. A4 portrait with 10 mm margins
  // until set.
  void definePagina(const QPageSize& tamanho, QPageLayout::Orientation orientacao, const QMarginsF& margensMm);
  QPageLayout layout() const { return m_layout; }
  // The unit of everything placed on the page; Pixel (1/96 inch) until set.
  void setUnidade(Unidade unidade) { m_unidade = unidade; }
  Unidade unidade() const { return m_unidade; }
  // Printed on both sides of the paper, when the printer can.
  void setFrenteVerso(bool frenteVerso) { m_frenteVerso = frenteVerso; }
  bool frenteVerso() const { return m_frenteVerso; }
  // The whole paper and the area inside the margins, in the report's unit.
  QRectF folha() const;
  QRectF areaUtil() const;
  // The document's name for printers and PDF files.
  const QString& tituloDocumento() const { return m_tituloDocumento; }
  void setTituloDocumento(const QString& titulo) { m_tituloDocumento = titulo; }

  // The bands, made on first use (a band never asked for never prints).
  Banda& titulo();
  Banda& cabecalhoPagina();
  Banda& detalhe();
  Banda& resumo();
  Banda& rodapePagina();
  // Groups nest in the order they are added (the first is the outermost).
  GrupoRelatorio& adicionaGrupo(std::function<QVariant()> chave);
  // Sub-details print in the order they are added.
  SubDetalhe& adicionaSubDetalhe(std::function<bool()> proximo);

  // Before each preparation (and each pass): rewinds the data and clears what the events sum.
  std::function<void()> aoIniciar;
  // Before each batch after the first (preparaProximoLote), in place of aoIniciar.
  std::function<void()> aoIniciarLote;
  // Moves to the next master record; false when there is none (the first call moves to the
  // first record). Empty: the detail prints once.
  std::function<bool()> proximoRegistro;

  void setCabecalhoNaPrimeiraPagina(bool imprime) { m_cabecalhoNaPrimeira = imprime; }
  void setRodapeNaUltimaPagina(bool imprime) { m_rodapeNaUltima = imprime; }
  void setContaPaginas(bool conta) { m_contaPaginas = conta; }
  // Off: a report without any master record produces no page at all (on at first).
  void setImprimeSeVazio(bool imprime) { m_imprimeSeVazio = imprime; }
  // Pages of a batch (0: the report in one preparation).
  void setLotePaginas(int paginas) { m_lote = paginas; }
  int lotePaginas() const { return m_lote; }

  // Read by the events while the report is prepared: the page being laid out within the batch
  // (from 1), its number in the whole report (the pages of the earlier batches plus paginaAtual),
  // and the number of pages when setContaPaginas is on (0 otherwise, and during the counting pass).
  int paginaAtual() const { return m_pagina; }
  int numeroPagina() const { return m_deslocamento + m_pagina; }
  int deslocamentoPaginas() const { return m_deslocamento; }
  int totalPaginas() const { return m_total; }
  // Whether this pass only counts the pages (nothing is drawn).
  bool contando() const { return m_contando; }
  // From an event: the next band starts a new page.
  void quebraPagina() { m_quebraPendente = true; }
  // Asks the preparation to stop after the record it is on; the page it is on is finished.
  void para() { m_parar = true; }
  bool parado() const { return m_parar; }

  // Lays the report out into pages sent to the destination; returns how many were sent. With
  // batches, only the first batch.
  int prepara(IDestinoPaginas& destino);
  // The batch a preparation left for later (the last one stopped at its page limit).
  bool temProximoLote() const { return m_maisLotes; }
  // The next batch, from where the last one stopped; 0 when there is none.
  int preparaProximoLote(IDestinoPaginas& destino);
  // Every batch, one after the other, into the destination.
  int preparaTudo(IDestinoPaginas& destino);

 private:
  struct Execucao;

  // The walk over the master records, kept between batches.
  struct Percurso {
    std::vector<QVariant> anteriores;
    bool primeiro = true;
    bool pendente = false;  // a batch ended on this record: it prints first in the next one
  };

  // The first batch, the next one, or every batch, into the destination.
  enum class Passagem { Primeiro, ProximoLote, Tudo };
  int passa(IDestinoPaginas& destino, Passagem passagem);
  int contaPaginas(IDestinoPaginas& destino);
  void executa(Execucao& e, bool continuacao);
  bool imprime(Execucao& e, Banda& banda);
  bool imprimeAqui(Execucao& e, Banda& banda);
  void iniciaPagina(Execucao& e);
  void terminaPagina(Execucao& e, bool ultima);
  qreal alturaDe(Banda& banda) const;
  qreal limiteInferior() const;
  // The report's unit in 1/96 inch.
  qreal porUnidade() const;
  void desenha(Execucao& e, Banda& banda, qreal y, qreal altura);
  bool deveParar(Execucao& e) const;

  QPageLayout m_layout;
  QString m_tituloDocumento;
  std::unique_ptr<Banda> m_titulo;
  std::unique_ptr<Banda> m_cabecalhoPagina;
  std::unique_ptr<Banda> m_detalhe;
  std::unique_ptr<Banda> m_resumo;
  std::unique_ptr<Banda> m_rodapePagina;
  std::vector<std::unique_ptr<GrupoRelatorio>> m_grupos;
  std::vector<std::unique_ptr<SubDetalhe>> m_subDetalhes;
  bool m_cabecalhoNaPrimeira = true;
  bool m_rodapeNaUltima = true;
  bool m_contaPaginas = false;
  bool m_imprimeSeVazio = true;
  bool m_frenteVerso = false;
  Unidade m_unidade = Unidade::Pixel;
  int m_lote = 0;

  Percurso m_percurso;
  bool m_maisLotes = false;
  int m_deslocamento = 0;
  int m_pagina = 0;
  int m_total = 0;
  bool m_contando = false;
  bool m_quebraPendente = false;
  bool m_parar = false;
};

}  // namespace relatorio
