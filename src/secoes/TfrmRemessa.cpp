#include "secoes/TfrmRemessa.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TTolv.h"
#include "nucleo/ZuqErro.h"
#include "plataforma/bd/Dado.h"
#include "plataforma/gui/GuardaEventos.h"
#include "secoes/GlifosRemessa.h"
#include "secoes/RelacoesFonteBeneficiario.h"
#include "secoes/ServicosEditor.h"
#include "secoes/TEdicaoRemessa.h"
#include "secoes/TGradeValoresRemessa.h"
#include "secoes/TModeloValoresRemessa.h"
#include "secoes/TTabelaEditavel.h"
#include "secoes/TfrmPesquisarRemessa.h"
#include "secoes/TfrmRelFonteBeneficiario.h"
#include "secoes/TzuqRemessaControlador.h"

namespace {

constexpr int kAjuda = 2010003;
constexpr int kIconeErro = 16;
constexpr int kIconeAviso = 48;
constexpr int kPergunta = 4 | 32;
constexpr int kSemCampo = 255;
constexpr int kCampoGrade = 18;
constexpr int kValorExcedido = 108;
constexpr int kCodigoInexistente = 214;
constexpr int kDataInvalida = 206;
constexpr int kDigitosInteiros = 11;
constexpr QRgb kDesabilitado = qRgb(225, 225, 225);

const QString kPessoaFisica = QStringLiteral("Pessoa Física");
const QString kPessoaJuridica = QStringLiteral("Pessoa Jurídica");

QString SoDigitos(const QString& texto) {
  QString r;
  for (const QChar c : texto)
    if (c.isDigit()) r += c;
  return r;
}

// A stored number shown whole: a base gets its check digits back.
QString NiExibido(const QString& armazenado) {
  const QString ni = armazenado.trimmed();
  const bool base = (ni.size() == 9 || ni.size() == 12) && SoDigitos(ni) == ni;
  return base ? ni + TNiContribuinte::CalculaDVNi(ni) : ni;
}

bool PodeFocar(const QWidget* w) {
  return w && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus;
}

void Foca(QWidget* w) {
  if (PodeFocar(w)) w->setFocus(Qt::OtherFocusReason);
}

bool LetraOuDigito(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

QLabel* Rotulo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  l->setFont(PaletaTolv::arial(8));
  return l;
}

// The amount typed into a line's cell, as the cell takes it: thousands dots go, an empty text
// is zero, decimals beyond the second are cut (never rounded). Nothing for a text that is no
// amount or that has more integer digits than the program takes.
std::optional<Valor> ValorDigitado(QString texto) {
  texto.remove(u'.');
  texto = texto.trimmed();
  if (texto.isEmpty()) return Valor();
  const int virgula = texto.indexOf(u',');
  const QString inteiros = virgula < 0 ? texto : texto.left(virgula);
  QString decimais = virgula < 0 ? QString() : texto.mid(virgula + 1);
  if (decimais.size() > 2) decimais.truncate(2);
  const QString sinal = inteiros.startsWith(u'-') ? QStringLiteral("-") : QString();
  const QString digitos = sinal.isEmpty() ? inteiros : inteiros.mid(1);
  if (digitos.size() > kDigitosInteiros) return std::nullopt;
  return Valor::tenta(sinal + (digitos.isEmpty() ? QStringLiteral("0") : digitos) +
                      (decimais.isEmpty() ? QString() : u',' + decimais));
}

}  // namespace

TfrmRemessa::TfrmRemessa(QWidget* pai, IzuqConsultasRemessa* consultas)
    : TPaginaDeclaracao(pai), m_consultas(consultas), m_edicao(std::make_unique<TEdicaoRemessa>()) {
  setObjectName(QStringLiteral("frmRemessa"));
  setProperty("contextoAjuda", kAjuda);
  setMinimumWidth(500);
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  MontaTela();
  LigaControles();
  RegistraSaidas();
  m_dialogoRelacao = new TfrmRelFonteBeneficiario(this);
  // The main window hears of refusals and of the tree node the lines belong to.
  connect(this, &TfrmRemessa::EdicaoRecusada, this, [] { ServicosEditor::RecusaEntrada(0); });
  connect(this, &TfrmRemessa::SelecionaNoArvore, this, [](int codigo) { ServicosEditor::SelecionaNo(codigo); });

  TTabelaEditavel& r = m_edicao->Remessas();
  r.aoAcrescentar = [&r] {
    r.DefineValor(QStringLiteral("TREM_IN_BENEF_DISPENSA_NIF"), QStringLiteral("N"));
    r.DefineValor(QStringLiteral("TREM_IN_PAIS_DISPENSA_NIF"), QStringLiteral("N"));
  };
  r.antesDeGravar = [this] { return VerificaAntesDeGravar(); };
  r.aposGravar = [this] { AposGravar(); };
  r.aposRolar = [this] { AposRolar(); };
  TTabelaEditavel& v = m_edicao->Valores();
  v.antesDeGravar = [this] { return VerificaValorAntesDeGravar(); };
  v.aposGravar = [this] { AposGravarValor(); };
}

TfrmRemessa::~TfrmRemessa() {
  // The controller's handlers point into this page: it goes first.
  m_controlador.reset();
  TTabelaEditavel& r = m_edicao->Remessas();
  r.antesDeGravar = {};
  r.aposGravar = {};
  r.aposRolar = {};
  m_edicao->Valores().antesDeGravar = {};
  m_edicao->Valores().aposGravar = {};
}

// The layout ---------------------------------------------------------------------------------

QLineEdit* TfrmRemessa::NovoEdit(const char* nome, const char* coluna, int limite, Filtro filtro) {
  auto* e = new QLineEdit(m_painel);
  e->setObjectName(QString::fromLatin1(nome));
  e->installEventFilter(this);
  m_campos[e] = {coluna, limite, filtro};
  connect(e, &QLineEdit::textChanged, this, [this, coluna](const QString& texto) {
    GuardaEventos::executa([&] { Escreve(coluna, texto); });
  });
  return e;
}

