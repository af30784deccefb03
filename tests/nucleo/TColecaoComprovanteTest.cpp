#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ComprovanteTeste.h"
#include "DeclaracaoTeste.h"
#include "LinhasTeste.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoCompensavel.h"
#include "nucleo/TColecaoComprovante.h"
#include "nucleo/TColecaoComprovantePF.h"
#include "nucleo/TColecaoComprovantePJ.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TComprovantePJ.h"
#include "suporte/QtGtest.h"

namespace {

using namespace declaracao_teste;
using comprovante_teste::Codigo;
using comprovante_teste::R;
using comprovante_teste::T;

const QString kPessoa = QStringLiteral("52998224725");
const QString kEmpresa = QStringLiteral("11222333000181");

// A declaration with its database and key, whose lines are made by hand and handed to the
// statements as the lines collection would hand them.
class ColecaoComprovante : public ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_pessoa.SetNi(kPessoa);
    m_empresa.SetNi(kEmpresa);
    Colecao().DefineFonteLinhas([this](const TBeneficiarioTolv& beneficiario, const auto& adiciona) {
      for (const auto& linha : m_linhas)
        if (linha->GetBeneficiario().GetNiDigitos() == beneficiario.GetNiDigitos()) adiciona(*linha);
    });
  }

  TColecaoComprovante& Colecao() { return m_tolv.GetColecaoComprovante(); }

  TTolvItem& Linha(const QString& ni, const char* codigo, const char* regime, const char* resumo) {
    m_linhas.push_back(std::make_unique<TTolvItem>(m_tolv, m_tolv));
    m_linhas.back()->SetCodigoRetencao(Codigo(codigo, regime, resumo));
    m_linhas.back()->GetBeneficiario().SetNi(ni);
    return *m_linhas.back();
  }

  // Cleared and loaded, then marked unchanged, as the statement page does.
  void Carrega(TComprovante& comprovante) {
    comprovante.Limpar();
    EXPECT_TRUE(Colecao().CarregaComprovante(comprovante));
    comprovante.SetModificado(false);
  }

  QString Le(const QString& sql) { return m_pasta.le(kBanco, sql); }
  void Roda(const QString& sql) { m_pasta.roda(kBanco, sql); }

  // A salary and a partly taxable pension of the person.
  void LinhasDaPessoa() {
    TTolvItem& salario = Linha(kPessoa, "0561", "C", "Rendimento do trabalho");
    salario.GetTributaveis().GetRendimento(1).SetValorMonetario(R("5.000,00"));
    salario.GetTributaveis().GetDeducaoPO(1).SetValorMonetario(Valor::deDezMilesimos(1));
    salario.GetIsentos().GetRip65(1).SetValorMonetario(R("99.999.999.999,99"));
    TTolvItem& pensao = Linha(kPessoa, "3533", "P", "Aposentadoria");
    pensao.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1.000,00"));
    pensao.GetTributaveis().GetRetido(1).SetValorMonetario(R("100,00"));
  }

  TBeneficiarioTolv m_pessoa{&m_tolv};
  TBeneficiarioTolv m_empresa{&m_tolv};
  std::vector<std::unique_ptr<TTolvItem>> m_linhas;
};

