#include "secoes/TfrmPlanoSaude.h"

#include <QFrame>
#include <QItemSelectionModel>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "controles/ControleDados.h"
#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TTolv.h"
#include "plataforma/gui/GuardaEventos.h"
#include "secoes/CarregaContribuinte.h"
#include "secoes/ServicosEditor.h"
#include "secoes/TGradeDependentes.h"
#include "secoes/TTitularesOperadora.h"
#include "secoes/TfrmPesquisarPlanoSaude.h"
#include "secoes/TfrmPesquisarPlanoSaudeTitular.h"
#include "secoes/TzuqDependentePlanoSaudeDAO.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqRelacaoDependenciaDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaudeDAO.h"

namespace {
constexpr int kCpfInvalido = 35;
constexpr int kCnpjInvalido = 36;
constexpr int kCpfNaoInformado = 38;
constexpr int kCnpjNaoInformado = 39;
constexpr int kNomeEmpresarial = 244;
constexpr int kRegistroAusente = 245;
constexpr int kExcluiOperadora = 246;
constexpr int kNomeTitular = 247;
constexpr int kExcluiTitular = 249;
constexpr int kRegistroInvalido = 253;
constexpr int kCpfDeDependente = 259;
constexpr int kExcluiDependente = 260;
constexpr int kCnpjDeFundo = 261;
constexpr int kNoDependentes = 801;

bool podeFocar(const QWidget* w) {
  return w && w->isEnabled() && w->isVisibleTo(w->window()) && w->focusPolicy() != Qt::NoFocus;
}

void foca(QWidget* w) {
  if (podeFocar(w)) w->setFocus(Qt::OtherFocusReason);
}

bool confirma(int codigo, const QString& argumento) {
  return TErro::MostraTexto(TErro::FormataMensagem(codigo, argumento), TipoMensagem::Confirmacao, 0,
                            TErro::kBotaoOk) == ResultadoMensagem::Sim;
}

QLabel* Titulo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  l->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(l, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
  return l;
}

QFrame* Painel(const char* nome, QWidget* pai) {
  auto* f = new QFrame(pai);
  f->setObjectName(QString::fromLatin1(nome));
  f->setFrameShape(QFrame::StyledPanel);
  f->setAutoFillBackground(true);
  PaletaTolv::pinta(f, PaletaTolv::kCaixa);
  return f;
}

TTolvEdit* Edit(const char* nome, TTipoDeDado tipo, int limite, QWidget* pai) {
  auto* e = new TTolvEdit(pai);
  e->setObjectName(QString::fromLatin1(nome));
  e->SetTipoDeDado(tipo);
  e->SetLimiteTexto(limite);
  return e;
}

TTolvButton* Botao(const char* nome, const QString& legenda, const QString& dica, QWidget* pai) {
  auto* b = new TTolvButton(legenda, pai);
  b->setObjectName(QString::fromLatin1(nome));
  b->setToolTip(dica);
  b->setMinimumHeight(22);
  return b;
}
}  // namespace

TfrmPlanoSaude::TfrmPlanoSaude(QWidget* pai) : TPaginaDeclaracao(pai) {
  setObjectName(QStringLiteral("frmPlanoSaude"));
  montaTela();
  registraFoco();
  atualizaBotoes();
}

TfrmPlanoSaude::~TfrmPlanoSaude() {
  // The edits observe the records: unbound before the records go.
  associaEdits(false);
}

