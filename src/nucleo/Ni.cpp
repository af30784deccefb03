#include "nucleo/Ni.h"

#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"

QString TNi::RetiraFormatacao(QString& texto) {
  // A number without separators is kept as it is, shared.
  for (const char16_t separador : {u'-', u'.', u'/'})
    if (texto.contains(separador)) texto.remove(separador);
  return texto;
}

void TNi::Armazena(const QString& digitos) {
  m_digitos = digitos;
  m_formatado = Formata(digitos);
  NotificaAlteracao();
}

void TNi::SetNi(const QString& texto) {
  const QString digitos = SemFormatacao(texto);
  if (const int codigo = Valida(digitos))
    throw EContribuinteInvalido(uint16_t(codigo), TNiContribuinte::FormataNi(digitos));
  Armazena(digitos);
}

void TNi::SetNiComErro(const QString& texto) {
  const QString digitos = SemFormatacao(texto);
  const int codigo = Valida(digitos);
  Armazena(digitos);
  if (codigo && m_erros) m_erros->Adiciona(std::make_unique<EContribuinteInvalido>(uint16_t(codigo), m_formatado));
}

void TNi::Limpar() {
  m_digitos.clear();
  m_formatado.clear();
  NotificaAlteracao();
}

void TNi::SetNiPelaBase(const QString& base) {
  const QString b = SemFormatacao(base);
  SetNi(b + CalculaDV(b));
}

void TNi::SetNiPelaBaseComErro(const QString& base) {
  const QString b = SemFormatacao(base);
  SetNiComErro(b + CalculaDV(b));
}

QString TNi::OrdemCnpj(const QString& numero, bool opcional) {
  const QString digitos = SemFormatacao(numero);
  if (TNiContribuinte::ValidaNi(digitos, kNiIndefinido, false, opcional) != 0) return {};
  if (TNiContribuinte::TipoPeloTamanho(digitos) != kNiCnpj) return {};
  return digitos.mid(8, 4);
}
