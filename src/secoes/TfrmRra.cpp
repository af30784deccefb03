#include "secoes/TfrmRra.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "controles/ControleDados.h"
#include "controles/GuardaErros.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "plataforma/gui/GuardaEventos.h"
#include "secoes/GlifosRra.h"
#include "secoes/TRraTipoFactory.h"
#include "secoes/TTolvGridRra.h"
#include "secoes/TfrmPesquisarRra.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"

namespace {

constexpr uint16_t kConfirmaExclusao = 13;
constexpr uint16_t kConfirmaExclusaoAdvogado = 126;
constexpr uint16_t kRegistroEquivalente = 282;
constexpr int kAlturaMolestia = 35;
constexpr int kLimiteNomePessoa = 60;
constexpr int kLimiteNomeEmpresa = 150;
const QString kCodigoReceita = QStringLiteral("1889");
const QString kSemLaudo = QStringLiteral("30/12/1899");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
const QDate kDataVazia(1899, 12, 30);
constexpr QRgb kFundoSomenteLeitura = qRgb(0xE1, 0xE1, 0xE1);
constexpr QRgb kBranco = qRgb(0xFF, 0xFF, 0xFF);

bool podeFocar(const QWidget* w) {
  return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

bool temValorMolestia(TzuqRra& rra) {
  for (int mes = 1; mes <= 12; ++mes)
    if (!rra.GetValores().GetMolestia(mes).GetValorMonetario().ehZero()) return true;
  return false;
}

// The number of a tax number alone, without its name.
bool numeroModificado(const TContribuinte& c) { return c.TNiContribuinte::GetModificado(); }

}  // namespace

TfrmRra::TfrmRra(uint8_t tipo, QWidget* pai) : TPaginaDeclaracao(pai), m_tipo(tipo) {
  setObjectName(tipo == 1 ? QStringLiteral("frmRraDeclarante") : QStringLiteral("frmRraJustica"));
  m_titulo = tipo == 1 ? QStringLiteral("Beneficiário do declarante - Rendimentos recebidos acumuladamente")
                       : QStringLiteral("Justiça - Rendimentos recebidos acumuladamente");
  m_abrePesquisa = [](TfrmRra& editor, int modo) {
    QPointer<TfrmRra> p(&editor);
    TfrmPesquisarRra::Executa(
        modo,
        [p](const QString& id) {
          if (p) p->Posicionar(id, QStringLiteral("-1"));
        },
        editor.window());
  };
  criaControles();
}

TfrmRra::~TfrmRra() {
  // The edits and the grid let go of the item before it goes.
  associa(false);
}

void TfrmRra::criaControles() {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  setFont(PaletaTolv::arial(8));
  const QColor moldura = PaletaTolv::cor(PaletaTolv::kMoldura);
  const QColor caixa = PaletaTolv::cor(PaletaTolv::kCaixa);

  const auto rotulo = [](const QString& texto, QWidget* pai, const char* nome = nullptr) {
    auto* l = new QLabel(texto, pai);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    PaletaTolv::pinta(l, PaletaTolv::kCaixa, PaletaTolv::kTexto);
    l->setAutoFillBackground(false);
    return l;
  };
  const auto secao = [](const QString& texto, QWidget* pai, const char* nome = nullptr) {
    auto* l = new QLabel(texto, pai);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    l->setFont(PaletaTolv::arial(8, true));
    PaletaTolv::pinta(l, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
    l->setAutoFillBackground(false);
    return l;
  };
  const auto edit = [](const char* nome, QWidget* pai, TTipoDeDado tipo, int limite) {
    auto* e = new TTolvEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->SetTipoDeDado(tipo);
    e->SetLimiteTexto(limite);
    return e;
  };
  const auto somenteLeitura = [](QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, PaletaTolv::cor(kFundoSomenteLeitura));
    w->setPalette(p);
  };

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);

  m_pnlTitulo = new QLabel(m_titulo, this);
  m_pnlTitulo->setObjectName(QStringLiteral("pnlTitulo"));
  m_pnlTitulo->setFont(PaletaTolv::arial(11));
  PaletaTolv::pinta(m_pnlTitulo, PaletaTolv::kFundo, PaletaTolv::kDescricaoPagina);
  m_pnlTitulo->setIndent(6);
  m_pnlTitulo->setFixedHeight(26);
  principal->addWidget(m_pnlTitulo);

  m_pnlBeneficiario = new QWidget(this);
  m_pnlBeneficiario->setObjectName(QStringLiteral("pnlBeneficiario"));
  PaletaTolv::pinta(m_pnlBeneficiario, PaletaTolv::kFundo);
  auto* ident = new QVBoxLayout(m_pnlBeneficiario);
  ident->setContentsMargins(6, 0, 6, 4);
  ident->setSpacing(2);
  principal->addWidget(m_pnlBeneficiario);

