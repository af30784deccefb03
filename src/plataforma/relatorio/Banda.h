#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace relatorio {

class Relatorio;

// One thing a band draws. Positions are in the report's unit (1/96 inch) from the band's top
// left corner.
struct ItemBanda {
  enum class Tipo { Texto, Linha, Retangulo, Imagem };

  Tipo tipo = Tipo::Texto;
  QRectF area;
  // Texto: the fixed text, or, when valor is set, what it answers when the band prints.
  QString texto;
  std::function<QString()> valor;
  QFont fonte;
  Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
  bool quebraLinha = false;
  // The text may need more height than its area: the band grows to hold it.
  bool cresce = false;
  QColor cor = Qt::black;
  // Retangulo: fill (invalid: none) and frame; Linha: from the area's top left to its bottom right.
  QColor fundo;
  bool moldura = true;
  qreal espessura = 1;
  QImage imagem;
  bool visivel = true;
};

// A horizontal strip of a report: a title, a page header or footer, a detail, a group header or
// footer, a sub-detail's bands, the summary, or a child printed right below another band. The
// report owns its bands; references to bands and to their items stay valid for its life.
class Banda {
 public:
  enum class Tipo {
    Titulo,
    CabecalhoPagina,
    CabecalhoGrupo,
    Detalhe,
    SubDetalhe,
    RodapeGrupo,
    Resumo,
    RodapePagina,
    Filha,
  };

  Banda(Tipo tipo, qreal altura);
  ~Banda();
  Banda(const Banda&) = delete;
  Banda& operator=(const Banda&) = delete;

  Tipo tipo() const { return m_tipo; }
  qreal altura() const { return m_altura; }
  void setAltura(qreal altura) { m_altura = altura; }
  // A disabled band is skipped, with its children.
  bool habilitada() const { return m_habilitada; }
  void setHabilitada(bool habilitada) { m_habilitada = habilitada; }
  // The band always starts a page (unless nothing but the page header is on the current one).
  bool novaPagina() const { return m_novaPagina; }
  void setNovaPagina(bool nova) { m_novaPagina = nova; }
  // Background of the whole strip; invalid: none.
  const QColor& fundo() const { return m_fundo; }
  void setFundo(const QColor& cor) { m_fundo = cor; }
  // The font of the items added after this call.
  void setFonte(const QFont& fonte) { m_fonte = fonte; }
  const QFont& fonte() const { return m_fonte; }

  ItemBanda& texto(const QRectF& area, const QString& texto,
                   Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter);
  ItemBanda& campo(const QRectF& area, std::function<QString()> valor,
                   Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter);
  ItemBanda& linha(const QPointF& de, const QPointF& ate, qreal espessura = 1);
  ItemBanda& retangulo(const QRectF& area, const QColor& fundo = QColor(), bool moldura = true);
  ItemBanda& imagem(const QRectF& area, const QImage& imagem);
  const std::deque<ItemBanda>& itens() const { return m_itens; }
  std::deque<ItemBanda>& itens() { return m_itens; }

  // A band printed right below this one every time this one prints (and skipped with it).
  Banda& adicionaFilha(qreal altura);
  const std::vector<std::unique_ptr<Banda>>& filhas() const { return m_filhas; }

  // Runs before each printing of the band: false skips it this time (and its children). The
  // event may change the band (height, items, enabled children) for this printing.
  std::function<bool()> antesDeImprimir;
  // Runs after each printing of the band, before its children.
  std::function<void()> depoisDeImprimir;

 private:
  Tipo m_tipo;
  qreal m_altura;
  bool m_habilitada = true;
  bool m_novaPagina = false;
  QColor m_fundo;
  QFont m_fonte;
  std::deque<ItemBanda> m_itens;
  std::vector<std::unique_ptr<Banda>> m_filhas;
};

}  // namespace relatorio
