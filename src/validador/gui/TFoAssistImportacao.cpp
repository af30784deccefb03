#include "validador/gui/TFoAssistImportacao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "controles/ArteTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/PreencheNaturezas.h"
#include "controles/TGradeDeclaracoes.h"
#include "controles/TTolvEdit.h"
#include "controles/TZUQOpenDialogBox.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "nucleo/UtilArquivos.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/compressao/BibliotecaCompressao.h"
#include "plataforma/gui/Foco.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/ArquivoTexto.h"
#include "validador/ImportacaoAnosAnteriores.h"
#include "validador/TArqComprovante.h"
#include "validador/gui/ErrosImportComprovante.h"
#include "validador/gui/TTolvGridAmostra.h"

namespace {

constexpr int kPaginas = 12;
constexpr int kPaginaConflito = 6;
constexpr int kMensagemCopiaSeguranca = 139;
constexpr int kMensagemLeiaute = 295;
constexpr int kMensagemNome = 49;
constexpr int kMensagemAno = 45;
constexpr int kMensagemNatureza = 27;
constexpr int kMensagemOutroEstabelecimento = 184;
constexpr int kMensagemNaturezaExcepcional = 141;
constexpr int kAjudaNaturezaExcepcional = 12000;
constexpr int kNaturezaExcepcional = 7;
// Keys typed on page 8 are gathered while they come closer than this.
constexpr qint64 kIntervaloTeclas = 864;  // ms
const QColor kCorPanel16(0xB7, 0xB7, 0xB9);

const QString kTitulo = QStringLiteral("Assistente de análise/importação de arquivos");
const QString kFiltro = QStringLiteral(
    "Arquivo texto (*.txt)|*.txt|Tolv original (*.dec;*.d10;*.d00;*.d90;*.rfo)|*.dec;*.d10;*.d00;*.d90;*.rfo "
    "|Tolv retificadora (*.d21;*.d11;*.d01;*.d91;*.rfr;*.dec)|*.d21;*.d11;*.d01;*.d91;*.rfr;*.dec|Todos arquivos "
    "(*.*)|*.*");

// The one wizard that may be open.
TFoAssistImportacao* g_assistente = nullptr;

QLabel* Texto(QWidget* pai, const QString& texto, const char* nome = nullptr, bool quebra = true) {
  auto* l = new QLabel(texto, pai);
  if (nome) l->setObjectName(QString::fromLatin1(nome));
  l->setWordWrap(quebra);
  return l;
}

QLabel* Titulo(QWidget* pai, const QString& texto) {
  QLabel* l = Texto(pai, texto);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QVBoxLayout* Coluna(QWidget* pai) {
  auto* l = new QVBoxLayout(pai);
  l->setContentsMargins(20, 16, 20, 10);
  l->setSpacing(6);
  return l;
}

QProgressBar* Barra(QWidget* pai, const char* nome) {
  auto* b = new QProgressBar(pai);
  b->setObjectName(QString::fromLatin1(nome));
  b->setRange(0, 100);
  b->setValue(0);
  return b;
}

// A page of a long step: its text over its progress bar (and a line of its own, when asked).
QProgressBar* PaginaProgresso(QWidget* p, const QString& texto, const char* nome, QLabel** rotulo = nullptr) {
  QVBoxLayout* v = Coluna(p);
  v->addStretch(1);
  v->addWidget(Texto(p, texto));
  QProgressBar* barra = Barra(p, nome);
  v->addWidget(barra);
  if (rotulo) {
    *rotulo = Texto(p, QString(), "Label20");
    v->addWidget(*rotulo);
  }
  v->addStretch(2);
  return barra;
}

// A page of a sample: its text over the grid.
void PaginaAmostra(QWidget* p, const QString& texto, QWidget* grade) {
  QVBoxLayout* v = Coluna(p);
  v->addWidget(Texto(p, texto));
  v->addWidget(grade, 1);
}

QRadioButton* Radio(QWidget* pai, const QString& texto, const char* nome) {
  auto* r = new QRadioButton(texto, pai);
  r->setObjectName(QString::fromLatin1(nome));
  return r;
}

// The "Não" and "Sim" of a question, side by side on a panel of their own.
QWidget* SimNao(QWidget* pai, const char* painel, const char* nomeNao, const char* nomeSim, QRadioButton*& nao,
                QRadioButton*& sim) {
  auto* p = new QWidget(pai);
  p->setObjectName(QString::fromLatin1(painel));
  auto* h = new QHBoxLayout(p);
  h->setContentsMargins(0, 0, 0, 0);
  nao = Radio(p, QStringLiteral("Não"), nomeNao);
  sim = Radio(p, QStringLiteral("Sim"), nomeSim);
  h->addWidget(nao);
  h->addWidget(sim);
  return p;
}

// A floppy disk, the page's picture of a file to bring in.
QPixmap Disquete() {
  QPixmap p(72, 72);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(30, 40, 70), 2));
  g.setBrush(QColor(48, 72, 128));
  g.drawRoundedRect(QRectF(6, 6, 60, 60), 4, 4);
  g.setBrush(QColor(210, 214, 220));
  g.drawRect(QRectF(20, 8, 32, 20));
  g.setBrush(QColor(48, 72, 128));
  g.drawRect(QRectF(40, 11, 7, 14));
  g.setBrush(Qt::white);
  g.drawRect(QRectF(14, 36, 44, 28));
  g.setPen(QPen(QColor(160, 170, 190), 1));
  for (int y = 44; y < 62; y += 6) g.drawLine(18, y, 54, y);
  return p;
}

QString TextoValor(const Valor& v) { return v.formata(2, true); }

class TEstadoImportacao : public TEstado {
 public:
  TEstadoImportacao(TFormAssist* dono, int pagina, TFoAssistImportacao* assistente)
      : TEstado(dono, pagina), m_assistente(assistente) {}

  void Entra() override { m_assistente->EntraPasso(Pagina()); }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    bool continua = false;
    SetProximo(m_assistente->Rota(Pagina(), evento, continua));
    return continua;
  }

 private:
  TFoAssistImportacao* m_assistente;
};

}  // namespace

