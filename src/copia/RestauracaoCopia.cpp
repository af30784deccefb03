#include "copia/RestauracaoCopia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "copia/CopiaSeguranca.h"
#include "copia/NomesCopia.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kAnoPrograma = 2014;
constexpr int kMensagemConflito = 293;

const QStringList kParametros = {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                 QStringLiteral("nowait")};

const char* const kColunasTolvs[] = {
    "TOLV_DK",      "IN_PF_PJ",     "NR_PF_PJ",     "AN_RETENCA",  "NM_NM_EMPR",   "IN_NATUREZADECLAR",
    "IN_ADM_FC",    "IN_SERVICONOTARIAL", "IN_PLANOSAUDE", "IN_RETIFIC", "IN_ENCERRA", "IN_OSTENSIVO",
    "IN_ADVOGADO",  "IN_REMESSA",   "IN_COPA",      "RESP_NO_CNPJ", "RESP_PF",      "DATA_GERA",
    "NR_DISQUETES", "NR_ESTABES",   "NR_EST_RESP",  "IN_GERACAO",  "ARQUIVO",      "DATA_EVENTO",
    "TIPO_EVENTO",  "SCP",          "IN_STATUS",    "IN_LUCDIV",   "IN_PAGTITMIC", "NR_RECIBO"};
const char* const kColunasResponsaveis[] = {"NR_PF", "NM_RESP", "ED_DDD", "ED_TELEFONE", "ED_RAMAL", "ED_FAX", "ED_EMAIL"};

QString Dados(const QString& nome) { return Pastas::dados() + u'/' + nome; }
QString Temp(const QString& nome) { return Pastas::temp() + u'/' + nome; }

// The extracted name that matches, in any letter case; empty when there is none.
QString Extraido(const QStringList& extraidos, const QString& nome) {
  for (const QString& e : extraidos)
    if (e.compare(nome, Qt::CaseInsensitive) == 0) return e;
  return {};
}

// Copies every row of a table between two databases, column by column, with parameters.
template <size_t N>
void CopiaTabela(bd::Transacao& de, bd::Transacao& para, const QString& tabela, const char* const (&colunas)[N]) {
  QStringList nomes, marcas;
  for (const char* c : colunas) {
    nomes << QString::fromLatin1(c);
    marcas << u':' + QString::fromLatin1(c);
  }
  bd::Consulta leitura(de, QStringLiteral("SELECT ") + nomes.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + tabela);
  bd::Consulta insercao(para, QStringLiteral("INSERT INTO ") + tabela + QStringLiteral(" (") + nomes.join(QStringLiteral(", ")) +
                                  QStringLiteral(") VALUES (") + marcas.join(QStringLiteral(", ")) + u')');
  insercao.prepara();
  for (leitura.abre(); !leitura.eof(); leitura.proximo()) {
    for (const QString& n : nomes) insercao.param(n, leitura.campo(n).valor());
    insercao.executa();
  }
}

}  // namespace

RestauracaoCopia::RestauracaoCopia(Tipo tipo) : m_tipo(tipo) {}

RestauracaoCopia::~RestauracaoCopia() {
  if (m_tolv) m_tolv->LiberaItens();
}

void RestauracaoCopia::Cancela() { m_descompressor.Cancela(); }

