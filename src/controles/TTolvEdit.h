#pragma once

#include <QPoint>

#include <memory>
#include <optional>

#include "controles/TTolvCustomEdit.h"
#include "nucleo/Observadores.h"
#include "nucleo/Valor.h"

class TDadoBasico;
class TDragMonetario;
class QMimeData;

// An edit bound to any value of the declaration, which it observes: a change made by code shows
// at once, and a value that goes away is forgotten. An amount edit (Numerico) lets its amount
// be dragged out with Shift and the left button, and takes amounts dropped on it as if typed.
// The value is not owned.
class TTolvEdit : public TTolvCustomEdit, public IObservador {
  Q_OBJECT
 public:
  explicit TTolvEdit(QWidget* pai = nullptr);
  ~TTolvEdit() override;

  // nullptr unbinds: the edit shows nothing and validates nothing on exit.
  void AssociaDado(TDadoBasico* dado);
  TDadoBasico* Dado() const { return m_dado; }

  bool EstaAssociado() const override { return m_dado != nullptr; }
  QString GetValorDado(bool formatado) const override;
  void SetValorDado(const QString& texto) override;

  void Alterado(IObservavel* observavel) override;
  void Liberado(IObservavel* observavel) override;

  // What a drag out of this edit carries; raises the amount's TErro when the text is no amount.
  std::unique_ptr<TDragMonetario> CriaDragMonetario() const;
  // Takes the amount as if typed and left: stored, or refused with the value's message.
  void RecebeValor(Valor valor);

  static constexpr int kLimiarArrasto = 20;  // pixels

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dragMoveEvent(QDragMoveEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;

 private:
  std::optional<Valor> valorAceito(const QMimeData* dados) const;
  void arrasta();

  TDadoBasico* m_dado = nullptr;
  std::optional<QPoint> m_inicioArrasto;
};
