#include "nucleo/Cpf.h"

#include "nucleo/DigitoVerificador.h"

#include <array>

namespace {
constexpr uint16_t kCpfInvalido = 35;
constexpr uint16_t kCpfNaoInformado = 38;
constexpr uint16_t kCpfResponsavelCnpj = 192;

// Numbers whose check digits are right and that are refused all the same.
constexpr std::array<QStringView, 11> kCpfsRecusados = {
    u"00000000000", u"11111111111", u"22222222222", u"33333333333", u"44444444444", u"55555555555",
    u"66666666666", u"77777777777", u"88888888888", u"99999999999", u"00000000191"};
}  // namespace

QString TCpf::CalculaDVCpf(const QString& base) { return DigitosModulo11(base, 9, 11); }

QString TCpf::FormataCpf(const QString& texto) {
  if (texto.size() != 11) return texto;
  return texto.left(3) + u'.' + texto.mid(3, 3) + u'.' + texto.mid(6, 3) + u'-' + texto.mid(9);
}

int TCpf::ValidaCpf(const QString& texto, bool opcional) {
  if (texto.isEmpty()) return opcional ? 0 : kCpfNaoInformado;
  if (texto.size() != 11) return kCpfInvalido;
  if (!DigitosModulo11Conferem(texto, 9, 11)) return kCpfInvalido;
  for (const QStringView recusado : kCpfsRecusados)
    if (texto == recusado) return kCpfInvalido;
  return 0;
}

int TRespCnpj::Valida(const QString& texto) const {
  return TCpf::Valida(texto) != 0 ? kCpfResponsavelCnpj : 0;
}
