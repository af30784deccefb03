#include <gtest/gtest.h>

#include "PlanoSaudeEditorTeste.h"
#include "nucleo/Erros.h"
#include "secoes/TModeloDependentes.h"
#include "secoes/TzuqDependentePlanoSaudeDAO.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqRelacaoDependenciaDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {

struct CasoCelula {
  const char* nome;
  int coluna;
  const char* texto;
  int codigo;          // 0: taken
  const char* mostra;  // the cell's text once taken
  bool aviso;          // a warning was shown
};

// A holder of the fixture with one dependant; the cell typed is in a new row.
class CelulaDependente : public plano_saude_teste::ComEditor, public testing::WithParamInterface<CasoCelula> {};

TEST_P(CelulaDependente, ChecksTheTextAsTheGridStoresIt) {
  const CasoCelula& c = GetParam();
  Semeia();
  TzuqPlanoSaude operadora(m_tolv);
  operadora.SetId(m_op1);
  TzuqTitularPlanoSaude titular(operadora);
  titular.SetId(m_ana);
  titular.GetContribuinte().SetNi(QStringLiteral("52998224725"));
  TzuqDependentePlanoSaudeDAO dao;
  TzuqPlanoSaudeDAO daoOperadora;
  TModeloDependentes modelo;
  modelo.DefineArmazenamento(&dao, &daoOperadora);
  modelo.DefineDeclaracao(QStringLiteral("2013"), false, {});
  modelo.DefineRelacoes(TzuqRelacaoDependenciaDAO().ConsultaTodas());
  modelo.Carrega(&titular);
  ASSERT_EQ(modelo.Quantidade(), 2);
  ASSERT_TRUE(modelo.Acrescenta());
  const int lin = TModeloDependentes::LinhaGrade(2);
  int codigo = 0;
  try {
    modelo.Grava(c.coluna, lin, QString::fromUtf8(c.texto));
  } catch (const TErro& e) {
    codigo = e.Codigo();
  }
  EXPECT_EQ(codigo, c.codigo);
  if (codigo == 0) EXPECT_EQ(modelo.GetTextoCelula(c.coluna, lin), QString::fromUtf8(c.mostra));
  else EXPECT_EQ(modelo.GetTextoCelula(c.coluna, lin), "");
  EXPECT_EQ(m_caixa.chamadas().size(), c.aviso ? 1u : 0u);
  // The warning names no date: its text has no place for one.
  if (c.aviso && !m_caixa.chamadas().empty()) {
    EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Verifique dia, mês e ano da data de nascimento."));
    EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Aviso"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Celulas, CelulaDependente,
    testing::Values(CasoCelula{"CpfValido", TModeloDependentes::ColCpf, "11144477735", 0, "111.444.777-35", false},
                    CasoCelula{"CpfInvalido", TModeloDependentes::ColCpf, "11144477700", 35, "", false},
                    CasoCelula{"CpfDoTitular", TModeloDependentes::ColCpf, "52998224725", 252, "", false},
                    CasoCelula{"CpfDeOutroDependente", TModeloDependentes::ColCpf, "12345678909", 258, "", false},
                    CasoCelula{"NomeComSimbolo", TModeloDependentes::ColNome, "JO#O", 82, "", false},
                    CasoCelula{"DataDoisDigitos", TModeloDependentes::ColDtNascimento, "150310", 0, "15/03/2010", false},
                    CasoCelula{"DataDoisDigitosDoSeculoPassado", TModeloDependentes::ColDtNascimento, "150311", 0, "15/03/1911", false},
                    CasoCelula{"VinteNoveDeAnoDeDoisDigitos", TModeloDependentes::ColDtNascimento, "290210", 0, "29/02/2010", true},
                    CasoCelula{"DataQuatroDigitos", TModeloDependentes::ColDtNascimento, "01011990", 0, "01/01/1990", false},
                    CasoCelula{"DataInexistente", TModeloDependentes::ColDtNascimento, "31042000", 251, "", false},
                    CasoCelula{"AnoAntigo", TModeloDependentes::ColDtNascimento, "01011850", 250, "", false},
                    CasoCelula{"AnoAnterior1901", TModeloDependentes::ColDtNascimento, "31121900", 0, "31/12/1900", false},
                    CasoCelula{"BissextoQueNaoE", TModeloDependentes::ColDtNascimento, "29022013", 0, "29/02/2013", true},
                    CasoCelula{"Relacao", TModeloDependentes::ColRelacao, "04", 0, "04 - Filho(a)", false},
                    CasoCelula{"RelacaoInexistente", TModeloDependentes::ColRelacao, "01", 257, "", false},
                    CasoCelula{"Valor", TModeloDependentes::ColValor, "1234,567", 0, "1.234,56", false}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(CelulaDependente, EscapeAsksBeforeGivingUpTheRowBeingTyped) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  p.Posicionar(QString::number(m_ana), QStringLiteral("55"), QStringLiteral("cpf"));
  Clica(W("btnIncluiDependente"));
  TGradeDependentes& g = p.Grade();
  ASSERT_EQ(g.Dependentes().Quantidade(), 3);
  m_caixa.responde(ResultadoMensagem::Nao);
  QTest::keyClick(&g, Qt::Key_Escape);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, "Deseja cancelar as alterações?");
  EXPECT_EQ(m_caixa.ultima().titulo, "Cancelar");
  EXPECT_EQ(g.Dependentes().Quantidade(), 3);
  m_caixa.responde(ResultadoMensagem::Sim);
  QTest::keyClick(&g, Qt::Key_Escape);
  EXPECT_EQ(g.Dependentes().Quantidade(), 2);
  EXPECT_EQ(g.Dependentes().Pendente(), -1);
  EXPECT_EQ(Conta("TB_PS_DEPENDENTE"), 2);
}

}  // namespace
