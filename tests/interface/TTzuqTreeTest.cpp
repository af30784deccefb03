#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdlib>
#include <memory>
#include <set>

#include "ContornoArvore.h"
#include "interface/TTzuqTree.h"
#include "suporte/QtGtest.h"

namespace {

QStringList ContornoDe(const QTreeWidget& arvore) {
  QStringList linhas;
  for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&arvore)); *it; ++it) {
    int nivel = 0;
    for (auto* p = (*it)->parent(); p; p = p->parent()) ++nivel;
    linhas << LinhaContorno(nivel, TTzuqTree::CodigoDoNo(*it), (*it)->text(0), (*it)->isExpanded());
  }
  return linhas;
}

QTreeWidgetItem* NoDeCodigo(const TTzuqTree& arvore, int codigo) {
  for (QTreeWidgetItemIterator it(arvore.Arvore()); *it; ++it)
    if (TTzuqTree::CodigoDoNo(*it) == codigo) return *it;
  return nullptr;
}

std::multiset<int> CodigosExpandidos(const TTzuqTree& arvore) {
  std::multiset<int> r;
  for (QTreeWidgetItemIterator it(arvore.Arvore()); *it; ++it)
    if ((*it)->isExpanded()) r.insert(TTzuqTree::CodigoDoNo(*it));
  return r;
}

