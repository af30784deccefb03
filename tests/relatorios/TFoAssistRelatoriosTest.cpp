#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

#include "RelatoriosTeste.h"
#include "controles/IServicosPrincipal.h"
#include "controles/TListaDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "entrega/TransmissaoTeste.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/sistema/ArquivoIni.h"
#include "relatorios/EscolhasImpressao.h"
#include "relatorios/gui/TFoAssistRelatorios.h"
#include "secoes/TFrPesquisarTolv.h"

using namespace relatorios_teste;

namespace {

const QString kCnpj = QStringLiteral("11444777000161");
const QString kCpf = QStringLiteral("11144477735");

// The main window as the wizard asks it: whether a declaration is open.
class ServicosFalsos : public IServicosPrincipal {
 public:
  ServicosFalsos() : m_anteriores(InstalaServicosPrincipal(this)) {}
  ~ServicosFalsos() override { InstalaServicosPrincipal(m_anteriores); }
  QWidget* Janela() override { return nullptr; }
  TTolv& GetTolv() override { return m_tolv; }
  TColecaoTolv& GetColecaoTolv() override { throw std::logic_error("sem índice"); }
  bool DeclaracaoAberta() const override { return aberta; }
  void IrParaPendencia(const QString&, const QString&, int) override {}
  bool EdicaoInvalida() const override { return false; }
  void DefineEdicaoInvalida(bool) override {}
  void AtualizaMenus() override {}
  void Imprime(int) override {}

  bool aberta = false;

 private:
  IServicosPrincipal* m_anteriores;
  TTolv m_tolv;
};

class Assistente : public ComDeclaracoes {
 protected:
  void SetUp() override {
    ComDeclaracoes::SetUp();
    m_tolv.SetErros(&m_errosTolv);
  }
  void TearDown() override {
    TipoImpressao = 0;
    m_tolv.LiberaItens();
    ComDeclaracoes::TearDown();
  }

  // Runs the wizard for the print kind; `passos` drives its window once shown (none: a window
  // that shows is a failure, and is cancelled).
  int Roda(int tipo, std::function<void(TFoAssistRelatorios&)> passos = {}) {
    TipoImpressao = tipo;
    bool mostrou = false;
    // The wizard may let events through before its window shows: watch until it does.
    QTimer vigia;
    vigia.setInterval(5);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
      auto* janela = qobject_cast<TFoAssistRelatorios*>(QApplication::activeModalWidget());
      if (!janela || !janela->isVisible()) return;
      vigia.stop();
      mostrou = true;
      if (passos) {
        passos(*janela);
        // A step that failed leaves the window open: it goes, so that the test ends.
        if (janela->isVisible()) {
          ADD_FAILURE() << "o assistente ficou aberto na página " << janela->PaginaAtual();
          janela->CancelBtnClick();
        }
      } else {
        ADD_FAILURE() << "a janela do assistente abriu";
        janela->CancelBtnClick();
      }
    });
    vigia.start();
    const int codigo = ExecutaAssistenteRelatorios(nullptr, m_recibos, m_tolv, Indice(), m_sufixo, m_beneficiario);
    QCoreApplication::processEvents();
    EXPECT_EQ(mostrou, bool(passos));
    return codigo;
  }
  QString LeIni(const QString& secao, const QString& chave) const {
    return ArquivoIni(EscolhasImpressao::Arquivo()).le(secao, chave, QStringLiteral("<ausente>"));
  }
  void GravaIni(const QString& secao, const QString& chave, const QString& valor) const {
    ArquivoIni(EscolhasImpressao::Arquivo()).grava(secao, chave, valor);
  }

  ServicosFalsos m_servicos;
  TErros m_errosTolv;
  TTolv m_tolv;
  QStringList m_recibos{QStringLiteral("anterior.DEC")};
  QString m_sufixo = QStringLiteral("Lista de beneficiários");
  QString m_beneficiario;
};

struct CasoSemJanela {
  const char* nome;
  int tipo;
  bool aberta;
  const char* impressao;  // Relatorio/Impressao in Tolv.ini; nullptr: no file
  int codigo;
  const char* chave;  // the key the kind writes, "secao/chave=valor"; "" none
};

class SemJanela : public Assistente, public testing::WithParamInterface<CasoSemJanela> {};

}  // namespace

