// The declaration's own sections: identification, indicators against the sections' data, the
// persons responsible and the rules for a declaration without beneficiaries of its own.

#include "VerificacaoTeste.h"
#include "entrega/ChecagensDeclaracao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "secoes/TRegistroAns.h"

namespace {

using namespace verificacao_teste;

// The findings as "E|W <code> <object> <owner> <subject>".
QStringList Achados(const TErros& erros) {
  QStringList r;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    const TErro& e = erros.GetErro(i);
    r << QStringLiteral("%1 %2 %3 %4 %5")
             .arg(e.Tipo() == 1 ? "E" : "W")
             .arg(e.Codigo())
             .arg(e.Objeto())
             .arg(e.AQuemPertence(), e.QuemEh())
             .trimmed();
  }
  return r;
}

// ---------------------------------------------------------------------------------------------
// Indicators against the sections' data.

struct CasoIndicadores {
  const char* nome;
  IndicadoresSecoes indicadores;
  FatosSecoes fatos;
  QStringList achados;
  MarcadoresSecoes marcadores;
};

MarcadoresSecoes Limpos() { return {}; }
MarcadoresSecoes Sem(bool planos, bool fundos, bool justica, bool remessas) {
  MarcadoresSecoes m;
  m.PlanosSaude = !planos;
  m.FundosClubes = !fundos;
  m.Justica = !justica;
  m.Remessas = !remessas;
  return m;
}
FatosSecoes Fatos(bool linhas, bool fundos, bool processos, bool remessas, bool planos, bool rraJus = false,
                  bool rraDec = false) {
  FatosSecoes f;
  f.LinhasProprias = linhas;
  f.AnexosFundo = fundos;
  f.AnexosProcesso = processos;
  f.Remessas = remessas;
  f.PlanosSaude = planos;
  f.RraJustica = rraJus;
  f.RraDeclarante = rraDec;
  return f;
}
IndicadoresSecoes Ind(bool admFc, bool advogado, bool plano, bool remessa) {
  return {admFc, advogado, plano, remessa};
}

class ChecaIndicadores : public testing::TestWithParam<CasoIndicadores> {};

