#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "IndiceTeste.h"
#include "PaginaFalsa.h"
#include "controles/TEditData.h"
#include "controles/TTolvEdit.h"
#include "interface/InicioFalso.h"
#include "interface/IndicePrincipal.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TFrInformacoesTolv.h"
#include "interface/TTolv2014.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TNrRecibo.h"
#include "nucleo/NumeroRecibo.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/JanelaAtiva.h"

namespace {

using indice_teste::ComIndice;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kCpf = QStringLiteral("11144477735");
const QString kCpfResponsavel = QStringLiteral("52998224725");

QString Banco(const QString& numero) { return QStringLiteral("TOLV2014") + numero + QStringLiteral("2013.FDB"); }

QString Recibo(const char* dez) {
  const QString base = QString::fromLatin1(dez);
  return base + TNumeroRecibo::CalculaDVRecibo(base);
}

// What a declaration holds when it is made.
struct Cabecalho {
  bool pessoa = false;
  int natureza = 0;
  bool fundos = false;
  bool processos = false;
  bool remessa = false;
  bool planoSaude = false;
  bool notarial = false;
  bool ostensivo = false;
  bool copa = false;
  bool especial = false;
  QString dataEvento;
  int tipoEvento = 0;
  QString tipo = QStringLiteral("O");
  QString recibo;
  QString cpfResponsavel;
  QString nomeResponsavel;
};

// The header page inside the page container, over a declaration of 2013 made in the index and
// loaded from it as the open dialog does.
class PaginaCabecalho : public ComIndice {
 protected:
  void TearDown() override {
    fecha();
    ComIndice::TearDown();
  }

  QString numero() const { return m_cabecalho.pessoa ? kCpf : kCnpj; }

  void cria(const Cabecalho& c) {
    m_cabecalho = c;
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(numero());
    t.SetAnoCalendario(QStringLiteral("2013"));
    t.GetContribuinte().GetNome().SetValor(c.pessoa ? QStringLiteral("JOSE DA SILVA")
                                                    : QStringLiteral("EMPRESA TESTE LTDA"));
    if (!c.pessoa) t.GetEstabelecimentoResponsavel().SetNi(kCnpj);
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(c.pessoa ? 9 : c.natureza));
    t.SetInAdmFC(c.fundos);
    t.SetInAdvogado(c.processos);
    t.SetInRemessa(c.remessa);
    t.SetInPlanoSaude(c.planoSaude);
    t.SetInServicoNotarial(c.notarial);
    t.SetInOstensivo(c.ostensivo);
    t.SetInCopa(c.copa);
    t.SetSituacaoEspecial(c.especial);
    if (!c.dataEvento.isEmpty()) t.SetDataEvento(c.dataEvento);
    t.SetTipoEvento(uint8_t(c.tipoEvento));
    t.SetTipoDeclaracao(c.tipo);
    if (!c.recibo.isEmpty()) t.GetNrRecibo().SetValor(c.recibo);
    if (!c.cpfResponsavel.isEmpty()) {
      t.GetResponsavel().SetNi(c.cpfResponsavel);
      t.GetResponsavel().GetNome().SetValor(c.nomeResponsavel);
    }
    Indice().Inclui(t);
    t.LiberaItens();
  }

  // Loads the declaration into `tolv` through the index.
  void carrega(TTolv& tolv) {
    tolv.GetContribuinte().SetNi(numero());
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    ASSERT_TRUE(Indice().CarregaTolv(tolv));
  }

  void abre(const Cabecalho& c = {}) {
    cria(c);
    mostra();
  }

  // The page over the declaration made last.
  void mostra() {
    carrega(m_tolv);
    m_conteiner = std::make_unique<TFrDeclaracao>();
    m_conteiner->RegistraPagina(TFrDeclaracao::Informacoes,
                                [](QWidget* pai) { return new TFrInformacoesTolv(pai); });
    m_conteiner->SetDeclaracao(&m_tolv);
    m_conteiner->SetColecaoTolv(&Indice());
    m_conteiner->setEnabled(true);
    m_conteiner->PgDeclaracao()->setEnabled(true);
    m_conteiner->resize(900, 720);
    m_conteiner->AbrePaginas({}, nullptr);
    ASSERT_TRUE(AtivaJanela(m_conteiner.get()));
    m_pagina = static_cast<TFrInformacoesTolv*>(m_conteiner->PaginaDe(TFrDeclaracao::Informacoes));
    ASSERT_NE(m_pagina, nullptr);
    m_caixa.limpa();
  }

