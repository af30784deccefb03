// The previous-years wizard driven offscreen: its page routes with each page's buttons, the
// decompression library absent, failing, cancelled and succeeding (the test's stand-in), the
// declarant record of the older layout, the hand-over that stores nothing, and the
// income-statement pages that no page leads to.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

#include "../AnosAnterioresTeste.h"
#include "controles/TGradeDeclaracoes.h"
#include "controles/TTolvEdit.h"
#include "nucleo/TArquivoIni.h"
#include "nucleo/TTolvItem.h"
#include "validador/ImportacaoAnosAnteriores.h"
#include "validador/gui/TFoAssistImportacao.h"
#include "validador/gui/TTolvGridAmostra.h"

namespace {

using namespace anos_anteriores_teste;

const QString kAntiga = QStringLiteral("11222333000181");

// What the footer offers: Voltar, Avançar, Concluir, Cancelar and Concluir's caption.
struct Botoes {
  bool voltar, avancar, concluir, cancelar;
  const char* legenda;
  bool operator==(const Botoes&) const = default;
};

std::ostream& operator<<(std::ostream& s, const Botoes& b) {
  return s << b.voltar << b.avancar << b.concluir << b.cancelar << ' ' << b.legenda;
}

class AssistenteAnosAnteriores : public ComDeclaracoes {
 protected:
  void SetUp() override {
    ComDeclaracoes::SetUp();
    m_indice = std::make_unique<TColecaoTolv>();
    m_assistente = std::make_unique<TFoAssistImportacao>(*m_indice);
    m_assistente->show();
  }
  void TearDown() override {
    m_assistente.reset();
    ComDeclaracoes::TearDown();
  }

  TFoAssistImportacao& A() { return *m_assistente; }
  template <class W>
  W* Acha(const char* nome) {
    W* w = A().findChild<W*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  Botoes Estado() {
    return {A().BtnRetornar()->isEnabled(), A().BtnAvancar()->isEnabled(), A().BtnOK()->isEnabled(),
            A().CancelBtn()->isEnabled(), A().BtnOK()->text() == u"&Fechar" ? "Fechar" : "Concluir"};
  }
  void Avanca() { A().BtnAvancar()->click(); }
  void Conclui() { A().BtnOK()->click(); }

  // An older-layout text file of a company that has no declaration yet.
  QString ArquivoAntigo(const QString& ano = QStringLiteral("2008"), bool cabecalho = true) {
    QStringList linhas;
    if (cabecalho) linhas << Registro(60, {{1, QStringLiteral("TOLV")}, {37, QStringLiteral("2008")}});
    linhas << Declarante(kAntiga, ano, QStringLiteral("EMPRESA ANTIGA LTDA"))
           << Beneficiario(3, kAntiga, kAna, QStringLiteral("ANA DE SOUZA"), 123456, 7890)
           << Registro(30, {{1, QStringLiteral("00000004")}, {9, QStringLiteral("3")}})
           << Beneficiario(5, kAntiga, kBia, QStringLiteral("BIA DE SOUZA"), 100, 0);
    return Arquivo(linhas, QStringLiteral("antiga.txt"));
  }
  // A written declaration of an earlier year, as the stand-in library knows it.
  QString Escrita(const QByteArray& inicio) {
    QByteArray conteudo = inicio;
    const QString texto = ArquivoAntigo();
    QFile f(texto);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    conteudo += f.readAll();
    const QString arquivo = m_pasta.caminho() + QStringLiteral("/antiga.D10");
    QFile d(arquivo);
    EXPECT_TRUE(d.open(QIODevice::WriteOnly));
    d.write(conteudo);
    return arquivo;
  }
  void ComBiblioteca() {
    TArquivoIni::GravaString(QStringLiteral("Compressao"), QStringLiteral("Biblioteca"), QStringLiteral(TOLV_VEVIVAV_FALSA));
  }
  void VaiAoArquivo(const QString& arquivo) {
    Avanca();
    Acha<QLineEdit>("EdArquivo")->setText(arquivo);
  }
  void EscolheAno(int indice) {
    QComboBox* ano = Acha<QComboBox>("CbAnoRet");
    ano->setCurrentIndex(indice);
    emit ano->activated(indice);
  }

  std::unique_ptr<TFoAssistImportacao> m_assistente;
};

TEST_F(AssistenteAnosAnteriores, FirstPagesButtons) {
  EXPECT_EQ(A().windowTitle(), QStringLiteral("Assistente de análise/importação de arquivos"));
  EXPECT_EQ(A().PaginaAtual(), 1);
  EXPECT_EQ(Estado(), (Botoes{false, true, false, true, "Concluir"}));
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 2);
  EXPECT_EQ(Estado(), (Botoes{true, false, false, true, "Concluir"}));
}

// Page 2 lets the user on only with a file name; a backup archive is refused with its message.
struct CasoNome {
  const char* nome;
  bool segue;
  bool avisa;
};

class NomeDoArquivo : public AssistenteAnosAnteriores, public testing::WithParamInterface<CasoNome> {};

TEST_P(NomeDoArquivo, EnablesAvancarAndConcluir) {
  Avanca();
  m_caixa.limpa();
  Acha<QLineEdit>("EdArquivo")->setText(QString::fromUtf8(GetParam().nome));
  EXPECT_EQ(Estado(), (Botoes{true, GetParam().segue, GetParam().segue, true, "Concluir"}));
  ASSERT_EQ(m_caixa.chamadas().size(), GetParam().avisa ? 1u : 0u);
  if (GetParam().avisa) {
    EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Erro"));
    EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("O arquivo selecionado é uma cópia de segurança.")));
    EXPECT_TRUE(m_caixa.ultima().texto.contains(QString::fromUtf8(GetParam().nome)));
  }
}

