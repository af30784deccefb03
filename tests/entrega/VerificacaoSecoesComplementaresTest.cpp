// The sections outside the beneficiary lines: accumulated income of both kinds and the payments
// abroad, each under its titles, and the gates they share with the file's writer.

#include <QRegularExpression>

#include "VerificacaoTeste.h"
#include "entrega/TVerificacaoPendencias.h"
#include "entrega/VerificacaoSecoesComplementares.h"
#include "secoes/RemessaFalsas.h"

namespace {

using namespace verificacao_teste;

// A company's declaration with one clean line of its own, so that only the section under test
// has findings.
class SecoesComplementares : public ComIndice {
 protected:
  QStringList Executa(const QString& sql, bool advogado = false, bool remessa = false) {
    m_ajusta = [&](TTolv& t) {
      t.SetInAdvogado(advogado ? 1 : 0);
      t.SetInRemessa(remessa ? 1 : 0);
    };
    Cria(kMatriz);
    Roda(kMatriz, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
)") + sql);
    m_run.SetDeclaracoes({Entrada(kMatriz)});
    m_run.SetServicos(&m_servicos);
    int contador = 0;
    EXPECT_TRUE(m_run.ExecutarVerificacao(contador));
    m_contador = contador;
    const QStringList linhas = Textos(m_run.GetLinhas());
    const qsizetype inicio = linhas.indexOf(QStringLiteral("20Beneficiários"));
    EXPECT_GE(inicio, 0) << linhas.join(u'\n').toStdString();
    return linhas.mid(inicio + 1);
  }
  ServicosFalsos m_servicos;
  TVerificacaoPendencias m_run;
  int m_contador = 0;
};

// ---------------------------------------------------------------------------------------------
// Accumulated income of both kinds: one item per case, with the titles the run writes around it.

struct CasoRra {
  const char* nome;
  const char* sql;
  bool advogado;
  QStringList esperadas;
};

void PrintTo(const CasoRra& c, std::ostream* os) { *os << c.nome; }

const char* const kBeltrano =
    "INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '529982247', 'BELTRANO DA SILVA');\n";

class ChecaRra : public SecoesComplementares, public testing::WithParamInterface<CasoRra> {};

TEST_P(ChecaRra, LinhasDaSecao) {
  const CasoRra& caso = GetParam();
  const QStringList linhas = Executa(QLatin1String(kBeltrano) + QLatin1String(caso.sql), caso.advogado);
  EXPECT_EQ(linhas, caso.esperadas) << linhas.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rra, ChecaRra,
    testing::Values(
        CasoRra{"declarante_limpo",
                "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, VL_RENDIME_MAR, QTDE_MESES_MAR) "
                "VALUES (1, '1', '529982247', 'SALARIOS ATRASADOS', 1000, 2)",
                false,
                {"20Rendimentos recebidos acumuladamente - Declarante"}},
        CasoRra{"declarante_natureza_e_valores",
                "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (2, '1', '529982247', "
                "'XXXX')",
                false,
                {"11Rendimentos recebidos acumuladamente - Declarante", "13529.982.247-25 - BELTRANO DA SILVA",
                 "E 57 2 natureza Natureza dos rendimentos recebidos acumuladamente inválida.",
                 "E 57 2 valores Valores iguais a zero em todos os meses."}},
        CasoRra{"declarante_molestia_sem_laudo",
                "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, IN_MOLESTIA, VL_MOLESTIA_FEV, "
                "QTDE_MESES_FEV) VALUES (3, '1', '529982247', 'APOSENTADORIA', 'S', 10, 1)",
                false,
                {"11Rendimentos recebidos acumuladamente - Declarante", "13529.982.247-25 - BELTRANO DA SILVA",
                 "W 57 3 data Data do laudo não informada."}},
        CasoRra{"justica_sem_processo_e_cpf_invalido",
                "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, VL_RENDIME_FEV, "
                "QTDE_MESES_FEV) VALUES (4, '2', '111111111', 'APOSENTADORIA', 10, 1)",
                true,
                {"20Rendimentos recebidos acumuladamente - Declarante",
                 "20Justiça do trabalho/federal/estadual/Distrito Federal",
                 "11Rendimentos recebidos acumuladamente - Justiça", "13111.111.111-11 - ",
                 "E 58 4 cpfBeneficia CPF inválido.", "E 58 4 nomeBenefici Nome deve ter no mínimo duas letras.",
                 "E 58 4 processo Número de processo obrigatório."}},
        // The court's items go with the processes' indicator, as the file's writer takes them.
        CasoRra{"justica_sem_indicador_nao_eh_verificada",
                "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (5, '2', '111111111', "
                "'XXXX')",
                false,
                {"20Rendimentos recebidos acumuladamente - Declarante"}}),
    [](const testing::TestParamInfo<CasoRra>& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// Payments abroad: each beneficiary's findings under its row, each line's under its date.

struct CasoRemessa {
  const char* nome;
  const char* sql;
  QStringList esperadas;
};

void PrintTo(const CasoRemessa& c, std::ostream* os) { *os << c.nome; }

class ChecaRemessas : public SecoesComplementares, public testing::WithParamInterface<CasoRemessa> {};

TEST_P(ChecaRemessas, LinhasDaSecao) {
  const CasoRemessa& caso = GetParam();
  const QStringList linhas = Executa(QLatin1String(caso.sql), false, true);
  EXPECT_EQ(linhas, caso.esperadas) << linhas.join(u'\n').toStdString();
}

const char* const kBeneficiarioLimpo =
    "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
    "TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (1, 'B123', 586, '1', 'JEAN PIERRE', '500');\n";

INSTANTIATE_TEST_SUITE_P(
    Remessas, ChecaRemessas,
    testing::Values(
        CasoRemessa{"sem_linhas",
                    "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
                    "TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (1, 'B123', 586, '1', 'JEAN PIERRE', '500');",
                    {"20Rendimentos recebidos acumuladamente - Declarante",
                     "09Rendimentos pagos a residentes ou domiciliados no exterior", "10Beneficiário - JEAN PIERRE",
                     "E 8 1 0 Preencha valores e dados sobre rendimentos pagos."}},
        CasoRemessa{"pais_inexistente_e_sem_nif",
                    "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
                    "TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (2, NULL, 9999, '1', 'DOIS', '500');\n"
                    "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, "
                    "TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) "
                    "VALUES (1, 2, '2013-05-01', '0473', 110, 10, 10.00, 1.50);",
                    {"20Rendimentos recebidos acumuladamente - Declarante",
                     "09Rendimentos pagos a residentes ou domiciliados no exterior", "10Beneficiário - DOIS",
                     "E 7 2 1 Código de país não existe.",
                     "E 7 2 3 Preenchimento do campo NIF ou do Motivo do não preenchimento obrigatório.",}},
        CasoRemessa{"linha_sem_data_nem_valor",
                    "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
                    "TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (1, 'B123', 586, '1', 'JEAN PIERRE', '500');\n"
                    "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, "
                    "TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) "
                    "VALUES (1, 1, '2013-05-01', '0473', 110, 10, 10.00, 1.50);\n"
                    "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, "
                    "TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) "
                    "VALUES (2, 1, NULL, '0473', 110, 10, 0, 1.50);",
                    {"20Rendimentos recebidos acumuladamente - Declarante",
                     "09Rendimentos pagos a residentes ou domiciliados no exterior", "10Beneficiário - JEAN PIERRE",
                     "10         Data - ", "E 8 1 0 Data do pagamento inválida.",
                     "E 8 1 1 Rendimento pago não pode ser igual a zero."}},
        CasoRemessa{"limpa",
                    "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
                    "TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (1, 'B123', 586, '1', 'JEAN PIERRE', '500');\n"
                    "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, "
                    "TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) "
                    "VALUES (1, 1, '2013-05-01', '0473', 110, 10, 10.00, 1.50);",
                    {"20Rendimentos recebidos acumuladamente - Declarante",
                     "20Rendimentos pagos a residentes ou domiciliados no exterior"}}),
    [](const testing::TestParamInfo<CasoRemessa>& info) { return std::string(info.param.nome); });

// Every item of the sections counts as checked: two payments with three lines and two items.
TEST_F(SecoesComplementares, ContaCadaItemDasSecoes) {
  Executa(QLatin1String(kBeltrano) + QLatin1String(kBeneficiarioLimpo) + QStringLiteral(R"(
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (2, 'C', 586, '1', 'DOIS');
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO) VALUES (1, 1, '2013-05-01', '0473', 1);
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO) VALUES (2, 1, '2013-06-01', '0473', 1);
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_VL_RENDIMENTO_PAGO) VALUES (3, 2, '2013-06-01', '0473', 1);
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (1, '1', '529982247', 'XXXX');
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (2, '1', '529982247', 'YYYY');
)"),
          false, true);
  // The line of the declarant, two items, two payments and their three lines.
  EXPECT_EQ(m_contador, 1 + 2 + 2 + 3);
  EXPECT_EQ(m_run.GetVerificados(), m_contador);
}

}  // namespace

