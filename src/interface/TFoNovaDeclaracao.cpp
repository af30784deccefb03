#include "interface/TFoNovaDeclaracao.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TEditData.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvCustomEdit.h"
#include "controles/AparenciaDialogo.h"
#include "interface/TfrmTipoDeclarante.h"
#include "nucleo/TTolv.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

using N = NovaDeclaracao;

TFoNovaDeclaracao* g_existente = nullptr;

constexpr QRgb kDesabilitado = 0xE1E1E1;
constexpr int kLarguraInterna = 679;

struct TextoCaixa {
  N::Caixa caixa;
  const char* painel;
  const char* nome;
  const char16_t* texto;
};

// In the order the boxes stack: a person's three and a company's six keep theirs.
constexpr TextoCaixa kCaixas[] = {
    {N::ServicoNotarial, "pnlServicoNotarial", "chkServicoNotarial", u"Titular de serviços notariais e de registros."},
    {N::PlanoSaude, "pnlPlanoSaude", "chkPlanoSaude",
     u"Efetuou pagamentos a plano privado de assistência à saúde - coletivo empresarial."},
    {N::Fundos, "pnlFC", "chkFC", u"Administrador ou intermediador de fundo ou clube de investimentos."},
    {N::Depositario, "pnlDepositario", "chkDepositario",
     u"Instituição financeira que na condição de depositária de crédito efetuou pagamentos de rendimentos decorrentes "
     u"de decisão da justiça do trabalho/federal/estadual e do Distrito Federal."},
    {N::Remessa, "pnlRemessa", "chkRemessa", u"Efetuou pagamentos a residentes ou domiciliados no exterior."},
    {N::Ostensivo, "pnlSocioOstensivo", "chkOstensivo", u"Sócio ostensivo de sociedade em conta de participação."},
    {N::Copa, "pnlCopa", "chkCopa",
     u"Efetuou pagamentos relacionados à Copa das Confederações Fifa 2013 e Copa do Mundo Fifa 2014."},
};

// The text of a box beside it, wrapped; a click on the text clicks the box.
class TextoDaCaixa : public QLabel {
 public:
  TextoDaCaixa(const QString& texto, QCheckBox* caixa, QWidget* pai) : QLabel(texto, pai), m_caixa(caixa) {
    setWordWrap(true);
    AparenciaDialogo::PintaTexto(this);
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xA0A0A0));
    setPalette(p);
  }

 protected:
  void mousePressEvent(QMouseEvent* evento) override {
    if (evento->button() == Qt::LeftButton && m_caixa->isEnabled()) {
      m_caixa->setFocus(Qt::MouseFocusReason);
      m_caixa->click();
    }
  }

 private:
  QCheckBox* m_caixa;
};

bool PodeFocar(const QWidget* w) {
  return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

void PintaDesabilitado(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Disabled, QPalette::Base, QColor(kDesabilitado));
  p.setColor(QPalette::Disabled, QPalette::Button, QColor(kDesabilitado));
  w->setPalette(p);
}

QLabel* Rotulo(const QString& texto, QWidget* pai) {
  auto* r = new QLabel(texto, pai);
  AparenciaDialogo::PintaTexto(r);
  return r;
}

}  // namespace

