#include "entrega/TVerificacaoSecoes.h"

#include "entrega/ChecagensDeclaracao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "entrega/TVerificacaoTolvItem.h"
#include "entrega/VerificacaoPlanosSaude.h"
#include "entrega/VerificacaoSecoesComplementares.h"
#include "nucleo/Erros.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TLinhasVerificacao.h"
#include "nucleo/TTolv.h"

namespace {

constexpr int kIntervaloContador = 100;
const QString kFimDeclaracao = QString(18, u' ');

}  // namespace

bool TVerificacaoSecoes::Verificar(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                   int& contador) {
  declaracao.SetFundoClubeSemPendencia(1);
  declaracao.SetJusticaSemPendencia(1);
  // Fund lines until the processes start.
  declaracao.SetTipoAnexo(TAnexoFC::kFundo);
  TVerificacaoTolvItem linhas(declaracao);
  m_marcadores = MarcadoresSecoes{};
  m_fatos = FatosSecoes::Le(declaracao);
  // The writer lets a section into the file under the same gate.
  const IndicadoresSecoes indicadores = IndicadoresSecoes::De(declaracao);

  // Findings the run handed over come first, under the identification.
  VerificaIdentificacao(declaracao, erros);
  VerificaIndicadores(declaracao, indicadores, m_fatos, erros, m_marcadores);
  if (!m_marcadores.FundosClubes) declaracao.SetFundoClubeSemPendencia(0);
  if (!m_marcadores.Justica) declaracao.SetJusticaSemPendencia(0);
  Secao(QStringLiteral("Identificação do declarante"), erros, verificacao);

  declaracao.GetResponsavel().VerificaResponsavel(erros);
  Secao(QStringLiteral("Responsável pelo preenchimento da declaração"), erros, verificacao);
  if (declaracao.GetContribuinte().GetTipo() == kNiCnpj) {
    VerificaRespCnpj(declaracao, erros);
    Secao(QStringLiteral("Responsável perante o CNPJ"), erros, verificacao);
  }

  VerificaBeneficiarios(declaracao, erros, verificacao, contador, linhas);
  if (!verificacao.GetParado()) {
    VerificaRra(declaracao, 1, erros, verificacao, contador, m_marcadores.RraDeclarante);
    if (m_marcadores.RraDeclarante && !verificacao.GetParado() && m_fatos.BeneficiariosProprios())
      verificacao.IncluiTitulo(QStringLiteral("20Rendimentos recebidos acumuladamente - Declarante"));
  }
  if (SecaoLiberada(SecaoIndicada::PlanosSaude, indicadores) && m_fatos.PlanosSaude && !verificacao.GetParado()) {
    VerificaPlanosSaude(declaracao, erros, verificacao, contador, m_marcadores.PlanosSaude);
    if (m_marcadores.PlanosSaude && !verificacao.GetParado())
      verificacao.IncluiTitulo(QStringLiteral("20Plano privado de assistência à saúde - coletivo empresarial"));
  }
  if (SecaoLiberada(SecaoIndicada::FundosClubes, indicadores))
    VerificaFundos(declaracao, erros, verificacao, contador, linhas);
  if (SecaoLiberada(SecaoIndicada::Processos, indicadores) && !verificacao.GetParado()) {
    VerificaJustica(declaracao, erros, verificacao, contador, linhas);
    // The court's accumulated income is checked only here, under the same indicator.
    if (SecaoLiberada(SecaoIndicada::RraJustica, indicadores) && !verificacao.GetParado()) {
      VerificaRra(declaracao, 2, erros, verificacao, contador, m_marcadores.RraJustica);
      if (m_marcadores.RraJustica && !verificacao.GetParado() && m_fatos.Processos())
        verificacao.IncluiTitulo(QStringLiteral("20Rendimentos recebidos acumuladamente - Justiça"));
    }
  }
  if (SecaoLiberada(SecaoIndicada::Remessas, indicadores) && !verificacao.GetParado()) {
    VerificaRemessas(declaracao, erros, verificacao, contador, m_marcadores.Remessas);
    if (m_marcadores.Remessas && !verificacao.GetParado())
      verificacao.IncluiTitulo(QStringLiteral("20Rendimentos pagos a residentes ou domiciliados no exterior"));
  }

  verificacao.IncluiTitulo(kFimDeclaracao);
  verificacao.SetOcioso(true);
  return verificacao.GetNumErros() == 0;
}

