// The records' small rules without a database: numbers, amounts, value records, texts the
// layout cannot carry, the output and the file's name.

#include <QDate>

#include <gtest/gtest.h>

#include "entrega/ArquivoDeclaracao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/IDestinoBytes.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/SaidaDeclaracao.h"
#include "entrega/TCompositorRegistros.h"
#include "nucleo/TTolv.h"
#include "suporte/QtGtest.h"
#include "suporte/UnidadesFalsas.h"

namespace {

// Keeps what it is given; refuses everything beyond `limite` bytes as a full disk would.
class DestinoMemoria : public IDestinoBytes {
 public:
  explicit DestinoMemoria(qint64 limite = -1) : m_limite(limite) {}
  bool Grava(const char* dados, qint64 tamanho) override {
    if (m_limite >= 0 && m_bytes.size() + tamanho > m_limite) return false;
    m_bytes.append(dados, tamanho);
    return true;
  }
  bool Conclui() override { return true; }
  QString Erro() const override { return QStringLiteral("No space left on device"); }
  QByteArray m_bytes;

 private:
  qint64 m_limite;
};

struct CasoNumero {
  const char* base;
  const char* numero;
};

class NumeroCpf : public testing::TestWithParam<CasoNumero> {};
TEST_P(NumeroCpf, CompletaComZerosEAcrescentaOsDigitos) {
  EXPECT_EQ(GeraCPF(QString::fromLatin1(GetParam().base)), QString::fromLatin1(GetParam().numero));
}
INSTANTIATE_TEST_SUITE_P(Bases, NumeroCpf,
                         testing::Values(CasoNumero{"012345678", "01234567890"}, CasoNumero{"12345678", "01234567890"},
                                         CasoNumero{"", "00000000000"}, CasoNumero{"1234567890", "1234567890"},
                                         CasoNumero{"12345678A", "12345678A"}));

class NumeroCnpj : public testing::TestWithParam<CasoNumero> {};
TEST_P(NumeroCnpj, AcrescentaOsDigitosSemCompletar) {
  EXPECT_EQ(GeraCNPJ(QString::fromLatin1(GetParam().base)), QString::fromLatin1(GetParam().numero));
}
INSTANTIATE_TEST_SUITE_P(Bases, NumeroCnpj,
                         testing::Values(CasoNumero{"114447770001", "11444777000161"},
                                         CasoNumero{"14447770001", "14447770001"}, CasoNumero{"", ""}));

TEST(RotinasGravacao, SubstituiAteNaoSobrarEArredondaCentavos) {
  EXPECT_EQ(Substituistring("X|0|0|0|", "|0|", "||"), "X||||");
  EXPECT_EQ(Substituistring("BRPDE| | |", "| |", "||"), "BRPDE|||");
  EXPECT_EQ(CompletaBrancos("12", 5), "12   ");
  EXPECT_EQ(CompletaBrancos("123456", 5), "123456");
  EXPECT_TRUE(testapoderjudicial("T"));
  EXPECT_FALSE(testapoderjudicial("F"));
  EXPECT_FALSE(testapoderjudicial("t"));
  // Ten-thousandths to cents, halves away from zero, exactly for any size.
  EXPECT_EQ(CentavosDe(50), 1);
  EXPECT_EQ(CentavosDe(49), 0);
  EXPECT_EQ(CentavosDe(-50), -1);
  EXPECT_EQ(CentavosDe(1000), 10);
  EXPECT_EQ(CentavosDe(12345678900), 123456789);
  EXPECT_EQ(CentavosDe(999999999999990000), 9999999999999900);
  QByteArray b;
  AcrescentaInteiro(b, 0);
  AcrescentaInteiro(b, -1200);
  EXPECT_EQ(b, "0-1200");
  // A field of a line normalised as a whole: nothing trimmed, blank runs cut to one.
  EXPECT_EQ(NormalizaCampoLinha(u" Main  street ", false), " MAIN STREET ");
  EXPECT_EQ(NormalizaCampoLinha(u"   ", false), " ");
  EXPECT_EQ(NormalizaCampoLinha(u"Jean d'Arc", true), "JEAN D ARC");
  EXPECT_EQ(NormalizaCampoLinha(u"Acme's", false), "ACME'S");
  EXPECT_EQ(NormalizaCampoLinha(u"", false), "");
  EXPECT_EQ(DecimosDe(15500), 16);
  EXPECT_EQ(DecimosDe(-15500), -16);
  EXPECT_EQ(DecimosDe(14999), 15);
  EXPECT_TRUE(DataVazia(QDate()));
  EXPECT_TRUE(DataVazia(QDate(1899, 12, 30)));
  EXPECT_FALSE(DataVazia(QDate(1899, 12, 31)));
}

// Value records through the composer, as their file lines (empty: not written).
struct CasoValor {
  const char* descricao;
  std::function<void(TCompositorRegistros&)> compoe;
  const char* linhas;
};

SerieArquivo Serie(std::initializer_list<std::pair<int, int64_t>> meses) {
  SerieArquivo s{};
  for (auto [mes, valor] : meses) s[mes - 1] = valor;
  return s;
}

class RegistroDeValores : public testing::TestWithParam<CasoValor> {};

TEST_P(RegistroDeValores, EscritoSoComSomaPositivaEmCentavos) {
  DestinoMemoria destino;
  SaidaDeclaracao saida(destino);
  EstadoGravacao estado;
  TCompositorRegistros compositor(saida, estado);
  GetParam().compoe(compositor);
  saida.Descarrega();
  EXPECT_EQ(destino.m_bytes, QByteArray(GetParam().linhas)) << GetParam().descricao;
}

INSTANTIATE_TEST_SUITE_P(
    Registros, RegistroDeValores,
    testing::Values(
        CasoValor{"12,00 em janeiro", [](auto& c) { c.Mensal("RTRT", Serie({{1, 120000}})); }, "RTRT|1200|||||||||||||\r\n"},
        CasoValor{"0,10 e 12,34 no décimo terceiro",
                  [](auto& c) { c.Mensal("RTPO", Serie({{3, 1000}, {13, 123400}})); }, "RTPO|||10||||||||||1234|\r\n"},
        CasoValor{"meses que se anulam", [](auto& c) { c.Mensal("RTRT", Serie({{1, 100000}, {2, -100000}})); }, ""},
        CasoValor{"tudo zero", [](auto& c) { c.Mensal("RTRT", SerieArquivo{}); }, ""},
        CasoValor{"voluntário da copa em dezembro; o décimo terceiro não conta",
                  [](auto& c) { c.Mensal("RIVC", Serie({{12, 120000}, {13, 990000}}), 12); }, "RIVC||||||||||||1200||\r\n"},
        CasoValor{"só o décimo terceiro da copa", [](auto& c) { c.Mensal("RIVC", Serie({{13, 990000}}), 12); }, ""},
        CasoValor{"anual", [](auto& c) { c.Anual("RIL96", 70000000); }, "RIL96|700000|\r\n"},
        CasoValor{"anual zero", [](auto& c) { c.Anual("RIPTS", 0); }, ""},
        CasoValor{"outros sem descrição", [](auto& c) { c.Outros(100000, QString()); }, "RIO|1000||\r\n"},
        CasoValor{"outros com apóstrofo", [](auto& c) { c.Outros(100000, QStringLiteral(" Doação d'água ")); },
                  "RIO|1000|DOACAO D'AGUA|\r\n"},
        CasoValor{"grupo judicial só com compensação do ano",
                  [](auto& c) {
                    SeriesJudiciais j;
                    j.Existe = true;
                    j.AnoAtual = Serie({{13, 131300}});
                    c.GrupoJudicial(j);
                  },
                  "CJAC|||||||||||||1313|\r\n"},
        CasoValor{"doze meses, o décimo terceiro sempre vazio",
                  [](auto& c) { c.Mensal("RTRT", Serie({{1, 10000000}, {12, 10000}, {13, 990000}}), 12); },
                  "RTRT|100000|||||||||||100||\r\n"},
        CasoValor{"meses em décimos: doze campos, metades para longe do zero",
                  [](auto& c) { c.Decimos("QTMESES", Serie({{1, 120000}, {2, 15500}, {3, 14999}, {13, 990000}})); },
                  "QTMESES|120|16|15||||||||||\r\n"},
        CasoValor{"meses em décimos só no décimo terceiro", [](auto& c) { c.Decimos("QTMESES", Serie({{13, 10000}})); }, ""},
        CasoValor{"grupo judicial de uma linha sem ele",
                  [](auto& c) {
                    SeriesJudiciais j;
                    j.AnoAtual = Serie({{13, 131300}});
                    c.GrupoJudicial(j);
                  },
                  ""}));

TEST(Compositor, TotaisDoEnvelopeSaoSomasDosCentavosEscritos) {
  DestinoMemoria destino;
  SaidaDeclaracao saida(destino);
  EstadoGravacao estado;
  TCompositorRegistros c(saida, estado);
  c.IDREC("0561");
  c.BeneficiarioPF("BPFDEC", "12345678", QStringLiteral("José D'Ávila"), QDate(2013, 5, 10));
  c.BeneficiarioPJ("BPJDEC", "114447770001", QStringLiteral("Pão D'Água"));
  // 0,005 + 0,005 are two cents in the file: the total is what the file says, not one cent.
  c.Irrf(Serie({{1, 50}, {2, 50}}));
  SeriesJudiciais j;
  j.Existe = true;
  j.Retido = Serie({{1, 1234567}});
  c.GrupoJudicial(j);
  saida.Descarrega();
  EXPECT_EQ(estado.TotalIrrf, 2);
  EXPECT_EQ(estado.TotalIrrfSuspenso, 12346);
  EXPECT_EQ(estado.QtdBeneficiariosPF, 1);
  EXPECT_EQ(estado.QtdBeneficiariosPJ, 1);
  EXPECT_EQ(destino.m_bytes,
            "IDREC|0561|\r\n"
            "BPFDEC|01234567890|JOSE D AVILA|20130510|\r\n"
            "BPJDEC|11444777000161|PAO D'AGUA|\r\n"
            "RTIRF|1|1||||||||||||\r\n"
            "ESIR|12346|||||||||||||\r\n");
}

struct CasoTexto {
  QString texto;
  const char* motivo;
};

class TextoRecusado : public testing::TestWithParam<CasoTexto> {};

TEST_P(TextoRecusado, FalhaNomeandoRegistroECampo) {
  LinhaRegistro r;
  r.Inicia("BPFDEC", QStringLiteral("CPF 01234567890, código 0561"));
  try {
    r.Texto("Nome", GetParam().texto);
    FAIL() << "aceitou " << GetParam().texto.toStdString();
  } catch (const ErroGravacao& e) {
    EXPECT_TRUE(e.esperado());
    EXPECT_TRUE(e.mensagem().contains(QStringLiteral("\"Nome\" do registro BPFDEC (CPF 01234567890, código 0561)")))
        << e.mensagem().toStdString();
    EXPECT_TRUE(e.mensagem().contains(QString::fromUtf8(GetParam().motivo))) << e.mensagem().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TextoRecusado,
    testing::Values(CasoTexto{QStringLiteral("ANA|PRATES"), "separador de campos \"|\""},
                    CasoTexto{QStringLiteral("ANA\r\nPRATES"), "quebra de linha"},
                    CasoTexto{QStringLiteral("ANA\nPRATES"), "quebra de linha"},
                    CasoTexto{QStringLiteral("ŁUKASZ"), "caractere \"Ł\""},
                    CasoTexto{QStringLiteral("a controle_bvd b"), "controle_bvd"},
                    CasoTexto{QStringLiteral("x id valor=1"), "id valor="}));

TEST(LinhaRegistro, TextosDaPaginaDeCodigoPassamEmWindows1252) {
  LinhaRegistro r;
  r.Inicia("RIO");
  r.Inteiro(0);
  r.Centavos(0);
  r.Texto("Descrição", QStringLiteral("ÄÑº€"));
  r.Ascii("S");
  EXPECT_EQ(r.Bytes(), QByteArray("RIO|0||\xC4\xD1\xBA\x80|S|"));
}

TEST(SaidaDeclaracao, LinhasEmCrLfEFalhaDeEscritaInterrompe) {
  DestinoMemoria destino(30);
  SaidaDeclaracao saida(destino, 16);
  saida.Grava("TOLV|2014|");
  EXPECT_EQ(destino.m_bytes, QByteArray());  // still in the buffer
  saida.Grava("RESPO|1|");
  EXPECT_EQ(destino.m_bytes, "TOLV|2014|\r\nRESPO|1|\r\n");
  try {
    saida.Grava("DECPF|11144477735|");
    FAIL() << "disco cheio não interrompeu";
  } catch (const ErroGravacao& e) {
    EXPECT_EQ(e.classe(), "EInOutError");
    EXPECT_TRUE(e.mensagem().contains("No space left on device"));
  }
  EXPECT_EQ(destino.m_bytes, "TOLV|2014|\r\nRESPO|1|\r\n");
}

struct CasoNome {
  const char* ni;
  const char* tipo;
  int situacao;
  const char* nome;
};

class NomeDoArquivo : public testing::TestWithParam<CasoNome> {};

TEST_P(NomeDoArquivo, SegueTipoESituacao) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QString::fromLatin1(GetParam().ni));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetTipoDeclaracao(QString::fromLatin1(GetParam().tipo));
  tolv.SetSituacaoEspecial(uint8_t(GetParam().situacao));
  EXPECT_EQ(ArquivoDeclaracao::Nome(tolv), QString::fromLatin1(GetParam().nome));
}