void TfrmRemessa::MontaTela() {
  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(4);

  auto* titulo = new QLabel(QStringLiteral("  Rendimentos pagos a residentes ou domiciliados no exterior"), this);
  titulo->setObjectName(QStringLiteral("lblTitulo"));
  titulo->setFont(PaletaTolv::arial(10, true));
  titulo->setAutoFillBackground(true);
  PaletaTolv::pinta(titulo, PaletaTolv::kDescricaoPagina, 0xFFFFFF);
  titulo->setMinimumHeight(24);
  raiz->addWidget(titulo);

  auto* secao = new QHBoxLayout;
  auto* identificacao = new QLabel(QStringLiteral("  Identificação do beneficiário"), this);
  identificacao->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(identificacao, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
  m_lblContador = new QLabel(QStringLiteral("1/1"), this);
  m_lblContador->setObjectName(QStringLiteral("lblContador"));
  m_lblContador->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(m_lblContador, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
  secao->addWidget(identificacao);
  secao->addStretch(1);
  secao->addWidget(m_lblContador);
  raiz->addLayout(secao);

  m_painel = new QFrame(this);
  m_painel->setObjectName(QStringLiteral("Panel3"));
  m_painel->setFrameShape(QFrame::StyledPanel);
  m_painel->setAutoFillBackground(true);
  PaletaTolv::pinta(m_painel, PaletaTolv::kCaixa);
  auto* g = new QGridLayout(m_painel);
  g->setContentsMargins(8, 6, 8, 6);
  g->setHorizontalSpacing(10);
  g->setVerticalSpacing(2);
  for (int c = 0; c < 3; ++c) g->setColumnStretch(c, 1);

  m_tipo = new QComboBox(m_painel);
  m_tipo->setObjectName(QStringLiteral("cbbInTipoBeneficiario"));
  m_tipo->addItem(kPessoaFisica, QStringLiteral("1"));
  m_tipo->addItem(kPessoaJuridica, QStringLiteral("2"));
  m_tipo->setCurrentIndex(-1);
  m_tipo->installEventFilter(this);
  m_campos[m_tipo] = {"TREM_IN_TIPO_BENEFICIARIO", 0, Filtro::LetrasDigitos};
  m_pais = new QComboBox(m_painel);
  m_pais->setObjectName(QStringLiteral("cbbCdPais"));
  m_pais->setMaxVisibleItems(20);
  m_pais->setCurrentIndex(-1);
  m_pais->installEventFilter(this);
  m_campos[m_pais] = {"TREM_CD_PAIS", 0, Filtro::Livre};
  g->addWidget(Rotulo(QStringLiteral("Beneficiário"), m_painel), 0, 0);
  g->addWidget(Rotulo(QStringLiteral("País de residência"), m_painel), 0, 1, 1, 2);
  g->addWidget(m_tipo, 1, 0);
  g->addWidget(m_pais, 1, 1, 1, 2);

  m_blocoNif = new QGroupBox(QStringLiteral("Número de Identificação Fiscal - NIF"), m_painel);
  m_blocoNif->setObjectName(QStringLiteral("gbNif"));
  auto* nif = new QGridLayout(m_blocoNif);
  nif->setContentsMargins(8, 4, 8, 4);
  nif->setVerticalSpacing(2);
  m_nif = new QLineEdit(m_blocoNif);
  m_nif->setObjectName(QStringLiteral("edtNIF"));
  m_nif->installEventFilter(this);
  m_campos[m_nif] = {"TREM_NIF", 30, Filtro::LetrasDigitos};
  m_dispensaBeneficiario = new QCheckBox(QStringLiteral("Beneficiário dispensado do NIF"), m_blocoNif);
  m_dispensaBeneficiario->setObjectName(QStringLiteral("CheckBox1"));
  m_dispensaBeneficiario->installEventFilter(this);
  m_dispensaPais = new QCheckBox(QStringLiteral("País não exige NIF"), m_blocoNif);
  m_dispensaPais->setObjectName(QStringLiteral("CheckBox2"));
  m_dispensaPais->installEventFilter(this);
  nif->addWidget(Rotulo(QStringLiteral("NIF"), m_blocoNif), 0, 0);
  nif->addWidget(Rotulo(QStringLiteral("Motivo do não preenchimento"), m_blocoNif), 0, 1, 1, 2);
  nif->addWidget(m_nif, 1, 0);
  nif->addWidget(m_dispensaBeneficiario, 1, 1);
  nif->addWidget(m_dispensaPais, 1, 2);
  nif->setColumnStretch(0, 1);
  g->addWidget(m_blocoNif, 2, 0, 1, 3);

  g->addWidget(Rotulo(QStringLiteral("Relação fonte pagadora/beneficiário"), m_painel), 3, 0, 1, 3);
  m_relacao = new QLineEdit(m_painel);
  m_relacao->setObjectName(QStringLiteral("cbbRelFonteBeneficiario"));
  m_relacao->setReadOnly(true);
  m_relacao->setMaximumWidth(70);
  m_relacao->installEventFilter(this);
  m_campos[m_relacao] = {"TREM_CD_REL_FONTE_BENEFICIARIO", 3, Filtro::LetrasDigitos};
  m_botaoRelacao = new QToolButton(m_painel);
  m_botaoRelacao->setObjectName(QStringLiteral("btnRelFonteBeneficiario"));
  m_botaoRelacao->setText(QStringLiteral("..."));
  m_botaoRelacao->setFocusPolicy(Qt::NoFocus);
  m_textoRelacao = new QLabel(m_painel);
  m_textoRelacao->setObjectName(QStringLiteral("wwdbedit3"));
  m_textoRelacao->setWordWrap(true);
  m_textoRelacao->setFont(PaletaTolv::arial(8));
  m_textoRelacao->hide();
  auto* relacao = new QHBoxLayout;
  relacao->setSpacing(0);
  relacao->addWidget(m_relacao);
  relacao->addWidget(m_botaoRelacao);
  relacao->addStretch(1);
  g->addLayout(relacao, 4, 0);
  g->addWidget(m_textoRelacao, 4, 1, 1, 2);

  m_lblNi = Rotulo(QStringLiteral("CPF/CNPJ"), m_painel);
  m_lblNi->setObjectName(QStringLiteral("lblNI"));
  m_lblNome = Rotulo(QStringLiteral("Nome/Nome empresarial"), m_painel);
  m_lblNome->setObjectName(QStringLiteral("lblNome"));
  m_ni = NovoEdit("edtNI", "TREM_NI", 14, Filtro::Digitos);
  m_nome = NovoEdit("edtNome", "TREM_NOME", 150, Filtro::Livre);
  g->addWidget(m_lblNi, 5, 0);
  g->addWidget(m_lblNome, 5, 1, 1, 2);
  g->addWidget(m_ni, 6, 0);
  g->addWidget(m_nome, 6, 1, 1, 2);

  m_logradouro = NovoEdit("edtLogradouro", "TREM_LOGRADOURO", 60, Filtro::Livre);
  m_numero = NovoEdit("edtNumero", "TREM_NUMERO", 6, Filtro::LetrasDigitos);
  m_complemento = NovoEdit("edtComplemento", "TREM_COMPLEMENTO", 25, Filtro::Livre);
  m_bairro = NovoEdit("edtBairro", "TREM_BAIRRO", 20, Filtro::Livre);
  m_cxPostal = NovoEdit("edtCxdPostal", "TREM_CX_POSTAL", 10, Filtro::Digitos);
  m_cidade = NovoEdit("edtCidade", "TREM_CIDADE", 40, Filtro::Livre);
  m_estado = NovoEdit("edtEstado", "TREM_ESTADO", 40, Filtro::Livre);
  m_telefone = NovoEdit("edtTelefone", "TREM_TELEFONE", 15, Filtro::Digitos);
  g->addWidget(Rotulo(QStringLiteral("Logradouro"), m_painel), 7, 0, 1, 2);
  g->addWidget(Rotulo(QStringLiteral("Número"), m_painel), 7, 2);
  g->addWidget(m_logradouro, 8, 0, 1, 2);
  g->addWidget(m_numero, 8, 2);
  g->addWidget(Rotulo(QStringLiteral("Complemento"), m_painel), 9, 0);
  g->addWidget(Rotulo(QStringLiteral("Bairro/Distrito"), m_painel), 9, 1);
  g->addWidget(Rotulo(QStringLiteral("Código postal"), m_painel), 9, 2);
  g->addWidget(m_complemento, 10, 0);
  g->addWidget(m_bairro, 10, 1);
  g->addWidget(m_cxPostal, 10, 2);
  g->addWidget(Rotulo(QStringLiteral("Cidade"), m_painel), 11, 0);
  g->addWidget(Rotulo(QStringLiteral("Estado/Província"), m_painel), 11, 1);
  g->addWidget(Rotulo(QStringLiteral("Telefone"), m_painel), 11, 2);
  g->addWidget(m_cidade, 12, 0);
  g->addWidget(m_estado, 12, 1);
  g->addWidget(m_telefone, 12, 2);

  auto* barra = new QFrame(m_painel);
  barra->setObjectName(QStringLiteral("pnlBotoes"));
  auto* botoes = new QHBoxLayout(barra);
  botoes->setContentsMargins(0, 6, 0, 0);
  botoes->setSpacing(2);
  const auto botao = [&](const char* nome, const char* dica, GlifosRemessa::Glifo glifo, QWidget* pai) {
    auto* b = new TTolvButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setToolTip(QString::fromUtf8(dica));
    b->SetGlyph(GlifosRemessa::Desenha(glifo));
    b->setFixedSize(28, 24);
    return b;
  };
  using G = GlifosRemessa::Glifo;
  m_btnPrimeiro = botao("btnBbFirst", "Primeira remessa", G::Primeiro, barra);
  m_btnPesquisar = botao("btnPesquisar", "Pesquisar", G::Pesquisar, barra);
  m_btnAnterior = botao("btnBbPrior", "Remessa anterior", G::Anterior, barra);
  m_btnProximo = botao("btnBbNext", "Próxima remessa", G::Proximo, barra);
  m_btnUltimo = botao("btnBbLast", "Última remessa", G::Ultimo, barra);
  m_btnIncluir = botao("btnBbAdd", "Inclui remessa", G::Incluir, barra);
  m_btnExcluir = botao("btnBbDelete", "Exclui a remessa", G::Excluir, barra);
  m_btnDesfazer = botao("btnBbDesfazer", "Desfaz as últimas alterações da remessa", G::Desfazer, barra);
  for (TTolvButton* b : {m_btnPrimeiro, m_btnPesquisar, m_btnAnterior, m_btnProximo, m_btnUltimo, m_btnIncluir,
                         m_btnExcluir, m_btnDesfazer})
    botoes->addWidget(b);
  botoes->addStretch(1);
  g->addWidget(barra, 13, 0, 1, 3);
  raiz->addWidget(m_painel);

  m_linhas = new QWidget(this);
  m_linhas->setObjectName(QStringLiteral("pgcBeneficiarioValores"));
  auto* pgc = new QVBoxLayout(m_linhas);
  pgc->setContentsMargins(0, 0, 0, 0);
  auto* folha = new QWidget(m_linhas);
  folha->setObjectName(QStringLiteral("tsValores"));
  pgc->addWidget(folha);
  auto* valores = new QVBoxLayout(folha);
  valores->setContentsMargins(0, 0, 0, 0);
  valores->setSpacing(2);
  auto* cabecalho = new QHBoxLayout;
  auto* pagamentos = new QLabel(QStringLiteral("  Informações da remessa"), folha);
  pagamentos->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(pagamentos, PaletaTolv::kFundo, PaletaTolv::kRotuloGrupo);
  cabecalho->addWidget(pagamentos);
  cabecalho->addStretch(1);
  m_btnIncluiValor = botao("SpeedButton9", "Inclui informações da remessa", G::Incluir, folha);
  m_btnExcluiValor = botao("SpeedButton10", "Excluir informações da remessa", G::Excluir, folha);
  m_btnDesfazValor =
      botao("SpeedButton11", "Desfaz as últimas alterações das informações das remessas", G::Desfazer, folha);
  for (TTolvButton* b : {m_btnIncluiValor, m_btnExcluiValor, m_btnDesfazValor}) cabecalho->addWidget(b);
  valores->addLayout(cabecalho);
  m_grade = new TGradeValoresRemessa(*m_edicao, folha);
  m_grade->setMinimumHeight(120);
  valores->addWidget(m_grade, 1);
  raiz->addWidget(m_linhas, 1);

  QWidget::setTabOrder(m_tipo, m_pais);
  QWidget::setTabOrder(m_pais, m_nif);
  QWidget::setTabOrder(m_nif, m_dispensaBeneficiario);
  QWidget::setTabOrder(m_dispensaBeneficiario, m_dispensaPais);
  QWidget::setTabOrder(m_dispensaPais, m_relacao);
  QWidget::setTabOrder(m_relacao, m_ni);
  QWidget::setTabOrder(m_ni, m_nome);
  QWidget::setTabOrder(m_nome, m_logradouro);
  QWidget::setTabOrder(m_logradouro, m_numero);
  QWidget::setTabOrder(m_numero, m_complemento);
  QWidget::setTabOrder(m_complemento, m_bairro);
  QWidget::setTabOrder(m_bairro, m_cxPostal);
  QWidget::setTabOrder(m_cxPostal, m_cidade);
  QWidget::setTabOrder(m_cidade, m_estado);
  QWidget::setTabOrder(m_estado, m_telefone);
  QWidget::setTabOrder(m_telefone, m_grade);

  m_mapaCampos = {{0, m_tipo},         {1, m_pais},       {3, m_nif},         {4, m_dispensaBeneficiario},
                  {5, m_dispensaPais}, {6, m_relacao},    {8, m_ni},          {9, m_nome},
                  {10, m_complemento}, {11, m_cxPostal},  {12, m_numero},     {13, m_cidade},
                  {14, m_logradouro},  {15, m_telefone},  {16, m_bairro},     {17, m_estado},
                  {kCampoGrade, m_grade}};
  m_relacao->setEnabled(false);
  m_botaoRelacao->setEnabled(false);
}

void TfrmRemessa::LigaControles() {
  const auto guarda = [](auto&& f) { GuardaEventos::executa(f); };
  connect(m_tipo, &QComboBox::currentIndexChanged, this, [=, this](int indice) {
    guarda([&] {
      Escreve("TREM_IN_TIPO_BENEFICIARIO", m_tipo->itemData(indice).toString());
      AplicaTipo(Origem::Texto);
    });
  });
  connect(m_pais, &QComboBox::currentIndexChanged, this, [=, this](int indice) {
    guarda([&] {
      EscreveDado("TREM_CD_PAIS", indice < 0 ? QVariant() : m_pais->itemData(indice));
      AtualizaCaixasMotivo();
    });
  });
  connect(m_nif, &QLineEdit::textChanged, this, [=, this](const QString& texto) {
    guarda([&] {
      Escreve("TREM_NIF", texto);
      AtualizaCaixasMotivo();
    });
  });
  connect(m_dispensaBeneficiario, &QCheckBox::clicked, this,
          [=, this] { guarda([&] { ClicaMotivo(m_dispensaBeneficiario); }); });
  connect(m_dispensaPais, &QCheckBox::clicked, this, [=, this] { guarda([&] { ClicaMotivo(m_dispensaPais); }); });
  connect(m_nome, &QLineEdit::textChanged, this, [this] { AtualizaBotoes(); });
  connect(m_botaoRelacao, &QToolButton::clicked, this, [=, this] { guarda([&] { EscolheRelacao(); }); });

  connect(m_btnPrimeiro, &TTolvButton::clicked, this, [=, this] { guarda([&] { Primeiro(); }); });
  connect(m_btnAnterior, &TTolvButton::clicked, this, [=, this] { guarda([&] { Anterior(); }); });
  connect(m_btnProximo, &TTolvButton::clicked, this, [=, this] { guarda([&] { Proximo(); }); });
  connect(m_btnUltimo, &TTolvButton::clicked, this, [=, this] { guarda([&] { Ultimo(); }); });
  connect(m_btnIncluir, &TTolvButton::clicked, this, [=, this] { guarda([&] { Inclui(); }); });
  connect(m_btnExcluir, &TTolvButton::clicked, this, [=, this] { guarda([&] { Exclui(); }); });
  connect(m_btnDesfazer, &TTolvButton::clicked, this, [=, this] { guarda([&] { Desfaz(); }); });
  connect(m_btnPesquisar, &TTolvButton::clicked, this, [=, this] { guarda([&] { Pesquisa(); }); });
  connect(m_btnIncluiValor, &TTolvButton::clicked, this, [=, this] { guarda([&] { IncluiValor(); }); });
  connect(m_btnExcluiValor, &TTolvButton::clicked, this, [=, this] { guarda([&] { ExcluiValor(); }); });
  connect(m_btnDesfazValor, &TTolvButton::clicked, this, [=, this] { guarda([&] { DesfazValor(); }); });

  m_grade->Modelo().SetAtribuicao(
      [this](int linha, int coluna, const QString& texto) { return AtribuiValor(linha, coluna, texto); });
  m_grade->aoMudarDeLinha = [this](int linha) { return MudaDeLinha(linha); };
  m_grade->aoFimDaLinha = [this] { FimDaLinha(); };
  m_grade->aoDescerDaUltima = [this] { IncluiValor(); };
  m_grade->aoEsc = [this] { EscNaGrade(); };
}

void TfrmRemessa::RegistraSaidas() {
  TRastreadorFoco& r = TRastreadorFoco::instancia();
  r.registra(m_tipo, [this](QWidget* destino) {
    if (VerificaNifExistente() == Duplicata::Recusada) return Resposta(false, destino);
    m_campoValido = true;
    if (!ValidaCampo(0, destino)) return Resposta(false, destino);
    AplicaTipo(Origem::Saida);
    return true;
  });
  r.registra(m_pais, [this](QWidget* destino) {
    if (VerificaNifExistente() == Duplicata::Recusada) return Resposta(false, destino);
    m_campoValido = true;
    return Resposta(ValidaCampo(1, destino), destino);
  });
  r.registra(m_nif, [this](QWidget* destino) {
    // Checked even on the way into the NIF block's boxes.
    if (!m_nif->text().isEmpty() && m_aoValidarCampo) m_campoValido = m_aoValidarCampo(3);
    return Resposta(VerificaNifExistente() != Duplicata::Recusada, destino);
  });
  r.registra(m_relacao, [this](QWidget*) {
    if (m_relacao->isEnabled()) MostraTextoRelacao(!RelacoesFonteBeneficiario::Texto(m_relacao->text()).isEmpty());
    return true;
  });
  r.registra(m_ni, [this](QWidget* destino) {
    if (m_ni->text().isEmpty()) return true;
    m_campoValido = true;
    if (!ValidaCampo(8, destino)) return Resposta(false, destino);
    // The name of the same number stored before fills an empty name; nothing typed is replaced.
    if (m_nome->text().trimmed().isEmpty()) {
      const QString nome = m_edicao->NomePorNi(m_ni->text());
      if (!nome.isEmpty()) m_nome->setText(nome);
    }
    return true;
  });
  r.registra(m_nome, [this](QWidget* destino) {
    if (!m_nome->text().isEmpty() && !m_incluindo) {
      m_campoValido = true;
      ValidaCampo(9, destino);
    }
    return true;
  });
  const std::pair<QWidget*, uint8_t> simples[] = {{m_logradouro, 14}, {m_numero, 12}, {m_complemento, 10},
                                                  {m_bairro, 16},     {m_cxPostal, 11}, {m_cidade, 13},
                                                  {m_estado, 17},     {m_telefone, 15}};
  for (const auto& [controle, numero] : simples) {
    const uint8_t n = numero;
    r.registra(controle, [this, n](QWidget* destino) {
      ValidaCampo(n, destino);
      return true;
    });
  }
  for (QCheckBox* caixa : {m_dispensaBeneficiario, m_dispensaPais})
    r.registra(
        caixa,
        [this](QWidget*) {
          m_naCaixaMotivo = false;
          return true;
        },
        [this](QWidget*) { m_naCaixaMotivo = true; });
  r.registra(m_painel, [this](QWidget* destino) { return Resposta(SaiDoPainel(), destino); });
  r.registra(
      m_grade, [this](QWidget* destino) { return Resposta(SaiDaGrade(), destino); },
      [this](QWidget*) {
        if (!m_naGrade) EntraNaGrade();
      });
}

// Binding -------------------------------------------------------------------------------------

void TfrmRemessa::Inicializa(const TContextoPagina& contexto) {
  Finaliza();
  m_tolv = contexto.declaracao;
  m_edicao->Inicializa(m_tolv);
  // The latest payment date follows the declaration's event from the start, not only once the
  // grid is entered.
  m_grade->SetDataMaxima(m_edicao->DataMaxima(false));
  m_controlador = std::make_unique<TzuqRemessaControlador>(*this, m_consultas);
  // The page opens on a new beneficiary after the last.
  if (m_edicao->Conectada() && !m_edicao->Remessas().EmEdicao()) {
    m_edicao->Remessas().Ultimo();
    m_edicao->Remessas().Acrescenta();
    Exibe();
  }
  AtualizaTela();
  AtualizaTotais();
}

void TfrmRemessa::Finaliza() {
  m_controlador.reset();
  m_edicao->Fecha();
  // Nothing of one declaration stays for the next.
  const bool antes = m_carregando;
  m_carregando = true;
  m_paises.clear();
  m_pais->clear();
  MostraRegistro();
  m_carregando = antes;
  m_grade->Sincroniza(TEdicaoRemessa::ColData);
  m_grade->MostraTotais({}, {});
  m_nifAnterior.clear();
  m_posicionando = m_incluindo = m_naCaixaMotivo = m_naGrade = m_formaTributacaoRecusada = false;
  m_edicaoInvalida = false;
  m_campoValido = true;
  m_tolv = nullptr;
}

void TfrmRemessa::showEvent(QShowEvent* evento) {
  TPaginaDeclaracao::showEvent(evento);
  GuardaEventos::executa([this] {
    if (!m_edicao->Conectada() || m_posicionando) return;
    TTabelaEditavel& r = m_edicao->Remessas();
    if (!r.EmEdicao()) {
      r.Ultimo();
      r.Acrescenta();
      Exibe();
    }
    m_grade->AjustaColunas();
    AtualizaTela();
  });
}

void TfrmRemessa::AdicionaPais(const TzuqPais& pais) {
  // By name, so that the list reads as an atlas and typing the first letters finds a country.
  const auto depois = std::find_if(m_paises.begin(), m_paises.end(), [&pais](const TzuqPais& p) {
    return QString::localeAwareCompare(p.nome, pais.nome) > 0;
  });
  const int posicao = int(depois - m_paises.begin());
  m_paises.insert(depois, pais);
  const bool antes = m_carregando;
  m_carregando = true;
  m_pais->insertItem(posicao, pais.nome, pais.codigo);
  m_pais->setCurrentIndex(-1);
  m_carregando = antes;
}

void TfrmRemessa::PreparaInclusao() {
  if (!m_edicao->Conectada()) return;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.Quantidade() > 0 && !r.EmEdicao()) {
    r.Ultimo();
    AtualizaTela();
  }
  Inclui();
}

// The beneficiary's table ---------------------------------------------------------------------

QString TfrmRemessa::Coluna(const char* coluna) const {
  if (!m_edicao->Remessas().Aberta()) return {};
  return m_edicao->Remessas().Texto(QString::fromLatin1(coluna));
}

void TfrmRemessa::EscreveDado(const char* coluna, const QVariant& valor) {
  if (m_carregando || !m_edicao->Conectada()) return;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (!r.EmEdicao() && r.Chave() == 0 && !r.Acrescenta()) return;
  bd::Dado dado;
  if (valor.isValid() && !valor.toString().isEmpty())
    dado = valor.typeId() == QMetaType::Int ? bd::Dado(valor.toInt()) : bd::Dado(valor.toString());
  r.DefineValor(QString::fromLatin1(coluna), dado);
}

void TfrmRemessa::Escreve(const char* coluna, const QString& texto) { EscreveDado(coluna, texto); }

bool TfrmRemessa::RemessaVazia() const {
  for (const char* c : {"TREM_IN_TIPO_BENEFICIARIO", "TREM_CD_PAIS", "TREM_NIF", "TREM_CD_REL_FONTE_BENEFICIARIO",
                        "TREM_NI", "TREM_NOME", "TREM_LOGRADOURO", "TREM_NUMERO", "TREM_COMPLEMENTO", "TREM_BAIRRO",
                        "TREM_CX_POSTAL", "TREM_CIDADE", "TREM_TELEFONE", "TREM_ESTADO"})
    if (!Coluna(c).trimmed().isEmpty()) return false;
  return Coluna("TREM_IN_BENEF_DISPENSA_NIF") != QStringLiteral("S") &&
         Coluna("TREM_IN_PAIS_DISPENSA_NIF") != QStringLiteral("S");
}

bool TfrmRemessa::RemessaIncompleta() const {
  return Coluna("TREM_CD_PAIS").isEmpty() || Coluna("TREM_IN_TIPO_BENEFICIARIO").isEmpty() ||
         Coluna("TREM_NOME").trimmed().isEmpty();
}

void TfrmRemessa::MostraRegistro() {
  const bool antes = m_carregando;
  m_carregando = true;
  const QString tipo = Coluna("TREM_IN_TIPO_BENEFICIARIO");
  m_tipo->setCurrentIndex(tipo == QStringLiteral("1") ? 0 : tipo == QStringLiteral("2") ? 1 : -1);
  bool ok = false;
  const int pais = Coluna("TREM_CD_PAIS").toInt(&ok);
  m_pais->setCurrentIndex(ok ? m_pais->findData(pais) : -1);
  m_nif->setText(Coluna("TREM_NIF"));
  m_dispensaBeneficiario->setChecked(Coluna("TREM_IN_BENEF_DISPENSA_NIF") == QStringLiteral("S"));
  m_dispensaPais->setChecked(Coluna("TREM_IN_PAIS_DISPENSA_NIF") == QStringLiteral("S"));
  m_relacao->setText(Coluna("TREM_CD_REL_FONTE_BENEFICIARIO").trimmed());
  m_ni->setText(NiExibido(Coluna("TREM_NI")));
  m_nome->setText(Coluna("TREM_NOME"));
  m_logradouro->setText(Coluna("TREM_LOGRADOURO"));
  m_numero->setText(Coluna("TREM_NUMERO"));
  m_complemento->setText(Coluna("TREM_COMPLEMENTO"));
  m_bairro->setText(Coluna("TREM_BAIRRO"));
  m_cxPostal->setText(Coluna("TREM_CX_POSTAL"));
  m_cidade->setText(Coluna("TREM_CIDADE"));
  m_estado->setText(Coluna("TREM_ESTADO"));
  m_telefone->setText(Coluna("TREM_TELEFONE"));
  AtualizaCaixasMotivo();
  AtualizaNif();
  m_carregando = antes;
}

void TfrmRemessa::Exibe() {
  MostraRegistro();
  m_edicao->SegueRemessa();
  m_grade->Sincroniza(TEdicaoRemessa::ColData);
  AtualizaContador();
  AtualizaBotoes();
}

void TfrmRemessa::AposRolar() {
  Exibe();
  if (m_posicionando || !m_tolv) return;
  AtualizaTela();
  AtualizaTotais();
  AplicaTipo(Origem::Rolagem);
}

bool TfrmRemessa::VerificaAntesDeGravar() {
  switch (VerificaNifExistente()) {
    case Duplicata::Saltou:
    case Duplicata::Recusada:
      return false;
    case Duplicata::Nenhuma:
      break;
  }
  m_edicaoInvalida = false;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (!m_dispensaBeneficiario->isChecked()) r.DefineValor(QStringLiteral("TREM_IN_BENEF_DISPENSA_NIF"), QStringLiteral("N"));
  if (!m_dispensaPais->isChecked()) r.DefineValor(QStringLiteral("TREM_IN_PAIS_DISPENSA_NIF"), QStringLiteral("N"));
  m_campoValido = true;
  if (!ValidaCampo(0, QApplication::focusWidget())) {
    Foca(m_tipo);
    return false;
  }
  if (m_pais->currentIndex() < 0 || Coluna("TREM_CD_PAIS").isEmpty())
    return Recusa(QStringLiteral("Informe o país de residência"), m_pais);
  const QString ni = SoDigitos(m_ni->text());
  const QString rotulo = RotuloNi();
  if (rotulo == QStringLiteral("CNPJ")) {
    if (TCnpj::ValidaCnpj(ni, false, true) != 0) return Recusa(rotulo + QStringLiteral(" inválido"), m_ni);
    // The mark follows the kind the label names, the number given or not.
    r.DefineValor(QStringLiteral("TREM_IN_PF_PJ"), QStringLiteral("2"));
    if (Coluna("TREM_CD_REL_FONTE_BENEFICIARIO").trimmed().isEmpty() && DeclaranteEmpresa())
      return Recusa(QStringLiteral("Informe a relação fonte pagadora/beneficiário"), m_relacao);
  } else if (rotulo == QStringLiteral("CPF")) {
    if (!ni.isEmpty() && TCpf::ValidaCpf(ni, true) != 0) return Recusa(QStringLiteral("CPF inválido"), m_ni);
    r.DefineValor(QStringLiteral("TREM_IN_PF_PJ"), QStringLiteral("1"));
  }
  if (m_nome->text().trimmed().isEmpty())
    return Recusa(rotulo == QStringLiteral("CNPJ") ? QStringLiteral("Informe o nome empresarial")
                                                  : QStringLiteral("Informe o nome"),
                  m_nome);
  m_campoValido = true;
  if (!ValidaCampo(9, QApplication::focusWidget())) {
    Foca(m_nome);
    return false;
  }
  return true;
}

void TfrmRemessa::AposGravar() {
  m_edicao->Confirma();
  ServicosEditor::AceitaEntrada();
  AtualizaContador();
  MostraRegistro();
  m_edicao->SegueRemessa();
  m_grade->Sincroniza();
  AtualizaBotoes();
  AtualizaTotais();
}

bool TfrmRemessa::GravaRemessa() { return m_edicao->Remessas().Grava(); }

// Rules of the page ---------------------------------------------------------------------------

bool TfrmRemessa::Resposta(bool aceita, QWidget* destino) {
  if (aceita) return true;
  // The refusal put the focus on the field at fault: that move stands.
  return QApplication::focusWidget() != destino;
}

bool TfrmRemessa::PassaPortao(QWidget* destino) const {
  if (!m_aoValidarCampo) return false;
  if (!destino) return true;
  if (destino == m_btnPesquisar || destino == m_btnDesfazer || destino == m_btnAnterior || destino == m_btnPrimeiro)
    return false;
  const QWidget* pai = destino->parentWidget();
  if (!pai) return true;
  const QWidget* avo = pai->parentWidget();
  if (!avo) return false;
  // Fields that lie on the beneficiary panel itself, and the lines' area.
  return avo->objectName().contains(QStringLiteral("Remessa")) ||
         avo->objectName() == QStringLiteral("pgcBeneficiarioValores");
}

bool TfrmRemessa::ValidaCampo(uint8_t numero, QWidget* destino) {
  if (PassaPortao(destino)) m_campoValido = m_aoValidarCampo(numero);
  return m_campoValido;
}

bool TfrmRemessa::DeclaranteEmpresa() const {
  return m_tolv && m_tolv->GetContribuinte().GetTipo() == kNiCnpj;
}

QString TfrmRemessa::RotuloNi() const { return m_lblNi->text(); }

void TfrmRemessa::MostraTextoRelacao(bool mostra) {
  const QString texto = mostra ? RelacoesFonteBeneficiario::Texto(m_relacao->text().trimmed()) : QString();
  m_textoRelacao->setText(texto);
  m_textoRelacao->setVisible(!texto.isEmpty());
}

void TfrmRemessa::AplicaTipo(Origem origem) {
  const int tipo = m_tipo->currentIndex();
  const bool empresa = DeclaranteEmpresa();
  const auto relacao = [this](bool habilitada) {
    for (QWidget* w : {static_cast<QWidget*>(m_relacao), static_cast<QWidget*>(m_botaoRelacao)})
      w->setEnabled(habilitada);
    PaletaTolv::pinta(m_relacao, habilitada ? 0xFFFFFF : kDesabilitado);
  };
  if (tipo == 0) {
    m_lblNi->setText(QStringLiteral("CPF"));
    m_lblNome->setText(QStringLiteral("Nome"));
    m_campos[m_ni].limite = 11;
    if (origem == Origem::Texto) m_campos[m_nome].limite = 60;
    relacao(false);
    MostraTextoRelacao(false);
    if (origem == Origem::Texto && !m_carregando && m_edicao->Remessas().EmEdicao() &&
        !Coluna("TREM_CD_REL_FONTE_BENEFICIARIO").isEmpty()) {
      m_relacao->clear();
      Escreve("TREM_CD_REL_FONTE_BENEFICIARIO", QString());
    }
    if (origem != Origem::Texto) m_grade->FiltraCodigos(QStringLiteral("F"));
  } else if (tipo == 1) {
    m_lblNi->setText(QStringLiteral("CNPJ"));
    m_lblNome->setText(QStringLiteral("Nome empresarial"));
    m_campos[m_ni].limite = 14;
    if (origem == Origem::Texto) m_campos[m_nome].limite = 150;
    relacao(empresa);
    if (empresa) {
      if (origem == Origem::Saida) m_dialogoRelacao->Posiciona(m_dialogoRelacao->GetCodigo());
      MostraTextoRelacao(true);
    } else {
      MostraTextoRelacao(false);
    }
    if (origem != Origem::Texto) m_grade->FiltraCodigos(QStringLiteral("J"));
  } else {
    m_lblNi->setText(QStringLiteral("CPF/CNPJ"));
    m_lblNome->setText(QStringLiteral("Nome/Nome empresarial"));
    m_campos[m_nome].limite = 150;
    relacao(false);
    if (origem == Origem::Rolagem) MostraTextoRelacao(false);
    if (origem != Origem::Texto) m_grade->FiltraCodigos(QString());
  }
}

TfrmRemessa::Duplicata TfrmRemessa::VerificaNifExistente() {
  TTabelaEditavel& r = m_edicao->Remessas();
  if (!m_edicao->Conectada() || !r.EmEdicao()) return Duplicata::Nenhuma;
  const QString nif = Coluna("TREM_NIF");
  const QString tipo = Coluna("TREM_IN_TIPO_BENEFICIARIO");
  bool ok = false;
  const int pais = Coluna("TREM_CD_PAIS").toInt(&ok);
  if (nif.isEmpty() || tipo.isEmpty() || !ok) return Duplicata::Nenhuma;
  const int chave = m_edicao->ChaveComMesmoNif(nif, pais, tipo);
  if (chave == 0) return Duplicata::Nenhuma;
  if (r.Inserindo()) {
    // The beneficiary exists: the page shows it instead of a duplicate.
    m_posicionando = true;
    r.Cancela();
    r.Localiza(chave);
    m_posicionando = false;
    AtualizaTela();
    AtualizaTotais();
    AplicaTipo(Origem::Rolagem);
    return Duplicata::Saltou;
  }
  if (chave == r.Chave()) return Duplicata::Nenhuma;
  Foca(m_nif);
  ExibeMensagem(QStringLiteral("Já existe remessa para esse tipo de pessoa, país e NIF"), TipoMensagem::Erro);
  m_nif->setText(m_nifAnterior);
  m_edicaoInvalida = true;
  emit EdicaoRecusada();
  return Duplicata::Recusada;
}

bool TfrmRemessa::ValidaMotivoNif() {
  const bool motivo = m_dispensaBeneficiario->isChecked() || m_dispensaPais->isChecked();
  const bool temNif = !m_nif->text().isEmpty();
  QString mensagem;
  if (motivo && temNif)
    mensagem = QStringLiteral("Informe somente o NIF ou o motivo do não preenchimento.");
  else if (!motivo && !temNif)
    mensagem = QStringLiteral("Informe o NIF ou selecione o motivo do não preenchimento.");
  if (mensagem.isEmpty()) return true;
  return Recusa(mensagem, PodeFocar(m_nif) ? static_cast<QWidget*>(m_nif) : m_dispensaBeneficiario);
}

void TfrmRemessa::AtualizaNif() {
  const bool motivo = m_dispensaBeneficiario->isChecked() || m_dispensaPais->isChecked();
  if (motivo && !m_nif->text().isEmpty()) m_nif->clear();
  m_nif->setEnabled(!motivo);
  PaletaTolv::pinta(m_nif, motivo ? kDesabilitado : 0xFFFFFF);
}

void TfrmRemessa::AtualizaCaixasMotivo() {
  const bool temNif = !m_nif->text().isEmpty();
  for (QCheckBox* caixa : {m_dispensaBeneficiario, m_dispensaPais}) {
    if (temNif && caixa->isChecked()) {
      caixa->setChecked(false);
      Escreve(caixa == m_dispensaBeneficiario ? "TREM_IN_BENEF_DISPENSA_NIF" : "TREM_IN_PAIS_DISPENSA_NIF",
              QStringLiteral("N"));
    }
    caixa->setEnabled(!temNif);
  }
}

void TfrmRemessa::ClicaMotivo(QCheckBox* caixa) {
  if (m_naCaixaMotivo && m_dispensaBeneficiario->isChecked() && m_dispensaPais->isChecked()) {
    MostraMensagem(QStringLiteral("Selecione apenas um dos motivos do não preenchimento do NIF"),
                   QStringLiteral("Motivo do não preenchimento do NIF"), kIconeErro);
    caixa->setChecked(false);
  }
  Escreve("TREM_IN_BENEF_DISPENSA_NIF", m_dispensaBeneficiario->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
  Escreve("TREM_IN_PAIS_DISPENSA_NIF", m_dispensaPais->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
  AtualizaNif();
}

void TfrmRemessa::AtualizaTela() {
  AtualizaContador();
  AtualizaBotoes();
  m_nifAnterior = Coluna("TREM_NIF");
  AtualizaNif();
}

QString TfrmRemessa::Contador() const { return m_lblContador->text(); }

TfrmPesquisarRemessa* TfrmRemessa::UltimaPesquisa() const { return m_pesquisa; }

void TfrmRemessa::AtualizaContador() {
  const TTabelaEditavel& r = m_edicao->Remessas();
  const int n = r.Quantidade();
  const int k = r.Posicao();
  if (k < 1)
    m_lblContador->setText(QStringLiteral("%1/%1").arg(n + 1));
  else
    m_lblContador->setText(QStringLiteral("%1/%2").arg(k).arg(r.Inserindo() ? n + 1 : n));
}

void TfrmRemessa::AtualizaBotoes() {
  const TTabelaEditavel& r = m_edicao->Remessas();
  const int n = r.Quantidade();
  const int k = r.Posicao();
  const bool inserindo = r.Inserindo();
  bool primeiro = false, anterior = false, proximo = false, ultimo = false;
  if (n < 2) {
    primeiro = anterior = n == 1 && inserindo;
  } else if (k == 1) {
    proximo = ultimo = true;
  } else if (k == n || inserindo) {
    primeiro = anterior = true;
  } else {
    primeiro = anterior = proximo = ultimo = true;
  }
  m_btnPrimeiro->setEnabled(primeiro);
  m_btnAnterior->setEnabled(anterior);
  m_btnProximo->setEnabled(proximo);
  m_btnUltimo->setEnabled(ultimo);
  m_btnPesquisar->setEnabled(n > 0);
  const bool comNome = !m_nome->text().trimmed().isEmpty();
  m_btnExcluir->setEnabled(comNome);
  m_btnIncluiValor->setEnabled(comNome);
  m_btnDesfazValor->setEnabled(comNome);
  m_btnExcluiValor->setEnabled(m_edicao->Valores().Aberta() && m_edicao->Valores().Quantidade() > 0);
}

void TfrmRemessa::FocaCampo(int numero) {
  if (numero < 0 || numero > kSemCampo) return;
  const auto achado = m_mapaCampos.find(numero);
  if (achado != m_mapaCampos.end()) Foca(achado->second);
}

bool TfrmRemessa::Recusa(const QString& mensagem, QWidget* foco) {
  MostraMensagem(mensagem, QStringLiteral("Erro"), kIconeErro);
  Foca(foco);
  m_edicaoInvalida = true;
  emit EdicaoRecusada();
  return false;
}

// The view's getters --------------------------------------------------------------------------

QString TfrmRemessa::GetBairro() const { return Coluna("TREM_BAIRRO"); }
QString TfrmRemessa::GetCdPais() const { return Coluna("TREM_CD_PAIS"); }
QString TfrmRemessa::GetCidade() const { return Coluna("TREM_CIDADE"); }
QString TfrmRemessa::GetComplemento() const { return Coluna("TREM_COMPLEMENTO"); }
QString TfrmRemessa::GetCxPostal() const { return Coluna("TREM_CX_POSTAL"); }
int TfrmRemessa::GetId() const { return m_edicao->Remessas().Aberta() ? m_edicao->Remessas().Chave() : 0; }
QString TfrmRemessa::GetCdRelFonteBeneficiario() const { return Coluna("TREM_CD_REL_FONTE_BENEFICIARIO"); }
QString TfrmRemessa::GetInTipoBeneficiario() const { return Coluna("TREM_IN_TIPO_BENEFICIARIO"); }
QString TfrmRemessa::GetLogradouro() const { return Coluna("TREM_LOGRADOURO"); }
QString TfrmRemessa::GetNif() const { return Coluna("TREM_NIF"); }
QString TfrmRemessa::GetInBenefDispensaNif() const { return Coluna("TREM_IN_BENEF_DISPENSA_NIF"); }
QString TfrmRemessa::GetInPaisDispensaNif() const { return Coluna("TREM_IN_PAIS_DISPENSA_NIF"); }
QString TfrmRemessa::GetNumero() const { return Coluna("TREM_NUMERO"); }
QString TfrmRemessa::GetNi() const { return m_ni->text(); }
QString TfrmRemessa::GetNome() const { return Coluna("TREM_NOME"); }
QString TfrmRemessa::GetTelefone() const { return Coluna("TREM_TELEFONE"); }
QString TfrmRemessa::GetEstado() const { return Coluna("TREM_ESTADO"); }

void TfrmRemessa::SetId(int id) {
  if (m_edicao->Remessas().EmEdicao()) m_edicao->Remessas().DefineValor(QStringLiteral("TREM_ID"), id);
}

void TfrmRemessa::FocaTipoBeneficiario() { Foca(m_tipo); }

void TfrmRemessa::FocaPrimeiroCampo() {
  if (!m_tipo->currentText().isEmpty()) {
    Foca(m_ni);
  } else {
    Foca(m_tipo);
  }
}

void TfrmRemessa::MostraErro(const TzuqErro& erro) {
  if (erro.Tipo() != 0)
    MostraMensagem(erro.Mensagem(), QStringLiteral("Aviso"), kIconeAviso);
  else
    MostraMensagem(erro.Mensagem(), QStringLiteral("Erro"), kIconeErro);
  if (erro.NumeroCampo() == 0 || erro.NumeroCampo() == 1) FocaCampo(erro.NumeroCampo());
}

// The container's side ------------------------------------------------------------------------

void TfrmRemessa::MostraFicha(int codigo) {
  if (codigo == 600) {
    FocaTipoBeneficiario();
    update();
  } else if (codigo == 601) {
    FocaPrimeiroCampo();
    if (m_controlador) m_controlador->SelecionaNo(601);
  } else if (codigo == 602) {
    if (m_controlador) m_controlador->SelecionaNo(602);
  }
}

void TfrmRemessa::Posiciona(const QString& dono, const QString& objeto, int secao) {
  if (m_controlador) m_controlador->Posicionar(dono, QString::number(secao), objeto);
}

bool TfrmRemessa::PodeSair() {
  if (!m_edicao->Conectada()) return true;
  TTabelaEditavel& v = m_edicao->Valores();
  if (v.EmEdicao()) {
    if (LinhaSemNada())
      v.Cancela();
    else if (!GravaValor())
      return false;
  }
  TTabelaEditavel& r = m_edicao->Remessas();
  if (!r.EmEdicao()) return true;
  if (r.Inserindo() && RemessaVazia()) return true;
  if (!SaiDoPainel()) return false;
  if (!r.EmEdicao()) return true;
  // Without kind or country nothing could be saved: the user decides.
  if (MostraMensagem(QStringLiteral("Deseja cancelar as alterações?"), QStringLiteral("Cancelar"), kPergunta) !=
      ResultadoMensagem::Sim)
    return false;
  r.Cancela();
  Exibe();
  return true;
}

void TfrmRemessa::Posicionar(const QString& id, const QString& tela, const QString& campo) {
  Q_UNUSED(tela);
  bool ok = false;
  int numero = campo.trimmed().toInt(&ok);
  // A field that is not a number leads nowhere: nothing moves.
  if (!ok || !m_edicao->Conectada()) return;
  // What the user typed is saved first, or given up only when the user says so.
  if (!PodeSair()) return;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.EmEdicao()) {
    r.Cancela();
    Exibe();
  }
  m_posicionando = true;
  struct Fim {
    bool& b;
    ~Fim() { b = false; }
  } fim{m_posicionando};
  bool chaveOk = false;
  const int chave = id.trimmed().toInt(&chaveOk);
  if (chaveOk) r.Localiza(chave);
  AtualizaContador();
  AtualizaBotoes();
  AplicaTipo(Origem::Texto);
  if (RotuloNi() == QStringLiteral("CNPJ")) {
    m_dialogoRelacao->Posiciona(Coluna("TREM_CD_REL_FONTE_BENEFICIARIO"));
    MostraTextoRelacao(true);
  }
  AtualizaTotais();
  m_nifAnterior = Coluna("TREM_NIF");
  if (numero == 0) numero = 14;
  FocaCampo(numero);
  update();
}

// Actions -------------------------------------------------------------------------------------

bool TfrmRemessa::SaiDoPainel() {
  if (!m_edicao->Conectada()) return true;
  if (Coluna("TREM_IN_TIPO_BENEFICIARIO").isEmpty() || Coluna("TREM_CD_PAIS").isEmpty()) return true;
  if (!ValidaMotivoNif()) return false;
  if (m_edicao->Remessas().EmEdicao()) return GravaRemessa();
  return true;
}

bool TfrmRemessa::Inclui() {
  FocaTipoBeneficiario();
  if (!m_edicao->Conectada()) return false;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.EmEdicao() && !SaiDoPainel()) return false;
  m_incluindo = true;
  struct Fim {
    bool& b;
    ~Fim() { b = false; }
  } fim{m_incluindo};
  if (!Coluna("TREM_IN_TIPO_BENEFICIARIO").isEmpty() && !Coluna("TREM_CD_PAIS").isEmpty() &&
      !Coluna("TREM_NOME").trimmed().isEmpty()) {
    if (r.EmEdicao() && !SaiDoPainel()) return false;
    if (!r.Acrescenta()) return false;
    Exibe();
    m_lblNi->setText(QStringLiteral("CPF/CNPJ"));
    m_lblNome->setText(QStringLiteral("Nome/Nome empresarial"));
    AtualizaTela();
    AtualizaTotais();
    FocaTipoBeneficiario();
  }
  const bool antes = m_carregando;
  m_carregando = true;
  m_dispensaBeneficiario->setChecked(false);
  m_dispensaPais->setChecked(false);
  m_carregando = antes;
  AtualizaNif();
  return true;
}

void TfrmRemessa::Primeiro() {
  FocaTipoBeneficiario();
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.Inserindo() && RemessaIncompleta())
    r.Cancela();
  else if (r.EmEdicao() && !SaiDoPainel())
    return;
  if (!r.Primeiro()) return;
  AplicaTipo(Origem::Saida);
  AtualizaTela();
}

