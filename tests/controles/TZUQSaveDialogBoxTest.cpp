#include "controles/TZUQSaveDialogBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "DialogosTeste.h"
#include "suporte/JanelaAtiva.h"

namespace {

class SalvarArquivo : public DialogosTeste {
 protected:
  void SetUp() override {
    DialogosTeste::SetUp();
    d = std::make_unique<TZUQSaveDialogBox>();
    edit = d->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    tipos = d->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    lista = d->findChild<ListaArquivos*>(QStringLiteral("ShellListView1"));
    arvore = d->findChild<ArvorePastas*>(QStringLiteral("ShellTreeView1"));
    ASSERT_TRUE(edit && tipos && lista && arvore);
    ligaFim();
  }
  void ligaFim() {
    QObject::connect(d.get(), &QDialog::finished, [this](int r) { fim = r; });
  }

  std::unique_ptr<TZUQSaveDialogBox> d;
  QLineEdit* edit = nullptr;
  QComboBox* tipos = nullptr;
  ListaArquivos* lista = nullptr;
  ArvorePastas* arvore = nullptr;
  int fim = -1;
};

TEST_F(SalvarArquivo, DesenhoDaJanela) {
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Salvar arquivo"));
  EXPECT_EQ(d->findChild<QWidget*>(QStringLiteral("SpeedButton2"))->property("text"), QStringLiteral("Salvar"));
  EXPECT_EQ(d->findChild<QWidget*>(QStringLiteral("SpeedButton3"))->property("text"), QStringLiteral("Cancelar"));
  ASSERT_EQ(tipos->count(), 3);
  EXPECT_EQ(tipos->itemText(0), QStringLiteral("Todos os arquivos (*.*)"));
  EXPECT_EQ(tipos->itemText(1), QStringLiteral("Cópia de Segurança de Banco de Dados (*.cmp)"));
  EXPECT_EQ(tipos->itemText(2), QStringLiteral("Cópia de Segurança de Declaração (*.dbk)"));
}

// A proposed name in an existing folder opens there, with the bare name and its type selected;
// the type shows the folders and the files of its extension in any case.
TEST_F(SalvarArquivo, NomePropostoEscolheOTipo) {
  d->SetFileName(caminho("Copias/novo.dbk"));
  d->show();
  EXPECT_EQ(d->PastaArvore(), caminho("Copias"));
  EXPECT_EQ(edit->text(), QStringLiteral("novo.dbk"));
  EXPECT_EQ(tipos->currentIndex(), 2);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "B.DBK", "c.dbk"})) << lista->Nomes().join(',').toStdString();
  EXPECT_TRUE(caixa.chamadas().empty());

  tipos->setCurrentIndex(1);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "a.cmp"})) << lista->Nomes().join(',').toStdString();
  tipos->setCurrentIndex(0);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "a.cmp", "B.DBK", "c.dbk", "LEIAME", "nota.txt"}))
      << lista->Nomes().join(',').toStdString();
}

TEST_F(SalvarArquivo, NomeCmpEmMaiusculas) {
  d->SetFileName(caminho("Copias/NOVO.CMP"));
  d->show();
  EXPECT_EQ(tipos->currentIndex(), 1);
}

TEST_F(SalvarArquivo, PastaDoNomeInexistente) {
  d->SetFileName(caminho("Sumiu/novo.cmp"));
  d->show();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("Diretório não localizado, será selecionado o diretório padrão."));
  EXPECT_EQ(caixa.ultima().titulo, QStringLiteral("Erro"));
  EXPECT_EQ(caixa.ultima().flags, 16);
  EXPECT_EQ(d->PastaArvore(), caminho("CopSeg"));
  EXPECT_EQ(edit->text(), QStringLiteral("novo.cmp"));
}

TEST_F(SalvarArquivo, PastaInicialInexistenteVaiParaCopSeg) {
  d->SetInitialDir(caminho("Sumiu"));
  d->show();
  EXPECT_EQ(d->PastaArvore(), caminho("CopSeg"));
  EXPECT_TRUE(caixa.chamadas().empty());
}

struct CasoJunta {
  const char *pasta, *nome, *esperado;
};
class JuntaPasta : public testing::TestWithParam<CasoJunta> {};
TEST_P(JuntaPasta, UmaBarraSo) {
  EXPECT_EQ(TZUQDialogoArquivo::JuntaPasta(GetParam().pasta, GetParam().nome), QString(GetParam().esperado));
}
INSTANTIATE_TEST_SUITE_P(Dialogos, JuntaPasta,
                         testing::Values(CasoJunta{"/", "a.cmp", "/a.cmp"}, CasoJunta{"/home/u", "a.cmp", "/home/u/a.cmp"},
                                         CasoJunta{"/home/u/", "a.cmp", "/home/u/a.cmp"}));

