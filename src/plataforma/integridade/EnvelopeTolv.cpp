#include "plataforma/integridade/EnvelopeTolv.h"

#include <QFile>

#include <unistd.h>

#include "plataforma/sistema/Cp1252.h"

namespace {

constexpr QByteArrayView kAbertura = "<envelope_tolv versao=\"1\"/>\r\n";
constexpr QByteArrayView kFimLinha = "\"/>\r\n";
constexpr QByteArrayView kInicioTamanho = "<tamanho_envelope valor=\"";
constexpr int kDigitosTamanho = 10;
// The size line: its prefix, ten digits and the line's end.
constexpr qsizetype kLinhaTamanho = 25 + kDigitosTamanho + 5;
// No envelope this module writes comes near it; a bigger claim is a damaged file.
constexpr int64_t kTamanhoMaximo = 1 << 20;

enum class Tipo { Texto, Base64 };

struct Conhecido {
  const char* nome;
  int codigo;
  Tipo tipo;
};

// The attributes the envelope knows, with the code that refuses a bad value.
constexpr Conhecido kConhecidos[] = {
    {"versao", -100, Tipo::Texto},           {"desenvolvimento", -101, Tipo::Texto},
    {"certificavel", -102, Tipo::Texto},     {"retificadora", -103, Tipo::Texto},
    {"sistema", -104, Tipo::Texto},          {"formulario", -105, Tipo::Texto},
    {"exercicio_zuq", -106, Tipo::Texto},    {"exercicio_arquivo", -107, Tipo::Texto},
    {"comp_periodo", -108, Tipo::Texto},     {"competencia_periodo", -108, Tipo::Texto},
    {"comp_ano", -109, Tipo::Texto},         {"competencia_ano", -109, Tipo::Texto},
    {"nome", -110, Tipo::Texto},             {"nome_label", -111, Tipo::Texto},
    {"ni", -112, Tipo::Texto},               {"ni_tipo", -113, Tipo::Texto},
    {"area_reservada", -114, Tipo::Base64},  {"versao_zuq", -115, Tipo::Texto},
    {"uf", -116, Tipo::Texto},               {"hash_arquivo", -117, Tipo::Base64},
    {"assinatura", -118, Tipo::Base64},      {"assinatura_bytes", -119, Tipo::Texto},
    {"controle_bvd", -120, Tipo::Texto},
};

const Conhecido* conhecido(const QString& nome) {
  for (const Conhecido& c : kConhecidos)
    if (nome == QLatin1String(c.nome)) return &c;
  return nullptr;
}

bool digitos(const QByteArray& v, qsizetype minimo, qsizetype maximo) {
  if (v.size() < minimo || v.size() > maximo) return false;
  for (char c : v)
    if (c < '0' || c > '9') return false;
  return true;
}

bool zeroOuUm(const QByteArray& v) { return v == "0" || v == "1"; }

// Whether the attribute takes the value.
bool aceita(const QString& nome, const QByteArray& v) {
  if (nome == u"retificadora" || nome == u"certificavel" || nome == u"desenvolvimento") return zeroOuUm(v);
  if (nome == u"exercicio_zuq" || nome == u"exercicio_arquivo") return digitos(v, 4, 4);
  if (nome == u"formulario" || nome == u"versao_zuq" || nome == u"versao" || nome == u"assinatura_bytes")
    return digitos(v, 1, 10);
  if (nome.startsWith(u"comp")) return digitos(v, 1, 4);
  if (nome == u"uf") return v.size() == 2 && v[0] >= 'A' && v[0] <= 'Z' && v[1] >= 'A' && v[1] <= 'Z';
  if (nome == u"ni_tipo") return v == "cpf" || v == "cnpj";
  if (nome == u"ni") return digitos(v, 11, 11) || digitos(v, 14, 14);
  if (nome == u"controle_bvd") return digitos(v, 10, 10);
  if (nome == u"area_reservada") return v.size() == 250;
  if (nome == u"hash_arquivo") return v.size() == 16;
  return !v.isEmpty();
}

QByteArray linha(const QString& nome, bool base64, const QByteArray& valor) {
  QByteArray r = '<' + nome.toLatin1() + (base64 ? " id valor=\"" : " valor=\"");
  r += base64 ? valor.toBase64() : valor;
  r += kFimLinha;
  return r;
}

QByteArray linhaTamanho(int64_t tamanho) {
  return kInicioTamanho.toByteArray() + QByteArray::number(qlonglong(tamanho)).rightJustified(kDigitosTamanho, '0') +
         kFimLinha.toByteArray();
}

}  // namespace

