#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include <utility>
#include <vector>

// The hits of a search, kept as read a batch at a time while the grid scrolls: the search
// dialogs' models say only how a batch is read and how a row shows.
template <class T>
class ModeloLotes : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  const T* Registro(int i) const { return i >= 0 && i < int(m_linhas.size()) ? &m_linhas[size_t(i)] : nullptr; }
  int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : int(m_linhas.size()); }

 protected:
  // Empties the model and fills it with the first batch `le` reads into the list it gets.
  template <class Le>
  void Recomeca(Le&& le) {
    beginResetModel();
    m_linhas.clear();
    le(m_linhas);
    endResetModel();
  }
  // Rows alternate two shades, the first the darker.
  static QColor CorDaLinha(int linha) { return QColor(linha % 2 == 0 ? qRgb(0xD1, 0xDC, 0xE2) : qRgb(0xDC, 0xE5, 0xEC)); }
  // Appends a further batch below the rows shown.
  void Acrescenta(std::vector<T>& novas) {
    if (novas.empty()) return;
    beginInsertRows({}, int(m_linhas.size()), int(m_linhas.size() + novas.size()) - 1);
    for (T& l : novas) m_linhas.push_back(std::move(l));
    endInsertRows();
  }

  std::vector<T> m_linhas;
};
