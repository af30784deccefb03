#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "DeclaracaoTeste.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

using namespace declaracao_teste;

const QString kDeclarante = QStringLiteral("11444777000161");  // the fixture's declarant

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

QString Cnpj(const char* base) { return QString::fromLatin1(base) + TCnpj::CalculaDVCnpj(QString::fromLatin1(base)); }

// A fund or process annex with its identification, court and source key.
class AnexoFC : public Anexo {
 public:
  AnexoFC(TTolv& declaracao, const QString& identificacao, int16_t tipoIdentificacao, uint8_t tribunal)
      : Anexo(declaracao, QStringLiteral("2")) {
    GetContribuinte().SetNiComErro(identificacao);
    GetContribuinte().SetTipoIdentificacao(tipoIdentificacao);
    SetTipoProcesso(tribunal);
  }
};

TEST(TTolvItem, TheThirteenthSalaryTaxCountsInItsMonthAndNotInTheYear) {
  TTolv tolv;
  TTolvItem linha(tolv, tolv);
  linha.GetTributaveis().GetRetido(1).SetValorMonetario(R("100,00"));
  linha.GetTributaveis().GetRetido(13).SetValorMonetario(R("50,00"));
  linha.GetCompensacao().GetAnoAtual(1).SetValorMonetario(R("10,00"));
  linha.GetCompensacao().GetAnoAnterior(2).SetValorMonetario(R("5,00"));
  linha.GetCompensacao().GetAnoAnterior(13).SetValorMonetario(R("7,00"));

  EXPECT_EQ(linha.GetTotalMes(1).GetValorMonetario(), R("110,00"));
  EXPECT_EQ(linha.GetTotalMes(2).GetValorMonetario(), R("5,00"));
  EXPECT_EQ(linha.GetTotalMes(13).GetValorMonetario(), R("57,00"));
  EXPECT_EQ(linha.GetTotalMes(14).GetValorMonetario(), R("115,00"));
  // The totals follow later changes.
  linha.GetTributaveis().GetRetido(1).SetValorMonetario(R("1,00"));
  EXPECT_EQ(linha.GetTotalMes(1).GetValorMonetario(), R("11,00"));
  EXPECT_EQ(linha.GetTotalMes(14).GetValorMonetario(), R("16,00"));
  EXPECT_THROW(linha.GetTotalMes(0), std::out_of_range);
  EXPECT_THROW(linha.GetTotalMes(15), std::out_of_range);
}

TEST(TTolvItem, TheNetAmountOfAMonthMayBeNegative) {
  TTolv tolv;
  TTolvItem linha(tolv, tolv);
  TRendimentosTributaveis& t = linha.GetTributaveis();
  t.GetRendimento(13).SetValorMonetario(R("1.000,00"));
  t.GetDeducaoPO(13).SetValorMonetario(R("400,00"));
  t.GetDeducaoPP(13).SetValorMonetario(R("300,00"));
  t.GetDeducaoDP(13).SetValorMonetario(R("179,71"));
  t.GetDeducaoPA(13).SetValorMonetario(R("100,00"));
  // The total deduction is not what the net amount subtracts: the four parts are.
  t.GetDeducao(13).SetValorMonetario(R("1,00"));
  t.GetRetido(13).SetValorMonetario(R("20,29"));
  linha.GetCompensacao().GetAnoAtual(13).SetValorMonetario(R("0,01"));
  TMonetario liquido;
  linha.CalculaLiquidoMes(13, liquido);
  EXPECT_EQ(liquido.GetValorInterno(), R("-0,01"));
  t.GetRendimento(13).SetValorMonetario(R("1.500,00"));
  linha.CalculaLiquidoMes(13, liquido);
  EXPECT_EQ(liquido.GetValorInterno(), R("499,99"));
}