TEST_P(ChecaIndicadores, AvisosEMarcadores) {
  const CasoIndicadores& c = GetParam();
  TErros erros;
  TTolv t;
  t.GetContribuinte().SetNi(kMatriz);
  MarcadoresSecoes m;
  VerificaIndicadores(t, c.indicadores, c.fatos, erros, m);
  EXPECT_EQ(Achados(erros), c.achados);
  EXPECT_EQ(m.PlanosSaude, c.marcadores.PlanosSaude);
  EXPECT_EQ(m.FundosClubes, c.marcadores.FundosClubes);
  EXPECT_EQ(m.Justica, c.marcadores.Justica);
  EXPECT_EQ(m.Remessas, c.marcadores.Remessas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ChecaIndicadores,
    testing::Values(
        CasoIndicadores{"Coerentes", Ind(true, true, true, true), Fatos(true, true, true, true, true), {}, Limpos()},
        CasoIndicadores{"NadaIndicadoNadaGuardado", Ind(false, false, false, false),
                        Fatos(true, false, false, false, false), {}, Limpos()},
        CasoIndicadores{"IndicadosSemFicha", Ind(true, true, true, true), Fatos(true, false, false, false, false),
                        {"W 263 53 0 cnpj", "W 32 4 1", "W 169 5 1 11.444.777/0001-61", "W 222 6 0 0"},
                        Sem(true, true, true, true)},
        CasoIndicadores{"FichasSemIndicador", Ind(false, false, false, false), Fatos(true, true, true, true, true),
                        {"W 274 0", "W 274 0", "W 274 0", "W 274 0"}, Limpos()},
        // The court's accumulated income is a process of its own.
        CasoIndicadores{"AdvogadoSoComRraDaJustica", Ind(false, true, false, false),
                        Fatos(true, false, false, false, false, true), {}, Limpos()},
        CasoIndicadores{"RraDaJusticaSemAdvogadoNaoEhInconsistente", Ind(false, false, false, false),
                        Fatos(true, false, false, false, false, true), {}, Limpos()}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// A declaration without beneficiaries of its own.

struct CasoSemBeneficiario {
  const char* nome;
  const char* tipo;
  IndicadoresSecoes indicadores;
  FatosSecoes fatos;
  QStringList achados;
};

class ChecaSemBeneficiario : public testing::TestWithParam<CasoSemBeneficiario> {};

TEST_P(ChecaSemBeneficiario, AchadoPeloTipo) {
  const CasoSemBeneficiario& c = GetParam();
  TErros erros;
  VerificaSemBeneficiario(QString::fromLatin1(c.tipo), c.indicadores, c.fatos, QStringLiteral("1"), erros);
  EXPECT_EQ(Achados(erros), c.achados);
  if (!c.achados.isEmpty()) {
    const TErro& e = erros.GetErro(0);
    EXPECT_EQ(e.GetMensagem().isEmpty(), false);
  }
}

const IndicadoresSecoes kNenhum = Ind(false, false, false, false);

INSTANTIATE_TEST_SUITE_P(
    Casos, ChecaSemBeneficiario,
    testing::Values(
        CasoSemBeneficiario{"ComLinhas", "O", kNenhum, Fatos(true, false, false, false, false), {}},
        CasoSemBeneficiario{"SoRraDoDeclarante", "O", kNenhum, Fatos(false, false, false, false, false, false, true),
                            {}},
        CasoSemBeneficiario{"OriginalVazia", "O", kNenhum, Fatos(false, false, false, false, false), {"E 89 22 1"}},
        // Health plans and processes do not count for an original.
        CasoSemBeneficiario{"OriginalSoPlanosEProcessos", "O", Ind(false, true, true, false),
                            Fatos(false, false, true, false, true), {"E 89 22 1"}},
        CasoSemBeneficiario{"OriginalComFundosIndicados", "O", Ind(true, false, false, false),
                            Fatos(false, true, false, false, false), {"W 275 22 1"}},
        CasoSemBeneficiario{"OriginalComFundosSemIndicador", "O", kNenhum, Fatos(false, true, false, false, false),
                            {"E 89 22 1"}},
        CasoSemBeneficiario{"OriginalComRemessas", "O", Ind(false, false, false, true),
                            Fatos(false, false, false, true, false), {"W 275 22 1"}},
        CasoSemBeneficiario{"RetificadoraVazia", "R", kNenhum, Fatos(false, false, false, false, false),
                            {"W 91 22 1"}},
        CasoSemBeneficiario{"RetificadoraSoPlanos", "R", Ind(false, false, true, false),
                            Fatos(false, false, false, false, true), {"E 90 22 1"}},
        CasoSemBeneficiario{"RetificadoraComFundosIndicados", "R", Ind(true, false, false, false),
                            Fatos(false, true, false, false, false), {"W 275 22 1"}},
        CasoSemBeneficiario{"RetificadoraRemessasSemIndicadorDeFundos", "R", Ind(false, false, false, true),
                            Fatos(false, false, false, true, false), {"W 275 22 1"}},
        CasoSemBeneficiario{"RetificadoraRemessasComIndicadorSemFundos", "R", Ind(true, false, false, true),
                            Fatos(false, false, false, true, false), {"W 90 22 1"}},
        CasoSemBeneficiario{"RetificadoraSoProcessos", "R", Ind(false, true, false, false),
                            Fatos(false, false, true, false, false), {"W 90 22 1"}},
        // Payments abroad and health plans stored under an indicator that is off do not count.
        CasoSemBeneficiario{"OriginalRemessasSemIndicador", "O", kNenhum, Fatos(false, false, false, true, false),
                            {"E 89 22 1"}},
        CasoSemBeneficiario{"RetificadoraRemessasSemIndicador", "R", kNenhum, Fatos(false, false, false, true, false),
                            {"W 91 22 1"}},
        CasoSemBeneficiario{"RetificadoraPlanosSemIndicador", "R", kNenhum, Fatos(false, false, false, false, true),
                            {"W 91 22 1"}},
        CasoSemBeneficiario{"RetificadoraPlanosERemessasSemIndicador", "R", Ind(false, false, true, false),
                            Fatos(false, false, false, true, true), {"E 90 22 1"}},
        // The court's accumulated income is a process.
        CasoSemBeneficiario{"RetificadoraSoRraDaJustica", "R", Ind(false, true, false, false),
                            Fatos(false, false, false, false, false, true), {"W 90 22 1"}}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// Identification: stored values that break a rule are findings, read as the loaders keep them.

struct CasoIdentificacao {
  const char* nome;
  std::function<void(TTolv&)> prepara;
  QStringList achados;
};

class ChecaIdentificacao : public testing::TestWithParam<CasoIdentificacao> {};

TEST_P(ChecaIdentificacao, Achados) {
  TErros carga;
  TTolv t;
  t.SetErros(&carga);
  t.SetFonteDK(QStringLiteral("1"));
  t.GetContribuinte().SetNi(kMatriz);
  t.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA TESTE LTDA"));
  t.SetAnoCalendario(QStringLiteral("2013"));
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
  GetParam().prepara(t);
  TErros erros;
  VerificaIdentificacao(t, erros);
  EXPECT_EQ(Achados(erros), GetParam().achados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ChecaIdentificacao,
    testing::Values(
        CasoIdentificacao{"Valida", [](TTolv&) {}, {}},
        CasoIdentificacao{"SemNome", [](TTolv& t) { t.GetContribuinte().GetNome().SetNomeComErro({}); },
                          {"E 50 10 1 11.444.777/0001-61"}},
        CasoIdentificacao{"SemAno", [](TTolv& t) { t.CarregaAnoCalendario({}); },
                          {"E 74 10 1 11.444.777/0001-61"}},
        CasoIdentificacao{"SemNatureza", [](TTolv& t) { t.SetNatureza(nullptr); },
                          {"E 189 11 1 11.444.777/0001-61"}},
        CasoIdentificacao{"DataDoEventoForaDoAno",
                          [](TTolv& t) {
                            t.SetSituacaoEspecial(1);
                            t.SetDataEvento(QStringLiteral("10/05/2012"));
                          },
                          {"E 132 10 1 11.444.777/0001-61"}},
        CasoIdentificacao{"SituacaoEspecialSemData", [](TTolv& t) { t.SetSituacaoEspecial(1); },
                          {"E 127 46 1 11.444.777/0001-61"}}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// The run: the declaration's sections in their order, each with its title row.

class SecoesDeclaracao : public ComIndice {
 protected:
  QStringList Executa(const QString& ni) {
    m_run.SetDeclaracoes({Entrada(ni)});
    m_run.SetServicos(&m_servicos);
    int contador = 0;
    EXPECT_TRUE(m_run.ExecutarVerificacao(contador));
    return Textos(m_run.GetLinhas());
  }
  ServicosFalsos m_servicos;
  TVerificacaoPendencias m_run;
};

TEST_F(SecoesDeclaracao, OrdemDasSecoesComSeusTitulos) {
  Cria(kMatriz, 0, true, false, QStringLiteral("EMPRESA TESTE LTDA"), QString());
  const QStringList linhas = Executa(kMatriz);
  ASSERT_GE(linhas.size(), 2);
  EXPECT_EQ(linhas.mid(1), QStringList({"10Identificação do declarante",
                                        "W 4 1  Instituição administradora ou intermediadora de fundos ou clubes sem "
                                        "o preenchimento da respectiva ficha.",
                                        "20Responsável pelo preenchimento da declaração",
                                        "10Responsável perante o CNPJ",
                                        "E 12 1 11.444.777/0 CPF do responsável perante o CNPJ inválido ou não "
                                        "informado.",
                                        "10Beneficiários",
                                        "E 22 1  Não é permitida a entrega de declaração original sem beneficiário."}))
      << linhas.join(u'\n').toStdString();
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------------------------
// Health plans: operators, holders and dependants read together, each finding under its rows.

TEST_F(SecoesDeclaracao, PlanosDeSaude) {
  m_ajusta = [](TTolv& t) { t.SetInPlanoSaude(1); };
  Cria(kMatriz);
  const QString ans = QStringLiteral("12345") + TRegistroAns::CalculaDV(QStringLiteral("12345"));
  const QString ansErrado = QStringLiteral("12345") + QString::number((TRegistroAns::CalculaDV("12345").toInt() + 1) % 10);
  Roda(kMatriz, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('2', '123456780001', 'OPERADORA UM');
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('2', '987654320001', 'OPERADORA TRES');
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '529982247', 'BELTRANO DA SILVA');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (1, '2', '123456780001', '%1');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (2, '2', '112223330001', ' ');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (3, '2', '987654320001', '%2');
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_IN_PF_PJ, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (10, 1, '1', '111444777', 0);
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_IN_PF_PJ, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (11, 3, '1', '529982247', 100);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_VL_PAGO) VALUES (20, 11, '', 0);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_DT_NASC, TPD_VL_PAGO)
  VALUES (21, 11, '1', '529982247', '20000101', 50);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO)
  VALUES (22, 11, 'CICLANO DE TAL', '20140101', 99999999999);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO)
  VALUES (23, 11, 'DEPENDENTE QUATRO', '20000230', 10);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO)
  VALUES (24, 11, 'DEPENDENTE CINCO', '0230', 10);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO)
  VALUES (25, 11, 'DEPENDENTE SEIS', '20010229', 10);
)").arg(ans, ansErrado));
  const QStringList linhas = Executa(kMatriz);
  const qsizetype inicio = linhas.indexOf(QStringLiteral("20Beneficiários"));
  ASSERT_GE(inicio, 0) << linhas.join(u'\n').toStdString();
  EXPECT_EQ(linhas.mid(inicio + 1),
            QStringList({
                "20Rendimentos recebidos acumuladamente - Declarante",
                "3012.345.678/0001-95  Plano privado de assistência à saúde - coletivo empresarial",
                "10Titular - 111.444.777-35 - FULANO DE TAL",
                "W 55 10 valor O valor pago no ano referente ao titular igual a zero.",
                "E 55 10 valor Titular sem dependente e informado com valor pago no ano igual a zero.",
                "3011.222.333/0001-81  Plano privado de assistência à saúde - coletivo empresarial",
                "E 54 2 ans Número de registro na ANS ausente.",
                "E 54 2 nome Nome não informado.",
                "E 54 2 cnpj Operadora de plano de saúde sem titular cadastrado.",
                "3098.765.432/0001-98  Plano privado de assistência à saúde - coletivo empresarial",
                "E 54 3 ans Registro ANS inválido.",
                "10Titular - 529.982.247-25 - BELTRANO DA SILVA",
                "10         Dependente - ",
                "W 56 20 cpf CPF e data de nascimento do dependente não informados.",
                "E 56 20 nome Nome inválido ou ausente.",
                "E 56 20 valor O valor pago no ano para o(a) dependente não pode ser igual a zero.",
                "10         Dependente - BELTRANO DA SILVA",
                "E 56 21 cpf CPF do dependente igual ao do titular.",
                "10         Dependente - CICLANO DE TAL",
                // A birth after the calendar year.
                "E 56 22 dt_nasciment Ano inválido.",
                "E 56 22 valor Valor superior a R$ 9.999.999,99.",
                // An impossible date is named in its message, as stored when it is not a full date.
                "10         Dependente - DEPENDENTE QUATRO",
                "E 56 23 dt_nasciment Data inválida: 30/02/2000.",
                "10         Dependente - DEPENDENTE CINCO",
                "E 56 24 dt_nasciment Data inválida: 0230.",
                "10         Dependente - DEPENDENTE SEIS",
                "W 56 25 dt_nasciment Verifique dia, mês e ano da data de nascimento.",
            }))
      << linhas.join(u'\n').toStdString();
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------------------------
// The indicator off: the section is neither checked nor written, and the data it keeps out is
// flagged under the identification.
TEST_F(SecoesDeclaracao, RemessasSemIndicadorNaoSaoVerificadas) {
  Cria(kMatriz);
  Roda(kMatriz, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) VALUES (1, 'B', 586, '2', 'Um');
)"));
  const QStringList linhas = Executa(kMatriz);
  EXPECT_EQ(linhas.mid(1, 2),
            QStringList({"10Identificação do declarante",
                         "W 0   Declaração inconsistente. Feche e abra novamente a declaração para recuperação "
                         "automática de consistência."}))
      << linhas.join(u'\n').toStdString();
  EXPECT_FALSE(linhas.contains(QStringLiteral("10Beneficiário - Um")));
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------------------------
// A declaration without beneficiaries of its own, as the run finds it in its database: what its
// sections hold counts under their indicators.

struct CasoSemBeneficiarioNoBanco {
  const char* nome;
  const char* tipo;
  bool advogado;
  bool planoSaude;
  bool remessa;
  const char* sql;
  const char* achado;
};

class SemBeneficiarioNoBanco : public SecoesDeclaracao,
                               public testing::WithParamInterface<CasoSemBeneficiarioNoBanco> {};

TEST_P(SemBeneficiarioNoBanco, AchadoSobBeneficiarios) {
  const CasoSemBeneficiarioNoBanco& c = GetParam();
  m_ajusta = [&c](TTolv& t) {
    t.SetTipoDeclaracao(QString::fromLatin1(c.tipo));
    t.SetInPlanoSaude(c.planoSaude ? 1 : 0);
    t.SetInRemessa(c.remessa ? 1 : 0);
  };
  Cria(kMatriz, 0, false, c.advogado);
  Roda(kMatriz, QString::fromLatin1(c.sql));
  const QStringList linhas = Executa(kMatriz);
  const qsizetype i = linhas.indexOf(QStringLiteral("10Beneficiários"));
  ASSERT_GE(i, 0) << linhas.join(u'\n').toStdString();
  ASSERT_LT(i + 1, linhas.size());
  EXPECT_EQ(linhas[i + 1], QString::fromUtf8(c.achado)) << linhas.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SemBeneficiarioNoBanco,
    testing::Values(
        CasoSemBeneficiarioNoBanco{
            "OriginalComRemessasSemIndicador", "O", false, false, false,
            "INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) "
            "VALUES (1, 'B', 586, '2', 'Um')",
            "E 22 1  Não é permitida a entrega de declaração original sem beneficiário."},
        CasoSemBeneficiarioNoBanco{
            "RetificadoraComOperadorasSemIndicador", "R", false, false, false,
            "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) "
            "VALUES (1, '2', '123456780001', '123456')",
            "W 22 1  Tolv sem beneficiário exclui a declaração entregue anteriormente."},
        CasoSemBeneficiarioNoBanco{
            "RetificadoraSoComRraDaJustica", "R", true, false, false,
            "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ) VALUES (1, '2', '111444777')",
            "W 22 1  Não é permitida a entrega de declaração sem beneficiário."}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

namespace {

// A health-plan name that breaks its rule is told by its message alone, without the name.
TEST_F(SecoesDeclaracao, NomesDosPlanosDeSaudeSemArgumento) {
  m_ajusta = [](TTolv& t) { t.SetInPlanoSaude(1); };
  Cria(kMatriz);
  const QString ans = QStringLiteral("12345") + TRegistroAns::CalculaDV(QStringLiteral("12345"));
  Roda(kMatriz, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('2', '123456780001', 'OP');
INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '529982247', 'BELTRANO 2');
INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (1, '2', '123456780001', '%1');
INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_IN_PF_PJ, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (10, 1, '1', '529982247', 100);
INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME, TPD_DT_NASC, TPD_VL_PAGO) VALUES (20, 10, 'CICLANO 3', '20000101', 10);
)").arg(ans));
  const QStringList linhas = Executa(kMatriz);
  const qsizetype inicio = linhas.indexOf(QStringLiteral("3012.345.678/0001-95  Plano privado de assistência à saúde - coletivo empresarial"));
  ASSERT_GE(inicio, 0) << linhas.join(u'\n').toStdString();
  EXPECT_EQ(linhas.mid(inicio + 1, 5),
            QStringList({"E 54 1 nome Nome empresarial incompleto ou inválido.",
                         "10Titular - 529.982.247-25 - BELTRANO 2",
                         "E 55 10 nome Não são válidos algarismos (0,1 ... 9) no Nome.",
                         "10         Dependente - CICLANO 3",
                         "E 56 20 nome Não são válidos algarismos (0,1 ... 9) no Nome."}))
      << linhas.join(u'\n').toStdString();
}

}  // namespace
