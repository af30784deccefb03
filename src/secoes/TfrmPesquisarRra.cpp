#include "secoes/TfrmPesquisarRra.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
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
#include "nucleo/TColecao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr int kAjuda = 11070;
constexpr uint16_t kNenhumRegistro = 292;
constexpr int kLote = 200;


struct ColunaResultado {
  const char* titulo;
  const char* amostra;  // the widest text the column shows in full; none for names (40 characters)
};
const ColunaResultado kColunas[] = {{"CPF", "999.999.999-99"},
                                    {"Nome", nullptr},
                                    {"Processo/Requerimento", "99999999999999999999"},
                                    {"CPF/CNPJ", "99.999.999/9999-99"},
                                    {"Nome/Nome empresarial", nullptr}};

const char* const kCriteriosCpf[] = {"Completo", "Parte inicial do CPF"};
const char* const kCriteriosNome[] = {"Exatamente igual ao Nome", "Igual a parte inicial do Nome",
                                      "Todas as palavras em qualquer parte do Nome"};
const char* const kCriteriosNiAdv[] = {"Completo", "Parte inicial do CPF", "Parte inicial do CNPJ", "Somente PF",
                                       "Somente PJ"};
const char* const kCriteriosNomeAdv[] = {"Exatamente igual ao Nome/Nome empresarial",
                                         "Igual a parte inicial do Nome/Nome empresarial",
                                         "Todas as palavras em qualquer parte do Nome/Nome empresarial"};

}  // namespace

// The hits, read from the search a window at a time as the grid scrolls.
class TfrmPesquisarRra::Modelo : public ModeloLotes<LinhaPesquisaRra> {
 public:
  explicit Modelo(QObject* pai) : ModeloLotes(pai) {}

  void Reinicia(ConsultaPesquisaRra* consulta) {
    Recomeca([&](std::vector<LinhaPesquisaRra>& linhas) {
      m_consulta = consulta;
      if (m_consulta) m_consulta->Le(kLote, linhas);
    });
  }

  int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : 5; }
  bool canFetchMore(const QModelIndex& pai) const override {
    return !pai.isValid() && m_consulta && !m_consulta->Terminada();
  }
  void fetchMore(const QModelIndex& pai) override {
    if (!canFetchMore(pai)) return;
    std::vector<LinhaPesquisaRra> novas;
    GuardaEventos::executa([&] { m_consulta->Le(kLote, novas); });
    Acrescenta(novas);
  }
  QVariant data(const QModelIndex& i, int papel) const override {
    const LinhaPesquisaRra* l = Registro(i.row());
    if (!l) return {};
    if (papel == Qt::BackgroundRole) return CorDaLinha(i.row());
    if (papel != Qt::DisplayRole) return {};
    switch (i.column()) {
      case 0: return l->cpf;
      case 1: return l->nome;
      case 2: return l->processo;
      case 3: return l->niAdvogado;
      default: return l->nomeAdvogado;
    }
  }
  QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= 5) return {};
    if (secao == 2) return m_tituloProcesso;
    return QString::fromUtf8(kColunas[secao].titulo);
  }
  void DefineTituloProcesso(const QString& titulo) {
    m_tituloProcesso = titulo;
    emit headerDataChanged(Qt::Horizontal, 2, 2);
  }

 private:
  ConsultaPesquisaRra* m_consulta = nullptr;
  QString m_tituloProcesso = QStringLiteral("Processo/Requerimento");
};

TfrmPesquisarRra::TfrmPesquisarRra(int modo, Posiciona posiciona, QWidget* pai)
    : QDialog(pai), m_modo(modo), m_posiciona(std::move(posiciona)) {
  setObjectName(QStringLiteral("frmPesquisarRra"));
  setProperty("contextoAjuda", kAjuda);
  setWindowTitle(modo == 0 ? QStringLiteral("Pesquisar beneficiário de rendimentos recebidos acumuladamente")
                           : QStringLiteral("Pesquisar beneficiário/processo/advogado/escritório de advocacias de "
                                            "rendimentos recebidos acumuladamente"));
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    m_transacao = std::make_unique<bd::Transacao>(
        *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait"),
                              QStringLiteral("read")});
    m_consulta = std::make_unique<ConsultaPesquisaRra>(*m_transacao);
  }
  criaControles();
  carregaHistoricos();
  Limpa();
}

