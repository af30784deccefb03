// The hand-over to the transmission program (the result frame) for each answer of the stand-in
// library, and the transmission wizard's routes and messages over a folder of written files.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <stdexcept>

#include "TransmissaoTeste.h"
#include "controles/PontosEntrada.h"
#include "entrega/TFoAssistTransmissao.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "entrega/TFrResultTrans.h"
#include "nucleo/UtilSistema.h"
#include "suporte/ShellFalso.h"

namespace {

using namespace transmissao_teste;

const QString kNaoInstalado = QStringLiteral(
    "O Kalvorin não está instalado no seu computador. Faça a cópia do programa da página da Brenvald e instale-o.");

class Entrega : public ComArquivos {
 protected:
  void SetUp() override {
    ComArquivos::SetUp();
    m_frame = std::make_unique<TFrResultTrans>();
    m_frame->resize(600, 300);
    TFrResultTrans::SetCertificado(0);
  }
  void TearDown() override {
    m_frame.reset();
    ComArquivos::TearDown();
  }
  QString Arquivo(const QString& ni) {
    return Escreve(Padrao() + ni + QStringLiteral("/2013/") + ni + QStringLiteral("-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                   Declaracao("DECPF|" + ni.toLatin1() + "|ANA|"));
  }

  std::unique_ptr<TFrResultTrans> m_frame;
};

TEST_F(Entrega, UmaLinhaPorArquivoConformeAResposta) {
  InstalaPrograma();
  const QString aceita = Arquivo(QStringLiteral("11144477735"));
  const QString avisada = Arquivo(QStringLiteral("00000000191"));
  const QString recusada = Arquivo(QStringLiteral("52998224725"));
  Responde(avisada, 2, "Declara\xE7\xE3o recebida com aviso:\nconfira o recibo.");
  Responde(recusada, 99, "Declara\xE7\xE3o recusada.\r\nAssinatura inv\xE1lida.");
  m_frame->GetArquivos() = {aceita, avisada, recusada};
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Linhas(), QStringList({QStringLiteral("20") + aceita, QStringLiteral("40") + avisada,
                                            QStringLiteral("10") + recusada}));
  EXPECT_EQ(m_frame->Mensagens(),
            QStringList({QStringLiteral("Declaração recebida.  Certificado: 0"),
                         QStringLiteral("Declaração recebida com aviso:  confira o recibo."),
                         QStringLiteral("Declaração recusada.  Assinatura inválida.")}));
  EXPECT_TRUE(m_frame->ImprimeRecibos());
  EXPECT_FALSE(m_frame->MostraAviso());
  auto* lista = m_frame->findChild<QListWidget*>(QStringLiteral("LbxResultado"));
  auto* memo = m_frame->findChild<QPlainTextEdit*>(QStringLiteral("MeErro"));
  EXPECT_TRUE(lista->isEnabled());
  EXPECT_EQ(lista->currentRow(), 0);
  EXPECT_EQ(memo->toPlainText(), m_frame->Mensagens()[0]);
  lista->setCurrentRow(2);
  EXPECT_EQ(memo->toPlainText(), m_frame->Mensagens()[2]);
  m_frame->Limpa();
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  EXPECT_TRUE(m_frame->Mensagens().isEmpty());
}

TEST_F(Entrega, SoAvisosDeOutrosCodigosNaoTrazemRecibo) {
  InstalaPrograma();
  QStringList arquivos;
  for (const char* ni : {"11144477735", "00000000191", "52998224725"}) arquivos << Arquivo(QString::fromLatin1(ni));
  Responde(arquivos[0], 1004, "Aguarde.");
  Responde(arquivos[1], 4896, "Aguarde.");
  Responde(arquivos[2], 6200, "Aguarde.");
  m_frame->GetArquivos() = arquivos;
  m_frame->Transmite();
  for (const QString& linha : m_frame->Linhas()) EXPECT_TRUE(linha.startsWith(u"40")) << linha.toStdString();
  EXPECT_FALSE(m_frame->ImprimeRecibos());
}

TEST_F(Entrega, ProgramaAusenteOuDesatualizado) {
  m_frame->GetArquivos() = {Arquivo(QStringLiteral("11144477735"))};
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Aviso(), kNaoInstalado);