void TfrmPlanoSaude::montaTela() {
  setFont(PaletaTolv::arial(8));
  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(4);
  auto* titulo = new QLabel(QStringLiteral("Plano privado de assistência à saúde - coletivo empresarial"), this);
  titulo->setObjectName(QStringLiteral("pnlTitulo"));
  titulo->setFont(PaletaTolv::arial(11, true));
  titulo->setAutoFillBackground(true);
  titulo->setContentsMargins(8, 6, 8, 6);
  PaletaTolv::pinta(titulo, PaletaTolv::kDescricaoPagina, 0xFFFFFF);
  raiz->addWidget(titulo);

  const auto barra = [this](const char* nome, QLabel*& contador, const char* nomeContador) {
    auto* w = new QWidget(this);
    w->setObjectName(QString::fromLatin1(nome));
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(3);
    contador = new QLabel(QStringLiteral("1/1"), w);
    contador->setObjectName(QString::fromLatin1(nomeContador));
    contador->setMinimumWidth(80);
    contador->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return std::pair{w, h};
  };

  // Operator.
  raiz->addWidget(Titulo(QStringLiteral("  Identificação da operadora"), this));
  pnlOperadora = Painel("pnlOperadora", this);
  {
    auto* g = new QGridLayout(pnlOperadora);
    edtCNPJOperadora = Edit("edtCNPJOperadora", TTipoDeDado::ApenasNumeros, 14, pnlOperadora);
    edtRegistroANS = Edit("edtRegistroANS", TTipoDeDado::ApenasNumeros, 7, pnlOperadora);
    edtNomeOperadora = Edit("edtNomeOperadora", TTipoDeDado::AlfaNumerico, 150, pnlOperadora);
    g->addWidget(new QLabel(QStringLiteral("CNPJ"), pnlOperadora), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Registro ANS"), pnlOperadora), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Nome empresarial"), pnlOperadora), 0, 2);
    g->addWidget(edtCNPJOperadora, 1, 0);
    g->addWidget(edtRegistroANS, 1, 1);
    g->addWidget(edtNomeOperadora, 1, 2);
    edtCNPJOperadora->setFixedWidth(130);
    edtRegistroANS->setFixedWidth(80);
    g->setColumnStretch(2, 1);
  }
  raiz->addWidget(pnlOperadora);
  {
    auto [w, h] = barra("pnlBotoesOperadora", lblContadorOperadora, "lblContadorOperadora");
    pnlBotoesOperadora = w;
    btnPesquisaOperadora = Botao("btnPesquisaOperadora", QStringLiteral("Pesquisar"), QStringLiteral("Pesquisar operadora"), w);
    btnPrimeiroOperadoraAtivo = Botao("btnPrimeiroOperadoraAtivo", QStringLiteral("|<"), QStringLiteral("Primeira operadora"), w);
    btnAnteriorOperadoraAtivo = Botao("btnAnteriorOperadoraAtivo", QStringLiteral("<"), QStringLiteral("Operadora anterior"), w);
    btnProximoOperadoraAtivo = Botao("btnProximoOperadoraAtivo", QStringLiteral(">"), QStringLiteral("Próxima operadora"), w);
    btnUltimoOperadoraAtivo = Botao("btnUltimoOperadoraAtivo", QStringLiteral(">|"), QStringLiteral("Última operadora"), w);
    btnIncluiOperadora = Botao("btnIncluiOperadora", QStringLiteral("Incluir"), QStringLiteral("Inclui operadora"), w);
    btnExcluiOperadora = Botao("btnExcluiOperadora", QStringLiteral("Excluir"), QStringLiteral("Exclui operadora"), w);
    btnDesfazOperadora = Botao("btnDesfazOperadora", QStringLiteral("Desfazer"), QStringLiteral("Desfaz as últimas alterações da operadora"), w);
    for (QWidget* b : {static_cast<QWidget*>(btnPesquisaOperadora), static_cast<QWidget*>(btnPrimeiroOperadoraAtivo),
                       static_cast<QWidget*>(btnAnteriorOperadoraAtivo), static_cast<QWidget*>(btnProximoOperadoraAtivo),
                       static_cast<QWidget*>(btnUltimoOperadoraAtivo), static_cast<QWidget*>(btnIncluiOperadora),
                       static_cast<QWidget*>(btnExcluiOperadora), static_cast<QWidget*>(btnDesfazOperadora)})
      h->addWidget(b);
    h->addStretch(1);
    h->addWidget(lblContadorOperadora);
    raiz->addWidget(w);
  }

  // Holder.
  raiz->addWidget(Titulo(QStringLiteral("  Identificação do titular"), this));
  pnlTitular = Painel("pnlTitular", this);
  {
    auto* g = new QGridLayout(pnlTitular);
    edtCPFTitular = Edit("edtCPFTitular", TTipoDeDado::ApenasNumeros, 11, pnlTitular);
    edtNomeTitular = Edit("edtNomeTitular", TTipoDeDado::AlfaNumerico, 60, pnlTitular);
    edtTitularValor = Edit("edtTitularValor", TTipoDeDado::Numerico, 0, pnlTitular);
    edtTitularValor->SetAlignment(Qt::AlignRight);
    g->addWidget(new QLabel(QStringLiteral("CPF"), pnlTitular), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Nome"), pnlTitular), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Valor pago no ano\nreferente ao titular"), pnlTitular), 0, 2);
    g->addWidget(edtCPFTitular, 1, 0);
    g->addWidget(edtNomeTitular, 1, 1);
    g->addWidget(edtTitularValor, 1, 2);
    edtCPFTitular->setFixedWidth(130);
    edtTitularValor->setFixedWidth(130);
    g->setColumnStretch(1, 1);
  }
  raiz->addWidget(pnlTitular);
  {
    auto [w, h] = barra("pnlBotoesTitular", lblContadorTitular, "lblContadorTitular");
    pnlBotoesTitular = w;
    btnPesquisaTitular = Botao("btnPesquisaTitular", QStringLiteral("Pesquisar"), QStringLiteral("Pesquisar titular"), w);
    btnPrimeiroTitularAtivo = Botao("btnPrimeiroTitularAtivo", QStringLiteral("|<"), QStringLiteral("Primeiro titular"), w);
    btnAnteriorTitularAtivo = Botao("btnAnteriorTitularAtivo", QStringLiteral("<"), QStringLiteral("Titular anterior"), w);
    btnProximoTitularAtivo = Botao("btnProximoTitularAtivo", QStringLiteral(">"), QStringLiteral("Próximo titular"), w);
    btnUltimoTitularAtivo = Botao("btnUltimoTitularAtivo", QStringLiteral(">|"), QStringLiteral("Último titular"), w);
    btnIncluiTitular = Botao("btnIncluiTitular", QStringLiteral("Incluir"), QStringLiteral("Inclui titular"), w);
    btnExcluiTitular = Botao("btnExcluiTitular", QStringLiteral("Excluir"), QStringLiteral("Exclui titular"), w);
    btnDesfazTitular = Botao("btnDesfazTitular", QStringLiteral("Desfazer"), QStringLiteral("Desfaz as últimas alterações do titular"), w);
    for (QWidget* b : {static_cast<QWidget*>(btnPesquisaTitular), static_cast<QWidget*>(btnPrimeiroTitularAtivo),
                       static_cast<QWidget*>(btnAnteriorTitularAtivo), static_cast<QWidget*>(btnProximoTitularAtivo),
                       static_cast<QWidget*>(btnUltimoTitularAtivo), static_cast<QWidget*>(btnIncluiTitular),
                       static_cast<QWidget*>(btnExcluiTitular), static_cast<QWidget*>(btnDesfazTitular)})
      h->addWidget(b);
    h->addStretch(1);
    h->addWidget(lblContadorTitular);
    raiz->addWidget(w);
  }

  // Dependants.
  raiz->addWidget(Titulo(QStringLiteral("  Identificação do dependente"), this));
  pnlDependente = Painel("pnlDependente", this);
  {
    auto* v = new QVBoxLayout(pnlDependente);
    m_grade = new TGradeDependentes(pnlDependente);
    m_grade->setMinimumHeight(120);
    v->addWidget(m_grade);
  }
  raiz->addWidget(pnlDependente, 1);
  {
    auto [w, h] = barra("pnlBotoesDependente", lblContadorDependente, "lblContadorDependente");
    pnlBotoesDependente = w;
    btnIncluiDependente = Botao("btnIncluiDependente", QStringLiteral("Incluir"), QStringLiteral("Inclui dependente"), w);
    btnExcluiDependenteAtivo = Botao("btnExcluiDependenteAtivo", QStringLiteral("Excluir"), QStringLiteral("Exclui dependente"), w);
    btnDesfazDependente = Botao("btnDesfazDependente", QStringLiteral("Desfazer"), QStringLiteral("Desfaz as últimas alterações do dependente"), w);
    h->addWidget(btnIncluiDependente);
    h->addWidget(btnExcluiDependenteAtivo);
    h->addWidget(btnDesfazDependente);
    h->addWidget(lblContadorDependente);
    h->addStretch(1);
    h->addWidget(new QLabel(QStringLiteral("Total (Titular + Dependentes):"), w));
    edtTotalPago = new QLineEdit(QStringLiteral("0,00"), w);
    edtTotalPago->setObjectName(QStringLiteral("edtTotalPago"));
    edtTotalPago->setReadOnly(true);
    edtTotalPago->setFocusPolicy(Qt::NoFocus);
    edtTotalPago->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtTotalPago->setFixedWidth(130);
    h->addWidget(edtTotalPago);
    raiz->addWidget(w);
  }

  const auto liga = [this](TTolvButton* b, auto acao) {
    connect(b, &QAbstractButton::clicked, this, [this, acao] { GuardaEventos::executa([&] { (this->*acao)(); }); });
  };
  liga(btnPesquisaOperadora, &TfrmPlanoSaude::PesquisaOperadora);
  liga(btnIncluiOperadora, &TfrmPlanoSaude::IncluiOperadora);
  liga(btnExcluiOperadora, &TfrmPlanoSaude::ExcluiOperadora);
  liga(btnDesfazOperadora, &TfrmPlanoSaude::DesfazOperadora);
  liga(btnPesquisaTitular, &TfrmPlanoSaude::PesquisaTitular);
  liga(btnIncluiTitular, &TfrmPlanoSaude::IncluiTitular);
  liga(btnExcluiTitular, &TfrmPlanoSaude::ExcluiTitular);
  liga(btnDesfazTitular, &TfrmPlanoSaude::DesfazTitular);
  liga(btnIncluiDependente, &TfrmPlanoSaude::IncluiDependente);
  liga(btnExcluiDependenteAtivo, &TfrmPlanoSaude::ExcluiDependente);
  liga(btnDesfazDependente, &TfrmPlanoSaude::DesfazDependente);
  const auto move = [this](TTolvButton* b, bool operadora, int passo) {
    connect(b, &QAbstractButton::clicked, this, [this, operadora, passo] {
      GuardaEventos::executa([&] { operadora ? MoveOperadora(passo) : MoveTitular(passo); });
    });
  };
  move(btnPrimeiroOperadoraAtivo, true, -2);
  move(btnAnteriorOperadoraAtivo, true, -1);
  move(btnProximoOperadoraAtivo, true, 1);
  move(btnUltimoOperadoraAtivo, true, 2);
  move(btnPrimeiroTitularAtivo, false, -2);
  move(btnAnteriorTitularAtivo, false, -1);
  move(btnProximoTitularAtivo, false, 1);
  move(btnUltimoTitularAtivo, false, 2);

  for (TTolvEdit* e : {edtCNPJOperadora, edtRegistroANS, edtNomeOperadora})
    connect(e, &TTolvCustomEdit::AposModificar, this, [this] { m_operadoraAlterada = true; });
  for (TTolvEdit* e : {edtCPFTitular, edtNomeTitular, edtTitularValor}) {
    connect(e, &TTolvCustomEdit::AposModificar, this, [this] {
      m_titularAlterado = true;
      atualizaTotal();
    });
  }
  // Enter moves on from a filled edit, Shift+Enter back; an empty one keeps the focus.
  for (TTolvEdit* e : {edtCNPJOperadora, edtRegistroANS, edtNomeOperadora, edtCPFTitular, edtNomeTitular, edtTitularValor}) {
    connect(e, &TTolvCustomEdit::OnPressEnter, this, [e] {
      if (e->text().trimmed().isEmpty()) return;
      if (!(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)) {
        e->AvancaFoco();
        return;
      }
      QTimer::singleShot(0, e, [e] {
        for (QWidget* w = e->previousInFocusChain(); w && w != e; w = w->previousInFocusChain()) {
          if (podeFocar(w) && w->window() == e->window()) {
            w->setFocus(Qt::BacktabFocusReason);
            return;
          }
        }
      });
    });
  }
  connect(m_grade->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { atualizaBotoes(); });
  connect(&m_grade->Dependentes(), &TModeloDependentes::Mudou, this, [this] {
    atualizaBotoes();
    atualizaTotal();
  });
}