TFoNovaDeclaracao::TFoNovaDeclaracao(TTolv& tolv, TColecaoTolv& indice, QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_logica(tolv, indice) {
  setObjectName(QStringLiteral("FoNovaDeclaracao"));
  setWindowTitle(QStringLiteral("Nova declaração"));
  setProperty("contextoAjuda", 11005);
  AparenciaDialogo::Aplica(this);
  g_existente = this;
  criaComponentes();
  ligaEventos();
}

TFoNovaDeclaracao::~TFoNovaDeclaracao() {
  if (g_existente == this) g_existente = nullptr;
}

TFoNovaDeclaracao* TFoNovaDeclaracao::Existente() { return g_existente; }

void TFoNovaDeclaracao::criaComponentes() {
  m_quadro = AparenciaDialogo::Moldura(this, QStringLiteral("pnlDados"));
  m_quadro->setFixedWidth(kLarguraInterna - 20);
  auto* grade = new QGridLayout(m_quadro);
  grade->setContentsMargins(12, 10, 12, 10);
  grade->setHorizontalSpacing(10);
  grade->setVerticalSpacing(4);

  m_lblNI = Rotulo(QStringLiteral("CNPJ"), m_quadro);
  m_lblNI->setObjectName(QStringLiteral("lblNI"));
  m_lblNome = Rotulo(QStringLiteral("Nome empresarial"), m_quadro);
  m_lblNome->setObjectName(QStringLiteral("lblNome"));
  auto* lblAno = Rotulo(QStringLiteral("Ano-calendário"), m_quadro);
  m_edtNI = new TTolvCustomEdit(m_quadro);
  m_edtNI->setObjectName(QStringLiteral("edtNI"));
  m_edtNI->SetTipoDeDado(TTipoDeDado::ApenasNumeros);
  m_edtNI->SetLimiteTexto(14);
  m_edtNI->setFixedWidth(130);
  m_deNome = new TTolvCustomEdit(m_quadro);
  m_deNome->setObjectName(QStringLiteral("DeNome"));
  m_deNome->SetTipoDeDado(TTipoDeDado::AlfaNumerico);
  m_deNome->SetLimiteTexto(150);
  m_cbAnoRet = new QComboBox(m_quadro);
  m_cbAnoRet->setObjectName(QStringLiteral("CbAnoRet"));
  for (const QString& ano : N::Anos()) m_cbAnoRet->addItem(ano);
  m_cbAnoRet->setCurrentIndex(-1);
  m_cbAnoRet->setFixedWidth(80);
  for (QWidget* w : {static_cast<QWidget*>(m_edtNI), static_cast<QWidget*>(m_deNome), static_cast<QWidget*>(m_cbAnoRet)})
    AparenciaDialogo::PintaTexto(w);
  m_lblNI->setBuddy(m_edtNI);
  m_lblNome->setBuddy(m_deNome);
  lblAno->setBuddy(m_cbAnoRet);
  grade->addWidget(m_lblNI, 0, 0);
  grade->addWidget(m_lblNome, 0, 1);
  grade->addWidget(lblAno, 0, 2);
  grade->addWidget(m_edtNI, 1, 0);
  grade->addWidget(m_deNome, 1, 1);
  grade->addWidget(m_cbAnoRet, 1, 2);
  grade->setColumnStretch(1, 1);

  m_grpSitEspecial = new QGroupBox(QStringLiteral("Situação especial"), m_quadro);
  m_grpSitEspecial->setObjectName(QStringLiteral("grpGbSitEspecial"));
  {
    QPalette p = m_grpSitEspecial->palette();
    p.setColor(QPalette::WindowText, PaletaTolv::cor(PaletaTolv::kRotuloGrupo));
    m_grpSitEspecial->setPalette(p);
  }
  auto* situacao = new QHBoxLayout(m_grpSitEspecial);
  situacao->setContentsMargins(10, 4, 10, 6);
  situacao->setSpacing(10);
  m_sim = new QRadioButton(QStringLiteral("Sim"), m_grpSitEspecial);
  m_sim->setObjectName(QStringLiteral("rbRbSimEncerramento"));
  m_nao = new QRadioButton(QStringLiteral("Não"), m_grpSitEspecial);
  m_nao->setObjectName(QStringLiteral("rbRbNaoEncerramento"));
  situacao->addWidget(m_sim);
  situacao->addWidget(m_nao);
  m_pnlTipoEvento = new QWidget(m_grpSitEspecial);
  m_pnlTipoEvento->setObjectName(QStringLiteral("pnlTipoEvento"));
  auto* tipoEvento = new QHBoxLayout(m_pnlTipoEvento);
  tipoEvento->setContentsMargins(10, 0, 0, 0);
  tipoEvento->setSpacing(6);
  m_tipoEvento = new QComboBox(m_pnlTipoEvento);
  m_tipoEvento->setObjectName(QStringLiteral("cbbCbTipoEvento"));
  m_tipoEvento->addItems({QStringLiteral(" "), QStringLiteral("Encerramento de Espólio"),
                          QStringLiteral("Saída definitiva do país")});
  m_tipoEvento->setCurrentIndex(-1);
  m_tipoEvento->setMinimumWidth(170);
  tipoEvento->addWidget(Rotulo(QStringLiteral("Tipo de evento"), m_pnlTipoEvento));
  tipoEvento->addWidget(m_tipoEvento);
  situacao->addWidget(m_pnlTipoEvento);
  auto* rotuloData = Rotulo(QStringLiteral("Data do evento"), m_grpSitEspecial);
  m_dataEvento = new TEditData(m_grpSitEspecial);
  m_dataEvento->setObjectName(QStringLiteral("edtDataEvento"));
  m_dataEvento->setFixedWidth(110);
  rotuloData->setBuddy(m_dataEvento);
  situacao->addSpacing(10);
  situacao->addWidget(rotuloData);
  situacao->addWidget(m_dataEvento);
  situacao->addStretch(1);
  for (QWidget* w : {static_cast<QWidget*>(m_sim), static_cast<QWidget*>(m_nao), static_cast<QWidget*>(m_tipoEvento),
                     static_cast<QWidget*>(m_dataEvento)})
    AparenciaDialogo::PintaTexto(w);
  PintaDesabilitado(m_tipoEvento);
  PintaDesabilitado(m_dataEvento->Edit());
  m_tipoEvento->setEnabled(false);
  m_dataEvento->setEnabled(false);
  grade->addItem(new QSpacerItem(0, 6), 2, 0);
  grade->addWidget(m_grpSitEspecial, 3, 0, 1, 3);

  m_pnlNatureza = new QWidget(m_quadro);
  m_pnlNatureza->setObjectName(QStringLiteral("pnlNatureza"));
  auto* natureza = new QVBoxLayout(m_pnlNatureza);
  natureza->setContentsMargins(0, 6, 0, 0);
  natureza->setSpacing(2);
  m_natureza = new QComboBox(m_pnlNatureza);
  m_natureza->setObjectName(QStringLiteral("cbbCbTipoDeclarante"));
  for (size_t i = 0; i < N::kCodigosNatureza.size(); ++i)
    m_natureza->addItem(N::TextosNatureza()[i], N::kCodigosNatureza[i]);
  m_natureza->setCurrentIndex(-1);
  m_natureza->setPlaceholderText(QStringLiteral("Selecione a natureza do declarante"));
  AparenciaDialogo::PintaTexto(m_natureza);
  auto* rotuloNatureza = Rotulo(QStringLiteral("Natureza do declarante"), m_pnlNatureza);
  rotuloNatureza->setBuddy(m_natureza);
  natureza->addWidget(rotuloNatureza);
  natureza->addWidget(m_natureza);
  grade->addWidget(m_pnlNatureza, 4, 0, 1, 3);

  auto* indicadores = new QVBoxLayout;
  indicadores->setContentsMargins(0, 8, 0, 0);
  indicadores->setSpacing(4);
  for (const TextoCaixa& t : kCaixas) {
    auto* painel = new QWidget(m_quadro);
    painel->setObjectName(QString::fromLatin1(t.painel));
    auto* linha = new QHBoxLayout(painel);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(4);
    auto* caixa = new QCheckBox(painel);
    caixa->setObjectName(QString::fromLatin1(t.nome));
    caixa->setAccessibleName(QString::fromUtf16(t.texto));
    auto* texto = new TextoDaCaixa(QString::fromUtf16(t.texto), caixa, painel);
    linha->addWidget(caixa, 0, Qt::AlignTop);
    linha->addWidget(texto, 1);
    indicadores->addWidget(painel);
    painel->setVisible(false);
    m_caixas[size_t(t.caixa)] = caixa;
    m_paineis[size_t(t.caixa)] = painel;
  }
  grade->addLayout(indicadores, 5, 0, 1, 3);

  m_ok = new TBotaoOk(QStringLiteral("bbOK"), QStringLiteral("&OK"), this, QStringLiteral("pnlOK"),
                      QStringLiteral("bbOKInabilitado"));
  m_cancelar = AparenciaDialogo::Botao(QStringLiteral("bbCancel"), QStringLiteral("&Cancelar"), this);
  auto* painel2 = new QWidget(this);
  painel2->setObjectName(QStringLiteral("Panel2"));
  auto* botoes = new QHBoxLayout(painel2);
  botoes->setContentsMargins(0, 0, 0, 0);
  botoes->setSpacing(8);
  botoes->addStretch(1);
  botoes->addWidget(m_ok);
  botoes->addWidget(m_cancelar);

  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(10, 10, 10, 10);
  raiz->setSpacing(10);
  raiz->setSizeConstraint(QLayout::SetFixedSize);
  raiz->addWidget(m_quadro);
  raiz->addWidget(painel2);

  setTabOrder(m_edtNI, m_deNome);
  setTabOrder(m_deNome, m_cbAnoRet);
  setTabOrder(m_cbAnoRet, m_sim);
  setTabOrder(m_sim, m_nao);
  setTabOrder(m_nao, m_tipoEvento);
  setTabOrder(m_tipoEvento, m_dataEvento->Edit());
  setTabOrder(m_dataEvento->Edit(), m_natureza);
  QWidget* anterior = m_natureza;
  for (const TextoCaixa& t : kCaixas) {
    setTabOrder(anterior, m_caixas[size_t(t.caixa)]);
    anterior = m_caixas[size_t(t.caixa)];
  }
  m_ok->Habilita(false);
}

void TFoNovaDeclaracao::ligaEventos() {
  const auto guardado = [this](auto f) { return [this, f](auto&&...) { GuardaEventos::executa(f); }; };
  connect(m_ok, &TBotaoOk::clicked, this, guardado([this] { BbOkClick(); }));
  connect(m_cancelar, &TTolvButton::clicked, this, [this] { bbCancelClick(); });
  connect(m_cbAnoRet, &QComboBox::activated, this, [this](int indice) {
    GuardaEventos::executa([&] {
      leForm();
      const N::Foco foco = m_logica.CbAnoRetChange(indice);
      mostraForm();
      aplicaFoco(foco);
    });
  });
  connect(m_sim, &QRadioButton::clicked, this, guardado([this] {
    leForm();
    const N::Foco foco = m_logica.rbRbSimEncerramentoClick();
    mostraForm();
    aplicaFoco(foco);
  }));
  connect(m_nao, &QRadioButton::clicked, this, guardado([this] {
    leForm();
    m_logica.rbRbNaoEncerramentoClick();
    mostraForm();
  }));
  connect(m_tipoEvento, &QComboBox::activated, this, guardado([this] { leForm(); }));
  connect(m_dataEvento, &TEditData::Mudou, this,
          [this](const QDate& data) { GuardaEventos::executa([&] { m_logica.DataEventoMudou(data); }); });
  connect(m_dataEvento, &TEditData::TeclaSolta, this, [this] {
    if (const auto corrigida = N::CorrigeDataDigitada(m_dataEvento->Texto())) m_dataEvento->SetTexto(*corrigida);
  });
  connect(m_natureza, &QComboBox::activated, this, [this](int indice) {
    GuardaEventos::executa([&] {
      leForm();
      m_logica.cbbCbTipoDeclaranteChange(indice >= 0 ? m_natureza->itemData(indice).toInt() : -1);
      mostraForm();
    });
  });
  connect(m_caixas[N::ServicoNotarial], &QCheckBox::toggled, this, guardado([this] {
    leForm();
    m_logica.chkServicoNotarialClick();
    mostraForm();
  }));
  for (QCheckBox* c : m_caixas)
    if (c != m_caixas[N::ServicoNotarial]) connect(c, &QCheckBox::toggled, this, guardado([this] { leForm(); }));
  for (TTolvCustomEdit* e : {m_edtNI, m_deNome})
    connect(e, &QLineEdit::textEdited, this, [this] {
      leForm();
      HabilitaOk();
    });

  TRastreadorFoco& foco = TRastreadorFoco::instancia();
  foco.registra(
      m_edtNI,
      [this](QWidget*) {
        if (m_ignoraSaidaNumero) return true;
        leForm();
        const bool sai = m_logica.edtNIExit();
        mostraForm();
        return sai;
      },
      [this](QWidget*) {
        leForm();
        m_logica.edtNIEnter();
        mostraForm();
        m_edtNI->selectAll();
      });
  foco.registra(m_deNome, [this](QWidget*) {
    leForm();
    const bool sai = m_logica.DeNomeExit();
    mostraForm();
    return sai;
  });
  foco.registra(m_natureza, [this](QWidget*) {
    leForm();
    return m_logica.cbbCbTipoDeclaranteExit();
  });
  // Entering any of these refreshes OK.
  for (QWidget* w : {static_cast<QWidget*>(m_deNome), static_cast<QWidget*>(m_cbAnoRet), static_cast<QWidget*>(m_sim),
                     static_cast<QWidget*>(m_nao), static_cast<QWidget*>(m_tipoEvento),
                     static_cast<QWidget*>(m_dataEvento->Edit())})
    foco.registra(w, {}, [this](QWidget*) { HabilitaOk(); });
  for (QWidget* painel : m_paineis) foco.registra(painel, {}, [this](QWidget*) { HabilitaOk(); });
}

void TFoNovaDeclaracao::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  qApp->installEventFilter(this);
  if (m_mostrado || evento->spontaneous()) return;
  m_mostrado = true;
  // The kind is asked once this dialog stands.
  QTimer::singleShot(0, this, [this] { GuardaEventos::executa([this] { FormShow(); }); });
}

