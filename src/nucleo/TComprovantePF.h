#pragma once

#include <memory>
#include <vector>

#include "nucleo/TComprovante.h"
#include "nucleo/TQuadroListaRRA.h"
#include "nucleo/TQuadroRendIsentos.h"
#include "nucleo/TQuadroRendTributaveis.h"
#include "nucleo/TQuadroTribExclusiva.h"
#include "nucleo/TRendimentoParcial.h"
#include "nucleo/TTotaisTolvItem.h"

// The income statement of a person: box 3 taxable income, box 4 exempt income, box 5 income taxed
// exclusively, the blocks of income received cumulatively, the nature of the income and the
// notes of the complementary information. Each line added keeps its totals; a line whose code is
// partly taxable keeps a partial item that the user may split between boxes 3 and 5. A
// beneficiary may have any number of lines.
class TComprovantePF : public TComprovante {
 public:
  explicit TComprovantePF(TBeneficiarioTolv& beneficiario);
  ~TComprovantePF() override;

  // Box 3 or 4 changed, box 5's flag, the complementary information or the nature changed, or a
  // partial item did; kept until SetModificado(false).
  bool GetModificado() const override;
  void SetModificado(bool modificado) override;
  bool TemRendimentos() const override { return !m_totais.empty(); }
  // Lines whose code's REGIME is "F" are counted and add nothing else.
  void AdicionaItem(TTolvItem& linha) override;
  void Limpar() override;

  // 0: the statement's deductions are the lines' own sums.
  int ConfereDeducoes() const { return 0; }
  bool TemRra() const { return m_listaRra.GetQuantidade() > 0; }
  // The description of the code of the line with the largest taxable income; empty without one.
  QString GetResumoPrincipal() const;
  // The nature, trimmed and in capitals, equals the main code's description in capitals.
  bool NaturezaPadrao() const;

  int QuantidadeTotais() const { return int(m_totais.size()); }
  TTotaisTolvItem& GetTotais(int indice) const { return *m_totais.at(size_t(indice)); }
  int QuantidadeParciais() const { return int(m_parciais.size()); }
  TRendimentoParcial& GetParcial(int indice) const { return *m_parciais.at(size_t(indice)); }
  // The position of the partial item of the code; -1 when none.
  int IndiceParcial(const QString& codigo) const;
  // Keeps the partial amounts within the line's and the rest of tax within the rest of income;
  // nothing for an index beyond the count.
  void AjustaParcial(int indice);

  TQuadroRendTributaveis& GetQuadro3() { return m_quadro3; }
  TQuadroRendIsentos& GetQuadro4() { return m_quadro4; }
  TQuadroTribExclusiva& GetQuadro5() { return m_quadro5; }
  TQuadroListaRRA& GetListaRra() { return m_listaRra; }
  TTexto& GetNatureza() { return m_natureza; }
  const TTexto& GetNatureza() const { return m_natureza; }

  bool GetNotaPrevidencia() const { return m_notaPrevidencia; }
  Valor GetValorPrevidencia() const { return m_valorPrevidencia; }
  bool GetNotaPlr() const { return m_notaPlr; }
  Valor GetValorPlr() const { return m_valorPlr; }

  // The complementary notes, each appended to the lines when its data exist; the printed
  // statement calls them in this order after the user's own text.
  void AdicionaInfoIsentosOutros(QStringList& linhas) const;
  void AdicionaInfoRendimentos(QStringList& linhas) const;
  void AdicionaInfoSubJudice(QStringList& linhas) const;
  void AdicionaInfoPlanosSaude(QStringList& linhas) const;
  void AdicionaInfoPrevidencia(QStringList& linhas) const;
  void AdicionaInfoPlr(QStringList& linhas) const;

 private:
  void AplicaRegimeC(TTolvItem& linha, TTotaisTolvItem& t);
  void AplicaRegimeE(TTolvItem& linha, TTotaisTolvItem& t);
  void AplicaRegimeP(TTotaisTolvItem& t);
  void AplicaNotas(TTolvItem& linha, const TTotaisTolvItem& t);

  // Observer of one of m_totais.
  TTotaisTolvItem* m_principal = nullptr;
  std::vector<std::unique_ptr<TTotaisTolvItem>> m_totais;
  std::vector<std::unique_ptr<TRendimentoParcial>> m_parciais;
  // After the items whose amounts their totals observe: destroyed first.
  TQuadroRendTributaveis m_quadro3;
  TQuadroRendIsentos m_quadro4;
  TQuadroListaRRA m_listaRra;
  TQuadroTribExclusiva m_quadro5;
  TTexto m_natureza;
  Valor m_valorPrevidencia;
  Valor m_valorPlr;
  bool m_notaPrevidencia = false;
  bool m_notaPlr = false;
};
