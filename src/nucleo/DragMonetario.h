#pragma once

#include "nucleo/Monetario.h"

#include <QMimeData>

#include <optional>

// An amount being dragged between the calculator, the amount edits and the month grids.
// Besides the object itself, the amount travels as ten-thousandths under a private MIME type
// (and as its plain text for other programs).
class TDragMonetario : public QMimeData {
  Q_OBJECT

 public:
  static inline const QString kTipoMime = QStringLiteral("application/x-tolv-monetario");

  // Takes the text as typed through TMonetario::SetValor; raises its TErro when invalid.
  explicit TDragMonetario(const QString& texto);

  const TMonetario& GetMonetario() const { return m_monetario; }

  // The amount that a drop carries, or nothing when it carries none.
  static std::optional<Valor> ValorDe(const QMimeData* dados);

 private:
  TMonetario m_monetario;
};
