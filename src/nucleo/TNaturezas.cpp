#include "nucleo/TNaturezas.h"

#include <utility>

TNaturezas::TNaturezas() {
  // Flags: notarial, health plan, fund or club, depositary, abroad, ostensive partner, cup.
  m_naturezas = {
      TNatureza(0, QStringLiteral("Pessoa jurídica de direito privado"), {0, 1, 1, 1, 1, 1, 1}),
      TNatureza(1, QStringLiteral("Órgãos, autarquias e fundações da administração pública federal"),
                {0, 1, 0, 0, 1, 0, 0}),
      TNatureza(2, QStringLiteral("Órgãos, autarquias e fundações da administração pública estadual, "
                                  "municipal ou do distrito federal"),
                {0, 1, 0, 0, 1, 0, 0}),
      TNatureza(3, QStringLiteral("Empresa pública ou sociedade de economia mista federal"),
                {0, 1, 1, 1, 1, 0, 0}),
      TNatureza(4, QStringLiteral("Empresa pública ou sociedade de economia mista estadual, "
                                  "municipal ou do distrito federal"),
                {0, 1, 1, 1, 1, 0, 0}),
      TNatureza(5, QString(), {}),
      TNatureza(6, QString(), {}),
      TNatureza(7, QString(), {}),
      TNatureza(8, QStringLiteral("Entidade com alteração de natureza jurídica (uso restrito)"),
                {0, 1, 1, 1, 1, 1, 1}),
      TNatureza(9, QStringLiteral("Pessoa Física"), {1, 1, 0, 0, 1, 0, 0}),
  };
}

TNatureza* TNaturezas::BuscaNatureza(int codigo) {
  return const_cast<TNatureza*>(std::as_const(*this).BuscaNatureza(codigo));
}

const TNatureza* TNaturezas::BuscaNatureza(int codigo) const {
  for (const TNatureza& n : m_naturezas)
    if (n.GetCodigo() == codigo) return &n;
  return nullptr;
}
