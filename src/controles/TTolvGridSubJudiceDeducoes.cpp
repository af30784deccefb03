#include "controles/TTolvGridSubJudiceDeducoes.h"

TTolvGridSubJudiceDeducoes::TTolvGridSubJudiceDeducoes(QWidget* pai) : TTolvGridMesesDeducoes(pai, new TModeloGridSubJudiceDeducoes) { AjustaDimensoes(); }
