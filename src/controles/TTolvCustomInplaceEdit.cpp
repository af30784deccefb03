#include "controles/TTolvCustomInplaceEdit.h"

#include <QKeyEvent>

#include "controles/TTolvCustomGrid.h"
#include "plataforma/gui/GuardaEventos.h"

TTolvCustomInplaceEdit::TTolvCustomInplaceEdit(TTolvCustomGrid& grid)
    : TTolvCustomEdit(grid.viewport()), m_grid(grid) {
  setFrame(false);
  SetAlignment(grid.Monetario() ? Qt::AlignRight : Qt::AlignLeft);
}

bool TTolvCustomInplaceEdit::EstaAssociado() const { return m_grid.EditorAberto(); }

QString TTolvCustomInplaceEdit::GetValorDado(bool formatado) const {
  if (!m_grid.EditorAberto()) return {};
  const QPoint c = m_grid.CelulaEditor();
  return formatado ? m_grid.Modelo().GetTextoCelula(c.x(), c.y()) : m_grid.Modelo().GetTextoEdicao(c.x(), c.y());
}

void TTolvCustomInplaceEdit::SetValorDado(const QString& texto) { m_grid.GravaEditor(texto); }

void TTolvCustomInplaceEdit::Carrega() {
  setText(GetValorDado(false));
  setModified(false);
  selectAll();
}

void TTolvCustomInplaceEdit::keyPressEvent(QKeyEvent* evento) {
  const Qt::KeyboardModifiers mods = evento->modifiers() & ~Qt::KeypadModifier;
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (mods & (Qt::ControlModifier | Qt::AltModifier)) break;
      evento->accept();
      GuardaEventos::executa([&] { m_grid.trataTecla(evento); });
      return;
    case Qt::Key_Escape:
      // The value keeps its content and the cell shows it again.
      TTolvCustomEdit::keyPressEvent(evento);
      GuardaEventos::executa([&] { m_grid.FechaEditor(false); });
      return;
    default:
      break;
  }
  TTolvCustomEdit::keyPressEvent(evento);
}
