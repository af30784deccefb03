#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

// A date picker that may be empty: the date typed as dd/mm/aaaa (a one-digit day or month is
// read too) or picked in a calendar, kept within its limits. A text that is no date within the
// limits leaves it empty; leaving the picker shows the date it holds.
class TEditData : public QWidget {
  Q_OBJECT
 public:
  explicit TEditData(QWidget* pai = nullptr);
  ~TEditData() override;

  // Invalid when empty.
  QDate Data() const { return m_data; }
  // A date outside the limits empties the picker.
  void SetData(const QDate& data);
  void Limpa() { SetData(QDate()); }
  void SetLimites(const QDate& minimo, const QDate& maximo);
  QDate Minimo() const { return m_minimo; }
  QDate Maximo() const { return m_maximo; }

  QString Texto() const;
  // As if typed: the date follows the text.
  void SetTexto(const QString& texto);
  QLineEdit* Edit() const { return m_edit; }
  QToolButton* BotaoCalendario() const { return m_botao; }

  // The text read as a date within the limits; invalid otherwise.
  QDate LeTexto(const QString& texto) const;

 signals:
  // Every change of the date, by typing or picking; invalid when it became empty.
  void Mudou(const QDate& data);
  // A key was released in the text.
  void TeclaSolta();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  void aoEditar(const QString& texto);
  void defineData(const QDate& data, bool avisa);
  void abreCalendario();

  QLineEdit* m_edit = nullptr;
  QToolButton* m_botao = nullptr;
  QCalendarWidget* m_calendario = nullptr;
  QDate m_data;
  QDate m_minimo;
  QDate m_maximo;
};
