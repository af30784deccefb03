// The verification frame, offscreen: from a finding to the named field of the named line through
// the main window's services, the buttons and their twins, the box, the report and the grid fed
// by its model.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTableView>
#include <QThread>
#include <QToolButton>

#include <memory>

#include "VerificacaoTeste.h"
#include "entrega/TFrTolvVerifica.h"
#include "entrega/TModeloVerificacao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "suporte/ImpressorasFalsas.h"

namespace {

using namespace verificacao_teste;

// A declaration administering funds and paying by court order, with one beneficiary whose name
// breaks the name rules in each section: its own line 1, the fund's line 3, the process's line 10.
const char* const kLinhasComNomeInvalido = R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO 2', 1000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (2, 1, '0561', '1', '529982247', 'BELTRANO DA SILVA', 1000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_MAR)
  VALUES (3, 2, '6800', '1', '111444777', 'FULANO 2', 500);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_FEV)
  VALUES (10, 4, '5928', '1', '111444777', 'FULANO 2', 700);
)";

class FrameVerificacao : public ComIndice {
 protected:
  void SetUp() override {
    ComIndice::SetUp();
    m_host = std::make_unique<QWidget>();
    m_host->resize(700, 420);
    m_frame = new TFrTolvVerifica(m_host.get());
    m_frame->resize(700, 420);
    m_frame->SetServicos(&m_servicos);
    m_host->show();
  }
  void TearDown() override {
    m_host.reset();
    ComIndice::TearDown();
  }

  void Executa(const QStringList& entradas, ISecoesVerificacao* secoes = nullptr) {
    m_frame->SetDeclaracoes(entradas);
    m_frame->Verificacao().SetSecoes(secoes);
    int contador = 0;
    EXPECT_TRUE(m_frame->ExecutarVerificacao(contador));
  }
  void ComPendenciasEmCadaSecao() {
    Cria(kMatriz, 0, true, true);
    Roda(kMatriz, QString::fromLatin1(kAnexos) + QString::fromUtf8(kLinhasComNomeInvalido));
    Executa({Entrada(kMatriz)});
  }
  // The grid's current row becomes the first finding of the field.
  bool Seleciona(int objeto) {
    const TModeloVerificacao& m = m_frame->Modelo();
    for (int i = 0; i < m.rowCount(); ++i)
      if (m.Linha(i).EhPendencia() && m.Linha(i).objeto == objeto) {
        m_frame->Grade().setCurrentIndex(m.index(i, 0));
        return true;
      }
    return false;
  }
  // The first row that is not a finding.
  void SelecionaTitulo() { m_frame->Grade().setCurrentIndex(m_frame->Modelo().index(0, 0)); }
  template <class W = QWidget>
  W* Filho(const char* nome) const {
    return m_frame->findChild<W*>(QLatin1String(nome));
  }

  ServicosFalsos m_servicos;
  std::unique_ptr<QWidget> m_host;
  TFrTolvVerifica* m_frame = nullptr;
};

using Ida = ServicosFalsos::Ida;

// The go-to lands on the named field of the named line, of each kind of page.
TEST_F(FrameVerificacao, DaPendenciaAoCampoDaLinha) {
  ComPendenciasEmCadaSecao();
  ASSERT_TRUE(Seleciona(24));
  m_frame->DbgErrosEncontradosDblClick();
  ASSERT_TRUE(Seleciona(32));
  Filho<QToolButton>("SpeedBtnPoint")->click();
  ASSERT_TRUE(Seleciona(40));
  m_frame->DbgErrosEncontradosDblClick();
  EXPECT_EQ(m_servicos.idas, std::vector<Ida>({{"1", "1", 24}, {"2", "3", 32}, {"4", "10", 40}}));
  // The window that holds the list makes way for the page: hidden, never minimized (a window
  // manager may minimize its owner with it).
  EXPECT_TRUE(m_host->isHidden());
  EXPECT_FALSE(m_host->isMinimized());
}

TEST_F(FrameVerificacao, GoToLevaAoChamadorDoHospedeiro) {
  ComPendenciasEmCadaSecao();
  std::vector<Ida> idas;
  m_frame->SetAoPosicionar([&](const QString& d, const QString& o, int s) { idas.push_back({d, o, s}); });
  ASSERT_TRUE(Seleciona(24));
  m_frame->DbgErrosEncontradosDblClick();
  EXPECT_EQ(idas, std::vector<Ida>({{"1", "1", 24}}));
  EXPECT_TRUE(m_servicos.idas.empty());
}

