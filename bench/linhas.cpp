// The beneficiary lines of a large declaration: 100,000 generated lines (a fixed seed) saved in batch
// use against the bare rate of the line's stored procedure; walked in list mode against a bare fetch
// of the same statement through the engine's OO API; browsed by 1,000 interactive moves; then
// 500,000 lines walked with the peak resident memory. Prints figures only. With --leitura the lines
// are made by the database itself and only the reading is measured (quick runs, profiles).

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ApiDireta.h"
#include "LinhasGeradas.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kLinhas = 100000;
constexpr int kLinhasGrandes = 500000;
constexpr int kLeituras = 3;
constexpr int kMovimentos = 1000;
constexpr unsigned kSemente = 20140131;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");
const char* const kCodigos[] = {"0561", "0588", "3208", "5936", "3533"};

using linhas_geradas::GeraLinhas;
using linhas_geradas::LeituraDireta;
using linhas_geradas::Segundos;

// One generated line: a person, a code, the eight taxable series (months 1 to 13, in the order of
// the table's columns) and, for some lines, judicial deposits and exempt income.
struct Gerada {
  QString cpf;
  QString base;
  QString codigo;
  std::array<int64_t, 104> valores{};
  int64_t deposito = 0;
  int64_t isento = 0;
};

class Gerador {
 public:
  Gerada proxima(int i) {
    Gerada g;
    g.base = QString::number(100000000 + 7 * i);
    g.cpf = g.base + TCpf::CalculaDVCpf(g.base);
    g.codigo = QString::fromLatin1(kCodigos[m_rng() % 5]);
    for (int mes = 0; mes < 13; ++mes) {
      const int64_t rendimento = int64_t(m_rng() % 10'000'000) * 100;  // whole cents, as typed
      const int64_t po = rendimento / 11, pp = rendimento / 23, dp = rendimento / 31, pa = rendimento / 47;
      const int64_t serie[8] = {rendimento, po + pp + dp + pa, po, pp, dp, pa, rendimento / 7, 0};
      for (int s = 0; s < 8; ++s) g.valores[size_t(13 * s + mes)] = serie[s];
    }
    if (m_rng() % 100 < 15) g.deposito = int64_t(m_rng() % 1'000'000) * 100;
    if (m_rng() % 100 < 10) g.isento = int64_t(m_rng() % 1'000'000) * 100;
    return g;
  }

 private:
  std::mt19937 m_rng{kSemente};
};

// The line object of the program filled with a generated line.
void Preenche(TTolvItem& l, const Gerada& g) {
  using R = TRendimentosTributaveis;
  static const R::Serie ordem[8] = {R::kRendimento, R::kDeducao,   R::kDeducaoPO, R::kDeducaoPP,
                                    R::kDeducaoDP,  R::kDeducaoPA, R::kRetido,    R::kMolestia};
  // A line read from a file is new: nothing in it counts as changed but what the file fills.
  l.Limpa();
  l.SetModificado(false);
  l.GetBeneficiario().SetNi(g.cpf);
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO DE TESTE"));
  l.GetCodigoRetencao().SetCodigo(g.codigo);
  for (int s = 0; s < 8; ++s)
    for (int mes = 1; mes <= 13; ++mes)
      l.GetTributaveis().GetSerie(ordem[s]).Mes(mes).SetValorMonetario(Valor::deDezMilesimos(g.valores[size_t(13 * s + mes - 1)]));
  if (g.deposito) l.GetSubJudice().GetDeposito(3).SetValorMonetario(Valor::deDezMilesimos(g.deposito));
  if (g.isento) l.GetIsentos().GetRip65(4).SetValorMonetario(Valor::deDezMilesimos(g.isento));
}

