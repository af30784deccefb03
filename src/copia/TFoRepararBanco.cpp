#include "copia/TFoRepararBanco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "controles/ArteAssistente.h"
#include "controles/PaletaTolv.h"
#include "controles/TGradeDeclaracoes.h"
#include "controles/TTolvButton.h"
#include "copia/PaginaCopia.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kAjuda = 11095;
constexpr int kSimNaoPergunta = 4 | 32;
const QString kTituloPergunta = QStringLiteral("Verificação de consistência");

const QString kConfirmacao = QStringLiteral(
    "Esta opção deve ser utilizada nos casos em que o programa não consegue abrir a base de dados por algum problema "
    "ocorrido anteriormente (queda de luz, término anormal da aplicação, etc.), ou se, devido à continuidade de uso "
    "(inclusões, exclusões, etc.) a base de dados assumir um volume de dados maior que o necessário. No primeiro "
    "caso, a rotina tentará recuperar a declaração selecionada na base. Ocorrendo insucesso na operação, será "
    "necessário restaurar a última cópia de segurança ou reimportar os dados. No segundo caso, o programa realizará "
    "uma verificação de consistência e otimização da base através de rotinas internas de desfragmentação e "
    "reindexação dos dados.\n\n"
    "Atenção: Esta opção poderá demorar para ser concluída em função do tamanho do banco de dados, não podendo ser "
    "interrompida sob pena de perda permanente de dados. Certifique-se que tenha uma cópia de segurança atualizada "
    "em local seguro.\n\n"
    "Confirma verificação de consistência do banco?\n\n");

const QString kConfirmaParada = QStringLiteral(
    "O cancelamento da verificação de consistência\npoderá ocasionar a perda permanente de dados.\n"
    "Confirma o cancelamento da verificação?");

TTolvButton* Botao(const QString& nome, const QString& texto, QWidget* pai) {
  auto* b = new TTolvButton(texto, pai);
  b->setObjectName(nome);
  b->setFixedSize(90, 25);
  return b;
}

// The pointer while the engine's tools run; the window still takes Parar.
class PonteiroEspera {
 public:
  PonteiroEspera() { QApplication::setOverrideCursor(Qt::BusyCursor); }
  ~PonteiroEspera() { QApplication::restoreOverrideCursor(); }
  PonteiroEspera(const PonteiroEspera&) = delete;
  PonteiroEspera& operator=(const PonteiroEspera&) = delete;
};

TFoRepararBanco* g_janela = nullptr;

}  // namespace

TFoRepararBanco::TFoRepararBanco(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("FoRepararBanco"));
  setWindowTitle(QStringLiteral("Verificação de consistência do banco de dados"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  resize(660, 500);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(6);
  auto* titulo = new QLabel(QStringLiteral("Selecione o banco de dados para verificação."), this);
  titulo->setObjectName(QStringLiteral("LbTitulo"));
  titulo->setFont(PaletaTolv::arial(9, true));
  PaletaTolv::pinta(titulo, PaletaTolv::kFundo, PaletaTolv::kAnoRetencao);
  layout->addWidget(titulo);

  m_grade = new TGradeDeclaracoes(this);
  m_grade->setToolTip(QStringLiteral("Selecione o banco de dados para verificação."));
  m_grade->setProperty("HelpContext", kAjuda);
  // The year's column is as wide as its title, so that it reads whole.
  m_grade->DefineColunas({{TModeloDeclaracoes::ColCpfCnpj, QStringLiteral("CPF/CNPJ"), 17},
                          {TModeloDeclaracoes::ColAno, QStringLiteral("Ano-calendário"), 14},
                          {TModeloDeclaracoes::ColNome, QStringLiteral("Nome/Nome empresarial"), 0}});
  layout->addWidget(m_grade, 1);

  auto* rotuloLog = new QLabel(QStringLiteral("Andamento:"), this);
  rotuloLog->setObjectName(QStringLiteral("LbAndamento"));
  layout->addSpacing(4);
  layout->addWidget(rotuloLog);
  m_memo = new QPlainTextEdit(this);
  m_memo->setObjectName(QStringLiteral("Memo1"));
  m_memo->setReadOnly(true);
  m_memo->setProperty("HelpContext", kAjuda);
  m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  layout->addWidget(m_memo, 1);

  auto* botoes = new QHBoxLayout;
  botoes->setSpacing(8);
  botoes->addStretch(1);
  m_okBtn = Botao(QStringLiteral("OKBtn"), QStringLiteral("&Iniciar"), this);
  m_okBtn->SetGlyph(ArteAssistente::glifo(ArteAssistente::Glifo::Concluir));
  m_okBtnInabilitado = Botao(QStringLiteral("okbtninabilitado"), QStringLiteral("&Iniciar"), this);
  m_okBtnInabilitado->SetGlyph(ArteAssistente::glifo(ArteAssistente::Glifo::Concluir, false));
  m_okBtnInabilitado->setEnabled(false);
  m_okBtnInabilitado->hide();
  m_cancelar = Botao(QStringLiteral("BitBtn2"), QStringLiteral("&Cancelar"), this);
  m_cancelar->SetGlyph(ArteAssistente::glifo(ArteAssistente::Glifo::Cancelar));
  m_parar = Botao(QStringLiteral("SpeedButton1"), QStringLiteral("&Parar"), this);
  m_parar->hide();
  for (TTolvButton* b : {m_okBtn, m_okBtnInabilitado, m_cancelar, m_parar}) {
    b->setProperty("HelpContext", kAjuda);
    botoes->addWidget(b);
  }
  layout->addLayout(botoes);

  connect(m_okBtn, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { OKBtnClick(); }); });
  connect(m_grade, &QAbstractItemView::doubleClicked, this, [this] { GuardaEventos::executa([this] { OKBtnClick(); }); });
  connect(m_cancelar, &TTolvButton::clicked, this, [this] { close(); });
  connect(m_parar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { SpeedButton1Click(); }); });
}

