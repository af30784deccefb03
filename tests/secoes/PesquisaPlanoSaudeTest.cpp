#include <gtest/gtest.h>

#include <QTableWidget>

#include "PlanoSaudeEditorTeste.h"
#include "secoes/PesquisaPlanoSaude.h"
#include "secoes/TTitularesOperadora.h"
#include "secoes/TfrmPesquisarPlanoSaude.h"
#include "secoes/TfrmPesquisarPlanoSaudeTitular.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {

using plano_saude_teste::ComEditor;

// The operators of the fixture, as the editor lists them.
const std::vector<TLinhaOperadora> kOperadoras{
    {1, QStringLiteral("112223330001"), QStringLiteral("12345-5"), QStringLiteral("SAUDE BOA LTDA")},
    {2, QStringLiteral("112229990001"), QStringLiteral("00006-0"), QStringLiteral("Saude Plena SA")},
    {3, QStringLiteral("334445550001"), QStringLiteral("00001-1"), QStringLiteral("VIDA PLENA SA")},
};

struct CasoOperadoras {
  const char* nome;
  const char* cnpj;
  const char* registro;
  const char* empresa;
  std::vector<int> ids;
};

class PesquisaOperadoras : public testing::TestWithParam<CasoOperadoras> {};

TEST_P(PesquisaOperadoras, ListsTheOperatorsWhoseColumnsBeginWithTheCriteria) {
  const CasoOperadoras& c = GetParam();
  std::vector<int> ids;
  for (int i : PesquisaPlanoSaude::FiltraOperadoras(
           kOperadoras, {QString::fromLatin1(c.cnpj), QString::fromLatin1(c.registro), QString::fromUtf8(c.empresa)}))
    ids.push_back(kOperadoras[size_t(i)].id);
  EXPECT_EQ(ids, c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Criterios, PesquisaOperadoras,
    testing::Values(CasoOperadoras{"Nenhum", "", "", "", {1, 2, 3}}, CasoOperadoras{"RaizDoCnpj", "112", "", "", {1, 2}},
                    CasoOperadoras{"BaseDoCnpj", "112223330001", "", "", {1}},
                    // A complete CNPJ finds its operator as its base does.
                    CasoOperadoras{"CnpjCompleto", "11222333000181", "", "", {1}},
                    CasoOperadoras{"CnpjCompletoDeOutro", "11222333000262", "", "", {}},
                    CasoOperadoras{"CnpjComDigitosErrados", "11222333000182", "", "", {}},
                    CasoOperadoras{"RegistroParcial", "", "12345", "", {1}},
                    CasoOperadoras{"RegistroCompleto", "", "123455", "", {1}},
                    CasoOperadoras{"RegistroCompletoErrado", "", "123456", "", {}},
                    CasoOperadoras{"RegistroZeros", "", "0000", "", {2, 3}},
                    CasoOperadoras{"NomeMaiusculas", "", "", "SAUDE", {1}},
                    CasoOperadoras{"NomeSemMaiusculas", "", "", "saude", {}},
                    CasoOperadoras{"NomeNoMeio", "", "", "PLENA", {}},
                    CasoOperadoras{"Todos", "112", "00006", "Saude", {2}},
                    CasoOperadoras{"TodosSemComum", "112", "00001", "", {}}),
    [](const auto& info) { return std::string(info.param.nome); });

class PesquisaDialogos : public ComEditor {};

TEST_F(PesquisaDialogos, TheOperatorSearchListsNothingBeforeTheFirstSearchAndGoesToThePick) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  TfrmPesquisarPlanoSaude d(&p);
  std::vector<QStringList> idas;
  d.Prepara(p.Operadoras(), [&](const QString& chave, const QString& tela, const QString& campo) {
    idas.push_back({chave, tela, campo});
    p.Posicionar(chave, tela, campo);
  });
  d.show();
  EXPECT_EQ(d.Grade().rowCount(), 0);
  EXPECT_FALSE(d.PodePosicionar());
  QString errado = plano_saude_teste::Cnpj("334445550001");
  errado[13] = errado[13] == u'9' ? u'8' : u'9';
  d.isfCNPJ->setText(errado);
  d.Executar();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(292, {}));
  EXPECT_EQ(m_caixa.ultima().titulo, "Aviso");
  EXPECT_FALSE(d.PodePosicionar());
  d.isfCNPJ->setText(plano_saude_teste::Cnpj("334445550001"));
  d.Executar();
  ASSERT_EQ(d.Grade().rowCount(), 1);
  EXPECT_EQ(d.Grade().item(0, 0)->text(), TNiContribuinte::FormataNi(plano_saude_teste::Cnpj("334445550001")));
  EXPECT_EQ(d.Grade().item(0, 1)->text(), "00006-0");
  EXPECT_TRUE(d.PodePosicionar());
  d.Posicionar();
  ASSERT_EQ(idas.size(), 1u);
  EXPECT_EQ(idas[0], (QStringList{QString::number(m_op2), "54", "cnpj"}));
  EXPECT_EQ(p.Operadora().GetId(), m_op2);
  d.Limpar();
  EXPECT_EQ(d.Grade().rowCount(), 0);
  EXPECT_FALSE(d.PodePosicionar());
}