TEST_F(ColecaoComprovante, APersonsStatementIsStoredExactlyAndComesBackOverItsLines) {
  LinhasDaPessoa();
  TComprovantePF comprovante(m_pessoa);
  Carrega(comprovante);
  EXPECT_EQ(comprovante.GetNatureza().GetValor(), QStringLiteral("Rendimento do trabalho"));
  comprovante.GetNatureza().SetValor(QStringLiteral("Salário"));
  comprovante.GetInfoComplementar().SetValor(QStringLiteral("Primeira linha\r\nSegunda"));
  comprovante.GetQuadro4().GetDescricao().SetValor(QString(59, u'A') + u' ' + QString(10, u'B'));
  comprovante.GetParcial(0).GetRendimento().SetValorMonetario(R("400,1234"));
  comprovante.GetParcial(0).GetImposto().SetValorMonetario(R("30,00"));
  EXPECT_EQ(Colecao().GravaComprovante(comprovante), 1);

  const QString linha = QStringLiteral(" FROM COMPROVANTES_PF WHERE NR_PF = '529982247'");
  EXPECT_EQ(Le("SELECT Q2NT" + linha), QStringLiteral("Salário"));
  EXPECT_EQ(Le("SELECT Q3L2" + linha), QStringLiteral("0,0001"));
  EXPECT_EQ(Le("SELECT Q4L1" + linha), QStringLiteral("99999999999,99"));
  EXPECT_EQ(Le("SELECT Q4L8DESCR" + linha), QString(59, u'A'));
  EXPECT_EQ(Le("SELECT INFO_COMPL" + linha), QStringLiteral("Primeira linha\r\nSegunda"));
  EXPECT_EQ(Le("SELECT REND_COMPENSAVEL FROM COMPENSAVEIS WHERE NR_PF = '529982247' AND COD_RETENCAO = '3533'"),
            QStringLiteral("400,1234"));

  TComprovantePF outro(m_pessoa);
  Carrega(outro);
  EXPECT_EQ(outro.GetNatureza().GetValor(), QStringLiteral("Salário"));
  EXPECT_EQ(outro.GetInfoComplementar().GetValor(), QStringLiteral("Primeira linha\r\nSegunda"));
  EXPECT_EQ(outro.GetParcial(0).GetRendimento().GetValorMonetario(), R("400,1234"));
  EXPECT_EQ(T(outro.GetQuadro3().GetTotalQ3L1()), QStringLiteral("5.400,12"));
  EXPECT_EQ(T(outro.GetQuadro4().GetLinha01()), QStringLiteral("99.999.999.999,99"));

  // Unchanged: nothing but changed partial amounts is stored.
  Roda(QStringLiteral("UPDATE COMPROVANTES_PF SET INFO_COMPL = 'outra'"));
  EXPECT_EQ(Colecao().GravaComprovante(outro), 2);
  EXPECT_EQ(Le("SELECT INFO_COMPL" + linha), QStringLiteral("outra"));
  // The main code's description in other letters is kept as no nature of its own.
  outro.GetNatureza().SetValor(QStringLiteral("RENDIMENTO DO TRABALHO"));
  EXPECT_EQ(Colecao().GravaComprovante(outro), 2);
  EXPECT_EQ(Le("SELECT Q2NT" + linha), QString());
  EXPECT_EQ(Le("SELECT INFO_COMPL" + linha), QStringLiteral("Primeira linha\r\nSegunda"));
}

TEST_F(ColecaoComprovante, PartialAmountsAreStoredOnlyWhenThereIsOneAndRemovedWhenBackToZero) {
  LinhasDaPessoa();
  TComprovantePF comprovante(m_pessoa);
  Carrega(comprovante);
  const QString conta = QStringLiteral("SELECT COUNT(*) FROM COMPENSAVEIS");
  comprovante.GetParcial(0).SetModificado(true);
  Colecao().GravaComprovante(comprovante);
  EXPECT_EQ(Le(conta), QStringLiteral("0"));
  comprovante.GetParcial(0).GetImposto().SetValor(QStringLiteral("10,00"));
  Colecao().GravaComprovante(comprovante);
  EXPECT_EQ(Le(conta), QStringLiteral("1"));
  comprovante.GetParcial(0).GetImposto().SetValor(QStringLiteral("0"));
  Colecao().GravaComprovante(comprovante);
  EXPECT_EQ(Le(conta), QStringLiteral("0"));
}