INSTANTIATE_TEST_SUITE_P(
    Declaracoes, NomeDoArquivo,
    testing::Values(CasoNome{"11144477735", "O", 0, "11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"},
                    CasoNome{"11144477735", "R", 1, "11144477735-TOLV-2014-2013-RETIF-ESPOLIOSAIDA.DEC"},
                    CasoNome{"11444777000161", "O", 1, "11444777000161-TOLV-2014-2013-ORIGI-EXTINCAO.DEC"},
                    CasoNome{"11444777000161", "R", 0, "11444777000161-TOLV-2014-2013-RETIF-NORMAL.DEC"}));

TEST(ArquivoDeclaracao, PastaPadraoNaCasaOuNaUnidadeDada) {
  UnidadesFalsas unidades({Unidade{QStringLiteral("/home/contador"), TipoUnidade::Fixa, QStringLiteral("casa"), true}});
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  EXPECT_EQ(ArquivoDeclaracao::PastaPadrao(tolv),
            "/home/contador/Declaracoes Gravadas BVD/Tolv2014/11444777000161/2013/");
  EXPECT_EQ(ArquivoDeclaracao::PastaPadrao(tolv, "/media/pen/"),
            "/media/pen/Declaracoes Gravadas BVD/Tolv2014/11444777000161/2013/");
  EXPECT_EQ(ArquivoDeclaracao::PastaPadrao(tolv, "/"), "/Declaracoes Gravadas BVD/Tolv2014/11444777000161/2013/");
  EXPECT_EQ(ArquivoDeclaracao::TrocaExtensao("/a/X.dec", "DEC"), "/a/X.DEC");
  EXPECT_EQ(ArquivoDeclaracao::TrocaExtensao("/a/X.DEC", "TXT"), "/a/X.TXT");
}

}  // namespace
