#include "plataforma/transmissao/ProgramaTransmissao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <algorithm>
#include <vector>

#include "plataforma/sistema/ArquivoIni.h"
#include "plataforma/sistema/Cp1252.h"
#include "plataforma/sistema/Pastas.h"

namespace {

const QString kArquivoIni = QStringLiteral("kal-von.ini");
const QString kSecao = QStringLiteral("Kal-Von");
const QString kBiblioteca = QStringLiteral("VELDRA21.DLL");

using FuncaoEnvia = int32_t (*)(uintptr_t, const char*, int32_t, char*, char*);
using FuncaoGauge = void (*)(ProgramaTransmissao::Progresso);

// Names written by other programs are matched without regard to case.
QString NaPasta(const QString& pasta, const QString& nome) {
  const QString exato = QDir(pasta).filePath(nome);
  if (QFileInfo(exato).isFile()) return exato;
  const QStringList achados = QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& a : achados)
    if (a.compare(nome, Qt::CaseInsensitive) == 0) return QDir(pasta).filePath(a);
  return {};
}

}  // namespace

struct ProgramaTransmissao::Impl {
  void* biblioteca = nullptr;
  FuncaoEnvia envia = nullptr;
  std::vector<char> caminho = std::vector<char>(kTamanhoCaminho);
  std::vector<char> mensagem = std::vector<char>(kTamanhoMensagem);
  std::vector<char> reservado = std::vector<char>(kTamanhoReservado);
};

ProgramaTransmissao::ProgramaTransmissao() : m_impl(std::make_unique<Impl>()) {}

ProgramaTransmissao::~ProgramaTransmissao() { Descarrega(); }

QString ProgramaTransmissao::ArquivoConfiguracao() { return NaPasta(Pastas::sistema(), kArquivoIni); }

bool ProgramaTransmissao::CaminhoCabe(const QString& caminho) {
  return QFile::encodeName(caminho).size() < kTamanhoCaminho;
}

ProgramaTransmissao::Situacao ProgramaTransmissao::Carrega() {
  Descarrega();
  const QString ini = ArquivoConfiguracao();
  if (ini.isEmpty()) return Situacao::NaoInstalado;
  const ArquivoIni configuracao(ini);
  if (configuracao.leInteiro(kSecao, QStringLiteral("Versao"), 0) < kVersaoMinima) return Situacao::Desatualizado;
  const QString pasta = configuracao.le(kSecao, QStringLiteral("Path")).trimmed();
  if (pasta.isEmpty()) return Situacao::NaoInstalado;
  const QString arquivo = NaPasta(pasta, kBiblioteca);
  if (arquivo.isEmpty()) return Situacao::NaoInstalado;
  // An absolute path: the library is found without the current folder.
  m_impl->biblioteca = dlopen(QFile::encodeName(QFileInfo(arquivo).absoluteFilePath()).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!m_impl->biblioteca) return Situacao::NaoInstalado;
  m_impl->envia = reinterpret_cast<FuncaoEnvia>(dlsym(m_impl->biblioteca, "EnviarDeclaracaoEx"));
  if (!m_impl->envia) {
    Descarrega();
    return Situacao::NaoInstalado;
  }
  return Situacao::Pronto;
}

bool ProgramaTransmissao::Carregado() const { return m_impl->envia != nullptr; }

bool ProgramaTransmissao::DefineProgresso(Progresso progresso) {
  if (!m_impl->biblioteca) return false;
  auto gauge = reinterpret_cast<FuncaoGauge>(dlsym(m_impl->biblioteca, "SetaGaugeTransmissao"));
  if (!gauge) return false;
  gauge(progresso);
  return true;
}

int ProgramaTransmissao::Envia(uintptr_t janela, const QString& caminho, int certificado, QString& mensagem) {
  mensagem.clear();
  if (!m_impl->envia) return kNaoCarregado;
  const QByteArray nome = QFile::encodeName(caminho);
  if (nome.size() >= kTamanhoCaminho) {
    mensagem = QStringLiteral("O caminho do arquivo tem mais de %1 caracteres e não pode ser entregue ao programa de "
                              "transmissão. Mova a declaração para uma pasta de nome mais curto.")
                   .arg(kTamanhoCaminho - 1);
    return kCaminhoLongo;
  }
  std::fill(m_impl->caminho.begin(), m_impl->caminho.end(), '\0');
  std::fill(m_impl->mensagem.begin(), m_impl->mensagem.end(), '\0');
  std::fill(m_impl->reservado.begin(), m_impl->reservado.end(), '\0');
  std::copy(nome.begin(), nome.end(), m_impl->caminho.begin());
  const int resultado = m_impl->envia(janela, m_impl->caminho.data(), certificado, m_impl->mensagem.data(),
                                      m_impl->reservado.data());
  // A library that fills the whole buffer is read up to its end, never past it.
  m_impl->mensagem.back() = '\0';
  mensagem = Cp1252::decodifica(QByteArray(m_impl->mensagem.data()));
  return resultado;
}

void ProgramaTransmissao::Descarrega() {
  if (!m_impl) return;
  m_impl->envia = nullptr;
  if (m_impl->biblioteca) dlclose(m_impl->biblioteca);
  m_impl->biblioteca = nullptr;
}
