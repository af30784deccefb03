#pragma once

#include <QPlainTextEdit>
#include <QPointer>

#include "nucleo/Observadores.h"

class TRastreadorFoco;
class TTexto;

// A multi-line edit bound to a free text, which it observes. On exit the blank lines go and
// every '|' goes (it separates the fields of the declaration file), then the text is stored;
// a refusal keeps the focus and the text. Tab moves on. The text is not owned.
class TTolvMemo : public QPlainTextEdit, public IObservador {
  Q_OBJECT
 public:
  explicit TTolvMemo(QWidget* pai = nullptr);
  ~TTolvMemo() override;

  // nullptr unbinds.
  void Associa(TTexto* texto);
  TTexto* Texto() const { return m_texto; }

  // Stores the typed text now; false when the value refused it (message shown, focus here).
  bool ConfirmaValor();
  // Shows the bound text again.
  void Reexibe();

  void Alterado(IObservavel* observavel) override;
  void Liberado(IObservavel* observavel) override;

  // Drops the lines that are blank and every '|' of the others.
  static QString LimpaLinhas(const QString& texto);

 private:
  void aoEntrar();
  bool aoSair();
  void defineTexto(const QString& texto);

  QPointer<TRastreadorFoco> m_rastreador;
  TTexto* m_texto = nullptr;
};
