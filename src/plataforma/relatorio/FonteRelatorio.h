#pragma once

#include <QFont>
#include <QString>

namespace relatorio {

// The reports' font: "Arial" is drawn with Liberation Sans, whose metrics are the same, so that
// a report lays out alike on every machine.
QFont FonteRelatorio(qreal pontos, bool negrito = false, const QString& familia = QStringLiteral("Arial"));

// Millimetres in the report's unit (1/96 inch).
constexpr qreal Mm(qreal milimetros) { return milimetros * 96.0 / 25.4; }

}  // namespace relatorio
