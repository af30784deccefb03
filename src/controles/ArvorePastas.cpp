#include "controles/ArvorePastas.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>

#include "controles/AreaTrabalho.h"

namespace {

// Shows the root's folders and the way down to the root, without the hidden names.
class ProxyPastas : public QSortFilterProxyModel {
 public:
  ProxyPastas(const QString* raiz, const QStringList* ocultos, QObject* pai)
      : QSortFilterProxyModel(pai), m_raiz(raiz), m_ocultos(ocultos) {}

  void refaz() { invalidateFilter(); }

 protected:
  bool filterAcceptsRow(int linha, const QModelIndex& pai) const override {
    const auto* modelo = static_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex i = modelo->index(linha, 0, pai);
    const QString caminho = modelo->filePath(i);
    if (AreaTrabalho::contem(caminho, *m_raiz)) return true;  // on the way down to the root
    if (!AreaTrabalho::contem(*m_raiz, caminho)) return false;
    return !m_ocultos->contains(modelo->fileName(i).toUpper());
  }

 private:
  const QString* m_raiz;
  const QStringList* m_ocultos;
};

}  // namespace

ArvorePastas::ArvorePastas(QWidget* pai) : QTreeView(pai), m_raiz(AreaTrabalho::raiz()) {
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAnimated(false);
  criaModelo();
}

ArvorePastas::~ArvorePastas() = default;

void ArvorePastas::criaModelo() {
  QFileSystemModel* antigo = m_modelo;
  m_modelo = new QFileSystemModel(this);
  m_modelo->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_modelo->setReadOnly(true);
  m_modelo->setRootPath(m_raiz);
  m_modelo->sort(0, Qt::AscendingOrder);
  if (!m_proxy) {
    m_proxy = new ProxyPastas(&m_raiz, &m_ocultos, this);
    m_proxy->setRecursiveFilteringEnabled(false);
  }
  m_proxy->setSourceModel(m_modelo);
  delete antigo;
  if (model() != m_proxy) {
    setModel(m_proxy);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ArvorePastas::aoMudarAtual);
  }
  setRootIndex(m_proxy->mapFromSource(m_modelo->index(m_raiz)));
  // On the root until a folder is chosen: taking the focus must not pick the first folder.
  setCurrentIndex(QModelIndex());
  for (int c = 1; c < m_proxy->columnCount(rootIndex()); ++c) hideColumn(c);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void ArvorePastas::SetRaiz(const QString& pasta) {
  const QString raiz = pasta.isEmpty() ? AreaTrabalho::raiz() : QDir::cleanPath(pasta);
  if (raiz == m_raiz) return;
  m_raiz = raiz;
  criaModelo();
  aoMudarAtual();
}

void ArvorePastas::OcultaNomes(const QStringList& nomes) {
  m_ocultos.clear();
  for (const QString& n : nomes) m_ocultos << n.toUpper();
  static_cast<ProxyPastas*>(m_proxy)->refaz();
}

bool ArvorePastas::VaiPara(const QString& pasta) {
  if (pasta.isEmpty()) return false;
  const QFileInfo info(pasta);
  if (!info.isDir()) return false;
  const QString caminho = QDir::cleanPath(info.absoluteFilePath());
  if (!AreaTrabalho::contem(m_raiz, caminho)) return false;
  if (caminho == m_raiz) {
    setCurrentIndex(QModelIndex());
    aoMudarAtual();
    return true;
  }
  const QModelIndex i = m_proxy->mapFromSource(m_modelo->index(caminho));
  if (!i.isValid()) return false;
  setCurrentIndex(i);
  scrollTo(i);
  expand(i);
  return true;
}

QString ArvorePastas::PastaAtual() const {
  const QModelIndex i = currentIndex();
  if (!i.isValid()) return m_raiz;
  return m_modelo->filePath(m_proxy->mapToSource(i));
}

void ArvorePastas::Atualiza() {
  const QString atual = PastaAtual();
  criaModelo();
  if (!VaiPara(atual)) aoMudarAtual();
}

void ArvorePastas::aoMudarAtual() { emit PastaMudou(PastaAtual()); }

void ArvorePastas::keyPressEvent(QKeyEvent* evento) {
  // Enter opens the selected folder, as the right arrow does.
  if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && currentIndex().isValid()) {
    expand(currentIndex());
    return;
  }
  QTreeView::keyPressEvent(evento);
}

void ArvorePastas::mouseReleaseEvent(QMouseEvent* evento) {
  QTreeView::mouseReleaseEvent(evento);
  emit Clicada();
}
