#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "Telas.h"
#include "controles/TTolvCustomEdit.h"
#include "interface/NovaDeclaracao.h"
#include "interface/TFoAbreDeclaracao.h"
#include "interface/TFoExcluiDeclaracao.h"
#include "interface/TFoInicial.h"
#include "interface/TFoNovaDeclaracao.h"
#include "controles/TListaDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "interface/TfrmTipoDeclarante.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// A few declarations of persons and companies, written, transmitted or neither.
const char* const kDeclaracoes =
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(1, '1', '111444777', '2013', 'ANA MARIA DE SOUZA', 0, 'TOLV2014111444777352013.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(2, '1', '123456789', '2013', 'JOÃO D''ÁVILA', 1, 'TOLV2014123456789092013.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(3, '1', '123456789', '2014', 'JOÃO D''ÁVILA', 2, 'TOLV2014123456789092014.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(4, '2', '114447770001', '2013', 'EMPRESA TESTE LTDA', 2, 'TOLV2014114447770001612013.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(5, '2', '114447770002', '2013', 'EMPRESA TESTE LTDA - FILIAL SUL', 0, 'TOLV2014114447770002422013.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(6, '2', '334455660001', '2013', 'PREFEITURA MUNICIPAL DE SÃO JOSÉ DOS CAMPOS', 1, "
    "'TOLV2014334455660001002013.FDB');\n"
    "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_STATUS, ARQUIVO) VALUES "
    "(7, '2', '556677880001', '2014', 'COMERCIAL BOA VISTA EIRELI', 0, 'TOLV2014556677880001002014.FDB');\n";

void Processa() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

TOLV_TELAS(Dialogos) {
  PastaProgramaTemp& pasta = ctx.pasta();
  FalhaBanco = FalhaBancoIndice = false;
  pasta.roda(QStringLiteral("Tolv.FDB"), QString::fromUtf8(kDeclaracoes));
  {
    TColecaoTolv indice;
    TTolv tolv;

    {
      TFoInicial inicial(indice);
      inicial.Lista()->Abre();
      ctx.salva(inicial, "TFoInicial");
      inicial.Lista()->edtNome()->setText(QStringLiteral("jo"));
      ctx.salva(inicial, "TFoInicial-filtro");
      inicial.RbNova()->setChecked(true);
      ctx.salva(inicial, "TFoInicial-nova");
    }
    {
      TFoAbreDeclaracao abre(tolv, indice, QStringLiteral("Abrir declaração"));
      abre.Lista()->Abre();
      ctx.salva(abre, "TFoAbreDeclaracao");
      abre.Lista()->edtCPFCNPJ()->setText(QStringLiteral("1144"));
      ctx.salva(abre, "TFoAbreDeclaracao-filtro");
    }
    {
      TFoExcluiDeclaracao exclui(indice);
      exclui.Lista()->Abre();
      ctx.salva(exclui, "TFoExcluiDeclaracao");
      exclui.Lista()->Modelo().DefineMarca(1, true);
      exclui.Lista()->Modelo().DefineMarca(4, true);
      ctx.salva(exclui, "TFoExcluiDeclaracao-marcadas");
    }
    {
      TfrmTipoDeclarante tipo;
      ctx.salva(tipo, "TfrmTipoDeclarante");
    }
    {
      TFoNovaDeclaracao nova(tolv, indice);
      nova.DefineEscolhaTipo([](QWidget*) { return 2; });
      ctx.salva(nova, "TFoNovaDeclaracao");
      nova.edtNI()->setText(QStringLiteral("11444777000161"));
      nova.DeNome()->setText(QStringLiteral("EMPRESA NOVA LTDA"));
      nova.cbbCbTipoDeclarante()->setCurrentIndex(0);
      emit nova.cbbCbTipoDeclarante()->activated(0);
      Processa();
      ctx.salva(nova, "TFoNovaDeclaracao-empresa");
      nova.CbAnoRet()->setCurrentIndex(1);
      emit nova.CbAnoRet()->activated(1);
      ctx.salva(nova, "TFoNovaDeclaracao-extincao");
    }
    {
      TFoNovaDeclaracao nova(tolv, indice);
      nova.DefineEscolhaTipo([](QWidget*) { return 1; });
      ctx.salva(nova, "TFoNovaDeclaracao-pessoa");
      nova.edtNI()->setText(QStringLiteral("52998224725"));
      nova.DeNome()->setText(QStringLiteral("MARIA DAS DORES"));
      nova.CbAnoRet()->setCurrentIndex(1);
      emit nova.CbAnoRet()->activated(1);
      nova.cbbCbTipoEvento()->setCurrentIndex(1);
      nova.Caixa(NovaDeclaracao::ServicoNotarial)->setChecked(true);
      ctx.salva(nova, "TFoNovaDeclaracao-pessoa-espolio");
    }

    pasta.roda(QStringLiteral("Tolv.FDB"), QStringLiteral("DELETE FROM TOLVS;"));
    {
      TFoInicial inicial(indice);
      inicial.Lista()->Abre();
      ctx.salva(inicial, "TFoInicial-vazio");
    }
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();
  FalhaBanco = FalhaBancoIndice = false;
}