TEST(TTolvItem, ClearingTheThirteenthSalaryLeavesTheOtherMonths) {
  TTolv tolv;
  TTolvItem linha(tolv, tolv);
  std::vector<TMonetario*> decimos;
  for (int serie = 0; serie < TRendimentosTributaveis::kSeries; ++serie)
    decimos.push_back(&linha.GetTributaveis().GetSerie(TRendimentosTributaveis::Serie(serie)).Mes(13));
  for (int serie = 0; serie < TRendimentosIsentos::kSeries; ++serie)
    decimos.push_back(&linha.GetIsentos().GetSerie(TRendimentosIsentos::Serie(serie)).Mes(13));
  TSubJudice& s = linha.GetSubJudice();
  for (TMonetario* m : {&s.GetRendimento(13), &s.GetDeducao(13), &s.GetDeducaoPO(13), &s.GetDeducaoPP(13),
                        &s.GetDeducaoDP(13), &s.GetDeducaoPA(13), &s.GetRetido(13), &s.GetDeposito(13),
                        &linha.GetCompensacao().GetAnoAtual(13), &linha.GetCompensacao().GetAnoAnterior(13)})
    decimos.push_back(m);
  for (TMonetario* m : decimos) m->SetValorMonetario(R("9,00"));
  linha.GetTributaveis().GetRendimento(12).SetValorMonetario(R("8,00"));
  linha.GetIsentos().GetCopa(12).SetValorMonetario(R("8,00"));

  linha.ZeraDecimoTerceiro();

  for (TMonetario* m : decimos) EXPECT_TRUE(m->EhZero());
  EXPECT_EQ(linha.GetTributaveis().GetRendimento(12).GetValorMonetario(), R("8,00"));
  EXPECT_EQ(linha.GetIsentos().GetCopa(12).GetValorMonetario(), R("8,00"));

  for (int mes = 1; mes <= 13; ++mes) linha.GetTributaveis().GetMolestia(mes).SetValorMonetario(R("1,00"));
  linha.ZeraMolestia();
  EXPECT_TRUE(linha.GetTributaveis().GetSerie(TRendimentosTributaveis::kMolestia).EstaVazia());
}

// A line filled in every part, to see what clearing and copying keep.
void Preenche(TTolvItem& linha) {
  linha.SetTolvItemDK(QStringLiteral("17"));
  linha.GetBeneficiario().SetNi(Cpf("123456789"));
  linha.GetBeneficiario().GetNome().SetValor(QStringLiteral("Ana Souza"));
  linha.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  linha.GetCodigoRetencao().SetAnexo(QStringLiteral("1"));
  linha.GetTributaveis().GetRendimento(3).SetValorMonetario(R("10,00"));
  linha.GetSubJudice().GetDeposito(4).SetValorMonetario(R("11,00"));
  linha.GetCompensacao().GetAnoAnterior(5).SetValorMonetario(R("12,00"));
  linha.GetIsentos().GetAnualOutros().SetValorMonetario(R("13,00"));
  linha.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("bolsa"));
  linha.GetProcesso().SetValor(QStringLiteral("123"));
  linha.GetVara().SetValor(QStringLiteral("1a vara"));
  linha.GetMunicipio().SetValor(QStringLiteral("Recife"));
  linha.GetDataLaudo().SetValor(QStringLiteral("01/02/2013"));
  linha.GetInMolestia().SetValor(QStringLiteral("S"));
  linha.SetLinhaProcesso(1);
  linha.SetAcao(TTolvItem::kSoma);
}

