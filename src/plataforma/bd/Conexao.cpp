#include "plataforma/bd/Conexao.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "plataforma/bd/Interno.h"
#include "plataforma/bd/Transacao.h"

using namespace Firebird;

namespace bd {

Conexao::Conexao() : m(std::make_shared<interno::NucleoConexao>()) {}

Conexao::Conexao(const QString& arquivo) : Conexao() { m->arquivo = arquivo; }

Conexao::~Conexao() {
  if (!m) return;
  try {
    m->desconecta();
  } catch (const ErroBanco&) {
    // The attachment is released either way; a destructor has no one to tell.
  }
  m->padrao.reset();  // it holds the connection's core: break the cycle
}

Conexao::Conexao(Conexao&&) noexcept = default;

Conexao& Conexao::operator=(Conexao&& o) noexcept {
  if (this != &o) {
    Conexao velha(std::move(*this));
    m = std::move(o.m);
  }
  return *this;
}

const QString& Conexao::arquivo() const { return m->arquivo; }

void Conexao::defineArquivo(const QString& arquivo) {
  if (m->att) throw ErroBanco(QStringLiteral("O arquivo de uma conexão ativa não pode ser trocado."));
  m->arquivo = arquivo;
}

void Conexao::conecta() { m->conecta(); }

void Conexao::desconecta() { m->desconecta(); }

bool Conexao::conectada() const { return m->att != nullptr; }

Transacao& Conexao::transacaoPadrao() {
  if (!m->padrao) m->padrao = std::make_unique<Transacao>(*this);
  return *m->padrao;
}

namespace {

int infoInteiro(interno::NucleoConexao& c, unsigned char item) {
  c.exigeConectada();
  return interno::protegido([&] {
    interno::Status st;
    unsigned char buffer[64] = {};
    c.att->getInfo(st.get(), 1, &item, sizeof buffer, buffer);
    if (buffer[0] != item) throw ErroBanco(QStringLiteral("O banco de dados não informou o item %1.").arg(item));
    const int tamanho = buffer[1] | (buffer[2] << 8);
    return int(isc_portable_integer(buffer + 3, short(tamanho)));
  });
}

}  // namespace

bool Conexao::escritaForcada() { return infoInteiro(*m, isc_info_forced_writes) != 0; }

int Conexao::buffersPagina() { return infoInteiro(*m, isc_info_num_buffers); }

bool Conexao::arquivoEmUso(const QString& arquivo) { return interno::arquivoConectado(arquivo); }

void Conexao::fechaAoEncerrar(std::function<void()> fecha) { interno::registraFechamento(std::move(fecha)); }

void Conexao::copiaArquivo(const QString& origem, const QString& destino) {
  if (interno::arquivoConectado(origem))
    throw ErroBanco(QStringLiteral("O banco de dados %1 está aberto e não pode ser copiado.").arg(origem));
  if (interno::arquivoConectado(destino))
    throw ErroBanco(QStringLiteral("O banco de dados %1 está aberto e não pode ser substituído.").arg(destino));
  QFile entrada(origem);
  if (!entrada.open(QIODevice::ReadOnly))
    throw ErroBanco(QStringLiteral("Não foi possível ler %1: %2").arg(origem, entrada.errorString()));
  QSaveFile saida(destino);
  if (!saida.open(QIODevice::WriteOnly))
    throw ErroBanco(QStringLiteral("Não foi possível criar %1: %2").arg(destino, saida.errorString()));
  QByteArray bloco;
  while (!entrada.atEnd()) {
    bloco = entrada.read(1 << 20);
    if (bloco.isEmpty() && entrada.error() != QFileDevice::NoError) break;
    if (saida.write(bloco) != bloco.size()) break;
  }
  if (entrada.error() != QFileDevice::NoError) {
    // The unfinished temporary file goes with the QSaveFile.
    throw ErroBanco(QStringLiteral("Não foi possível ler %1: %2").arg(origem, entrada.errorString()));
  }
  if (!saida.commit())
    throw ErroBanco(QStringLiteral("Não foi possível gravar %1: %2").arg(destino, saida.errorString()));
}

}  // namespace bd
