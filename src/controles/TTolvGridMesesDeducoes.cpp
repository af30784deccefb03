#include "controles/TTolvGridMesesDeducoes.h"

TTolvGridMesesDeducoes::TTolvGridMesesDeducoes(QWidget* pai)
    : TTolvGridMesesDeducoes(pai, new TModeloGridMesesDeducoes) {}

TTolvGridMesesDeducoes::TTolvGridMesesDeducoes(QWidget* pai, TModeloGridMesesDeducoes* modelo)
    : TTolvGridMeses(pai, modelo) {
  AjustaDimensoes();
}
