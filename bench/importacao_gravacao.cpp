// The import's storage of a large declaration: 500,000 beneficiary lines, each with a monthly
// series and one in twenty with suspended or exempt amounts, handed line by line to the storing
// pass into a fresh declaration, against bare calls of the same procedures with the same values
// on the engine's OO API in the same run. Prints figures only.
//
// TOLV_LINHAS_BANCADA sets another number of lines (a quick look).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstdio>
#include <cstring>
#include <memory>

#include "ApiDireta.h"
#include "Bancada.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/ChamadaProcedimento.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/TobjectPersistencia.h"

using namespace bancada;

namespace {

constexpr int kLinhasPadrao = 500000;
constexpr int kLote = 5002;
const char* const kMeses[13] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};

// The values of line i, the same for both roads.
struct Linha {
  QByteArray base;   // nine digits
  QByteArray nome;
  int64_t centavos[13];
  int extra;         // 0 none, 1 suspended income, 2 exempt income of retirees
  int64_t centavosExtra;
};

Linha Gera(int i) {
  Linha l;
  l.base = QByteArray::number(100000000 + i);
  l.nome = "BENEFICIARIO " + QByteArray::number(i);
  for (int m = 0; m < 13; ++m) l.centavos[m] = 100000 + (i % 9973) * 13 + m;
  l.extra = i % 20 == 0 ? 1 + (i / 20) % 2 : 0;
  l.centavosExtra = 5000 + i % 101;
  return l;
}

// The file's lines of line i, into `saida`.
void Texto(const Linha& l, QStringList& saida) {
  saida.clear();
  saida << QStringLiteral("BPFDEC|%1%2|%3||").arg(QString::fromLatin1(l.base), QStringLiteral("00"), QString::fromLatin1(l.nome));
  QString serie = QStringLiteral("RTRT|");
  for (int m = 0; m < 13; ++m) serie += QString::number(l.centavos[m]) + u'|';
  saida << serie;
  if (l.extra) {
    QString outra = l.extra == 1 ? QStringLiteral("ESRT|") : QStringLiteral("RIP65|");
    outra += QString::number(l.centavosExtra);
    for (int m = 1; m < 13; ++m) outra += u'|';
    saida << outra + u'|';
  }
}

// The storing pass over the whole file, line by line.
double PelaGravacao(const QString& arquivo, int linhas, long& rssMeio, long& pico) {
  TArquivoDados dados(QFileInfo(arquivo).path() + QStringLiteral("/TEMP/dec.log"));
  dados.VersaoLeiaute = 4;
  dados.NiDeclarante = kCnpj;
  dados.TipoDeclarante = 2;
  dados.AnoCalendario = QStringLiteral("2013");
  dados.ArquivoBanco = kBanco;
  auto banco = TDataAccess::CreateBanco(kBanco);
  if (!banco->AlteraModoEscrita()) std::fprintf(stderr, "%s\n", qPrintable(banco->ErroModoEscrita()));
  TobjectPersistencia persistencia(*banco, dados);
  TLinhaI linha;
  auto importa = [&](const QString& texto) {
    linha.Define(texto);
    persistencia.Importa(linha);
  };
  ZeraPico();
  QElapsedTimer relogio;
  relogio.start();
  for (const char* t : {"TOLV|2014|2013|N||F8UCL6S|", "RESPO|11144477735|JOSE DA SILVA|61|33334444||||",
                        "DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||", "IDREC|0561|"})
    importa(QString::fromLatin1(t));
  QStringList textos;
  for (int i = 0; i < linhas; ++i) {
    Texto(Gera(i), textos);
    for (const QString& t : textos) importa(t);
    if (i == linhas / 2) rssMeio = MemoriaKb("VmRSS");
  }
  importa(QStringLiteral("FIMTOLV|"));
  persistencia.Conclui();
  const double segundos = Segundos(relogio);
  pico = MemoriaKb("VmHWM");
  banco->RestauraModoEscrita();
  if (dados.Contagem.BeneficiariosAdicionados != linhas)
    std::printf("atenção: %d linhas contadas pela gravação\n", dados.Contagem.BeneficiariosAdicionados);
  return segundos;
}

