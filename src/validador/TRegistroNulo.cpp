#include "validador/TRegistroNulo.h"

#include "validador/TDataAccess.h"

TRegistroNulo::TRegistroNulo(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  SetTiposRegistro(TiposDe({TTipoRegistro::FIMTOLV}));
}

void TRegistroNulo::Grava() { m_banco.Confirma(); }