INSTANTIATE_TEST_SUITE_P(Nomes, NomeDoArquivo,
                         testing::Values(CasoNome{"", false, false}, CasoNome{"/tmp/*.txt", false, false},
                                         CasoNome{"/tmp/CopSeg.CMP", false, true}, CasoNome{"/tmp/a.txt", true, false},
                                         CasoNome{"/tmp/a.DEC", true, false}));

TEST_F(AssistenteAnosAnteriores, AFileThatCannotBeReadKeepsPageTwo) {
  VaiAoArquivo(m_pasta.caminho() + QStringLiteral("/nao-existe.txt"));
  m_caixa.responde(ResultadoMensagem::Nao);
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 2);
}

TEST_F(AssistenteAnosAnteriores, ATextFileGoesToTheDeclarantWhoseRecordFillsThePage) {
  VaiAoArquivo(ArquivoAntigo());
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 4);
  EXPECT_EQ(Estado(), (Botoes{true, true, true, true, "Concluir"}));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Acha<QLabel>("LAlteracaoDados")->text(),
            QStringLiteral("Altere, se for o caso, o Nome/nome empresarial e indique o ano-calendário para a importação."));
  EXPECT_EQ(Acha<TTolvEdit>("DENome")->text(), QStringLiteral("EMPRESA ANTIGA LTDA"));
  QComboBox* ano = Acha<QComboBox>("CbAnoRet");
  EXPECT_EQ(ano->count(), 2);
  EXPECT_EQ(ano->itemText(0), QStringLiteral("2011"));
  EXPECT_EQ(ano->currentIndex(), -1);
  EXPECT_TRUE(Acha<QRadioButton>("RBAdSim")->isChecked());
  EXPECT_EQ(A().Declaracao().GetContribuinte().GetNiDigitos(), kAntiga);
  EXPECT_EQ(A().Declaracao().GetAnoCalendarioArquivo(), QStringLiteral("2008"));
  // The sample of page 5, read as the records' layout says.
  TTolvGridImpDecl* amostra = Acha<TTolvGridImpDecl>("grdImpDecl");
  EXPECT_EQ(amostra->Celula(0, 0), QStringLiteral("Ordem"));
  EXPECT_EQ(amostra->Celula(46, 0), QStringLiteral("688"));
  EXPECT_EQ(amostra->Celula(0, 1), QStringLiteral("00000003"));
  EXPECT_EQ(amostra->Celula(1, 1), QStringLiteral("2"));
  EXPECT_EQ(amostra->Celula(5, 1), kAna);
  EXPECT_EQ(amostra->Celula(6, 1).trimmed(), QStringLiteral("ANA DE SOUZA"));
  EXPECT_EQ(amostra->Celula(7, 1), QStringLiteral("1234,56"));
  EXPECT_EQ(amostra->Celula(8, 1), QStringLiteral("78,90"));
  EXPECT_EQ(amostra->Celula(0, 2), QStringLiteral("00000005"));
  EXPECT_EQ(amostra->Celula(0, 3), QString());
}

