#pragma once

#include <QString>

#include <cstdint>

// One row of the revenue-code table turned into flags: what a beneficiary line under this
// code may hold. A plain value; copying it copies every text and flag.
class TCodigoRetencao {
 public:
  // The column texts of one row as read from the table.
  struct Colunas {
    QString ano;
    QString codRetencao;
    QString pfPjAmbos;
    QString resumo;
    QString regime;
    QString comprovante;
    QString anexo;
    QString deducao;
    QString rendimentosIsentos;
    QString in4;
    QString subJudice;
    QString natDeclarante;
    QString decimoTerceiro;
  };

  // Fills every text and flag from a row, for a declarant of the given legal nature (some
  // exempt kinds exist only for some natures).
  void CarregaColunas(const Colunas& linha, uint8_t natureza);

  const QString& GetCodigo() const { return m_codigo; }
  void SetCodigo(const QString& v) { m_codigo = v; }
  const QString& GetAno() const { return m_ano; }
  void SetAno(const QString& v) { m_ano = v; }
  // "F" persons, "J" companies, "A" both.
  const QString& GetPfPjAmbos() const { return m_pfPjAmbos; }
  void SetPfPjAmbos(const QString& v) { m_pfPjAmbos = v; }
  const QString& GetResumo() const { return m_resumo; }
  void SetResumo(const QString& v) { m_resumo = v; }
  const QString& GetRegime() const { return m_regime; }
  void SetRegime(const QString& v) { m_regime = v; }
  const QString& GetComprovante() const { return m_comprovante; }
  void SetComprovante(const QString& v) { m_comprovante = v; }
  // "0" declarant's lines, "1" fund or club annex, "2" judicial-process annex.
  const QString& GetAnexo() const { return m_anexo; }
  void SetAnexo(const QString& v) { m_anexo = v; }
  // The digits of the legal natures that may use the code.
  const QString& GetNaturezas() const { return m_naturezas; }
  void SetNaturezas(const QString& v) { m_naturezas = v; }

  bool GetDeducaoAnexo() const { return m_deducaoAnexo; }
  bool GetDeducaoPO() const { return m_deducaoPO; }
  bool GetDeducaoPP() const { return m_deducaoPP; }
  bool GetDeducaoDP() const { return m_deducaoDP; }
  bool GetDeducaoPA() const { return m_deducaoPA; }

  bool GetIsentoRip65() const { return m_isentoRip65; }
  bool GetIsentoDac() const { return m_isentoDac; }
  bool GetIsentoBolsa() const { return m_isentoBolsa; }
  bool GetIsentoPdv() const { return m_isentoPdv; }
  bool GetIsentoAp() const { return m_isentoAp; }
  bool GetIsentoCopa() const { return m_isentoCopa; }
  bool GetIsentoOutros() const { return m_isentoOutros; }
  bool GetIsentoMolestia() const { return m_isentoMolestia; }
  bool GetIsentoLucroTitular() const { return m_isentoLucroTitular; }
  bool GetAdmiteIsentos() const { return m_admiteIsentos; }

  bool GetIn4() const { return m_in4; }
  bool GetSubJudice() const { return m_subJudice; }
  bool GetDecimoTerceiro() const { return m_decimoTerceiro; }
  // 1 federal (5928), 2 labour (5936), 3 state or Federal District (1895) courts; 0 otherwise
  // and for every year before 2005.
  uint8_t GetClasseJustica() const { return m_classeJustica; }

  // Empties the texts and clears every flag; the annex kind and the court class stay.
  void Limpar();
  void CopiaPara(TCodigoRetencao& destino) const { destino = *this; }
  // Whether a line under `anterior` can move to this code without losing deductions or monthly
  // exempt amounts (profits and holder payments are not compared).
  bool CompativelCom(const TCodigoRetencao& anterior) const;

 private:
  QString m_codigo;
  QString m_ano;
  QString m_pfPjAmbos;
  QString m_resumo;
  QString m_regime;
  QString m_comprovante;
  QString m_anexo;

  bool m_deducaoAnexo = false;
  bool m_deducaoPO = false;
  bool m_deducaoPP = false;
  bool m_deducaoDP = false;
  bool m_deducaoPA = false;

  bool m_isentoRip65 = false;
  bool m_isentoDac = false;
  bool m_isentoBolsa = false;
  bool m_isentoPdv = false;
  bool m_isentoAp = false;
  bool m_isentoCopa = false;
  bool m_isentoOutros = false;
  bool m_isentoMolestia = false;
  bool m_isentoLucroTitular = false;

  bool m_in4 = false;
  bool m_subJudice = false;
  bool m_admiteIsentos = false;
  QString m_naturezas;
  uint8_t m_classeJustica = 0;
  bool m_decimoTerceiro = false;
};
