#include "controles/TZUQFolderDialogBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "DialogosTeste.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"
#include "suporte/JanelaAtiva.h"

namespace {

class SelecionarPasta : public DialogosTeste {
 protected:
  void SetUp() override {
    DialogosTeste::SetUp();
    for (const char* p : {"Lixeira", "Recycle Bin", "Painel de Controle", "meus locais de rede", "Declaracoes"})
      QDir().mkpath(caminho(p));
  }

  // Runs Execute and, once the dialog is up, clicks the named button of it (after `antes`).
  bool executa(const QString& inicial, QString& escolhida, const QString& botao,
               std::function<void(TZUQFolderDialogBox*)> antes = {}) {
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<TZUQFolderDialogBox*>(QApplication::activeModalWidget());
      if (!d) {
        ADD_FAILURE() << "o diálogo não abriu";
        return;
      }
      if (antes) antes(d);
      d->findChild<TTolvButton*>(botao)->click();
    });
    return TZUQFolderDialogBox::Execute(inicial, escolhida);
  }
};

TEST_F(SelecionarPasta, MostraAPastaInicial) {
  TZUQFolderDialogBox d;
  d.SetInitialDir(caminho("Copias/Sub"));
  d.show();
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Selecione uma Pasta"));
  EXPECT_EQ(d.PastaSelecionada(), caminho("Copias/Sub"));
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lbFolder"))->toolTip(), caminho("Copias/Sub"));
}

// The recycle bin, the control panel and the network places never show, in any case.
TEST_F(SelecionarPasta, EscondeLixeiraPainelERede) {
  TZUQFolderDialogBox d;
  d.show();
  auto* stv = d.findChild<ArvorePastas*>(QStringLiteral("stv"));
  ASSERT_NE(stv, nullptr);
  const QStringList visiveis = {"Copias", "CopSeg", "DADOS", "Declaracoes", "Vazia"};
  EXPECT_TRUE(QTest::qWaitFor([&] { return topo(stv) == visiveis; })) << topo(stv).join(',').toStdString();
  EXPECT_FALSE(stv->VaiPara(caminho("Lixeira")));
  EXPECT_TRUE(d.PastaSelecionada().isEmpty());
}

TEST_F(SelecionarPasta, CliqueEscolhe) {
  TZUQFolderDialogBox d;
  ASSERT_TRUE(AtivaJanela(&d));
  auto* stv = d.findChild<ArvorePastas*>(QStringLiteral("stv"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return topo(stv).contains("Vazia"); }));
  QTest::mouseClick(stv->viewport(), Qt::LeftButton, {}, pontoDe(stv, QStringLiteral("Vazia")));
  EXPECT_EQ(d.PastaSelecionada(), caminho("Vazia"));
  // A folder removed behind the tree's back is no choice.
  QDir(caminho("Vazia")).removeRecursively();
  d.stvClick();
  EXPECT_TRUE(d.PastaSelecionada().isEmpty());
}

TEST_F(SelecionarPasta, ExecuteDevolveAEscolha) {
  QString escolhida = QStringLiteral("antes");
  EXPECT_TRUE(executa(caminho("Declaracoes"), escolhida, QStringLiteral("TolvButton1")));
  EXPECT_EQ(escolhida, caminho("Declaracoes"));

  escolhida = QStringLiteral("antes");
  EXPECT_FALSE(executa(caminho("Declaracoes"), escolhida, QStringLiteral("TolvButton2")));
  EXPECT_EQ(escolhida, QStringLiteral("antes"));

  // Selecionar with no folder chosen leaves the caller's folder as it was.
  EXPECT_FALSE(executa(caminho("Sumiu"), escolhida, QStringLiteral("TolvButton1")));
  EXPECT_EQ(escolhida, QStringLiteral("antes"));
}

TEST_F(SelecionarPasta, BotoesAzuisEmTodosOsEstados) {
  TZUQFolderDialogBox d;
  for (const char* nome : {"TolvButton1", "TolvButton2"}) {
    auto* b = d.findChild<TTolvButton*>(QString::fromLatin1(nome));
    ASSERT_NE(b, nullptr);
    for (int i : {5, 11, 17, 23}) EXPECT_EQ(b->Scheme().Cor(i), QColor(0x336EB1)) << nome << " " << i;
  }
  EXPECT_EQ(d.findChild<TTolvButton*>(QStringLiteral("TolvButton1"))->text(), QStringLiteral("Selecionar"));
  EXPECT_EQ(d.findChild<TTolvButton*>(QStringLiteral("TolvButton2"))->text(), QStringLiteral("Cancelar"));
}

}  // namespace
