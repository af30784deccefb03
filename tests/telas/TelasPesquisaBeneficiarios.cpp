#include <QComboBox>
#include <QTableView>

#include "Telas.h"
#include "controles/TTolvButton.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "secoes/TFrPesquisarTolv.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

// Points the shared declaration connection at the pictures' declaration.
class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

}  // namespace

TOLV_TELAS(PesquisaBeneficiarios) {
  ctx.pasta().copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  const char* const comandos[] = {
      "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (2, '2', '998887770001', 0)",
      "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (3, '2', '00012345620135010001', 1)",
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)"
      " VALUES (1, 1, '0561', '1', '111222333', 'José da Silva Albuquerque de Magalhães Bittencourt')",
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)"
      " VALUES (2, 1, '3208', '1', '111222333', 'José da Silva Albuquerque de Magalhães Bittencourt')",
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)"
      " VALUES (3, 2, '3277', '1', '555666777', 'Josefa D''Ávila Silva')",
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)"
      " VALUES (4, 3, '5936', '1', '444555666', 'Maria Sant''Ana Silva')",
      "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)"
      " VALUES (5, 1, '0588', '2', '112223330001', 'Silva & Souza Serviços Contábeis Ltda')",
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ) VALUES (1, '1', '1', '111222333')",
      "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ, RRA_PROCESSO)"
      " VALUES (2, '2', '1', '444555666', '00012345620135010001')"};
  for (const char* sql : comandos) ctx.pasta().roda(kBanco, QString::fromUtf8(sql));
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  {
    Abertura abertura(kBanco);
    {
      TFoPesquisar janela(nullptr);
      janela.Prepara(&tolv, 3, {});
      ctx.salva(janela, "TFoPesquisar");
      janela.findChild<QComboBox*>(QStringLiteral("DbcbNome"))->setEditText(QStringLiteral("silva"));
      janela.findChild<QComboBox*>(QStringLiteral("CbCriteriosNome"))->setCurrentIndex(3);
      janela.Frame()->ExecutarClick();
      ctx.salva(janela, "TFoPesquisar-resultados");
    }
    {
      TFoPesquisar janela(nullptr);
      janela.Prepara(&tolv, 2, {});
      janela.Frame()->ExecutarClick();
      ctx.salva(janela, "TFoPesquisar-declarante");
    }
    {
      // The print wizard's pick mode.
      TFrPesquisarTolv frame;
      frame.SetSelBeneficiario(true);
      frame.Inicializa(&tolv, {});
      frame.resize(748, 467);
      frame.ExecutarClick();
      ctx.salva(frame, "TFrPesquisarTolv-escolha");
    }
  }
  TColecao::FechaConexoes();
}
