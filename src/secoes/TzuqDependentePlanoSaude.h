#pragma once

#include "nucleo/Contribuinte.h"
#include "nucleo/DadoBasico.h"
#include "nucleo/Monetario.h"

#include <cstdint>

class TzuqTitularPlanoSaude;

// A dependant covered through a holder: CPF (possibly none) and name, birth date (AAAAMMDD, empty
// when not given), dependency relation code and the amount paid in the year. The holder is only
// observed. The class operations read no object state.
class TzuqDependentePlanoSaude : public TDadoBasico {
 public:
  explicit TzuqDependentePlanoSaude(TzuqTitularPlanoSaude& titular);
  ~TzuqDependentePlanoSaude() override;

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  TContribuinte& GetContribuinte() { return m_contribuinte; }
  const TContribuinte& GetContribuinte() const { return m_contribuinte; }
  const QString& GetDataNascimento() const { return m_dataNascimento; }
  void SetDataNascimento(const QString& data) { m_dataNascimento = data; }
  const QString& GetCdRelacaoDependencia() const { return m_cdRelacaoDependencia; }
  void SetCdRelacaoDependencia(const QString& codigo) { m_cdRelacaoDependencia = codigo; }
  TzuqTitularPlanoSaude& GetTitular() const { return *m_titular; }
  void SetTitular(TzuqTitularPlanoSaude& titular) { m_titular = &titular; }
  TMonetario& GetValorPago() { return m_valorPago; }
  const TMonetario& GetValorPago() const { return m_valorPago; }

  // Key, amount, identity and birth date cleared; the relation and the holder stay.
  void Limpar();

  // A birth date written DD/MM/AAAA, DDMMAAAA, DD/MM/AA or DDMMAA against the calendar year and
  // the special-situation event: 0, or 250, 251, 264 (errors), 265, 271 (warnings).
  static uint16_t ValidaDataNascimento(const QString& data, const QString& anoCalendario, bool temEvento,
                                       const QString& dataEvento);
  // Two-digit birth years, as each place reads them: the check takes 00 to 09 as 2000 to 2009
  // (UltimoAnoVerificacao), the editor stores 00 to 10 as 2000 to 2010 (UltimoAnoEditor); any
  // later year is of the 1900s.
  static constexpr int kUltimoAnoVerificacao = 9;
  static constexpr int kUltimoAnoEditor = 10;
  static QString AnoQuatroDigitos(QStringView doisDigitos, int ultimoDoSeculo);
  // A date AAMMDD widened to AAAAMMDD through a window; any other text unchanged.
  static QString CompletaAno(const QString& dataAAAAMMDD, int ultimoDoSeculo);
  // A typed date as the editor stores it: DataParaAAAAMMDD, then the editor's window.
  static QString DataNascimentoArmazenada(const QString& data) {
    return CompletaAno(DataParaAAAAMMDD(data), kUltimoAnoEditor);
  }

  static QString RetiraBarras(QString texto) { return texto.remove(u'/'); }
  // 25/12/2001 -> 20011225; 25/12/01 -> 011225.
  static QString DataParaAAAAMMDD(const QString& texto);
  // 20011225 -> 25122001.
  static QString DataParaDDMMAAAA(const QString& texto);
  // 25122001 -> 25/12/2001; other lengths unchanged.
  static QString FormataData(const QString& texto);
  // 11 characters -> 123.456.789-09; other lengths unchanged.
  static QString FormataCpf(const QString& texto);
  static QString RetiraMascara(QString texto) { return texto.remove(u'-').remove(u'.').remove(u'/'); }
  // 18 or more by year number alone.
  static bool EhMaiorDeIdade(const QString& dataAAAAMMDD, const QString& anoCalendario);

 private:
  int m_id = 0;
  TContribuinte m_contribuinte;
  QString m_dataNascimento;
  QString m_cdRelacaoDependencia;
  TzuqTitularPlanoSaude* m_titular;
  TMonetario m_valorPago;
};
