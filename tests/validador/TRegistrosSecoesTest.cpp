#include <gtest/gtest.h>

#include "GravacaoTeste.h"

namespace {

using namespace gravacao_teste;

using Secoes = ComGravacao;

TEST_F(Secoes, FundosEProcessosLevamASuaChaveAsSuasLinhas) {
  Importa(Declaracao({QStringLiteral("FCI|11222333000181|FUNDO UM|"), QStringLiteral("IDREC|3277|"),
                      QStringLiteral("BPJFCI|11444777000161|EMPRESA EXEMPLO LTDA|"), Mensal("RTRT", {"100"}),
                      QStringLiteral("FCI|22333444000104|FUNDO DOIS|"), QStringLiteral("IDREC|3277|"),
                      QStringLiteral("BPFFCI|11144477735|MARIA SOUZA|"), Mensal("RTRT", {"200"}),
                      QStringLiteral("PROC|2|00012345620138010001|2|11222333000181|ESCRITORIO LTDA|"),
                      QStringLiteral("IDREC|5936|"), QStringLiteral("BPFPROC|12345678909|JOAO LIMA||"),
                      Mensal("RTRT", {"300"}), QStringLiteral("PROC|3|00099999920138260001||0||"),
                      QStringLiteral("IDREC|5936|"), QStringLiteral("BPJPROC|11222333000181|OUTRA LTDA|"),
                      Mensal("RTRT", {"400"})}));
  // Each line under the key of the source it follows.
  const QString sql = QStringLiteral(
      "SELECT F.IN_TIPO || ';' || F.NR_PF_PJ || ';' || COALESCE(F.NM_NM_EMPR, '') || ';' || COALESCE(F.TIPO_PROCESSO, '') "
      "|| ';' || COALESCE(F.IN_PF_PJ_ADVOGADO, '-') || ';' || COALESCE(F.NR_ADVOGADO, '-') || ';' || "
      "COALESCE(F.NM_ADVOGADO, '-') FROM TOLV_ITENS I JOIN FONTES F ON F.FONTE_DK = I.E_FONTE_DK "
      "WHERE I.VL_RENDIME_JAN = %1");
  EXPECT_EQ(Valor(sql.arg(1)), QStringLiteral("0;112223330001;FUNDO UM;0;;;"));
  EXPECT_EQ(Valor(sql.arg(2)), QStringLiteral("0;223334440001;FUNDO DOIS;0;;;"));
  EXPECT_EQ(Valor(sql.arg(3)), QStringLiteral("1;00012345620138010001;;2;2;112223330001;ESCRITORIO LTDA"));
  EXPECT_EQ(Valor(sql.arg(4)), QStringLiteral("1;00099999920138260001;;3;-;-;-"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(DISTINCT E_FONTE_DK) FROM TOLV_ITENS")), QStringLiteral("4"));
  const TArquivoDados::Contadores& c = m_dados->Contagem;
  EXPECT_EQ(c.Fundos, 2);
  EXPECT_EQ(c.ProcessosTrabalho, 1);
  EXPECT_EQ(c.ProcessosEstadual, 1);
  EXPECT_EQ(c.ProcessosFederal, 0);
}

TEST_F(Secoes, RendimentosAcumuladosDasDuasEspeciesComOAdvogadoDaPropriaLinha) {
  // What the analysis left from the file's last lawyer: no item takes it.
  m_dados->TipoAdvogado = 2;
  Importa(Declaracao({QStringLiteral("RRA|1||||"), QStringLiteral("IDREC|1889|"),
                      QStringLiteral("BPFRRA|11144477735|MARIA SOUZA|APOSENTADORIA|20120115|"),
                      Mensal("RTRT", {"123456", "", "", "", "", "", "", "", "", "", "", "700"}),
                      Mensal("QTMESES", {"125"}), Mensal("DAJUD", {"", "300"}), Mensal("RIMOG", {"50"}),
                      QStringLiteral("RRA|2|00012345620138010001|2|11222333000181|ESCRITORIO LTDA|"),
                      QStringLiteral("IDREC|1889|"), QStringLiteral("BPFRRA|12345678909|JOAO LIMA|SALARIOS||"),
                      Mensal("RTIRF", {"99"}),
                      QStringLiteral("RRA|2|00099999920138010001||11144477735|ADVOGADO PESSOA|"),
                      QStringLiteral("IDREC|1889|"), QStringLiteral("BPFRRA|98765432100|ANA ROCHA|PENSAO||"),
                      Mensal("RTPO", {"10"})}));
  const QString sql = QStringLiteral(
      "SELECT IN_TIPO_RRA, COALESCE(RRA_PROCESSO, ''), COALESCE(IN_PF_PJ_ADVOGADO, '-'), COALESCE(NR_ADVOGADO, '-'), "
      "NATUREZA, IN_MOLESTIA, VL_RENDIME_JAN, VL_RENDIME_DEZ, QTDE_MESES_JAN, VL_CUSTAS_FEV, VL_RETIDO_JAN, "
      "VL_DEDUCAO_PO_JAN, VL_MOLESTIA_JAN FROM RRA_ITEM WHERE NR_PF_PJ = '%1'");
  EXPECT_EQ(Linha(sql.arg(QStringLiteral("111444777"))),
            (QStringList{"1", "", "-", "-", "APOSENTADORIA", "S", "1234,56", "7", "12,5", "3", "0", "0", "0,5"}));
  EXPECT_EQ(Linha(sql.arg(QStringLiteral("123456789"))),
            (QStringList{"2", "00012345620138010001", "2", "112223330001", "SALARIOS", "N", "0", "0", "0", "0", "0,99",
                         "0", "0"}));
  EXPECT_EQ(Linha(sql.arg(QStringLiteral("987654321"))),
            (QStringList{"2", "00099999920138010001", "1", "111444777", "PENSAO", "N", "0", "0", "0", "0", "0", "0,1",
                         "0"}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT DATA_LAUDO FROM RRA_ITEM WHERE NR_PF_PJ = '111444777'")),
            QStringLiteral("15/01/2012"));
  EXPECT_EQ(m_dados->Contagem.RraDeclarante, 1);
  EXPECT_EQ(m_dados->Contagem.RraProcesso, 2);
}

TEST_F(Secoes, OperadoraGuardadaEReusadaComNovoTitularEDependentes) {
  const QString operadora = QStringLiteral("OPSE|11222333000181|OPERADORA SAUDE LTDA|123455|");
  Importa(Declaracao({QStringLiteral("PSE|"), operadora, QStringLiteral("TPSE|12345678909|MARIA SOUZA|100000|")}));
  const QString chave = Valor(QStringLiteral("SELECT TPO_ID FROM TB_PS_OPERADORA"));
  Importa(Declaracao({QStringLiteral("PSE|"), operadora, QStringLiteral("TPSE|11144477735|JOSE SOUZA|123|"),
                      QStringLiteral("DTPSE|98765432100|20000101|ANA SOUZA|03|50000|"),
                      QStringLiteral("DTPSE||20100531|PEDRO SOUZA||29|")}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TB_PS_OPERADORA")), QStringLiteral("1"));
  EXPECT_EQ(Linha(QStringLiteral("SELECT TPT_TPO_ID, TPT_IN_PF_PJ, TPT_VL_PAGO FROM TB_PS_TITULAR "
                                 "WHERE TPT_NR_PF_PJ = '111444777'")),
            (QStringList{chave, "1", "1,23"}));
  const QString titular = Valor(QStringLiteral("SELECT TPT_ID FROM TB_PS_TITULAR WHERE TPT_NR_PF_PJ = '111444777'"));
  const QString dependentes = QStringLiteral(
      "SELECT TPD_TPT_ID, COALESCE(TPD_IN_PF_PJ, '-'), COALESCE(TPD_NR_PF_PJ, '-'), COALESCE(TPD_NOME, '-'), "
      "TPD_DT_NASC, COALESCE(TPD_TPRD_CD, '-'), TPD_VL_PAGO FROM TB_PS_DEPENDENTE WHERE TPD_DT_NASC = '%1'");
  EXPECT_EQ(Linha(dependentes.arg(QStringLiteral("20000101"))),
            (QStringList{titular, "1", "987654321", "-", "20000101", "03", "500"}));
  EXPECT_EQ(Linha(dependentes.arg(QStringLiteral("20100531"))),
            (QStringList{titular, "-", "-", "PEDRO SOUZA", "20100531", "-", "0,29"}));
  EXPECT_EQ(m_dados->Contagem.DependentesAdicionados, 2);
}

TEST_F(Secoes, RemessaComSeusPagamentosSobAChaveDaSequencia) {
  // A beneficiary the editor stored under a key of its own: the import's keys come after it.
  m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  m_pasta.roda(kBanco, QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, "
                                      "TREM_IN_TIPO_BENEFICIARIO) VALUES (40, 'X1', 105, '2');"));
  QString brpde = QStringLiteral("BRPDE|2|105|NIF123|N|N||COMPANY LTD|011|MAIN STREET|1234567|SUITE 9|DOWNTOWN|99999|"
                                 "SPRINGFIELD|STATE|5551234|");
  Importa(Declaracao({QStringLiteral("RPDE|"), brpde, QStringLiteral("VRPDE|20130415|0473|100|123456|2900|10|"),
                      QStringLiteral("VRPDE|20130520|0473|100|100|||")}));
  const QString chave = Valor(QStringLiteral("SELECT TREM_ID FROM TB_REMESSA WHERE TREM_NIF = 'NIF123'"));
  EXPECT_EQ(chave, QStringLiteral("41"));
  EXPECT_EQ(Linha(QStringLiteral("SELECT TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_IN_PF_PJ, TREM_NOME, "
                                 "TREM_CD_REL_FONTE_BENEFICIARIO, COALESCE(TREM_NUMERO, ''), TREM_CIDADE, "
                                 "TREM_TELEFONE FROM TB_REMESSA WHERE TREM_ID = 41")),
            (QStringList{"105", "2", "1", "COMPANY LTD", "011", "", "SPRINGFIELD", "5551234"}));
  const QString pagamentos = QStringLiteral(
      "SELECT TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, COALESCE(TVRE_CD_FORMA_TRIBUTACAO, -1), "
      "TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF FROM TB_VALOR_REMESSA WHERE TVRE_DATA = '%1'");
  EXPECT_EQ(Linha(pagamentos.arg(QStringLiteral("2013-04-15"))),
            (QStringList{"41", "15/04/2013", "0473", "100", "10", "1234,56", "29"}));
  EXPECT_EQ(Linha(pagamentos.arg(QStringLiteral("2013-05-20"))),
            (QStringList{"41", "20/05/2013", "0473", "100", "-1", "1", "0"}));
  EXPECT_EQ(m_dados->Contagem.Remessas, 1);
}

// The waiver of the foreign tax number: only for a beneficiary without one, and only one of the
// two indicators.
struct CasoDispensa {
  const char* nif;
  const char* beneficiario;
  const char* pais;
  const char* esperado;
};
void PrintTo(const CasoDispensa& c, std::ostream* os) { *os << c.nif << '/' << c.beneficiario << c.pais; }

class DispensaDoNif : public ComGravacao, public testing::WithParamInterface<CasoDispensa> {};

TEST_P(DispensaDoNif, GuardadaComoOArquivoPermite) {
  const CasoDispensa& c = GetParam();
  Importa(Declaracao({QStringLiteral("RPDE|"),
                      QStringLiteral("BRPDE|1|105|%1|%2|%3||PERSON NAME|011||||||||").arg(c.nif, c.beneficiario, c.pais)}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COALESCE(TREM_IN_BENEF_DISPENSA_NIF, '') || COALESCE(TREM_IN_PAIS_DISPENSA_NIF, '') "
                                 "|| '/' || COALESCE(TREM_CD_REL_FONTE_BENEFICIARIO, '') FROM TB_REMESSA")),
            QString::fromLatin1(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(Indicadores, DispensaDoNif,
                         testing::Values(CasoDispensa{"", "S", "N", "SN/"}, CasoDispensa{"", "N", "S", "NS/"},
                                         CasoDispensa{"", "S", "S", "NN/"}, CasoDispensa{"", "N", "N", "NN/"},
                                         CasoDispensa{"NIF9", "S", "N", "NN/"}));

TEST_F(Secoes, InformacaoComplementarSoDeBeneficiarioExistenteEOResumoGuardadoFica) {
  Importa(Declaracao({QStringLiteral("IDREC|0561|"), QStringLiteral("BPFDEC|11144477735|MARIA SOUZA||"),
                      Mensal("RTRT", {"100"}), QStringLiteral("RRA|1||||"), QStringLiteral("IDREC|1889|"),
                      QStringLiteral("BPFRRA|98765432100|ANA ROCHA|PENSAO||"), Mensal("RTRT", {"100"})}));
  m_pasta.roda(kBanco, QStringLiteral("INSERT INTO COMPROVANTES_PF (NR_PF, Q2NT, Q4L1) VALUES ('111444777', "
                                      "'SALARIO', 10);"));
  QStringList perguntas;
  Importa(Declaracao({QStringLiteral("INF|11144477735|PAGO EM DUAS PARCELAS|"),
                      QStringLiteral("INF|98765432100|ACUMULADOS|"), QStringLiteral("INF|12345678909|NINGUEM|")}),
          [&](TDataAccess& banco, const QString& ni) {
            const bool existe = banco.ExisteBeneficiario(QStringLiteral("1"), ni) || banco.ExisteBeneficiarioRra(ni);
            perguntas << ni + (existe ? u'+' : u'-');
            return existe;
          });
  EXPECT_EQ(perguntas, (QStringList{"11144477735+", "98765432100+", "12345678909-"}));
  EXPECT_EQ(Linha(QStringLiteral("SELECT INFO_COMPL, Q2NT, Q4L1 FROM COMPROVANTES_PF WHERE NR_PF = '111444777'")),
            (QStringList{"PAGO EM DUAS PARCELAS", "SALARIO", "10"}));
  EXPECT_EQ(Valor(QStringLiteral("SELECT INFO_COMPL FROM COMPROVANTES_PF WHERE NR_PF = '987654321'")),
            QStringLiteral("ACUMULADOS"));
  EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM COMPROVANTES_PF WHERE NR_PF = '123456789'")), QStringLiteral("0"));
}

}  // namespace
