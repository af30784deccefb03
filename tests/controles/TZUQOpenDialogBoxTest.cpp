#include "controles/TZUQOpenDialogBox.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "DialogosTeste.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/UnidadesFalsas.h"

namespace {

const QStringList kTodos = {"Sub", "a.cmp", "B.DBK", "c.dbk", "LEIAME", "nota.txt"};

class AbrirArquivo : public DialogosTeste {
 protected:
  void SetUp() override {
    DialogosTeste::SetUp();
    d = std::make_unique<TZUQOpenDialogBox>();
    edit = d->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    tipos = d->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    lista = d->findChild<ListaArquivos*>(QStringLiteral("ShellListView1"));
    arvore = d->findChild<ArvorePastas*>(QStringLiteral("ShellTreeView1"));
    ASSERT_TRUE(edit && tipos && lista && arvore);
    QObject::connect(d.get(), &QDialog::finished, [this](int r) { fim = r; });
  }

  std::unique_ptr<TZUQOpenDialogBox> d;
  QLineEdit* edit = nullptr;
  QComboBox* tipos = nullptr;
  ListaArquivos* lista = nullptr;
  ArvorePastas* arvore = nullptr;
  int fim = -1;
};

TEST_F(AbrirArquivo, PastaInicialETipo) {
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Abrir arquivo"));
  EXPECT_EQ(d->findChild<QWidget*>(QStringLiteral("SpeedButton2"))->property("text"), QStringLiteral("Abrir"));
  ASSERT_EQ(tipos->count(), 3);
  EXPECT_EQ(tipos->itemText(1), QStringLiteral("Texto (*.txt)"));
  EXPECT_EQ(tipos->itemText(2), QStringLiteral("Declaração (*.dec)"));
  d->SetInitialDir(caminho("Copias"));
  d->SetFilterIndex(1);
  d->show();
  EXPECT_EQ(d->PastaArvore(), caminho("Copias"));
  EXPECT_EQ(tipos->currentIndex(), 1);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "nota.txt"})) << lista->Nomes().join(',').toStdString();
  EXPECT_EQ(d->FilterIndex(), 1);
}

// Callers give filters in the pairs form too: only the descriptions become types.
TEST_F(AbrirArquivo, FiltroEmPares) {
  d->SetFilter(QStringLiteral("Arquivo texto (*.txt)|*.txt|Tolv original (*.dec;*.cmp)|*.dec;*.cmp |Todos arquivos (*.*)|*.*"));
  d->SetFilterIndex(2);
  d->SetInitialDir(caminho("Copias"));
  d->show();
  QStringList itens;
  for (int i = 0; i < tipos->count(); ++i) itens << tipos->itemText(i);
  EXPECT_EQ(itens, (QStringList{"Todos os arquivos (*.*)", "Arquivo texto (*.txt)", "Tolv original (*.dec;*.cmp)",
                                "Todos arquivos (*.*)"}));
  EXPECT_EQ(tipos->currentIndex(), 2);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "a.cmp"})) << lista->Nomes().join(',').toStdString();
}

struct CasoTipo {
  const char *entrada, *extensao;
};
class ExtensaoDoTipo : public testing::TestWithParam<CasoTipo> {};
TEST_P(ExtensaoDoTipo, QuatroAntesDoUltimo) {
  EXPECT_EQ(TZUQDialogoArquivo::ExtensaoDoTipo(GetParam().entrada), QString::fromUtf8(GetParam().extensao));
}
INSTANTIATE_TEST_SUITE_P(Dialogos, ExtensaoDoTipo,
                         testing::Values(CasoTipo{"Texto (*.txt)", ".txt"}, CasoTipo{"Declaração (*.dec)", ".dec"},
                                         CasoTipo{"Cópia de Segurança de Declaração (*.dbk)", ".dbk"},
                                         CasoTipo{"x)", "x"}, CasoTipo{"", ""}));

TEST_F(AbrirArquivo, CliquesLevamONome) {
  d->SetInitialDir(caminho("Copias"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(listaMostra(lista, kTodos));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("nota.txt")));
  EXPECT_EQ(edit->text(), QStringLiteral("nota.txt"));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("Sub")));
  EXPECT_TRUE(edit->text().isEmpty());
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("a.cmp")));
  EXPECT_EQ(edit->text(), QStringLiteral("a.cmp"));
  QTest::mouseClick(arvore->viewport(), Qt::LeftButton, {}, pontoDe(arvore, QStringLiteral("Vazia")));
  EXPECT_TRUE(edit->text().isEmpty());
  EXPECT_EQ(d->PastaArvore(), caminho("Vazia"));
}