void Clica(QTreeWidget* arvore, QTreeWidgetItem* no) {
  const QPointF ponto = arvore->visualItemRect(no).center();
  QWidget* area = arvore->viewport();
  const QPointF global = area->mapToGlobal(ponto);
  QMouseEvent aperta(QEvent::MouseButtonPress, ponto, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
  QApplication::sendEvent(area, &aperta);
  QMouseEvent solta(QEvent::MouseButtonRelease, ponto, global, Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(area, &solta);
}

// A tree on screen, so that nodes have places to click.
class ArvoreVisivel : public testing::Test {
 protected:
  void SetUp() override {
    arvore.resize(300, 600);
    arvore.show();
    arvore.Arvore()->expandAll();
    QObject::connect(&arvore, &TTzuqTree::onChangeCE,
                     [this](int codigo) { avisos.push_back(codigo); });
  }

  TTzuqTree arvore;
  std::vector<int> avisos;
};

TEST(TTzuqTree, IsAReadOnlyBorderlessTreeNamedTArvore) {
  TTzuqTree arvore;
  auto* t = arvore.findChild<QTreeWidget*>(QStringLiteral("tArvore"));
  ASSERT_EQ(t, arvore.Arvore());
  EXPECT_EQ(t->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(t->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(t->indentation(), 19);
  EXPECT_TRUE(t->isHeaderHidden());
}

TEST(TTzuqTree, PublishesItsSwitchesWithTheirDefaults) {
  TTzuqTree arvore;
  const std::pair<const char*, bool> propriedades[] = {
      {"mostraFC", false},
      {"mostraPlanoSaude", false},
      {"mostraProcesso", false},
      {"mostraDERC", false},
      {"mostraRemessa", false},
      {"mostraExpandido", false},
      {"mostraCompensacaoExigibilidade", true},
      {"mostraCompensacaoExigibilidadeFC", true},
      {"mostraCompensacaoExigibilidadeProc", true},
      {"mostraComprovante", false},
      {"mostraRendimentosIsentos", false},
      {"mostraRendimentosIsentosFC", false},
      {"mostraRendimentosIsentosProc", false},
      {"mostraMolestia", false},
      {"mostraMolestiaProc", false},
      {"mostraMolestiaAnexo", false},
      {"mostraCompRendimentosTributaveis", false},
      {"mostraCompRendimentosIsentos", false},
      {"mostraCompTributacaoExclusiva", false},
      {"mostraCompInformacoesComplementares", false},
      {"mostraCompNaturezaRendimento", false},
      {"mostraCompInfCompRetencoes", false},
      {"mostraCompInfCompRetencoesOrgaos", false},
  };
  for (const auto& [nome, padrao] : propriedades) {
    const QVariant valor = arvore.property(nome);
    ASSERT_TRUE(valor.isValid()) << nome;
    EXPECT_EQ(valor.toBool(), padrao) << nome;
    // every one is writable and reaches the tree
    ASSERT_TRUE(arvore.setProperty(nome, !padrao)) << nome;
    EXPECT_EQ(arvore.property(nome).toBool(), !padrao) << nome;
  }
}

TEST(TTzuqTree, StartsWithTheInformationNodeSelected) {
  TTzuqTree arvore;
  ASSERT_NE(arvore.NoSelecionado(), nullptr);
  EXPECT_EQ(arvore.CodigoSelecionado(), 101);
  EXPECT_EQ(arvore.NoSelecionado()->text(0), QStringLiteral("Informações"));
}

TEST(TTzuqTree, ShowsTheBuiltNodesWithTheirExpansion) {
  TTzuqTree arvore;
  arvore.setMostraComprovante(true);
  arvore.setMostraCompRendimentosTributaveis(true);
  arvore.setMostraMolestiaProc(true);
  arvore.setMostraProcesso(true);
  const QStringList esperado = ContornoDe(MontaArvore(arvore.Propriedades(), 400));
  EXPECT_EQ(ContornoDe(*arvore.Arvore()), esperado);
  EXPECT_TRUE(esperado.contains(
      QStringLiteral("400 Justiça do trabalho/federal/estadual/Distrito Federal +")));
}

struct CasoEscrita {
  const char* propriedade;
  std::multiset<int> expandidos;
};

class EscritaDePropriedade : public testing::TestWithParam<CasoEscrita> {};

TEST_P(EscritaDePropriedade, RebuildsExpandingItsGroupAndDropsTheSelection) {
  TTzuqTree arvore;
  // the other groups are on, so that only the written property's code can expand a head
  arvore.setMostraFC(true);
  arvore.setMostraPlanoSaude(true);
  arvore.setMostraProcesso(true);
  arvore.setMostraDERC(true);
  arvore.setMostraRemessa(true);
  QString titulo;
  arvore.SelecionaNo(201, titulo);
  ASSERT_EQ(arvore.CodigoSelecionado(), 201);

  ASSERT_TRUE(arvore.setProperty(GetParam().propriedade, true));
  EXPECT_EQ(CodigosExpandidos(arvore), GetParam().expandidos);
  EXPECT_EQ(arvore.NoSelecionado(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Propriedades, EscritaDePropriedade,
    testing::Values(CasoEscrita{"mostraFC", {300}}, CasoEscrita{"mostraPlanoSaude", {800}},
                    CasoEscrita{"mostraProcesso", {400}}, CasoEscrita{"mostraDERC", {500, 500}},
                    CasoEscrita{"mostraRemessa", {601}}, CasoEscrita{"mostraComprovante", {}},
                    CasoEscrita{"mostraRendimentosIsentos", {}},
                    CasoEscrita{"mostraCompensacaoExigibilidadeFC", {}}),
    [](const testing::TestParamInfo<CasoEscrita>& info) {
      return std::string(info.param.propriedade);
    });

TEST(TTzuqTree, SelectsTheFirstNodeOfACodeAndGivesItsTitle) {
  TTzuqTree arvore;
  arvore.setMostraFC(true);
  arvore.setMostraDERC(true);
  std::vector<int> avisos;
  QObject::connect(&arvore, &TTzuqTree::onChangeCE, [&](int c) { avisos.push_back(c); });

  QString titulo = QStringLiteral("antes");
  arvore.SelecionaNo(301, titulo);
  EXPECT_EQ(titulo, QStringLiteral("Fundo ou clube de investimentos - Rendimentos tributáveis"));
  ASSERT_EQ(arvore.CodigoSelecionado(), 301);
  // the collapsed "Beneficiário" above it opens, so the selection can be seen
  EXPECT_TRUE(arvore.NoSelecionado()->parent()->isExpanded());

  arvore.SelecionaNo(500, titulo);
  ASSERT_NE(arvore.NoSelecionado(), nullptr);
  EXPECT_EQ(arvore.NoSelecionado()->text(0), QStringLiteral("DERC"));
  EXPECT_EQ(titulo, QStringLiteral("Fundo ou clube de investimentos - Rendimentos tributáveis"));

  EXPECT_TRUE(avisos.empty());
}

TEST(TTzuqTree, CodeOfNoNodeChangesNeitherSelectionNorTitle) {
  TTzuqTree arvore;
  QString titulo = QStringLiteral("Beneficiário do declarante");
  arvore.SelecionaNo(201, titulo);
  const QString anterior = titulo;
  for (int codigo : {206, 404, 301, 102, 9999}) {
    arvore.SelecionaNo(codigo, titulo);
    EXPECT_EQ(titulo, anterior) << codigo;
    EXPECT_EQ(arvore.CodigoSelecionado(), 201) << codigo;
  }
}

TEST(TTzuqTree, NodeWithoutTitleOfItsOwnKeepsTheTitle) {
  TTzuqTree arvore;
  arvore.setMostraRemessa(true);
  QString titulo = QStringLiteral("Beneficiário do declarante");
  arvore.SelecionaNo(601, titulo);
  EXPECT_EQ(arvore.CodigoSelecionado(), 601);
  EXPECT_EQ(titulo, QStringLiteral("Beneficiário do declarante"));
}

TEST_F(ArvoreVisivel, ClickingANodeSelectsItAndReportsItsCode) {
  Clica(arvore.Arvore(), NoDeCodigo(arvore, 205));
  EXPECT_EQ(arvore.CodigoSelecionado(), 205);
  EXPECT_EQ(avisos, std::vector<int>{205});

  Clica(arvore.Arvore(), NoDeCodigo(arvore, 150));
  EXPECT_EQ(avisos, (std::vector<int>{205, 150}));
}

TEST_F(ArvoreVisivel, RefusedClickLeavesTheSelectionAndReportsNothing) {
  int perguntas = 0;
  bool pode = false;
  arvore.DefineVerificacaoClique([&] {
    ++perguntas;
    return pode;
  });

  Clica(arvore.Arvore(), NoDeCodigo(arvore, 205));
  EXPECT_GE(perguntas, 1);
  EXPECT_EQ(arvore.CodigoSelecionado(), 101);
  EXPECT_TRUE(avisos.empty());

  pode = true;
  Clica(arvore.Arvore(), NoDeCodigo(arvore, 205));
  EXPECT_EQ(arvore.CodigoSelecionado(), 205);
  EXPECT_EQ(avisos, std::vector<int>{205});
}

TEST_F(ArvoreVisivel, HeadsAndSelectionAreDrawnInTheirColours) {
  QString titulo;
  arvore.SelecionaNo(201, titulo);
  QApplication::processEvents();
  QTreeWidget* t = arvore.Arvore();
  const QImage imagem = t->viewport()->grab().toImage();
  const auto escuro = [&](QTreeWidgetItem* no) {
    // the darkest pixel of the row lies in its caption; a long one runs past the viewport
    const QRect r = t->visualItemRect(no).intersected(imagem.rect());
    QColor cor = Qt::white;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const QColor c = imagem.pixelColor(x, y);
        if (c.lightness() < cor.lightness()) cor = c;
      }
    return cor;
  };
  // Antialiasing may leave no pixel fully inked: allow a little white in the darkest one.
  const auto perto = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
  };
  const auto fundo = [&](QTreeWidgetItem* no) {
    const QRect r = t->visualItemRect(no).intersected(imagem.rect());
    return imagem.pixelColor(r.right() - 2, r.center().y());
  };
  EXPECT_PRED2(perto, escuro(NoDeCodigo(arvore, 100)), QColor(0x09, 0x41, 0x81));
  EXPECT_PRED2(perto, escuro(NoDeCodigo(arvore, 101)), QColor(0x4E, 0x5C, 0x67));
  EXPECT_EQ(fundo(NoDeCodigo(arvore, 201)), QColor(0xB9, 0xD0, 0xDE));
  EXPECT_EQ(fundo(NoDeCodigo(arvore, 101)), QColor(Qt::white));
}

TEST_F(ArvoreVisivel, ALongCaptionScrollsWholeAndShowsAsATip) {
  arvore.setMostraMolestia(true);
  arvore.Arvore()->expandAll();
  arvore.resize(191, 600);
  QApplication::processEvents();
  QTreeWidgetItem* no = NoDeCodigo(arvore, 206);
  ASSERT_NE(no, nullptr);
  QTreeWidget* t = arvore.Arvore();
  QFont fonte = t->font();
  fonte.setPointSize(9);
  EXPECT_GE(t->visualItemRect(no).right() + 1 - t->visualItemRect(no).left(),
            QFontMetrics(fonte).horizontalAdvance(no->text(0)));
  EXPECT_TRUE(t->horizontalScrollBar()->isVisible());
  EXPECT_EQ(no->toolTip(0), "Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço");
}

TEST(TTzuqTree, RegisteredTreeIsReachedUntilItIsDestroyed) {
  auto primeira = std::make_unique<TTzuqTree>();
  TTzuqTree outra;
  TTzuqTree::Registra(primeira.get());
  EXPECT_EQ(TTzuqTree::Instancia(), primeira.get());
  {
    TTzuqTree passageira;  // destroying a tree that is not registered leaves the registration
  }
  EXPECT_EQ(TTzuqTree::Instancia(), primeira.get());
  primeira.reset();
  EXPECT_EQ(TTzuqTree::Instancia(), nullptr);
  TTzuqTree::Registra(&outra);
  EXPECT_EQ(TTzuqTree::Instancia(), &outra);
  TTzuqTree::Registra(nullptr);
}

TEST(TTzuqTree, DeclarationIndicatorsSwitchTheGroupsAndHideCompensation) {
  TTzuqTree arvore;
  arvore.setMostraFC(true);
  arvore.AplicaIndicadores(
      {.inPlanoSaude = true, .inAdmFC = false, .inAdvogado = true, .inRemessa = true});
  const TPropriedadesArvore& p = arvore.Propriedades();
  EXPECT_TRUE(p.mostraPlanoSaude);
  EXPECT_FALSE(p.mostraFC);
  EXPECT_TRUE(p.mostraProcesso);
  EXPECT_TRUE(p.mostraRemessa);
  EXPECT_FALSE(p.mostraCompensacaoExigibilidade);
  EXPECT_FALSE(p.mostraCompensacaoExigibilidadeFC);
  EXPECT_FALSE(p.mostraCompensacaoExigibilidadeProc);
  QStringList cabecas;
  for (int i = 0; i < arvore.Arvore()->topLevelItemCount(); ++i)
    cabecas << QString::number(TTzuqTree::CodigoDoNo(arvore.Arvore()->topLevelItem(i)));
  EXPECT_EQ(cabecas, QStringList({"100", "800", "400", "600"}));
  EXPECT_EQ(NoDeCodigo(arvore, 202), nullptr);
  EXPECT_EQ(NoDeCodigo(arvore, 402), nullptr);
}

}  // namespace
