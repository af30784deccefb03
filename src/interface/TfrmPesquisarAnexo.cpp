#include "interface/TfrmPesquisarAnexo.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "controles/BotoesPesquisa.h"
#include "controles/GuardaErros.h"
#include "controles/ModeloLotes.h"
#include "controles/PaletaTolv.h"
#include "controles/TDesenhoResultado.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoAnexo.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr int kNenhumRegistro = 292;
// Rows read per step: a screenful and some, so that the first page shows at once.
constexpr int kLote = 100;
constexpr int kLargura = 748;
constexpr int kAltura = 467;

}  // namespace

class TfrmPesquisarAnexo::Modelo : public ModeloLotes<Linha> {
 public:
  using Leitura = std::function<int(int maximo, std::vector<Linha>&)>;
  using Fim = std::function<bool()>;

  Modelo(std::vector<Coluna> colunas, QObject* pai) : ModeloLotes(pai), m_colunas(std::move(colunas)) {}

  void Reinicia(Leitura leitura, Fim fim) {
    Recomeca([&](std::vector<Linha>& linhas) {
      m_leitura = std::move(leitura);
      m_fim = std::move(fim);
      if (m_leitura) m_leitura(kLote, linhas);
    });
  }

  int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : int(m_colunas.size()); }
  bool canFetchMore(const QModelIndex& pai) const override { return !pai.isValid() && m_fim && !m_fim(); }
  void fetchMore(const QModelIndex& pai) override {
    if (!canFetchMore(pai)) return;
    std::vector<Linha> novas;
    GuardaErros([&] { m_leitura(kLote, novas); });
    Acrescenta(novas);
  }
  QVariant data(const QModelIndex& i, int papel) const override {
    const Linha* l = Registro(i.row());
    if (!l) return {};
    switch (papel) {
      case Qt::DisplayRole:
        return i.column() < l->textos.size() ? l->textos[i.column()] : QString();
      case Qt::BackgroundRole:
        return CorDaLinha(i.row());
      case Qt::TextAlignmentRole:
        return int((m_colunas[size_t(i.column())].direita ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      default:
        return {};
    }
  }
  QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
    if (o == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 && secao < int(m_colunas.size()))
      return m_colunas[size_t(secao)].titulo;
    return {};
  }

 private:
  std::vector<Coluna> m_colunas;
  Leitura m_leitura;
  Fim m_fim;
};

TfrmPesquisarAnexo::TfrmPesquisarAnexo(TTolv& declaracao, Escolhido escolhido, const QString& nome,
                                       const QString& titulo, std::vector<Coluna> colunas, QWidget* pai)
    : QDialog(pai), m_declaracao(&declaracao), m_escolhido(std::move(escolhido)) {
  setObjectName(nome);
  setWindowTitle(titulo);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  setFixedSize(kLargura, kAltura);

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);
  auto* painel = new QWidget(this);
  painel->setObjectName(QStringLiteral("pnlCriterios"));
  PaletaTolv::pinta(painel, PaletaTolv::kFundo);
  m_criterios = new QGridLayout(painel);
  m_criterios->setContentsMargins(10, 8, 10, 8);
  m_criterios->setHorizontalSpacing(8);
  m_criterios->setVerticalSpacing(5);
  m_criterios->setColumnStretch(1, 1);
  principal->addWidget(painel);

  m_grid = new QTableView(this);
  m_grid->setObjectName(QStringLiteral("grdDbgTolvItem"));
  m_modelo = new Modelo(colunas, this);
  m_grid->setModel(m_modelo);
  TDesenhoResultado::PreparaGrade(m_grid);
  m_grid->horizontalHeader()->setStretchLastSection(true);
  // Widths in characters (of digits, the widest that the numbers show); the last column takes
  // what is left.
  const QFontMetrics negrito(PaletaTolv::arial(8, true));
  for (int i = 0; i + 1 < int(colunas.size()); ++i)
    m_grid->setColumnWidth(i, std::max(negrito.horizontalAdvance(colunas[size_t(i)].titulo),
                                       negrito.horizontalAdvance(QString(colunas[size_t(i)].caracteres, u'0'))) + 10);
  auto* margem = new QHBoxLayout;
  margem->setContentsMargins(10, 0, 10, 0);
  margem->addWidget(m_grid);
  principal->addLayout(margem, 1);
  connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
    if (PosicionarDisponivel()) GuardaErros([this] { Posicionar(); });
  });

  auto* rodape = new QWidget(this);
  rodape->setObjectName(QStringLiteral("pnlBotoes"));
  PaletaTolv::pinta(rodape, PaletaTolv::kFundo);
  auto* lBotoes = new QHBoxLayout(rodape);
  lBotoes->setContentsMargins(10, 8, 10, 8);
  lBotoes->addStretch(1);
  const BotoesPesquisa botoes(rodape, lBotoes, "btnTbExecutar", "btnTbLimpar", "btnTbLocalizar");
  m_btnExecutar = botoes.executar;
  m_btnLimpar = botoes.limpar;
  m_btnLocalizar = botoes.posicionar;
  m_tbLocalizarInativo = BotoesPesquisa::Botao(rodape, lBotoes, "TbLocalizarInativo", "Posicionar", "");
  m_tbLocalizarInativo->setEnabled(false);
  principal->addWidget(rodape);
  connect(m_btnExecutar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { ExecutaPesquisa(); }); });
  connect(m_btnLimpar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { Limpa(); }); });
  connect(m_btnLocalizar, &QAbstractButton::clicked, this, [this] { GuardaErros([this] { Posicionar(); }); });
  mostraPosicionar(false);
}

