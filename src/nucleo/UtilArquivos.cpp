#include "nucleo/UtilArquivos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/sistema/ArquivoBinario.h"
#include "plataforma/sistema/ArquivoTexto.h"
#include "plataforma/sistema/Unidades.h"

namespace {

const QString kCaptionAbrir = QStringLiteral("Abrir Arquivo");
constexpr int kPerguntaSimNao = 36;
constexpr int kErroOk = 16;

// Keeps the windows alive during long file work. Pending events are handled at most every
// 50 ms: once per line would cost more than the reading itself on a large import.
void processaMensagens() {
  thread_local QElapsedTimer relogio;
  if (relogio.isValid() && relogio.elapsed() < 50) return;
  relogio.start();
  ProcessaEventos();
}

bool abreComPergunta(const std::function<bool()>& abre, const QString& pergunta) {
  for (;;) {
    if (abre()) {
      processaMensagens();
      return true;
    }
    if (MostraMensagem(pergunta, kCaptionAbrir, kPerguntaSimNao) != ResultadoMensagem::Sim) return false;
  }
}

QString perguntaPadrao(const QString& nome) {
  return QStringLiteral("Não foi possível abrir o arquivo ") + nome + QStringLiteral(". Tentar Novamente?");
}

}  // namespace

bool CriaArquivoTexto(ArquivoTexto& arquivo, const QString& nome) {
  return abreComPergunta(
      [&] {
        QDir().mkpath(QFileInfo(nome).absolutePath());
        return arquivo.criaEscrita(nome);
      },
      perguntaPadrao(nome));
}

bool AbreArquivoLeitura(ArquivoTexto& arquivo, const QString& nome) {
  return abreComPergunta([&] { return arquivo.abreLeitura(nome); }, perguntaPadrao(nome));
}

bool AbreArquivoBytes(QFile& arquivo, const QString& nome) {
  return abreComPergunta(
      [&] {
        arquivo.setFileName(nome);
        return arquivo.open(QIODevice::ReadOnly);
      },
      perguntaPadrao(nome));
}

bool AbreArquivoImportacao(ArquivoTexto& arquivo, const QString& nome) {
  return abreComPergunta([&] { return arquivo.abreLeitura(nome); },
                         QStringLiteral("Não foi possível abrir o arquivo.\r") + nome +
                             QStringLiteral("\rTentar novamente?"));
}

bool AbreArquivoBinario(ArquivoBinario& arquivo, const QString& nome, int tamanhoRegistro, int modo) {
  return abreComPergunta([&] { return arquivo.abre(nome, tamanhoRegistro, modo); }, perguntaPadrao(nome));
}

bool LeLinha(ArquivoTexto& arquivo, QString& linha) {
  if (!arquivo.leLinha(linha)) return false;
  processaMensagens();
  return true;
}

bool GravaLinha(ArquivoTexto& arquivo, const QString& linha) {
  if (!arquivo.gravaLinha(linha)) return false;
  processaMensagens();
  return true;
}

bool FimArquivo(ArquivoTexto& arquivo, bool& falhou) {
  const auto fim = arquivo.fim();
  if (!fim) {
    MostraMensagem(QStringLiteral("Erro de acesso ao arquivo"), QStringLiteral("Fim de arquivo"), kErroOk);
    falhou = true;
    return true;
  }
  processaMensagens();
  return *fim;
}

bool ExisteDiretorio(const QString& caminho) { return !caminho.isEmpty() && QFileInfo(caminho).isDir(); }

bool UnidadeDisquete(const QString& unidade) {
  const QString raiz = QDir::cleanPath(unidade);
  for (const Unidade& u : Unidades().lista())
    if (u.raiz == raiz) return u.tipo == TipoUnidade::Disquete;
  return false;
}
