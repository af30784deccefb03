#pragma once

#include "controles/TModeloGridRendimentosDeducoes.h"
#include "controles/TTolvGridMesesDeducoes.h"

// The taxable income of a line with its deductions and the tax withheld, one row per month.
class TTolvGridRendimentosDeducoes : public TTolvGridMesesDeducoes {
  Q_OBJECT
 public:
  explicit TTolvGridRendimentosDeducoes(QWidget* pai = nullptr);
};
