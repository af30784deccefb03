#include "secoes/TGradeValoresRemessa.h"

#include <algorithm>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTimer>

#include "controles/PaletaTolv.h"
#include "plataforma/gui/GuardaEventos.h"
#include "secoes/TEdicaoRemessa.h"
#include "secoes/TModeloValoresRemessa.h"
#include "secoes/TTabelaEditavel.h"

namespace {

constexpr QRgb kTitulo = qRgb(99, 143, 192);
constexpr QRgb kImpar = qRgb(209, 220, 226);
constexpr QRgb kPar = qRgb(220, 229, 236);
constexpr QRgb kTextoCelula = qRgb(82, 82, 82);
// Widths of the columns in characters.
constexpr int kLarguras[TEdicaoRemessa::kColunasValor] = {12, 26, 28, 25, 14, 14};
constexpr int kLarguraLista = 380;
constexpr int kDigitosCodigo = 5;
constexpr int kLimiteValor = 14;
constexpr int kLimiteColado = 64;
constexpr int kLarguraMinimaAjuste = 550;
constexpr int kDigitosInteiros = 11;

bool EhDigito(const QString& t) { return t.size() == 1 && t[0] >= u'0' && t[0] <= u'9'; }

// The payment date: typed as "dd/mm/yyyy"; into an empty date one digit fills the rest of a
// January date of the calendar year. Alt+Down opens the calendar.
class EditData : public QLineEdit {
 public:
  EditData(int ano, QDate minima, QDate maxima, QWidget* pai)
      : QLineEdit(pai), m_ano(ano), m_minima(minima), m_maxima(maxima) {
    setObjectName(QStringLiteral("wwDBDateTimePicker1"));
    setInputMask(QStringLiteral("99/99/9999"));
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier)) {
      abreCalendario();
      return;
    }
    const QString t = e->text();
    const bool vazia = QString(text()).remove(u'/').trimmed().isEmpty();
    if (vazia && !t.isEmpty() && t[0].isPrint()) {
      if (!EhDigito(t)) return;  // only a digit starts a date
      const QChar d = t[0];
      const QString ano = QString::number(m_ano);
      if (d == u'0') {
        setText(QStringLiteral("01/01/") + ano);
        setSelection(1, 1);
      } else if (d <= u'3') {
        setText(QString(d) + QStringLiteral("0/01/") + ano);
        setSelection(1, 1);
      } else {
        setText(QStringLiteral("0") + d + QStringLiteral("/01/") + ano);
        setSelection(3, 2);
      }
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

 private:
  void abreCalendario() {
    auto* calendario = new QCalendarWidget(this);
    calendario->setWindowFlags(Qt::Popup);
    calendario->setAttribute(Qt::WA_DeleteOnClose);
    calendario->setMinimumDate(m_minima);
    calendario->setMaximumDate(m_maxima);
    const QDate atual = QDate::fromString(text(), QStringLiteral("dd/MM/yyyy"));
    calendario->setSelectedDate(atual.isValid() ? atual : m_minima);
    calendario->move(mapToGlobal(QPoint(0, height())));
    QObject::connect(calendario, &QCalendarWidget::clicked, this, [this, calendario](QDate data) {
      setText(data.toString(QStringLiteral("dd/MM/yyyy")));
      calendario->close();
      setFocus();
    });
    calendario->show();
  }

  int m_ano;
  QDate m_minima;
  QDate m_maxima;
};

// An amount: digits and one ',', at most eleven integer digits (a twelfth digit goes after a
// ',' put in for it) and fourteen characters.
class EditValor : public QLineEdit {
 public:
  EditValor(const char* nome, QWidget* pai) : QLineEdit(pai) {
    setObjectName(QString::fromLatin1(nome));
    // Typing stops at fourteen characters; a pasted amount goes in whole, so that one over the
    // cap is refused with its message rather than cut to fit.
    setMaxLength(kLimiteColado);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const QString t = e->text();
    if (t.isEmpty() || !t[0].isPrint() || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Copy) ||
        e->matches(QKeySequence::Cut)) {
      QLineEdit::keyPressEvent(e);
      return;
    }
    const QChar c = t[0] == u'.' ? QChar(u',') : t[0];
    if (c == u',') {
      if (!text().contains(u',')) insert(QStringLiteral(","));
      return;
    }
    if (!c.isDigit()) return;
    if (text().size() - selectedText().size() >= kLimiteValor) return;
    if (!text().contains(u',') && text().size() >= kDigitosInteiros && !hasSelectedText()) {
      setText(text() + u',');
      end(false);
    }
    insert(QString(c));
  }
};

