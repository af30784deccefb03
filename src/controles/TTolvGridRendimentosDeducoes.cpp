#include "controles/TTolvGridRendimentosDeducoes.h"

TTolvGridRendimentosDeducoes::TTolvGridRendimentosDeducoes(QWidget* pai) : TTolvGridMesesDeducoes(pai, new TModeloGridRendimentosDeducoes) { AjustaDimensoes(); }
