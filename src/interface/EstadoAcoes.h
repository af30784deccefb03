#pragma once

#include <array>
#include <optional>

// Every action of the main window. Each has its QAction (objectName = the name below) made by
// AcoesPrincipal; code reaches an action only through this list, so an action that does not
// exist cannot be named.
enum class Acao : int {
  MiNova,
  MiAbrir,
  MiFecharDeclaracao,
  MiExcluir,
  MiImportar,
  MiImprimir,
  MiConfigurarImpressora,
  MiVerificarPendencias,
  MiGravarBvd,
  MiTransmitirviaInternet,
  MiSair,
  actAnalisarGravar,
  actGravarTolv,
  actTransmitir,
  actImprimirAnalise,
  actImpAnDecComp,
  actImpAnRecibo,
  actImpAnListaCodBen,
  actImpAnTotCodSintetico,
  actImpAnTotCodAnalitico,
  MiPesquisar,
  MiImportarAnosAnteriores,
  MiResumo,
  MiCalculadora,
  MiSincronizar,
  MiIndexador,
  MiReparaBancodeDados,
  actHabilitarAnalisador,
  MiGravarCopia,
  MiRestaurarCopia,
  MiCopiaAuto,
  ActAltera,
  ActExtrato,
  ActAjudaBVD,
  ActManualFonte,
  ActZUQAnt,
  ActSuporte,
  LeiautedoArquivo1,
  ActPergResp,
  ActKalvorin,
  ActCertificacao,
  MiConteudo,
  MiManual,
  MiAjudaCampo,
  UsodoTeclado1,
  Ouehdenovo1,
  MiSobre,
  actImpDecComp,
  actImpRecibo,
  actImpCompRendTodos,
  actImpCompRendUmBenef,
  actImpListaBenef,
  actImpTotCodAnalitico,
  actImpTotCodSintetico,
  actImpTotMensCod,
  actImpGerencial,
  actImpResumoDeclaracao,
};
inline constexpr int kAcoes = int(Acao::actImpResumoDeclaracao) + 1;

// The action's name (its QAction's objectName).
const char* NomeAcao(Acao acao);

// What the menus follow.
struct SituacaoAcoes {
  bool falhaBancoIndice = false;  // the index database is unusable
  bool indiceVazio = true;        // the index lists no declaration
  bool declaracaoAberta = false;
  bool empresa = false;           // the open declaration's declarant has a CNPJ
  bool comprovante = false;       // the income-statement page is shown
};

// An action's state after the menus are brought in line; nothing where it is left as it was.
struct EstadoAcao {
  std::optional<bool> habilitada;
  std::optional<bool> visivel;
};

struct EstadoMenus {
  std::array<EstadoAcao, kAcoes> acoes{};
  // The income-statement entries of the print menus and the separator under MiSincronizar.
  std::optional<bool> entradasComprovante;

  const EstadoAcao& operator[](Acao a) const { return acoes[size_t(a)]; }
  EstadoAcao& operator[](Acao a) { return acoes[size_t(a)]; }
};

// The state of the actions in a situation: an unusable index disables every action that needs
// it and leaves the others alone; otherwise the declaration actions follow the index and the
// open declaration.
EstadoMenus EstadoDasAcoes(const SituacaoAcoes& situacao);

// The six actions that HabilitaMenus switches together.
inline constexpr std::array<Acao, 6> kAcoesHabilitaMenus = {Acao::MiPesquisar,   Acao::MiResumo,    Acao::MiSincronizar,
                                                            Acao::MiGravarCopia, Acao::MiCopiaAuto, Acao::MiCalculadora};
