#pragma once

#include <QString>

class TFrDeclaracao;

// The way from a finding or a search hit to the field it names: the section chooses the page of
// the page container, the owner and object keys the record, and the page itself focuses the
// section's field. A request that names nothing the declaration shows is ignored.
class NavegacaoCampo {
 public:
  explicit NavegacaoCampo(TFrDeclaracao& conteiner) : m_conteiner(conteiner) {}

  void IrPara(const QString& dono, const QString& objeto, int secao);

 private:
  TFrDeclaracao& m_conteiner;
};
