#include "validador/TRegistroBRPDE.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"

TRegistroBRPDE::TRegistroBRPDE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_REMESSA");
  static constexpr const char* kNomes[kCampos] = {
      "TREM_ID",          "TREM_NIF",        "TREM_CD_PAIS",     "TREM_IN_TIPO_BENEFICIARIO",
      "TREM_IN_BENEF_DISPENSA_NIF", "TREM_IN_PAIS_DISPENSA_NIF", "TREM_IN_PF_PJ", "TREM_NI",
      "TREM_NOME",        "TREM_CD_REL_FONTE_BENEFICIARIO",      "TREM_LOGRADOURO", "TREM_NUMERO",
      "TREM_COMPLEMENTO", "TREM_BAIRRO",     "TREM_CX_POSTAL",   "TREM_CIDADE",     "TREM_ESTADO",
      "TREM_TELEFONE"};
  m_campo = Entradas(*m_proc1, kNomes);
  m_chaveSaida = Saida(*m_proc1, "TREM_ID_O");
  // Without a key of its own the beneficiary takes the sequence's next.
  m_proc1->defineInicial(m_campo[kChave], bd::Dado());
  SetTiposRegistro(TiposDe({TTipoRegistro::BRPDE}));
  ReiniciaParametros();
}

void TRegistroBRPDE::Preenche(const TLinhaI& linha) {
  if (linha.GetTipo() != TTipoRegistro::BRPDE) return;
  ReiniciaParametros();
  bd::ChamadaProcedimento& p = *m_proc1;
  const QStringView nif = linha.Item(3);
  p.defineTexto(m_campo[kNif], nif);
  p.defineTexto(m_campo[kPais], QString::number(linha.Item(2).toInt()));
  p.defineTexto(m_campo[kTipoBeneficiario], linha.Item(1));
  // The waiver of the foreign number only for a beneficiary without one, and only one of the two.
  const QStringView beneficiario = linha.Item(4);
  const QStringView pais = linha.Item(5);
  const bool ambosIguais = (beneficiario == u"S" && pais == u"S") || (beneficiario == u"N" && pais == u"N");
  if (nif.trimmed().isEmpty() && !ambosIguais) {
    if (beneficiario == u"S") {
      p.defineTexto(m_campo[kDispensaBeneficiario], u"S");
      p.defineTexto(m_campo[kDispensaPais], u"N");
    } else if (pais == u"S") {
      p.defineTexto(m_campo[kDispensaBeneficiario], u"N");
      p.defineTexto(m_campo[kDispensaPais], u"S");
    }
  } else {
    p.defineTexto(m_campo[kDispensaBeneficiario], u"N");
    p.defineTexto(m_campo[kDispensaPais], u"N");
  }
  const QStringView ni = linha.Item(6);
  p.defineTexto(m_campo[kTipoNi], ni.size() == 14 ? u"2" : u"1");
  p.defineTexto(m_campo[kNi], ni);
  p.defineTexto(m_campo[kNome], linha.Item(7));
  if (linha.Item(1) == u"2") p.defineTexto(m_campo[kRelacao], linha.Item(8));
  p.defineTexto(m_campo[kLogradouro], linha.Item(9));
  if (linha.Item(10).size() <= 6) p.defineTexto(m_campo[kNumero], linha.Item(10));
  p.defineTexto(m_campo[kComplemento], linha.Item(11));
  p.defineTexto(m_campo[kBairro], linha.Item(12));
  p.defineTexto(m_campo[kCaixaPostal], linha.Item(13));
  p.defineTexto(m_campo[kCidade], linha.Item(14));
  p.defineTexto(m_campo[kEstado], linha.Item(15));
  p.defineTexto(m_campo[kTelefone], linha.Item(16));
  ++m_dados.Contagem.Remessas;
}

void TRegistroBRPDE::Grava() {
  m_proc1->executa();
  m_banco.FonteDK = int(m_proc1->saidaInteiro(m_chaveSaida));
}
