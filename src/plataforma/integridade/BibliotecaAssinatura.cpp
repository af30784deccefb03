#include "plataforma/integridade/BibliotecaAssinatura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

BibliotecaAssinatura::~BibliotecaAssinatura() { Descarrega(); }

bool BibliotecaAssinatura::Carrega(const QString& caminho) {
  Descarrega();
  // A relative name would let dlopen search the library path: only the configured file counts.
  if (caminho.isEmpty() || QDir::isRelativePath(caminho) || !QFileInfo(caminho).isFile()) return false;
  m_modulo = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!m_modulo) return false;
  m_va5 = reinterpret_cast<FuncaoVA5>(dlsym(m_modulo, "VA5"));
  if (!m_va5) Descarrega();
  return Carregada();
}

bool BibliotecaAssinatura::Confere(const Dados& d) const {
  if (!m_va5) return false;
  // QByteArray keeps a terminating zero after its data: each argument is a C string.
  return m_va5(d.autenticacao.constData(), d.ni.constData(), d.controle.constData(), d.dia, d.mes, d.ano, d.hora,
               d.minuto, d.segundo) != 0;
}

void BibliotecaAssinatura::Descarrega() {
  m_va5 = nullptr;
  if (m_modulo) dlclose(m_modulo);
  m_modulo = nullptr;
}
