#include "validador/TRegistroTPSE.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroTPSE::TRegistroTPSE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_PS_TITULAR");
  static constexpr const char* kNomes[kCampos] = {"TPT_TPO_ID", "TPT_IN_PF_PJ", "TPT_NR_PF_PJ", "TPT_VL_PAGO", "NM_NM_EMPR"};
  m_campo = Entradas(*m_proc1, kNomes);
  m_chave = Saida(*m_proc1, "TPT_ID_R");
  SetTiposRegistro(TiposDe({TTipoRegistro::TPSE}));
  ReiniciaParametros();
}

void TRegistroTPSE::Preenche(const TLinhaI& linha) {
  ReiniciaParametros();
  bd::ChamadaProcedimento& p = *m_proc1;
  p.defineInteiro(m_campo[kOperadora], m_banco.IdOperadora);
  p.defineTexto(m_campo[kTipo], u"1");
  p.defineTexto(m_campo[kNumero], ValoresImportacao::Base(linha.Item(1), true));
  p.defineDezMilesimos(m_campo[kValor], ValoresImportacao::Valor(linha.Item(3)));
  p.defineTexto(m_campo[kNome], linha.Item(2).trimmed());
}

void TRegistroTPSE::Grava() {
  m_proc1->executa();
  m_banco.IdTitular = int(m_proc1->saidaInteiro(m_chave));
  m_banco.Confirma();
}
