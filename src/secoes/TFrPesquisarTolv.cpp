#include "secoes/TFrPesquisarTolv.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

#include "controles/BotoesPesquisa.h"
#include "controles/GuardaErros.h"
#include "controles/MolduraTolv.h"
#include "controles/ModeloLotes.h"
#include "controles/PaletaTolv.h"
#include "controles/TDesenhoResultado.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/Ni.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

using C = CriterioPesquisaBeneficiarios;

constexpr int kAjuda = 11070;
constexpr uint16_t kNenhumRegistro = 292;
constexpr int kLote = 100;


enum Coluna { kCodigo, kCpfCnpj, kNome, kFonte, kOrigem, kColunas };

const char* const kCriteriosCpfCnpj[] = {"Completo", "Parte inicial do CPF", "Parte inicial do CNPJ", "Somente PF",
                                          "Somente PJ"};
const char* const kCriteriosNome[] = {"Exatamente igual ao Nome/Nome empresarial",
                                      "Igual a parte inicial do Nome/Nome empresarial",
                                      "Primeira palavra igual ao início do Nome/Nome empresarial",
                                      "Todas as palavras em qualquer parte do Nome/Nome empresarial"};

QPointer<TFoPesquisar> g_janela;

}  // namespace

// The hits, read from the search a packet at a time as the grid scrolls.
class TFrPesquisarTolv::Modelo : public ModeloLotes<LinhaPesquisaBeneficiarios> {
 public:
  explicit Modelo(QObject* pai) : ModeloLotes(pai) {}

  void Reinicia(ConsultaPesquisaBeneficiarios* consulta) {
    Recomeca([&](std::vector<LinhaPesquisaBeneficiarios>& linhas) {
      m_consulta = consulta;
      if (m_consulta) m_consulta->Le(kLote, linhas);
    });
  }
  void SetTituloFonte(const QString& titulo) {
    m_tituloFonte = titulo;
    emit headerDataChanged(Qt::Horizontal, kFonte, kFonte);
  }

  int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : kColunas; }
  bool canFetchMore(const QModelIndex& pai) const override {
    return !pai.isValid() && m_consulta && !m_consulta->Terminada();
  }
  void fetchMore(const QModelIndex& pai) override {
    if (!canFetchMore(pai)) return;
    std::vector<LinhaPesquisaBeneficiarios> novas;
    GuardaEventos::executa([&] {
      CursorEspera espera;
      m_consulta->Le(kLote, novas);
    });
    Acrescenta(novas);
  }
  QVariant data(const QModelIndex& i, int papel) const override {
    const LinhaPesquisaBeneficiarios* l = Registro(i.row());
    if (!l) return {};
    if (papel == Qt::BackgroundRole) return CorDaLinha(i.row());
    if (papel == Qt::TextAlignmentRole && i.column() != kNome)
      return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (papel != Qt::DisplayRole) return {};
    switch (i.column()) {
      case kCodigo: return l->codigo;
      case kCpfCnpj: return l->CpfCnpj();
      case kNome: return l->nome;
      case kFonte: return l->NiFonte();
      default: return l->Origem();
    }
  }
  QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    switch (secao) {
      case kCodigo: return QStringLiteral("Código");
      case kCpfCnpj: return QStringLiteral("CPF/CNPJ");
      case kNome: return QStringLiteral("Nome/Nome empresarial");
      case kFonte: return m_tituloFonte;
      case kOrigem: return QStringLiteral("Origem");
      default: return {};
    }
  }

 private:
  ConsultaPesquisaBeneficiarios* m_consulta = nullptr;
  QString m_tituloFonte = QStringLiteral("Fonte pagadora/Processo");
};

TFrPesquisarTolv::TFrPesquisarTolv(QWidget* pai) : QWidget(pai) {
  setObjectName(QStringLiteral("FrPesquisarTolv"));
  setProperty("contextoAjuda", kAjuda);
  criaControles();
}

TFrPesquisarTolv::~TFrPesquisarTolv() { Finaliza(); }