  void fecha() {
    if (!m_conteiner) return;
    m_conteiner->FechaPaginas();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_conteiner.reset();
    m_pagina = nullptr;
  }

  // The stored header, read again into a declaration of its own.
  std::unique_ptr<TTolv> relido() {
    auto t = std::make_unique<TTolv>();
    t->SetErros(&m_erros);
    carrega(*t);
    return t;
  }

  template <typename T = QWidget>
  T* w(const char* nome) const {
    T* achado = m_pagina->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(achado, nullptr) << nome;
    return achado;
  }
  QString texto(const char* nome) const { return w<QLabel>(nome)->text(); }

  // Focuses a control and then moves on, as the Tab key does.
  void foca(QWidget* controle) {
    controle->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  void digita(TTolvEdit* edit, const QString& novo) {
    foca(edit);
    edit->selectAll();
    QTest::keyClicks(edit, novo);
  }
  // Moves the focus to the chosen rectifying button, which types nothing.
  void sai() {
    auto* sim = w<QRadioButton>("RbSimRetificadora");
    QWidget* destino = sim->isChecked() ? sim : w("RbNaoRetificadora");
    destino->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  void digitaData(const QString& data) {
    auto* picker = w<TEditData>("EdDataEvento");
    foca(picker->Edit());
    picker->Edit()->selectAll();
    picker->SetTexto(data);
  }

  QString leDeclaracao(const QString& sql) const { return m_pasta.le(Banco(numero()), sql); }

  Cabecalho m_cabecalho;
  std::unique_ptr<TFrDeclaracao> m_conteiner;
  TFrInformacoesTolv* m_pagina = nullptr;
};

// What the page shows for each kind of declarant and legal nature.
struct CasoLeiaute {
  const char* nome;
  bool pessoa;
  int natureza;
  bool especial;
  std::vector<const char*> paineis;  // visible indicator panels, top to bottom
  const char* rotuloNumero;
  const char* rotuloNome;
};

class LeiauteDoCabecalho : public PaginaCabecalho, public testing::WithParamInterface<CasoLeiaute> {};

TEST_P(LeiauteDoCabecalho, ShowsThePanelsOfTheDeclarantInTheirOrder) {
  const CasoLeiaute& caso = GetParam();
  Cabecalho c;
  c.pessoa = caso.pessoa;
  c.natureza = caso.natureza;
  c.especial = caso.especial;
  if (caso.especial) c.dataEvento = QStringLiteral("15/08/2013");
  abre(c);
  const char* const todos[] = {"pnlServicoNotarial", "pnlPlanoSaude", "pnlFC",  "pnlDepositario",
                               "pnlRemessa",         "pnlSocioOstensivo", "pnlCopa", "pnlEspecial"};
  std::vector<std::string> visiveis;
  int y = -1;
  for (const char* nome : todos) {
    QWidget* painel = w(nome);
    if (!painel->isVisible()) continue;
    visiveis.emplace_back(nome);
    EXPECT_GT(painel->y(), y) << nome;
    y = painel->y();
  }
  EXPECT_EQ(visiveis, std::vector<std::string>(caso.paineis.begin(), caso.paineis.end()));
  EXPECT_EQ(texto("LbCpfCgc"), QString::fromUtf8(caso.rotuloNumero));
  EXPECT_EQ(texto("LbNomeRazaoS"), QString::fromUtf8(caso.rotuloNome));
  EXPECT_EQ(w("edtNatureza")->isVisible(), !caso.pessoa);
  EXPECT_EQ(w("GbResponsavelCnpj")->isVisible(), !caso.pessoa);
  EXPECT_EQ(texto("lblEspecial"), caso.especial ? "Sim" : "Não");
  EXPECT_EQ(w("pnlDtEvento")->isVisible(), caso.especial);
  // Only a person's event has a type.
  EXPECT_EQ(w("PnTipoEvento")->isVisible(), caso.especial && caso.pessoa);
  EXPECT_EQ(w<TTolvEdit>("DeNome")->LimiteTexto(), caso.pessoa ? 60 : 150);
  EXPECT_EQ(w<TTolvEdit>("DeCpfCnpj")->text(), m_tolv.GetContribuinte().GetNiFormatado());
  if (!caso.pessoa) {
    EXPECT_EQ(w<QLineEdit>("edtNatureza")->text(), m_tolv.GetNatureza()->GetDescricao());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Declarantes, LeiauteDoCabecalho,
    testing::Values(
        CasoLeiaute{"Pessoa", true, 9, false,
                    {"pnlServicoNotarial", "pnlPlanoSaude", "pnlRemessa", "pnlEspecial"}, "CPF", "Nome"},
        CasoLeiaute{"PessoaEmSituacaoEspecial", true, 9, true,
                    {"pnlServicoNotarial", "pnlPlanoSaude", "pnlRemessa", "pnlEspecial"}, "CPF", "Nome"},
        CasoLeiaute{"EmpresaPrivada", false, 0, false,
                    {"pnlPlanoSaude", "pnlFC", "pnlDepositario", "pnlRemessa", "pnlSocioOstensivo", "pnlCopa",
                     "pnlEspecial"},
                    "CNPJ", "Nome empresarial"},
        CasoLeiaute{"OrgaoPublico", false, 1, true, {"pnlPlanoSaude", "pnlRemessa", "pnlEspecial"}, "CNPJ",
                    "Nome empresarial"},
        CasoLeiaute{"Natureza3", false, 3, false,
                    {"pnlPlanoSaude", "pnlFC", "pnlDepositario", "pnlRemessa", "pnlEspecial"}, "CNPJ",
                    "Nome empresarial"},
        CasoLeiaute{"Natureza8", false, 8, false,
                    {"pnlPlanoSaude", "pnlFC", "pnlDepositario", "pnlRemessa", "pnlSocioOstensivo", "pnlCopa",
                     "pnlEspecial"},
                    "CNPJ", "Nome empresarial"}),
    [](const testing::TestParamInfo<CasoLeiaute>& info) { return std::string(info.param.nome); });

TEST_F(PaginaCabecalho, IndicatorsReadSimOrNaoAndTheAnnexPagesFollowTheirs) {
  Cabecalho c;
  c.fundos = true;
  c.planoSaude = true;
  c.copa = true;
  abre(c);
  EXPECT_EQ(texto("lblInFC"), "Sim");
  EXPECT_EQ(texto("lblPlanoSaudeSimNao"), "Sim");
  EXPECT_EQ(texto("lblCopa"), "Sim");
  EXPECT_EQ(texto("lblInDepositario"), "Não");
  EXPECT_EQ(texto("lblInRemessa"), "Não");
  EXPECT_EQ(texto("lblSocioOstensivo"), "Não");
  EXPECT_TRUE(m_conteiner->FundosMostrados());
  EXPECT_FALSE(m_conteiner->ProcessosMostrados());
}

TEST_F(PaginaCabecalho, ADeclarationWithoutFundsClosesTheFundPageOfThePreviousOne) {
  m_conteiner = std::make_unique<TFrDeclaracao>();
  m_conteiner->MostraFundos(true);
  m_conteiner->MostraProcessos(true);
  Cabecalho c;
  c.processos = true;
  cria(c);
  carrega(m_tolv);
  TFrInformacoesTolv pagina;
  pagina.Inicializa(m_tolv, Indice(), m_conteiner.get());
  EXPECT_FALSE(m_conteiner->FundosMostrados());
  EXPECT_TRUE(m_conteiner->ProcessosMostrados());
  pagina.Finaliza();
  m_conteiner.reset();
}

TEST_F(PaginaCabecalho, ARectifyingDeclarationOpensWithoutWarningAndItsReceipt) {
  Cabecalho c;
  c.tipo = QStringLiteral("R");
  c.recibo = Recibo("1234567890");
  abre(c);
  EXPECT_TRUE(w<QRadioButton>("RbSimRetificadora")->isChecked());
  EXPECT_TRUE(w("DeNrRecibo")->isEnabled());
  QString mostrado = w<TTolvEdit>("DeNrRecibo")->text();
  TNumeroRecibo::RetiraFormatacao(mostrado);
  EXPECT_EQ(mostrado, c.recibo);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

constexpr const char* kAvisoRetificadora =
    "A declaração retificadora substitui INTEGRALMENTE os dados da declaração enviada anteriormente. A "
    "retificadora deverá conter informações de todos os beneficiários do declarante. Verifique e proceda a "
    "retificação com segurança.";

struct CasoRetificadora {
  bool pessoa;
  const char* aviso;
};

class Retificadora : public PaginaCabecalho, public testing::WithParamInterface<CasoRetificadora> {};

TEST_P(Retificadora, SimWarnsOnEveryClickNaoEmptiesTheReceiptAndTheChoiceIsStored) {
  Cabecalho c;
  c.pessoa = GetParam().pessoa;
  abre(c);
  auto* sim = w<QRadioButton>("RbSimRetificadora");
  auto* nao = w<QRadioButton>("RbNaoRetificadora");
  auto* recibo = w<TTolvEdit>("DeNrRecibo");
  EXPECT_TRUE(nao->isChecked());
  EXPECT_FALSE(recibo->isEnabled());

  QTest::mouseClick(sim, Qt::LeftButton);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QString::fromUtf8(GetParam().aviso));
  EXPECT_EQ(m_tolv.GetTipoDeclaracao(), "R");
  EXPECT_TRUE(recibo->isEnabled());

  // A receipt whose check digits fail is refused by the edit and never stored.
  digita(recibo, QStringLiteral("123456789000"));
  sai();
  EXPECT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(QApplication::focusWidget(), recibo);
  EXPECT_TRUE(m_tolv.GetNrRecibo().GetValor().isEmpty());
  digita(recibo, Recibo("1234567890"));
  sai();
  EXPECT_EQ(m_tolv.GetNrRecibo().GetValor(), Recibo("1234567890"));

  QTest::mouseClick(nao, Qt::LeftButton);
  EXPECT_EQ(m_tolv.GetTipoDeclaracao(), "O");
  EXPECT_TRUE(m_tolv.GetNrRecibo().GetValor().isEmpty());
  EXPECT_TRUE(recibo->text().isEmpty());
  EXPECT_FALSE(recibo->isEnabled());
  QTest::mouseClick(sim, Qt::LeftButton);
  EXPECT_EQ(m_caixa.chamadas().size(), 3u);
  digita(recibo, Recibo("9876543210"));
  sai();

  ASSERT_TRUE(m_pagina->PodeSair());
  const auto t = relido();
  EXPECT_EQ(t->GetTipoDeclaracao(), "R");
  EXPECT_EQ(t->GetNrRecibo().GetValor(), Recibo("9876543210"));
}

INSTANTIATE_TEST_SUITE_P(Declarantes, Retificadora,
                         testing::Values(CasoRetificadora{false, kAvisoRetificadora}, CasoRetificadora{true, kAvisoRetificadora}),
                         [](const testing::TestParamInfo<CasoRetificadora>& info) {
                           return std::string(info.param.pessoa ? "Pessoa" : "Empresa");
                         });

struct CasoNomeVazio {
  bool pessoa;
  const char* mensagem;
};

class NomeVazio : public PaginaCabecalho, public testing::WithParamInterface<CasoNomeVazio> {};

TEST_P(NomeVazio, KeepsTheFocusOnTheNameWithItsMessage) {
  Cabecalho c;
  c.pessoa = GetParam().pessoa;
  abre(c);
  auto* nome = w<TTolvEdit>("DeNome");
  digita(nome, QString());
  nome->clear();
  sai();
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_EQ(m_caixa.ultima().texto, QString::fromUtf8(GetParam().mensagem));
  EXPECT_EQ(QApplication::focusWidget(), nome);
  m_caixa.limpa();
  EXPECT_FALSE(m_pagina->PodeSair());
  digita(nome, QStringLiteral("NOVO NOME"));
  sai();
  EXPECT_TRUE(m_pagina->PodeSair());
  EXPECT_EQ(relido()->GetContribuinte().GetNome().GetValor(), "NOVO NOME");
}

INSTANTIATE_TEST_SUITE_P(Declarantes, NomeVazio,
                         testing::Values(CasoNomeVazio{true, "Nome inválido."},
                                         CasoNomeVazio{false, "Nome empresarial incompleto ou inválido."}),
                         [](const testing::TestParamInfo<CasoNomeVazio>& info) {
                           return std::string(info.param.pessoa ? "Pessoa" : "Empresa");
                         });

// A special situation of a company: a row of amounts over the year, in the declaration's database.
class SituacaoEspecial : public PaginaCabecalho {
 protected:
  void abreComValores(const QString& dataEvento) {
    Cabecalho c;
    c.especial = true;
    c.dataEvento = dataEvento;
    cria(c);
    m_pasta.roda(Banco(kCnpj),
                 QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, "
                                "E_NR_PF_PJ, VL_RENDIME_MAR, VL_RENDIME_JUN, VL_RENDIME_JUL, VL_RENDIME_DEZ) VALUES "
                                "(1, 1, '0561', '1', '123456789', 100, 200, 300, 400)"));
    mostra();
  }
  QString valores() const {
    return leDeclaracao(QStringLiteral("SELECT VL_RENDIME_MAR || '|' || VL_RENDIME_JUN || '|' || VL_RENDIME_JUL || "
                                       "'|' || VL_RENDIME_DEZ FROM TOLV_ITENS"));
  }
  QString dataGuardada() const {
    return leDeclaracao(QStringLiteral("SELECT DATA_EVENTO FROM TOLVS")) + u'|' +
           LeIndice(QStringLiteral("SELECT DATA_EVENTO FROM TOLVS"));
  }
};

TEST_F(SituacaoEspecial, ADecemberEventIsStoredWithoutAQuestion) {
  abreComValores(QStringLiteral("10/03/2013"));
  digitaData(QStringLiteral("20/12/2013"));
  sai();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(m_tolv.GetDataEvento(), "20/12/2013");
  EXPECT_EQ(dataGuardada(), "20/12/2013|20/12/2013");
  EXPECT_EQ(valores(), "100.0000|200.0000|300.0000|400.0000");
}

TEST_F(SituacaoEspecial, AJuneEventAsksAndSimZeroesTheMonthsAfterItWithTheHeader) {
  abreComValores(QStringLiteral("10/03/2013"));
  m_caixa.responde(ResultadoMensagem::Sim);
  digitaData(QStringLiteral("15/06/2013"));
  sai();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, "Todos os valores posteriores ao mês junho serão excluídos. Deseja continuar?");
  EXPECT_EQ(valores(), "100.0000|200.0000|0.0000|0.0000");
  EXPECT_EQ(dataGuardada(), "15/06/2013|15/06/2013");
  EXPECT_EQ(m_tolv.GetMesEvento(), 6);
  // Every exit from a date asks again, also unchanged; "Não" leaves it as it was.
  m_caixa.responde(ResultadoMensagem::Nao);
  foca(w<TEditData>("EdDataEvento")->Edit());
  sai();
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.ultima().texto, "Todos os valores posteriores ao mês junho serão excluídos. Deseja continuar?");
  EXPECT_EQ(m_tolv.GetDataEvento(), "15/06/2013");
  EXPECT_EQ(dataGuardada(), "15/06/2013|15/06/2013");
}