// A code chosen from a list of code and description, typed as digits.
class ComboCodigo : public QComboBox {
 public:
  ComboCodigo(const char* nome, QWidget* pai) : QComboBox(pai) {
    setObjectName(QString::fromLatin1(nome));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setMaxLength(kDigitosCodigo);
    lineEdit()->installEventFilter(this);
    m_lista = new QStandardItemModel(0, 2, this);
    m_lista->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição")});
    setModel(m_lista);
    auto* vista = new QTableView(this);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->verticalHeader()->hide();
    vista->horizontalHeader()->setStretchLastSection(true);
    vista->setMinimumWidth(kLarguraLista);
    vista->setColumnWidth(0, 60);
    setView(vista);
    setModelColumn(0);
  }
  void Adiciona(const QString& codigo, const QString& descricao) {
    m_lista->appendRow({new QStandardItem(codigo), new QStandardItem(descricao)});
  }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (objeto == lineEdit() && evento->type() == QEvent::KeyPress) {
      const auto* e = static_cast<QKeyEvent*>(evento);
      const QString t = e->text();
      // Digits only; a letter or sign never gets in.
      if (!t.isEmpty() && t[0].isPrint() && !t[0].isDigit() && !(e->modifiers() & Qt::ControlModifier)) return true;
    }
    return QComboBox::eventFilter(objeto, evento);
  }

 private:
  QStandardItemModel* m_lista;
};

class DelegadoValores : public QStyledItemDelegate {
 public:
  explicit DelegadoValores(TGradeValoresRemessa& grade) : QStyledItemDelegate(&grade), m_grade(grade) {}

  QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem&, const QModelIndex& indice) const override {
    TEdicaoRemessa& e = m_grade.Edicao();
    switch (indice.column()) {
      case TEdicaoRemessa::ColData:
        return new EditData(e.DataMinima().year(), e.DataMinima(), m_grade.DataMaxima(), pai);
      case TEdicaoRemessa::ColCdRetencao: {
        auto* c = new ComboCodigo("wwDBLookupCombo1", pai);
        // A person's lines never take a company's codes, nor a company's a person's.
        const QString excluido = m_grade.Filtro() == QStringLiteral("F")   ? QStringLiteral("J")
                                 : m_grade.Filtro() == QStringLiteral("J") ? QStringLiteral("F")
                                                                            : QString();
        for (const auto& codigo : e.Codigos())
          if (excluido.isEmpty() || codigo.tipoBeneficiario != excluido) c->Adiciona(codigo.codigo, codigo.descricao);
        return c;
      }
      case TEdicaoRemessa::ColTipoRendimento: {
        auto* c = new ComboCodigo("wwDBLookupCombo2", pai);
        for (const auto& tipo : e.TiposRendimento())
          c->Adiciona(QStringLiteral("%1").arg(tipo.codigo, 3, 10, QLatin1Char('0')), tipo.descricao);
        return c;
      }
      case TEdicaoRemessa::ColFormaTributacao: {
        auto* c = new ComboCodigo("wwDBLookupCombo3", pai);
        for (const auto& forma : e.FormasTributacao())
          c->Adiciona(QStringLiteral("%1").arg(forma.codigo, 2, 10, QLatin1Char('0')), forma.descricao);
        return c;
      }
      case TEdicaoRemessa::ColRendimentoPago:
        return new EditValor("edttvre_vl_rendimento_pago", pai);
      default:
        return new EditValor("edttvre_vl_irrf", pai);
    }
  }

  void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
    const QString texto = indice.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      combo->setCurrentIndex(combo->findText(texto));
      combo->setEditText(texto);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
      // The tax withheld is edited without its thousands dots.
      edit->setText(QString(texto).remove(u'.'));
      edit->selectAll();
    }
  }

  void setModelData(QWidget* editor, QAbstractItemModel* modelo, const QModelIndex& indice) const override {
    QString texto;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
      texto = combo->currentText().trimmed();
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
      texto = edit->text();
    if (indice.column() == TEdicaoRemessa::ColData && QString(texto).remove(u'/').trimmed().isEmpty()) texto.clear();
    GuardaEventos::executa([&] { modelo->setData(indice, texto, Qt::EditRole); });
  }

  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& opcao, const QModelIndex&) const override {
    editor->setGeometry(opcao.rect);
  }

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    p->save();
    p->fillRect(opcao.rect, PaletaTolv::cor(indice.row() % 2 == 0 ? kImpar : kPar));
    const bool atual = m_grade.currentIndex() == indice;
    QFont fonte = opcao.font;
    fonte.setBold(atual);
    p->setFont(fonte);
    p->setPen(atual ? QColor(Qt::black) : QColor(kTextoCelula));
    const int alinhamento = indice.data(Qt::TextAlignmentRole).toInt();
    const QRect area = opcao.rect.adjusted(4, 0, -4, 0);
    p->drawText(area, alinhamento, QFontMetrics(fonte).elidedText(indice.data().toString(), Qt::ElideRight, area.width()));
    p->restore();
  }

 private:
  TGradeValoresRemessa& m_grade;
};

}  // namespace

