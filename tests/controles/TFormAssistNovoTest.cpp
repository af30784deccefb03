#include "controles/TFormAssistNovo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <stdexcept>

#include "AssistenteTeste.h"
#include "controles/TEstadoNovo.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

using namespace assistente_teste;
using Botao = TFormAssistNovo::Botao;

constexpr int kAberto = -1;

// Runs a string of user actions: A Avançar, C Concluir, V Voltar, X Cancelar, D disables Avançar.
void executa(AssistenteTeste& a, const char* acoes) {
  for (const char* c = acoes; *c; ++c) {
    switch (*c) {
      case 'A': a.BtnAvancarClick(); break;
      case 'C': a.BtnOKClick(); break;
      case 'V': a.BtnRetornarClick(); break;
      case 'X': a.CancelBtnClick(); break;
      case 'D': a.HabilitaAvancar(false); break;
      default: FAIL() << "ação desconhecida " << *c;
    }
  }
}

struct CasoRota {
  const char* nome;
  Rotas rotas;
  const char* acoes;
  const char* trilha;     // the framework's calls after the first page was shown
  int indice;             // the current index at the end
  int fim;                // the dialog's result, or kAberto while it runs
  std::set<int> bloqueadas = {};
  std::map<int, int> falhas = {};
};

Rotas com(std::initializer_list<std::pair<const std::pair<int, int>, Rota>> trocas) {
  Rotas r = RotasPadrao();
  for (const auto& [chave, rota] : trocas) r[chave] = rota;
  return r;
}

class RotasDoAssistente : public testing::TestWithParam<CasoRota> {};

TEST_P(RotasDoAssistente, SegueATabela) {
  const CasoRota& caso = GetParam();
  AssistenteTeste a(caso.rotas);
  a.ajustaBotoes = false;  // the buttons per page are tested apart
  a.bloqueadas = caso.bloqueadas;
  a.falhas = caso.falhas;
  executa(a, caso.acoes);
  EXPECT_EQ(a.trilha(), QString::fromUtf8(caso.trilha));
  EXPECT_EQ(a.IndiceAtual(), caso.indice);
  EXPECT_EQ(a.fim, caso.fim);
  EXPECT_FALSE(a.Ocupado());
}

INSTANTIATE_TEST_SUITE_P(
    Assistente, RotasDoAssistente,
    testing::Values(
        CasoRota{"avanca", RotasPadrao(), "A", "T1:3 M2 E2 P2", 2, kAberto},
        CasoRota{"avanca_ate_o_fim", RotasPadrao(), "AAA", "T1:3 M2 E2 P2 T2:3 M3 E3 T3:3", 0, QDialog::Accepted},
        // Concluir runs on through every state that answers true and stops at the first false.
        CasoRota{"conclui_atravessa", RotasPadrao(), "C", "T1:4 M2 E2 P2 T2:4 M3 E3 T3:4", 0, QDialog::Accepted},
        CasoRota{"conclui_para_no_falso", com({{{2, 4}, {3, false}}}), "C", "T1:4 M2 E2 P2 T2:4 M3 E3", 3, kAberto},
        // Voltar shows the page again without its work and without asking any state.
        CasoRota{"voltar_sem_trabalho", RotasPadrao(), "AAV", "T1:3 M2 E2 P2 T2:3 M3 E3 M2", 2, kAberto},
        CasoRota{"voltar_duas_vezes", RotasPadrao(), "AAVV", "T1:3 M2 E2 P2 T2:3 M3 E3 M2 M1", 1, kAberto},
        // Back to the state that led here, not to the page before it in number.
        CasoRota{"voltar_segue_a_origem", com({{{1, 3}, {3, false}}}), "AV", "T1:3 M3 E3 M1", 1, kAberto},
        CasoRota{"voltar_e_avancar_de_novo", RotasPadrao(), "AVA", "T1:3 M2 E2 P2 M1 T1:3 M2 E2 P2", 2, kAberto},
        CasoRota{"voltar_no_primeiro_nada_faz", RotasPadrao(), "V", "", 1, kAberto},
        // A state that routes out of the states ends the loop even when it answers true.
        CasoRota{"rota_zero_continuando", com({{{1, 3}, {0, true}}}), "A", "T1:3", 0, QDialog::Accepted},
        CasoRota{"rota_menos_um_continuando", com({{{1, 3}, {-1, true}}}), "A", "T1:3", -1, QDialog::Rejected},
        CasoRota{"rota_sem_estado_continuando", com({{{1, 3}, {9, true}}}), "A", "T1:3", 9, kAberto},
        CasoRota{"pagina_que_nao_pode_sair", RotasPadrao(), "A", "", 1, kAberto, {1}},
        CasoRota{"conclui_barrado_no_meio", RotasPadrao(), "C", "T1:4 M2 E2 P2", 2, kAberto, {2}},
        CasoRota{"cancelar", RotasPadrao(), "AX", "T1:3 M2 E2 P2", 2, QDialog::Rejected},
        CasoRota{"avancar_desabilitado", RotasPadrao(), "DA", "", 1, kAberto},
        CasoRota{"concluir_com_avancar_desabilitado", com({{{2, 4}, {3, false}}}), "DC", "T1:4 M2 E2 P2 T2:4 M3 E3", 3,
                 kAberto},
        // A failed step marks its state and sends the wizard to page 3; executed again, the state
        // shows its error once and works again.
        CasoRota{"erro_mostrado_uma_vez", com({{{3, 3}, {2, false}}}), "AAA",
                 "T1:3 M2 E2 P2 T2:3 M3 E3 T3:3 M2 X2 M2 E2 P2", 2, kAberto, {}, {{2, 1}}},
        CasoRota{"erro_que_persiste_nao_prende", com({{{3, 3}, {2, false}}}), "AAAA",
                 "T1:3 M2 E2 P2 T2:3 M3 E3 T3:3 M2 X2 M2 E2 P2 T2:3 M3 E3", 3, kAberto, {}, {{2, 5}}}),
    [](const testing::TestParamInfo<CasoRota>& i) { return std::string(i.param.nome); });

