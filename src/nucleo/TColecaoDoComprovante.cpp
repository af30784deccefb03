#include "nucleo/TColecaoDoComprovante.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovante.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

bool TColecaoDoComprovante::Conecta(TTolv& declaracao) {
  DefineTransacao(&declaracao.GetTransacaoDeclaracao());
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) return false;
  m_declaracao = &declaracao;
  return true;
}

void TColecaoDoComprovante::Prepara(bd::Consulta& consulta, const QString& sql) {
  consulta.defineTransacao(GetTransacao());
  consulta.defineSql(sql);
  consulta.prepara();
}

std::unique_ptr<bd::Procedimento> TColecaoDoComprovante::PreparaProcedimento(const QString& nome) {
  auto procedimento = std::make_unique<bd::Procedimento>(*GetTransacao(), nome);
  procedimento->prepara();
  return procedimento;
}

void TColecaoDoComprovante::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

bool TColecaoDoComprovante::AbreLista(const QString& parametro, const TComprovante& comprovante, bool deNovo) {
  if (!m_declaracao) return false;
  const QString numero = comprovante.GetBeneficiario().GetBase();
  if (!deNovo && m_consultaLista.aberta() && m_consultaLista.valorParametro(parametro).comoTexto() == numero)
    return true;
  m_consultaLista.fecha();
  m_consultaLista.param(parametro, numero);
  return AbreDataSet(m_consultaLista);
}

bool TColecaoDoComprovante::PodeGravar(const TComprovante& comprovante) const {
  const TBeneficiarioTolv& beneficiario = comprovante.GetBeneficiario();
  const TTolv* declaracao = beneficiario.GetDeclaracao();
  return m_declaracao && declaracao && !declaracao->GetTolvDK().isEmpty() && !beneficiario.GetNiDigitos().isEmpty();
}

bool TColecaoDoComprovante::ExecutaConfirmando(bd::Procedimento& procedimento) {
  if (!ExecutaProcedure(procedimento)) return false;
  ConfirmaTransacaoRetendo();
  return true;
}

void TColecaoDoComprovante::ExcluiDoBeneficiario(const QString& parametro, const TBeneficiarioTolv& beneficiario) {
  if (!m_declaracao || beneficiario.GetNiDigitos().isEmpty()) return;
  m_consultaComando.param(parametro, beneficiario.GetBase());
  if (ExecutaConsulta(m_consultaComando)) ConfirmaTransacaoRetendo();
  m_consultaLista.fecha();
}

bd::Dado TColecaoDoComprovante::TextoOuNulo(const QString& texto) { return texto.isEmpty() ? bd::Dado() : bd::Dado(texto); }
