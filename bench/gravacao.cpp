// The declaration file of a large declaration: 500,000 generated lines (a fixed seed) written by
// the writer, against the bare rate of the same rows fetched straight through the engine's OO API
// and formatted into the same bytes. Prints figures only.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "ApiDireta.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/TArquivoTolv.h"
#include "entrega/TBlocoBeneficiariosDeclarante.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Cp1252.h"
#include "plataforma/sistema/Pastas.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kLinhas = 500000;
constexpr unsigned kSemente = 20140228;
const QString kCnpj = QStringLiteral("11444777000161");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long MemoriaKb(const char* chave) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : f.readAll().split('\n'))
    if (linha.startsWith(chave)) return linha.mid(linha.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
  return -1;
}
// The peak counts from here on.
void ZeraPico() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}

// The declaration: the header row and the lines, inserted bare and committed in batches.
void Gera(const QString& arquivo) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  const char* cabecalho =
      "UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR, "
      "RESP_NO_CNPJ, RESP_PF, NM_RESP, ED_DDD, ED_TELEFONE, ED_EMAIL) VALUES (1, '2', '114447770001', '2013', "
      "'Empresa de Teste Ltda', 0, '111444777', '111444777', 'Responsavel', '61', '33334444', 'a@b.com') "
      "MATCHING (TOLV_DK)";
  api.att->execute(&st, api.tra, 0, cabecalho, 3, nullptr, nullptr, nullptr, nullptr);

  auto prepara = [&](const QByteArray& sql) {
    return api.att->prepare(&st, api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
  };
  auto series = [](const char* prefixo) {
    QByteArray r;
    for (const char* m : {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"})
      r += QByteArray(", ") + prefixo + '_' + m;
    return r;
  };
  auto marcas = [](int n) { return QByteArray(", ?").repeated(n); };
  IStatement* linha = prepara("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, "
                              "NM_NM_EMPR" + series("VL_RENDIME") + series("VL_DEDUCAO_PO") + series("VL_RETIDO") +
                              ") VALUES (?, 1, ?, ?, ?, ?" + marcas(39) + ")");
  IStatement* judicial = prepara("INSERT INTO JUDICIAIS (E_TOLV_ITEM_DK" + series("VL_RENDIME") + series("VL_RETIDO") +
                                 series("VL_DEPOSITO") + ") VALUES (?" + marcas(39) + ")");
  IStatement* isento = prepara("INSERT INTO ISENTOS (E_TOLV_ITEM_DK" + series("VL_RIP65") +
                               ", VL_ANUAL_OUTRO, VL_ANUAL_DESCOUTRO) VALUES (?" + marcas(15) + ")");
  IMessageMetadata* mLinha = linha->getInputMetadata(&st);
  IMessageMetadata* mJudicial = judicial->getInputMetadata(&st);
  IMessageMetadata* mIsento = isento->getInputMetadata(&st);
  MensagemDireta inLinha(api, mLinha), inJudicial(api, mJudicial), inIsento(api, mIsento);

  std::mt19937 rng(kSemente);
  for (int i = 1; i <= kLinhas; ++i) {
    const unsigned sorte = rng() % 100;
    // 0561 persons, 3208 persons, 1708 companies, 3277 both.
    const char* codigo = sorte < 60 ? "0561" : sorte < 70 ? "3208" : sorte < 85 ? "1708" : "3277";
    const bool empresa = sorte >= 70 && (sorte < 85 || (rng() & 1));
    const QByteArray numero = empresa ? QByteArray::number(100000000000LL + i) : QByteArray::number(100000000 + i);
    inLinha.valor(0, int32_t(i));
    inLinha.texto(1, codigo);
    inLinha.texto(2, empresa ? "2" : "1");
    inLinha.texto(3, numero);
    inLinha.texto(4, (empresa ? "EMPRESA BENEFICIÁRIA " : "Beneficiário de Teste ") + numero);
    const int64_t salario = int64_t(1000 + rng() % 900000) * 100;  // whole cents, as typed
    for (int m = 0; m < 13; ++m) {
      inLinha.valor(unsigned(5 + m), salario);
      inLinha.valor(unsigned(18 + m), m == 12 ? int64_t(0) : salario * 11 / 100 / 100 * 100);
      inLinha.valor(unsigned(31 + m), salario * 15 / 100 / 100 * 100);
    }
    linha->execute(&st, api.tra, mLinha, inLinha.dados(), nullptr, nullptr);
    if (!empresa && i % 10 == 0) {
      inJudicial.valor(0, int32_t(i));
      for (int m = 0; m < 39; ++m) inJudicial.valor(unsigned(1 + m), m % 13 < 3 ? salario / 2 : int64_t(0));
      judicial->execute(&st, api.tra, mJudicial, inJudicial.dados(), nullptr, nullptr);
    }
    if (!empresa && i % 5 == 0) {
      inIsento.valor(0, int32_t(i));
      for (int m = 0; m < 13; ++m) inIsento.valor(unsigned(1 + m), m < 12 ? int64_t(19000000) : int64_t(0));
      inIsento.valor(14, int64_t(5000000));
      inIsento.texto(15, "Prêmio de loteria");
      isento->execute(&st, api.tra, mIsento, inIsento.dados(), nullptr, nullptr);
    }
    if (i % 50000 == 0) api.tra->commitRetaining(&st);
  }
  for (IMessageMetadata* m : {mLinha, mJudicial, mIsento}) m->release();
  for (IStatement* s : {linha, judicial, isento}) s->free(&st);
}

// The beneficiary block formatted straight from the engine's message buffer.
class Bruto {
 public:
  Bruto(ApiDireta& api, const QString& saida) : m_api(api), m_arquivo(saida) {}

  // The MD5 of the block written.
  QByteArray Gera() {
    if (!m_arquivo.open(QIODevice::WriteOnly)) return {};
    ThrowStatusWrapper& st = m_api.st;
    CarregaCodigos();
    const QByteArray sql = TBlocoBeneficiariosDeclarante::ConsultaLinhas().replace(":FONTE", "1").toLatin1();
    IStatement* stmt = m_api.att->prepare(&st, m_api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    m_meta = stmt->getOutputMetadata(&st);
    m_linha.resize(m_meta->getMessageLength(&st));
    IResultSet* rs = stmt->openCursor(&st, m_api.tra, nullptr, nullptr, m_meta, 0);
    const int cCodigo = Indice("TRIB_TRIBU"), cTipo = Indice("E_IN_PF_PJ"), cNumero = Indice("E_NR_PF_PJ"),
              cNome = Indice("NM_NM_EMPR"), cLaudo = Indice("DATA_LAUDO"), cJudicial = Indice("J_E_TOLV_ITEM"),
              cTitSoc = Indice("VL_ANUAL_TITSOC"), cLucDiv = Indice("VL_ANUAL_LUCDIV"), cOutro = Indice("VL_ANUAL_OUTRO"),
              cDesc = Indice("VL_ANUAL_DESCOUTRO");
    const auto pessoa = Registros({"RTRT VL_RENDIME", "RTPO VL_DEDUCAO_PO", "RTPP VL_DEDUCAO_PP", "RTDP VL_DEDUCAO_DP",
                                   "RTPA VL_DEDUCAO_PA", "RTIRF VL_RETIDO", "RIMOG VL_MOLESTIA"});
    const auto judiciais = Registros({"CJAA J_VL_ANOANTERIOR", "CJAC J_VL_ANOATUAL", "ESRT J_VL_RENDIME", "ESPO J_VL_DEDUCAO_PO",
                                      "ESPP J_VL_DEDUCAO_PP", "ESDP J_VL_DEDUCAO_DP", "ESPA J_VL_DEDUCAO_PA", "ESIR J_VL_RETIDO",
                                      "ESDJ J_VL_DEPOSITO"});
    const auto isentos = Registros({"RIP65 VL_RIP65", "RIDAC VL_DAC", "RIIRP VL_PDV", "RIAP VL_AP"});
    const auto copa = Registros({"RIVC VL_COPA"}, 12);
    const auto bolsa = Registros({"RIBMR VL_BOLSA"});
    const auto empresa = Registros({"RTRT VL_RENDIME", "RTIRF VL_RETIDO"});
    QByteArray bloco;
    QString codigoAtual;
    const Codigo* codigo = nullptr;
    bool primeiro = true;
    while (rs->fetchNext(&st, m_linha.data()) == Firebird::IStatus::RESULT_OK) {
      const QString cod = TextoEm(cCodigo);
      if (primeiro || cod != codigoAtual) {
        primeiro = false;
        codigoAtual = cod;
        codigo = m_codigos.contains(cod) ? &m_codigos[cod] : nullptr;
        if (codigo) bloco += "IDREC|" + cod.toLatin1() + "|\r\n";
      }
      const QString tipo = TextoEm(cTipo);
      const QString numero = TextoEm(cNumero);
      if (!codigo || numero.isEmpty() || !numero[0].isDigit()) continue;
      if (tipo == u"1" && codigo->pfPj != u"J") {
        const QString base = numero.rightJustified(9, u'0');
        bloco += "BPFDEC|" + (base + TCpf::CalculaDVCpf(base)).toLatin1() + '|' +
                 Cp1252::codifica(NormalizaTextoArquivo(TextoEm(cNome), true)) + '|';
        if (codigo->molestia && !Nulo(cLaudo)) {
          unsigned a, m, d;
          m_api.util->decodeDate(*reinterpret_cast<const ISC_DATE*>(&m_linha[m_offsets[cLaudo]]), &a, &m, &d);
          if (a <= 2013 && !(a == 1899 && m == 12 && d == 30)) bloco += QByteArray::number(a * 10000 + m * 100 + d);
        }
        bloco += "|\r\n";
        for (const Registro& r : pessoa) Mensal(bloco, r);
        if (codigo->subJudice && !Nulo(cJudicial))
          for (const Registro& r : judiciais) Mensal(bloco, r);
        for (const Registro& r : isentos) Mensal(bloco, r);
        Mensal(bloco, copa[0]);
        Mensal(bloco, bolsa[0]);
        Anual(bloco, "RIPTS", cTitSoc, -1);
        Anual(bloco, "RIL96", cLucDiv, -1);
        Anual(bloco, "RIO", cOutro, cDesc);
      } else if (tipo == u"2" && codigo->pfPj != u"F") {
        bloco += "BPJDEC|" + (numero + TCnpj::CalculaDVCnpj(numero)).toLatin1() + '|' +
                 Cp1252::codifica(NormalizaTextoArquivo(TextoEm(cNome), false)) + "|\r\n";
        for (const Registro& r : empresa) Mensal(bloco, r);
      }
      if (bloco.size() > (1 << 18)) Escreve(bloco);
    }
    Escreve(bloco);
    m_arquivo.close();
    rs->close(&st);
    m_meta->release();
    stmt->free(&st);
    return m_md5.result();
  }

 private:
  struct Codigo {
    QString pfPj;
    bool subJudice = false;
    bool molestia = false;
  };

  void CarregaCodigos() {
    ThrowStatusWrapper& st = m_api.st;
    const char* sql = "SELECT COD_RETENCAO, PF_PJ_AMBOS, SUBJUDICE, RENDIMENTOS_ISENTOS FROM CODRET WHERE ANO = '2013' AND ANEXO = '0'";
    IStatement* stmt = m_api.att->prepare(&st, m_api.tra, 0, sql, 3, IStatement::PREPARE_PREFETCH_METADATA);
    m_meta = stmt->getOutputMetadata(&st);
    m_linha.resize(m_meta->getMessageLength(&st));
    m_offsets.clear();
    m_nomes.clear();
    IResultSet* rs = stmt->openCursor(&st, m_api.tra, nullptr, nullptr, m_meta, 0);
    while (rs->fetchNext(&st, m_linha.data()) == Firebird::IStatus::RESULT_OK)
      m_codigos.insert(Texto("COD_RETENCAO").trimmed(), {Texto("PF_PJ_AMBOS").trimmed(), Texto("SUBJUDICE").trimmed() == u"T",
                                                          Texto("RENDIMENTOS_ISENTOS").contains(u'6')});
    rs->close(&st);
    m_meta->release();
    stmt->free(&st);
    m_offsets.clear();
    m_nomes.clear();
  }

  int Indice(const char* nome) {
    const auto achado = m_nomes.constFind(QByteArray::fromRawData(nome, qsizetype(std::strlen(nome))));
    if (achado != m_nomes.cend()) return *achado;
    ThrowStatusWrapper& st = m_api.st;
    const unsigned n = m_meta->getCount(&st);
    for (unsigned i = 0; i < n; ++i)
      if (std::strcmp(m_meta->getAlias(&st, i), nome) == 0) {
        m_offsets.resize(n);
        m_nulos.resize(n);
        m_tipos.resize(n);
        m_tamanhos.resize(n);
        m_offsets[i] = m_meta->getOffset(&st, i);
        m_nulos[i] = m_meta->getNullOffset(&st, i);
        m_tipos[i] = m_meta->getType(&st, i) & ~1u;
        m_tamanhos[i] = m_meta->getLength(&st, i);
        m_nomes.insert(QByteArray(nome), int(i));
        return int(i);
      }
    m_nomes.insert(QByteArray(nome), -1);
    return -1;
  }
  bool Nulo(int i) const { return i < 0 || *reinterpret_cast<const short*>(&m_linha[m_nulos[i]]) != 0; }
  QString Texto(const char* nome) { return TextoEm(Indice(nome)); }
  QString TextoEm(int i) const {
    if (Nulo(i)) return {};
    const unsigned char* p = &m_linha[m_offsets[i]];
    if (m_tipos[i] == SQL_TEXT) return QString::fromUtf8(reinterpret_cast<const char*>(p), m_tamanhos[i]).trimmed();
    const uint16_t n = *reinterpret_cast<const uint16_t*>(p);
    return QString::fromUtf8(reinterpret_cast<const char*>(p + 2), n);
  }
  int64_t Valor(int i) const { return Nulo(i) ? 0 : *reinterpret_cast<const int64_t*>(&m_linha[m_offsets[i]]); }
  static void Centavos(QByteArray& b, int64_t dezMil) {
    const int64_t c = (dezMil + (dezMil < 0 ? -50 : 50)) / 100;
    if (c != 0) b += QByteArray::number(qlonglong(c));
    b += '|';
  }
  // A value record's identifier and the positions of its thirteen columns, located once.
  struct Registro {
    QByteArray id;
    int meses = 13;
    int colunas[13] = {};
  };
  std::vector<Registro> Registros(std::initializer_list<const char*> pares, int meses = 13) {
    static const char* const kMeses[13] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};
    std::vector<Registro> r;
    for (const char* par : pares) {
      const QByteArray p(par);
      Registro reg;
      reg.id = p.left(p.indexOf(' '));
      reg.meses = meses;
      for (int m = 0; m < 13; ++m) reg.colunas[m] = Indice((p.mid(p.indexOf(' ') + 1) + '_' + kMeses[m]).constData());
      r.push_back(reg);
    }
    return r;
  }
  void Mensal(QByteArray& b, const Registro& r) {
    int64_t v[13] = {};
    int64_t soma = 0;
    for (int m = 0; m < r.meses; ++m) soma += v[m] = Valor(r.colunas[m]);
    if (soma <= 0) return;
    b += r.id;
    b += '|';
    for (int m = 0; m < 13; ++m) {
      if (m < r.meses) Centavos(b, v[m]);
      else b += '|';
    }
    b += "\r\n";
  }
  void Anual(QByteArray& b, const char* id, int coluna, int descricao) {
    const int64_t v = Valor(coluna);
    if (v <= 0) return;
    b += id;
    b += '|';
    Centavos(b, v);
    if (descricao >= 0) b += Cp1252::codifica(NormalizaTextoArquivo(TextoEm(descricao), false)) + '|';
    b += "\r\n";
  }
  void Escreve(QByteArray& bloco) {
    m_arquivo.write(bloco);
    m_md5.addData(bloco);
    m_bytes += bloco.size();
    bloco.resize(0);
  }

  ApiDireta& m_api;
  IMessageMetadata* m_meta = nullptr;
  std::vector<unsigned char> m_linha;
  std::vector<unsigned> m_offsets, m_nulos, m_tipos, m_tamanhos;
  QHash<QByteArray, int> m_nomes;
  QHash<QString, Codigo> m_codigos;
  QFile m_arquivo;
  QCryptographicHash m_md5{QCryptographicHash::Md5};
  int64_t m_bytes = 0;

 public:
  int64_t Bytes() const { return m_bytes; }
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
      Gera(banco);
      std::printf("declaração gerada: %d linhas em %.1f s\n", kLinhas, Segundos(relogio));
    }

    // The bare path first and the writer after it: both find the database in the system's cache.
    QByteArray bruto;
    int64_t bytesBrutos = 0;
    double tBruto = 0;
    {
      ApiDireta api(banco);
      Bruto b(api, pasta.path() + QStringLiteral("/saida/bruto.txt"));
      relogio.start();
      bruto = b.Gera();
      tBruto = Segundos(relogio);
      bytesBrutos = b.Bytes();
    }
    std::printf("busca bruta formatada: %d linhas, %.1f MB em %.2f s, %.0f linhas por segundo\n", kLinhas,
                bytesBrutos / 1e6, tBruto, kLinhas / tBruto);

    TArquivoTolv arquivo;
    arquivo.DefineEspacoLivre([](const QString&) { return int64_t(1) << 40; });
    PedidoGravacao pedido;
    pedido.Arquivo = pasta.path() + QStringLiteral("/saida/") + ArquivoDeclaracao::Nome(tolv);
    pedido.Banco = banco;
    pedido.Uf = QStringLiteral("SP");
    int chamadas = 0;
    arquivo.GetGanchos().Progresso = [&](int64_t, int64_t) { ++chamadas; };
    const long rssAntes = MemoriaKb("VmRSS");
    ZeraPico();
    relogio.start();
    const int resultado = arquivo.GravaArquivo(pedido, tolv);
    const double tGravador = Segundos(relogio);
    const long pico = MemoriaKb("VmHWM");
    if (resultado != 0 || arquivo.GetFalhaGravacao()) {
      std::fprintf(stderr, "gravação falhou (%d): %s\n", resultado, qPrintable(arquivo.GetMensagemFalha()));
      return 1;
    }
    QFile gravado(pedido.Arquivo);
    gravado.open(QIODevice::ReadOnly);
    const QByteArray bytes = gravado.readAll();
    const qsizetype inicio = bytes.indexOf("\r\nIDREC|") + 2;
    const qsizetype fim = bytes.indexOf("FIMTOLV|\r\n");
    const bool iguais = QCryptographicHash::hash(bytes.mid(inicio, fim - inicio), QCryptographicHash::Md5) == bruto;
    std::printf("gravador: %d linhas, arquivo de %.1f MB com envelope em %.2f s, %.0f linhas por segundo, %.1f MB/s "
                "(%d avisos de progresso)\n",
                kLinhas, bytes.size() / 1e6, tGravador, kLinhas / tGravador, bytes.size() / 1e6 / tGravador, chamadas);
    std::printf("razão gravador / busca bruta: %.2f (meta: ao menos 0,5); bytes do bloco iguais: %s\n", tBruto / tGravador,
                iguais ? "sim" : "NÃO");
    std::printf("memória: %.1f MB antes, pico de %.1f MB durante a gravação (%+.1f MB)\n", rssAntes / 1024.0,
                pico / 1024.0, (pico - rssAntes) / 1024.0);
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
