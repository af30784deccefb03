#include "nucleo/EFalhaBanco.h"

#include <QtDebug>

#include <cstdlib>

#include "nucleo/TColecao.h"

namespace {

TratadorFalhaBanco& tratador() {
  static TratadorFalhaBanco t;
  return t;
}

}  // namespace

EFalhaBanco::EFalhaBanco(const QString& mensagem, Lado lado, bool fatal, bool exibe)
    : m_mensagem(mensagem), m_lado(lado), m_fatal(fatal), m_exibe(exibe) {}

void EFalhaBanco::Marca() const {
  if (m_lado == Lado::Indice)
    FalhaBancoIndice = true;
  else if (m_lado == Lado::Declaracao)
    FalhaBanco = true;
}

TratadorFalhaBanco DefineTratadorFalhaBanco(TratadorFalhaBanco novo) {
  TratadorFalhaBanco anterior = std::move(tratador());
  tratador() = std::move(novo);
  return anterior;
}

void AvisaFalhaBanco(const EFalhaBanco& falha) {
  falha.Marca();
  if (tratador()) {
    tratador()(falha);
    return;
  }
  if (falha.Exibe()) qWarning().noquote() << "Erro:" << falha.Mensagem();
  if (falha.Fatal()) std::_Exit(1);
}
