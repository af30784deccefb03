#include "plataforma/bd/Interno.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <ibase.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Cp1252.h"
#include "plataforma/sistema/PedidoTermino.h"

using namespace Firebird;

namespace bd::interno {

namespace {

constexpr unsigned kCharsetNone = 0;
constexpr unsigned kCharsetOctets = 1;
constexpr unsigned kCharsetUnicodeFss = 3;
constexpr unsigned kCharsetUtf8 = 4;
constexpr int kDiaJulianoIsc = 2400001;  // ISC dates count days from 17/11/1858

IStatus* statusCompartilhado() {
  // One status object, reused: the program talks to the engine from one thread.
  static IStatus* s = mestre()->getStatus();
  return s;
}

// What the layer keeps for the whole process. Its end runs the closings registered by the
// owners of long-lived connections first, while the rest is still whole.
struct Estado {
  QHash<QString, int> arquivosConectados;
  std::vector<std::function<void()>> fechamentos;

  ~Estado() {
    while (!fechamentos.empty()) {
      const std::function<void()> fecha = std::move(fechamentos.back());
      fechamentos.pop_back();
      try {
        fecha();
      } catch (...) {
        // The program is ending: the other closings still run.
      }
    }
  }
};

Estado& estado() {
  static Estado e;
  return e;
}

QHash<QString, int>& arquivosConectados() { return estado().arquivosConectados; }

QString caminhoAbsoluto(const QString& arquivo) {
  return QFileInfo(arquivo).absoluteFilePath();
}

QString textoDeBytes(const char* p, qsizetype n, unsigned charset) {
  if (charset == kCharsetUtf8 || charset == kCharsetUnicodeFss) return QString::fromUtf8(p, n);
  return Cp1252::decodifica(QByteArray(p, n));
}

QString textoDoMotor(const QByteArray& bytes) {
  // The engine's messages are UTF-8 here; a text that is not falls back to the database's page.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString t = utf8.decode(bytes);
  if (utf8.hasError()) return Cp1252::decodifica(bytes);
  return t;
}

[[noreturn]] void foraDosLimites(const Dado& v, const Quem& quem) {
  throw ErroBanco(QStringLiteral("O valor %1 não cabe em %2.").arg(v.comoTexto(), quem.texto()));
}

qsizetype caracteres(const QString& s) {
  qsizetype n = 0;
  for (qsizetype i = 0; i < s.size(); ++i, ++n)
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ++i;
  return n;
}

int64_t inteiroEscalado(const Dado& v, int escala, const Quem& quem) {
  std::optional<int64_t> r;
  switch (v.tipo()) {
    case Dado::Tipo::Inteiro:
      r = Decimal::reescala(v.comoInteiro(), 0, escala);
      break;
    case Dado::Tipo::DezMilesimos:
      r = Decimal::reescala(v.comoDezMilesimos(), -4, escala);
      break;
    case Dado::Tipo::Booleano:
      r = Decimal::reescala(v.comoBooleano() ? 1 : 0, 0, escala);
      break;
    case Dado::Tipo::Texto:
      r = Decimal::deTexto(v.comoTexto(), escala);
      if (!r) throw ErroBanco(QStringLiteral("\"%1\" não é um número válido para %2.").arg(v.comoTexto(), quem.texto()));
      break;
    case Dado::Tipo::Real: {
      const double d = v.comoReal() * std::pow(10.0, -escala);
      if (std::isfinite(d) && d < 9.2e18 && d > -9.2e18) r = int64_t(std::round(d));
      break;
    }
    default:
      throw ErroBanco(QStringLiteral("O valor %1 não é um número para %2.").arg(v.comoTexto(), quem.texto()));
  }
  if (!r) foraDosLimites(v, quem);
  return *r;
}

template <class T>
void gravaInteiro(unsigned char* p, const Dado& v, int escala, const Quem& quem) {
  const int64_t n = inteiroEscalado(v, escala, quem);
  if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) foraDosLimites(v, quem);
  const T x = T(n);
  std::memcpy(p, &x, sizeof x);
}

Dado valorEscalado(int64_t n, int escala) {
  if (escala == 0) return Dado(n);
  if (const auto d = Decimal::reescala(n, escala, -4)) return Dado(DezMilesimos{*d});
  return Dado(double(n) * std::pow(10.0, escala));
}

QByteArray leBlob(const ContextoBlob& ctx, ISC_QUAD id) {
  if (!ctx.att || !ctx.tra) throw ErroBanco(QStringLiteral("O texto longo não pode ser lido fora de uma transação ativa."));
  return protegido([&] {
    Status st;
    IBlob* blob = ctx.att->openBlob(st.get(), ctx.tra, &id, 0, nullptr);
    QByteArray dados;
    char pedaco[32768];
    try {
      for (;;) {
        unsigned lidos = 0;
        const int r = blob->getSegment(st.get(), sizeof pedaco, pedaco, &lidos);
        if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) {
          dados.append(pedaco, lidos);
          continue;
        }
        break;
      }
      blob->close(st.get());
    } catch (...) {
      blob->release();
      throw;
    }
    return dados;
  });
}

