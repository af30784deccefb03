#include "secoes/TPesquisaPlanoSaudeBase.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {
constexpr int kNadaEncontrado = 292;
constexpr int kAjuda = 11070;
}  // namespace

TPesquisaPlanoSaudeBase::TPesquisaPlanoSaudeBase(const QString& titulo, const QStringList& colunas, QWidget* pai)
    : QDialog(pai) {
  setWindowTitle(titulo);
  setProperty("contextoAjuda", kAjuda);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  auto* raiz = new QVBoxLayout(this);
  auto* faixa = new QWidget(this);
  faixa->setObjectName(QStringLiteral("pnlCriterios"));
  m_criterios = new QGridLayout(faixa);
  m_criterios->setContentsMargins(0, 0, 0, 0);
  raiz->addWidget(faixa);

  grdDbgPS = new QTableWidget(0, int(colunas.size()), this);
  grdDbgPS->setObjectName(QStringLiteral("grdDbgPS"));
  grdDbgPS->setHorizontalHeaderLabels(colunas);
  grdDbgPS->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdDbgPS->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdDbgPS->setSelectionMode(QAbstractItemView::SingleSelection);
  grdDbgPS->setAlternatingRowColors(true);
  grdDbgPS->verticalHeader()->hide();
  grdDbgPS->verticalHeader()->setDefaultSectionSize(grdDbgPS->fontMetrics().height() + 6);
  grdDbgPS->horizontalHeader()->setStretchLastSection(true);
  grdDbgPS->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  raiz->addWidget(grdDbgPS, 1);

  auto* botoes = new QHBoxLayout;
  btnExecutar = new TTolvButton(QStringLiteral("&Executar"), this);
  btnExecutar->setObjectName(QStringLiteral("btnExecutar"));
  btnExecutar->setToolTip(QStringLiteral("Executa a pesquisa de acordo com os argumentos informados  (CTRL+J)"));
  btnLimpar = new TTolvButton(QStringLiteral("&Limpar"), this);
  btnLimpar->setObjectName(QStringLiteral("btnLimpar"));
  btnLimpar->setToolTip(QStringLiteral("Limpa os argumentos de pesquisa   (CTRL+H)"));
  btnPosicionar = new TTolvButton(QStringLiteral("&Posicionar"), this);
  btnPosicionar->setObjectName(QStringLiteral("btnPosicionar"));
  btnPosicionar->setToolTip(QStringLiteral("Posiciona no beneficiário/código selecionado   (CTRL+K)"));
  for (TTolvButton* b : {btnExecutar, btnLimpar, btnPosicionar}) {
    b->setMinimumSize(90, 24);
    botoes->addWidget(b);
  }
  botoes->addStretch(1);
  raiz->addLayout(botoes);
  btnPosicionar->setEnabled(false);

  connect(btnExecutar, &QAbstractButton::clicked, this, [this] { GuardaEventos::executa([this] { Executar(); }); });
  connect(btnLimpar, &QAbstractButton::clicked, this, [this] { GuardaEventos::executa([this] { Limpar(); }); });
  connect(btnPosicionar, &QAbstractButton::clicked, this, [this] { GuardaEventos::executa([this] { Posicionar(); }); });
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+J")), this), &QShortcut::activated, this, [this] { Executar(); });
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+H")), this), &QShortcut::activated, this, [this] { Limpar(); });
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+K")), this), &QShortcut::activated, this, [this] {
    if (PodePosicionar()) Posicionar();
  });
  connect(grdDbgPS, &QTableWidget::cellDoubleClicked, this, [this] {
    if (PodePosicionar()) GuardaEventos::executa([this] { Posicionar(); });
  });
  connect(grdDbgPS, &QTableWidget::itemSelectionChanged, this, &TPesquisaPlanoSaudeBase::destacaSelecionada);
  resize(620, 380);
}

bool TPesquisaPlanoSaudeBase::PodePosicionar() const { return btnPosicionar->isEnabled() && grdDbgPS->rowCount() > 0; }

void TPesquisaPlanoSaudeBase::Executar() {
  const int achados = Filtra();
  btnPosicionar->setEnabled(achados > 0);
  if (achados == 0)
    ExibeMensagem(TErro::FormataMensagem(kNadaEncontrado, {}), TipoMensagem::Aviso);
  else
    grdDbgPS->selectRow(0);
}

void TPesquisaPlanoSaudeBase::Limpar() {
  LimpaCriterios();
  m_destacada = -1;
  grdDbgPS->setRowCount(0);
  btnPosicionar->setEnabled(false);
}

void TPesquisaPlanoSaudeBase::Posicionar() {
  const int linha = std::max(0, grdDbgPS->currentRow());
  if (linha >= grdDbgPS->rowCount()) return;
  const QString chave = Chave(linha);
  // Closed first: the go-to may ask questions over the editor.
  accept();
  if (m_posicionador) m_posicionador(chave, Tela(), Tela() == QLatin1String("54") ? QStringLiteral("cnpj") : QStringLiteral("cpf"));
}

void TPesquisaPlanoSaudeBase::PreencheGrade(const std::vector<QStringList>& linhas) {
  grdDbgPS->clearContents();
  m_destacada = -1;
  grdDbgPS->setRowCount(int(linhas.size()));
  for (int l = 0; l < int(linhas.size()); ++l)
    for (int c = 0; c < linhas[size_t(l)].size(); ++c)
      grdDbgPS->setItem(l, c, new QTableWidgetItem(linhas[size_t(l)][c]));
  grdDbgPS->resizeColumnsToContents();
  for (int c = 0; c + 1 < grdDbgPS->columnCount(); ++c) grdDbgPS->setColumnWidth(c, grdDbgPS->columnWidth(c) + 12);
  grdDbgPS->horizontalHeader()->setStretchLastSection(true);
}

void TPesquisaPlanoSaudeBase::destacaSelecionada() {
  const auto negrito = [this](int linha, bool sim) {
    if (linha < 0 || linha >= grdDbgPS->rowCount()) return;
    for (int c = 0; c < grdDbgPS->columnCount(); ++c) {
      if (QTableWidgetItem* item = grdDbgPS->item(linha, c)) {
        QFont f = item->font();
        f.setBold(sim);
        item->setFont(f);
      }
    }
  };
  negrito(m_destacada, false);
  m_destacada = grdDbgPS->currentRow();
  negrito(m_destacada, true);
}
