#pragma once

#include <QString>

// What start-up asks of the user's system; tests give their own answers.
class IAmbienteSistema {
 public:
  virtual ~IAmbienteSistema() = default;
  // The short date format of the user's locale (LC_TIME, then LANG), in Qt's notation.
  virtual QString formatoDataCurta() const = 0;
  // The screen's logical resolution in dots per inch.
  virtual double resolucaoLogica() const = 0;
};

class AmbienteSistema : public IAmbienteSistema {
 public:
  QString formatoDataCurta() const override;
  double resolucaoLogica() const override;
};
