#include "nucleo/NavegacaoJanelas.h"

#include "plataforma/bd/Consulta.h"

namespace {

bool TemLinhas(const bd::Consulta& consulta) { return consulta.aberta() && !consulta.vazia(); }

}  // namespace

NavegacaoJanelas::NavegacaoJanelas(Janelas& janelas, bd::Consulta*& atual, Ligacao ligacao)
    : m_janelas(janelas), m_atual(atual), m_ligacao(std::move(ligacao)) {}

void NavegacaoJanelas::Define(bd::Transacao* transacao, const std::array<QString, 4>& sqls, bool releExtremos) {
  for (size_t i = 0; i < m_janelas.size(); ++i) {
    if (!m_janelas[i]) m_janelas[i] = std::make_unique<bd::Consulta>(bd::Consulta::Modo::Cache);
    bd::Consulta& janela = *m_janelas[i];
    janela.fecha();
    janela.defineModo(bd::Consulta::Modo::Cache);
    janela.defineTransacao(transacao);
    janela.defineSql(sqls[i]);
  }
  m_releExtremos = releExtremos;
  EsqueceTudo();
}

bool NavegacaoJanelas::Definida() const {
  for (const auto& janela : m_janelas)
    if (!janela) return false;
  return true;
}

bool NavegacaoJanelas::EhJanela(const bd::Consulta& consulta, Janela janela) const {
  return m_janelas[janela] && m_janelas[janela].get() == &consulta;
}

bool NavegacaoJanelas::TornaAtual(bd::Consulta& consulta) {
  if (!TemLinhas(consulta)) return false;
  m_atual = &consulta;
  m_posicaoSemLinha = -1;
  return true;
}

int NavegacaoJanelas::PosicaoDePartida() const {
  if (m_atual && TemLinhas(*m_atual)) return PosicaoAtual();
  return m_posicaoSemLinha;
}

void NavegacaoJanelas::PerdeLinha(const bd::Consulta& janela, int posicao) {
  // The window just read empty was the current one: its row is gone, its place is not.
  if (&janela == m_atual) m_posicaoSemLinha = posicao;
}

bool NavegacaoJanelas::Abre(Janela janela) {
  bd::Consulta& consulta = JanelaDe(janela);
  // The parameters are read from the current row before the query closes: it may be this one.
  if (m_ligacao.posiciona) m_ligacao.posiciona(consulta, janela, m_atual && m_atual->aberta() ? m_atual : nullptr);
  m_ligacao.abre(consulta);
  m_inicio.erase(&consulta);
  return TemLinhas(consulta);
}

void NavegacaoJanelas::Primeiro() {
  if (!Definida()) return;
  bd::Consulta& primeira = JanelaDe(kPrimeira);
  if ((m_releExtremos || !primeira.aberta()) && Abre(kPrimeira)) m_inicio[&primeira] = 1;
  if (TornaAtual(primeira)) primeira.primeiro();
}

void NavegacaoJanelas::Ultimo() {
  if (!Definida()) return;
  bd::Consulta& ultima = JanelaDe(kUltima);
  if ((m_releExtremos || !ultima.aberta()) && Abre(kUltima)) {
    const int total = m_ligacao.total ? m_ligacao.total() : -1;
    if (total >= 0) m_inicio[&ultima] = total - ultima.quantidade() + 1;
  }
  if (TornaAtual(ultima)) ultima.ultimo();
}

void NavegacaoJanelas::Anterior() {
  if (!Definida()) return;
  if (m_ligacao.semPosicao && m_ligacao.semPosicao()) {
    Ultimo();
    return;
  }
  bd::Consulta* atual = m_atual;
  if (atual && atual->aberta()) {
    // A forward-only query has no way back but the window before its row.
    const bool volta = atual->modo() == bd::Consulta::Modo::Cache;
    if (volta) atual->anterior();
    if (volta && (!atual->bof() || EhJanela(*atual, kPrimeira))) return;
  }
  const int posicao = PosicaoDePartida();
  bd::Consulta& anterior = JanelaDe(kAnterior);
  if (!Abre(kAnterior)) {
    PerdeLinha(anterior, posicao);
    return;
  }
  if (posicao > 0) m_inicio[&anterior] = posicao - anterior.quantidade();
  TornaAtual(anterior);
  anterior.ultimo();
}

void NavegacaoJanelas::Proximo() {
  if (!Definida()) return;
  bd::Consulta* atual = m_atual;
  if (atual && atual->aberta()) {
    atual->proximo();
    if (!atual->eof() || EhJanela(*atual, kUltima)) return;
  }
  const int posicao = PosicaoDePartida();
  bd::Consulta& proxima = JanelaDe(kProxima);
  if (!Abre(kProxima)) {
    PerdeLinha(proxima, posicao);
    return;
  }
  if (posicao > 0) m_inicio[&proxima] = posicao + 1;
  TornaAtual(proxima);
}

void NavegacaoJanelas::FechaExtremos() {
  for (Janela janela : {kUltima, kPrimeira}) {
    if (!m_janelas[janela] || m_janelas[janela].get() == m_atual) continue;
    m_janelas[janela]->fecha();
    m_inicio.erase(m_janelas[janela].get());
  }
}

void NavegacaoJanelas::Esquece(const bd::Consulta& consulta) {
  m_inicio.erase(&consulta);
  if (&consulta == m_atual) m_posicaoSemLinha = -1;
}

void NavegacaoJanelas::EsqueceTudo() {
  m_inicio.clear();
  m_posicaoSemLinha = -1;
}

int NavegacaoJanelas::InicioDe(const bd::Consulta& consulta) const {
  const auto it = m_inicio.find(&consulta);
  return it == m_inicio.end() ? -1 : it->second;
}

int NavegacaoJanelas::PosicaoAtual() const {
  if (!m_atual || !TemLinhas(*m_atual) || m_atual->posicao() < 1) return -1;
  const int inicio = InicioDe(*m_atual);
  return inicio > 0 ? inicio + m_atual->posicao() - 1 : -1;
}

void NavegacaoJanelas::ConhecePosicao(int posicao) {
  if (posicao < 1 || !m_atual || !TemLinhas(*m_atual) || m_atual->posicao() < 1) return;
  m_inicio[m_atual] = posicao - m_atual->posicao() + 1;
}
