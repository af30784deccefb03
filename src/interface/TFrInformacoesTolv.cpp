#include "interface/TFrInformacoesTolv.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "controles/ControleDados.h"
#include "controles/GuardaErros.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TEditData.h"
#include "controles/TErroEdit.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvEdit.h"
#include "interface/NovaDeclaracao.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/Cpf.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr uint16_t kRetificadoraEmpresa = 22;
constexpr uint16_t kRetificadoraPessoa = 23;
constexpr uint16_t kNomeInvalido = 49;
constexpr uint16_t kNomeEmpresarialInvalido = 50;
constexpr uint16_t kNomeNaoInformado = 191;
constexpr uint16_t kExclusaoPosteriores = 277;
constexpr int kLimiteNomePessoa = 60;
constexpr int kLimiteNomeEmpresa = 150;
constexpr QRgb kFundoSomenteLeitura = qRgb(225, 225, 225);
const QString kSemData = QStringLiteral("30/12/1899");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

bool podeFocar(const QWidget* w) {
  return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

void pintaFundo(QWidget* w, QRgb cor) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, QColor(cor));
  w->setPalette(p);
}

void pintaJanela(QWidget* w) { w->setPalette(QPalette()); }

bool semData(const QString& texto) {
  const QString t = texto.trimmed();
  return t.isEmpty() || t == kSemData || t == u"30.12.1899";
}

QDate leData(const QString& texto) {
  QString t = texto.trimmed();
  t.replace(u'.', u'/');
  QDate d = QDate::fromString(t, kFormatoData);
  if (!d.isValid()) d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
  return d;
}

QString soDigitos(const QString& texto) {
  QString d;
  for (QChar c : texto)
    if (c.isDigit()) d += c;
  return d;
}

// Enter moves to the next control and Ctrl+B to the previous one; `enter`, when given, takes
// Enter and Escape instead.
class FiltroAvanco : public QObject {
 public:
  explicit FiltroAvanco(QWidget* pagina, std::function<bool(int tecla)> enter = {})
      : QObject(pagina), m_pagina(pagina), m_enter(std::move(enter)) {}

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, evento);
    auto* k = static_cast<QKeyEvent*>(evento);
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (m_enter && (enter || k->key() == Qt::Key_Escape)) return m_enter(k->key());
    if (enter && k->modifiers() == Qt::NoModifier) return avanca(true);
    if (k->key() == Qt::Key_B && k->modifiers() == Qt::ControlModifier) return avanca(false);
    return false;
  }

 private:
  bool avanca(bool frente) {
    if (QWidget* foco = QApplication::focusWidget()) {
      QWidget* proximo = frente ? foco->nextInFocusChain() : foco->previousInFocusChain();
      while (proximo && proximo != foco &&
             (!m_pagina->isAncestorOf(proximo) || !proximo->isVisible() || !proximo->isEnabled() ||
              !(proximo->focusPolicy() & Qt::TabFocus) || proximo->focusProxy()))
        proximo = frente ? proximo->nextInFocusChain() : proximo->previousInFocusChain();
      if (proximo && proximo != foco) proximo->setFocus(frente ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
  }

  QWidget* m_pagina;
  std::function<bool(int tecla)> m_enter;
};

// Keeps the list's own keys: digits and the editing keys, at most 11 characters typed (the box
// still shows a CPF formatted, in 14). A pasted number brings its digits.
class FiltroTeclasCpf : public QObject {
 public:
  using QObject::QObject;
  static constexpr int kLimite = 11;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, evento);
    auto* k = static_cast<QKeyEvent*>(evento);
    auto* edit = qobject_cast<QLineEdit*>(objeto);
    if (k->matches(QKeySequence::Paste) && edit) {
      const QString digitos = soDigitos(QApplication::clipboard()->text());
      edit->insert(digitos.left(std::max(0, livre(*edit))));
      return true;
    }
    if (k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Undo)) return false;
    const QString texto = k->text();
    if (texto.isEmpty() || !texto.front().isPrint()) return false;
    return !texto.front().isDigit() || (edit && livre(*edit) <= 0);
  }

 private:
  static int livre(const QLineEdit& e) { return kLimite - int(e.text().size() - e.selectedText().size()); }
};

// Empties the name, phones and e-mail through their setters, so that the bound edits follow.
void limpaContato(TResponsavel& r) {
  r.GetNome().SetNomeComErro(QString());
  r.GetFone().GetDDD().SetValorComErro(QString());
  r.GetFone().GetNumero().SetValorComErro(QString());
  r.GetFone().GetRamal().SetValorComErro(QString());
  r.GetFax().GetDDD().SetValorComErro(QString());
  r.GetFax().GetNumero().SetValorComErro(QString());
  r.GetEmail().SetValorComErro(QString());
}

}  // namespace

TFrInformacoesTolv::TFrInformacoesTolv(QWidget* pai) : TPaginaDeclaracao(pai) {
  setObjectName(QStringLiteral("FrInformacoesTolv"));
  setProperty("contextoAjuda", 12000);
  criaControles();
  ligaEventos();
  m_pnInformacoes->hide();
}

TFrInformacoesTolv::~TFrInformacoesTolv() {
  // The edits let go of the declaration's values before they go.
  for (TTolvEdit* e : {m_deCpfCnpj, m_deNome, m_deNomeResp, m_deDDD, m_deTelefone, m_deRamal, m_deFax, m_deEmail,
                       m_deRespNoCnpj, m_deNrRecibo})
    e->AssociaDado(nullptr);
}

