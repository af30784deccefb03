#include "copia/CopiaSeguranca.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "copia/NomesCopia.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"
#include "plataforma/sistema/Pastas.h"

namespace CopiaSeguranca {

namespace {

const QStringList kLeitura = {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                              QStringLiteral("nowait"), QStringLiteral("read")};

// Adds the file when it can be read; otherwise names it as the list's failure.
bool Inclui(Lista& lista, const QString& caminho) {
  QFile arquivo(caminho);
  if (!QFileInfo(caminho).isFile() || !arquivo.open(QIODevice::ReadOnly)) {
    lista.falha = QStringLiteral("Não foi possível ler o banco de dados %1.").arg(QDir::toNativeSeparators(caminho));
    return false;
  }
  lista.tamanhoTotal += arquivo.size() / 128 * 128;
  lista.arquivos << caminho;
  return true;
}

}  // namespace

Lista ListaBase() {
  Lista lista;
  const QString dados = Pastas::dados();
  if (!Inclui(lista, TColecao::ArquivoIndice())) return lista;
  QStringList nomes;
  try {
    // A connection of its own: the shared one ends the process when the index cannot be opened.
    bd::Conexao conexao(TColecao::ArquivoIndice());
    conexao.conecta();
    bd::Transacao transacao(conexao, kLeitura);
    bd::Consulta consulta(transacao, QStringLiteral("SELECT ARQUIVO FROM TOLVS ORDER BY IN_PF_PJ, NR_PF_PJ, AN_RETENCA"));
    for (consulta.abre(); !consulta.eof(); consulta.proximo()) nomes << consulta.campo(1).texto().trimmed();
    transacao.commit();
  } catch (const bd::ErroBanco& e) {
    lista.falha = QStringLiteral("Não foi possível ler o índice de declarações: %1").arg(e.mensagem());
    return lista;
  }
  QStringList vistos;
  for (const QString& nome : nomes) {
    if (!NomesCopia::EhNomeBancoDeclaracao(nome)) {
      lista.falha = QStringLiteral("O índice de declarações contém um nome de banco de dados inválido: \"%1\".").arg(nome);
      return lista;
    }
    // Two rows of one file: the file goes in once.
    if (vistos.contains(nome, Qt::CaseInsensitive)) continue;
    vistos << nome;
    if (!Inclui(lista, dados + u'/' + nome)) return lista;
  }
  return lista;
}

Lista ListaDeclaracao(const QString& numeroBase, const QString& ano) {
  Lista lista;
  QString nome = NomesCopia::NomeCopiaDeclaracao(numeroBase, ano);
  nome.chop(NomesCopia::kExtensaoDeclaracao.size());
  nome += QStringLiteral(".FDB");
  if (!NomesCopia::EhNomeBancoDeclaracao(nome)) {
    lista.falha = QStringLiteral("A declaração escolhida não tem um banco de dados válido.");
    return lista;
  }
  Inclui(lista, Pastas::dados() + u'/' + nome);
  return lista;
}

void LiberaBancoDeclaracao() {
  try {
    if (bd::Conexao* declaracao = TColecao::GetBancoDeclaracao(); declaracao && declaracao->conectada())
      declaracao->desconecta();
  } catch (const bd::ErroBanco&) {
    // The attachment is released either way; the collections connect again when needed.
  }
}

void LiberaConexoes() {
  LiberaBancoDeclaracao();
  try {
    if (bd::Conexao::arquivoEmUso(TColecao::ArquivoIndice())) TColecao::GetBancoIndice()->desconecta();
  } catch (const bd::ErroBanco&) {
    // The attachment is released either way; the collections connect again when needed.
  }
}

Resultado Grava(const Lista& lista, const QString& destino, compressao::Compressor& compressor,
                const compressao::Progresso& progresso) {
  Resultado r;
  if (!lista.valida()) {
    r.mensagem = lista.falha.isEmpty() ? QStringLiteral("Nenhum banco de dados a copiar.") : lista.falha;
    return r;
  }
  compressor.LimpaLista();
  for (const QString& arquivo : lista.arquivos)
    if (!compressor.AdicionaArquivo(arquivo)) {
      compressor.LimpaLista();
      r.mensagem = QStringLiteral("Não foi possível ler o banco de dados %1.").arg(QDir::toNativeSeparators(arquivo));
      return r;
    }
  LiberaConexoes();
  const QString temporario = destino + QStringLiteral(".tmp");
  r.codigo = compressor.Comprimir(temporario, progresso);
  if (r.codigo == compressao::Concluido) {
    if (compressao::SubstituiArquivo(temporario, destino, &r.mensagem)) return r;
    r.codigo = compressao::Falhou;
  } else if (r.codigo == compressao::Falhou) {
    r.mensagem = compressor.Erro();
  }
  if (QFile::exists(temporario) && !QFile::remove(temporario))
    qWarning("Arquivo temporário não removido: %s", qPrintable(temporario));
  return r;
}

}  // namespace CopiaSeguranca
