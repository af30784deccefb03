#include "relatorios/recibo/ConferenciaRecibo.h"

#include <QFile>

#include "entrega/ArquivoDeclaracao.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/UtilArquivos.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/integridade/BibliotecaAssinatura.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/integridade/ErroIntegridade.h"
#include "plataforma/integridade/Integridade.h"
#include "relatorios/recibo/LinhasArquivo.h"

namespace {

// What the checks take from the envelope at the end of a declaration file.
struct DadosEnvelope {
  int64_t tamanho = 0;  // 0 without a readable envelope
  std::optional<QByteArray> hash;
  QString controle;
};

DadosEnvelope LeEnvelope(const QString& arquivo) {
  DadosEnvelope d;
  EnvelopeTolv envelope;
  if (envelope.Abrir(1, arquivo) != EnvelopeTolv::kOk) return d;
  d.tamanho = qMax<int64_t>(0, envelope.GetTamanhoEnvelope());
  if (d.tamanho == 0) return d;
  d.hash = envelope.ValorB64(QStringLiteral("hash_arquivo"));
  d.controle = envelope.Valor(QString::fromLatin1(EnvelopeTolv::kMarcaControle)).value_or(QString());
  return d;
}

std::optional<QString> HashArmazenado(const DadosEnvelope& d) {
  if (!d.hash) return std::nullopt;
  return QString::fromLatin1(d.hash->toBase64());
}

std::optional<QString> Md5SemEnvelope(const QString& arquivo, int64_t tamanhoEnvelope) {
  try {
    return QString::fromLatin1(CalculaMD5Arquivo(arquivo, tamanhoEnvelope).toBase64());
  } catch (const ErroIntegridade&) {
    // An unreadable file has no digest: it matches nothing.
    return std::nullopt;
  }
}

bool ControleValido(const QString& controle) { return controle.size() == 10 && SomenteNumeros(controle); }

bool Comeca(const QByteArray& linha, const char* nome) { return linha.startsWith(nome); }

}  // namespace

ConferenciaRecibo::ConferenciaRecibo() : ConferenciaRecibo(ConfiguracoesTolv::BibliotecaAssinatura()) {}

ConferenciaRecibo::ConferenciaRecibo(const QString& bibliotecaAssinatura)
    : m_caminhoAssinatura(bibliotecaAssinatura), m_assinatura(std::make_unique<BibliotecaAssinatura>()) {}

ConferenciaRecibo::~ConferenciaRecibo() = default;

std::optional<QString> ConferenciaRecibo::CalcularHashDeclaracao(const QString& arquivo) {
  return Md5SemEnvelope(arquivo, LeEnvelope(arquivo).tamanho);
}

std::optional<QString> ConferenciaRecibo::LerHashEnvelope(const QString& arquivo) {
  return HashArmazenado(LeEnvelope(arquivo));
}

bool ConferenciaRecibo::ConfereHash(const std::optional<QString>& calculado, const std::optional<QString>& armazenado) {
  return calculado && armazenado && *calculado == *armazenado;
}

ResultadoRecibo ConferenciaRecibo::Confere(const QString& arquivo) {
  ResultadoRecibo r;
  r.ArquivoDeclaracao = ArquivoDeclaracao::AoLado(arquivo, QStringLiteral("DEC"));
  r.ArquivoRecibo = ArquivoDeclaracao::AoLado(arquivo, QStringLiteral("REC"));

  // The declaration must be as it was written: its digest without the envelope against the
  // envelope's. A file without an envelope is digested whole and has nothing to match.
  const DadosEnvelope envelope = r.ArquivoDeclaracao.isEmpty() ? DadosEnvelope{} : LeEnvelope(r.ArquivoDeclaracao);
  const std::optional<QString> calculado =
      r.ArquivoDeclaracao.isEmpty() ? std::nullopt : Md5SemEnvelope(r.ArquivoDeclaracao, envelope.tamanho);
  if (!ConfereHash(calculado, HashArmazenado(envelope))) {
    r.Estado = EstadoRecibo::DeclaracaoAlterada;
    return r;
  }

  QFile declaracao(r.ArquivoDeclaracao);
  if (!declaracao.open(QIODevice::ReadOnly)) {
    r.Estado = EstadoRecibo::DeclaracaoAlterada;
    return r;
  }
  // Only the records: the envelope is not part of the extract.
  LinhasArquivo linhas(declaracao, declaracao.size() - envelope.tamanho);
  r.Extrato = ExtratoDeclaracao::Preenche(linhas);
  if (linhas.Falhou() || !r.Extrato.Legivel) {
    r.Estado = EstadoRecibo::DeclaracaoAlterada;
    return r;
  }

  // Without its control number the receipt can be neither numbered nor checked.
  if (!ControleValido(envelope.controle)) {
    r.Estado = EstadoRecibo::ReciboCorrompido;
    return r;
  }
  r.Controle = envelope.controle;
  r.NumeroRecibo = TNumeroRecibo::FormataRecibo(r.Controle + TNumeroRecibo::CalculaDVRecibo(r.Controle));

  LerRecibo(r);
  return r;
}

