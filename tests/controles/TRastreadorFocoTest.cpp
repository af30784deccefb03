#include "controles/TRastreadorFoco.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "controles/ExibicaoErros.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

using Diario = std::vector<QString>;

// janela
//   painelA: subA (a1, a2), a3
//   painelB: b1, b2, botao
class RastreadorFoco : public testing::Test {
 protected:
  void SetUp() override {
    // The program's display of what a handler raises.
    InstalaExibicaoErros();
    rastreador = std::make_unique<TRastreadorFoco>();
    janela = std::make_unique<QWidget>();
    janela->setObjectName("janela");
    auto* layout = new QVBoxLayout(janela.get());
    painelA = painel("painelA", janela.get());
    subA = painel("subA", painelA);
    a1 = edit("a1", subA);
    a2 = edit("a2", subA);
    a3 = edit("a3", painelA);
    painelB = painel("painelB", janela.get());
    b1 = edit("b1", painelB);
    b2 = edit("b2", painelB);
    botao = new QPushButton("OK", painelB);
    botao->setObjectName("botao");
    painelB->layout()->addWidget(botao);
    layout->addWidget(painelA);
    layout->addWidget(painelB);
    mostra(janela.get());
    a1->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), a1);
    for (QWidget* w : {static_cast<QWidget*>(painelA), static_cast<QWidget*>(subA),
                       static_cast<QWidget*>(painelB), static_cast<QWidget*>(a1),
                       static_cast<QWidget*>(a2), static_cast<QWidget*>(a3),
                       static_cast<QWidget*>(b1), static_cast<QWidget*>(b2),
                       static_cast<QWidget*>(botao)})
      anota(w);
    diario.clear();
  }

  static void mostra(QWidget* w) { ASSERT_TRUE(AtivaJanela(w)); }

  QFrame* painel(const char* nome, QWidget* pai) {
    auto* p = new QFrame(pai);
    p->setObjectName(nome);
    new QVBoxLayout(p);
    if (pai->layout() && pai != janela.get()) pai->layout()->addWidget(p);
    return p;
  }

  QLineEdit* edit(const char* nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    pai->layout()->addWidget(e);
    return e;
  }

  // Every exit and enter goes to the journal; an exit refuses while its name is in `recusam`.
  void anota(QWidget* w) {
    const QString nome = w->objectName();
    rastreador->registra(
        w,
        [this, nome](QWidget* destino) {
          diario.push_back("saida:" + nome);
          destinos[nome] = destino ? destino->objectName() : QString();
          return !recusam.count(nome);
        },
        [this, nome](QWidget* origem) {
          diario.push_back("entrada:" + nome);
          origens[nome] = origem ? origem->objectName() : QString();
        });
  }

  std::unique_ptr<TRastreadorFoco> rastreador;
  std::unique_ptr<QWidget> janela;
  QFrame *painelA, *subA, *painelB;
  QLineEdit *a1, *a2, *a3, *b1, *b2;
  QPushButton* botao;
  Diario diario;
  std::set<QString> recusam;
  std::map<QString, QString> destinos, origens;
};

struct Movimento {
  const char* de;
  const char* para;
  Diario esperado;
};

class RastreadorFocoMovimentos : public RastreadorFoco,
                                 public testing::WithParamInterface<Movimento> {};

TEST_P(RastreadorFocoMovimentos, SaidasDeDentroParaForaEntradasDeForaParaDentro) {
  const Movimento& m = GetParam();
  janela->findChild<QWidget*>(m.de)->setFocus(Qt::OtherFocusReason);
  diario.clear();
  janela->findChild<QWidget*>(m.para)->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), m.para);
  EXPECT_EQ(diario, m.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Paineis, RastreadorFocoMovimentos,
    testing::Values(
        Movimento{"a1", "a2", {"saida:a1", "entrada:a2"}},
        Movimento{"a1", "a3", {"saida:a1", "saida:subA", "entrada:a3"}},
        Movimento{"a3", "a1", {"saida:a3", "entrada:subA", "entrada:a1"}},
        Movimento{"a1", "b1",
                  {"saida:a1", "saida:subA", "saida:painelA", "entrada:painelB", "entrada:b1"}},
        Movimento{"b2", "a2",
                  {"saida:b2", "saida:painelB", "entrada:painelA", "entrada:subA", "entrada:a2"}}));

TEST_F(RastreadorFoco, TratadoresSabemDeOndeVemEParaOndeVaiOFoco) {
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(destinos["a1"], "b1");
  EXPECT_EQ(destinos["painelA"], "b1");
  EXPECT_EQ(origens["painelB"], "a1");
  EXPECT_EQ(origens["b1"], "a1");
}

