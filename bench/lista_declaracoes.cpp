// The declaration list of the open dialog over an index of 5,000 declarations: the time to show
// it and to filter it, beside the engine fetching the same rows bare. Prints figures only.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "ApiDireta.h"
#include "interface/TFoAbreDeclaracao.h"
#include "controles/TListaDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kDeclaracoes = 5000;
constexpr int kRepeticoes = 15;

double Ms(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e6; }

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Mede(const std::function<void()>& f) {
  std::vector<double> tempos;
  for (int i = 0; i < kRepeticoes; ++i) {
    QElapsedTimer relogio;
    relogio.start();
    f();
    tempos.push_back(Ms(relogio));
  }
  return Mediana(tempos);
}

// Persons and companies of two years, with names that share their first words.
void Povoa(const QString& arquivo) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao);
  bd::Script(transacao).executa(QStringLiteral(
      "SET TERM ^ ;\n"
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN\n"
      "  WHILE (I < %1) DO BEGIN\n"
      "    INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO)\n"
      "    VALUES (NEXT VALUE FOR GEN_TOLV_DK, IIF(MOD(:I, 2) = 0, '1', '2'),\n"
      "            IIF(MOD(:I, 2) = 0, LPAD(100000000 + 7 * :I, 9, '0'), LPAD(100000000000 + 13 * :I, 12, '0')),\n"
      "            IIF(MOD(:I, 3) = 0, '2014', '2013'), 'Declarante ' || :I || ' de Teste', MOD(:I, 3),\n"
      "            'TOLV2014' || :I || '.FDB');\n"
      "    I = I + 1;\n"
      "  END\n"
      "END^\n"
      "SET TERM ; ^\n")
                                          .arg(kDeclaracoes));
  transacao.commit();
}

// The bare engine: the list's statement with the filter written in, `linhas` rows fetched.
double Direto(const QString& arquivo, const char* filtro, int linhas, int& lidas) {
  ApiDireta api(arquivo);
  Firebird::ThrowStatusWrapper& st = api.st;
  const QByteArray sql = QByteArray(
                             "select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA, DATA_GERA, IN_RETIFIC, "
                             "IN_ENCERRA, IN_STATUS, ARQUIVO from TOLVS where AN_RETENCA <= '2014'") +
                         filtro + " order by IN_PF_PJ, NR_PF_PJ, AN_RETENCA";
  return Mede([&] {
    Firebird::IResultSet* cursor =
        api.att->openCursor(&st, api.tra, 0, sql.constData(), 3, nullptr, nullptr, nullptr, nullptr, 0);
    Firebird::IMessageMetadata* meta = cursor->getMetadata(&st);
    std::vector<unsigned char> buffer(meta->getMessageLength(&st));
    lidas = 0;
    while (lidas < linhas && cursor->fetchNext(&st, buffer.data()) == Firebird::IStatus::RESULT_OK) ++lidas;
    cursor->close(&st);
    meta->release();
  });
}

void Imprime(const char* o_que, double programa, double motor, const char* motorDescricao) {
  std::printf("%-44s %8.2f ms   motor (%s) %8.2f ms   razão %5.1f\n", o_que, programa, motorDescricao, motor,
              programa / motor);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir pasta;
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS/TEMP"));
  const QString dados = pasta.path() + QStringLiteral("/DADOS/");
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
    if (!QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome), dados + QString::fromLatin1(nome))) {
      std::fprintf(stderr, "database not copied\n");
      return 1;
    }
  Pastas::definePrograma(pasta.path());
  Povoa(dados + QStringLiteral("Tolv.FDB"));

  double mostrar = 0, nome = 0, numero = 0, ano = 0, busca = 0;
  int paginaMostrada = 0;
  {
    TColecaoTolv indice;
    TTolv tolv;
    mostrar = Mede([&] {
      TFoAbreDeclaracao dialogo(tolv, indice, QStringLiteral("Abrir declaração"));
      dialogo.Lista()->Abre();
      dialogo.show();
      QApplication::processEvents();
      paginaMostrada = dialogo.Lista()->Modelo().Lidas();
    });
    TFoAbreDeclaracao dialogo(tolv, indice, QStringLiteral("Abrir declaração"));
    dialogo.Lista()->Abre();
    dialogo.show();
    QApplication::processEvents();
    TListaDeclaracoes* lista = dialogo.Lista();
    // Only the filtering is timed; going back to the whole list is not.
    const auto filtra = [&](QLineEdit* caixa, const QString& texto) {
      std::vector<double> tempos;
      for (int i = 0; i < kRepeticoes; ++i) {
        caixa->clear();
        QApplication::processEvents();
        QElapsedTimer relogio;
        relogio.start();
        caixa->setText(texto);
        QApplication::processEvents();
        tempos.push_back(Ms(relogio));
      }
      caixa->clear();
      return Mediana(tempos);
    };
    nome = filtra(lista->edtNome(), QStringLiteral("declarante 12"));
    numero = filtra(lista->edtCPFCNPJ(), QStringLiteral("1000000"));
    ano = filtra(lista->edtAnoCalendario(), QStringLiteral("2014"));
    // A prefix that no row has: the type-ahead reads the list to its end.
    busca = Mede([&] {
      lista->Modelo().Abre(lista->Modelo().ClausulaAtual());
      lista->RegistraTecla(u'9');
      lista->BuscaIncremental();
    });
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();

  int lidas = 0;
  const QString indiceArquivo = dados + QStringLiteral("Tolv.FDB");
  const double diretoPagina = Direto(indiceArquivo, "", TModeloListaDeclaracoes::kPagina, lidas);
  const double diretoTodas = Direto(indiceArquivo, "", kDeclaracoes, lidas);
  const int todas = lidas;
  const double diretoNome =
      Direto(indiceArquivo, " and UPPER(NM_NM_EMPR) STARTING WITH 'DECLARANTE 12'", TModeloListaDeclaracoes::kPagina, lidas);
  const double diretoNumero =
      Direto(indiceArquivo, " and NR_PF_PJ STARTING WITH '1000000'", TModeloListaDeclaracoes::kPagina, lidas);
  const double diretoAno = Direto(indiceArquivo, " and AN_RETENCA STARTING WITH '2014'", TModeloListaDeclaracoes::kPagina, lidas);

  std::printf("Lista de declarações: %d no índice (%d até 2014), mediana de %d vezes\n", kDeclaracoes, todas,
              kRepeticoes);
  std::printf("Mostrar o diálogo lê %d linhas (uma página)\n", paginaMostrada);
  Imprime("mostrar o diálogo de abertura", mostrar, diretoPagina, "primeira página");
  Imprime("mostrar, comparado a ler a lista inteira", mostrar, diretoTodas, "todas as linhas");
  Imprime("filtrar por nome", nome, diretoNome, "filtro de nome, 1 página");
  Imprime("filtrar por número", numero, diretoNumero, "filtro de número, 1 página");
  Imprime("filtrar por ano", ano, diretoAno, "filtro de ano, 1 página");
  Imprime("busca incremental sem achado (lê tudo)", busca, diretoTodas, "todas as linhas");
  return 0;
}
