#include "nucleo/NiContribuinte.h"

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Pendencia.h"
#include "nucleo/Processo.h"

namespace {
constexpr uint16_t kCpfCnpjInvalido = 34;
constexpr uint16_t kNiObrigatorio = 41;
constexpr uint16_t kDataEventoCnpj = 127;
constexpr uint16_t kDataEventoSituacaoEspecial = 128;
constexpr uint16_t kDataEventoTipo = 129;
constexpr uint16_t kTipoEvento = 130;
}  // namespace

TNiContribuinte::TNiContribuinte(uint8_t tipo, bool somenteCnpj, bool exigeMatriz)
    : m_tipoForcado(tipo), m_somenteCnpj(somenteCnpj), m_exigeMatriz(exigeMatriz) {}

uint8_t TNiContribuinte::TipoPeloTamanho(QStringView digitos) {
  const qsizetype n = digitos.size();
  if (n == 9 || n == 11) return kNiCpf;
  if (n >= 12 && n <= 14) return kNiCnpj;
  if (n >= 15 && n <= 20) return kNiProcesso;
  return kNiIndefinido;
}

uint8_t TNiContribuinte::GetTipoNi(const QString& texto) const {
  if (m_somenteCnpj && m_tipoForcado != kNiProcesso) return kNiCnpj;
  if (m_tipoForcado == kNiCnpj && texto.size() < 12) m_tipoForcado = kNiIndefinido;
  return m_tipoForcado != kNiIndefinido ? m_tipoForcado : TipoPeloTamanho(texto);
}

QString TNiContribuinte::ExtraiBase(const QString& texto) const {
  const QString digitos = SemFormatacao(texto);
  switch (GetTipoNi(digitos)) {
    case kNiCpf: return digitos.left(9);
    case kNiCnpj: return digitos.left(12);
    case kNiProcesso: return digitos.left(20);
    default: return digitos;
  }
}

int TNiContribuinte::Valida(const QString& texto) const {
  switch (GetTipoNi(texto)) {
    case kNiCpf: return TCpf::ValidaCpf(texto, GetOpcional());
    case kNiCnpj: return TCnpj::ValidaCnpj(texto, m_exigeMatriz, GetOpcional());
    case kNiProcesso: return TProcesso::ValidaProcesso(texto, GetOpcional());
    default: return texto.isEmpty() ? kNiObrigatorio : kCpfCnpjInvalido;
  }
}

QString TNiContribuinte::Formata(const QString& texto) const {
  switch (GetTipoNi(texto)) {
    case kNiCpf: return TCpf::FormataCpf(texto);
    case kNiCnpj: return TCnpj::FormataCnpj(texto);
    default: return texto;
  }
}

QString TNiContribuinte::CalculaDV(const QString& base) const {
  switch (GetTipoNi(base)) {
    case kNiCpf: return TCpf::CalculaDVCpf(base);
    case kNiCnpj: return TCnpj::CalculaDVCnpj(base);
    default: return {};
  }
}

int TNiContribuinte::ValidaNi(const QString& numero, uint8_t tipo, bool exigeMatriz, bool opcional) {
  if (tipo == kNiIndefinido) tipo = TipoPeloTamanho(numero);
  switch (tipo) {
    case kNiCpf: return TCpf::ValidaCpf(numero, opcional);
    case kNiCnpj: return TCnpj::ValidaCnpj(numero, exigeMatriz, opcional);
    case kNiProcesso: return TProcesso::ValidaProcesso(numero, opcional);
    default: return kCpfCnpjInvalido;
  }
}

QString TNiContribuinte::FormataNi(const QString& numero) {
  switch (TipoPeloTamanho(numero)) {
    case kNiCpf: return TCpf::FormataCpf(numero);
    case kNiCnpj: return TCnpj::FormataCnpj(numero);
    default: return numero;
  }
}

QString TNiContribuinte::CalculaDVNi(const QString& base) {
  switch (TipoPeloTamanho(base)) {
    case kNiCpf: return TCpf::CalculaDVCpf(base);
    case kNiCnpj: return TCnpj::CalculaDVCnpj(base);
    default: return {};
  }
}

void TNiContribuinte::VerificaEvento(TErros& erros, const QString& aQuemPertence, const QString& quemEh,
                                     uint8_t objeto, const QString& dataEvento, int16_t tipoEvento,
                                     bool situacaoEspecial) const {
  if (!situacaoEspecial) return;
  const bool semData = dataEvento.isEmpty() || dataEvento == QStringLiteral("30/12/1899");
  auto achado = [&](uint16_t codigo, const QString& argumento) {
    AdicionaPendencia<ETipoDataEventoInvalida>(erros, codigo, argumento, 1, aQuemPertence, quemEh, objeto);
  };
  if (TipoPeloTamanho(GetNiDigitos()) == kNiCnpj) {
    if (semData) achado(kDataEventoCnpj, {});
    return;
  }
  if (semData) {
    if (tipoEvento == 1)
      achado(kDataEventoTipo, QStringLiteral("encerramento de espólio"));
    else if (tipoEvento == 2)
      achado(kDataEventoTipo, QStringLiteral("saída definitiva do país"));
    else
      achado(kDataEventoSituacaoEspecial, {});
  }
  if (tipoEvento == 0 || tipoEvento == -1) achado(kTipoEvento, {});
}