bool TfrmPlanoSaude::saidaIgnorada(QWidget* destino, bool operadora) const {
  // Delete and undo act on what is being typed: leaving for them neither checks nor stores it.
  if (operadora) return destino == btnExcluiOperadora || destino == btnDesfazOperadora;
  return destino == btnExcluiTitular || destino == btnDesfazTitular;
}

void TfrmPlanoSaude::registraFoco() {
  TRastreadorFoco& r = TRastreadorFoco::instancia();
  r.registra(edtCNPJOperadora, [this](QWidget* destino) { return saiCnpj(destino); });
  r.registra(
      edtRegistroANS, [this](QWidget* destino) { return saiRegistroAns(destino); },
      [this](QWidget*) {
        if (!edtRegistroANS->text().isEmpty()) edtRegistroANS->setText(TRegistroAns::RetiraMascara(edtRegistroANS->text()));
        edtRegistroANS->SetLimiteTexto(6);
        edtRegistroANS->selectAll();
      });
  r.registra(edtCPFTitular, [this](QWidget* destino) { return saiCpfTitular(destino); });
  r.registra(
      pnlOperadora,
      [this](QWidget* destino) {
        if (!m_inicializada || saidaIgnorada(destino, true)) return true;
        if (operadoraVazia()) return true;
        return SalvaOperadora();
      },
      [this](QWidget*) {
        if (m_inicializada && m_operadora->GetId() <= 0 && operadoraVazia() && !m_operadoras.empty() &&
            m_posOperadora >= 0)
          IncluiOperadora();
      });
  r.registra(
      pnlTitular,
      [this](QWidget* destino) {
        if (!m_inicializada || saidaIgnorada(destino, false)) return true;
        const bool temValor = m_titular->GetValorPago().GetValorMonetario() > Valor();
        if (edtCPFTitular->text().trimmed().isEmpty() && edtNomeTitular->text().trimmed().isEmpty() && !temValor)
          return true;
        return SalvaTitular();
      },
      [this](QWidget*) { focaPrimeiroCampo(); });
  r.registra(
      pnlDependente, [this](QWidget*) { return !m_inicializada || confirmaDependente(); },
      [this](QWidget*) { focaPrimeiroCampo(); });
  r.registra(
      m_grade, [](QWidget*) { return true; },
      [this](QWidget*) {
        ServicosEditor::SelecionaNo(kNoDependentes);
        // Back from a refused row: the cell at fault, else the CPF.
        const int linha = m_recusaDependente ? m_recusaDependente->first : m_grade->LinhaAtual();
        const int coluna = m_recusaDependente ? m_recusaDependente->second : int(TModeloDependentes::ColCpf);
        m_recusaDependente.reset();
        if (linha >= 0) m_grade->VaiPara(linha, coluna);
      });
}

