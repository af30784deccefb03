#include "interface/TTzuqTree.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace {

TTzuqTree* g_instancia = nullptr;

const QColor kCorCabeca(0x09, 0x41, 0x81);
const QColor kCorNo(0x4E, 0x5C, 0x67);
const QColor kCorSelecao(0xB9, 0xD0, 0xDE);

// Group heads in bold blue, the other nodes in grey; the selected node keeps its text colour
// on a light blue band.
class TDesenhoNo : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The band is filled here, and the style's focus frame left out, since both would tint it.
  void paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
             const QModelIndex& indice) const override {
    QStyleOptionViewItem semSelecao(opcao);
    if (opcao.state & QStyle::State_Selected) {
      pintor->fillRect(opcao.rect, kCorSelecao);
      semSelecao.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
    QStyledItemDelegate::paint(pintor, semSelecao, indice);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override {
    QStyledItemDelegate::initStyleOption(opcao, indice);
    const bool cabeca = indice.data(Qt::UserRole).toInt() % 100 == 0;
    opcao->font.setPointSize(9);
    opcao->font.setBold(cabeca);
    opcao->fontMetrics = QFontMetrics(opcao->font);
    const QColor texto = cabeca ? kCorCabeca : kCorNo;
    opcao->palette.setColor(QPalette::Text, texto);
  }
};

}  // namespace

TTzuqTree::TTzuqTree(QWidget* parent) : QWidget(parent) {
  m_arvore = new QTreeWidget(this);
  m_arvore->setObjectName(QStringLiteral("tArvore"));
  m_arvore->setColumnCount(1);
  m_arvore->setHeaderHidden(true);
  // Long captions scroll sideways, whole, instead of ending in an ellipsis.
  m_arvore->header()->setStretchLastSection(false);
  m_arvore->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  m_arvore->setTextElideMode(Qt::ElideNone);
  m_arvore->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_arvore->setSelectionMode(QAbstractItemView::SingleSelection);
  m_arvore->setFrameShape(QFrame::NoFrame);
  m_arvore->setIndentation(19);
  m_arvore->setItemDelegate(new TDesenhoNo(m_arvore));
  QPalette paleta = m_arvore->palette();
  for (const auto grupo : {QPalette::Active, QPalette::Inactive}) {
    paleta.setColor(grupo, QPalette::Base, Qt::white);
    paleta.setColor(grupo, QPalette::Highlight, kCorSelecao);
  }
  m_arvore->setPalette(paleta);
  m_arvore->viewport()->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_arvore);

  connect(m_arvore, &QTreeWidget::itemClicked, this, &TTzuqTree::Clicado);

  Reconstroi(0);
  QString titulo;
  SelecionaNo(101, titulo);
}

TTzuqTree::~TTzuqTree() {
  if (g_instancia == this) g_instancia = nullptr;
}

TTzuqTree* TTzuqTree::Instancia() { return g_instancia; }

void TTzuqTree::Registra(TTzuqTree* arvore) { g_instancia = arvore; }

void TTzuqTree::SelecionaNo(int codigo, QString& titulo) {
  for (QTreeWidgetItemIterator it(m_arvore); *it; ++it) {
    if (CodigoDoNo(*it) != codigo) continue;
    m_arvore->setCurrentItem(*it);
    m_arvore->scrollToItem(*it);
    if (const auto texto = TituloDoCodigo(codigo)) titulo = *texto;
    return;
  }
}

QTreeWidgetItem* TTzuqTree::NoSelecionado() const {
  const auto selecionados = m_arvore->selectedItems();
  return selecionados.isEmpty() ? nullptr : selecionados.first();
}

std::optional<int> TTzuqTree::CodigoSelecionado() const {
  if (const QTreeWidgetItem* no = NoSelecionado()) return CodigoDoNo(no);
  return std::nullopt;
}

int TTzuqTree::CodigoDoNo(const QTreeWidgetItem* no) { return no->data(0, Qt::UserRole).toInt(); }

void TTzuqTree::AplicaIndicadores(const TIndicadoresArvore& indicadores) {
  setMostraPlanoSaude(indicadores.inPlanoSaude);
  setMostraFC(indicadores.inAdmFC);
  setMostraProcesso(indicadores.inAdvogado);
  setMostraRemessa(indicadores.inRemessa);
  setMostraCompensacaoExigibilidade(false);
  setMostraCompensacaoExigibilidadeFC(false);
  setMostraCompensacaoExigibilidadeProc(false);
}

void TTzuqTree::DefineVerificacaoClique(std::function<bool()> podeClicar) {
  m_podeClicar = std::move(podeClicar);
}

bool TTzuqTree::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_arvore->viewport() && m_podeClicar &&
      (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonDblClick))
    return !m_podeClicar();
  return QWidget::eventFilter(objeto, evento);
}