  ident->addWidget(secao(QStringLiteral("  Identificação do beneficiário"), m_pnlBeneficiario));
  auto* fBenef = new MolduraTolv(moldura, caixa, m_pnlBeneficiario);
  auto* gBenef = new QGridLayout;
  gBenef->setHorizontalSpacing(6);
  gBenef->setVerticalSpacing(4);
  fBenef->layoutInterno(5)->addLayout(gBenef);
  gBenef->addWidget(rotulo(QStringLiteral("CPF"), fBenef), 0, 0);
  m_edtCpf = edit("edtCpfBeneficiario", fBenef, TTipoDeDado::ApenasNumeros, 11);
  m_edtCpf->setFixedWidth(100);
  gBenef->addWidget(m_edtCpf, 0, 1);
  auto* nomeLinha = new QHBoxLayout;
  nomeLinha->setSpacing(6);
  nomeLinha->addWidget(rotulo(QStringLiteral("Nome"), fBenef));
  m_edtNome = edit("edtNomeBeneficiario", fBenef, TTipoDeDado::AlfaNumerico, 60);
  nomeLinha->addWidget(m_edtNome, 1);
  m_lblContador = rotulo(QStringLiteral("1/1"), fBenef, "lblContadorBeneficiario");
  m_lblContador->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_lblContador->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("999999/999999")) + 4);
  nomeLinha->addWidget(m_lblContador);
  gBenef->addLayout(nomeLinha, 0, 2);

  gBenef->addWidget(rotulo(QStringLiteral("Código de receita"), fBenef), 1, 0);
  auto* cmbCodigo = new QComboBox(fBenef);
  cmbCodigo->setObjectName(QStringLiteral("cmbCodReceita"));
  cmbCodigo->addItem(kCodigoReceita);
  cmbCodigo->setEnabled(false);
  cmbCodigo->setFixedWidth(100);
  cmbCodigo->setToolTip(QStringLiteral("Código de receita.  Para descrição completa consulte a ajuda."));
  somenteLeitura(cmbCodigo);
  gBenef->addWidget(cmbCodigo, 1, 1);
  auto* descricaoLinha = new QHBoxLayout;
  descricaoLinha->setSpacing(6);
  descricaoLinha->addWidget(rotulo(QStringLiteral("Descrição"), fBenef));
  auto* descricao = new QLineEdit(QStringLiteral("Rendimentos recebidos acumuladamente"), fBenef);
  descricao->setObjectName(QStringLiteral("edtDescricaoCodReceita"));
  descricao->setReadOnly(true);
  descricao->setFocusPolicy(Qt::NoFocus);
  somenteLeitura(descricao);
  descricaoLinha->addWidget(descricao, 1);
  gBenef->addLayout(descricaoLinha, 1, 2);

  auto* natureza = rotulo(QStringLiteral("Natureza do rendimento recebido acumuladamente"), fBenef);
  natureza->setWordWrap(true);
  gBenef->addWidget(natureza, 2, 0, 1, 2);
  m_edtNatureza = edit("edtNaturezaRra", fBenef, TTipoDeDado::AlfaNumerico, 50);
  gBenef->addWidget(m_edtNatureza, 2, 2);
  gBenef->setColumnStretch(2, 1);
  ident->addWidget(fBenef);

  m_lblIdentificacaoProcesso = secao(QString(), m_pnlBeneficiario, "lblIdentificacaoProcesso");
  ident->addWidget(m_lblIdentificacaoProcesso);
  auto* fProcesso = new MolduraTolv(moldura, caixa, m_pnlBeneficiario);
  auto* lProcesso = new QHBoxLayout;
  lProcesso->setSpacing(6);
  fProcesso->layoutInterno(5)->addLayout(lProcesso);
  m_lblNrProcesso = rotulo(QString(), fProcesso, "lblNrProcesso");
  lProcesso->addWidget(m_lblNrProcesso);
  m_edtProcesso = edit("edtNrProcesso", fProcesso, TTipoDeDado::AlfaNumerico, 20);
  m_edtProcesso->setFixedWidth(180);
  lProcesso->addWidget(m_edtProcesso);
  lProcesso->addStretch(1);
  ident->addWidget(fProcesso);

  ident->addWidget(secao(QStringLiteral("Identificação do advogado/escritório de advocacia"), m_pnlBeneficiario));
  auto* fAdvogado = new MolduraTolv(moldura, caixa, m_pnlBeneficiario);
  auto* lAdvogado = new QHBoxLayout;
  lAdvogado->setSpacing(6);
  fAdvogado->layoutInterno(5)->addLayout(lAdvogado);
  lAdvogado->addWidget(rotulo(QStringLiteral("CPF/CNPJ"), fAdvogado));
  m_edtNiAdvogado = edit("edtNIAdvogado", fAdvogado, TTipoDeDado::ApenasNumeros, 14);
  m_edtNiAdvogado->setFixedWidth(125);
  lAdvogado->addWidget(m_edtNiAdvogado);
  lAdvogado->addWidget(rotulo(QStringLiteral("Nome/Nome empresarial"), fAdvogado));
  m_edtNomeAdvogado = edit("edtNomeAdvogado", fAdvogado, TTipoDeDado::AlfaNumerico, kLimiteNomeEmpresa);
  lAdvogado->addWidget(m_edtNomeAdvogado, 1);
  const auto botao = [](const char* nome, QWidget* pai, GlifosRra::Glifo glifo, const QString& dica) {
    auto* b = new TTolvButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->SetGlyph(GlifosRra::desenha(glifo));
    b->setToolTip(dica);
    b->SetTabStop(false);
    b->setFixedSize(26, 24);
    return b;
  };
  m_btnExcluiAdvogado = botao("btnExcluiAdvogado", fAdvogado, GlifosRra::Glifo::Exclui,
                              QStringLiteral("Exclui o advogado do processo atual"));
  m_btnDesfazAdvogado = botao("btnDesfazAdvogado", fAdvogado, GlifosRra::Glifo::Desfaz,
                              QStringLiteral("Desfaz as últimas alterações no campo advogado do processo"));
  lAdvogado->addWidget(m_btnExcluiAdvogado);
  lAdvogado->addWidget(m_btnDesfazAdvogado);
  ident->addWidget(fAdvogado);

  auto* fMolestia = new MolduraTolv(moldura, caixa, m_pnlBeneficiario);
  m_pnlMolestia = fMolestia;
  m_pnlMolestia->setObjectName(QStringLiteral("pnlMolestia"));
  auto* lMolestia = new QHBoxLayout;
  lMolestia->setSpacing(6);
  fMolestia->layoutInterno(4)->addLayout(lMolestia);
  m_chkMolestia = new QCheckBox(QStringLiteral("Beneficiário é portador de moléstia grave atestada por laudo médico"), fMolestia);
  m_chkMolestia->setObjectName(QStringLiteral("chkMolestia"));
  m_chkMolestia->setFont(PaletaTolv::arial(8));
  lMolestia->addWidget(m_chkMolestia);
  lMolestia->addStretch(1);
  m_lblData = rotulo(QStringLiteral("Data atribuída pelo laudo"), fMolestia, "lblDataMolestia");
  lMolestia->addWidget(m_lblData);
  m_cmbData = new QDateEdit(fMolestia);
  m_cmbData->setObjectName(QStringLiteral("cmbDataMolestia"));
  m_cmbData->setDisplayFormat(kFormatoData);
  m_cmbData->setCalendarPopup(true);
  m_cmbData->setMinimumDate(kDataVazia);
  m_cmbData->setSpecialValueText(QStringLiteral(" "));
  m_cmbData->setDate(kDataVazia);
  m_cmbData->setFixedWidth(105);
  m_cmbData->calendarWidget()->installEventFilter(this);
  m_cmbData->installEventFilter(this);
  connect(m_cmbData, &QDateEdit::dateChanged, this, [this] { m_dataAlterada = true; });
  lMolestia->addWidget(m_cmbData);
  ident->addWidget(fMolestia);

  m_pnlControle = new QWidget(this);
  m_pnlControle->setObjectName(QStringLiteral("pnlControleRra"));
  PaletaTolv::pinta(m_pnlControle, PaletaTolv::kFundo);
  auto* controle = new QHBoxLayout(m_pnlControle);
  controle->setContentsMargins(6, 0, 6, 4);
  controle->setSpacing(2);
  using G = GlifosRra::Glifo;
  m_btnPesquisa = botao("btnPesquisaBeneficiario", m_pnlControle, G::Pesquisar, QStringLiteral("Pesquisar beneficiário"));
  m_btnPrimeiro = botao("btnPrimeiroBeneficiarioAtivo", m_pnlControle, G::Primeiro, QStringLiteral("Primeiro beneficiário"));
  m_btnAnterior = botao("btnAnteriorBeneficiarioAtivo", m_pnlControle, G::Anterior, QStringLiteral("Beneficiário anterior"));
  m_btnProximo = botao("btnProximoBeneficiarioAtivo", m_pnlControle, G::Proximo, QStringLiteral("Próximo beneficiário"));
  m_btnUltimo = botao("btnUltimoBeneficiarioAtivo", m_pnlControle, G::Ultimo, QStringLiteral("Último beneficiário"));
  m_btnInclui = botao("btnIncluiBeneficiario", m_pnlControle, G::Inclui, QStringLiteral("Inclui beneficiário"));
  m_btnExclui = botao("btnExcluiBeneficiario", m_pnlControle, G::Exclui, QStringLiteral("Exclui beneficiário"));
  m_btnDesfaz = botao("btnDesfazBeneficiario", m_pnlControle, G::Desfaz,
                      QStringLiteral("Desfaz as últimas alterações do beneficiáro"));
  controle->addWidget(m_btnPesquisa);
  controle->addSpacing(8);
  for (TTolvButton* b : {m_btnPrimeiro, m_btnAnterior, m_btnProximo, m_btnUltimo}) controle->addWidget(b);
  controle->addSpacing(8);
  for (TTolvButton* b : {m_btnInclui, m_btnExclui, m_btnDesfaz}) controle->addWidget(b);
  controle->addStretch(1);
  principal->addWidget(m_pnlControle);

  m_grade = new TTolvGridRra(this);
  m_grade->setObjectName(QStringLiteral("TolvGridRra1"));
  m_grade->SetHabilitarMolestia(false);
  auto* lGrade = new QHBoxLayout;
  lGrade->setContentsMargins(6, 0, 6, 6);
  lGrade->addWidget(m_grade);
  principal->addLayout(lGrade, 1);

  setTabOrder(m_edtCpf, m_edtNome);
  setTabOrder(m_edtNome, m_edtNatureza);
  setTabOrder(m_edtNatureza, m_edtProcesso);
  setTabOrder(m_edtProcesso, m_edtNiAdvogado);
  setTabOrder(m_edtNiAdvogado, m_edtNomeAdvogado);
  setTabOrder(m_edtNomeAdvogado, m_chkMolestia);
  setTabOrder(m_chkMolestia, m_cmbData);
  setTabOrder(m_cmbData, m_grade);

  m_lblIdentificacaoProcesso->setText(m_tipo == 1 ? QStringLiteral("Identificação do processo/requerimento")
                                                  : QStringLiteral("Identificação do processo"));
  m_lblNrProcesso->setText(m_tipo == 1 ? QStringLiteral("Número do processo/requerimento")
                                       : QStringLiteral("Número do processo"));

  // Enter moves on, Shift+Enter back.
  for (TTolvEdit* e : {m_edtCpf, m_edtNome, m_edtNatureza, m_edtProcesso, m_edtNiAdvogado, m_edtNomeAdvogado}) {
    connect(e, &TTolvCustomEdit::OnPressEnter, this, [e] {
      const bool volta = QApplication::keyboardModifiers() & Qt::ShiftModifier;
      QApplication::postEvent(e, new QKeyEvent(QEvent::KeyPress, volta ? Qt::Key_Backtab : Qt::Key_Tab,
                                               volta ? Qt::ShiftModifier : Qt::NoModifier));
    });
  }
  m_chkMolestia->installEventFilter(this);

  const auto acao = [this](TTolvButton* b, void (TfrmRra::*f)()) {
    connect(b, &QAbstractButton::clicked, this, [this, f] { GuardaErros([this, f] { (this->*f)(); }); });
  };
  acao(m_btnPesquisa, &TfrmRra::Pesquisa);
  acao(m_btnPrimeiro, &TfrmRra::Primeiro);
  acao(m_btnAnterior, &TfrmRra::Anterior);
  acao(m_btnProximo, &TfrmRra::Proximo);
  acao(m_btnUltimo, &TfrmRra::Ultimo);
  acao(m_btnInclui, &TfrmRra::Inclui);
  acao(m_btnExclui, &TfrmRra::Exclui);
  acao(m_btnDesfaz, &TfrmRra::Desfaz);
  acao(m_btnExcluiAdvogado, &TfrmRra::ExcluiAdvogado);
  acao(m_btnDesfazAdvogado, &TfrmRra::DesfazAdvogado);
  connect(m_chkMolestia, &QCheckBox::toggled, this,
          [this](bool marcado) { GuardaErros([this, marcado] { aoMarcarMolestia(marcado); }); });

  TRastreadorFoco& rastreador = TRastreadorFoco::instancia();
  rastreador.registra(m_pnlBeneficiario, [this](QWidget*) { return saiDaEdicao(); });
  rastreador.registra(m_grade, [this](QWidget*) { return saiDaEdicao(); });
  rastreador.registra(m_edtCpf, [this](QWidget*) {
    GuardaErros([this] { buscaNome(false); });
    return true;
  });
  rastreador.registra(m_edtNiAdvogado, [this](QWidget*) {
    GuardaErros([this] {
      buscaNome(true);
      AtualizaBotoes();
    });
    return true;
  });
  rastreador.registra(
      m_edtNomeAdvogado,
      [this](QWidget*) {
        AtualizaBotoes();
        return true;
      },
      [this](QWidget*) {
        const bool pessoa = m_rra && m_rra->GetAdvogado().GetTipo() == kNiCpf;
        m_edtNomeAdvogado->SetLimiteTexto(pessoa ? kLimiteNomePessoa : kLimiteNomeEmpresa);
      });
  rastreador.registra(m_cmbData, [this](QWidget*) {
    GuardaErros([this] { aoSairData(); });
    return true;
  });

  habilitaMolestia();
  AtualizaBotoes();
}

