#include "plataforma/relatorio/Relatorio.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QtMath>

#include <limits>

#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/IDestinoPaginas.h"

namespace relatorio {

namespace {

// The pictures record at the screen's resolution; the layout works in 1/96 inch.
double resolucaoFiguras() {
  static const double dpi = QPicture().logicalDpiX();
  return dpi > 0 ? dpi : 96.0;
}

// Fonts are given in points: drawn through a painter scaled to the report's unit, their size
// must be taken back by that scale (`porUnidade`: the unit in 1/96 inch).
QFont fonteAjustada(const QFont& fonte, qreal porUnidade) {
  const double escala = resolucaoFiguras() / 96.0 * porUnidade;
  if (escala == 1.0 || fonte.pointSizeF() <= 0) return fonte;
  QFont ajustada(fonte);
  ajustada.setPointSizeF(fonte.pointSizeF() / escala);
  return ajustada;
}

int bandeiras(const ItemBanda& item) {
  return int(item.alinhamento) | (item.quebraLinha ? int(Qt::TextWordWrap) : 0);
}

QString textoDe(const ItemBanda& item) { return item.valor ? item.valor() : item.texto; }

}  // namespace

// The state of one pass.
struct Relatorio::Execucao {
  IDestinoPaginas* destino = nullptr;  // nullptr: counting pass
  // Asked whether to go on: the destination, also while the pages are only counted.
  IDestinoPaginas* ouvinte = nullptr;
  qreal y = 0;
  // Nothing but the page header on the page yet: a band that asks for a new page, or does not
  // fit, stays on this one.
  bool noTopo = true;
  bool paginaAberta = false;
  bool descartaPagina = false;
  int enviadas = 0;
  QPicture figura;
  std::unique_ptr<QPainter> pintor;
};

Relatorio::Relatorio()
    : m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter) {}

Relatorio::~Relatorio() = default;

void Relatorio::definePagina(const QPageSize& tamanho, QPageLayout::Orientation orientacao, const QMarginsF& margensMm) {
  m_layout = QPageLayout(tamanho, orientacao, margensMm, QPageLayout::Millimeter);
}

qreal Relatorio::porUnidade() const { return m_unidade == Unidade::Milimetro ? Mm(1) : 1.0; }

QRectF Relatorio::folha() const {
  const QSizeF mm = m_layout.fullRect(QPageLayout::Millimeter).size();
  const qreal k = porUnidade();
  return QRectF(0, 0, Mm(mm.width()) / k, Mm(mm.height()) / k);
}

QRectF Relatorio::areaUtil() const {
  const QMarginsF m = m_layout.margins(QPageLayout::Millimeter);
  const qreal k = porUnidade();
  return folha().adjusted(Mm(m.left()) / k, Mm(m.top()) / k, -Mm(m.right()) / k, -Mm(m.bottom()) / k);
}

namespace {

Banda& faz(std::unique_ptr<Banda>& banda, Banda::Tipo tipo) {
  if (!banda) banda = std::make_unique<Banda>(tipo, 0);
  return *banda;
}

}  // namespace

Banda& Relatorio::titulo() { return faz(m_titulo, Banda::Tipo::Titulo); }
Banda& Relatorio::cabecalhoPagina() { return faz(m_cabecalhoPagina, Banda::Tipo::CabecalhoPagina); }
Banda& Relatorio::detalhe() { return faz(m_detalhe, Banda::Tipo::Detalhe); }
Banda& Relatorio::resumo() { return faz(m_resumo, Banda::Tipo::Resumo); }
Banda& Relatorio::rodapePagina() { return faz(m_rodapePagina, Banda::Tipo::RodapePagina); }

GrupoRelatorio& Relatorio::adicionaGrupo(std::function<QVariant()> chave) {
  m_grupos.push_back(std::make_unique<GrupoRelatorio>(std::move(chave)));
  return *m_grupos.back();
}

SubDetalhe& Relatorio::adicionaSubDetalhe(std::function<bool()> proximo) {
  m_subDetalhes.push_back(std::make_unique<SubDetalhe>(std::move(proximo)));
  return *m_subDetalhes.back();
}

int Relatorio::contaPaginas(IDestinoPaginas& destino) {
  Execucao contagem;
  contagem.ouvinte = &destino;
  m_contando = true;
  try {
    executa(contagem, false);
  } catch (...) {
    m_contando = false;
    throw;
  }
  m_contando = false;
  return numeroPagina();
}

int Relatorio::passa(IDestinoPaginas& destino, Passagem passagem) {
  m_parar = false;
  if (passagem != Passagem::ProximoLote) {
    m_total = 0;
    m_maisLotes = false;
    if (m_contaPaginas) {
      const int total = contaPaginas(destino);
      if (m_parar) return 0;
      m_total = total;
    }
  } else if (!m_maisLotes) {
    return 0;
  }
  Execucao e;
  e.destino = &destino;
  e.ouvinte = &destino;
  destino.defineFrenteVerso(m_frenteVerso);
  destino.inicia(m_layout);
  executa(e, passagem == Passagem::ProximoLote);
  if (passagem == Passagem::Tudo)
    while (m_maisLotes && !deveParar(e)) executa(e, true);
  destino.termina();
  return e.enviadas;
}

