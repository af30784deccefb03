#include "plataforma/bd/ChamadaProcedimento.h"

#include <QHash>

#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "plataforma/bd/Interno.h"
#include "plataforma/bd/Transacao.h"

using namespace Firebird;

namespace bd {

using interno::Descritor;

namespace {

template <class T>
bool gravaEscalado(unsigned char* p, int64_t valor, int escalaOrigem, int escalaDestino) {
  const std::optional<int64_t> r = Decimal::reescala(valor, escalaOrigem, escalaDestino);
  if (!r || *r < std::numeric_limits<T>::min() || *r > std::numeric_limits<T>::max()) return false;
  const T x = T(*r);
  std::memcpy(p, &x, sizeof x);
  return true;
}

const short kPresente = 0;
const short kNulo = -1;

}  // namespace

struct ChamadaProcedimento::Nucleo : interno::Dependente {
  QString nome;
  QDate dataInicial;
  std::shared_ptr<interno::NucleoTransacao> transacao;

  std::shared_ptr<interno::NucleoConexao> conexao;
  uint64_t geracao = 0;
  IStatement* stmt = nullptr;
  IMessageMetadata* metaEntrada = nullptr;
  IMessageMetadata* metaSaida = nullptr;
  QStringList nomesEntradas;
  std::vector<Descritor> entradas;
  std::vector<Descritor> saidas;
  QHash<QString, int> indiceEntrada;
  QHash<QString, int> indiceSaida;
  std::vector<unsigned char> buffer;
  std::vector<unsigned char> inicial;
  std::vector<unsigned char> bufSaida;
  // Starting values the caller chose, applied again when the statement is prepared again.
  std::vector<std::pair<int, Dado>> iniciais;
  bool executada = false;

  ~Nucleo() override { libera(); }

  void fimTransacao(interno::NucleoTransacao*) noexcept override {}
  void desconexao() noexcept override { libera(); }

  void libera() noexcept {
    interno::liberaComando(stmt, metaEntrada, metaSaida, conexao, this);
    executada = false;
  }

  interno::Quem quem(int i) const { return {&nomesEntradas[i], i + 1, false}; }

  const Descritor& exigeEntrada(int i) const {
    if (!stmt && entradas.empty() && nomesEntradas.isEmpty())
      throw ErroBanco(QStringLiteral("O procedimento %1 não foi preparado.").arg(nome));
    if (i < 0 || i >= int(entradas.size()))
      throw ErroBanco(QStringLiteral("O procedimento %1 não tem a entrada %2.").arg(nome).arg(i + 1));
    return entradas[size_t(i)];
  }

  const Descritor& exigeSaida(int i) const {
    if (!executada) throw ErroBanco(QStringLiteral("O procedimento %1 não foi executado.").arg(nome));
    if (i < 0 || i >= int(saidas.size()))
      throw ErroBanco(QStringLiteral("O procedimento %1 não tem a saída %2.").arg(nome).arg(i + 1));
    return saidas[size_t(i)];
  }

  // The starting value of every input, once per preparation.
  void montaInicial() {
    inicial.assign(buffer.size(), 0);
    const interno::ContextoBlob semBlob;
    for (size_t i = 0; i < entradas.size(); ++i) {
      const Descritor& d = entradas[i];
      unsigned char* p = inicial.data() + d.deslocamento;
      short ind = kPresente;
      switch (d.tipo) {
        case SQL_VARYING:
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64:
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
          break;  // zero bytes: an empty text, the number 0
        case SQL_TEXT:
          std::memset(p, ' ', d.tamanho);
          break;
        case SQL_TYPE_DATE:
        case SQL_TIMESTAMP:
          interno::codifica(d, inicial.data(), Dado(dataInicial), semBlob, quem(int(i)));
          continue;
        default:
          ind = kNulo;
      }
      std::memcpy(inicial.data() + d.deslocamentoNulo, &ind, sizeof ind);
    }
    for (const auto& [i, valor] : iniciais)
      if (i < int(entradas.size())) interno::codifica(entradas[size_t(i)], inicial.data(), valor, semBlob, quem(i));
  }