TEST(TTolvItem, ClearingKeepsTheOwnerFlagsAndEmptiesTheRest) {
  TTolv tolv;
  Anexo fundo(tolv, QStringLiteral("2"));
  TTolvItem linha(tolv, fundo);
  Preenche(linha);
  linha.SetModificado(false);

  linha.Limpa();

  EXPECT_EQ(linha.GetIndicadorAnexo(), u"1");
  EXPECT_EQ(linha.GetLinhaProcesso(), 1);
  EXPECT_EQ(linha.GetAcao(), TTolvItem::kSoma);
  EXPECT_TRUE(linha.GetDeducaoEspecializada());
  EXPECT_TRUE(linha.GetTolvItemDK().isEmpty());
  EXPECT_TRUE(linha.GetBeneficiario().GetNiDigitos().isEmpty());
  EXPECT_TRUE(linha.GetBeneficiario().GetNome().GetValor().isEmpty());
  EXPECT_TRUE(linha.GetCodigoRetencao().GetCodigo().isEmpty());
  EXPECT_EQ(linha.GetCodigoRetencao().GetAnexo(), u"1");  // the code's annex kind stays
  EXPECT_TRUE(linha.GetTributaveis().EstaVazio());
  EXPECT_TRUE(linha.GetSubJudice().SemDeposito());
  EXPECT_TRUE(linha.GetCompensacao().EstaVazio());
  EXPECT_TRUE(linha.GetIsentos().GetAnualOutros().EhZero());
  EXPECT_TRUE(linha.GetIsentos().GetAnualEspecificarOutros().GetValor().isEmpty());
  for (const QString& texto : {linha.GetProcesso().GetValor(), linha.GetVara().GetValor(),
                               linha.GetMunicipio().GetValor(), linha.GetDataLaudo().GetValor(),
                               linha.GetInMolestia().GetValor()})
    EXPECT_TRUE(texto.isEmpty());
}

TEST(TTolvItem, CopyingTakesValuesAndLeavesTheDestinationsOwner) {
  TTolv tolv;
  Anexo fundo(tolv, QStringLiteral("2"));
  TTolvItem origem(tolv, tolv);
  TTolvItem destino(tolv, fundo);
  Preenche(origem);
  origem.SetDeducaoEspecializada(false);

  origem.CopiaPara(destino);

  EXPECT_EQ(destino.GetTolvItemDK(), u"17");
  EXPECT_EQ(destino.GetBeneficiario().GetNiDigitos(), Cpf("123456789"));
  EXPECT_EQ(destino.GetBeneficiario().GetNome().GetValor(), u"Ana Souza");
  EXPECT_EQ(destino.GetCodigoRetencao().GetCodigo(), u"0561");
  EXPECT_EQ(destino.GetTributaveis().GetRendimento(3).GetValorMonetario(), R("10,00"));
  EXPECT_EQ(destino.GetSubJudice().GetDeposito(4).GetValorMonetario(), R("11,00"));
  EXPECT_EQ(destino.GetCompensacao().GetAnoAnterior(5).GetValorMonetario(), R("12,00"));
  EXPECT_EQ(destino.GetIsentos().GetAnualOutros().GetValorMonetario(), R("13,00"));
  EXPECT_EQ(destino.GetIsentos().GetAnualEspecificarOutros().GetValor(), u"bolsa");
  EXPECT_EQ(destino.GetVara().GetValor(), u"1a vara");
  EXPECT_EQ(destino.GetDataLaudo().GetValor(), u"01/02/2013");
  EXPECT_EQ(destino.GetInMolestia().GetValor(), u"S");
  EXPECT_FALSE(destino.GetDeducaoEspecializada());
  EXPECT_EQ(destino.GetIndicadorAnexo(), u"1");
  EXPECT_EQ(destino.GetLinhaProcesso(), 0);
  EXPECT_EQ(destino.GetAcao(), TTolvItem::kSubstitui);
}