void TFrInformacoesTolv::criaControles() {
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
  const auto edit = [](const char* nome, QWidget* pai, TTipoDeDado tipo, int limite, bool avanca = true) {
    auto* e = new TTolvEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->SetTipoDeDado(tipo);
    e->SetLimiteTexto(limite);
    e->SetAutoAvanco(avanca);
    return e;
  };

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);
  m_pnInformacoes = new QWidget(this);
  m_pnInformacoes->setObjectName(QStringLiteral("PnInformacoes"));
  principal->addWidget(m_pnInformacoes);
  auto* pagina = new QVBoxLayout(m_pnInformacoes);
  pagina->setContentsMargins(0, 0, 0, 0);
  pagina->setSpacing(2);

  auto* titulo = new QLabel(QStringLiteral(" Declarante - Informações"), m_pnInformacoes);
  titulo->setObjectName(QStringLiteral("PnTitulo"));
  titulo->setFont(PaletaTolv::arial(11));
  PaletaTolv::pinta(titulo, PaletaTolv::kFundo, PaletaTolv::kDescricaoPagina);
  titulo->setIndent(6);
  titulo->setFixedHeight(26);
  pagina->addWidget(titulo);

  auto* corpo = new QVBoxLayout;
  corpo->setContentsMargins(8, 0, 8, 8);
  corpo->setSpacing(4);
  pagina->addLayout(corpo);

  // Identification, nature and indicators.
  auto* ident = new MolduraTolv(moldura, caixa, m_pnInformacoes);
  ident->setObjectName(QStringLiteral("GbIdentificacao"));
  m_gbIdentificacao = ident;
  QBoxLayout* interno = ident->layoutInterno(6);
  auto* gIdent = new QGridLayout;
  gIdent->setHorizontalSpacing(6);
  gIdent->setVerticalSpacing(4);
  interno->addLayout(gIdent);
  m_lbCpfCgc = rotulo(QStringLiteral("CNPJ"), ident, "LbCpfCgc");
  m_deCpfCnpj = edit("DeCpfCnpj", ident, TTipoDeDado::ApenasNumeros, 14, false);
  m_deCpfCnpj->setReadOnly(true);
  m_deCpfCnpj->setFocusPolicy(Qt::NoFocus);
  m_deCpfCnpj->setFixedWidth(130);
  pintaFundo(m_deCpfCnpj, kFundoSomenteLeitura);
  m_lbNomeRazaoS = rotulo(QStringLiteral("Nome empresarial"), ident, "LbNomeRazaoS");
  m_deNome = edit("DeNome", ident, TTipoDeDado::AlfaNumerico, kLimiteNomeEmpresa);
  gIdent->addWidget(m_lbCpfCgc, 0, 0);
  gIdent->addWidget(m_lbNomeRazaoS, 0, 1);
  gIdent->addWidget(m_deCpfCnpj, 1, 0);
  gIdent->addWidget(m_deNome, 1, 1);
  m_lbTipoDeclar = rotulo(QStringLiteral("Natureza do declarante"), ident, "LbTipoDeclar");
  m_edtNatureza = new QLineEdit(ident);
  m_edtNatureza->setObjectName(QStringLiteral("edtNatureza"));
  m_edtNatureza->setReadOnly(true);
  m_edtNatureza->setFocusPolicy(Qt::NoFocus);
  pintaFundo(m_edtNatureza, kFundoSomenteLeitura);
  gIdent->addWidget(m_lbTipoDeclar, 2, 0, 1, 2);
  gIdent->addWidget(m_edtNatureza, 3, 0, 1, 2);
  gIdent->setColumnStretch(1, 1);

  auto* indicadores = new QVBoxLayout;
  indicadores->setContentsMargins(0, 6, 0, 0);
  indicadores->setSpacing(3);
  interno->addLayout(indicadores);
  const auto indicador = [&](const char* painel, const char* nomeRotulo, const QString& texto, QLabel*& valor) {
    auto* p = new QWidget(ident);
    p->setObjectName(QString::fromLatin1(painel));
    auto* linha = new QHBoxLayout(p);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(8);
    auto* legenda = rotulo(texto, p);
    legenda->setWordWrap(true);
    linha->addWidget(legenda, 1);
    valor = rotulo(QStringLiteral("Não"), p, nomeRotulo);
    valor->setFont(PaletaTolv::arial(8, true));
    valor->setFixedWidth(QFontMetrics(valor->font()).horizontalAdvance(QStringLiteral("Não")) + 12);
    linha->addWidget(valor, 0, Qt::AlignTop);
    indicadores->addWidget(p);
    return p;
  };
  // One order serves every kind of declarant: only the visible panels change.
  m_pnlServicoNotarial = indicador("pnlServicoNotarial", "lblServicoNotarialSimNao",
                                   QStringLiteral("Titular de serviços notariais e de registros"), m_lblServicoNotarial);
  m_pnlPlanoSaude = indicador(
      "pnlPlanoSaude", "lblPlanoSaudeSimNao",
      QStringLiteral("Efetuou pagamentos a plano privado de assistência à saúde - coletivo empresarial"),
      m_lblPlanoSaude);
  m_pnlFC = indicador("pnlFC", "lblInFC",
                      QStringLiteral("Administrador ou intermediador de fundo ou clube de investimentos"), m_lblInFC);
  m_pnlDepositario = indicador(
      "pnlDepositario", "lblInDepositario",
      QStringLiteral("Instituição financeira que na condição de depositária de crédito efetuou pagamentos de "
                     "rendimentos decorrentes de decisão da justiça do trabalho/federal/estadual e do Distrito Federal"),
      m_lblInDepositario);
  m_pnlRemessa = indicador("pnlRemessa", "lblInRemessa",
                           QStringLiteral("Efetuou pagamentos a residentes ou domiciliados no exterior"), m_lblInRemessa);
  m_pnlSocioOstensivo = indicador("pnlSocioOstensivo", "lblSocioOstensivo",
                                  QStringLiteral("Sócio ostensivo de sociedade em conta de participação"),
                                  m_lblSocioOstensivo);
  m_pnlCopa = indicador("pnlCopa", "lblCopa",
                        QStringLiteral("Efetuou pagamentos relacionados à Copa das Confederações Fifa 2013 e Copa do "
                                       "Mundo Fifa 2014"),
                        m_lblCopa);

  m_pnlEspecial = new QWidget(ident);
  m_pnlEspecial->setObjectName(QStringLiteral("pnlEspecial"));
  auto* especial = new QVBoxLayout(m_pnlEspecial);
  especial->setContentsMargins(0, 0, 0, 0);
  especial->setSpacing(3);
  {
    auto* linha = new QHBoxLayout;
    linha->setSpacing(8);
    linha->addWidget(rotulo(QStringLiteral("Declaração de situação especial"), m_pnlEspecial), 1);
    m_lblEspecial = rotulo(QStringLiteral("Não"), m_pnlEspecial, "lblEspecial");
    m_lblEspecial->setFont(PaletaTolv::arial(8, true));
    m_lblEspecial->setFixedWidth(QFontMetrics(m_lblEspecial->font()).horizontalAdvance(QStringLiteral("Não")) + 12);
    linha->addWidget(m_lblEspecial);
    especial->addLayout(linha);
  }
  m_pnlDtEvento = new QWidget(m_pnlEspecial);
  m_pnlDtEvento->setObjectName(QStringLiteral("pnlDtEvento"));
  auto* evento = new QHBoxLayout(m_pnlDtEvento);
  evento->setContentsMargins(0, 0, 0, 2);
  evento->setSpacing(6);
  m_pnTipoEvento = new QWidget(m_pnlDtEvento);
  m_pnTipoEvento->setObjectName(QStringLiteral("PnTipoEvento"));
  auto* tipo = new QHBoxLayout(m_pnTipoEvento);
  tipo->setContentsMargins(0, 0, 12, 0);
  tipo->setSpacing(6);
  tipo->addWidget(rotulo(QStringLiteral("Tipo do evento"), m_pnTipoEvento));
  m_cbTipoEvento = new QComboBox(m_pnTipoEvento);
  m_cbTipoEvento->setObjectName(QStringLiteral("CbTipoEvento"));
  m_cbTipoEvento->addItems(
      {QStringLiteral(" "), QStringLiteral("Encerramento de Espólio"), QStringLiteral("Saída definitiva do país")});
  m_cbTipoEvento->setMinimumWidth(170);
  tipo->addWidget(m_cbTipoEvento);
  evento->addWidget(m_pnTipoEvento);
  m_pnlDataEvento = new QWidget(m_pnlDtEvento);
  m_pnlDataEvento->setObjectName(QStringLiteral("pnlDataEvento"));
  auto* data = new QHBoxLayout(m_pnlDataEvento);
  data->setContentsMargins(0, 0, 0, 0);
  data->setSpacing(6);
  data->addWidget(rotulo(QStringLiteral("Data do evento"), m_pnlDataEvento));
  m_edDataEvento = new TEditData(m_pnlDataEvento);
  m_edDataEvento->setObjectName(QStringLiteral("EdDataEvento"));
  m_edDataEvento->setFixedWidth(110);
  data->addWidget(m_edDataEvento);
  evento->addWidget(m_pnlDataEvento);
  evento->addStretch(1);
  especial->addWidget(m_pnlDtEvento);
  indicadores->addWidget(m_pnlEspecial);
  corpo->addWidget(ident);

  // Responsible before the CNPJ and rectifying.
  m_panel2 = new QWidget(m_pnInformacoes);
  m_panel2->setObjectName(QStringLiteral("Panel2"));
  auto* l2 = new QHBoxLayout(m_panel2);
  l2->setContentsMargins(0, 4, 0, 0);
  l2->setSpacing(10);
  m_gbResponsavelCnpj = new QWidget(m_panel2);
  m_gbResponsavelCnpj->setObjectName(QStringLiteral("GbResponsavelCnpj"));
  {
    auto* v = new QVBoxLayout(m_gbResponsavelCnpj);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(secao(QStringLiteral("Responsável perante o CNPJ"), m_gbResponsavelCnpj));
    auto* f = new MolduraTolv(moldura, caixa, m_gbResponsavelCnpj);
    auto* h = new QHBoxLayout;
    h->setSpacing(6);
    f->layoutInterno(6)->addLayout(h);
    h->addWidget(rotulo(QStringLiteral("CPF"), f));
    m_deRespNoCnpj = edit("DeRespNoCnpj", f, TTipoDeDado::ApenasNumeros, 11);
    m_deRespNoCnpj->setFixedWidth(110);
    h->addWidget(m_deRespNoCnpj);
    h->addStretch(1);
    v->addWidget(f);
  }
  l2->addWidget(m_gbResponsavelCnpj);
  m_gbRetificadora = new QWidget(m_panel2);
  m_gbRetificadora->setObjectName(QStringLiteral("GbRetificadora"));
  {
    auto* v = new QVBoxLayout(m_gbRetificadora);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(secao(QStringLiteral("Retificadora"), m_gbRetificadora));
    auto* f = new MolduraTolv(moldura, caixa, m_gbRetificadora);
    auto* h = new QHBoxLayout;
    h->setSpacing(8);
    f->layoutInterno(6)->addLayout(h);
    m_rbNao = new QRadioButton(QStringLiteral("Não"), f);
    m_rbNao->setObjectName(QStringLiteral("RbNaoRetificadora"));
    m_rbNao->setToolTip(QStringLiteral("Assinale \"Não\" para entrega da primeira declaração."));
    m_rbSim = new QRadioButton(QStringLiteral("Sim"), f);
    m_rbSim->setObjectName(QStringLiteral("RbSimRetificadora"));
    m_rbSim->setToolTip(QStringLiteral("Assinale \"Sim\" quando desejar corrigir a declaração entregue anteriormente."));
    h->addWidget(m_rbNao);
    h->addWidget(m_rbSim);
    h->addSpacing(12);
    h->addWidget(rotulo(QStringLiteral("Número do recibo de entrega"), f));
    m_deNrRecibo = edit("DeNrRecibo", f, TTipoDeDado::ApenasNumeros, 12);
    m_deNrRecibo->setFixedWidth(110);
    h->addWidget(m_deNrRecibo);
    h->addStretch(1);
    v->addWidget(f);
  }
  l2->addWidget(m_gbRetificadora, 1);
  corpo->addWidget(m_panel2);

  // Responsible for filling the declaration.
  m_panel4 = new QWidget(m_pnInformacoes);
  m_panel4->setObjectName(QStringLiteral("Panel4"));
  {
    auto* v = new QVBoxLayout(m_panel4);
    v->setContentsMargins(0, 6, 0, 0);
    v->setSpacing(2);
    v->addWidget(secao(QStringLiteral("Responsável pelo preenchimento da declaração"), m_panel4));
    auto* f = new MolduraTolv(moldura, caixa, m_panel4);
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    f->layoutInterno(6)->addLayout(g);
    m_dblcResponsavel = new QComboBox(f);
    m_dblcResponsavel->setObjectName(QStringLiteral("DblcResponsavel"));
    m_dblcResponsavel->setEditable(true);
    m_dblcResponsavel->setInsertPolicy(QComboBox::NoInsert);
    m_dblcResponsavel->setToolTip(QStringLiteral("CPF do responsável pelo preenchimento da declaração."));
    m_dblcResponsavel->lineEdit()->setMaxLength(14);
    m_dblcResponsavel->lineEdit()->installEventFilter(new FiltroTeclasCpf(m_dblcResponsavel));
    m_dblcResponsavel->setFixedWidth(130);
    auto* modelo = new QStandardItemModel(0, 2, m_dblcResponsavel);
    m_dblcResponsavel->setModel(modelo);
    auto* vista = new QTableView(m_dblcResponsavel);
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setShowGrid(false);
    m_dblcResponsavel->setView(vista);
    vista->setColumnWidth(0, QFontMetrics(font()).horizontalAdvance(QLatin1Char('0')) * 16);
    vista->setColumnWidth(1, QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 30);
    vista->setMinimumWidth(vista->columnWidth(0) + vista->columnWidth(1) + 20);
    m_deNomeResp = edit("DeNomeResp", f, TTipoDeDado::AlfaNumerico, 60);
    m_deDDD = edit("DeDDD", f, TTipoDeDado::ApenasNumeros, 2);
    m_deTelefone = edit("DeTelefone", f, TTipoDeDado::ApenasNumeros, 9);
    m_deRamal = edit("DeRamal", f, TTipoDeDado::ApenasNumeros, 6);
    m_deFax = edit("DeFax", f, TTipoDeDado::ApenasNumeros, 9);
    m_deEmail = edit("DeEmail", f, TTipoDeDado::AlfaNumerico, 50, false);
    for (TTolvEdit* e : {m_deNomeResp, m_deDDD, m_deTelefone, m_deRamal, m_deFax, m_deEmail}) e->setProperty("tag", 5);
    m_deDDD->setFixedWidth(40);
    m_deTelefone->setFixedWidth(90);
    m_deRamal->setFixedWidth(70);
    m_deFax->setFixedWidth(90);
    g->addWidget(rotulo(QStringLiteral("CPF"), f), 0, 0);
    g->addWidget(rotulo(QStringLiteral("Nome"), f), 0, 1, 1, 4);
    g->addWidget(m_dblcResponsavel, 1, 0);
    g->addWidget(m_deNomeResp, 1, 1, 1, 4);
    g->addWidget(rotulo(QStringLiteral("DDD"), f), 2, 0);
    g->addWidget(rotulo(QStringLiteral("Telefone"), f), 2, 1);
    g->addWidget(rotulo(QStringLiteral("Ramal"), f), 2, 2);
    g->addWidget(rotulo(QStringLiteral("Fax"), f), 2, 3);
    g->addWidget(rotulo(QStringLiteral("Correio eletrônico"), f), 2, 4);
    g->addWidget(m_deDDD, 3, 0, Qt::AlignLeft);
    g->addWidget(m_deTelefone, 3, 1, Qt::AlignLeft);
    g->addWidget(m_deRamal, 3, 2, Qt::AlignLeft);
    g->addWidget(m_deFax, 3, 3, Qt::AlignLeft);
    g->addWidget(m_deEmail, 3, 4);
    g->setColumnStretch(4, 1);
    v->addWidget(f);
  }
  corpo->addWidget(m_panel4);
  corpo->addStretch(1);
}