void TfrmPlanoSaude::Inicializa(const TContextoPagina& contexto) {
  m_contexto = contexto;
  TTolv* declaracao = contexto.declaracao;
  m_operadora = declaracao ? std::make_unique<TzuqPlanoSaude>(*declaracao) : std::make_unique<TzuqPlanoSaude>();
  m_titular = std::make_unique<TzuqTitularPlanoSaude>(*m_operadora);
  m_daoOperadora = std::make_unique<TzuqPlanoSaudeDAO>();
  m_daoTitular = std::make_unique<TzuqTitularPlanoSaudeDAO>();
  m_daoDependente = std::make_unique<TzuqDependentePlanoSaudeDAO>();
  m_daoRelacao = std::make_unique<TzuqRelacaoDependenciaDAO>();
  m_titulares = std::make_unique<TTitularesOperadora>();
  TModeloDependentes& dependentes = m_grade->Dependentes();
  dependentes.DefineArmazenamento(m_daoDependente.get(), m_daoOperadora.get());
  if (declaracao)
    dependentes.DefineDeclaracao(declaracao->GetAnoCalendario(), declaracao->GetSituacaoEspecial() != 0,
                                 declaracao->GetDataEvento());
  dependentes.DefineRelacoes(m_daoRelacao->ConsultaTodas());
  associaEdits(true);
  m_inicializada = true;
  carregaOperadoras();
  limpaTitular();
  m_posTitular = -1;
  edtTotalPago->setText(QStringLiteral("0,00"));
  if (!m_operadoras.empty()) mostraOperadora(m_posOperadora);
  atualizaBotoes();
}

void TfrmPlanoSaude::Finaliza() {
  m_inicializada = false;
  associaEdits(false);
  m_grade->Dependentes().DefineArmazenamento(nullptr, nullptr);
  m_titulares.reset();
  m_daoRelacao.reset();
  m_daoDependente.reset();
  m_daoTitular.reset();
  m_daoOperadora.reset();
  m_titular.reset();
  m_operadora.reset();
  m_operadoras.clear();
  m_posOperadora = m_posTitular = -1;
  m_contexto = {};
}

void TfrmPlanoSaude::associaEdits(bool associa) {
  const bool pode = associa && m_operadora && m_titular;
  edtCNPJOperadora->AssociaDado(pode ? &m_operadora->GetContribuinte() : nullptr);
  edtRegistroANS->AssociaDado(pode ? &m_operadora->GetRegistroAns() : nullptr);
  edtNomeOperadora->AssociaDado(pode ? &m_operadora->GetContribuinte().GetNome() : nullptr);
  edtCPFTitular->AssociaDado(pode ? &m_titular->GetContribuinte() : nullptr);
  edtNomeTitular->AssociaDado(pode ? &m_titular->GetContribuinte().GetNome() : nullptr);
  edtTitularValor->AssociaDado(pode ? &m_titular->GetValorPago() : nullptr);
}

void TfrmPlanoSaude::MostraFicha(int codigo) {
  if (!m_inicializada) return;
  if (codigo == kNoDependentes) {
    foca(m_grade);
    return;
  }
  Ativa();
}

bool TfrmPlanoSaude::PodeSair() { return !m_inicializada || guardaPendentes(); }

void TfrmPlanoSaude::Recarrega() {
  if (m_inicializada) Ativa();
}

void TfrmPlanoSaude::Ativa() {
  if (!m_inicializada) return;
  foca(edtCNPJOperadora);
  if (m_operadora->GetId() > 0 && m_posOperadora >= 0) {
    const int titular = m_titular->GetId();
    mostraOperadora(m_posOperadora);
    if (titular > 0) {
      const int pos = m_titulares->Localiza(titular);
      if (pos >= 0) mostraTitular(pos);
    }
  }
  atualizaBotoes();
}

void TfrmPlanoSaude::carregaOperadoras() {
  m_operadoras.clear();
  for (const auto& op : m_daoOperadora->ConsultaTodas()) {
    TLinhaOperadora l;
    l.id = op->GetId();
    l.cnpj = op->GetContribuinte().GetBase();
    l.registroAns = TRegistroAns::FormataRegistroAns(op->GetRegistroAns().GetValor());
    l.nome = op->GetContribuinte().GetNome().GetValor();
    // Each row goes before the current one: the list ends reversed, on its last row.
    m_operadoras.insert(m_operadoras.begin(), std::move(l));
  }
  m_posOperadora = m_operadoras.empty() ? -1 : int(m_operadoras.size()) - 1;
}

