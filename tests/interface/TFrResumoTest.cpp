#include <gtest/gtest.h>

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "controles/TEditData.h"
#include "controles/TTolvEdit.h"
#include "interface/ResumoTeste.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TFrResumo.h"
#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/TResumo.h"

namespace {

// The summary page inside a page container that shows funds and processes as asked.
class PaginaResumo : public declaracao_teste::ComBancos {
 protected:
  void Abre(bool judicial, bool fundos, bool processos, const QString& ano = QStringLiteral("2013")) {
    resumo_teste::Prepara(m_pasta, m_tolv, judicial, ano);
    m_tolv.SetDataGeracao(QDateTime(QDate(2014, 2, 20), QTime(10, 30)));
    conteiner = std::make_unique<TFrDeclaracao>();
    conteiner->SetDeclaracao(&m_tolv);
    conteiner->MostraFundos(fundos);
    conteiner->MostraProcessos(processos);
    pagina = new TFrResumo(conteiner.get());
    pagina->resize(760, 520);
    TContextoPagina contexto;
    contexto.declaracao = &m_tolv;
    contexto.conteiner = conteiner.get();
    pagina->Inicializa(contexto);
    pagina->show();
    pagina->FrameEnter();
  }
  void TearDown() override {
    if (pagina) pagina->Finaliza();
    conteiner.reset();
    m_tolv.LiberaItens();
    ComBancos::TearDown();
  }
  QString Celula(int linha, const char* campo) {
    return pagina->DbgDiscriminado()->model()->index(linha, pagina->Coluna(campo)).data().toString();
  }
  bool Discriminado() { return pagina->PgResumo()->isTabVisible(pagina->PgResumo()->indexOf(pagina->TsDiscriminado())); }

  TTolv m_tolv;
  std::unique_ptr<TFrDeclaracao> conteiner;
  TFrResumo* pagina = nullptr;
};

TEST_F(PaginaResumo, ShowsTheOverallTotalsAndOneRowPerSource) {
  Abre(true, true, true);
  EXPECT_EQ(pagina->PgResumo()->currentWidget(), pagina->TsGeral());
  EXPECT_EQ(pagina->findChild<QLineEdit*>(QStringLiteral("DeTotRend"))->text(), QStringLiteral("20.300,00"));
  EXPECT_EQ(pagina->findChild<QLineEdit*>(QStringLiteral("DeTotBen"))->text(), QStringLiteral("4"));
  EXPECT_EQ(pagina->findChild<QLineEdit*>(QStringLiteral("DeTotAnoAtual"))->text(), QStringLiteral("1.234,56"));
  EXPECT_EQ(pagina->DtpDataGera()->Data(), QDate(2014, 2, 20));
  ASSERT_TRUE(Discriminado());
  QAbstractItemModel* m = pagina->DbgDiscriminado()->model();
  ASSERT_EQ(m->rowCount(), 3);
  EXPECT_EQ(Celula(0, "TIPO_FONTE"), QStringLiteral("Adm"));
  EXPECT_EQ(Celula(0, "CPF_CNPJ"), m_tolv.GetContribuinte().GetFormatado());
  EXPECT_EQ(Celula(0, "NM_NM_EMPR"), QStringLiteral("ADMINISTRADORA DE FUNDOS LTDA"));
  EXPECT_EQ(Celula(1, "TIPO_FONTE"), QStringLiteral("FC"));
  EXPECT_EQ(Celula(1, "CPF_CNPJ"), QStringLiteral("11.222.333/0001-81"));
  EXPECT_EQ(Celula(1, "TOT_REND"), QStringLiteral("800,00"));
  EXPECT_EQ(Celula(2, "TIPO_FONTE"), QStringLiteral("Just Trab/Fed"));
  EXPECT_EQ(Celula(2, "TOT_IRRF"), QStringLiteral("1.800,00"));
  EXPECT_EQ(m->headerData(pagina->Coluna("CPF_CNPJ"), Qt::Horizontal).toString(),
            QStringLiteral("Fonte Pagadora/\nNº do Processo"));
  EXPECT_FALSE(pagina->DbgDiscriminado()->isColumnHidden(pagina->Coluna("TOT_DEP_SUBJUD")));
  // The codes of the lines, each once.
  EXPECT_EQ(pagina->GradeCodigos()->model()->rowCount(), 4);
  EXPECT_EQ(pagina->GradeCodigos()->model()->index(0, 0).data().toString(), QStringLiteral("0561"));
}

TEST_F(PaginaResumo, WithoutJudicialTotalsTheTwoGroupsGoAndTheOthersMoveUp) {
  Abre(false, true, false);
  EXPECT_FALSE(pagina->Grupo("GbCompensacao")->isVisible());
  EXPECT_FALSE(pagina->Grupo("GbExigibilidade")->isVisible());
  EXPECT_EQ(pagina->Grupo("GbGravacao")->y(), pagina->Grupo("GbTotais")->y() + 59);
  EXPECT_EQ(pagina->Grupo("GbCodigos")->y(), 123);
  EXPECT_TRUE(pagina->DbgDiscriminado()->isColumnHidden(pagina->Coluna("TOT_ANO_ATU")));
  // Funds shown, processes not: the process is not listed.
  EXPECT_EQ(pagina->DbgDiscriminado()->model()->rowCount(), 2);
}

TEST_F(PaginaResumo, OnlyProcessesListTheDeclarantFirst) {
  Abre(false, false, true);
  ASSERT_TRUE(Discriminado());
  ASSERT_EQ(pagina->DbgDiscriminado()->model()->rowCount(), 2);
  EXPECT_EQ(Celula(0, "TIPO_FONTE"), QStringLiteral("Decl"));
  EXPECT_EQ(Celula(1, "TIPO_FONTE"), QStringLiteral("Just Trab/Fed"));
}

TEST_F(PaginaResumo, ADeclarationWithoutAnnexesHidesTheDetail) {
  Abre(false, false, false, QStringLiteral("2003"));
  EXPECT_FALSE(Discriminado());
}

TEST_F(PaginaResumo, TheYear2004TitlesTheLawyer) {
  Abre(false, false, true, QStringLiteral("2004"));
  EXPECT_EQ(pagina->DbgDiscriminado()->model()->headerData(pagina->Coluna("CPF_CNPJ"), Qt::Horizontal).toString(),
            QStringLiteral("Fonte Pagadora/\nAdvogado/Esc. Advocacia"));
}

TEST_F(PaginaResumo, NothingCanBeChanged) {
  Abre(false, true, true);
  pagina->DtpDataGera()->SetTexto(QStringLiteral("01/01/2014"));
  EXPECT_EQ(pagina->DtpDataGera()->Data(), QDate(2014, 2, 20));
  auto* volumes = pagina->findChild<QLineEdit*>(QStringLiteral("DeQtdVolumes"));
  EXPECT_TRUE(volumes->isReadOnly());
  // A declaration never written shows no date and no button.
  m_tolv.SetDataGeracao(TTolv::DataZero());
  pagina->FrameEnter();
  EXPECT_FALSE(pagina->DtpDataGera()->Data().isValid());
  EXPECT_FALSE(pagina->DtpDataGera()->BotaoCalendario()->isVisible());
  // A total changed elsewhere shows at once.
  m_tolv.GetResumoGeral().GetTotIrrf().SetValorMonetario(Valor::deReais(5));
  EXPECT_EQ(pagina->findChild<QLineEdit*>(QStringLiteral("DeTotIrrf"))->text(), QStringLiteral("5,00"));
}

}  // namespace