TEST(TTolvItem, ChangesOfTheKeyedPartsMarkTheLineChanged) {
  TTolv tolv;
  TTolvItem linha(tolv, tolv);
  struct Mudanca {
    const char* o_que;
    std::function<void()> faz;
    bool marca;
  };
  const std::vector<Mudanca> mudancas = {
      {"beneficiary number", [&] { linha.GetBeneficiario().SetNi(Cpf("123456789")); }, true},
      {"beneficiary name", [&] { linha.GetBeneficiario().GetNome().SetValor(QStringLiteral("Ana Souza")); }, true},
      {"taxable amount", [&] { linha.GetTributaveis().GetRendimento(2).SetValorMonetario(R("1,00")); }, true},
      {"suspended deposit", [&] { linha.GetSubJudice().GetDeposito(13).SetValorMonetario(R("1,00")); }, true},
      {"compensation", [&] { linha.GetCompensacao().GetAnoAtual(1).SetValorMonetario(R("1,00")); }, true},
      {"exempt description", [&] { linha.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("x")); }, true},
      {"process", [&] { linha.GetProcesso().SetValor(QStringLiteral("1")); }, true},
      {"court", [&] { linha.GetVara().SetValor(QStringLiteral("1")); }, true},
      {"municipality", [&] { linha.GetMunicipio().SetValor(QStringLiteral("1")); }, true},
      {"code object", [&] { linha.SetCodigoRetencao(Pedido("2013", "0", "0561")); }, true},
      // Whoever changes these two marks the line itself.
      {"illness indicator", [&] { linha.GetInMolestia().SetValor(QStringLiteral("S")); }, false},
      {"report date", [&] { linha.GetDataLaudo().SetValor(QStringLiteral("01/01/2013")); }, false},
  };
  for (const Mudanca& m : mudancas) {
    linha.SetModificado(false);
    ASSERT_FALSE(linha.GetModificado()) << m.o_que;
    m.faz();
    EXPECT_EQ(linha.GetModificado(), m.marca) << m.o_que;
  }
  // A true answer is kept until cleared.
  linha.SetModificado(false);
  linha.SetModificado(true);
  EXPECT_TRUE(linha.GetModificado());
  EXPECT_TRUE(linha.GetInMolestia().GetModificado());
}

TEST(TTolvItem, AFundAnnexLineMayNotPayTheFund) {
  TTolv tolv;
  TErros erros;
  AnexoFC fundo(tolv, Cnpj("112223330001"), 0, 255);
  TTolvItem linha(tolv, fundo);
  TBeneficiarioTolv& b = linha.GetBeneficiario();
  ASSERT_TRUE(b.GetVerificaFundo());

  struct Caso {
    QString numero;
    int codigo;
  };
  for (const Caso& c : {Caso{Cnpj("112223330001"), 133}, Caso{Cnpj("112223330002"), 133},
                        Caso{Cnpj("112223340001"), 0}, Caso{Cpf("112223330"), 0}}) {
    EXPECT_EQ(b.Valida(c.numero), c.codigo) << c.numero.toStdString();
    if (c.codigo == 0) continue;
    try {
      b.SetNi(c.numero);
      ADD_FAILURE() << c.numero.toStdString();
    } catch (const EContribuinteInvalido& e) {
      EXPECT_EQ(e.Codigo(), 133);
    }
  }
  // A stored value never raises: the failure is listed.
  linha.SetErros(&erros);
  b.SetNiComErro(Cnpj("112223330001"));
  ASSERT_EQ(erros.GetQuantidade(), 1);
  EXPECT_EQ(erros.GetErro(0).Codigo(), 133);

  // On a process identification, or on the process page, neither check applies.
  b.SetTipoIdentificacao(1);
  EXPECT_EQ(b.Valida(Cnpj("112223330001")), 0);
  EXPECT_EQ(b.Valida(Cnpj("112223330002")), 0);
  AnexoFC processo(tolv, QStringLiteral("00012345620134015678"), 1, 0);
  TTolvItem linhaProcesso(tolv, processo);
  EXPECT_FALSE(linhaProcesso.GetBeneficiario().GetVerificaFundo());
  TTolvItem propria(tolv, tolv);
  EXPECT_FALSE(propria.GetBeneficiario().GetVerificaFundo());
}

TEST(TTolvItem, TheFundCheckReadsTheFundItsOwnerIsNowAndClearingEmptiesTheFundNumber) {
  TTolv tolv;
  AnexoFC fundo(tolv, {}, 0, 255);  // the page makes its line before the fund is chosen
  TTolvItem linha(tolv, fundo);
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("112223330001")), 0);
  fundo.GetContribuinte().SetNi(Cnpj("112223330001"));
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("112223330001")), 133);
  linha.Limpa();
  EXPECT_TRUE(linha.GetBeneficiario().GetNiFundo().isEmpty());
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("112223330001")), 133);
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("112223330002")), 133);
  // Another fund chosen for the same annex.
  fundo.GetContribuinte().SetNi(Cnpj("443332220001"));
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("112223330001")), 0);
  EXPECT_EQ(linha.GetBeneficiario().Valida(Cnpj("443332220001")), 133);
}

