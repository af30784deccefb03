#include "validador/TRegistroAnexoFC.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroAnexoFC::TRegistroAnexoFC(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_ATU_FONTE");
  static constexpr const char* kNomes[kCampos] = {"FONTE_DK",          "IN_PF_PJ",    "NR_PF_PJ",
                                                  "NM_NM_EMPR",        "IN_TIPO",     "IN_PF_PJ_ADVOGADO",
                                                  "NR_ADVOGADO",       "NM_ADVOGADO", "TIPO_PROCESSO"};
  m_campo = Entradas(*m_proc1, kNomes);
  m_fonteSaida = Saida(*m_proc1, "FONTE_DK_OUT");
  SetTiposRegistro(TiposDe({TTipoRegistro::FCI}));
  ReiniciaParametros();
}

void TRegistroAnexoFC::Preenche(const TLinhaI& linha) {
  if (linha.GetTipo() != TTipoRegistro::FCI) return;
  bd::ChamadaProcedimento& p = *m_proc1;
  ReiniciaParametros();
  p.defineNulo(m_campo[kFonte]);
  p.defineTexto(m_campo[kTipoNi], u"2");
  p.defineTexto(m_campo[kNumero], ValoresImportacao::Base(linha.Item(1), false));
  p.defineTexto(m_campo[kNome], linha.Item(2).trimmed());
  p.defineTexto(m_campo[kTipoProcesso], u"0");
  p.defineInteiro(m_campo[kTipo], 0);
  ++m_dados.Contagem.Fundos;
}

void TRegistroAnexoFC::Grava() {
  m_proc1->executa();
  m_banco.FonteDK = int(m_proc1->saidaInteiro(m_fonteSaida));
}