void TFrPesquisarTolv::criaControles() {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  setAutoFillBackground(true);
  setFont(PaletaTolv::arial(8));
  const QColor moldura = PaletaTolv::cor(PaletaTolv::kMoldura);
  const QColor caixa = PaletaTolv::cor(PaletaTolv::kCaixa);

  const auto rotulo = [](const QString& texto, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(l, PaletaTolv::kCaixa, PaletaTolv::kTexto);
    l->setAutoFillBackground(false);
    return l;
  };
  const auto caixaTexto = [this](const char* nome, QWidget* pai) {
    auto* c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxCount(ConfiguracoesTolv::kTamanhoHistorico);
    c->setProperty("contextoAjuda", kAjuda);
    c->installEventFilter(this);
    c->lineEdit()->installEventFilter(this);
    return c;
  };
  const auto escolha = [this](const char* nome, QWidget* pai, auto& textos) {
    auto* c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    for (const char* t : textos) c->addItem(QString::fromUtf8(t));
    c->setProperty("contextoAjuda", kAjuda);
    c->installEventFilter(this);
    return c;
  };

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(8, 8, 8, 8);
  principal->setSpacing(6);

  auto* fCriterios = new MolduraTolv(moldura, caixa, this);
  auto* g = new QGridLayout;
  fCriterios->layoutInterno(6)->addLayout(g);
  g->addWidget(rotulo(QStringLiteral("CPF/CNPJ"), fCriterios), 0, 0);
  m_dbcbCpfCnpj = caixaTexto("DbcbCPFCNPJ", fCriterios);
  m_dbcbCpfCnpj->lineEdit()->setMaxLength(18);
  g->addWidget(m_dbcbCpfCnpj, 0, 1);
  m_cbCriteriosCpfCnpj = escolha("CbCriteriosCPFCNPJ", fCriterios, kCriteriosCpfCnpj);
  g->addWidget(m_cbCriteriosCpfCnpj, 0, 2);
  g->addWidget(rotulo(QStringLiteral("Nome/Nome empresarial"), fCriterios), 1, 0);
  m_dbcbNome = caixaTexto("DbcbNome", fCriterios);
  m_dbcbNome->lineEdit()->setMaxLength(150);
  g->addWidget(m_dbcbNome, 1, 1);
  m_cbCriteriosNome = escolha("CbCriteriosNome", fCriterios, kCriteriosNome);
  g->addWidget(m_cbCriteriosNome, 1, 2);

  m_pnCodigo = new QWidget(fCriterios);
  m_pnCodigo->setObjectName(QStringLiteral("PnCodigo"));
  auto* hCodigo = new QHBoxLayout(m_pnCodigo);
  hCodigo->setContentsMargins(0, 0, 0, 0);
  hCodigo->addWidget(rotulo(QStringLiteral("Código"), m_pnCodigo));
  m_dblcCodRet = new QComboBox(m_pnCodigo);
  m_dblcCodRet->setObjectName(QStringLiteral("DblcCodRet"));
  m_dblcCodRet->setEditable(true);
  m_dblcCodRet->setInsertPolicy(QComboBox::NoInsert);
  m_dblcCodRet->lineEdit()->setMaxLength(4);
  m_dblcCodRet->setToolTip(QStringLiteral("Código de Receita.  Para descrição completa consulte a Ajuda"));
  m_dblcCodRet->setProperty("contextoAjuda", kAjuda);
  m_dblcCodRet->installEventFilter(this);
  m_dblcCodRet->lineEdit()->installEventFilter(this);
  auto* vista = new QTableView(m_dblcCodRet);
  vista->verticalHeader()->hide();
  vista->setSelectionBehavior(QAbstractItemView::SelectRows);
  vista->horizontalHeader()->setStretchLastSection(true);
  m_dblcCodRet->setModel(new QStandardItemModel(0, 4, m_dblcCodRet));
  m_dblcCodRet->setView(vista);
  m_dblcCodRet->setMaxVisibleItems(12);
  m_dblcCodRet->setFixedWidth(QFontMetrics(PaletaTolv::arial(8)).horizontalAdvance(QStringLiteral("99999")) + 40);
  hCodigo->addWidget(m_dblcCodRet);
  hCodigo->addStretch(1);
  g->addWidget(m_pnCodigo, 2, 1);
  g->setColumnStretch(1, 1);
  g->setHorizontalSpacing(8);
  const int larguraEscolha = m_cbCriteriosNome->sizeHint().width();
  m_cbCriteriosCpfCnpj->setFixedWidth(larguraEscolha);
  m_cbCriteriosNome->setFixedWidth(larguraEscolha);
  principal->addWidget(fCriterios);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  const BotoesPesquisa comandos(this, botoes, "TbExecutar", "TbLimpar", "TbLocalizar", kAjuda);
  m_tbExecutar = comandos.executar;
  m_tbLimpar = comandos.limpar;
  m_tbLocalizar = comandos.posicionar;
  principal->addLayout(botoes);
  connect(m_tbExecutar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { ExecutarClick(); }); });
  connect(m_tbLimpar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { TbLimparClick(); }); });
  connect(m_tbLocalizar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { TbLocalizarClick(); }); });
  const auto atalho = [this](const QKeySequence& tecla, TTolvButton* b) {
    auto* s = new QShortcut(tecla, this);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    connect(s, &QShortcut::activated, b, [b] {
      if (b->isEnabled()) b->click();
    });
  };
  atalho(QKeySequence(Qt::CTRL | Qt::Key_J), m_tbExecutar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_H), m_tbLimpar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_K), m_tbLocalizar);

  m_grade = new QTableView(this);
  m_grade->setObjectName(QStringLiteral("DbgTolvItem"));
  m_grade->setProperty("contextoAjuda", kAjuda);
  m_modelo = new Modelo(this);
  m_grade->setModel(m_modelo);
  TDesenhoResultado::PreparaGrade(m_grade);
  m_grade->horizontalHeader()->setSectionsClickable(true);
  m_grade->setFont(PaletaTolv::arial(8));
  m_grade->installEventFilter(this);
  // The name takes whatever the other columns leave.
  m_grade->horizontalHeader()->setSectionResizeMode(kNome, QHeaderView::Stretch);
  principal->addWidget(m_grade, 1);
  connect(m_grade->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int coluna) { GuardaErros([this, coluna] { ordena(coluna); }); });
  connect(m_grade, &QAbstractItemView::doubleClicked, this, [this] {
    GuardaErros([this] { TbLocalizarClick(); });
    emit GridDblClick();
  });
  ajustaColunas();
  habilitaPosicionar(false);
}