  InstalaPrograma("200712");
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Aviso(), QStringLiteral("A versão do Kalvorin instalada no seu computador está desatualizada. Faça a "
                                             "cópia da versão correta da página da Brenvald e instale-o."));
  // The library missing from the program's folder.
  InstalaPrograma();
  QFile::remove(m_programa.filePath(QStringLiteral("VELDRA21.DLL")));
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Aviso(), kNaoInstalado);
  EXPECT_TRUE(Chamadas().isEmpty());
  EXPECT_FALSE(m_frame->ImprimeRecibos());
}

TEST_F(Entrega, NenhumArquivoSelecionado) {
  InstalaPrograma();
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Aviso(), QStringLiteral("Nenhuma declaração foi selecionada."));
  EXPECT_TRUE(m_frame->Linhas().isEmpty());
}

TEST_F(Entrega, CaminhoLongoDemaisRecusadoEOsOutrosSeguem) {
  InstalaPrograma();
  QString pasta = Padrao();
  while (pasta.size() < 260) pasta += QStringLiteral("pasta-de-nome-bem-comprido/");
  const QString longo = Escreve(pasta + QStringLiteral("11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                                Declaracao("DECPF|11144477735|ANA|"));
  const QString curto = Arquivo(QStringLiteral("00000000191"));
  m_frame->GetArquivos() = {longo, curto};
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Linhas(), QStringList({QStringLiteral("10") + longo, QStringLiteral("20") + curto}));
  EXPECT_TRUE(m_frame->Mensagens()[0].contains(QStringLiteral("255 caracteres")));
  EXPECT_EQ(Chamadas().count(u'\n'), 1);
  EXPECT_TRUE(m_frame->findChild<QListWidget*>(QStringLiteral("LbxResultado"))->isEnabled());
}

TEST_F(Entrega, CertificadoEArquivoGravadoPorUltimo) {
  InstalaPrograma();
  const QString arquivo = Arquivo(QStringLiteral("11144477735"));
  // The writing wizard's road: one empty entry stands for the file just written.
  m_frame->SetArquivoGravado(arquivo.chopped(4) + QStringLiteral(".dec"));
  m_frame->GetArquivos() = {QString()};
  TFrResultTrans::SetCertificado(1);
  m_frame->Transmite();
  EXPECT_EQ(m_frame->Linhas(), QStringList{QStringLiteral("20") + arquivo});
  EXPECT_TRUE(Chamadas().startsWith(arquivo + QStringLiteral("|1|")));
  // The receipt beside the file.
  EXPECT_TRUE(QFile::exists(arquivo.chopped(3) + QStringLiteral("REC")));
}

// A hand-over that fails on our side for the second file.
class ResultadoQueFalha : public TFrResultTrans {
 protected:
  int EntregaArquivo(ProgramaTransmissao& programa, uintptr_t janela, const QString& caminho, QString& mensagem) override {
    if (++m_chamadas == 2) throw std::runtime_error("disco desconectado");
    return TFrResultTrans::EntregaArquivo(programa, janela, caminho, mensagem);
  }

 private:
  int m_chamadas = 0;
};

TEST_F(Entrega, FalhaNossaMostraLinhaDeFalhaEDeixaAListaUtil) {
  InstalaPrograma();
  ResultadoQueFalha frame;
  const QString a = Arquivo(QStringLiteral("11144477735"));
  const QString b = Arquivo(QStringLiteral("00000000191"));
  const QString c = Arquivo(QStringLiteral("52998224725"));
  frame.GetArquivos() = {a, b, c};
  frame.Transmite();
  // The failed file says so; the one never reached is not left "being handed over" either.
  EXPECT_EQ(frame.Linhas(), QStringList({QStringLiteral("20") + a, QStringLiteral("10") + b, QStringLiteral("10") + c}));
  ASSERT_EQ(frame.Mensagens().size(), 3);
  EXPECT_TRUE(frame.Mensagens()[1].endsWith(QStringLiteral("disco desconectado")));
  auto* lista = frame.findChild<QListWidget*>(QStringLiteral("LbxResultado"));
  EXPECT_TRUE(lista->isEnabled());
  lista->setCurrentRow(1);
  EXPECT_EQ(frame.findChild<QPlainTextEdit*>(QStringLiteral("MeErro"))->toPlainText(), frame.Mensagens()[1]);
  EXPECT_TRUE(frame.ImprimeRecibos());
}

TEST(PrefixoResultado, Tabela) {
  for (int r : {2, 1004, 4896, 6200}) EXPECT_EQ(TFrResultTrans::Prefixo(r), QStringLiteral("40")) << r;
  EXPECT_EQ(TFrResultTrans::Prefixo(0), QStringLiteral("20"));
  for (int r : {1, 3, 99, -1, 1005}) EXPECT_EQ(TFrResultTrans::Prefixo(r), QStringLiteral("10")) << r;
}

// The wizard over two written files without receipt and one with.
class AssistTransmissao : public ComArquivos {
 protected:
  void SetUp() override {
    ComArquivos::SetUp();
    m_a = Escreve(Padrao() + QStringLiteral("11144477735/2013/11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                  Declaracao("DECPF|11144477735|ANA SOUZA|"));
    m_b = Escreve(Padrao() + QStringLiteral("00000000191/2013/00000000191-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
                  Declaracao("DECPF|00000000191|JOSE|"));
    Escreve(Padrao() + QStringLiteral("52998224725/2013/52998224725-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
            Declaracao("DECPF|52998224725|JOAO|"));
    Grava(Padrao() + QStringLiteral("52998224725/2013/52998224725-TOLV-2014-2013-ORIGI-NORMAL.REC"), "recibo");
    InstalaPrograma();
    m_recibosAntes = PontosEntrada::doPrograma().recibos;
    m_assistente = std::make_unique<TFoAssistTransmissao>();
  }
  void TearDown() override {
    m_assistente.reset();
    PontosEntrada::doPrograma().recibos = m_recibosAntes;
    ComArquivos::TearDown();
  }
  bool Habilitado(TFormAssistNovo::Botao b) const { return m_assistente->PainelBotao(b)->isEnabled(); }

  std::unique_ptr<TFoAssistTransmissao> m_assistente;
  QString m_a, m_b;
  std::function<void(const QStringList&, bool, const QString&)> m_recibosAntes;
};

using Botao = TFormAssistNovo::Botao;

TEST_F(AssistTransmissao, SemCertificadoDaPastaAoResultado) {
  EXPECT_EQ(m_assistente->PaginaAtual(), 1);
  EXPECT_EQ(m_assistente->EdArquivo()->text(), Padrao());
  m_assistente->BtnAvancarClick();
  ASSERT_EQ(m_assistente->PaginaAtual(), 2);
  TFrPesquisaDeclaracoes* pesquisa = m_assistente->Pesquisa();
  EXPECT_EQ(pesquisa->Geradas().quantidade(), 2);
  // Nothing selected: Avançar is unavailable, and Enter does nothing.
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 2);
  pesquisa->AlternaSelecao(1);
  EXPECT_TRUE(m_assistente->AvancarHabilitado());
  pesquisa->AlternaSelecao(1);
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  pesquisa->AlternaSelecao(1);
  pesquisa->AlternaSelecao(0);
  m_assistente->BtnAvancarClick();
  ASSERT_EQ(m_assistente->PaginaAtual(), 3);
  // Row 0 is 00000000191 (the list is ordered by number): in the order of selection.
  EXPECT_EQ(m_assistente->Resultado()->Linhas(), QStringList({QStringLiteral("20") + m_a, QStringLiteral("20") + m_b}));
  EXPECT_TRUE(Chamadas().contains(QStringLiteral("|0|")));
  EXPECT_TRUE(Habilitado(Botao::Concluir));
  EXPECT_FALSE(Habilitado(Botao::Cancelar));
  EXPECT_FALSE(Habilitado(Botao::Voltar));

  // Closing asks about the receipts; "Sim" hands them to the receipts' printing.
  QStringList impressos;
  PontosEntrada::doPrograma().recibos = [&](const QStringList& recibos, bool, const QString&) { impressos = recibos; };
  m_caixa.responde(ResultadoMensagem::Sim);
  m_assistente->BtnOKClick();
  EXPECT_EQ(m_assistente->result(), int(QDialog::Accepted));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Deseja imprimir o(s) recibo(s) de entrega?"));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Confirmação"));
  EXPECT_EQ(impressos, QStringList({m_a.chopped(3) + QStringLiteral("REC"), m_b.chopped(3) + QStringLiteral("REC")}));
}

TEST_F(AssistTransmissao, ReciboSemImpressaoDisponivelDizQueNaoHa) {
  PontosEntrada::doPrograma().recibos = nullptr;
  m_assistente->BtnAvancarClick();
  m_assistente->Pesquisa()->AlternaSelecao(0);
  m_assistente->BtnAvancarClick();
  m_caixa.responde(ResultadoMensagem::Sim);
  m_assistente->BtnOKClick();
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Recibo de entrega: ")));
}

TEST_F(AssistTransmissao, SoAvisosSemPerguntaDeRecibo) {
  Responde(m_a, 1004, "Aguarde o processamento.");
  m_assistente->BtnAvancarClick();
  m_assistente->Pesquisa()->AlternaSelecao(1);
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->Resultado()->Linhas(), QStringList{QStringLiteral("40") + m_a});
  m_assistente->BtnOKClick();
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(AssistTransmissao, ComCertificadoPassaPeloAvisoEEntregaComAMarca) {
  m_assistente->findChild<QCheckBox*>(QStringLiteral("CheckCertDigi"))->setChecked(true);
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 4);
  EXPECT_TRUE(Habilitado(Botao::Voltar));
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 2);
  // Voltar goes back the way it came.
  m_assistente->BtnRetornarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 4);
  m_assistente->BtnAvancarClick();
  m_assistente->Pesquisa()->AlternaSelecao(0);
  m_assistente->BtnAvancarClick();
  EXPECT_TRUE(Chamadas().startsWith(m_b + QStringLiteral("|1|")));
}

