// Fixture of the layer check: the reports' windows reach their core and widgets.
#include <QDialog>
#include "relatorios/TRelatorioDeclaracao.h"
#include "controles/TFormAssistNovo.h"
