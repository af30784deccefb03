#include "controles/TListaDeclaracoes.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/AparenciaDialogo.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/TColecaoTolv.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

// Keys stopped for more than 0.00001 day.
constexpr qint64 kPausaBusca = 864;
// The system colour of an inactive caption's text.
constexpr QRgb kTextoInativo = 0x808080;

// The number and year boxes: what is pasted keeps its digits only, as typed keys do, up to the
// box's digits (a number pasted with its mask fits).
class ValidadorDigitos : public QValidator {
 public:
  ValidadorDigitos(int maximo, QObject* pai) : QValidator(pai), m_maximo(maximo) {}
  State validate(QString& texto, int& posicao) const override {
    QString digitos;
    int antes = 0;
    for (int i = 0; i < texto.size() && digitos.size() < m_maximo; ++i) {
      if (texto[i] < u'0' || texto[i] > u'9') continue;
      digitos += texto[i];
      if (i < posicao) ++antes;
    }
    texto = digitos;
    posicao = antes;
    return Acceptable;
  }

 private:
  int m_maximo;
};

QLabel* Rotulo(const QString& texto, QWidget* pai) {
  auto* r = new QLabel(texto, pai);
  AparenciaDialogo::PintaTexto(r);
  return r;
}

// The status icon in the middle of its cell.
class DelegadoSituacao : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override {
    QStyledItemDelegate::initStyleOption(opcao, indice);
    opcao->decorationAlignment = Qt::AlignCenter;
    opcao->decorationPosition = QStyleOptionViewItem::Top;
  }
};

}  // namespace

void TGradeListaDeclaracoes::mousePressEvent(QMouseEvent* evento) {
  const QModelIndex indice = indexAt(evento->position().toPoint());
  QTableView::mousePressEvent(evento);
  if (!indice.isValid() || evento->button() != Qt::LeftButton) return;
  const bool comShift = evento->modifiers() & Qt::ShiftModifier;
  if (comShift || indice.column() == 0) emit CliqueMarca(indice.row(), comShift);
}

void TGradeListaDeclaracoes::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Space && evento->modifiers() == Qt::NoModifier) {
    emit EspacoPressionado();
    return;
  }
  QTableView::keyPressEvent(evento);
}