void TfrmPlanoSaude::mostraOperadora(int pos) {
  if (pos < 0 || pos >= int(m_operadoras.size())) return;
  m_posOperadora = pos;
  const TLinhaOperadora& l = m_operadoras[size_t(pos)];
  m_operadora->Limpar();
  m_operadora->SetId(l.id);
  // A stored number or name that breaks its rule still shows: the verification reports it.
  CarregaNumero(m_operadora->GetContribuinte(), kNiCnpj, l.cnpj, nullptr);
  m_operadora->GetRegistroAns().CarregaValor(l.registroAns);
  m_operadora->GetRegistroAns().NotificaAlteracao();
  const QString nome = m_daoOperadora->BuscaNome(l.cnpj, kNiCnpj);
  CarregaNome(m_operadora->GetContribuinte(), nome.isEmpty() ? l.nome : nome, nullptr);
  edtRegistroANS->setText(l.registroAns);
  m_operadoraAlterada = false;
  limpaTitular();
  carregaTitulares();
}

void TfrmPlanoSaude::carregaTitulares() {
  CursorEspera espera;
  m_grade->Dependentes().Esvazia();
  m_titulares->Carrega(m_operadora->GetId());
  m_posTitular = m_titulares->Vazia() ? -1 : m_titulares->Quantidade() - 1;
  atualizaBotoes();
}

void TfrmPlanoSaude::mostraTitular(int pos) {
  if (pos < 0 || pos >= m_titulares->Quantidade()) return;
  m_posTitular = pos;
  const TLinhaTitular& l = m_titulares->Linha(pos);
  m_titular->Limpar();
  m_titular->SetId(l.id);
  CarregaNumero(m_titular->GetContribuinte(), kNiCpf, l.cpf.left(9), nullptr);
  CarregaNome(m_titular->GetContribuinte(), l.nome, nullptr);
  m_titular->GetValorPago().SetValorMonetario(l.valor);
  m_titularAlterado = false;
  carregaDependentes();
}

void TfrmPlanoSaude::carregaDependentes() {
  CursorEspera espera;
  m_grade->Dependentes().Carrega(m_titular.get());
  atualizaBotoes();
  atualizaTotal();
}

void TfrmPlanoSaude::limpaOperadora() {
  m_operadora->Limpar();
  edtRegistroANS->clear();
  m_operadoraAlterada = false;
}

void TfrmPlanoSaude::limpaTitular() {
  if (!m_titular) return;
  m_titular->Limpar();
  m_titularAlterado = false;
  m_grade->Dependentes().Esvazia();
  atualizaTotal();
}

bool TfrmPlanoSaude::operadoraVazia() const {
  return edtCNPJOperadora->text().trimmed().isEmpty() && edtRegistroANS->text().trimmed().isEmpty() &&
         edtNomeOperadora->text().trimmed().isEmpty();
}

void TfrmPlanoSaude::focaDepois(QWidget* controle) {
  QPointer<QWidget> alvo(controle);
  QTimer::singleShot(0, this, [alvo] { foca(alvo); });
}

void TfrmPlanoSaude::focaPrimeiroCampo() {
  if (!m_inicializada) return;
  if (m_operadora->GetId() <= 0)
    foca(edtCNPJOperadora);
  else if (m_titular->GetId() <= 0)
    foca(edtCPFTitular);
}

bool TfrmPlanoSaude::recusa(int codigo, const QString& argumento, QWidget* campo) {
  ServicosEditor::RecusaEntrada(codigo);
  ExibeMensagem(TErro::FormataMensagem(codigo, argumento), TipoMensagem::Erro);
  // The refused move puts the focus back where it was; the field at fault takes it then.
  if (campo) focaDepois(campo);
  return false;
}

bool TfrmPlanoSaude::saiCnpj(QWidget* destino) {
  if (!m_inicializada || saidaIgnorada(destino, true)) return true;
  TContribuinte& c = m_operadora->GetContribuinte();
  const QString digitos = c.GetNiDigitos();
  if (digitos.isEmpty()) return true;
  if (TCnpj::ValidaCnpj(digitos, false, true) != 0) return recusa(kCnpjInvalido, {}, nullptr);
  if (m_contexto.declaracao && m_contexto.declaracao->GetInAdmFC() && m_daoOperadora->CnpjUsadoPorFundo(digitos)) {
    const QString formatado = c.GetNiFormatado();
    if (edtNomeOperadora->text().trimmed().isEmpty() && edtRegistroANS->text().trimmed().isEmpty()) c.Limpar();
    return recusa(kCnpjDeFundo, formatado, nullptr);
  }
  const int outra = m_daoOperadora->JaExiste(*m_operadora);
  if (outra > 0 && outra != m_operadora->GetId()) {
    const auto it = std::find_if(m_operadoras.begin(), m_operadoras.end(), [outra](const TLinhaOperadora& l) { return l.id == outra; });
    if (it != m_operadoras.end()) {
      mostraOperadora(int(it - m_operadoras.begin()));
      atualizaBotoes();
      foca(edtRegistroANS);
      return true;
    }
  }
  if (c.GetNome().GetValor().trimmed().isEmpty()) {
    const QString nome = m_daoOperadora->BuscaNome(digitos, kNiCnpj);
    if (!nome.isEmpty()) {
      CarregaNome(c, nome, nullptr);
      m_operadoraAlterada = true;
    }
  }
  return true;
}

bool TfrmPlanoSaude::saiRegistroAns(QWidget* destino) {
  edtRegistroANS->SetLimiteTexto(7);
  if (!m_inicializada || saidaIgnorada(destino, true)) return true;
  const QString texto = TRegistroAns::RetiraMascara(edtRegistroANS->text().trimmed());
  if (TRegistroAns::ValidaRegistroAns(texto) != 0) {
    edtRegistroANS->SetLimiteTexto(6);
    return recusa(kRegistroInvalido, {}, nullptr);
  }
  edtRegistroANS->setText(TRegistroAns::FormataRegistroAns(texto));
  return true;
}