// INCLUI_ATU_TOLV_ITEM called bare: one prepared statement, the message buffer written by hand.
class GravacaoDireta {
 public:
  explicit GravacaoDireta(const QString& arquivo) : m_api(arquivo) {
    ThrowStatusWrapper& st = m_api.st;
    QByteArray sql = "EXECUTE PROCEDURE INCLUI_ATU_TOLV_ITEM(?";
    for (int i = 1; i < 120; ++i) sql += ", ?";
    sql += ")";
    m_stmt = m_api.att->prepare(&st, m_api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    m_entrada = m_stmt->getInputMetadata(&st);
    m_saida = m_stmt->getOutputMetadata(&st);
    m_in = std::make_unique<MensagemDireta>(m_api, m_entrada);
    m_out.resize(m_saida->getMessageLength(&st));
    // What the collection sends for a new line of a batch: ACAO 2, the duplicate control on, no
    // key, the declarant's source, a person, no process data, no report date; the rest null.
    MensagemDireta& in = *m_in;
    in.valor(0, int16_t(2));
    in.valor(1, int16_t(1));
    in.nulo(2, true);
    in.texto(3, "1");
    in.texto(5, "1");
    in.texto(111, QByteArray("BENEFICIARIO DE TESTE"));
    for (unsigned i : {112u, 113u, 114u}) in.texto(i, "");
    in.texto(115, "N");
    in.valor(116, m_api.util->encodeDate(1899, 12, 30));
    in.texto(117, "T");
    in.nulo(118, true);
    in.nulo(119, true);
  }
  ~GravacaoDireta() {
    m_entrada->release();
    m_saida->release();
    m_stmt->free(&m_api.st);
  }

  // Lines `de` to `ate` (exclusive) of the generator's sequence; the seconds of the calls.
  double Grava(int de, int ate) {
    double segundos = 0;
    QElapsedTimer relogio;
    for (int i = de; i < ate; ++i) {
      const Gerada g = m_gerador.proxima(i);
      m_in->texto(4, g.codigo.toLatin1());
      m_in->texto(6, g.base.toLatin1());
      for (unsigned k = 0; k < 104; ++k) m_in->valor(7 + k, g.valores[k]);
      relogio.start();
      m_stmt->execute(&m_api.st, m_api.tra, m_entrada, m_in->dados(), m_saida, m_out.data());
      segundos += Segundos(relogio);
    }
    return segundos;
  }
  // The commit counts, as the batch's last one does.
  double Termina() {
    QElapsedTimer relogio;
    relogio.start();
    m_api.tra->commit(&m_api.st);
    m_api.tra = nullptr;
    return Segundos(relogio);
  }

 private:
  ApiDireta m_api;
  IStatement* m_stmt = nullptr;
  IMessageMetadata* m_entrada = nullptr;
  IMessageMetadata* m_saida = nullptr;
  std::unique_ptr<MensagemDireta> m_in;
  std::vector<unsigned char> m_out;
  Gerador m_gerador;
};

// Walks the declarant's section in list mode, as the verification does.
double Percorre(TTolv& tolv, int& lidas, int64_t& soma) {
  TColecaoTolvItem& itens = tolv.GetItens();
  itens.SetOrdem(TColecaoTolvItem::kVerificacao);
  itens.SetModoLista(true);
  TTolvItem linha(tolv, tolv);
  QElapsedTimer relogio;
  relogio.start();
  lidas = 0;
  soma = 0;
  for (itens.CarregaPrimeiro(linha); !itens.NoFim(); itens.CarregaProximo(linha)) {
    ++lidas;
    soma += linha.GetTributaveis().GetRetido(1).GetValorInterno().dezMilesimos() +
            linha.GetSubJudice().GetDeposito(3).GetValorInterno().dezMilesimos() +
            linha.GetIsentos().GetRip65(4).GetValorInterno().dezMilesimos();
  }
  return Segundos(relogio);
}

// A line of /proc/self/status, in kB.
long MemoriaKb(const char* campo) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& l : status.readAll().split('\n'))
    if (l.startsWith(campo)) return l.mid(qsizetype(std::strlen(campo))).trimmed().split(' ').value(0).toLong();
  return -1;
}