bool RestauracaoCopia::LimpaTemp() {
  QDir temp(Pastas::temp());
  if (!temp.exists()) return true;
  bool ok = true;
  for (const QFileInfo& f : temp.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
    ok = (f.isDir() && !f.isSymLink() ? QDir(f.absoluteFilePath()).removeRecursively() : QFile::remove(f.absoluteFilePath())) && ok;
  return ok;
}

RestauracaoCopia::Resultado RestauracaoCopia::Falha(const QString& mensagem) {
  LimpaTemp();
  return {1, false, mensagem};
}

RestauracaoCopia::Resultado RestauracaoCopia::Extrai(const QString& arquivo, const compressao::Progresso& progresso) {
  m_extraidos.clear();
  m_bancosIndice.clear();
  m_indiceExtraido.clear();
  m_banco.clear();
  m_quantidadeArquivo = m_anoArquivo = 0;

  // What the archive names is looked at before anything is written.
  if (!m_descompressor.Le(arquivo)) return {0, false, m_descompressor.Erro()};
  if (m_tipo == Tipo::Declaracao && m_descompressor.Entradas().size() != 1)
    return {0, false, QStringLiteral("A cópia de segurança de uma declaração deve conter um único banco de dados.")};
  QStringList nomes;
  for (const compressao::Entrada& e : m_descompressor.Entradas()) {
    const bool indice = NomesCopia::EhNomeIndice(e.nome);
    if (!NomesCopia::EhNomeBancoDeclaracao(e.nome) && !(indice && m_tipo == Tipo::Base))
      return {0, false,
              QStringLiteral("A cópia de segurança contém um arquivo que não é banco de dados de declaração: %1.").arg(e.nome)};
    if (indice) m_indiceExtraido = e.nome;
    nomes << e.nome;
  }
  if (m_tipo == Tipo::Base && m_indiceExtraido.isEmpty())
    return {0, false, QStringLiteral("A cópia de segurança não contém o índice de declarações (%1).").arg(NomesCopia::kIndice)};

  if (!QDir().mkpath(Pastas::temp()) || !LimpaTemp())
    return {0, false, QStringLiteral("Não foi possível esvaziar a pasta %1.").arg(QDir::toNativeSeparators(Pastas::temp()))};
  const compressao::Resultado r = m_descompressor.Descomprimir(arquivo, Pastas::temp(), progresso);
  if (r != compressao::Concluido) {
    LimpaTemp();
    return {r, false, m_descompressor.Erro()};
  }
  m_extraidos = nomes;
  return m_tipo == Tipo::Base ? ConfereBase() : ConfereDeclaracao();
}

RestauracaoCopia::Resultado RestauracaoCopia::ConfereBase() {
  try {
    bd::Conexao conexao(Temp(m_indiceExtraido));
    conexao.conecta();
    bd::Transacao transacao(conexao, kParametros);
    bd::Consulta versao(transacao, QStringLiteral("SELECT ANO FROM VERSAO"));
    versao.abre();
    m_anoArquivo = versao.eof() ? 0 : versao.campo(1).inteiro();
    if (m_anoArquivo != kAnoPrograma)
      return Falha(QStringLiteral("A cópia de segurança não foi gravada por este programa: seus dados são de outro ano."));
    bd::Consulta linhas(transacao, QStringLiteral("SELECT ARQUIVO FROM TOLVS ORDER BY IN_PF_PJ, NR_PF_PJ, AN_RETENCA"));
    for (linhas.abre(); !linhas.eof(); linhas.proximo()) m_bancosIndice << linhas.campo(1).texto().trimmed();
    transacao.commit();
  } catch (const bd::ErroBanco& e) {
    return Falha(QStringLiteral("Não foi possível ler o índice da cópia de segurança: %1").arg(e.mensagem()));
  }
  m_quantidadeArquivo = int(m_bancosIndice.size());
  for (const QString& nome : m_bancosIndice) {
    if (!NomesCopia::EhNomeBancoDeclaracao(nome))
      return Falha(QStringLiteral("O índice da cópia de segurança contém um nome de arquivo não permitido: \"%1\".").arg(nome));
    if (Extraido(m_extraidos, nome).isEmpty())
      return Falha(QStringLiteral("A cópia de segurança não contém o banco de dados %1, listado no seu índice.").arg(nome));
    if (m_bancosIndice.count(nome) > 1)
      return Falha(QStringLiteral("O índice da cópia de segurança lista o banco de dados %1 mais de uma vez.").arg(nome));
  }
  return {1, true, {}};
}

RestauracaoCopia::Resultado RestauracaoCopia::ConfereDeclaracao() {
  m_banco = m_extraidos.value(0);
  m_erros = std::make_unique<TErros>(false);
  if (m_tolv) m_tolv->LiberaItens();
  m_tolv = std::make_unique<TTolv>();
  m_tolv->SetErros(m_erros.get());
  // The reader looks inside the data folder: TEMP is one of its folders.
  const QString relativo = QFileInfo(Pastas::temp()).fileName() + u'/' + m_banco;
  TColecaoTolv::Cabecalho lido = TColecaoTolv::Cabecalho::Incompativel;
  try {
    lido = TColecaoTolv::LeCabecalhoBanco(relativo, *m_tolv);
  } catch (const std::exception& e) {
    return Falha(QStringLiteral("Não foi possível ler a declaração da cópia de segurança: %1").arg(QString::fromLocal8Bit(e.what())));
  }
  if (lido == TColecaoTolv::Cabecalho::Incompativel)
    return Falha(QStringLiteral("A cópia de segurança não é de uma declaração deste programa."));
  if (lido == TColecaoTolv::Cabecalho::Ilegivel)
    return Falha(QStringLiteral("Não foi possível ler o banco de dados %1 da cópia de segurança.").arg(m_banco));
  if (lido == TColecaoTolv::Cabecalho::SemDeclaracao)
    return Falha(QStringLiteral("A cópia de segurança não contém uma declaração identificável."));
  const QString proprio = m_tolv->GetNomeBancoDeclaracao();
  if (proprio.compare(m_banco, Qt::CaseInsensitive) != 0)
    return Falha(QStringLiteral("O banco de dados %1 da cópia de segurança contém a declaração de outro declarante ou ano.")
                     .arg(m_banco));
  m_tolv->SetArquivo(proprio);
  m_tolv->SetTolvDK(QString());
  return {1, true, {}};
}

RestauracaoCopia::Resultado RestauracaoCopia::RestauraBase(const std::function<void()>& passo) {
  if (m_tipo != Tipo::Base || m_indiceExtraido.isEmpty()) return Falha(QStringLiteral("Nada foi extraído."));
  CopiaSeguranca::LiberaConexoes();
  const QString dados = Pastas::dados();
  static const QRegularExpression padrao(QStringLiteral("^TOLV.*\\.FDB$"), QRegularExpression::CaseInsensitiveOption);
  const QStringList atuais = QDir(dados).entryList(QDir::Files | QDir::Hidden | QDir::System);
  QStringList sobras;
  for (const QString& nome : atuais)
    if (padrao.match(nome).hasMatch() && nome.compare(NomesCopia::kModelo, Qt::CaseInsensitive) != 0 &&
        nome != NomesCopia::kIndice && !m_bancosIndice.contains(nome))
      sobras << nome;
  QStringList alvos = m_bancosIndice;
  alvos << NomesCopia::kIndice << sobras;
  for (const QString& nome : alvos)
    if (bd::Conexao::arquivoEmUso(Dados(nome)))
      return Falha(QStringLiteral("O banco de dados %1 está em uso; a cópia de segurança não foi restaurada.").arg(nome));

  QString erro;
  for (const QString& nome : m_bancosIndice) {
    if (!compressao::SubstituiArquivo(Temp(Extraido(m_extraidos, nome)), Dados(nome), &erro)) return Falha(erro);
    if (passo) passo();
  }
  if (!compressao::SubstituiArquivo(Temp(m_indiceExtraido), Dados(NomesCopia::kIndice), &erro)) {
    QString copia;
    if (!CopiaLinhasIndice(Temp(m_indiceExtraido), Dados(NomesCopia::kIndice), &copia))
      return Falha(erro + u'\n' + copia);
  }
  if (passo) passo();
  QStringList restantes;
  for (const QString& nome : sobras)
    if (!QFile::remove(Dados(nome)) && QFile::exists(Dados(nome))) restantes << nome;
  LimpaTemp();
  if (!restantes.isEmpty())
    return {1, false,
            QStringLiteral("A cópia de segurança foi restaurada, mas não foi possível excluir: %1.").arg(restantes.join(QStringLiteral(", ")))};
  return {1, true, {}};
}

RestauracaoCopia::Resultado RestauracaoCopia::RestauraDeclaracao() {
  if (m_tipo != Tipo::Declaracao || !m_tolv) return Falha(QStringLiteral("Nada foi extraído."));
  if (FalhaBancoIndice) return Falha(QStringLiteral("O índice de declarações não está disponível."));
  TColecaoTolv indice;
  if (FalhaBancoIndice) return Falha(QStringLiteral("O índice de declarações não está disponível."));
  TContribuinte& declarante = m_tolv->GetContribuinte();
  const QString ano = m_tolv->GetAnoCalendario();
  if (declarante.GetTipo() == kNiCnpj && indice.ConflitoEstabelecimento(declarante.GetBase(), ano)) {
    LimpaTemp();
    return {kConflito, false,
            TErro::FormataMensagem(kMensagemConflito, TNiContribuinte::FormataNi(declarante.GetNiDigitos()) + u';' + ano)};
  }
  CopiaSeguranca::LiberaBancoDeclaracao();
  const QString nome = m_tolv->GetArquivo();
  if (bd::Conexao::arquivoEmUso(Dados(nome)))
    return Falha(QStringLiteral("O banco de dados %1 está em uso; a cópia de segurança não foi restaurada.").arg(nome));
  QString erro;
  if (!compressao::SubstituiArquivo(Temp(m_banco), Dados(nome), &erro)) return Falha(erro);
  indice.RegistraBanco(*m_tolv);
  LimpaTemp();
  if (FalhaBanco || FalhaBancoIndice)
    return {1, false, QStringLiteral("O banco de dados foi restaurado, mas não foi possível incluí-lo no índice de declarações.")};
  return {1, true, {}};
}

bool RestauracaoCopia::CopiaLinhasIndice(const QString& origem, const QString& destino, QString* erro) {
  try {
    bd::Conexao de(origem);
    de.conecta();
    bd::Conexao para(destino);
    para.conecta();
    bd::Transacao leitura(de, kParametros);
    bd::Transacao escrita(para, kParametros);
    bd::Consulta(escrita, QStringLiteral("DELETE FROM TOLVS")).executa();
    bd::Consulta(escrita, QStringLiteral("DELETE FROM RESPONSAVEIS")).executa();
    CopiaTabela(leitura, escrita, QStringLiteral("TOLVS"), kColunasTolvs);
    CopiaTabela(leitura, escrita, QStringLiteral("RESPONSAVEIS"), kColunasResponsaveis);
    // New declarations take their keys from the generator: past every copied key.
    bd::Consulta maior(escrita, QStringLiteral("SELECT COALESCE(MAX(TOLV_DK), 0) - GEN_ID(GEN_TOLV_DK, 0) FROM TOLVS"));
    maior.abre();
    const int64_t falta = maior.campo(1).inteiro64();
    maior.fecha();
    if (falta > 0) {
      bd::Consulta avanca(escrita, QStringLiteral("SELECT GEN_ID(GEN_TOLV_DK, CAST(:PASSO AS BIGINT)) FROM RDB$DATABASE"));
      avanca.param(QStringLiteral("PASSO"), qint64(falta));
      avanca.abre();
    }
    escrita.commit();
    leitura.commit();
    return true;
  } catch (const bd::ErroBanco& e) {
    if (erro) *erro = QStringLiteral("Não foi possível copiar o índice de declarações: %1").arg(e.mensagem());
    return false;
  }
}