bool TfrmPlanoSaude::saiCpfTitular(QWidget* destino) {
  if (!m_inicializada || saidaIgnorada(destino, false)) return true;
  TContribuinte& c = m_titular->GetContribuinte();
  const QString digitos = c.GetNiDigitos();
  if (!digitos.isEmpty() && TCpf::ValidaCpf(digitos, false) != 0) return recusa(kCpfInvalido, {}, nullptr);
  if (digitos.isEmpty()) return true;
  if (m_daoDependente->JaExiste(c.GetBase(), m_titular->GetId()) > 0)
    return recusa(kCpfDeDependente, c.GetNiFormatado(), nullptr);
  const int outro = m_daoTitular->JaExiste(*m_titular);
  if (outro > 0 && outro != m_titular->GetId()) {
    const int pos = m_titulares->Localiza(outro);
    if (pos >= 0) {
      mostraTitular(pos);
      atualizaBotoes();
      return true;
    }
  }
  if (c.GetNome().GetValor().trimmed().isEmpty()) {
    const QString nome = m_daoOperadora->BuscaNome(digitos, kNiCpf);
    if (!nome.isEmpty()) {
      CarregaNome(c, nome, nullptr);
      m_titularAlterado = true;
    }
  }
  return true;
}

bool TfrmPlanoSaude::SalvaOperadora() {
  if (!m_inicializada) return true;
  TzuqPlanoSaude& op = *m_operadora;
  if (op.GetContribuinte().GetNiFormatado().isEmpty()) return recusa(kCnpjNaoInformado, {}, edtCNPJOperadora);
  if (op.GetRegistroAns().GetValor().trimmed().isEmpty() && edtRegistroANS->text().trimmed().isEmpty())
    return recusa(kRegistroAusente, {}, edtRegistroANS);
  if (op.GetRegistroAns().GetValor().trimmed().isEmpty())
    op.GetRegistroAns().CarregaValor(TRegistroAns::RetiraMascara(edtRegistroANS->text().trimmed()));
  if (op.GetContribuinte().GetNome().GetValor().trimmed().isEmpty())
    return recusa(kNomeEmpresarial, {}, edtNomeOperadora);
  TLinhaOperadora linha;
  linha.cnpj = op.GetContribuinte().GetBase();
  linha.registroAns = TRegistroAns::FormataRegistroAns(TRegistroAns::RetiraMascara(op.GetRegistroAns().GetValor()));
  linha.nome = op.GetContribuinte().GetNome().GetValor();
  if (op.GetId() > 0) {
    const int outra = m_daoOperadora->JaExiste(op);
    if (outra < 1 || outra == op.GetId()) {
      m_daoOperadora->Atualiza(op);
      linha.id = op.GetId();
      if (m_posOperadora >= 0) m_operadoras[size_t(m_posOperadora)] = linha;
    } else {
      const auto it = std::find_if(m_operadoras.begin(), m_operadoras.end(), [outra](const TLinhaOperadora& l) { return l.id == outra; });
      if (it != m_operadoras.end()) mostraOperadora(int(it - m_operadoras.begin()));
      atualizaBotoes();
      focaDepois(edtRegistroANS);
      return false;
    }
  } else {
    linha.id = m_daoOperadora->Inclui(op);
    const int pos = std::clamp(m_posOperadora, 0, int(m_operadoras.size()));
    m_operadoras.insert(m_operadoras.begin() + pos, linha);
    m_posOperadora = pos;
  }
  m_operadoraAlterada = false;
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  return true;
}

bool TfrmPlanoSaude::SalvaTitular() {
  if (!m_inicializada) return true;
  if (m_operadora->GetId() <= 0) return true;
  TzuqTitularPlanoSaude& t = *m_titular;
  if (t.GetContribuinte().GetNiFormatado().isEmpty()) return recusa(kCpfNaoInformado, {}, edtCPFTitular);
  if (t.GetContribuinte().GetNome().GetValor().trimmed().isEmpty()) return recusa(kNomeTitular, {}, edtNomeTitular);
  if (t.GetId() > 0) {
    m_daoTitular->Atualiza(t);
  } else {
    m_daoTitular->Inclui(t);
    // The grid takes the dependants of the holder just stored.
    carregaDependentes();
  }
  m_titulares->Recarrega();
  m_posTitular = m_titulares->Localiza(t.GetId());
  m_titularAlterado = false;
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  return true;
}

bool TfrmPlanoSaude::confirmaDependente() {
  if (m_grade->Dependentes().Pendente() < 0) return m_grade->ConfirmaValor();
  if (m_grade->Confirma()) return true;
  m_recusaDependente = std::pair{m_grade->LinhaAtual(), m_grade->Col()};
  ServicosEditor::SelecionaNo(kNoDependentes);
  focaDepois(m_grade);
  return false;
}

bool TfrmPlanoSaude::guardaPendentes() {
  if (!m_inicializada) return true;
  QWidget* focado = window()->focusWidget();
  if (focado && isAncestorOf(focado) && !ConfirmaControleDados(focado)) return false;
  if (!operadoraVazia() && (m_operadoraAlterada || m_operadora->GetId() <= 0) && !SalvaOperadora()) return false;
  const bool titularComDados = !edtCPFTitular->text().trimmed().isEmpty() || !edtNomeTitular->text().trimmed().isEmpty() ||
                               m_titular->GetValorPago().GetValorMonetario() > Valor();
  if (titularComDados && (m_titularAlterado || m_titular->GetId() <= 0) && !SalvaTitular()) return false;
  return confirmaDependente();
}

void TfrmPlanoSaude::Posiciona(const QString& dono, const QString& objeto, int secao) {
  Posicionar(dono, QString::number(secao), objeto);
}

