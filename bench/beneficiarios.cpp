// The beneficiaries of a large declaration: storing lines (the names table is kept by a trigger),
// counting, walking every beneficiary through the windows, searching numbers and the combined
// order with accumulated income. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TColecaoBeneficiario.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kBeneficiarios = 200000;
constexpr int kLinhasPorBeneficiario = 2;
constexpr int kSoRra = 20000;
constexpr int kSoNome = 50000;
constexpr int kBuscas = 2000;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// Persons with lines (two codes each), persons known only from accumulated income and names of
// dependants without any income, all spread over the same numbers.
void Povoa(const QString& arquivo) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao);
  bd::Script(transacao).executa(QStringLiteral(
      "SET TERM ^ ;\n"
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN\n"
      "  WHILE (I < %1) DO BEGIN\n"
      "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)\n"
      "    VALUES (2 * :I + 1, 1, '0561', '1', LPAD(100000000 + 5 * :I, 9, '0'), 'Nome de Teste');\n"
      "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)\n"
      "    VALUES (2 * :I + 2, 1, '0588', '1', LPAD(100000000 + 5 * :I, 9, '0'), 'Nome de Teste');\n"
      "    I = I + 1;\n"
      "  END\n"
      "  I = 0;\n"
      "  WHILE (I < %2) DO BEGIN\n"
      "    INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ)\n"
      "    VALUES (:I + 1, '1', '1', LPAD(100000001 + 50 * :I, 9, '0'));\n"
      "    I = I + 1;\n"
      "  END\n"
      "  I = 0;\n"
      "  WHILE (I < %3) DO BEGIN\n"
      "    EXECUTE PROCEDURE INCLUI_ATU_BENEFICIARIO('1', LPAD(100000002 + 20 * :I, 9, '0'), 'Dependente');\n"
      "    I = I + 1;\n"
      "  END\n"
      "END^\n"
      "SET TERM ; ^\n")
                                          .arg(kBeneficiarios)
                                          .arg(kSoRra)
                                          .arg(kSoNome));
  transacao.commit();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS"));
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome),
                pasta.path() + QStringLiteral("/DADOS/") + QString::fromLatin1(nome));
  if (!QFile::copy(pasta.path() + QStringLiteral("/DADOS/TOLV2014PD.FDB"), pasta.path() + "/DADOS/" + kBanco)) {
    std::fprintf(stderr, "template not copied\n");
    return 1;
  }
  Pastas::definePrograma(pasta.path());

  QElapsedTimer relogio;
  relogio.start();
  Povoa(pasta.path() + "/DADOS/" + kBanco);
  std::printf("stored %d lines of %d beneficiaries, %d accumulated-income items, %d names: %.2f s\n",
              kBeneficiarios * kLinhasPorBeneficiario, kBeneficiarios, kSoRra, kSoNome, Segundos(relogio));
  {
    TTolv tolv;
    tolv.GetContribuinte().SetNi(kCnpj);
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    TColecaoBeneficiario& colecao = tolv.GetColecaoBeneficiario();
    colecao.SetModoLista(false);
    colecao.SetInterativo(true);

    relogio.restart();
    const int total = colecao.GetTotal();
    std::printf("count: %d in %.3f s\n", total, Segundos(relogio));

    TBeneficiarioTolv b(&tolv);
    relogio.restart();
    int lidos = 0;
    int maiorJanela = 0;
    for (colecao.CarregaPrimeiro(b); !colecao.NoFim(); colecao.CarregaProximo(b)) {
      ++lidos;
      maiorJanela = std::max(maiorJanela, colecao.GetConsultaAtual()->quantidade());
    }
    const double adiante = Segundos(relogio);
    std::printf("forward walk: %d beneficiaries in %.2f s (%.0f per second), largest window %d rows\n", lidos,
                adiante, lidos / adiante, maiorJanela);

    relogio.restart();
    int achados = 0;
    for (int i = 0; i < kBuscas; ++i) {
      b.SetNiPelaBaseComErro(QString::number(100000000 + 5 * ((i * 7919) % kBeneficiarios)));
      achados += colecao.Busca(b) ? 1 : 0;
      colecao.CarregaProximo(b);
    }
    const double buscas = Segundos(relogio);
    std::printf("search and next: %d (%d found) in %.3f s, %.2f ms each\n", kBuscas, achados, buscas,
                1000 * buscas / kBuscas);

    relogio.restart();
    lidos = 0;
    for (colecao.UltimoRra(b); !colecao.NoInicio() && lidos < 20000; colecao.AnteriorRra(b)) ++lidos;
    const double atras = Segundos(relogio);
    std::printf("combined order backwards: %d beneficiaries in %.2f s (%.0f per second)\n", lidos, atras,
                lidos / atras);

    relogio.restart();
    const QString primeiro = colecao.GetNiLimite(true);
    const QString ultimo = colecao.GetNiLimite(false);
    std::printf("first and last numbers %s, %s in %.3f s\n", qPrintable(primeiro), qPrintable(ultimo),
                Segundos(relogio));
  }
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
