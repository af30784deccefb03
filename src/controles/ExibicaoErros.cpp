#include "controles/ExibicaoErros.h"

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"

void InstalaExibicaoErros() {
  GuardaEventos::defineExibidor([](const std::exception* e) {
    if (const auto* erro = dynamic_cast<const TErro*>(e))
      erro->Mostra();
    else
      ExibeMensagem(GuardaEventos::texto(e), TipoMensagem::Erro);
  });
}
