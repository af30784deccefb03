#include "controles/TTolvGridCompensacao.h"

TTolvGridCompensacao::TTolvGridCompensacao(QWidget* pai) : TTolvGridMeses(pai, new TModeloGridCompensacao) { AjustaDimensoes(); }
