#include "interface/TFoCalculaResumo.h"

#include <QApplication>

#include <algorithm>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "controles/AparenciaDialogo.h"
#include "nucleo/RecalculoResumo.h"

namespace {

TFoCalculaResumo* g_janela = nullptr;
int g_intervaloMs = 50;
std::function<void(TFoCalculaResumo&, int)> g_observador;

}  // namespace

TFoCalculaResumo* TFoCalculaResumo::Instancia() { return g_janela; }

int TFoCalculaResumo::DefineIntervaloProgresso(int ms) {
  const int anterior = g_intervaloMs;
  g_intervaloMs = ms;
  return anterior;
}

void TFoCalculaResumo::DefineObservador(std::function<void(TFoCalculaResumo&, int)> observador) {
  g_observador = std::move(observador);
}

TFoCalculaResumo::TFoCalculaResumo(TTolv& tolv, QWidget* dono) : QDialog(dono), m_tolv(tolv) {
  setObjectName(QStringLiteral("FoCalculaResumo"));
  setWindowTitle(QStringLiteral("Resumo da Declaração"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  AparenciaDialogo::Aplica(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 10);
  layout->setSpacing(10);
  auto* rotulo = new QLabel(QStringLiteral("Atualizando o resumo da declaração..."), this);
  rotulo->setObjectName(QStringLiteral("LbMensagem"));
  AparenciaDialogo::PintaTexto(rotulo);
  layout->addWidget(rotulo);
  m_gauge = new QProgressBar(this);
  m_gauge->setObjectName(QStringLiteral("Gauge"));
  m_gauge->setTextVisible(true);
  m_gauge->setRange(0, 1);
  m_gauge->setValue(0);
  m_gauge->setFixedWidth(320);
  layout->addWidget(m_gauge);
  m_cancelar = AparenciaDialogo::Botao(QStringLiteral("BtCancelar"), QStringLiteral("&Cancelar"), this);
  layout->addWidget(m_cancelar, 0, Qt::AlignHCenter);
  connect(m_cancelar, &TTolvButton::clicked, this, [this] {
    if (m_recalculo) m_recalculo->Cancela();
  });
  setFixedSize(sizeHint());
  setModal(true);
}

TFoCalculaResumo::~TFoCalculaResumo() = default;

void TFoCalculaResumo::reject() {
  if (m_recalculo) m_recalculo->Cancela();
}

int TFoCalculaResumo::Executa(TTolv& tolv, QWidget* dono) {
  if (g_janela) return 0;
  TFoCalculaResumo janela(tolv, dono);
  g_janela = &janela;
  struct Solta {
    ~Solta() { g_janela = nullptr; }
  } solta;
  if (dono) AparenciaDialogo::Posiciona(&janela, dono, 0, true);
  janela.show();
  return janela.Calcula();
}

// Runs beside the window's own loop rather than inside one: the walk processes the pending
// events itself (the cancel button among them), and a failure reaches the caller as it is.
int TFoCalculaResumo::Calcula() {
  QApplication::processEvents();
  RecalculoResumo recalculo(m_tolv);
  m_recalculo = &recalculo;
  struct Solta {
    RecalculoResumo*& r;
    ~Solta() { r = nullptr; }
  } solta{m_recalculo};
  const int total = recalculo.TotalLinhas();
  m_gauge->setRange(0, std::max(1, int(total * 1.02)));
  recalculo.DefineProgresso(
      [this](int linhas) {
        m_gauge->setValue(std::min(linhas, m_gauge->maximum()));
        if (g_observador) g_observador(*this, linhas);
        QApplication::processEvents();
      },
      g_intervaloMs);
  const bool completo = recalculo.Executa();
  m_gauge->setValue(m_gauge->maximum());
  hide();
  return completo ? 1 : 2;
}
