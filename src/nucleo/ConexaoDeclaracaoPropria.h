#pragma once

#include <QString>

#include "plataforma/bd/Conexao.h"

// A declaration's database on a connection of its own, for a reader that must leave the open
// declaration alone (a report): its work, its transactions and the shared declaration connection
// are untouched whatever the reader does. Connects to DADOS/<arquivo> (a missing file is refused,
// never made from the template) and, while it lives, the collections of a TTolv that uses it
// (TTolv::DefineConexaoPropria) work on it. It must outlive that TTolv's collections.
class ConexaoDeclaracaoPropria {
 public:
  // Raises bd::ErroBanco when the file cannot be opened.
  explicit ConexaoDeclaracaoPropria(const QString& arquivo);
  ~ConexaoDeclaracaoPropria();
  ConexaoDeclaracaoPropria(const ConexaoDeclaracaoPropria&) = delete;
  ConexaoDeclaracaoPropria& operator=(const ConexaoDeclaracaoPropria&) = delete;

  bd::Conexao& Conexao() { return m_conexao; }

 private:
  bd::Conexao m_conexao;
};
