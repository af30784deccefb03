#include "controles/TEstadoBase.h"

#include "controles/TFormAssistBase.h"

TEstadoBase::TEstadoBase(TFormAssistBase* dono, int pagina) : m_dono(dono), m_pagina(pagina) {}

TEstadoBase::~TEstadoBase() = default;

bool TEstadoBase::SemErro() const { return !m_erro; }

void TEstadoBase::TrataErro() {}

void TEstadoBase::Mostra() {
  if (m_dono) m_dono->MostraPagina(m_pagina);
}

void TEstadoBase::Sai() {}

void TEstadoBase::Entra() {}

int TEstadoBase::GetAnterior() const { return m_anterior; }

void TEstadoBase::SetAnterior(int indice) { m_anterior = indice; }

int TEstadoBase::GetProximo() const { return m_proximo; }

void TEstadoBase::Executa() {
  Mostra();
  if (!SemErro()) {
    // Shown once: a mark that nobody clears would show the page and the error for ever.
    TrataErro();
    SetErro(false);
    Mostra();
  }
  Entra();
}

void TEstadoBase::SetErro(bool erro) { m_erro = erro; }