void TFoNovaDeclaracao::hideEvent(QHideEvent* evento) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(evento);
}

void TFoNovaDeclaracao::FormShow() {
  int tipo = 0;
  if (m_escolhaTipo) {
    tipo = m_escolhaTipo(this);
  } else {
    TfrmTipoDeclarante escolha(this);
    if (escolha.exec() == QDialog::Accepted) tipo = escolha.PessoaFisica() ? 1 : 2;
  }
  if (tipo == 0) {
    reject();
    return;
  }
  const bool pessoa = tipo == 1;
  if (pessoa)
    m_logica.ConfiguraPessoaFisica();
  else
    m_logica.ConfiguraPessoaJuridica();
  m_lblNI->setText(pessoa ? QStringLiteral("CPF") : QStringLiteral("CNPJ"));
  m_lblNome->setText(pessoa ? QStringLiteral("Nome") : QStringLiteral("Nome empresarial"));
  m_grpSitEspecial->setTitle(pessoa ? QStringLiteral("Situação especial") : QStringLiteral("Declaração de extinção"));
  m_edtNI->setToolTip(pessoa ? QStringLiteral("CPF do declarante pessoa física")
                             : QStringLiteral("CNPJ do declarante pessoa jurídica"));
  m_deNome->setToolTip(pessoa ? QStringLiteral("Nome do declarante pessoa física")
                              : QStringLiteral("Nome empresarial do declarante pessoa jurídica"));
  m_cbAnoRet->setToolTip(
      QStringLiteral("Ano em que foram efetuadas as retenções. É possível preencher declarações dos anos-calendário "
                     "2013 e 2014 (") +
      (pessoa ? QStringLiteral("espólio ou saída definitiva do país).") : QStringLiteral("extinção).")));
  m_sim->setToolTip(pessoa ? QStringLiteral("Assinale \"Sim\" quando estiver enquadrado nos casos decorrentes de saída "
                                            "definitiva do país ou encerramento de espólio.")
                           : QStringLiteral("Selecione \"Sim\" caso a declaração seja de encerramento de atividades."));
  m_nao->setToolTip(pessoa ? QStringLiteral("Assinale \"Não\" quando não estiver enquadrado nos casos decorrentes de "
                                            "saída definitiva do país ou encerramento de espólio.")
                           : QStringLiteral("Selecione \"Não\" caso a declaração não seja de encerramento de atividades."));
  m_edtNI->SetLimiteTexto(pessoa ? 11 : 14);
  m_deNome->SetLimiteTexto(pessoa ? 60 : 150);
  m_dataEvento->SetLimites(QDate(2013 + 1, 1, 1), QDate(2013 + 1, 12, 31));
  mostraForm();
  m_logica.IniciaAno();
  mostraForm();
  adjustSize();
  AparenciaDialogo::Posiciona(this, parentWidget(), -130, true);
  m_edtNI->setFocus(Qt::OtherFocusReason);
}