void TfrmRra::associa(bool associar) {
  TzuqRra* rra = associar ? m_rra.get() : nullptr;
  m_edtCpf->AssociaDado(rra ? &rra->GetBeneficiario() : nullptr);
  m_edtNome->AssociaDado(rra ? &rra->GetBeneficiario().GetNome() : nullptr);
  m_edtNatureza->AssociaDado(rra ? &rra->GetNatureza() : nullptr);
  m_edtProcesso->AssociaDado(rra ? &rra->GetProcesso() : nullptr);
  m_edtNiAdvogado->AssociaDado(rra ? &rra->GetAdvogado() : nullptr);
  m_edtNomeAdvogado->AssociaDado(rra ? &rra->GetAdvogado().GetNome() : nullptr);
  m_grade->SetRra(rra);
}

void TfrmRra::Inicializa(const TContextoPagina& contexto) {
  if (contexto.declaracao) Inicializa(*contexto.declaracao);
}

void TfrmRra::Inicializa(TTolv& declaracao) {
  Finaliza();
  m_declaracao = &declaracao;
  m_dao = &TzuqRraDAO::DaDeclaracao(declaracao);
  m_rra = TRraTipoFactory::CriaRra(declaracao, m_tipo);
  m_copia = std::make_unique<TzuqRra>(&declaracao, m_tipo);
  m_rra->GetProcesso().SetOpcional(m_tipo == 1);
  // A person declarant pays no pension for a serious illness through this page.
  const bool pessoa = declaracao.GetContribuinte().GetTipo() == kNiCpf;
  m_pnlMolestia->setVisible(!pessoa);
  bool ano = false;
  const int anoCalendario = declaracao.GetAnoCalendario().toInt(&ano);
  m_cmbData->setMaximumDate(ano ? QDate(anoCalendario, 12, 31) : QDate(7999, 12, 31));
  associa(true);
  m_valido = true;
  MostraItem();
}

