#pragma once

#include <QString>

#include "nucleo/Cnpj.h"
#include "nucleo/TTolv.h"
#include "suporte/PastaProgramaTemp.h"

namespace resumo_teste {

// A fund administrator's declaration with a fund and a process, four lines and their summaries
// stored up to date (with judicial totals when asked), in a database of the folder; the
// declaration object is loaded as the opening leaves it.
inline void Prepara(PastaProgramaTemp& pasta, TTolv& tolv, bool judicial, const QString& ano = QStringLiteral("2013")) {
  const QString cnpj = QStringLiteral("114447770001") + TCnpj::CalculaDVCnpj(QStringLiteral("114447770001"));
  tolv.GetContribuinte().SetNi(cnpj);
  tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("ADMINISTRADORA DE FUNDOS LTDA"));
  tolv.SetAnoCalendario(ano);
  tolv.SetTolvDK(QStringLiteral("1"));
  tolv.SetFonteDK(QStringLiteral("1"));
  tolv.SetInAdmFC(1);
  tolv.SetInAdvogado(ano >= u"2004" ? 1 : 0);
  const QString banco = tolv.GetNomeBancoDeclaracao();
  pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), banco);
  const QString jud = judicial ? QStringLiteral("1234.56") : QStringLiteral("0");
  pasta.roda(banco, QStringLiteral(
      "UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA) VALUES (1, '2', '114447770001', '%1') MATCHING (TOLV_DK);"
      "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES (2, 0, '2', '112223330001', 'FUNDO DE INVESTIMENTO RENDA FIXA');"
      "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES (3, 1, '3', '00012345620134010001', 'PROCESSO TRABALHISTA');"
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN) VALUES (1, 1, '0561', '1', '111444777', 5000);"
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN) VALUES (2, 1, '0588', '1', '222555888', 2500);"
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN) VALUES (3, 2, '3208', '1', '111444777', 800);"
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_JAN) VALUES (4, 3, '5936', '1', '333666999', 12000);"
      "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, TOT_DED, TOT_IRRF, TOT_ANO_ATU, TOT_DEP_SUBJUD, OK) VALUES (1, 2, 7500, 350.5, 1125.75, %2, %2, 1);"
      "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, TOT_DED, TOT_IRRF, OK) VALUES (2, 1, 800, 0, 12, 1);"
      "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, TOT_DED, TOT_IRRF, OK) VALUES (3, 1, 12000, 0, 1800, 1);")
                          .arg(ano, jud));
  tolv.CarregaResumos();
}

}  // namespace resumo_teste
