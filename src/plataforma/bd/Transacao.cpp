#include "plataforma/bd/Transacao.h"

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Interno.h"

namespace bd {

Transacao::Transacao(const QStringList& parametros)
    : m(std::make_shared<interno::NucleoTransacao>()), m_eu(std::make_shared<Transacao*>(this)) {
  defineParametros(parametros);
}

Transacao::Transacao(Conexao& conexao, const QStringList& parametros) : Transacao(parametros) {
  defineConexao(&conexao);
}

Transacao::~Transacao() {
  if (m) m->descarta();
  if (m_eu) *m_eu = nullptr;
}

Transacao::Transacao(Transacao&& o) noexcept : m(std::move(o.m)), m_eu(std::move(o.m_eu)) {
  if (m_eu) *m_eu = this;
}

Transacao& Transacao::operator=(Transacao&& o) noexcept {
  if (this != &o) {
    if (m) m->descarta();
    if (m_eu) *m_eu = nullptr;
    m = std::move(o.m);
    m_eu = std::move(o.m_eu);
    if (m_eu) *m_eu = this;
  }
  return *this;
}

void Transacao::defineConexao(Conexao* conexao) { m->vincula(conexao ? conexao->nucleo() : nullptr); }

bool Transacao::temConexao() const { return m->conexao != nullptr; }

bool Transacao::vinculadaA(const Conexao& conexao) const { return m->conexao && m->conexao == conexao.nucleo(); }

const QStringList& Transacao::parametros() const { return m->parametros; }

void Transacao::defineParametros(const QStringList& parametros) {
  m->tpb = interno::montaTpb(parametros);
  m->parametros = parametros;
}

bool Transacao::ativa() const { return m->ativa(); }

bool Transacao::pendente() const { return m->ativa() && m->alterada; }

void Transacao::inicia() { m->inicia(); }

void Transacao::commit() { m->commit(); }

void Transacao::prepara() { m->prepara(); }

void Transacao::commitRetendo() { m->commitRetendo(); }

void Transacao::rollback() { m->rollback(); }

void Transacao::rollbackRetendo() { m->rollbackRetendo(); }

}  // namespace bd
