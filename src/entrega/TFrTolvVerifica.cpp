#include "entrega/TFrTolvVerifica.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

#include "controles/IServicosVerificacao.h"
#include "controles/PaletaTolv.h"
#include "entrega/ArteVerificacao.h"
#include "entrega/TModeloVerificacao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

constexpr int kAjuda = 11050;
constexpr int kIntervaloTelaMs = 100;
constexpr int kAlturaLinha = 18;
constexpr int kAlturaInferior = 75;
constexpr int kAlturaCompacta = 45;
constexpr int kLarguraBotao = 122;
constexpr int kAlturaBotao = 26;
constexpr int kMargem = 8;
constexpr int kLarguraContadores = 150;
constexpr int kLarguraContadoresMinima = 110;
constexpr int kLarguraBotaoMinima = 104;

constexpr uint16_t kImpressoraIndisponivel = 301;
constexpr uint16_t kSemImpressora = 104;

constexpr QRgb kAzul = 0x0000FF;
constexpr QRgb kVerdeAzulado = 0x008080;
constexpr QRgb kPreto = 0x000000;
constexpr QRgb kMarinho = 0x000080;
constexpr QRgb kTextoAtivo = 0x336EB1;
constexpr QRgb kTextoInativo = 0xC6C6C6;
constexpr QRgb kTextoParada = 0xB0201A;

// How the result rows look, by their kind.
class DelegadoLinhas : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    const QString tipo = indice.data(TModeloVerificacao::PapelTipo).toString();
    const QString texto = indice.data(Qt::DisplayRole).toString();
    const bool selecionada = opcao.state & QStyle::State_Selected;
    p->save();
    p->fillRect(opcao.rect, selecionada ? PaletaTolv::cor(kMarinho) : PaletaTolv::cor(PaletaTolv::kCaixa));

    int recuo = 2;
    QRgb cor = PaletaTolv::kTexto;
    QFont fonte = PaletaTolv::arial(9, true);
    QPixmap icone;
    if (tipo == u"08") {
      icone = ArteVerificacao::icone(ArteVerificacao::Icone::Declaracao);
      cor = kAzul;
    } else if (tipo == u"09") {
      // Fund headers and the payments-abroad title alike.
      icone = ArteVerificacao::icone(ArteVerificacao::Icone::Clipes);
      cor = kVerdeAzulado;
    } else if (tipo == u"11") {
      icone = ArteVerificacao::icone(ArteVerificacao::Icone::Processo);
      cor = kVerdeAzulado;
    } else if (tipo == u"30") {
      icone = ArteVerificacao::icone(ArteVerificacao::Icone::PlanoSaude);
      cor = kVerdeAzulado;
    } else if (tipo == u"10") {
      cor = kPreto;
    } else if (tipo == u"13") {
      cor = kPreto;
      recuo = 25;
    } else if (tipo == u"20") {
      icone = ArteVerificacao::icone(ArteVerificacao::Icone::Ok);
      cor = kPreto;
    } else if (tipo == u"01" || tipo == u"00") {
      icone = ArteVerificacao::icone(tipo == u"01" ? ArteVerificacao::Icone::Erro : ArteVerificacao::Icone::Aviso);
      cor = kPreto;
      fonte = PaletaTolv::arial(7);
      recuo = indice.siblingAtColumn(TModeloVerificacao::QuemEh).data().toString() == u"Dependente" ? 75 : 50;
    } else {
      p->restore();
      return;
    }
    int x = opcao.rect.left() + recuo;
    if (!icone.isNull()) {
      p->drawPixmap(x, opcao.rect.top() + (opcao.rect.height() - icone.height()) / 2, icone);
      x += icone.width() + 4;
    }
    p->setFont(fonte);
    p->setPen(selecionada ? QColor(Qt::white) : PaletaTolv::cor(cor));
    const QRect area(x, opcao.rect.top(), opcao.rect.right() - x - 2, opcao.rect.height());
    p->drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                QFontMetrics(fonte).elidedText(texto, Qt::ElideRight, area.width()));
    p->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    return {QStyledItemDelegate::sizeHint(opcao, indice).width(), kAlturaLinha};
  }
};

// The panel behind one of the buttons: white with a thin frame, grey when it is the inactive twin.
class FundoBotao : public QWidget {
 public:
  FundoBotao(bool ativo, QWidget* pai) : QWidget(pai), m_ativo(ativo) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(m_ativo ? PaletaTolv::kMoldura : 0xD6D6D6));
    p.setBrush(QColor(m_ativo ? 0xFFFFFF : 0xF7F7F7));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }

 private:
  bool m_ativo;
};

