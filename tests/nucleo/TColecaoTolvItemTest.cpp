#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "LinhasTeste.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/EFalhaBanco.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

using namespace linhas_teste;
using R = TRendimentosTributaveis;

const QString kJose = QStringLiteral("11144477735");
const QString kMaria = QStringLiteral("52998224725");
const QString kAna = QStringLiteral("39053344705");
const QString kEmpresa = QStringLiteral("11222333000181");

// Every amount of a line in a fixed order, so that two lines compare at once.
std::vector<int64_t> Valores(TTolvItem& l) {
  std::vector<int64_t> v;
  auto serie = [&v](const TSerieMensal& s) {
    for (int m = 1; m <= TSerieMensal::kMeses; ++m) v.push_back(s.Mes(m).GetValorInterno().dezMilesimos());
  };
  for (int s = 0; s < R::kSeries; ++s) {
    serie(l.GetTributaveis().GetSerie(R::Serie(s)));
    serie(l.GetSubJudice().GetSerie(R::Serie(s)));
  }
  serie(l.GetSubJudice().GetDepositos());
  serie(l.GetCompensacao().GetSerieAnoAtual());
  serie(l.GetCompensacao().GetSerieAnoAnterior());
  for (int s = 0; s < TRendimentosIsentos::kSeries; ++s) serie(l.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s)));
  for (TMonetario* m : {&l.GetIsentos().GetAnualOutros(), &l.GetIsentos().GetAnualLucrosDiv96(),
                        &l.GetIsentos().GetAnualTitularSocio()})
    v.push_back(m->GetValorInterno().dezMilesimos());
  return v;
}

// The first place where two lists of amounts differ, or -1: a failure names what to look at.
int Diferenca(const std::vector<int64_t>& a, const std::vector<int64_t>& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) return int(i);
  return a.size() == b.size() ? -1 : int(std::min(a.size(), b.size()));
}

class ColecaoTolvItem : public ComLinhas {
 protected:
  TColecaoTolvItem& Itens() {
    TColecaoTolvItem& itens = m_tolv.GetItens();
    itens.SetModoLista(false);
    return itens;
  }
  // A new line of the declarant's section, stored.
  TTolvItem& NovaLinha(const QString& numero, const QString& codigo, int semente = 0) {
    m_linhas.push_back(std::make_unique<TTolvItem>(m_tolv, m_tolv));
    TTolvItem& l = *m_linhas.back();
    QString nome = QStringLiteral("NOME ");
    for (QChar c : numero.left(4)) nome += QChar(u'A' + (c.unicode() - u'0'));
    Identifica(l, numero, nome, codigo);
    PreencheTudo(l, semente);
    EXPECT_EQ(Itens().Grava(l), TColecaoTolvItem::kIncluida);
    return l;
  }
  int Conta(const QString& tabela) { return Le(QStringLiteral("SELECT COUNT(*) FROM ") + tabela).toInt(); }

  std::vector<std::unique_ptr<TTolvItem>> m_linhas;
};

TEST_F(ColecaoTolvItem, ALineWithEveryAmountAndBothChildRowsReadsBackExactlyEveryWay) {
  m_linhas.push_back(std::make_unique<TTolvItem>(m_tolv, m_tolv));
  TTolvItem& gravada = *m_linhas.back();
  Identifica(gravada, kJose, QStringLiteral("JOSE DA SILVA"), QStringLiteral("0561"));
  PreencheTudo(gravada);
  gravada.GetInMolestia().SetValor(QStringLiteral("S"));
  gravada.GetDataLaudo().SetValor(QStringLiteral("15/07/2013"));
  ASSERT_EQ(Itens().Grava(gravada), TColecaoTolvItem::kIncluida);
  // The total deductions became the sum of their kinds, in the line as in the database.
  for (int m = 1; m <= 13; ++m) {
    const Valor soma = Quantia(R::kDeducaoPO, m) + Quantia(R::kDeducaoPP, m) + Quantia(R::kDeducaoDP, m) +
                       Quantia(R::kDeducaoPA, m);
    EXPECT_EQ(gravada.GetTributaveis().GetDeducao(m).GetValorInterno(), soma);
    EXPECT_EQ(gravada.GetSubJudice().GetDeducao(m).GetValorInterno(),
              Quantia(10 + R::kDeducaoPO, m) + Quantia(10 + R::kDeducaoPP, m) + Quantia(10 + R::kDeducaoDP, m) +
                  Quantia(10 + R::kDeducaoPA, m));
  }
  EXPECT_FALSE(gravada.GetModificado());
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_13 * 10000 AS BIGINT) FROM TOLV_ITENS"),
            QString::number(Quantia(R::kRendimento, 13).dezMilesimos()));
  EXPECT_EQ(Le("SELECT TEM_SUBJUDICE || TEM_ISENTO FROM TOLV_ITENS"), "11");
  const std::vector<int64_t> esperados = Valores(gravada);
  m_tolv.LiberaItens();

  TTolvItem lida(m_tolv, m_tolv);
  // Browsing windows.
  EXPECT_FALSE(Itens().CarregaPrimeiro(lida));
  EXPECT_EQ(Diferenca(Valores(lida), esperados), -1);
  EXPECT_EQ(lida.GetBeneficiario().GetNiFormatado(), "111.444.777-35");
  EXPECT_EQ(lida.GetInMolestia().GetValor(), "S");
  EXPECT_EQ(lida.GetDataLaudo().GetValor(), "15/07/2013");
  EXPECT_EQ(lida.GetIsentos().GetAnualEspecificarOutros().GetValor(), QStringLiteral("Prêmio de loteria"));
  EXPECT_FALSE(lida.GetModificado());
  // Lookup by key.
  TTolvItem busca(m_tolv, m_tolv);
  busca.SetTolvItemDK(gravada.GetTolvItemDK());
  ASSERT_TRUE(Itens().Busca(busca));
  EXPECT_EQ(Diferenca(Valores(busca), esperados), -1);
  // A list of the section, and the lines of the beneficiary.
  m_tolv.GetItens().SetOrdem(TColecaoTolvItem::kPorChave);
  m_tolv.GetItens().SetModoLista(true);
  TTolvItem lista(m_tolv, m_tolv);
  m_tolv.GetItens().CarregaPrimeiro(lista);
  EXPECT_EQ(Diferenca(Valores(lista), esperados), -1);
  int vistas = 0;
  m_tolv.GetItens().CarregaComprovante(lida.GetBeneficiario(), [&](TTolvItem& l) {
    ++vistas;
    EXPECT_EQ(Diferenca(Valores(l), esperados), -1);
    EXPECT_EQ(l.GetIndicadorAnexo(), "0");
  });
  EXPECT_EQ(vistas, 1);
}