TEST_F(AssistenteAnosAnteriores, ThePagesChecksKeepTheUserOnPageFour) {
  VaiAoArquivo(ArquivoAntigo());
  Avanca();
  TTolvEdit* nome = Acha<TTolvEdit>("DENome");
  nome->setText(QString());
  m_caixa.limpa();
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 4);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Nome inválido."));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Informação"));
  nome->setText(QStringLiteral("EMPRESA ANTIGA LTDA"));
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 4);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Ano-calendário inválido."));
}

TEST_F(AssistenteAnosAnteriores, TheImportStoresNothingAndTheSummaryShowsNineZeros) {
  VaiAoArquivo(ArquivoAntigo());
  Avanca();
  EscolheAno(1);
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 5);
  EXPECT_EQ(Estado(), (Botoes{true, true, true, true, "Concluir"}));
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 7);
  EXPECT_EQ(Estado(), (Botoes{false, false, true, false, "Fechar"}));
  EXPECT_TRUE(A().ImgFechar()->isVisible());
  for (const char* nome : {"LbTotDecImp", "LbTotBenefAdic", "LbTotBenefSubs", "LbTotBenefConsol", "LbDescartados",
                           "LbTotRej", "LbAnexosAdic", "LbAdvAdic", "LbAvisos"})
    EXPECT_EQ(Acha<QLabel>(nome)->text(), QStringLiteral("0")) << nome;
  EXPECT_TRUE(Acha<QLabel>("LbTotDecImp")->isHidden());
  EXPECT_TRUE(Acha<QCheckBox>("CheckMostrRel")->isHidden());
  EXPECT_FALSE(A().MostraRelatorio());
  EXPECT_EQ(A().Declaracao().GetAnoCalendario(), QStringLiteral("2010"));
  EXPECT_EQ(A().Declaracao().GetEstadoImportacao(), 1);
  // Nothing reached the index.
  EXPECT_EQ(m_pasta.le(QStringLiteral("Tolv.FDB"), QStringLiteral("SELECT COUNT(*) FROM TOLVS")), QStringLiteral("0"));
  Conclui();
  EXPECT_EQ(A().result(), QDialog::Accepted);
}

TEST_F(AssistenteAnosAnteriores, ConcluirRunsThroughThePagesUntilACheckStopsIt) {
  VaiAoArquivo(ArquivoAntigo());
  Conclui();
  EXPECT_EQ(A().PaginaAtual(), 4);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Ano-calendário inválido."));
  EscolheAno(0);
  Conclui();
  EXPECT_EQ(A().PaginaAtual(), 7);
}

// The declarant record is looked for from the second line when the first is a header, and a
// file without one is refused with its layout message.
struct CasoDeclarante {
  const char* nome;
  bool cabecalho;
  const char* ano;
  bool declarante;
  const char* aviso;  // the notice or error shown, empty for none
};

class RegistroDeclarante : public AssistenteAnosAnteriores, public testing::WithParamInterface<CasoDeclarante> {};