// The totals under the amounts, in white bold on the titles' blue.
class TGradeValoresRemessa::Rodape : public QWidget {
 public:
  explicit Rodape(TGradeValoresRemessa& grade) : QWidget(&grade), m_grade(grade) {
    setObjectName(QStringLiteral("rodape"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), PaletaTolv::cor(kTitulo));
    QFont fonte = m_grade.font();
    fonte.setBold(true);
    p.setFont(fonte);
    p.setPen(Qt::white);
    const QHeaderView* h = m_grade.horizontalHeader();
    const auto escreve = [&](int coluna, const QString& texto, int alinhamento) {
      const QRect r(h->sectionViewportPosition(coluna), 0, h->sectionSize(coluna), height());
      p.drawText(r.adjusted(4, 0, -4, 0), alinhamento | Qt::AlignVCenter, texto);
    };
    escreve(TEdicaoRemessa::ColTipoRendimento, QStringLiteral("Total:"), Qt::AlignRight);
    if (!m_grade.m_totalPago.isEmpty()) escreve(TEdicaoRemessa::ColRendimentoPago, m_grade.m_totalPago, Qt::AlignRight);
    if (!m_grade.m_totalIrrf.isEmpty()) escreve(TEdicaoRemessa::ColIrrf, m_grade.m_totalIrrf, Qt::AlignRight);
  }

 private:
  TGradeValoresRemessa& m_grade;
};

TGradeValoresRemessa::TGradeValoresRemessa(TEdicaoRemessa& edicao, QWidget* pai)
    : QTableView(pai), m_edicao(edicao), m_dataMaxima(edicao.DataMaxima(false)) {
  setObjectName(QStringLiteral("grdValores"));
  m_modelo = new TModeloValoresRemessa(edicao, this);
  setModel(m_modelo);
  setItemDelegate(new DelegadoValores(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setFixedWidth(14);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background: %1; color: white; "
                                                   "font-weight: bold; border: 0px; border-right: 1px solid white; "
                                                   "padding: 2px; }")
                                        .arg(PaletaTolv::cor(kTitulo).name()));
  m_rodape = new Rodape(*this);
  AjustaColunas();
}

TGradeValoresRemessa::~TGradeValoresRemessa() = default;

void TGradeValoresRemessa::AjustaColunas() {
  const QFontMetrics medida(font());
  const int caractere = medida.averageCharWidth();
  int larguras[TEdicaoRemessa::kColunasValor];
  int total = 0;
  QFont negrito = horizontalHeader()->font();
  negrito.setBold(true);
  const QFontMetrics titulo(negrito);
  for (int i = 0; i < TEdicaoRemessa::kColunasValor; ++i) {
    // Never narrower than its bold title.
    const int texto = titulo.horizontalAdvance(m_modelo->headerData(i, Qt::Horizontal).toString()) + 14;
    total += larguras[i] = std::max(kLarguras[i] * caractere + 8, texto);
  }
  // From 550 pixels on, the columns share the grid's width in their proportions: none passes
  // the edge, none leaves a gap.
  const int disponivel = viewport()->width();
  m_larguraAjustada = disponivel;
  if (disponivel >= kLarguraMinimaAjuste) {
    int usado = 0;
    for (int i = 0; i < TEdicaoRemessa::kColunasValor - 1; ++i) {
      larguras[i] = larguras[i] * disponivel / total;
      usado += larguras[i];
    }
    larguras[TEdicaoRemessa::kColunasValor - 1] = disponivel - usado;
  }
  for (int i = 0; i < TEdicaoRemessa::kColunasValor; ++i) setColumnWidth(i, larguras[i]);
  verticalHeader()->setDefaultSectionSize(medida.height() + 8);
}

