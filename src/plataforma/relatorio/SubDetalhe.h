#pragma once

#include <functional>

#include "plataforma/relatorio/Banda.h"

namespace relatorio {

// Records printed under each master record: for each master record the report calls aoIniciar,
// then `proximo` until it answers false; each true answer prints the detail band. The header
// prints before the first of them and the footer after the last, and neither prints when there
// was none.
class SubDetalhe {
 public:
  explicit SubDetalhe(std::function<bool()> proximo)
      : m_proximo(std::move(proximo)),
        m_cabecalho(Banda::Tipo::CabecalhoGrupo, 0),
        m_detalhe(Banda::Tipo::SubDetalhe, 0),
        m_rodape(Banda::Tipo::RodapeGrupo, 0) {}
  SubDetalhe(const SubDetalhe&) = delete;
  SubDetalhe& operator=(const SubDetalhe&) = delete;

  Banda& cabecalho() { return m_cabecalho; }
  Banda& detalhe() { return m_detalhe; }
  Banda& rodape() { return m_rodape; }
  bool proximo() { return m_proximo && m_proximo(); }

  // Rewinds the records for the master record the report stands on.
  std::function<void()> aoIniciar;

 private:
  std::function<bool()> m_proximo;
  Banda m_cabecalho;
  Banda m_detalhe;
  Banda m_rodape;
};

}  // namespace relatorio