// What a code or a company beneficiary does not admit is stored as 0 and zeroed in the line.
struct Regra {
  const char* codigo;
  const char* numero;
  bool decimo;     // the thirteenth salary is kept
  bool deducoes;   // the four deductions are kept
  bool judiciais;  // the judicial values are kept
  bool isentos;    // the monthly exempt income is kept
};

class RegrasDoCodigo : public ColecaoTolvItem, public testing::WithParamInterface<Regra> {};

TEST_P(RegrasDoCodigo, AreAppliedOnSaveAndOnReading) {
  const Regra& r = GetParam();
  TTolvItem& l = NovaLinha(QString::fromLatin1(r.numero), QString::fromLatin1(r.codigo));
  EXPECT_EQ(l.GetTributaveis().GetRendimento(13).EhZero(), !r.decimo);
  EXPECT_EQ(l.GetTributaveis().GetRetido(13).EhZero(), !r.decimo);
  EXPECT_FALSE(l.GetTributaveis().GetRendimento(12).EhZero());
  EXPECT_EQ(l.GetTributaveis().GetDeducaoDP(3).EhZero(), !r.deducoes);
  EXPECT_EQ(l.GetTributaveis().GetDeducao(3).EhZero(), !r.deducoes);
  EXPECT_EQ(l.GetSubJudice().GetRendimento(3).EhZero(), !r.judiciais);
  EXPECT_EQ(l.GetCompensacao().GetAnoAnterior(3).EhZero(), !r.judiciais);
  EXPECT_EQ(l.GetIsentos().GetRip65(3).EhZero(), !r.isentos);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM JUDICIAIS")), r.judiciais ? "1" : "0");
  EXPECT_EQ(Le(QStringLiteral("SELECT CAST(VL_DEDUCAO_DP_MAR * 10000 AS BIGINT) FROM TOLV_ITENS")),
            r.deducoes ? QString::number(Quantia(R::kDeducaoDP, 3).dezMilesimos()) : QStringLiteral("0"));
  const std::vector<int64_t> esperados = Valores(l);
  m_tolv.LiberaItens();
  TTolvItem lida(m_tolv, m_tolv);
  Itens().CarregaPrimeiro(lida);
  EXPECT_EQ(Diferenca(Valores(lida), esperados), -1);
}

INSTANTIATE_TEST_SUITE_P(Codigos, RegrasDoCodigo,
                         testing::Values(Regra{"0561", "11144477735", true, true, true, true},
                                         Regra{"3208", "11144477735", false, false, true, false},
                                         Regra{"5936", "11222333000181", true, false, false, false},
                                         Regra{"1708", "11222333000181", false, false, false, false}));

TEST_F(ColecaoTolvItem, StoredAmountsTheCodeNoLongerAdmitsReadAsZeroButTheTotalDeductionAsStored) {
  // A company's line of 0561 stored by someone else, with a thirteenth and dependants deduction.
  Roda("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_13, "
       "VL_DEDUCAO_13, VL_DEDUCAO_DP_FEV) VALUES (7, 1, '3208', '2', '112223330001', 10, 20, 30);");
  TTolvItem l(m_tolv, m_tolv);
  Itens().CarregaPrimeiro(l);
  EXPECT_TRUE(l.GetTributaveis().GetRendimento(13).EhZero());
  EXPECT_EQ(l.GetTributaveis().GetDeducao(13).GetValorInterno(), Valor::deReais(20));
  EXPECT_TRUE(l.GetTributaveis().GetDeducaoDP(2).EhZero());
}