// A day of one digit typed with another year: the year becomes the calendar year, a day 0 the 1st.
struct CasoDataDigitada {
  const char* digitado;
  QDate data;
};
class DataDoEventoDigitada : public SituacaoEspecial, public testing::WithParamInterface<CasoDataDigitada> {};

TEST_P(DataDoEventoDigitada, TakesTheCalendarYear) {
  abreComValores(QStringLiteral("10/03/2013"));
  auto* picker = w<TEditData>("EdDataEvento");
  foca(picker->Edit());
  picker->Edit()->selectAll();
  QTest::keyClicks(picker->Edit(), QString::fromLatin1(GetParam().digitado));
  EXPECT_EQ(picker->Data(), GetParam().data);
  m_caixa.responde(ResultadoMensagem::Sim);
  sai();
  EXPECT_EQ(m_tolv.GetDataEvento(), GetParam().data.toString(QStringLiteral("dd/MM/yyyy")));
}

INSTANTIATE_TEST_SUITE_P(Datas, DataDoEventoDigitada,
                         testing::Values(CasoDataDigitada{"5/04/2012", QDate(2013, 4, 5)},
                                         CasoDataDigitada{"0/05/2014", QDate(2013, 5, 1)},
                                         CasoDataDigitada{"7/08/2013", QDate(2013, 8, 7)},
                                         CasoDataDigitada{"21/09/2013", QDate(2013, 9, 21)}));