void TFrInformacoesTolv::ligaEventos() {
  connect(m_rbSim, &QRadioButton::toggled, this, [this](bool sim) {
    if (m_tolv) GuardaErros([&] { RbRetificadoraClick(sim); });
  });
  connect(m_cbTipoEvento, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (m_tolv) GuardaErros([&] { CbTipoEventoChange(i); });
  });
  connect(m_edDataEvento, &TEditData::Mudou, this, [this] {
    if (m_tolv && m_inicializada) GuardaErros([&] { EdDataEventoChange(); });
  });
  // A one-digit day typed with another year takes the calendar year (and day 0 becomes 01).
  connect(m_edDataEvento, &TEditData::TeclaSolta, this, [this] {
    if (!m_tolv) return;
    if (const auto corrigida = NovaDeclaracao::CorrigeDataDigitada(m_edDataEvento->Texto(), m_tolv->GetAnoCalendario()))
      m_edDataEvento->SetTexto(*corrigida);
  });
  connect(m_deNome, &QLineEdit::textEdited, this, [this] {
    if (m_tolv) GuardaErros([&] { DeNomeChange(); });
  });
  connect(m_dblcResponsavel, &QComboBox::activated, this, [this](int linha) {
    if (m_tolv) GuardaErros([&] { DblcResponsavelEscolhe(linha); });
  });
  connect(m_dblcResponsavel, &QComboBox::editTextChanged, this, [this](const QString& texto) {
    if (!m_tolv) return;
    for (QChar c : texto)
      if (!c.isDigit() && c != u'-' && c != u'.' && c != u'/') {
        m_dblcResponsavel->setEditText(QString());
        return;
      }
  });
  connect(m_deEmail, &TTolvCustomEdit::OnPressEnter, this, [this] { focaNome(); });
  auto* avanco = new FiltroAvanco(this);
  for (QWidget* w : {static_cast<QWidget*>(m_rbNao), static_cast<QWidget*>(m_rbSim),
                     static_cast<QWidget*>(m_cbTipoEvento), static_cast<QWidget*>(m_edDataEvento->Edit())})
    w->installEventFilter(avanco);
  m_dblcResponsavel->installEventFilter(new FiltroAvanco(this, [this](int tecla) {
    if (tecla == Qt::Key_Escape) {
      m_dblcResponsavel->setEditText(cpfResponsavelFormatado());
    } else if (podeFocar(m_deNomeResp)) {
      m_deNomeResp->setFocus(Qt::TabFocusReason);
    } else {
      focusNextChild();
    }
    return true;
  }));

  TRastreadorFoco& rastreador = TRastreadorFoco::instancia();
  rastreador.registra(this, [this](QWidget*) {
    if (!m_tolv) return true;
    bool pode = false;
    GuardaErros([&] {
      m_tolv->AtualizaIndicadoresAno();
      pode = PodeSair();
    });
    return pode;
  });
  rastreador.registra(m_deNome, [this](QWidget*) {
    bool pode = true;
    if (m_tolv) GuardaErros([&] { pode = DeNomeExit(); });
    return pode;
  });
  rastreador.registra(
      m_edDataEvento, [this](QWidget*) {
        // "Não" to the closing puts the previous date back; the user may still leave.
        if (m_tolv) GuardaErros([&] { EdDataEventoExit(); });
        return true;
      },
      [this](QWidget*) {
        if (m_tolv) GuardaErros([&] { EdDataEventoEnter(); });
      });
  rastreador.registra(m_dblcResponsavel, [this](QWidget*) {
    bool pode = true;
    if (m_tolv) GuardaErros([&] { pode = DblcResponsavelExit(); });
    return pode;
  });
  rastreador.registra(m_deNomeResp, [this](QWidget* destino) {
    if (!m_tolv) return true;
    GuardaErros([&] { DeNomeRespExit(); });
    // The empty name was told; the user may still leave the group, to pick another person.
    const bool semNome =
        m_deNomeResp->text().trimmed().isEmpty() && !m_tolv->GetResponsavel().GetNiDigitos().isEmpty();
    return !(semNome && destino && destino->property("tag").toInt() == 5);
  });
  rastreador.registra(m_panel4, [this](QWidget*) {
    if (!m_tolv || !m_colecao) return true;
    GuardaErros([&] {
      salva();
      abreLista();
      AssociaResponsavel();
    });
    return true;
  });
  for (TTolvEdit* e : {m_deNomeResp, m_deDDD, m_deTelefone, m_deRamal, m_deFax, m_deEmail})
    rastreador.registra(
        e, [](QWidget*) { return true; },
        [this](QWidget*) {
          if (m_tolv && m_dblcResponsavel->currentText().trimmed().isEmpty() && podeFocar(m_dblcResponsavel))
            m_dblcResponsavel->setFocus(Qt::OtherFocusReason);
        });
}

