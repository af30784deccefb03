#include "controles/ExibicaoErros.h"

#include <QtDebug>

#include <cstdlib>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/EFalhaBanco.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

Encerramento& encerramento() {
  static Encerramento e;
  return e;
}

}  // namespace

Encerramento DefineEncerramento(Encerramento fim) {
  Encerramento anterior = std::move(encerramento());
  encerramento() = std::move(fim);
  return anterior;
}

void TrataFalhaBanco(const EFalhaBanco& falha) {
  if (falha.Exibe()) {
    try {
      TErro::MostraTexto(falha.Mensagem(), TipoMensagem::Erro, 0, TErro::kBotaoOk);
    } catch (const std::exception& e) {
      // The box itself failed: the process still ends when it must.
      qWarning().noquote() << "Erro:" << falha.Mensagem() << "/" << e.what();
    }
  }
  if (!falha.Fatal()) return;
  if (encerramento()) encerramento()();
  std::_Exit(1);
}

void InstalaExibicaoErros() {
  GuardaEventos::defineExibidor([](const std::exception* e) {
    if (const auto* erro = dynamic_cast<const TErro*>(e))
      erro->Mostra();
    else
      ExibeMensagem(GuardaEventos::texto(e), TipoMensagem::Erro);
  });
  GuardaEventos::defineFatal([](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const EFalhaBanco& falha) {
      AvisaFalhaBanco(falha);
      return true;
    } catch (...) {
      return false;  // not the database's: the display shows it
    }
  });
  DefineTratadorFalhaBanco(TrataFalhaBanco);
}
