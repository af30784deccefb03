// The supplementary sections of a large declaration: 100,000 items of income received cumulatively
// and 100,000 holders of one health-plan operator stored one by one as the pages store them (each
// save committed) and walked as the pages walk them, against the bare procedure calls made straight
// through the engine's OO API in the same run. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

#include "ApiDireta.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TRraTipoFactory.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaudeDAO.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kItens = 100000;
constexpr int kTitulares = 100000;
const QString kCnpj = QStringLiteral("11444777000161");
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");
const QString kBancoTitulares = QStringLiteral("TOLV2014114447770001612012.FDB");
const QString kCnpjOperadora = QStringLiteral("11222333000181");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

QString Base(int i) { return QString::number(100000000 + 7 * i); }
// The holders are other persons than the beneficiaries of the items.
QString BaseTitular(int i) { return QString::number(300000000 + 7 * i); }

// The amount of a column of an item: whole cents, different in every month and series.
int64_t ValorDe(int i, int coluna) { return int64_t((i % 997) * 100 + coluna) * 100; }

// Points the shared declaration connection at the declaration's database, as opening it does.
class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

// Runs a statement once per row, committing after each call as a page's save does.
class Direto {
 public:
  Direto(ApiDireta& api, const QByteArray& sql) : m_api(api) {
    m_stmt = api.att->prepare(&api.st, api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    m_entrada = m_stmt->getInputMetadata(&api.st);
    m_saida = m_stmt->getOutputMetadata(&api.st);
    m_in = std::make_unique<MensagemDireta>(api, m_entrada);
    m_out.resize(m_saida->getMessageLength(&api.st));
  }
  ~Direto() {
    m_entrada->release();
    m_saida->release();
    m_stmt->free(&m_api.st);
  }
  MensagemDireta& in() { return *m_in; }
  const unsigned char* out() const { return m_out.data(); }
  unsigned offsetSaida(unsigned i) { return m_saida->getOffset(&m_api.st, i); }
  void executa(bool confirma) {
    m_stmt->execute(&m_api.st, m_api.tra, m_entrada, m_in->dados(), m_saida, m_out.data());
    if (confirma) {
      m_api.tra->commit(&m_api.st);
      const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                                   isc_tpb_nowait};
      m_api.tra = m_api.att->startTransaction(&m_api.st, sizeof tpb, tpb);
    }
  }

 private:
  ApiDireta& m_api;
  IStatement* m_stmt;
  IMessageMetadata* m_entrada;
  IMessageMetadata* m_saida;
  std::unique_ptr<MensagemDireta> m_in;
  std::vector<unsigned char> m_out;
};

// INCLUI_ATU_RRA_ITEM and BUSCA_RRA_ITEM_PROX called bare on their own copy of the template.
void RraDireto(const QString& arquivo, double& gravacao, double& leitura) {
  ApiDireta api(arquivo);
  {
    QByteArray sql = "EXECUTE PROCEDURE INCLUI_ATU_RRA_ITEM(?";
    for (int i = 1; i < 97; ++i) sql += ", ?";
    sql += ")";
    Direto inclui(api, sql);
    MensagemDireta& in = inclui.in();
    in.nulo(0, true);
    in.texto(1, "1");
    in.texto(2, "1");
    in.texto(3, "1");
    in.texto(5, "BENEFICIARIO DE TESTE");
    in.texto(6, "Diferencas salariais");
    in.nulo(7, true);
    in.texto(8, "N");
    in.valor(9, api.util->encodeDate(1899, 12, 30));
    for (unsigned k : {10u, 11u, 12u}) in.nulo(k, true);
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < kItens; ++i) {
      in.texto(4, Base(i).toLatin1());
      for (unsigned k = 0; k < 84; ++k) in.valor(13 + k, ValorDe(i, int(k)));
      inclui.executa(true);
    }
    gravacao = Segundos(relogio);
  }
  {
    Direto proximo(api, "EXECUTE PROCEDURE BUSCA_RRA_ITEM_PROX(?, ?)");
    proximo.in().texto(1, "1");
    const unsigned chave = proximo.offsetSaida(0);
    int32_t atual = 0;
    int lidos = 0;
    QElapsedTimer relogio;
    relogio.start();
    for (;;) {
      proximo.in().valor(0, atual);
      proximo.executa(false);
      int32_t lida;
      std::memcpy(&lida, proximo.out() + chave, sizeof lida);
      if (lida == 0) break;
      atual = lida;
      ++lidos;
    }
    leitura = Segundos(relogio);
    if (lidos != kItens) std::printf("  (leitura direta encontrou %d itens)\n", lidos);
  }
}