void TfrmRemessa::Anterior() {
  FocaTipoBeneficiario();
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.Inserindo() && RemessaIncompleta()) {
    r.Cancela();
    AtualizaTela();
    return;
  }
  if (r.EmEdicao() && !SaiDoPainel()) return;
  if (!r.Anterior()) return;
  AplicaTipo(Origem::Saida);
}

void TfrmRemessa::Proximo() {
  FocaTipoBeneficiario();
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.EmEdicao() && !SaiDoPainel()) return;
  if (!r.Proximo()) return;
  AplicaTipo(Origem::Saida);
}

void TfrmRemessa::Ultimo() {
  FocaTipoBeneficiario();
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.EmEdicao() && !SaiDoPainel()) return;
  if (!r.Ultimo()) return;
  AplicaTipo(Origem::Saida);
}

void TfrmRemessa::Desfaz() {
  FocaTipoBeneficiario();
  TTabelaEditavel& r = m_edicao->Remessas();
  const bool novo = r.Inserindo();
  r.Cancela();
  if (!novo) Exibe();
  if (r.Chave() == 0) {
    const bool antes = m_carregando;
    m_carregando = true;
    m_dispensaBeneficiario->setChecked(false);
    m_dispensaPais->setChecked(false);
    m_carregando = antes;
  }
  AtualizaTela();
  m_nif->setText(m_nifAnterior);
  AplicaTipo(Origem::Rolagem);
}