TfrmPesquisarRra::~TfrmPesquisarRra() {
  m_modelo->Reinicia(nullptr);
  if (m_consulta) m_consulta->Fecha();
  // Read-only: nothing to keep.
  if (m_transacao && m_transacao->ativa()) GuardaEventos::executa([this] { m_transacao->commit(); });
}

void TfrmPesquisarRra::Executa(int modo, Posiciona posiciona, QWidget* pai) {
  TfrmPesquisarRra dialogo(modo, std::move(posiciona), pai);
  dialogo.exec();
}

void TfrmPesquisarRra::criaControles() {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
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
  const auto caixaTexto = [](const char* nome, QWidget* pai) {
    auto* c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxCount(ConfiguracoesTolv::kTamanhoHistorico);
    c->setProperty("contextoAjuda", kAjuda);
    return c;
  };
  const auto escolha = [](const char* nome, QWidget* pai, auto& textos) {
    auto* c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    for (const char* t : textos) c->addItem(QString::fromUtf8(t));
    c->setProperty("contextoAjuda", kAjuda);
    QPalette p = c->palette();
    p.setColor(QPalette::ButtonText, PaletaTolv::cor(PaletaTolv::kTexto));
    p.setColor(QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
    c->setPalette(p);
    return c;
  };
  const auto secao = [this](const QString& texto) {
    auto* l = new QLabel(texto, this);
    QFont f = PaletaTolv::arial(8, true);
    l->setFont(f);
    PaletaTolv::pinta(l, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
    return l;
  };

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(8, 8, 8, 8);
  principal->setSpacing(4);

  principal->addWidget(secao(QStringLiteral("Beneficiário")));
  auto* fBenef = new MolduraTolv(moldura, caixa, this);
  auto* gBenef = new QGridLayout;
  fBenef->layoutInterno(6)->addLayout(gBenef);
  gBenef->addWidget(rotulo(QStringLiteral("CPF"), fBenef), 0, 0);
  m_cbbCpf = caixaTexto("cbbCPF", fBenef);
  gBenef->addWidget(m_cbbCpf, 0, 1);
  m_cbbCriterioCpf = escolha("cbbCriterioCPF", fBenef, kCriteriosCpf);
  gBenef->addWidget(m_cbbCriterioCpf, 0, 2);
  gBenef->addWidget(rotulo(QStringLiteral("Nome"), fBenef), 1, 0);
  m_cbbNome = caixaTexto("cbbNome", fBenef);
  gBenef->addWidget(m_cbbNome, 1, 1);
  m_cbbCriterioNome = escolha("cbbCriterioNome", fBenef, kCriteriosNome);
  gBenef->addWidget(m_cbbCriterioNome, 1, 2);
  gBenef->setColumnStretch(1, 1);
  principal->addWidget(fBenef);

  auto* fProcesso = new MolduraTolv(moldura, caixa, this);
  auto* gProcesso = new QGridLayout;
  fProcesso->layoutInterno(6)->addLayout(gProcesso);
  m_lblProcesso = rotulo(m_modo == 0 ? QStringLiteral("Processo/Requerimento") : QStringLiteral("Processo"), fProcesso);
  m_lblProcesso->setObjectName(QStringLiteral("lblProcesso"));
  gProcesso->addWidget(m_lblProcesso, 0, 0);
  m_cbbProcesso = caixaTexto("cbbProcesso", fProcesso);
  gProcesso->addWidget(m_cbbProcesso, 0, 1);
  gProcesso->setColumnStretch(1, 1);
  principal->addWidget(fProcesso);

  principal->addWidget(secao(QStringLiteral("Advogado/Escritório de advocacia")));
  auto* fAdv = new MolduraTolv(moldura, caixa, this);
  auto* gAdv = new QGridLayout;
  fAdv->layoutInterno(6)->addLayout(gAdv);
  gAdv->addWidget(rotulo(QStringLiteral("CPF/CNPJ"), fAdv), 0, 0);
  m_cbbNiAdv = caixaTexto("cbbNIAdv", fAdv);
  gAdv->addWidget(m_cbbNiAdv, 0, 1);
  m_cbbCriterioNiAdv = escolha("cbbCriterioNIAdv", fAdv, kCriteriosNiAdv);
  gAdv->addWidget(m_cbbCriterioNiAdv, 0, 2);
  gAdv->addWidget(rotulo(QStringLiteral("Advogado/Escritório de advocacia"), fAdv), 1, 0);
  m_cbbNomeAdv = caixaTexto("cbbNomeAdv", fAdv);
  gAdv->addWidget(m_cbbNomeAdv, 1, 1);
  m_cbbCriterioNomeAdv = escolha("cbbCriterioNomeAdv", fAdv, kCriteriosNomeAdv);
  gAdv->addWidget(m_cbbCriterioNomeAdv, 1, 2);
  gAdv->setColumnStretch(1, 1);
  principal->addWidget(fAdv);
  // The two frames line their boxes up.
  const int larguraRotulo = QFontMetrics(PaletaTolv::arial(8)).horizontalAdvance(
                                QStringLiteral("Advogado/Escritório de advocacia")) + 4;
  for (QGridLayout* g : {gBenef, gProcesso, gAdv}) g->setColumnMinimumWidth(0, larguraRotulo);
  const int larguraEscolha = m_cbbCriterioNomeAdv->sizeHint().width();
  for (QComboBox* c : {m_cbbCriterioCpf, m_cbbCriterioNome, m_cbbCriterioNiAdv, m_cbbCriterioNomeAdv})
    c->setFixedWidth(larguraEscolha);
  gProcesso->setColumnMinimumWidth(2, larguraEscolha);
  gProcesso->addItem(new QSpacerItem(larguraEscolha, 1), 0, 2);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  const BotoesPesquisa comandos(this, botoes, "btnExecutar", "btnLimpar", "btnPosicionar", kAjuda);
  m_btnExecutar = comandos.executar;
  m_btnLimpar = comandos.limpar;
  m_btnPosicionar = comandos.posicionar;
  principal->addLayout(botoes);
  connect(m_btnExecutar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { ExecutaPesquisa(); }); });
  connect(m_btnLimpar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { Limpa(); }); });
  connect(m_btnPosicionar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { Posicionar(); }); });
  const auto atalho = [this](const QKeySequence& tecla, TTolvButton* b) {
    connect(new QShortcut(tecla, this), &QShortcut::activated, b, [b] {
      if (b->isEnabled()) b->click();
    });
  };
  atalho(QKeySequence(Qt::CTRL | Qt::Key_J), m_btnExecutar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_H), m_btnLimpar);
  atalho(QKeySequence(Qt::CTRL | Qt::Key_K), m_btnPosicionar);

  m_grid = new QTableView(this);
  m_grid->setObjectName(QStringLiteral("gridResultado"));
  m_grid->setProperty("contextoAjuda", kAjuda);
  m_modelo = new Modelo(this);
  m_grid->setModel(m_modelo);
  TDesenhoResultado::PreparaGrade(m_grid);
  m_grid->setShowGrid(true);
  m_grid->setFont(PaletaTolv::arial(8));
  // Widths for the selected row, which is drawn in bold.
  const QFontMetrics negrito(PaletaTolv::arial(8, true));
  for (int i = 0; i < 5; ++i) {
    const int amostra = kColunas[i].amostra ? negrito.horizontalAdvance(QString::fromLatin1(kColunas[i].amostra))
                                            : QFontMetrics(PaletaTolv::arial(8)).averageCharWidth() * 40;
    m_grid->setColumnWidth(i, std::max(amostra, negrito.horizontalAdvance(QString::fromUtf8(kColunas[i].titulo))) + 14);
  }
  m_grid->setMinimumHeight(180);
  principal->addWidget(m_grid, 1);
  connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
    if (m_btnPosicionar->isEnabled()) GuardaErros([this] { Posicionar(); });
  });

  int largura = 2 * 8 + 2;
  for (int i = 0; i < 5; ++i) largura += m_grid->columnWidth(i);
  resize(largura, 520);
}

