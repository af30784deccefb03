#include "controles/TZUQDialogoArquivo.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>

#include "controles/ArvorePastas.h"
#include "controles/ListaArquivos.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Diretorios.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr QRgb kLinhaQuadro = 0xB9D0DE;

void pintaTexto(QWidget* w) {
  QPalette p = w->palette();
  for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(grupo, QPalette::WindowText, PaletaTolv::cor(PaletaTolv::kTexto));
    p.setColor(grupo, QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
    p.setColor(grupo, QPalette::ButtonText, PaletaTolv::cor(PaletaTolv::kTexto));
  }
  w->setPalette(p);
}

void pintaVisao(QWidget* w) {
  pintaTexto(w);
  QPalette p = w->palette();
  p.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kFundo));
  p.setColor(QPalette::AlternateBase, PaletaTolv::cor(PaletaTolv::kFundo));
  w->setPalette(p);
}

TTolvButton* botao(const QString& nome, const QString& caption, QWidget* pai) {
  auto* b = new TTolvButton(caption, pai);
  b->setObjectName(nome);
  b->Scheme().SetSchemeColor(TSchemeColor::scTolv);
  for (int i : {TSchemeColors::ColorText, TSchemeColors::OverColorText, TSchemeColors::DownColorText})
    b->Scheme().SetCor(i, PaletaTolv::cor(PaletaTolv::kTexto));
  b->setFixedSize(75, 25);
  return b;
}

}  // namespace

TZUQDialogoArquivo::TZUQDialogoArquivo(const QString& caption, const QString& acao, const QStringList& tipos,
                                       QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setFont(PaletaTolv::arial(8));
  resize(720, 440);
  PaletaTolv::pinta(this, PaletaTolv::kFundo);

  auto* divisor = new QSplitter(Qt::Horizontal, this);
  divisor->setObjectName(QStringLiteral("Splitter1"));
  divisor->setChildrenCollapsible(false);
  auto* molduraArvore = new MolduraTolv(PaletaTolv::cor(kLinhaQuadro), PaletaTolv::cor(PaletaTolv::kFundo), divisor);
  m_arvore = new ArvorePastas(molduraArvore);
  m_arvore->setObjectName(QStringLiteral("ShellTreeView1"));
  molduraArvore->layoutInterno(0)->addWidget(m_arvore);
  auto* molduraLista = new MolduraTolv(PaletaTolv::cor(kLinhaQuadro), PaletaTolv::cor(PaletaTolv::kFundo), divisor);
  m_lista = new ListaArquivos(molduraLista);
  m_lista->setObjectName(QStringLiteral("ShellListView1"));
  molduraLista->layoutInterno(0)->addWidget(m_lista);
  divisor->setStretchFactor(0, 1);
  divisor->setStretchFactor(1, 3);
  divisor->setSizes({210, 500});
  for (QAbstractScrollArea* v : {static_cast<QAbstractScrollArea*>(m_arvore), static_cast<QAbstractScrollArea*>(m_lista)}) {
    pintaVisao(v);
    v->setFrameShape(QFrame::NoFrame);
  }

  auto* quadro = new MolduraTolv(PaletaTolv::cor(kLinhaQuadro), PaletaTolv::cor(PaletaTolv::kCaixa), this);
  quadro->setObjectName(QStringLiteral("Panel1"));
  auto* rotuloNome = new QLabel(QStringLiteral("Nome do Arquivo:"), quadro);
  rotuloNome->setObjectName(QStringLiteral("Label1"));
  auto* rotuloTipo = new QLabel(QStringLiteral("Arquivos do Tipo:"), quadro);
  rotuloTipo->setObjectName(QStringLiteral("Label2"));
  m_edit = new QLineEdit(quadro);
  m_edit->setObjectName(QStringLiteral("Edit1"));
  m_tipos = new QComboBox(quadro);
  m_tipos->setObjectName(QStringLiteral("ComboBox2"));
  m_tipos->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_tipos->setMinimumContentsLength(20);
  m_tipos->addItems(tipos);
  rotuloNome->setBuddy(m_edit);
  rotuloTipo->setBuddy(m_tipos);
  m_acao = botao(QStringLiteral("SpeedButton2"), acao, quadro);
  m_cancelar = botao(QStringLiteral("SpeedButton3"), QStringLiteral("Cancelar"), quadro);
  for (QWidget* w : {static_cast<QWidget*>(rotuloNome), static_cast<QWidget*>(rotuloTipo),
                     static_cast<QWidget*>(m_edit), static_cast<QWidget*>(m_tipos)})
    pintaTexto(w);

  // As the system's dialogs lay it out: the name over the type, each with its button.
  auto* grade = new QGridLayout(quadro);
  grade->setContentsMargins(12, 8, 12, 8);
  grade->setHorizontalSpacing(10);
  grade->setVerticalSpacing(6);
  grade->addWidget(rotuloNome, 0, 0);
  grade->addWidget(m_edit, 0, 1);
  grade->addWidget(m_acao, 0, 2);
  grade->addWidget(rotuloTipo, 1, 0);
  grade->addWidget(m_tipos, 1, 1);
  grade->addWidget(m_cancelar, 1, 2);
  grade->setColumnStretch(1, 1);

  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(8, 8, 8, 8);
  raiz->setSpacing(8);
  raiz->addWidget(divisor, 1);
  raiz->addWidget(quadro);

  connect(m_arvore, &ArvorePastas::PastaMudou, m_lista, &ListaArquivos::MostraPasta);
  connect(m_arvore, &ArvorePastas::Clicada, this, [this] { GuardaEventos::executa([this] { ShellTreeView1Click(); }); });
  connect(m_lista, &ListaArquivos::Clicada, this, [this] { GuardaEventos::executa([this] { ShellListView1Click(); }); });
  connect(m_lista, &ListaArquivos::Ativada, this, [this] { GuardaEventos::executa([this] { ShellListView1DblClick(); }); });
  connect(m_acao, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { SpeedButton2Click(); }); });
  connect(m_cancelar, &TTolvButton::clicked, this, &TZUQDialogoArquivo::SpeedButton3Click);
  connect(m_edit, &QLineEdit::returnPressed, this, [this] { GuardaEventos::executa([this] { SpeedButton2Click(); }); });
  connect(m_tipos, &QComboBox::currentIndexChanged, this, &TZUQDialogoArquivo::aoMudarTipo);
  // F5 reads the tree's selected folder again when the tree has the focus, else the list.
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(f5, &QShortcut::activated, this, [this] {
    if (m_arvore->hasFocus())
      m_arvore->Atualiza();
    else
      m_lista->Atualiza();
  });
  m_lista->MostraPasta(m_arvore->PastaAtual());
}

