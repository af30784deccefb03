// The writing wizard driven offscreen over a fixture declaration: the unit of transmission, the
// verification that stops the road on errors or on a stop, the folder, the writing (its file
// compared with the writer's golden file), a receipt already there, a full disk, cancel and
// Escape during the writing, and the end with or without the hand-over to the transmission
// program (the stand-in library accepting or refusing, or no program at all).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "GravacaoTeste.h"
#include "TransmissaoTeste.h"
#include "VerificacaoTeste.h"
#include "entrega/IDestinoBytes.h"
#include "entrega/TFoAssistGeracao.h"
#include "entrega/TFrResultTrans.h"
#include "entrega/TFrTolvVerifica.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/ETolvError.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TArquivoIni.h"

namespace {

using gravacao_teste::DadosEntrega;
using gravacao_teste::LeCaso;
using verificacao_teste::SecoesFalsas;
using verificacao_teste::ServicosFalsos;

const QString kCaso = QStringLiteral("pessoa_sem_beneficiarios");
const QString kPerguntaCancelar = QStringLiteral("Tem certeza de que deseja cancelar a gravação?");

// A disk that fills up at the first write.
class DestinoCheio : public IDestinoBytes {
 public:
  bool Grava(const char*, qint64) override { return false; }
  bool Conclui() override { return false; }
  QString Erro() const override { return QStringLiteral("No space left on device"); }
};

// The fixture declaration registered in the index, its database filled by the writer's golden
// case, the home folder as the only drive, and the wizard over it with scripted section checks.
class AssistGeracao : public testing::Test {
 protected:
  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
    TFrResultTrans::SetCertificado(0);
    ServicosVerificacao::Registra(&m_servicos);
    const QString pasta = DadosEntrega() + u'/' + kCaso;
    const auto caso = LeCaso(pasta);
    m_uf = caso.uf;
    m_tolv.SetErros(&m_erros);
    m_tolv.GetContribuinte().SetNi(caso.ni);
    m_tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("Carlos Éden"));
    m_tolv.GetEstabelecimentoResponsavel().SetNi(caso.ni);
    m_tolv.SetAnoCalendario(caso.ano);
    m_tolv.SetTipoDeclaracao(caso.tipo);
    m_tolv.SetNatureza(m_tolv.GetNaturezas().BuscaNatureza(9));
    m_colecao = std::make_unique<TColecaoTolv>();
    m_colecao->Inclui(m_tolv);
    // The declaration's database holds what the writer's golden case holds, nothing more.
    m_colecao.reset();
    TColecao::FechaConexoes();
    ASSERT_TRUE(QFile::remove(m_pasta.dados() + u'/' + m_tolv.GetNomeBancoDeclaracao()));
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), m_tolv.GetNomeBancoDeclaracao());
    m_colecao = std::make_unique<TColecaoTolv>();
    m_pasta.roda(m_tolv.GetNomeBancoDeclaracao(), QString::fromUtf8(conteudo(pasta + "/declaracao.sql")));
    m_esperado = conteudo(pasta + "/esperado.DEC");
    m_secoes = std::make_unique<SecoesFalsas>([this](TTolv&, TErros& erros, TVerificacaoPendencias& v, int& contador) {
      contador += 3;
      if (m_errosVerificacao > 0) {
        AdicionaPendencia<ETolvError>(erros, 59, {}, 1, QStringLiteral("1"), QStringLiteral("9"), 25);
        v.IncluiErros(erros);
        erros.Limpa();
      }
      if (m_paraVerificacao) m_paraVerificacao(v);
    });
  }
  void TearDown() override {
    m_assistente.reset();
    m_colecao.reset();
    m_tolv.LiberaItens();
    ServicosVerificacao::Registra(nullptr);
    TColecao::FechaConexoes();
  }

  TFoAssistGeracao& Abre() {
    m_assistente = std::make_unique<TFoAssistGeracao>(nullptr, m_tolv, *m_colecao);
    m_assistente->FrTolvVerifica().Verificacao().SetSecoes(m_secoes.get());
    m_assistente->show();
    return *m_assistente;
  }
  TFoAssistGeracao& A() { return *m_assistente; }
  template <class W>
  W* Filho(const char* nome) {
    return m_assistente->findChild<W*>(QString::fromLatin1(nome));
  }
  void Uf(const QString& uf) { Filho<QComboBox>("DBLCUF")->setEditText(uf); }
  // From the unit to the location page (the verification in between).
  void AteLocal() {
    Abre();
    Uf(m_uf);
    A().BtnAvancarClick();
    ASSERT_EQ(A().PaginaAtual(), 2);
    A().BtnAvancarClick();
  }
  // The default folder of the fixture declaration on the home drive.
  QString PastaPadrao() const { return ArquivoDeclaracao::PastaPadrao(m_tolv); }
  QString Gravado() const { return PastaPadrao() + ArquivoDeclaracao::Nome(m_tolv); }
  QStringList ArquivosNaPasta() const {
    return QDir(PastaPadrao()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  QStringList Textos() const {
    QStringList r;
    for (const auto& c : m_caixa.chamadas()) r << c.texto;
    return r;
  }

  // No test reaches a transmission program of the machine.
  transmissao_teste::ProgramaFalso m_kalvorin;
  PastaProgramaTemp m_pasta{true};
  QTemporaryDir m_casa;
  UnidadesFalsas m_unidades{{Unidade{m_casa.path(), TipoUnidade::Fixa, QStringLiteral("casa"), true}}};
  CaixaMensagemFalsa m_caixa{ResultadoMensagem::Sim};
  FalhasBancoRegistradas m_falhas;
  ServicosFalsos m_servicos;
  TErros m_erros;
  TTolv m_tolv;
  std::unique_ptr<TColecaoTolv> m_colecao;
  std::unique_ptr<SecoesFalsas> m_secoes;
  std::unique_ptr<TFoAssistGeracao> m_assistente;
  QString m_uf;
  QByteArray m_esperado;
  int m_errosVerificacao = 0;
  std::function<void(TVerificacaoPendencias&)> m_paraVerificacao;
};

TEST_F(AssistGeracao, UnidadeSoAvancaComUmCodigoDaLista) {
  Abre();
  ASSERT_EQ(A().PaginaAtual(), 1);
  auto* uf = Filho<QComboBox>("DBLCUF");
  EXPECT_EQ(uf->count(), 27);  // TABUF of the index
  EXPECT_FALSE(A().AvancarHabilitado());
  for (const char* texto : {"", "X", "ZZ", "S"}) {
    Uf(QString::fromLatin1(texto));
    EXPECT_FALSE(A().AvancarHabilitado()) << texto;
  }
  // A digit never reaches the box; lower case becomes upper case.
  uf->setEditText(QString());
  uf->setFocus();
  QTest::keyClicks(uf, QStringLiteral("1d9f"));
  EXPECT_EQ(uf->currentText(), QStringLiteral("DF"));
  EXPECT_TRUE(A().AvancarHabilitado());
  A().BtnAvancarClick();
  EXPECT_EQ(A().PaginaAtual(), 2);
}

TEST_F(AssistGeracao, GravaOArquivoDouradoEEncerraSemTransmitir) {
  AteLocal();
  ASSERT_EQ(A().PaginaAtual(), 3);
  EXPECT_EQ(Filho<QLineEdit>("EdArquivo")->text(), PastaPadrao());
  A().BtnAvancarClick();  // writes at once and asks whether to transmit
  ASSERT_EQ(A().PaginaAtual(), 8) << Textos().join(u'\n').toStdString();
  EXPECT_EQ(A().Resultado(), 0);
  EXPECT_EQ(conteudo(Gravado()), m_esperado);
  EXPECT_EQ(A().CaminhoCompleto(), Gravado());
  EXPECT_EQ(A().UnidadeAtual(), m_casa.path());
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Textos().join(u'\n').toStdString();
  // "Não" (the default): the success page, no receipt to print, the status left alone.
  A().BtnOKClick();
  ASSERT_EQ(A().PaginaAtual(), 5);
  EXPECT_TRUE(A().TextoSucesso().startsWith(QStringLiteral("Declaração gravada com sucesso.\n      Tolv 2014   "
                                                           "Ano-calendário: 2013\n")));
  EXPECT_TRUE(A().TextoSucesso().endsWith(QStringLiteral("A declaração foi gravada em: ") + PastaPadrao()));
  EXPECT_FALSE(Filho<QCheckBox>("CBRecibo")->isVisibleTo(&A()));
  A().BtnOKClick();
  EXPECT_EQ(A().result(), QDialog::Accepted);
  EXPECT_FALSE(A().ImprimeRecibo());
  EXPECT_EQ(m_pasta.le(QStringLiteral("Tolv.FDB"), QStringLiteral("SELECT IN_STATUS FROM TOLVS")), QStringLiteral("0"));
  // The drive is kept for the next time.
  EXPECT_EQ(TArquivoIni::LeString(QStringLiteral("AssistG"), QStringLiteral("unidade")), m_casa.path());
}

// "Sim" hands the written file to the transmission program on page 7: its status line there, the
// declaration marked written, and the receipt the program brought offered for printing.
TEST_F(AssistGeracao, TransmitirAgoraEntregaOArquivoEOfereceORecibo) {
  m_kalvorin.InstalaPrograma();
  AteLocal();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 8);
  Filho<QRadioButton>("RBSim")->click();
  EXPECT_TRUE(A().AvancarHabilitado());
  EXPECT_TRUE(Filho<QCheckBox>("CheckCertDigi")->isEnabled());
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 7);
  EXPECT_EQ(TFrResultTrans::Certificado(), 0);
  EXPECT_TRUE(m_kalvorin.Chamadas().startsWith(Gravado() + QStringLiteral("|0|")));
  EXPECT_EQ(m_kalvorin.Chamadas().count(u'\n'), 1);
  TFrResultTrans& frame = A().FrResultTrans();
  EXPECT_TRUE(frame.isVisibleTo(&A()));
  EXPECT_FALSE(frame.MostraAviso());
  EXPECT_EQ(frame.Linhas(), QStringList{QStringLiteral("20") + Gravado()});
  EXPECT_EQ(frame.Mensagens(), QStringList{QStringLiteral("Declaração recebida.  Certificado: 0")});
  EXPECT_TRUE(frame.ImprimeRecibos());
  EXPECT_EQ(m_pasta.le(QStringLiteral("Tolv.FDB"), QStringLiteral("SELECT IN_STATUS FROM TOLVS")), QStringLiteral("1"));
  EXPECT_TRUE(A().AvancarHabilitado());
  EXPECT_FALSE(A().PainelBotao(TFormAssistNovo::Botao::Cancelar)->isEnabled());
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 5);
  EXPECT_TRUE(Filho<QCheckBox>("CBRecibo")->isVisibleTo(&A()));
  EXPECT_TRUE(Filho<QCheckBox>("CBRecibo")->isChecked());
  A().BtnOKClick();
  EXPECT_EQ(A().result(), QDialog::Accepted);
  EXPECT_TRUE(A().ImprimeRecibo());
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Textos().join(u'\n').toStdString();
}

