#include "secoes/RelacoesFonteBeneficiario.h"

namespace RelacoesFonteBeneficiario {

const std::vector<Relacao>& Todas() {
  static const std::vector<Relacao> kTodas = {
      {QStringLiteral("500"), QStringLiteral("Fonte pagadora é matriz da beneficiária no exterior.")},
      {QStringLiteral("510"), QStringLiteral("Fonte pagadora é filial, sucursal ou agência de beneficiária no exterior.")},
      {QStringLiteral("520"),
       QStringLiteral("A fonte pagadora é controlada ou coligada da beneficiária no exterior, na forma dos §§ 1º e 2º "
                      "do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.")},
      {QStringLiteral("530"),
       QStringLiteral("A fonte pagadora é controladora ou coligada da beneficiária no exterior, na forma dos §§ 1º e "
                      "2º do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.")},
      {QStringLiteral("540"),
       QStringLiteral("A fonte pagadora e a beneficiária no exterior estão sob o controle societário ou "
                      "administrativo comum ou quando pelo menos 10% do capital de cada uma, pertencer a uma mesma "
                      "pessoa física ou jurídica.")},
      {QStringLiteral("550"),
       QStringLiteral("A fonte pagadora e a beneficiária no exterior têm participação societária no capital de uma "
                      "terceira pessoa jurídica, cuja soma as caracterize como controladoras ou coligadas na forma "
                      "dos §§ 1º e 2º do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.")},
      {QStringLiteral("560"),
       QStringLiteral("A fonte pagadora ou a beneficiária no exterior mantenha contrato de exclusividade como agente, "
                      "distribuidor ou concessionário nas operações com bens, serviços e direitos.")},
      {QStringLiteral("570"), QStringLiteral("A fonte pagadora e a beneficiária mantém acordo de atuação conjunta.")},
      {QStringLiteral("900"), QStringLiteral("Não há relação entre a fonte pagadora e a beneficiária no exterior.")},
  };
  return kTodas;
}

QString Texto(const QString& codigo) {
  for (const Relacao& r : Todas())
    if (r.codigo == codigo) return r.texto;
  return {};
}

}  // namespace RelacoesFonteBeneficiario
