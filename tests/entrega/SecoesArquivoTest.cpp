// The sections after the declarant's lines: the indicator that lets each in (shared with the
// verification), the refusal of stored data an indicator keeps out, and the order of the blocks
// read as two walks side by side.

#include <QFileInfo>

#include "GravacaoTeste.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/SecaoLiberada.h"
#include "entrega/TBlocoInfoComp.h"
#include "nucleo/TTolv.h"

namespace {

using gravacao_teste::Caso;
using gravacao_teste::ComGravacao;

struct CasoIndicador {
  IndicadoresSecoes indicadores;
  bool fundos, processos, rraJustica, planos, remessas;
};

class Liberacao : public testing::TestWithParam<CasoIndicador> {};

TEST_P(Liberacao, CadaFichaSoComSeuIndicador) {
  const CasoIndicador& c = GetParam();
  EXPECT_EQ(SecaoLiberada(SecaoIndicada::FundosClubes, c.indicadores), c.fundos);
  EXPECT_EQ(SecaoLiberada(SecaoIndicada::Processos, c.indicadores), c.processos);
  EXPECT_EQ(SecaoLiberada(SecaoIndicada::RraJustica, c.indicadores), c.rraJustica);
  EXPECT_EQ(SecaoLiberada(SecaoIndicada::PlanosSaude, c.indicadores), c.planos);
  EXPECT_EQ(SecaoLiberada(SecaoIndicada::Remessas, c.indicadores), c.remessas);
}

INSTANTIATE_TEST_SUITE_P(
    Indicadores, Liberacao,
    testing::Values(CasoIndicador{IndicadoresSecoes::DasColunas(0, 0, 0, "N"), false, false, false, false, false},
                    CasoIndicador{IndicadoresSecoes::DasColunas(1, 0, 0, "N"), true, false, false, false, false},
                    CasoIndicador{IndicadoresSecoes::DasColunas(0, 1, 0, " N "), false, true, true, false, false},
                    CasoIndicador{IndicadoresSecoes::DasColunas(0, 0, 2, "N"), false, false, false, true, false},
                    CasoIndicador{IndicadoresSecoes::DasColunas(0, 0, 0, "S"), false, false, false, false, true},
                    CasoIndicador{IndicadoresSecoes::DasColunas(1, 1, 1, "S"), true, true, true, true, true}));

TEST(Liberacao, IndicadoresDoObjetoDaDeclaracao) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  IndicadoresSecoes i = IndicadoresSecoes::De(tolv);
  EXPECT_FALSE(i.AdmFc || i.Advogado || i.PlanoSaude || i.Remessa);
  tolv.SetInAdmFC(1);
  tolv.SetInAdvogado(1);
  tolv.SetInPlanoSaude(1);
  tolv.SetInRemessa(1);
  i = IndicadoresSecoes::De(tolv);
  EXPECT_TRUE(i.AdmFc && i.Advogado && i.PlanoSaude && i.Remessa);
}

TEST(InfoComplementar, QuebrasDeLinhaViramUmBrancoNumSoCampo) {
  EXPECT_EQ(TBlocoInfoComp::TextoDoRegistro(QStringLiteral("Primeira\r\nsegunda")), "PRIMEIRA SEGUNDA");
  EXPECT_EQ(TBlocoInfoComp::TextoDoRegistro(QStringLiteral("a\rb")), "AB");
  EXPECT_EQ(TBlocoInfoComp::TextoDoRegistro(QStringLiteral("a\n\nb d'água\n")), "A B D'AGUA");
}

// A company's declaration with one line of its own and no indicator on.
const char* const kDeclaracao = R"(
UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR, RESP_NO_CNPJ,
  RESP_PF, NM_RESP, IN_REMESSA) VALUES (1, '2', '114447770001', '2013', 'Padaria Ltda', 0, '111444777', '222333444',
  'Maria', 'N') MATCHING (TOLV_DK);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
VALUES (1, 1, '0561', '1', '012345678', 'Ana Lúcia Prates', 1000.00);
)";

