#include "controles/TTolvEdit.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include <cstdlib>

#include "controles/VinculoObservador.h"
#include "nucleo/DadoBasico.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/Monetario.h"
#include "plataforma/gui/GuardaEventos.h"

TTolvEdit::TTolvEdit(QWidget* pai) : TTolvCustomEdit(pai) { setAcceptDrops(true); }

TTolvEdit::~TTolvEdit() {
  if (m_dado) m_dado->RemoveObservador(this);
}

void TTolvEdit::AssociaDado(TDadoBasico* dado) {
  TrocaObservado<TDadoBasico>(this, m_dado, dado);
  Reexibe();
}

QString TTolvEdit::GetValorDado(bool formatado) const {
  if (!m_dado) return {};
  return formatado ? m_dado->GetFormatado() : m_dado->GetValor();
}

void TTolvEdit::SetValorDado(const QString& texto) {
  if (m_dado) m_dado->SetValor(texto);
}

void TTolvEdit::Alterado(IObservavel*) { Reexibe(); }

void TTolvEdit::Liberado(IObservavel* observavel) { EsqueceObservado(m_dado, observavel); }

std::unique_ptr<TDragMonetario> TTolvEdit::CriaDragMonetario() const {
  return std::make_unique<TDragMonetario>(text());
}

void TTolvEdit::RecebeValor(Valor valor) {
  TMonetario monetario;
  monetario.SetValorMonetario(valor);
  setText(monetario.GetValor());
  setModified(true);
  GuardaEventos::executa([this] { ConfirmaValor(); });
  setModified(false);
}

void TTolvEdit::mousePressEvent(QMouseEvent* evento) {
  m_inicioArrasto.reset();
  if (evento->button() == Qt::LeftButton && (evento->modifiers() & Qt::ShiftModifier) &&
      TipoDeDado() == TTipoDeDado::Numerico)
    m_inicioArrasto = evento->position().toPoint();
  TTolvCustomEdit::mousePressEvent(evento);
}

void TTolvEdit::mouseMoveEvent(QMouseEvent* evento) {
  if (!m_inicioArrasto || !(evento->buttons() & Qt::LeftButton)) {
    m_inicioArrasto.reset();
    TTolvCustomEdit::mouseMoveEvent(evento);
    return;
  }
  const QPoint d = evento->position().toPoint() - *m_inicioArrasto;
  if (std::abs(d.x()) >= kLimiarArrasto || std::abs(d.y()) >= kLimiarArrasto) {
    m_inicioArrasto.reset();
    arrasta();
  }
}

void TTolvEdit::mouseReleaseEvent(QMouseEvent* evento) {
  m_inicioArrasto.reset();
  TTolvCustomEdit::mouseReleaseEvent(evento);
}

void TTolvEdit::arrasta() {
  std::unique_ptr<TDragMonetario> dados;
  try {
    dados = CriaDragMonetario();
  } catch (const TErro& erro) {
    erro.Mostra();
    return;
  }
  auto* arrasto = new QDrag(this);
  arrasto->setMimeData(dados.release());
  arrasto->exec(Qt::CopyAction);
}

std::optional<Valor> TTolvEdit::valorAceito(const QMimeData* dados) const {
  if (TipoDeDado() != TTipoDeDado::Numerico || isReadOnly()) return std::nullopt;
  return TDragMonetario::ValorDe(dados);
}

void TTolvEdit::dragEnterEvent(QDragEnterEvent* evento) { dragMoveEvent(evento); }

void TTolvEdit::dragMoveEvent(QDragMoveEvent* evento) {
  if (valorAceito(evento->mimeData())) {
    evento->setDropAction(Qt::CopyAction);
    evento->accept();
  } else {
    evento->ignore();
  }
}

void TTolvEdit::dropEvent(QDropEvent* evento) {
  const std::optional<Valor> valor = valorAceito(evento->mimeData());
  if (!valor) {
    evento->ignore();
    return;
  }
  evento->setDropAction(Qt::CopyAction);
  evento->accept();
  RecebeValor(*valor);
}