TEST_F(SituacaoEspecial, AnEmptiedDateComesBackOnLeaving) {
  abreComValores(QStringLiteral("10/03/2013"));
  auto* picker = w<TEditData>("EdDataEvento");
  foca(picker->Edit());
  picker->Edit()->selectAll();
  QTest::keyClick(picker->Edit(), Qt::Key_Delete);
  EXPECT_FALSE(picker->Data().isValid());
  sai();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(picker->Data(), QDate(2013, 3, 10));
  EXPECT_EQ(picker->Texto(), "10/03/2013");
  EXPECT_EQ(m_tolv.GetDataEvento(), "10/03/2013");
  EXPECT_EQ(valores(), "100.0000|200.0000|300.0000|400.0000");
}

TEST_F(SituacaoEspecial, NaoPutsTheRememberedDateBackAlsoOnADayBeforeThe30th) {
  abreComValores(QStringLiteral("10/03/2013"));
  m_caixa.responde(ResultadoMensagem::Nao);
  digitaData(QStringLiteral("15/06/2013"));
  sai();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_pagina->DataLembrada(), "10/03/2013");
  EXPECT_EQ(m_tolv.GetDataEvento(), "10/03/2013");
  EXPECT_EQ(w<TEditData>("EdDataEvento")->Data(), QDate(2013, 3, 10));
  EXPECT_EQ(valores(), "100.0000|200.0000|300.0000|400.0000");
  EXPECT_EQ(dataGuardada(), "10/03/2013|10/03/2013");
}