void TfrmRemessa::Exclui() {
  FocaTipoBeneficiario();
  if (!m_edicao->Conectada()) return;
  TTabelaEditavel& r = m_edicao->Remessas();
  if (r.Quantidade() == 0) return;
  if (MostraMensagem(QStringLiteral("Confirma a exclusão do beneficiário residente ou domiciliado no exterior?"),
                     QStringLiteral("Excluir beneficiário"), kPergunta) != ResultadoMensagem::Sim)
    return;
  if (m_edicao->Valores().EmEdicao()) m_edicao->Valores().Cancela();
  if (r.Inserindo()) {
    r.Cancela();
  } else {
    m_edicao->ExcluiRemessa();
    if (r.Vazia()) {
      Inclui();
      if (!r.EmEdicao()) r.Acrescenta();
    } else {
      r.Ultimo();
    }
    Exibe();
  }
  AtualizaTela();
  AtualizaTotais();
  FocaTipoBeneficiario();
  AplicaTipo(Origem::Rolagem);
}

void TfrmRemessa::Pesquisa() {
  if (!SaiDoPainel()) return;
  FocaTipoBeneficiario();
  auto* pesquisa = new TfrmPesquisarRemessa(this);
  pesquisa->setAttribute(Qt::WA_DeleteOnClose);
  pesquisa->LimpaPaises();
  for (const TzuqPais& pais : m_paises) pesquisa->AdicionaPais(pais.nome, QString::number(pais.codigo));
  pesquisa->SetAoPosicionar([this](int id) {
    Posicionar(QString::number(id), QStringLiteral("8"), QStringLiteral("-1"));
  });
  m_pesquisa = pesquisa;
  pesquisa->show();
}

