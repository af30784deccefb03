#pragma once

#include <QString>

// The catalogue of numbered messages, codes 0 to 315. Read the texts through TErro:
// TErro::TextoMensagem gives a text as stored, TErro::FormataMensagem fills it.
namespace Mensagens {

inline constexpr int kQuantidade = 316;

QString texto(int codigo);  // empty for a code outside the catalogue

}  // namespace Mensagens