// The state that Voltar reaches keeps the origin recorded on arrival.
TEST(Assistente, AnteriorGravadoNaChegada) {
  AssistenteTeste a(com({{{1, 3}, {3, false}}}));
  executa(a, "A");
  EXPECT_EQ(a.Estado(3)->GetAnterior(), 1);
  EXPECT_EQ(a.Estado(2)->GetAnterior(), 0);
}

TEST(Assistente, EstadosAlemDeTrinta) {
  AssistenteTeste a(com({{{1, 3}, {35, false}}, {{35, 3}, {40, false}}}), 40);
  a.ajustaBotoes = false;
  ASSERT_EQ(a.QuantidadeEstados(), 40);
  executa(a, "A");
  EXPECT_EQ(a.PaginaAtual(), 35);
  executa(a, "A");
  EXPECT_EQ(a.PaginaAtual(), 40);
  executa(a, "VV");
  EXPECT_EQ(a.IndiceAtual(), 1);
  EXPECT_EQ(a.trilha(), QStringLiteral("T1:3 M35 E35 T35:3 M40 E40 M35 M1"));
}

TEST(Assistente, ErroNoEventoLiberaOsBotoes) {
  AssistenteTeste a;
  a.trabalho = [](int) -> bool { throw std::runtime_error("falhou"); };
  EXPECT_THROW(a.BtnAvancarClick(), std::runtime_error);
  EXPECT_FALSE(a.Ocupado());
  a.trabalho = nullptr;
  executa(a, "A");
  EXPECT_EQ(a.IndiceAtual(), 3);
}

// --- buttons ---------------------------------------------------------------------------------

// The widget in front at the middle of a button's place: its panel or the inactive twin.
QString naFrente(TFormAssistNovo& a, Botao b) {
  QWidget* painel = a.PainelBotao(b);
  QWidget* w = painel->parentWidget()->childAt(painel->geometry().center());
  while (w && w->parentWidget() != painel->parentWidget()) w = w->parentWidget();
  return w ? w->objectName() : QString();
}

struct EstadoBotoes {
  bool voltar, avancar, concluir;
};

void confere(AssistenteTeste& a, EstadoBotoes e) {
  const std::pair<Botao, bool> botoes[] = {
      {Botao::Cancelar, true}, {Botao::Voltar, e.voltar}, {Botao::Avancar, e.avancar}, {Botao::Concluir, e.concluir}};
  for (const auto& [b, ligado] : botoes) {
    SCOPED_TRACE(a.PainelBotao(b)->objectName().toStdString());
    EXPECT_EQ(a.PainelBotao(b)->isEnabled(), ligado);
    EXPECT_FALSE(a.PainelInativo(b)->isEnabled());
    EXPECT_EQ(naFrente(a, b), ligado ? a.PainelBotao(b)->objectName() : a.PainelInativo(b)->objectName());
  }
  EXPECT_EQ(a.AvancarHabilitado(), e.avancar);
}

