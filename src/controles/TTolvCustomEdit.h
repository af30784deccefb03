#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QPoint>
#include <QPointer>

#include <optional>

#include "controles/TTipoDeDado.h"

class TRastreadorFoco;

// The base of the program's single-line edits: filters the typed keys by the kind of data,
// validates on exit and keeps a refused text for correction. A subclass binds a value and
// answers the three value operations; the base edits its own text and stores nothing.
//
// Exit: the typed text goes into the bound value (ConfirmaValor). A refusal shows the value's
// message, keeps the focus and the text, and stops the exit (the control's exit handlers run
// first among those registered with the focus tracker). An accepted exit shows the value
// formatted. Entry shows the raw value selected, unless the last exit was refused; entering by a
// click selects it too (a click inside an edit that has the focus places the caret).
//
// Limit the typed text with SetLimiteTexto, not setMaxLength: setMaxLength would also cut the
// formatted value that the edit shows.
class TTolvCustomEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TTolvCustomEdit(QWidget* pai = nullptr);
  ~TTolvCustomEdit() override;

  TTipoDeDado TipoDeDado() const { return m_tipoDeDado; }
  void SetTipoDeDado(TTipoDeDado tipo) { m_tipoDeDado = tipo; }
  // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
  Qt::Alignment Alignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
  void SetAlignment(Qt::Alignment alinhamento);
  // The text may not grow wider than the visible area: what would scroll is refused.
  bool Limitado() const { return m_limitado; }
  void SetLimitado(bool limitado) { m_limitado = limitado; }
  // Kept for the forms; a line edit holds one line (multi-line text is TTolvMemo's).
  bool Multiline() const { return m_multiline; }
  void SetMultiline(bool multiline) { m_multiline = multiline; }
  // Enter moves on to the next control (when nothing is connected to OnPressEnter).
  bool AutoAvanco() const { return m_autoAvanco; }
  void SetAutoAvanco(bool autoAvanco) { m_autoAvanco = autoAvanco; }
  // Most characters that typing and pasting may leave in the text; 0 for no limit.
  int LimiteTexto() const { return m_limiteTexto; }
  void SetLimiteTexto(int limite) { m_limiteTexto = limite; }
  // The last exit was refused: the next entry keeps the text.
  bool Rejeitado() const { return m_rejeitado; }

  virtual bool EstaAssociado() const { return false; }
  // The bound value's text, formatted for display or raw for editing. Base: the own text.
  virtual QString GetValorDado(bool formatado) const;
  // Raises the value's TErro when the text is invalid. Base: stores nothing.
  virtual void SetValorDado(const QString& texto);

  // Stores the typed text now. false when the value refused it: the message was shown, the
  // focus is back here and the text is kept selected. Other exceptions pass on.
  bool ConfirmaValor();
  // Shows the bound value again: raw while focused, formatted otherwise.
  void Reexibe();
  // Moves the focus to the next control once the current event is over.
  void AvancaFoco();

  // The focused control of the window of `controle` is a standard push button with the Cancel
  // result (property "ModalResult" 2, or the reject role of its button box). The program's own
  // TTolvButton does not count.
  static bool BotaoCancelarAtivo(const QWidget* controle);

 signals:
  // Connected, it replaces what Enter does.
  void OnPressEnter(TTolvCustomEdit* sender);
  // A typed value was stored in the bound value.
  void AposModificar(TTolvCustomEdit* sender);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void contextMenuEvent(QContextMenuEvent* evento) override;
  // What a paste inserts, once the kind of data let it through.
  virtual QString PreparaColagem(const QString& texto) const { return texto; }
  // Takes the first line of a paste that the kind of data let through. Base: inserts
  // PreparaColagem of it as typing does.
  virtual void ColaLinha(const QString& linha) { insere(PreparaColagem(linha)); }
  // The integer digits that an amount (Numerico) takes.
  virtual int MaxDigitosInteiros() const { return 11; }
  // Replaces the selection as typing does, within the limits; false when nothing went in.
  bool insere(QString texto);
  // Only digits may be typed, whatever the kind of data (pasting stays free).
  void SetSomenteDigitos(bool somente) { m_somenteDigitos = somente; }

 private:
  void aoEntrar();
  bool aoSair();
  void restaura();
  void digita(QChar caractere);
  void cola(QClipboard::Mode modo);
  bool cabeNaLargura(const QString& texto) const;

  QPointer<TRastreadorFoco> m_rastreador;
  TTipoDeDado m_tipoDeDado = TTipoDeDado::AlfaNumerico;
  int m_limiteTexto = 0;
  bool m_limitado = false;
  bool m_multiline = false;
  bool m_autoAvanco = false;
  bool m_rejeitado = false;
  bool m_confirmando = false;  // while the typed text goes to the value
  bool m_somenteDigitos = false;
  bool m_entrouPorClique = false;  // the press that gave the focus is on its way
  std::optional<QPoint> m_cliqueEntrada;  // where it went down, while it is held
};