TEST_F(RastreadorFoco, TeclaTabPassaPeloRastreador) {
  QTest::keyClick(a1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), a2);
  EXPECT_EQ(diario, (Diario{"saida:a1", "entrada:a2"}));
}

TEST_F(RastreadorFoco, SaidaRecusadaDevolveOFocoSemEntradasEGuardaOTexto) {
  CaixaMensagemFalsa caixa;
  rastreador->registra(a1, [](QWidget*) {
    ExibeMensagem("Valor inválido", TipoMensagem::Erro);
    return false;
  });
  QTest::keyClicks(a1, "12a");
  b1->setFocus(Qt::TabFocusReason);

  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_EQ(a1->text(), "12a");
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  // Only the exit of a1 ran (the journal's handler, registered before the refusing one):
  // neither the exit of b1 on the way back nor any enter.
  EXPECT_EQ(diario, (Diario{"saida:a1"}));

  // The field still counts as focused: the next move starts from it.
  rastreador->esquece(a1);
  diario.clear();
  b2->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(diario, (Diario{"saida:subA", "saida:painelA", "entrada:painelB", "entrada:b2"}));
}

TEST_F(RastreadorFoco, PrimeiraRecusaDeUmControleCalaOsTratadoresSeguintes) {
  std::vector<int> chamados;
  recusam.insert("a1");
  const int depois = rastreador->registra(a1, [&](QWidget*) {
    chamados.push_back(2);
    return true;
  });
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(chamados.empty());

  recusam.clear();
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(chamados, std::vector<int>{2});

  rastreador->cancela(depois);
  a1->setFocus(Qt::TabFocusReason);
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(chamados, std::vector<int>{2});
}

TEST_F(RastreadorFoco, ConteinerQueRecusaDevolveOFocoAoControle) {
  recusam.insert("painelA");
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_EQ(diario, (Diario{"saida:a1", "saida:subA", "saida:painelA"}));
}

TEST_F(RastreadorFoco, CliqueQueLevouOFocoDeUmCampoRecusadoNaoAciona) {
  int cliques = 0;
  QObject::connect(botao, &QPushButton::clicked, [&] { ++cliques; });
  recusam.insert("a1");
  QTest::mouseClick(botao, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_EQ(cliques, 0);
  EXPECT_FALSE(botao->isDown());

  recusam.clear();
  QTest::mouseClick(botao, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), botao);
  EXPECT_EQ(cliques, 1);
}

TEST_F(RastreadorFoco, TratadorDeSaidaQueMoveOFocoRecomecaDeOndeParou) {
  int profundidade = 0, maior = 0;
  rastreador->registra(painelA, [&](QWidget* destino) {
    maior = std::max(maior, ++profundidade);
    if (!painelA->isAncestorOf(destino)) a2->setFocus(Qt::OtherFocusReason);
    --profundidade;
    return true;
  });
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), a2);
  EXPECT_EQ(diario, (Diario{"saida:a1", "saida:subA", "saida:painelA", "entrada:painelA",
                            "entrada:subA", "entrada:a2"}));
  EXPECT_EQ(maior, 1);
}

TEST_F(RastreadorFoco, TratadorDeEntradaQueMoveOFoco) {
  rastreador->registra(b2, {}, [&](QWidget*) { b1->setFocus(Qt::OtherFocusReason); });
  b2->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), b1);
  EXPECT_EQ(diario, (Diario{"saida:a1", "saida:subA", "saida:painelA", "entrada:painelB",
                            "entrada:b2", "saida:b2", "entrada:b1"}));
}

TEST_F(RastreadorFoco, TratadoresQueSeDevolvemOFocoSemFimTerminam) {
  rastreador->registra(b1, {}, [&](QWidget*) { b2->setFocus(Qt::OtherFocusReason); });
  rastreador->registra(b2, {}, [&](QWidget*) { b1->setFocus(Qt::OtherFocusReason); });
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_LT(diario.size(), 100u);

  rastreador->esquece(b1);
  rastreador->esquece(b2);
  diario.clear();
  a1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_EQ(diario.back(), "entrada:a1");
}

TEST_F(RastreadorFoco, ExcecaoDeUmTratadorEhMostradaEOFocoSegue) {
  CaixaMensagemFalsa caixa;
  rastreador->registra(subA, [](QWidget*) -> bool { throw TErro(191); });
  b1->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(caixa.ultima().texto, TErro(191).GetMensagem());
  EXPECT_EQ(QApplication::focusWidget(), b1);
  EXPECT_EQ(diario.back(), "entrada:b1");
}