TEST_F(SituacaoEspecial, AClosingThatFailsLeavesTheAmountsAndTheStoredHeaderAsTheyWere) {
  abreComValores(QStringLiteral("10/03/2013"));
  // Another attachment holds the row: the closing cannot zero it.
  bd::Conexao outra(m_pasta.dados() + u'/' + Banco(kCnpj));
  outra.conecta();
  bd::Transacao trava(outra, {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
  bd::Consulta(trava, QStringLiteral("UPDATE TOLV_ITENS SET VL_RENDIME_MAR = 101")).executa();
  m_caixa.responde(ResultadoMensagem::Sim);
  digitaData(QStringLiteral("15/06/2013"));
  sai();
  trava.rollback();
  outra.desconecta();
  EXPECT_EQ(valores(), "100.0000|200.0000|300.0000|400.0000");
  EXPECT_EQ(dataGuardada(), "10/03/2013|10/03/2013");
}

TEST_F(SituacaoEspecial, APersonsEventTypeIsStored) {
  Cabecalho c;
  c.pessoa = true;
  c.especial = true;
  c.dataEvento = QStringLiteral("20/12/2013");
  abre(c);
  auto* tipo = w<QComboBox>("CbTipoEvento");
  EXPECT_EQ(tipo->currentIndex(), 0);
  tipo->setCurrentIndex(2);
  EXPECT_EQ(m_tolv.GetTipoEvento(), 2);
  ASSERT_TRUE(m_pagina->PodeSair());
  EXPECT_EQ(relido()->GetTipoEvento(), 2);
}

TEST_F(PaginaCabecalho, AHeaderThatCannotBeStoredKeepsTheUserOnThePage) {
  abre();
  m_tolv.SetDataEvento(QStringLiteral("31/02/2013"));
  EXPECT_FALSE(m_pagina->PodeSair());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  m_tolv.SetDataEvento(QStringLiteral("28/02/2013"));
  EXPECT_TRUE(m_pagina->PodeSair());
}

TEST_F(PaginaCabecalho, TypedValuesAreStoredWhenTheDeclarationClosesWithoutLeavingThePage) {
  abre();
  digita(w<TTolvEdit>("DeNome"), QStringLiteral("OUTRA EMPRESA LTDA"));
  digita(w<TTolvEdit>("DeRespNoCnpj"), kCpfResponsavel);
  // Still focused: the page container closes its pages.
  fecha();
  const auto t = relido();
  EXPECT_EQ(t->GetContribuinte().GetNome().GetValor(), "OUTRA EMPRESA LTDA");
  EXPECT_EQ(t->GetRespCnpj().GetNiDigitos(), kCpfResponsavel);
}

class Responsaveis : public PaginaCabecalho {
 protected:
  void SetUp() override {
    PaginaCabecalho::SetUp();
    m_pasta.roda(QStringLiteral("Tolv.FDB"),
                 QStringLiteral("INSERT INTO RESPONSAVEIS (NR_PF, NM_RESP, ED_DDD, ED_TELEFONE, ED_RAMAL, ED_FAX, "
                                "ED_EMAIL) VALUES ('529982247', 'MARIA CONTADORA', '61', '33334444', '12', "
                                "'33335555', 'maria@exemplo.com.br')"));
  }
  void digitaCpf(const QString& cpf) {
    auto* combo = w<QComboBox>("DblcResponsavel");
    foca(combo);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), cpf);
  }
};

