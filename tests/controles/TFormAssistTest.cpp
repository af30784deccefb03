#include "controles/TFormAssist.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "controles/TEstado.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

// Two pages on the older form: 1 routes to 2, 2 ends the wizard.
class AssistenteAntigo : public TFormAssist {
 public:
  class Estado : public TEstado {
   public:
    using TEstado::TEstado;
    bool TrataEvento(int evento) override {
      static_cast<AssistenteAntigo*>(Owner())->eventos << evento;
      SetProximo(evento == EventoAssistente::Cancelar ? -1 : (Pagina() == 1 ? 2 : 0));
      return evento == EventoAssistente::Concluir && Pagina() == 1;
    }
    void Entra() override { static_cast<AssistenteAntigo*>(Owner())->entradas << Pagina(); }
  };

  AssistenteAntigo() {
    edit = new QLineEdit(AreaPaginas());
    edit->move(20, 20);
    CriaEstado<Estado>(1);
    CriaEstado<Estado>(2);
    ExecutaEstado();
    connect(this, &QDialog::finished, this, [this](int r) { fim = r; });
  }
  void MostraPagina(int pagina) override {
    SetPaginaAtual(pagina);
    BtnRetornar()->setEnabled(pagina > 1);
  }
  bool ProcessaPasso(int) override { return true; }

  QLineEdit* edit;
  QList<int> eventos;
  QList<int> entradas;
  int fim = -1;
};

TEST(AssistenteAntigo, BotoesDoDesenho) {
  AssistenteAntigo a;
  EXPECT_EQ(a.CancelBtn()->text(), QStringLiteral("&Cancelar"));
  EXPECT_EQ(a.BtnRetornar()->text(), QStringLiteral("&Voltar"));
  EXPECT_EQ(a.BtnAvancar()->text(), QStringLiteral("&Avançar"));
  EXPECT_EQ(a.BtnOK()->text(), QStringLiteral("C&oncluir"));
  EXPECT_TRUE(a.BtnAvancar()->isDefault());
  EXPECT_FALSE(a.BtnRetornar()->isEnabled());
  EXPECT_TRUE(a.ImgFechar()->isHidden());
  EXPECT_EQ(a.findChild<QWidget*>(QStringLiteral("Shape2"))->palette().color(QPalette::Window), QColor(0xB9D0DE));
}

TEST(AssistenteAntigo, MesmoCaminhoDoNovo) {
  AssistenteAntigo a;
  EXPECT_EQ(a.entradas, QList<int>{1});
  a.BtnAvancarClick();
  EXPECT_EQ(a.PaginaAtual(), 2);
  a.BtnRetornarClick();
  EXPECT_EQ(a.PaginaAtual(), 1);
  EXPECT_EQ(a.entradas, (QList<int>{1, 2}));
  a.BtnOKClick();
  EXPECT_EQ(a.eventos, (QList<int>{3, 4, 4}));
  EXPECT_EQ(a.fim, QDialog::Accepted);
}

TEST(AssistenteAntigo, EnterAvancaEscCancela) {
  AssistenteAntigo a;
  ASSERT_TRUE(AtivaJanela(&a));
  a.edit->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return a.edit->hasFocus(); }));
  QTest::keyClick(a.edit, Qt::Key_Return);
  EXPECT_EQ(a.PaginaAtual(), 2);
  QTest::keyClick(a.edit, Qt::Key_Escape);
  EXPECT_TRUE(a.Cancelado());
  EXPECT_EQ(a.fim, QDialog::Rejected);
}

}  // namespace