QString TFrInformacoesTolv::SimNao(bool valor) { return valor ? QStringLiteral("Sim") : QStringLiteral("Não"); }

QString TFrInformacoesTolv::NomeMes(int mes) {
  static const char* const kMeses[] = {"janeiro", "fevereiro", "março",    "abril",    "maio",     "junho",
                                       "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
  return mes >= 1 && mes <= 12 ? QString::fromUtf8(kMeses[mes - 1]) : QString();
}

bool TFrInformacoesTolv::ehPessoa() const { return m_tolv && m_tolv->GetContribuinte().GetTipo() == kNiCpf; }

QString TFrInformacoesTolv::cpfResponsavelFormatado() const {
  return m_tolv ? m_tolv->GetResponsavel().GetNiFormatado() : QString();
}

void TFrInformacoesTolv::Inicializa(const TContextoPagina& contexto) {
  if (!contexto.declaracao || !contexto.colecaoTolv) return;
  Inicializa(*contexto.declaracao, *contexto.colecaoTolv, qobject_cast<TFrDeclaracao*>(contexto.conteiner));
}

void TFrInformacoesTolv::Inicializa(TTolv& declaracao, TColecaoTolv& colecao, TFrDeclaracao* conteiner) {
  m_inicializada = false;
  m_tolv = &declaracao;
  m_colecao = &colecao;
  m_conteiner = conteiner;
  abreLista();
  ajustaLayout();
  m_pnInformacoes->show();
  AssociaDeclarante();
  AssociaResponsavel();

  const TNatureza* natureza = m_tolv->GetNaturezas().BuscaNatureza(m_tolv->GetCodigoNatureza());
  m_edtNatureza->setText(natureza ? natureza->GetDescricao() : QString());

  mostraEvento();
  m_dblcResponsavel->setEditText(cpfResponsavelFormatado());
  mostraRetificadora();
  mesmaPessoa();
  m_inicializada = true;
  if (m_conteiner) {
    m_conteiner->MostraFundos(m_tolv->GetInAdmFC() != 0);
    m_conteiner->MostraProcessos(m_tolv->GetInAdvogado() != 0);
    connect(m_conteiner, &TFrDeclaracao::OnChange, this, [this] {
      if (!m_tolv || !m_conteiner || m_conteiner->PaginaAtual() != TFrDeclaracao::Informacoes) return;
      // The fields of the responsible persons keep the focus they were given.
      QWidget* foco = QApplication::focusWidget();
      for (QWidget* w : {static_cast<QWidget*>(m_deCpfCnpj), static_cast<QWidget*>(m_deDDD),
                         static_cast<QWidget*>(m_deTelefone), static_cast<QWidget*>(m_deRamal),
                         static_cast<QWidget*>(m_deFax), static_cast<QWidget*>(m_deEmail),
                         static_cast<QWidget*>(m_deNomeResp), static_cast<QWidget*>(m_dblcResponsavel)})
        if (foco && (foco == w || w->isAncestorOf(foco))) return;
      focaNome();
    });
  }
}

void TFrInformacoesTolv::Finaliza() {
  if (m_tolv && m_colecao && !FalhaBanco && !FalhaBancoIndice) {
    // What was typed last goes with the header, also when the declaration closes from a menu.
    QWidget* foco = QApplication::focusWidget();
    if (foco && isAncestorOf(foco)) ConfirmaControleDados(foco);
    GuardaErros([&] { salva(); });
  }
  if (m_conteiner) disconnect(m_conteiner, &TFrDeclaracao::OnChange, this, nullptr);
  for (TTolvEdit* e : {m_deCpfCnpj, m_deNome, m_deNomeResp, m_deDDD, m_deTelefone, m_deRamal, m_deFax, m_deEmail,
                       m_deRespNoCnpj, m_deNrRecibo})
    e->AssociaDado(nullptr);
  m_inicializada = false;
  m_tolv = nullptr;
  m_colecao = nullptr;
  m_conteiner = nullptr;
  m_lista.clear();
  // Hiding moves the focus out of the page: its exit checks find no declaration by then.
  m_pnInformacoes->hide();
}

void TFrInformacoesTolv::ajustaLayout() {
  const bool pessoa = ehPessoa();
  const bool especial = m_tolv->GetSituacaoEspecial() != 0;
  m_lbCpfCgc->setText(pessoa ? QStringLiteral("CPF") : QStringLiteral("CNPJ"));
  m_lbNomeRazaoS->setText(pessoa ? QStringLiteral("Nome") : QStringLiteral("Nome empresarial"));
  m_deNome->SetLimiteTexto(pessoa ? kLimiteNomePessoa : kLimiteNomeEmpresa);
  m_lbTipoDeclar->setVisible(!pessoa);
  m_edtNatureza->setVisible(!pessoa);
  m_gbResponsavelCnpj->setVisible(!pessoa);
  m_pnTipoEvento->setVisible(pessoa);
  m_pnlEspecial->setVisible(true);
  m_pnlDtEvento->setVisible(especial);
  m_lblEspecial->setText(SimNao(especial));

  bool notarial = false, fundos = true, depositario = true, ostensivo = true, copa = true;
  if (pessoa) {
    notarial = true;
    fundos = depositario = ostensivo = copa = false;
  } else {
    switch (m_tolv->GetCodigoNatureza()) {
      case 1:
      case 2:
        fundos = depositario = ostensivo = copa = false;
        break;
      case 3:
      case 4:
        ostensivo = copa = false;
        break;
      case 5:
        copa = false;
        break;
      default:
        break;
    }
  }
  m_pnlServicoNotarial->setVisible(notarial);
  m_pnlPlanoSaude->setVisible(true);
  m_pnlRemessa->setVisible(true);
  m_pnlFC->setVisible(fundos);
  m_pnlDepositario->setVisible(depositario);
  m_pnlSocioOstensivo->setVisible(ostensivo);
  m_pnlCopa->setVisible(copa);
  mostraIndicadores();
}

void TFrInformacoesTolv::mostraIndicadores() {
  m_lblPlanoSaude->setText(SimNao(m_tolv->GetInPlanoSaude()));
  m_lblServicoNotarial->setText(SimNao(m_tolv->GetInServicoNotarial()));
  m_lblInFC->setText(SimNao(m_tolv->GetInAdmFC()));
  m_lblInDepositario->setText(SimNao(m_tolv->GetInAdvogado()));
  m_lblInRemessa->setText(SimNao(m_tolv->GetInRemessa()));
  m_lblSocioOstensivo->setText(SimNao(m_tolv->GetInOstensivo()));
  m_lblCopa->setText(SimNao(m_tolv->GetInCopa()));
}

void TFrInformacoesTolv::mostraEvento() {
  const int ano = m_tolv->GetAnoCalendario().toInt();
  m_edDataEvento->SetLimites(QDate(), QDate());
  m_edDataEvento->Limpa();
  m_edDataEvento->SetLimites(QDate(ano, 1, 1), QDate(ano, 12, 31));
  const QString evento = m_tolv->GetDataEvento();
  if (!semData(evento)) {
    // A date outside the calendar year leaves the picker empty.
    m_edDataEvento->SetData(leData(evento));
    m_tolv->SetDataEvento(evento);
  }
  const int tipo = m_tolv->GetTipoEvento();
  m_cbTipoEvento->setCurrentIndex(tipo >= 0 && tipo < m_cbTipoEvento->count() ? tipo : 0);
}

void TFrInformacoesTolv::mostraRetificadora() {
  if (m_tolv->GetTipoDeclaracao() == u"R") {
    m_rbSim->setChecked(true);
  } else {
    m_rbNao->setChecked(true);
    RbRetificadoraClick(false);
  }
  pintaRecibo();
}

void TFrInformacoesTolv::pintaRecibo() {
  const bool sim = m_rbSim->isChecked();
  m_deNrRecibo->setEnabled(sim);
  if (sim)
    pintaJanela(m_deNrRecibo);
  else
    pintaFundo(m_deNrRecibo, kFundoSomenteLeitura);
}

void TFrInformacoesTolv::AssociaDeclarante() {
  if (!m_tolv) return;
  m_deCpfCnpj->AssociaDado(&m_tolv->GetContribuinte());
  m_deNome->AssociaDado(&m_tolv->GetContribuinte().GetNome());
  m_deRespNoCnpj->AssociaDado(&m_tolv->GetRespCnpj());
  m_deNrRecibo->AssociaDado(&m_tolv->GetNrRecibo());
}

void TFrInformacoesTolv::AssociaResponsavel() {
  m_dblcResponsavel->view()->setEnabled(!m_lista.empty());
  if (!m_tolv) return;
  TResponsavel& r = m_tolv->GetResponsavel();
  if (!m_dblcResponsavel->hasFocus()) m_dblcResponsavel->setEditText(r.GetNiFormatado());
  m_deNomeResp->AssociaDado(&r.GetNome());
  m_deDDD->AssociaDado(&r.GetFone().GetDDD());
  m_deTelefone->AssociaDado(&r.GetFone().GetNumero());
  m_deRamal->AssociaDado(&r.GetFone().GetRamal());
  m_deFax->AssociaDado(&r.GetFax().GetNumero());
  r.GetEmail().SetOpcional(true);
  m_deEmail->AssociaDado(&r.GetEmail());
}

void TFrInformacoesTolv::abreLista() {
  m_lista.clear();
  auto* modelo = static_cast<QStandardItemModel*>(m_dblcResponsavel->model());
  const QString texto = m_dblcResponsavel->currentText();
  {
    const QSignalBlocker bloqueio(m_dblcResponsavel);
    modelo->removeRows(0, modelo->rowCount());
  }
  bd::Conexao* indice = TColecao::GetBancoIndice();
  if (!indice || !indice->conectada() || FalhaBancoIndice) return;
  bd::Transacao transacao(*indice, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                    QStringLiteral("nowait")});
  bd::Consulta consulta(transacao, QStringLiteral("select * from RESPONSAVEIS\norder by nr_pf"));
  try {
    consulta.abre();
    for (; !consulta.eof(); consulta.proximo()) {
      LinhaResponsavel l;
      l.nrPf = consulta.campo(QStringLiteral("NR_PF")).texto().trimmed();
      l.cpf = TCpf::FormataCpf(l.nrPf + TCpf::CalculaDVCpf(l.nrPf));
      l.nome = consulta.campo(QStringLiteral("NM_RESP")).texto();
      l.ddd = consulta.campo(QStringLiteral("ED_DDD")).texto().trimmed();
      l.telefone = consulta.campo(QStringLiteral("ED_TELEFONE")).texto().trimmed();
      l.ramal = consulta.campo(QStringLiteral("ED_RAMAL")).texto().trimmed();
      l.fax = consulta.campo(QStringLiteral("ED_FAX")).texto().trimmed();
      l.email = consulta.campo(QStringLiteral("ED_EMAIL")).texto().trimmed();
      m_lista.push_back(l);
    }
    consulta.fecha();
    transacao.commit();
  } catch (const bd::ErroBanco& e) {
    // The list only helps typing: without it the person is keyed by hand.
    TErro::MostraTexto(e.mensagem(), TipoMensagem::Erro);
    m_lista.clear();
  }
  const QSignalBlocker bloqueio(m_dblcResponsavel);
  for (const LinhaResponsavel& l : m_lista)
    modelo->appendRow({new QStandardItem(l.cpf), new QStandardItem(l.nome)});
  m_dblcResponsavel->setCurrentIndex(-1);
  m_dblcResponsavel->setEditText(texto);
}