int Relatorio::prepara(IDestinoPaginas& destino) { return passa(destino, Passagem::Primeiro); }

int Relatorio::preparaProximoLote(IDestinoPaginas& destino) { return passa(destino, Passagem::ProximoLote); }

int Relatorio::preparaTudo(IDestinoPaginas& destino) { return passa(destino, Passagem::Tudo); }

bool Relatorio::deveParar(Execucao& e) const { return m_parar || (e.ouvinte && !e.ouvinte->continua()); }

void Relatorio::executa(Execucao& e, bool continuacao) {
  m_quebraPendente = false;
  if (continuacao) {
    m_deslocamento += m_pagina;
    m_pagina = 0;
    if (aoIniciarLote) aoIniciarLote();
  } else {
    m_pagina = 0;
    m_deslocamento = 0;
    m_percurso = Percurso();
    if (aoIniciar) aoIniciar();
  }
  m_maisLotes = false;
  iniciaPagina(e);
  if (!continuacao && m_titulo) imprime(e, *m_titulo);

  Percurso& p = m_percurso;
  p.anteriores.resize(m_grupos.size());
  // A record printed in this batch: a batch holds at least one, however long.
  bool noLote = false;
  while (!deveParar(e)) {
    if (p.pendente)
      p.pendente = false;
    else if (proximoRegistro ? !proximoRegistro() : !p.primeiro)
      break;
    // The batch is full: this record opens the next one. The counting pass goes on at once, as
    // the next batch will, so that it counts the pages the batches will have.
    if (m_lote > 0 && noLote && m_pagina >= m_lote) {
      terminaPagina(e, false);
      if (!m_contando) {
        p.pendente = true;
        m_maisLotes = true;
        return;
      }
      m_deslocamento += m_pagina;
      m_pagina = 0;
      if (aoIniciarLote) aoIniciarLote();
      iniciaPagina(e);
      noLote = false;
    }
    std::vector<QVariant> chaves;
    chaves.reserve(m_grupos.size());
    for (const auto& grupo : m_grupos) chaves.push_back(grupo->chave());
    size_t nivel = p.primeiro ? 0 : m_grupos.size();
    if (!p.primeiro)
      for (size_t i = 0; i < m_grupos.size(); ++i)
        if (chaves[i] != p.anteriores[i]) {
          nivel = i;
          break;
        }
    if (!p.primeiro)
      for (size_t i = m_grupos.size(); i-- > nivel;) imprime(e, m_grupos[i]->rodape());
    for (size_t i = nivel; i < m_grupos.size(); ++i) imprime(e, m_grupos[i]->cabecalho());
    if (m_detalhe) imprime(e, *m_detalhe);
    for (const auto& sub : m_subDetalhes) {
      if (sub->aoIniciar) sub->aoIniciar();
      bool algum = false;
      while (!deveParar(e) && sub->proximo()) {
        if (!algum) imprime(e, sub->cabecalho());
        algum = true;
        imprime(e, sub->detalhe());
      }
      if (algum) imprime(e, sub->rodape());
    }
    p.anteriores = std::move(chaves);
    p.primeiro = false;
    noLote = true;
  }
  if (!p.primeiro)
    for (size_t i = m_grupos.size(); i-- > 0;) imprime(e, m_grupos[i]->rodape());
  if (p.primeiro && !m_imprimeSeVazio) {
    // Nothing but the title and the headers would show.
    e.descartaPagina = true;
    --m_pagina;
  } else if (m_resumo && !deveParar(e)) {
    imprime(e, *m_resumo);
  }
  terminaPagina(e, true);
}

qreal Relatorio::limiteInferior() const {
  qreal limite = areaUtil().bottom();
  if (m_rodapePagina && m_rodapePagina->habilitada()) limite -= m_rodapePagina->altura();
  return limite;
}

qreal Relatorio::alturaDe(Banda& banda) const {
  qreal altura = banda.altura();
  for (const ItemBanda& item : banda.itens()) {
    if (!item.visivel || !item.cresce || item.tipo != ItemBanda::Tipo::Texto) continue;
    const QFontMetricsF metricas(fonteAjustada(item.fonte, porUnidade()));
    const QRectF medida = metricas.boundingRect(QRectF(0, 0, item.area.width(), std::numeric_limits<int>::max() / 4.0),
                                                bandeiras(item) | Qt::TextWordWrap, textoDe(item));
    altura = std::max(altura, banda.altura() + std::max<qreal>(0, medida.height() - item.area.height()));
  }
  return altura;
}