void TFoNovaDeclaracao::leForm() {
  N::Formulario& f = m_logica.Form();
  f.numero = m_edtNI->text();
  f.nome = m_deNome->text();
  f.ano = m_cbAnoRet->currentIndex();
  f.simMarcado = m_sim->isChecked();
  f.naoMarcado = m_nao->isChecked();
  f.tipoEvento = m_tipoEvento->currentIndex();
  f.dataEvento = m_dataEvento->Data();
  f.natureza = m_natureza->currentIndex() >= 0 ? m_natureza->currentData().toInt() : -1;
  for (int i = 0; i < N::kCaixas; ++i) f.caixas[size_t(i)].marcada = m_caixas[size_t(i)]->isChecked();
}

void TFoNovaDeclaracao::mostraForm() {
  const N::Formulario& f = m_logica.Form();
  const QSignalBlocker b1(m_edtNI), b2(m_deNome), b3(m_cbAnoRet), b4(m_sim), b5(m_nao), b6(m_tipoEvento),
      b7(m_dataEvento), b8(m_natureza);
  if (m_edtNI->text() != f.numero) m_edtNI->setText(f.numero);
  if (m_deNome->text() != f.nome) m_deNome->setText(f.nome);
  m_cbAnoRet->setCurrentIndex(f.ano);
  m_sim->setEnabled(f.simHabilitado);
  m_nao->setEnabled(f.naoHabilitado);
  if (f.simMarcado) m_sim->setChecked(true);
  if (f.naoMarcado) m_nao->setChecked(true);
  QFont negrito = m_sim->font();
  negrito.setBold(f.simMarcado);
  m_sim->setFont(negrito);
  negrito.setBold(f.naoMarcado);
  m_nao->setFont(negrito);
  m_pnlTipoEvento->setVisible(f.pessoaFisica);
  m_tipoEvento->setEnabled(f.tipoEventoHabilitado);
  m_tipoEvento->setCurrentIndex(f.tipoEvento);
  m_tipoEvento->setFocusPolicy(f.tipoEventoHabilitado ? Qt::StrongFocus : Qt::NoFocus);
  m_dataEvento->setEnabled(f.dataEventoHabilitada);
  m_dataEvento->Edit()->setFocusPolicy(f.dataEventoHabilitada ? Qt::StrongFocus : Qt::NoFocus);
  if (m_dataEvento->Data() != f.dataEvento) m_dataEvento->SetData(f.dataEvento);
  m_pnlNatureza->setVisible(!f.pessoaFisica);
  m_natureza->setEnabled(f.naturezaHabilitada);
  m_natureza->setCurrentIndex(N::IndiceDaNatureza(f.natureza));
  for (int i = 0; i < N::kCaixas; ++i) {
    const N::EstadoCaixa& e = f.caixas[size_t(i)];
    QCheckBox* c = m_caixas[size_t(i)];
    const QSignalBlocker bc(c);
    m_paineis[size_t(i)]->setVisible(e.visivel);
    c->setEnabled(e.habilitada);
    // The text beside the box greys with it.
    if (auto* texto = m_paineis[size_t(i)]->findChild<QLabel*>()) texto->setEnabled(e.habilitada);
    c->setChecked(e.marcada);
  }
  HabilitaOk();
}