TfrmPesquisarAnexo::~TfrmPesquisarAnexo() {
  m_modelo->Reinicia({}, {});
  if (m_colecao) GuardaEventos::executa([this] { m_colecao->FechaPesquisa(); });
}

void TfrmPesquisarAnexo::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
  if (QWidget* campo = PrimeiroCampo()) campo->setFocus(Qt::OtherFocusReason);
}

QComboBox* TfrmPesquisarAnexo::CaixaHistorico(const char* nome, const QString& secao) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(nome));
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxCount(ConfiguracoesTolv::kTamanhoHistorico);
  c->addItems(ConfiguracoesTolv::HistoricoPesquisa(secao));
  c->setCurrentIndex(-1);
  c->setEditText(QString());
  m_historicos.emplace_back(c, secao);
  return c;
}

QComboBox* TfrmPesquisarAnexo::CaixaOpcoes(const char* nome, const QStringList& itens, int padrao) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(nome));
  c->addItems(itens);
  c->setCurrentIndex(padrao);
  return c;
}

void TfrmPesquisarAnexo::guardaHistoricos() {
  for (auto& [caixa, secao] : m_historicos) {
    const QString texto = caixa->currentText().trimmed();
    if (texto.isEmpty()) continue;
    QStringList lista = ConfiguracoesTolv::HistoricoPesquisa(secao);
    lista.removeAll(texto);
    lista.prepend(texto);
    lista = lista.mid(0, ConfiguracoesTolv::kTamanhoHistorico);
    ConfiguracoesTolv::GravaHistoricoPesquisa(secao, lista);
    const QSignalBlocker bloqueio(caixa);
    caixa->clear();
    caixa->addItems(lista);
    caixa->setCurrentIndex(-1);
    caixa->setEditText(texto);
  }
}

void TfrmPesquisarAnexo::mostraPosicionar(bool mostra) {
  m_btnLocalizar->setEnabled(mostra);
  m_btnLocalizar->setVisible(mostra);
  m_tbLocalizarInativo->setVisible(!mostra);
}

bool TfrmPesquisarAnexo::PosicionarDisponivel() const { return m_btnLocalizar->isEnabled(); }

bool TfrmPesquisarAnexo::ExecutaPesquisa() {
  m_modelo->Reinicia({}, {});
  if (m_colecao) m_colecao->FechaPesquisa();
  // The working collection stays while its results are read, and goes with the next search.
  m_colecao = std::make_unique<TColecaoAnexo>(*m_declaracao);
  guardaHistoricos();
  {
    CursorEspera espera;
    if (AbrePesquisa(*m_colecao)) {
      TColecaoAnexo* colecao = m_colecao.get();
      m_modelo->Reinicia([this, colecao](int maximo, std::vector<Linha>& linhas) { return Le(*colecao, maximo, linhas); },
                         [colecao] { return colecao->PesquisaTerminada(); });
    }
  }
  if (m_modelo->rowCount() == 0) {
    mostraPosicionar(false);
    ExibeMensagem(TErro::TextoMensagem(kNenhumRegistro), TipoMensagem::Aviso);
    return false;
  }
  mostraPosicionar(true);
  m_grid->selectRow(0);
  return true;
}

void TfrmPesquisarAnexo::Limpa() {
  m_modelo->Reinicia({}, {});
  if (m_colecao) m_colecao->FechaPesquisa();
  for (auto& [caixa, secao] : m_historicos) {
    caixa->setCurrentIndex(-1);
    caixa->setEditText(QString());
  }
  LimpaOpcoes();
  mostraPosicionar(false);
  if (QWidget* campo = PrimeiroCampo()) campo->setFocus(Qt::OtherFocusReason);
}

void TfrmPesquisarAnexo::Posicionar() {
  if (!PosicionarDisponivel() || !m_escolhido) return;
  const QModelIndex atual = m_grid->currentIndex();
  const Linha* l = m_modelo->Registro(atual.isValid() ? atual.row() : 0);
  if (l) m_escolhido(QString::number(l->chave));
}

int TfrmPesquisarAnexo::QuantidadeLinhas() const { return m_modelo->rowCount(); }

QString TfrmPesquisarAnexo::Texto(int linha, int coluna) const {
  return m_modelo->data(m_modelo->index(linha, coluna), Qt::DisplayRole).toString();
}