void TfrmRra::Finaliza() {
  associa(false);
  m_rra.reset();
  m_copia.reset();
  m_dao = nullptr;
  m_declaracao = nullptr;
  m_valido = true;
  m_total = m_posicao = 0;
  m_salvando = m_indoAoCampo = m_naSaida = false;
  m_niBuscado.clear();
  m_niAdvogadoBuscado.clear();
  m_lblContador->setText(QStringLiteral("1/1"));
}

void TfrmRra::MostraFicha(int codigo) {
  if (codigo == (m_tipo == 1 ? 150 : 450)) Ativa();
}

void TfrmRra::Ativa() {
  if (!m_rra) return;
  if (podeFocar(m_edtCpf)) m_edtCpf->setFocus(Qt::OtherFocusReason);
  AtualizaContador();
}

void TfrmRra::DefineTitulo(const QString& titulo) {
  if (titulo.isEmpty()) return;
  m_titulo = titulo;
  atualizaTitulo();
}

void TfrmRra::atualizaTitulo() { m_pnlTitulo->setText(m_titulo); }

bool TfrmRra::PodeSair() {
  if (!m_rra) return true;
  return confirmaFoco() && Salva();
}

void TfrmRra::Posiciona(const QString& dono, const QString& objeto, int) { Posicionar(dono, objeto); }