TEST_P(SemJanela, AnswersAtOnceByTheOutputChoiceAndKeepsTheChoices) {
  const CasoSemJanela& c = GetParam();
  m_servicos.aberta = c.aberta;
  if (c.impressao) GravaIni(QStringLiteral("Relatorio"), QStringLiteral("Impressao"), QString::fromLatin1(c.impressao));
  EXPECT_EQ(Roda(c.tipo), c.codigo);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(m_recibos, QStringList{"anterior.DEC"});
  // Absent, the file is written at the end with the defaults; a value not listed stays as read
  // and is written back as the choice it left.
  EXPECT_EQ(LeIni(QStringLiteral("Beneficiarios"), QStringLiteral("Ordenacao")), "Alfabetica");
  const bool imprimir = c.impressao && QByteArray(c.impressao) == "Imprimir";
  EXPECT_EQ(LeIni(QStringLiteral("Relatorio"), QStringLiteral("Impressao")), imprimir ? "Imprimir" : "Visualizar");
  const QString chave = QString::fromLatin1(c.chave);
  if (!chave.isEmpty()) {
    const QStringList partes = chave.split(QRegularExpression(QStringLiteral("[/=]")));
    EXPECT_EQ(LeIni(partes[0], partes[1]), partes[2]);
  }
  EXPECT_EQ(QDir::currentPath(), QDir(m_pasta.caminho()).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, SemJanela,
    testing::Values(
        CasoSemJanela{"MensalAbertaSemArquivo", 8, true, nullptr, 20, "Relatorio/Tipo=TotalMensalCodigo"},
        CasoSemJanela{"MensalAbertaImprimir", 8, true, "Imprimir", 21, "Relatorio/Tipo=TotalMensalCodigo"},
        CasoSemJanela{"CompletaAberta", 1, true, "Imprimir", 11, "Relatorio/Base=Declaracao"},
        CasoSemJanela{"ListaAberta", 5, true, "Visualizar", 5, "Relatorio/Tipo=ListaBeneficiario"},
        CasoSemJanela{"AnaliticoAberta", 6, true, "Imprimir", 4, "Relatorio/Detalhamento=Analitico"},
        CasoSemJanela{"SinteticoAberta", 7, true, nullptr, 1, "Relatorio/Detalhamento=Sintetico"},
        CasoSemJanela{"ResumoAberta", 10, true, "Imprimir", 23, ""},
        CasoSemJanela{"TodosComprovantes", 3, true, "Imprimir", 15, "Comprovante/Beneficiarios=Todos"},
        CasoSemJanela{"TodosComprovantesFechada", 3, false, "Visualizar", 14, "Comprovante/Beneficiarios=Todos"},
        CasoSemJanela{"Gerencial", 9, false, "Imprimir", 8, "Relatorio/Tipo=Gerencial"},
        CasoSemJanela{"ValorForaDaLista", 8, true, "imprimir", 20, ""},
        CasoSemJanela{"Nenhum", 0, false, "Imprimir", 0, ""},
        CasoSemJanela{"AcimaDeDez", 11, true, nullptr, 0, ""}),
    [](const testing::TestParamInfo<CasoSemJanela>& info) { return std::string(info.param.nome); });

TEST_F(Assistente, TheDeclarationListFiltersWithParametersAndLoadsTheChosenOneReadOnly) {
  Cria(kCnpj, QStringLiteral("EMPRESA DE TESTE LTDA"));
  TTolv& ana = Cria(kCpf, QStringLiteral("ANA SOUZA"));
  bd::Conexao* compartilhada = TColecao::GetBancoDeclaracao();
  const QString arquivo = compartilhada ? compartilhada->arquivo() : QString();
  GravaIni(QStringLiteral("Relatorio"), QStringLiteral("Impressao"), QStringLiteral("Imprimir"));
  const int codigo = Roda(5, [&](TFoAssistRelatorios& a) {
    EXPECT_EQ(a.windowTitle(), "Impressão - Lista de beneficiários");
    EXPECT_EQ(a.PaginaAtual(), 2);
    EXPECT_TRUE(a.AvancarHabilitado());
    TListaDeclaracoes& lista = *a.Lista();
    EXPECT_EQ(lista.Modelo().Lidas(), 2);
    // A quote is only a character of the parameter: nothing matches, the list comes back.
    lista.edtNome()->setFocus();
    lista.edtNome()->setText(QStringLiteral("O'NEIL"));
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_EQ(m_caixa.ultima().texto, "Não consta declaração para este nome/nome empresarial.");
    EXPECT_FALSE(a.AvancarHabilitado());
    EXPECT_EQ(lista.Modelo().Lidas(), 2);
    lista.edtNome()->setText(QStringLiteral("ana"));
    EXPECT_TRUE(a.AvancarHabilitado());
    ASSERT_EQ(lista.Modelo().Lidas(), 1);
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
  });
  EXPECT_EQ(codigo, 6);
  EXPECT_EQ(m_tolv.GetTolvDK(), ana.GetTolvDK());
  EXPECT_EQ(m_tolv.GetContribuinte().GetNome().GetValor(), "ANA SOUZA");
  EXPECT_EQ(m_tolv.GetArquivo(), ana.GetNomeBancoDeclaracao());
  // Only read: the shared declaration connection stays where it was.
  EXPECT_EQ(TColecao::GetBancoDeclaracao(), compartilhada);
  if (compartilhada) {
    EXPECT_EQ(compartilhada->arquivo(), arquivo);
  }
  EXPECT_EQ(LeIni(QStringLiteral("Relatorio"), QStringLiteral("Tipo")), "ListaBeneficiario");
}

TEST_F(Assistente, ADoubleClickOnAnEmptyListKeepsTheWizardOnItsPage) {
  const int codigo = Roda(1, [&](TFoAssistRelatorios& a) {
    EXPECT_EQ(a.PaginaAtual(), 2);
    EXPECT_TRUE(a.Lista()->Vazia());
    EXPECT_FALSE(a.AvancarHabilitado());
    // Enter does nothing while Avançar is off.
    QTest::keyClick(a.Lista()->Grade(), Qt::Key_Return);
    EXPECT_TRUE(m_caixa.chamadas().empty());
    emit a.Lista()->Escolhida();
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_EQ(m_caixa.ultima().texto, "Nenhuma declaração foi selecionada.");
    EXPECT_EQ(m_caixa.ultima().titulo, "Informação");
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.PaginaAtual(), 2);
    a.CancelBtnClick();
  });
  EXPECT_EQ(codigo, 0);
  EXPECT_TRUE(m_tolv.GetTolvDK().isEmpty());
}

