#include "interface/ProgramaTolv.h"

#include <QApplication>
#include <QThread>

#include "controles/JanelaAguardeTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TVerificacaoEmCurso.h"
#include "interface/CaixaSilenciosa.h"
#include "interface/TTolv2014.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/AmbienteSistema.h"
#include "plataforma/sistema/InstanciaUnica.h"
#include "plataforma/sistema/PedidoTermino.h"

ProgramaTolv::ProgramaTolv(Opcoes opcoes) : m_opcoes(std::move(opcoes)) {
  if (!m_opcoes.ambiente) {
    m_ambienteReal = std::make_unique<AmbienteSistema>();
    m_opcoes.ambiente = m_ambienteReal.get();
  }
}

ProgramaTolv::~ProgramaTolv() {
  if (m_janela) InstalaJanelaAguarde(nullptr);
  // The window may still show messages while it goes.
  m_janela.reset();
  m_silenciosa.reset();
}

int ProgramaTolv::executa() {
  // Before the first database attachment: the embedded engine then leaves the signals to us.
  m_pedidoTermino = std::make_unique<PedidoTermino>();
  QObject::connect(m_pedidoTermino.get(), &PedidoTermino::pedido, m_pedidoTermino.get(),
                   [this] { terminoPedido(); });
  m_instancia = std::make_unique<InstanciaUnica>(m_opcoes.pastaInstancia);
  if (m_instancia->existeInstanciaAnterior()) return 0;

  QCoreApplication::processEvents();
  QCoreApplication::setApplicationName(QStringLiteral("Tolv 2014"));
  // Before any window: the exit and enter events of every control go through it from the start.
  TRastreadorFoco::instancia();
  m_janela = std::make_unique<TTolv2014>(*m_opcoes.ambiente, m_opcoes.passos);
  QObject::connect(m_instancia.get(), &InstanciaUnica::pedidoParaMostrar, m_janela.get(),
                   &TTolv2014::trazParaFrente);
  // The wait form reaches the window through this.
  m_aguarde = std::make_unique<JanelaAguardeTolv>(m_janela.get());
  InstalaJanelaAguarde(m_aguarde.get());
  if (m_janela->formatoDataRecusado() || m_janela->passos().falhaBancoIndice()) return 1;

  QCoreApplication::processEvents();
  if (!m_silenciosa) {
    m_janela->show();
    m_janela->setEnabled(true);
    if (!m_janela->passos().falhaBancoIndice())
      GuardaEventos::executa([this] { m_janela->AbrirDialogoInicial(); });
  }
  int status = 0;
  // A request that came during the first dialogs already ended their loops: exec would start
  // afresh and wait.
  if (m_opcoes.executaLaco && !m_silenciosa) status = QApplication::exec();
  if (!m_silenciosa) return status;
  GuardaEventos::executa([this] { m_janela->EncerraSemPerguntar(); });
  return 0;
}

// Runs inside whatever loop is current, a modal dialog's maybe: every loop is asked to end, so
// that the window closes from the bottom of the stack, with no dialog above it.
void ProgramaTolv::terminoPedido() {
  if (m_silenciosa) return;
  m_silenciosa = std::make_unique<CaixaSilenciosa>();
  TVerificacaoEmCurso& verificacao = TVerificacaoEmCurso::instancia();
  if (verificacao.ExisteJanela()) verificacao.PedeFechamento();
  // Outside any loop (the start-up's own event processing) there is nothing to end.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}