void TfrmPlanoSaude::Posicionar(const QString& chave, const QString& tela, const QString& campo) {
  if (!m_inicializada) return;
  if (tela == QLatin1String("53")) {
    if (campo == QLatin1String("cnpj")) foca(edtCNPJOperadora);
    return;
  }
  if (tela != QLatin1String("54") && tela != QLatin1String("55") && tela != QLatin1String("56")) return;
  // Nothing typed is lost on the way: what the panels hold is stored first, or the page stays.
  if (!guardaPendentes()) return;
  const auto mostraOp = [this](int id) {
    const auto it = std::find_if(m_operadoras.begin(), m_operadoras.end(), [id](const TLinhaOperadora& l) { return l.id == id; });
    if (it == m_operadoras.end()) return false;
    mostraOperadora(int(it - m_operadoras.begin()));
    return true;
  };
  if (tela == QLatin1String("54")) {
    if (!mostraOp(chave.trimmed().toInt())) return;
    atualizaBotoes();
    if (campo == QLatin1String("cnpj")) foca(edtCNPJOperadora);
    else if (campo == QLatin1String("ans")) foca(edtRegistroANS);
    else if (campo == QLatin1String("nome")) foca(edtNomeOperadora);
    return;
  }
  if (tela == QLatin1String("55")) {
    const int id = chave.trimmed().toInt();
    if (!mostraOp(m_daoTitular->ConsultaOperadoraDoTitular(chave))) return;
    const int pos = m_titulares->Localiza(id);
    if (pos >= 0) mostraTitular(pos);
    atualizaBotoes();
    if (campo == QLatin1String("cpf")) foca(edtCPFTitular);
    else if (campo == QLatin1String("nome")) foca(edtNomeTitular);
    else if (campo == QLatin1String("valor")) foca(edtTitularValor);
    return;
  }
  const int id = chave.trimmed().toInt();
  const auto [operadora, titular] = m_daoDependente->ConsultaTitularDoDependente(id);
  if (!mostraOp(operadora)) return;
  const int pos = m_titulares->Localiza(titular);
  if (pos >= 0) mostraTitular(pos);
  atualizaBotoes();
  static const QStringList colunas{QStringLiteral("cpf"), QStringLiteral("nome"), QStringLiteral("dt_nascimento"),
                                   QStringLiteral("relacao_dependencia"), QStringLiteral("valor")};
  const int linha = m_grade->Dependentes().Localiza(id);
  const int coluna = std::max(0, int(colunas.indexOf(campo)));
  foca(m_grade);
  m_grade->VaiPara(linha, coluna);
}

void TfrmPlanoSaude::IncluiOperadora() {
  if (!m_inicializada) return;
  limpaOperadora();
  limpaTitular();
  m_titulares->Esvazia();
  m_posTitular = -1;
  m_posOperadora = m_operadoras.empty() ? -1 : int(m_operadoras.size()) - 1;
  atualizaBotoes();
  foca(edtCNPJOperadora);
}

void TfrmPlanoSaude::ExcluiOperadora() {
  if (!m_inicializada) return;
  if (m_operadora->GetId() > 0) {
    if (!confirma(kExcluiOperadora, QStringLiteral(" (CNPJ ") + m_operadora->GetContribuinte().GetNiFormatado() + u')')) {
      foca(edtCNPJOperadora);
      return;
    }
    m_daoOperadora->Exclui(*m_operadora);
    if (m_posOperadora >= 0 && m_posOperadora < int(m_operadoras.size()))
      m_operadoras.erase(m_operadoras.begin() + m_posOperadora);
  }
  limpaOperadora();
  limpaTitular();
  m_titulares->Esvazia();
  m_posTitular = -1;
  m_posOperadora = -1;
  if (!m_operadoras.empty()) mostraOperadora(int(m_operadoras.size()) - 1);
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  foca(edtCNPJOperadora);
}

void TfrmPlanoSaude::DesfazOperadora() {
  if (!m_inicializada) return;
  if (m_operadoras.empty() || m_operadora->GetId() <= 0) {
    limpaOperadora();
    if (!m_operadoras.empty()) mostraOperadora(int(m_operadoras.size()) - 1);
  } else {
    mostraOperadora(int(m_operadoras.size()) - 1);
  }
  edtCNPJOperadora->setModified(false);
  edtRegistroANS->setModified(false);
  edtNomeOperadora->setModified(false);
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  foca(edtCNPJOperadora);
}

void TfrmPlanoSaude::MoveOperadora(int passo) {
  if (!m_inicializada || m_operadoras.empty()) return;
  const int n = int(m_operadoras.size());
  int pos = m_posOperadora;
  const bool nova = m_operadora->GetId() <= 0;
  switch (passo) {
    case -2: pos = 0; break;
    case -1: pos = nova ? n - 1 : std::max(0, pos - 1); break;
    case 1: pos = std::min(n - 1, pos + 1); break;
    default: pos = n - 1; break;
  }
  mostraOperadora(pos);
  atualizaBotoes();
  foca(edtCNPJOperadora);
}

void TfrmPlanoSaude::IncluiTitular() {
  if (!m_inicializada || m_operadora->GetId() <= 0) return;
  limpaTitular();
  m_posTitular = m_titulares->Vazia() ? -1 : m_titulares->Quantidade() - 1;
  atualizaBotoes();
  foca(edtCPFTitular);
}

void TfrmPlanoSaude::ExcluiTitular() {
  if (!m_inicializada) return;
  if (m_titular->GetId() > 0) {
    if (!confirma(kExcluiTitular, m_titular->GetContribuinte().GetNiFormatado())) {
      foca(edtCPFTitular);
      return;
    }
    m_daoTitular->Exclui(*m_titular);
    m_titulares->Recarrega();
  }
  limpaTitular();
  m_posTitular = -1;
  if (!m_titulares->Vazia()) mostraTitular(m_titulares->Quantidade() - 1);
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  foca(edtCPFTitular);
}

void TfrmPlanoSaude::DesfazTitular() {
  if (!m_inicializada) return;
  if (m_titulares->Vazia() || m_titular->GetId() <= 0) {
    limpaTitular();
  } else {
    mostraTitular(m_titulares->Quantidade() - 1);
  }
  edtCPFTitular->setModified(false);
  edtNomeTitular->setModified(false);
  edtTitularValor->setModified(false);
  ServicosEditor::AceitaEntrada();
  atualizaBotoes();
  foca(edtCPFTitular);
}