TListaDeclaracoes::TListaDeclaracoes(Modo modo, TColecaoTolv& indice, QWidget* pai)
    : QWidget(pai), m_modo(modo), m_indice(indice) {
  m_numero = new QLineEdit(this);
  m_numero->setObjectName(QStringLiteral("edtCPFCNPJ"));
  m_numero->setToolTip(QStringLiteral("Informe CPF/CNPJ completo ou parcial para filtrar declarações"));
  m_nome = new QLineEdit(this);
  m_nome->setObjectName(QStringLiteral("edtNome"));
  m_nome->setMaxLength(150);
  m_nome->setToolTip(QStringLiteral("Informe nome/nome empresarial completo ou parcial para filtrar declarações"));
  m_ano = new QLineEdit(this);
  m_ano->setObjectName(QStringLiteral("edtAnoCalendario"));
  m_ano->setToolTip(QStringLiteral("Informe ano-calendário completo ou parcial para filtrar declarações"));
  for (QLineEdit* e : {m_numero, m_nome, m_ano}) AparenciaDialogo::PintaTexto(e);
  m_numero->installEventFilter(this);
  m_ano->installEventFilter(this);
  // Room for a pasted mask; the validator keeps 14 and 4 digits.
  m_numero->setMaxLength(18);
  m_numero->setValidator(new ValidadorDigitos(14, m_numero));
  m_ano->setMaxLength(10);
  m_ano->setValidator(new ValidadorDigitos(4, m_ano));

  m_grade = new TGradeListaDeclaracoes(this);
  m_grade->setObjectName(modo == Modo::Abrir || modo == Modo::Impressao ? QStringLiteral("DBGrDeclaracao")
                                                                      : QStringLiteral("DBGrContribu"));
  m_grade->setToolTip(modo == Modo::Excluir
                          ? QStringLiteral("Clique na caixa de verificação para selecionar as declarações que deseja excluir")
                      : modo == Modo::Impressao ? QStringLiteral("Selecione a declaração que deseja imprimir")
                                                : QStringLiteral("Selecione a declaração que deseja abrir"));
  m_grade->setProperty("contextoAjuda", modo == Modo::Excluir      ? 11020
                                        : modo == Modo::Abrir     ? 11010
                                        : modo == Modo::Impressao ? 12600
                                                                  : 11000);
  m_modelo = new TModeloListaDeclaracoes(indice, modo == Modo::Excluir, this);
  m_grade->setModel(m_modelo);
  m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grade->setTabKeyNavigation(false);
  m_grade->setWordWrap(false);
  m_grade->setAlternatingRowColors(false);
  m_grade->verticalHeader()->setDefaultSectionSize(18);
  m_grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_grade->verticalHeader()->setVisible(modo == Modo::Excluir);
  m_grade->verticalHeader()->setFixedWidth(16);
  QHeaderView* titulos = m_grade->horizontalHeader();
  titulos->setHighlightSections(false);
  titulos->setSectionsClickable(false);
  titulos->setMinimumSectionSize(20);
  const auto largura = [&](TModeloListaDeclaracoes::Coluna c, int px) {
    m_grade->setColumnWidth(m_modelo->coluna(c), px);
  };
  if (modo == Modo::Excluir) {
    m_grade->setColumnWidth(0, 24);
    titulos->setSectionResizeMode(0, QHeaderView::Fixed);
  }
  largura(TModeloListaDeclaracoes::CpfCnpj, 128);
  largura(TModeloListaDeclaracoes::Ano, 44);
  largura(TModeloListaDeclaracoes::Situacao, 58);
  titulos->setSectionResizeMode(m_modelo->coluna(TModeloListaDeclaracoes::Nome), QHeaderView::Stretch);
  m_grade->setItemDelegateForColumn(m_modelo->coluna(TModeloListaDeclaracoes::Situacao), new DelegadoSituacao(m_grade));
  AparenciaDialogo::PintaGrade(m_grade);

  auto* grade = new QGridLayout(this);
  grade->setContentsMargins(0, 0, 0, 0);
  grade->setHorizontalSpacing(8);
  grade->setVerticalSpacing(2);
  auto* rotuloNumero = Rotulo(QStringLiteral("CPF/CNPJ"), this);
  auto* rotuloNome = Rotulo(QStringLiteral("Nome/Nome empresarial"), this);
  auto* rotuloAno = Rotulo(QStringLiteral("Ano-calendário"), this);
  rotuloNumero->setBuddy(m_numero);
  rotuloNome->setBuddy(m_nome);
  rotuloAno->setBuddy(m_ano);
  grade->addWidget(rotuloNumero, 0, 0);
  grade->addWidget(rotuloNome, 0, 1);
  grade->addWidget(rotuloAno, 0, 2);
  grade->addWidget(m_numero, 1, 0);
  grade->addWidget(m_nome, 1, 1);
  grade->addWidget(m_ano, 1, 2);
  m_numero->setFixedWidth(120);
  m_ano->setFixedWidth(90);
  grade->setColumnStretch(1, 1);
  grade->addItem(new QSpacerItem(0, 6), 2, 0);
  grade->addWidget(m_grade, 3, 0, 1, 3);
  grade->setRowStretch(3, 1);

  const QLineEdit* caixasFiltro[] = {m_numero, m_nome, m_ano};
  for (int i = 0; i < 3; ++i)
    connect(caixasFiltro[i], &QLineEdit::textChanged, this, [this, i] { GuardaEventos::executa([&] { AplicaFiltro(i); }); });
  connect(m_grade->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& atual) {
            if (m_selecaoVisivel) m_modelo->DefineAtual(atual.isValid() ? atual.row() : -1);
          });
  connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] {
    // A new reading starts on its first row.
    if (!m_modelo->Vazia()) DefineLinhaAtual(0);
  });
  connect(m_grade, &QAbstractItemView::doubleClicked, this, [this] { emit Escolhida(); });
  connect(m_grade, &TGradeListaDeclaracoes::CliqueMarca, this, [this](int linha, bool comShift) { aoMarcar(linha, comShift); });
  connect(m_grade, &TGradeListaDeclaracoes::EspacoPressionado, this, [this] {
    const int linha = LinhaAtual();
    if (linha >= 0) aoMarcar(linha, false);
  });
  connect(m_modelo, &TModeloListaDeclaracoes::MarcasMudaram, this,
          [this] { emit MarcasMudaram(int(m_modelo->Marcas().size())); });

  m_timer = new QTimer(this);
  m_timer->setObjectName(QStringLiteral("Timer1"));
  m_timer->setInterval(10);
  connect(m_timer, &QTimer::timeout, this, [this] { GuardaEventos::executa([this] { Timer1Timer(); }); });
}

TListaDeclaracoes::~TListaDeclaracoes() = default;

FiltroDeclaracoes::Caixas TListaDeclaracoes::caixas() const {
  return {m_numero->text(), m_nome->text(), m_ano->text()};
}

bool TListaDeclaracoes::Abre() { return m_modelo->Abre(FiltroDeclaracoes::Monta(caixas(), comLimite())); }

bool TListaDeclaracoes::Vazia() const { return m_modelo->Vazia(); }