// The bottom panel: the frame's background with the shapes' line on top.
class PainelInferior : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), PaletaTolv::cor(PaletaTolv::kFundo));
    p.setPen(PaletaTolv::cor(PaletaTolv::kMoldura));
    p.drawLine(0, 0, width(), 0);
  }
};

void PintaTexto(QWidget* w, QRgb cor) {
  QPalette p = w->palette();
  for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(grupo, QPalette::ButtonText, PaletaTolv::cor(cor));
    p.setColor(grupo, QPalette::WindowText, PaletaTolv::cor(cor));
  }
  w->setPalette(p);
}

// A button and its twin: the twin shows where the button is not available; neither when not offered.
void Mostra(QWidget* botao, QWidget* inativo, bool oferecido, bool disponivel) {
  botao->setVisible(oferecido && disponivel);
  inativo->setVisible(oferecido && !disponivel);
}

}  // namespace

struct TFrTolvVerifica::Botao {
  QWidget* painel;
  QWidget* inativo;
  QToolButton* speed;
};

TFrTolvVerifica::Botao TFrTolvVerifica::CriaBotao(const char* sufixo, const QString& caption, int glifo,
                                                 const QString& dica) {
  Botao b{};
  for (bool ativo : {false, true}) {
    const QString nome = QLatin1String(sufixo) + (ativo ? QString() : QStringLiteral("Inativo"));
    auto* painel = new FundoBotao(ativo, m_pnInferior);
    painel->setObjectName(QStringLiteral("btn") + nome);
    painel->resize(kLarguraBotao, kAlturaBotao);
    auto* speed = new QToolButton(painel);
    speed->setObjectName(QStringLiteral("SpeedBtn") + nome);
    speed->setText(caption);
    speed->setAutoRaise(true);
    speed->setFocusPolicy(Qt::NoFocus);
    speed->setFont(PaletaTolv::arial(8));
    speed->setGeometry(1, 1, kLarguraBotao - 2, kAlturaBotao - 2);
    speed->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; padding-left: 18px; }"
                                        "QToolButton:hover { text-decoration: underline; }"));
    PintaTexto(speed, ativo ? kTextoAtivo : kTextoInativo);
    auto* imagem = new QLabel(painel);
    imagem->setPixmap(ArteVerificacao::glifo(ArteVerificacao::Glifo(glifo), ativo));
    imagem->setGeometry(6, (kAlturaBotao - 16) / 2, 16, 16);
    imagem->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (ativo) {
      b.painel = painel;
      b.speed = speed;
      speed->setToolTip(dica);
      painel->setToolTip(dica);
    } else {
      b.inativo = painel;
      painel->setEnabled(false);
    }
  }
  return b;
}

