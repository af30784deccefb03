#include "secoes/TfrmPesquisarRemessa.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"
#include "secoes/PinturaLinhasRemessa.h"
#include "secoes/TModeloPesquisaRemessa.h"

namespace {

constexpr int kNenhumRegistro = 292;

QLabel* Rotulo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  l->setFont(PaletaTolv::arial(8));
  return l;
}

}  // namespace

TfrmPesquisarRemessa::TfrmPesquisarRemessa(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("frmPesquisarRemessa"));
  setWindowTitle(QStringLiteral("Pesquisar rendimentos pagos a residentes ou domiciliados no exterior"));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);

  auto* argumentos = new QGroupBox(QStringLiteral("Argumentos de pesquisa"), this);
  auto* grade = new QGridLayout(argumentos);
  m_tipo = new QComboBox(argumentos);
  m_tipo->setObjectName(QStringLiteral("cbbTipoBeneficiario"));
  m_tipo->addItem(QString(), 0);
  m_tipo->addItem(QStringLiteral("Pessoa Física"), 1);
  m_tipo->addItem(QStringLiteral("Pessoa Jurídica"), 2);
  m_tipo->installEventFilter(this);
  m_pais = new QComboBox(argumentos);
  m_pais->setObjectName(QStringLiteral("cbbPais"));
  m_pais->setMinimumWidth(220);
  m_nif = new QLineEdit(argumentos);
  m_nif->setObjectName(QStringLiteral("edtNif"));
  m_nif->setMaxLength(30);
  m_ni = new QLineEdit(argumentos);
  m_ni->setObjectName(QStringLiteral("edtNi"));
  m_ni->setMaxLength(18);
  m_nome = new QLineEdit(argumentos);
  m_nome->setObjectName(QStringLiteral("edtNome"));
  m_nome->setMaxLength(150);
  grade->addWidget(Rotulo(QStringLiteral("Beneficiário"), argumentos), 0, 0);
  grade->addWidget(Rotulo(QStringLiteral("País"), argumentos), 0, 1);
  grade->addWidget(m_tipo, 1, 0);
  grade->addWidget(m_pais, 1, 1);
  grade->addWidget(Rotulo(QStringLiteral("Nº identificaçao fiscal"), argumentos), 2, 0);
  grade->addWidget(Rotulo(QStringLiteral("CPF/CNPJ"), argumentos), 2, 1);
  grade->addWidget(m_nif, 3, 0);
  grade->addWidget(m_ni, 3, 1);
  grade->addWidget(Rotulo(QStringLiteral("Nome/Nome empresarial"), argumentos), 4, 0, 1, 2);
  grade->addWidget(m_nome, 5, 0, 1, 2);
  grade->setColumnStretch(0, 1);
  grade->setColumnStretch(1, 1);

  auto* botoes = new QVBoxLayout;
  m_posicionar = new TTolvButton(QStringLiteral("&Posicionar"), this);
  m_posicionar->setObjectName(QStringLiteral("btnPosicionar"));
  m_posicionar->setToolTip(QStringLiteral("Posiciona no beneficiário/código selecionado   (CTRL+K)"));
  m_executar = new TTolvButton(QStringLiteral("&Executar"), this);
  m_executar->setObjectName(QStringLiteral("btnExecutar"));
  m_executar->setToolTip(QStringLiteral("Executa a pesquisa de acordo com os argumentos informados  (CTRL+J)"));
  m_limpar = new TTolvButton(QStringLiteral("&Limpar"), this);
  m_limpar->setObjectName(QStringLiteral("btnLimpar"));
  m_limpar->setToolTip(QStringLiteral("Limpa os argumentos de pesquisa   (CTRL+H)"));
  for (TTolvButton* b : {m_posicionar, m_executar, m_limpar}) {
    b->setMinimumWidth(96);
    botoes->addWidget(b);
  }
  botoes->addStretch(1);
  auto* topo = new QHBoxLayout;
  topo->addWidget(argumentos, 1);
  topo->addLayout(botoes);
  layout->addLayout(topo);

  m_modelo = new TModeloPesquisaRemessa(this);
  m_grade = new QTableView(this);
  m_grade->setObjectName(QStringLiteral("grdRemessa"));
  m_grade->setModel(m_modelo);
  m_grade->setItemDelegate(new PinturaLinhasRemessa(m_grade));
  m_grade->setFont(PaletaTolv::arial(8));
  m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grade->verticalHeader()->hide();
  m_grade->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_grade->font()).height() + 6);
  const int caractere = QFontMetrics(m_grade->font()).averageCharWidth();
  const int larguras[] = {15, 16, 17, 17};
  for (int i = 0; i < TModeloPesquisaRemessa::ColNome; ++i)
    m_grade->horizontalHeader()->resizeSection(i, larguras[i] * caractere + 8);
  m_grade->horizontalHeader()->setStretchLastSection(true);
  m_grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(m_grade, 1);
  setFixedSize(720, 440);

  m_posicionar->setEnabled(false);
  connect(m_executar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { Executa(); }); });
  connect(m_limpar, &TTolvButton::clicked, this, [this] { Limpa(); });
  connect(m_posicionar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { Posiciona(); }); });
  connect(m_grade, &QTableView::doubleClicked, this, [this] {
    if (m_posicionar->isEnabled()) GuardaEventos::executa([this] { Posiciona(); });
  });
  const auto atalho = [this](QKeySequence tecla, TTolvButton* botao) {
    auto* s = new QShortcut(tecla, this);
    connect(s, &QShortcut::activated, botao, [botao] {
      if (botao->isEnabled()) botao->click();
    });
  };
  atalho(QKeySequence(Qt::CTRL | Qt::Key_K), m_posicionar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_J), m_executar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_H), m_limpar);
}

