#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

#include "validador/TTipoRegistro.h"

// The analyzer's bookkeeping for one run: which record of each type was accepted in the current
// context, the current block head, the lines of the first occurrences that uniqueness compares,
// the complementary-information beneficiaries met so far, and the tables by record type.
class TRegrasAnalisador {
 public:
  TRegrasAnalisador();

  static constexpr QChar Delimitador() { return u'|'; }
  // "TOLV" for the header, the value's own name for every other type.
  static QStringView NomeTipo(TTipoRegistro tipo);
  // "TOLV" and "Tolv" give the header; other names without regard to case. Throws
  // std::invalid_argument "erro ao converter, registro desconhecido" for an unknown one.
  static TTipoRegistro TipoPorNome(QStringView texto);
  // The type of a line's identifier: "TOLV" and "Tolv" give the header, "RTOLV" in any case -1,
  // any other name without regard to case its type, anything else -1.
  static int TipoDaLinha(QStringView texto);
  // Which transfer object the import uses for a record type.
  static uint8_t PosicaoPersistencia(TTipoRegistro tipo);

  void Reinicia();
  void ReiniciaContexto();
  void ReiniciaBlocos();
  void ReiniciaBeneficiarios();
  void ReiniciaCodigo();
  void ReiniciaTitular();
  void ReiniciaUnicos();
  void ReiniciaUnicosPorPai() { m_linhaUnicoPorPai.fill(0); }

  bool Aceito(TTipoRegistro tipo) const { return m_aceito[size_t(Ordinal(tipo))]; }
  void MarcaAceito(TTipoRegistro tipo, bool aceito = true) { m_aceito[size_t(Ordinal(tipo))] = aceito; }
  TTipoRegistro BlocoCabeca() const { return m_blocoCabeca; }
  void SetBlocoCabeca(TTipoRegistro tipo) { m_blocoCabeca = tipo; }
  int64_t& LinhaUnico(TTipoRegistro tipo) { return m_linhaUnico[size_t(Ordinal(tipo))]; }
  int64_t& LinhaUnicoPorPai(TTipoRegistro tipo) { return m_linhaUnicoPorPai[size_t(Ordinal(tipo))]; }
  bool BeneficiarioPFVisto() const { return m_beneficiarioPFVisto; }
  void SetBeneficiarioPFVisto(bool visto) { m_beneficiarioPFVisto = visto; }

  // The complementary-information beneficiaries: a hash of their numbers with the line where
  // each appeared, and the last one added (the order rule compares only with it).
  bool BeneficiariosINFVazio() const { return m_beneficiariosINF.isEmpty(); }
  const QString& UltimoBeneficiarioINF() const { return m_ultimoINF; }
  // The line where the number was added; 0 when it was not.
  int64_t LinhaBeneficiarioINF(const QString& ni) const { return m_beneficiariosINF.value(ni, 0); }
  void AdicionaBeneficiarioINF(const QString& ni, int64_t linha);

 private:
  std::array<bool, kQuantidadeTipos> m_aceito{};
  std::array<int64_t, kQuantidadeTipos> m_linhaUnico{};
  std::array<int64_t, kQuantidadeTipos> m_linhaUnicoPorPai{};
  TTipoRegistro m_blocoCabeca = TTipoRegistro::RTOLV;
  bool m_beneficiarioPFVisto = false;
  QHash<QString, int64_t> m_beneficiariosINF;
  QString m_ultimoINF;
};