void TTzuqTree::Altera(bool TPropriedadesArvore::*campo, bool valor, int codigoExpansao) {
  m_propriedades.*campo = valor;
  Reconstroi(codigoExpansao);
}

void TTzuqTree::Reconstroi(int codigoExpansao) {
  const std::vector<TNoArvore> nos = MontaArvore(m_propriedades, codigoExpansao);
  // One repaint for the whole rebuild, not one per node.
  m_arvore->setUpdatesEnabled(false);
  m_arvore->clear();
  std::vector<QTreeWidgetItem*> itens;
  itens.reserve(nos.size());
  for (const TNoArvore& no : nos) {
    auto* item = no.pai < 0 ? new QTreeWidgetItem(m_arvore) : new QTreeWidgetItem(itens[no.pai]);
    item->setText(0, no.legenda);
    // The whole caption, for a tree too narrow to show it.
    item->setToolTip(0, no.legenda);
    item->setData(0, Qt::UserRole, no.codigo);
    itens.push_back(item);
  }
  for (std::size_t i = 0; i < nos.size(); ++i)
    if (nos[i].expandido) itens[i]->setExpanded(true);
  m_arvore->setUpdatesEnabled(true);
}

void TTzuqTree::Clicado() {
  if (const auto codigo = CodigoSelecionado()) emit onChangeCE(*codigo);
}

void TTzuqTree::setMostraFC(bool valor) { Altera(&TPropriedadesArvore::mostraFC, valor, 300); }
void TTzuqTree::setMostraPlanoSaude(bool valor) {
  Altera(&TPropriedadesArvore::mostraPlanoSaude, valor, 800);
}
void TTzuqTree::setMostraProcesso(bool valor) {
  Altera(&TPropriedadesArvore::mostraProcesso, valor, 400);
}
void TTzuqTree::setMostraDERC(bool valor) { Altera(&TPropriedadesArvore::mostraDERC, valor, 500); }
void TTzuqTree::setMostraRemessa(bool valor) {
  Altera(&TPropriedadesArvore::mostraRemessa, valor, 601);
}
void TTzuqTree::setMostraExpandido(bool valor) {
  Altera(&TPropriedadesArvore::mostraExpandido, valor, 0);
}
void TTzuqTree::setMostraCompensacaoExigibilidade(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompensacaoExigibilidade, valor, 0);
}
void TTzuqTree::setMostraCompensacaoExigibilidadeFC(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompensacaoExigibilidadeFC, valor, 0);
}
void TTzuqTree::setMostraCompensacaoExigibilidadeProc(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompensacaoExigibilidadeProc, valor, 0);
}
void TTzuqTree::setMostraComprovante(bool valor) {
  Altera(&TPropriedadesArvore::mostraComprovante, valor, 0);
}
void TTzuqTree::setMostraRendimentosIsentos(bool valor) {
  Altera(&TPropriedadesArvore::mostraRendimentosIsentos, valor, 0);
}
void TTzuqTree::setMostraRendimentosIsentosFC(bool valor) {
  Altera(&TPropriedadesArvore::mostraRendimentosIsentosFC, valor, 0);
}
void TTzuqTree::setMostraRendimentosIsentosProc(bool valor) {
  Altera(&TPropriedadesArvore::mostraRendimentosIsentosProc, valor, 0);
}
void TTzuqTree::setMostraMolestia(bool valor) {
  Altera(&TPropriedadesArvore::mostraMolestia, valor, 0);
}
void TTzuqTree::setMostraMolestiaProc(bool valor) {
  Altera(&TPropriedadesArvore::mostraMolestiaProc, valor, 0);
}
void TTzuqTree::setMostraMolestiaAnexo(bool valor) {
  Altera(&TPropriedadesArvore::mostraMolestiaAnexo, valor, 0);
}
void TTzuqTree::setMostraCompRendimentosTributaveis(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompRendimentosTributaveis, valor, 0);
}
void TTzuqTree::setMostraCompRendimentosIsentos(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompRendimentosIsentos, valor, 0);
}
void TTzuqTree::setMostraCompTributacaoExclusiva(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompTributacaoExclusiva, valor, 0);
}
void TTzuqTree::setMostraCompInformacoesComplementares(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompInformacoesComplementares, valor, 0);
}
void TTzuqTree::setMostraCompNaturezaRendimento(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompNaturezaRendimento, valor, 0);
}
void TTzuqTree::setMostraCompInfCompRetencoes(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompInfCompRetencoes, valor, 0);
}
void TTzuqTree::setMostraCompInfCompRetencoesOrgaos(bool valor) {
  Altera(&TPropriedadesArvore::mostraCompInfCompRetencoesOrgaos, valor, 0);
}
