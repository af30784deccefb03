#include <QLabel>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QTableView>

#include "Telas.h"
#include "controles/TVerificacaoEmCurso.h"
#include "entrega/RelatorioPendencias.h"
#include "entrega/TFoPendencias.h"
#include "entrega/TFrTolvVerifica.h"
#include "entrega/TModeloVerificacao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/relatorio/Relatorio.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kCnpj = QStringLiteral("11444777000161");

// A declaration with findings in its own lines, its funds and its process.
const char* const kDeclaracao = R"(
INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO ALFA RENDA FIXA', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (3, '2', '112223330001', 'CLUBE BETA DE INVESTIMENTO', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (4, '2', '00012345620135010001', 'PROCESSO FEDERAL', 1, '2', '987654320001', 'ESCRITORIO GAMA', '1');
ALTER SEQUENCE GEN_FONTE_DK RESTART WITH 4;
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO 2', 1000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_ABR,
  VL_DEDUCAO_ABR) VALUES (2, 1, '3208', '1', '529982247', 'BELTRANO DA SILVA', 1000, 10);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JUN,
  VL_RETIDO_JUN) VALUES (5, 1, '0561', '1', '123456789', 'CICRANO DE SOUZA', 30000, 25000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_MAR)
  VALUES (3, 2, '6800', '1', '111444777', 'FULANO 2', 500);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_FEV)
  VALUES (10, 4, '5928', '1', '111444777', 'FULANO DE TAL', 700);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_FEV)
  VALUES (11, 4, '0561', '1', '529982247', 'BELTRANO DA SILVA', 700);
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, IN_MOLESTIA, VL_MOLESTIA_FEV, QTDE_MESES_FEV)
  VALUES (1, '1', '529982247', 'APOSENTADORIA', 'S', 10, 1);
INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME,
  TREM_CD_REL_FONTE_BENEFICIARIO) VALUES (1, 'B123', 586, '1', 'JEAN PIERRE DUBOIS', '500');
INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO,
  TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) VALUES (1, 1, NULL, '0473', 110, 10, 0, 1.50);
)";

// Once for the groups that share the program folder.
void CriaDeclaracao(PastaProgramaTemp& pasta) {
  static bool criada = false;
  if (criada) return;
  criada = true;
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(kCnpj);
  t.GetContribuinte().GetNome().SetValor(QStringLiteral("PADARIA PAO QUENTE LTDA"));
  t.GetEstabelecimentoResponsavel().SetNi(kCnpj);
  t.SetAnoCalendario(QStringLiteral("2013"));
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
  t.SetInAdmFC(1);
  t.SetInAdvogado(1);
  t.SetInRemessa(1);
  t.GetResponsavel().SetNi(QStringLiteral("98765432100"));
  t.GetResponsavel().GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
  TColecaoTolv colecao;
  colecao.Inclui(t);
  t.LiberaItens();
  pasta.roda(t.GetNomeBancoDeclaracao(), QString::fromUtf8(kDeclaracao));
}

// The first row of a finding with the object.
void Seleciona(TFrTolvVerifica& frame, int objeto) {
  const TModeloVerificacao& m = frame.Modelo();
  for (int i = 0; i < m.rowCount(); ++i)
    if (m.Linha(i).EhPendencia() && m.Linha(i).objeto == objeto) {
      frame.Grade().setCurrentIndex(m.index(i, 0));
      return;
    }
}

}  // namespace

TOLV_TELAS(Pendencias) {
  CriaDeclaracao(ctx.pasta());
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.GetContribuinte().SetNi(kCnpj);
  QWidget principal;
  principal.setGeometry(0, 0, 900, 640);
  principal.show();
  MostraPendencias(tolv, {}, &principal);
  TFoPendencias* janela = TFoPendencias::Atual();
  QEventLoop espera;
  QObject::connect(&TVerificacaoEmCurso::instancia(), &TVerificacaoEmCurso::Parou, &espera, &QEventLoop::quit);
  QTimer::singleShot(10000, &espera, &QEventLoop::quit);
  espera.exec();
  Seleciona(janela->FrTolvVerifica(), 8);
  ctx.salva(*janela, "TFoPendencias");

  TVerificacaoPendencias& run = janela->FrTolvVerifica().Verificacao();
  TFrRelPendencias relatorio(run.GetLinhas(), run.GetNumErros(), run.GetNumAvisos());
  QLabel pagina;
  pagina.setPixmap(telas::PrimeiraPagina(relatorio.QrpPendencias()));
  pagina.resize(pagina.pixmap().size());
  ctx.salva(pagina, "TFrRelPendencias");
  FechaPendencias();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  TColecao::FechaConexoes();
}

TOLV_TELAS(Verificacao) {
  CriaDeclaracao(ctx.pasta());
  const QString entrada = QStringLiteral("2013") + kCnpj.left(12);
  int contador = 0;
  {
    QWidget janela;
    janela.resize(760, 440);
    auto* frame = new TFrTolvVerifica(&janela);
    frame->resize(janela.size());
    frame->SetDeclaracoes({entrada});
    frame->ExecutarVerificacao(contador);
    Seleciona(*frame, 25);
    ctx.salva(janela, "TFrTolvVerifica");
    frame->Verificacao().Para();
    ctx.salva(janela, "TFrTolvVerifica-interrompida");
  }
  {
    // As the writing wizard shows it: no stop button, no go-to, in the room of a wizard's page.
    QWidget janela;
    janela.resize(440, 300);
    auto* frame = new TFrTolvVerifica(&janela);
    frame->resize(janela.size());
    frame->SetPodePosicionar(false);
    frame->SetMostraParar(false);
    frame->SetSomenteConsulta(true);
    frame->SetDeclaracoes({entrada});
    frame->ExecutarVerificacao(contador);
    ctx.salva(janela, "TFrTolvVerifica-assistente");
  }
  TColecao::FechaConexoes();
}
