#include "validador/TRegistroIDRec.h"

#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"

TRegistroIDRec::TRegistroIDRec(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  SetTiposRegistro(TiposDe({TTipoRegistro::IDREC}));
}

void TRegistroIDRec::Preenche(const TLinhaI& linha) { m_banco.CodigoRetencao = linha.Item(1).toString(); }
