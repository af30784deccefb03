#include "controles/ListaArquivos.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QSortFilterProxyModel>

namespace {

// Narrows the files to one extension and speaks the program's language in the columns. The
// order is the file model's own, which sorts sizes and dates as numbers and folders first.
class ProxyArquivos : public QSortFilterProxyModel {
 public:
  ProxyArquivos(const QString* extensao, QObject* pai) : QSortFilterProxyModel(pai), m_extensao(extensao) {}

  void refaz() { invalidateFilter(); }

  void sort(int coluna, Qt::SortOrder ordem) override {
    if (sourceModel()) sourceModel()->sort(coluna, ordem);
  }

  QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
    if (o == Qt::Horizontal && papel == Qt::DisplayRole) {
      switch (secao) {
        case 0: return QStringLiteral("Nome");
        case 1: return QStringLiteral("Tamanho");
        case 2: return QStringLiteral("Tipo");
        case 3: return QStringLiteral("Modificado em");
        default: break;
      }
    }
    return QSortFilterProxyModel::headerData(secao, o, papel);
  }

  QVariant data(const QModelIndex& i, int papel) const override {
    if (papel == Qt::DisplayRole && i.column() > 0) {
      const auto* modelo = static_cast<const QFileSystemModel*>(sourceModel());
      const QModelIndex f = mapToSource(i);
      const QFileInfo info = modelo->fileInfo(f);
      const QLocale br(QLocale::Portuguese, QLocale::Brazil);
      switch (i.column()) {
        case 1:
          if (modelo->isDir(f)) return QString();
          return QStringLiteral("%1 KB").arg(br.toString((info.size() + 1023) / 1024));
        case 2:
          if (modelo->isDir(f)) return QStringLiteral("Pasta de arquivos");
          return info.suffix().isEmpty() ? QStringLiteral("Arquivo")
                                         : QStringLiteral("Arquivo ") + info.suffix().toUpper();
        case 3:
          return br.toString(info.lastModified(), QStringLiteral("dd/MM/yyyy HH:mm"));
        default: break;
      }
    }
    if (papel == Qt::TextAlignmentRole && i.column() == 1)
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QSortFilterProxyModel::data(i, papel);
  }

 protected:
  bool filterAcceptsRow(int linha, const QModelIndex& pai) const override {
    if (m_extensao->isEmpty()) return true;
    const auto* modelo = static_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex i = modelo->index(linha, 0, pai);
    if (modelo->isDir(i)) return true;
    const QString nome = modelo->fileName(i);
    const int ponto = nome.lastIndexOf('.');
    return ponto >= 0 && nome.mid(ponto).compare(*m_extensao, Qt::CaseInsensitive) == 0;
  }

 private:
  const QString* m_extensao;
};

}  // namespace

ListaArquivos::ListaArquivos(QWidget* pai) : QTreeView(pai) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setExpandsOnDoubleClick(false);
  m_proxy = new ProxyArquivos(&m_extensao, this);
  criaModelo();
  setModel(m_proxy);
  header()->setSectionsClickable(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::Stretch);
  header()->resizeSection(1, 70);
  header()->resizeSection(2, 110);
  header()->resizeSection(3, 110);
  setSortingEnabled(true);
  sortByColumn(0, Qt::AscendingOrder);
}

ListaArquivos::~ListaArquivos() = default;

void ListaArquivos::criaModelo() {
  QFileSystemModel* antigo = m_modelo;
  m_modelo = new QFileSystemModel(this);
  m_modelo->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
  m_modelo->setReadOnly(true);
  m_proxy->setSourceModel(m_modelo);
  delete antigo;
}

void ListaArquivos::MostraPasta(const QString& pasta) {
  m_pasta = QDir::cleanPath(pasta);
  m_modelo->setRootPath(m_pasta);
  setRootIndex(m_proxy->mapFromSource(m_modelo->index(m_pasta)));
  clearSelection();
  setCurrentIndex(QModelIndex());
}

void ListaArquivos::SetExtensao(const QString& extensao) {
  if (extensao == m_extensao) return;
  m_extensao = extensao;
  static_cast<ProxyArquivos*>(m_proxy)->refaz();
  setRootIndex(m_proxy->mapFromSource(m_modelo->index(m_pasta)));
}

QModelIndex ListaArquivos::fonte(const QModelIndex& i) const { return m_proxy->mapToSource(i); }

QString ListaArquivos::CaminhoSelecionado() const {
  const QModelIndexList sel = selectionModel()->selectedRows();
  if (sel.isEmpty()) return QString();
  return m_modelo->filePath(fonte(sel.first()));
}

QStringList ListaArquivos::Nomes() const {
  QStringList r;
  const QModelIndex raiz = rootIndex();
  for (int i = 0; i < m_proxy->rowCount(raiz); ++i) r << m_proxy->index(i, 0, raiz).data().toString();
  return r;
}

bool ListaArquivos::Seleciona(const QString& nome) {
  const QModelIndex raiz = rootIndex();
  for (int i = 0; i < m_proxy->rowCount(raiz); ++i) {
    const QModelIndex idx = m_proxy->index(i, 0, raiz);
    if (idx.data().toString() == nome) {
      setCurrentIndex(idx);
      return true;
    }
  }
  return false;
}

void ListaArquivos::Atualiza() {
  const int coluna = header()->sortIndicatorSection();
  const Qt::SortOrder ordem = header()->sortIndicatorOrder();
  criaModelo();
  m_modelo->sort(coluna, ordem);
  MostraPasta(m_pasta);
}

void ListaArquivos::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    emit Ativada();
    return;
  }
  QTreeView::keyPressEvent(evento);
}

void ListaArquivos::mouseReleaseEvent(QMouseEvent* evento) {
  QTreeView::mouseReleaseEvent(evento);
  emit Clicada();
}

void ListaArquivos::mouseDoubleClickEvent(QMouseEvent* evento) {
  QTreeView::mouseDoubleClickEvent(evento);
  emit Ativada();
}

void ListaArquivos::focusInEvent(QFocusEvent* evento) {
  QTreeView::focusInEvent(evento);
  // Entering the list with nothing selected selects its first entry.
  if (selectionModel()->selectedRows().isEmpty()) {
    const QModelIndex primeira = m_proxy->index(0, 0, rootIndex());
    if (primeira.isValid()) setCurrentIndex(primeira);
  }
}