void TfrmRemessa::EscolheRelacao() {
  if (!m_relacao->isEnabled()) return;
  m_dialogoRelacao->Posiciona(m_relacao->text());
  if (m_dialogoRelacao->exec() != QDialog::Accepted) return;
  const QString codigo = m_dialogoRelacao->GetCodigo();
  m_relacao->setText(codigo);
  Escreve("TREM_CD_REL_FONTE_BENEFICIARIO", codigo);
  MostraTextoRelacao(RotuloNi() != QStringLiteral("CPF"));
}

// The lines -----------------------------------------------------------------------------------

bool TfrmRemessa::EntraNaGrade() {
  if (!m_edicao->Conectada()) return false;
  AtualizaBotoes();
  emit SelecionaNoArvore(601);
  m_campoValido = true;
  if (!ValidaCampo(0, m_grade)) return false;
  if (Coluna("TREM_CD_PAIS").isEmpty()) return Recusa(QStringLiteral("Informe o país de residência"), m_pais);
  if (RotuloNi() == QStringLiteral("CNPJ") && DeclaranteEmpresa() &&
      Coluna("TREM_CD_REL_FONTE_BENEFICIARIO").trimmed().isEmpty())
    return Recusa(QStringLiteral("Informe a relação fonte pagadora/beneficiário"), m_relacao);
  if (Coluna("TREM_NOME").trimmed().isEmpty())
    return Recusa(RotuloNi() == QStringLiteral("CNPJ") ? QStringLiteral("Informe o nome empresarial")
                                                      : QStringLiteral("Informe o nome"),
                  m_nome);
  if (Coluna("TREM_IN_TIPO_BENEFICIARIO").isEmpty())
    return Recusa(QStringLiteral("Tipo de beneficiário inválido."), m_tipo);
  m_grade->SetDataMaxima(m_edicao->DataMaxima(true));
  if (m_edicao->Remessas().EmEdicao() && !GravaRemessa()) return false;
  m_naGrade = true;
  return true;
}

