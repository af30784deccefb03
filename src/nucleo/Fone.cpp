#include "nucleo/Fone.h"

#include "nucleo/Pendencia.h"
#include "nucleo/UtilTexto.h"

namespace {
constexpr uint16_t kDDDInvalido = 53;
constexpr uint16_t kFoneCurto = 85;
constexpr uint16_t kRamalInvalido = 87;
constexpr uint16_t kFoneIniciaZero = 239;
}  // namespace

void TFoneParte::Armazena(const QString& texto) {
  m_texto = texto;
  NotificaAlteracao();
}

void TFoneParte::SetValor(const QString& texto) {
  if (const int codigo = Valida(texto)) {
    if (EsvaziaAoRecusar()) Armazena(QString());
    throw EFoneInvalido(uint16_t(codigo), ArgumentoErro(texto));
  }
  Armazena(texto);
}

void TFoneParte::SetValorComErro(const QString& texto) {
  Armazena(texto);
  if (const int codigo = Valida(texto); codigo && m_erros)
    m_erros->Adiciona(std::make_unique<EFoneInvalido>(uint16_t(codigo), texto));
}

QString TFoneDDD::GetFormatado() const {
  const QString texto = GetValor();
  return texto.isEmpty() ? QString() : u'(' + texto + u')';
}

int TFoneDDD::ValidaDDD(const QString& texto, bool opcional) {
  const QString aparado = Apara(texto);
  if (aparado.isEmpty()) return opcional && texto.isEmpty() ? 0 : kDDDInvalido;
  if (aparado.size() != 2 || !SomenteNumeros(texto) || texto[0] == u'0') return kDDDInvalido;
  return 0;
}

QString TFoneNumero::GetFormatado() const {
  const QString texto = GetValor();
  if (texto.size() < 5) return texto;
  return texto.left(texto.size() - 4) + u'-' + texto.right(4);
}

void TFoneNumero::SetValorComErro(const QString& texto) {
  TFoneParte::SetValorComErro(GetOpcional() && SomenteZeros(texto) ? QString() : texto);
}

int TFoneNumero::ValidaNumero(const QString& texto, bool opcional) {
  int codigo = 0;
  if (texto.isEmpty())
    codigo = opcional ? 0 : kFoneCurto;
  else if (texto.size() < 8 || !SomenteNumeros(texto))
    codigo = kFoneCurto;
  if (!texto.isEmpty() && texto[0] == u'0') codigo = kFoneIniciaZero;
  return codigo;
}

int TFoneRamal::ValidaRamal(const QString& texto) { return SomenteNumeros(texto) ? 0 : kRamalInvalido; }

void TFone::SetErros(TErros* erros) {
  m_erros = erros;
  m_ddd.SetErros(erros);
  m_numero.SetErros(erros);
  m_ramal.SetErros(erros);
}

void TFone::Limpa() {
  m_ddd.Limpar();
  m_numero.Limpar();
  m_ramal.Limpar();
}

void TFone::VerificaDDD(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const {
  if (const int codigo = m_ddd.CodigoErro())
    AdicionaPendencia<EFoneInvalido>(erros, uint16_t(codigo), m_ddd.GetValor(), 1, aQuemPertence, quemEh, objeto);
}

void TFone::VerificaNumero(TErros& erros, const QString& aQuemPertence, const QString& quemEh,
                           uint8_t objeto) const {
  if (const int codigo = m_numero.CodigoErro())
    AdicionaPendencia<EFoneInvalido>(erros, uint16_t(codigo), m_numero.GetValor(), 1, aQuemPertence, quemEh,
                                     objeto);
}
