#include "nucleo/Responsavel.h"

namespace {
enum CampoResponsavel : uint8_t {
  kCampoCpf = 15,
  kCampoNome = 16,
  kCampoDDD = 17,
  kCampoFone = 18,
  kCampoFax = 20,
  kCampoEmail = 21,
};
}  // namespace

void TResponsavel::SetErros(TErros* erros) {
  TContribuinte::SetErros(erros);
  m_fone.SetErros(erros);
  m_fax.SetErros(erros);
  m_email.SetErros(erros);
}

void TResponsavel::LimpaTudo() {
  TContribuinte::LimpaTudo();
  m_fone.Limpa();
  m_fax.Limpa();
  m_email.Limpar();
}

void TResponsavel::VerificaResponsavel(TErros& erros) {
  const QString chave = GetNiFormatado();
  SetOpcional(false);
  VerificaNi(erros, chave, chave, kCampoCpf);
  VerificaNome(erros, chave, chave, kCampoNome);
  m_fone.GetDDD().SetOpcional(false);
  m_fone.GetNumero().SetOpcional(false);
  m_fone.VerificaDDD(erros, chave, chave, kCampoDDD);
  m_fone.VerificaNumero(erros, chave, chave, kCampoFone);
  m_fax.GetDDD().SetOpcional(true);
  m_fax.GetNumero().SetOpcional(true);
  m_fax.VerificaNumero(erros, chave, chave, kCampoFax);
  m_email.SetOpcional(true);
  m_email.VerificaEmail(erros, chave, chave, kCampoEmail);
}