void ConferenciaRecibo::LerRecibo(ResultadoRecibo& r) {
  const auto falha = [&r](EstadoRecibo estado) { r.Estado = estado; };
  // A declaration never received has no receipt: nothing to ask, nothing to print.
  if (r.ArquivoRecibo.isEmpty()) return falha(EstadoRecibo::ReciboCorrompido);
  QFile arquivo;
  if (!AbreArquivoBytes(arquivo, r.ArquivoRecibo)) return falha(EstadoRecibo::ReciboCorrompido);
  LinhasArquivo linhas(arquivo);
  ReciboEntrega& rec = r.Recibo;
  const QString& niDeclaracao = r.Extrato.NiTerceiraLinha;

  rec.LinhaHC = linhas.ProximaOuVazia();
  if (!Comeca(rec.LinhaHC, "HC")) return falha(EstadoRecibo::ReciboCorrompido);
  rec.NiRecibo = ReciboEntrega::NiDaLinha(rec.LinhaHC);
  if (niDeclaracao.isEmpty() || rec.NiRecibo != niDeclaracao) return falha(EstadoRecibo::OutroContribuinte);

  rec.LinhaRC = linhas.ProximaOuVazia();
  if (!Comeca(rec.LinhaRC, "RC")) return falha(EstadoRecibo::ReciboCorrompido);
  if (ReciboEntrega::NiDaLinha(rec.LinhaRC) != niDeclaracao) return falha(EstadoRecibo::OutroContribuinte);
  if (rec.LinhaRC.size() != ReciboEntrega::kTamanhoRC || !rec.LeRecepcao())
    return falha(EstadoRecibo::ReciboCorrompido);

  QByteArray linha = linhas.ProximaOuVazia();
  if (Comeca(linha, "NC")) {
    rec.LinhaNC = linha;
    rec.LeAviso(r.Extrato.AnoCalendario != r.Extrato.Exercicio);
    // A fine that cannot be read cannot be noticed nor paid.
    if (rec.AutoInfracao && !rec.Aviso.Multa) return falha(EstadoRecibo::ReciboCorrompido);
    linha = linhas.ProximaOuVazia();
  }
  if (Comeca(linha, "VC")) {
    rec.LinhaVC = linha;
    if (!rec.LePendencias()) return falha(EstadoRecibo::ReciboCorrompido);
    linha = linhas.ProximaOuVazia();
  }
  if (!Comeca(linha, "TC")) return falha(EstadoRecibo::ReciboCorrompido);
  rec.LinhaTC = linha;

  if (!ConfereAssinatura(r)) return;
  if (!ReciboEntrega::ConfereCadeiaCrc(rec.LinhaHC, rec.LinhaRC, rec.LinhaNC, rec.LinhaTC, rec.LinhaVC))
    return falha(EstadoRecibo::ReciboCorrompido);
}

bool ConferenciaRecibo::ConfereAssinatura(ResultadoRecibo& r) {
  if (!m_assinatura->Carregada() && !m_assinatura->Carrega(m_caminhoAssinatura)) {
    r.Estado = EstadoRecibo::BibliotecaAusente;
    return false;
  }
  const ReciboEntrega& rec = r.Recibo;
  BibliotecaAssinatura::Dados d;
  d.autenticacao = rec.LinhaRC.mid(59, 10);
  d.ni = rec.LinhaRC.mid(2, 14).trimmed();
  d.controle = r.Controle.toLatin1();
  d.dia = rec.Dia;
  d.mes = rec.Mes;
  d.ano = rec.Ano;
  d.hora = rec.Hora;
  d.minuto = rec.Minuto;
  d.segundo = rec.Segundo;
  if (m_assinatura->Confere(d)) return true;
  r.Estado = EstadoRecibo::ReciboCorrompido;
  return false;
}