TEST_F(Responsaveis, ACpfOfTheListFillsThePersonAndAnotherEmptiesIt) {
  abre();
  auto* combo = w<QComboBox>("DblcResponsavel");
  EXPECT_EQ(combo->count(), 1);
  digitaCpf(kCpfResponsavel);
  sai();
  const TResponsavel& r = m_tolv.GetResponsavel();
  EXPECT_EQ(r.GetNiDigitos(), kCpfResponsavel);
  EXPECT_EQ(combo->currentText(), "529.982.247-25");
  EXPECT_EQ(r.GetNome().GetValor(), "MARIA CONTADORA");
  EXPECT_EQ(r.GetFone().GetDDD().GetValor(), "61");
  EXPECT_EQ(r.GetFone().GetNumero().GetValor(), "33334444");
  EXPECT_EQ(r.GetFone().GetRamal().GetValor(), "12");
  EXPECT_EQ(r.GetFax().GetNumero().GetValor(), "33335555");
  EXPECT_EQ(r.GetEmail().GetValor(), "maria@exemplo.com.br");
  EXPECT_EQ(w<TTolvEdit>("DeNomeResp")->text(), "MARIA CONTADORA");
  EXPECT_EQ(relido()->GetResponsavel().GetNome().GetValor(), "MARIA CONTADORA");

  digitaCpf(kCpf);
  sai();
  EXPECT_EQ(r.GetNiDigitos(), kCpf);
  EXPECT_TRUE(r.GetNome().GetValor().isEmpty());
  EXPECT_TRUE(r.GetFone().GetNumero().GetValor().isEmpty());
  EXPECT_TRUE(r.GetEmail().GetValor().isEmpty());
}