TZUQDialogoArquivo::~TZUQDialogoArquivo() = default;

void TZUQDialogoArquivo::SetRaiz(const QString& pasta) { m_arvore->SetRaiz(pasta); }

QString TZUQDialogoArquivo::Raiz() const { return m_arvore->Raiz(); }

QString TZUQDialogoArquivo::PastaArvore() const { return m_arvore->PastaAtual(); }

bool TZUQDialogoArquivo::Execute() {
  m_executando = true;
  const auto fim = qScopeGuard([this] { m_executando = false; });
  return exec() == QDialog::Accepted;
}

void TZUQDialogoArquivo::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (evento->spontaneous()) return;
  CentraNaTela(this);
  selecionaTipo(m_filterIndex);
  GuardaEventos::executa([this] { FormShow(); });
}

void TZUQDialogoArquivo::SpeedButton3Click() { reject(); }

void TZUQDialogoArquivo::ShellListView1Click() { aoClicarLista(m_lista->CaminhoSelecionado()); }

void TZUQDialogoArquivo::ShellTreeView1Click() {}

void TZUQDialogoArquivo::ShellListView1DblClick() {
  const QString caminho = m_lista->CaminhoSelecionado();
  if (caminho.isEmpty()) {
    pedeArquivo();
    return;
  }
  if (QFileInfo(caminho).isDir())
    m_arvore->VaiPara(caminho);
  else
    tomaArquivo(caminho);
}

void TZUQDialogoArquivo::pedeArquivo() {
  m_lista->setFocus(Qt::OtherFocusReason);
  MostraMensagem(QStringLiteral("Selecione um arquivo."), QStringLiteral("Erro"), 16);
}

QString TZUQDialogoArquivo::caminhoDigitado() const {
  const QString texto = m_edit->text();
  return QDir::isAbsolutePath(texto) ? texto : JuntaPasta(PastaArvore(), texto);
}

void TZUQDialogoArquivo::selecionaTipo(int indice) {
  m_tipos->setCurrentIndex(indice >= 0 && indice < m_tipos->count() ? indice : 0);
}

void TZUQDialogoArquivo::refazTipos() {
  const int anterior = m_tipos->currentIndex();
  const QSignalBlocker bloqueio(m_tipos);
  m_tipos->clear();
  m_tipos->addItem(QStringLiteral("Todos os arquivos (*.*)"));
  m_tipos->addItems(DescricoesDoFiltro(m_filter));
  m_tipos->setCurrentIndex(anterior >= 0 && anterior < m_tipos->count() ? anterior : 0);
  aoMudarTipo();
}

void TZUQDialogoArquivo::aoMudarTipo() {
  const int i = m_tipos->currentIndex();
  m_lista->SetExtensao(i <= 0 ? QString() : ExtensaoDoTipo(m_tipos->currentText()));
}

QString TZUQDialogoArquivo::ExtensaoDoTipo(const QString& entrada) {
  const qsizetype fim = entrada.size() - 1;
  if (fim <= 0) return QString();
  const qsizetype inicio = std::max<qsizetype>(0, fim - 4);
  return entrada.mid(inicio, fim - inicio);
}

QString TZUQDialogoArquivo::JuntaPasta(const QString& pasta, const QString& nome) {
  if (pasta.isEmpty()) return nome;
  return pasta.endsWith('/') ? pasta + nome : pasta + '/' + nome;
}

QStringList TZUQDialogoArquivo::DescricoesDoFiltro(const QString& filtro) {
  QStringList r;
  for (const QString& parte : filtro.split('|')) {
    const QString d = parte.trimmed();
    if (!d.isEmpty() && !d.startsWith('*')) r << d;
  }
  return r;
}

QString TZUQDialogoArquivo::PastaCopSeg() { return DiretorioPrograma() + QStringLiteral("/CopSeg"); }