// A real modal dialog takes the focus into its own window and gives it back when it closes.
class DialogoModal {
 public:
  explicit DialogoModal(QWidget* pai) : m_dialogo(pai) {
    m_dialogo.setObjectName("dialogo");
    auto* layout = new QVBoxLayout(&m_dialogo);
    m_edit = new QLineEdit(&m_dialogo);
    m_edit->setObjectName("d1");
    layout->addWidget(m_edit);
  }
  QLineEdit* edit() { return m_edit; }
  // Runs the dialog's own loop; once the dialog is active and focused, `dentro` runs and the
  // dialog closes.
  void executa(std::function<void()> dentro = {}) {
    QTimer::singleShot(0, &m_dialogo, [this, dentro] {
      m_ativo = AtivaJanela(&m_dialogo);
      m_focado = QApplication::focusWidget() == m_edit;
      if (dentro) dentro();
      m_dialogo.done(QDialog::Accepted);
    });
    m_dialogo.exec();
  }
  bool esteveAtivo() const { return m_ativo && m_focado; }

 private:
  QDialog m_dialogo;
  QLineEdit* m_edit;
  bool m_ativo = false, m_focado = false;
};

TEST_F(RastreadorFoco, DialogoModalNaoTiraOFocoDoCampo) {
  DialogoModal dialogo(janela.get());
  dialogo.executa();
  EXPECT_TRUE(dialogo.esteveAtivo());
  mostra(janela.get());
  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_TRUE(diario.empty());

  a2->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(diario, (Diario{"saida:a1", "entrada:a2"}));
}

TEST_F(RastreadorFoco, DialogoModalAbertoNumaSaidaTemSeusProprios) {
  DialogoModal dialogo(janela.get());
  Diario doDialogo;
  rastreador->registra(dialogo.edit(), [&](QWidget*) { return true; },
                       [&](QWidget*) { doDialogo.push_back("entrada:d1"); });
  rastreador->registra(a1, [&](QWidget*) {
    dialogo.executa([&] { dialogo.edit()->setFocus(Qt::OtherFocusReason); });
    return !recusam.count("a1-dialogo");
  });

  recusam.insert("a1-dialogo");
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(dialogo.esteveAtivo());
  EXPECT_EQ(doDialogo, Diario{"entrada:d1"});
  EXPECT_EQ(diario, Diario{"saida:a1"});
  mostra(janela.get());
  EXPECT_EQ(QApplication::focusWidget(), a1);
  EXPECT_EQ(diario, Diario{"saida:a1"});

  recusam.clear();
  diario.clear();
  b1->setFocus(Qt::TabFocusReason);
  mostra(janela.get());
  EXPECT_EQ(QApplication::focusWidget(), b1);
  EXPECT_EQ(diario,
            (Diario{"saida:a1", "saida:subA", "saida:painelA", "entrada:painelB", "entrada:b1"}));
}

TEST_F(RastreadorFoco, ControleFocadoDestruidoDeixaOFocoNoSeuConteiner) {
  delete a1;
  a2->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(diario, Diario{"entrada:a2"});
}

TEST_F(RastreadorFoco, PainelDestruidoNoMeioDoCaminho) {
  // Qt still uses the control gaining the focus after announcing the change: a handler may
  // only let it go later.
  rastreador->registra(painelA, [&](QWidget*) {
    painelB->deleteLater();
    delete a3;
    return true;
  });
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(diario,
            (Diario{"saida:a1", "saida:subA", "saida:painelA", "entrada:painelB", "entrada:b1"}));

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  diario.clear();
  a2->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), a2);
  EXPECT_EQ(diario, (Diario{"entrada:painelA", "entrada:subA", "entrada:a2"}));
}

TEST_F(RastreadorFoco, TratadorQueDestroiOProprioControle) {
  rastreador->registra(a1, [&](QWidget*) {
    delete a1;
    return true;
  });
  b1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), b1);
  EXPECT_EQ(diario,
            (Diario{"saida:a1", "saida:subA", "saida:painelA", "entrada:painelB", "entrada:b1"}));
}

TEST_F(RastreadorFoco, JanelaDestruidaComOFoco) {
  janela.reset();
  QWidget outra;
  auto* layout = new QVBoxLayout(&outra);
  auto* x = new QLineEdit(&outra);
  auto* y = new QLineEdit(&outra);
  layout->addWidget(x);
  layout->addWidget(y);
  Diario d;
  rastreador->registra(y, {}, [&](QWidget* origem) { d.push_back(origem == x ? "x" : "?"); });
  mostra(&outra);
  x->setFocus(Qt::OtherFocusReason);
  y->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(d, Diario{"x"});
}

TEST_F(RastreadorFoco, RastreadorDoProgramaEhUmSo) {
  EXPECT_EQ(&TRastreadorFoco::instancia(), &TRastreadorFoco::instancia());
}

}  // namespace
