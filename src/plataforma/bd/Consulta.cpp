#include "plataforma/bd/Consulta.h"

#include <QHash>

#include <cstring>

#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Interno.h"
#include "plataforma/bd/TextoSql.h"
#include "plataforma/bd/Transacao.h"

using namespace Firebird;

namespace bd {

using interno::Descritor;
using interno::NucleoConexao;
using interno::NucleoTransacao;

namespace {

QString chave(const QString& nome) {
  for (const QChar c : nome)
    if (c.isLower()) return nome.toUpper();
  return nome;  // already upper case: no copy
}

using Linha = std::unique_ptr<unsigned char[]>;

Linha novaLinha(unsigned tamanho) { return Linha(new unsigned char[tamanho ? tamanho : 1]()); }

void libera(IResultSet*& cursor) noexcept {
  if (!cursor) return;
  interno::StatusSilencioso st;
  cursor->close(st.get());  // releases on success
  if (st.falhou()) cursor->release();
  cursor = nullptr;
}

}  // namespace

struct Consulta::Nucleo : interno::Dependente, interno::FonteCampos {
  // What the program gave.
  QString sqlOriginal;
  QByteArray sqlMotor;
  QStringList nomes;  // one per position
  QHash<QString, std::vector<int>> posicoes;
  bool verificaParametros = true;
  Modo modo = Modo::Sequencial;
  std::shared_ptr<NucleoTransacao> transacao;
  std::vector<Dado> valores;

  // The preparation.
  std::shared_ptr<NucleoConexao> conexaoPreparo;
  uint64_t geracaoPreparo = 0;
  uint64_t idPreparo = 0;
  IStatement* stmt = nullptr;
  unsigned tipoComando = 0;
  IMessageMetadata* metaEntrada = nullptr;
  IMessageMetadata* metaSaida = nullptr;
  std::vector<Descritor> entradas;
  std::vector<Descritor> saidas;
  QHash<QString, int> indiceSaida;
  std::vector<unsigned char> bufEntrada;
  unsigned tamanhoSaida = 0;

  // The rows.
  IResultSet* cursor = nullptr;
  NucleoTransacao* transacaoCursor = nullptr;
  bool aberta = false;
  bool bof = true;
  bool eof = true;
  bool todasLidas = false;
  std::vector<Linha> linhas;  // Cache
  int atual = -1;
  Linha linhaSeq;  // Sequencial: the current row and the next one read into the spare
  Linha linhaReserva;
  bool temLinhaSeq = false;
  int lidasSeq = 0;
  bool moveuSeq = false;
  Linha linhaExecucao;  // outputs of the last execution; they outlive the transaction

  ~Nucleo() override { desconexao(); }

  // FonteCampos
  const Descritor& descritor(int i) const override { return saidas[size_t(i)]; }

  const unsigned char* linha() const override {
    if (aberta) {
      if (modo == Modo::Cache) return atual >= 0 && atual < int(linhas.size()) ? linhas[size_t(atual)].get() : nullptr;
      return temLinhaSeq ? linhaSeq.get() : nullptr;
    }
    return linhaExecucao.get();
  }

  unsigned char* linhaEditavel() const override {
    if (!aberta || modo != Modo::Cache)
      throw ErroBanco(QStringLiteral("Só uma consulta aberta em memória aceita alterações de campos."));
    if (atual < 0 || atual >= int(linhas.size())) throw ErroBanco(QStringLiteral("A consulta não tem linha corrente."));
    return linhas[size_t(atual)].get();
  }

  interno::ContextoBlob contextoBlob() const override {
    interno::ContextoBlob c;
    if (conexaoPreparo) c.att = conexaoPreparo->att;
    if (transacao) c.tra = transacao->tra;
    return c;
  }

  // Dependente
  void fimTransacao(NucleoTransacao* t) noexcept override {
    if (aberta && transacaoCursor == t) fechaSilencioso();
  }

  void desconexao() noexcept override {
    fechaSilencioso();
    liberaPreparo();
  }

  void fechaSilencioso() noexcept {
    libera(cursor);
    transacaoCursor = nullptr;
    aberta = false;
    bof = eof = true;
    todasLidas = false;
    linhas.clear();
    atual = -1;
    temLinhaSeq = false;
    lidasSeq = 0;
    moveuSeq = false;
  }

  void liberaPreparo() noexcept {
    interno::liberaComando(stmt, metaEntrada, metaSaida, conexaoPreparo, this);
    entradas.clear();
    saidas.clear();
    indiceSaida.clear();
    idPreparo = 0;
    // The rows are as long as this statement's outputs: another statement needs its own.
    linhaExecucao.reset();
    linhaSeq.reset();
    linhaReserva.reset();
  }

