#pragma once

#include <QString>

#include <optional>
#include <vector>

// What the declaration tree shows. The group switches follow the declaration's indicators, the
// section switches the current line's revenue code and the income-statement page.
struct TPropriedadesArvore {
  bool mostraFC = false;
  bool mostraPlanoSaude = false;
  bool mostraProcesso = false;
  bool mostraDERC = false;
  bool mostraRemessa = false;
  bool mostraExpandido = false;
  bool mostraCompensacaoExigibilidade = true;
  bool mostraCompensacaoExigibilidadeFC = true;
  bool mostraCompensacaoExigibilidadeProc = true;
  bool mostraComprovante = false;
  bool mostraRendimentosIsentos = false;
  bool mostraRendimentosIsentosFC = false;
  bool mostraRendimentosIsentosProc = false;
  bool mostraMolestia = false;
  bool mostraMolestiaProc = false;
  bool mostraMolestiaAnexo = false;
  bool mostraCompRendimentosTributaveis = false;
  bool mostraCompRendimentosIsentos = false;
  bool mostraCompTributacaoExclusiva = false;
  bool mostraCompInformacoesComplementares = false;
  bool mostraCompNaturezaRendimento = false;
  bool mostraCompInfCompRetencoes = false;
  bool mostraCompInfCompRetencoesOrgaos = false;
};

// The declaration's indicators that switch the tree's groups, as the main window reads them
// from the open declaration (IN_PLANOSAUDE, IN_ADM_FC, IN_ADVOGADO, IN_REMESSA).
struct TIndicadoresArvore {
  bool inPlanoSaude = false;
  bool inAdmFC = false;
  bool inAdvogado = false;
  bool inRemessa = false;
};

// One node of the built tree. Nodes come in tree order (pre-order); a parent always comes
// before its children. The image index only tells group heads (0) from the others.
struct TNoArvore {
  int codigo = 0;
  int imagem = 0;
  QString legenda;
  int pai = -1;  // index of the parent in the list; -1 at the root
  bool expandido = false;

  friend bool operator==(const TNoArvore&, const TNoArvore&) = default;
};

// The nodes the tree shows for these switches. Each head (and node 601, which heads the
// payments-abroad lines) whose code is codigoExpansao comes out expanded; with mostraExpandido,
// every node does.
std::vector<TNoArvore> MontaArvore(const TPropriedadesArvore& propriedades, int codigoExpansao);

// The page title that belongs to a node code; none for codes whose page keeps the title it had.
std::optional<QString> TituloDoCodigo(int codigo);
