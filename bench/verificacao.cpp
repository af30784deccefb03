// The pendency verification of a large declaration: 500,000 generated lines (a fixed seed, a few
// with findings) verified by the run, against the bare fetch of the same rows (the lines list the
// run reads, fetched straight through the engine's OO API). Then the writer's fixture of the other
// sections (GeradorSecoes.h): each section's checks timed on their own beside the bare fetch of
// the rows they read, and the whole run over it. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "ApiDireta.h"
#include "GeradorSecoes.h"
#include "entrega/TBlocoFundosClubes.h"
#include "entrega/TBlocoRemessas.h"
#include "entrega/TVerificacaoPendencias.h"
#include "entrega/TVerificacaoSecoes.h"
#include "entrega/TVerificacaoTolvItem.h"
#include "entrega/VerificacaoPlanosSaude.h"
#include "entrega/VerificacaoSecoesComplementares.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TRegistroAns.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kLinhas = 500000;
constexpr unsigned kSemente = 20140314;
const QString kCnpj = QStringLiteral("11444777000161");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// A word of syllables for a number: names without digits and without four equal letters in a row.
QByteArray Palavra(int n) {
  static const char* const kSilabas[] = {"BA", "CE", "DI", "FO", "GU", "LA", "ME", "NI", "PO", "RU"};
  QByteArray p;
  do {
    p.prepend(kSilabas[n % 10]);
    n /= 10;
  } while (n > 0);
  return p;
}

// The declaration in the index, as the program registers it (with every other section's
// indicator on when `secoes`); its file, closed, for the bare inserts.
QString Registra(const QString& pastaDados, const QString& cnpj, const QString& nome, bool secoes) {
  {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(cnpj);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.GetEstabelecimentoResponsavel().SetNi(cnpj);
    t.SetAnoCalendario(QStringLiteral("2013"));
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
    if (secoes) {
      t.SetInAdmFC(1);
      t.SetInAdvogado(1);
      t.SetInPlanoSaude(1);
      t.SetInRemessa(1);
    }
    t.GetResponsavel().SetNi(QStringLiteral("98765432100"));
    t.GetResponsavel().GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    TColecaoTolv colecao;
    colecao.Inclui(t);
    t.LiberaItens();
  }
  TColecao::FechaConexoes();
  const QString arquivo = pastaDados + QStringLiteral("/TOLV2014") + cnpj + QStringLiteral("2013.FDB");
  bd::Servicos::defineEscritaForcada(arquivo, false);
  return arquivo;
}