TFrTolvVerifica::TFrTolvVerifica(QWidget* pai) : QWidget(pai) {
  setObjectName(QStringLiteral("FrTolvVerifica"));
  setProperty("contextoAjuda", kAjuda);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);

  m_verificacao = new TVerificacaoPendencias(this);
  m_modelo = new TModeloVerificacao(*m_verificacao, this);

  m_grade = new QTableView(this);
  m_grade->setObjectName(QStringLiteral("DbgErrosEncontrados"));
  m_grade->setModel(m_modelo);
  m_grade->setItemDelegate(new DelegadoLinhas(m_grade));
  m_grade->horizontalHeader()->hide();
  m_grade->verticalHeader()->hide();
  m_grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_grade->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
  m_grade->horizontalHeader()->setStretchLastSection(true);
  for (int c = TModeloVerificacao::AQuemPertence; c < TModeloVerificacao::kColunas; ++c) m_grade->setColumnHidden(c, true);
  m_grade->setShowGrid(false);
  m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grade->setWordWrap(false);
  m_grade->setFont(PaletaTolv::arial(9));
  m_grade->setFrameShape(QFrame::Box);
  PaletaTolv::pinta(m_grade->viewport(), PaletaTolv::kCaixa);
  {
    QPalette p = m_grade->palette();
    p.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kCaixa));
    p.setColor(QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
    m_grade->setPalette(p);
  }
  m_grade->installEventFilter(this);

  m_pnInferior = new PainelInferior(this);
  m_pnInferior->setObjectName(QStringLiteral("PnInferior"));
  auto contador = [this](const char* nome, const QString& dica) {
    auto* l = new QLabel(m_pnInferior);
    l->setObjectName(QLatin1String(nome));
    l->setToolTip(dica);
    l->setFont(PaletaTolv::arial(8, true));
    PaletaTolv::pinta(l, PaletaTolv::kFundo);
    return l;
  };
  m_pnVerificados = contador("PnVerificados", QStringLiteral("Número de beneficiários já verificados."));
  m_panelNumErros = contador("PanelNumErros", QStringLiteral("Número de erros.  Erros impedem a gravação da declaração."));
  m_panelNumAvisos =
      contador("PanelNumAvisos", QStringLiteral("Número de avisos. Avisos não impedem a gravação da declaração."));

  m_pnEspaco = new QWidget(m_pnInferior);
  m_pnEspaco->setObjectName(QStringLiteral("PnEspaco"));
  PaletaTolv::pinta(m_pnEspaco, PaletaTolv::kMoldura);

  m_labelMens = new QLabel(
      QStringLiteral("Os ERROS impedem a gravação da declaração para entrega à BVD, enquanto os AVISOS são apenas "
                     "alertas de pendências que não impedem a gravação da mesma."),
      this);
  m_labelMens->setObjectName(QStringLiteral("LabelMens"));
  m_labelMens->setWordWrap(true);
  m_labelMens->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PaletaTolv::pinta(m_labelMens, PaletaTolv::kFundo);
  m_labelStop = new QLabel(this);
  m_labelStop->setObjectName(QStringLiteral("LabelStop"));
  m_labelStop->setWordWrap(true);
  m_labelStop->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_labelStop->setFont(PaletaTolv::arial(8, true));
  PaletaTolv::pinta(m_labelStop, PaletaTolv::kFundo, kTextoParada);
  m_labelStop->hide();
  m_labelTempo = new QLabel(m_pnInferior);
  m_labelTempo->setObjectName(QStringLiteral("labelTempo"));
  m_labelTempo->hide();

  m_pnAvisos = new QWidget(m_pnInferior);
  m_pnAvisos->setObjectName(QStringLiteral("PnAvisos"));
  PaletaTolv::pinta(m_pnAvisos, PaletaTolv::kFundo);
  m_ckbAvisos = new QCheckBox(QStringLiteral("&Mostrar avisos"), m_pnAvisos);
  m_ckbAvisos->setObjectName(QStringLiteral("CkbAvisos"));
  m_ckbAvisos->setToolTip(QStringLiteral("Mostra os avisos durante a verificação de pendências"));
  m_ckbAvisos->setFocusPolicy(Qt::NoFocus);
  m_ckbAvisos->move(0, 0);
  m_ckbAvisos->setChecked(ConfiguracoesTolv::ExibirAvisos());
  m_verificacao->SetMostrarAvisos(m_ckbAvisos->isChecked());

  const Botao parar = CriaBotao("Stop", QStringLiteral("Parar verificação"), int(ArteVerificacao::Glifo::Parar),
                                QStringLiteral("Cancela a verificação de pendências."));
  const Botao posicionar = CriaBotao("Point", QStringLiteral("Posicionar"), int(ArteVerificacao::Glifo::Posicionar),
                                     QStringLiteral("Localiza erros ou avisos na declaração."));
  const Botao relatorio = CriaBotao("Print", QStringLiteral("Relatório"), int(ArteVerificacao::Glifo::Relatorio),
                                    QStringLiteral("Visualiza a impressão da verificação de pendências."));
  m_btnStop = parar.painel;
  m_btnStopInativo = parar.inativo;
  m_speedBtnStop = parar.speed;
  m_btnPoint = posicionar.painel;
  m_btnPointInativo = posicionar.inativo;
  m_speedBtnPoint = posicionar.speed;
  m_btnPrint = relatorio.painel;
  m_btnPrintInativo = relatorio.inativo;
  m_speedBtnPrint = relatorio.speed;

  m_atualizacao = new QTimer(this);
  m_atualizacao->setSingleShot(true);
  m_atualizacao->setInterval(kIntervaloTelaMs);
  connect(m_atualizacao, &QTimer::timeout, this, [this] { GuardaEventos::executa([this] { Atualiza(); }); });

  connect(m_speedBtnStop, &QToolButton::clicked, this, [this] { GuardaEventos::executa([this] { BbStopClick(); }); });
  connect(m_speedBtnPoint, &QToolButton::clicked, this,
          [this] { GuardaEventos::executa([this] { DbgErrosEncontradosDblClick(); }); });
  connect(m_speedBtnPrint, &QToolButton::clicked, this, [this] { GuardaEventos::executa([this] { BbImprimirClick(); }); });
  connect(m_ckbAvisos, &QCheckBox::toggled, this,
          [this](bool marcado) { GuardaEventos::executa([&] { CkbAvisosClick(marcado); }); });
  connect(m_grade, &QAbstractItemView::doubleClicked, this,
          [this] { GuardaEventos::executa([this] { DbgErrosEncontradosDblClick(); }); });
  connect(m_grade, &QAbstractItemView::clicked, this, [this](const QModelIndex& indice) {
    // The hint of a finding is its whole text.
    m_grade->setToolTip(m_podePosicionar ? indice.siblingAtColumn(0).data().toString() : QString());
  });
  connect(m_grade->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { MudouLinhaAtual(); });

  connect(m_verificacao, &TVerificacaoPendencias::LinhasMudaram, this, &TFrTolvVerifica::AgendaAtualizacao);
  connect(m_verificacao, &TVerificacaoPendencias::ContadoresMudaram, this, &TFrTolvVerifica::AgendaAtualizacao);
  connect(m_verificacao, &TVerificacaoPendencias::EstadoMudou, this, &TFrTolvVerifica::AtualizaBotoes);
  connect(m_verificacao, &TVerificacaoPendencias::Reiniciada, this, [this] {
    m_podePosicionar = false;
    AtualizaContadores();
  });

  resize(640, 360);
  AtualizaContadores();
  AtualizaBotoes();
  Dispoe();
}

