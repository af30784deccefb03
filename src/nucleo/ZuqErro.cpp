#include "nucleo/ZuqErro.h"

#include "nucleo/Erros.h"

TzuqErro::TzuqErro(uint16_t codigo, uint8_t tipo, int numeroCampo)
    : m_numeroCampo(numeroCampo), m_mensagem(TErro::FormataMensagem(codigo, {})), m_tipo(tipo), m_codigo(codigo) {}

TzuqErro TzuqErro::CreateComTexto(uint16_t codigo, uint8_t tipo, int numeroCampo, const QString& argumentos) {
  TzuqErro erro(codigo, tipo, numeroCampo);
  erro.m_mensagem = TErro::FormataMensagem(codigo, argumentos);
  erro.m_textoExtra = argumentos;
  return erro;
}