// The declaration registered, then its lines inserted bare.
void Gera(const QString& pastaDados) {
  const QString arquivo = Registra(pastaDados, kCnpj, QStringLiteral("EMPRESA DE TESTE LTDA"), false);

  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  auto series = [](const char* prefixo) {
    QByteArray r;
    for (const char* m : {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"})
      r += QByteArray(", ") + prefixo + '_' + m;
    return r;
  };
  const QByteArray sql = "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR" +
                         series("VL_RENDIME") + series("VL_DEDUCAO") + series("VL_DEDUCAO_PO") + series("VL_RETIDO") +
                         ") VALUES (?, 1, ?, ?, ?, ?" + QByteArray(", ?").repeated(52) + ")";
  IStatement* linha = api.att->prepare(&st, api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* meta = linha->getInputMetadata(&st);
  MensagemDireta in(api, meta);

  std::mt19937 rng(kSemente);
  for (int i = 1; i <= kLinhas; ++i) {
    const unsigned sorte = rng() % 100;
    // 0561 persons, 3208 persons, 1708 companies, 3277 both.
    const char* codigo = sorte < 60 ? "0561" : sorte < 70 ? "3208" : sorte < 85 ? "1708" : "3277";
    const bool empresa = sorte >= 70 && (sorte < 85 || (rng() & 1));
    const QByteArray numero = empresa ? QByteArray::number(10000000 + i) + "0001" : QByteArray::number(100000000 + i);
    in.valor(0, int32_t(i));
    in.texto(1, codigo);
    in.texto(2, empresa ? "2" : "1");
    in.texto(3, numero);
    in.texto(4, (empresa ? "EMPRESA " + Palavra(i) + " LTDA" : "FULANO " + Palavra(i) + " DE TAL"));
    const int64_t salario = int64_t(1000 + rng() % 900000) * 100;  // whole cents, as typed
    const bool comDeducao = !empresa && codigo[0] == '0';
    for (int m = 0; m < 13; ++m) {
      const int64_t po = comDeducao && m < 12 ? salario * 11 / 100 / 100 * 100 : 0;
      in.valor(unsigned(5 + m), salario);
      in.valor(unsigned(18 + m), po);
      in.valor(unsigned(31 + m), po);
      in.valor(unsigned(44 + m), salario * 15 / 100 / 100 * 100);
    }
    // A few findings: a deduction the code does not admit (an error), a large withholding (a warning).
    if (i % 200 == 7 && !empresa && codigo[1] == '2') in.valor(unsigned(18 + 3), int64_t(100000));
    if (i % 250 == 11 && !empresa && codigo[0] == '0') in.valor(unsigned(44 + 5), int64_t(250000000));
    linha->execute(&st, api.tra, meta, in.dados(), nullptr, nullptr);
    if (i % 50000 == 0) api.tra->commitRetaining(&st);
  }
  meta->release();
  linha->free(&st);
}

// The rows the run reads, fetched bare: one statement, every row into the message buffer.
double BuscaBruta(const QString& arquivo, int& linhas) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  IStatement* stmt =
      api.att->prepare(&st, api.tra, 0, "SELECT * FROM BUSCA_TOLV_ITENS(1)", 3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* meta = stmt->getOutputMetadata(&st);
  std::vector<unsigned char> buffer(meta->getMessageLength(&st));
  QElapsedTimer relogio;
  relogio.start();
  IResultSet* rs = stmt->openCursor(&st, api.tra, nullptr, nullptr, meta, 0);
  linhas = 0;
  while (rs->fetchNext(&st, buffer.data()) == Firebird::IStatus::RESULT_OK) ++linhas;
  rs->close(&st);
  const double segundos = Segundos(relogio);
  meta->release();
  stmt->free(&st);
  return segundos;
}


// The other sections' declaration: registered in the index with every section's indicator on,
// then the writer's fixture inserted bare.
const QString kCnpjSecoes = QStringLiteral("22333444000181");

QString GeraSecoes(const QString& pastaDados) {
  const QString arquivo = Registra(pastaDados, kCnpjSecoes, QStringLiteral("EMPRESA DAS SECOES LTDA"), true);
  ApiDireta api(arquivo);
  secoes_bancada::Gerador(api).Gera();
  // The writer takes what the file's layout admits; the verification judges more. What the
  // writer's fixture holds against the filing rules is mended here, so that the checks walk every
  // item (a declaration with findings everywhere stops at the 5,000th error).
  QByteArray semAlgarismos = "NM_NM_EMPR";
  static const char* const kSilabas[] = {"BA", "CE", "DI", "FO", "GU", "LA", "ME", "NI", "PO", "RU"};
  for (int d = 0; d < 10; ++d)
    semAlgarismos = "REPLACE(" + semAlgarismos + ", '" + QByteArray::number(d) + "', '" + kSilabas[d] + "')";
  const QByteArray ans = "12345" + TRegistroAns::CalculaDV(QStringLiteral("12345")).toLatin1();
  const QList<QByteArray> correcoes = {
      // The fixture's header is of another company: the declaration keeps its own.
      "UPDATE TOLVS SET NR_PF_PJ = '223334440001', NM_NM_EMPR = 'EMPRESA DAS SECOES LTDA'",
      "UPDATE BENEFICIARIOS SET NM_NM_EMPR = " + semAlgarismos,
      "UPDATE TOLV_ITENS SET NM_NM_EMPR = " + semAlgarismos,
      // Fund lines under the funds' own code, with no thirteenth.
      "UPDATE TOLV_ITENS SET TRIB_TRIBU = '6800', VL_RENDIME_13 = 0, VL_RETIDO_13 = 0 WHERE E_FONTE_DK <> 1",
      "UPDATE TB_PS_OPERADORA SET TPO_REGISTRO_ANS = '" + ans + "'",
      "UPDATE TB_PS_DEPENDENTE SET TPD_DT_NASC = '19800101', TPD_NOME = 'DEPENDENTE SEM CPF' WHERE TPD_NOME IS NOT NULL",
      "UPDATE TB_PS_DEPENDENTE SET TPD_DT_NASC = '19800101'",
      "UPDATE TB_REMESSA SET TREM_CD_REL_FONTE_BENEFICIARIO = '500', TREM_TELEFONE = '59521000', TREM_NOME = " +
          semAlgarismos.replace("NM_NM_EMPR", "TREM_NOME"),
      "UPDATE TB_VALOR_REMESSA SET TVRE_CD_TIPO_RENDIMENTO = 110, TVRE_CD_FORMA_TRIBUTACAO = 10",
  };
  for (const QByteArray& sql : correcoes)
    api.att->execute(&api.st, api.tra, 0, sql.constData(), 3, nullptr, nullptr, nullptr, nullptr);
  return arquivo;
}

// Fetches every row of the statements, nothing more.
double BuscaBrutaSecao(const QString& arquivo, const QList<QByteArray>& consultas, int64_t& linhas) {
  ApiDireta api(arquivo);
  QElapsedTimer relogio;
  relogio.start();
  linhas = BuscaLinhas(api, consultas);
  return Segundos(relogio);
}

// The fund section is reached the way the run reaches it.
class SecoesMedidas : public TVerificacaoSecoes {
 public:
  using TVerificacaoSecoes::VerificaFundos;
};

struct SecaoMedida {
  const char* nome;
  QList<QByteArray> consultas;
  std::function<void(TTolv&, TErros&, TVerificacaoPendencias&, int&)> verifica;
};

void MedeSecoes(const QString& arquivo) {
  using namespace secoes_bancada;
  QList<QByteArray> fundos;
  for (int f = 0; f < kFundos; ++f)
    fundos << TBlocoFundosClubes::ConsultaLinhas().replace(QStringLiteral(":FONTE"), QString::number(2 + f)).toLatin1();
  auto rra = [](int tipo) {
    return ConsultaItensRra().replace(QStringLiteral(":TIPO"), QStringLiteral("'%1'").arg(tipo)).toLatin1();
  };
  bool limpo = true;
  const std::vector<SecaoMedida> secoes = {
      {"fundos e clubes (linhas)", fundos,
       [](TTolv& t, TErros& e, TVerificacaoPendencias& v, int& c) {
         SecoesMedidas s;
         TVerificacaoTolvItem linhas(t);
         s.VerificaFundos(t, e, v, c, linhas);
       }},
      {"rendimentos acumulados - declarante", {rra(1)},
       [&](TTolv& t, TErros& e, TVerificacaoPendencias& v, int& c) { VerificaRra(t, 1, e, v, c, limpo); }},
      {"rendimentos acumulados - justiça", {rra(2)},
       [&](TTolv& t, TErros& e, TVerificacaoPendencias& v, int& c) { VerificaRra(t, 2, e, v, c, limpo); }},
      {"planos de saúde (operadoras, titulares, dependentes)", {ConsultaPlanosSaude().toLatin1()},
       [&](TTolv& t, TErros& e, TVerificacaoPendencias& v, int& c) { VerificaPlanosSaude(t, e, v, c, limpo); }},
      {"pagamentos ao exterior (beneficiários e pagamentos)",
       {TBlocoRemessas::ConsultaBeneficiarios().toLatin1(), TBlocoRemessas::ConsultaPagamentos().toLatin1()},
       [&](TTolv& t, TErros& e, TVerificacaoPendencias& v, int& c) { VerificaRemessas(t, e, v, c, limpo); }},
  };
  const QString entrada = QStringLiteral("2013") + kCnpjSecoes.left(12);
  for (const SecaoMedida& secao : secoes) {
    int64_t linhas = 0;
    BuscaBrutaSecao(arquivo, secao.consultas, linhas);
    const double tBruto = BuscaBrutaSecao(arquivo, secao.consultas, linhas);
    TColecaoTolv colecao;
    TTolv tolv;
    tolv.CarregaAnoCalendario(entrada.left(4));
    tolv.GetContribuinte().SetNiPelaBaseComErro(entrada.mid(4));
    colecao.CarregaTolv(tolv);
    TVerificacaoPendencias lista;
    TErros erros(true);
    int itens = 0;
    QElapsedTimer relogio;
    relogio.start();
    secao.verifica(tolv, erros, lista, itens);
    const double t = Segundos(relogio);
    std::printf("%-52s %7d itens em %5.2f s: %8.0f itens/s; busca bruta de %lld linhas em %5.2f s (%8.0f/s); "
                "razão verificação / busca bruta %.2f; %d erros, %d avisos\n",
                secao.nome, itens, t, itens / t, static_cast<long long>(linhas), tBruto, linhas / tBruto, t / tBruto,
                lista.GetNumErros(), lista.GetNumAvisos());
    // A finding means the fixture is not clean: the first ones say what to mend.
    int mostrados = 0;
    for (const LinhaVerificacao& l : lista.GetLinhas())
      if (l.EhPendencia() && mostrados++ < 4) std::printf("    %s\n", qPrintable(l.descricao));
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();

  // The whole run over the declaration, as the window makes it.
  TVerificacaoPendencias verificacao;
  verificacao.SetDeclaracoes({entrada});
  int contador = 0;
  QElapsedTimer relogio;
  relogio.start();
  verificacao.ExecutarVerificacao(contador);
  const double t = Segundos(relogio);
  std::printf("verificação inteira das seções: %d itens em %.2f s, %.0f por segundo; %d erros, %d avisos%s\n",
              contador, t, contador / t, verificacao.GetNumErros(), verificacao.GetNumAvisos(),
              verificacao.GetInterrompido() ? " (interrompida)" : "");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString dados = pasta.path() + QStringLiteral("/DADOS");
  QDir().mkpath(dados + QStringLiteral("/TEMP"));
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"}) {
    const QString destino = dados + u'/' + QString::fromLatin1(nome);
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome), destino);
    QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
  }
  Pastas::definePrograma(pasta.path());
  try {
    QElapsedTimer relogio;
    relogio.start();
    // TOLV_SO_SECOES: only the other sections.
    const bool soSecoes = qEnvironmentVariableIsSet("TOLV_SO_SECOES");
    if (!soSecoes) {
    Gera(dados);
    std::printf("declaração gerada: %d linhas em %.1f s\n", kLinhas, Segundos(relogio));

    // The bare path first, twice (the second finds the database in the system's cache, as the run will).
    const QString arquivo = dados + QStringLiteral("/TOLV2014") + kCnpj + QStringLiteral("2013.FDB");
    int lidas = 0;
    BuscaBruta(arquivo, lidas);
    const double tBruto = BuscaBruta(arquivo, lidas);
    const double taxaBruta = lidas / tBruto;
    std::printf("busca bruta das linhas (BUSCA_TOLV_ITENS): %d linhas em %.2f s, %.0f por segundo\n", lidas, tBruto,
                taxaBruta);

    TVerificacaoPendencias verificacao;
    verificacao.SetDeclaracoes({QStringLiteral("2013") + kCnpj.left(12)});
    int contador = 0;
    relogio.start();
    verificacao.ExecutarVerificacao(contador);
    const double tVerificacao = Segundos(relogio);
    const double taxa = contador / tVerificacao;
    std::printf("verificação: %d linhas em %.2f s, %.0f por segundo; %.2f da busca bruta (meta 0,30); "
                "%d erros, %d avisos, %zu linhas na lista%s\n",
                contador, tVerificacao, taxa, taxa / taxaBruta, verificacao.GetNumErros(), verificacao.GetNumAvisos(),
                verificacao.GetLinhas().size(), verificacao.GetInterrompido() ? " (interrompida)" : "");
    TColecao::FechaConexoes();
    }

    relogio.start();
    const QString secoes = GeraSecoes(dados);
    std::printf("declaração das seções gerada em %.1f s\n", Segundos(relogio));
    MedeSecoes(secoes);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  }
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