bool TfrmRra::Posicionar(const QString& id, const QString& campo) {
  if (!m_rra) return false;
  // What the item shown holds is saved, or the go-to waits for it.
  if (!preparaAcao()) return false;
  if (!id.isEmpty()) {
    m_rra->Limpar();
    m_rra->SetId(id.toInt());
    {
      CursorEspera espera;
      m_dao->Busca(*m_rra);
    }
    // A key of the other kind is not this page's to show.
    if (m_rra->GetTipo() != m_tipo) {
      m_rra->Limpar();
      m_rra->SetTipo(m_tipo);
      m_rra->GetProcesso().SetOpcional(m_tipo == 1);
      zeraModificados();
    }
    MostraItem();
  }
  FocaCampo(campo);
  return true;
}

void TfrmRra::Recarrega() {
  if (!m_rra) return;
  if (m_rra->GetId() != 0) {
    CursorEspera espera;
    m_dao->Busca(*m_rra);
    MostraItem();
  }
  // The months after a new event month are locked now.
  m_grade->Modelo().Atualiza();
}

bool TfrmRra::identificacaoVazia() const {
  const QString molestia = m_rra->GetInMolestia().GetValor();
  const QString laudo = m_rra->GetDataLaudo().GetValor();
  return m_rra->GetId() == 0 && m_rra->GetBeneficiario().GetNiDigitos().isEmpty() &&
         m_rra->GetBeneficiario().GetNome().GetValor().isEmpty() && m_rra->GetNatureza().GetValor().isEmpty() &&
         m_rra->GetProcesso().GetValor().isEmpty() && m_rra->GetAdvogado().GetNiDigitos().isEmpty() &&
         m_rra->GetAdvogado().GetNome().GetValor().isEmpty() && (molestia.isEmpty() || molestia == u"N") &&
         (laudo.isEmpty() || laudo == kSemLaudo);
}

bool TfrmRra::identificacaoModificada() const {
  return m_rra->GetBeneficiario().GetModificado() || m_rra->GetNatureza().GetModificado() ||
         m_rra->GetProcesso().GetModificado() || m_rra->GetAdvogado().GetModificado() ||
         m_rra->GetInMolestia().GetModificado() || m_rra->GetDataLaudo().GetModificado();
}

bool TfrmRra::Salva() {
  if (!m_rra || m_salvando) return true;
  // An untouched new item is not stored. One that holds month values is checked like any other,
  // so that the values are never dropped without a word.
  if (identificacaoVazia() && m_rra->GetValores().EstaVazio()) {
    zeraModificados();
    m_valido = true;
    return true;
  }
  if (!identificacaoModificada() && !m_rra->GetValores().GetModificado()) {
    m_valido = true;
    return true;
  }
  m_salvando = true;
  struct Fim {
    bool& f;
    ~Fim() { f = false; }
  } fim{m_salvando};
  if (!Valida()) return false;
  const TzuqRra& r = *m_rra;
  if ((numeroModificado(r.GetBeneficiario()) || r.GetNatureza().GetModificado() || r.GetProcesso().GetModificado() ||
       numeroModificado(r.GetAdvogado())) &&
      m_dao->JaExiste(r))
    ExibeMensagem(TErro::FormataMensagem(kRegistroEquivalente, r.GetBeneficiario().GetNiFormatado() +
                                                                   QStringLiteral(" - ") +
                                                                   r.GetBeneficiario().GetNome().GetValor()),
                  TipoMensagem::Aviso);
  m_dao->Salva(*m_rra);
  guardaCopia();
  AtualizaContador();
  return true;
}

bool TfrmRra::Valida() {
  TErros erros(false);
  m_rra->VerificaItem(erros);
  const TErro* primeiro = nullptr;
  for (int i = 0; i < erros.GetQuantidade() && !primeiro; ++i)
    if (erros.GetErro(i).Tipo() == 1) primeiro = &erros.GetErro(i);
  if (!primeiro) {
    m_valido = true;
    return true;
  }
  m_valido = false;
  const TErro erro(primeiro->Codigo(), primeiro->Argumentos());
  FocaCampo(primeiro->QuemEh());
  erro.Mostra();
  emit EdicaoRecusada();
  return false;
}