TEST_F(SalvarArquivo, NomeDigitadoVaiParaAPastaDaArvore) {
  d->SetInitialDir(caminho("Copias/Sub"));
  d->show();
  edit->setText(QStringLiteral("copia.cmp"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/Sub/copia.cmp"));
}

TEST_F(SalvarArquivo, NaRaizDaArvoreSemBarraDobrada) {
  d->show();
  ASSERT_TRUE(arvore->VaiPara(raiz()));
  edit->setText(QStringLiteral("copia.cmp"));
  d->SpeedButton2Click();
  EXPECT_EQ(d->FileName(), raiz() + QStringLiteral("/copia.cmp"));
}

TEST_F(SalvarArquivo, NomeComPastaFicaComoDigitado) {
  d->SetInitialDir(caminho("Copias"));
  d->show();
  edit->setText(caminho("Vazia/outra.dbk"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Vazia/outra.dbk"));
}

TEST_F(SalvarArquivo, SemNomeNemEscolhaPedeArquivo) {
  ASSERT_TRUE(AtivaJanela(d.get()));
  d->SpeedButton2Click();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("Selecione um arquivo."));
  EXPECT_EQ(caixa.ultima().titulo, QStringLiteral("Erro"));
  EXPECT_EQ(caixa.ultima().flags, 16);
  EXPECT_TRUE(lista->hasFocus());
  EXPECT_EQ(fim, -1);
  EXPECT_TRUE(d->isVisible());
}

// Saving over a file that is there asks first; Não keeps the dialog open.
TEST_F(SalvarArquivo, PerguntaAntesDeSubstituir) {
  d->SetFileName(caminho("Copias/a.cmp"));
  d->show();
  caixa.responde(ResultadoMensagem::Nao);
  d->SpeedButton2Click();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?").arg(caminho("Copias/a.cmp")));
  EXPECT_EQ(caixa.ultima().titulo, QStringLiteral("Confirmação"));
  EXPECT_EQ(caixa.ultima().flags, 36);
  EXPECT_EQ(fim, -1);

  caixa.responde(ResultadoMensagem::Sim);
  d->SpeedButton2Click();
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/a.cmp"));
}

TEST_F(SalvarArquivo, SemPerguntaQuandoDesligada) {
  d->SetConfirmaSubstituicao(false);
  d->SetFileName(caminho("Copias/a.cmp"));
  d->show();
  d->SpeedButton2Click();
  EXPECT_TRUE(caixa.chamadas().empty());
  EXPECT_EQ(fim, QDialog::Accepted);
}

// The name of a folder opens it: a folder is no file to save.
TEST_F(SalvarArquivo, NomeDePastaAbreAPasta) {
  d->SetInitialDir(caminho("Copias"));
  d->show();
  edit->setText(QStringLiteral("Sub"));
  d->SpeedButton2Click();
  EXPECT_EQ(fim, -1);
  EXPECT_EQ(d->PastaArvore(), caminho("Copias/Sub"));
  EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(SalvarArquivo, CliqueEDuploClique) {
  d->SetInitialDir(caminho("Copias"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(listaMostra(lista, {"Sub", "a.cmp", "B.DBK", "c.dbk", "LEIAME", "nota.txt"}));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("c.dbk")));
  EXPECT_EQ(edit->text(), QStringLiteral("c.dbk"));
  // A click off the entries empties the box.
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, QPoint(5, lista->viewport()->height() - 3));
  EXPECT_TRUE(edit->text().isEmpty());
  edit->setReadOnly(true);
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("a.cmp")));
  EXPECT_TRUE(edit->text().isEmpty());
  edit->setReadOnly(false);

  // Double click: a folder opens in the tree, a file is taken as with Salvar.
  QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("Sub")));
  EXPECT_EQ(d->PastaArvore(), caminho("Copias/Sub"));
  EXPECT_EQ(fim, -1);
  ASSERT_TRUE(arvore->VaiPara(caminho("Copias")));
  ASSERT_TRUE(listaMostra(lista, {"Sub", "a.cmp", "B.DBK", "c.dbk", "LEIAME", "nota.txt"}));
  caixa.responde(ResultadoMensagem::Sim);
  QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, pontoDe(lista, QStringLiteral("nota.txt")));
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Copias/nota.txt"));
}

TEST_F(SalvarArquivo, EnterNoNomeSalva) {
  d->SetInitialDir(caminho("Vazia"));
  ASSERT_TRUE(AtivaJanela(d.get()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
  QTest::keyClicks(edit, QStringLiteral("nova.cmp"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(fim, QDialog::Accepted);
  EXPECT_EQ(d->FileName(), caminho("Vazia/nova.cmp"));
}

TEST_F(SalvarArquivo, FiltroRefazOsTipos) {
  d->SetFilter(QStringLiteral("Texto (*.txt)|*.txt"));
  d->SetFilterIndex(1);
  d->SetInitialDir(caminho("Copias"));
  d->show();
  ASSERT_EQ(tipos->count(), 2);
  EXPECT_EQ(tipos->itemText(1), QStringLiteral("Texto (*.txt)"));
  EXPECT_EQ(tipos->currentIndex(), 1);
  EXPECT_TRUE(listaMostra(lista, {"Sub", "nota.txt"})) << lista->Nomes().join(',').toStdString();
}

// The program-wide instance: a new one starts from the initial values.
TEST(SalvarArquivoInstancia, NovoComecaDoZero) {
  TZUQSaveDialogBox* a = TZUQSaveDialogBox::Novo();
  a->SetFileName(QStringLiteral("/x/y.cmp"));
  a->SetFilterIndex(2);
  EXPECT_EQ(TZUQSaveDialogBox::Instancia(), a);
  TZUQSaveDialogBox* b = TZUQSaveDialogBox::Novo();
  EXPECT_TRUE(b->FileName().isEmpty());
  EXPECT_EQ(b->FilterIndex(), 0);
  EXPECT_FALSE(b->Executando());
  TZUQSaveDialogBox::Libera();
}

}  // namespace