TEST(TBeneficiarioTolv, WithoutADeclarationAValidBeneficiaryGives11) {
  TBeneficiarioTolv solto;
  solto.SetNi(Cpf("123456789"));
  solto.GetNome().SetValor(QStringLiteral("Ana Souza"));
  EXPECT_EQ(solto.ValidaBeneficiario(), 11);
  TTolv tolv;
  TBeneficiarioTolv daDeclaracao(&tolv);
  EXPECT_NE(daDeclaracao.ValidaBeneficiario(), 0);  // no number yet
  daDeclaracao.SetNi(Cpf("123456789"));
  daDeclaracao.GetNome().SetValor(QStringLiteral("Ana Souza"));
  EXPECT_EQ(daDeclaracao.ValidaBeneficiario(), 0);
}

struct CasoDescricao {
  const char16_t* texto;
  bool valida;
};

class Descricao : public testing::TestWithParam<CasoDescricao> {};

TEST_P(Descricao, OtherExemptIncome) {
  EXPECT_EQ(DescricaoOutrosValida(QString::fromUtf16(GetParam().texto)), GetParam().valida)
      << QString::fromUtf16(GetParam().texto).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Textos, Descricao,
    testing::Values(CasoDescricao{u"", false}, CasoDescricao{u"    ", false}, CasoDescricao{u"12345", false},
                    CasoDescricao{u"aaaa", false}, CasoDescricao{u"Bolsa  aaa", true},
                    CasoDescricao{u"Bolsa    de estudo", false}, CasoDescricao{u"Bolsa..", false},
                    CasoDescricao{u"Bolsa,,x", false}, CasoDescricao{u"a::b", false}, CasoDescricao{u"a;;b", false},
                    CasoDescricao{u"Bolsa|estudo", false}, CasoDescricao{u"B.o.l.s.a", true},
                    CasoDescricao{u"Ética", true}, CasoDescricao{u"É", false}, CasoDescricao{u"Ação 12", true},
                    CasoDescricao{u"  Aux. doença ", true}));

// The checks that consult the revenue-code table, on a company declarant of 2013.
class ChecagemLinha : public ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    m_tolv.SetCodigoNatureza(0);
    m_tolv.SetTolvDK(QStringLiteral("1"));
  }
};

enum class Dono { Declaracao, Fundo, Processo };

struct CasoCodigo {
  const char* nome;
  Dono dono;
  const char* anexo;  // the code object's ANEXO, as the page sets it
  const char* codigo;
  QString beneficiario;
  int natureza = 0;
  int16_t linhaProcesso = 0;
  uint8_t tribunal = 255;
  bool ostensivo = false;
  bool advogado = false;
  int esperado = 0;
};

class CodigoDaLinha : public ChecagemLinha, public testing::WithParamInterface<CasoCodigo> {};

TEST_P(CodigoDaLinha, ValidaCodigoRetencao) {
  const CasoCodigo& c = GetParam();
  m_tolv.SetCodigoNatureza(c.natureza);
  m_tolv.SetInOstensivo(c.ostensivo ? 1 : 0);
  m_tolv.SetInAdvogado(c.advogado ? 1 : 0);
  std::unique_ptr<TTolvAnexo> anexo;
  if (c.dono == Dono::Fundo) anexo = std::make_unique<AnexoFC>(m_tolv, Cnpj("112223330001"), 0, c.tribunal);
  if (c.dono == Dono::Processo)
    anexo = std::make_unique<AnexoFC>(m_tolv, QStringLiteral("00012345620134015678"), 1, c.tribunal);
  TTolvItem linha(m_tolv, anexo ? *anexo : static_cast<TTolvAnexo&>(m_tolv));
  linha.GetBeneficiario().SetNiComErro(c.beneficiario);
  linha.SetLinhaProcesso(c.linhaProcesso);
  linha.GetCodigoRetencao() = Pedido("2013", c.anexo, c.codigo);

  EXPECT_EQ(linha.ValidaCodigoRetencao(), c.esperado);
}

