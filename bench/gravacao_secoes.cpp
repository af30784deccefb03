// The blocks of the declaration file after the declarant's lines, on a declaration of 100,000
// fund lines in 20 funds, 100,000 accumulated-income items, 50,000 health-plan holders with
// 50,000 dependants, 50,000 beneficiaries abroad with two payments each and 20,000 complementary
// texts (a fixed seed). Each block is timed on its own, beside the bare fetch of the same rows
// through the engine's OO API; then the whole file. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "ApiDireta.h"
#include "GeradorSecoes.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/IDestinoBytes.h"
#include "entrega/SaidaDeclaracao.h"
#include "entrega/TArquivoTolv.h"
#include "entrega/TBlocoFundosClubes.h"
#include "entrega/TBlocoInfoComp.h"
#include "entrega/TBlocoPlanoSaude.h"
#include "entrega/TBlocoRemessas.h"
#include "entrega/TBlocoRra.h"
#include "entrega/TCompositorRegistros.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

using namespace secoes_bancada;

namespace {

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// The fund lines fetched fund by fund, as the block reads them.
QList<QByteArray> ConsultasFundos() {
  QList<QByteArray> r;
  for (int f = 0; f < kFundos; ++f)
    r << TBlocoFundosClubes::ConsultaLinhas().replace(QStringLiteral(":FONTE"), QString::number(2 + f)).toLatin1();
  r << TBlocoFundosClubes::ConsultaFundos().toLatin1();
  return r;
}

// Keeps nothing: the blocks' own cost without the disk.
class DestinoNulo : public IDestinoBytes {
 public:
  bool Grava(const char*, qint64 tamanho) override {
    m_bytes += tamanho;
    return true;
  }
  bool Conclui() override { return true; }
  QString Erro() const override { return {}; }
  int64_t m_bytes = 0;
};

struct Bloco {
  const char* nome;
  const char* unidade;
  int itens;
  std::function<std::unique_ptr<IBlocoArquivo>()> cria;
  QList<QByteArray> consultas;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString dados = pasta.path() + QStringLiteral("/DADOS");
  QDir().mkpath(dados);
  QDir().mkpath(pasta.path() + QStringLiteral("/saida"));
  TTolv tolv;
  tolv.GetContribuinte().SetNi(kCnpj);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  // TOLV_BANCO_BANCADA names a database generated before, kept between runs.
  const QString guardado = qEnvironmentVariable("TOLV_BANCO_BANCADA");
  const bool reusa = !guardado.isEmpty() && QFile::exists(guardado);
  const QString banco = !guardado.isEmpty() ? guardado : dados + u'/' + tolv.GetNomeBancoDeclaracao();
  if (!reusa && !QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/TOLV2014PD.FDB"), banco)) {
    std::fprintf(stderr, "não foi possível copiar o banco modelo\n");
    return 1;
  }
  QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);
  Pastas::definePrograma(pasta.path());
  try {
    QElapsedTimer relogio;
    if (!reusa) {
      bd::Servicos::defineEscritaForcada(banco, false);
      relogio.start();
      ApiDireta api(banco);
      Gerador(api).Gera();
      std::printf("declaração gerada em %.1f s\n", Segundos(relogio));
    }

    const std::vector<Bloco> blocos = {
        {"fundos e clubes (FCI)", "linhas", kLinhasFundo, [] { return std::make_unique<TBlocoFundosClubes>(); },
         ConsultasFundos()},
        {"rendimentos acumulados (RRA)", "itens", kItensRra, [] { return std::make_unique<TBlocoRra>(); },
         {TBlocoRra::ConsultaItens().toLatin1()}},
        {"planos de saúde (PSE)", "titulares", kTitulares, [] { return std::make_unique<TBlocoPlanoSaude>(); },
         {TBlocoPlanoSaude::ConsultaTitulares().toLatin1(), TBlocoPlanoSaude::ConsultaDependentes().toLatin1()}},
        {"pagamentos ao exterior (RPDE)", "beneficiários", kRemessas, [] { return std::make_unique<TBlocoRemessas>(); },
         {TBlocoRemessas::ConsultaBeneficiarios().toLatin1(), TBlocoRemessas::ConsultaPagamentos().toLatin1()}},
        {"informações complementares (INF)", "textos", kTextos, [] { return std::make_unique<TBlocoInfoComp>(); },
         {TBlocoInfoComp::ConsultaTextos().toLatin1()}},
    };

    bd::Conexao conexao(banco);
    conexao.conecta();
    for (const Bloco& b : blocos) {
      // The bare path first and the block after it: both find the rows in the system's cache.
      double tBruto = 0;
      int64_t linhas = 0;
      {
        ApiDireta api(banco);
        relogio.start();
        linhas = BuscaLinhas(api, b.consultas);
        tBruto = Segundos(relogio);
      }
      bd::Transacao transacao(conexao, {QStringLiteral("concurrency"), QStringLiteral("nowait"), QStringLiteral("read")});
      DestinoNulo destino;
      SaidaDeclaracao saida(destino);
      EstadoGravacao estado;
      estado.AnoCalendario = 2013;
      estado.Indicadores = IndicadoresSecoes::DasColunas(1, 1, 1, QStringLiteral("S"));
      TCompositorRegistros compositor(saida, estado);
      ContextoGravacao contexto(saida, compositor, estado, transacao, [] { return false; }, [] {});
      relogio.start();
      b.cria()->Gera(contexto);
      saida.Descarrega();
      const double tBloco = Segundos(relogio);
      std::printf("%-34s %7d %-13s %9lld registros %6.1f MB em %5.2f s: %8.0f %s/s; busca bruta de %lld linhas em "
                  "%5.2f s; razão bloco / busca bruta %.2f\n",
                  b.nome, b.itens, b.unidade, static_cast<long long>(saida.Linhas()), destino.m_bytes / 1e6, tBloco,
                  b.itens / tBloco, b.unidade, static_cast<long long>(linhas), tBruto, tBloco / tBruto);
    }
    conexao.desconecta();

    TArquivoTolv arquivo;
    arquivo.DefineEspacoLivre([](const QString&) { return int64_t(1) << 40; });
    PedidoGravacao pedido;
    pedido.Arquivo = pasta.path() + QStringLiteral("/saida/") + ArquivoDeclaracao::Nome(tolv);
    pedido.Banco = banco;
    pedido.Uf = QStringLiteral("SP");
    int chamadas = 0;
    arquivo.GetGanchos().Progresso = [&](int64_t, int64_t) { ++chamadas; };
    relogio.start();
    const int resultado = arquivo.GravaArquivo(pedido, tolv);
    const double tArquivo = Segundos(relogio);
    if (resultado != 0 || arquivo.GetFalhaGravacao()) {
      std::fprintf(stderr, "gravação falhou (%d): %s\n", resultado, qPrintable(arquivo.GetMensagemFalha()));
      return 1;
    }
    std::printf("arquivo inteiro com envelope: %.1f MB em %.2f s (%d avisos de progresso, no máximo um a cada 100 ms)\n",
                QFile(pedido.Arquivo).size() / 1e6, tArquivo, chamadas);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  }
  Pastas::definePrograma({});
  return 0;
}
