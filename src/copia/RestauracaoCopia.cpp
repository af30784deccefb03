#include "copia/RestauracaoCopia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

#include "copia/CopiaSeguranca.h"
#include "copia/NomesCopia.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"
#include "plataforma/sistema/ArquivoTexto.h"
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

// The plan of a replacement under way, beside the files it replaces.
const QString kPlano = QStringLiteral("Restauracao.pendente");
const QString kCabecalhoPlano = QStringLiteral("TOLV2014 RESTAURACAO 1");
const QString kConcluiNoInicio =
    QStringLiteral(" A restauração será concluída quando o programa for iniciado novamente.");

std::function<void(int)>& Parada() {
  static std::function<void(int)> parada;
  return parada;
}

void Para(int passo) {
  if (Parada()) Parada()(passo);
}

bool EsvaziaTemp() {
  QDir temp(Pastas::temp());
  if (!temp.exists()) return true;
  bool ok = true;
  for (const QFileInfo& f : temp.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
    ok = (f.isDir() && !f.isSymLink() ? QDir(f.absoluteFilePath()).removeRecursively() : QFile::remove(f.absoluteFilePath())) && ok;
  return ok && QDir().rmdir(Pastas::temp());
}

// Puts the extracted file in place of the data folder's, with the mode of the one it replaces.
bool Substitui(const QString& origem, const QString& destino, QString* erro) {
  if (QFile::exists(destino)) QFile::setPermissions(origem, QFile::permissions(destino));
  return compressao::SubstituiArquivo(origem, destino, erro);
}

// A database of the data folder that a whole restore deletes unless the archive brings it back:
// any "TOLV*.FDB" but the template and the index.
bool EhSobra(const QString& nome) {
  static const QRegularExpression padrao(QStringLiteral("^TOLV[^/|\\r\\n]*\\.FDB$"), QRegularExpression::CaseInsensitiveOption);
  return padrao.match(nome).hasMatch() && nome.compare(NomesCopia::kModelo, Qt::CaseInsensitive) != 0 &&
         !NomesCopia::EhNomeIndice(nome);
}

// The declaration a database of the data folder holds, as the index lists it.
bool LeDeclaracao(const QString& nome, TTolv& tolv) {
  try {
    if (TColecaoTolv::LeCabecalhoBanco(nome, tolv) != TColecaoTolv::Cabecalho::Lido) return false;
  } catch (const std::exception&) {
    return false;
  }
  tolv.SetArquivo(nome);
  tolv.SetTolvDK(QString());
  return true;
}

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

// One step of a replacement. Each is done again safely when the plan is taken up after a stop: a
// file already moved is no longer in TEMP, a file already deleted is gone, and listing a
// database in the index creates or updates its row.
struct RestauracaoCopia::Passo {
  enum class Tipo { Move, Indice, Apaga, Registra };
  Tipo tipo;
  QString origem;   // in TEMP (Move, Indice)
  QString destino;  // in the data folder (Move, Apaga, Registra)

  QString Texto() const {
    switch (tipo) {
      case Tipo::Move: return QStringLiteral("MOVE|") + origem + u'|' + destino;
      case Tipo::Indice: return QStringLiteral("INDICE|") + origem;
      case Tipo::Apaga: return QStringLiteral("APAGA|") + destino;
      case Tipo::Registra: return QStringLiteral("REGISTRA|") + destino;
    }
    return {};
  }
  // A line of a plan; nothing for a line that names anything but a database of the program.
  static std::optional<Passo> DoTexto(const QString& linha) {
    const QStringList partes = linha.split(u'|');
    const QString tipo = partes.value(0);
    auto banco = [](const QString& nome) { return NomesCopia::EhNomeBancoDeclaracao(nome); };
    if (tipo == u"MOVE" && partes.size() == 3 && banco(partes[1]) && banco(partes[2]))
      return Passo{Tipo::Move, partes[1], partes[2]};
    if (tipo == u"INDICE" && partes.size() == 2 && NomesCopia::EhNomeIndice(partes[1]))
      return Passo{Tipo::Indice, partes[1], NomesCopia::kIndice};
    if (tipo == u"APAGA" && partes.size() == 2 && EhSobra(partes[1])) return Passo{Tipo::Apaga, {}, partes[1]};
    if (tipo == u"REGISTRA" && partes.size() == 2 && banco(partes[1])) return Passo{Tipo::Registra, {}, partes[1]};
    return std::nullopt;
  }
};

RestauracaoCopia::RestauracaoCopia(Tipo tipo) : m_tipo(tipo) {}

RestauracaoCopia::~RestauracaoCopia() {
  if (m_tolv) m_tolv->LiberaItens();
}

void RestauracaoCopia::Cancela() { m_descompressor.Cancela(); }

bool RestauracaoCopia::LimpaTemp() {
  if (HaPendente()) return false;
  return EsvaziaTemp();
}

bool RestauracaoCopia::HaPendente() { return QFile::exists(Dados(kPlano)); }

void RestauracaoCopia::DefineParada(std::function<void(int)> parada) { Parada() = std::move(parada); }

bool RestauracaoCopia::GravaPlano(const std::vector<Passo>& plano, QString* erro) {
  ArquivoTexto arquivo;
  bool ok = arquivo.criaEscrita(Dados(kPlano)) && arquivo.gravaLinha(kCabecalhoPlano);
  for (const Passo& p : plano) ok = ok && arquivo.gravaLinha(p.Texto());
  ok = ok && arquivo.fecha();
  if (!ok && erro)
    *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(Dados(kPlano)), arquivo.erro());
  return ok;
}

