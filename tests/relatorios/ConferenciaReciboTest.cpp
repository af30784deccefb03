#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include "nucleo/NumeroRecibo.h"
#include "nucleo/TArquivoIni.h"
#include "plataforma/integridade/Integridade.h"
#include "relatorios/ReciboTeste.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

using namespace recibo_teste;

const char* const kCorrompido =
    "As informações do recibo de entrega foram corrompidas após a sua gravação. O recibo não será impresso.";
const char* const kNaoCorresponde =
    "As informações do recibo de entrega não correspondem à declaração selecionada. O recibo não será impresso.";
const char* const kBiblioteca =
    "Não foi possível carregar uma biblioteca do sistema, reinicialize a máquina. Se o problema persistir, reinstale "
    "o programa.";

// One receipt case: how the receipt (and the declaration's third line) differ from a genuine one.
struct CasoRecibo {
  const char* nome;
  std::function<void(Recibo&)> monta;
  std::function<void(QList<QByteArray>&)> altera;  // after the check values were computed
  EstadoRecibo estado;
  int mensagem;
  const char* texto;
};

class EstadosRecibo : public PastaRecibo, public testing::WithParamInterface<CasoRecibo> {};

TEST_P(EstadosRecibo, StateAndMessage) {
  const CasoRecibo& c = GetParam();
  GravaDeclaracao();
  Recibo recibo;
  if (c.monta) c.monta(recibo);
  QList<QByteArray> registros = recibo.Registros();
  if (c.altera) c.altera(registros);
  GravaRecibo(Recibo::Junta(registros));
  const ResultadoRecibo r = Confere();
  EXPECT_EQ(r.Estado, c.estado);
  EXPECT_EQ(r.CodigoMensagem(), c.mensagem);
  EXPECT_EQ(r.Mensagem(), QString::fromUtf8(c.texto));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

// Changes one byte of the chained part of the record at `indice`, keeping its check value.
std::function<void(QList<QByteArray>&)> Adultera(int indice, int posicao) {
  return [=](QList<QByteArray>& r) { r[indice][posicao - 1] = r[indice][posicao - 1] == 'Z' ? 'Y' : 'Z'; };
}

const Aviso kAviso{};

INSTANTIATE_TEST_SUITE_P(
    Casos, EstadosRecibo,
    testing::Values(
        CasoRecibo{"Valid", {}, {}, EstadoRecibo::Conferido, 0, ""},
        CasoRecibo{"ValidWithNotice", [](Recibo& r) { r.nc = kAviso.Linha(); }, {}, EstadoRecibo::Conferido, 0, ""},
        CasoRecibo{"HeaderCheckValueWrong", {}, Adultera(0, 20), EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        // The part of RC that is neither read nor signed still belongs to the chain.
        CasoRecibo{"ReceiptTampered", {}, Adultera(1, 100), EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"NoticeTampered", [](Recibo& r) { r.nc = kAviso.Linha(); }, Adultera(2, 150),
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"PendingYearsTampered", {}, Adultera(2, 3), EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"TrailerTampered", {}, Adultera(3, 20), EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"CheckValueWrong", {}, [](QList<QByteArray>& r) { r[3].back() = r[3].back() == '0' ? '1' : '0'; },
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"NoPendingYearsRecord", [](Recibo& r) { r.vc.reset(); }, {}, EstadoRecibo::ReciboCorrompido, 4,
                   kCorrompido},
        CasoRecibo{"NoticeWithoutPendingYearsRecord",
                   [](Recibo& r) {
                     r.nc = kAviso.Linha();
                     r.vc.reset();
                   },
                   {}, EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"ReceiptRecordOneShort", [](Recibo& r) { r.ajusteRC = -1; }, {}, EstadoRecibo::ReciboCorrompido, 4,
                   kCorrompido},
        CasoRecibo{"ReceiptRecordOneLong", [](Recibo& r) { r.ajusteRC = 1; }, {}, EstadoRecibo::ReciboCorrompido, 4,
                   kCorrompido},
        CasoRecibo{"RecordOutOfPlace", {}, [](QList<QByteArray>& r) { r.swapItemsAt(2, 3); },
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"HeaderMissing", {}, [](QList<QByteArray>& r) { r.removeFirst(); }, EstadoRecibo::ReciboCorrompido,
                   4, kCorrompido},
        CasoRecibo{"ReceptionNotANumber", [](Recibo& r) { r.recepcao = "15O32014102030"; }, {},
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"PendingYearsMalformed", [](Recibo& r) { r.vc = "VC 2;2012;0;"; }, {},
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"FineNotANumber",
                   [](Recibo& r) {
                     Aviso a;
                     a.multa = "00000000001234A";
                     r.nc = a.Linha();
                   },
                   {}, EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        // The signature covers the authentication code: a right chain does not make it genuine.
        CasoRecibo{"SignatureRefused", [](Recibo& r) { r.autenticacao = "Q1W2E3R4T6"; }, {},
                   EstadoRecibo::ReciboCorrompido, 4, kCorrompido},
        CasoRecibo{"ForeignTaxNumber", [](Recibo& r) { r.ni = "11222333000181"; }, {},
                   EstadoRecibo::OutroContribuinte, 5, kNaoCorresponde},
        CasoRecibo{"ForeignTaxNumberInReceiptRecord", [](Recibo& r) { r.niRC = "11222333000181"; }, {},
                   EstadoRecibo::OutroContribuinte, 5, kNaoCorresponde},
        // The tax number is checked before the chain: a foreign receipt says so even when tampered.
        CasoRecibo{"ForeignAndTampered", [](Recibo& r) { r.ni = "11222333000181"; }, Adultera(3, 20),
                   EstadoRecibo::OutroContribuinte, 5, kNaoCorresponde}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(PastaRecibo, ValidReceiptGivesWhatThePrintingShows) {
  GravaDeclaracao();
  Recibo recibo;
  recibo.nc = Aviso{}.Linha();
  recibo.vc = "VC 12011;0;220092010;";
  GravaRecibo(recibo.Bytes());
  const ResultadoRecibo r = Confere();
  ASSERT_TRUE(r.Conferido());
  EXPECT_EQ(r.ArquivoDeclaracao, Declaracao());
  EXPECT_EQ(r.ArquivoRecibo, ReciboArquivo());
  EXPECT_EQ(r.Controle, "2270759598");
  EXPECT_EQ(r.NumeroRecibo, "22.70.75.95.98-" + TNumeroRecibo::CalculaDVRecibo("2270759598"));
  EXPECT_EQ(r.Recibo.DataRecepcao, "15/03/2014");
  EXPECT_EQ(r.Recibo.Hora * 10000 + r.Recibo.Minuto * 100 + r.Recibo.Segundo, 102030);
  EXPECT_EQ(r.Recibo.Autenticacao, "Q1W2E3R4T5");
  EXPECT_TRUE(r.Recibo.AutoInfracao);
  EXPECT_FALSE(r.Recibo.Intimacao);
  EXPECT_EQ(r.Recibo.Aviso.NomeAuditor, QString::fromUtf8("JOÃO DA SILVA"));
  EXPECT_EQ(r.Recibo.AnosBatimentoJorb, QStringList{"2011"});
  EXPECT_TRUE(r.Recibo.AnosBatimentoZefro.isEmpty());
  EXPECT_EQ(r.Recibo.AnosRejeitados, (QStringList{"2009", "2010"}));
  EXPECT_EQ(r.Extrato.NomeDeclarante, "PADARIA PAO D'AGUA LTDA");
  EXPECT_EQ(r.Extrato.Soma(ExtratoDeclaracao::Tributaveis).formata(), "2.500,01");
  EXPECT_EQ(r.Mensagem(), "");
}

// A person's receipt carries the CPF with three blanks; the plug-in gets it without them.
TEST_F(PastaRecibo, PersonReceiptMatchesTheElevenDigitCpf) {
  GravaDeclaracao(Linhas({"TOLV|2014|2013|N||F8UCL6S|", "RESPO|22233344405|MARIA|||||", "DECPF|12345678909|JOSE|||||N|||",
                          "FIMTOLV|"}));
  Recibo recibo;
  recibo.ni = "12345678909";
  GravaRecibo(recibo.Bytes());
  qputenv("VORSAK_FALSA_ACEITA", "Q1W2E3R4T5|12345678909|2270759598|15|3|2014|10|20|30");
  const ResultadoRecibo r = Confere();
  qunsetenv("VORSAK_FALSA_ACEITA");
  EXPECT_EQ(r.Estado, EstadoRecibo::Conferido);
  EXPECT_EQ(r.Recibo.NiRecibo, "12345678909");
}

enum class Plugin { NaoConfigurado, Ausente, SemEntrada };

class PluginAusente : public PastaRecibo, public testing::WithParamInterface<Plugin> {};

TEST_P(PluginAusente, NoReceiptVerifies) {
  GravaDeclaracao();
  GravaRecibo(Recibo{}.Bytes());
  const QString caminho = GetParam() == Plugin::NaoConfigurado ? QString()
                          : GetParam() == Plugin::Ausente     ? m_pasta.filePath(QStringLiteral("vorsak.so"))
                                                              : QStringLiteral(TOLV_VELDRA_FALSA);
  const ResultadoRecibo r = Confere(caminho);
  EXPECT_EQ(r.Estado, EstadoRecibo::BibliotecaAusente);
  EXPECT_EQ(r.CodigoMensagem(), 6);
  EXPECT_EQ(r.Mensagem(), QString::fromUtf8(kBiblioteca));
}

INSTANTIATE_TEST_SUITE_P(Plugins, PluginAusente,
                         testing::Values(Plugin::NaoConfigurado, Plugin::Ausente, Plugin::SemEntrada));

// The plug-in is found through the program's settings.
TEST_F(PastaRecibo, SignaturePlugInComesFromTheSettings) {
  PastaProgramaTemp programa;
  GravaDeclaracao();
  GravaRecibo(Recibo{}.Bytes());
  ConferenciaRecibo semConfiguracao;
  EXPECT_EQ(semConfiguracao.Confere(Declaracao()).Estado, EstadoRecibo::BibliotecaAusente);
  ASSERT_TRUE(TArquivoIni::GravaString("Recibo", "BibliotecaAssinatura", TOLV_VORSAK_FALSA));
  ConferenciaRecibo configurada;
  EXPECT_EQ(configurada.Confere(Declaracao()).Estado, EstadoRecibo::Conferido);
}

// A declaration never transmitted has no receipt: the failure's message, no question about a
// file that does not exist, and nothing of a reception to print.
TEST_F(PastaRecibo, MissingReceiptFileFailsWithoutAQuestion) {
  GravaDeclaracao();
  const ResultadoRecibo r = Confere();
  EXPECT_EQ(r.Estado, EstadoRecibo::ReciboCorrompido);
  EXPECT_EQ(r.Mensagem(), QString::fromUtf8(kCorrompido));
  EXPECT_TRUE(r.ArquivoRecibo.isEmpty());
  EXPECT_TRUE(r.Recibo.DataRecepcao.isEmpty());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

// Without its control line the declaration is corrupt: never numbered or checked with the value
// of some other line.
TEST_F(PastaRecibo, DeclarationWithoutControlLineIsCorrupt) {
  GravaDeclaracao(RegistrosEmpresa(), std::nullopt);
  GravaRecibo(Recibo{}.Bytes());
  qputenv("VORSAK_FALSA_ACEITA", "Q1W2E3R4T5|11444777000161||15|3|2014|10|20|30");
  const ResultadoRecibo r = Confere();
  qunsetenv("VORSAK_FALSA_ACEITA");
  EXPECT_EQ(r.Estado, EstadoRecibo::ReciboCorrompido);
  EXPECT_TRUE(r.NumeroRecibo.isEmpty());
}

struct CasoDeclaracao {
  const char* nome;
  std::function<void(const QString& declaracao)> altera;
};

class DeclaracaoAlterada : public PastaRecibo, public testing::WithParamInterface<CasoDeclaracao> {};

// The declaration does not match its digest: state 2, and the receipt is not read (here it would
// be corrupt).
TEST_P(DeclaracaoAlterada, MismatchAndTheReceiptIsNotRead) {
  GravaDeclaracao();
  GravaRecibo("HC corrompido\r\n");
  GetParam().altera(Declaracao());
  const ResultadoRecibo r = Confere();
  EXPECT_EQ(r.Estado, EstadoRecibo::DeclaracaoAlterada);
  EXPECT_EQ(r.CodigoMensagem(), 5);
  EXPECT_EQ(r.Mensagem(), QString::fromUtf8(kNaoCorresponde));
  EXPECT_TRUE(r.Recibo.LinhaHC.isEmpty());
}

void Substitui(const QString& arquivo, const QByteArray& de, const QByteArray& para) {
  QByteArray bytes = conteudo(arquivo);
  ASSERT_TRUE(bytes.contains(de));
  bytes.replace(de, para);
  ASSERT_TRUE(escreve(arquivo, bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Alteracoes, DeclaracaoAlterada,
    testing::Values(
        CasoDeclaracao{"RecordChanged", [](const QString& d) { Substitui(d, "100001", "100002"); }},
        CasoDeclaracao{"DigestChanged", [](const QString& d) { Substitui(d, "hash_arquivo id valor=\"", "hash_arquivo id valor=\"A"); }},
        // Without a readable envelope the whole file is digested and nothing holds a digest.
        CasoDeclaracao{"EnvelopeSizeLost", [](const QString& d) { Substitui(d, "<tamanho_envelope", "<tamanho_envelopX"); }},
        CasoDeclaracao{"EnvelopeDamaged",
                       [](const QString& d) { Substitui(d, "<envelope_tolv versao=\"1\"", "<envelope_tolv versao=\"2\""); }},
        CasoDeclaracao{"NoEnvelope", [](const QString& d) { ASSERT_TRUE(escreve(d, RegistrosEmpresa())); }},
        CasoDeclaracao{"NoDeclarationFile", [](const QString& d) { ASSERT_TRUE(QFile::remove(d)); }},
        // The digest holds but an amount is not a number of cents: the totals cannot be printed.
        CasoDeclaracao{"AmountNotANumber",
                       [](const QString& d) {
                         QByteArray registros = RegistrosEmpresa();
                         registros.replace("100001", "1000O1");
                         ASSERT_TRUE(escreve(d, registros));
                         AnexaEnvelope(d);
                       }}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ConferenciaRecibo, DigestWithoutTheEnvelope) {
  QTemporaryDir pasta;
  const QString d = pasta.filePath("a.DEC");
  ASSERT_TRUE(escreve(d, RegistrosEmpresa()));
  const QString todo = QString::fromLatin1(QCryptographicHash::hash(RegistrosEmpresa(), QCryptographicHash::Md5).toBase64());
  // No envelope: the whole file, and no stored digest to match.
  EXPECT_EQ(ConferenciaRecibo::CalcularHashDeclaracao(d), todo);
  EXPECT_EQ(ConferenciaRecibo::LerHashEnvelope(d), std::nullopt);
  EXPECT_FALSE(ConferenciaRecibo::ConfereHash(ConferenciaRecibo::CalcularHashDeclaracao(d),
                                              ConferenciaRecibo::LerHashEnvelope(d)));
  AnexaEnvelope(d);
  EXPECT_EQ(ConferenciaRecibo::CalcularHashDeclaracao(d), todo);
  EXPECT_EQ(ConferenciaRecibo::LerHashEnvelope(d), todo);
  EXPECT_TRUE(ConferenciaRecibo::ConfereHash(todo, todo));
  EXPECT_FALSE(ConferenciaRecibo::ConfereHash(std::nullopt, std::nullopt));
  EXPECT_EQ(ConferenciaRecibo::CalcularHashDeclaracao(pasta.filePath("falta.DEC")), std::nullopt);
}

// The names passed may carry any extension and letter case; the files are found as they are.
TEST_F(PastaRecibo, FilesAreFoundWhateverTheCase) {
  GravaDeclaracao();
  ASSERT_TRUE(escreve(Declaracao().chopped(3) + "rec", Recibo{}.Bytes()));
  ConferenciaRecibo conferencia(QStringLiteral(TOLV_VORSAK_FALSA));
  const ResultadoRecibo r = conferencia.Confere(Declaracao().chopped(3) + "Rec");
  EXPECT_EQ(r.Estado, EstadoRecibo::Conferido);
  EXPECT_EQ(r.ArquivoRecibo, Declaracao().chopped(3) + "rec");
  EXPECT_EQ(r.ArquivoDeclaracao, Declaracao());
}

// The file the writer wrote, with its real envelope, checks out with a receipt for it.
TEST_F(PastaRecibo, WrittenDeclarationChecksOut) {
  ASSERT_TRUE(QFile::copy(QStringLiteral(TOLV_DADOS_ENTREGA "/empresa_original/esperado.DEC"), Declaracao()));
  GravaRecibo(Recibo{}.Bytes());
  const ResultadoRecibo r = Confere();
  ASSERT_EQ(r.Estado, EstadoRecibo::Conferido);
  const ExtratoDeclaracao& e = r.Extrato;
  EXPECT_EQ(e.NomeDeclarante, "PADARIA PAO D'AGUA LTDA");
  EXPECT_EQ(e.CpfResponsavel, "222.333.444-05");
  EXPECT_EQ(e.Contador(ExtratoDeclaracao::TitularesPlano), 2);
  EXPECT_EQ(e.Contador(ExtratoDeclaracao::DependentesPlano), 3);
  EXPECT_EQ(e.Soma(ExtratoDeclaracao::PlanoDependentes).formata(), "112,84");
  EXPECT_EQ(e.Soma(ExtratoDeclaracao::ExteriorRendimentos).formata(), "1.500,00");
  EXPECT_EQ(e.Soma(ExtratoDeclaracao::ExteriorImposto).formata(), "150,00");
  ASSERT_EQ(e.Fundos.size(), 1u);
  EXPECT_EQ(e.Fundos[0][0], "33.444.555/0001-81");
  EXPECT_EQ(e.Fundos[0][2], "77.888.999/0001-81");
  EXPECT_EQ(e.Fundos[0][3], "");
}

}  // namespace
