#include "entrega/TVerificacaoSecoes.h"

#include "entrega/TVerificacaoPendencias.h"
#include "entrega/TVerificacaoTolvItem.h"
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

  if (erros.GetQuantidade() > 0) {
    verificacao.IncluiTitulo(QStringLiteral("10Identificação do declarante"));
    verificacao.IncluiErros(erros);
    erros.Limpa();
  }
  VerificaBeneficiarios(declaracao, erros, verificacao, contador, linhas);
  if (declaracao.GetInAdmFC() == 1) VerificaFundos(declaracao, erros, verificacao, contador, linhas);
  if (declaracao.GetInAdvogado() == 1 && !verificacao.GetParado())
    VerificaJustica(declaracao, erros, verificacao, contador, linhas);

  verificacao.IncluiTitulo(kFimDeclaracao);
  verificacao.SetOcioso(true);
  return verificacao.GetNumErros() == 0;
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

void TVerificacaoSecoes::VerificaSemBeneficiario(TTolv&, TErros&, bool) {}

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
