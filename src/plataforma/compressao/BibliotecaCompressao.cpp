#include "plataforma/compressao/BibliotecaCompressao.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace compressao {

const QString BibliotecaCompressao::kArquivoTexto = QStringLiteral("declar.txt");

namespace {

using FuncaoProgresso = void (*)(int32_t);
using FuncaoDescomprime = int32_t (*)(const char*, const char*, FuncaoProgresso);
using FuncaoCancela = void (*)();

// The library takes a plain function: the progress of the decompression under way goes through
// here. One decompression at a time on the window thread.
const BibliotecaCompressao::Progresso* g_progresso = nullptr;

void Trampolim(int32_t posicao) {
  try {
    if (g_progresso && *g_progresso) (*g_progresso)(int(posicao));
  } catch (...) {
    // Nothing may unwind through the library's own frames; the progress shown is all that is lost.
  }
}

}  // namespace

struct BibliotecaCompressao::Impl {
  void* biblioteca = nullptr;
  FuncaoDescomprime descomprime = nullptr;
  FuncaoCancela cancela = nullptr;
  bool emCurso = false;
};

BibliotecaCompressao::BibliotecaCompressao(QString caminho)
    : m_caminho(std::move(caminho)), m_impl(std::make_unique<Impl>()) {}

BibliotecaCompressao::~BibliotecaCompressao() {
  if (m_impl->biblioteca) dlclose(m_impl->biblioteca);
}

bool BibliotecaCompressao::Carrega() {
  if (m_impl->biblioteca) return m_impl->descomprime != nullptr;
  if (m_caminho.isEmpty() || !QFileInfo(m_caminho).isFile()) return false;
  m_impl->biblioteca =
      dlopen(QFile::encodeName(QFileInfo(m_caminho).absoluteFilePath()).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!m_impl->biblioteca) return false;
  m_impl->descomprime = reinterpret_cast<FuncaoDescomprime>(dlsym(m_impl->biblioteca, "DescomprimirTolv"));
  m_impl->cancela = reinterpret_cast<FuncaoCancela>(dlsym(m_impl->biblioteca, "CancelarCompressao"));
  if (!m_impl->descomprime) {
    dlclose(m_impl->biblioteca);
    m_impl->biblioteca = nullptr;
    m_impl->cancela = nullptr;
    return false;
  }
  return true;
}

bool BibliotecaCompressao::Carregada() const { return m_impl->descomprime != nullptr; }

int BibliotecaCompressao::DescomprimirTolv(const QString& arquivo, const QString& pasta, const Progresso& progresso) {
  if (!m_impl->descomprime || m_impl->emCurso) return kAusente;
  const QByteArray nomeArquivo = QFile::encodeName(arquivo);
  const QByteArray nomePasta = QFile::encodeName(pasta);
  const Progresso* anterior = g_progresso;
  g_progresso = &progresso;
  m_impl->emCurso = true;
  const int resultado = m_impl->descomprime(nomeArquivo.constData(), nomePasta.constData(), &Trampolim);
  m_impl->emCurso = false;
  g_progresso = anterior;
  return resultado;
}

void BibliotecaCompressao::CancelarCompressao() {
  if (m_impl->emCurso && m_impl->cancela) m_impl->cancela();
}

}  // namespace compressao