int TFrInformacoesTolv::linhaDoCpf(const QString& texto) const {
  const QString base = soDigitos(texto).left(9);
  if (base.isEmpty()) return -1;
  for (size_t i = 0; i < m_lista.size(); ++i)
    if (m_lista[i].nrPf == base) return int(i);
  return -1;
}

void TFrInformacoesTolv::copiaLinha(const LinhaResponsavel& l) {
  TResponsavel& r = m_tolv->GetResponsavel();
  r.GetNome().SetNomeComErro(l.nome);
  r.GetFone().GetDDD().SetValorComErro(l.ddd);
  r.GetFone().GetNumero().SetValorComErro(l.telefone);
  r.GetFone().GetRamal().SetValorComErro(l.ramal);
  r.GetFax().GetDDD().SetValorComErro(l.ddd);
  r.GetFax().GetNumero().SetValorComErro(l.fax);
  r.GetEmail().SetValorComErro(l.email);
}

bool TFrInformacoesTolv::mesmaPessoaDeclarante() const {
  return ehPessoa() && !m_tolv->GetResponsavel().GetNiDigitos().isEmpty() &&
         m_tolv->GetContribuinte().GetNiDigitos() == m_tolv->GetResponsavel().GetNiDigitos();
}

void TFrInformacoesTolv::mesmaPessoa() {
  const bool mesma = mesmaPessoaDeclarante();
  m_deNomeResp->setReadOnly(mesma);
  m_deNomeResp->setFocusPolicy(mesma ? Qt::NoFocus : Qt::StrongFocus);
  if (mesma) {
    pintaFundo(m_deNomeResp, kFundoSomenteLeitura);
    const QString nome = m_tolv->GetContribuinte().GetNome().GetValor();
    if (m_tolv->GetResponsavel().GetNome().GetValor() != nome) m_tolv->GetResponsavel().GetNome().SetNomeComErro(nome);
  } else {
    pintaJanela(m_deNomeResp);
  }
}

