#include "nucleo/Contribuinte.h"

#include "nucleo/Pendencia.h"

TContribuinte::TContribuinte(uint8_t tipo, bool somenteCnpj, bool exigeMatriz)
    : TNiContribuinte(tipo, somenteCnpj, exigeMatriz), m_nome(tipo) {}

void TContribuinte::SetNi(const QString& texto) {
  TNiContribuinte::SetNi(texto);
  m_nome.SetTipo(GetTipo());
}

void TContribuinte::SetNiComErro(const QString& texto) {
  TNiContribuinte::SetNiComErro(texto);
  m_nome.SetTipo(GetTipo());
}

void TContribuinte::SetErros(TErros* erros) {
  TNiContribuinte::SetErros(erros);
  m_nome.SetErros(erros);
}

void TContribuinte::SetTipo(uint8_t tipo) {
  TNiContribuinte::SetTipo(tipo);
  m_nome.SetTipo(tipo);
}

int TContribuinte::CodigoErroNi() const {
  return ValidaNi(GetNiDigitos(), GetTipo(), GetExigeMatriz(), GetOpcional());
}

int TContribuinte::ValidaContribuinte() const {
  if (const int codigo = CodigoErroNi()) return codigo;
  QString nome = m_nome.GetValor();
  return TNomeContribuinte::ValidaNome(nome, GetTipo(), GetOpcional());
}

void TContribuinte::VerificaNi(TErros& erros, const QString& aQuemPertence, const QString& quemEh,
                               uint8_t objeto) const {
  if (const int codigo = CodigoErroNi())
    AdicionaPendencia<EContribuinteInvalido>(erros, uint16_t(codigo), GetNiDigitos(), 1, aQuemPertence, quemEh,
                                             objeto);
}

void TContribuinte::VerificaNome(TErros& erros, const QString& aQuemPertence, const QString& quemEh,
                                 uint8_t objeto) const {
  QString nome = m_nome.GetValor();
  if (const int codigo = TNomeContribuinte::ValidaNome(nome, GetTipo(), GetOpcional()))
    AdicionaPendencia<EContribuinteInvalido>(erros, uint16_t(codigo), m_nome.GetValor() + u' ' + GetNiFormatado(),
                                             1, aQuemPertence, quemEh, objeto);
}

void TContribuinte::CopiaPara(TContribuinte& destino) const {
  if (GetNiDigitos().isEmpty())
    destino.Limpar();
  else
    destino.SetNiComErro(GetNiFormatado());
  if (m_nome.GetValor().isEmpty())
    destino.m_nome.Limpar();
  else
    destino.m_nome.SetNomeComErro(m_nome.GetValor());
}

void TContribuinte::LimpaTudo() {
  Limpar();
  m_nome.Limpar();
}

void TContribuinte::SetModificado(bool modificado) {
  TNiContribuinte::SetModificado(modificado);
  m_nome.SetModificado(modificado);
}

bool TContribuinte::GetModificado() const { return TNiContribuinte::GetModificado() || m_nome.GetModificado(); }