ISC_QUAD gravaBlob(const ContextoBlob& ctx, const QByteArray& dados) {
  if (!ctx.att || !ctx.tra) throw ErroBanco(QStringLiteral("O texto longo não pode ser gravado fora de uma transação ativa."));
  return protegido([&] {
    Status st;
    ISC_QUAD id{};
    IBlob* blob = ctx.att->createBlob(st.get(), ctx.tra, &id, 0, nullptr);
    try {
      for (qsizetype i = 0; i < dados.size(); i += 32768) {
        const qsizetype n = std::min<qsizetype>(32768, dados.size() - i);
        blob->putSegment(st.get(), unsigned(n), dados.constData() + i);
      }
      blob->close(st.get());
    } catch (...) {
      blob->release();
      throw;
    }
    return id;
  });
}

}  // namespace

IMaster* mestre() {
  static IMaster* m = fb_get_master_interface();
  return m;
}

IUtil* util() {
  static IUtil* u = mestre()->getUtilInterface();
  return u;
}

namespace {

// Asked by the engine before it shuts itself down; a signal is the program's to handle while
// it has its own handlers for it.
int confirmaDesligamento(const int motivo, const int, void*) {
  return motivo == fb_shutrsn_signal && PedidoTermino::instalado() ? 1 : 0;
}

}  // namespace

IProvider* provedor() {
  static IProvider* p = [] {
    ISC_STATUS vetor[ISC_STATUS_LENGTH] = {};
    fb_shutdown_callback(vetor, confirmaDesligamento, fb_shut_confirmation, nullptr);
    return mestre()->getDispatcher();
  }();
  return p;
}

Status::Status() : m_st(statusCompartilhado()) { m_st.init(); }

StatusSilencioso::StatusSilencioso() : m_st(mestre()->getStatus()) {}

ErroBanco erroDe(const FbException& e) { return erroDe(e.getStatus()->getErrors()); }

ErroBanco erroDe(const intptr_t* vetor) {
  IStatus* s = mestre()->getStatus();
  s->setErrors(vetor);
  char texto[4096];
  const unsigned n = util()->formatStatus(texto, sizeof texto - 1, s);
  s->dispose();
  texto[std::min<unsigned>(n, sizeof texto - 1)] = 0;
  QString mensagem = textoDoMotor(QByteArray(texto)).trimmed();
  char sqlstate[6] = {};
  fb_sqlstate(sqlstate, vetor);
  const intptr_t gds = vetor[0] == isc_arg_gds ? vetor[1] : 0;
  return ErroBanco(mensagem, int(isc_sqlcode(vetor)), gds, QString::fromLatin1(sqlstate, 5));
}

std::vector<Descritor> descreve(IMessageMetadata* md) {
  std::vector<Descritor> r;
  if (!md) return r;
  protegido([&] {
    Status st;
    const unsigned n = md->getCount(st.get());
    r.reserve(n);
    for (unsigned i = 0; i < n; ++i) {
      Descritor d;
      d.tipo = md->getType(st.get(), i) & ~1u;
      d.subtipo = md->getSubType(st.get(), i);
      d.escala = md->getScale(st.get(), i);
      d.tamanho = md->getLength(st.get(), i);
      d.charset = md->getCharSet(st.get(), i);
      d.deslocamento = md->getOffset(st.get(), i);
      d.deslocamentoNulo = md->getNullOffset(st.get(), i);
      const char* alias = md->getAlias(st.get(), i);
      d.nome = QString::fromUtf8(alias && *alias ? alias : md->getField(st.get(), i));
      r.push_back(std::move(d));
    }
  });
  return r;
}

