#include "interface/TFrResumo.h"

#include <QAbstractTableModel>
#include <QDrag>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <cmath>

#include "controles/PaletaTolv.h"
#include "controles/TEditData.h"
#include "controles/TTolvEdit.h"
#include "controles/AparenciaDialogo.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/EFalhaBanco.h"
#include "nucleo/TColecao.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"

namespace {

struct ColunaDetalhe {
  const char* campo;
  int largura;  // characters
  const char* titulo;
  bool judicial;
};

constexpr ColunaDetalhe kColunas[] = {
    {"TIPO_FONTE", 15, "Tipo Fonte", false},
    {"CPF_CNPJ", 18, "Fonte Pagadora", false},
    {"TOT_BENEF", 12, "Total de~Beneficiários", false},
    {"TOT_REND", 16, "Total de~Rendimentos", false},
    {"TOT_DED", 14, "Total de~Deduções", false},
    {"TOT_IRRF", 14, "Total de~Imposto Retido", false},
    {"TOT_ANO_ATU", 15, "Total de Imposto~Compensado por~Decisão Judicial~(Ano Calendário)", true},
    {"TOT_ANO_ANT", 15, "Total de Imposto~Compensado por~Decisão Judicial~(Anos Anteriores)", true},
    {"TOT_REND_SUBJUD", 16, "Total de~Rendimentos com~Exigibilidade~Suspensa", true},
    {"TOT_DED_SUBJUD", 15, "Total de~Deduções com~Exigibilidade~Suspensa", true},
    {"TOT_IRRF_SUBJUD", 15, "Total de~IRRF com~Exigibilidade~Suspensa", true},
    {"TOT_DEP_SUBJUD", 15, "Total de~Depósito Judicial", true},
    {"NM_NM_EMPR", 65, "Nome Empresarial", false},
};
constexpr int kColunasDetalhe = int(std::size(kColunas));
constexpr int kPrimeiraMonetaria = 3;
constexpr int kUltimaMonetaria = 11;

QString Milhares(int64_t n) {
  const QString s = QString::number(std::llabs(n));
  QString r;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (i > 0 && (s.size() - i) % 3 == 0) r += u'.';
    r += s[i];
  }
  return n < 0 ? u'-' + r : r;
}

// The rows of a query, read once; every column kept as the grid shows it.
class ModeloLinhas : public QAbstractTableModel {
 public:
  explicit ModeloLinhas(QStringList titulos) : m_titulos(std::move(titulos)) {}
  int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : int(m_linhas.size()); }
  int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : int(m_titulos.size()); }
  QVariant data(const QModelIndex& indice, int papel) const override {
    if (!indice.isValid()) return {};
    const Linha& l = m_linhas[size_t(indice.row())];
    if (papel == Qt::DisplayRole) return l.textos.value(indice.column());
    if (papel == Qt::TextAlignmentRole && l.direita.value(indice.column()))
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (papel == Qt::UserRole) return QVariant::fromValue<qlonglong>(l.valores.value(indice.column()));
    return {};
  }
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole) return m_titulos.value(secao);
    return {};
  }
  void DefineTitulo(int coluna, const QString& titulo) {
    m_titulos[coluna] = titulo;
    emit headerDataChanged(Qt::Horizontal, coluna, coluna);
  }

  struct Linha {
    QStringList textos;
    QList<bool> direita;
    QList<qlonglong> valores;
  };
  void Define(std::vector<Linha> linhas) {
    beginResetModel();
    m_linhas = std::move(linhas);
    endResetModel();
  }
  void Limpa() { Define({}); }

 private:
  QStringList m_titulos;
  std::vector<Linha> m_linhas;
};

// A query of the page that fails is shown and marks the run, without ending it.
void FalhaLeitura(const bd::ErroBanco& e) {
  ExibeMensagem(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem(), TipoMensagem::Erro);
  FalhaBanco = true;
}

QTableView* Grade(QWidget* pai, const QString& nome) {
  auto* g = new QTableView(pai);
  g->setObjectName(nome);
  AparenciaDialogo::PintaGrade(g);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->verticalHeader()->hide();
  g->verticalHeader()->setDefaultSectionSize(18);
  g->horizontalHeader()->setHighlightSections(false);
  g->horizontalHeader()->setFont(PaletaTolv::arial(8));
  return g;
}

}  // namespace