TEST_F(FrameVerificacao, SemCampoOuSoConsultaNaoVaiANenhumLugar) {
  ComPendenciasEmCadaSecao();
  SelecionaTitulo();
  EXPECT_FALSE(m_frame->GetPodePosicionar());
  EXPECT_TRUE(Filho("btnPoint")->isHidden());
  m_frame->DbgErrosEncontradosDblClick();
  m_frame->SetSomenteConsulta(true);
  ASSERT_TRUE(Seleciona(24));
  EXPECT_TRUE(m_frame->GetPodePosicionar());
  m_frame->DbgErrosEncontradosDblClick();
  EXPECT_TRUE(m_servicos.idas.empty());
  EXPECT_FALSE(m_host->isHidden());
}

// While the run works nothing of the list leads anywhere, and the stop button is the one offered.
TEST_F(FrameVerificacao, DuranteAExecucao) {
  Cria(kMatriz);
  bool pararVisivel = false, relatorioInativo = false;
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    pararVisivel = !Filho("btnStop")->isHidden();
    relatorioInativo = !Filho("btnPrintInativo")->isHidden() && Filho("btnPrint")->isHidden();
    erros.Adiciona(TErro::CreatePendencia(80, QStringLiteral("X"), 1, TErro::kBotaoOk, 0, QStringLiteral("1"),
                                          QStringLiteral("1"), 24));
    v.IncluiErros(erros);
    erros.Limpa();
    m_frame->Modelo().Publica();
    m_frame->Grade().setCurrentIndex(m_frame->Modelo().index(1, 0));
    m_frame->DbgErrosEncontradosDblClick();
    m_frame->BbImprimirClick();
    m_frame->BbStopClick();
  });
  bool impresso = false;
  m_frame->SetImpressao([&](bool) { impresso = true; });
  Executa({Entrada(kMatriz)}, &secoes);
  EXPECT_TRUE(pararVisivel);
  EXPECT_TRUE(relatorioInativo);
  EXPECT_TRUE(m_servicos.idas.empty());
  EXPECT_FALSE(impresso);
  // Stopped: the text says so, the report is back, and the finding now leads to its field.
  EXPECT_FALSE(Filho<QLabel>("LabelStop")->isHidden());
  EXPECT_TRUE(Filho<QLabel>("LabelMens")->isHidden());
  EXPECT_EQ(Filho<QLabel>("LabelStop")->text(), QStringLiteral("Verificação de pendências interrompida pelo usuário! "));
  EXPECT_TRUE(Filho("btnStop")->isHidden());
  EXPECT_FALSE(Filho("btnStopInativo")->isHidden());
  EXPECT_FALSE(Filho("btnPrint")->isHidden());
  ASSERT_TRUE(Seleciona(24));
  EXPECT_FALSE(Filho("btnPoint")->isHidden());
  m_frame->DbgErrosEncontradosDblClick();
  EXPECT_EQ(m_servicos.idas.size(), 1u);
}

// The wizards offer neither the stop button nor the go-to: the bottom panel keeps the counters and
// the report.
TEST_F(FrameVerificacao, NosAssistentes) {
  Cria(kMatriz);
  Roda(kMatriz, QStringLiteral(
                    "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR,"
                    " VL_RENDIME_JAN) VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);"));
  m_frame->SetPodePosicionar(false);
  m_frame->SetMostraParar(false);
  Executa({Entrada(kMatriz)});
  for (const char* nome : {"btnStop", "btnStopInativo", "btnPoint", "btnPointInativo", "PnAvisos", "PnEspaco"})
    EXPECT_TRUE(Filho(nome)->isHidden()) << nome;
  EXPECT_FALSE(Filho("btnPrint")->isHidden());
  EXPECT_EQ(Filho("PnInferior")->height(), 45);
  EXPECT_EQ(Filho("PanelNumErros")->y(), 13);
  EXPECT_EQ(Filho("PanelNumAvisos")->y(), 25);
  EXPECT_TRUE(m_frame->SemPendencias());
}