// Makes the peak resident memory start again from now.
void ZeraPicoDeMemoria() {
  QFile refs(QStringLiteral("/proc/self/clear_refs"));
  if (refs.open(QIODevice::WriteOnly)) refs.write("5");
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
  const QString direto = dados + QStringLiteral("/DIRETO.FDB");
  for (const QString& copia : {declaracao, direto}) {
    if (!QFile::copy(dados + QStringLiteral("/TOLV2014PD.FDB"), copia)) {
      std::fprintf(stderr, "não foi possível copiar o banco modelo\n");
      return 1;
    }
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
  }
  Pastas::definePrograma(pasta.path());
  const bool soLeitura = argc > 1 && std::string(argv[1]) == "--leitura";
  try {
    // The import writes asynchronously; both runs do the same.
    bd::Servicos::defineEscritaForcada(declaracao, false);
    bd::Servicos::defineEscritaForcada(direto, false);

    TTolv tolv;
    tolv.GetContribuinte().SetNi(kCnpj);
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetTolvDK(QStringLiteral("1"));
    tolv.GetResumo().Zera();
    tolv.GetResumoGeral().Zera();

    if (soLeitura) {
      GeraLinhas(declaracao, 1, kLinhas);
    } else {
      // Both savings advance by turns, a hundredth of the lines at a time, so that a busy moment of the
      // machine weighs on both alike.
      GravacaoDireta nua(direto);
      auto lote = std::make_unique<TColecaoTolvItem>(tolv, tolv);
      lote->SetModoLista(true);
      lote->SetInterativo(false);
      TTolvItem linha(tolv, tolv);
      Gerador gerador;
      int incluidas = 0;
      double tDireto = 0, segundos = 0;
      QElapsedTimer relogio;
      constexpr int kTurnos = 100;
      for (int turno = 0; turno < kTurnos; ++turno) {
        const int de = turno * kLinhas / kTurnos, ate = (turno + 1) * kLinhas / kTurnos;
        tDireto += nua.Grava(de, ate);
        for (int i = de; i < ate; ++i) {
          Preenche(linha, gerador.proxima(i));
          relogio.start();
          incluidas += lote->Grava(linha) == TColecaoTolvItem::kIncluida ? 1 : 0;
          segundos += Segundos(relogio);
        }
      }
      tDireto += nua.Termina();
      // The last commit and the summary come when the batch ends.
      relogio.start();
      lote->Confirma();
      lote.reset();
      segundos += Segundos(relogio);
      const double taxaDireta = kLinhas / tDireto;
      const double taxa = kLinhas / segundos;
      std::printf("INCLUI_ATU_TOLV_ITEM pela API OO: %d linhas em %.2f s, %.0f por segundo\n", kLinhas, tDireto, taxaDireta);
      std::printf("gravação em lote: %d linhas (%d incluídas) em %.2f s, %.0f por segundo; %.2f da taxa direta\n",
                  kLinhas, incluidas, segundos, taxa, taxa / taxaDireta);
    }

    {
      // Both readings alternate; the best of each counts, so that a busy moment of the machine
      // weighs on neither.
      const QString sql = TColecaoTolvItem::SqlLista(TColecaoTolvItem::kVerificacao);
      double direta = 1e9, lista = 1e9;
      int linhasDiretas = 0, lidas = 0;
      int64_t somaDireta = 0, soma = 0;
      for (int i = 0; i < kLeituras; ++i) {
        direta = std::min(direta, LeituraDireta(declaracao, sql, linhasDiretas, somaDireta));
        lista = std::min(lista, Percorre(tolv, lidas, soma));
      }
      std::printf("leitura direta pela API OO (cada coluna em inteiro de 64 bits): %d linhas em %.3f s, %.0f por segundo\n",
                  linhasDiretas, direta, linhasDiretas / direta);
      std::printf("leitura em lista: %d linhas em %.3f s, %.0f por segundo (soma de controle %lld)\n", lidas, lista,
                  lidas / lista, static_cast<long long>(soma));
      std::printf("razao leitura/direta: %.2f\n", direta / lista);
    }

    if (!soLeitura) {
      TColecaoTolvItem& itens = tolv.GetItens();
      itens.SetModoLista(false);
      TTolvItem linha(tolv, tolv);
      std::mt19937 rng(kSemente);
      // Moves to the next or previous line, and jumps (a search by key, the last line); each shows
      // the line's position as the page does.
      double passos = 0, saltos = 0;
      int nPassos = 0, nSaltos = 0;
      int64_t posicoes = 0;
      int maiorJanela = 0;
      QElapsedTimer relogio;
      for (int i = 0; i < kMovimentos; ++i) {
        const unsigned sorte = rng() % 100;
        const unsigned alvo = 1 + rng() % kLinhas;
        relogio.start();
        const bool salto = i == 0 || sorte >= 90;
        if (i == 0) {
          itens.CarregaPrimeiro(linha);
        } else if (sorte < 70) {
          itens.CarregaProximo(linha);
        } else if (sorte < 90) {
          itens.CarregaAnterior(linha);
        } else if (sorte < 98) {
          linha.Limpa();
          linha.SetTolvItemDK(QString::number(alvo));
          itens.Busca(linha);
        } else {
          itens.CarregaUltimo(linha);
        }
        posicoes += itens.PosicaoItem(QStringLiteral("1"), linha.GetTolvItemDK());
        (salto ? saltos : passos) += Segundos(relogio);
        ++(salto ? nSaltos : nPassos);
        if (itens.GetConsultaAtual()) maiorJanela = std::max(maiorJanela, itens.GetConsultaAtual()->quantidade());
      }
      const double segundos = passos + saltos;
      std::printf("navegação interativa: %d movimentos com posição em %.3f s, %.2f ms cada, %.0f por segundo; "
                  "%d passos de %.2f ms, %d saltos de %.2f ms; maior janela %d linhas (soma das posições %lld)\n",
                  kMovimentos, segundos, 1000 * segundos / kMovimentos, kMovimentos / segundos, nPassos,
                  1000 * passos / nPassos, nSaltos, 1000 * saltos / nSaltos, maiorJanela,
                  static_cast<long long>(posicoes));
    }
    {
      // A declaration five times as large: the walk's memory stays flat.
      tolv.LiberaItens();
      GeraLinhas(declaracao, kLinhas + 1, kLinhasGrandes - kLinhas);
      ZeraPicoDeMemoria();
      const long inicio = MemoriaKb("VmRSS:");
      int lidas = 0;
      int64_t soma = 0;
      const double segundos = Percorre(tolv, lidas, soma);
      const long pico = MemoriaKb("VmHWM:");
      std::printf("leitura em lista de %d linhas: %.2f s, %.0f por segundo; memória residente no início %.1f MB, "
                  "pico %.1f MB (+%.1f MB)\n",
                  lidas, segundos, lidas / segundos, inicio / 1024.0, pico / 1024.0, (pico - inicio) / 1024.0);
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
  }
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