TFrResumo::TFrResumo(QWidget* pai) : TPaginaDeclaracao(pai) {
  setObjectName(QStringLiteral("FrResumo"));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  setFont(PaletaTolv::arial(8));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  m_pg = new QTabWidget(this);
  m_pg->setObjectName(QStringLiteral("PgResumo"));
  m_pg->setProperty("contextoAjuda", 50200);
  layout->addWidget(m_pg);
  m_geral = new QWidget;
  m_geral->setObjectName(QStringLiteral("TsGeral"));
  PaletaTolv::pinta(m_geral, PaletaTolv::kFundo);
  m_discriminado = new QWidget;
  m_discriminado->setObjectName(QStringLiteral("TsDiscriminado"));
  PaletaTolv::pinta(m_discriminado, PaletaTolv::kFundo);
  m_pg->addTab(m_geral, QStringLiteral("Geral"));
  m_pg->addTab(m_discriminado, QStringLiteral("Discriminado"));

  auto grupo = [this](const char* nome, const char* titulo) {
    auto* g = new QGroupBox(QString::fromUtf8(titulo), m_geral);
    g->setObjectName(QString::fromLatin1(nome));
    AparenciaDialogo::PintaTexto(g, PaletaTolv::kRotuloGrupo);
    return g;
  };
  // Label over an amount edit, left to right inside a group.
  auto campo = [this](QGroupBox* g, int x, int largura, const char* nome, const char* rotulo) {
    auto* l = new QLabel(QString::fromUtf8(rotulo), g);
    AparenciaDialogo::PintaTexto(l);
    l->setGeometry(x, 18, largura + 20, 14);
    auto* e = new TTolvEdit(g);
    e->setObjectName(QString::fromLatin1(nome));
    e->SetTipoDeDado(TTipoDeDado::Numerico);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setGeometry(x, 33, largura, 21);
    m_edits.push_back(e);
    return e;
  };
  m_totais = grupo("GbTotais", "Totais");
  campo(m_totais, 10, 110, "DeTotBen", "Número de Beneficiários");
  campo(m_totais, 150, 130, "DeTotRend", "Rendimentos Tributáveis");
  campo(m_totais, 300, 130, "DeTotDed", "Deduções");
  campo(m_totais, 450, 130, "DeTotIrrf", "Imposto Retido na Fonte");
  m_compensacao = grupo("GbCompensacao", "Compensação de imposto por decisão judicial");
  campo(m_compensacao, 10, 130, "DeTotAnoAtual", "Ano calendário");
  campo(m_compensacao, 150, 130, "DeTotAnosAnteriores", "Anos anteriores");
  m_exigibilidade = grupo("GbExigibilidade", "Totais referentes à tributação com exigibilidade suspensa");
  campo(m_exigibilidade, 10, 130, "DeTotRendSubJud", "Rendimentos Tributáveis");
  campo(m_exigibilidade, 150, 130, "DeTotDedSubJud", "Deduções");
  campo(m_exigibilidade, 300, 130, "DeTotIrrfSubJud", "Imposto Retido na Fonte");
  campo(m_exigibilidade, 450, 130, "DeTotDepSubJud", "Depósito judicial");
  m_gravacao = grupo("GbGravacao", "Informações sobre a gravação");
  auto* rotuloData = new QLabel(QStringLiteral("Data da gravação"), m_gravacao);
  AparenciaDialogo::PintaTexto(rotuloData);
  rotuloData->setGeometry(10, 18, 130, 14);
  m_data = new TEditData(m_gravacao);
  m_data->setObjectName(QStringLiteral("DtpDataGera"));
  m_data->setToolTip(QStringLiteral("Data da última gravação da declaração"));
  m_data->setGeometry(10, 33, 110, 21);
  connect(m_data, &TEditData::Mudou, this, [this] {
    // Nothing here is for changing: the writing date comes back.
    if (!m_restaurando) mostraData();
  });
  m_volumes = campo(m_gravacao, 150, 110, "DeQtdVolumes", "Quantidade de volumes");
  m_volumes->setToolTip(QStringLiteral("Quantidade de volumes gravados"));
  m_volumes->SetTipoDeDado(TTipoDeDado::ApenasNumeros);
  m_grupoCodigos = grupo("GbCodigos", "Códigos constantes da Declaração");
  auto* noCodigos = new QVBoxLayout(m_grupoCodigos);
  noCodigos->setContentsMargins(8, 20, 8, 8);
  m_codigos = Grade(m_grupoCodigos, QStringLiteral("DbgCodigos"));
  noCodigos->addWidget(m_codigos);
  m_modeloCodigos = std::make_unique<ModeloLinhas>(QStringList{QStringLiteral("Código"), QStringLiteral("Descrição")});
  m_codigos->setModel(m_modeloCodigos.get());
  // Widths in characters of the widest digit, so that numbers fit.
  const int caractere = m_codigos->fontMetrics().horizontalAdvance(u'0');
  m_codigos->setColumnWidth(0, 4 * caractere + 24);
  m_codigos->setColumnWidth(1, 150 * caractere);
  m_geral->installEventFilter(this);

  auto* noDetalhe = new QVBoxLayout(m_discriminado);
  noDetalhe->setContentsMargins(6, 6, 6, 6);
  m_grade = Grade(m_discriminado, QStringLiteral("DbgDiscriminado"));
  m_grade->setToolTip(
      QStringLiteral("Na primeira linha, dados do Administrador, nas demais, dos Fundos ou Clubes de Investimento"));
  QStringList titulos;
  for (const ColunaDetalhe& c : kColunas) titulos << QString::fromUtf8(c.titulo).replace(u'~', u'\n');
  m_modeloDetalhe = std::make_unique<ModeloLinhas>(titulos);
  m_grade->setModel(m_modeloDetalhe.get());
  m_grade->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  m_grade->horizontalHeader()->setMinimumHeight(4 * m_grade->fontMetrics().height() + 8);
  for (int i = 0; i < kColunasDetalhe; ++i) m_grade->setColumnWidth(i, kColunas[i].largura * caractere + 8);
  // A process number has twenty digits: it shows whole.
  m_grade->setColumnWidth(1, std::max(m_grade->columnWidth(1), m_grade->fontMetrics().horizontalAdvance(QString(20, u'0')) + 14));
  m_grade->viewport()->installEventFilter(this);
  noDetalhe->addWidget(m_grade);
  posicionaGrupos();
}