TEST_F(FrameVerificacao, MostrarAvisosFicaNasConfiguracoes) {
  QCheckBox* caixa = Filho<QCheckBox>("CkbAvisos");
  ASSERT_TRUE(caixa->isChecked());
  caixa->setChecked(false);
  EXPECT_FALSE(ConfiguracoesTolv::ExibirAvisos());
  EXPECT_FALSE(m_frame->Verificacao().GetMostrarAvisos());
  TFrTolvVerifica outro;
  EXPECT_FALSE(outro.findChild<QCheckBox*>(QStringLiteral("CkbAvisos"))->isChecked());
  EXPECT_FALSE(outro.Verificacao().GetMostrarAvisos());
  caixa->setChecked(true);
  EXPECT_TRUE(ConfiguracoesTolv::ExibirAvisos());
}

TEST_F(FrameVerificacao, RelatorioAvisaDaImpressoraIndisponivel) {
  ImpressorasFalsas impressoras({ImpressoraDeTeste(QStringLiteral("Laser"), QPageSize::A4, EstadoImpressora::Erro)},
                                QStringLiteral("Laser"));
  std::vector<bool> pedidos;
  m_frame->SetImpressao([&](bool visualizar) { pedidos.push_back(visualizar); });
  m_frame->BbImprimirClick();
  m_frame->SetVisualizar(false);
  m_frame->BbImprimirClick();
  EXPECT_EQ(pedidos, std::vector<bool>({true, false}));
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.ultima().texto,
            QStringLiteral("Erro ao checar comunicação com a impressora. Pode ocorrer erro na impressão."));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Aviso"));
}

// The grid shows the rows when the frame publishes them, at most every 100 ms while the run works,
// never once per row.
TEST_F(FrameVerificacao, GradeAcompanhaAExecucaoSemRepintarPorLinha) {
  Cria(kMatriz);
  int linhasLogoApos = -1, linhasDepois = -1;
  SecoesFalsas secoes([&](TTolv&, TErros&, TVerificacaoPendencias& v, int&) {
    for (int i = 0; i < 200; ++i) v.IncluiTitulo(QStringLiteral("10Título %1").arg(i));
    linhasLogoApos = m_frame->Modelo().rowCount();
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < 300) {
      QThread::msleep(5);
      v.ProcessaEventos();
    }
    linhasDepois = m_frame->Modelo().rowCount();
  });
  int inseridas = 0;
  QObject::connect(&m_frame->Modelo(), &QAbstractItemModel::rowsInserted, [&] { ++inseridas; });
  Executa({Entrada(kMatriz)}, &secoes);
  EXPECT_EQ(linhasLogoApos, 0);
  EXPECT_EQ(linhasDepois, 201);
  EXPECT_LE(inseridas, 2);
  EXPECT_EQ(m_frame->Modelo().rowCount(), 201);
  EXPECT_EQ(m_frame->Modelo().data(m_frame->Modelo().index(1, 0)).toString(), QStringLiteral("Título 0"));
  // The last row is current, as the run left it.
  EXPECT_EQ(m_frame->Grade().currentIndex().row(), 200);
}

// The payments-abroad title is drawn as the fund header is, with the clips: both are rows of the
// same kind.
TEST_F(FrameVerificacao, TituloDeRemessasComOIconeDosFundos) {
  Cria(kMatriz);
  SecoesFalsas secoes([](TTolv&, TErros&, TVerificacaoPendencias& v, int&) {
    v.IncluiCabecalhoFundo(QStringLiteral("22.333.444/0001-55"), QStringLiteral("FUNDO UM"));
    v.IncluiTituloRemessa();
  });
  Executa({Entrada(kMatriz)}, &secoes);
  QTableView& grade = m_frame->Grade();
  ASSERT_GE(m_frame->Modelo().rowCount(), 3);
  grade.setCurrentIndex({});
  grade.clearSelection();
  const QImage imagem = grade.viewport()->grab().toImage();
  // The icon sits at the row's left edge, centred on the row.
  auto icone = [&](int linha) {
    const QRect r = grade.visualRect(m_frame->Modelo().index(linha, 0));
    const QImage pedaco = imagem.copy(r.left() + 2, r.center().y() - 7, 16, 14);
    EXPECT_FALSE(pedaco.isNull());
    return pedaco;
  };
  EXPECT_EQ(icone(2), icone(1));
  EXPECT_NE(icone(2), icone(0));
}

}  // namespace