bool TFrInformacoesTolv::salva() {
  if (!m_tolv || !m_colecao) return false;
  try {
    m_colecao->Salva(*m_tolv);
  } catch (const TErro& e) {
    // The header stays in memory; the user learns it is not stored and stays to correct it.
    e.Mostra();
    return false;
  }
  return !FalhaBanco && !FalhaBancoIndice;
}

void TFrInformacoesTolv::focaNome() {
  if (podeFocar(m_deNome)) m_deNome->setFocus(Qt::OtherFocusReason);
}

void TFrInformacoesTolv::MostraFicha(int codigo) {
  if ((codigo == 100 || codigo == 101) && m_tolv) focaNome();
}

void TFrInformacoesTolv::Entra() {}

bool TFrInformacoesTolv::PodeSair() {
  QWidget* foco = QApplication::focusWidget();
  if (foco && foco->objectName() != u"tArvore" && isAncestorOf(foco)) {
    if (!ConfirmaControleDados(foco)) return false;
    if (foco == m_deNome && !DeNomeExit()) return false;
  }
  TErroEdit::RetiraErro();
  if (!m_tolv || !m_colecao) return false;
  return salva();
}

void TFrInformacoesTolv::RbRetificadoraClick(bool sim) {
  if (sim) {
    m_tolv->SetTipoDeclaracao(QStringLiteral("R"));
    if (m_inicializada)
      TErro::MostraTexto(TErro::FormataMensagem(ehPessoa() ? kRetificadoraPessoa : kRetificadoraEmpresa, {}),
                         TipoMensagem::Aviso);
  } else {
    m_tolv->SetTipoDeclaracao(QStringLiteral("O"));
    m_tolv->GetNrRecibo().SetValor(QString());
    m_deNrRecibo->clear();
  }
  pintaRecibo();
  m_tolv->AtualizaIndicadoresAno();
}