void TFoNovaDeclaracao::HabilitaOk() { m_ok->Habilita(m_logica.HabilitaOk()); }

void TFoNovaDeclaracao::aplicaFoco(NovaDeclaracao::Foco foco) {
  QWidget* alvo = nullptr;
  switch (foco) {
    case N::Foco::Numero: alvo = m_edtNI; break;
    case N::Foco::Nome: alvo = m_deNome; break;
    case N::Foco::Natureza: alvo = m_natureza; break;
    case N::Foco::DataEvento: alvo = m_dataEvento->Edit(); break;
    case N::Foco::TipoEvento: alvo = m_tipoEvento; break;
    case N::Foco::Nenhum: break;
  }
  if (PodeFocar(alvo)) alvo->setFocus(Qt::OtherFocusReason);
}

void TFoNovaDeclaracao::BbOkClick() {
  leForm();
  const bool numeroComFoco = m_edtNI->hasFocus();
  const N::Resultado resultado = m_logica.BbOkClick(numeroComFoco);
  mostraForm();
  if (numeroComFoco && resultado.foco != N::Foco::Numero) {
    // The number was left by the step itself: its exit does not run again.
    m_ignoraSaidaNumero = true;
    m_deNome->setFocus(Qt::OtherFocusReason);
    m_ignoraSaidaNumero = false;
  }
  if (resultado.criada) {
    accept();
    return;
  }
  aplicaFoco(resultado.foco);
}

