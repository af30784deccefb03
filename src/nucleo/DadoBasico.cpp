#include "nucleo/DadoBasico.h"

#include <algorithm>
#include <vector>

namespace {

struct Adiamento {
  int abertas = 0;
  // Kept between loads: a walk over many lines allocates nothing per line.
  std::vector<TDadoBasico*> adiados;
};

Adiamento g_adiamento;

Adiamento& adiamento() { return g_adiamento; }

}  // namespace

TDadoBasico::~TDadoBasico() {
  if (m_adiado) TNotificacaoAdiada::Esquece(this);
  NotificaLiberacao();
}

void TDadoBasico::SetValor(const QString&) { NotificaAlteracao(); }

void TDadoBasico::NotificaAlteracao() {
  m_modificado = true;
  if (m_observadores.Vazia()) return;
  if (adiamento().abertas > 0) {
    if (!m_adiado) TNotificacaoAdiada::Adia(this);
    return;
  }
  m_observadores.NotificaAlteracao(this);
}

void TDadoBasico::NotificaLiberacao() { m_observadores.NotificaLiberacao(this); }

TNotificacaoAdiada::TNotificacaoAdiada() { ++adiamento().abertas; }

TNotificacaoAdiada::~TNotificacaoAdiada() {
  Adiamento& a = adiamento();
  if (a.abertas > 1) {
    --a.abertas;
    return;
  }
  // Still open while the values speak: a total told of a change waits its turn the same way, so
  // it speaks once however many of its terms changed.
  for (size_t i = 0; i < a.adiados.size(); ++i) {
    TDadoBasico* dado = a.adiados[i];
    if (!dado) continue;
    dado->m_adiado = false;
    a.adiados[i] = nullptr;
    dado->m_observadores.NotificaAlteracao(dado);
  }
  a.adiados.clear();
  a.abertas = 0;
}

bool TNotificacaoAdiada::Ativa() { return adiamento().abertas > 0; }

void TNotificacaoAdiada::Adia(TDadoBasico* dado) {
  dado->m_adiado = true;
  adiamento().adiados.push_back(dado);
}

void TNotificacaoAdiada::Esquece(TDadoBasico* dado) {
  std::vector<TDadoBasico*>& adiados = adiamento().adiados;
  std::replace(adiados.begin(), adiados.end(), dado, static_cast<TDadoBasico*>(nullptr));
}