void TFrInformacoesTolv::CbTipoEventoChange(int indice) {
  if (indice >= 0) m_tolv->SetTipoEvento(uint8_t(indice));
}

void TFrInformacoesTolv::EdDataEventoEnter() {
  // The date itself: "Não" to the closing puts back what the user saw.
  const QString evento = m_tolv->GetDataEvento();
  m_dataLembrada = semData(evento) ? kSemData : evento;
}

void TFrInformacoesTolv::EdDataEventoChange() {
  const QDate data = m_edDataEvento->Data();
  m_tolv->SetDataEvento(data.isValid() ? data.toString(kFormatoData) : kSemData);
}

bool TFrInformacoesTolv::EdDataEventoExit() {
  const QDate data = m_edDataEvento->Data();
  if (!data.isValid()) {
    // An event keeps its date: the one the field had on entry comes back.
    m_tolv->SetDataEvento(m_dataLembrada);
    const QSignalBlocker bloqueio(m_edDataEvento);
    m_edDataEvento->SetData(semData(m_dataLembrada) ? QDate() : leData(m_dataLembrada));
    return true;
  }
  const QString texto = data.toString(kFormatoData);
  const int mes = data.month();
  bool aplica = mes == 12;
  if (!aplica)
    aplica = TErro::MostraTexto(TErro::FormataMensagem(kExclusaoPosteriores, NomeMes(mes)),
                                TipoMensagem::Confirmacao) == ResultadoMensagem::Sim;
  if (aplica) aplica = aplicaEncerramento(data);
  if (!aplica) {
    m_tolv->SetDataEvento(m_dataLembrada);
    const QSignalBlocker bloqueio(m_edDataEvento);
    m_edDataEvento->SetData(semData(m_dataLembrada) ? QDate() : leData(m_dataLembrada));
    return false;
  }
  m_dataLembrada = texto;
  return true;
}