// A file the program refuses: its failure line and message, the certificate choice of page 8
// handed over, no receipt offered, and the wizard goes on to its end.
TEST_F(AssistGeracao, TransmissaoRecusadaMostraAFalhaENaoOfereceRecibo) {
  m_kalvorin.InstalaPrograma();
  QDir().mkpath(PastaPadrao());
  m_kalvorin.Responde(Gravado(), 99, "Declara\xE7\xE3o recusada.\nAssinatura inv\xE1lida.");
  AteLocal();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 8);
  Filho<QRadioButton>("RBSim")->click();
  Filho<QCheckBox>("CheckCertDigi")->setChecked(true);
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 10);  // the certificate notice first
  EXPECT_EQ(TFrResultTrans::Certificado(), 1);
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 7);
  EXPECT_TRUE(m_kalvorin.Chamadas().startsWith(Gravado() + QStringLiteral("|1|")));
  TFrResultTrans& frame = A().FrResultTrans();
  EXPECT_EQ(frame.Linhas(), QStringList{QStringLiteral("10") + Gravado()});
  EXPECT_EQ(frame.Mensagens(), QStringList{QStringLiteral("Declaração recusada.  Assinatura inválida.")});
  EXPECT_FALSE(frame.ImprimeRecibos());
  EXPECT_TRUE(frame.findChild<QListWidget*>(QStringLiteral("LbxResultado"))->isEnabled());
  EXPECT_EQ(frame.findChild<QPlainTextEdit*>(QStringLiteral("MeErro"))->toPlainText(), frame.Mensagens()[0]);
  EXPECT_TRUE(A().AvancarHabilitado());
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 5);
  EXPECT_FALSE(Filho<QCheckBox>("CBRecibo")->isVisibleTo(&A()));
  EXPECT_FALSE(Filho<QCheckBox>("CBRecibo")->isChecked());
  A().BtnOKClick();
  EXPECT_EQ(A().result(), QDialog::Accepted);
  EXPECT_FALSE(A().ImprimeRecibo());
  // The declaration was written all the same.
  EXPECT_EQ(conteudo(Gravado()), m_esperado);
}