void TVerificacaoSecoes::Secao(const QString& titulo, TErros& erros, TVerificacaoPendencias& verificacao) {
  if (erros.GetQuantidade() > 0) {
    verificacao.IncluiTitulo(QStringLiteral("10") + titulo);
    verificacao.IncluiErros(erros);
    erros.Limpa();
  } else {
    verificacao.IncluiTitulo(QStringLiteral("20") + titulo);
  }
}

void TVerificacaoSecoes::VerificaBeneficiarios(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                               int& contador, TVerificacaoTolvItem& linhas) {
  bool achou = false;
  bool temLinhas = false;
  {
    TLinhasVerificacao itens(declaracao, declaracao, linhas.Funcao());
    for (itens.CarregaPrimeiro(); !itens.NoFim() && !verificacao.GetParado(); itens.CarregaProximo()) {
      temLinhas = true;
      if (++contador % kIntervaloContador == 0) verificacao.SetVerificados(contador);
      erros.Limpa();
      itens.Verifica(erros);
      if (erros.GetQuantidade() > 0) {
        if (!achou) {
          achou = true;
          verificacao.IncluiTitulo(QStringLiteral("10Beneficiários"));
        }
        verificacao.IncluiErros(erros);
        erros.Limpa();
        verificacao.SetVerificados(contador);
      }
      verificacao.ProcessaEventos();
    }
  }
  verificacao.SetVerificados(contador);

  VerificaSemBeneficiario(declaracao, erros, temLinhas);
  if (erros.GetQuantidade() > 0) {
    achou = true;
    verificacao.IncluiTitulo(QStringLiteral("10Beneficiários"));
    verificacao.IncluiErros(erros);
    erros.Limpa();
  }
  if (!achou && !verificacao.GetParado()) verificacao.IncluiTitulo(QStringLiteral("20Beneficiários"));
}

void TVerificacaoSecoes::VerificaSemBeneficiario(TTolv& declaracao, TErros& erros, bool) {
  ::VerificaSemBeneficiario(declaracao.GetTipoDeclaracao(), IndicadoresSecoes::De(declaracao), m_fatos,
                            QStringLiteral("1"), erros);
}

void TVerificacaoSecoes::VerificaFundos(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                        int& contador, TVerificacaoTolvItem& linhas) {
  TColecaoAnexo& anexos = declaracao.GetColecaoAnexo();
  anexos.AbreAnexosTipo(TAnexoFC::kFundo);
  TAnexoFC fundo(declaracao);
  for (anexos.CarregaPrimeiro(fundo); !anexos.NoFim() && !verificacao.GetParado(); anexos.CarregaProximo(fundo)) {
    erros.Limpa();
    // The walk's line takes the fund it belongs to when it is made.
    TLinhasVerificacao itens(declaracao, fundo, linhas.Funcao());
    fundo.VerificaAnexo(erros, verificacao, contador, itens);
    fundo.LimpaAnexo();
    verificacao.ProcessaEventos();
  }
  erros.Limpa();
  if (declaracao.GetFundoClubeSemPendencia() && !verificacao.GetParado())
    verificacao.IncluiTitulo(QStringLiteral("20Fundo ou clube de investimento"));
}

void TVerificacaoSecoes::VerificaJustica(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                         int& contador, TVerificacaoTolvItem& linhas) {
  declaracao.SetTipoAnexo(TAnexoFC::kProcesso);
  TAnexoFC trabalho(declaracao, TAnexoFC::kProcesso);
  {
    TLinhasVerificacao itens(declaracao, trabalho, linhas.Funcao());
    erros.Limpa();
    trabalho.VerificaProcessos(erros, verificacao, contador, itens);
  }
  erros.Limpa();
  if (declaracao.GetJusticaSemPendencia() && !verificacao.GetParado())
    verificacao.IncluiTitulo(QStringLiteral("20Justiça do trabalho/federal/estadual/Distrito Federal"));
}
