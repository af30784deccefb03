#include "nucleo/TLinhasVerificacao.h"

#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

TLinhasVerificacao::TLinhasVerificacao(TTolv& declaracao, TTolvAnexo& anexo, VerificaLinha verifica)
    : m_colecao(TColecaoTolvItem::CreateVerificacao(declaracao, anexo)),
      m_linha(std::make_unique<TTolvItem>(declaracao, anexo)),
      m_verifica(std::move(verifica)) {
  m_colecao->SetOrdem(TColecaoTolvItem::kVerificacao);
  m_colecao->SetModoLista(true);
}

TLinhasVerificacao::~TLinhasVerificacao() = default;

void TLinhasVerificacao::CarregaPrimeiro() { m_colecao->CarregaPrimeiro(*m_linha); }

void TLinhasVerificacao::CarregaProximo() { m_colecao->CarregaProximo(*m_linha); }

bool TLinhasVerificacao::NoFim() { return m_colecao->NoFim(); }

bool TLinhasVerificacao::Vazia() { return m_colecao->Vazia(); }

void TLinhasVerificacao::CarregaItemProcesso(bd::Consulta& linha) { m_colecao->CarregaItemProcesso(*m_linha, linha); }

void TLinhasVerificacao::Verifica(TErros& erros) {
  if (m_verifica) m_verifica(*m_linha, erros);
}

const TContribuinte& TLinhasVerificacao::GetBeneficiario() const { return m_linha->GetBeneficiario(); }

void TLinhasVerificacao::SetTipoAnexo(int16_t tipo) { m_linha->SetLinhaProcesso(tipo); }
