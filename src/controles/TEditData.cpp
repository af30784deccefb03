#include "controles/TEditData.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString kFormato = QStringLiteral("dd/MM/yyyy");

// Control characters (Backspace, Delete among them) edit; they are no text.
bool TeclaDeData(QChar c) { return c.isDigit() || c == u'/' || c.unicode() < 32 || c.unicode() == 127; }

}  // namespace

TEditData::TEditData(QWidget* pai) : QWidget(pai) {
  m_edit = new QLineEdit(this);
  m_edit->setObjectName(QStringLiteral("Edit"));
  m_edit->setMaxLength(10);
  m_edit->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
  m_edit->installEventFilter(this);
  m_botao = new QToolButton(this);
  m_botao->setObjectName(QStringLiteral("Calendario"));
  m_botao->setText(QStringLiteral("\u25BE"));
  m_botao->setFocusPolicy(Qt::NoFocus);
  auto* linha = new QHBoxLayout(this);
  linha->setContentsMargins(0, 0, 0, 0);
  linha->setSpacing(1);
  linha->addWidget(m_edit, 1);
  linha->addWidget(m_botao);
  setFocusProxy(m_edit);
  connect(m_edit, &QLineEdit::textEdited, this, &TEditData::aoEditar);
  connect(m_botao, &QToolButton::clicked, this, &TEditData::abreCalendario);
}

TEditData::~TEditData() = default;

QDate TEditData::LeTexto(const QString& texto) const {
  QDate data = QDate::fromString(texto.trimmed(), kFormato);
  if (!data.isValid()) data = QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy"));
  if (!data.isValid()) return {};
  if ((m_minimo.isValid() && data < m_minimo) || (m_maximo.isValid() && data > m_maximo)) return {};
  return data;
}

void TEditData::SetLimites(const QDate& minimo, const QDate& maximo) {
  m_minimo = minimo;
  m_maximo = maximo;
  if (m_data.isValid() && LeTexto(m_data.toString(kFormato)) != m_data) defineData(QDate(), true);
}

void TEditData::SetData(const QDate& data) {
  const QDate dentro = data.isValid() ? LeTexto(data.toString(kFormato)) : QDate();
  m_edit->setText(dentro.isValid() ? dentro.toString(kFormato) : QString());
  defineData(dentro, true);
}

QString TEditData::Texto() const { return m_edit->text(); }

void TEditData::SetTexto(const QString& texto) {
  m_edit->setText(texto);
  aoEditar(texto);
}

void TEditData::aoEditar(const QString& texto) { defineData(LeTexto(texto), true); }

void TEditData::defineData(const QDate& data, bool avisa) {
  if (data == m_data) return;
  m_data = data;
  if (avisa) emit Mudou(m_data);
}

void TEditData::abreCalendario() {
  if (!m_calendario) {
    m_calendario = new QCalendarWidget(this);
    m_calendario->setObjectName(QStringLiteral("Calendario"));
    m_calendario->setWindowFlags(Qt::Popup);
    m_calendario->setGridVisible(true);
    connect(m_calendario, &QCalendarWidget::clicked, this, [this](const QDate& data) {
      m_calendario->hide();
      SetData(data);
      m_edit->setFocus(Qt::PopupFocusReason);
    });
  }
  if (m_minimo.isValid() && m_maximo.isValid()) m_calendario->setDateRange(m_minimo, m_maximo);
  m_calendario->setSelectedDate(m_data.isValid() ? m_data : (m_minimo.isValid() ? m_minimo : QDate::currentDate()));
  m_calendario->move(mapToGlobal(QPoint(0, height())));
  m_calendario->show();
}

bool TEditData::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_edit) {
    if (evento->type() == QEvent::KeyPress) {
      const auto* tecla = static_cast<QKeyEvent*>(evento);
      if (!tecla->text().isEmpty() && !TeclaDeData(tecla->text().front())) return true;
    } else if (evento->type() == QEvent::KeyRelease) {
      emit TeclaSolta();
    } else if (evento->type() == QEvent::FocusOut) {
      // What was typed and is no date goes; the date held shows in full. A message box or the
      // calendar taking the focus for a moment leaves the typing as it is.
      const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
      if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
        m_edit->setText(m_data.isValid() ? m_data.toString(kFormato) : QString());
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void TEditData::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::EnabledChange && !isEnabled() && m_calendario) m_calendario->hide();
}