// Without the transmission program page 7 says it is not installed, and no receipt is offered.
TEST_F(AssistGeracao, SemOProgramaDeTransmissaoDizQueNaoEstaInstalado) {
  AteLocal();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 8) << Textos().join(u'\n').toStdString();
  Filho<QRadioButton>("RBSim")->click();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 7);
  EXPECT_TRUE(A().FrResultTrans().MostraAviso());
  EXPECT_EQ(A().FrResultTrans().Aviso(),
            QStringLiteral("O Kalvorin não está instalado no seu computador. Faça a cópia do programa da página da "
                           "Brenvald e instale-o."));
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Textos().join(u'\n').toStdString();
  A().BtnAvancarClick();
  EXPECT_EQ(A().PaginaAtual(), 5);
  EXPECT_FALSE(Filho<QCheckBox>("CBRecibo")->isChecked());
  A().BtnOKClick();
  EXPECT_FALSE(A().ImprimeRecibo());
}

// "Não" after a certificate choice clears the program-wide choice the hand-over passes on.
TEST_F(AssistGeracao, NaoTransmitirLimpaACertificacao) {
  TFrResultTrans::SetCertificado(1);
  AteLocal();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 8);
  Filho<QRadioButton>("RBSim")->click();
  Filho<QCheckBox>("CheckCertDigi")->setChecked(true);
  Filho<QRadioButton>("RBNao")->click();
  EXPECT_FALSE(Filho<QCheckBox>("CheckCertDigi")->isChecked());
  A().BtnOKClick();
  ASSERT_EQ(A().PaginaAtual(), 5);
  EXPECT_EQ(TFrResultTrans::Certificado(), 0);
  EXPECT_TRUE(m_kalvorin.Chamadas().isEmpty());
}

