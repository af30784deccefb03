#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>

class TRegras;

// A rule as the element classes publish it: it tests the element and answers true when it holds.
using FuncaoRegra = bool (*)(TRegras&);

// The rules that one element class publishes, by name (compared without regard to case), with
// the table of its parent class to fall back on. A name is looked up here once, when an element
// registers it, never while the rules run.
class TabelaRegras {
 public:
  struct Item {
    const char* nome;
    FuncaoRegra funcao;
  };

  TabelaRegras(const char* classe, const TabelaRegras* pai, std::initializer_list<Item> itens);

  // The rule of this class, else of the nearest ancestor; nullptr when none has it.
  FuncaoRegra Procura(QStringView nome) const;
  const QString& Classe() const { return m_classe; }
  // The names this class itself publishes.
  QStringList Nomes() const { return m_nomes; }

 private:
  QString m_classe;
  const TabelaRegras* m_pai;
  QHash<QString, FuncaoRegra> m_itens;
  QStringList m_nomes;
};

// A member rule of an element class as a table entry.
template <class T, bool (T::*Metodo)()>
bool RegraDe(TRegras& elemento) {
  return (static_cast<T&>(elemento).*Metodo)();
}