QByteArray EnvelopeTolv::ValorDaLinha(QByteArrayView linha) {
  while (linha.endsWith('\n') || linha.endsWith('\r')) linha.chop(1);
  const qsizetype aspas = linha.indexOf('"');
  if (aspas < 0 || !linha.endsWith("\"/>") || linha.size() - 3 < aspas + 1) return {};
  return linha.sliced(aspas + 1, linha.size() - 3 - aspas - 1).toByteArray();
}

int EnvelopeTolv::Abrir(int modo, const QString& caminho) {
  m_caminho.clear();
  m_atributos.clear();
  m_tamanho = 0;
  if (modo != 1) return kHandleInvalido;
  if (!QFile::exists(caminho)) return kArquivoInexistente;
  m_caminho = caminho;
  const int r = Carrega();
  if (r != kOk) m_caminho.clear();
  return r;
}

int EnvelopeTolv::Carrega() {
  QFile f(m_caminho);
  if (!f.open(QIODevice::ReadOnly)) return kArquivoInexistente;
  const int64_t tamanhoArquivo = f.size();
  if (tamanhoArquivo < kLinhaTamanho) return kOk;
  if (!f.seek(tamanhoArquivo - kLinhaTamanho)) return kArquivoInexistente;
  const QByteArray fim = f.read(kLinhaTamanho);
  if (!fim.startsWith(kInicioTamanho) || !fim.endsWith(kFimLinha)) return kOk;  // no envelope
  const QByteArray numero = fim.mid(kInicioTamanho.size(), kDigitosTamanho);
  if (!digitos(numero, kDigitosTamanho, kDigitosTamanho)) return kEnvelopeDanificado;
  const int64_t tamanho = numero.toLongLong();
  if (tamanho < kAbertura.size() + kLinhaTamanho || tamanho > tamanhoArquivo || tamanho > kTamanhoMaximo)
    return kEnvelopeDanificado;
  if (!f.seek(tamanhoArquivo - tamanho)) return kArquivoInexistente;
  const QByteArray envelope = f.read(tamanho);
  if (envelope.size() != tamanho || !envelope.startsWith(kAbertura)) return kEnvelopeDanificado;

  std::vector<Atributo> atributos;
  qsizetype inicio = kAbertura.size();
  const qsizetype fimAtributos = envelope.size() - kLinhaTamanho;
  while (inicio < fimAtributos) {
    const qsizetype quebra = envelope.indexOf("\r\n", inicio);
    if (quebra < 0 || quebra + 2 > fimAtributos) return kEnvelopeDanificado;
    const QByteArray l = envelope.mid(inicio, quebra + 2 - inicio);
    inicio = quebra + 2;
    const qsizetype espaco = l.indexOf(' ');
    if (!l.startsWith('<') || espaco < 2 || !l.endsWith(kFimLinha)) return kXmlMalFormatado;
    Atributo a;
    a.nome = QString::fromLatin1(l.mid(1, espaco - 1));
    a.base64 = l.mid(espaco + 1).startsWith(kMarcaBase64);
    const QByteArray valor = ValorDaLinha(l);
    if (a.base64) {
      const auto decodificado = QByteArray::fromBase64Encoding(valor, QByteArray::AbortOnBase64DecodingErrors);
      if (!decodificado) return kEnvelopeDanificado;
      a.valor = decodificado.decoded;
    } else {
      a.valor = valor;
    }
    atributos.push_back(std::move(a));
  }
  m_atributos = std::move(atributos);
  m_tamanho = tamanho;
  return kOk;
}

int EnvelopeTolv::Limpar() {
  if (!Aberto()) return kHandleInvalido;
  m_atributos.clear();
  return kOk;
}

