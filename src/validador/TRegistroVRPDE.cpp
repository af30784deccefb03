#include "validador/TRegistroVRPDE.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroVRPDE::TRegistroVRPDE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_VL_REMESSA");
  static constexpr const char* kNomes[kCampos] = {"TVRE_DATA",                "TVRE_CD_RETENCAO",
                                                  "TVRE_CD_TIPO_RENDIMENTO",  "TVRE_CD_FORMA_TRIBUTACAO",
                                                  "TVRE_VL_RENDIMENTO_PAGO",  "TVRE_VL_IRRF",
                                                  "TREM_ID"};
  m_campo = Entradas(*m_proc1, kNomes);
  SetTiposRegistro(TiposDe({TTipoRegistro::VRPDE}));
  ReiniciaParametros();
}

void TRegistroVRPDE::Preenche(const TLinhaI& linha) {
  if (linha.GetTipo() != TTipoRegistro::VRPDE) return;
  ReiniciaParametros();
  bd::ChamadaProcedimento& p = *m_proc1;
  p.defineData(m_campo[kData], ValoresImportacao::Data(linha.Item(1)));
  p.defineTexto(m_campo[kCodigo], linha.Item(2));
  p.defineInteiro(m_campo[kTipoRendimento], linha.Item(3).toInt());
  if (linha.Item(6).isEmpty())
    p.defineNulo(m_campo[kFormaTributacao]);
  else
    p.defineInteiro(m_campo[kFormaTributacao], linha.Item(6).toInt());
  p.defineDezMilesimos(m_campo[kRendimento], ValoresImportacao::Valor(linha.Item(4)));
  p.defineDezMilesimos(m_campo[kIrrf], ValoresImportacao::Valor(linha.Item(5)));
  p.defineInteiro(m_campo[kRemessa], m_banco.FonteDK);
}