bool TfrmRemessa::LinhaSemNada() const {
  TTabelaEditavel& v = m_edicao->Valores();
  if (!v.EmEdicao()) return false;
  for (const char* c : {"TVRE_DATA", "TVRE_CD_RETENCAO", "TVRE_CD_TIPO_RENDIMENTO", "TVRE_CD_FORMA_TRIBUTACAO"})
    if (!v.Valor(QString::fromLatin1(c)).comoTexto().trimmed().isEmpty() &&
        v.Valor(QString::fromLatin1(c)).comoTexto() != QStringLiteral("0"))
      return false;
  for (const char* c : {"TVRE_VL_RENDIMENTO_PAGO", "TVRE_VL_IRRF"})
    if (v.Valor(QString::fromLatin1(c)).comoDezMilesimos() != 0) return false;
  return true;
}

bool TfrmRemessa::NovaLinha() {
  TTabelaEditavel& v = m_edicao->Valores();
  if (!v.Aberta()) return false;
  if (v.Inserindo() && LinhaSemNada()) return true;
  if (v.EmEdicao() && LinhaSemNada()) v.Cancela();
  if (!v.Acrescenta()) return false;
  m_grade->Sincroniza(TEdicaoRemessa::ColData);
  AtualizaBotoes();
  return true;
}