TEST_P(RegistroDeclarante, IsReadOrRefused) {
  const CasoDeclarante& caso = GetParam();
  QString arquivo;
  if (caso.declarante) {
    arquivo = ArquivoAntigo(QString::fromLatin1(caso.ano), caso.cabecalho);
  } else {
    arquivo = Arquivo({Registro(60, {{1, QStringLiteral("TOLV")}}), Beneficiario(3, kAntiga, kAna, QStringLiteral("ANA"), 1, 1)},
                      QStringLiteral("sem.txt"));
  }
  VaiAoArquivo(arquivo);
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 4);
  const QString aviso = QString::fromUtf8(caso.aviso);
  if (aviso.isEmpty()) {
    EXPECT_TRUE(m_caixa.chamadas().empty());
  } else {
    ASSERT_FALSE(m_caixa.chamadas().empty());
    EXPECT_EQ(m_caixa.chamadas().front().texto, aviso.contains(QStringLiteral("%1")) ? aviso.arg(arquivo) : aviso);
  }
  EXPECT_EQ(Acha<TTolvEdit>("DENome")->text(), caso.declarante ? QStringLiteral("EMPRESA ANTIGA LTDA") : QString());
  EXPECT_EQ(A().BtnAvancar()->isEnabled(), caso.declarante);
  EXPECT_EQ(A().BtnOK()->isEnabled(), caso.declarante);
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, RegistroDeclarante,
    testing::Values(CasoDeclarante{"ComCabecalho", true, "2008", true, ""},
                    CasoDeclarante{"SemCabecalho", false, "2008", true, ""},
                    CasoDeclarante{"AnoForaDoLeiaute", true, "2011", true,
                                   "O arquivo não obedece o leiaute definido pela BVD: 2011."},
                    CasoDeclarante{"SemDeclarante", true, "", false,
                                   "O arquivo não obedece o leiaute definido pela BVD: %1."}),
    [](const testing::TestParamInfo<CasoDeclarante>& info) { return std::string(info.param.nome); });

// A written declaration goes through the outside library: absent or failing it ends on page 12
// with its text; succeeding it leads to the declarant's page with one click.
struct CasoDescompressao {
  const char* nome;
  bool biblioteca;
  const char* inicio;
  int pagina;
  const char* texto;
};

class Descompressao : public AssistenteAnosAnteriores, public testing::WithParamInterface<CasoDescompressao> {};

TEST_P(Descompressao, EndsWhereTheResultSays) {
  const CasoDescompressao& caso = GetParam();
  if (caso.biblioteca) ComBiblioteca();
  VaiAoArquivo(Escrita(caso.inicio));
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), caso.pagina);
  if (caso.pagina == 12) {
    EXPECT_EQ(Acha<QLabel>("LErro")->text(), QString::fromUtf8(caso.texto));
    EXPECT_EQ(Estado(), (Botoes{false, false, true, true, "Fechar"}));
    Conclui();
    EXPECT_EQ(A().result(), QDialog::Accepted);
  } else {
    EXPECT_EQ(A().Importacao().Arquivo(), m_pasta.dados() + QStringLiteral("/declar.txt"));
    EXPECT_EQ(Acha<TTolvEdit>("DENome")->text(), QStringLiteral("EMPRESA ANTIGA LTDA"));
  }
}

const char* const kFalhaDescompressao =
    "A declaração não pôde ser importada, pois apresentou problemas na descompactação do arquivo gerado.";

INSTANTIATE_TEST_SUITE_P(
    Biblioteca, Descompressao,
    testing::Values(CasoDescompressao{"Ausente", false, "TOLVCMP\n", 12, kFalhaDescompressao},
                    CasoDescompressao{"Falha", true, "FALHA\n", 12, kFalhaDescompressao},
                    CasoDescompressao{"Sucesso", true, "TOLVCMP\n", 4, ""}),
    [](const testing::TestParamInfo<CasoDescompressao>& info) { return std::string(info.param.nome); });

TEST_F(AssistenteAnosAnteriores, CancelDuringTheDecompressionStopsTheLibraryAndClosesTheWizard) {
  ComBiblioteca();
  VaiAoArquivo(Escrita("LENTO\nTOLVCMP\n"));
  QTimer::singleShot(100, &A(), [this] {
    EXPECT_EQ(A().PaginaAtual(), 3);
    EXPECT_EQ(Estado(), (Botoes{false, false, false, true, "Concluir"}));
    A().CancelBtn()->click();
  });
  Avanca();
  EXPECT_EQ(A().Importacao().ResultadoDescompressao(), 2);
  EXPECT_EQ(A().result(), QDialog::Rejected);
  EXPECT_FALSE(A().isVisible());
  EXPECT_NE(A().PaginaAtual(), 4);
}