bool Relatorio::imprime(Execucao& e, Banda& banda) {
  if (!banda.habilitada()) return false;
  if (banda.antesDeImprimir && !banda.antesDeImprimir()) return false;
  if (!imprimeAqui(e, banda)) return false;
  if (banda.depoisDeImprimir) banda.depoisDeImprimir();
  for (const auto& filha : banda.filhas()) imprime(e, *filha);
  return true;
}

bool Relatorio::imprimeAqui(Execucao& e, Banda& banda) {
  const qreal altura = alturaDe(banda);
  const bool quebra = m_quebraPendente || banda.novaPagina() || e.y + altura > limiteInferior();
  m_quebraPendente = false;
  if (quebra && !e.noTopo) {
    terminaPagina(e, false);
    iniciaPagina(e);
  }
  desenha(e, banda, e.y, altura);
  e.y += altura;
  e.noTopo = false;
  return true;
}

void Relatorio::iniciaPagina(Execucao& e) {
  ++m_pagina;
  e.y = areaUtil().top();
  e.paginaAberta = true;
  if (e.destino) {
    e.figura = QPicture();
    e.pintor = std::make_unique<QPainter>(&e.figura);
    e.pintor->setRenderHint(QPainter::Antialiasing, false);
    const double escala = resolucaoFiguras() / 96.0 * porUnidade();
    e.pintor->scale(escala, escala);
  }
  if (m_cabecalhoPagina && (m_pagina > 1 || m_cabecalhoNaPrimeira)) {
    Banda& cabecalho = *m_cabecalhoPagina;
    if (cabecalho.habilitada() && (!cabecalho.antesDeImprimir || cabecalho.antesDeImprimir())) {
      const qreal altura = alturaDe(cabecalho);
      desenha(e, cabecalho, e.y, altura);
      e.y += altura;
      if (cabecalho.depoisDeImprimir) cabecalho.depoisDeImprimir();
      for (const auto& filha : cabecalho.filhas()) {
        if (!filha->habilitada() || (filha->antesDeImprimir && !filha->antesDeImprimir())) continue;
        const qreal h = alturaDe(*filha);
        desenha(e, *filha, e.y, h);
        e.y += h;
        if (filha->depoisDeImprimir) filha->depoisDeImprimir();
      }
    }
  }
  e.noTopo = true;
}

void Relatorio::terminaPagina(Execucao& e, bool ultima) {
  if (!e.paginaAberta) return;
  e.paginaAberta = false;
  if (e.descartaPagina) {
    if (e.pintor) e.pintor->end();
    e.pintor.reset();
    return;
  }
  if (m_rodapePagina && (!ultima || m_rodapeNaUltima)) {
    Banda& rodape = *m_rodapePagina;
    if (rodape.habilitada() && (!rodape.antesDeImprimir || rodape.antesDeImprimir())) {
      desenha(e, rodape, areaUtil().bottom() - rodape.altura(), rodape.altura());
      if (rodape.depoisDeImprimir) rodape.depoisDeImprimir();
    }
  }
  if (!e.destino) return;
  e.pintor->end();
  e.pintor.reset();
  const QRectF f = folha();
  const double escala = resolucaoFiguras() / 96.0 * porUnidade();
  e.figura.setBoundingRect(QRect(0, 0, qCeil(f.width() * escala), qCeil(f.height() * escala)));
  e.destino->recebe(e.figura);
  ++e.enviadas;
}

void Relatorio::desenha(Execucao& e, Banda& banda, qreal y, qreal altura) {
  if (!e.pintor) return;
  QPainter& p = *e.pintor;
  const QRectF util = areaUtil();
  p.save();
  p.translate(util.left(), y);
  if (banda.fundo().isValid()) p.fillRect(QRectF(0, 0, util.width(), altura), banda.fundo());
  for (const ItemBanda& item : banda.itens()) {
    if (!item.visivel) continue;
    switch (item.tipo) {
      case ItemBanda::Tipo::Texto: {
        QRectF area = item.area;
        if (item.cresce) area.setHeight(std::max(area.height(), altura - area.top()));
        p.setFont(fonteAjustada(item.fonte, porUnidade()));
        p.setPen(item.cor);
        p.drawText(area, bandeiras(item), textoDe(item));
        break;
      }
      case ItemBanda::Tipo::Linha:
        p.setPen(QPen(item.cor, item.espessura));
        p.drawLine(item.area.topLeft(), item.area.bottomRight());
        break;
      case ItemBanda::Tipo::Retangulo:
        if (item.fundo.isValid()) p.fillRect(item.area, item.fundo);
        if (item.moldura) {
          p.setPen(QPen(item.cor, item.espessura));
          p.setBrush(Qt::NoBrush);
          p.drawRect(item.area);
        }
        break;
      case ItemBanda::Tipo::Imagem:
        if (!item.imagem.isNull()) p.drawImage(item.area, item.imagem);
        break;
    }
  }
  p.restore();
}

}  // namespace relatorio