TFoRepararBanco::~TFoRepararBanco() = default;

bool TFoRepararBanco::AbreDeclaracoes() {
  if (FalhaBancoIndice) return false;
  try {
    bd::Conexao indice(TColecao::ArquivoIndice());
    indice.conecta();
    bd::Transacao transacao(indice, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                     QStringLiteral("nowait"), QStringLiteral("read")});
    bd::Consulta consulta(transacao, QStringLiteral("select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA, ARQUIVO "
                                                    "from TOLVS\norder by IN_PF_PJ, NR_PF_PJ"));
    consulta.abre();
    MostraDeclaracoes(TModeloDeclaracoes::Le(consulta));
    consulta.fecha();
    transacao.commit();
    return true;
  } catch (const bd::ErroBanco& e) {
    ExibeMensagem(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem(),
                  TipoMensagem::Erro);
  }
  return false;
}

void TFoRepararBanco::MostraDeclaracoes(std::vector<LinhaDeclaracao> linhas) {
  m_grade->Mostra(std::move(linhas));
  m_okBtn->setEnabled(m_grade->Selecionada() != nullptr);
}

QString TFoRepararBanco::Log() const { return m_memo->toPlainText(); }

void TFoRepararBanco::OKBtnClick() {
  if (m_executando || m_perguntando || !m_okBtn->isVisible() || !m_okBtn->isEnabled()) return;
  const LinhaDeclaracao* selecionada = m_grade->Selecionada();
  if (!selecionada) return;
  const LinhaDeclaracao linha = *selecionada;
  m_pararPedido = false;
  m_okBtn->hide();
  m_okBtnInabilitado->show();
  m_cancelar->hide();
  m_parar->show();
  m_perguntando = true;
  const bool sim = MostraMensagem(kConfirmacao, kTituloPergunta, kSimNaoPergunta) == ResultadoMensagem::Sim;
  m_perguntando = false;
  if (!sim) {
    m_naoConcluido = true;
    MostraBotoes();
    return;
  }
  Iniciar(linha);
}

void TFoRepararBanco::Iniciar(const LinhaDeclaracao& linha) {
  m_naoConcluido = false;
  m_executando = true;
  m_memo->clear();
  ReparoBanco reparo(Pastas::dados(), linha.arquivo);
  if (m_substitui) reparo.DefineSubstituicao(m_substitui);
  {
    PonteiroEspera ponteiro;
    m_fim = reparo.Executa([this](const QString& texto) { m_memo->appendPlainText(texto); },
                           [this] {
                             PaginaCopia::ProcessaEventos();
                             return m_pararPedido;
                           });
  }
  m_executando = false;
  m_naoConcluido = m_fim == ReparoBanco::Fim::Parado;
  MostraBotoes();
  if (!reparo.Mensagem().isEmpty())
    ExibeMensagem(reparo.Mensagem(), m_fim == ReparoBanco::Fim::Falhou ? TipoMensagem::Erro : TipoMensagem::Aviso);
}

void TFoRepararBanco::MostraBotoes() {
  if (m_naoConcluido) {
    m_okBtnInabilitado->hide();
    m_okBtn->show();
  } else {
    m_cancelar->SetGlyph(QImage());
    m_cancelar->setText(QStringLiteral("&Fechar"));
  }
  m_parar->hide();
  m_cancelar->show();
}

void TFoRepararBanco::SpeedButton1Click() {
  if (!m_parar->isVisible() || m_pararPedido) return;
  if (MostraMensagem(kConfirmaParada, kTituloPergunta, kSimNaoPergunta) == ResultadoMensagem::Sim) m_pararPedido = true;
}

void TFoRepararBanco::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    GuardaEventos::executa([this] { OKBtnClick(); });
    return;
  }
  QDialog::keyPressEvent(evento);  // Esc goes to reject()
}

// Esc and the window's close box: Parar while a repair runs, else Cancelar (Fechar).
void TFoRepararBanco::reject() {
  if (m_executando) {
    GuardaEventos::executa([this] { SpeedButton1Click(); });
    return;
  }
  if (m_perguntando) return;
  QDialog::reject();
}

void TFoRepararBanco::closeEvent(QCloseEvent* evento) {
  if (m_executando || m_perguntando) {
    evento->ignore();
    if (m_executando) GuardaEventos::executa([this] { SpeedButton1Click(); });
    return;
  }
  QDialog::closeEvent(evento);
}

bool ExecutaRepararBanco(QWidget* dono) {
  if (g_janela) return false;
  TFoRepararBanco janela(dono);
  g_janela = &janela;
  struct Libera {
    ~Libera() { g_janela = nullptr; }
  } libera;
  if (!janela.AbreDeclaracoes()) return false;
  // The engine's tools open the file themselves: this process must not hold it.
  if (bd::Conexao* declaracao = TColecao::GetBancoDeclaracao(); declaracao && declaracao->conectada()) {
    try {
      declaracao->desconecta();
    } catch (const bd::ErroBanco&) {
      // The attachment is released either way; a repair that still finds it reports it.
    }
  }
  janela.exec();
  return false;
}