TEST_F(ColecaoComprovante, StoredPartialAmountsAreKeptWithinTheLine) {
  LinhasDaPessoa();
  Roda(QStringLiteral("INSERT INTO COMPENSAVEIS VALUES ('529982247', '3533', 1500, 200);"
                      "INSERT INTO COMPENSAVEIS VALUES ('529982247', '9999', 1, 1);"));
  TComprovantePF comprovante(m_pessoa);
  Carrega(comprovante);
  EXPECT_EQ(T(comprovante.GetParcial(0).GetRendimento()), QStringLiteral("1.000,00"));
  EXPECT_EQ(T(comprovante.GetParcial(0).GetImposto()), QStringLiteral("100,00"));
}

TEST_F(ColecaoComprovante, AnImportRefusesTheSecondStatementOfAPerson) {
  LinhasDaPessoa();
  Linha(QStringLiteral("11144477735"), "0561", "C", "Trabalho");
  TBeneficiarioTolv outraPessoa(&m_tolv);
  outraPessoa.SetNi(QStringLiteral("11144477735"));
  Roda(QStringLiteral("INSERT INTO IMPCOMPS VALUES ('529982247')"));
  TColecaoComprovantePF& pf = Colecao().GetColecaoPF();
  pf.SetInterativo(false);
  EXPECT_EQ(pf.GetControleDuplicatas(), 1);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM IMPCOMPS")), QStringLiteral("0"));

  TComprovantePF comprovante(m_pessoa);
  TComprovantePF outro(outraPessoa);
  const auto importa = [&](TComprovantePF& c) {
    c.Limpar();
    Colecao().CarregaComprovante(c);
    c.GetQuadro4().GetLinha02().SetValor(QStringLiteral("1,00"));
    return Colecao().GravaComprovante(c);
  };
  EXPECT_EQ(importa(comprovante), 1);
  EXPECT_EQ(importa(outro), 1);
  EXPECT_EQ(importa(comprovante), TColecaoComprovantePF::kDuplicado);
  // Back on the statement page the same person saves again.
  pf.SetInterativo(true);
  EXPECT_EQ(importa(comprovante), 2);
}

TEST_F(ColecaoComprovante, NothingIsStoredWithoutTheDeclarationsKeyOrTheBeneficiarysNumber) {
  LinhasDaPessoa();
  TComprovantePF comprovante(m_pessoa);
  Carrega(comprovante);
  comprovante.GetInfoComplementar().SetValor(QStringLiteral("x"));
  m_tolv.SetTolvDK(QString());
  EXPECT_EQ(Colecao().GravaComprovante(comprovante), 0);
  m_tolv.SetTolvDK(QStringLiteral("1"));
  TBeneficiarioTolv semNumero(&m_tolv);
  TComprovantePF vazio(semNumero);
  vazio.GetInfoComplementar().SetValor(QStringLiteral("x"));
  EXPECT_EQ(Colecao().GravaComprovante(vazio), 0);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM COMPROVANTES_PF")), QStringLiteral("0"));
}

TEST_F(ColecaoComprovante, AStoreOfTheComplementaryInformationAloneKeepsTheRest) {
  Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_ATU_COMPROV_PF(0, 'Natureza', '529982247', 1, 2, 3, 4, 5, 6, 7, 8, "
                      "9, 10, 'Outros', 'antes');"
                      "EXECUTE PROCEDURE INCLUI_ATU_COMPROV_PF(NULL, NULL, '529982247', NULL, NULL, NULL, NULL, "
                      "NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'depois');"
                      "EXECUTE PROCEDURE INCLUI_ATU_COMPROV_PF(NULL, NULL, '111444777', NULL, NULL, NULL, NULL, "
                      "NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'nova');"));
  EXPECT_EQ(Le(QStringLiteral("SELECT Q2NT || Q3L2 || Q4L8 || Q4L8DESCR || INFO_COMPL FROM COMPROVANTES_PF "
                              "WHERE NR_PF = '529982247'")),
            QStringLiteral("Natureza1.000010.0000Outrosdepois"));
  EXPECT_EQ(Le(QStringLiteral("SELECT Q4L1 FROM COMPROVANTES_PF WHERE NR_PF = '111444777'")), QStringLiteral("0"));
}

