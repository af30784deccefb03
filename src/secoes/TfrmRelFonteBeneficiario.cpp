#include "secoes/TfrmRelFonteBeneficiario.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "secoes/PinturaLinhasRemessa.h"
#include "secoes/RelacoesFonteBeneficiario.h"

namespace {

constexpr QRgb kGrade = qRgb(223, 232, 237);
constexpr QRgb kLinhas = qRgb(185, 208, 222);
constexpr int kLargura = 501;
constexpr int kAltura = 403;

}  // namespace

TfrmRelFonteBeneficiario::TfrmRelFonteBeneficiario(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("frmRelFonteBeneficiario"));
  setWindowTitle(QStringLiteral("Relação fonte pagadora/beneficiário"));
  setFixedSize(kLargura, kAltura);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  m_modelo = new QStandardItemModel(0, 2, this);
  m_modelo->setHorizontalHeaderLabels({QStringLiteral("Codigo"), QStringLiteral("Descricao")});
  for (const auto& relacao : RelacoesFonteBeneficiario::Todas()) {
    auto* cd = new QStandardItem(relacao.codigo);
    cd->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_modelo->appendRow({cd, new QStandardItem(relacao.texto)});
  }

  m_grade = new QTableView(this);
  m_grade->setObjectName(QStringLiteral("grdRelacao"));
  m_grade->setModel(m_modelo);
  m_grade->setItemDelegate(new PinturaLinhasRemessa(m_grade));
  m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grade->setWordWrap(true);
  m_grade->verticalHeader()->hide();
  m_grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics medida(m_grade->font());
  m_grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  m_grade->horizontalHeader()->resizeSection(0, medida.horizontalAdvance(QStringLiteral("Codigo")) + 16);
  m_grade->horizontalHeader()->setStretchLastSection(true);
  m_grade->setGridStyle(Qt::SolidLine);
  m_grade->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(PaletaTolv::cor(kLinhas).name()));
  layout->addWidget(m_grade, 1);

  auto* barra = new QFrame(this);
  barra->setObjectName(QStringLiteral("pnlBotoes"));
  auto* botoes = new QHBoxLayout(barra);
  botoes->setContentsMargins(8, 6, 8, 6);
  botoes->addStretch(1);
  m_ok = new TTolvButton(QStringLiteral("&OK"), barra);
  m_ok->setObjectName(QStringLiteral("btnOk"));
  m_ok->SetTabStop(true);
  m_cancelar = new TTolvButton(QStringLiteral("&Cancelar"), barra);
  m_cancelar->setObjectName(QStringLiteral("btnCancelar"));
  m_cancelar->SetTabStop(true);
  m_cancelar->SetCancel(true);
  for (TTolvButton* b : {m_ok, m_cancelar}) {
    b->setMinimumWidth(80);
    botoes->addWidget(b);
  }
  layout->addWidget(barra);

  connect(m_ok, &TTolvButton::clicked, this, &QDialog::accept);
  connect(m_cancelar, &TTolvButton::clicked, this, &QDialog::reject);
  connect(m_grade, &QTableView::doubleClicked, this, &QDialog::accept);
  m_grade->selectRow(0);
  m_grade->setCurrentIndex(m_modelo->index(0, 0));
}

TfrmRelFonteBeneficiario::~TfrmRelFonteBeneficiario() = default;

QString TfrmRelFonteBeneficiario::GetCodigo() const {
  const int linha = m_grade->currentIndex().isValid() ? m_grade->currentIndex().row() : 0;
  return m_modelo->item(linha, 0)->text();
}

void TfrmRelFonteBeneficiario::Posiciona(const QString& codigo) {
  for (int i = 0; i < m_modelo->rowCount(); ++i)
    if (m_modelo->item(i, 0)->text() == codigo.trimmed()) {
      m_grade->selectRow(i);
      m_grade->setCurrentIndex(m_modelo->index(i, 0));
      return;
    }
}

void TfrmRelFonteBeneficiario::showEvent(QShowEvent* evento) {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_grade, kGrade, PaletaTolv::kTexto);
  PaletaTolv::pinta(m_grade->viewport(), kGrade, PaletaTolv::kTexto);
  QDialog::showEvent(evento);
  // Three and a half lines at least; the longest texts take what they need, never clipped.
  const int minima = QFontMetrics(m_grade->font()).lineSpacing() * 7 / 2 + 4;
  m_grade->resizeRowsToContents();
  for (int i = 0; i < m_modelo->rowCount(); ++i)
    m_grade->setRowHeight(i, std::max(minima, m_grade->rowHeight(i) + 4));
  m_grade->setFocus(Qt::OtherFocusReason);
  m_grade->scrollTo(m_grade->currentIndex());
}
