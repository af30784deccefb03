#include "validador/TRegistroDTPSE.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroDTPSE::TRegistroDTPSE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_PS_DEPENDENTE");
  static constexpr const char* kNomes[kCampos] = {"TPD_TPT_ID",  "TPD_IN_PF_PJ", "TPD_NR_PF_PJ", "TPD_DT_NASC",
                                                  "NM_NM_EMPR", "TPD_TPRD_CD",  "TPD_VL_PAGO"};
  m_campo = Entradas(*m_proc1, kNomes);
  SetTiposRegistro(TiposDe({TTipoRegistro::DTPSE}));
  ReiniciaParametros();
}

void TRegistroDTPSE::Preenche(const TLinhaI& linha) {
  if (linha.GetTipo() != TTipoRegistro::DTPSE) return;
  ReiniciaParametros();
  bd::ChamadaProcedimento& p = *m_proc1;
  p.defineInteiro(m_campo[kTitular], m_banco.IdTitular);
  if (linha.Item(1).trimmed().isEmpty()) {
    p.defineNulo(m_campo[kTipo]);
    p.defineNulo(m_campo[kNumero]);
  } else {
    p.defineTexto(m_campo[kTipo], u"1");
    p.defineTexto(m_campo[kNumero], ValoresImportacao::Base(linha.Item(1), true));
  }
  // The birth date stays as the file has it, year first: the database keeps it so.
  TextoOuNulo(p, m_campo[kNascimento], linha.Item(2));
  p.defineTexto(m_campo[kNome], linha.Item(3).trimmed());
  TextoOuNulo(p, m_campo[kRelacao], linha.Item(4));
  p.defineDezMilesimos(m_campo[kValor], ValoresImportacao::Valor(linha.Item(5)));
  ++m_dados.Contagem.DependentesAdicionados;
}
