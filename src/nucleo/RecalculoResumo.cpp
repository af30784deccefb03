#include "nucleo/RecalculoResumo.h"

#include <memory>

#include "nucleo/Erros.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

// The working copy reads through the open declaration's transactions and lets them go before
// it ends, so that the open declaration keeps them.
struct CopiaDeTrabalho {
  TErros erros;
  TTolv tolv;
  explicit CopiaDeTrabalho(TTolv& aberta) {
    tolv.SetErros(&erros);
    aberta.Atribui(tolv);
    tolv.SetArquivo(aberta.GetArquivo());
    tolv.CompartilhaTransacoes(aberta);
  }
  ~CopiaDeTrabalho() {
    tolv.LiberaItens();
    tolv.DesligaTransacoes();
  }
};

}  // namespace

RecalculoResumo::RecalculoResumo(TTolv& declaracao) : m_declaracao(declaracao) {}

void RecalculoResumo::DefineProgresso(Progresso progresso, int intervaloMs) {
  m_progresso = std::move(progresso);
  m_intervaloMs = intervaloMs;
}

int RecalculoResumo::TotalLinhas() { return m_declaracao.GetItens().TotalItens(); }

std::array<int64_t, TResumo::kTotais> RecalculoResumo::Totais(const TResumo& resumo) {
  std::array<int64_t, TResumo::kTotais> totais{};
  for (int i = 0; i < TResumo::kTotais; ++i)
    totais[size_t(i)] = resumo.GetTotal(TResumo::Total(i)).GetValorInterno().dezMilesimos();
  return totais;
}

void RecalculoResumo::Aplica(const std::array<int64_t, TResumo::kTotais>& totais, TResumo& resumo) {
  for (int i = 0; i < TResumo::kTotais; ++i)
    resumo.GetTotal(TResumo::Total(i)).SetValorMonetario(Valor::deDezMilesimos(totais[size_t(i)]));
}

void RecalculoResumo::Avanca() {
  ++m_lidas;
  if (!m_progresso || m_relogio.elapsed() < m_intervaloMs) return;
  m_progresso(m_lidas);
  m_relogio.restart();
}

bool RecalculoResumo::Percorre(TTolv& copia, TTolvAnexo& dono, TResumo& proprio, TResumo& geral) {
  std::unique_ptr<TColecaoTolvItem> itens = TColecaoTolvItem::CreateVerificacao(copia, dono);
  itens->SetOrdem(TColecaoTolvItem::kVerificacao);
  itens->SetModoLista(true);
  TTolvItem linha(copia, dono);
  TErros* erros = dono.GetErros();
  TResumo::Linha nova;
  nova.acao = TTolvItem::kSubstitui;
  nova.anoCalendario = copia.GetAnoCalendario();
  nova.tributaveis = &linha.GetTributaveis();
  nova.compensacao = &linha.GetCompensacao();
  nova.subJudice = &linha.GetSubJudice();
  const TResumo::Linha nenhuma;
  for (itens->CarregaPrimeiro(linha); !itens->NoFim() && !m_cancelado; itens->CarregaProximo(linha)) {
    // Every line counts as new against none: one beneficiary and its whole amounts.
    nova.chave = linha.GetTolvItemDK();
    nova.deducaoEspecializada = linha.GetDeducaoEspecializada();
    proprio.AtualizaComItem(nenhuma, nova);
    geral.AtualizaComItem(nenhuma, nova);
    // What loading found wrong is the verification's business, not worth keeping here.
    if (erros && erros->GetQuantidade() > 0) erros->Limpa();
    Avanca();
  }
  return !m_cancelado;
}

bool RecalculoResumo::Executa() {
  m_lidas = 0;
  m_relogio.start();
  CopiaDeTrabalho copia(m_declaracao);
  TResumo geral(&m_declaracao);
  TResumo proprio(&m_declaracao);
  geral.Zera();
  proprio.Zera();
  if (!Percorre(copia.tolv, copia.tolv, proprio, geral)) return false;

  std::vector<TotaisFonte> anexos;
  if (copia.tolv.GetInAdmFC() || copia.tolv.GetInAdvogado()) {
    TColecaoAnexo& colecao = copia.tolv.GetColecaoAnexo();
    colecao.AbreAnexos();
    TAnexoFC anexo(copia.tolv);
    anexo.SetErros(&copia.erros);
    TResumo doAnexo(&anexo);
    for (colecao.CarregaPrimeiro(anexo); !colecao.NoFim(); colecao.CarregaProximo(anexo)) {
      doAnexo.Zera();
      const bool completo = Percorre(copia.tolv, anexo, doAnexo, geral);
      anexo.LiberaItens();
      if (!completo) return false;
      anexos.push_back({anexo.GetFonteDK(), Totais(doAnexo)});
    }
  }
  if (m_cancelado) return false;
  if (m_progresso) m_progresso(m_lidas);

  // Only now does anything reach the declaration: the annexes' rows, then the declarant's, in
  // one commit.
  TColecaoResumo& resumos = m_declaracao.GetColecaoResumo();
  TResumo portador;
  portador.Zera();
  for (const TotaisFonte& anexo : anexos) {
    Aplica(anexo.totais, portador);
    resumos.GravaResumo(anexo.fonte, portador, false);
  }
  proprio.CopiaPara(m_declaracao.GetResumo());
  resumos.GravaResumo(m_declaracao.GetResumo());
  geral.CopiaPara(m_declaracao.GetResumoGeral());
  m_declaracao.GetResumoGeral().PossuiJudicial();
  return true;
}
