#include <QWidget>

#include "Telas.h"
#include "controles/TFoNovidade.h"
#include "controles/TfmSobre.h"

TOLV_TELAS(Controles) {
  TFoNovidade novidade;
  ctx.salva(novidade, "TFoNovidade");
  novidade.clicaTopico(0);
  ctx.salva(novidade, "TFoNovidade-topico");

  TfmSobre sobre(QStringLiteral("1.5"));
  ctx.salva(sobre, "TfmSobre");
}
