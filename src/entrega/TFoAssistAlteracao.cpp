#include "entrega/TFoAssistAlteracao.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TEstadoNovo.h"
#include "entrega/PaginaEntrega.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kTitulo = QStringLiteral("Alteração de indicação de matriz do CNPJ");
// The page of the order and check-digit boxes.
constexpr int kPaginaCnpj = 3;
constexpr int kCnpjInvalido = 220;
constexpr int kCnpjEmFundo = 234;
// The colours of the result shape and of the list's rows (alternating, the selected row apart).
constexpr QRgb kForma = 0x094181;
constexpr QRgb kLinhaPar = 0xD1DCE2;
constexpr QRgb kLinhaImpar = 0xDCE5EC;
constexpr QRgb kTextoLinha = 0x525152;
const QString kSucesso = QStringLiteral("Base de dados alterada com sucesso.");
const QString kFalha = QStringLiteral("Erro: Base de dados não foi alterada.");
// Digits 1-2, 3-5, 6-8, 9-12 and 13-14 of the CNPJ.
constexpr int kInicio[5] = {0, 2, 5, 8, 12};
constexpr int kTamanho[5] = {2, 3, 3, 4, 2};

enum Coluna { ColCnpj, ColNome, ColAno };

// The four states: notes, list, new number, result.
class EstadoAlteracao : public TEstadoNovo {
 public:
  EstadoAlteracao(TFormAssistNovo* dono, int pagina, TFoAssistAlteracao* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override {
    if (Pagina() > 1) m_assistente->ProcessaPasso(Pagina());
  }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    SetProximo(Pagina() < 4 ? Pagina() + 1 : RotaAssistente::Conclui);
    return false;
  }

 private:
  TFoAssistAlteracao* m_assistente;
};

class TEstadoTrans1 : public EstadoAlteracao {
  using EstadoAlteracao::EstadoAlteracao;
};
class TEstadoTrans2 : public EstadoAlteracao {
  using EstadoAlteracao::EstadoAlteracao;
};
class TEstadoTrans3 : public EstadoAlteracao {
  using EstadoAlteracao::EstadoAlteracao;
};
class TEstadoTrans4 : public EstadoAlteracao {
  using EstadoAlteracao::EstadoAlteracao;
};

QLineEdit* Caixa(QWidget* pai, const QString& nome, int largura, bool somenteLeitura) {
  auto* caixa = new QLineEdit(pai);
  caixa->setObjectName(nome);
  caixa->setReadOnly(somenteLeitura);
  if (largura > 0) caixa->setFixedWidth(largura);
  if (somenteLeitura) {
    // Shaded, so that the order and the check digits stand out as the boxes to type in.
    caixa->setFocusPolicy(Qt::NoFocus);
    QPalette paleta = caixa->palette();
    paleta.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kCaixa));
    paleta.setColor(QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
    caixa->setPalette(paleta);
  }
  return caixa;
}

// Five boxes with the CNPJ's separators between them; the order and the check digits editable
// when `editaveis`.
QHBoxLayout* CaixasCnpj(QWidget* pai, QLineEdit* (&caixas)[5], const QString& prefixo, bool editaveis) {
  auto* linha = new QHBoxLayout;
  linha->setSpacing(2);
  const QString separadores[4] = {QStringLiteral("."), QStringLiteral("."), QStringLiteral("/"), QStringLiteral("-")};
  for (int i = 0; i < 5; ++i) {
    const bool editavel = editaveis && i >= 3;
    caixas[i] = Caixa(pai, prefixo + QString::number(i + 1), 12 + 9 * kTamanho[i], !editavel);
    caixas[i]->setMaxLength(kTamanho[i]);
    caixas[i]->setAlignment(Qt::AlignCenter);
    if (editavel)
      caixas[i]->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(kTamanho[i])), caixas[i]));
    linha->addWidget(caixas[i]);
    if (i < 4) linha->addWidget(new QLabel(separadores[i], pai));
  }
  linha->addStretch(1);
  return linha;
}

void PreencheCaixas(QLineEdit* (&caixas)[5], const QString& cnpj) {
  for (int i = 0; i < 5; ++i) caixas[i]->setText(cnpj.mid(kInicio[i], kTamanho[i]));
}

}  // namespace

