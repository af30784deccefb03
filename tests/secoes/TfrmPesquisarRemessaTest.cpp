#include <QComboBox>
#include <QLineEdit>
#include <QSet>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "controles/TTolvButton.h"
#include "secoes/RemessaBancoTeste.h"
#include "secoes/TModeloPesquisaRemessa.h"
#include "secoes/TfrmPesquisarRemessa.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ComBancoRemessa;

// Five beneficiaries: a person with a CPF stored as its base, a company with a CNPJ stored whole
// (its check digits wrong), one with an apostrophe in the name, one without a matching country
// and one in Argentina.
class PesquisaRemessa : public ComBancoRemessa {
 protected:
  void SetUp() override {
    ComBancoRemessa::SetUp();
    Insere(1, "1", 586, "PY-100", "12345678909", "Maria Souza");
    Insere(2, "2", 586, "PY-200", "11444777000100", "Empresa Guarani SA");
    Insere(3, "1", 586, "AR-300", "", "Joana D'Arc");
    Insere(4, "1", 999, "PY-400", "", "Sem País");
    Insere(5, "2", 63, "py-500", "11444777000161", "Empresa Porteña");
  }
  void Insere(int id, const char* tipo, int pais, const char* nif, const char* ni, const char* nome) {
    Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais, trem_nif, trem_ni, "
                        "trem_nome) values (%1, '%2', %3, '%4', nullif('%5', ''), '%6')")
             .arg(id)
             .arg(QString::fromLatin1(tipo))
             .arg(pais)
             .arg(QString::fromUtf8(nif), QString::fromUtf8(ni), QString::fromUtf8(nome).replace('\'', "''")));
  }
  static QSet<int> Achados(TModeloPesquisaRemessa& m) {
    QSet<int> r;
    while (m.canFetchMore({})) m.fetchMore({});
    for (int i = 0; i < m.rowCount(); ++i) r.insert(m.Id(i));
    return r;
  }
};

struct CasoPesquisa {
  const char* nome;
  CriteriosPesquisaRemessa criterios;
  QSet<int> achados;
};

class PesquisaCriterios : public PesquisaRemessa, public testing::WithParamInterface<CasoPesquisa> {};

TEST_P(PesquisaCriterios, AchaOsBeneficiariosDoCriterio) {
  TModeloPesquisaRemessa modelo;
  modelo.Pesquisa(GetParam().criterios);
  EXPECT_EQ(Achados(modelo), GetParam().achados);
}

CriteriosPesquisaRemessa Criterios(const char* tipo, std::optional<int> pais, const char* nif, const char* ni,
                                   const char* nome) {
  return {QString::fromLatin1(tipo), pais, QString::fromUtf8(nif), QString::fromUtf8(ni), QString::fromUtf8(nome)};
}

INSTANTIATE_TEST_SUITE_P(
    Remessa, PesquisaCriterios,
    testing::Values(
        // The country must exist: the one in country 999 is never listed.
        CasoPesquisa{"SemCriterio", Criterios("", {}, "", "", ""), {1, 2, 3, 5}},
        CasoPesquisa{"Pessoas", Criterios("1", {}, "", "", ""), {1, 3}},
        CasoPesquisa{"Empresas", Criterios("2", {}, "", "", ""), {2, 5}},
        CasoPesquisa{"PorPais", Criterios("", 63, "", "", ""), {5}},
        // The start of the NIF, case as stored: "PY" neither matches "py-500" nor the middle of others.
        CasoPesquisa{"InicioDoNif", Criterios("", {}, "PY", "", ""), {1, 2}},
        CasoPesquisa{"NifNoMeio", Criterios("", {}, "-100", "", ""), {}},
        // A CPF typed whole, or formatted, finds its stored base; the base or its start finds it too.
        CasoPesquisa{"CpfInteiroAchaABase", Criterios("", {}, "", "12345678909", ""), {1}},
        CasoPesquisa{"CpfFormatado", Criterios("", {}, "", "123.456.789-09", ""), {1}},
        CasoPesquisa{"InicioDoCpf", Criterios("", {}, "", "1234", ""), {1}},
        CasoPesquisa{"CpfComOutrosDigitos", Criterios("", {}, "", "12345678900", ""), {}},
        // A CNPJ stored whole is found typed whole; a valid one stored as a base as well.
        CasoPesquisa{"CnpjGuardadoInteiro", Criterios("", {}, "", "11.444.777/0001-00", ""), {2}},
        CasoPesquisa{"CnpjGuardadoComoBase", Criterios("", {}, "", "11444777000161", ""), {5}},
        CasoPesquisa{"RaizDoCnpj", Criterios("", {}, "", "11444777", ""), {2, 5}},
        CasoPesquisa{"NomeComApostrofo", Criterios("", {}, "", "", "Joana D'"), {3}},
        CasoPesquisa{"InicioDoNome", Criterios("2", {}, "", "", "Empresa"), {2, 5}},
        CasoPesquisa{"NomeComCuringa", Criterios("", {}, "", "", "%"), {}},
        CasoPesquisa{"TodosOsCriterios", Criterios("2", 586, "PY-2", "1144", "Empresa G"), {2}}),
    [](const testing::TestParamInfo<CasoPesquisa>& info) { return std::string(info.param.nome); });