TFrTolvVerifica::~TFrTolvVerifica() = default;

void TFrTolvVerifica::SetDeclaracoes(const QStringList& declaracoes) { m_verificacao->SetDeclaracoes(declaracoes); }

bool TFrTolvVerifica::SemPendencias() const { return m_verificacao->SemPendencias(); }

bool TFrTolvVerifica::GetInOstensivo() const { return m_verificacao->GetInOstensivo(); }

void TFrTolvVerifica::SetServicos(IServicosVerificacao* servicos) {
  m_servicos = servicos;
  m_verificacao->SetServicos(servicos);
}

void TFrTolvVerifica::SetPodePosicionar(bool pode) {
  m_oferecePosicionar = pode;
  m_podePosicionar = pode;
  AtualizaBotoes();
}

void TFrTolvVerifica::SetMostraParar(bool mostra) {
  m_mostraParar = mostra;
  AtualizaBotoes();
}

void TFrTolvVerifica::SetVerificados(int quantidade) { m_verificacao->SetVerificados(quantidade); }
void TFrTolvVerifica::SetInterrompido(bool interrompido) { m_verificacao->SetInterrompido(interrompido); }
void TFrTolvVerifica::SetOcioso(bool ocioso) { m_verificacao->SetOcioso(ocioso); }

bool TFrTolvVerifica::ExecutarVerificacao(int& contador) {
  m_grade->setToolTip({});
  // Without the stop button and the go-to, the bottom panel keeps only the counters and the report.
  m_compacto = !m_oferecePosicionar && !m_mostraParar;
  Dispoe();
  struct AoFim {
    TFrTolvVerifica* f;
    ~AoFim() {
      f->Atualiza();
      const int ultima = f->m_modelo->rowCount() - 1;
      if (ultima >= 0) f->m_grade->setCurrentIndex(f->m_modelo->index(ultima, 0));
      f->MudouLinhaAtual();
    }
  } aoFim{this};
  return m_verificacao->ExecutarVerificacao(contador);
}

void TFrTolvVerifica::AgendaAtualizacao() {
  if (!m_atualizacao->isActive()) m_atualizacao->start();
}

void TFrTolvVerifica::Atualiza() {
  m_atualizacao->stop();
  if (m_modelo->Pendente()) {
    m_modelo->Publica();
    // While the run works the grid follows the last row, as the run's cursor does.
    if (m_verificacao->EmExecucao() && m_modelo->rowCount() > 0) {
      m_grade->setCurrentIndex(m_modelo->index(m_modelo->rowCount() - 1, 0));
      m_grade->scrollToBottom();
    }
  }
  AtualizaContadores();
}

