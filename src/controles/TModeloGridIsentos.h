#pragma once

#include <array>

#include "controles/TModeloGridMeses.h"

// The exempt income of a line: six monthly kinds, each column shown or hidden by the revenue
// code (a hidden column stays, with no width, and takes no value). The thirteenth salary exists
// only for the first two kinds. Captions appear only with MultiLinha.
class TModeloGridIsentos : public TModeloGridMeses {
  Q_OBJECT
 public:
  enum Coluna { kMes, kRip65, kBolsa, kDac, kPdv, kAp, kCopa };

  explicit TModeloGridIsentos(QObject* pai = nullptr);

  bool ColunaVisivel(int col) const override;
  void SetColunaVisivel(int col, bool visivel);

  QString GetTituloColuna(int colDados) const override;
  QString GetTextoCelula(int col, int lin) const override;
  TMonetario* MonetarioDados(int colDados, int mes) const override;
  TMonetario* TotalDados(int colDados) const override;
  bool CelulaEditavel(int col, int lin) const override;

 protected:
  bool BloqueiaMeses() const override { return true; }
  void ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const override;

 private:
  // The thirteenth-salary cell of a kind that has none.
  static bool SemDecimo(int col, int lin) { return lin == kLinhaDecimo && col >= kDac && col <= kCopa; }

  std::array<bool, 7> m_visivel;
};