void TListaDeclaracoes::AplicaFiltro(int caixa) {
  if (m_modo == Modo::Excluir)
    m_modelo->LimpaMarcas();
  else
    emit HabilitaOk(true);
  if (FiltroDeclaracoes::DigitoVerificadorConfere(m_numero->text(), m_numero->hasFocus())) return;
  const FiltroDeclaracoes::Clausula anterior = m_modelo->ClausulaAtual();
  m_grade->setUpdatesEnabled(false);
  const bool leu = m_modelo->Abre(FiltroDeclaracoes::Monta(caixas(), comLimite()));
  if (leu && m_modelo->Vazia()) {
    m_modelo->Abre(anterior);
    if (m_modo != Modo::Excluir) emit HabilitaOk(false);
    const int foco = m_numero->hasFocus() ? 0 : m_nome->hasFocus() ? 1 : m_ano->hasFocus() ? 2 : caixa;
    m_grade->setUpdatesEnabled(true);
    AvisaDeclaracaoInexistente(foco);
    return;
  }
  m_grade->setUpdatesEnabled(true);
}

int TListaDeclaracoes::LinhaAtual() const {
  const QModelIndex atual = m_grade->currentIndex();
  return atual.isValid() ? atual.row() : -1;
}

void TListaDeclaracoes::DefineLinhaAtual(int linha) {
  if (!m_modelo->Garante(linha)) return;
  const QModelIndex indice = m_modelo->index(linha, m_modelo->coluna(TModeloListaDeclaracoes::CpfCnpj));
  m_grade->selectionModel()->setCurrentIndex(indice,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  m_grade->scrollTo(indice);
  if (m_selecaoVisivel) m_modelo->DefineAtual(linha);
}

void TListaDeclaracoes::Habilita(bool habilita) {
  for (QWidget* w : {static_cast<QWidget*>(m_numero), static_cast<QWidget*>(m_nome), static_cast<QWidget*>(m_ano),
                     static_cast<QWidget*>(m_grade)})
    w->setEnabled(habilita);
  QPalette p = m_grade->palette();
  p.setColor(QPalette::Disabled, QPalette::Text, habilita ? QColor(PaletaTolv::kTexto) : QColor(kTextoInativo));
  m_grade->setPalette(p);
  m_selecaoVisivel = habilita;
  // Out of use, the grid shows no selection; the current row is kept for when it comes back.
  const int atual = LinhaAtual();
  if (habilita && atual >= 0)
    DefineLinhaAtual(atual);
  else
    m_grade->selectionModel()->clearSelection();
  m_modelo->DefineAtual(habilita ? atual : -1);
}

bool TListaDeclaracoes::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && (objeto == m_numero || objeto == m_ano)) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const QString texto = tecla->text();
    // Keys without a character (arrows, Delete, Home) edit as usual.
    if (!texto.isEmpty() && !FiltroDeclaracoes::TeclaPermitida(texto.front())) return true;
  }
  return QWidget::eventFilter(objeto, evento);
}

void TListaDeclaracoes::RegistraTecla(QChar caractere) {
  if (m_modo == Modo::Excluir || caractere.unicode() < 32) return;
  m_ultimaTecla.start();
  m_buffer += caractere;
  m_timer->start();
}

void TListaDeclaracoes::Timer1Timer() {
  if (!m_grade->isEnabled() || !m_ultimaTecla.isValid() || m_ultimaTecla.elapsed() <= kPausaBusca) return;
  m_timer->stop();
  BuscaIncremental();
}

void TListaDeclaracoes::BuscaIncremental() {
  const QString prefixo = m_buffer;
  m_buffer.clear();
  if (prefixo.isEmpty() || m_modelo->Vazia()) return;
  const int seguinte = LinhaAtual() + 1;
  int achada = m_modelo->Procura(seguinte, [&](const TModeloListaDeclaracoes::Linha& l) {
    return l.tipo == u"1" && l.numero.startsWith(prefixo);
  });
  if (achada < 0)
    achada = m_modelo->Procura(seguinte, [&](const TModeloListaDeclaracoes::Linha& l) {
      return l.tipo == u"2" && l.numero.startsWith(prefixo);
    });
  if (achada < 0)
    achada = m_modelo->Procura(0, [&](const TModeloListaDeclaracoes::Linha& l) { return l.cpfCnpj.startsWith(prefixo); });
  if (achada >= 0) DefineLinhaAtual(achada);
}

void TListaDeclaracoes::aoMarcar(int linha, bool comShift) {
  if (m_modo != Modo::Excluir) return;
  if (comShift && m_ultimaMarcada >= 0) {
    for (int i = qMin(m_ultimaMarcada, linha); i <= qMax(m_ultimaMarcada, linha); ++i) m_modelo->DefineMarca(i, true);
  } else {
    m_modelo->DefineMarca(linha, !m_modelo->Marcada(linha));
  }
  m_ultimaMarcada = linha;
}