  void defineTexto(const QString& sql) {
    fechaSilencioso();
    liberaPreparo();
    sqlOriginal = sql;
    nomes.clear();
    posicoes.clear();
    if (verificaParametros) {
      const TextoSql t = TextoSql::converte(sql);
      sqlMotor = t.sql().toUtf8();
      nomes = t.nomes();
      for (int i = 0; i < nomes.size(); ++i)
        if (!nomes[i].isEmpty()) posicoes[nomes[i]].push_back(i);
    } else {
      sqlMotor = sql.toUtf8();
    }
    valores.assign(size_t(nomes.size()), Dado());
  }

  NucleoTransacao& exigeTransacao() const {
    if (!transacao) throw ErroBanco(QStringLiteral("A consulta não tem transação."));
    if (!transacao->conexao) throw ErroBanco(QStringLiteral("A transação da consulta não tem banco de dados."));
    transacao->conexao->exigeConectada();
    return *transacao;
  }

  void garantePreparada() {
    NucleoTransacao& tr = exigeTransacao();
    const auto& conexao = tr.conexao;
    if (stmt && (conexaoPreparo != conexao || geracaoPreparo != conexao->geracao)) {
      fechaSilencioso();
      liberaPreparo();
    }
    if (stmt) return;
    if (sqlMotor.trimmed().isEmpty()) throw ErroBanco(QStringLiteral("A consulta não tem texto."));
    tr.garanteAtiva();
    try {
      preparaEm(tr);
    } catch (...) {
      liberaPreparo();
      throw;
    }
    entradas = interno::descreve(metaEntrada);
    saidas = interno::descreve(metaSaida);
    static uint64_t preparos = 0;
    idPreparo = ++preparos;
    for (int i = 0; i < int(saidas.size()); ++i) {
      const QString k = chave(saidas[size_t(i)].nome);
      if (!indiceSaida.contains(k)) indiceSaida.insert(k, i);
    }
    if (valores.size() != entradas.size()) valores.resize(entradas.size());
  }

  void preparaEm(NucleoTransacao& tr) {
    const auto& conexao = tr.conexao;
    interno::protegido([&] {
      interno::Status st;
      stmt = conexao->att->prepare(st.get(), tr.tra, unsigned(sqlMotor.size()), sqlMotor.constData(), 3,
                                   IStatement::PREPARE_PREFETCH_METADATA);
      conexaoPreparo = conexao;
      geracaoPreparo = conexao->geracao;
      conexao->dependentes.push_back(this);
      tipoComando = stmt->getType(st.get());
      metaEntrada = stmt->getInputMetadata(st.get());
      metaSaida = stmt->getOutputMetadata(st.get());
      bufEntrada.assign(metaEntrada->getMessageLength(st.get()), 0);
      tamanhoSaida = metaSaida->getMessageLength(st.get());
    });
  }

  void preencheEntradas() {
    const interno::ContextoBlob ctx = contextoBlob();
    for (size_t i = 0; i < entradas.size(); ++i) {
      const interno::Quem quem{i < size_t(nomes.size()) ? &nomes[qsizetype(i)] : nullptr, int(i) + 1, false};
      interno::codifica(entradas[i], bufEntrada.data(), valores[i], ctx, quem);
    }
  }

  bool ehSelect() const {
    return tipoComando == isc_info_sql_stmt_select || tipoComando == isc_info_sql_stmt_select_for_upd;
  }

  IMessageMetadata* entradaOuNada() const { return entradas.empty() ? nullptr : metaEntrada; }
  void* bufEntradaOuNada() { return entradas.empty() ? nullptr : bufEntrada.data(); }

  bool leProxima(unsigned char* destino) {
    if (!cursor) return false;
    const int r = interno::protegido([&] {
      interno::Status st;
      return cursor->fetchNext(st.get(), destino);
    });
    if (r == IStatus::RESULT_OK) return true;
    libera(cursor);
    todasLidas = true;
    return false;
  }

  bool leProximaCache() {
    if (todasLidas) return false;
    Linha l = novaLinha(tamanhoSaida);
    if (!leProxima(l.get())) return false;
    linhas.push_back(std::move(l));
    return true;
  }

