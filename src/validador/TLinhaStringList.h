#pragma once

#include <QString>
#include <QStringView>

#include <limits>
#include <vector>

// The items of one line split at the vertical bar, a value between double quotes being one item
// (a doubled quote inside stands for one). Items are views into the line's text, so splitting
// allocates nothing once the lists are large enough; the text must outlive the items. Only the
// first items are kept (more than any record has): a line of millions of empty fields is counted
// whole, and its further items read as empty, without one entry each.
class TLinhaStringList {
 public:
  void Divide(QStringView texto);
  // Items, including the empty one after a final bar.
  int Quantidade() const { return m_quantidade; }
  // The values split (the empty item after a final bar is not counted).
  int Contagem() const { return m_contagem; }
  QStringView Item(int indice) const {
    if (indice >= kItensGuardados) return {};
    const Trecho& t = m_itens[size_t(indice)];
    return (t.desaspado ? QStringView(m_desaspados) : m_texto).mid(t.inicio, t.tamanho);
  }
  // Leaves the item empty (the import blanks rejected fields this way).
  void EsvaziaItem(int indice);

 private:
  struct Trecho {
    qsizetype inicio;
    qsizetype tamanho;
    bool desaspado;  // in m_desaspados rather than in the text
  };
  static constexpr int kItensGuardados = 1024;

  void Adiciona(qsizetype inicio, qsizetype tamanho, bool desaspado) {
    if (m_quantidade < kItensGuardados) {
      if (size_t(m_quantidade) == m_itens.size()) m_itens.resize(m_itens.size() * 2 + 16);
      m_itens[size_t(m_quantidade)] = {inicio, tamanho, desaspado};
    }
    if (m_quantidade < std::numeric_limits<int>::max()) ++m_quantidade;
  }

  QStringView m_texto;
  // Grows to the longest line and stays: the first m_quantidade entries are the items.
  std::vector<Trecho> m_itens;
  int m_quantidade = 0;
  QString m_desaspados;
  int m_contagem = 0;
};