TEST_F(ColecaoTolvItem, AProcessNumberAsBeneficiaryKeepsAllItsCharacters) {
  TTolvItem l(m_tolv, m_tolv);
  Identifica(l, QStringLiteral("00012345620135010001"), QString(), QStringLiteral("5936"));
  ASSERT_EQ(l.GetBeneficiario().GetTipo(), kNiProcesso);
  ASSERT_EQ(Itens().Grava(l), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Le("SELECT E_IN_PF_PJ || '/' || E_NR_PF_PJ FROM TOLV_ITENS"), "3/00012345620135010001");
  TTolvItem lida(m_tolv, m_tolv);
  Itens().CarregaPrimeiro(lida);
  EXPECT_EQ(lida.GetBeneficiario().GetNiDigitos(), "00012345620135010001");
}

TEST_F(ColecaoTolvItem, ReportDates) {
  TTolvItem l(m_tolv, m_tolv);
  Identifica(l, kJose, "JOSE", "0561");
  l.GetDataLaudo().SetValor(QStringLiteral("  /  /    "));
  ASSERT_EQ(Itens().Grava(l), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Le("SELECT DATA_LAUDO FROM TOLV_ITENS"), "30/12/1899");
  TTolvItem lida(m_tolv, m_tolv);
  Itens().CarregaPrimeiro(lida);
  EXPECT_EQ(lida.GetDataLaudo().GetValor(), "30/12/1899");

  // A date that is not one refuses the save: nothing written, the line unchanged.
  TTolvItem outra(m_tolv, m_tolv);
  Identifica(outra, kMaria, "MARIA", "0561");
  outra.GetDataLaudo().SetValor(QStringLiteral("31/02/2013"));
  EXPECT_THROW(Itens().Grava(outra), EDataInvalida);
  EXPECT_EQ(Conta("TOLV_ITENS"), 1);
  EXPECT_TRUE(outra.GetTolvItemDK().isEmpty());
  outra.GetDataLaudo().SetValor(QStringLiteral("10/05/2013"));
  EXPECT_EQ(Itens().Grava(outra), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Le("SELECT MAX(DATA_LAUDO) FROM TOLV_ITENS"), "10/05/2013");
}

TEST_F(ColecaoTolvItem, TakingTheCodeAndBeneficiaryOfAnotherStoredLineIsRefusedWithMessage48) {
  NovaLinha(kJose, "0561");
  NovaLinha(kMaria, "0561");
  TTolvItem l(m_tolv, m_tolv);
  Itens().CarregaUltimo(l);
  ASSERT_EQ(l.GetBeneficiario().GetNiFormatado(), "529.982.247-25");
  l.GetBeneficiario().SetNi(kJose);
  try {
    Itens().Grava(l);
    FAIL() << "no refusal";
  } catch (const EColecaoError& e) {
    EXPECT_EQ(e.Codigo(), 48);
    EXPECT_EQ(e.Argumentos(), "111.444.777-35;0561");
    EXPECT_EQ(e.Tipo(), 1);
  }
  EXPECT_EQ(Le("SELECT LIST(E_NR_PF_PJ) FROM (SELECT E_NR_PF_PJ FROM TOLV_ITENS ORDER BY 1)"), "111444777,529982247");

  // Another beneficiary without a line under that code: the stored line is changed, not added.
  l.GetBeneficiario().SetNi(kAna);
  EXPECT_EQ(Itens().Grava(l), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(Le("SELECT LIST(E_NR_PF_PJ) FROM (SELECT E_NR_PF_PJ FROM TOLV_ITENS ORDER BY 1)"), "111444777,390533447");
}

TEST_F(ColecaoTolvItem, ARenamedBeneficiaryIsStoredAndBrowsingGoesOn) {
  NovaLinha(kJose, "0561");
  NovaLinha(kMaria, "0561");
  TColecaoTolvItem& itens = Itens();
  TTolvItem l(m_tolv, m_tolv);
  itens.CarregaPrimeiro(l);
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("JOSE RENOMEADO"));
  EXPECT_EQ(itens.Grava(l), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(Le("SELECT NM_NM_EMPR FROM BENEFICIARIOS WHERE NR_PF_PJ = '111444777'"), "JOSE RENOMEADO");
  EXPECT_EQ(itens.GetLinhaCarregada().GetBeneficiario().GetNome().GetValor(), "JOSE RENOMEADO");
  itens.CarregaAtual(l);
  EXPECT_EQ(l.GetBeneficiario().GetNome().GetValor(), "JOSE RENOMEADO");
  itens.CarregaProximo(l);
  EXPECT_EQ(l.GetBeneficiario().GetNiFormatado(), "529.982.247-25");
  EXPECT_EQ(itens.PosicaoItem(QStringLiteral("1"), l.GetTolvItemDK()), 2);
}

TEST_F(ColecaoTolvItem, ANewLineOfAStoredCodeAndBeneficiaryReplacesTheStoredLine) {
  NovaLinha(kJose, "0561");
  TTolvItem nova(m_tolv, m_tolv);
  Identifica(nova, kJose, "JOSE", "0561");
  nova.GetTributaveis().GetRendimento(1).SetValorMonetario(Valor::deReais(5));
  EXPECT_EQ(Itens().Grava(nova), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(Conta("TOLV_ITENS"), 1);
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_JAN AS INTEGER) || '/' || CAST(VL_RENDIME_FEV AS INTEGER) FROM TOLV_ITENS"),
            "5/0");
}