TEST(AssistenteBotoes, CadaPaginaLigaOsSeus) {
  AssistenteTeste a;
  confere(a, {false, true, true});
  executa(a, "A");
  confere(a, {true, true, true});
  executa(a, "A");
  confere(a, {true, false, true});
  executa(a, "V");
  confere(a, {true, true, true});
}

TEST(AssistenteBotoes, VoltarReligaAvancar) {
  AssistenteTeste a;
  executa(a, "A");
  a.ajustaBotoes = false;
  a.HabilitaAvancar(false);
  executa(a, "V");
  EXPECT_TRUE(a.AvancarHabilitado());
  EXPECT_TRUE(a.PainelBotao(Botao::Avancar)->isEnabled());
}

TEST(AssistenteBotoes, NomesETextos) {
  AssistenteTeste a;
  const struct {
    Botao b;
    const char *painel, *speed, *caption;
  } esperado[] = {{Botao::Cancelar, "btnCancel", "SpeedBtnCancel", "Cancelar"},
                  {Botao::Voltar, "btnPrior", "SpeedBtnPrior", "Voltar"},
                  {Botao::Avancar, "btnNext", "SpeedBtnNext", "Avançar"},
                  {Botao::Concluir, "btnFinish", "SpeedBtnFinish", "Concluir"}};
  for (const auto& e : esperado) {
    EXPECT_EQ(a.PainelBotao(e.b)->objectName(), QString::fromUtf8(e.painel));
    EXPECT_EQ(a.PainelInativo(e.b)->objectName(), QString::fromUtf8(e.painel) + "Inativo");
    EXPECT_EQ(a.SpeedBtn(e.b)->objectName(), QString::fromUtf8(e.speed));
    EXPECT_EQ(a.SpeedBtn(e.b)->text(), QString::fromUtf8(e.caption));
    auto* gemeo = a.PainelInativo(e.b)->findChild<QToolButton*>(QString::fromUtf8(e.speed) + "Inativo");
    ASSERT_NE(gemeo, nullptr);
    EXPECT_EQ(gemeo->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(a.SpeedBtn(e.b)->palette().color(QPalette::ButtonText), QColor(0x336EB1));
    EXPECT_EQ(gemeo->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(0xC6C6C6));
  }
}

TEST(AssistenteBotoes, Rodape) {
  AssistenteTeste a;
  a.resize(600, 400);
  a.show();
  auto* rodape = a.findChild<QWidget*>(QStringLiteral("PnInferior"));
  auto* linha = a.findChild<QWidget*>(QStringLiteral("LinhaRodape"));
  auto* direita = a.findChild<QWidget*>(QStringLiteral("PnDireita"));
  ASSERT_TRUE(rodape && linha && direita);
  EXPECT_EQ(rodape->geometry(), QRect(0, 400 - 41, 600, 41));
  EXPECT_EQ(linha->geometry(), QRect(0, 0, 600, 1));
  EXPECT_EQ(linha->palette().color(QPalette::Window), QColor(0xB9D0DE));
  EXPECT_EQ(direita->width(), 340);
  EXPECT_EQ(direita->geometry().right(), 599);
  EXPECT_EQ(a.palette().color(QPalette::Window), QColor(0xF2F2F2));
  const int x = a.PainelBotao(Botao::Voltar)->x();
  EXPECT_EQ(a.PainelBotao(Botao::Avancar)->x(), x + 100);
  EXPECT_EQ(a.PainelBotao(Botao::Concluir)->x(), x + 200);
  for (Botao b : {Botao::Cancelar, Botao::Voltar, Botao::Avancar, Botao::Concluir})
    EXPECT_EQ(a.PainelBotao(b)->size(), QSize(90, 25));
  EXPECT_EQ(a.AreaPaginas()->geometry(), QRect(0, 0, 600, 359));
  EXPECT_EQ(a.Painel(2)->geometry(), QRect(0, 0, 600, 359));
}

// --- mouse and keys ----------------------------------------------------------------------------

class AssistenteNaTela : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(AtivaJanela(&a)); }
  AssistenteTeste a;
};

