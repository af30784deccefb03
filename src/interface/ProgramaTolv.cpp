#include "interface/ProgramaTolv.h"

#include <QApplication>

#include "controles/JanelaAguardeTolv.h"
#include "controles/TRastreadorFoco.h"
#include "interface/TTolv2014.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/AmbienteSistema.h"
#include "plataforma/sistema/InstanciaUnica.h"

ProgramaTolv::ProgramaTolv(Opcoes opcoes) : m_opcoes(std::move(opcoes)) {
  if (!m_opcoes.ambiente) {
    m_ambienteReal = std::make_unique<AmbienteSistema>();
    m_opcoes.ambiente = m_ambienteReal.get();
  }
}

ProgramaTolv::~ProgramaTolv() {
  if (m_janela) InstalaJanelaAguarde(nullptr);
}

int ProgramaTolv::executa() {
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
  m_janela->show();
  m_janela->setEnabled(true);
  if (!m_janela->passos().falhaBancoIndice())
    GuardaEventos::executa([this] { m_janela->AbrirDialogoInicial(); });
  return m_opcoes.executaLaco ? QApplication::exec() : 0;
}