std::string NomeCaso(const testing::TestParamInfo<CasoCodigo>& info) { return info.param.nome; }

const QString kPessoa = Cpf("123456789");
const QString kEmpresa = Cnpj("556667770001");
const QString kFilial = Cnpj("114447770002");

INSTANTIATE_TEST_SUITE_P(
    Casos, CodigoDaLinha,
    testing::Values(
        CasoCodigo{"Salary", Dono::Declaracao, "0", "0561", kPessoa},
        CasoCodigo{"PersonsCodeToACompany", Dono::Declaracao, "0", "0561", kEmpresa, 0, 0, 255, false, false, 68},
        CasoCodigo{"CompaniesCodeToAPerson", Dono::Declaracao, "0", "1708", kPessoa, 0, 0, 255, false, false, 67},
        CasoCodigo{"NoCode", Dono::Declaracao, "0", "", kPessoa, 0, 0, 255, false, false, 231},
        CasoCodigo{"UnknownCode", Dono::Declaracao, "0", "9999", kPessoa, 0, 0, 255, false, false, 72},
        CasoCodigo{"CodeOfAnotherYear", Dono::Declaracao, "0", "6799", kPessoa, 0, 0, 255, false, false, 73},
        CasoCodigo{"FundCodeInTheOwnLines", Dono::Declaracao, "0", "6800", kPessoa, 0, 0, 255, false, false, 18},
        CasoCodigo{"CourtCodeInTheOwnLines", Dono::Declaracao, "0", "5928", kPessoa, 0, 0, 255, false, false, 183},
        CasoCodigo{"CumulativeCodeInTheOwnLines", Dono::Declaracao, "0", "1889", kPessoa, 0, 0, 255, false, false,
                   291},
        CasoCodigo{"OwnCodeInAFund", Dono::Fundo, "1", "0561", kPessoa, 0, 0, 255, false, false, 17},
        CasoCodigo{"FundCodeInAFund", Dono::Fundo, "1", "6800", kPessoa},
        CasoCodigo{"FundCodeForANatureOutsideIt", Dono::Fundo, "1", "6800", kPessoa, 1, 0, 255, false, false, 69},
        CasoCodigo{"CourtCodeWithLawyersAnnex", Dono::Processo, "2", "5928", kPessoa, 1, 0, 0, false, true, 143},
        CasoCodigo{"CourtCodeWithoutLawyersAnnex", Dono::Processo, "2", "5928", kPessoa, 1, 0, 0, false, false, 69},
        CasoCodigo{"ProcessLineUnderAnOrdinaryCode", Dono::Processo, "2", "0561", kPessoa, 0, 1, 0, false, false,
                   123},
        CasoCodigo{"ProcessLineUnderTheCumulativeCode", Dono::Processo, "2", "1889", kPessoa, 0, 1, 0, false,
                   false, 291},
        CasoCodigo{"LabourCourtUnderTheFederalCode", Dono::Processo, "2", "5928", kPessoa, 0, 1, 1, false, false,
                   177},
        CasoCodigo{"FederalCourtUnderTheLabourCode", Dono::Processo, "2", "5936", kPessoa, 0, 1, 0, false, false,
                   176},
        CasoCodigo{"StateCourtUnderTheFederalCode", Dono::Processo, "2", "5928", kPessoa, 0, 1, 2, false, false,
                   178},
        CasoCodigo{"LabourCourtUnderItsCode", Dono::Processo, "2", "5936", kPessoa, 0, 1, 1},
        CasoCodigo{"ProcessWithoutCourt", Dono::Processo, "2", "5928", kPessoa, 0, 1, 255},
        CasoCodigo{"ProcessLineOfTheOwnLines", Dono::Declaracao, "2", "5928", kPessoa, 0, 1},
        CasoCodigo{"DeclarantPaysItselfNature0", Dono::Declaracao, "0", "5204", kDeclarante, 0, 0, 255, false,
                   false, 179},
        CasoCodigo{"DeclarantPaysItselfWithOstensivePartner", Dono::Declaracao, "0", "5204", kDeclarante, 0, 0,
                   255, true},
        CasoCodigo{"DeclarantPaysItselfNature1", Dono::Declaracao, "0", "5204", kDeclarante, 1, 0, 255, false,
                   false, 1},
        CasoCodigo{"DeclarantPaysItselfUnderFinancialCode", Dono::Declaracao, "0", "3426", kDeclarante},
        CasoCodigo{"AnotherEstablishmentIsNotTheSameNumber", Dono::Declaracao, "0", "5204", kFilial}),
    NomeCaso);

