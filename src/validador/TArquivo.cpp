#include "validador/TArquivo.h"

#include <QFileInfo>

#include "nucleo/CaixaMensagem.h"
#include "validador/TArquivoDados.h"

namespace {
constexpr int kIconeErro = 16;
constexpr int kBotoesSimNao = 4;

bool TentaDeNovo(const QString& nome) {
  return MostraMensagem(QStringLiteral("Não foi possível abrir o arquivo ") + nome + QStringLiteral(". Tentar Novamente?"),
                        QStringLiteral("Erro"), kIconeErro | kBotoesSimNao) == ResultadoMensagem::Sim;
}
}  // namespace

TArquivo::TArquivo(TArquivoDados& dados, const TabelaRegras& tabela) : TPrimitivo(dados, tabela) {
  RegistraRegra(QStringLiteral("ER_RegistroTOLV"));
}

int64_t TArquivo::TamanhoArquivo(const QString& nome) {
  const QFileInfo info(nome);
  return info.exists() ? info.size() : -1;
}

bool TArquivo::Abre(const QString& nome) {
  if (!QFileInfo::exists(nome)) return true;
  bool aberto = m_leitor.Abre(nome);
  while (!aberto) {
    if (!TentaDeNovo(nome)) break;
    aberto = m_leitor.Abre(nome);
  }
  m_dados->IniciaProgresso(TamanhoArquivo(nome));
  return aberto;
}

bool TArquivo::Fim() {
  const bool fim = m_leitor.Fim();
  if (fim && m_leitor.Erro()) {
    ExibeMensagem(QStringLiteral("Erro de acesso ao arquivo."), TipoMensagem::Erro);
    m_leitor.Fecha();
  }
  return fim;
}

void TArquivo::Fecha() { m_leitor.Fecha(); }

bool TArquivo::LeTexto(QString& texto, int64_t& bytes) {
  if (Fim()) return false;
  if (m_leitor.Le(texto, bytes)) return true;
  if (m_leitor.Erro()) {
    ExibeMensagem(QStringLiteral("erro"), TipoMensagem::Erro);
    m_leitor.Fecha();
  }
  return false;
}

void TArquivo::LePrimeiraLinha(const QString& nome, QString& texto) {
  texto.clear();
  if (!QFileInfo::exists(nome)) return;
  for (;;) {
    LeitorLinhas leitor;
    int64_t bytes = 0;
    if (leitor.Abre(nome)) {
      if (!leitor.Le(texto, bytes)) texto.clear();
      if (!leitor.Erro()) return;
    }
    texto.clear();
    if (!TentaDeNovo(nome)) return;
  }
}