bool nulo(const Descritor& d, const unsigned char* linha) {
  short ind;
  std::memcpy(&ind, linha + d.deslocamentoNulo, sizeof ind);
  return ind != 0;
}

void anula(const std::vector<Descritor>& ds, unsigned char* linha) {
  const short nuloInd = -1;
  for (const Descritor& d : ds) std::memcpy(linha + d.deslocamentoNulo, &nuloInd, sizeof nuloInd);
}

QString Quem::texto() const {
  if (campo) return QStringLiteral("o campo %1").arg(nome ? *nome : QString());
  if (nome && !nome->isEmpty()) return QStringLiteral("o parâmetro %1").arg(*nome);
  return QStringLiteral("o parâmetro %1").arg(posicao);
}

namespace {

// Bytes that fit into a text column: a VARCHAR takes its length, a CHAR is padded with blanks.
void gravaBytes(const Descritor& d, unsigned char* p, const QByteArray& b) {
  if (d.tipo == SQL_VARYING) {
    const uint16_t n = uint16_t(b.size());
    std::memcpy(p, &n, sizeof n);
    std::memcpy(p + sizeof n, b.constData(), size_t(b.size()));
  } else {
    std::memcpy(p, b.constData(), size_t(b.size()));
    std::memset(p + b.size(), ' ', d.tamanho - size_t(b.size()));
  }
}

}  // namespace

