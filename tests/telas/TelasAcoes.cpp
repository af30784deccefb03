#include <QWidget>

#include "Telas.h"
#include "suporte/RelatorioTeste.h"

#include "controles/TDialogoImpressao.h"
#include "controles/TFoPreview.h"

TOLV_TELAS(Acoes) {
  RelatorioTeste teste(400);
  {
    TFoPreview preview;
    preview.resize(1000, 760);
    preview.DefineRelatorio(&teste.rel);
    preview.show();
    preview.Prepara();
    ctx.salva(preview, "TFoPreview");
    preview.IrPara(3);
    preview.DefineZoom(TFoPreview::Zoom::PaginaInteira);
    ctx.salva(preview, "TFoPreview-paginaInteira");
    preview.DefineZoom(TFoPreview::Zoom::Normal);
    ctx.salva(preview, "TFoPreview-normal");
  }
  TDialogoImpressao dialogo(3, 12);
  ctx.salva(dialogo, "TDialogoImpressao");
}
