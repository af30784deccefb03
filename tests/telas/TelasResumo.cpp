#include <QTabWidget>

#include "Telas.h"
#include "controles/Calculadora.h"
#include "controles/TFoCalcula.h"
#include "interface/ResumoTeste.h"
#include "interface/TFoCalculaResumo.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TFrResumo.h"
#include "nucleo/TColecao.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "suporte/PastaProgramaTemp.h"

TOLV_TELAS(Resumo) {
  for (const bool judicial : {true, false}) {
    TTolv tolv;
    resumo_teste::Prepara(ctx.pasta(), tolv, judicial);
    tolv.SetDataGeracao(QDateTime(QDate(2014, 2, 20), QTime(10, 30)));
    TFrDeclaracao conteiner;
    conteiner.setEnabled(true);
    conteiner.SetDeclaracao(&tolv);
    conteiner.MostraFundos(true);
    conteiner.MostraProcessos(true);
    auto* pagina = new TFrResumo(&conteiner);
    conteiner.resize(760, 520);
    pagina->resize(760, 520);
    TContextoPagina contexto;
    contexto.declaracao = &tolv;
    contexto.conteiner = &conteiner;
    pagina->Inicializa(contexto);
    pagina->show();
    pagina->FrameEnter();
    if (judicial) {
      ctx.salva(*pagina, QStringLiteral("TFrResumo"));
      pagina->PgResumo()->setCurrentWidget(pagina->TsDiscriminado());
      ctx.salva(*pagina, QStringLiteral("TFrResumo-discriminado"));
      // The recalculation's window, caught half-way.
      tolv.GetResumoGeral().SetOk(0);
      const int intervalo = TFoCalculaResumo::DefineIntervaloProgresso(0);
      TFoCalculaResumo::DefineObservador([&ctx](TFoCalculaResumo& janela, int linhas) {
        if (linhas == 2) ctx.salva(janela, QStringLiteral("TFoCalculaResumo"));
      });
      TFoCalculaResumo::Executa(tolv, nullptr);
      TFoCalculaResumo::DefineObservador({});
      TFoCalculaResumo::DefineIntervaloProgresso(intervalo);
    } else {
      ctx.salva(*pagina, QStringLiteral("TFrResumo-semjudicial"));
    }
    pagina->Finaliza();
    delete pagina;
    tolv.LiberaItens();
    TColecao::FechaConexoes();
  }
}

TOLV_TELAS(Calculadora) {
  Calculadora calc;
  TFoCalcula janela(calc);
  janela.MostraValor(false);
  for (QChar t : QStringLiteral("1234,5*3=M+2/7"))
    calc.Tecla(t);
  calc.Tecla(u'+');
  janela.Atualiza();
  ctx.salva(janela, QStringLiteral("TFoCalcula"));
  for (QChar t : QStringLiteral("0-99999,99=S"))
    calc.Tecla(t);
  calc.DefineModo(Calculadora::ModoDecimais::Livre);
  janela.Atualiza();
  ctx.salva(janela, QStringLiteral("TFoCalcula-negativo"));
  for (QChar t : QStringLiteral("5/0="))
    calc.Tecla(t);
  janela.Atualiza();
  ctx.salva(janela, QStringLiteral("TFoCalcula-erro"));
  // Two thirds in the mode of two decimals: the display cuts them.
  calc.DefineModo(Calculadora::ModoDecimais::Fixa2);
  for (QChar t : QStringLiteral("\x1b" "2/3="))
    calc.Tecla(t);
  janela.Atualiza();
  ctx.salva(janela, QStringLiteral("TFoCalcula-corte"));
}