TEST_F(ColecaoComprovante, HealthPlansAndIncomeReceivedCumulativelyComeWithThePersonsStatement) {
  Roda(QStringLiteral(
      "INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('2', '123456780001', 'SAUDE BOA');"
      "INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '111444777', 'JOSE DEPENDENTE');"
      "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '123456780001');"
      "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (2, '987654320001');"
      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (1, 1, '529982247', 1234.5);"
      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (2, 2, '529982247', 10);"
      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (3, 1, '111444777', 99);"
      "INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_NOME, TPD_VL_PAGO)"
      " VALUES (1, 1, '1', '111444777', NULL, 100);"
      "INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_NOME, TPD_VL_PAGO)"
      " VALUES (2, 1, NULL, NULL, 'MARIA', 50.25);"
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, RRA_PROCESSO, VL_RENDIME_JAN,"
      " VL_RENDIME_DEZ, VL_CUSTAS_MAR, VL_DEDUCAO_PO_ABR, VL_DEDUCAO_PA_MAI, VL_RETIDO_JUN, VL_MOLESTIA_JUL,"
      " QTDE_MESES_JAN, QTDE_MESES_FEV) VALUES (1, '2', '529982247', 'Aposentadoria', '12345', 100, 0.5, 1, 2, 3,"
      " 4, 5, 600, 500.5);"
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, RRA_PROCESSO) VALUES (2, '1',"
      " '529982247', NULL, NULL);"
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, RRA_PROCESSO) VALUES (3, '1',"
      " '529982247', 'Salários', NULL);"));
  TComprovantePF comprovante(m_pessoa);
  Carrega(comprovante);
  EXPECT_EQ(comprovante.GetPlanosSaude(),
            QStringList({"|O|", "123456780001", "SAUDE BOA", "1234,50", "|D|", "", "MARIA", "50,25", "|D|",
                         "111444777", "JOSE DEPENDENTE", "100,00", "|O|", "987654320001", "", "10,00"}));
  ASSERT_TRUE(comprovante.TemRra());
  TQuadroListaRRA& rra = comprovante.GetListaRra();
  ASSERT_EQ(rra.GetQuantidade(), 3);
  EXPECT_EQ(rra.GetItem(0).GetDescricao().GetValor(), QString());
  EXPECT_EQ(rra.GetItem(1).GetDescricao().GetValor(), QStringLiteral("Salários"));
  TQuadroRRA& bloco = rra.GetItem(2);
  EXPECT_EQ(bloco.GetDescricao().GetValor(), QStringLiteral("Aposentadoria -  Processo Nº: 12345"));
  EXPECT_EQ(bloco.GetProcesso().GetValor(), QStringLiteral("12345"));
  EXPECT_EQ(bloco.GetNatureza().GetValor(), QStringLiteral("Aposentadoria"));
  EXPECT_EQ(T(bloco.GetRendimento()), QStringLiteral("100,50"));
  EXPECT_EQ(T(bloco.GetCustas()), QStringLiteral("1,00"));
  EXPECT_EQ(T(bloco.GetPrevidenciaOficial()), QStringLiteral("2,00"));
  EXPECT_EQ(T(bloco.GetPensaoAlimenticia()), QStringLiteral("3,00"));
  EXPECT_EQ(T(bloco.GetImpostoRetido()), QStringLiteral("4,00"));
  EXPECT_EQ(T(bloco.GetMolestia()), QStringLiteral("5,00"));
  EXPECT_EQ(bloco.GetQuantidadeMeses().GetFormatado(), QStringLiteral("999,9"));
  EXPECT_EQ(bloco.GetMeses().GetFormatado(), QStringLiteral("1.100,5"));
  // Loading again after clearing does not repeat them.
  Carrega(comprovante);
  EXPECT_EQ(comprovante.GetListaRra().GetQuantidade(), 3);
  EXPECT_EQ(comprovante.GetPlanosSaude().size(), 16);
}