TEST_F(Responsaveis, TheCpfBoxTakesElevenCharactersAndAPastedNumbersDigits) {
  abre();
  auto* combo = w<QComboBox>("DblcResponsavel");
  digitaCpf(kCpfResponsavel + QStringLiteral("123"));
  EXPECT_EQ(combo->currentText(), kCpfResponsavel);
  QApplication::clipboard()->setText(QStringLiteral("529.982.247-25"));
  combo->lineEdit()->selectAll();
  QTest::keySequence(combo->lineEdit(), QKeySequence::Paste);
  EXPECT_EQ(combo->currentText(), "52998224725");
  sai();
  // Left, it shows the CPF formatted in full.
  EXPECT_EQ(combo->currentText(), "529.982.247-25");
  EXPECT_EQ(m_tolv.GetResponsavel().GetNome().GetValor(), "MARIA CONTADORA");
}

TEST_F(Responsaveis, AnInvalidCpfIsRefusedAndTheFocusStaysOnTheList) {
  abre();
  digitaCpf(QStringLiteral("52998224700"));
  sai();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  auto* combo = w<QComboBox>("DblcResponsavel");
  EXPECT_TRUE(QApplication::focusWidget() == combo || QApplication::focusWidget() == combo->lineEdit());
  EXPECT_TRUE(m_tolv.GetResponsavel().GetNiDigitos().isEmpty());
}

TEST_F(Responsaveis, APersonWhoIsAlsoTheResponsibleKeepsOneName) {
  Cabecalho c;
  c.pessoa = true;
  c.cpfResponsavel = kCpf;
  c.nomeResponsavel = QStringLiteral("JOSE DA SILVA");
  abre(c);
  auto* nomeResp = w<TTolvEdit>("DeNomeResp");
  EXPECT_TRUE(nomeResp->isReadOnly());
  EXPECT_EQ(nomeResp->focusPolicy(), Qt::NoFocus);
  digita(w<TTolvEdit>("DeNome"), QStringLiteral("JOSE DA SILVA SAURO"));
  EXPECT_EQ(nomeResp->text(), "JOSE DA SILVA SAURO");
  sai();
  EXPECT_EQ(m_tolv.GetResponsavel().GetNome().GetValor(), "JOSE DA SILVA SAURO");
  ASSERT_TRUE(m_pagina->PodeSair());
  EXPECT_EQ(relido()->GetResponsavel().GetNome().GetValor(), "JOSE DA SILVA SAURO");
}