std::optional<std::vector<RestauracaoCopia::Passo>> RestauracaoCopia::LePlano() {
  ArquivoTexto arquivo;
  if (!arquivo.abreLeitura(Dados(kPlano))) return std::nullopt;
  QString linha;
  if (!arquivo.leLinha(linha) || linha != kCabecalhoPlano) return std::nullopt;
  std::vector<Passo> plano;
  while (arquivo.fim() == false) {
    if (!arquivo.leLinha(linha)) return std::nullopt;
    if (linha.isEmpty()) continue;
    const std::optional<Passo> passo = Passo::DoTexto(linha);
    if (!passo) return std::nullopt;
    plano.push_back(*passo);
  }
  return plano;
}

RestauracaoCopia::Resultado RestauracaoCopia::CompletaPendente(bool* havia) {
  if (havia) *havia = HaPendente();
  if (!HaPendente()) return {1, true, {}};
  const std::optional<std::vector<Passo>> plano = LePlano();
  if (!plano) {
    // Not this program's plan: set aside, so that it neither runs nor blocks the next restore.
    const QString recusado = Dados(kPlano + QStringLiteral(".recusado"));
    QFile::remove(recusado);
    QFile::rename(Dados(kPlano), recusado);
    return {1, false,
            QStringLiteral("Não foi possível ler o plano de uma restauração de cópia de segurança interrompida; ele foi "
                           "guardado em %1 e não foi seguido.")
                .arg(QDir::toNativeSeparators(recusado))};
  }
  CopiaSeguranca::LiberaConexoes();
  return Executa(*plano);
}