// The positions of a procedure's inputs by name, read through the database layer before the clock.
QHash<QByteArray, unsigned> Posicoes(bd::Transacao& t, const char* procedimento) {
  bd::ChamadaProcedimento p(t, QString::fromLatin1(procedimento));
  p.prepara();
  QHash<QByteArray, unsigned> r;
  const QStringList nomes = p.entradas();
  for (int i = 0; i < nomes.size(); ++i) r.insert(nomes[i].toLatin1(), unsigned(i));
  return r;
}

struct ProcedimentoDireto {
  std::unique_ptr<ConsultaDireta> consulta;
  QHash<QByteArray, unsigned> posicao;
};

ProcedimentoDireto Prepara(ApiDireta& api, const QHash<QByteArray, unsigned>& posicoes, const char* nome) {
  QByteArray sql = QByteArray("EXECUTE PROCEDURE ") + nome + '(';
  for (int i = 0; i < posicoes.size(); ++i) sql += i ? ", ?" : "?";
  sql += ')';
  return {std::make_unique<ConsultaDireta>(api, sql.constData()), posicoes};
}

// The same procedures with the same values, bare: a header row first, then every line.
double Direto(const QString& arquivo, int linhas) {
  QHash<QByteArray, unsigned> pItem, pJudicial, pIsento;
  {
    bd::Conexao c(arquivo);
    c.conecta();
    bd::Transacao t(c);
    pItem = Posicoes(t, "INCLUI_ATU_TOLV_ITEM");
    pJudicial = Posicoes(t, "INCLUI_ATU_JUDICIAL");
    pIsento = Posicoes(t, "INCLUI_ATU_ISENTO");
    bd::Consulta(t, QStringLiteral("UPDATE OR INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) "
                                   "VALUES (1, '2', '114447770001', 0) MATCHING (FONTE_DK)"))
        .executa();
    t.commit();
  }
  ApiDireta api(arquivo);
  ProcedimentoDireto item = Prepara(api, pItem, "INCLUI_ATU_TOLV_ITEM");
  ProcedimentoDireto judicial = Prepara(api, pJudicial, "INCLUI_ATU_JUDICIAL");
  ProcedimentoDireto isento = Prepara(api, pIsento, "INCLUI_ATU_ISENTO");
  MensagemDireta& in = item.consulta->in();
  const ISC_DATE zero = api.util->encodeDate(1899, 12, 30);
  in.texto(item.posicao["E_FONTE_DK"], "1");
  in.texto(item.posicao["TRIB_TRIBU"], "0561");
  in.texto(item.posicao["E_IN_PF_PJ"], "1");
  in.valor(item.posicao["ACAO"], int16_t(0));
  in.valor(item.posicao["DATA_LAUDO"], zero);
  in.texto(item.posicao["IN_MOLESTIA"], "N");
  for (const char* nulo : {"TOLV_ITEM_DK", "DEDUCAO_ESPECIALIZADA", "E_IN_PF_PJ_ANT", "E_NR_PF_PJ_ANT"})
    in.nulo(item.posicao[nulo], true);
  unsigned rendimento[13], suspenso[13], aposentado[13];
  for (int m = 0; m < 13; ++m) {
    rendimento[m] = item.posicao[QByteArray("VL_RENDIME_") + kMeses[m]];
    suspenso[m] = judicial.posicao[QByteArray("VL_RENDIME_") + kMeses[m]];
    aposentado[m] = isento.posicao[QByteArray("VL_RIP65_") + kMeses[m]];
  }
  for (ProcedimentoDireto* filho : {&judicial, &isento}) {
    filho->consulta->in().valor(filho->posicao["ACAO"], int16_t(0));
    filho->consulta->in().valor(filho->posicao["EXCLUIR"], int16_t(0));
  }
  for (auto [filho, pos] : {std::pair{&judicial, "VL_ANUAL_DESCOUTRO"}, std::pair{&isento, "VL_ANUAL_DESCOUTRO"}})
    if (filho->posicao.contains(pos)) filho->consulta->in().texto(filho->posicao[pos], "");
  const unsigned base = item.posicao["E_NR_PF_PJ"];
  const unsigned saidaChave = item.consulta->deslocamentoSaida(1);
  const unsigned nome = item.posicao["NM_NM_EMPR"];

  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < linhas; ++i) {
    const Linha l = Gera(i);
    in.texto(base, l.base);
    in.texto(nome, l.nome);
    for (int m = 0; m < 13; ++m) in.valor(rendimento[m], int64_t(l.centavos[m] * 100));
    item.consulta->executa();
    if (l.extra) {
      // The line's key (TOLV_ITEM_DK_OUT, the second output) goes to its child row as text.
      int32_t chave;
      std::memcpy(&chave, item.consulta->saida() + saidaChave, sizeof chave);
      ProcedimentoDireto& filho = l.extra == 1 ? judicial : isento;
      const unsigned* serie = l.extra == 1 ? suspenso : aposentado;
      filho.consulta->in().texto(filho.posicao["E_TOLV_ITEM_DK"], QByteArray::number(chave));
      filho.consulta->in().valor(serie[0], int64_t(l.centavosExtra * 100));
      filho.consulta->executa();
    }
    if ((i + 1) % kLote == 0) api.confirma();
  }
  api.tra->commit(&api.st);
  api.tra = nullptr;
  return Segundos(relogio);
}