// Pages 8 to 11, which no page leads to: a declaration of the index takes an income-statement
// file.
class ComprovantesDoAssistente : public AssistenteAnosAnteriores {
 protected:
  void SetUp() override {
    AssistenteAnosAnteriores::SetUp();
    // Making declarations ends the connections: no collection may live across it.
    m_assistente.reset();
    m_indice.reset();
    Cria();
    m_indice = std::make_unique<TColecaoTolv>();
    m_assistente = std::make_unique<TFoAssistImportacao>(*m_indice);
    m_assistente->show();
  }
};

TEST_F(ComprovantesDoAssistente, ImportsTheFileIntoTheChosenDeclaration) {
  ASSERT_TRUE(A().AbreDeclaracoes());
  A().Importacao().DefineArquivo(Arquivo({Linha(kAna, {Centavos(123456)}), QString(), Linha(kFora), Linha(kBia)}));
  A().EntraNoEstado(8);
  EXPECT_EQ(A().PaginaAtual(), 8);
  EXPECT_EQ(Estado(), (Botoes{true, true, true, true, "Concluir"}));
  TGradeDeclaracoes* grade = Acha<TGradeDeclaracoes>("DBGrDeclaracao");
  ASSERT_EQ(grade->Modelo().rowCount(), 1);
  A().Localiza(QStringLiteral("11.444"));
  ASSERT_NE(grade->Selecionada(), nullptr);
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 9);
  EXPECT_EQ(A().Declaracao().GetContribuinte().GetNiDigitos(), kMatriz);
  TTolvGridImpCompr* amostra = Acha<TTolvGridImpCompr>("grdImpCompr");
  // Three lines that are not blank, in rows 1 to 3; the fields not read are hidden.
  EXPECT_EQ(amostra->Modelo().RowCount(), 4);
  EXPECT_EQ(amostra->Celula(0, 1), kAna);
  EXPECT_EQ(amostra->Celula(4, 1), QStringLiteral("1234,56"));
  EXPECT_EQ(amostra->Celula(0, 2), kFora);
  EXPECT_TRUE(amostra->ColunaEscondida(1) && amostra->ColunaEscondida(3));
  EXPECT_FALSE(amostra->ColunaEscondida(4));
  Avanca();
  EXPECT_EQ(A().PaginaAtual(), 11);
  EXPECT_EQ(Estado(), (Botoes{false, false, true, true, "Fechar"}));
  EXPECT_EQ(Acha<QLabel>("lblComprImportados")->text(), QStringLiteral("2"));
  EXPECT_EQ(Acha<QLabel>("lblComprRejeitados")->text(), QStringLiteral("1"));
  EXPECT_FALSE(Acha<QCheckBox>("MostraRelErroCompr")->isHidden());
  EXPECT_TRUE(A().MostraRelatorioComprovante());
  EXPECT_EQ(A().RaizLogComprovante(), QStringLiteral("11444777000161_2013"));
  EXPECT_EQ(A().RejeitadosComprovante(), 1);
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L1 FROM COMPROVANTES_PF WHERE NR_PF = '529982247'"), QStringLiteral("1234,56"));
  Conclui();
  EXPECT_EQ(A().result(), QDialog::Accepted);
}