class Secoes : public ComGravacao {
 protected:
  void SetUp() override {
    Prepara(Caso{QStringLiteral("11444777000161"), QStringLiteral("2013"), QStringLiteral("O"), QString(),
                 QStringLiteral("SP"), 0},
            QString::fromUtf8(kDeclaracao));
  }
  // Writes the file: its record lines, or empty with the failure's text kept.
  QList<QByteArray> Grava() {
    PedidoGravacao p = Pedido();
    m_resultado = m_arquivo.GravaArquivo(p, m_tolv);
    m_caminho = p.Arquivo;
    if (m_arquivo.GetFalhaGravacao()) return {};
    const QByteArray bytes = conteudo(p.Arquivo);
    return bytes.left(bytes.indexOf("FIMTOLV|")).split('\n');
  }
  // The lines from the first one that starts with `de` up to, not including, the first after it
  // that starts with one of `ate`.
  static QList<QByteArray> Trecho(const QList<QByteArray>& linhas, const QByteArray& de, const QList<QByteArray>& ate) {
    QList<QByteArray> r;
    bool dentro = false;
    for (QByteArray l : linhas) {
      l = l.trimmed();
      if (!dentro && l.startsWith(de)) dentro = true;
      else if (dentro)
        for (const QByteArray& fim : ate)
          if (l.startsWith(fim)) return r;
      if (dentro) r << l;
    }
    return r;
  }
  int m_resultado = -1;
  QString m_caminho;
};

struct CasoRecusa {
  const char* descricao;
  const char* sql;
  const char* trecho;  // in the refusal's text
};

class Recusa : public Secoes, public testing::WithParamInterface<CasoRecusa> {};

TEST_P(Recusa, DadosQueOIndicadorDeixaDeForaImpedemAGravacao) {
  Roda(QString::fromUtf8(GetParam().sql));
  EXPECT_TRUE(Grava().isEmpty()) << GetParam().descricao;
  EXPECT_EQ(m_resultado, 0);
  ASSERT_TRUE(m_arquivo.GetFalhaGravacao());
  const QString mensagem = m_arquivo.GetMensagemFalha();
  EXPECT_TRUE(mensagem.startsWith(QStringLiteral("A declaração não pode ser gravada:"))) << mensagem.toStdString();
  EXPECT_TRUE(mensagem.contains(QString::fromUtf8(GetParam().trecho))) << mensagem.toStdString();
  // Nothing half-written is left: the refusal comes before the first record.
  EXPECT_TRUE(Arquivos(QFileInfo(m_caminho).absolutePath()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Fichas, Recusa,
    testing::Values(
        CasoRecusa{"fundo sem o indicador de administradora",
                   "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, IN_TIPO) "
                   "VALUES (2, '2', '556667770001', 'Fundo B', 0)",
                   "a ficha \"Fundo ou clube de investimento\" tem dados gravados"},
        CasoRecusa{"processo sem o indicador de depositário",
                   "INSERT INTO FONTES (FONTE_DK, NR_PF_PJ, IN_TIPO, TIPO_PROCESSO) VALUES (2, '123', 1, '1')",
                   "\"Justiça do trabalho/federal/estadual/Distrito Federal\""},
        CasoRecusa{"rendimento acumulado da Justiça sem o indicador de depositário",
                   "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ) VALUES (1, '2', '012345678')",
                   "\"Rendimentos recebidos acumuladamente - Justiça\""},
        CasoRecusa{"operadora sem o indicador de plano de saúde",
                   "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '998887770001')",
                   "\"Plano privado de assistência à saúde - coletivo empresarial\""},
        CasoRecusa{"beneficiário no exterior com o indicador em N",
                   "INSERT INTO TB_REMESSA (TREM_ID, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) "
                   "VALUES (1, 586, '1', 'Jean')",
                   "\"Rendimentos pagos a residentes ou domiciliados no exterior\""},
        CasoRecusa{"rendimento acumulado de tipo desconhecido",
                   "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ) VALUES (1, '3', '012345678')",
                   "tem o tipo \"3\""}));

TEST_F(Secoes, IndicadorLigadoSemDadosNaoEscreveAFicha) {
  Roda(QStringLiteral("UPDATE TOLVS SET IN_ADM_FC = 1, IN_ADVOGADO = 1, IN_PLANOSAUDE = 1, IN_REMESSA = 'S'"));
  const QList<QByteArray> linhas = Grava();
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  for (const char* id : {"FCI|", "PROC|", "RRA|", "PSE|", "RPDE|", "INF|"})
    for (const QByteArray& l : linhas) EXPECT_FALSE(l.startsWith(id)) << l.toStdString();
}

TEST_F(Secoes, RendimentoAcumuladoDoDeclaranteNaoDependeDeIndicador) {
  Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, QTDE_MESES_JAN) "
                      "VALUES (1, '1', '012345678', 12)"));
  const QList<QByteArray> linhas = Grava();
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  EXPECT_EQ(Trecho(linhas, "RRA|", {"FIMTOLV"}),
            QList<QByteArray>({"RRA|1|||||", "IDREC|1889|", "BPFRRA|01234567890|ANA LUCIA PRATES|||",
                               "QTMESES|120||||||||||||", ""}));
}

