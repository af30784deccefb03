#include "nucleo/DragMonetario.h"

TDragMonetario::TDragMonetario(const QString& texto) {
  m_monetario.SetValor(texto);
  setData(kTipoMime, QByteArray::number(qint64(m_monetario.GetValorMonetario().dezMilesimos())));
  setText(m_monetario.GetValor());
}

std::optional<Valor> TDragMonetario::ValorDe(const QMimeData* dados) {
  if (!dados) return std::nullopt;
  if (const auto* arrasto = qobject_cast<const TDragMonetario*>(dados))
    return arrasto->GetMonetario().GetValorMonetario();
  if (!dados->hasFormat(kTipoMime)) return std::nullopt;
  bool ok = false;
  const qint64 dezMilesimos = dados->data(kTipoMime).toLongLong(&ok);
  if (!ok || dezMilesimos < 0) return std::nullopt;
  return Valor::deDezMilesimos(dezMilesimos);
}
