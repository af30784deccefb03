// The finder of written declarations over a folder tree of fixture files: which files it lists
// (receipt or not, foreign names, text copies, damaged envelopes, the default folder searched
// with its subfolders and any other without), what each row says and the selection.

#include <QFileInfo>
#include <QTableView>

#include "TransmissaoTeste.h"
#include "entrega/LocalizadorDeclaracoes.h"
#include "entrega/TFrPesquisaDeclaracoes.h"

namespace {

using namespace transmissao_teste;

const QString kNaoEncontrou = QStringLiteral(
    "O sistema não encontrou no local informado declaração gravada para entrega à BVD e ainda não transmitida.");
const QString kEncontrou = QStringLiteral(
    "O sistema encontrou no local informado as seguintes declarações já gravadas para entrega à BVD e ainda não "
    "transmitidas. Selecione as declarações que deseja transmitir.");

class Pesquisa : public ComArquivos {
 protected:
  void SetUp() override {
    ComArquivos::SetUp();
    m_pessoa = Escreve(Padrao() + QStringLiteral("11144477735/2013/11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                       Declaracao("DECPF|11144477735|ANA SOUZA|"));
    // Its text copy, never listed.
    Grava(Padrao() + QStringLiteral("11144477735/2013/11144477735-TOLV-2014-2013-ORIGI-NORMAL.TXT"),
          Declaracao("DECPF|11144477735|ANA SOUZA|"));
    // Transmitted: its receipt (written by another program, in lower case) beside it.
    m_transmitida = Escreve(Padrao() + QStringLiteral("11222333000181/2013/11222333000181-TOLV-2014-2013-RETIF-NORMAL.DEC"),
                            Declaracao("DECPJ|11222333000181|PADARIA PAO BOM LTDA|", true), QStringLiteral("0000000001"));
    Grava(Padrao() + QStringLiteral("11222333000181/2013/11222333000181-TOLV-2014-2013-retif-normal.rec"), "recibo");
    // A damaged envelope, whose control line is still found in the tail; a lower-case extension.
    m_danificada = Padrao() + QStringLiteral("outros/33000167000101-TOLV-2014-2013-ORIGI-EXTINCAO.dec");
    Grava(m_danificada, Declaracao("DECPJ|33000167000101|PETROLEO DO CERRADO SA|") +
                            "<controle_bvd valor=\"9876543210\"/>\r\n<tamanho_envelope valor=\"99\"/>\r\n");
    // Foreign names.
    Grava(Padrao() + QStringLiteral("outros/notas.DEC"), Declaracao("DECPF|1|X|"));
    Grava(Padrao() + QStringLiteral("outros/1234567890-TOLV-2014-2013-ORIGI-NORMAL.DEC"), Declaracao("DECPF|1|X|"));
    Grava(Padrao() + QStringLiteral("outros/11144477735-TOLV-2013-2012-ORIGI-NORMAL.DEC"), Declaracao("DECPF|1|X|"));
    m_frame = std::make_unique<TFrPesquisaDeclaracoes>();
    m_frame->resize(700, 300);
    m_frame->OnChangeSelection = [this](QObject*) { ++m_mudancas; };
  }
  void TearDown() override {
    m_frame.reset();
    ComArquivos::TearDown();
  }

  QStringList Nomes() const {
    QStringList nomes;
    const bd::ConjuntoMemoria& g = m_frame->Geradas();
    for (int i = 0; i < g.quantidade(); ++i)
      nomes << g.valor(i, g.indiceColuna(QStringLiteral("NOME_ARQUIVO"))).comoTexto();
    return nomes;
  }
  QString Celula(int linha, int coluna) const {
    return m_frame->Grade()->model()->index(linha, coluna).data().toString();
  }

  std::unique_ptr<TFrPesquisaDeclaracoes> m_frame;
  QStringList m_resultado;
  QString m_pessoa, m_transmitida, m_danificada;
  int m_mudancas = 0;
};

TEST_F(Pesquisa, PastaPadraoComSubpastasListaAsNaoTransmitidas) {
  m_resultado << QStringLiteral("antigo");
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_TRUE(m_resultado.isEmpty());
  EXPECT_EQ(m_frame->Pasta, Padrao());
  EXPECT_EQ(Nomes(), QStringList({QStringLiteral("11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                                  QStringLiteral("33000167000101-TOLV-2014-2013-ORIGI-EXTINCAO.dec")}));
  EXPECT_EQ(m_frame->Mensagem(), kEncontrou);
  // What each row shows: number, year, date, receipt, kind, file, folder, name.
  ASSERT_EQ(m_frame->Grade()->model()->rowCount(), 2);
  EXPECT_EQ(Celula(0, 1), QStringLiteral("111.444.777-35"));
  EXPECT_EQ(Celula(0, 2), QStringLiteral("2013"));
  EXPECT_EQ(Celula(0, 3), QFileInfo(m_pessoa).lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
  EXPECT_EQ(Celula(0, 4), QStringLiteral("12.34.56.78.90-91"));
  EXPECT_EQ(Celula(0, 5), QStringLiteral("Original"));
  EXPECT_EQ(Celula(0, 7), Padrao() + QStringLiteral("11144477735/2013"));
  EXPECT_EQ(Celula(0, 8), QStringLiteral("ANA SOUZA"));
  EXPECT_EQ(Celula(1, 1), QStringLiteral("33.000.167/0001-01"));
  EXPECT_EQ(Celula(1, 4), QStringLiteral("98.76.54.32.10-09"));
  // The list is saved in the data folder.
  EXPECT_TRUE(QFile::exists(m_pasta->dados() + QStringLiteral("/Geradas.xml")));
}

TEST_F(Pesquisa, ComReciboListaSoAsTransmitidas) {
  m_frame->ComRecibo = true;
  m_frame->SetTipoPesquisa(1);
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(Nomes(), QStringList{QStringLiteral("11222333000181-TOLV-2014-2013-RETIF-NORMAL.DEC")});
  EXPECT_EQ(Celula(0, 5), QStringLiteral("Retificadora"));
  EXPECT_EQ(Celula(0, 8), QStringLiteral("PADARIA PAO BOM LTDA"));
  EXPECT_EQ(Celula(0, 4), QStringLiteral("00.00.00.00.01-") + Celula(0, 4).right(2));
}

TEST_F(Pesquisa, OutraPastaSemSubpastas) {
  m_frame->Pasta = Padrao() + QStringLiteral("11144477735");
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(m_frame->Mensagem(), kNaoEncontrou);
  EXPECT_EQ(m_frame->Grade()->model()->rowCount(), 0);

  m_frame->Pasta = Padrao() + QStringLiteral("11144477735/2013");
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(Nomes(), QStringList{QStringLiteral("11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC")});

  // A folder that does not exist gives an empty list, without a message box.
  m_frame->Pasta = m_raiz.path() + QStringLiteral("/nao/existe");
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(m_frame->Mensagem(), kNaoEncontrou);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(Pesquisa, MensagensDosOutrosTiposDePesquisa) {
  m_frame->SetTipoPesquisa(2);
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(m_frame->Mensagem(),
            QStringLiteral("O sistema encontrou as seguintes declarações gravadas para entrega à BVD."));
  m_frame->SetTipoPesquisa(1);
  m_frame->Pasta = m_raiz.path();
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(m_frame->Mensagem(), QStringLiteral("O sistema não encontrou no local informado nenhuma declaração transmitida."));
}

TEST_F(Pesquisa, PastaLongaEntregueInteira) {
  // More than the 150 characters the list's folder once had: the path handed over must exist.
  QString longa = Padrao();
  while (longa.size() < 200) longa += QStringLiteral("subpasta-de-nome-comprido/");
  const QString arquivo = Escreve(longa + QStringLiteral("11144477735-TOLV-2014-2012-ORIGI-NORMAL.DEC"),
                                  Declaracao("DECPF|11144477735|ANA SOUZA|"));
  m_frame->ProcuraDeclaracoes(&m_resultado);
  const int linha = Nomes().indexOf(QStringLiteral("11144477735-TOLV-2014-2012-ORIGI-NORMAL.DEC"));
  ASSERT_GE(linha, 0);
  m_frame->AlternaSelecao(linha);
  m_frame->ArquivosSelecionados();
  EXPECT_EQ(m_resultado, QStringList{arquivo});
}

TEST_F(Pesquisa, SelecaoNaOrdemEmQueFoiFeita) {
  Escreve(Padrao() + QStringLiteral("00000000191/2013/00000000191-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
          Declaracao("DECPF|00000000191|JOSE|"));
  m_frame->ProcuraDeclaracoes(&m_resultado);
  ASSERT_EQ(m_frame->Geradas().quantidade(), 3);
  m_frame->AlternaSelecao(2);
  m_frame->AlternaSelecao(0);
  EXPECT_EQ(m_frame->QuantidadeSelecionada, 2);
  EXPECT_EQ(m_mudancas, 2);
  m_frame->ArquivosSelecionados();
  EXPECT_EQ(m_resultado, QStringList({m_danificada, Padrao() + QStringLiteral(
                                                        "00000000191/2013/00000000191-TOLV-2014-2013-ORIGI-NORMAL.DEC")}));
  EXPECT_EQ(m_frame->Grade()->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

  // Unselecting down to none leaves the count at 0 and says so each time.
  m_frame->AlternaSelecao(2);
  m_frame->AlternaSelecao(0);
  EXPECT_EQ(m_frame->QuantidadeSelecionada, 0);
  EXPECT_EQ(m_mudancas, 4);
  m_frame->ArquivosSelecionados();
  EXPECT_TRUE(m_resultado.isEmpty());

  // Shift with a click: every row from the last one clicked.
  m_frame->AlternaSelecao(0);
  m_frame->SelecionaAte(2);
  EXPECT_EQ(m_frame->Selecao(), QList<int>({0, 1, 2}));
  EXPECT_EQ(m_frame->QuantidadeSelecionada, 3);
  // A new search starts with nothing selected.
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_TRUE(m_frame->Selecao().isEmpty());
  EXPECT_EQ(m_frame->QuantidadeSelecionada, 0);
}

TEST_F(Pesquisa, ArquivoIlegivelFicaDeFora) {
  // A link to nothing has the name but cannot be read (permissions would not stop every user).
  ASSERT_TRUE(QFile::link(m_raiz.path() + QStringLiteral("/sumiu.DEC"),
                          Padrao() + QStringLiteral("outros/00000000191-TOLV-2014-2013-ORIGI-NORMAL.DEC")));
  m_frame->ProcuraDeclaracoes(&m_resultado);
  EXPECT_EQ(Nomes(), QStringList({QStringLiteral("11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                                  QStringLiteral("33000167000101-TOLV-2014-2013-ORIGI-EXTINCAO.dec")}));
}

TEST(NomeDeDeclaracao, MascaraDoSistema) {
  struct Caso {
    const char* nome;
    bool aceito;
  };
  for (const Caso& c : {Caso{"11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC", true},
                        Caso{"11222333000181-tolv-2014-2013-RETIF-EXTINCAO.dec", true},
                        Caso{"11144477735-TOLV-2014-2013-ORIGI-NORMAL.TXT", true},
                        Caso{"1234567890-TOLV-2014-2013-ORIGI-NORMAL.DEC", false},
                        Caso{"11144477735-TOLV-2013-2012-ORIGI-NORMAL.DEC", false},
                        Caso{"11144477735-TOLV-2014-13-ORIGI-NORMAL.DEC", false},
                        Caso{"11144477735-TOLV-2014-2013-ORIGINORMALDEC", false}})
    EXPECT_EQ(LocalizadorDeclaracoes::NomeDeDeclaracao(QString::fromLatin1(c.nome)), c.aceito) << c.nome;
}

}  // namespace
