#include "validador/TRegistroAnexoProc.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

TRegistroAnexoProc::TRegistroAnexoProc(TDataAccess& banco, TArquivoDados& dados) : TRegistroAnexoFC(banco, dados) {
  SetTiposRegistro(TiposDe({TTipoRegistro::PROC}));
}

void TRegistroAnexoProc::Preenche(const TLinhaI& linha) {
  if (linha.GetTipo() != TTipoRegistro::PROC) return;
  bd::ChamadaProcedimento& p = *m_proc1;
  ReiniciaParametros();
  const QStringView justica = linha.Item(1);
  p.defineNulo(m_campo[kFonte]);
  p.defineTexto(m_campo[kTipoNi], u"2");
  p.defineTexto(m_campo[kTipoProcesso], justica);
  p.defineTexto(m_campo[kNumero], linha.Item(2).trimmed());
  p.defineInteiro(m_campo[kTipo], 1);
  const QStringView niAdvogado = linha.Item(4).trimmed();
  if (!niAdvogado.isEmpty() && niAdvogado != u"0") {
    const QStringView tipo = linha.Item(3);
    p.defineTexto(m_campo[kTipoAdvogado], tipo);
    p.defineTexto(m_campo[kNumeroAdvogado], ValoresImportacao::Base(linha.Item(4), tipo == u"1"));
    p.defineTexto(m_campo[kNomeAdvogado], linha.Item(5).trimmed());
  } else {
    for (Campo c : {kTipoAdvogado, kNumeroAdvogado, kNomeAdvogado}) p.defineNulo(m_campo[c]);
  }
  TArquivoDados::Contadores& c = m_dados.Contagem;
  if (justica == u"1") ++c.ProcessosFederal;
  if (justica == u"2") ++c.ProcessosTrabalho;
  if (justica == u"3") ++c.ProcessosEstadual;
}