TEST_F(ColecaoComprovante, ACompanysDescriptionsAreStoredOnlyWhenTheyAreItsOwn) {
  TTolvItem& linha = Linha(kEmpresa, "1708", "C", "Serviços profissionais");
  linha.GetTributaveis().GetRendimento(3).SetValorMonetario(R("1.000,00"));
  linha.GetTributaveis().GetRendimento(11).SetValorMonetario(R("2.000,00"));
  TComprovantePJ comprovante(m_empresa);
  Carrega(comprovante);
  ASSERT_EQ(comprovante.GetQuantidadeLinhas(), 2);
  comprovante.GetLinha(0).SetDescricao(QStringLiteral("Consultoria"));
  comprovante.GetLinha(1).SetDescricao(QStringLiteral("SERVIÇOS PROFISSIONAIS"));
  comprovante.GetLinha(1).SetModificado(true);
  comprovante.GetInfoComplementar().SetValor(QStringLiteral("Geral"));
  comprovante.GetInfoComplementarIn4().SetValor(QStringLiteral("IN4"));
  EXPECT_EQ(Colecao().GravaComprovante(comprovante), 2);
  EXPECT_EQ(Le(QStringLiteral("SELECT LIST(MES || ':' || NAT_RENDIMENTO) FROM COMPROVANTES_PJ WHERE NR_PJ = "
                              "'112223330001'")),
            QStringLiteral("03:Consultoria"));
  EXPECT_EQ(Le(QStringLiteral("SELECT INFO_COMPL || INFO_COMPL_IN4 FROM COMPROVANTES_PJ_COMPL")), QStringLiteral("GeralIN4"));

  TComprovantePJ outro(m_empresa);
  Carrega(outro);
  EXPECT_EQ(outro.GetLinha(0).GetDescricao(), QStringLiteral("Consultoria"));
  EXPECT_EQ(outro.GetLinha(1).GetDescricao(), QStringLiteral("Serviços profissionais"));
  EXPECT_EQ(outro.GetInfoComplementar().GetValor(), QStringLiteral("Geral"));
  EXPECT_EQ(outro.GetInfoComplementarIn4().GetValor(), QStringLiteral("IN4"));
  EXPECT_TRUE(Colecao().GetColecaoPJ().LocalizaComprovante(outro));

  // Back to the code's description: removed; the texts emptied are stored empty.
  outro.GetLinha(0).SetDescricao(QStringLiteral("serviços profissionais"));
  outro.GetInfoComplementarIn4().SetValor(QString());
  Colecao().GravaComprovante(outro);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM COMPROVANTES_PJ")), QStringLiteral("0"));
  EXPECT_EQ(Le(QStringLiteral("SELECT COALESCE(INFO_COMPL_IN4, 'nulo') FROM COMPROVANTES_PJ_COMPL")), QStringLiteral("nulo"));
}

TEST_F(ColecaoComprovante, TheDeclarationFileReadsTheComplementaryInformationOfPersonsAndCompanies) {
  LinhasDaPessoa();
  TComprovantePF pf(m_pessoa);
  Carrega(pf);
  pf.GetInfoComplementar().SetValor(QStringLiteral("Pessoa"));
  Colecao().GravaComprovante(pf);
  TComprovantePJ pj(m_empresa);
  Carrega(pj);
  pj.GetInfoComplementar().SetValor(QStringLiteral("Empresa"));
  Colecao().GravaComprovante(pj);
  EXPECT_EQ(Le(QStringLiteral("SELECT LIST(IN_PF_PJ || NR_PF_PJ || INFO_COMPL, ';') FROM (SELECT * FROM INFOCOMPS "
                              "ORDER BY NR_PF_PJ)")),
            QStringLiteral("2112223330001Empresa;1529982247Pessoa"));

  Colecao().GetColecaoPF().ExcluiComprovante(m_pessoa);
  Colecao().GetColecaoPJ().ExcluiComprovante(m_empresa);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM INFOCOMPS")), QStringLiteral("0"));
}