TEST_F(Assistente, KeysTypedOnTheListPageFeedItsTypeAhead) {
  Cria(kCnpj, QStringLiteral("EMPRESA DE TESTE LTDA"));
  Roda(6, [&](TFoAssistRelatorios& a) {
    a.Lista()->Grade()->setFocus();
    QTest::keyClicks(a.Lista()->Grade(), QStringLiteral("1144"));
    EXPECT_EQ(a.Lista()->Buffer(), "1144");
    a.Lista()->BuscaIncremental();
    EXPECT_EQ(a.Lista()->LinhaAtual(), 0);
    // The number box keeps digits only, also of what is pasted.
    QApplication::clipboard()->setText(QStringLiteral("11.444.777/0001-61"));
    a.Lista()->edtCPFCNPJ()->setFocus();
    a.Lista()->edtCPFCNPJ()->paste();
    EXPECT_EQ(a.Lista()->edtCPFCNPJ()->text(), kCnpj);
    a.CancelBtnClick();
  });
}

TEST_F(Assistente, ReceiptsOfTheFilesChosenInAFolder) {
  QTemporaryDir raiz;
  const QString pasta = raiz.filePath(QStringLiteral("entregues"));
  const QString comRecibo = pasta + QStringLiteral("/11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC");
  transmissao_teste::Grava(comRecibo, transmissao_teste::Declaracao("DECPF|11144477735|ANA SOUZA|"));
  EnvelopeTolv envelope;
  ASSERT_EQ(envelope.Abrir(1, comRecibo), 0);
  ASSERT_EQ(envelope.SetValor(QStringLiteral("controle_bvd"), QStringLiteral("1234567890")), 0);
  ASSERT_EQ(envelope.SalvarEnvelope(), 0);
  transmissao_teste::Grava(pasta + QStringLiteral("/11144477735-TOLV-2014-2013-ORIGI-NORMAL.REC"), "recibo");
  transmissao_teste::Grava(pasta + QStringLiteral("/11222333000181-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                           transmissao_teste::Declaracao("DECPJ|11222333000181|PADARIA LTDA|"));
  m_sufixo = QStringLiteral("Recibo de entrega");
  const int codigo = Roda(2, [&](TFoAssistRelatorios& a) {
    EXPECT_EQ(a.PaginaAtual(), 6);
    // No folder, and no to the default one: the page stays.
    a.EdArquivo()->clear();
    m_caixa.responde(ResultadoMensagem::Nao);
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_EQ(m_caixa.ultima().titulo, "Procurar Declaração");
    EXPECT_EQ(m_caixa.ultima().texto, "Nenhum local foi informado. Procurar no local padrão do sistema?");
    EXPECT_EQ(a.PaginaAtual(), 6);
    a.EdArquivo()->setText(raiz.filePath(QStringLiteral("nao_existe")));
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
    EXPECT_EQ(m_caixa.ultima().texto, "Local inválido ou inexistente.");
    EXPECT_EQ(a.PaginaAtual(), 6);
    a.EdArquivo()->setText(pasta);
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
    EXPECT_EQ(a.PaginaAtual(), 3);
    // Only the transmitted file, and nothing chosen yet.
    EXPECT_EQ(a.Pesquisa()->Geradas().quantidade(), 1);
    EXPECT_FALSE(a.AvancarHabilitado());
    a.BtnRetornarClick();
    EXPECT_EQ(a.PaginaAtual(), 6);
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
    EXPECT_EQ(a.PaginaAtual(), 3);
    a.Pesquisa()->AlternaSelecao(0);
    EXPECT_TRUE(a.AvancarHabilitado());
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
  });
  EXPECT_EQ(codigo, 12);
  EXPECT_EQ(m_recibos, QStringList({QStringLiteral("anterior.DEC"), comRecibo}));

  // Nothing chosen: Cancelar answers 0 and the list is as it was.
  m_recibos = QStringList{QStringLiteral("anterior.DEC")};
  EXPECT_EQ(Roda(2,
                 [&](TFoAssistRelatorios& a) {
                   a.EdArquivo()->setText(pasta);
                   a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
                   EXPECT_FALSE(a.AvancarHabilitado());
                   a.CancelBtnClick();
                 }),
            0);
  EXPECT_EQ(m_recibos, QStringList{"anterior.DEC"});
}

TEST_F(Assistente, OneBeneficiarysStatement) {
  TTolv& empresa = Cria(kCnpj, QStringLiteral("EMPRESA DE TESTE LTDA"));
  m_pasta.roda(empresa.GetNomeBancoDeclaracao(),
               QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, "
                              "NM_NM_EMPR) VALUES (101, 1, '0561', '1', '111222333', 'JOSE DA SILVA')"));
  m_servicos.aberta = true;
  m_tolv.SetTolvDK(empresa.GetTolvDK());
  ASSERT_TRUE(Indice().CarregaTolv(m_tolv));
  GravaIni(QStringLiteral("Relatorio"), QStringLiteral("Impressao"), QStringLiteral("Imprimir"));
  m_sufixo.clear();
  const int codigo = Roda(4, [&](TFoAssistRelatorios& a) {
    EXPECT_EQ(a.windowTitle(), "Impressão");
    EXPECT_EQ(a.PaginaAtual(), 4);
    // Nothing searched: no message, the page stays.
    a.SpeedBtn(TFormAssistNovo::Botao::Avancar)->click();
    EXPECT_TRUE(m_caixa.chamadas().empty());
    EXPECT_EQ(a.PaginaAtual(), 4);
    TFrPesquisarTolv& pesquisa = *a.PesquisaBeneficiario();
    pesquisa.findChild<QComboBox*>(QStringLiteral("DbcbNome"))->setEditText(QStringLiteral("JOSE"));
    ASSERT_TRUE(pesquisa.ExecutarClick());
    ASSERT_EQ(pesquisa.QuantidadeLinhas(), 1);
    pesquisa.Grade()->setCurrentIndex(pesquisa.Grade()->model()->index(0, 0));
    // Avançar went off with the empty search; a double click on the hit advances all the same.
    EXPECT_FALSE(a.AvancarHabilitado());
    emit pesquisa.GridDblClick();
  });
  EXPECT_EQ(codigo, 19);
  EXPECT_TRUE(m_beneficiario.startsWith(QStringLiteral("111.222.333-"))) << m_beneficiario.toStdString();
  EXPECT_EQ(LeIni(QStringLiteral("Comprovante"), QStringLiteral("Beneficiarios")), "Um");
}

TEST_F(Assistente, ASecondCallWhileTheWizardRunsAnswersZero) {
  int segunda = -1;
  Roda(7, [&](TFoAssistRelatorios& a) {
    QStringList recibos;
    QString beneficiario;
    segunda = ExecutaAssistenteRelatorios(nullptr, recibos, m_tolv, Indice(), QString(), beneficiario);
    a.CancelBtnClick();
  });
  EXPECT_EQ(segunda, 0);
  // Over: the next call runs.
  m_servicos.aberta = true;
  EXPECT_EQ(Roda(7), 1);
}