void TfrmPesquisarRra::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  m_cbbCpf->setFocus(Qt::OtherFocusReason);
}

void TfrmPesquisarRra::carregaHistoricos() {
  const auto carrega = [](QComboBox* c, const QString& secao) {
    const QString texto = c->currentText();
    c->clear();
    c->addItems(ConfiguracoesTolv::HistoricoPesquisa(secao));
    c->setCurrentIndex(-1);
    c->setEditText(texto);
  };
  carrega(m_cbbCpf, ConfiguracoesTolv::kPesquisasNI);
  carrega(m_cbbNiAdv, ConfiguracoesTolv::kPesquisasNI);
  carrega(m_cbbNome, ConfiguracoesTolv::kPesquisasNome);
  carrega(m_cbbNomeAdv, ConfiguracoesTolv::kPesquisasNome);
  carrega(m_cbbProcesso, ConfiguracoesTolv::kPesquisasProcesso);
}

void TfrmPesquisarRra::guardaHistorico() {
  const auto guardaSecao = [](const QString& secao, std::initializer_list<QComboBox*> caixas) {
    QStringList lista = ConfiguracoesTolv::HistoricoPesquisa(secao);
    bool mudou = false;
    for (QComboBox* c : caixas) {
      const QString texto = c->currentText().trimmed();
      if (texto.isEmpty()) continue;
      lista.removeAll(texto);
      lista.prepend(texto);
      mudou = true;
    }
    if (mudou) ConfiguracoesTolv::GravaHistoricoPesquisa(secao, lista.mid(0, ConfiguracoesTolv::kTamanhoHistorico));
  };
  guardaSecao(ConfiguracoesTolv::kPesquisasNI, {m_cbbNiAdv, m_cbbCpf});
  guardaSecao(ConfiguracoesTolv::kPesquisasNome, {m_cbbNomeAdv, m_cbbNome});
  guardaSecao(ConfiguracoesTolv::kPesquisasProcesso, {m_cbbProcesso});
  carregaHistoricos();
}