TEST_F(ColecaoTolvItem, WhileTheIndexIsUnusableASaveStoresNothingAndSaysSo) {
  TColecaoTolvItem& itens = Itens();
  TTolvItem l(m_tolv, m_tolv);
  Identifica(l, kJose, "JOSE", "0561");
  l.GetTributaveis().GetRendimento(1).SetValorMonetario(Valor::deReais(5));
  FalhaBancoIndice = true;
  EXPECT_EQ(itens.Grava(l), TColecaoTolvItem::kNadaGravado);
  FalhaBancoIndice = false;
  EXPECT_TRUE(l.GetModificado());
  EXPECT_TRUE(l.GetTolvItemDK().isEmpty());
  EXPECT_EQ(m_tolv.GetResumo().GetTotBenef().GetValorInterno(), Valor());
  EXPECT_EQ(Conta("TOLV_ITENS"), 0);
}

TEST_F(ColecaoTolvItem, ALineWhoseBeneficiaryBecomesACompanyLosesItsJudicialRow) {
  NovaLinha(kJose, "0561");
  ASSERT_EQ(Conta("JUDICIAIS"), 1);
  TTolvItem l(m_tolv, m_tolv);
  TColecaoTolvItem& itens = Itens();
  itens.CarregaPrimeiro(l);
  l.GetBeneficiario().SetNi(kEmpresa);
  EXPECT_EQ(itens.Grava(l), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(Conta("JUDICIAIS"), 0);
  EXPECT_EQ(Le("SELECT E_NR_PF_PJ || TEM_SUBJUDICE || TEM_ISENTO FROM TOLV_ITENS"), "11222333000101");
  EXPECT_TRUE(l.GetSubJudice().GetRendimento(2).EhZero());
  EXPECT_TRUE(l.GetCompensacao().GetAnoAtual(2).EhZero());
  // The browsing view follows: the line reads back as stored.
  TTolvItem atual(m_tolv, m_tolv);
  itens.CarregaAtual(atual);
  EXPECT_EQ(Valores(atual), Valores(l));
  EXPECT_EQ(atual.GetBeneficiario().GetNiFormatado(), "11.222.333/0001-81");
}

TEST_F(ColecaoTolvItem, AnEmptySectionClearsTheLineAndStandsAtBothEnds) {
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("9"));
  NovaLinha(kJose, "0561");
  TTolvItem l(m_tolv, fundo);
  Identifica(l, kMaria, "MARIA", "6800");
  TColecaoTolvItem& itens = fundo.GetItens();
  itens.SetModoLista(false);
  EXPECT_TRUE(itens.CarregaPrimeiro(l));
  EXPECT_TRUE(itens.NoInicio());
  EXPECT_TRUE(itens.NoFim());
  EXPECT_TRUE(l.GetBeneficiario().GetNiFormatado().isEmpty());
  EXPECT_TRUE(l.GetCodigoRetencao().GetCodigo().isEmpty());
}

// A section of 250 lines whose keys interleave with another section's.
class Navegacao : public ColecaoTolvItem {
 protected:
  void SetUp() override {
    ColecaoTolvItem::SetUp();
    Roda("SET TERM ^ ;\n"
         "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN\n"
         "  WHILE (I <= 500) DO BEGIN\n"
         "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN)\n"
         "    VALUES (:I, IIF(MOD(:I, 2) = 1, 1, 2), '0561', '1', LPAD(100000000 + :I, 9, '0'), :I);\n"
         "    I = I + 1;\n"
         "  END\n"
         "END^\n"
         "SET TERM ; ^\n"
         "ALTER SEQUENCE GEN_TOLV_ITEM_DK RESTART WITH 500;");
  }
  int Chave(const TTolvItem& l) const { return l.GetTolvItemDK().toInt(); }
  int Posicao(const TTolvItem& l) { return m_tolv.GetItens().PosicaoItem(QStringLiteral("1"), l.GetTolvItemDK()); }
};