struct CasoProprio {
  const char* nome;
  const char* codigo;
  QString beneficiario;
  int natureza;
  bool ostensivo;
  int esperado;
};

class ProprioBeneficiario : public ChecagemLinha, public testing::WithParamInterface<CasoProprio> {};

TEST_P(ProprioBeneficiario, ValidaDeclaranteBeneficiario) {
  const CasoProprio& c = GetParam();
  m_tolv.SetCodigoNatureza(c.natureza);
  m_tolv.SetInOstensivo(c.ostensivo ? 1 : 0);
  TTolvItem linha(m_tolv, m_tolv);
  linha.GetBeneficiario().SetNiComErro(c.beneficiario);
  linha.GetCodigoRetencao() = Pedido("2013", "0", c.codigo);
  EXPECT_EQ(linha.ValidaDeclaranteBeneficiario(), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProprioBeneficiario,
    testing::Values(CasoProprio{"OtherEstablishmentNature1", "5204", kFilial, 1, false, 1},
                    CasoProprio{"OtherEstablishmentNature2", "5204", kFilial, 2, false, 1},
                    CasoProprio{"OtherEstablishmentNature0", "5204", kFilial, 0, false, 179},
                    CasoProprio{"OtherEstablishmentNature3", "5204", kFilial, 3, false, 179},
                    CasoProprio{"OtherEstablishmentWithOstensivePartner", "5204", kFilial, 0, true, 0},
                    CasoProprio{"OtherEstablishmentServices", "1708", kFilial, 1, false, 0},
                    CasoProprio{"OtherEstablishmentFinancial", "3426", kFilial, 1, false, 0},
                    CasoProprio{"SameNumberNature8", "5204", kDeclarante, 8, false, 179},
                    CasoProprio{"SameNumberNature1", "5204", kDeclarante, 1, false, 1},
                    CasoProprio{"AnotherCompany", "5204", kEmpresa, 1, false, 0},
                    CasoProprio{"PersonsCodeToACompany", "0561", kEmpresa, 0, false, 68},
                    CasoProprio{"UnknownCode", "9999", kDeclarante, 0, false, 0}),
    [](const testing::TestParamInfo<CasoProprio>& info) { return std::string(info.param.nome); });

TEST_F(ChecagemLinha, APersonDeclarantPayingItself) {
  TTolv pessoa;
  pessoa.GetContribuinte().SetNi(kPessoa);
  pessoa.SetAnoCalendario(QStringLiteral("2013"));
  pessoa.SetCodigoNatureza(9);
  TTolvItem linha(pessoa, pessoa);
  linha.GetBeneficiario().SetNi(kPessoa);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "0561");
  EXPECT_EQ(linha.ValidaDeclaranteBeneficiario(), 179);
  linha.GetBeneficiario().SetNi(Cpf("987654321"));
  EXPECT_EQ(linha.ValidaDeclaranteBeneficiario(), 0);
  pessoa.LiberaItens();
}

TEST_F(ChecagemLinha, ValidaChecksKeysBeneficiaryCodeAndDeclarantInTurn) {
  Anexo semChave(m_tolv);
  TTolvItem linhaSemFonte(m_tolv, semChave);
  EXPECT_EQ(linhaSemFonte.Valida(), 8);

  TTolvItem linha(m_tolv, m_tolv);
  EXPECT_EQ(linha.Valida(), linha.GetBeneficiario().ValidaContribuinte());
  EXPECT_NE(linha.Valida(), 0);
  linha.GetBeneficiario().SetNi(kEmpresa);
  linha.GetBeneficiario().GetNome().SetValor(QStringLiteral("Empresa Teste Ltda"));
  linha.GetCodigoRetencao() = Pedido("2013", "0", "");
  EXPECT_EQ(linha.Valida(), 231);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "0561");
  EXPECT_EQ(linha.Valida(), 68);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "1708");
  EXPECT_EQ(linha.Valida(), 0);
  linha.GetBeneficiario().SetNi(kFilial);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "5204");
  EXPECT_EQ(linha.Valida(), 179);

  m_tolv.SetTolvDK({});
  EXPECT_EQ(linha.Valida(), 8);
}