int EnvelopeTolv::Define(const QString& atributo, bool base64, const QByteArray& valor) {
  if (!Aberto()) return kHandleInvalido;
  const Conhecido* c = conhecido(atributo);
  if (!c) return kAtributoNaoEncontrado;
  if ((c->tipo == Tipo::Base64) != base64 || !aceita(atributo, valor)) return c->codigo;
  for (Atributo& a : m_atributos)
    if (a.nome == atributo) {
      a.base64 = base64;
      a.valor = valor;
      return kOk;
    }
  m_atributos.push_back({atributo, base64, valor});
  return kOk;
}

int EnvelopeTolv::SetValor(const QString& atributo, const QString& valor) {
  // A value must stay on its line and in the file's code page.
  for (QChar c : valor)
    if (c == u'\r' || c == u'\n' || !Cp1252::representavel(c)) {
      const Conhecido* k = conhecido(atributo);
      return k ? k->codigo : kAtributoNaoEncontrado;
    }
  return Define(atributo, false, Cp1252::codifica(valor));
}

int EnvelopeTolv::SetValorB64(const QString& atributo, const QByteArray& dados) {
  return Define(atributo, true, dados);
}

int EnvelopeTolv::SalvarEnvelope() {
  if (!Aberto()) return kHandleInvalido;
  QByteArray envelope = kAbertura.toByteArray();
  for (const Atributo& a : m_atributos) envelope += linha(a.nome, a.base64, a.valor);
  envelope += linhaTamanho(envelope.size() + kLinhaTamanho);
  if (envelope.size() > kTamanhoMaximo) return kBufferInsuficiente;

  QFile f(m_caminho);
  if (!f.open(QIODevice::ReadWrite)) return kArquivoInexistente;
  const int64_t base = f.size() - m_tamanho;
  // The old envelope goes, the records before it stay as they are.
  if (!f.resize(base) || !f.seek(base) || f.write(envelope) != envelope.size() || !f.flush() ||
      ::fsync(f.handle()) != 0)
    return kErroGravacao;
  f.close();
  if (f.error() != QFileDevice::NoError) return kErroGravacao;
  m_tamanho = envelope.size();
  return kOk;
}

std::optional<QString> EnvelopeTolv::Valor(const QString& atributo) const {
  for (const Atributo& a : m_atributos)
    if (a.nome == atributo && !a.base64) return Cp1252::decodifica(a.valor);
  return std::nullopt;
}

std::optional<QByteArray> EnvelopeTolv::ValorB64(const QString& atributo) const {
  for (const Atributo& a : m_atributos)
    if (a.nome == atributo && a.base64) return a.valor;
  return std::nullopt;
}

QString EnvelopeTolv::MensagemErro(int codigo) {
  switch (codigo) {
    case kEnvelopeInexistente: return QStringLiteral("Envelope inexistente");
    case kHandleInvalido: return QStringLiteral("Handle Inválido");
    case kArquivoInexistente: return QStringLiteral("Arquivo Inexistente");
    case kErroGravacao: return QStringLiteral("Erro ao gravar no arquivo");
    case kBufferInsuficiente: return QStringLiteral("Buffer insuficiente");
    case kXmlMalFormatado: return QStringLiteral("XML mal formatado");
    case kEnvelopeDanificado: return QStringLiteral("Envelope danificado");
    case kAtributoNaoEncontrado: return QStringLiteral("Atributo não encontrado");
    case kVersaoNaoEncontrada: return QStringLiteral("Versão não encontrada");
    default: break;
  }
  static const char* const kNomes[] = {"versao",       "desenvolvimento", "certificavel",  "retificadora",
                                       "sistema",      "formulario",      "exercicio_zuq", "exercicio_arquivo",
                                       "comp_periodo", "comp_ano",        "nome",          "nome_label",
                                       "ni",           "ni_tipo",         "area_reservada", "versao_zuq",
                                       "uf",           "hash_arquivo",    "assinatura",    "assinatura_bytes",
                                       "controle_bvd"};
  if (codigo <= -100 && codigo >= -120)
    return QStringLiteral("Atributo \u201C%1\u201D inválido").arg(QLatin1String(kNomes[-100 - codigo]));
  return {};
}