TEST_F(Navegacao, WalksTheSectionBothWaysThroughWindowsWithPositions) {
  TColecaoTolvItem& itens = Itens();
  TTolvItem l(m_tolv, m_tolv);
  EXPECT_FALSE(itens.CarregaPrimeiro(l));
  EXPECT_EQ(itens.GetTotal(), 250);
  EXPECT_EQ(Chave(l), 1);
  EXPECT_EQ(Posicao(l), 1);
  EXPECT_TRUE(itens.NoInicio());
  for (int i = 2; i <= 250; ++i) {
    itens.CarregaProximo(l);
    ASSERT_EQ(Chave(l), 2 * i - 1);
    ASSERT_EQ(Posicao(l), i);
    ASSERT_EQ(l.GetTributaveis().GetRendimento(1).GetValorInterno(), Valor::deReais(2 * i - 1));
  }
  itens.CarregaProximo(l);
  EXPECT_TRUE(itens.NoFim());
  EXPECT_EQ(Chave(l), 499);
  for (int i = 249; i >= 1; --i) {
    itens.CarregaAnterior(l);
    ASSERT_EQ(Chave(l), 2 * i - 1);
    ASSERT_EQ(Posicao(l), i);
  }
  itens.CarregaAnterior(l);
  EXPECT_TRUE(itens.NoInicio());
  EXPECT_EQ(Chave(l), 1);

  itens.CarregaUltimo(l);
  EXPECT_EQ(Chave(l), 499);
  EXPECT_EQ(Posicao(l), 250);
  EXPECT_TRUE(itens.NoFim());

  // From a line found by key, moves go on from it.
  TTolvItem achada(m_tolv, m_tolv);
  achada.SetTolvItemDK(QStringLiteral("301"));
  ASSERT_TRUE(itens.Busca(achada));
  EXPECT_EQ(Posicao(achada), 151);
  itens.CarregaProximo(achada);
  EXPECT_EQ(Chave(achada), 303);
  EXPECT_EQ(Posicao(achada), 152);
  itens.CarregaAnterior(achada);
  itens.CarregaAnterior(achada);
  EXPECT_EQ(Chave(achada), 299);
  EXPECT_EQ(Posicao(achada), 150);
  // A key of another section is not found in this one.
  achada.SetTolvItemDK(QStringLiteral("300"));
  EXPECT_FALSE(itens.Busca(achada));
}

TEST_F(Navegacao, ListsStreamTheWholeSectionAndCountIt) {
  TColecaoTolvItem& itens = m_tolv.GetItens();
  for (uint8_t ordem : {TColecaoTolvItem::kTodas, TColecaoTolvItem::kPorChave, TColecaoTolvItem::kPorBeneficiario}) {
    itens.SetOrdem(ordem);
    itens.SetModoLista(true);
    TTolvItem l(m_tolv, m_tolv);
    int lidas = 0;
    int anterior = 0;
    for (itens.CarregaPrimeiro(l); !itens.NoFim(); itens.CarregaProximo(l)) {
      ++lidas;
      EXPECT_GT(Chave(l), anterior);
      anterior = Chave(l);
    }
    EXPECT_EQ(lidas, 250) << int(ordem);
  }
  EXPECT_EQ(itens.TotalItens(), 500);
}

TEST_F(Navegacao, SavingAndDeletingKeepTheViewTheCountAndThePositions) {
  TColecaoTolvItem& itens = Itens();
  TTolvItem l(m_tolv, m_tolv);
  itens.CarregaPrimeiro(l);
  ASSERT_EQ(itens.GetTotal(), 250);
  // A new line goes to the end of the section.
  TTolvItem nova(m_tolv, m_tolv);
  Identifica(nova, kJose, "JOSE", "0561");
  ASSERT_EQ(itens.Grava(nova), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(itens.GetTotal(), 251);
  EXPECT_EQ(Posicao(nova), 251);
  TTolvItem atual(m_tolv, m_tolv);
  itens.CarregaAtual(atual);
  EXPECT_EQ(atual.GetTolvItemDK(), nova.GetTolvItemDK());
  itens.CarregaAnterior(atual);
  EXPECT_EQ(Chave(atual), 499);

  // Deleting a line in the middle loads the one that takes its place.
  TTolvItem meio(m_tolv, m_tolv);
  meio.SetTolvItemDK(QStringLiteral("101"));
  ASSERT_TRUE(itens.Busca(meio));
  itens.Exclui(meio);
  EXPECT_EQ(itens.GetTotal(), 250);
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TOLV_ITENS WHERE TOLV_ITEM_DK = 101"), "0");
  EXPECT_FALSE(meio.GetTolvItemDK().isEmpty());
  itens.CarregaUltimo(atual);
  EXPECT_EQ(Posicao(atual), 250);
}

TEST_F(ColecaoTolvItem, DeletingTheOnlyLineLeavesTheLineClearedAndTheTotalsAsBefore) {
  TTolvItem& l = NovaLinha(kJose, "0561");
  EXPECT_EQ(m_tolv.GetResumo().GetTotBenef().GetValorInterno(), Valor::deReais(1));
  Itens().Exclui(l);
  EXPECT_TRUE(l.GetTolvItemDK().isEmpty());
  EXPECT_TRUE(l.GetBeneficiario().GetNiFormatado().isEmpty());
  EXPECT_EQ(Conta("TOLV_ITENS") + Conta("JUDICIAIS") + Conta("ISENTOS"), 0);
  for (int i = 0; i < TResumo::kTotais; ++i)
    EXPECT_TRUE(m_tolv.GetResumo().GetTotal(TResumo::Total(i)).GetValorInterno().ehZero()) << i;
  EXPECT_EQ(Le("SELECT TOT_BENEF FROM RESUMOS WHERE E_FONTE_DK = 1"), "0");
}

TEST_F(ColecaoTolvItem, ANewLineOfAKnownBeneficiaryTakesItsNameAndData) {
  Roda("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, "
       "IN_MOLESTIA, DATA_LAUDO, E_PROCESSO) VALUES (3, 1, '0561', '1', '111444777', 'JOSE DA SILVA', 'S', "
       "'2013-05-10', '123');");
  TTolvItem l(m_tolv, m_tolv);
  l.GetBeneficiario().SetNi(kJose);
  l.GetCodigoRetencao().SetCodigo(QStringLiteral("0588"));
  EXPECT_FALSE(Itens().Localiza(l));
  EXPECT_EQ(l.GetBeneficiario().GetNome().GetValor(), "JOSE DA SILVA");
  EXPECT_EQ(l.GetInMolestia().GetValor(), "S");
  EXPECT_EQ(l.GetDataLaudo().GetValor(), "10/05/2013");
  EXPECT_EQ(l.GetProcesso().GetValor(), "123");
  EXPECT_FALSE(Itens().ExisteOutraLinha(l));
  l.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  EXPECT_TRUE(Itens().ExisteOutraLinha(l));
}

TEST_F(ColecaoTolvItem, TheLinesOfABeneficiaryComeFromEverySource) {
  NovaLinha(kJose, "0561");
  NovaLinha(kMaria, "0561");
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("2"));
  fundo.GetResumo().Zera();
  TTolvItem l(m_tolv, fundo);
  Identifica(l, kJose, "JOSE", "6800");
  l.GetTributaveis().GetRendimento(4).SetValorMonetario(Valor::deReais(44));
  fundo.GetItens().SetModoLista(false);
  ASSERT_EQ(fundo.GetItens().Grava(l), TColecaoTolvItem::kIncluida);

  TBeneficiarioTolv jose(&m_tolv);
  jose.SetNi(kJose);
  QStringList vistas;
  Itens().CarregaComprovante(jose, [&](TTolvItem& linha) {
    vistas << linha.GetIndicadorAnexo() + linha.GetCodigoRetencao().GetCodigo() +
                  linha.GetTributaveis().GetRendimento(4).GetValor();
  });
  EXPECT_EQ(vistas, QStringList({QStringLiteral("00561100004,00"), QStringLiteral("1680044,00")}));
}