void TfrmRra::mostraMolestia() {
  QSignalBlocker bloqueio(m_chkMolestia);
  const bool molestia = m_rra && m_rra->GetInMolestia().GetValor() == u"S";
  m_chkMolestia->setChecked(molestia);
  QDate data = kDataVazia;
  if (molestia) {
    const QString laudo = m_rra->GetDataLaudo().GetValor();
    if (!laudo.isEmpty() && laudo != kSemLaudo) data = QDate::fromString(laudo, kFormatoData);
    if (!data.isValid()) data = kDataVazia;
  } else if (m_rra) {
    m_rra->GetDataLaudo().Limpa();
  }
  QSignalBlocker bloqueioData(m_cmbData);
  // A stored date beyond the box's limits is shown as it is.
  if (data > m_cmbData->maximumDate()) m_cmbData->setMaximumDate(data);
  m_cmbData->setDate(data);
  m_dataAlterada = false;
}

void TfrmRra::habilitaMolestia() {
  const bool molestia = m_rra && m_rra->GetInMolestia().GetValor() == u"S";
  m_cmbData->setEnabled(molestia);
  m_cmbData->setFocusPolicy(molestia ? Qt::StrongFocus : Qt::NoFocus);
  QPalette p = m_cmbData->palette();
  p.setColor(QPalette::Base, PaletaTolv::cor(molestia ? kBranco : kFundoSomenteLeitura));
  m_cmbData->setPalette(p);
  if (!molestia) {
    QSignalBlocker bloqueio(m_cmbData);
    m_cmbData->setDate(kDataVazia);
    m_dataAlterada = false;
  }
  m_grade->SetHabilitarMolestia(molestia);
  m_grade->viewport()->update();
}

void TfrmRra::MostraItem() {
  mostraMolestia();
  habilitaMolestia();
  m_grade->Modelo().Atualiza();
  AtualizaContador();
  atualizaTitulo();
  guardaCopia();
}

QString TfrmRra::Contador() const { return m_lblContador->text(); }

void TfrmRra::AtualizaContador() {
  if (!m_rra) return;
  m_total = m_dao->QuantidadeRegistros(*m_rra);
  if (m_total == 0) {
    m_posicao = 0;
    m_lblContador->setText(QStringLiteral("1/1"));
  } else if (m_rra->GetId() > 0) {
    m_posicao = m_dao->PosicaoAtual(*m_rra);
    m_lblContador->setText(QStringLiteral("%1/%2").arg(m_posicao).arg(m_total));
  } else {
    m_total = m_posicao = m_total + 1;
    m_lblContador->setText(QStringLiteral("%1/%2").arg(m_posicao).arg(m_total));
  }
  AtualizaBotoes();
}

void TfrmRra::AtualizaBotoes() {
  const int id = m_rra ? m_rra->GetId() : 0;
  const auto move = [this](bool primeiro, bool anterior, bool proximo, bool ultimo) {
    m_btnPrimeiro->setEnabled(primeiro);
    m_btnAnterior->setEnabled(anterior);
    m_btnProximo->setEnabled(proximo);
    m_btnUltimo->setEnabled(ultimo);
  };
  if (!m_rra || m_total == 0) {
    m_btnExclui->setEnabled(false);
    m_btnPesquisa->setEnabled(false);
    move(false, false, false, false);
  } else if (m_total == 1 && id == 0) {
    m_btnExclui->setEnabled(true);
    move(true, true, false, false);
  } else if (m_total == 1) {
    m_btnExclui->setEnabled(true);
    move(false, false, false, false);
  } else if (m_posicao == 1) {
    m_btnExclui->setEnabled(true);
    m_btnPesquisa->setEnabled(true);
    move(false, false, true, true);
  } else if (m_posicao > 0 && m_posicao < m_total) {
    m_btnExclui->setEnabled(true);
    move(true, true, true, true);
  } else {
    m_btnExclui->setEnabled(true);
    move(true, true, false, false);
  }
  const bool advogado = m_rra && !m_rra->GetAdvogado().GetNiDigitos().isEmpty();
  m_btnExcluiAdvogado->setEnabled(advogado);
  m_btnDesfazAdvogado->setEnabled(advogado);
  if (id == 0) {
    m_btnExclui->setEnabled(false);
  } else {
    m_btnExclui->setEnabled(true);
    m_btnPesquisa->setEnabled(true);
  }
}

void TfrmRra::guardaCopia() {
  if (!m_rra || !m_copia) return;
  m_niBuscado = m_rra->GetBeneficiario().GetNiDigitos();
  m_niAdvogadoBuscado = m_rra->GetAdvogado().GetNiDigitos();
  m_copia->Limpar();
  if (m_rra->GetId() <= 0) return;
  m_copia->SetId(m_rra->GetId());
  m_rra->GetBeneficiario().CopiaPara(m_copia->GetBeneficiario());
  m_copia->GetNatureza().CarregaValor(m_rra->GetNatureza().GetValor());
  m_copia->SetTipo(m_rra->GetTipo());
  m_copia->GetProcesso().SetOpcional(m_rra->GetProcesso().GetOpcional());
  m_copia->GetProcesso().CarregaValor(m_rra->GetProcesso().GetValor());
  if (!m_rra->GetAdvogado().GetNiDigitos().isEmpty()) m_rra->GetAdvogado().CopiaPara(m_copia->GetAdvogado());
  m_copia->GetInMolestia().SetValor(m_rra->GetInMolestia().GetValor());
  m_copia->GetDataLaudo().SetValor(m_rra->GetDataLaudo().GetValor());
}

