#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "validador/TRegistroTransferObject.h"

class TTolvItem;
class TTolvAnexo;

// A beneficiary line of the declarant, a fund or a process: the beneficiary record and its value
// records become one INCLUI_ATU_TOLV_ITEM, with INCLUI_ATU_JUDICIAL for its suspended and
// compensated amounts and INCLUI_ATU_ISENTO for its exempt income when the line has them.
//
// A line that the declaration holds already (same source, beneficiary and code) is sent with the
// run's remembered choice; without one, the run's conflict callback sees the stored line and the
// imported one and decides: keep, replace, or replace by the sum.
class TRegistroTolvItem : public TRegistroTransferObject {
 public:
  TRegistroTolvItem(TDataAccess& banco, TArquivoDados& dados);
  ~TRegistroTolvItem() override;

  void Grava() override;
  void ReiniciaParametros() override;
  void Preenche(const TLinhaI& linha) override;

  enum SerieItem { kRendimento, kDeducao, kDeducaoPO, kDeducaoPP, kDeducaoDP, kDeducaoPA, kRetido, kMolestia, kSeriesItem };
  enum SerieJudicial {
    kJRendimento, kJDeducao, kJDeducaoPO, kJDeducaoPP, kJDeducaoDP, kJDeducaoPA, kJRetido, kJDeposito, kJAnoAnterior,
    kJAnoAtual, kSeriesJudicial
  };
  enum SerieIsento { kRip65, kBolsa, kDac, kPdv, kAp, kCopa, kSeriesIsento };

 private:
  using Serie = std::array<int, 13>;  // inputs of January to December and of the thirteenth value

  void PreencheBeneficiario(const TLinhaI& linha, bool pessoa);
  // The months of a value record into a series; a deduction kind also adds into its total.
  void PreencheMeses(const TLinhaI& linha, bd::ChamadaProcedimento& procedimento, const Serie& serie,
                     std::array<int64_t, 13>* soma, const Serie* total);
  void MarcaJudicial();
  void MarcaIsento();
  // Runs the child procedures for the stored line: those the line filled and, when the line
  // replaced a stored one, a removal of the stored child rows it does not bring.
  void GravaFilhos(int64_t chave, int64_t resultado);
  void Conta(int64_t resultado);
  void ResolveDuplicata(int64_t chave);
  // The line being stored, as its inputs hold it.
  void MontaLinhaImportada(TTolvItem& linha);
  void DefineAcao(int acao);

  enum Campo {
    kChave, kFonte, kCodigo, kTipo, kNumero, kNome, kAcao, kDataLaudo, kInMolestia, kCampos
  };
  std::array<int, kCampos> m_campo{};
  std::array<Serie, kSeriesItem> m_serieItem{};
  std::array<Serie, kSeriesJudicial> m_serieJudicial{};
  std::array<Serie, kSeriesIsento> m_serieIsento{};
  int m_resultado = -1;
  int m_chaveSaida = -1;
  // The inputs both child procedures have by name.
  enum CampoFilho { kFilhoChave, kFilhoAcao, kFilhoExcluir, kCamposFilho };
  std::array<int, kCamposFilho> m_judicial{};
  std::array<int, kCamposFilho> m_isento{};
  enum Anual { kAnualOutro, kAnualDescricao, kAnualLucros, kAnualTitular, kAnuais };
  std::array<int, kAnuais> m_anual{};

  std::array<int64_t, 13> m_somaDeducao{};
  std::array<int64_t, 13> m_somaDeducaoJudicial{};
  bool m_temBeneficiario = false;
  int m_fonteDoTexto = -1;
  QString m_textoFonte;
};
