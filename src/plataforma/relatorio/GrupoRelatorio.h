#pragma once

#include <QVariant>

#include <functional>

#include "plataforma/relatorio/Banda.h"

namespace relatorio {

// A group of the master records: its header prints before the first record of each value of
// its key, its footer after the last one. The report asks the key after moving to a record;
// a footer therefore prints when the report already stands on the next group's first record,
// so footers show what the report accumulated (a total kept by the detail's events), not fields
// of the current record.
class GrupoRelatorio {
 public:
  explicit GrupoRelatorio(std::function<QVariant()> chave)
      : m_chave(std::move(chave)), m_cabecalho(Banda::Tipo::CabecalhoGrupo, 0), m_rodape(Banda::Tipo::RodapeGrupo, 0) {}
  GrupoRelatorio(const GrupoRelatorio&) = delete;
  GrupoRelatorio& operator=(const GrupoRelatorio&) = delete;

  // Both bands start with no height: give them items and a height to see them.
  Banda& cabecalho() { return m_cabecalho; }
  Banda& rodape() { return m_rodape; }
  QVariant chave() const { return m_chave ? m_chave() : QVariant(); }

 private:
  std::function<QVariant()> m_chave;
  Banda m_cabecalho;
  Banda m_rodape;
};

}  // namespace relatorio