struct CasoTitulares {
  const char* nome;
  const char* cpf;
  const char* titular;
  int achados;
};

class PesquisaTitulares : public ComEditor, public testing::WithParamInterface<CasoTitulares> {};

TEST_P(PesquisaTitulares, ListsTheHoldersOfTheOperatorOnThePage) {
  const CasoTitulares& c = GetParam();
  Semeia();
  // A holder of the other operator never shows.
  Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_TITULAR(%1, '1', '529982247', 5, 'ANA SOUZA')").arg(m_op2));
  TfrmPlanoSaude& p = Abre();
  ASSERT_EQ(p.Operadora().GetId(), m_op1);
  TfrmPesquisarPlanoSaudeTitular d(&p);
  QString escolhido;
  ASSERT_TRUE(d.Prepara(p.Titulares(), m_op1, [&](const QString& chave, const QString&, const QString&) { escolhido = chave; }));
  d.show();
  d.isfCPF->setText(QString::fromLatin1(c.cpf));
  d.isfNome->setText(QString::fromUtf8(c.titular));
  d.Executar();
  EXPECT_EQ(d.Grade().rowCount(), c.achados);
  EXPECT_EQ(d.PodePosicionar(), c.achados > 0);
  EXPECT_EQ(m_caixa.chamadas().size(), c.achados > 0 ? 0u : 1u);
  if (c.achados > 0) {
    d.Posicionar();
    EXPECT_FALSE(escolhido.isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(Criterios, PesquisaTitulares,
                         testing::Values(CasoTitulares{"Nenhum", "", "", 2}, CasoTitulares{"RaizDoCpf", "529", "", 1},
                                         CasoTitulares{"CpfCompleto", "52998224725", "", 1},
                                         CasoTitulares{"CpfComDigitosErrados", "52998224700", "", 0},
                                         CasoTitulares{"Nome", "", "BRUNO", 1}, CasoTitulares{"NomeMinusculo", "", "bruno", 0},
                                         CasoTitulares{"CpfENome", "111", "BRUNO L", 1},
                                         CasoTitulares{"CpfDeUmNomeDeOutro", "529", "BRUNO", 0}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(PesquisaDialogos, TheHolderSearchIsNotShownForAnOperatorNotStored) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  TfrmPesquisarPlanoSaudeTitular d(&p);
  EXPECT_FALSE(d.Prepara(p.Titulares(), 0, {}));
  d.Pesquisa(p.Titulares(), 0, {});
  EXPECT_FALSE(d.isVisible());
}

}  // namespace