// Batch use: saves sent as inserts, the duplicate control on, commits only at the interval.
class Lote : public ColecaoTolvItem {
 protected:
  std::unique_ptr<TColecaoTolvItem> NovoLote() {
    auto lote = std::make_unique<TColecaoTolvItem>(m_tolv, m_tolv);
    lote->SetModoLista(true);
    lote->SetInterativo(false);
    return lote;
  }
  uint8_t Grava(TColecaoTolvItem& lote, const QString& numero, int reais, uint8_t acao = TTolvItem::kSubstitui) {
    TTolvItem l(m_tolv, m_tolv);
    Identifica(l, numero, "NOME", "0561");
    l.SetAcao(acao);
    l.GetTributaveis().GetRendimento(1).SetValorMonetario(Valor::deReais(reais));
    return lote.Grava(l);
  }
};

TEST_F(Lote, CommitsWhenItEndsAndRefusesARepeatedLine) {
  auto lote = NovoLote();
  EXPECT_EQ(lote->GetControleDuplicatas(), 1);
  EXPECT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Grava(*lote, kMaria, 20), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Grava(*lote, kJose, 30, TTolvItem::kSoma), TColecaoTolvItem::kRepetida);
  EXPECT_EQ(lote->GetContadorGravacoes(), 3);
  // Nothing is committed before the interval.
  EXPECT_EQ(Conta("TOLV_ITENS"), 0);
  EXPECT_EQ(m_tolv.GetResumo().GetTotRend().GetValorInterno(), Valor::deReais(30));
  lote->Confirma();
  lote.reset();
  EXPECT_EQ(Conta("TOLV_ITENS"), 2);
  EXPECT_EQ(Conta("IMPITENS"), 0);
  EXPECT_EQ(Le("SELECT TOT_BENEF || '/' || CAST(TOT_REND AS INTEGER) FROM RESUMOS WHERE E_FONTE_DK = 1"), "2/30");
}

TEST_F(Lote, TheActionDecidesWhatBecomesOfAStoredLine) {
  NovaLinha(kJose, "0561");
  Roda("UPDATE TOLV_ITENS SET VL_RENDIME_JAN = 100");
  auto lote = NovoLote();
  EXPECT_EQ(Grava(*lote, kJose, 1, 0), TColecaoTolvItem::kNadaGravado);
  EXPECT_EQ(Grava(*lote, kJose, 1, TTolvItem::kMantem), TColecaoTolvItem::kNadaGravado);
  EXPECT_EQ(Grava(*lote, kJose, 5, TTolvItem::kSoma), TColecaoTolvItem::kSomada);
  lote->Confirma();
  lote.reset();
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_JAN AS INTEGER) FROM TOLV_ITENS"), "105");
  // A replacement leaves totals that only a recalculation knows.
  lote = NovoLote();
  EXPECT_EQ(Grava(*lote, kJose, 7), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(m_tolv.GetResumo().GetOk(), 0);
  lote->Confirma();
  lote.reset();
  EXPECT_EQ(Le("SELECT OK FROM RESUMOS WHERE E_FONTE_DK = 1"), "0");
  EXPECT_EQ(Conta("TOLV_ITENS"), 1);
}

