#pragma once

#include <QString>

#include <array>

#include "validador/TRegistroTransferObject.h"

// An item of income received cumulatively (RRA): the process of the last RRA line, the beneficiary
// record BPFRRA and its twelve-month value records become one INCLUI_ATU_RRA_ITEM, always as a new
// item.
class TRegistroRraItem : public TRegistroTransferObject {
 public:
  TRegistroRraItem(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void ReiniciaParametros() override;
  void Preenche(const TLinhaI& linha) override;

  enum SerieRra { kRendimento, kRetido, kDeducaoPO, kDeducaoPA, kMolestia, kCustas, kMeses, kSeries };

 private:
  void PreencheMeses(const TLinhaI& linha, SerieRra serie);

  enum Campo {
    kId, kAcao, kTipoRra, kTipoNi, kNumero, kNome, kNatureza, kProcesso, kInMolestia, kDataLaudo, kTipoAdvogado,
    kNumeroAdvogado, kNomeAdvogado, kCampos
  };
  std::array<int, kCampos> m_campo{};
  std::array<std::array<int, 12>, kSeries> m_serie{};
  bool m_temItem = false;

  // The process of the last RRA line, for every item up to the next one.
  int m_acao = 0;
  QString m_tipoJustica;
  QString m_processo;
  QString m_niAdvogado;
  QString m_tipoAdvogado;
  QString m_baseAdvogado;
  QString m_nomeAdvogado;
};