void TFoNovaDeclaracao::done(int resultado) {
  GuardaEventos::executa([this] { m_logica.FormClose(); });
  QDialog::done(resultado);
}

void TFoNovaDeclaracao::AvancaComEnter(bool paraTras) { focusNextPrevChild(!paraTras); }

void TFoNovaDeclaracao::enterDoControle(QWidget* alvo, bool paraTras) {
  if (alvo == m_edtNI) {
    if (!m_edtNI->text().isEmpty()) AvancaComEnter(paraTras);
  } else if (alvo == m_deNome) {
    if (PodeFocar(m_caixas[N::ServicoNotarial]))
      m_caixas[N::ServicoNotarial]->setFocus(Qt::TabFocusReason);
    else if (PodeFocar(m_natureza))
      m_natureza->setFocus(Qt::TabFocusReason);
  } else if (alvo == m_natureza) {
    leForm();
    if (m_logica.cbbCbTipoDeclaranteExit()) AvancaComEnter(paraTras);
  } else if (alvo == m_cbAnoRet || alvo == m_sim || alvo == m_nao || alvo == m_tipoEvento ||
             alvo == m_dataEvento->Edit()) {
    AvancaComEnter(paraTras);
  }
}

bool TFoNovaDeclaracao::eventFilter(QObject* objeto, QEvent* evento) {
  // "Sim" and "Não" follow the year: given the focus, they pass it on (back, with Shift+Tab).
  if (evento->type() == QEvent::FocusIn && (objeto == m_sim || objeto == m_nao)) {
    const bool paraTras = static_cast<QFocusEvent*>(evento)->reason() == Qt::BacktabFocusReason;
    QTimer::singleShot(0, this, [this, paraTras, radio = QPointer<QWidget>(static_cast<QWidget*>(objeto))] {
      if (radio && radio->hasFocus()) focusNextPrevChild(!paraTras);
    });
    return QDialog::eventFilter(objeto, evento);
  }
  if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return QDialog::eventFilter(objeto, evento);
  auto* alvo = static_cast<QWidget*>(objeto);
  QWidget* foco = QApplication::focusWidget();
  if (alvo->window() != this || (foco && foco->window() == this && alvo != foco))
    return QDialog::eventFilter(objeto, evento);
  const auto* tecla = static_cast<QKeyEvent*>(evento);
  switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      const bool paraTras = tecla->modifiers() & Qt::ShiftModifier;
      GuardaEventos::executa([&] {
        leForm();
        if (m_ok->Habilitado() && m_logica.PodeConfirmarComEnter()) BbOkClick();
        // The focused control's own Enter follows, while the dialog stays.
        if (isVisible()) enterDoControle(alvo, paraTras);
      });
      return true;
    }
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      return QDialog::eventFilter(objeto, evento);
  }
}

bool ExecutaNovaDeclaracao(TTolv& tolv, TColecaoTolv& indice, QWidget* dono) {
  if (TFoNovaDeclaracao::Existente()) return false;
  auto dialogo = std::make_unique<TFoNovaDeclaracao>(tolv, indice, dono);
  tolv.Limpar();
  tolv.SetTolvDK(QString());
  return dialogo->exec() == QDialog::Accepted;
}