TFrResumo::~TFrResumo() = default;

QGroupBox* TFrResumo::Grupo(const char* nome) const { return m_geral->findChild<QGroupBox*>(QString::fromLatin1(nome)); }

int TFrResumo::Coluna(const char* campo) const {
  for (int i = 0; i < kColunasDetalhe; ++i)
    if (qstrcmp(kColunas[i].campo, campo) == 0) return i;
  return -1;
}

void TFrResumo::Inicializa(const TContextoPagina& contexto) {
  m_declaracao = contexto.declaracao;
  m_conteiner = qobject_cast<TFrDeclaracao*>(contexto.conteiner);
  m_entrou = false;
  if (!m_declaracao) return;
  TResumo& geral = m_declaracao->GetResumoGeral();
  const TResumo::Total totais[] = {TResumo::kTotBenef,      TResumo::kTotRend,       TResumo::kTotDed,
                                   TResumo::kTotIrrf,       TResumo::kTotAnoAtu,     TResumo::kTotAnoAnt,
                                   TResumo::kTotRendSubjud, TResumo::kTotDedSubjud,  TResumo::kTotIrrfSubjud,
                                   TResumo::kTotDepSubjud};
  for (size_t i = 0; i < std::size(totais); ++i) m_edits[i]->AssociaDado(&geral.GetTotal(totais[i]));
  m_volumes->AssociaDado(&m_declaracao->GetQtdDisquetes());
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    m_transacao = std::make_unique<bd::Transacao>(
        *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    m_consultaCodigos = std::make_unique<bd::Consulta>(*m_transacao, QStringLiteral("SELECT * FROM BUSCA_CODIGOS_DEC"),
                                                       bd::Consulta::Modo::Sequencial);
    m_consultaDetalhe = std::make_unique<bd::Consulta>(*m_transacao, QString(), bd::Consulta::Modo::Sequencial);
  }
}

void TFrResumo::Finaliza() {
  for (TTolvEdit* e : m_edits) e->AssociaDado(nullptr);
  static_cast<ModeloLinhas*>(m_modeloCodigos.get())->Limpa();
  static_cast<ModeloLinhas*>(m_modeloDetalhe.get())->Limpa();
  m_consultaCodigos.reset();
  m_consultaDetalhe.reset();
  m_transacao.reset();
  m_declaracao = nullptr;
  m_conteiner = nullptr;
  m_entrou = false;
}

void TFrResumo::Entra() {
  if (m_entrou) return;
  FrameEnter();
}

void TFrResumo::Recarrega() { FrameEnter(); }

void TFrResumo::hideEvent(QHideEvent* evento) {
  m_entrou = false;
  TPaginaDeclaracao::hideEvent(evento);
}