// INCLUI_PS_TITULAR called bare and the operator's holders read bare from their procedure.
void TitularesDireto(const QString& arquivo, double& gravacao, double& leitura) {
  ApiDireta api(arquivo);
  {
    Direto operadora(api, "EXECUTE PROCEDURE INCLUI_PS_OPERADORA(?, ?, ?, ?)");
    operadora.in().texto(0, "2");
    operadora.in().texto(1, "112223330001");
    operadora.in().texto(2, "123455");
    operadora.in().texto(3, "SAUDE BOA LTDA");
    operadora.executa(true);
  }
  {
    Direto inclui(api, "EXECUTE PROCEDURE INCLUI_PS_TITULAR(?, ?, ?, ?, ?)");
    MensagemDireta& in = inclui.in();
    in.valor(0, int32_t(1));
    in.texto(1, "1");
    in.texto(4, "TITULAR DE TESTE");
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < kTitulares; ++i) {
      in.texto(2, BaseTitular(i).toLatin1());
      in.valor(3, ValorDe(i, 1));
      inclui.executa(true);
    }
    gravacao = Segundos(relogio);
  }
  {
    IStatement* stmt = api.att->prepare(&api.st, api.tra, 0, "SELECT * FROM CONSULT_TITULAR_POR_OPERADORA(?)", 3,
                                        IStatement::PREPARE_PREFETCH_METADATA);
    IMessageMetadata* entrada = stmt->getInputMetadata(&api.st);
    IMessageMetadata* saida = stmt->getOutputMetadata(&api.st);
    MensagemDireta in(api, entrada);
    in.valor(0, int32_t(1));
    std::vector<unsigned char> linha(saida->getMessageLength(&api.st));
    QElapsedTimer relogio;
    relogio.start();
    IResultSet* rs = stmt->openCursor(&api.st, api.tra, entrada, in.dados(), saida, 0);
    int lidos = 0;
    while (rs->fetchNext(&api.st, linha.data()) == Firebird::IStatus::RESULT_OK) ++lidos;
    rs->close(&api.st);
    leitura = Segundos(relogio);
    entrada->release();
    saida->release();
    stmt->free(&api.st);
    if (lidos != kTitulares) std::printf("  (leitura direta encontrou %d titulares)\n", lidos);
  }
}