TFoAssistAlteracao::TFoAssistAlteracao(QWidget* dono, TColecaoTolv& indice, TTolv& tolv)
    : TFormAssistNovo(dono), m_indice(indice), m_tolv(tolv) {
  setObjectName(QStringLiteral("FoAssistAlteracao"));
  setWindowTitle(kTitulo);
  setProperty("HelpContext", kAjuda);
  resize(600, 400);
  criaPaginas();
  CriaEstado<TEstadoTrans1>(1, this);
  CriaEstado<TEstadoTrans2>(2, this);
  CriaEstado<TEstadoTrans3>(3, this);
  CriaEstado<TEstadoTrans4>(4, this);
  DefineAjudaBotoes(kAjuda);
  ExecutaEstado();
}

TFoAssistAlteracao::~TFoAssistAlteracao() = default;

void TFoAssistAlteracao::criaPaginas() {
  {
    QWidget* p = CriaPainel(1);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("A legislação permite que a pessoa jurídica altere a indicação do estabelecimento "
                                         "matriz. Para mais informações, consulte o sítio da BVD na Internet: "
                                         "www.bvd.gov.br.")));
    l->addSpacing(6);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Antes  de transmitir a declaração,  certifique-se  de que    essa   alteração   "
                                         "tenha   sido   realizada   no Cadastro Nacional da Pessoa Jurídica  (CNPJ) na "
                                         "BVD.")));
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(2);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, kTitulo);
    l->addWidget(PaginaEntrega::Texto(p, QStringLiteral("Selecione a declaração que deseja abrir")));
    auto* forma = new QFrame(p);
    forma->setObjectName(QStringLiteral("ShpLista"));
    forma->setFrameShape(QFrame::Box);
    auto* lf = new QVBoxLayout(forma);
    lf->setContentsMargins(1, 1, 1, 1);
    m_grade = new QTableWidget(0, 3, forma);
    m_grade->setObjectName(QStringLiteral("DBGrDeclaracao"));
    m_grade->setToolTip(QStringLiteral("Selecione a declaração que deseja abrir"));
    m_grade->setHorizontalHeaderLabels(
        {QStringLiteral("CNPJ"), QStringLiteral("Nome empresarial"), QStringLiteral("Ano-calendário")});
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->setColumnWidth(ColCnpj, 140);
    m_grade->setColumnWidth(ColAno, 100);
    m_grade->horizontalHeader()->setSectionResizeMode(ColNome, QHeaderView::Stretch);
    QPalette paleta = m_grade->palette();
    paleta.setColor(QPalette::Highlight, PaletaTolv::cor(kLinhaPar));
    paleta.setColor(QPalette::HighlightedText, Qt::black);
    m_grade->setPalette(paleta);
    lf->addWidget(m_grade);
    l->addWidget(forma, 1);
    connect(m_grade, &QTableWidget::currentCellChanged, this, [this](int atual, int, int anterior, int) {
      // The selected row is drawn bold.
      for (int linha : {anterior, atual}) {
        if (linha < 0 || linha >= m_grade->rowCount()) continue;
        for (int c = 0; c < 3; ++c) {
          QTableWidgetItem* item = m_grade->item(linha, c);
          QFont fonte = item->font();
          fonte.setBold(linha == atual);
          item->setFont(fonte);
          item->setForeground(linha == atual ? QColor(Qt::black) : PaletaTolv::cor(kTextoLinha));
        }
      }
    });
  }
  {
    QWidget* p = CriaPainel(3);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, QStringLiteral("Informe o número de ordem e dígito verificador do CNPJ da matriz"));
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(10);
    grade->setVerticalSpacing(8);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ"), p), 0, 0);
    grade->addLayout(CaixasCnpj(p, m_cnpj, QStringLiteral("DeCpfCnpj"), true), 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Ano-calendário"), p), 1, 0);
    m_deAnoRet = Caixa(p, QStringLiteral("DeAnoRet"), 60, true);
    grade->addWidget(m_deAnoRet, 1, 1, Qt::AlignLeft);
    grade->addWidget(new QLabel(QStringLiteral("Nome empresarial"), p), 2, 0);
    m_deNome = Caixa(p, QStringLiteral("DeNome"), 0, true);
    grade->addWidget(m_deNome, 2, 1);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ da matriz a ser alterado"), p), 3, 0);
    m_deOriginal = Caixa(p, QStringLiteral("DeCpfCnpjOriginal"), 150, true);
    grade->addWidget(m_deOriginal, 3, 1, Qt::AlignLeft);
    grade->setColumnStretch(1, 1);
    l->addLayout(grade);
    l->addStretch(1);
    connect(m_cnpj[3], &QLineEdit::textChanged, this, [this] { DeCpfCnpj4Change(); });
    connect(m_cnpj[4], &QLineEdit::textChanged, this, [this] { DeCpfCnpj5Change(); });
  }
  {
    QWidget* p = CriaPainel(4);
    QVBoxLayout* l = PaginaEntrega::Prepara(p, QStringLiteral("Resultado da alteração"));
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(10);
    grade->setVerticalSpacing(8);
    grade->addWidget(new QLabel(QStringLiteral("Nome empresarial"), p), 0, 0);
    m_edtNome = Caixa(p, QStringLiteral("edtNome"), 0, true);
    grade->addWidget(m_edtNome, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Ano-calendário"), p), 1, 0);
    m_edtAno = Caixa(p, QStringLiteral("edtAno"), 60, true);
    grade->addWidget(m_edtAno, 1, 1, Qt::AlignLeft);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ"), p), 2, 0);
    grade->addLayout(CaixasCnpj(p, m_edtCnpj, QStringLiteral("edtCnpj"), false), 2, 1);
    grade->setColumnStretch(1, 1);
    l->addLayout(grade);
    l->addSpacing(14);
    m_forma = new QFrame(p);
    m_forma->setObjectName(QStringLiteral("ShpMensagem"));
    m_forma->setAutoFillBackground(true);
    auto* lf = new QVBoxLayout(m_forma);
    lf->setContentsMargins(12, 10, 12, 10);
    m_lblMensagem = new QLabel(m_forma);
    m_lblMensagem->setObjectName(QStringLiteral("lblMensagem"));
    m_lblMensagem->setTextFormat(Qt::PlainText);
    m_lblMensagem->setWordWrap(true);
    m_lblMensagem->setAlignment(Qt::AlignCenter);
    m_lblMensagem->setFont(PaletaTolv::arial(10, true));
    lf->addWidget(m_lblMensagem);
    PaletaTolv::pinta(m_forma, kForma, 0xFFFFFF);
    PaletaTolv::pinta(m_lblMensagem, kForma, 0xFFFFFF);
    l->addWidget(m_forma);
    l->addStretch(1);
  }
}