TEST_F(ColecaoComprovante, TheDeclarationFreesItsStatementsCollection) {
  TColecaoComprovante* colecao = &m_tolv.GetColecaoComprovante();
  EXPECT_EQ(&m_tolv.GetColecaoComprovante(), colecao);
  m_tolv.LiberaItens();
  // Made anew on the next use, without the lines of the tests.
  TComprovantePF comprovante(m_pessoa);
  EXPECT_TRUE(m_tolv.GetColecaoComprovante().CarregaComprovante(comprovante));
  EXPECT_FALSE(comprovante.TemRendimentos());
}

// Over the lines the lines collection stored, of the declarant and of a fund.
class ComprovanteDasLinhas : public linhas_teste::ComLinhas {
 protected:
  // The line's income of some months.
  void Grava(TTolvAnexo& dono, const QString& numero, const char* codigo,
             std::initializer_list<std::pair<int, const char*>> meses) {
    TTolvItem linha(m_tolv, dono);
    linhas_teste::Identifica(linha, numero, QStringLiteral("NOME"), QString::fromLatin1(codigo));
    for (const auto& [mes, valor] : meses) linha.GetTributaveis().GetRendimento(mes).SetValorMonetario(R(valor));
    dono.GetItens().SetModoLista(false);
    ASSERT_EQ(dono.GetItens().Grava(linha), TColecaoTolvItem::kIncluida);
  }
};

TEST_F(ComprovanteDasLinhas, StatementsAreBuiltFromTheStoredLinesOfEverySource) {
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("2"));
  fundo.GetResumo().Zera();
  Grava(m_tolv, kPessoa, "0561", {{1, "1.000,00"}});
  Grava(m_tolv, kPessoa, "3533", {{2, "1.500,00"}});
  Grava(fundo, kPessoa, "6800", {{3, "44,00"}});
  const QString soDoFundo = QStringLiteral("11144477735");
  Grava(fundo, soDoFundo, "6800", {{3, "10,00"}});
  Grava(m_tolv, kEmpresa, "1708", {{5, "700,00"}, {7, "300,00"}, {13, "1,00"}});

  TBeneficiarioTolv pessoa(&m_tolv);
  pessoa.SetNi(kPessoa);
  TComprovantePF pf(pessoa);
  EXPECT_TRUE(m_tolv.GetColecaoComprovante().CarregaComprovante(pf));
  EXPECT_EQ(pf.GetQuantidadeItens(), 3);
  EXPECT_TRUE(pf.TemLinhaDeclaracao());
  EXPECT_EQ(T(pf.GetQuadro3().GetTotalQ3L1()), QStringLiteral("2.500,00"));
  EXPECT_EQ(T(pf.GetQuadro5().GetTotalLinha02()), QStringLiteral("44,00"));
  EXPECT_EQ(pf.GetNatureza().GetValor(),
            QStringLiteral("Proventos de aposentadoria, reserva, reforma ou pensão pagos por previdência pública"));

  TBeneficiarioTolv outraPessoa(&m_tolv);
  outraPessoa.SetNi(soDoFundo);
  TComprovantePF soFundo(outraPessoa);
  m_tolv.GetColecaoComprovante().CarregaComprovante(soFundo);
  EXPECT_TRUE(soFundo.TemRendimentos());
  EXPECT_FALSE(soFundo.TemLinhaDeclaracao());

  TBeneficiarioTolv empresa(&m_tolv);
  empresa.SetNi(kEmpresa);
  TComprovantePJ pj(empresa);
  m_tolv.GetColecaoComprovante().CarregaComprovante(pj);
  ASSERT_EQ(pj.GetQuantidadeLinhas(), 2);
  EXPECT_EQ(pj.GetLinha(0).GetMes(), 5);
  EXPECT_EQ(pj.GetLinha(1).GetMes(), 7);
}

}  // namespace