TEST_F(AssistGeracao, ErrosOuParadaNaVerificacaoImpedemAGravacao) {
  struct Caso {
    int erros;
    bool para;
    QString texto;
  };
  for (const Caso& c : {Caso{1, false, QStringLiteral("A declaração apresentou erros e não pode ser gravada.")},
                        Caso{0, true, QStringLiteral("Verificação de pendências cancelada. A declaração não pode ser gravada.")}}) {
    m_errosVerificacao = c.erros;
    // Cancelar confirmed while the verification runs stops it and keeps the wizard open.
    m_paraVerificacao = [&](TVerificacaoPendencias&) {
      if (c.para) A().CancelBtnClick();
    };
    Abre();
    Uf(m_uf);
    A().BtnAvancarClick();
    ASSERT_EQ(A().PaginaAtual(), 2);
    EXPECT_TRUE(A().isVisible());
    EXPECT_FALSE(A().Cancelado());
    A().BtnAvancarClick();
    ASSERT_EQ(A().PaginaAtual(), 6);
    EXPECT_EQ(A().TextoErro(), c.texto);
    EXPECT_FALSE(A().ReciboExistenteVisivel());
    EXPECT_FALSE(QFileInfo::exists(Gravado()));
    A().BtnOKClick();
    EXPECT_FALSE(A().ImprimeRecibo());
  }
}