void TFrResumo::mostraData() {
  m_restaurando = true;
  const QDateTime& data = m_declaracao ? m_declaracao->GetDataGeracao() : QDateTime();
  const bool temData = data.isValid() && data > TTolv::DataZero();
  m_data->SetData(temData ? data.date() : QDate());
  m_data->BotaoCalendario()->setVisible(temData);
  m_restaurando = false;
}

void TFrResumo::FrameEnter() {
  if (!m_declaracao) return;
  m_entrou = true;
  m_pg->setCurrentWidget(m_geral);
  mostraData();
  const bool fundos = m_conteiner && m_conteiner->FundosMostrados();
  const bool processos = m_conteiner && m_conteiner->ProcessosMostrados();
  const bool detalhe = fundos || m_declaracao->GetInAdvogado() != 0;
  m_pg->setTabVisible(m_pg->indexOf(m_discriminado), detalhe);
  m_pg->setTabEnabled(m_pg->indexOf(m_discriminado), detalhe);
  m_judicial = m_declaracao->GetResumoGeral().PossuiJudicial();
  posicionaGrupos();

  auto* codigos = static_cast<ModeloLinhas*>(m_modeloCodigos.get());
  auto* linhas = static_cast<ModeloLinhas*>(m_modeloDetalhe.get());
  if (!m_transacao) return;
  m_consultaCodigos->fecha();
  m_consultaDetalhe->fecha();
  m_grade->hide();
  // What the recalculation or the lines pages stored since the last entry.
  try {
    if (m_transacao->ativa()) m_transacao->commitRetendo();
  } catch (const bd::ErroBanco& e) {
    // Told as the page's readings are, marking the run; the lists are not read over a refused commit.
    AvisaFalhaBanco(EFalhaBanco(QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: ") +
                                    e.mensagem(),
                                EFalhaBanco::Lado::Declaracao, false));
    linhas->Limpa();
    codigos->Limpa();
    m_grade->show();
    return;
  }

  if (detalhe) {
    for (int i = 0; i < kColunasDetalhe; ++i) m_grade->setColumnHidden(i, kColunas[i].judicial && !m_judicial);
    const QString ano = m_declaracao->GetAnoCalendario();
    QString titulo = QStringLiteral("Fonte Pagadora");
    if (ano > u"2005")
      titulo = QStringLiteral("Fonte Pagadora/\nNº do Processo");
    else if (ano > u"2003")
      titulo = QStringLiteral("Fonte Pagadora/\nAdvogado/Esc. Advocacia");
    linhas->DefineTitulo(1, titulo);
    QString sql = QStringLiteral("select * from BUSCA_RESUMOS\n");
    sql += fundos ? QStringLiteral("where IN_TIPO = 0") : QStringLiteral("where ((IN_TIPO = 0) and (FONTE_DK = 1))");
    if (processos) sql += QStringLiteral("\nor IN_TIPO = 1");
    m_consultaDetalhe->defineSql(sql);
    std::vector<ModeloLinhas::Linha> rows;
    try {
      for (m_consultaDetalhe->abre(); !m_consultaDetalhe->eof(); m_consultaDetalhe->proximo()) {
        const bd::Consulta& q = *m_consultaDetalhe;
        ModeloLinhas::Linha l;
        const bool primeira = rows.empty();
        const bool declarante = q.campo(QStringLiteral("FONTE_DK")).inteiro() == 1;
        const int tipo = q.campo(QStringLiteral("IN_TIPO")).inteiro();
        l.textos << (primeira ? (fundos ? QStringLiteral("Adm") : QStringLiteral("Decl"))
                              : (tipo != 0 ? QStringLiteral("Just Trab/Fed") : QStringLiteral("FC")));
        QString numero, nome;
        if (declarante) {
          numero = m_declaracao->GetContribuinte().GetFormatado();
          nome = m_declaracao->GetContribuinte().GetNome().GetValor();
        } else {
          const QString base = q.campo(QStringLiteral("NR_PF_PJ")).texto().trimmed();
          const QString pfPj = q.campo(QStringLiteral("IN_PF_PJ")).texto();
          if (pfPj == u"1" && base.size() == 9)
            numero = TCpf::FormataCpf(base + TCpf::CalculaDVCpf(base));
          else if (pfPj == u"2" && base.size() == 12)
            numero = TCnpj::FormataCnpj(base + TCnpj::CalculaDVCnpj(base));
          else
            numero = base;
          nome = q.campo(QStringLiteral("NM_NM_EMPR")).texto().trimmed();
        }
        l.textos << numero;
        l.direita << false << false;
        l.valores << 0 << 0;
        const int64_t beneficiarios = q.campo(QStringLiteral("TOT_BENEF")).inteiro64();
        l.textos << Milhares(beneficiarios);
        l.direita << true;
        l.valores << beneficiarios;
        for (int i = kPrimeiraMonetaria; i <= kUltimaMonetaria; ++i) {
          const int64_t v = q.campo(QString::fromLatin1(kColunas[i].campo)).dezMilesimos();
          l.textos << Valor::deDezMilesimos(v).formata(2);
          l.direita << true;
          l.valores << v;
        }
        l.textos << nome;
        l.direita << false;
        l.valores << 0;
        rows.push_back(std::move(l));
      }
    } catch (const bd::ErroBanco& e) {
      FalhaLeitura(e);
    }
    m_consultaDetalhe->fecha();
    linhas->Define(std::move(rows));
  }

  std::vector<ModeloLinhas::Linha> rows;
  try {
    for (m_consultaCodigos->abre(); !m_consultaCodigos->eof(); m_consultaCodigos->proximo()) {
      ModeloLinhas::Linha l;
      l.textos << m_consultaCodigos->campo(QStringLiteral("COD_RETENCAO")).texto().trimmed()
               << m_consultaCodigos->campo(QStringLiteral("RESUMO")).texto().trimmed();
      l.direita << false << false;
      l.valores << 0 << 0;
      rows.push_back(std::move(l));
    }
  } catch (const bd::ErroBanco& e) {
    FalhaLeitura(e);
  }
  m_consultaCodigos->fecha();
  codigos->Define(std::move(rows));
  m_grade->show();
}