void TFrPesquisarTolv::ajustaColunas() {
  const QFontMetrics normal(PaletaTolv::arial(8));
  const QFontMetrics negrito(PaletaTolv::arial(8, true));
  const bool todos = m_tipo == C::Todos;
  m_grade->setColumnWidth(kCodigo, negrito.horizontalAdvance(QStringLiteral("Código")) + 18);
  m_grade->setColumnWidth(kCpfCnpj, negrito.horizontalAdvance(QStringLiteral("99.999.999/9999-99")) + 14);
  const int nome = m_selBeneficiario ? 72 : todos ? 60 : 71;
  m_grade->setColumnWidth(kNome, normal.averageCharWidth() * nome);
  m_grade->setColumnWidth(kFonte, negrito.horizontalAdvance(QStringLiteral("99999999999999999999")) + 14);
  m_grade->setColumnWidth(kOrigem, negrito.horizontalAdvance(QStringLiteral("RRA PROC")) + 14);
  m_grade->setColumnHidden(kOrigem, !todos || m_selBeneficiario);
  m_grade->setColumnHidden(kFonte, m_selBeneficiario);
  m_grade->setColumnHidden(kCodigo, m_selBeneficiario);
  m_modelo->SetTituloFonte(todos                   ? QStringLiteral("Fonte pagadora/Processo")
                           : m_tipo == C::Processo ? QStringLiteral("Processo")
                                                   : QStringLiteral("Fonte pagadora"));
  m_pnCodigo->setVisible(!m_selBeneficiario);
}