void TGradeValoresRemessa::updateGeometries() {
  QTableView::updateGeometries();
  if (!m_rodape) return;  // the model is set before the footer exists
  // The table sets the margins of its headers; the footer takes its own below the rows.
  const int alturaRodape = QFontMetrics(font()).height() + 8;
  const QMargins margens = viewportMargins();
  if (margens.bottom() != alturaRodape && !m_ajustando) {
    m_ajustando = true;
    setViewportMargins(margens.left(), margens.top(), margens.right(), alturaRodape);
    m_ajustando = false;
  }
  // A scroll bar that comes or goes changes the width the columns share.
  if (viewport()->width() != m_larguraAjustada && !m_ajustando) {
    m_ajustando = true;
    AjustaColunas();
    m_ajustando = false;
  }
  const QRect v = viewport()->geometry();
  m_rodape->setGeometry(v.x(), v.y() + v.height(), v.width(), alturaRodape);
  m_rodape->raise();
}

void TGradeValoresRemessa::resizeEvent(QResizeEvent* evento) {
  QTableView::resizeEvent(evento);
  AjustaColunas();
  updateGeometries();
}

void TGradeValoresRemessa::MostraTotais(const QString& rendimentoPago, const QString& irrf) {
  m_totalPago = rendimentoPago;
  m_totalIrrf = irrf;
  m_rodape->update();
}

void TGradeValoresRemessa::Sincroniza(int coluna) {
  m_revertendo = true;
  const int col = coluna >= 0 ? coluna : std::max(0, currentIndex().column());
  m_modelo->Atualiza();
  const QModelIndex alvo = m_modelo->index(m_modelo->LinhaAtual(), col);
  if (alvo.isValid()) setCurrentIndex(alvo);
  m_revertendo = false;
  viewport()->update();
}

void TGradeValoresRemessa::SelecionaColuna(int coluna) {
  m_revertendo = true;
  const QModelIndex alvo = m_modelo->index(m_modelo->LinhaAtual(), coluna);
  if (alvo.isValid()) setCurrentIndex(alvo);
  m_revertendo = false;
}

void TGradeValoresRemessa::currentChanged(const QModelIndex& atual, const QModelIndex& anterior) {
  if (!m_revertendo && atual.isValid() && anterior.isValid() && atual.row() != anterior.row() && aoMudarDeLinha) {
    bool pode = false;
    GuardaEventos::executa([&] { pode = aoMudarDeLinha(atual.row()); });
    if (!pode) {
      // The line stays: the cursor goes back to it once this change is over.
      const int coluna = anterior.column();
      QTimer::singleShot(0, this, [this, coluna] { SelecionaColuna(coluna); });
    } else {
      // The lines may have changed under the view (a new line given up): it reads them again.
      const int coluna = atual.column();
      QTimer::singleShot(0, this, [this, coluna] { Sincroniza(coluna); });
    }
  }
  QTableView::currentChanged(atual, anterior);
  viewport()->update();
}

void TGradeValoresRemessa::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica) {
  QTableView::closeEditor(editor, dica);
  if (dica == QAbstractItemDelegate::SubmitModelCache) avancaComEnter();
}

void TGradeValoresRemessa::avancaComEnter() {
  const QModelIndex atual = currentIndex();
  if (!atual.isValid()) return;
  if (atual.column() < TEdicaoRemessa::kColunasValor - 1) {
    setCurrentIndex(m_modelo->index(atual.row(), atual.column() + 1));
    return;
  }
  if (aoFimDaLinha) GuardaEventos::executa([this] { aoFimDaLinha(); });
}

void TGradeValoresRemessa::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (state() != QAbstractItemView::EditingState) {
        avancaComEnter();
        return;
      }
      break;
    case Qt::Key_Down:
      if (currentIndex().row() == m_modelo->rowCount() - 1 && aoDescerDaUltima) {
        GuardaEventos::executa([this] { aoDescerDaUltima(); });
        return;
      }
      break;
    case Qt::Key_Escape:
      if (aoEsc) GuardaEventos::executa([this] { aoEsc(); });
      return;
    case Qt::Key_Delete:
      // Lines are deleted through their button only.
      if (evento->modifiers() & Qt::ControlModifier) return;
      break;
    default:
      break;
  }
  QTableView::keyPressEvent(evento);
}