void TFrTolvVerifica::AtualizaContadores() {
  m_pnVerificados->setText(QStringLiteral("Verificados: %1").arg(m_verificacao->GetVerificados()));
  m_panelNumErros->setText(QStringLiteral("Erros: %1").arg(m_verificacao->GetNumErros()));
  m_panelNumAvisos->setText(QStringLiteral("Avisos: %1").arg(m_verificacao->GetNumAvisos()));
  m_labelTempo->setText(m_verificacao->GetTempo());
}

void TFrTolvVerifica::AtualizaBotoes() {
  const TVerificacaoPendencias& v = *m_verificacao;
  const bool parado = v.GetInterrompido();
  const bool pararDisponivel = !v.GetOcioso() && !parado;
  Mostra(m_btnStop, m_btnStopInativo, m_mostraParar, pararDisponivel);
  const bool relatorio = !(m_mostraParar && pararDisponivel);
  Mostra(m_btnPrint, m_btnPrintInativo, true, relatorio);
  Mostra(m_btnPoint, m_btnPointInativo, m_oferecePosicionar, v.GetOcioso() && !v.EmExecucao() && m_podePosicionar);
  m_labelStop->setText(v.GetTextoParada());
  m_labelStop->setVisible(parado);
  m_labelMens->setVisible(!parado);
  Dispoe();
}

void TFrTolvVerifica::MudouLinhaAtual() {
  const QModelIndex atual = m_grade->currentIndex();
  m_podePosicionar = atual.isValid() && m_modelo->Linha(atual.row()).LevaAoCampo();
  AtualizaBotoes();
}

void TFrTolvVerifica::Dispoe() {
  const int altura = m_compacto ? kAlturaCompacta : kAlturaInferior;
  const int topoPainel = height() - altura;

  const std::initializer_list<std::pair<QWidget*, QWidget*>> botoes{
      {m_btnPrint, m_btnPrintInativo}, {m_btnPoint, m_btnPointInativo}, {m_btnStop, m_btnStopInativo}};
  int oferecidos = 0;
  for (auto [botao, inativo] : botoes)
    if (!botao->isHidden() || !inativo->isHidden()) ++oferecidos;
  // A narrow host (the pendency window) gives up room of the counters and the buttons before
  // the box "Mostrar avisos" is cut.
  const int larguraCaixa = m_compacto ? 0 : m_ckbAvisos->sizeHint().width() + 6;
  const auto sobra = [&](int contadores, int botao) {
    return width() - 2 * kMargem - contadores - 16 - larguraCaixa - oferecidos * (botao + 6);
  };
  int contadores = kLarguraContadores;
  if (const int falta = sobra(contadores, kLarguraBotao); falta < 0)
    contadores = std::max(kLarguraContadoresMinima, contadores + falta);
  int larguraBotao = kLarguraBotao;
  if (oferecidos > 0 && sobra(contadores, larguraBotao) < 0)
    larguraBotao = std::max(kLarguraBotaoMinima, larguraBotao + sobra(contadores, larguraBotao) / oferecidos);

  if (m_compacto) {
    m_pnVerificados->setGeometry(kMargem, 1, contadores, 12);
    m_panelNumErros->setGeometry(kMargem, 13, contadores, 12);
    m_panelNumAvisos->setGeometry(kMargem, 25, contadores, 12);
  } else {
    m_pnVerificados->setGeometry(kMargem, 9, contadores, 16);
    m_panelNumErros->setGeometry(kMargem, 29, contadores, 16);
    m_panelNumAvisos->setGeometry(kMargem, 49, contadores, 16);
  }
  m_pnAvisos->setVisible(!m_compacto);
  m_pnEspaco->setVisible(!m_compacto);

  // The buttons from the right edge: only those offered take room.
  int direita = width() - kMargem;
  const int topoBotao = m_compacto ? (altura - kAlturaBotao) / 2 : altura - kAlturaBotao - 7;
  for (auto [botao, inativo] : botoes) {
    if (botao->isHidden() && inativo->isHidden()) continue;
    direita -= larguraBotao;
    for (QWidget* painel : {botao, inativo}) {
      painel->setGeometry(direita, topoBotao, larguraBotao, kAlturaBotao);
      if (auto* speed = painel->findChild<QToolButton*>()) speed->setGeometry(1, 1, larguraBotao - 2, kAlturaBotao - 2);
    }
    direita -= 6;
  }

  const int esquerda = kMargem + contadores + 6;
  m_pnEspaco->setGeometry(esquerda, 8, 1, altura - 16);
  const int xTexto = esquerda + 10;
  // The notice above the buttons; in the small panel of the wizards, on a strip of its own above it.
  const QRect texto = m_compacto ? QRect(kMargem, 0, width() - 2 * kMargem, 0)
                                 : QRect(xTexto, topoPainel + 5, std::max(40, width() - kMargem - xTexto), 30);
  for (QLabel* l : {m_labelMens, m_labelStop}) {
    l->setFont(PaletaTolv::arial(8, l == m_labelStop));
    if (!m_compacto && l->heightForWidth(texto.width()) > texto.height()) l->setFont(PaletaTolv::arial(7, l == m_labelStop));
  }
  int faixa = 0;
  if (m_compacto)
    faixa = std::max(m_labelMens->heightForWidth(texto.width()), m_labelStop->heightForWidth(texto.width())) + 8;
  m_grade->setGeometry(0, 0, width(), std::max(0, topoPainel - faixa));
  m_pnInferior->setGeometry(0, topoPainel, width(), altura);
  for (QLabel* l : {m_labelMens, m_labelStop}) {
    l->setGeometry(m_compacto ? QRect(texto.x(), topoPainel - faixa + 4, texto.width(), faixa - 8) : texto);
    l->raise();
  }
  const int larguraAvisos = std::max(0, std::min(std::max(160, larguraCaixa), direita - xTexto));
  m_pnAvisos->setGeometry(xTexto, altura - 27, larguraAvisos, 20);
  m_ckbAvisos->resize(m_ckbAvisos->sizeHint());
}

