#pragma once

#include "controles/TModeloGridCompensacao.h"
#include "controles/TTolvGridMeses.h"

// The tax compensated by judicial decision of a line, beside its tax withheld and the month's total.
class TTolvGridCompensacao : public TTolvGridMeses {
  Q_OBJECT
 public:
  explicit TTolvGridCompensacao(QWidget* pai = nullptr);
};
