#include "plataforma/bd/Servicos.h"

#include <QFile>

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
ExecucaoServico Servicos::consertaBanco(const QString& arquivo) {
  return ExecucaoServico(QStringLiteral("gfix"), {QStringLiteral("-mend"), QStringLiteral("-ignore"), arquivo});
}

ExecucaoServico Servicos::validaBanco(const QString& arquivo) {
  return ExecucaoServico(QStringLiteral("gfix"),
                         {QStringLiteral("-validate"), QStringLiteral("-full"), QStringLiteral("-ignore"), arquivo});
}

ExecucaoServico Servicos::copiaBanco(const QString& arquivo, const QString& copia) {
  return ExecucaoServico(QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-v"), arquivo, copia});
}

ExecucaoServico Servicos::restauraBanco(const QString& copia, const QString& destino, int buffers) {
  return ExecucaoServico(QStringLiteral("gbak"), {QStringLiteral("-rep"), QStringLiteral("-bu"), QString::number(buffers),
                                                  QStringLiteral("-v"), copia, destino});
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