void TFrResumo::posicionaGrupos() {
  const qreal escala = (screen() ? screen()->logicalDotsPerInch() : 96.0) / 96.0;
  auto px = [escala](int v) { return int(std::lround(v * escala)); };
  const int largura = std::max(px(600), m_geral->width() - px(16));
  m_totais->setGeometry(px(8), px(2), largura, px(58));
  m_compensacao->setVisible(m_judicial);
  m_compensacao->setEnabled(m_judicial);
  m_exigibilidade->setVisible(m_judicial);
  m_exigibilidade->setEnabled(m_judicial);
  int topoGravacao = px(61), topoCodigos = px(123);
  if (m_judicial) {
    m_compensacao->setGeometry(px(8), px(61), largura, px(58));
    m_exigibilidade->setGeometry(px(8), px(124), largura, px(58));
    topoGravacao = px(188);
    topoCodigos = px(250);
  }
  m_gravacao->setGeometry(px(8), topoGravacao, largura, px(58));
  m_grupoCodigos->setGeometry(px(8), topoCodigos, largura, std::max(px(60), m_geral->height() - px(10) - topoCodigos));
}

bool TFrResumo::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_geral && evento->type() == QEvent::Resize) posicionaGrupos();
  if (objeto != m_grade->viewport()) return TPaginaDeclaracao::eventFilter(objeto, evento);
  if (evento->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(evento);
    const int coluna = m_grade->columnAt(e->position().toPoint().x());
    m_inicioArrasto.reset();
    if (e->button() == Qt::LeftButton && coluna >= kPrimeiraMonetaria && coluna <= kUltimaMonetaria)
      m_inicioArrasto = e->position().toPoint();
  } else if (evento->type() == QEvent::MouseMove && m_inicioArrasto) {
    auto* e = static_cast<QMouseEvent*>(evento);
    const QPoint d = e->position().toPoint() - *m_inicioArrasto;
    if (std::abs(d.x()) >= 20 || std::abs(d.y()) >= 20) {
      const QModelIndex indice = m_grade->indexAt(*m_inicioArrasto);
      m_inicioArrasto.reset();
      if (!indice.isValid()) return false;
      const Valor valor = Valor::deDezMilesimos(indice.data(Qt::UserRole).toLongLong());
      if (valor.negativo()) return false;
      try {
        auto dados = std::make_unique<TDragMonetario>(valor.formata(4, false));
        auto* arrasto = new QDrag(m_grade);
        arrasto->setMimeData(dados.release());
        arrasto->exec(Qt::CopyAction);
      } catch (const std::exception&) {
        // An amount beyond what a field takes is not offered.
      }
      return true;
    }
  } else if (evento->type() == QEvent::MouseButtonRelease) {
    m_inicioArrasto.reset();
  }
  return TPaginaDeclaracao::eventFilter(objeto, evento);
}