void codificaTexto(const Descritor& d, unsigned char* linha, QStringView t, const Quem& quem) {
  unsigned char* p = linha + d.deslocamento;
  const bool utf8 = d.charset == kCharsetUtf8 || d.charset == kCharsetUnicodeFss;
  auto longoDemais = [&] {
    throw ErroBanco(QStringLiteral("O texto \"%1\" é longo demais para %2.").arg(t.toString(), quem.texto()));
  };
  const short presente = 0;
  if (utf8 && d.tipo == SQL_VARYING && t.size() * 3 <= qsizetype(d.tamanho)) {
    // The usual case, written straight into the message: no intermediate buffer.
    static QStringEncoder codificador(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    char* inicio = reinterpret_cast<char*>(p + sizeof(uint16_t));
    const qsizetype n = codificador.appendToBuffer(inicio, t) - inicio;
    // A UTF-8 column of n characters is described with 4n bytes: both limits hold.
    if (n > qsizetype(d.tamanho / 4) && caracteres(t.toString()) > qsizetype(d.tamanho / 4)) longoDemais();
    const uint16_t tamanho = uint16_t(n);
    std::memcpy(p, &tamanho, sizeof tamanho);
    std::memcpy(linha + d.deslocamentoNulo, &presente, sizeof presente);
    return;
  }
  const QByteArray b = utf8 ? t.toUtf8() : Cp1252::codifica(t.toString());
  if (b.size() > qsizetype(d.tamanho) ||
      (utf8 && b.size() > qsizetype(d.tamanho / 4) && caracteres(t.toString()) > qsizetype(d.tamanho / 4)))
    longoDemais();
  gravaBytes(d, p, b);
  std::memcpy(linha + d.deslocamentoNulo, &presente, sizeof presente);
}

void codifica(const Descritor& d, unsigned char* linha, const Dado& v, const ContextoBlob& ctx,
              const Quem& quem) {
  if (v.tipo() == Dado::Tipo::DezMilesimos && d.tipo == SQL_INT64 && d.escala == -4) {
    // The program's amounts go as they are: a save of a line sends a hundred of them.
    const int64_t x = v.comoDezMilesimos();
    const short presente = 0;
    std::memcpy(linha + d.deslocamento, &x, sizeof x);
    std::memcpy(linha + d.deslocamentoNulo, &presente, sizeof presente);
    return;
  }
  short ind = -1;
  unsigned char* p = linha + d.deslocamento;
  const bool texto = d.tipo == SQL_TEXT || d.tipo == SQL_VARYING || d.tipo == SQL_BLOB;
  // An empty text stands for null in a parameter that is not text (a cleared date or number).
  const bool vazio = v.nulo() || (!texto && v.tipo() == Dado::Tipo::Texto && v.comoTexto().trimmed().isEmpty());
  if (!vazio) {
    ind = 0;
    switch (d.tipo) {
      case SQL_SHORT:
        gravaInteiro<int16_t>(p, v, d.escala, quem);
        break;
      case SQL_LONG:
        gravaInteiro<int32_t>(p, v, d.escala, quem);
        break;
      case SQL_INT64:
        gravaInteiro<int64_t>(p, v, d.escala, quem);
        break;
      case SQL_FLOAT: {
        const float x = float(v.comoReal());
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_DOUBLE:
      case SQL_D_FLOAT: {
        const double x = v.comoReal();
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_TYPE_DATE: {
        const QDate data = v.comoData();
        if (!data.isValid()) {
          ind = -1;
          break;
        }
        const ISC_DATE x = ISC_DATE(data.toJulianDay() - kDiaJulianoIsc);
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_TYPE_TIME: {
        const QTime h = v.comoHora();
        if (!h.isValid()) {
          ind = -1;
          break;
        }
        const ISC_TIME x = ISC_TIME(h.msecsSinceStartOfDay()) * 10;
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_TIMESTAMP: {
        const QDateTime dh = v.comoDataHora();
        if (!dh.isValid()) {
          ind = -1;
          break;
        }
        ISC_TIMESTAMP x;
        x.timestamp_date = ISC_DATE(dh.date().toJulianDay() - kDiaJulianoIsc);
        x.timestamp_time = ISC_TIME(dh.time().msecsSinceStartOfDay()) * 10;
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_BOOLEAN: {
        const FB_BOOLEAN x = v.comoBooleano() ? FB_TRUE : FB_FALSE;
        std::memcpy(p, &x, sizeof x);
        break;
      }
      case SQL_TEXT:
      case SQL_VARYING: {
        if (v.tipo() != Dado::Tipo::Bytes) {
          codificaTexto(d, linha, v.comoTexto(), quem);
          break;
        }
        const QByteArray b = v.comoBytes();
        if (b.size() > qsizetype(d.tamanho))
          throw ErroBanco(QStringLiteral("O texto \"%1\" é longo demais para %2.").arg(v.comoTexto(), quem.texto()));
        gravaBytes(d, p, b);
        break;
      }
      case SQL_BLOB: {
        const QByteArray b = v.tipo() == Dado::Tipo::Bytes ? v.comoBytes() : v.comoTexto().toUtf8();
        const ISC_QUAD id = gravaBlob(ctx, b);
        std::memcpy(p, &id, sizeof id);
        break;
      }
      case SQL_NULL:
        break;
      default:
        throw ErroBanco(QStringLiteral("Tipo de dado %1 não suportado em %2.").arg(d.tipo).arg(quem.texto()));
    }
  }
  std::memcpy(linha + d.deslocamentoNulo, &ind, sizeof ind);
}

Dado decodifica(const Descritor& d, const unsigned char* linha, const ContextoBlob& ctx) {
  if (nulo(d, linha)) return Dado();
  const unsigned char* p = linha + d.deslocamento;
  switch (d.tipo) {
    case SQL_SHORT: {
      int16_t x;
      std::memcpy(&x, p, sizeof x);
      return valorEscalado(x, d.escala);
    }
    case SQL_LONG: {
      int32_t x;
      std::memcpy(&x, p, sizeof x);
      return valorEscalado(x, d.escala);
    }
    case SQL_INT64: {
      int64_t x;
      std::memcpy(&x, p, sizeof x);
      return valorEscalado(x, d.escala);
    }
    case SQL_FLOAT: {
      float x;
      std::memcpy(&x, p, sizeof x);
      return Dado(double(x));
    }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
      double x;
      std::memcpy(&x, p, sizeof x);
      return Dado(x);
    }
    case SQL_TEXT: {
      const char* c = reinterpret_cast<const char*>(p);
      if (d.charset == kCharsetOctets) return Dado::bytes(QByteArray(c, d.tamanho));
      qsizetype n = d.tamanho;
      while (n > 0 && c[n - 1] == ' ') --n;  // CHAR columns come padded with blanks
      return Dado(textoDeBytes(c, n, d.charset));
    }
    case SQL_VARYING: {
      uint16_t n;
      std::memcpy(&n, p, sizeof n);
      const char* c = reinterpret_cast<const char*>(p + sizeof n);
      if (d.charset == kCharsetOctets) return Dado::bytes(QByteArray(c, n));
      return Dado(textoDeBytes(c, n, d.charset));
    }
    case SQL_TYPE_DATE: {
      ISC_DATE x;
      std::memcpy(&x, p, sizeof x);
      return Dado(QDate::fromJulianDay(qint64(x) + kDiaJulianoIsc));
    }
    case SQL_TYPE_TIME: {
      ISC_TIME x;
      std::memcpy(&x, p, sizeof x);
      return Dado(QTime::fromMSecsSinceStartOfDay(int(x / 10)));
    }
    case SQL_TIMESTAMP: {
      ISC_TIMESTAMP x;
      std::memcpy(&x, p, sizeof x);
      return Dado(QDateTime(QDate::fromJulianDay(qint64(x.timestamp_date) + kDiaJulianoIsc),
                             QTime::fromMSecsSinceStartOfDay(int(x.timestamp_time / 10))));
    }
    case SQL_BOOLEAN:
      return Dado(*p != 0);
    case SQL_BLOB: {
      ISC_QUAD id;
      std::memcpy(&id, p, sizeof id);
      const QByteArray b = leBlob(ctx, id);
      if (d.subtipo == 1) return Dado(textoDoMotor(b));
      return Dado::bytes(b);
    }
    case SQL_NULL:
      return Dado();
    default:
      throw ErroBanco(QStringLiteral("Tipo de dado %1 não suportado no campo %2.").arg(d.tipo).arg(d.nome));
  }
}

namespace {

// The integer of an exact number's column, as stored.
std::optional<int64_t> inteiroCru(const Descritor& d, const unsigned char* p) {
  switch (d.tipo) {
    case SQL_SHORT: {
      int16_t x;
      std::memcpy(&x, p, sizeof x);
      return x;
    }
    case SQL_LONG: {
      int32_t x;
      std::memcpy(&x, p, sizeof x);
      return x;
    }
    case SQL_INT64: {
      int64_t x;
      std::memcpy(&x, p, sizeof x);
      return x;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<int64_t> dezMilesimosDireto(const Descritor& d, const unsigned char* linha) {
  if (d.tipo != SQL_SHORT && d.tipo != SQL_LONG && d.tipo != SQL_INT64) return std::nullopt;
  if (nulo(d, linha)) return 0;
  const std::optional<int64_t> cru = inteiroCru(d, linha + d.deslocamento);
  // The amounts of the program are stored with four decimals: no rescaling.
  if (d.escala == -4) return cru;
  return Decimal::reescala(*cru, d.escala, -4);
}

std::optional<int64_t> inteiroDireto(const Descritor& d, const unsigned char* linha) {
  if (d.escala != 0) return std::nullopt;
  if (d.tipo != SQL_SHORT && d.tipo != SQL_LONG && d.tipo != SQL_INT64) return std::nullopt;
  if (nulo(d, linha)) return 0;
  return inteiroCru(d, linha + d.deslocamento);
}

std::optional<QByteArrayView> bytesDeTexto(const Descritor& d, const unsigned char* linha) {
  if ((d.tipo != SQL_VARYING && d.tipo != SQL_TEXT) || d.charset == kCharsetOctets) return std::nullopt;
  if (nulo(d, linha)) return QByteArrayView();
  const unsigned char* p = linha + d.deslocamento;
  if (d.tipo == SQL_VARYING) {
    uint16_t n;
    std::memcpy(&n, p, sizeof n);
    return QByteArrayView(reinterpret_cast<const char*>(p + sizeof n), n);
  }
  const char* c = reinterpret_cast<const char*>(p);
  qsizetype n = d.tamanho;
  while (n > 0 && c[n - 1] == ' ') --n;  // CHAR columns come padded with blanks
  return QByteArrayView(c, n);
}

std::optional<QString> textoDireto(const Descritor& d, const unsigned char* linha) {
  const auto bytes = bytesDeTexto(d, linha);
  if (!bytes) return std::nullopt;
  return textoDeBytes(bytes->data(), bytes->size(), d.charset);
}

NucleoConexao::~NucleoConexao() {
  try {
    desconecta();
  } catch (const ErroBanco&) {
    // The handles are released either way; nothing is left to report to.
  }
}

void NucleoConexao::exigeConectada() const {
  if (!att) throw ErroBanco(QStringLiteral("O banco de dados %1 não está conectado.").arg(arquivo));
}

RetomaSinais::~RetomaSinais() { PedidoTermino::retoma(); }

void NucleoConexao::conecta() {
  if (att) return;
  if (arquivo.isEmpty()) throw ErroBanco(QStringLiteral("Nenhum arquivo de banco de dados foi indicado."));
  protegido([&] {
    Status st;
    RetomaSinais retoma;
    IXpbBuilder* dpb = util()->getXpbBuilder(st.get(), IXpbBuilder::DPB, nullptr, 0);
    try {
      dpb->insertString(st.get(), isc_dpb_user_name, "sysdba");
      dpb->insertString(st.get(), isc_dpb_password, "quintapel");
      dpb->insertString(st.get(), isc_dpb_lc_ctype, "UTF8");
      const QByteArray nome = QFile::encodeName(arquivo);
      att = provedor()->attachDatabase(st.get(), nome.constData(), dpb->getBufferLength(st.get()),
                                       dpb->getBuffer(st.get()));
    } catch (...) {
      dpb->dispose();
      throw;
    }
    dpb->dispose();
  });
  ++geracao;
  ++arquivosConectados()[caminhoAbsoluto(arquivo)];
}

void NucleoConexao::desconecta() {
  if (!att) return;
  for (Dependente* d : std::vector<Dependente*>(dependentes)) d->desconexao();
  for (NucleoTransacao* t : std::vector<NucleoTransacao*>(transacoes)) t->descarta();
  entradasProcedimentos.clear();
  IAttachment* a = att;
  att = nullptr;
  const QString chave = caminhoAbsoluto(arquivo);
  auto& conectados = arquivosConectados();
  if (--conectados[chave] <= 0) conectados.remove(chave);
  try {
    Status st;
    a->detach(st.get());
  } catch (const FbException& e) {
    a->release();
    throw erroDe(e);
  }
}

NucleoTransacao::~NucleoTransacao() {
  descarta();
  if (conexao) std::erase(conexao->transacoes, this);
}

void NucleoTransacao::vincula(std::shared_ptr<NucleoConexao> c) {
  if (c == conexao) return;
  if (tra) throw ErroBanco(QStringLiteral("O banco de dados de uma transação ativa não pode ser trocado."));
  if (conexao) std::erase(conexao->transacoes, this);
  conexao = std::move(c);
  if (conexao) conexao->transacoes.push_back(this);
}

void NucleoTransacao::inicia() {
  if (tra) throw ErroBanco(QStringLiteral("A transação já está ativa."));
  if (!conexao) throw ErroBanco(QStringLiteral("A transação não tem banco de dados."));
  conexao->exigeConectada();
  protegido([&] {
    Status st;
    tra = conexao->att->startTransaction(st.get(), unsigned(tpb.size()),
                                         reinterpret_cast<const unsigned char*>(tpb.constData()));
  });
  alterada = false;
}

namespace {
[[noreturn]] void inativa() { throw ErroBanco(QStringLiteral("A transação não está ativa.")); }
}  // namespace

void NucleoTransacao::commit() {
  if (!tra) inativa();
  avisaFim();
  protegido([&] {
    Status st;
    tra->commit(st.get());  // releases the handle on success
  });
  tra = nullptr;
  alterada = false;
}

void NucleoTransacao::prepara() {
  if (!tra) inativa();
  avisaFim();
  protegido([&] {
    Status st;
    tra->prepare(st.get(), 0, nullptr);
  });
}

void NucleoTransacao::commitRetendo() {
  if (!tra) inativa();
  protegido([&] {
    Status st;
    tra->commitRetaining(st.get());
  });
  alterada = false;
}

void NucleoTransacao::rollback() {
  if (!tra) inativa();
  avisaFim();
  protegido([&] {
    Status st;
    tra->rollback(st.get());
  });
  tra = nullptr;
  alterada = false;
}

void NucleoTransacao::rollbackRetendo() {
  if (!tra) inativa();
  protegido([&] {
    Status st;
    tra->rollbackRetaining(st.get());
  });
  alterada = false;
}

void NucleoTransacao::descarta() noexcept {
  if (!tra) return;
  avisaFim();
  StatusSilencioso st;
  tra->rollback(st.get());
  if (st.falhou()) tra->release();
  tra = nullptr;
  alterada = false;
}

void NucleoTransacao::avisaFim() noexcept {
  if (!conexao) return;
  for (Dependente* d : std::vector<Dependente*>(conexao->dependentes)) d->fimTransacao(this);
}

void liberaComando(IStatement*& stmt, IMessageMetadata*& entrada, IMessageMetadata*& saida,
                   std::shared_ptr<NucleoConexao>& conexao, Dependente* dono) noexcept {
  if (entrada) entrada->release();
  if (saida) saida->release();
  entrada = saida = nullptr;
  if (stmt) {
    StatusSilencioso st;
    stmt->free(st.get());  // releases on success
    if (st.falhou()) stmt->release();
    stmt = nullptr;
  }
  if (conexao) std::erase(conexao->dependentes, dono);
  conexao.reset();
}

QByteArray montaTpb(const QStringList& parametros) {
  struct Item {
    const char* nome;
    char codigo;
  };
  static const Item itens[] = {
      {"consistency", isc_tpb_consistency},     {"concurrency", isc_tpb_concurrency},
      {"shared", isc_tpb_shared},               {"protected", isc_tpb_protected},
      {"exclusive", isc_tpb_exclusive},         {"wait", isc_tpb_wait},
      {"nowait", isc_tpb_nowait},               {"read", isc_tpb_read},
      {"write", isc_tpb_write},                 {"ignore_limbo", isc_tpb_ignore_limbo},
      {"read_committed", isc_tpb_read_committed}, {"autocommit", isc_tpb_autocommit},
      {"rec_version", isc_tpb_rec_version},     {"no_rec_version", isc_tpb_no_rec_version},
      {"restart_requests", isc_tpb_restart_requests}, {"no_auto_undo", isc_tpb_no_auto_undo},
  };
  QByteArray tpb;
  for (const QString& bruto : parametros) {
    QString p = bruto.trimmed().toLower();
    if (p.isEmpty()) continue;
    if (p.startsWith(u"isc_tpb_")) p = p.mid(8);
    if (tpb.isEmpty()) tpb.append(char(isc_tpb_version3));
    const qsizetype igual = p.indexOf(u'=');
    const QString nome = igual < 0 ? p : p.left(igual).trimmed();
    const QString valor = igual < 0 ? QString() : bruto.trimmed().mid(bruto.trimmed().indexOf(u'=') + 1).trimmed();
    if (nome == u"lock_read" || nome == u"lock_write") {
      const QByteArray tabela = valor.toUpper().toUtf8();
      if (tabela.isEmpty() || tabela.size() > 255) throw ErroBanco(QStringLiteral("Parâmetro de transação inválido: %1").arg(bruto));
      tpb.append(char(nome == u"lock_read" ? isc_tpb_lock_read : isc_tpb_lock_write));
      tpb.append(char(tabela.size()));
      tpb.append(tabela);
      continue;
    }
    if (nome == u"lock_timeout") {
      bool ok = false;
      const int32_t segundos = valor.toInt(&ok);
      if (!ok) throw ErroBanco(QStringLiteral("Parâmetro de transação inválido: %1").arg(bruto));
      tpb.append(char(isc_tpb_lock_timeout));
      tpb.append(char(sizeof segundos));
      for (unsigned i = 0; i < sizeof segundos; ++i) tpb.append(char((segundos >> (8 * i)) & 0xff));
      continue;
    }
    bool achou = false;
    for (const Item& item : itens) {
      if (nome == QLatin1String(item.nome)) {
        tpb.append(item.codigo);
        achou = true;
        break;
      }
    }
    if (!achou) throw ErroBanco(QStringLiteral("Parâmetro de transação desconhecido: %1").arg(bruto));
  }
  return tpb;
}

void registraFechamento(std::function<void()> fecha) { estado().fechamentos.push_back(std::move(fecha)); }

bool arquivoConectado(const QString& caminho) {
  return arquivosConectados().contains(caminhoAbsoluto(caminho));
}

}  // namespace bd::interno
