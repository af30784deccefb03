#include <gtest/gtest.h>

#include "GravacaoTeste.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"

namespace {

using namespace gravacao_teste;

const QString kIdrec = QStringLiteral("IDREC|0561|");
const QString kMaria = QStringLiteral("BPFDEC|11144477735|MARIA SOUZA||");
const QString kJoao = QStringLiteral("BPFDEC|12345678909|JOAO LIMA||");
const QString kAna = QStringLiteral("BPFDEC|98765432100|ANA ROCHA||");

QString Linhas(const QString& colunas, const QString& nr) {
  return QStringLiteral("SELECT %1 FROM TOLV_ITENS WHERE E_NR_PF_PJ = '%2'").arg(colunas, nr);
}

using Cabecalho = ComGravacao;

TEST_F(Cabecalho, GuardadoNaDeclaracaoENoIndiceComOAnoDoRun) {
  m_dados->IndPlanoSaude = true;
  // The header's own year (2012) is not the run's: the run's is stored.
  Importa({QStringLiteral("TOLV|2014|2012|S|1234567890|F8UCL6S|"), kRespo, kDecpj, QStringLiteral("FIMTOLV|")});
  const QString colunas = QStringLiteral(
      "AN_RETENCA, IN_RETIFIC, NR_RECIBO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, IN_NATUREZADECLAR, RESP_PF, IN_ENCERRA, "
      "IN_PLANOSAUDE, IN_REMESSA, RESP_NO_CNPJ");
  const QStringList esperado{"2013", "R", "1234567890", "2", "114447770001", "EMPRESA EXEMPLO LTDA",
                             "0",    "111444777", "0", "1", "N", "111444777"};
  EXPECT_EQ(Linha(QStringLiteral("SELECT %1, IN_TIPO, NM_RESP, ED_DDD, ED_TELEFONE, ED_RAMAL, ED_FAX, ED_EMAIL "
                                 "FROM TOLVS").arg(colunas)),
            esperado + (QStringList{"0", "JOSE DA SILVA", "61", "33334444", "12", "33335555", "JOSE@EXEMPLO.COM"}));
  EXPECT_EQ(Linha(QStringLiteral("SELECT %1, ARQUIVO, SCP FROM TOLVS WHERE NR_PF_PJ = '114447770001'").arg(colunas),
                  QStringLiteral("Tolv.FDB")),
            esperado + (QStringList{kBanco, "F"}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT NM_RESP FROM RESPONSAVEIS WHERE NR_PF = '111444777'"), QStringLiteral("Tolv.FDB")),
            QStringLiteral("JOSE DA SILVA"));
  // The declarant's own source.
  EXPECT_EQ(Valor(QStringLiteral("SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 1")), QStringLiteral("114447770001"));
}

TEST_F(Cabecalho, PessoaEmSituacaoEspecialComDataETipoDoEvento) {
  m_dados->SituacaoEspecial = true;
  m_dados->IndServicosNotariais = true;
  m_dados->IndExterior = true;
  Importa({kCabecalho, kRespo, QStringLiteral("DECPF|11144477735|JOSE DA SILVA|S|S|N|S|20130531|2|"),
           QStringLiteral("FIMTOLV|")});
  EXPECT_EQ(Linha(QStringLiteral("SELECT IN_PF_PJ, NR_PF_PJ, IN_NATUREZADECLAR, IN_ENCERRA, DATA_EVENTO, TIPO_EVENTO, "
                                 "IN_SERVICONOTARIAL, IN_REMESSA, IN_OSTENSIVO, IN_ADVOGADO FROM TOLVS")),
            (QStringList{"1", "111444777", "9", "1", "31/05/2013", "2", "1", "S", "N", "0"}));
}

// One value of a line, from the lines that follow its beneficiary record.
struct CasoValor {
  const char* nome;
  QStringList registros;
  const char* coluna;
  const char* esperado;
};
void PrintTo(const CasoValor& c, std::ostream* os) { *os << c.nome; }

class ValorDaLinha : public ComGravacao, public testing::WithParamInterface<CasoValor> {};

TEST_P(ValorDaLinha, GuardadoExato) {
  Importa(Declaracao(QStringList{kIdrec, kMaria} + GetParam().registros));
  EXPECT_EQ(Valor(Linhas(QString::fromLatin1(GetParam().coluna), QStringLiteral("111444777"))),
            QString::fromUtf8(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Valores, ValorDaLinha,
    testing::Values(CasoValor{"centavos", {Mensal("RTRT", {"123456"})}, "VL_RENDIME_JAN", "1234,56"},
                    CasoValor{"sem_virgula_flutuante", {Mensal("RTRT", {"29"})}, "VL_RENDIME_JAN", "0,29"},
                    CasoValor{"vazio_e_zero", {Mensal("RTRT", {"100"})}, "VL_RENDIME_FEV", "0"},
                    CasoValor{"decimo_terceiro", {Mensal("RTRT", {"", "", "", "", "", "", "", "", "", "", "", "", "4550"})},
                              "VL_RENDIME_13", "45,5"},
                    CasoValor{"deducoes_somadas",
                              {Mensal("RTPO", {"1000"}), Mensal("RTPP", {"250"}), Mensal("RTDP", {"5"}),
                               Mensal("RTPA", {"1"})},
                              "VL_DEDUCAO_JAN", "12,56"},
                    CasoValor{"deducao_propria", {Mensal("RTPP", {"250"})}, "VL_DEDUCAO_PP_JAN", "2,5"},
                    CasoValor{"retido", {Mensal("RTIRF", {"", "700"})}, "VL_RETIDO_FEV", "7"},
                    CasoValor{"molestia", {Mensal("RIMOG", {"", "", "100"})}, "VL_MOLESTIA_MAR || IN_MOLESTIA", "1.0000S"},
                    CasoValor{"sem_molestia", {Mensal("RTRT", {"1"})}, "IN_MOLESTIA", "N"},
                    CasoValor{"fonte_codigo_nome", {}, "E_FONTE_DK || TRIB_TRIBU || E_IN_PF_PJ || NM_NM_EMPR",
                              "105611MARIA SOUZA"}),
    [](const testing::TestParamInfo<CasoValor>& i) { return std::string(i.param.nome); });

// The months after a special situation's event are not read; the thirteenth always is.
struct CasoEvento {
  uint8_t mesEvento;
  const char* colunas;
  const char* esperado;
};
void PrintTo(const CasoEvento& c, std::ostream* os) { *os << int(c.mesEvento); }

class MesDoEvento : public ComGravacao, public testing::WithParamInterface<CasoEvento> {};

TEST_P(MesDoEvento, MesesSeguintesFicamZero) {
  m_dados->MesEvento = GetParam().mesEvento;
  QStringList todos;
  for (int m = 1; m <= 13; ++m) todos << QString::number(m * 100);
  Importa(Declaracao({kIdrec, kMaria, Mensal("RTRT", todos)}));
  EXPECT_EQ(Valor(Linhas(QString::fromLatin1(GetParam().colunas), QStringLiteral("111444777"))),
            QString::fromLatin1(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(Eventos, MesDoEvento,
                         testing::Values(CasoEvento{5, "VL_RENDIME_MAI || ';' || VL_RENDIME_JUN || ';' || VL_RENDIME_13",
                                                    "5.0000;0.0000;13.0000"},
                                         CasoEvento{1, "VL_RENDIME_JAN || ';' || VL_RENDIME_FEV", "1.0000;0.0000"},
                                         CasoEvento{TArquivoDados::kSemMesEvento,
                                                    "VL_RENDIME_NOV || ';' || VL_RENDIME_DEZ", "11.0000;12.0000"}));

TEST_F(ComGravacao, GrupoTerminaNaSegundaLinhaDoMesmoTipoOuNoGemeo) {
  // A person after a person, a company after a person: each record opens a line of its own, the
  // first without values.
  Importa(Declaracao({kIdrec, kMaria, kJoao, QStringLiteral("BPJDEC|11222333000181|OUTRA LTDA|"),
                      Mensal("RTRT", {"300"})}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLV_ITENS")), QStringLiteral("3"));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("VL_RENDIME_JAN"), QStringLiteral("123456789"))), QStringLiteral("0"));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("VL_RENDIME_JAN"), QStringLiteral("112223330001"))), QStringLiteral("3"));
  EXPECT_EQ(m_dados->Contagem.BeneficiariosAdicionados, 3);
}

// The suspended and compensated amounts and the exempt income, each in the column of its meaning.
TEST_F(ComGravacao, ValoresSuspensosEIsentosNasColunasDoSeuSignificado) {
  Importa(Declaracao({kIdrec, kMaria, Mensal("RTRT", {"100"}), Mensal("ESRT", {"201"}), Mensal("ESPO", {"202"}),
                      Mensal("ESPA", {"203"}), Mensal("ESIR", {"204"}), Mensal("ESDJ", {"205"}),
                      Mensal("CJAA", {"206"}), Mensal("CJAC", {"207"}), Mensal("RIP65", {"301"}),
                      Mensal("RIBMR", {"302"}), QStringLiteral("RIO|303|AUXILIO ESTUDO|"), QStringLiteral("RIL96|304|"),
                      QStringLiteral("RIPTS|305|")}));
  const QString chave = Valor(Linhas(QStringLiteral("TOLV_ITEM_DK"), QStringLiteral("111444777")));
  EXPECT_EQ(Linha(QStringLiteral("SELECT VL_RENDIME_JAN, VL_DEDUCAO_JAN, VL_DEDUCAO_PO_JAN, VL_DEDUCAO_PA_JAN, "
                                 "VL_RETIDO_JAN, VL_DEPOSITO_JAN, VL_ANOANTERIOR_JAN, VL_ANOATUAL_JAN FROM JUDICIAIS "
                                 "WHERE E_TOLV_ITEM_DK = %1")
                      .arg(chave)),
            (QStringList{"2,01", "4,05", "2,02", "2,03", "2,04", "2,05", "2,06", "2,07"}));
  EXPECT_EQ(Linha(QStringLiteral("SELECT VL_RIP65_JAN, VL_BOLSA_JAN, VL_ANUAL_OUTRO, VL_ANUAL_DESCOUTRO, "
                                 "VL_ANUAL_LUCDIV, VL_ANUAL_TITSOC FROM ISENTOS WHERE E_TOLV_ITEM_DK = %1")
                      .arg(chave)),
            (QStringList{"3,01", "3,02", "3,03", "AUXILIO ESTUDO", "3,04", "3,05"}));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("TEM_SUBJUDICE || TEM_ISENTO"), QStringLiteral("111444777"))),
            QStringLiteral("11"));
}

// A line that the declaration holds already.
struct CasoDuplicata {
  const char* nome;
  uint8_t lembrada;          // the run's remembered choice before the pass
  uint8_t resposta;          // what the callback answers
  bool aplicaTodos;          // and whether it ticks "apply to all"
  const char* maria;         // January of each line afterwards
  const char* joao;
  int chamadas;              // how often the callback was asked
  int substituidas;
  int somadas;
};
void PrintTo(const CasoDuplicata& c, std::ostream* os) { *os << c.nome; }

class LinhaJaGuardada : public ComGravacao, public testing::WithParamInterface<CasoDuplicata> {};

TEST_P(LinhaJaGuardada, DecididaUmaVezOuPelaEscolhaLembrada) {
  const CasoDuplicata& c = GetParam();
  Importa(Declaracao({kIdrec, kMaria, Mensal("RTRT", {"100"}), kJoao, Mensal("RTRT", {"200"})}));
  m_dados->Contagem = {};
  m_dados->DeclaracaoExiste = true;
  m_dados->DecisaoTodos = c.lembrada;
  int chamadas = 0;
  QStringList vistos;
  m_dados->DecideConflitoBeneficiario = [&](TTolvItem& armazenada, TTolvItem& importada, uint8_t& todos, TTolvItem&) {
    ++chamadas;
    vistos << armazenada.GetBeneficiario().GetNome().GetValor() + u'=' +
                  armazenada.GetTributaveis().GetRendimento(1).GetValorMonetario().formata() + u'/' +
                  importada.GetTributaveis().GetRendimento(1).GetValorMonetario().formata();
    importada.SetAcao(c.resposta);
    if (c.aplicaTodos) todos = c.resposta;
  };
  Importa(Declaracao({kIdrec, kMaria, Mensal("RTRT", {"50"}), kJoao, Mensal("RTRT", {"70"}), kAna,
                      Mensal("RTRT", {"10"})}));
  EXPECT_EQ(chamadas, c.chamadas);
  if (chamadas > 0) {
    EXPECT_EQ(vistos.first(), QStringLiteral("MARIA SOUZA=1,00/0,50"));
  }
  EXPECT_EQ(Valor(Linhas(QStringLiteral("VL_RENDIME_JAN"), QStringLiteral("111444777"))), QString::fromLatin1(c.maria));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("VL_RENDIME_JAN"), QStringLiteral("123456789"))), QString::fromLatin1(c.joao));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TOLV_ITENS")), QStringLiteral("3"));
  EXPECT_EQ(m_dados->Contagem.BeneficiariosAdicionados, 1);
  EXPECT_EQ(m_dados->Contagem.BeneficiariosSubstituidos, c.substituidas);
  EXPECT_EQ(m_dados->Contagem.BeneficiariosConsolidados, c.somadas);
}

INSTANTIATE_TEST_SUITE_P(
    Decisoes, LinhaJaGuardada,
    testing::Values(CasoDuplicata{"mantem", 0, TTolvItem::kMantem, false, "1", "2", 2, 0, 0},
                    CasoDuplicata{"substitui", 0, TTolvItem::kSubstitui, false, "0,5", "0,7", 2, 2, 0},
                    CasoDuplicata{"soma", 0, TTolvItem::kSoma, false, "1,5", "2,7", 2, 0, 2},
                    CasoDuplicata{"substitui_todos", 0, TTolvItem::kSubstitui, true, "0,5", "0,7", 1, 2, 0},
                    CasoDuplicata{"mantem_todos", 0, TTolvItem::kMantem, true, "1", "2", 1, 0, 0},
                    CasoDuplicata{"lembrada_mantem", TTolvItem::kMantem, 0, false, "1", "2", 0, 0, 0},
                    CasoDuplicata{"lembrada_soma", TTolvItem::kSoma, 0, false, "1,5", "2,7", 0, 0, 2}),
    [](const testing::TestParamInfo<CasoDuplicata>& i) { return std::string(i.param.nome); });

// A kept line's suspended amounts are not sent with the next line: no zero or foreign rows.
class LinhaMantida : public ComGravacao, public testing::WithParamInterface<bool> {};

TEST_P(LinhaMantida, NaoDeixaValoresPendentesParaALinhaSeguinte) {
  Importa(Declaracao({kIdrec, kMaria, Mensal("ESRT", {"100"}), Mensal("RIP65", {"100"})}));
  m_dados->DeclaracaoExiste = true;
  if (GetParam())
    m_dados->DecisaoTodos = TTolvItem::kMantem;
  else
    m_dados->DecideConflitoBeneficiario = [](TTolvItem&, TTolvItem& importada, uint8_t&, TTolvItem&) {
      importada.SetAcao(TTolvItem::kMantem);
    };
  Importa(Declaracao({kIdrec, kMaria, Mensal("ESRT", {"999"}), Mensal("RIP65", {"999"}), kJoao,
                      Mensal("RTRT", {"100"})}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) || ';' || MAX(VL_RENDIME_JAN) FROM JUDICIAIS")),
            QStringLiteral("1;1.0000"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) || ';' || MAX(VL_RIP65_JAN) FROM ISENTOS")), QStringLiteral("1;1.0000"));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("TEM_SUBJUDICE || TEM_ISENTO"), QStringLiteral("123456789"))),
            QStringLiteral("00"));
}

INSTANTIATE_TEST_SUITE_P(Escolhas, LinhaMantida, testing::Bool());

TEST_F(ComGravacao, SubstituidaPerdeOsValoresSuspensosQueNaoTraz) {
  Importa(Declaracao({kIdrec, kMaria, Mensal("ESRT", {"100"}), Mensal("RIP65", {"100"})}));
  m_dados->DecisaoTodos = TTolvItem::kSubstitui;
  Importa(Declaracao({kIdrec, kMaria, Mensal("RTRT", {"300"})}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM JUDICIAIS")), QStringLiteral("0"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM ISENTOS")), QStringLiteral("0"));
  EXPECT_EQ(Valor(Linhas(QStringLiteral("VL_RENDIME_JAN || TEM_SUBJUDICE || TEM_ISENTO"), QStringLiteral("111444777"))),
            QStringLiteral("3.000000"));
}

TEST_F(ComGravacao, BeneficiarioDeProcessoNaoHerdaValoresDoAnterior) {
  const QString proc = QStringLiteral("PROC|2|00012345620138010001||||");
  const QString empresa = QStringLiteral("BPJPROC|11222333000181|OUTRA LTDA|");
  Importa(Declaracao({proc, kIdrec, empresa, Mensal("RTRT", {"100"})}));
  m_dados->DeclaracaoExiste = true;
  QString visto;
  m_dados->DecideConflitoBeneficiario = [&](TTolvItem& armazenada, TTolvItem& importada, uint8_t&, TTolvItem&) {
    visto = armazenada.GetTributaveis().GetRendimento(1).GetValorMonetario().formata() + u'/' +
            importada.GetTributaveis().GetRendimento(1).GetValorMonetario().formata() + u'/' +
            importada.GetTributaveis().GetTotalRetido().GetValorMonetario().formata() + u'/' +
            importada.GetSubJudice().GetTotalRendimento().GetValorMonetario().formata() + u'/' +
            importada.GetInMolestia().GetValor() + u'/' + importada.GetDataLaudo().GetValor();
    importada.SetAcao(TTolvItem::kMantem);
  };
  Importa(Declaracao({proc, kIdrec, QStringLiteral("BPFPROC|12345678909|JOAO LIMA|20130310|"),
                      Mensal("RTIRF", {"500"}), Mensal("ESRT", {"700"}), empresa, Mensal("RTRT", {"300"})}));
  EXPECT_EQ(visto, QStringLiteral("1,00/3,00/0,00/0,00/N/30/12/1899"));
}

}  // namespace