bool TFrInformacoesTolv::aplicaEncerramento(const QDate& data) {
  m_tolv->SetDataEvento(data.toString(kFormatoData));
  if (!m_colecao) return true;
  {
    CursorEspera espera;
    try {
      m_colecao->SalvaComEncerramento(*m_tolv, data);
    } catch (const TErro& e) {
      e.Mostra();
      return false;
    }
    if (FalhaBanco || FalhaBancoIndice) return false;
  }
  if (m_conteiner) m_conteiner->RecarregaEditores();
  return true;
}

void TFrInformacoesTolv::DeNomeChange() {
  if (mesmaPessoaDeclarante()) m_deNomeResp->setText(m_deNome->text());
}

bool TFrInformacoesTolv::DeNomeExit() {
  TContribuinte& declarante = m_tolv->GetContribuinte();
  AtualizaTitulo(declarante.GetNiFormatado() + QStringLiteral(" - ") + declarante.GetNome().GetValor());
  if (m_deNome->text().trimmed().isEmpty()) {
    const uint16_t codigo = ehPessoa() ? kNomeInvalido : kNomeEmpresarialInvalido;
    TErroEdit::GuardaErro(codigo);
    EContribuinteInvalido(codigo).Mostra();
    m_deNome->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (mesmaPessoaDeclarante() && m_tolv->GetResponsavel().GetNome().GetValor() != declarante.GetNome().GetValor())
    m_tolv->GetResponsavel().GetNome().SetNomeComErro(declarante.GetNome().GetValor());
  return true;
}

void TFrInformacoesTolv::DblcResponsavelEscolhe(int linha) {
  if (linha < 0 || linha >= int(m_lista.size())) return;
  const LinhaResponsavel escolhida = m_lista[size_t(linha)];
  m_dblcResponsavel->setEditText(escolhida.cpf);
  TResponsavel& r = m_tolv->GetResponsavel();
  if (escolhida.cpf != r.GetNiFormatado()) {
    r.SetNi(escolhida.nrPf + TCpf::CalculaDVCpf(escolhida.nrPf));
    copiaLinha(escolhida);
  }
  salva();
  abreLista();
  AssociaResponsavel();
  mesmaPessoa();
}

bool TFrInformacoesTolv::DblcResponsavelExit() {
  TResponsavel& r = m_tolv->GetResponsavel();
  const QString texto = m_dblcResponsavel->currentText().trimmed();
  if (texto.isEmpty()) {
    r.LimpaTudo();
    limpaContato(r);
    mesmaPessoa();
    return true;
  }
  if (texto != r.GetNiFormatado()) {
    const int linha = linhaDoCpf(texto);
    try {
      r.SetNi(soDigitos(texto));
    } catch (const EContribuinteInvalido& e) {
      e.Mostra();
      m_dblcResponsavel->setFocus(Qt::OtherFocusReason);
      m_dblcResponsavel->lineEdit()->selectAll();
      return false;
    }
    {
      const QSignalBlocker bloqueio(m_dblcResponsavel);
      m_dblcResponsavel->setEditText(r.GetNiFormatado());
    }
    if (linha >= 0) {
      copiaLinha(m_lista[size_t(linha)]);
    } else {
      limpaContato(r);
    }
    salva();
  }
  mesmaPessoa();
  if (mesmaPessoaDeclarante() && r.GetNome().GetValor().isEmpty())
    r.GetNome().SetNomeComErro(m_tolv->GetContribuinte().GetNome().GetValor());
  return true;
}

void TFrInformacoesTolv::DeNomeRespExit() {
  TResponsavel& r = m_tolv->GetResponsavel();
  const QString nome = r.GetNome().GetValor();
  if (mesmaPessoaDeclarante() && !nome.isEmpty() && nome != m_tolv->GetContribuinte().GetNome().GetValor())
    m_tolv->GetContribuinte().GetNome().SetValor(nome);
  if (m_deNomeResp->text().trimmed().isEmpty() && !r.GetNiDigitos().isEmpty())
    TErro::MostraTexto(TErro::FormataMensagem(kNomeNaoInformado, {}), TipoMensagem::Erro);
}