TEST_F(AssistenteNaTela, CliquesNosBotoes) {
  QTest::mouseClick(a.SpeedBtn(Botao::Avancar), Qt::LeftButton);
  EXPECT_EQ(a.IndiceAtual(), 2);
  // The picture lets the click through to its button.
  auto* imagem = a.PainelBotao(Botao::Voltar)->findChild<QLabel*>(QStringLiteral("ImgPrior"));
  ASSERT_NE(imagem, nullptr);
  const QPoint noMeio = imagem->geometry().center();
  QWidget* sob = a.PainelBotao(Botao::Voltar)->childAt(noMeio);
  ASSERT_EQ(sob, a.SpeedBtn(Botao::Voltar));
  QTest::mouseClick(sob, Qt::LeftButton, {}, sob->mapFrom(a.PainelBotao(Botao::Voltar), noMeio));
  EXPECT_EQ(a.IndiceAtual(), 1);
  QTest::mouseClick(a.SpeedBtn(Botao::Concluir), Qt::LeftButton);
  EXPECT_EQ(a.fim, QDialog::Accepted);
}

TEST_F(AssistenteNaTela, EnterAvancaDeQualquerControle) {
  executa(a, "A");
  a.edit->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return a.edit->hasFocus(); }));
  QTest::keyClick(a.edit, Qt::Key_Return);
  EXPECT_EQ(a.IndiceAtual(), 3);
  EXPECT_EQ(a.trilha(), QStringLiteral("T1:3 M2 E2 P2 T2:3 M3 E3"));
  // Page 3 disabled Avançar: Enter does nothing there.
  QTest::keyClick(&a, Qt::Key_Enter);
  EXPECT_EQ(a.IndiceAtual(), 3);
  EXPECT_EQ(a.fim, kAberto);
}

// A key handed over unaccepted climbs from its control to every parent; the wizard takes it
// once, at the control: one Enter, one step.
TEST(AssistenteNovo, UmEnterNaoAceitoAvancaUmaVez) {
  // Four pages with Avançar always on: a second Enter would show.
  AssistenteTeste b({{{1, 3}, {2, false}}, {{2, 3}, {3, false}}, {{3, 3}, {4, false}}, {{4, 3}, {0, false}}}, 4);
  b.ajustaBotoes = false;
  b.show();
  executa(b, "A");
  ASSERT_EQ(b.IndiceAtual(), 2);
  b.edit->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(b.edit, &enter);
  EXPECT_EQ(b.IndiceAtual(), 3);
  EXPECT_TRUE(enter.isAccepted());
  // Other keys still reach the control.
  b.MostraPainel(2);
  QTest::keyClicks(b.edit, "x");
  EXPECT_EQ(b.edit->text(), "x");
}

TEST_F(AssistenteNaTela, EscCancela) {
  executa(a, "A");
  a.edit->setFocus();
  QTest::keyClick(a.edit, Qt::Key_Escape);
  EXPECT_TRUE(a.Cancelado());
  EXPECT_EQ(a.fim, QDialog::Rejected);
}

TEST_F(AssistenteNaTela, FecharAJanelaCancela) {
  a.close();
  EXPECT_TRUE(a.Cancelado());
  EXPECT_EQ(a.fim, QDialog::Rejected);
}

// A long step keeps the window alive; a second Avançar while it works is ignored and Cancelar
// stops it: the wizard ends cancelled and no further state runs.
TEST_F(AssistenteNaTela, PassoLongoCancelavel) {
  int voltas = 0;
  a.trabalho = [&](int) {
    for (; voltas < 1000 && !a.Cancelado(); ++voltas) {
      QApplication::processEvents();
      if (voltas == 1) {
        QTest::mouseClick(a.SpeedBtn(Botao::Avancar), Qt::LeftButton);
        QTest::keyClick(&a, Qt::Key_Return);
        a.BtnOKClick();
        a.BtnRetornarClick();
      }
      if (voltas == 2) QTest::mouseClick(a.SpeedBtn(Botao::Cancelar), Qt::LeftButton);
    }
    return !a.Cancelado();
  };
  executa(a, "A");
  EXPECT_EQ(voltas, 3);
  EXPECT_EQ(a.trilha(), QStringLiteral("T1:3 M2 E2 P2"));
  EXPECT_EQ(a.fim, QDialog::Rejected);
  EXPECT_FALSE(a.Ocupado());
  EXPECT_FALSE(a.isVisible());
}

}  // namespace