void TFrPesquisarTolv::Inicializa(TTolv* declaracao, Posiciona posiciona) {
  Finaliza();
  m_declaracao = declaracao;
  m_posiciona = std::move(posiciona);
  m_cbCriteriosNome->setCurrentIndex(C::ParteInicial);
  m_cbCriteriosCpfCnpj->setCurrentIndex(C::Completo);
  m_ordem = C::PorCodigo;
  ajustaColunas();
  carregaHistoricos();
  carregaCodigos();
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    m_transacao = std::make_unique<bd::Transacao>(
        *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait"),
                              QStringLiteral("read")});
    m_consulta = std::make_unique<ConsultaPesquisaBeneficiarios>(*m_transacao);
  }
}

void TFrPesquisarTolv::Finaliza() {
  if (m_modelo) m_modelo->Reinicia(nullptr);
  if (m_consulta) m_consulta->Fecha();
  m_consulta.reset();
  // Read-only: nothing to keep.
  if (m_transacao && m_transacao->ativa()) GuardaEventos::executa([this] { m_transacao->commit(); });
  m_transacao.reset();
  m_declaracao = nullptr;
  m_posiciona = nullptr;
  if (m_tbLocalizar) habilitaPosicionar(false);
}

void TFrPesquisarTolv::carregaCodigos() {
  auto* modelo = static_cast<QStandardItemModel*>(m_dblcCodRet->model());
  modelo->clear();
  modelo->setHorizontalHeaderLabels({QStringLiteral(" Cód."), QStringLiteral("Descrição"), QStringLiteral("PF"),
                                     QStringLiteral("PJ")});
  if (!m_declaracao || m_selBeneficiario) return;
  GuardaEventos::executa([&] {
    bd::Consulta consulta;
    if (m_tipo == C::Declarante || m_tipo == C::Todos)
      TColecaoCodigoRetencao::AbreListaCodigos(*m_declaracao, consulta);
    else
      TColecaoCodigoRetencao::AbreCodigos(*m_declaracao, consulta,
                                          m_tipo == C::Fundo ? QStringLiteral("1") : QStringLiteral("2"), m_tipo);
    if (!consulta.aberta()) return;
    QString anterior;
    for (; !consulta.eof(); consulta.proximo()) {
      const QString codigo = consulta.campo(QStringLiteral("COD_RETENCAO")).texto().trimmed();
      if (codigo == anterior) continue;
      anterior = codigo;
      const QString ambos = consulta.campo(QStringLiteral("PF_PJ_AMBOS")).texto().trimmed();
      QList<QStandardItem*> linha{new QStandardItem(codigo),
                                  new QStandardItem(consulta.campo(QStringLiteral("RESUMO")).texto().trimmed()),
                                  new QStandardItem(ambos == u"J" ? QString() : QStringLiteral("✓")),
                                  new QStandardItem(ambos == u"F" ? QString() : QStringLiteral("✓"))};
      modelo->appendRow(linha);
    }
  });
  m_dblcCodRet->setCurrentIndex(-1);
  m_dblcCodRet->setEditText(QString());
}

void TFrPesquisarTolv::carregaHistoricos() {
  const auto carrega = [](QComboBox* c, const QString& secao) {
    const QString texto = c->currentText();
    c->clear();
    c->addItems(ConfiguracoesTolv::HistoricoPesquisa(secao));
    c->setCurrentIndex(-1);
    c->setEditText(texto);
  };
  carrega(m_dbcbCpfCnpj, ConfiguracoesTolv::kPesquisasNI);
  carrega(m_dbcbNome, ConfiguracoesTolv::kPesquisasNome);
}

void TFrPesquisarTolv::guardaHistorico() {
  const auto guardaSecao = [](const QString& secao, QComboBox* c) {
    const QString texto = c->currentText().trimmed();
    if (texto.isEmpty()) return;
    QStringList lista = ConfiguracoesTolv::HistoricoPesquisa(secao);
    lista.removeAll(texto);
    lista.prepend(texto);
    ConfiguracoesTolv::GravaHistoricoPesquisa(secao, lista.mid(0, ConfiguracoesTolv::kTamanhoHistorico));
  };
  guardaSecao(ConfiguracoesTolv::kPesquisasNI, m_dbcbCpfCnpj);
  guardaSecao(ConfiguracoesTolv::kPesquisasNome, m_dbcbNome);
  carregaHistoricos();
}