// Lines, the January total and the child rows of a database, for the two roads to be compared.
QString Resumo(const QString& arquivo) {
  bd::Conexao c(arquivo);
  c.conecta();
  bd::Transacao t(c);
  bd::Consulta q(t, QStringLiteral("SELECT (SELECT COUNT(*) FROM TOLV_ITENS), (SELECT SUM(VL_RENDIME_JAN) FROM TOLV_ITENS), "
                                   "(SELECT SUM(VL_RENDIME_JAN) FROM JUDICIAIS), (SELECT SUM(VL_RIP65_JAN) FROM ISENTOS) "
                                   "FROM RDB$DATABASE"));
  q.abre();
  return QStringLiteral("%1 linhas, %2 / %3 / %4")
      .arg(q.campo(1).texto(), q.campo(2).texto(), q.campo(3).texto(), q.campo(4).texto());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int linhas = qEnvironmentVariableIsSet("TOLV_LINHAS_BANCADA") ? qEnvironmentVariableIntValue("TOLV_LINHAS_BANCADA")
                                                                     : kLinhasPadrao;
  PastaBancada pasta;
  QDir().mkpath(pasta.dados() + QStringLiteral("/TEMP"));
  const QString direto = pasta.arquivo(QStringLiteral("DIRETO.FDB"));
  const QString importado = pasta.arquivo(kBanco);
  if (!pasta.CopiaModelo(direto) || !pasta.CopiaModelo(importado)) return 1;
  const int resultado = RodaProtegido([&] {
    // Both roads on a fresh declaration with asynchronous writes; the storage switches its own.
    bd::Servicos::defineEscritaForcada(direto, false);
    const double tDireto = Direto(direto, linhas);
    const long rssAntes = MemoriaKb("VmRSS");
    long rssMeio = 0;
    long pico = 0;
    const double tGravacao = PelaGravacao(importado, linhas, rssMeio, pico);
    TColecao::FechaConexoes();
    const QString resumoDireto = Resumo(direto);
    const QString resumoGravado = Resumo(importado);
    const double taxaDireta = linhas / tDireto;
    const double taxaGravacao = linhas / tGravacao;
    std::printf("linhas de beneficiário: %d (uma em vinte com valores suspensos ou isentos)\n", linhas);
    std::printf("chamadas diretas:     %9.0f linhas/s (%.1f s)\n", taxaDireta, tDireto);
    std::printf("gravação importação:  %9.0f linhas/s (%.1f s)\n", taxaGravacao, tGravacao);
    std::printf("memória: %.1f MB antes, %.1f MB na metade, pico de %.1f MB durante a gravação\n", rssAntes / 1024.0,
                rssMeio / 1024.0, pico / 1024.0);
    std::printf("bancos: direto %s; gravação %s%s\n", qPrintable(resumoDireto), qPrintable(resumoGravado),
                resumoDireto == resumoGravado ? "" : " (DIFERENTES)");
    std::printf("razao gravacao-importacao/direta: %.2f\n", taxaGravacao / taxaDireta);
    return 0;
  });
  Pastas::definePrograma({});
  return resultado;
}
