#include "nucleo/ConexaoDeclaracaoPropria.h"

#include <QFile>

#include "nucleo/TColecao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/sistema/Pastas.h"

ConexaoDeclaracaoPropria::ConexaoDeclaracaoPropria(const QString& arquivo)
    : m_conexao(Pastas::dados() + u'/' + arquivo) {
  // The engine would make nothing of a missing file; said plainly.
  if (arquivo.isEmpty() || !QFile::exists(m_conexao.arquivo()))
    throw bd::ErroBanco(QStringLiteral("O arquivo %1 não foi encontrado.").arg(m_conexao.arquivo()));
  m_conexao.conecta();
  TColecao::RegistraConexaoPropria(&m_conexao);
}

ConexaoDeclaracaoPropria::~ConexaoDeclaracaoPropria() { TColecao::RemoveConexaoPropria(&m_conexao); }
