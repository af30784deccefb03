#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "validador/TRegras.h"

// The base of every tested element (a line, the file, a field, a record, the declaration): its
// rules in the order they run, resolved when they are registered; its validity and category; the
// texts of its next finding; and the writing of each failed rule as one line of the findings log,
// counted as an error or a warning.
class TPrimitivo : public TRegras {
 public:
  static constexpr uint8_t kCategoriaNormal = 0;
  static constexpr uint8_t kCategoriaAviso = 1;
  // The record piece of a finding is padded with blanks to this width.
  static constexpr int kLarguraRegistro = 17;
  static constexpr int kLarguraValor = 15;

  using TRegras::TRegras;

  // Appends a rule. A name without a message in the catalogue is a programming error
  // (std::logic_error); a name that the element's class lacks is told when the rule is reached.
  void RegistraRegra(const QString& nome);
  // Once only (std::logic_error the second time).
  void SetCategoria(uint8_t categoria);
  uint8_t GetCategoria() const { return m_categoria; }
  const std::vector<RegraResolvida>& Regras() const { return m_regras; }

  // Runs the element's rules in order and sets its validity: an error ends the test; with the
  // warning category the first failure ends it too; a warning of the normal category goes on.
  void ExecutaRegras() { ExecutaRegras(0); }
  // From the rule at `inicio` on: the caller knows that the ones before hold.
  void ExecutaRegras(size_t inicio);
  // Runs one rule outside the list; a failure is written and counted, and the element is invalid.
  bool ExecutaRegra(const RegraResolvida& regra);
  bool ExecutaRegra(const QString& nome);

  bool Valido() const { return m_valido; }
  void MarcaValido() { m_valido = true; }
  void MarcaInvalido() { m_valido = false; }

  // Writes the finding of a catalogue entry with the element's texts as they stand.
  void RegistraAchado(int validador);
  // The line a finding of a catalogue entry would write now (without writing it).
  QString LinhaAchado(int validador);

  // Texts of the next finding. The value is shown once: a finding that showed it empties it.
  void SetValorLog(const QString& valor) {
    m_valorLog = valor;
    m_valorLogDoValor = false;
  }
  // The finding will show the first characters of the element's value as it stands then.
  void ValorLogDoValor() { m_valorLogDoValor = true; }
  QString GetValorLog() const { return m_valorLogDoValor ? m_valor.left(kLarguraValor) : m_valorLog; }
  void SetArgumentos(const QString& argumentos) { m_argumentos = argumentos; }
  const QString& GetArgumentos() const { return m_argumentos; }
  void SetTextoRegistro(const QString& texto) { m_textoRegistro = texto; }
  const QString& GetTextoRegistro() const { return m_textoRegistro; }
  void SetTextoCampo(const QString& texto) { m_textoCampo = texto; }
  const QString& GetTextoCampo() const { return m_textoCampo; }

 protected:
  // Before a rule empties the element's value: the finding keeps showing what was tested.
  void FixaValorLog();
  void ContaAchado(int validador);

  std::vector<RegraResolvida> m_regras;
  uint8_t m_categoria = kCategoriaNormal;
  bool m_categoriaDefinida = false;
  bool m_valido = false;
  QString m_valorLog;
  bool m_valorLogDoValor = false;
  QString m_argumentos;
  QString m_textoRegistro;
  QString m_textoCampo;
};