TEST_F(AbrirArquivo, NomeDigitadoNaPastaDaArvore) {
  d->SetInitialDir(caminho("Copias"));
  d->show();
  edit->setText(QStringLiteral("nota.txt"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/nota.txt"));
}

TEST_F(AbrirArquivo, NomeComPasta) {
  d->SetInitialDir(caminho("Vazia"));
  d->show();
  edit->setText(caminho("Copias/LEIAME"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/LEIAME"));
}

// Only a file that exists ends the dialog with OK.
TEST_F(AbrirArquivo, ArquivoInexistenteNaoFecha) {
  d->SetFileName(QStringLiteral("anterior"));
  d->SetInitialDir(caminho("Copias"));
  d->show();
  edit->setText(QStringLiteral("falta.txt"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, -1);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->FileName(), QStringLiteral("anterior"));
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("O arquivo %1 não foi encontrado.").arg(caminho("Copias/falta.txt")));
  EXPECT_EQ(caixa.ultima().titulo, QStringLiteral("Erro"));
  EXPECT_EQ(caixa.ultima().flags, 16);
}

TEST_F(AbrirArquivo, VazioPedeArquivo) {
  d->show();
  d->SpeedButton2Click();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("Selecione um arquivo."));
  EXPECT_EQ(fim, -1);
}

TEST_F(AbrirArquivo, DuploCliqueEEnterNaLista) {
  d->SetInitialDir(caminho("Copias"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(listaMostra(lista, kTodos));
  // Entering the list with nothing selected selects its first entry; Enter opens that folder.
  lista->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return lista->hasFocus(); }));
  EXPECT_EQ(lista->CaminhoSelecionado(), caminho("Copias/Sub"));
  QTest::keyClick(lista, Qt::Key_Return);
  EXPECT_EQ(d->PastaArvore(), caminho("Copias/Sub"));
  ASSERT_TRUE(arvore->VaiPara(caminho("Copias")));
  ASSERT_TRUE(listaMostra(lista, kTodos));
  QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("B.DBK")));
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/B.DBK"));
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(AbrirArquivo, EscECancelar) {
  ASSERT_TRUE(AtivaJanela(d.get()));
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(fim, QDialog::Rejected);
  fim = -1;
  ASSERT_TRUE(AtivaJanela(d.get()));
  QTest::mouseClick(d->findChild<QWidget*>(QStringLiteral("SpeedButton3")), Qt::LeftButton);
  EXPECT_EQ(fim, QDialog::Rejected);
}

// A click on a column title sorts by it; a second click reverses.
TEST_F(AbrirArquivo, OrdenaPelaColuna) {
  escreve("Vazia/pequeno", "1");
  escreve("Vazia/grande", QByteArray(5000, 'x'));
  escreve("Vazia/medio", QByteArray(2500, 'x'));
  d->SetInitialDir(caminho("Vazia"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(listaMostra(lista, {"grande", "medio", "pequeno"}));
  QHeaderView* titulos = lista->header();
  const QPoint tamanho(titulos->sectionViewportPosition(1) + 5, titulos->height() / 2);
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, tamanho);
  const QStringList crescente = {"pequeno", "medio", "grande"};
  const QStringList decrescente = {"grande", "medio", "pequeno"};
  ASSERT_TRUE(QTest::qWaitFor([&] { return lista->Nomes() == crescente || lista->Nomes() == decrescente; }));
  const QStringList primeira = lista->Nomes();
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, tamanho);
  EXPECT_TRUE(listaMostra(lista, primeira == crescente ? decrescente : crescente)) << lista->Nomes().join(',').toStdString();
  EXPECT_EQ(titulos->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Tamanho"));
}

TEST_F(AbrirArquivo, ArvoreNaoSaiDaRaiz) {
  d->show();
  const QStringList pastas = {"Copias", "CopSeg", "DADOS", "Vazia"};
  EXPECT_TRUE(QTest::qWaitFor([&] { return topo(arvore) == pastas; })) << topo(arvore).join(',').toStdString();
  EXPECT_FALSE(arvore->VaiPara(QDir::tempPath()));
  EXPECT_FALSE(arvore->VaiPara(caminho("Sumiu")));
  EXPECT_EQ(d->PastaArvore(), raiz());
}

// F5 reads the folders again without losing the place; Enter in the tree opens its folder.
TEST_F(AbrirArquivo, F5EEnterNaArvore) {
  d->SetInitialDir(caminho("Copias"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(listaMostra(lista, kTodos));
  arvore->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return arvore->hasFocus(); }));
  QDir().mkpath(caminho("Copias/Nova"));
  QTest::keyClick(arvore, Qt::Key_F5);
  EXPECT_EQ(d->PastaArvore(), caminho("Copias"));
  EXPECT_TRUE(listaMostra(lista, QStringList{"Nova"} + kTodos)) << lista->Nomes().join(',').toStdString();
  arvore->collapse(arvore->currentIndex());
  QTest::keyClick(arvore, Qt::Key_Return);
  EXPECT_TRUE(arvore->isExpanded(arvore->currentIndex()));
  EXPECT_EQ(fim, -1);
}

// Rooted at the first drive, a dialog shows the fixed default drive.
TEST_F(AbrirArquivo, RaizNaUnidadePadrao) {
  UnidadesFalsas unidades({{caminho("Copias"), TipoUnidade::Fixa, QStringLiteral("Copias"), true}});
  d->SetRaiz(AreaTrabalho::unidadePadrao());
  d->show();
  EXPECT_EQ(d->PastaArvore(), caminho("Copias"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return topo(arvore) == QStringList{"Sub"}; }))
      << topo(arvore).join(',').toStdString();
  EXPECT_FALSE(arvore->VaiPara(caminho("Vazia")));
}

}  // namespace
