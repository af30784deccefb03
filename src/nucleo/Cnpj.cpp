#include "nucleo/Cnpj.h"

#include "nucleo/DigitoVerificador.h"

namespace {
constexpr uint16_t kCnpjNaoMatriz = 20;
constexpr uint16_t kCnpjInvalido = 36;
constexpr uint16_t kCnpjNaoInformado = 39;

// Roots refused although their check digits may be right; eight zeros and eight ones pass.
constexpr char16_t kRaizesRecusadas[] = u"22222222 33333333 44444444 55555555 66666666 77777777 88888888 99999999 ";
}  // namespace

QString TCnpj::CalculaDVCnpj(const QString& base) { return DigitosModulo11(base, 12, 9); }

QString TCnpj::FormataCnpj(const QString& texto) {
  if (texto.size() != 14) return texto;
  const QStringView t(texto);
  QString r;
  r.reserve(18);
  r.append(t.left(2)).append(u'.').append(t.mid(2, 3)).append(u'.').append(t.mid(5, 3)).append(u'/');
  r.append(t.mid(8, 4)).append(u'-').append(t.mid(12));
  return r;
}

int TCnpj::ValidaCnpj(const QString& texto, bool exigeMatriz, bool opcional) {
  if (texto.isEmpty()) return opcional ? 0 : kCnpjNaoInformado;
  if (texto.size() != 14) return kCnpjInvalido;
  const QStringView ordem = QStringView(texto).mid(8, 4);
  if (ordem == u"0000") return kCnpjInvalido;
  if (!DigitosModulo11Conferem(texto, 12, 9)) return kCnpjInvalido;
  if (QStringView(kRaizesRecusadas).contains(QStringView(texto).left(8))) return kCnpjInvalido;
  if (exigeMatriz && ordem != u"0001") return kCnpjNaoMatriz;
  return 0;
}