CriterioPesquisaBeneficiarios TFrPesquisarTolv::Criterio() const {
  C c;
  c.tipo = m_tipo;
  c.selBeneficiario = m_selBeneficiario;
  c.ni = m_dbcbCpfCnpj->currentText().trimmed();
  c.criterioNi = C::Ni(qMax(0, m_cbCriteriosCpfCnpj->currentIndex()));
  c.nome = m_dbcbNome->currentText();
  c.criterioNome = C::Nome(qMax(0, m_cbCriteriosNome->currentIndex()));
  c.codigo = m_selBeneficiario ? QString() : m_dblcCodRet->currentText().trimmed();
  c.ordem = m_ordem;
  return c;
}

void TFrPesquisarTolv::habilitaPosicionar(bool habilita) {
  // In pick mode the button stays in sight, inactive.
  m_tbLocalizar->setEnabled(habilita && !m_selBeneficiario);
}

bool TFrPesquisarTolv::PodePosicionar() const { return m_tbLocalizar->isEnabled(); }

bool TFrPesquisarTolv::ExecutarClick() {
  if (!m_consulta) return false;
  m_ordem = C::PorCodigo;
  const C criterio = Criterio();
  m_modelo->Reinicia(nullptr);
  habilitaPosicionar(false);
  {
    CursorEspera espera;
    m_consulta->Executa(criterio);
    m_modelo->Reinicia(m_consulta.get());
  }
  m_ultimo = criterio;
  guardaHistorico();
  if (m_modelo->rowCount() == 0) {
    ExibeMensagem(TErro::TextoMensagem(kNenhumRegistro), TipoMensagem::Aviso);
    return false;
  }
  habilitaPosicionar(true);
  m_grade->selectRow(0);
  return true;
}

void TFrPesquisarTolv::ordena(int coluna) {
  if (!m_consulta || m_modelo->rowCount() == 0) return;
  static const C::Ordem kOrdens[kColunas] = {C::PorCodigo, C::PorCpfCnpj, C::PorNome, C::PorFonte, C::PorOrigem};
  if (coluna < 0 || coluna >= kColunas) return;
  m_ultimo.ordem = m_ordem = kOrdens[coluna];
  CursorEspera espera;
  m_consulta->Executa(m_ultimo);
  m_modelo->Reinicia(m_consulta.get());
  m_grade->selectRow(0);
}

void TFrPesquisarTolv::TbLimparClick() {
  for (QComboBox* c : {m_dbcbCpfCnpj, m_dbcbNome, m_dblcCodRet}) {
    c->setCurrentIndex(-1);
    c->setEditText(QString());
  }
  m_modelo->Reinicia(nullptr);
  if (m_consulta) m_consulta->Fecha();
  habilitaPosicionar(false);
}

void TFrPesquisarTolv::TbLocalizarClick() {
  if (!m_tbLocalizar->isEnabled() || m_selBeneficiario || !m_posiciona) return;
  const QModelIndex atual = m_grade->currentIndex();
  const LinhaPesquisaBeneficiarios* l = m_modelo->Registro(atual.isValid() ? atual.row() : -1);
  if (!l) return;
  const LinhaPesquisaBeneficiarios linha = *l;
  QPointer<QWidget> ativo = QApplication::focusWidget();
  {
    CursorEspera espera;
    m_posiciona(QString::number(linha.fonteDk), linha.CpfCnpj(), 0);
    if (linha.fonteDk > 0) {
      const int quadro = linha.Quadro();
      if (quadro == 57 || quadro == 58)
        m_posiciona(QString::number(linha.itemDk), QStringLiteral("-1"), quadro);
      else
        m_posiciona(QString::number(linha.fonteDk), QString::number(linha.itemDk), quadro);
    }
  }
  if (ativo && ativo->isVisible() && ativo->isEnabled()) ativo->setFocus(Qt::OtherFocusReason);
}

QString TFrPesquisarTolv::CpfCnpjSelecionado() const {
  const QModelIndex atual = m_grade->currentIndex();
  const LinhaPesquisaBeneficiarios* l = m_modelo->Registro(atual.isValid() ? atual.row() : -1);
  return l ? l->CpfCnpj() : QString();
}

int TFrPesquisarTolv::QuantidadeLinhas() const { return m_modelo->rowCount(); }