TfrmPesquisarRemessa::~TfrmPesquisarRemessa() = default;

void TfrmPesquisarRemessa::LimpaPaises() {
  m_pais->clear();
  m_pais->addItem(QString(), QString());
}

void TfrmPesquisarRemessa::AdicionaPais(const QString& nome, const QString& codigo) {
  if (m_pais->count() == 0) m_pais->addItem(QString(), QString());
  m_pais->addItem(nome, codigo);
}

CriteriosPesquisaRemessa TfrmPesquisarRemessa::MontaCriterios() const {
  CriteriosPesquisaRemessa c;
  const int tipo = m_tipo->currentData().toInt();
  if (tipo != 0) c.tipoBeneficiario = QString::number(tipo);
  bool ok = false;
  const int pais = m_pais->currentData().toString().toInt(&ok);
  if (!m_pais->currentText().isEmpty() && ok) c.pais = pais;
  c.nif = m_nif->text();
  c.ni = m_ni->text();
  c.nome = m_nome->text();
  return c;
}

void TfrmPesquisarRemessa::Executa() {
  m_grade->setUpdatesEnabled(false);
  m_modelo->Pesquisa(MontaCriterios());
  m_grade->setUpdatesEnabled(true);
  if (m_modelo->rowCount() == 0) {
    m_posicionar->setEnabled(false);
    ExibeMensagem(TErro::TextoMensagem(kNenhumRegistro), TipoMensagem::Aviso);
    return;
  }
  m_posicionar->setEnabled(true);
  m_grade->selectRow(0);
  m_grade->setCurrentIndex(m_modelo->index(0, 0));
}

void TfrmPesquisarRemessa::Limpa() {
  m_tipo->setCurrentIndex(0);
  m_pais->setCurrentIndex(m_pais->count() > 0 ? 0 : -1);
  m_nif->clear();
  m_ni->clear();
  m_nome->clear();
}

void TfrmPesquisarRemessa::Posiciona() {
  const QModelIndex atual = m_grade->currentIndex();
  if (!atual.isValid()) return;
  const int id = m_modelo->Id(atual.row());
  m_modelo->Fecha();
  if (m_aoPosicionar) m_aoPosicionar(id);
  close();
}

bool TfrmPesquisarRemessa::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_tipo && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
      focusNextPrevChild(!(tecla->modifiers() & Qt::ShiftModifier));
      return true;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

void TfrmPesquisarRemessa::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (QWidget* principal = parentWidget() ? parentWidget()->window() : nullptr)
    move(principal->geometry().center() - rect().center());
}
