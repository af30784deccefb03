#include <QAbstractItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "controles/TTolvButton.h"
#include "secoes/TfrmRelFonteBeneficiario.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

QString Celula(const TfrmRelFonteBeneficiario& d, int linha, int coluna) {
  const QAbstractItemModel* m = d.Grade()->model();
  return m->data(m->index(linha, coluna)).toString();
}

void Clica(QTableView* grade, int linha, bool duplo = false) {
  const QPoint ponto = grade->visualRect(grade->model()->index(linha, 1)).center();
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
  if (duplo) QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
}

TEST(RelFonteBeneficiario, ListaOsNoveCodigosNaOrdemComOPrimeiroAtual) {
  TfrmRelFonteBeneficiario dialogo;
  EXPECT_EQ(dialogo.windowTitle(), "Relação fonte pagadora/beneficiário");
  EXPECT_EQ(dialogo.size(), QSize(501, 403));
  ASSERT_EQ(dialogo.Grade()->model()->rowCount(), 9);
  QStringList codigos;
  for (int i = 0; i < 9; ++i) codigos << Celula(dialogo, i, 0);
  EXPECT_EQ(codigos, (QStringList{"500", "510", "520", "530", "540", "550", "560", "570", "900"}));
  EXPECT_EQ(Celula(dialogo, 8, 1), "Não há relação entre a fonte pagadora e a beneficiária no exterior.");
  EXPECT_EQ(dialogo.Grade()->model()->headerData(0, Qt::Horizontal).toString(), "Codigo");
  EXPECT_EQ(dialogo.Grade()->model()->headerData(1, Qt::Horizontal).toString(), "Descricao");
  EXPECT_EQ(dialogo.GetCodigo(), "500");
}

TEST(RelFonteBeneficiario, OkEscolheALinhaECancelarDeixaACorrenteParaAProximaVez) {
  TfrmRelFonteBeneficiario dialogo;
  ASSERT_TRUE(AtivaJanela(&dialogo));
  Clica(dialogo.Grade(), 3);
  QTest::mouseClick(dialogo.BotaoOk(), Qt::LeftButton);
  EXPECT_EQ(dialogo.result(), QDialog::Accepted);
  EXPECT_FALSE(dialogo.isVisible());
  EXPECT_EQ(dialogo.GetCodigo(), "530");

  // Shown again it stands on the row chosen last; a cancel still answers the current row.
  ASSERT_TRUE(AtivaJanela(&dialogo));
  EXPECT_EQ(dialogo.GetCodigo(), "530");
  Clica(dialogo.Grade(), 5);
  QTest::mouseClick(dialogo.BotaoCancelar(), Qt::LeftButton);
  EXPECT_EQ(dialogo.result(), QDialog::Rejected);
  EXPECT_EQ(dialogo.GetCodigo(), "550");
}

TEST(RelFonteBeneficiario, DuploCliqueEscolheEPosicionaVaiAoCodigo) {
  TfrmRelFonteBeneficiario dialogo;
  dialogo.Posiciona(QStringLiteral("900"));
  EXPECT_EQ(dialogo.GetCodigo(), "900");
  dialogo.Posiciona(QStringLiteral("580"));
  EXPECT_EQ(dialogo.GetCodigo(), "900");
  ASSERT_TRUE(AtivaJanela(&dialogo));
  Clica(dialogo.Grade(), 1, true);
  EXPECT_EQ(dialogo.result(), QDialog::Accepted);
  EXPECT_EQ(dialogo.GetCodigo(), "510");
}

}  // namespace
