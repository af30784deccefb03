#include "secoes/ServicosEditor.h"

#include "controles/TErroEdit.h"

namespace ServicosEditor {
namespace {
std::function<void(bool)>& Marca() {
  static std::function<void(bool)> marca;
  return marca;
}
std::function<void(int)>& Seleciona() {
  static std::function<void(int)> seleciona;
  return seleciona;
}
}  // namespace

void DefineEdicaoInvalida(std::function<void(bool)> marca) { Marca() = std::move(marca); }
void DefineSelecionaNo(std::function<void(int)> seleciona) { Seleciona() = std::move(seleciona); }

void RecusaEntrada(int codigo) {
  TErroEdit::GuardaErro(uint16_t(codigo));
  if (Marca()) Marca()(true);
}

void AceitaEntrada() {
  if (Marca()) Marca()(false);
}

void SelecionaNo(int codigo) {
  if (Seleciona()) Seleciona()(codigo);
}

}  // namespace ServicosEditor