TEST_F(AssistTransmissao, PastaVaziaInvalidaOuPadraoAusente) {
  QLineEdit* pasta = m_assistente->EdArquivo();
  // Empty: "Não" stays, "Sim" searches the default folder.
  pasta->clear();
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 1);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Nenhum local foi informado. Procurar no local padrão do sistema?"));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Procurar Declaração"));
  m_caixa.responde(ResultadoMensagem::Sim);
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 2);
  EXPECT_EQ(m_assistente->Pesquisa()->Geradas().quantidade(), 2);
  m_assistente->BtnRetornarClick();

  // Another folder that does not exist.
  m_caixa.limpa();
  pasta->setText(m_raiz.path() + QStringLiteral("/nao/existe"));
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 1);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Local inválido ou inexistente"));

  // The default folder is made when missing.
  QDir(Padrao()).removeRecursively();
  pasta->setText(Padrao());
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 2);
  EXPECT_TRUE(QDir(Padrao()).exists());
  EXPECT_EQ(m_assistente->Pesquisa()->Geradas().quantidade(), 0);
}

TEST_F(AssistTransmissao, OutraPastaProcuraDeNovo) {
  m_assistente->BtnAvancarClick();
  m_assistente->Pesquisa()->AlternaSelecao(0);
  QLineEdit* pasta = m_assistente->EdArquivo();
  pasta->setText(Padrao() + QStringLiteral("11144477735/2013"));
  m_assistente->EdArquivoChange();
  m_assistente->AtualizaPesquisa();
  EXPECT_EQ(m_assistente->Pesquisa()->Geradas().quantidade(), 1);
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  EXPECT_FALSE(m_assistente->PastaAlterada());

  // A folder that does not exist: "Sim" goes back to the default one.
  pasta->setText(m_raiz.path() + QStringLiteral("/nao/existe"));
  m_assistente->EdArquivoChange();
  m_caixa.responde(ResultadoMensagem::Sim);
  m_assistente->AtualizaPesquisa();
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Local inválido ou não informado. Procurar no local padrão do sistema?"));
  EXPECT_EQ(pasta->text(), Padrao());
  EXPECT_EQ(m_assistente->Pesquisa()->Geradas().quantidade(), 2);
}

TEST_F(AssistTransmissao, LinksAbremAPaginaNoNavegador) {
  ShellFalso shell;
  m_assistente->show();
  QTest::mouseClick(m_assistente->findChild<QLabel*>(QStringLiteral("LbSite")), Qt::LeftButton);
  auto* doResultado = m_assistente->Resultado()->findChild<QLabel*>(QStringLiteral("LbSite"));
  QTest::mouseClick(doResultado, Qt::LeftButton);
  EXPECT_EQ(shell.abertos(), QList<QUrl>({QUrl(kSiteInternet), QUrl(kSiteInternet)}));
  m_assistente->hide();
}

TEST_F(AssistTransmissao, SemProgramaDizQueNaoEstaInstalado) {
  QFile::remove(m_sistema.filePath(QStringLiteral("kal-von.ini")));
  m_assistente->BtnAvancarClick();
  m_assistente->Pesquisa()->AlternaSelecao(0);
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->Resultado()->Aviso(), kNaoInstalado);
  m_assistente->BtnOKClick();
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

}  // namespace
