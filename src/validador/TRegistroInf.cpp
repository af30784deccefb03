#include "validador/TRegistroInf.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroInf::TRegistroInf(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_ATU_COMPROV_PF");
  m_numero = Entrada(*m_proc1, "NR_PF");
  m_informacao = Entrada(*m_proc1, "INFO_COMPL");
  // No set of types: an INF line never joins a group.
}

void TRegistroInf::Preenche(const TLinhaI& linha) {
  // Everything else the statement holds is kept: only the two inputs given are not null.
  m_proc1->anulaEntradas();
  m_proc1->defineTexto(m_numero, ValoresImportacao::Base(linha.Item(1), true));
  m_proc1->defineTexto(m_informacao, linha.Item(2));
}

void TRegistroInf::Grava() {
  m_proc1->executa();
  m_banco.ConfirmaRetendo();
}