CriterioPesquisaRra TfrmPesquisarRra::Criterio() const {
  CriterioPesquisaRra c;
  c.modo = m_modo;
  c.cpf = m_cbbCpf->currentText().trimmed();
  c.criterioCpf = m_cbbCriterioCpf->currentIndex() == 1 ? CriterioPesquisaRra::ParteInicialCpf : CriterioPesquisaRra::Completo;
  c.nome = m_cbbNome->currentText();
  c.criterioNome = CriterioPesquisaRra::Nome(qMax(0, m_cbbCriterioNome->currentIndex()));
  c.processo = m_cbbProcesso->currentText();
  c.niAdvogado = m_cbbNiAdv->currentText().trimmed();
  c.criterioNiAdvogado = CriterioPesquisaRra::Ni(qMax(0, m_cbbCriterioNiAdv->currentIndex()));
  c.nomeAdvogado = m_cbbNomeAdv->currentText();
  c.criterioNomeAdvogado = CriterioPesquisaRra::Nome(qMax(0, m_cbbCriterioNomeAdv->currentIndex()));
  return c;
}

void TfrmPesquisarRra::Limpa() {
  for (QComboBox* c : {m_cbbCpf, m_cbbNome, m_cbbProcesso, m_cbbNiAdv, m_cbbNomeAdv}) {
    c->setCurrentIndex(-1);
    c->setEditText(QString());
  }
  m_cbbCriterioNome->setCurrentIndex(CriterioPesquisaRra::ParteInicial);
  m_cbbCriterioCpf->setCurrentIndex(0);
  m_cbbCriterioNomeAdv->setCurrentIndex(CriterioPesquisaRra::ParteInicial);
  m_cbbCriterioNiAdv->setCurrentIndex(CriterioPesquisaRra::Completo);
  m_btnPosicionar->setEnabled(false);
  m_cbbCpf->setFocus(Qt::OtherFocusReason);
}

bool TfrmPesquisarRra::ExecutaPesquisa() {
  if (!m_consulta) return false;
  m_btnPosicionar->setEnabled(true);
  const CriterioPesquisaRra criterio = Criterio();
  guardaHistorico();
  m_modelo->Reinicia(nullptr);
  {
    CursorEspera espera;
    try {
      m_consulta->Executa(criterio);
    } catch (const TErro&) {
      m_btnPosicionar->setEnabled(false);
      throw;
    } catch (const bd::ErroBanco&) {
      m_btnPosicionar->setEnabled(false);
      throw;
    }
    m_modelo->Reinicia(m_consulta.get());
  }
  m_modelo->DefineTituloProcesso(m_lblProcesso->text());
  if (m_modelo->rowCount() == 0) {
    m_btnPosicionar->setEnabled(false);
    ExibeMensagem(TErro::TextoMensagem(kNenhumRegistro), TipoMensagem::Aviso);
    return false;
  }
  m_grid->selectRow(0);
  return true;
}

void TfrmPesquisarRra::Posicionar() {
  if (!m_btnPosicionar->isEnabled()) return;
  const LinhaPesquisaRra* l = m_modelo->Registro(m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : 0);
  if (!l || !m_posiciona) return;
  m_posiciona(QString::number(l->id));
}

int TfrmPesquisarRra::QuantidadeLinhas() const { return m_modelo->rowCount(); }