TEST_F(Lote, LeavingImportModeKeepsTheBatchWorking) {
  auto lote = NovoLote();
  lote->SetModoImportacao(true);
  EXPECT_EQ(lote->GetControleDuplicatas(), 0);
  EXPECT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Grava(*lote, kJose, 11), TColecaoTolvItem::kAlterada);
  lote->SetModoImportacao(false);
  EXPECT_EQ(lote->GetControleDuplicatas(), 1);
  EXPECT_EQ(Grava(*lote, kMaria, 12), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Grava(*lote, kMaria, 13), TColecaoTolvItem::kRepetida);
  lote->Confirma();
  lote.reset();
  EXPECT_EQ(Conta("TOLV_ITENS"), 2);
}

TEST_F(Lote, ASaveThatWritesNothingStillTakesTheKeyOfTheStoredLine) {
  NovaLinha(kJose, "0561");
  const int jose = Le("SELECT TOLV_ITEM_DK FROM TOLV_ITENS").toInt();
  auto lote = NovoLote();
  TTolvItem mantida(m_tolv, m_tolv);
  Identifica(mantida, kJose, "JOSE", "0561");
  mantida.SetAcao(TTolvItem::kMantem);
  EXPECT_EQ(lote->Grava(mantida), TColecaoTolvItem::kNadaGravado);
  EXPECT_EQ(mantida.GetTolvItemDK(), QString::number(jose));
  EXPECT_EQ(lote->GetChaveAtual(), jose);

  // A line the batch has stored already: the key of the one stored first.
  TTolvItem primeira(m_tolv, m_tolv);
  Identifica(primeira, kMaria, "MARIA", "0561");
  ASSERT_EQ(lote->Grava(primeira), TColecaoTolvItem::kIncluida);
  TTolvItem repetida(m_tolv, m_tolv);
  Identifica(repetida, kMaria, "MARIA", "0561");
  EXPECT_EQ(lote->Grava(repetida), TColecaoTolvItem::kRepetida);
  EXPECT_FALSE(repetida.GetTolvItemDK().isEmpty());
  EXPECT_EQ(repetida.GetTolvItemDK(), primeira.GetTolvItemDK());
  EXPECT_EQ(lote->GetChaveAtual(), primeira.GetTolvItemDK().toInt());
}

// The interval between two commits of a batch, set for one test.
class Intervalo {
 public:
  explicit Intervalo(int saves) : m_anterior(TColecaoTolvItem::DefineIntervaloConfirmacao(saves)) {}
  ~Intervalo() { TColecaoTolvItem::DefineIntervaloConfirmacao(m_anterior); }

 private:
  int m_anterior;
};

