#include "plataforma/bd/Transacao.h"

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Interno.h"

namespace bd {

Transacao::Transacao(const QStringList& parametros) : m(std::make_shared<interno::NucleoTransacao>()) {
  defineParametros(parametros);
}

Transacao::Transacao(Conexao& conexao, const QStringList& parametros) : Transacao(parametros) {
  defineConexao(&conexao);
}

Transacao::~Transacao() {
  if (m) m->descarta();
}

Transacao::Transacao(Transacao&&) noexcept = default;

Transacao& Transacao::operator=(Transacao&& o) noexcept {
  if (this != &o) {
    if (m) m->descarta();
    m = std::move(o.m);
  }
  return *this;
}

void Transacao::defineConexao(Conexao* conexao) { m->vincula(conexao ? conexao->nucleo() : nullptr); }

bool Transacao::temConexao() const { return m->conexao != nullptr; }

const QStringList& Transacao::parametros() const { return m->parametros; }

void Transacao::defineParametros(const QStringList& parametros) {
  m->tpb = interno::montaTpb(parametros);
  m->parametros = parametros;
}

bool Transacao::ativa() const { return m->ativa(); }

void Transacao::inicia() { m->inicia(); }

void Transacao::commit() { m->commit(); }

void Transacao::commitRetendo() { m->commitRetendo(); }

void Transacao::rollback() { m->rollback(); }

void Transacao::rollbackRetendo() { m->rollbackRetendo(); }

}  // namespace bd