TEST_F(ChecagemLinha, TheCodeYearIsThatOfTheDeclaration) {
  TTolvItem linha(m_tolv, m_tolv);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "6799");
  EXPECT_EQ(linha.ValidaCodigoAno(), 73);
  EXPECT_EQ(linha.GetCodigoRetencao().GetAno(), u"2002");  // the row found fills the object
  linha.GetCodigoRetencao() = Pedido("2013", "0", "0561");
  EXPECT_EQ(linha.ValidaCodigoAno(), 0);
  linha.GetCodigoRetencao() = Pedido("2013", "0", "9999");
  EXPECT_EQ(linha.ValidaCodigoAno(), 0);
}

struct CasoVigencia {
  const char* nome;
  const char* ano;
  const char* codigo;
  bool empresa;
  int mes;
  int serie;  // 0 taxable income, 1 withheld, 2 suspended deposit, 3 compensation
  int esperado;
};

class Vigencia : public testing::TestWithParam<CasoVigencia> {};

TEST_P(Vigencia, ValidaVigenciaCodigo) {
  const CasoVigencia& c = GetParam();
  TTolv tolv;
  tolv.SetAnoCalendario(QString::fromLatin1(c.ano));
  TTolvItem linha(tolv, tolv);
  linha.GetBeneficiario().SetNi(c.empresa ? kEmpresa : kPessoa);
  linha.GetCodigoRetencao().SetCodigo(QString::fromLatin1(c.codigo));
  TMonetario* valores[] = {&linha.GetTributaveis().GetRendimento(c.mes), &linha.GetTributaveis().GetRetido(c.mes),
                           &linha.GetSubJudice().GetDeposito(c.mes), &linha.GetCompensacao().GetAnoAnterior(c.mes)};
  valores[c.serie]->SetValorMonetario(R("0,01"));
  EXPECT_EQ(linha.ValidaVigenciaCodigo(), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Vigencia,
    testing::Values(CasoVigencia{"CommissionsToAPersonInFebruary", "2013", "8045", false, 2, 0, 117},
                    CasoVigencia{"CommissionsToAPersonInJanuary", "2013", "8045", false, 1, 0, 0},
                    CasoVigencia{"CommissionsToAPersonInTheThirteenth", "2013", "8045", false, 13, 1, 117},
                    CasoVigencia{"CommissionsToACompany", "2013", "8045", true, 5, 0, 0},
                    CasoVigencia{"LapsedCodeWithADeposit", "2013", "6799", false, 3, 2, 118},
                    CasoVigencia{"LapsedCodeWithACompensation", "2013", "3251", true, 12, 3, 118},
                    CasoVigencia{"LapsedCodeInJanuary", "2013", "3249", false, 1, 0, 0},
                    CasoVigencia{"StartedInFebruary2003WithAJanuaryAmount", "2003", "6904", false, 1, 1, 119},
                    CasoVigencia{"StartedInFebruary2003WithAFebruaryAmount", "2003", "6904", false, 2, 1, 0},
                    CasoVigencia{"StartedInMarch2003WithAFebruaryAmount", "2003", "6875", true, 2, 0, 120},
                    CasoVigencia{"StartedInMarch2003WithAMarchAmount", "2003", "9060", true, 3, 0, 0},
                    CasoVigencia{"StartedIn2003ReadIn2004", "2004", "6904", false, 1, 1, 0}),
    [](const testing::TestParamInfo<CasoVigencia>& info) { return std::string(info.param.nome); });

}  // namespace