  void prepara() {
    if (!transacao) throw ErroBanco(QStringLiteral("O procedimento %1 não tem transação.").arg(nome));
    const auto c = transacao->conexao;
    if (!c) throw ErroBanco(QStringLiteral("A transação do procedimento %1 não tem banco de dados.").arg(nome));
    c->exigeConectada();
    if (stmt && conexao == c && geracao == c->geracao) return;
    libera();
    nomesEntradas = interno::entradasProcedimento(transacao, nome);
    QByteArray sql = "EXECUTE PROCEDURE " + nome.toUtf8();
    if (!nomesEntradas.isEmpty()) {
      sql += '(';
      for (int i = 0; i < nomesEntradas.size(); ++i) sql += i ? ", ?" : "?";
      sql += ')';
    }
    transacao->garanteAtiva();
    const std::vector<unsigned char> anterior = std::move(buffer);
    interno::protegido([&] {
      interno::Status st;
      stmt = c->att->prepare(st.get(), transacao->tra, unsigned(sql.size()), sql.constData(), 3,
                             IStatement::PREPARE_PREFETCH_METADATA);
      conexao = c;
      geracao = c->geracao;
      c->dependentes.push_back(this);
      metaEntrada = stmt->getInputMetadata(st.get());
      metaSaida = stmt->getOutputMetadata(st.get());
      buffer.assign(metaEntrada->getMessageLength(st.get()), 0);
      bufSaida.assign(metaSaida->getMessageLength(st.get()), 0);
    });
    entradas = interno::descreve(metaEntrada);
    saidas = interno::descreve(metaSaida);
    indiceEntrada.clear();
    indiceSaida.clear();
    for (int i = 0; i < nomesEntradas.size(); ++i) indiceEntrada.insert(nomesEntradas[i].toUpper(), i);
    for (int i = 0; i < int(saidas.size()); ++i) indiceSaida.insert(saidas[size_t(i)].nome.toUpper(), i);
    montaInicial();
    // Prepared again after a reconnection: the values given stay.
    buffer = anterior.size() == inicial.size() ? anterior : inicial;
  }

