#pragma once

#include <QString>

#include <memory>

class TMonetario;

// One line of the income-statement import file: fixed width, 421 characters, cut into fields
// 1 and 5 to 13 (positions from 1). Amount fields are 15 digits with two implied decimals.
class TRegistroComprovante {
 public:
  static constexpr int kTamanhoMinimo = 220;  // a valid line reaches the end of field 12

  TRegistroComprovante();
  ~TRegistroComprovante();

  void SetLinha(const QString& linha);  // trailing blanks removed
  const QString& GetLinha() const { return m_linha; }
  bool Vazia() const { return m_linha.isEmpty(); }
  bool TamanhoValido() const { return m_linha.size() > kTamanhoMinimo; }

  // At most `tamanho` characters from `inicio` (1-based); shorter when the line ends earlier.
  QString GetTrecho(int inicio, int tamanho) const;
  // Fields 1 and 5 to 13; any other number leaves `texto` as it was.
  void GetCampo(int campo, QString& texto) const;
  // As GetCampo, with a valid amount field given as the amount's text ("1234,56").
  void GetCampoFormatado(int campo, QString& texto) const;

  static bool CampoMonetario(int campo) { return (campo >= 5 && campo <= 10) || campo == 12; }

 private:
  QString m_linha;
  mutable std::unique_ptr<TMonetario> m_monetario;  // made on first use
};