TEST_F(Lote, CommitsAtTheSaveAfterTheInterval) {
  Intervalo intervalo(3);
  auto lote = NovoLote();
  std::vector<int> visiveis, contadores;
  for (const QString& numero : {kJose, kMaria, kAna, kEmpresa}) {
    ASSERT_EQ(Grava(*lote, numero, 10), TColecaoTolvItem::kIncluida);
    visiveis.push_back(Conta("TOLV_ITENS"));
    contadores.push_back(lote->GetContadorGravacoes());
  }
  EXPECT_EQ(visiveis, (std::vector<int>{0, 0, 0, 4}));
  EXPECT_EQ(contadores, (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(Lote, ALongReadCommitsAfterTheIntervalToo) {
  Roda("SET TERM ^ ;\n"
       "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN\n"
       "  WHILE (I <= 6) DO BEGIN\n"
       "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ)\n"
       "    VALUES (:I, 1, '0561', '1', LPAD(100000000 + :I, 9, '0'));\n"
       "    I = I + 1;\n"
       "  END\n"
       "END^\n"
       "SET TERM ; ^\n"
       "ALTER SEQUENCE GEN_TOLV_ITEM_DK RESTART WITH 6;");
  Intervalo intervalo(3);
  TColecaoTolvItem& itens = m_tolv.GetItens();
  itens.SetModoLista(true);
  TTolvItem l(m_tolv, m_tolv);
  itens.CarregaPrimeiro(l);
  // A save of a batch on the same transaction waits for a commit.
  auto lote = NovoLote();
  ASSERT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
  std::vector<int> visiveis, contadores;
  for (int i = 0; i < 5; ++i) {
    itens.CarregaProximo(l);
    contadores.push_back(itens.GetContadorGravacoes());
    visiveis.push_back(Conta("TOLV_ITENS"));
  }
  EXPECT_EQ(contadores, (std::vector<int>{1, 2, 3, 4, 0}));
  EXPECT_EQ(visiveis, (std::vector<int>{6, 6, 6, 6, 7}));
}

TEST_F(Lote, ABatchLeftByAnExceptionIsRolledBackAndItsTotalsAwaitARecalculation) {
  try {
    auto lote = NovoLote();
    ASSERT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
    throw std::runtime_error("arquivo ilegível");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Conta("TOLV_ITENS"), 0);
  EXPECT_EQ(Conta("IMPITENS"), 0);
  EXPECT_EQ(m_tolv.GetResumo().GetOk(), 0);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  // The declaration goes on working.
  EXPECT_EQ(Grava(Itens(), kMaria, 20), TColecaoTolvItem::kIncluida);
  EXPECT_EQ(Conta("TOLV_ITENS"), 1);
}

TEST_F(Lote, ABatchThatGoesWithoutConfirmaIsRolledBackAndItsTotalsAwaitARecalculation) {
  {
    auto lote = NovoLote();
    ASSERT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
  }
  EXPECT_EQ(Conta("TOLV_ITENS"), 0);
  EXPECT_EQ(m_tolv.GetResumo().GetOk(), 0);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
  EXPECT_TRUE(m_falhas.falhas().empty());
}

TEST_F(Lote, AFailureOfTheBatchEndIsRaisedWhereItHappens) {
  auto lote = NovoLote();
  ASSERT_EQ(Grava(*lote, kJose, 10), TColecaoTolvItem::kIncluida);
  // The summaries' collection is made again when the batch ends, over a procedure that no longer
  // takes what it is given: it fails before the procedure runs.
  m_tolv.LiberaItens();
  Roda("SET TERM ^ ;\nCREATE OR ALTER PROCEDURE INCLUI_ATU_RESUMO (E_FONTE_DK VARCHAR(10)) AS BEGIN END^\n"
       "SET TERM ; ^");
  try {
    lote->Confirma();
    ADD_FAILURE() << "the end of the batch failed unseen";
  } catch (const EFalhaBanco& falha) {
    EXPECT_TRUE(falha.Fatal());
    EXPECT_EQ(falha.GetLado(), EFalhaBanco::Lado::Declaracao);
    EXPECT_TRUE(falha.Mensagem().startsWith(QStringLiteral("Não foi possível salvar as alterações.")))
        << falha.Mensagem().toStdString();
  }
  // Shown by the program's guard, not from the collection.
  EXPECT_TRUE(m_caixa.chamadas().empty());
  // The lines went in before the summary was stored.
  EXPECT_EQ(Conta("TOLV_ITENS"), 1);
}

// The totals kept line by line through real saves and deletes equal those the database recomputes.
TEST_F(ColecaoTolvItem, SummariesKeptLineByLineEqualTheRecomputedOnes) {
  Roda("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, IN_TIPO) VALUES (2, '2', '123456780001', 'FUNDO', 0)");
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("2"));
  fundo.GetResumo().Zera();
  TColecaoTolvItem& doFundo = fundo.GetItens();
  doFundo.SetModoLista(false);

  TTolvItem& a = NovaLinha(kJose, "0561", 1);      // everything, thirteenth included
  TTolvItem& b = NovaLinha(kMaria, "3208", 2);     // no thirteenth, no deductions
  TTolvItem& c = NovaLinha(kEmpresa, "5936", 3);   // a company: no deductions, no judicial values
  TTolvItem f(m_tolv, fundo);
  Identifica(f, kAna, "ANA", "6800");
  PreencheTudo(f, 4);
  ASSERT_EQ(doFundo.Grava(f), TColecaoTolvItem::kIncluida);

  // Edits, a changed beneficiary, deletions, in both sections.
  PreencheTudo(a, 5);
  a.GetSubJudice().GetDeposito(13).SetValorMonetario(Valor());
  ASSERT_EQ(Itens().Grava(a), TColecaoTolvItem::kAlterada);
  b.GetBeneficiario().SetNi(kAna);
  ASSERT_EQ(Itens().Grava(b), TColecaoTolvItem::kAlterada);
  Itens().Exclui(c);
  TTolvItem& d = NovaLinha(kMaria, "0588", 6);
  PreencheTudo(f, 7);
  ASSERT_EQ(doFundo.Grava(f), TColecaoTolvItem::kAlterada);
  d.GetCompensacao().ZeraValores();
  d.GetSubJudice().ZeraValores();
  ASSERT_EQ(Itens().Grava(d), TColecaoTolvItem::kAlterada);
  EXPECT_EQ(Conta("TOLV_ITENS"), 4);
  EXPECT_EQ(Conta("JUDICIAIS"), 3);

  TColecaoResumo& resumos = m_tolv.GetColecaoResumo();
  resumos.AtualizaResumos();
  for (TTolvAnexo* dono : {static_cast<TTolvAnexo*>(&m_tolv), static_cast<TTolvAnexo*>(&fundo)}) {
    TResumo recalculado(dono);
    resumos.CarregaResumo(recalculado);
    for (int i = 0; i < TResumo::kTotais; ++i) {
      const auto t = TResumo::Total(i);
      EXPECT_EQ(dono->GetResumo().GetTotal(t).GetValorInterno(), recalculado.GetTotal(t).GetValorInterno())
          << TResumo::NomeColuna(t) << " of source " << dono->GetFonteDK().toStdString();
    }
  }
  TResumo total;
  resumos.CarregaResumoTotal(total);
  for (int i = 0; i < TResumo::kTotais; ++i) {
    const auto t = TResumo::Total(i);
    EXPECT_EQ(m_tolv.GetResumoGeral().GetTotal(t).GetValorInterno(), total.GetTotal(t).GetValorInterno())
        << TResumo::NomeColuna(t);
  }
  EXPECT_EQ(total.GetTotBenef().GetValorInterno(), Valor::deReais(4));
}

}  // namespace