void TFrTolvVerifica::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  Dispoe();
}

void TFrTolvVerifica::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // The current row is in sight when the host shows the list made while it was hidden.
  if (m_grade->currentIndex().isValid()) m_grade->scrollTo(m_grade->currentIndex());
}

bool TFrTolvVerifica::eventFilter(QObject* objeto, QEvent* evento) {
  // The grid swallows Esc: it never closes the window around it.
  if (objeto == m_grade && evento->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape)
    return true;
  return QWidget::eventFilter(objeto, evento);
}

void TFrTolvVerifica::BbStopClick() {
  m_verificacao->Para();
  QCoreApplication::processEvents();
}

void TFrTolvVerifica::CkbAvisosClick(bool marcado) {
  ConfiguracoesTolv::GravaExibirAvisos(marcado);
  m_verificacao->SetMostrarAvisos(marcado);
}

void TFrTolvVerifica::DbgErrosEncontradosDblClick() {
  // Nothing while a run is under way: its processing of events must start nothing else.
  if (m_somenteConsulta || m_verificacao->EmExecucao() || !m_btnStop->isHidden() || !parentWidget()) return;
  if (!m_podePosicionar || !m_oferecePosicionar) return;
  const QModelIndex atual = m_grade->currentIndex();
  if (!atual.isValid()) return;
  Posicionador posiciona = m_aoPosicionar;
  if (!posiciona) {
    IServicosVerificacao* servicos = m_servicos ? m_servicos : ServicosVerificacao::Atuais();
    if (!servicos) return;
    posiciona = [servicos](const QString& dono, const QString& objeto, int secao) {
      servicos->IrParaPendencia(dono, objeto, secao);
    };
  }
  const LinhaVerificacao linha = m_modelo->Linha(atual.row());
  // The window that holds the list gives way by hiding: a window manager may take the main window
  // along when a window that belongs to it is minimized. The list comes back with the next run.
  window()->hide();
  QCoreApplication::processEvents();
  posiciona(linha.aQuemPertence, linha.quemEh, linha.objeto);
}

void TFrTolvVerifica::BbImprimirClick() {
  if (m_verificacao->EmExecucao() || m_imprimindo) return;
  m_imprimindo = true;
  // The row changes while the report walks the list do not touch the buttons.
  const QSignalBlocker bloqueio(m_grade->selectionModel());
  struct Fim {
    bool& f;
    ~Fim() { f = false; }
  } fim{m_imprimindo};
  if (!ListaImpressoras().empty() && !ImpressoraPadrao().isEmpty()) {
    if (ImpressoraIndisponivel()) ExibeMensagem(TErro::TextoMensagem(kImpressoraIndisponivel), TipoMensagem::Aviso);
    if (m_impressao) m_impressao(m_visualizar);
  } else {
    ExibeMensagem(TErro::FormataMensagem(kSemImpressora, {}), TipoMensagem::Informacao);
  }
}