TFoAssistImportacao::TFoAssistImportacao(TColecaoTolv& colecao, QWidget* dono)
    : TFormAssist(dono),
      m_colecao(&colecao),
      m_erros(std::make_unique<TErros>()),
      m_tolv(std::make_unique<TTolv>()) {
  setObjectName(QStringLiteral("FoAssistImportacao"));
  setWindowTitle(kTitulo);
  resize(600, 360);
  m_tolv->SetErros(m_erros.get());
  m_importacao = std::make_unique<ImportacaoAnosAnteriores>(*m_tolv, colecao);
  for (QWidget* b : {static_cast<QWidget*>(CancelBtn()), static_cast<QWidget*>(BtnOK()),
                     static_cast<QWidget*>(BtnRetornar()), static_cast<QWidget*>(BtnAvancar())})
    b->setProperty("HelpContext", kAjuda);
  BtnOK()->setProperty("iconeConcluir", BtnOK()->icon());
  criaPaginas();
  for (int p = 1; p <= kPaginas; ++p) CriaEstado<TEstadoImportacao>(p, this);
  ExecutaEstado();
}

TFoAssistImportacao::~TFoAssistImportacao() {
  // The pages' widgets outlive this part of the wizard: the name edit, losing the focus as it
  // goes, would call its handler on members already gone.
  for (QObject* filho : findChildren<QObject*>()) filho->blockSignals(true);
  // The name edit observes the declaration's name: it lets go before the declaration goes.
  if (m_deNome) m_deNome->AssociaDado(nullptr);
}

QWidget* TFoAssistImportacao::Painel(int pagina) const {
  return pagina >= 1 && pagina <= kPaginas ? m_paineis[pagina] : nullptr;
}