  void abre() {
    if (aberta) return;
    garantePreparada();
    if (!ehSelect()) throw ErroBanco(QStringLiteral("O comando não devolve linhas: use executa."));
    NucleoTransacao& tr = exigeTransacao();
    tr.garanteAtiva();
    preencheEntradas();
    linhaExecucao.reset();
    interno::protegido([&] {
      interno::Status st;
      cursor = stmt->openCursor(st.get(), tr.tra, entradaOuNada(), bufEntradaOuNada(), metaSaida, 0);
    });
    transacaoCursor = &tr;
    aberta = true;
    todasLidas = false;
    moveuSeq = false;
    try {
      if (modo == Modo::Cache) {
        linhas.clear();
        const bool tem = leProximaCache();
        atual = tem ? 0 : -1;
        bof = true;
        eof = !tem;
      } else {
        if (!linhaSeq) linhaSeq = novaLinha(tamanhoSaida);
        if (!linhaReserva) linhaReserva = novaLinha(tamanhoSaida);
        temLinhaSeq = leProxima(linhaSeq.get());
        lidasSeq = temLinhaSeq ? 1 : 0;
        bof = true;
        eof = !temLinhaSeq;
      }
    } catch (...) {
      fechaSilencioso();
      throw;
    }
  }

  void executa() {
    fechaSilencioso();
    garantePreparada();
    if (ehSelect()) {
      abre();
      return;
    }
    NucleoTransacao& tr = exigeTransacao();
    tr.garanteAtiva();
    preencheEntradas();
    if (saidas.empty()) {
      linhaExecucao.reset();
      interno::protegido([&] {
        interno::Status st;
        stmt->execute(st.get(), tr.tra, entradaOuNada(), bufEntradaOuNada(), nullptr, nullptr);
      });
      tr.alterada = true;
      return;
    }
    if (!linhaExecucao) linhaExecucao = novaLinha(tamanhoSaida);
    interno::protegido([&] {
      interno::Status st;
      stmt->execute(st.get(), tr.tra, entradaOuNada(), bufEntradaOuNada(), metaSaida, linhaExecucao.get());
    });
    tr.alterada = true;
  }

  void exigeAberta() const {
    if (!aberta) throw ErroBanco(QStringLiteral("A consulta está fechada."));
  }

  void exigeCache(const char* operacao) const {
    if (modo != Modo::Cache)
      throw ErroBanco(QStringLiteral("Uma consulta só de avanço não permite %1.").arg(QLatin1String(operacao)));
  }

  int indiceSaidaDe(const QString& nome) const {
    const auto it = indiceSaida.constFind(chave(nome));
    return it == indiceSaida.cend() ? -1 : it.value();
  }