bool TfrmRemessa::IncluiValor() {
  if (!m_naGrade) {
    Foca(m_grade);
    if (!m_naGrade && !EntraNaGrade()) return false;
  }
  if (!NovaLinha()) return false;
  Foca(m_grade);
  m_grade->SelecionaColuna(TEdicaoRemessa::ColData);
  return true;
}

void TfrmRemessa::ExcluiValor() {
  TTabelaEditavel& v = m_edicao->Valores();
  if (!v.Aberta() || v.Quantidade() == 0 || v.Inserindo()) return;
  if (MostraMensagem(QStringLiteral("Confirma a exclusão das informações da remessa?"),
                     QStringLiteral("Excluir informaçoes da remessa"), kPergunta) != ResultadoMensagem::Sim)
    return;
  if (v.EmEdicao()) v.Cancela();
  m_edicao->ExcluiValor();
  m_grade->Sincroniza(TEdicaoRemessa::ColData);
  AtualizaTotais();
  AtualizaBotoes();
}

void TfrmRemessa::DesfazValor() {
  m_edicao->Valores().Cancela();
  m_grade->Sincroniza();
  AtualizaBotoes();
}

bool TfrmRemessa::GravaValor() {
  const bool gravou = m_edicao->Valores().Grava();
  m_grade->viewport()->update();
  return gravou;
}

bool TfrmRemessa::VerificaValorAntesDeGravar() {
  m_edicaoInvalida = false;
  const auto recusa = [this](int coluna) {
    Foca(m_grade);
    m_grade->SelecionaColuna(coluna);
    m_edicaoInvalida = true;
    emit EdicaoRecusada();
    return false;
  };
  if (m_formaTributacaoRecusada) {
    m_formaTributacaoRecusada = false;
    emit SelecionaNoArvore(601);
    return recusa(TEdicaoRemessa::ColFormaTributacao);
  }
  TTabelaEditavel& v = m_edicao->Valores();
  const int chave = m_edicao->Remessas().Chave();
  // A line goes only under a stored beneficiary.
  if (chave <= 0) return recusa(TEdicaoRemessa::ColData);
  const auto falha = m_edicao->VerificaValor(Coluna("TREM_IN_TIPO_BENEFICIARIO"));
  if (falha) {
    MostraMensagem(falha->mensagem, falha->titulo, kIconeErro);
    if (falha->coluna == TEdicaoRemessa::ColData) emit SelecionaNoArvore(601);
    return recusa(falha->coluna);
  }
  v.DefineValor(QStringLiteral("TREM_ID"), chave);
  return true;
}

void TfrmRemessa::AposGravarValor() {
  m_edicao->Confirma();
  ServicosEditor::AceitaEntrada();
  AtualizaTotais();
  AtualizaBotoes();
}

bool TfrmRemessa::MudaDeLinha(int linha) {
  TTabelaEditavel& v = m_edicao->Valores();
  if (v.EmEdicao()) {
    if (LinhaSemNada())
      v.Cancela();
    else if (!v.Grava())
      return false;
  }
  if (linha < v.Quantidade()) v.VaiPara(linha + 1);
  AtualizaBotoes();
  return true;
}

bool TfrmRemessa::SaiDaGrade() {
  m_naGrade = false;
  TTabelaEditavel& v = m_edicao->Valores();
  if (v.EmEdicao() && LinhaSemNada()) {
    v.Cancela();
    m_grade->Sincroniza(TEdicaoRemessa::ColData);
  }
  if (v.EmEdicao()) {
    if (!v.Grava()) {
      m_naGrade = true;
      return false;
    }
    m_grade->Sincroniza();
    return true;
  }
  m_grade->SelecionaColuna(TEdicaoRemessa::ColData);
  m_grade->viewport()->update();
  return true;
}

