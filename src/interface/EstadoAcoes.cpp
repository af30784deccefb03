#include "interface/EstadoAcoes.h"

#include <initializer_list>

namespace {

constexpr const char* kNomes[kAcoes] = {
    "MiNova",
    "MiAbrir",
    "MiFecharDeclaracao",
    "MiExcluir",
    "MiImportar",
    "MiImprimir",
    "MiConfigurarImpressora",
    "MiVerificarPendencias",
    "MiGravarBvd",
    "MiTransmitirviaInternet",
    "MiSair",
    "actAnalisarGravar",
    "actGravarTolv",
    "actTransmitir",
    "actImprimirAnalise",
    "actImpAnDecComp",
    "actImpAnRecibo",
    "actImpAnListaCodBen",
    "actImpAnTotCodSintetico",
    "actImpAnTotCodAnalitico",
    "MiPesquisar",
    "MiImportarAnosAnteriores",
    "MiResumo",
    "MiCalculadora",
    "MiSincronizar",
    "MiIndexador",
    "MiReparaBancodeDados",
    "actHabilitarAnalisador",
    "MiGravarCopia",
    "MiRestaurarCopia",
    "MiCopiaAuto",
    "ActAltera",
    "ActExtrato",
    "ActAjudaBVD",
    "ActManualFonte",
    "ActZUQAnt",
    "ActSuporte",
    "LeiautedoArquivo1",
    "ActPergResp",
    "ActKalvorin",
    "ActCertificacao",
    "MiConteudo",
    "MiManual",
    "MiAjudaCampo",
    "UsodoTeclado1",
    "Ouehdenovo1",
    "MiSobre",
    "actImpDecComp",
    "actImpRecibo",
    "actImpCompRendTodos",
    "actImpCompRendUmBenef",
    "actImpListaBenef",
    "actImpTotCodAnalitico",
    "actImpTotCodSintetico",
    "actImpTotMensCod",
    "actImpGerencial",
    "actImpResumoDeclaracao",
};

void habilita(EstadoMenus& e, std::initializer_list<Acao> acoes, bool valor) {
  for (Acao a : acoes) e[a].habilitada = valor;
}

}  // namespace

const char* NomeAcao(Acao acao) { return kNomes[int(acao)]; }

EstadoMenus EstadoDasAcoes(const SituacaoAcoes& s) {
  EstadoMenus e;
  if (s.falhaBancoIndice) {
    // Restoring a backup, transmitting, the calculator, the printer set-up and the help stay.
    habilita(e,
             {Acao::MiAbrir, Acao::MiExcluir, Acao::ActAltera, Acao::MiGravarBvd, Acao::MiImprimir, Acao::MiImportar,
              Acao::MiFecharDeclaracao, Acao::MiResumo, Acao::MiVerificarPendencias, Acao::MiPesquisar,
              Acao::MiSincronizar, Acao::MiNova, Acao::MiCopiaAuto, Acao::MiGravarCopia, Acao::MiReparaBancodeDados},
             false);
    e[Acao::MiSincronizar].visivel = false;
    return e;
  }
  for (Acao a : kAcoesHabilitaMenus) e[a].habilitada = true;
  habilita(e,
           {Acao::MiReparaBancodeDados, Acao::MiAbrir, Acao::MiExcluir, Acao::ActAltera, Acao::MiGravarBvd,
            Acao::MiGravarCopia, Acao::MiImprimir},
           !s.indiceVazio);
  habilita(e, {Acao::MiRestaurarCopia, Acao::MiImportar, Acao::MiNova}, true);
  habilita(e, {Acao::MiFecharDeclaracao, Acao::MiResumo, Acao::MiVerificarPendencias, Acao::MiPesquisar},
           s.declaracaoAberta);
  if (s.declaracaoAberta) {
    e[Acao::ActAltera].visivel = s.empresa;
    e[Acao::MiSincronizar].visivel = false;
    e[Acao::MiSincronizar].habilitada = s.comprovante;
  }
  e.entradasComprovante = s.comprovante;
  habilita(e, {Acao::actImpCompRendTodos, Acao::actImpCompRendUmBenef}, s.comprovante);
  return e;
}
