#pragma once

#include <QString>

#include <cstdint>

// An error item that the editors of the supplementary sections collect when they check a
// record field by field: the field at fault, the formatted message and what filled it.
class TzuqErro {
 public:
  TzuqErro(uint16_t codigo, uint8_t tipo, int numeroCampo);
  static TzuqErro CreateComTexto(uint16_t codigo, uint8_t tipo, int numeroCampo, const QString& argumentos);

  int NumeroCampo() const { return m_numeroCampo; }
  const QString& Mensagem() const { return m_mensagem; }
  uint8_t Tipo() const { return m_tipo; }
  uint16_t Codigo() const { return m_codigo; }
  const QString& TextoExtra() const { return m_textoExtra; }

  void SetTextoExtra(const QString& texto) { m_textoExtra = texto; }
  void SetMensagem(const QString& mensagem) { m_mensagem = mensagem; }

 private:
  int m_numeroCampo;
  QString m_mensagem;
  uint8_t m_tipo;
  uint16_t m_codigo;
  QString m_textoExtra;
};