TEST_F(AssistGeracao, ReciboExistenteNaoDeixaGravar) {
  QDir().mkpath(PastaPadrao());
  escreve(ArquivoDeclaracao::TrocaExtensao(Gravado(), QStringLiteral("rec")), "recibo");
  AteLocal();
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 6);
  EXPECT_TRUE(A().ReciboExistenteVisivel());
  EXPECT_TRUE(A().TextoErro().startsWith(QStringLiteral("Existe  recibo  de  entrega  na  pasta")));
  EXPECT_TRUE(A().TextoErro().endsWith(QStringLiteral("\n\n") + RemoveBarraFinal(PastaPadrao())));
  EXPECT_FALSE(QFileInfo::exists(Gravado()));
}

// The writer looks for the receipt at the default place of the drive that receives the file,
// whatever folder of that drive was chosen.
TEST_F(AssistGeracao, ReciboNoLocalPadraoDaUnidadeTambemImpede) {
  QDir().mkpath(PastaPadrao());
  escreve(ArquivoDeclaracao::TrocaExtensao(Gravado(), QStringLiteral("REC")), "recibo");
  AteLocal();
  const QString outra = m_casa.path() + QStringLiteral("/outra/pasta/");
  Filho<QLineEdit>("EdArquivo")->setText(outra);
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 6);
  EXPECT_TRUE(A().ReciboExistenteVisivel());
  EXPECT_EQ(A().Resultado(), 100);
  EXPECT_EQ(QDir(outra).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(AssistGeracao, DiscoCheioMostraAFalhaENadaFica) {
  AteLocal();
  A().Driver().GetGanchos().Destino = [](QFileDevice&) { return std::make_unique<DestinoCheio>(); };
  A().BtnAvancarClick();
  ASSERT_EQ(A().PaginaAtual(), 6);
  EXPECT_TRUE(A().TextoErro().contains(QStringLiteral("No space left on device"))) << A().TextoErro().toStdString();
  EXPECT_EQ(ArquivosNaPasta(), QStringList());
  A().BtnOKClick();
  EXPECT_FALSE(A().ImprimeRecibo());
}

// The writer's refusals end on page 6 with the catalogue's text: too little free space, and an
// existing file the user will not have replaced (left as it was).
TEST_F(AssistGeracao, RecusasDoGravadorTerminamNaPaginaDeFalha) {
  QDir().mkpath(PastaPadrao());
  for (int codigo : {99, 102}) {
    ASSERT_TRUE(escreve(Gravado(), "anterior"));
    m_caixa.limpa();
    m_caixa.responde(ResultadoMensagem::Nao);
    AteLocal();
    if (codigo == 99) A().Driver().DefineEspacoLivre([](const QString&) { return int64_t(102400); });
    A().BtnAvancarClick();
    ASSERT_EQ(A().PaginaAtual(), 6) << codigo;
    EXPECT_EQ(A().Resultado(), codigo);
    EXPECT_EQ(A().TextoErro(), TErro::FormataMensagem(codigo, QString()));
    EXPECT_TRUE(A().TextoErro().endsWith(u'.'));
    EXPECT_EQ(conteudo(Gravado()), QByteArray("anterior"));
    if (codigo == 102) {
      EXPECT_EQ(Textos(), QStringList{QStringLiteral("Esta declaração já foi gravada, deseja sobrescrevê-la?")});
    }
    m_assistente.reset();
  }
}

// Cancelar (confirmed, message 300) and Escape (no question) during the writing both stop it:
// the writer deletes its file and returns 102 before the wizard closes.
TEST_F(AssistGeracao, CancelarOuEscapeDuranteAGravacaoNaoDeixamArquivo) {
  for (bool escape : {false, true}) {
    m_caixa.limpa();
    AteLocal();
    ASSERT_EQ(A().PaginaAtual(), 3);
    bool abertoAoPedir = false;
    if (escape) {
      QCoreApplication::postEvent(&A(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    } else {
      QMetaObject::invokeMethod(&A(), [&] {
        abertoAoPedir = A().Gravando();
        A().CancelBtnClick();
      }, Qt::QueuedConnection);
    }
    A().BtnAvancarClick();
    EXPECT_EQ(A().Resultado(), 102) << escape;
    EXPECT_TRUE(A().Cancelado());
    EXPECT_FALSE(A().isVisible());
    EXPECT_EQ(A().result(), QDialog::Rejected);
    EXPECT_EQ(ArquivosNaPasta(), QStringList()) << escape;
    if (escape) {
      EXPECT_TRUE(m_caixa.chamadas().empty());
    } else {
      EXPECT_TRUE(abertoAoPedir);
      ASSERT_EQ(m_caixa.chamadas().size(), 1u);
      EXPECT_EQ(m_caixa.ultima().texto, TErro::TextoMensagem(300));
      EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Cancelar"));
    }
    EXPECT_FALSE(A().ImprimeRecibo());
  }
}

// Escape during the verification stops it; the wizard closes once the run has returned.
TEST_F(AssistGeracao, EscapeDuranteAVerificacaoFechaAposOTermino) {
  bool abertoDuranteARun = false;
  bool paradoNaRun = false;
  m_paraVerificacao = [&](TVerificacaoPendencias& v) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&A(), &esc);
    abertoDuranteARun = A().isVisible();
    paradoNaRun = v.GetParado();
  };
  Abre();
  Uf(m_uf);
  A().BtnAvancarClick();
  EXPECT_TRUE(abertoDuranteARun);
  EXPECT_TRUE(paradoNaRun);
  EXPECT_FALSE(A().isVisible());
  EXPECT_TRUE(A().Cancelado());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(AssistGeracao, CancelarNaPaginaDoLocalPerguntaEEscapeNao) {
  AteLocal();
  m_caixa.responde(ResultadoMensagem::Nao);
  A().CancelBtnClick();
  EXPECT_TRUE(A().isVisible());
  EXPECT_EQ(Textos(), QStringList{kPerguntaCancelar});
  QTest::keyClick(Filho<QLineEdit>("EdArquivo"), Qt::Key_Escape);
  EXPECT_FALSE(A().isVisible());
  EXPECT_TRUE(A().Cancelado());
  EXPECT_EQ(Textos(), QStringList{kPerguntaCancelar});
}

TEST_F(AssistGeracao, CancelarNaPaginaDoLocalPerguntaEFecha) {
  AteLocal();
  m_caixa.responde(ResultadoMensagem::Nao);
  A().CancelBtnClick();
  EXPECT_TRUE(A().isVisible());
  EXPECT_EQ(Textos(), QStringList{kPerguntaCancelar});
  A().CancelBtnClick();
  EXPECT_FALSE(A().isVisible());
  EXPECT_TRUE(A().Cancelado());
}

TEST_F(AssistGeracao, LocalDeGravacao) {
  struct Caso {
    QString texto;      // relative to the home drive when it starts with '+'
    QString mensagem;   // empty: accepted
  };
  const QString casa = m_casa.path();
  for (const Caso& c : {Caso{QString(), QStringLiteral("O nome completo do arquivo deverá ser especificado.")},
                        Caso{QStringLiteral("relativo/pasta"), QStringLiteral("Unidade selecionada não existe.")},
                        Caso{QStringLiteral("/outra/unidade"), QStringLiteral("Unidade selecionada não existe.")},
                        Caso{QStringLiteral("+/a//b"), QStringLiteral("O caminho selecionado não é válido")},
                        Caso{QStringLiteral("+/a/../b"), QStringLiteral("O caminho selecionado não é válido")},
                        Caso{QStringLiteral("+/nova/pasta"), QString()}}) {
    AteLocal();
    m_caixa.limpa();
    QString texto = c.texto;
    if (texto.startsWith(u'+')) texto = casa + texto.mid(1);
    Filho<QLineEdit>("EdArquivo")->setText(texto);
    A().BtnAvancarClick();
    if (c.mensagem.isEmpty()) {
      EXPECT_EQ(A().PaginaAtual(), 8) << Textos().join(u'\n').toStdString();
      // A text that ends in a name is a folder of that name, made and written in.
      EXPECT_EQ(A().CaminhoCompleto(), texto + u'/' + ArquivoDeclaracao::Nome(m_tolv));
      EXPECT_TRUE(QFileInfo::exists(A().CaminhoCompleto()));
    } else {
      EXPECT_EQ(A().PaginaAtual(), 3) << c.texto.toStdString();
      EXPECT_EQ(Textos(), QStringList{c.mensagem}) << c.texto.toStdString();
      EXPECT_FALSE(QFileInfo::exists(casa + QStringLiteral("/a"))) << c.texto.toStdString();
    }
    m_assistente.reset();
  }
}

TEST_F(AssistGeracao, CDEUnidadeNaoProntaSaoRecusados) {
  QTemporaryDir cd, usb;
  UnidadesFalsas unidades{{Unidade{m_casa.path(), TipoUnidade::Fixa, QStringLiteral("casa"), true},
                           Unidade{cd.path(), TipoUnidade::CD, QStringLiteral("cd"), true},
                           Unidade{usb.path(), TipoUnidade::Removivel, QStringLiteral("usb"), false}}};
  const QString cdMensagem = QStringLiteral(
      "A declaração não pode ser gravada diretamente em CD, deverá ser gravada primeiramente no disco rígido.");
  for (const auto& [pasta, mensagem] : {std::pair{cd.path() + QStringLiteral("/x"), cdMensagem},
                                        std::pair{usb.path() + QStringLiteral("/x"),
                                                  QStringLiteral("Mídia não está pronta para gravação.")}}) {
    AteLocal();
    m_caixa.limpa();
    Filho<QLineEdit>("EdArquivo")->setText(pasta);
    A().BtnAvancarClick();
    EXPECT_EQ(A().PaginaAtual(), 3);
    EXPECT_EQ(Textos(), QStringList{mensagem});
    EXPECT_FALSE(QFileInfo::exists(pasta));
    m_assistente.reset();
  }
}

TEST_F(AssistGeracao, UmSoAssistenteDeCadaVez) {
  QString caminho = QStringLiteral("antes");
  bool dentro = true;
  QMetaObject::invokeMethod(qApp, [&] {
    QString outro;
    dentro = ExecutaAssistenteGeracao(nullptr, outro, m_tolv, *m_colecao);
    if (auto* a = qobject_cast<QDialog*>(QApplication::activeModalWidget())) a->reject();
  }, Qt::QueuedConnection);
  EXPECT_FALSE(ExecutaAssistenteGeracao(nullptr, caminho, m_tolv, *m_colecao));
  EXPECT_FALSE(dentro);
  EXPECT_EQ(caminho, QString());
}

}  // namespace
