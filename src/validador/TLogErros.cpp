#include "validador/TLogErros.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "nucleo/Diretorios.h"
#include "nucleo/UtilArquivos.h"
#include "plataforma/sistema/ArquivoTexto.h"

const QString TLogErros::kArquivoMensagens = QStringLiteral("Erros.txt");
const QString TLogErros::kArquivoLinhas = QStringLiteral("LinhaErro.txt");

namespace {

// One rename that replaces the target in the same step: the earlier pair is never lost without
// the new one in its place.
bool Renomeia(const QString& de, const QString& para, QString& erro) {
  if (std::rename(QFile::encodeName(de).constData(), QFile::encodeName(para).constData()) == 0) return true;
  erro = QString::fromLocal8Bit(std::strerror(errno));
  return false;
}

bool Remove(const QString& arquivo, QString& erro) {
  QFile f(arquivo);
  if (!f.exists() || f.remove()) return true;
  erro = f.errorString();
  return false;
}

}  // namespace

TLogErros::TLogErros()
    : m_pasta(DiretorioDados() + QStringLiteral("/ErroImp/")),
      m_mensagens(std::make_unique<ArquivoTexto>()),
      m_linhas(std::make_unique<ArquivoTexto>()) {}

TLogErros::~TLogErros() = default;

bool TLogErros::Falhou(const QString& texto) {
  if (m_falha.isEmpty()) m_falha = texto;
  return false;
}

bool TLogErros::Inicia(const QString& raiz) {
  m_raiz = raiz;
  m_falha.clear();
  FechaLeitura();
  for (auto [arquivo, nome] : {std::pair{m_mensagens.get(), kArquivoMensagens}, std::pair{m_linhas.get(), kArquivoLinhas}}) {
    if (!CriaArquivoTexto(*arquivo, m_pasta + nome))
      return Falhou(QStringLiteral("Não foi possível criar o arquivo ") + m_pasta + nome + QStringLiteral(": ") +
                    arquivo->erro());
  }
  return true;
}

bool TLogErros::Registra(int linha, const QString& mensagem, const QString& texto) {
  bool ok = true;
  if (!GravaLinha(*m_mensagens, QStringLiteral("Linha: ") + QString::number(linha) + QStringLiteral(" - ") + mensagem))
    ok = Falhou(QStringLiteral("Não foi possível gravar no arquivo ") + m_pasta + kArquivoMensagens +
                QStringLiteral(": ") + m_mensagens->erro());
  if (!GravaLinha(*m_linhas, texto))
    ok = Falhou(QStringLiteral("Não foi possível gravar no arquivo ") + m_pasta + kArquivoLinhas + QStringLiteral(": ") +
                m_linhas->erro());
  return ok;
}

bool TLogErros::Fecha() {
  bool ok = true;
  for (auto [arquivo, nome] : {std::pair{m_mensagens.get(), kArquivoMensagens}, std::pair{m_linhas.get(), kArquivoLinhas}}) {
    if (!arquivo->aberto()) continue;
    const bool escrita = arquivo->paraEscrita();
    if (!arquivo->fecha() && escrita)
      ok = Falhou(QStringLiteral("Não foi possível gravar o arquivo ") + m_pasta + nome + QStringLiteral(": ") +
                  arquivo->erro());
  }
  return ok;
}

bool TLogErros::Finaliza() {
  const bool escrevendo = m_mensagens->paraEscrita() && m_linhas->paraEscrita();
  if (!Fecha() || !escrevendo) return false;
  bool ok = true;
  QString erro;
  if (!Renomeia(m_pasta + kArquivoMensagens, ArquivoDescricoes(), erro))
    ok = Falhou(QStringLiteral("Não foi possível renomear ") + m_pasta + kArquivoMensagens + QStringLiteral(" para ") +
                ArquivoDescricoes() + QStringLiteral(": ") + erro);
  if (!Renomeia(m_pasta + kArquivoLinhas, ArquivoDados(), erro))
    ok = Falhou(QStringLiteral("Não foi possível renomear ") + m_pasta + kArquivoLinhas + QStringLiteral(" para ") +
                ArquivoDados() + QStringLiteral(": ") + erro);
  return ok;
}

bool TLogErros::Abre(const QString& raiz) {
  m_raiz = raiz;
  m_falha.clear();
  Fecha();
  m_mensagem.clear();
  m_dados.clear();
  if (!AbreArquivoLeitura(*m_mensagens, ArquivoDescricoes()))
    return Falhou(QStringLiteral("Não foi possível abrir o arquivo ") + ArquivoDescricoes());
  if (!AbreArquivoLeitura(*m_linhas, ArquivoDados())) {
    m_mensagens->fecha();
    return Falhou(QStringLiteral("Não foi possível abrir o arquivo ") + ArquivoDados());
  }
  return true;
}

bool TLogErros::FimLog() const {
  const auto fimMensagens = m_mensagens->fim();
  const auto fimLinhas = m_linhas->fim();
  return !fimMensagens || !fimLinhas || *fimMensagens || *fimLinhas;
}

bool TLogErros::LeProximo() {
  if (FimLog()) return false;
  if (!LeLinha(*m_mensagens, m_mensagem) || !LeLinha(*m_linhas, m_dados))
    return Falhou(QStringLiteral("Não foi possível ler o registro de erros ") + ArquivoDescricoes());
  return true;
}

bool TLogErros::Reinicia() {
  FechaLeitura();
  return m_mensagens->abreLeitura(ArquivoDescricoes()) && m_linhas->abreLeitura(ArquivoDados());
}

void TLogErros::FechaLeitura() {
  if (m_mensagens->paraLeitura()) m_mensagens->fecha();
  if (m_linhas->paraLeitura()) m_linhas->fecha();
}

bool TLogErros::Apaga() {
  FechaLeitura();
  m_falha.clear();
  bool ok = true;
  QString erro;
  for (const QString& arquivo : {ArquivoDescricoes(), ArquivoDados()})
    if (!Remove(arquivo, erro))
      ok = Falhou(QStringLiteral("Não foi possível apagar o arquivo ") + arquivo + QStringLiteral(": ") + erro);
  return ok;
}