void TfrmRra::zeraModificados() {
  if (!m_rra) return;
  m_rra->GetBeneficiario().SetModificado(false);
  m_rra->GetNatureza().SetModificado(false);
  m_rra->GetProcesso().SetModificado(false);
  m_rra->GetAdvogado().SetModificado(false);
  m_rra->GetInMolestia().SetModificado(false);
  m_rra->GetDataLaudo().SetModificado(false);
  m_rra->GetValores().SetModificado(false);
}

QWidget* TfrmRra::controleDoCampo(const QString& campo) const {
  if (campo.isEmpty() || campo == u"-1" || campo == u"cpfBeneficiario") return m_edtCpf;
  if (campo == u"nomeBeneficiario") return m_edtNome;
  if (campo == u"natureza") return m_edtNatureza;
  if (campo == u"processo") return m_edtProcesso;
  if (campo == u"niAdvogado") return m_edtNiAdvogado;
  if (campo == u"nomeAdvogado") return m_edtNomeAdvogado;
  if (campo == u"data") return m_cmbData;
  if (campo == u"valores") return m_grade;
  return nullptr;
}

void TfrmRra::FocaCampo(const QString& campo) {
  QWidget* controle = controleDoCampo(campo);
  if (!podeFocar(controle)) return;
  if (!m_naSaida) {
    controle->setFocus(Qt::OtherFocusReason);
    return;
  }
  // Inside an exit handler the focus goes back where it was first; the field follows, and the
  // way there saves nothing.
  QTimer::singleShot(0, this, [this, alvo = QPointer<QWidget>(controle)] {
    if (!alvo || !podeFocar(alvo)) return;
    m_indoAoCampo = true;
    alvo->setFocus(Qt::OtherFocusReason);
    m_indoAoCampo = false;
  });
}

bool TfrmRra::confirmaFoco() {
  QWidget* foco = window()->focusWidget();
  if (!foco || !isAncestorOf(foco)) return true;
  if (foco == m_cmbData) {
    aoSairData();
    return true;
  }
  // A text refused a moment ago is still there: it is checked again, not passed over.
  if (auto* edit = qobject_cast<TTolvCustomEdit*>(foco); edit && edit->Rejeitado()) edit->setModified(true);
  return ConfirmaControleDados(foco);
}

bool TfrmRra::preparaAcao() {
  if (!m_rra) return false;
  return confirmaFoco() && Salva();
}

bool TfrmRra::saiDaEdicao() {
  if (!m_rra || m_indoAoCampo || m_salvando) return true;
  bool salvo = false;
  m_naSaida = true;
  GuardaErros([this, &salvo] { salvo = Salva(); });
  m_naSaida = false;
  return salvo;
}

void TfrmRra::moveDepois(const std::function<void()>& busca) {
  {
    CursorEspera espera;
    busca();
  }
  MostraItem();
  FocaCampo(QStringLiteral("cpfBeneficiario"));
}

void TfrmRra::Primeiro() {
  if (!preparaAcao()) return;
  moveDepois([this] { m_dao->BuscaPrimeiro(*m_rra); });
}

void TfrmRra::Anterior() {
  if (!preparaAcao()) return;
  moveDepois([this] {
    if (m_rra->GetId() <= 0)
      m_dao->BuscaUltimo(*m_rra);
    else
      m_dao->BuscaAnterior(*m_rra);
  });
}

void TfrmRra::Proximo() {
  if (!preparaAcao()) return;
  moveDepois([this] { m_dao->BuscaProximo(*m_rra); });
}

void TfrmRra::Ultimo() {
  if (!preparaAcao()) return;
  moveDepois([this] { m_dao->BuscaUltimo(*m_rra); });
}

void TfrmRra::Inclui() {
  if (!preparaAcao()) return;
  m_rra->Limpar();
  zeraModificados();
  MostraItem();
  FocaCampo(QStringLiteral("cpfBeneficiario"));
}

void TfrmRra::Exclui() {
  if (!m_rra || m_rra->GetId() == 0) return;
  const QString argumentos = m_rra->GetBeneficiario().GetNiFormatado() + u';' + kCodigoReceita;
  if (TErro::MostraTexto(TErro::FormataMensagem(kConfirmaExclusao, argumentos), TipoMensagem::Confirmacao) !=
      ResultadoMensagem::Sim)
    return;
  m_dao->Exclui(*m_rra);
  m_rra->Limpar();
  zeraModificados();
  m_valido = true;
  moveDepois([this] { m_dao->BuscaUltimo(*m_rra); });
}

void TfrmRra::Desfaz() {
  if (!m_rra) return;
  if (m_rra->GetId() == 0) {
    m_rra->Limpar();
    zeraModificados();
    Ultimo();
    FocaCampo(QStringLiteral("cpfBeneficiario"));
    return;
  }
  if (identificacaoModificada()) {
    m_copia->GetBeneficiario().CopiaPara(m_rra->GetBeneficiario());
    m_rra->GetNatureza().CarregaValor(m_copia->GetNatureza().GetValor());
    m_rra->GetProcesso().CarregaValor(m_copia->GetProcesso().GetValor());
    if (!m_copia->GetAdvogado().GetNiDigitos().isEmpty())
      m_copia->GetAdvogado().CopiaPara(m_rra->GetAdvogado());
    else if (!m_rra->GetAdvogado().GetNiDigitos().isEmpty())
      m_rra->GetAdvogado().LimpaTudo();
    m_rra->GetInMolestia().SetValor(m_copia->GetInMolestia().GetValor());
    m_rra->GetDataLaudo().SetValor(m_copia->GetDataLaudo().GetValor());
    MostraItem();
  }
  FocaCampo(QStringLiteral("cpfBeneficiario"));
}

