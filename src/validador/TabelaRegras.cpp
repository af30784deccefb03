#include "validador/TabelaRegras.h"

TabelaRegras::TabelaRegras(const char* classe, const TabelaRegras* pai, std::initializer_list<Item> itens)
    : m_classe(QString::fromLatin1(classe)), m_pai(pai) {
  for (const Item& item : itens) {
    const QString nome = QString::fromLatin1(item.nome);
    m_itens.insert(nome.toLower(), item.funcao);
    m_nomes.append(nome);
  }
}

FuncaoRegra TabelaRegras::Procura(QStringView nome) const {
  const QString chave = nome.toString().toLower();
  for (const TabelaRegras* t = this; t; t = t->m_pai)
    if (const auto it = t->m_itens.constFind(chave); it != t->m_itens.constEnd()) return it.value();
  return nullptr;
}