void Imprime(const char* oque, int n, double segundos, double direto) {
  const double taxa = n / segundos;
  const double taxaDireta = n / direto;
  std::printf("%s: %d em %.2f s, %.0f por segundo; direto %.2f s, %.0f por segundo; razão %.2f\n", oque, n, segundos,
              taxa, direto, taxaDireta, taxa / taxaDireta);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString dados = pasta.path() + QStringLiteral("/DADOS");
  QDir().mkpath(dados);
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome), dados + u'/' + QString::fromLatin1(nome));
  const QString declaracao = dados + u'/' + kBanco;
  const QString declaracaoTitulares = dados + u'/' + kBancoTitulares;
  // Each bare run has a fresh copy of its own, as the program's run has.
  const QString direto = dados + QStringLiteral("/DIRETO.FDB");
  const QString diretoTitulares = dados + QStringLiteral("/DIRETO_PS.FDB");
  for (const QString& copia : {declaracao, declaracaoTitulares, direto, diretoTitulares}) {
    if (!QFile::copy(dados + QStringLiteral("/TOLV2014PD.FDB"), copia)) {
      std::fprintf(stderr, "não foi possível copiar o banco modelo\n");
      return 1;
    }
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
  }
  Pastas::definePrograma(pasta.path());
  try {
    // Both runs write asynchronously, as the tests' copies do.
    bd::Servicos::defineEscritaForcada(declaracao, false);
    bd::Servicos::defineEscritaForcada(direto, false);
    bd::Servicos::defineEscritaForcada(diretoTitulares, false);
    bd::Servicos::defineEscritaForcada(declaracaoTitulares, false);

    double rraGravacaoDireta = 0, rraLeituraDireta = 0, titGravacaoDireta = 0, titLeituraDireta = 0;
    RraDireto(direto, rraGravacaoDireta, rraLeituraDireta);
    TitularesDireto(diretoTitulares, titGravacaoDireta, titLeituraDireta);

    TTolv tolv;
    tolv.GetContribuinte().SetNi(kCnpj);
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    Abertura abertura(kBanco);
    {
      TzuqRraDAO& dao = TzuqRraDAO::DaDeclaracao(tolv);
      auto item = TRraTipoFactory::CriaRra(tolv, 1);
      dao.QuantidadeRegistros(*item);
      QElapsedTimer relogio;
      relogio.start();
      for (int i = 0; i < kItens; ++i) {
        item->Limpar();
        const QString base = Base(i);
        item->GetBeneficiario().SetNi(base + TCpf::CalculaDVCpf(base));
        item->GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO DE TESTE"));
        item->GetNatureza().CarregaValor(QStringLiteral("Diferencas salariais"));
        for (int k = 0; k < 84; ++k) {
          TValoresRra& v = item->GetValores();
          const Valor valor = Valor::deDezMilesimos(ValorDe(i, k));
          const int mes = k % 12 + 1;
          switch (k / 12) {
            case 0: v.GetRendimento(mes).SetValorMonetario(valor); break;
            case 1: v.GetRetido(mes).SetValorMonetario(valor); break;
            case 2: v.GetDeducaoPO(mes).SetValorMonetario(valor); break;
            case 3: v.GetDeducaoPA(mes).SetValorMonetario(valor); break;
            case 4: v.GetMolestia(mes).SetValorMonetario(valor); break;
            case 5: v.GetCustas(mes).SetValorMonetario(valor); break;
            default: v.GetMeses(mes).SetValorMonetario(valor); break;
          }
        }
        dao.Salva(*item);
        // The page shows "n of total" after every save.
        dao.PosicaoAtual(*item);
      }
      Imprime("itens RRA gravados um a um, com a posição", kItens, Segundos(relogio), rraGravacaoDireta);

      // The page walks from the first item, showing "n of total" at every step.
      relogio.start();
      item->Limpar();
      dao.BuscaPrimeiro(*item);
      int64_t soma = dao.PosicaoAtual(*item) + dao.QuantidadeRegistros(*item);
      int lidos = 1;
      for (int anterior = item->GetId();; anterior = item->GetId()) {
        dao.BuscaProximo(*item);
        if (item->GetId() == anterior) break;
        ++lidos;
        soma += dao.PosicaoAtual(*item) + dao.QuantidadeRegistros(*item) +
                item->GetValores().GetCustas(12).GetValorInterno().dezMilesimos();
      }
      Imprime("itens RRA percorridos, com posição e total", lidos, Segundos(relogio), rraLeituraDireta);
      std::printf("  (soma de controle %lld)\n", static_cast<long long>(soma));

      // Jumps: a look-up by key, then its place, as the search and the pendencies do.
      relogio.start();
      constexpr int kSaltos = 200;
      for (int i = 0; i < kSaltos; ++i) {
        item->SetId(1 + (i * 7919) % kItens);
        dao.Busca(*item);
        soma += dao.PosicaoAtual(*item);
      }
      const double saltos = Segundos(relogio);
      std::printf("saltos por chave com posição contada: %d em %.2f s, %.2f ms cada\n", kSaltos, saltos,
                  1000 * saltos / kSaltos);
    }
    // The holders in a declaration of their own, as fresh as the bare run's copy.
    tolv.LiberaItens();
    Abertura outra(kBancoTitulares);
    {
      TzuqPlanoSaudeDAO operadoras;
      TzuqTitularPlanoSaudeDAO titulares;
      TzuqPlanoSaude operadora(tolv);
      operadora.GetContribuinte().SetNi(kCnpjOperadora);
      operadora.GetContribuinte().GetNome().SetValor(QStringLiteral("SAUDE BOA LTDA"));
      operadora.GetRegistroAns().SetValor(QStringLiteral("123455"));
      operadoras.Inclui(operadora);
      TzuqTitularPlanoSaude titular(operadora);
      QElapsedTimer relogio;
      relogio.start();
      for (int i = 0; i < kTitulares; ++i) {
        titular.Limpar();
        const QString base = BaseTitular(i);
        titular.GetContribuinte().SetNi(base + TCpf::CalculaDVCpf(base));
        titular.GetContribuinte().GetNome().SetValor(QStringLiteral("TITULAR DE TESTE"));
        titular.GetValorPago().SetValorMonetario(Valor::deDezMilesimos(ValorDe(i, 1)));
        titulares.Inclui(titular);
      }
      Imprime("titulares gravados um a um", kTitulares, Segundos(relogio), titGravacaoDireta);

      relogio.start();
      const auto lista = titulares.ConsultaPorOperadora(operadora);
      int64_t soma = 0;
      for (const auto& t : lista) soma += t->GetValorPago().GetValorInterno().dezMilesimos();
      Imprime("titulares de uma operadora lidos como objetos", int(lista.size()), Segundos(relogio), titLeituraDireta);
      std::printf("  (soma de controle %lld)\n", static_cast<long long>(soma));
    }
    tolv.LiberaItens();
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  }
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