void TfrmRra::Pesquisa() {
  if (!preparaAcao()) return;
  if (m_abrePesquisa) m_abrePesquisa(*this, m_tipo == 1 ? 0 : 1);
}

void TfrmRra::ExcluiAdvogado() {
  if (!m_rra) return;
  TContribuinte& advogado = m_rra->GetAdvogado();
  const QString argumento = advogado.GetNiFormatado() + QStringLiteral(" - ") + advogado.GetNome().GetValor();
  if (TErro::MostraTexto(TErro::FormataMensagem(kConfirmaExclusaoAdvogado, argumento), TipoMensagem::Confirmacao) !=
      ResultadoMensagem::Sim)
    return;
  advogado.LimpaTudo();
  AtualizaBotoes();
}

void TfrmRra::DesfazAdvogado() {
  if (!m_rra || !m_rra->GetAdvogado().GetModificado()) return;
  if (!m_copia->GetAdvogado().GetNiDigitos().isEmpty())
    m_copia->GetAdvogado().CopiaPara(m_rra->GetAdvogado());
  else if (!m_rra->GetAdvogado().GetNiDigitos().isEmpty())
    m_rra->GetAdvogado().LimpaTudo();
  AtualizaBotoes();
}

void TfrmRra::buscaNome(bool advogado) {
  if (!m_rra) return;
  TContribuinte& c = advogado ? m_rra->GetAdvogado() : m_rra->GetBeneficiario();
  QString& buscado = advogado ? m_niAdvogadoBuscado : m_niBuscado;
  const QString digitos = c.GetNiDigitos();
  // Only a number just typed: a name the user changed afterwards stays his.
  if (digitos.isEmpty() || !numeroModificado(c) || digitos == buscado) return;
  buscado = digitos;
  const QString nome = m_dao->BuscaNomeBeneficiario(c.GetBase(), c.GetTipo() == kNiCpf ? 1 : 2);
  if (!nome.isEmpty()) c.GetNome().SetNomeComErro(nome);
}

void TfrmRra::aoMarcarMolestia(bool marcado) {
  if (!m_rra) return;
  if (!marcado && temValorMolestia(*m_rra)) {
    // Hidden amounts would still be stored and filed: they go, once the user agrees.
    const int resposta = ExibeMensagem(
        QStringLiteral("Os valores informados na coluna \"Rend Isento Moléstia Grave\" serão excluídos. Confirma?"),
        TipoMensagem::Confirmacao);
    if (resposta != ResultadoMensagem::Sim) {
      QSignalBlocker bloqueio(m_chkMolestia);
      m_chkMolestia->setChecked(true);
      return;
    }
    for (int mes = 1; mes <= 12; ++mes) m_rra->GetValores().GetMolestia(mes).SetValorMonetario(Valor());
  }
  const QString novo = marcado ? QStringLiteral("S") : QStringLiteral("N");
  if (m_rra->GetInMolestia().GetValor() != novo) m_rra->GetInMolestia().SetValor(novo);
  mostraMolestia();
  habilitaMolestia();
}

void TfrmRra::aoSairData() {
  if (!m_rra || !m_dataAlterada) return;
  m_dataAlterada = false;
  const QDate data = m_cmbData->date();
  const QString texto = data <= kDataVazia ? kSemLaudo : data.toString(kFormatoData);
  if (m_rra->GetDataLaudo().GetValor() != texto) m_rra->GetDataLaudo().SetValor(texto);
}

void TfrmRra::hideEvent(QHideEvent* evento) {
  TPaginaDeclaracao::hideEvent(evento);
  // Another page took the place (a node of the tree, a go-to from another window): what the
  // item holds is saved now, or refused with its message while the page can still be found.
  if (!evento->spontaneous() && m_rra && !m_salvando) GuardaErros([this] { PodeSair(); });
}

bool TfrmRra::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (enter && objeto == m_chkMolestia) {
      if (podeFocar(m_cmbData))
        m_cmbData->setFocus(Qt::TabFocusReason);
      else
        m_grade->setFocus(Qt::TabFocusReason);
      return true;
    }
    if (enter && objeto == m_cmbData) {
      m_grade->setFocus(Qt::TabFocusReason);
      return true;
    }
    // Delete empties the box: a report without a date.
    if (objeto == m_cmbData && tecla->key() == Qt::Key_Delete) {
      m_cmbData->setDate(kDataVazia);
      return true;
    }
  } else if (evento->type() == QEvent::Show && objeto == m_cmbData->calendarWidget() && m_declaracao &&
             m_cmbData->date() == kDataVazia) {
    // An empty box opens its calendar on January of the calendar year.
    bool ok = false;
    const int ano = m_declaracao->GetAnoCalendario().toInt(&ok);
    if (ok) m_cmbData->calendarWidget()->setCurrentPage(ano, 1);
  }
  return TPaginaDeclaracao::eventFilter(objeto, evento);
}
