#include "plataforma/relatorio/Banda.h"

#include "plataforma/relatorio/FonteRelatorio.h"

namespace relatorio {

Banda::Banda(Tipo tipo, qreal altura) : m_tipo(tipo), m_altura(altura), m_fonte(FonteRelatorio(8)) {}

Banda::~Banda() = default;

ItemBanda& Banda::texto(const QRectF& area, const QString& texto, Qt::Alignment alinhamento) {
  ItemBanda& item = m_itens.emplace_back();
  item.tipo = ItemBanda::Tipo::Texto;
  item.area = area;
  item.texto = texto;
  item.fonte = m_fonte;
  item.alinhamento = alinhamento;
  return item;
}

ItemBanda& Banda::campo(const QRectF& area, std::function<QString()> valor, Qt::Alignment alinhamento) {
  ItemBanda& item = texto(area, QString(), alinhamento);
  item.valor = std::move(valor);
  return item;
}

ItemBanda& Banda::linha(const QPointF& de, const QPointF& ate, qreal espessura) {
  ItemBanda& item = m_itens.emplace_back();
  item.tipo = ItemBanda::Tipo::Linha;
  item.area = QRectF(de, ate);
  item.espessura = espessura;
  return item;
}

ItemBanda& Banda::retangulo(const QRectF& area, const QColor& fundo, bool moldura) {
  ItemBanda& item = m_itens.emplace_back();
  item.tipo = ItemBanda::Tipo::Retangulo;
  item.area = area;
  item.fundo = fundo;
  item.moldura = moldura;
  return item;
}

ItemBanda& Banda::imagem(const QRectF& area, const QImage& imagem) {
  ItemBanda& item = m_itens.emplace_back();
  item.tipo = ItemBanda::Tipo::Imagem;
  item.area = area;
  item.imagem = imagem;
  return item;
}

Banda& Banda::adicionaFilha(qreal altura) {
  m_filhas.push_back(std::make_unique<Banda>(Tipo::Filha, altura));
  m_filhas.back()->setFonte(m_fonte);
  return *m_filhas.back();
}

}  // namespace relatorio