TEST_F(Responsaveis, EnterMovesOnFromTheButtonsAndTheList) {
  abre();
  auto* nao = w<QRadioButton>("RbNaoRetificadora");
  foca(nao);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_NE(QApplication::focusWidget(), nao);
  EXPECT_TRUE(nao->isChecked());
  digitaCpf(kCpfResponsavel);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w("DeNomeResp"));
  EXPECT_EQ(m_tolv.GetResponsavel().GetNome().GetValor(), "MARIA CONTADORA");
}

// The header page in the main window, with fake pages elsewhere.
class CabecalhoNaJanela : public PaginaCabecalho {
 protected:
  void SetUp() override {
    PaginaCabecalho::SetUp();
    QApplication::setQuitOnLastWindowClosed(false);
    PassosPrincipal passos;
    m_indicePrincipal.Conecta(passos);
    passos.registraPaginas = [this](TFrDeclaracao& conteiner) {
      RegistraPaginasFalsas(conteiner, m_diario);
      conteiner.RegistraPagina(TFrDeclaracao::Informacoes, [](QWidget* pai) { return new TFrInformacoesTolv(pai); });
    };
    m_janela = std::make_unique<TTolv2014>(m_ambiente, passos);
    m_janela->resize(1100, 760);
    ASSERT_TRUE(AtivaJanela(m_janela.get()));
    // Enabled once the start-up is over.
    m_janela->setEnabled(true);
  }
  void TearDown() override {
    m_janela.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_indicePrincipal.FecharColecoes();
    PaginaCabecalho::TearDown();
  }
  void criaNaJanela(const Cabecalho& c) {
    m_cabecalho = c;
    TTolv t;
    TErros erros;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(numero());
    t.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA TESTE LTDA"));
    t.GetEstabelecimentoResponsavel().SetNi(kCnpj);
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
    m_janela->GetColecaoTolv().Inclui(t);
    t.LiberaItens();
  }
  bool abreNaJanela() {
    TTolv& t = m_janela->GetTolv();
    t.GetContribuinte().SetNi(kCnpj);
    t.SetAnoCalendario(QStringLiteral("2013"));
    if (!m_janela->GetColecaoTolv().CarregaTolv(t)) return false;
    return m_janela->AbrirDeclaracao();
  }
  TFrInformacoesTolv* pagina() const {
    return static_cast<TFrInformacoesTolv*>(m_janela->FrDeclaracao()->PaginaDe(TFrDeclaracao::Informacoes));
  }

  AmbienteFalso m_ambiente;
  QStringList m_diario;
  IndicePrincipal m_indicePrincipal;
  std::unique_ptr<TTolv2014> m_janela;
};

TEST_F(CabecalhoNaJanela, OpeningLandsOnTheNameAndTheValuesComeBackAfterReopening) {
  criaNaJanela({});
  ASSERT_TRUE(abreNaJanela());
  ASSERT_NE(pagina(), nullptr);
  auto* nome = pagina()->findChild<TTolvEdit*>("DeNome");
  EXPECT_EQ(QApplication::focusWidget(), nome);
  EXPECT_EQ(nome->text(), "EMPRESA TESTE LTDA");

  nome->selectAll();
  QTest::keyClicks(nome, QStringLiteral("NOVA RAZAO SOCIAL SA"));
  QTest::mouseClick(pagina()->findChild<QRadioButton*>("RbSimRetificadora"), Qt::LeftButton);
  EXPECT_EQ(m_janela->windowTitle(), "Tolv 2014 - 11.444.777/0001-61 - NOVA RAZAO SOCIAL SA - Versão 1.5");
  ASSERT_TRUE(m_janela->FecharDeclaracao());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  ASSERT_TRUE(abreNaJanela());
  EXPECT_EQ(m_janela->GetTolv().GetContribuinte().GetNome().GetValor(), "NOVA RAZAO SOCIAL SA");
  EXPECT_EQ(m_janela->GetTolv().GetTipoDeclaracao(), "R");
  EXPECT_TRUE(pagina()->findChild<QRadioButton*>("RbSimRetificadora")->isChecked());
  EXPECT_EQ(pagina()->findChild<TTolvEdit*>("DeNome")->text(), "NOVA RAZAO SOCIAL SA");
  ASSERT_TRUE(m_janela->FecharDeclaracao());
}

}  // namespace