void TfrmPlanoSaude::MoveTitular(int passo) {
  if (!m_inicializada || m_titulares->Vazia()) return;
  const int n = m_titulares->Quantidade();
  int pos = m_posTitular;
  const bool novo = m_titular->GetId() <= 0;
  switch (passo) {
    case -2: pos = 0; break;
    case -1: pos = novo ? n - 1 : std::max(0, pos - 1); break;
    case 1: pos = std::min(n - 1, pos + 1); break;
    default: pos = n - 1; break;
  }
  mostraTitular(pos);
  atualizaBotoes();
  foca(edtCPFTitular);
}

void TfrmPlanoSaude::IncluiDependente() {
  if (!m_inicializada || m_titular->GetId() <= 0) return;
  if (!m_grade->Confirma()) return;
  TModeloDependentes& d = m_grade->Dependentes();
  if (!d.Acrescenta()) return;
  foca(m_grade);
  m_grade->VaiPara(d.Quantidade() - 1, TModeloDependentes::ColCpf);
}

void TfrmPlanoSaude::ExcluiDependente() {
  TModeloDependentes& d = m_grade->Dependentes();
  if (!m_inicializada || d.Quantidade() == 0) return;
  const int linha = std::max(0, m_grade->LinhaAtual());
  if (!confirma(kExcluiDependente, d.Linha(linha).nome)) return;
  m_grade->FechaEditor(false);
  d.Exclui(linha);
}

void TfrmPlanoSaude::DesfazDependente() {
  if (!m_inicializada) return;
  m_grade->FechaEditor(false);
  m_grade->Dependentes().Cancela();
}

void TfrmPlanoSaude::PesquisaOperadora() {
  if (!m_inicializada) return;
  foca(edtCNPJOperadora);
  TfrmPesquisarPlanoSaude dialogo(this);
  dialogo.Pesquisa(m_operadoras, [this](const QString& chave, const QString& tela, const QString& campo) {
    Posicionar(chave, tela, campo);
  });
}

void TfrmPlanoSaude::PesquisaTitular() {
  if (!m_inicializada) return;
  foca(edtCPFTitular);
  if (edtCNPJOperadora->text().trimmed().isEmpty() || edtRegistroANS->text().trimmed().isEmpty() ||
      edtNomeOperadora->text().trimmed().isEmpty() || m_titulares->Vazia())
    return;
  TfrmPesquisarPlanoSaudeTitular dialogo(this);
  dialogo.Pesquisa(*m_titulares, m_operadora->GetId(),
                   [this](const QString& chave, const QString& tela, const QString& campo) { Posicionar(chave, tela, campo); });
}

void TfrmPlanoSaude::atualizaBotoes() {
  const auto contador = [](QLabel* rotulo, int linhas, int pos, bool guardado) {
    if (linhas == 0)
      rotulo->setText(QStringLiteral("1/1"));
    else if (!guardado || pos < 0)
      rotulo->setText(QStringLiteral("%1/%1").arg(linhas + 1));
    else
      rotulo->setText(QStringLiteral("%1/%2").arg(pos + 1).arg(linhas));
  };
  const auto navegacao = [](int linhas, int pos, bool guardado, TTolvButton* primeiro, TTolvButton* anterior,
                            TTolvButton* proximo, TTolvButton* ultimo) {
    const bool noInicio = guardado && pos <= 0;
    const bool noFim = !guardado || pos >= linhas - 1;
    primeiro->setEnabled(linhas > 0 && !noInicio && (guardado || linhas > 0));
    anterior->setEnabled(linhas > 0 && !noInicio);
    proximo->setEnabled(linhas > 0 && !noFim);
    ultimo->setEnabled(linhas > 0 && !noFim);
  };
  const bool ativa = m_inicializada;
  const int operadoras = ativa ? int(m_operadoras.size()) : 0;
  const bool opGuardada = ativa && m_operadora->GetId() > 0;
  contador(lblContadorOperadora, operadoras, m_posOperadora, opGuardada);
  navegacao(operadoras, m_posOperadora, opGuardada, btnPrimeiroOperadoraAtivo, btnAnteriorOperadoraAtivo,
            btnProximoOperadoraAtivo, btnUltimoOperadoraAtivo);
  btnPesquisaOperadora->setEnabled(operadoras > 0);
  btnExcluiOperadora->setEnabled(opGuardada);
  btnIncluiOperadora->setEnabled(ativa);
  btnDesfazOperadora->setEnabled(ativa);

  const int titulares = ativa && m_titulares ? m_titulares->Quantidade() : 0;
  const bool titGuardado = ativa && m_titular->GetId() > 0;
  contador(lblContadorTitular, titulares, m_posTitular, titGuardado);
  navegacao(titulares, m_posTitular, titGuardado, btnPrimeiroTitularAtivo, btnAnteriorTitularAtivo,
            btnProximoTitularAtivo, btnUltimoTitularAtivo);
  btnPesquisaTitular->setEnabled(titulares > 0);
  btnIncluiTitular->setEnabled(opGuardada);
  btnDesfazTitular->setEnabled(opGuardada);
  btnExcluiTitular->setEnabled(titGuardado);

  const TModeloDependentes& d = m_grade->Dependentes();
  const int linhas = d.Quantidade();
  if (d.Inserindo())
    lblContadorDependente->setText(QStringLiteral("%1/%1").arg(linhas));
  else if (linhas == 0)
    lblContadorDependente->setText(QStringLiteral("1/1"));
  else
    lblContadorDependente->setText(QStringLiteral("%1/%2").arg(std::max(0, m_grade->LinhaAtual()) + 1).arg(linhas));
  btnExcluiDependenteAtivo->setEnabled(linhas > 0);
  btnIncluiDependente->setEnabled(titGuardado);
  btnDesfazDependente->setEnabled(titGuardado);
}

void TfrmPlanoSaude::atualizaTotal() {
  Valor total = m_titular ? m_titular->GetValorPago().GetValorMonetario() : Valor();
  total += m_grade->Dependentes().Total();
  edtTotalPago->setText(total.formata(2, true));
}