TEST_F(Secoes, DependentesSeguemSeusTitularesEmCadaOperadora) {
  // Keys against the file's order everywhere: operators by number, holders by number within
  // their operator, dependants by their group and then birth date or CPF.
  Roda(QStringLiteral(R"(
UPDATE TOLVS SET IN_PLANOSAUDE = 1;
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (1, '998887770009', '111111');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (2, '998887770001', '222222');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (3, '998887770005', '333333');
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (1, 2, '300000003', 1.00);
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (2, 1, '300000001', 2.00);
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (3, 2, '300000002', 3.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_DT_NASC, TPD_VL_PAGO)
VALUES (1, 1, '1', '400000002', '20000101', 1.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_DT_NASC, TPD_VL_PAGO)
VALUES (2, 1, NULL, '400000001', '20100101', 2.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO) VALUES (3, 1, 'Zeca', '20120101', 3.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO) VALUES (4, 3, 'Bia', '19990101', 4.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO) VALUES (5, 2, 'Lia', '20050505', 5.00);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO) VALUES (6, 2, 'Rui', NULL, 6.00);
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, NM_NM_EMPR_CV) VALUES ('1', '400000002', 'Dê', 'DE');
)"));
  const QList<QByteArray> linhas = Grava();
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  // A dependant whose CPF has no name stored is written all the same, with its name empty.
  EXPECT_EQ(Trecho(linhas, "PSE|", {"FIMTOLV"}),
            QList<QByteArray>({"PSE|",
                               "OPSE|99888777000100||222222|",
                               "TPSE|30000000205||300|",
                               "DTPSE||19990101|BIA||400|",
                               "TPSE|30000000388||100|",
                               "DTPSE||20120101|ZECA||300|",
                               "DTPSE|40000000124|20100101|||200|",
                               "DTPSE|40000000205|20000101|DE||100|",
                               "OPSE|99888777000525||333333|",
                               "OPSE|99888777000959||111111|",
                               "TPSE|30000000116||200|",
                               "DTPSE|||RUI||600|",
                               "DTPSE||20050505|LIA||500|",
                               ""}));
}

TEST_F(Secoes, PagamentosSeguemSeusBeneficiariosNaOrdemDoArquivo) {
  Roda(QStringLiteral(R"(
UPDATE TOLVS SET IN_REMESSA = 'S';
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (1, 'B', 586, '2', 'Um');
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (2, NULL, 586, '1', 'Dois');
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (3, 'A', 105, '2', 'Tres');
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (4, NULL, 586, '2', 'Quatro');
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (5, 'C', 13, '2', 'Cinco');
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF)
VALUES (1, 1, '2013-05-01', '0473', 10.00, 1.50);
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF)
VALUES (2, 3, '2013-02-01', '0473', 20.00, 0);
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF)
VALUES (3, 1, '2013-01-01', '0473', 30.00, 4.50);
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF)
VALUES (4, 4, '2013-03-01', '0422', 40.00, 6.00);
)"));
  const QList<QByteArray> linhas = Grava();
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  EXPECT_EQ(Trecho(linhas, "RPDE|", {"FIMTOLV"}),
            QList<QByteArray>({"RPDE|",
                               "BRPDE|1|586||N|N||DOIS||||||||||",
                               // A country of two digits: its digits, before the three-digit ones.
                               "BRPDE|2|13|C|N|N||CINCO||||||||||",
                               "BRPDE|2|105|A|N|N||TRES||||||||||",
                               "VRPDE|20130201|0473||2000|0||",
                               "BRPDE|2|586||N|N||QUATRO||||||||||",
                               "VRPDE|20130301|0422||4000|600||",
                               "BRPDE|2|586|B|N|N||UM||||||||||",
                               "VRPDE|20130101|0473||3000|450||",
                               "VRPDE|20130501|0473||1000|150||",
                               ""}));
}

}  // namespace