TEST_F(ComprovantesDoAssistente, TypeAheadFindsTheDeclarationByItsNumber) {
  m_assistente.reset();
  m_indice.reset();
  Cria(QStringLiteral("52998224725"));
  m_indice = std::make_unique<TColecaoTolv>();
  m_assistente = std::make_unique<TFoAssistImportacao>(*m_indice);
  ASSERT_TRUE(A().AbreDeclaracoes());
  TGradeDeclaracoes* grade = Acha<TGradeDeclaracoes>("DBGrDeclaracao");
  ASSERT_EQ(grade->Modelo().rowCount(), 2);
  A().Localiza(QStringLiteral("114447"));
  EXPECT_EQ(grade->Selecionada()->tipo, QStringLiteral("2"));
  A().Localiza(QStringLiteral("5299"));
  EXPECT_EQ(grade->Selecionada()->tipo, QStringLiteral("1"));
  A().Localiza(QStringLiteral("11.444.777/0001-6"));
  EXPECT_EQ(grade->Selecionada()->tipo, QStringLiteral("2"));
}

// The decision for a beneficiary line that is stored already: the panel shows the three lines'
// totals and wants a choice before Avançar lets it go.
TEST_F(AssistenteAnosAnteriores, TheConflictPanelAsksUntilAChoiceIsMade) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  TTolvItem base(tolv, tolv), importado(tolv, tolv), soma(tolv, tolv);
  importado.GetBeneficiario().SetNi(kAna);
  importado.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  base.GetTributaveis().GetRendimento(1).SetValorMonetario(Valor::deCentavos(100000));
  importado.GetTributaveis().GetRendimento(1).SetValorMonetario(Valor::deCentavos(50000));
  importado.GetSubJudice().GetDeposito(13).SetValorMonetario(Valor::deCentavos(700));
  uint8_t todos = 0;
  int passo = 0;
  std::function<void()> responde = [&] {
    if (A().findChild<QWidget*>(QStringLiteral("Panel13"))->isHidden()) return;
    if (passo++ == 0) {
      EXPECT_EQ(Acha<QLabel>("LbBenefJaConsta")->text(),
                QStringLiteral("O beneficiário CPF 529.982.247-25 para código 0561 está sendo importado e já consta na base."));
      EXPECT_EQ(Acha<QLineEdit>("DeRendAtual")->text(), QStringLiteral("1.000,00"));
      EXPECT_EQ(Acha<QLineEdit>("DeRendImport")->text(), QStringLiteral("500,00"));
      EXPECT_EQ(Acha<QLineEdit>("DeRendConsol")->text(), QStringLiteral("1.500,00"));
      EXPECT_EQ(Acha<QLineEdit>("DeSJDepConsol")->text(), QStringLiteral("7,00"));
      A().BtnAvancar()->click();
      EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Uma das opções de importação deve ser selecionada."));
      Acha<QRadioButton>("RBComplementa")->setChecked(true);
      Acha<QCheckBox>("CBTodosReg")->setChecked(true);
      A().BtnAvancar()->click();
    }
  };
  QTimer relogio;
  QObject::connect(&relogio, &QTimer::timeout, &A(), responde);
  relogio.start(10);
  EXPECT_EQ(A().DecideAcaoTolvItem(base, importado, soma, todos), 3);
  EXPECT_EQ(todos, 3);
  EXPECT_EQ(soma.GetTributaveis().GetRendimento(1).GetValorMonetario(), Valor::deCentavos(150000));
  EXPECT_TRUE(A().findChild<QWidget*>(QStringLiteral("Panel13"))->isHidden());
}

TEST_F(AssistenteAnosAnteriores, TheEntryOpensOneWizardAtATime) {
  QString log;
  bool mostra = true;
  int quantidade = -1;
  bool segundo = true;
  QTimer::singleShot(0, [&] {
    QString outroLog;
    bool outroMostra = false;
    int outraQuantidade = 0;
    segundo = ExecutaAssistenteImportacaoAnosAnteriores(outroLog, *m_indice, outroMostra, outraQuantidade);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == u"FoAssistImportacao" && w->isVisible() && w != &A())
        static_cast<TFoAssistImportacao*>(w)->CancelBtn()->click();
  });
  EXPECT_FALSE(ExecutaAssistenteImportacaoAnosAnteriores(log, *m_indice, mostra, quantidade));
  EXPECT_FALSE(segundo);
  EXPECT_FALSE(mostra);
  EXPECT_EQ(quantidade, 0);
}

}  // namespace
