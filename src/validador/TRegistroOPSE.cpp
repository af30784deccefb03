#include "validador/TRegistroOPSE.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroOPSE::TRegistroOPSE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_PS_OPERADORA");
  m_proc2 = Prepara("CONSULT_PS_OPERADORA_JA_EXISTE");
  static constexpr const char* kNomes[kCampos] = {"TPO_IN_PF_PJ", "TPO_NR_PF_PJ", "TPO_REGISTRO_ANS", "NM_NM_EMPR"};
  m_inclusao = Entradas(*m_proc1, kNomes);
  m_tipoConsulta = Entrada(*m_proc2, "TPO_IN_PF_PJ");
  m_numeroConsulta = Entrada(*m_proc2, "TPO_NR_PF_PJ");
  m_chaveInclusao = Saida(*m_proc1, "TPO_ID_R");
  m_chaveConsulta = Saida(*m_proc2, "TPO_ID_R");
  SetTiposRegistro(TiposDe({TTipoRegistro::OPSE}));
  ReiniciaParametros();
}

void TRegistroOPSE::Preenche(const TLinhaI& linha) {
  ReiniciaParametros();
  const QStringView cnpj = ValoresImportacao::Base(linha.Item(1), false);
  bd::ChamadaProcedimento& p = *m_proc1;
  p.defineTexto(m_inclusao[kTipo], u"2");
  p.defineTexto(m_inclusao[kNumero], cnpj);
  p.defineTexto(m_inclusao[kRegistro], linha.Item(3));
  p.defineTexto(m_inclusao[kNome], linha.Item(2).trimmed());
  ++m_dados.Contagem.Operadoras;
  m_proc2->defineTexto(m_tipoConsulta, u"2");
  m_proc2->defineTexto(m_numeroConsulta, cnpj);
}

void TRegistroOPSE::Grava() {
  m_proc2->executa();
  if (const int64_t existente = m_proc2->saidaInteiro(m_chaveConsulta); existente != 0) {
    // Stored already: its holders go under the stored operator.
    m_banco.IdOperadora = int(existente);
    return;
  }
  m_proc1->executa();
  m_banco.IdOperadora = int(m_proc1->saidaInteiro(m_chaveInclusao));
  m_banco.Confirma();
}