bool TFrPesquisarTolv::eventFilter(QObject* objeto, QEvent* evento) {
  const bool caixaNumero = objeto == m_dbcbCpfCnpj || objeto == m_dbcbCpfCnpj->lineEdit() || objeto == m_cbCriteriosCpfCnpj;
  if (evento->type() == QEvent::KeyPress) {
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (objeto == m_grade) {
      if (enter) {
        GuardaErros([this] { TbLocalizarClick(); });
        return true;
      }
      return false;
    }
    if (enter && !(tecla->modifiers() & Qt::ControlModifier)) {
      GuardaErros([this] { ExecutarClick(); });
      return true;
    }
    // Digits only in the number box; pasting (Ctrl+V) and editing keys pass.
    if (caixaNumero && objeto != m_cbCriteriosCpfCnpj && !(tecla->modifiers() & Qt::ControlModifier)) {
      const QString texto = tecla->text();
      if (texto.size() == 1 && texto[0].isPrint() && !texto[0].isDigit()) return true;
    }
    return false;
  }
  if (objeto == m_dbcbCpfCnpj->lineEdit()) {
    if (evento->type() == QEvent::FocusIn) {
      QString texto = m_dbcbCpfCnpj->currentText();
      m_dbcbCpfCnpj->setEditText(TNi::RetiraFormatacao(texto));
    } else if (evento->type() == QEvent::FocusOut) {
      const QString texto = m_dbcbCpfCnpj->currentText().trimmed();
      if (texto.size() == 11 || texto.size() == 14) m_dbcbCpfCnpj->setEditText(TNiContribuinte::FormataNi(texto));
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

// ---------------------------------------------------------------------------------------------

TFoPesquisar::TFoPesquisar(QWidget* principal) : QDialog(principal) {
  setObjectName(QStringLiteral("FoPesquisar"));
  setWindowTitle(QStringLiteral("Pesquisar"));
  setWindowFlags((windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) &
                 ~Qt::WindowContextHelpButtonHint);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  m_frame = new TFrPesquisarTolv(this);
  l->addWidget(m_frame);
  setFixedSize(748, 467);
}

TFoPesquisar::~TFoPesquisar() = default;

QString TFoPesquisar::Titulo(int tipo) {
  switch (tipo) {
    case C::Declarante: return QStringLiteral("Pesquisar beneficiários de declarante");
    case C::Fundo: return QStringLiteral("Pesquisar beneficiários de fundo ou clube de investimento");
    case C::Processo:
      return QStringLiteral("Pesquisar beneficiários de justiça de trabalho/federal/estadual/Distrito Federal");
    default: return QStringLiteral("Pesquisar beneficiários");
  }
}

void TFoPesquisar::Prepara(TTolv* declaracao, int tipo, TFrPesquisarTolv::Posiciona posiciona) {
  setWindowTitle(Titulo(tipo));
  m_frame->SetTipo(tipo);
  m_frame->Inicializa(declaracao, std::move(posiciona));
  if (QWidget* p = parentWidget()) {
    const QRect r = p->frameGeometry();
    move(r.left() + (r.width() - frameGeometry().width()) / 2, r.bottom() - 12 - frameGeometry().height());
  }
}

TFoPesquisar* TFoPesquisar::Instancia() { return g_janela; }

void TFoPesquisar::ExecutaPesquisar(TTolv* declaracao, int tipo, TFrPesquisarTolv::Posiciona posiciona,
                                    QWidget* principal) {
  if (!g_janela) {
    g_janela = new TFoPesquisar(principal);
    g_janela->setAttribute(Qt::WA_DeleteOnClose);
  }
  g_janela->Prepara(declaracao, tipo, std::move(posiciona));
  g_janela->setWindowState(Qt::WindowNoState);
  g_janela->exec();
}

bool TFoPesquisar::PedeFechamento() {
  if (g_janela) g_janela->Fecha();
  return true;
}

void TFoPesquisar::Fecha() {
  m_frame->Finaliza();
  close();
}

void TFoPesquisar::closeEvent(QCloseEvent* evento) {
  m_frame->Finaliza();
  evento->accept();
  QDialog::closeEvent(evento);
}
