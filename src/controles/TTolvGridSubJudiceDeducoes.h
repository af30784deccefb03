#pragma once

#include "controles/TModeloGridSubJudiceDeducoes.h"
#include "controles/TTolvGridMesesDeducoes.h"

// The income under suspended exigibility of a line, with its deductions, tax and judicial deposits.
class TTolvGridSubJudiceDeducoes : public TTolvGridMesesDeducoes {
  Q_OBJECT
 public:
  explicit TTolvGridSubJudiceDeducoes(QWidget* pai = nullptr);
};