TEST_F(PesquisaRemessa, LeOsResultadosEmLotes) {
  QString sql;
  for (int i = 10; i < 10 + 2 * TModeloPesquisaRemessa::kLote + 5; ++i)
    sql += QStringLiteral("insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais, trem_nif) "
                          "values (%1, '1', 586, 'LOTE');\n")
               .arg(i);
  Roda(sql);
  TModeloPesquisaRemessa modelo;
  modelo.Pesquisa(Criterios("", {}, "LOTE", "", ""));
  EXPECT_EQ(modelo.rowCount(), TModeloPesquisaRemessa::kLote);
  ASSERT_TRUE(modelo.canFetchMore({}));
  modelo.fetchMore({});
  EXPECT_EQ(modelo.rowCount(), 2 * TModeloPesquisaRemessa::kLote);
  modelo.fetchMore({});
  EXPECT_EQ(modelo.rowCount(), 2 * TModeloPesquisaRemessa::kLote + 5);
  EXPECT_FALSE(modelo.canFetchMore({}));
  EXPECT_FALSE(modelo.CursorAberto());
}

TEST_F(PesquisaRemessa, JanelaMostraOsAchadosEPosicionaNoEscolhido) {
  TfrmPesquisarRemessa janela;
  janela.LimpaPaises();
  janela.AdicionaPais(QStringLiteral("ARGENTINA"), QStringLiteral("63"));
  janela.AdicionaPais(QStringLiteral("PARAGUAI"), QStringLiteral("586"));
  int escolhido = 0;
  janela.SetAoPosicionar([&](int id) { escolhido = id; });
  janela.show();
  EXPECT_FALSE(janela.BotaoPosicionar()->isEnabled());

  // Nothing found: the notice, and nothing to position on.
  janela.Nome()->setText(QStringLiteral("Ninguém"));
  QTest::mouseClick(janela.BotaoExecutar(), Qt::LeftButton);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, "Nenhum registro encontrado para o critério de pesquisa informado");
  EXPECT_EQ(m_caixa.ultima().titulo, "Aviso");
  EXPECT_FALSE(janela.BotaoPosicionar()->isEnabled());

  janela.Nome()->clear();
  janela.Pais()->setCurrentIndex(2);
  janela.Tipo()->setCurrentIndex(2);
  QTest::mouseClick(janela.BotaoExecutar(), Qt::LeftButton);
  ASSERT_EQ(janela.Modelo().rowCount(), 1);
  EXPECT_TRUE(janela.BotaoPosicionar()->isEnabled());
  const auto celula = [&](int coluna) { return janela.Modelo().index(0, coluna).data().toString(); };
  EXPECT_EQ(celula(TModeloPesquisaRemessa::ColTipo), "Pessoa Jurídica");
  EXPECT_EQ(celula(TModeloPesquisaRemessa::ColPais), "PARAGUAI");
  EXPECT_EQ(celula(TModeloPesquisaRemessa::ColNi), "11.444.777/0001-00");

  // Clearing the criteria leaves the results.
  QTest::mouseClick(janela.BotaoLimpar(), Qt::LeftButton);
  EXPECT_EQ(janela.Tipo()->currentIndex(), 0);
  EXPECT_EQ(janela.Pais()->currentText(), "");
  EXPECT_EQ(janela.Modelo().rowCount(), 1);

  QTest::mouseClick(janela.BotaoPosicionar(), Qt::LeftButton);
  EXPECT_EQ(escolhido, 2);
  EXPECT_FALSE(janela.isVisible());
}

}  // namespace