QString TFoAssistAlteracao::Mensagem() const { return m_lblMensagem->text(); }

void TFoAssistAlteracao::MostraPagina(int pagina) {
  MostraPainel(pagina);
  SetPaginaAtual(pagina);
  HabilitaCancelar(pagina < 4);
  HabilitaVoltar(pagina > 1);
  HabilitaAvancar(pagina < 3 || pagina == 4);
  HabilitaConcluir(pagina == 4);
  // Back on the list, the declaration is chosen again.
  if (pagina == 2) {
    if (m_quantidade == 0) {
      HabilitaVoltar(false);
      HabilitaAvancar(false);
      SpeedBtn(Botao::Cancelar)->setFocus();
    } else {
      m_grade->setFocus();
    }
  }
}

bool TFoAssistAlteracao::PodeAvancar(int) { return true; }

bool TFoAssistAlteracao::ProcessaPasso(int passo) {
  switch (passo) {
    case 2:
      AbreLista();
      return true;
    case 3:
      CarregaSelecionada();
      return true;
    case 4:
      GravaAlteracao();
      return true;
    default:
      return true;
  }
}

void TFoAssistAlteracao::AbreLista() {
  m_tolv.Limpar();
  m_tolv.SetTolvDK(QString());
  m_grade->setRowCount(0);
  m_quantidade = 0;
  bd::Conexao* conexao = TColecao::GetBancoIndice();
  if (conexao && !FalhaBancoIndice) {
    try {
      bd::Transacao transacao(*conexao, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                         QStringLiteral("nowait")});
      bd::Consulta lista(transacao, QStringLiteral("select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA from TOLVS\n"
                                                   "where IN_PF_PJ = '2' and AN_RETENCA >2004\n"
                                                   "order by IN_PF_PJ, NR_PF_PJ"));
      for (lista.abre(); !lista.eof(); lista.proximo()) {
        const QString base = lista.campo(QStringLiteral("NR_PF_PJ")).texto().trimmed();
        const QString ano = lista.campo(QStringLiteral("AN_RETENCA")).texto().trimmed();
        const int linha = m_grade->rowCount();
        m_grade->insertRow(linha);
        auto* cnpj = new QTableWidgetItem(TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base)));
        cnpj->setData(Qt::UserRole, base);
        auto* nome = new QTableWidgetItem(lista.campo(QStringLiteral("NM_NM_EMPR")).texto());
        auto* anoItem = new QTableWidgetItem(ano);
        anoItem->setTextAlignment(Qt::AlignCenter);
        const QColor fundo = PaletaTolv::cor(linha % 2 ? kLinhaImpar : kLinhaPar);
        for (QTableWidgetItem* item : {cnpj, nome, anoItem}) {
          item->setBackground(fundo);
          item->setForeground(PaletaTolv::cor(kTextoLinha));
        }
        m_grade->setItem(linha, ColCnpj, cnpj);
        m_grade->setItem(linha, ColNome, nome);
        m_grade->setItem(linha, ColAno, anoItem);
      }
    } catch (const bd::ErroBanco& e) {
      ExibeMensagem(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem(),
                    TipoMensagem::Erro);
    }
  }
  m_quantidade = m_grade->rowCount();
  if (m_quantidade > 0) m_grade->setCurrentCell(0, ColCnpj);
  MostraPagina(2);
}

