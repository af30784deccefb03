#include "interface/ServicosJanelaPrincipal.h"

#include "interface/AcoesPrincipal.h"
#include "interface/TTolv2014.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/gui/GuardaEventos.h"

QWidget* ServicosJanelaPrincipal::Janela() { return &m_janela; }

TTolv& ServicosJanelaPrincipal::GetTolv() { return m_janela.GetTolv(); }

TColecaoTolv& ServicosJanelaPrincipal::GetColecaoTolv() { return m_janela.GetColecaoTolv(); }

bool ServicosJanelaPrincipal::DeclaracaoAberta() const { return m_janela.DeclaracaoAberta(); }

void ServicosJanelaPrincipal::IrParaPendencia(const QString& dono, const QString& objeto, int secao) {
  m_janela.IrParaPendencia(dono, objeto, secao);
}

bool ServicosJanelaPrincipal::EdicaoInvalida() const { return m_janela.RecusaPagina(); }

void ServicosJanelaPrincipal::DefineEdicaoInvalida(bool invalida) { m_janela.DefineRecusaPagina(invalida); }

void ServicosJanelaPrincipal::AtualizaMenus() { m_janela.atualizaMenus(); }

void ServicosJanelaPrincipal::Imprime(int tipoImpressao) {
  TipoImpressao = tipoImpressao;
  m_janela.Acoes().MiImprimirClick();
}

void ServicosJanelaPrincipal::VerificacaoEmExecucao(bool emExecucao) {
  if (emExecucao) {
    if (m_execucoes++ == 0) m_guardaAntes = AcaoEmAndamento;
    AcaoEmAndamento = true;
  } else if (m_execucoes > 0 && --m_execucoes == 0) {
    AcaoEmAndamento = m_guardaAntes;
  }
}
