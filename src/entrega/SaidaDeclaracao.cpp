#include "entrega/SaidaDeclaracao.h"

#include "entrega/ErroGravacao.h"
#include "entrega/IDestinoBytes.h"

namespace {
[[noreturn]] void FalhaEscrita(const IDestinoBytes& destino) {
  throw ErroGravacao(QStringLiteral("EInOutError"),
                     QStringLiteral("Não foi possível gravar o arquivo da declaração: %1").arg(destino.Erro()));
}
}  // namespace

SaidaDeclaracao::SaidaDeclaracao(IDestinoBytes& destino, qsizetype capacidade)
    : m_destino(destino), m_capacidade(capacidade) {
  m_buffer.reserve(capacidade + 4096);
}

void SaidaDeclaracao::Grava(const QByteArray& registro) {
  m_buffer += registro;
  m_buffer += "\r\n";
  m_bytes += registro.size() + 2;
  ++m_linhas;
  if (m_buffer.size() >= m_capacidade) Esvazia();
}

void SaidaDeclaracao::Esvazia() {
  if (!m_buffer.isEmpty() && !m_destino.Grava(m_buffer.constData(), m_buffer.size())) FalhaEscrita(m_destino);
  m_buffer.resize(0);  // keeps the capacity
}

void SaidaDeclaracao::Descarrega() {
  Esvazia();
  if (!m_destino.Conclui()) FalhaEscrita(m_destino);
}