bool TFoAssistAlteracao::CarregaSelecionada() {
  HabilitaCancelar(true);
  HabilitaVoltar(true);
  HabilitaAvancar(false);
  HabilitaConcluir(false);
  const int linha = m_grade->currentRow();
  if (linha < 0) return false;
  m_tolv.SetTolvDK(QString());
  bool carregada = false;
  try {
    m_tolv.GetContribuinte().SetNiPelaBase(m_grade->item(linha, ColCnpj)->data(Qt::UserRole).toString());
    m_tolv.SetAnoCalendario(m_grade->item(linha, ColAno)->text());
    carregada = m_indice.CarregaTolv(m_tolv);
  } catch (const TErro& e) {
    e.Mostra();
  }
  m_preenchendo = true;
  if (carregada) {
    m_cnpjOriginal = m_tolv.GetContribuinte().GetNiDigitos();
    m_cnpjNovo = m_cnpjOriginal;
    m_deAnoRet->setText(m_tolv.GetAnoCalendario());
    m_deNome->setText(m_tolv.GetContribuinte().GetNome().GetValor());
    PreencheCaixas(m_cnpj, m_cnpjOriginal);
    m_deOriginal->setText(DevolveFormatadoNi(m_cnpjOriginal));
  } else {
    m_cnpjOriginal.clear();
    m_cnpjNovo.clear();
    for (QLineEdit* c : {m_deAnoRet, m_deNome, m_deOriginal}) c->clear();
    for (QLineEdit* c : m_cnpj) c->clear();
  }
  m_ordemAlterada = m_dvAlterado = false;
  m_preenchendo = false;
  if (carregada) m_cnpj[3]->setFocus();
  return carregada;
}

QString TFoAssistAlteracao::cnpjDasCaixas() const {
  QString cnpj;
  for (QLineEdit* c : m_cnpj) cnpj += c->text();
  return cnpj;
}

void TFoAssistAlteracao::DeCpfCnpj4Change() {
  if (m_preenchendo) return;
  HabilitaAvancar(false);
  if (m_cnpj[3]->text().size() == 4 && m_cnpj[3]->hasFocus()) m_cnpj[4]->setFocus();
}

void TFoAssistAlteracao::DeCpfCnpj5Change() {
  if (m_preenchendo) return;
  HabilitaAvancar(false);
  if (m_cnpj[4]->text().size() == 2 && m_cnpj[4]->hasFocus()) m_cnpj[3]->setFocus();
}

void TFoAssistAlteracao::DeCpfCnpj4Exit() {
  if (m_preenchendo || m_cnpjOriginal.isEmpty()) return;
  m_ordemAlterada = m_cnpj[3]->text() != m_cnpjOriginal.mid(8, 4);
  m_cnpjNovo = cnpjDasCaixas();
}

void TFoAssistAlteracao::DeCpfCnpj5Exit() {
  // Moving the focus from here (and the message box) leaves the box again: one check is enough.
  if (m_preenchendo || m_validando || m_cnpjOriginal.isEmpty()) return;
  m_validando = true;
  struct Fim {
    bool& validando;
    ~Fim() { validando = false; }
  } fim{m_validando};
  m_cnpjNovo = cnpjDasCaixas();
  m_dvAlterado = m_cnpj[4]->text() != m_cnpjOriginal.mid(12, 2);
  // Another order is what makes another establishment; its check digits may well be the old ones.
  m_ordemAlterada = m_cnpj[3]->text() != m_cnpjOriginal.mid(8, 4);
  if (!m_ordemAlterada) return;
  if (ValidaNovoCnpj(m_cnpjNovo)) {
    HabilitaAvancar(true);
    if (QWidget* foco = focusWidget()) foco->clearFocus();
  } else {
    m_cnpj[3]->setFocus();
  }
}