RestauracaoCopia::Resultado RestauracaoCopia::Executa(const std::vector<Passo>& plano,
                                                      const std::function<void()>& movido) {
  // Before the first file is replaced a failure leaves everything as it was, and the plan goes;
  // after it the plan stays, to be completed.
  const bool retomada = HaPendente();
  QString erro;
  if (!retomada && !GravaPlano(plano, &erro)) {
    QFile::remove(Dados(kPlano));
    EsvaziaTemp();
    return {1, false, erro};
  }
  bool alterou = retomada;
  auto falha = [&](const QString& mensagem) -> Resultado {
    if (!alterou) {
      QFile::remove(Dados(kPlano));
      EsvaziaTemp();
      return {1, false, mensagem};
    }
    return {1, false, mensagem + kConcluiNoInicio};
  };
  QStringList restantes;
  bool semIndice = false;
  for (size_t i = 0; i < plano.size(); ++i) {
    Para(int(i));
    const Passo& p = plano[i];
    switch (p.tipo) {
      case Passo::Tipo::Move:
        if (QFile::exists(Temp(p.origem))) {
          if (!Substitui(Temp(p.origem), Dados(p.destino), &erro)) return falha(erro);
        } else if (!QFile::exists(Dados(p.destino))) {
          return falha(QStringLiteral("O banco de dados %1 não foi encontrado na cópia de segurança extraída.").arg(p.origem));
        }
        if (movido) movido();
        break;
      case Passo::Tipo::Indice:
        // An index that cannot be replaced takes the archive index's rows instead.
        if (QFile::exists(Temp(p.origem)) && !Substitui(Temp(p.origem), Dados(p.destino), &erro)) {
          QString copia;
          if (!CopiaLinhasIndice(Temp(p.origem), Dados(p.destino), &copia)) return falha(erro + u'\n' + copia);
        }
        if (movido) movido();
        break;
      case Passo::Tipo::Apaga:
        if (!QFile::remove(Dados(p.destino)) && QFile::exists(Dados(p.destino))) restantes << p.destino;
        break;
      case Passo::Tipo::Registra: {
        TErros erros(false);
        TTolv tolv;
        tolv.SetErros(&erros);
        bool listado = false;
        if (LeDeclaracao(p.destino, tolv) && !FalhaBancoIndice) {
          TColecaoTolv indice;
          if (!FalhaBancoIndice) {
            indice.RegistraBanco(tolv);
            listado = !FalhaBanco && !FalhaBancoIndice;
          }
        }
        tolv.LiberaItens();
        CopiaSeguranca::LiberaConexoes();
        // The database stays: the start offers to list what the index does not.
        semIndice = !listado;
        break;
      }
    }
    alterou = true;
  }
  Para(int(plano.size()));
  EsvaziaTemp();
  if (!QFile::remove(Dados(kPlano)) && HaPendente())
    return {1, false,
            QStringLiteral("A cópia de segurança foi restaurada, mas não foi possível excluir o arquivo %1.")
                .arg(QDir::toNativeSeparators(Dados(kPlano)))};
  if (semIndice)
    return {1, false, QStringLiteral("O banco de dados foi restaurado, mas não foi possível incluí-lo no índice de declarações.")};
  if (!restantes.isEmpty())
    return {1, false,
            QStringLiteral("A cópia de segurança foi restaurada, mas não foi possível excluir: %1.").arg(restantes.join(QStringLiteral(", ")))};
  return {1, true, {}};
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

  // A restore cut short is completed first: TEMP still holds what it has to put in place.
  const Resultado pendente = CompletaPendente();
  if (!pendente.ok) return pendente;

  // What the archive names is looked at before anything is written.
  if (!m_descompressor.Le(arquivo)) return {0, false, m_descompressor.Erro()};
  // Read whole but not restorable: the restore's failure, as one found after the extraction.
  if (m_tipo == Tipo::Declaracao && m_descompressor.Entradas().size() != 1)
    return Falha(QStringLiteral("A cópia de segurança de uma declaração deve conter um único banco de dados."));
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

  if (!LimpaTemp() || !QDir().mkpath(Pastas::temp()))
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
  const QStringList atuais = QDir(dados).entryList(QDir::Files | QDir::Hidden | QDir::System);
  QStringList sobras;
  for (const QString& nome : atuais)
    if (EhSobra(nome) && !m_bancosIndice.contains(nome)) sobras << nome;
  QStringList alvos = m_bancosIndice;
  alvos << NomesCopia::kIndice << sobras;
  for (const QString& nome : alvos)
    if (bd::Conexao::arquivoEmUso(Dados(nome)))
      return Falha(QStringLiteral("O banco de dados %1 está em uso; a cópia de segurança não foi restaurada.").arg(nome));

  std::vector<Passo> plano;
  for (const QString& nome : m_bancosIndice) plano.push_back({Passo::Tipo::Move, Extraido(m_extraidos, nome), nome});
  plano.push_back({Passo::Tipo::Indice, m_indiceExtraido, NomesCopia::kIndice});
  for (const QString& nome : sobras) plano.push_back({Passo::Tipo::Apaga, {}, nome});
  return Executa(plano, passo);
}

RestauracaoCopia::Resultado RestauracaoCopia::RestauraDeclaracao() {
  if (m_tipo != Tipo::Declaracao || !m_tolv) return Falha(QStringLiteral("Nada foi extraído."));
  if (FalhaBancoIndice) return Falha(QStringLiteral("O índice de declarações não está disponível."));
  {
    TColecaoTolv indice;
    if (FalhaBancoIndice) return Falha(QStringLiteral("O índice de declarações não está disponível."));
    TContribuinte& declarante = m_tolv->GetContribuinte();
    const QString ano = m_tolv->GetAnoCalendario();
    if (declarante.GetTipo() == kNiCnpj && indice.ConflitoEstabelecimento(declarante.GetBase(), ano)) {
      LimpaTemp();
      return {kConflito, false,
              TErro::FormataMensagem(kMensagemConflito, TNiContribuinte::FormataNi(declarante.GetNiDigitos()) + u';' + ano)};
    }
  }
  CopiaSeguranca::LiberaBancoDeclaracao();
  const QString nome = m_tolv->GetArquivo();
  if (bd::Conexao::arquivoEmUso(Dados(nome)))
    return Falha(QStringLiteral("O banco de dados %1 está em uso; a cópia de segurança não foi restaurada.").arg(nome));
  return Executa({{Passo::Tipo::Move, m_banco, nome}, {Passo::Tipo::Registra, {}, nome}});
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

void CompletaRestauracaoPendente() {
  bool havia = false;
  const RestauracaoCopia::Resultado r = RestauracaoCopia::CompletaPendente(&havia);
  if (!havia) return;
  FalhaBanco = FalhaBancoIndice = false;
  if (r.ok)
    ExibeMensagem(QStringLiteral("A restauração de cópia de segurança que havia sido interrompida foi concluída."),
                  TipoMensagem::Informacao);
  else
    ExibeMensagem(r.mensagem, TipoMensagem::Erro);
}
