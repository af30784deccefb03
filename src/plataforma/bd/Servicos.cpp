#include "plataforma/bd/Servicos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "plataforma/bd/Interno.h"

using namespace Firebird;

namespace bd {

namespace {

void acrescentaTexto(QByteArray& spb, char tag, const QByteArray& texto) {
  spb.append(tag);
  spb.append(char(texto.size()));
  spb.append(texto);
}

void acrescentaInteiro(QByteArray& spb, char tag, int32_t valor) {
  spb.append(tag);
  for (int i = 0; i < 4; ++i) spb.append(char((valor >> (8 * i)) & 0xff));
}

// Runs one action of the service manager and waits for it to finish.
void executaAcao(const QByteArray& acao) {
  QByteArray conexao;
  conexao.append(char(isc_spb_version));
  conexao.append(char(isc_spb_current_version));
  acrescentaTexto(conexao, char(isc_spb_user_name), "sysdba");
  acrescentaTexto(conexao, char(isc_spb_password), "quintapel");
  interno::protegido([&] {
    interno::Status st;
    interno::RetomaSinais retoma;
    IService* servico = interno::provedor()->attachServiceManager(
        st.get(), "service_mgr", unsigned(conexao.size()),
        reinterpret_cast<const unsigned char*>(conexao.constData()));
    try {
      servico->start(st.get(), unsigned(acao.size()), reinterpret_cast<const unsigned char*>(acao.constData()));
      const unsigned char pede[] = {isc_info_svc_line};
      unsigned char resposta[1024];
      for (;;) {
        servico->query(st.get(), 0, nullptr, sizeof pede, pede, sizeof resposta, resposta);
        if (resposta[0] != isc_info_svc_line) break;
        const int tamanho = resposta[1] | (resposta[2] << 8);
        if (tamanho == 0) break;
      }
      servico->detach(st.get());
    } catch (...) {
      servico->release();
      throw;
    }
  });
}

QByteArray inicioPropriedades(const QString& arquivo) {
  QByteArray acao;
  acao.append(char(isc_action_svc_properties));
  const QByteArray nome = QFile::encodeName(arquivo);
  acao.append(char(isc_spb_dbname));
  acao.append(char(nome.size() & 0xff));
  acao.append(char((nome.size() >> 8) & 0xff));
  acao.append(nome);
  return acao;
}

}  // namespace

void Servicos::defineEscritaForcada(const QString& arquivo, bool ligada) {
  QByteArray acao = inicioPropriedades(arquivo);
  acao.append(char(isc_spb_prp_write_mode));
  acao.append(char(ligada ? isc_spb_prp_wm_sync : isc_spb_prp_wm_async));
  executaAcao(acao);
}

void Servicos::defineBuffersPagina(const QString& arquivo, int paginas) {
  QByteArray acao = inicioPropriedades(arquivo);
  acrescentaInteiro(acao, char(isc_spb_prp_page_buffers), paginas);
  executaAcao(acao);
}

// The tools take a plain local path: the engine inside them opens the file itself, serverless.
namespace {

// Generous for a sound database of that size on a slow disk, and still an end.
ExecucaoServico ComLimite(ExecucaoServico servico, const QString& arquivo) {
  servico.defineLimite(Servicos::kLimiteMinimo + int(QFileInfo(arquivo).size() / (1 << 20)) * Servicos::kLimitePorMB);
  return servico;
}

uint16_t Palavra(const QByteArray& b, int pos) { return uint16_t(uint8_t(b[pos]) | (uint8_t(b[pos + 1]) << 8)); }
uint32_t Dupla(const QByteArray& b, int pos) { return uint32_t(Palavra(b, pos)) | (uint32_t(Palavra(b, pos + 2)) << 16); }

}  // namespace

QString Servicos::confereCabecalho(const QString& arquivo) {
  // The first page of a database of this engine: page kind, page size, on-disk structure and the
  // cache the database asks for, at their places in the header page.
  constexpr int kTipo = 0, kTamanhoPagina = 16, kEstrutura = 18, kBuffers = 68;
  constexpr uint8_t kPaginaCabecalho = 1;
  constexpr uint16_t kEstruturaDoMotor = 0x8000 | 12;
  QFile f(arquivo);
  if (!f.open(QIODevice::ReadOnly))
    return QStringLiteral("Não foi possível ler o arquivo %1: %2").arg(QDir::toNativeSeparators(arquivo), f.errorString());
  const QByteArray cabecalho = f.read(kBuffers + 4);
  const QString nome = QDir::toNativeSeparators(arquivo);
  const uint16_t pagina = cabecalho.size() == kBuffers + 4 ? Palavra(cabecalho, kTamanhoPagina) : 0;
  if (cabecalho.size() < kBuffers + 4 || uint8_t(cabecalho[kTipo]) != kPaginaCabecalho ||
      (pagina != 4096 && pagina != 8192 && pagina != 16384 && pagina != 32768) || f.size() < pagina)
    return QStringLiteral("O arquivo %1 não é um banco de dados.").arg(nome);
  if (Palavra(cabecalho, kEstrutura) != kEstruturaDoMotor)
    return QStringLiteral("O arquivo %1 não é um banco de dados desta versão do programa.").arg(nome);
  const uint32_t buffers = Dupla(cabecalho, kBuffers);
  if (buffers > uint32_t(kMaximoBuffers))
    return QStringLiteral("O cabeçalho do banco de dados %1 está danificado: pede %2 páginas de memória.").arg(nome).arg(buffers);
  return {};
}

ExecucaoServico Servicos::consertaBanco(const QString& arquivo) {
  return ComLimite(ExecucaoServico(QStringLiteral("gfix"), {QStringLiteral("-mend"), QStringLiteral("-ignore"), arquivo}),
                   arquivo);
}

ExecucaoServico Servicos::validaBanco(const QString& arquivo) {
  return ComLimite(ExecucaoServico(QStringLiteral("gfix"), {QStringLiteral("-validate"), QStringLiteral("-full"),
                                                            QStringLiteral("-ignore"), arquivo}),
                   arquivo);
}

ExecucaoServico Servicos::copiaBanco(const QString& arquivo, const QString& copia) {
  return ComLimite(ExecucaoServico(QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-v"), arquivo, copia}),
                   arquivo);
}

ExecucaoServico Servicos::restauraBanco(const QString& copia, const QString& destino, int buffers) {
  return ComLimite(ExecucaoServico(QStringLiteral("gbak"), {QStringLiteral("-rep"), QStringLiteral("-bu"),
                                                            QString::number(buffers), QStringLiteral("-v"), copia, destino}),
                   copia);
}

QStringList Servicos::achadosValidacao(const QStringList& saida) {
  QStringList achados;
  bool resumo = false;
  for (const QString& linha : saida) {
    QString t = linha.simplified();
    if (t.startsWith(QStringLiteral("Summary of validation errors"), Qt::CaseInsensitive)) {
      resumo = true;
      continue;
    }
    if (resumo && t.startsWith(QStringLiteral("Number of"), Qt::CaseInsensitive)) achados << t.replace(QStringLiteral(" :"), QStringLiteral(":"));
  }
  return achados;
}

}  // namespace bd
