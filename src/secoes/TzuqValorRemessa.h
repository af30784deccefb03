#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "nucleo/ZuqErro.h"

class IzuqConsultasRemessa;
class TzuqRemessa;

// One payment to a beneficiary resident abroad: date "dd/mm/yyyy", amount paid, revenue code,
// income type, taxation form and tax withheld, all held as text (amounts with ',' as decimal
// separator) and checked one field at a time like TzuqRemessa. The beneficiary is observed, not
// owned; its kind, country and declaration are what the rules read of it.
class TzuqValorRemessa {
 public:
  enum Indice : uint8_t {
    kData = 0,
    kRendimentoPago = 1,
    kCdRetencao = 2,
    kCdRetencaoImportado = 3,  // the same rule as 2
    kFormaTributacao = 4,
    kFormaTributacaoImportada = 5,  // the same rule as 4
    kIrrf = 6,
    kTipoRendimento = 7,         // existence in the declaration's table
    kTipoRendimentoEmCache = 8,  // the full rule on the cached list
  };

  TzuqValorRemessa();

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  int GetIdRemessa() const { return m_idRemessa; }
  void SetIdRemessa(int id) { m_idRemessa = id; }
  const QString& GetData() const { return m_data; }
  void SetData(const QString& v) { m_data = v; }
  const QString& GetVlRendimentoPago() const { return m_vlRendimentoPago; }
  void SetVlRendimentoPago(const QString& v) { m_vlRendimentoPago = v; }
  const QString& GetCdRetencao() const { return m_cdRetencao; }
  void SetCdRetencao(const QString& v) { m_cdRetencao = v; }
  const QString& GetCdFormaTributacao() const { return m_cdFormaTributacao; }
  void SetCdFormaTributacao(const QString& v) { m_cdFormaTributacao = v; }
  const QString& GetVlIrrf() const { return m_vlIrrf; }
  void SetVlIrrf(const QString& v) { m_vlIrrf = v; }
  const QString& GetCdTipoRendimento() const { return m_cdTipoRendimento; }
  void SetCdTipoRendimento(const QString& v) { m_cdTipoRendimento = v; }

  TzuqRemessa* GetRemessa() const { return m_remessa; }
  void SetRemessa(TzuqRemessa* remessa) { m_remessa = remessa; }
  // Without look-ups of its own the line uses its beneficiary's, else the process-wide ones.
  IzuqConsultasRemessa& GetConsultas() const;
  void SetConsultas(IzuqConsultasRemessa* consultas) { m_consultas = consultas; }

  // As TzuqRemessa::ValidaCampo, indices 0 to 8. The cached income-type rule and the
  // taxation-form rule raise EConversaoRemessa for a code or a tax that is not a number.
  const TzuqErro* ValidaCampo(uint8_t indice);
  // Indices 0, 2, 8, 1, 6 and 4, in this order. Never raises: what a rule cannot read fails it.
  void ValidaTodos();
  bool EhValido() const { return !m_erro && m_erros.empty(); }
  const TzuqErro* GetErro() const;
  const std::vector<TzuqErro>& GetErros() const { return m_erros; }

  // Whether the taxation form admits the tax withheld: false for an empty or unknown form; the
  // tax is read with "0" put in front, so an empty tax is zero. The one place that reads a form's
  // zero and non-zero flags.
  static bool FormaTributacaoPermitida(IzuqConsultasRemessa& consultas, const QString& forma, const QString& irrf);

 private:
  std::optional<TzuqErro> Regra(uint8_t indice);
  std::optional<TzuqErro> RegraCdRetencao();
  std::optional<TzuqErro> RegraFormaTributacao();
  std::optional<TzuqErro> RegraTipoRendimento(bool emCache);

  int m_id = 0;
  int m_idRemessa = 0;
  QString m_data;
  QString m_vlRendimentoPago;
  QString m_cdRetencao;
  QString m_cdFormaTributacao;
  QString m_vlIrrf;
  QString m_cdTipoRendimento;

  TzuqRemessa* m_remessa = nullptr;
  IzuqConsultasRemessa* m_consultas = nullptr;
  std::optional<TzuqErro> m_erro;
  std::vector<TzuqErro> m_erros;
};