  void exigeDescricao() {
    // Field names and kinds are known once prepared; asking for them prepares.
    if (!stmt) garantePreparada();
  }
};

Consulta::Consulta(Modo modo) : m(std::make_unique<Nucleo>()) { m->modo = modo; }

Consulta::Consulta(Transacao& transacao, const QString& sql, Modo modo) : Consulta(modo) {
  defineTransacao(&transacao);
  defineSql(sql);
}

Consulta::Consulta(Conexao& conexao, const QString& sql, Modo modo)
    : Consulta(conexao.transacaoPadrao(), sql, modo) {}

Consulta::~Consulta() = default;
Consulta::Consulta(Consulta&&) noexcept = default;
Consulta& Consulta::operator=(Consulta&&) noexcept = default;

void Consulta::defineTransacao(Transacao* transacao) { defineTransacao(transacao ? transacao->nucleo() : nullptr); }

void Consulta::defineTransacao(std::shared_ptr<interno::NucleoTransacao> transacao) {
  if (transacao == m->transacao) return;
  m->fechaSilencioso();
  m->transacao = std::move(transacao);
}

std::shared_ptr<interno::NucleoTransacao> Consulta::nucleoTransacao() const { return m->transacao; }

bool Consulta::usaTransacao(const Transacao& transacao) const { return m->transacao == transacao.nucleo(); }

bool Consulta::temTransacao() const { return m->transacao != nullptr; }

void Consulta::defineSql(const QString& sql) { m->defineTexto(sql); }

const QString& Consulta::sql() const { return m->sqlOriginal; }

void Consulta::defineModo(Modo modo) {
  m->fechaSilencioso();
  m->modo = modo;
}

Consulta::Modo Consulta::modo() const { return m->modo; }

void Consulta::defineVerificaParametros(bool verifica) {
  if (m->verificaParametros == verifica) return;
  m->verificaParametros = verifica;
  m->defineTexto(m->sqlOriginal);
}

void Consulta::prepara() { m->garantePreparada(); }

bool Consulta::preparada() const { return m->stmt != nullptr; }

void Consulta::desprepara() {
  m->fechaSilencioso();
  m->liberaPreparo();
}

QStringList Consulta::nomesParametros() const {
  QStringList r;
  for (const QString& n : m->nomes)
    if (!n.isEmpty() && !r.contains(n)) r.append(n);
  return r;
}

int Consulta::quantidadeParametros() const { return int(m->valores.size()); }

bool Consulta::temParametro(const QString& nome) const { return m->posicoes.contains(chave(nome)); }

void Consulta::param(const QString& nome, const Dado& valor) {
  const auto it = m->posicoes.constFind(chave(nome));
  if (it == m->posicoes.cend())
    throw ErroBanco(QStringLiteral("O parâmetro %1 não existe na consulta.").arg(nome));
  for (const int i : it.value()) m->valores[size_t(i)] = valor;
}

void Consulta::param(int posicao, const Dado& valor) {
  if (posicao < 1 || posicao > int(m->valores.size())) {
    if (!m->stmt && posicao >= 1) m->garantePreparada();  // positions of a text read unverified
    if (posicao < 1 || posicao > int(m->valores.size()))
      throw ErroBanco(QStringLiteral("A consulta não tem o parâmetro %1.").arg(posicao));
  }
  m->valores[size_t(posicao - 1)] = valor;
}

Dado Consulta::valorParametro(const QString& nome) const {
  const auto it = m->posicoes.constFind(chave(nome));
  if (it == m->posicoes.cend())
    throw ErroBanco(QStringLiteral("O parâmetro %1 não existe na consulta.").arg(nome));
  return m->valores[size_t(it.value().front())];
}

Dado Consulta::valorParametro(int posicao) const {
  if (posicao < 1 || posicao > int(m->valores.size()))
    throw ErroBanco(QStringLiteral("A consulta não tem o parâmetro %1.").arg(posicao));
  return m->valores[size_t(posicao - 1)];
}

void Consulta::limpaParametros() {
  for (Dado& v : m->valores) v = Dado();
}

void Consulta::executa() { m->executa(); }

uint64_t Consulta::linhasAfetadas() {
  if (!m->stmt) return 0;
  return interno::protegido([&] {
    interno::Status st;
    return uint64_t(m->stmt->getAffectedRecords(st.get()));
  });
}

void Consulta::abre() { m->abre(); }

void Consulta::fecha() { m->fechaSilencioso(); }

bool Consulta::aberta() const { return m->aberta; }

bool Consulta::bof() const { return m->bof; }

bool Consulta::eof() const { return m->eof; }

bool Consulta::vazia() const { return m->aberta && m->bof && m->eof; }

void Consulta::primeiro() {
  m->exigeAberta();
  if (m->modo == Modo::Sequencial) {
    if (m->moveuSeq) {
      m->fechaSilencioso();
      m->abre();
    }
    return;
  }
  if (m->linhas.empty()) {
    m->bof = m->eof = true;
    return;
  }
  m->atual = 0;
  m->bof = true;
  m->eof = false;
}

void Consulta::anterior() {
  m->exigeAberta();
  m->exigeCache("voltar");
  if (m->bof) return;
  m->eof = false;
  if (m->atual > 0)
    --m->atual;
  else
    m->bof = true;
}

void Consulta::proximo() {
  m->exigeAberta();
  if (m->eof) return;
  m->bof = false;
  if (m->modo == Modo::Sequencial) {
    m->moveuSeq = true;
    if (m->leProxima(m->linhaReserva.get())) {
      std::swap(m->linhaSeq, m->linhaReserva);
      ++m->lidasSeq;
    } else {
      m->eof = true;
    }
    return;
  }
  if (m->atual + 1 < int(m->linhas.size()) || m->leProximaCache())
    ++m->atual;
  else
    m->eof = true;
}

void Consulta::ultimo() {
  m->exigeAberta();
  m->exigeCache("ir ao fim");
  buscaTodas();
  if (m->linhas.empty()) {
    m->bof = m->eof = true;
    return;
  }
  m->atual = int(m->linhas.size()) - 1;
  m->eof = true;
  m->bof = false;
}

void Consulta::buscaTodas() {
  m->exigeAberta();
  if (m->modo == Modo::Sequencial) return;
  while (m->leProximaCache()) {
  }
}

int Consulta::quantidade() {
  m->exigeAberta();
  if (m->modo == Modo::Sequencial) return m->lidasSeq;
  buscaTodas();
  return int(m->linhas.size());
}

int Consulta::posicao() const {
  if (!m->aberta) return 0;
  if (m->modo == Modo::Sequencial) return m->temLinhaSeq ? m->lidasSeq : 0;
  return m->atual + 1;
}

bool Consulta::localiza(const QString& campos, const QList<Dado>& valores, OpcoesLocaliza opcoes) {
  m->exigeAberta();
  m->exigeCache("localizar");
  std::vector<int> indices;
  for (const QString& nome : campos.split(u';', Qt::SkipEmptyParts)) {
    const QString n = nome.trimmed();
    if (n.isEmpty()) continue;
    const int i = m->indiceSaidaDe(n);
    if (i < 0) throw ErroBanco(QStringLiteral("O campo %1 não existe na consulta.").arg(n));
    indices.push_back(i);
  }
  if (indices.empty() || indices.size() != size_t(valores.size()))
    throw ErroBanco(QStringLiteral("A localização pede um valor para cada campo: %1.").arg(campos));
  const interno::ContextoBlob ctx = m->contextoBlob();
  for (int linha = 0;; ++linha) {
    if (linha >= int(m->linhas.size()) && !m->leProximaCache()) return false;
    const unsigned char* dados = m->linhas[size_t(linha)].get();
    bool confere = true;
    for (size_t k = 0; k < indices.size() && confere; ++k) {
      const Dado v = interno::decodifica(m->saidas[size_t(indices[k])], dados, ctx);
      confere = Corresponde(v, valores[qsizetype(k)], opcoes.parcial, opcoes.semCaixa);
    }
    if (confere) {
      m->atual = linha;
      m->bof = m->eof = false;
      return true;
    }
  }
}

int Consulta::quantidadeCampos() const {
  m->exigeDescricao();
  return int(m->saidas.size());
}

QString Consulta::nomeCampo(int posicao) const { return campo(posicao).nome(); }

int Consulta::indiceCampo(const QString& nome) const {
  m->exigeDescricao();
  return m->indiceSaidaDe(nome) + 1;
}

bool Consulta::temCampo(const QString& nome) const {
  m->exigeDescricao();
  return m->indiceSaidaDe(nome) >= 0;
}

Campo Consulta::campo(const QString& nome) const {
  m->exigeDescricao();
  const int i = m->indiceSaidaDe(nome);
  if (i < 0) throw ErroBanco(QStringLiteral("O campo %1 não existe na consulta.").arg(nome));
  return Campo(m.get(), i);
}

Campo Consulta::campo(int posicao) const {
  m->exigeDescricao();
  if (posicao < 1 || posicao > int(m->saidas.size()))
    throw ErroBanco(QStringLiteral("A consulta não tem o campo %1.").arg(posicao));
  return Campo(m.get(), posicao - 1);
}

void Consulta::dezMilesimos(int primeira, int quantidade, int64_t* destino) const {
  m->exigeDescricao();
  if (primeira < 1 || quantidade < 0 || primeira - 1 + quantidade > int(m->saidas.size()))
    throw ErroBanco(QStringLiteral("A consulta não tem os campos %1 a %2.").arg(primeira).arg(primeira + quantidade - 1));
  const unsigned char* linha = m->linha();
  for (int i = 0; i < quantidade; ++i) {
    const int indice = primeira - 1 + i;
    const Descritor& d = m->saidas[size_t(indice)];
    if (linha && d.tipo == SQL_INT64 && d.escala == -4) {
      // The program's amounts, as stored.
      int16_t nulo;
      std::memcpy(&nulo, linha + d.deslocamentoNulo, sizeof nulo);
      destino[i] = 0;
      if (!nulo) std::memcpy(&destino[i], linha + d.deslocamento, sizeof(int64_t));
      continue;
    }
    std::optional<int64_t> v;
    if (linha) v = interno::dezMilesimosDireto(m->saidas[size_t(indice)], linha);
    destino[i] = v ? *v : Campo(m.get(), indice).dezMilesimos();
  }
}

uint64_t Consulta::preparo() const { return m->stmt ? m->idPreparo : 0; }

void Consulta::acrescenta() {
  m->exigeAberta();
  m->exigeCache("acrescentar linhas");
  buscaTodas();
  Linha l = novaLinha(m->tamanhoSaida);
  interno::anula(m->saidas, l.get());
  m->linhas.push_back(std::move(l));
  m->atual = int(m->linhas.size()) - 1;
  m->bof = m->eof = false;
}

void Consulta::exclui() {
  m->exigeAberta();
  m->exigeCache("excluir linhas");
  if (m->atual < 0 || m->atual >= int(m->linhas.size())) throw ErroBanco(QStringLiteral("A consulta não tem linha corrente."));
  m->linhas.erase(m->linhas.begin() + m->atual);
  buscaTodas();
  if (m->linhas.empty()) {
    m->atual = -1;
    m->bof = m->eof = true;
  } else if (m->atual >= int(m->linhas.size())) {
    m->atual = int(m->linhas.size()) - 1;
  }
}

}  // namespace bd
