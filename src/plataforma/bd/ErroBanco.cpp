#include "plataforma/bd/ErroBanco.h"

namespace bd {

namespace {
constexpr intptr_t kMemoriaVirtualEsgotada = 335544430;  // isc_virmemexh
}

ErroBanco::ErroBanco(const QString& mensagem, int sqlcode, intptr_t codigoGds,
                     const QString& sqlstate)
    : m_mensagem(mensagem),
      m_sqlcode(sqlcode),
      m_codigoGds(codigoGds),
      m_sqlstate(sqlstate),
      m_utf8(mensagem.toUtf8()) {}

bool ErroBanco::faltaMemoria() const { return m_codigoGds == kMemoriaVirtualEsgotada; }

}  // namespace bd