bool TFoAssistAlteracao::ValidaNovoCnpj(const QString& cnpj) {
  if (!m_ordemAlterada || cnpj == m_cnpjOriginal || cnpj.size() != 14) return false;
  if (TCnpj::CalculaDVCnpj(cnpj.left(12)) != cnpj.mid(12, 2) || TCnpj::ValidaCnpj(cnpj, false, false) != 0) {
    TErro::MostraTexto(TErro::FormataMensagem(kCnpjInvalido, DevolveFormatadoNi(cnpj)), 1);
    return false;
  }
  try {
    m_tolv.GetContribuinte().SetNi(cnpj);
  } catch (const TErro& e) {
    e.Mostra();
    restauraOriginal();
    return false;
  }
  if (m_tolv.GetInAdmFC() != 0 && CnpjUsadoEmFundo(m_indice, m_tolv)) {
    TErro::MostraTexto(TErro::TextoMensagem(kCnpjEmFundo), 1);
    restauraOriginal();
    return false;
  }
  return true;
}

void TFoAssistAlteracao::restauraOriginal() {
  if (m_cnpjOriginal.isEmpty()) return;
  try {
    m_tolv.GetContribuinte().SetNi(m_cnpjOriginal);
  } catch (const TErro&) {
    m_tolv.GetContribuinte().SetNiComErro(m_cnpjOriginal);
  }
}

bool TFoAssistAlteracao::GravaAlteracao() {
  m_alterada = false;
  QString novo;
  for (QLineEdit* c : m_cnpj) novo += c->text();
  m_edtNome->setText(m_tolv.GetContribuinte().GetNome().GetValor());
  m_edtAno->setText(m_tolv.GetAnoCalendario());
  PreencheCaixas(m_edtCnpj, novo);
  HabilitaCancelar(false);
  HabilitaVoltar(false);
  HabilitaAvancar(false);
  m_lblMensagem->setText(kSucesso);

  // Only a declaration of the same calendar year stands in the way: the file names carry the year.
  bool cadastrada = false;
  {
    TErros erros;
    TTolv busca;
    busca.SetErros(&erros);
    try {
      busca.GetContribuinte().SetNi(novo);
      busca.SetAnoCalendario(m_tolv.GetAnoCalendario());
      cadastrada = m_indice.Localiza(busca);
    } catch (const TErro& e) {
      e.Mostra();
      m_lblMensagem->setText(kFalha);
      busca.LiberaItens();
      restauraOriginal();
      return false;
    }
    busca.LiberaItens();
  }
  if (cadastrada) {
    m_lblMensagem->setText(QStringLiteral("CNPJ ") + DevolveFormatadoNi(novo) + QStringLiteral(" já cadastrado na base."));
    restauraOriginal();
    return false;
  }
  try {
    m_indice.Salva(m_tolv);
    m_alterada = !FalhaBanco && !FalhaBancoIndice &&
                 m_tolv.GetArquivo().compare(m_tolv.GetNomeBancoDeclaracao(), Qt::CaseInsensitive) == 0;
  } catch (const TErro& e) {
    e.Mostra();
  }
  if (!m_alterada) {
    m_lblMensagem->setText(kFalha);
    restauraOriginal();
  }
  return m_alterada;
}

QString TFoAssistAlteracao::DevolveFormatadoNi(const QString& texto) {
  if (texto.size() != 14) return texto;
  return texto.left(2) + u'.' + texto.mid(2, 3) + u'.' + texto.mid(5, 3) + u'/' + texto.mid(8, 4) + u'-' + texto.mid(12, 2);
}

// The base filters the whole application, so the boxes' focus changes arrive here already.
// Only the number's page checks them: a box may keep the focus after Enter moved on, and its
// later exit must not touch the declaration nor Avançar on the pages that follow.
bool TFoAssistAlteracao::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::FocusOut && PaginaAtual() == kPaginaCnpj) {
    if (objeto == m_cnpj[3]) DeCpfCnpj4Exit();
    if (objeto == m_cnpj[4]) DeCpfCnpj5Exit();
  }
  return TFormAssistNovo::eventFilter(objeto, evento);
}

void TFoAssistAlteracao::showEvent(QShowEvent* evento) {
  TFormAssistNovo::showEvent(evento);
  FormShow();
}

void TFoAssistAlteracao::FormShow() {
  if (m_posicionado) return;
  m_posicionado = true;
  // Centred on the owner's client area, like the other wizards.
  if (QWidget* dono = parentWidget()) {
    const QPoint centro = dono->mapToGlobal(dono->rect().center());
    move(centro - QPoint(width() / 2, height() / 2));
  }
}

void ExecutaAlteracaoMatriz(QWidget* dono, TColecaoTolv& indice, TTolv& tolv) {
  TFoAssistAlteracao assistente(dono, indice, tolv);
  assistente.exec();
}