  void escreveEscalado(int i, int64_t valor, int escala) {
    const Descritor& d = exigeEntrada(i);
    unsigned char* p = buffer.data() + d.deslocamento;
    bool cabe = true;
    switch (d.tipo) {
      case SQL_SHORT:
        cabe = gravaEscalado<int16_t>(p, valor, escala, d.escala);
        break;
      case SQL_LONG:
        cabe = gravaEscalado<int32_t>(p, valor, escala, d.escala);
        break;
      case SQL_INT64:
        cabe = gravaEscalado<int64_t>(p, valor, escala, d.escala);
        break;
      default:
        interno::codifica(d, buffer.data(), escala == 0 ? Dado(valor) : Dado(DezMilesimos{valor}), {}, quem(i));
        return;
    }
    if (!cabe)
      throw ErroBanco(QStringLiteral("O valor %1 não cabe em %2.")
                          .arg(escala == 0 ? QString::number(valor) : Decimal::texto(valor, escala), quem(i).texto()));
    std::memcpy(buffer.data() + d.deslocamentoNulo, &kPresente, sizeof kPresente);
  }
};

ChamadaProcedimento::ChamadaProcedimento(Transacao& transacao, const QString& nome, const QDate& dataInicial)
    : m(std::make_unique<Nucleo>()) {
  m->nome = nome.trimmed().toUpper();
  m->dataInicial = dataInicial;
  m->transacao = transacao.nucleo();
}

ChamadaProcedimento::~ChamadaProcedimento() = default;
ChamadaProcedimento::ChamadaProcedimento(ChamadaProcedimento&&) noexcept = default;
ChamadaProcedimento& ChamadaProcedimento::operator=(ChamadaProcedimento&&) noexcept = default;

const QString& ChamadaProcedimento::nome() const { return m->nome; }

void ChamadaProcedimento::prepara() { m->prepara(); }

bool ChamadaProcedimento::preparada() const { return m->stmt != nullptr; }

QStringList ChamadaProcedimento::entradas() const { return m->nomesEntradas; }

int ChamadaProcedimento::quantidadeEntradas() const { return int(m->entradas.size()); }

int ChamadaProcedimento::procuraEntrada(const QString& nome) const { return m->indiceEntrada.value(nome.toUpper(), -1); }

int ChamadaProcedimento::entrada(const QString& nome) const {
  const int i = procuraEntrada(nome);
  if (i < 0) throw ErroBanco(QStringLiteral("O procedimento %1 não tem o parâmetro %2.").arg(m->nome, nome));
  return i;
}

int ChamadaProcedimento::saida(const QString& nome) const {
  const int i = m->indiceSaida.value(nome.toUpper(), -1);
  if (i < 0) throw ErroBanco(QStringLiteral("O procedimento %1 não tem a saída %2.").arg(m->nome, nome));
  return i;
}

void ChamadaProcedimento::defineNulo(int posicao) {
  const Descritor& d = m->exigeEntrada(posicao);
  std::memcpy(m->buffer.data() + d.deslocamentoNulo, &kNulo, sizeof kNulo);
}

void ChamadaProcedimento::defineTexto(int posicao, QStringView texto) {
  const Descritor& d = m->exigeEntrada(posicao);
  if (d.tipo == SQL_VARYING || d.tipo == SQL_TEXT)
    interno::codificaTexto(d, m->buffer.data(), texto, m->quem(posicao));
  else
    interno::codifica(d, m->buffer.data(), Dado(texto.toString()), {}, m->quem(posicao));
}

void ChamadaProcedimento::defineInteiro(int posicao, int64_t valor) { m->escreveEscalado(posicao, valor, 0); }

void ChamadaProcedimento::defineDezMilesimos(int posicao, int64_t valor) { m->escreveEscalado(posicao, valor, -4); }

void ChamadaProcedimento::defineData(int posicao, const QDate& data) { define(posicao, Dado(data)); }

void ChamadaProcedimento::define(int posicao, const Dado& valor) {
  const Descritor& d = m->exigeEntrada(posicao);
  interno::codifica(d, m->buffer.data(), valor, {}, m->quem(posicao));
}

bool ChamadaProcedimento::entradaNula(int posicao) const {
  return interno::nulo(m->exigeEntrada(posicao), m->buffer.data());
}

int64_t ChamadaProcedimento::dezMilesimosEntrada(int posicao) const {
  const Descritor& d = m->exigeEntrada(posicao);
  if (const auto v = interno::dezMilesimosDireto(d, m->buffer.data())) return *v;
  return interno::decodifica(d, m->buffer.data(), {}).comoDezMilesimos();
}

QString ChamadaProcedimento::textoEntrada(int posicao) const {
  const Descritor& d = m->exigeEntrada(posicao);
  if (auto t = interno::textoDireto(d, m->buffer.data())) return *t;
  return interno::decodifica(d, m->buffer.data(), {}).comoTexto();
}

QDate ChamadaProcedimento::dataEntrada(int posicao) const {
  const Descritor& d = m->exigeEntrada(posicao);
  return interno::decodifica(d, m->buffer.data(), {}).comoData();
}

void ChamadaProcedimento::reinicia() { std::memcpy(m->buffer.data(), m->inicial.data(), m->buffer.size()); }

void ChamadaProcedimento::defineInicial(int posicao, const Dado& valor) {
  const Descritor& d = m->exigeEntrada(posicao);
  interno::codifica(d, m->inicial.data(), valor, {}, m->quem(posicao));
  m->iniciais.emplace_back(posicao, valor);
}

void ChamadaProcedimento::anulaEntradas() { interno::anula(m->entradas, m->buffer.data()); }

void ChamadaProcedimento::executa() {
  m->prepara();
  interno::NucleoTransacao& tr = *m->transacao;
  tr.garanteAtiva();
  m->executada = false;
  interno::protegido([&] {
    interno::Status st;
    m->stmt->execute(st.get(), tr.tra, m->entradas.empty() ? nullptr : m->metaEntrada,
                     m->entradas.empty() ? nullptr : m->buffer.data(), m->saidas.empty() ? nullptr : m->metaSaida,
                     m->saidas.empty() ? nullptr : m->bufSaida.data());
  });
  m->executada = true;
}

bool ChamadaProcedimento::saidaNula(int posicao) const { return interno::nulo(m->exigeSaida(posicao), m->bufSaida.data()); }

int64_t ChamadaProcedimento::saidaInteiro(int posicao) const {
  const Descritor& d = m->exigeSaida(posicao);
  if (const auto v = interno::inteiroDireto(d, m->bufSaida.data())) return *v;
  return interno::decodifica(d, m->bufSaida.data(), {}).comoInteiro();
}

QString ChamadaProcedimento::saidaTexto(int posicao) const {
  const Descritor& d = m->exigeSaida(posicao);
  if (auto t = interno::textoDireto(d, m->bufSaida.data())) return *t;
  return interno::decodifica(d, m->bufSaida.data(), {}).comoTexto();
}

}  // namespace bd