void TFoAssistImportacao::criaPaginas() {
  QWidget* area = AreaPaginas();
  auto* pilha = new QVBoxLayout(area);
  pilha->setContentsMargins(0, 0, 0, 0);
  for (int p = 1; p <= kPaginas; ++p) {
    m_paineis[p] = new QWidget(area);
    m_paineis[p]->setObjectName(QStringLiteral("Panel%1").arg(p));
    m_paineis[p]->hide();
    pilha->addWidget(m_paineis[p]);
  }
  {
    QWidget* p = m_paineis[1];
    auto* h = new QHBoxLayout(p);
    h->setContentsMargins(0, 0, 20, 0);
    auto* panel16 = new QWidget(p);
    panel16->setObjectName(QStringLiteral("Panel16"));
    PaletaTolv::pinta(panel16, kCorPanel16.rgb());
    panel16->setFixedWidth(130);
    auto* imagem = new QLabel(panel16);
    imagem->setObjectName(QStringLiteral("Image2"));
    imagem->setPixmap(Disquete());
    imagem->setGeometry(29, 40, 72, 72);
    h->addWidget(panel16);
    auto* v = new QVBoxLayout;
    v->setContentsMargins(16, 20, 0, 10);
    v->setSpacing(12);
    v->addWidget(Titulo(p, kTitulo));
    v->addWidget(Texto(p, QStringLiteral("O programa permite a importação/análise de declaração ou de um arquivo texto  "
                                         "conforme leiaute especificado pela BVD, e também a importação do comprovante "
                                         "de rendimentos.")));
    v->addWidget(Texto(p, QStringLiteral("Clique em Avançar para informar a localização do arquivo.")));
    v->addWidget(Texto(p, QStringLiteral("Para ver o leiaute vá em Ajuda - Leiaute do Arquivo.")));
    v->addStretch(1);
    h->addLayout(v, 1);
  }
  {
    QWidget* p = m_paineis[2];
    QVBoxLayout* v = Coluna(p);
    v->addWidget(Titulo(p, QStringLiteral("Indique o que deseja importar:")));
    m_lDescrImportacao = Texto(p,
                               QStringLiteral("Você poderá importar arquivos de declarações gravadas ou ,ainda, importar "
                                              "seus dados de um arquivo texto."),
                               "LDescrImportacao");
    v->addWidget(m_lDescrImportacao);
    v->addSpacing(8);
    v->addWidget(Texto(p, QStringLiteral("Selecione ou digite o caminho e nome do arquivo que deseja importar")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(p);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    auto* botao = new QPushButton(QStringLiteral("..."), p);
    botao->setObjectName(QStringLiteral("BitBtn1"));
    botao->setFixedSize(28, 23);
    m_bitBtn1 = botao;
    linha->addWidget(m_edArquivo, 1);
    linha->addWidget(botao);
    v->addLayout(linha);
    v->addStretch(1);
    connect(m_edArquivo, &QLineEdit::textChanged, this, [this] { GuardaEventos::executa([this] { EdArquivoChange(); }); });
    connect(botao, &QPushButton::clicked, this, [this] { GuardaEventos::executa([this] { BitBtn1Click(); }); });
  }
  m_gauge3 = PaginaProgresso(m_paineis[3], QStringLiteral("Descomprimindo o arquivo ..."), "Gauge3");
  {
    QWidget* p = m_paineis[4];
    QVBoxLayout* v = Coluna(p);
    v->setSpacing(4);
    m_lAlteracaoDados = Texto(p, QString(), "LAlteracaoDados");
    QFont negrito = m_lAlteracaoDados->font();
    negrito.setBold(true);
    m_lAlteracaoDados->setFont(negrito);
    v->addWidget(m_lAlteracaoDados);
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(8);
    grade->addWidget(Texto(p, QStringLiteral("Ano-Calendário"), nullptr, false), 0, 0);
    m_cbAnoRet = new QComboBox(p);
    m_cbAnoRet->setObjectName(QStringLiteral("CbAnoRet"));
    m_cbAnoRet->setFixedWidth(80);
    grade->addWidget(m_cbAnoRet, 0, 1, Qt::AlignLeft);
    grade->addWidget(Texto(p, QStringLiteral("Nome/Nome Empresarial:"), nullptr, false), 1, 0);
    m_deNome = new TTolvEdit(p);
    m_deNome->setObjectName(QStringLiteral("DENome"));
    grade->addWidget(m_deNome, 1, 1);
    m_painelNatureza = new QWidget(p);
    m_painelNatureza->setObjectName(QStringLiteral("Panel14"));
    auto* linhaNatureza = new QHBoxLayout(m_painelNatureza);
    linhaNatureza->setContentsMargins(0, 0, 0, 0);
    m_cbTipoDeclar = new QComboBox(m_painelNatureza);
    m_cbTipoDeclar->setObjectName(QStringLiteral("CbTipoDeclar"));
    linhaNatureza->addWidget(m_cbTipoDeclar, 1);
    grade->addWidget(Texto(p, QStringLiteral("Natureza do Declarante:"), nullptr, false), 2, 0);
    grade->addWidget(m_painelNatureza, 2, 1);
    grade->setColumnStretch(1, 1);
    v->addLayout(grade);
    m_grupoJustica = new QGroupBox(QStringLiteral(" Informou Justiça do Trab.? "), p);
    m_grupoJustica->setObjectName(QStringLiteral("GroupBox1"));
    auto* g = new QGridLayout(m_grupoJustica);
    g->setContentsMargins(8, 4, 8, 4);
    g->setVerticalSpacing(2);
    g->addWidget(Texto(m_grupoJustica,
                       QStringLiteral("O declarante é instituição financeira que na condição de depositária de crédito "
                                      "efetuou\npagamentos de rendimentos decorrentes de decisão da Justiça do "
                                      "Trabalho/Federal?"),
                       nullptr, false),
                 0, 0);
    g->addWidget(SimNao(m_grupoJustica, "Panel15", "RbAdNao", "RBAdSim", m_rbAdNao, m_rbAdSim), 0, 1, Qt::AlignRight);
    g->addWidget(Texto(m_grupoJustica,
                       QStringLiteral("O declarante é administrador ou intermediador de fundo ou clube de investimentos?"),
                       nullptr, false),
                 1, 0);
    g->addWidget(SimNao(m_grupoJustica, "Panel17", "RBNatNao", "RBNatSim", m_rbNatNao, m_rbNatSim), 1, 1,
                 Qt::AlignRight);
    v->addWidget(m_grupoJustica);
    v->addStretch(1);

    const auto guarda = [this](void (TFoAssistImportacao::*h)()) {
      return [this, h] { GuardaEventos::executa([this, h] { (this->*h)(); }); };
    };
    connect(m_cbAnoRet, &QComboBox::activated, this, guarda(&TFoAssistImportacao::CbAnoRetChange));
    connect(m_cbTipoDeclar, &QComboBox::activated, this, guarda(&TFoAssistImportacao::CbTipoDeclarChange));
    connect(m_deNome, &QLineEdit::editingFinished, this, guarda(&TFoAssistImportacao::DENomeExit));
    connect(m_rbNatSim, &QRadioButton::clicked, this, [this] { m_tolv->SetInAdmFC(1); });
    connect(m_rbNatNao, &QRadioButton::clicked, this, [this] { m_tolv->SetInAdmFC(0); });
    connect(m_rbAdSim, &QRadioButton::clicked, this, [this] { m_tolv->SetInAdvogado(1); });
    connect(m_rbAdNao, &QRadioButton::clicked, this, [this] { m_tolv->SetInAdvogado(0); });
  }
  m_grdImpDecl = new TTolvGridImpDecl(m_paineis[5]);
  PaginaAmostra(m_paineis[5],
                QStringLiteral("Veja abaixo uma amostra de como os  registros serão importados para sua declaração"),
                m_grdImpDecl);
  {
    m_gauge10 = PaginaProgresso(m_paineis[6], QStringLiteral("Importando ..."), "Gauge10", &m_label20);

    // The conflict panel takes page 6's place while a decision is asked.
    m_panel13 = new QWidget(AreaPaginas());
    m_panel13->setObjectName(QStringLiteral("Panel13"));
    m_panel13->hide();
    pilha->addWidget(m_panel13);
    QVBoxLayout* c = Coluna(m_panel13);
    c->setContentsMargins(12, 8, 12, 4);
    c->setSpacing(3);
    m_abasConflito = new QTabWidget(m_panel13);
    m_abasConflito->setObjectName(QStringLiteral("PageControl1"));
    struct Aba {
      const char* titulo;
      std::vector<std::pair<const char*, const char*>> linhas;  // caption, name of the row's edits
    };
    const Aba abas[] = {
        {"Rendimentos Tributáveis", {{"Rendimentos", "Rend"}, {"Deduções", "Ded"}, {"Imposto", "Imp"}}},
        {"Compensação de Imposto por Decisão Judicial", {{"Ano Calendário", "CompAnoCal"}, {"Anos Anteriores", "CompAnoAnt"}}},
        {"Tributação com Exigibilidade Suspensa",
         {{"Rendimentos", "SJRend"}, {"Deduções", "SJDed"}, {"IRRF", "SJIrrf"}, {"Depósito", "SJDep"}}},
    };
    const char* const colunas[] = {"Atual", "Import", "Consol"};
    int linhaTotal = 0;
    for (const Aba& aba : abas) {
      auto* pagina = new QWidget(m_abasConflito);
      auto* g = new QGridLayout(pagina);
      g->setContentsMargins(6, 4, 6, 4);
      g->setVerticalSpacing(2);
      g->addWidget(Texto(pagina, QStringLiteral("Valores da base (Atual)"), nullptr, false), 0, 1, Qt::AlignCenter);
      g->addWidget(Texto(pagina, QStringLiteral("Valores do arquivo (Importado)"), nullptr, false), 0, 2, Qt::AlignCenter);
      g->addWidget(Texto(pagina, QStringLiteral("Valores consolidados (Soma)"), nullptr, false), 0, 3, Qt::AlignCenter);
      int r = 1;
      for (const auto& [legenda, nome] : aba.linhas) {
        g->addWidget(Texto(pagina, QString::fromUtf8(legenda), nullptr, false), r, 0);
        for (int col = 0; col < 3; ++col) {
          auto* e = new QLineEdit(pagina);
          e->setObjectName(QStringLiteral("De%1%2").arg(QLatin1String(nome), QLatin1String(colunas[col])));
          e->setReadOnly(true);
          e->setAlignment(Qt::AlignRight);
          e->setFocusPolicy(Qt::NoFocus);
          m_totais[linhaTotal][col] = e;
          g->addWidget(e, r, col + 1);
        }
        ++linhaTotal;
        ++r;
      }
      g->setRowStretch(r, 1);
      m_abasConflito->addTab(pagina, QString::fromUtf8(aba.titulo));
    }
    c->addWidget(m_abasConflito, 1);
    m_lbBenefJaConsta = Texto(m_panel13, QString(), "LbBenefJaConsta");
    c->addWidget(m_lbBenefJaConsta);
    c->addWidget(Texto(m_panel13, QStringLiteral("Você deseja:")));
    auto* escolhas = new QHBoxLayout;
    m_rbManter = Radio(m_panel13, QStringLiteral("Manter o atual"), "RBManter");
    m_rbSubstitui = Radio(m_panel13, QStringLiteral("Substituir pelo importado"), "RBSubstitui");
    m_rbComplementa = Radio(m_panel13, QStringLiteral("Substituir pela soma dos dois"), "RBComplementa");
    escolhas->addWidget(m_rbManter);
    escolhas->addWidget(m_rbSubstitui);
    escolhas->addWidget(m_rbComplementa);
    escolhas->addStretch(1);
    c->addLayout(escolhas);
    m_cbTodosReg = new QCheckBox(QStringLiteral("Aplicar a todos os registros que estiverem nesta situação"), m_panel13);
    m_cbTodosReg->setObjectName(QStringLiteral("CBTodosReg"));
    c->addWidget(m_cbTodosReg);
  }
  {
    QWidget* p = m_paineis[7];
    QVBoxLayout* v = Coluna(p);
    v->addWidget(Titulo(p, QStringLiteral("Declaração Importada contém:")));
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(3);
    struct Contador {
      const char* legenda;
      const char* nome;
    };
    // In the order of the import's counters; the declarations' one is not shown.
    const Contador contadores[] = {{"", "LbTotDecImp"},
                                   {"Beneficiário(s) Adicionado(s):", "LbTotBenefAdic"},
                                   {"Beneficiário(s) Substituído(s):", "LbTotBenefSubs"},
                                   {"Beneficiário(s) Consolidado(s):", "LbTotBenefConsol"},
                                   {"Beneficiário(s) Rejeitado(s):", "LbDescartados"},
                                   {"Registro(s) Rejeitado(s):", "LbTotRej"},
                                   {"Fundo(s) ou Clube(s):", "LbAnexosAdic"},
                                   {"Justiça do Trabalho/Federal:", "LbAdvAdic"},
                                   {"Aviso(s):", "LbAvisos"}};
    int r = 0;
    for (int i = 0; i < 9; ++i) {
      m_contadores[i] = Texto(p, QStringLiteral("0"), contadores[i].nome, false);
      m_contadores[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (i == 0) {
        m_contadores[i]->hide();
        continue;
      }
      g->addWidget(Texto(p, QString::fromUtf8(contadores[i].legenda), nullptr, false), r, 0);
      g->addWidget(m_contadores[i], r, 1);
      ++r;
    }
    g->setColumnMinimumWidth(1, 50);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    m_lblMnsErro = Texto(p, QStringLiteral("Foram encontrado(s) erro(s) conforme resumo apresentado, verifique o relatório "
                                           "de erro(s) e faça as correções necessárias."),
                         "lblMnsErro");
    m_lblMnsErro->hide();
    v->addWidget(m_lblMnsErro);
    m_checkMostrRel = new QCheckBox(QStringLiteral("Mostrar relatório de erro(s)/aviso(s)"), p);
    m_checkMostrRel->setObjectName(QStringLiteral("CheckMostrRel"));
    m_checkMostrRel->setChecked(true);
    m_checkMostrRel->hide();
    v->addWidget(m_checkMostrRel);
    v->addStretch(1);
  }
  {
    QWidget* p = m_paineis[8];
    QVBoxLayout* v = Coluna(p);
    v->addWidget(Texto(p, QStringLiteral("Selecione a declaração para onde os dados de comprovante serão importados.")));
    m_dbGrDeclaracao = new TGradeDeclaracoes(p);
    m_dbGrDeclaracao->installEventFilter(this);
    v->addWidget(m_dbGrDeclaracao, 1);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(10);
    connect(m_timer1, &QTimer::timeout, this, [this] {
      if (QDateTime::currentMSecsSinceEpoch() - m_ultimaTecla <= kIntervaloTeclas) return;
      m_timer1->stop();
      Localiza(m_teclas);
      m_teclas.clear();
    });
  }
  m_grdImpCompr = new TTolvGridImpCompr(m_paineis[9]);
  PaginaAmostra(m_paineis[9], QStringLiteral("Veja abaixo uma amostra de como os  registros serão importados:"),
                m_grdImpCompr);
  m_gauge2 = PaginaProgresso(m_paineis[10], QStringLiteral("Importando ..."), "Gauge2");
  {
    QWidget* p = m_paineis[11];
    QVBoxLayout* v = Coluna(p);
    v->addWidget(Titulo(p, QStringLiteral("Importação de Comprovantes de Rendimentos Concluída.")));
    auto* g = new QGridLayout;
    g->addWidget(Texto(p, QStringLiteral("Comprovantes de Rendimentos importados:"), nullptr, false), 0, 0);
    m_lblComprImportados = Texto(p, QStringLiteral("0"), "lblComprImportados", false);
    g->addWidget(m_lblComprImportados, 0, 1);
    g->addWidget(Texto(p, QStringLiteral("Quantidade de Registros rejeitada:"), nullptr, false), 1, 0);
    m_lblComprRejeitados = Texto(p, QStringLiteral("0"), "lblComprRejeitados", false);
    g->addWidget(m_lblComprRejeitados, 1, 1);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    m_mostraRelErroCompr = new QCheckBox(QStringLiteral("Mostrar Relatório de Erros"), p);
    m_mostraRelErroCompr->setObjectName(QStringLiteral("MostraRelErroCompr"));
    m_mostraRelErroCompr->setChecked(true);
    m_mostraRelErroCompr->hide();
    v->addWidget(m_mostraRelErroCompr);
    v->addStretch(1);
  }
  {
    QWidget* p = m_paineis[12];
    auto* h = new QHBoxLayout(p);
    h->setContentsMargins(20, 20, 20, 10);
    h->setSpacing(16);
    auto* imagem = new QLabel(p);
    imagem->setObjectName(QStringLiteral("Image4"));
    imagem->setPixmap(ArteTolv::icone(ArteTolv::Icone::Erro, 48));
    h->addWidget(imagem, 0, Qt::AlignTop);
    m_lErro = Texto(p, QString(), "LErro");
    h->addWidget(m_lErro, 1, Qt::AlignTop);
  }
}

void TFoAssistImportacao::HabilitaBotoes(bool voltar, bool avancar, bool concluir, bool cancelar) {
  BtnRetornar()->setEnabled(voltar);
  BtnAvancar()->setEnabled(avancar);
  BtnOK()->setEnabled(concluir);
  CancelBtn()->setEnabled(cancelar);
}

void TFoAssistImportacao::BotaoFechar(bool fechar) {
  BtnOK()->setText(fechar ? QStringLiteral("&Fechar") : QStringLiteral("C&oncluir"));
  // The closing picture stands where the button's own one was.
  BtnOK()->setIcon(fechar ? QIcon() : BtnOK()->property("iconeConcluir").value<QIcon>());
  ImgFechar()->setVisible(fechar);
}

void TFoAssistImportacao::MostraPagina(int pagina) {
  if (QWidget* anterior = Painel(PaginaAtual())) anterior->hide();
  m_panel13->hide();
  if (QWidget* painel = Painel(pagina)) painel->show();
  SetPaginaAtual(pagina);
  switch (pagina) {
    case 1:
      HabilitaBotoes(false, true, false, true);
      break;
    case 2: {
      HabilitaBotoes(true, false, false, true);
      EdArquivoChange();
      break;
    }
    case 6:
    case 10:
      HabilitaBotoes(false, false, false, true);
      break;
    case 7:
      HabilitaBotoes(false, false, true, false);
      break;
    case 11:
    case 12:
      HabilitaBotoes(false, false, true, true);
      break;
    default:
      HabilitaBotoes(true, true, true, true);
  }
  BotaoFechar(pagina == 7 || pagina == 11 || pagina == 12);
  if (pagina >= 3) FocaPrimeiroBotao({BtnAvancar(), BtnOK(), BtnRetornar(), CancelBtn()});
}

void TFoAssistImportacao::EdArquivoChange() {
  if (PaginaAtual() != 2) return;
  const QString nome = m_edArquivo->text();
  bool definido = ImportacaoAnosAnteriores::NomeDefinido(nome);
  if (definido && ImportacaoAnosAnteriores::CopiaSeguranca(nome)) {
    TErro(kMensagemCopiaSeguranca, nome).Mostra();
    definido = false;
    m_bitBtn1->setFocus();
  }
  BtnAvancar()->setEnabled(definido);
  BtnOK()->setEnabled(definido);
}

void TFoAssistImportacao::BitBtn1Click() {
  TZUQOpenDialogBox* dialogo = TZUQOpenDialogBox::Novo();
  if (dialogo->InitialDir().isEmpty()) dialogo->SetInitialDir(ConfiguracoesTolv::DiretorioImportacao());
  dialogo->SetFilter(kFiltro);
  dialogo->SetFilterIndex(ConfiguracoesTolv::MascaraImportacao());
  if (!dialogo->Execute()) return;
  m_edArquivo->setText(dialogo->FileName());
  ConfiguracoesTolv::GravaMascaraImportacao(dialogo->FilterIndex());
  if (BtnAvancar()->isEnabled()) BtnAvancar()->setFocus();
}

QString TFoAssistImportacao::PastaArquivo() const {
  const QString arquivo = m_edArquivo->text().trimmed();
  return arquivo.contains(u'/') ? QFileInfo(arquivo).absolutePath() : QString();
}

bool TFoAssistImportacao::PodeAvancar(int indice) {
  switch (indice) {
    case 2: return ImportacaoAnosAnteriores::PodeLer(m_edArquivo->text().trimmed());
    case 4: return PodeAvancarDeclarante();
    case 8: return PodeAvancarDeclaracao();
    default: return true;
  }
}

bool TFoAssistImportacao::PodeAvancarDeclarante() {
  const auto informa = [](int codigo, const QString& argumentos = {}) {
    TErro::MostraTexto(TErro::FormataMensagem(codigo, argumentos), TipoMensagem::Informacao);
    return false;
  };
  const QString nome = m_deNome->text().trimmed();
  if (nome.isEmpty()) return informa(kMensagemNome, nome);
  if (m_cbAnoRet->currentText().trimmed().size() != 4) return informa(kMensagemAno);
  if (m_cbTipoDeclar->currentIndex() < 0 && m_cbTipoDeclar->count() > 0) return informa(kMensagemNatureza);
  if (m_painelNatureza->isEnabled() && m_cbTipoDeclar->currentText().trimmed().isEmpty()) return informa(kMensagemNatureza);
  QString normalizado = nome;
  if (const int codigo = TNomeContribuinte::ValidaNome(normalizado, m_tolv->GetContribuinte().GetTipo(), false))
    return informa(codigo, nome);
  if (m_rbNatSim->isEnabled() && m_rbNatNao->isEnabled() && !m_rbNatSim->isChecked() && !m_rbNatNao->isChecked() &&
      m_tolv->GetNatureza() && m_tolv->GetNatureza()->GetCodigo() == kNaturezaExcepcional) {
    TErro::MostraTexto(TErro::FormataMensagem(kMensagemLeiaute, {}), TipoMensagem::Erro);
    return false;
  }
  // Another establishment of the company has a declaration: only public bodies may share the root.
  const int natureza = m_cbTipoDeclar->currentIndex();
  if (m_importacao->OutroEstabelecimento() && natureza != 1 && natureza != 2) {
    TErro::MostraTexto(TErro::FormataMensagem(kMensagemOutroEstabelecimento, m_tolv->GetContribuinte().GetNiFormatado()),
                       TipoMensagem::Erro);
    return false;
  }
  return true;
}

bool TFoAssistImportacao::PodeAvancarDeclaracao() {
  const LinhaDeclaracao* linha = m_dbGrDeclaracao->Selecionada();
  if (!linha) return false;
  m_tolv->SetTolvDK(QString());
  try {
    m_tolv->GetContribuinte().SetNi(linha->CpfCnpj());
  } catch (const TErro& e) {
    e.Mostra();
    return false;
  }
  m_tolv->SetAnoCalendario(linha->ano);
  return m_colecao->CarregaTolv(*m_tolv);
}

int TFoAssistImportacao::Rota(int pagina, int evento, bool& continua) {
  const bool concluir = evento == EventoAssistente::Concluir;
  continua = false;
  switch (pagina) {
    case 1:
      continua = concluir;
      return 2;
    case 2:
      m_importacao->DefineArquivo(m_edArquivo->text().trimmed());
      if (m_importacao->TipoArquivo() == 1) {
        continua = true;
        return 3;
      }
      continua = concluir;
      return 4;
    case 3:
      continua = concluir;
      if (m_importacao->ResultadoDescompressao() == compressao::BibliotecaCompressao::kSucesso) return 4;
      m_lErro->setText(m_importacao->ResultadoDescompressao() == compressao::BibliotecaCompressao::kCancelado
                           ? QStringLiteral("A importação da declaração foi cancelada.")
                           : QStringLiteral("A declaração não pôde ser importada, pois apresentou problemas na "
                                            "descompactação do arquivo gerado."));
      return 12;
    case 4:
      continua = concluir;
      return 5;
    case 5:
      continua = true;
      return 6;
    case 6:
      if (m_importacao->Codigo() != 0) {
        m_lErro->setText(TErro::TextoMensagem(m_importacao->Codigo()));
        return 12;
      }
      return 7;
    case 8:
      continua = concluir;
      return 9;
    case 9:
      continua = true;
      return 10;
    case 10:
      return 11;
    default:
      return RotaAssistente::Conclui;
  }
}

void TFoAssistImportacao::EntraPasso(int pagina) {
  switch (pagina) {
    case 3: PassoDescompressao(); break;
    case 4: PassoDeclarante(); break;
    case 5: PassoNomeAno(); break;
    case 6: PassoImportacao(); break;
    case 7: PassoResumo(); break;
    case 9: PassoAmostraComprovante(); break;
    case 10: PassoComprovante(); break;
    default: break;
  }
}

void TFoAssistImportacao::Progresso(QProgressBar* barra, int posicao, int maximo) {
  // The bar and the window's events at most every 50 ms: once per line would cost more than
  // the line itself on a large file; Cancelar is heard within that.
  if (m_relogio.isValid() && m_relogio.elapsed() < 50 && posicao < maximo) return;
  m_relogio.start();
  if (maximo > 0 && barra->maximum() != maximo) barra->setMaximum(maximo);
  barra->setValue(posicao);
  QCoreApplication::processEvents();
}

void TFoAssistImportacao::PassoDescompressao() {
  HabilitaBotoes(false, false, false, true);
  m_gauge3->setRange(0, 100);
  m_gauge3->setValue(0);
  m_importacao->Descomprime([this](int posicao) { Progresso(m_gauge3, posicao, 100); });
}

void TFoAssistImportacao::AplicaPergunta(QRadioButton* sim, QRadioButton* nao, bool resposta, bool habilita) {
  sim->setChecked(resposta);
  nao->setChecked(!resposta);
  sim->setEnabled(habilita);
  nao->setEnabled(habilita);
}

void TFoAssistImportacao::PassoDeclarante() {
  if (m_importacao->OutroEstabelecimento()) {
    EstadoAtual()->SetAnterior(2);
    m_importacao->LimpaOutroEstabelecimento();
  }
  m_deNome->setFocus();
  m_deNome->AssociaDado(&m_tolv->GetContribuinte().GetNome());
  m_grdImpDecl->Limpa();

  const ImportacaoAnosAnteriores::Declarante r = m_importacao->LeDeclarante();
  using Situacao = LeituraAnterior::Situacao;
  if (r.leitura.situacao == Situacao::NaoLida) return;
  if (r.leitura.situacao == Situacao::SemDeclarante) {
    BtnAvancar()->setEnabled(false);
    BtnOK()->setEnabled(false);
    m_rbNatSim->setEnabled(false);
    m_rbNatNao->setEnabled(false);
    TErro::MostraTexto(TErro::FormataMensagem(kMensagemLeiaute, m_importacao->Arquivo()), TipoMensagem::Erro);
    return;
  }
  const DeclaranteAnterior& d = *r.leitura.declarante;
  if (r.anoForaDoLeiaute) TErro::MostraTexto(TErro::FormataMensagem(kMensagemLeiaute, d.ano), TipoMensagem::Aviso);
  m_cbAnoRet->clear();
  m_cbAnoRet->addItems({QStringLiteral("2011"), QStringLiteral("2010")});
  PreencheNaturezas(*m_cbTipoDeclar, *m_tolv);
  if (r.mensagemNome != 0) TErro::MostraTexto(TErro::FormataMensagem(r.mensagemNome, d.nome.trimmed()), TipoMensagem::Aviso);
  m_travaNatureza = r.travaNatureza;
  m_painelNatureza->setEnabled(!r.travaNatureza && !r.existe);
  m_deNome->setEnabled(!r.existe);
  AplicaPergunta(m_rbNatSim, m_rbNatNao, m_tolv->GetInAdmFC() != 0, !r.travaNatureza);
  m_depositarioArquivo = r.depositario;
  AplicaPergunta(m_rbAdSim, m_rbAdNao, r.depositario, true);
  m_nomeDigitado = m_tolv->GetContribuinte().GetNome().GetValor();
  m_deNome->setText(m_nomeDigitado);
  m_cbAnoRet->setCurrentIndex(-1);
  m_lAlteracaoDados->setText(r.textoAlteracao);
  if (r.leitura.falhaAmostra) {
    BtnAvancar()->setEnabled(false);
    BtnOK()->setEnabled(false);
    TErro::MostraTexto(QStringLiteral("Não foi possível ler o arquivo ") + m_importacao->Arquivo(), TipoMensagem::Erro);
    return;
  }
  for (size_t i = 0; i < r.leitura.amostra.size(); ++i) m_grdImpDecl->PoeCelulas(int(i) + 1, r.leitura.amostra[i]);
}

void TFoAssistImportacao::DENomeExit() { m_nomeDigitado = m_deNome->text(); }

void TFoAssistImportacao::AtualizaPerguntaFundo() {
  const QString ano = m_cbAnoRet->currentText();
  const int natureza = m_cbTipoDeclar->currentIndex();
  const bool aberta = ano >= QLatin1String("2004") && natureza != 1 && natureza != 2 && natureza != 5;
  if (!aberta) {
    m_tolv->SetInAdmFC(0);
    AplicaPergunta(m_rbNatSim, m_rbNatNao, false, false);
  } else {
    m_rbNatSim->setEnabled(!m_travaNatureza);
    m_rbNatNao->setEnabled(!m_travaNatureza);
  }
}

void TFoAssistImportacao::CbAnoRetChange() {
  const QString ano = m_cbAnoRet->currentText();
  m_tolv->CarregaAnoCalendario(ano);
  const QString anoArquivo = m_tolv->GetAnoCalendarioArquivo();
  if (ano < anoArquivo && ano == m_tolv->GetAnoCalendarioCorrente()) {
    const int resposta = ExibeMensagem(QStringLiteral("Declaração será importada para Ano-Calendário ") + ano +
                                           QStringLiteral(" em situação normal. Deseja continuar?"),
                                       TipoMensagem::Confirmacao);
    if (resposta == ResultadoMensagem::Sim) {
      m_tolv->SetSituacaoEspecial(0);
    } else if (m_cbAnoRet->currentIndex() != 0) {
      m_cbAnoRet->setCurrentIndex(0);
      CbAnoRetChange();
      return;
    }
  }
  const bool existe = m_colecao->CarregaTolv(*m_tolv);
  if (existe) {
    PreencheNaturezas(*m_cbTipoDeclar, *m_tolv);
    AplicaPergunta(m_rbAdSim, m_rbAdNao, m_tolv->GetInAdvogado() != 0, false);
    AplicaPergunta(m_rbNatSim, m_rbNatNao, m_tolv->GetInAdmFC() != 0, false);
  } else {
    m_tolv->GetContribuinte().GetNome().SetNomeComErro(m_nomeDigitado);
  }
  m_deNome->setEnabled(!existe);
  m_painelNatureza->setEnabled(!existe && !m_travaNatureza);
  m_lAlteracaoDados->setText(ImportacaoAnosAnteriores::TextoAlteracao(existe, m_importacao->RegistroLido(), true));
  if (!existe) AtualizaPerguntaFundo();
  if (ano == anoArquivo && m_tolv->GetNatureza() && m_tolv->GetNatureza()->GetCodigo() == m_importacao->NaturezaArquivo())
    AplicaPergunta(m_rbAdSim, m_rbAdNao, m_depositarioArquivo, !existe);
}

void TFoAssistImportacao::CbTipoDeclarChange() {
  const int codigo = m_cbTipoDeclar->currentData().toInt();
  const TNatureza* atual = m_tolv->GetNatureza();
  if (codigo == kNaturezaExcepcional && (!atual || m_importacao->NaturezaArquivo() != atual->GetCodigo()))
    TErro::MostraTexto(TErro::TextoMensagem(kMensagemNaturezaExcepcional), TipoMensagem::Informacao,
                       kAjudaNaturezaExcepcional);
  m_tolv->SetCodigoNatureza(codigo);
  const bool administrador = m_tolv->GetInAdmFC() != 0;
  AplicaPergunta(m_rbNatSim, m_rbNatNao, administrador, administrador && !m_travaNatureza);
  AtualizaPerguntaFundo();
}

void TFoAssistImportacao::PassoNomeAno() {
  m_tolv->GetContribuinte().GetNome().SetNomeComErro(m_deNome->text().trimmed());
  try {
    m_tolv->SetAnoCalendario(m_cbAnoRet->currentText());
  } catch (const TErro& e) {
    e.Mostra();
  }
}

void TFoAssistImportacao::PassoImportacao() {
  TContribuinte& declarante = m_tolv->GetContribuinte();
  if (declarante.GetTipo() == kNiIndefinido && m_tolv->GetNatureza())
    declarante.SetTipo(m_tolv->GetNatureza()->GetDescricao() == u"Pessoa Física" ? kNiCpf : kNiCnpj);
  m_tolv->AtualizaPossuiDeducoes();
  BtnAvancar()->setEnabled(false);
  m_gauge10->setMaximum(0);
  m_tolv->SetEstadoImportacao(1);
  m_importacao->ImportaDeclaracao(
      [this](int posicao, int maximo) { Progresso(m_gauge10, posicao, maximo); },
      [this](TTolvItem& base, TTolvItem& importado, TTolvItem& soma, uint8_t& todos) {
        return DecideAcaoTolvItem(base, importado, soma, todos);
      });
  const ContadoresImportacaoAnterior& c = m_importacao->Contadores();
  const int valores[] = {c.declaracoes,         c.beneficiariosAdicionados, c.beneficiariosSubstituidos,
                         c.beneficiariosConsolidados, c.beneficiariosRejeitados,  c.registrosRejeitados,
                         c.fundosAdicionados,   c.processosAdicionados,     c.avisos};
  for (int i = 0; i < 9; ++i) m_contadores[i]->setText(QString::number(valores[i]));
}

void TFoAssistImportacao::PassoResumo() {
  ArquivoTexto log;
  const QString caminho = DiretorioDados() + QStringLiteral("/ErroImp/") + m_importacao->NomeLog() + QStringLiteral(".txt");
  if (!QFileInfo(caminho).isFile() || !log.abreLeitura(caminho)) return;
  const auto fim = log.fim();
  const bool temLinhas = fim && !*fim;
  log.fecha();
  m_checkMostrRel->setVisible(temLinhas);
  m_lblMnsErro->setVisible(temLinhas);
}

uint8_t TFoAssistImportacao::DecideAcaoTolvItem(TTolvItem& base, TTolvItem& importado, TTolvItem& soma,
                                                 uint8_t& todos) {
  ImportacaoAnosAnteriores::SomaLinhas(base, importado, soma);
  TTolvItem* linhas[] = {&base, &importado, &soma};
  for (int col = 0; col < 3; ++col) {
    const std::array<Valor, 9> totais = ImportacaoAnosAnteriores::TotaisConflito(*linhas[col]);
    for (int r = 0; r < 9; ++r) m_totais[r][col]->setText(TextoValor(totais[size_t(r)]));
  }
  const TBeneficiarioTolv& beneficiario = importado.GetBeneficiario();
  m_lbBenefJaConsta->setText((beneficiario.GetTipo() == kNiCnpj ? QStringLiteral("O beneficiário CNPJ ")
                                                                 : QStringLiteral("O beneficiário CPF ")) +
                             beneficiario.GetNiFormatado() + QStringLiteral(" para código ") +
                             importado.GetCodigoRetencao().GetCodigo() +
                             QStringLiteral(" está sendo importado e já consta na base."));
  for (QRadioButton* r : {m_rbManter, m_rbSubstitui, m_rbComplementa}) {
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
  }
  m_cbTodosReg->setChecked(false);
  m_paineis[kPaginaConflito]->hide();
  m_panel13->show();
  // Avançar takes the choice; what page 6 had is given back afterwards.
  const bool avancar = BtnAvancar()->isEnabled();
  BtnAvancar()->setEnabled(true);
  QEventLoop espera;
  m_esperaConflito = &espera;
  const auto restaura = qScopeGuard([this, avancar] {
    m_esperaConflito = nullptr;
    BtnAvancar()->setEnabled(avancar);
  });
  if (m_panel13->isVisible()) espera.exec();
  const uint8_t acao = m_rbManter->isChecked() ? 1 : m_rbSubstitui->isChecked() ? 2 : m_rbComplementa->isChecked() ? 3 : 0;
  if (acao != 0 && m_cbTodosReg->isChecked()) todos = acao;
  return acao;
}

void TFoAssistImportacao::BtnAvancarClick() {
  if (m_panel13->isVisible()) {
    if (!m_rbManter->isChecked() && !m_rbSubstitui->isChecked() && !m_rbComplementa->isChecked()) {
      ExibeMensagem(QStringLiteral("Uma das opções de importação deve ser selecionada."), TipoMensagem::Informacao);
      return;
    }
    m_panel13->hide();
    m_paineis[kPaginaConflito]->show();
    if (m_esperaConflito) m_esperaConflito->quit();
    return;
  }
  TFormAssist::BtnAvancarClick();
}

void TFoAssistImportacao::CancelBtnClick() {
  m_importacao->CancelaDescompressao();
  m_importacao->Para();
  if (m_panel13->isVisible()) {
    m_panel13->hide();
    m_paineis[kPaginaConflito]->show();
  }
  if (m_esperaConflito) m_esperaConflito->quit();
  if (m_leitor) m_leitor->Cancela();
  TFormAssist::CancelBtnClick();
}

bool TFoAssistImportacao::AbreDeclaracoes() {
  bd::Transacao* transacao = m_colecao->GetTransacaoIndice();
  if (!transacao) return false;
  bd::Consulta consulta(*transacao, QStringLiteral("select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA from TOLVS\n"
                                                   "where AN_RETENCA  >= '2004'\n"
                                                   "order by IN_PF_PJ, NR_PF_PJ"));
  // A query that does not open is shown by the collection, and the wizard does not open.
  if (!m_colecao->TentaAbrirDataSet(consulta)) return false;
  m_dbGrDeclaracao->Mostra(TModeloDeclaracoes::Le(consulta));
  consulta.fecha();
  return true;
}

void TFoAssistImportacao::Localiza(const QString& texto) {
  const auto& linhas = m_dbGrDeclaracao->Modelo().Linhas();
  const auto procura = [&](const std::function<bool(const LinhaDeclaracao&)>& casa) {
    for (size_t i = 0; i < linhas.size(); ++i)
      if (casa(linhas[i])) {
        m_dbGrDeclaracao->Seleciona(int(i));
        return true;
      }
    return false;
  };
  if (texto.isEmpty()) return;
  for (const QString& tipo : {QStringLiteral("1"), QStringLiteral("2")})
    if (procura([&](const LinhaDeclaracao& l) { return l.tipo == tipo && l.numeroBase.startsWith(texto); })) return;
  procura([&](const LinhaDeclaracao& l) { return l.CpfCnpj().startsWith(texto); });
}

bool TFoAssistImportacao::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_dbGrDeclaracao && evento->type() == QEvent::KeyPress && PaginaAtual() == 8) {
    const QString texto = static_cast<QKeyEvent*>(evento)->text();
    if (!texto.isEmpty() && texto[0].isPrint()) {
      m_teclas += texto;
      m_ultimaTecla = QDateTime::currentMSecsSinceEpoch();
      m_timer1->start();
      return true;
    }
  }
  return TFormAssist::eventFilter(objeto, evento);
}

void TFoAssistImportacao::EntraNoEstado(int indice) {
  TEstadoBase* estado = Estado(indice);
  if (!estado) return;
  estado->SetAnterior(IndiceAtual());
  SetIndiceAtual(indice);
  ExecutaEstado();
}

void TFoAssistImportacao::PassoAmostraComprovante() {
  ArquivoTexto arquivo;
  if (!AbreArquivoLeitura(arquivo, m_importacao->Arquivo())) return;
  int linha = 1;
  QString texto;
  while (linha <= 19) {
    const auto fim = arquivo.fim();
    if (!fim || *fim || !LeLinha(arquivo, texto)) break;
    if (texto.trimmed().isEmpty()) continue;
    m_grdImpCompr->PreencheLinha(linha++, texto);
  }
  for (int c = 1; c <= 3; ++c) m_grdImpCompr->EscondeColuna(c, true);
}

void TFoAssistImportacao::PassoComprovante() {
  TArqComprovante leitor(*m_tolv, m_importacao->Arquivo());
  m_leitor = &leitor;
  const auto solta = qScopeGuard([this] { m_leitor = nullptr; });
  m_gauge2->setValue(0);
  leitor.Importa([this](int64_t lidos, int64_t total) {
    // Permille of the bytes: a file above 2 GB still fits the bar.
    Progresso(m_gauge2, total > 0 ? int(lidos * 1000 / total) : 0, 1000);
  });
  if (leitor.Cancelado()) return;
  m_lblComprImportados->setText(QString::number(leitor.GetImportadas()));
  m_lblComprRejeitados->setText(QString::number(leitor.GetRejeitadas()));
  m_rejeitadosComprovante = leitor.GetRejeitadas();
  m_raizLogComprovante = leitor.GetRaizLog();
  m_mostraRelErroCompr->setVisible(leitor.GetRejeitadas() > 0);
  if (!leitor.GetFalha().isEmpty()) ExibeMensagem(leitor.GetFalha(), TipoMensagem::Erro);
}

bool TFoAssistImportacao::MostraRelatorio() const {
  return !m_checkMostrRel->isHidden() && m_checkMostrRel->isChecked();
}

bool TFoAssistImportacao::MostraRelatorioComprovante() const {
  return !m_mostraRelErroCompr->isHidden() && m_mostraRelErroCompr->isChecked();
}

void TFoAssistImportacao::showEvent(QShowEvent* evento) {
  TFormAssist::showEvent(evento);
  // Centred on the main window.
  if (QWidget* dono = parentWidget()) {
    const QRect area = dono->frameGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
}

bool ExecutaAssistenteImportacaoAnosAnteriores(QString& arquivo, TColecaoTolv& colecao, bool& mostraRelatorio,
                                                int& quantidade, QWidget* dono) {
  mostraRelatorio = false;
  quantidade = 0;
  if (g_assistente) return false;
  TFoAssistImportacao assistente(colecao, dono);
  g_assistente = &assistente;
  const auto solta = qScopeGuard([] { g_assistente = nullptr; });
  assistente.Importacao().SetNomeLog(arquivo);
  TZUQOpenDialogBox::Novo()->SetInitialDir(ConfiguracoesTolv::DiretorioImportacao());
  if (!assistente.AbreDeclaracoes()) return false;
  assistente.exec();
  const QString pasta = assistente.PastaArquivo();
  if (!pasta.isEmpty()) ConfiguracoesTolv::GravaDiretorioImportacao(pasta);
  const ContadoresImportacaoAnterior& c = assistente.Importacao().Contadores();
  quantidade = c.registrosRejeitados + c.avisos;
  arquivo = assistente.Importacao().NomeLog();
  mostraRelatorio = assistente.MostraRelatorio();
  if (assistente.MostraRelatorioComprovante())
    MostraErrosImportComprovante(assistente.RaizLogComprovante(), assistente.RejeitadosComprovante());
  return c.declaracoes > 0;
}