void TfrmRemessa::EscNaGrade() {
  TTabelaEditavel& v = m_edicao->Valores();
  if (!v.EmEdicao()) return;
  if (MostraMensagem(QStringLiteral("Deseja cancelar as alterações?"), QStringLiteral("Cancelar"), kPergunta) !=
      ResultadoMensagem::Sim)
    return;
  v.Cancela();
  m_grade->Sincroniza();
  AtualizaBotoes();
}

void TfrmRemessa::FimDaLinha() {
  TTabelaEditavel& v = m_edicao->Valores();
  if (v.EmEdicao() && !LinhaSemNada() && !GravaValor()) return;
  if (v.Posicao() < v.Quantidade()) {
    v.Proximo();
    m_grade->Sincroniza(TEdicaoRemessa::ColData);
  } else {
    NovaLinha();
  }
}

bool TfrmRemessa::AtribuiValor(int linha, int coluna, const QString& texto) {
  TTabelaEditavel& v = m_edicao->Valores();
  if (!v.Aberta()) return false;
  // The empty line of a beneficiary without lines becomes a new one when something is typed.
  if (linha >= v.Quantidade() && !v.Inserindo() && !v.Acrescenta()) return false;
  const auto recusa = [this, coluna](const QString& mensagem, const QString& titulo) {
    MostraMensagem(mensagem, titulo, kIconeErro);
    Foca(m_grade);
    m_grade->SelecionaColuna(coluna);
    return false;
  };
  switch (coluna) {
    case TEdicaoRemessa::ColData: {
      if (texto.trimmed().isEmpty()) {
        v.DefineValor(QStringLiteral("TVRE_DATA"), bd::Dado());
        return true;
      }
      QDate data = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy"));
      if (!data.isValid()) {
        // Two-digit years are read from 1950 on.
        const QDate curta = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yy"));
        if (curta.isValid()) data = curta.addYears(curta.year() < 1950 ? 100 : 0);
      }
      if (!data.isValid()) return recusa(TErro::TextoMensagem(kDataInvalida), QStringLiteral("Data de remessa"));
      if (data.year() != m_edicao->DataMinima().year())
        return recusa(QStringLiteral("Data da remessa deve ser do ano-calendário."), QStringLiteral("Ano"));
      if (data > m_grade->DataMaxima())
        return recusa(QStringLiteral("A data de remessa não pode ser posterior a %1.")
                          .arg(m_grade->DataMaxima().toString(QStringLiteral("dd/MM/yyyy"))),
                      QStringLiteral("Data de remessa"));
      v.DefineValor(QStringLiteral("TVRE_DATA"), data);
      return true;
    }
    case TEdicaoRemessa::ColCdRetencao: {
      const QString digitado = texto.trimmed();
      if (digitado.size() > 5) return false;
      const auto* codigo = m_edicao->Codigo(digitado);
      if (!codigo) return recusa(QStringLiteral("Código de receita inválido"), QStringLiteral("Erro"));
      // A code of the other kind of beneficiary is not among those offered.
      const QString tipo = Coluna("TREM_IN_TIPO_BENEFICIARIO");
      const QString excluido = tipo == QStringLiteral("1")   ? QStringLiteral("J")
                               : tipo == QStringLiteral("2") ? QStringLiteral("F")
                                                              : QString();
      if (!excluido.isEmpty() && codigo->tipoBeneficiario == excluido)
        return recusa(TErro::TextoMensagem(kCodigoInexistente), QStringLiteral("Código de receita"));
      v.DefineValor(QStringLiteral("TVRE_CD_RETENCAO"), codigo->codigo);
      return true;
    }
    case TEdicaoRemessa::ColTipoRendimento: {
      bool ok = false;
      const int codigo = texto.trimmed().toInt(&ok);
      if (texto.trimmed().isEmpty() || !ok || !m_edicao->Tipo(codigo))
        return recusa(QStringLiteral("Tipo de rendimento inválido"), QStringLiteral("Erro"));
      v.DefineValor(QStringLiteral("TVRE_CD_TIPO_RENDIMENTO"), codigo);
      if ((codigo == 240 || codigo == 250) && Coluna("TREM_IN_TIPO_BENEFICIARIO") == QStringLiteral("2")) {
        MostraMensagem(QStringLiteral("Esse tipo de rendimento só pode ser utilizado para Beneficiário Pessoa Física"),
                       QStringLiteral("Erro"), kIconeErro);
        m_edicaoInvalida = true;
        emit EdicaoRecusada();
        m_grade->SelecionaColuna(TEdicaoRemessa::ColFormaTributacao);
      }
      return true;
    }
    case TEdicaoRemessa::ColFormaTributacao: {
      bool ok = false;
      const int codigo = texto.trimmed().toInt(&ok);
      if (!ok || !m_edicao->Forma(codigo)) {
        m_formaTributacaoRecusada = true;
        return recusa(QStringLiteral("Forma de tributação inválida"), QStringLiteral("Erro"));
      }
      v.DefineValor(QStringLiteral("TVRE_CD_FORMA_TRIBUTACAO"), codigo);
      return true;
    }
    default: {
      const auto valor = ValorDigitado(texto);
      // Over the cap the value is refused whole, never cut to fit.
      if (!valor) return recusa(TErro::TextoMensagem(kValorExcedido), QStringLiteral("Erro"));
      if (valor->negativo())
        return coluna == TEdicaoRemessa::ColRendimentoPago
                   ? recusa(QStringLiteral("O valor do rendimento pago deve ser maior que zero"),
                            QStringLiteral("Rendimento pago"))
                   : recusa(QStringLiteral("O valor do imposto retido deve ser maior ou igual a zero"),
                            QStringLiteral("Imposto retido"));
      v.DefineValor(coluna == TEdicaoRemessa::ColRendimentoPago ? QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")
                                                                : QStringLiteral("TVRE_VL_IRRF"),
                    bd::DezMilesimos{valor->dezMilesimos()});
      return true;
    }
  }
}

void TfrmRemessa::AtualizaTotais() {
  if (!m_edicao->Conectada()) return;
  const int chave = m_edicao->Remessas().Chave();
  if (chave <= 0) {
    m_grade->MostraTotais({}, {});
    return;
  }
  const auto totais = m_edicao->TotaisValores(chave);
  const auto texto = [](Valor v) { return v > Valor() ? v.formata(2, true) : QStringLiteral("0,00"); };
  m_grade->MostraTotais(texto(totais.rendimentoPago), texto(totais.irrf));
  // A read needs no transaction held open.
  if (!m_edicao->Valores().EmEdicao() && !m_edicao->Remessas().EmEdicao()) m_edicao->Confirma();
}

void TfrmRemessa::atualizaFormExterno() {
  if (!m_edicao->Conectada()) return;
  m_edicao->RecarregaValores();
  // A new event date on the header page moves the latest payment date too.
  m_grade->SetDataMaxima(m_edicao->DataMaxima(false));
  m_grade->Sincroniza();
  AtualizaTotais();
  AtualizaBotoes();
}

// Keys ----------------------------------------------------------------------------------------

bool TfrmRemessa::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return TPaginaDeclaracao::eventFilter(objeto, evento);
  const auto achado = m_campos.find(objeto);
  const bool caixa = objeto == m_dispensaBeneficiario || objeto == m_dispensaPais;
  if (achado == m_campos.end() && !caixa) return TPaginaDeclaracao::eventFilter(objeto, evento);
  auto* tecla = static_cast<QKeyEvent*>(evento);
  const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
  if (objeto == m_telefone) {
    const QString t = tecla->text();
    const bool rejeitada = !t.isEmpty() && t[0].isPrint() && !t[0].isDigit();
    if (enter || rejeitada) {
      Foca(m_grade);
      return true;
    }
  }
  if (enter) {
    focusNextPrevChild(!(tecla->modifiers() & Qt::ShiftModifier));
    return true;
  }
  if (objeto == m_pais && tecla->key() == Qt::Key_Down && !(tecla->modifiers() & Qt::AltModifier)) {
    m_pais->showPopup();
    return true;
  }
  if (caixa) return false;
  const Campo& campo = achado->second;
  auto* edit = qobject_cast<QLineEdit*>(objeto);
  const auto permitido = [&campo](QChar c) {
    switch (campo.filtro) {
      case Filtro::Digitos: return c.isDigit() && c.unicode() < 128;
      case Filtro::LetrasDigitos: return LetraOuDigito(c);
      case Filtro::Livre: return true;
    }
    return true;
  };
  if (edit && tecla->matches(QKeySequence::Paste)) {
    // A paste goes through the same filter and limit as typing.
    QString colado;
    for (const QChar c : QApplication::clipboard()->text())
      if (permitido(c) && c.isPrint()) colado += c;
    if (campo.limite > 0) {
      const int espaco = campo.limite - (edit->text().size() - edit->selectedText().size());
      colado.truncate(std::max(0, espaco));
    }
    if (!colado.isEmpty() && !edit->isReadOnly()) edit->insert(colado);
    return true;
  }
  const QString t = tecla->text();
  if (t.isEmpty() || !t[0].isPrint() || (tecla->modifiers() & Qt::ControlModifier))
    return TPaginaDeclaracao::eventFilter(objeto, evento);
  if (!permitido(t[0])) return true;
  if (edit && campo.limite > 0 && edit->text().size() - edit->selectedText().size() >= campo.limite) return true;
  return TPaginaDeclaracao::eventFilter(objeto, evento);
}