namespace {

// A stop asked while an item is listed ends the section before the next one, and no clean
// section is announced after it.
TEST_F(SecoesComplementares, ParadaTerminaASecaoNoItemEmCurso) {
  bool pedida = false;
  QObject::connect(&m_run, &TVerificacaoPendencias::LinhasMudaram, [&] {
    const std::vector<LinhaVerificacao>& linhas = m_run.GetLinhas();
    if (!pedida && !linhas.empty() && linhas.back().quemEh == QStringLiteral("natureza")) {
      pedida = true;
      m_run.Para();
    }
  });
  const QStringList linhas = Executa(QLatin1String(kBeltrano) + QStringLiteral(R"(
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (1, '1', '529982247', 'XXXX');
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES (2, '1', '529982247', 'YYYY');
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (1, 'C', 586, '1', 'DOIS');
)"),
                                     false, true);
  EXPECT_TRUE(pedida);
  EXPECT_EQ(linhas.filter(QStringLiteral("natureza")).size(), 1) << linhas.join(u'\n').toStdString();
  EXPECT_TRUE(linhas.filter(QStringLiteral("Beneficiário - DOIS")).isEmpty());
  EXPECT_TRUE(linhas.filter(QRegularExpression(QStringLiteral("^20"))).isEmpty());
  EXPECT_TRUE(m_run.GetInterrompido());
}

}  // namespace

namespace {

// The declaration's reference tables are asked once per code for the whole walk, never once per
// beneficiary or line.
TEST(ConsultasDaVerificacao, PerguntaUmaVezPorCodigo) {
  remessa_teste::ConsultasFalsas banco;
  banco.paises = {586};
  ConsultasDaVerificacao consultas(banco);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(consultas.ExistePais(586));
    EXPECT_FALSE(consultas.ExistePais(9999));
    EXPECT_FALSE(consultas.ExisteRelacao(QStringLiteral("999")));
    EXPECT_FALSE(consultas.ExisteTipoRendimento(QStringLiteral("777")));
  }
  EXPECT_EQ(banco.perguntasBanco, 4);
}

}  // namespace
