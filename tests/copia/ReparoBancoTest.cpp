#include <QDir>
#include <QFile>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "CopiaTeste.h"
#include "controles/TGradeDeclaracoes.h"
#include "controles/TTolvButton.h"
#include "copia/ReparoBanco.h"
#include "copia/TFoRepararBanco.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/BancoDanificado.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"
#include "suporte/QtGtest.h"

namespace {

using namespace copia_teste;

// The log's lines without the validation's findings, which are the engine's own words.
QStringList Passos(const QString& log) {
  QStringList passos;
  for (const QString& linha : log.split(u'\n'))
    if (!linha.startsWith(QStringLiteral("      ")) && linha != QStringLiteral("   problemas encontrados:")) passos << linha;
  return passos;
}

class Reparo : public BaseCopia {
 protected:
  QString Arquivo() const { return Banco(kEmpresa); }
  QString Caminho() const { return Dados(Arquivo()); }
  QString Linha1() const { return "ARQUIVO: " + QDir::toNativeSeparators(Caminho()); }
  // Rows enough to spread the table over several pages, one of which is then zeroed.
  banco_danificado::Pagina Danifica() {
    banco_danificado::Povoa(Caminho(), 400);
    return banco_danificado::ZeraPaginaDeDados(Caminho(), "BENEFICIARIOS");
  }
  // The repair of the company's database, stopped when `pararEm` is the log's last line.
  ReparoBanco::Fim Repara(ReparoBanco& r, const QString& pararEm = {}) {
    m_log.clear();
    return r.Executa([this](const QString& l) { m_log << l; },
                     [&] { return !pararEm.isEmpty() && !m_log.isEmpty() && m_log.last() == pararEm; });
  }
  QStringList m_log;
};

QMap<QString, QString> SemBeneficiarios(QMap<QString, QString> retrato) {
  retrato.remove("BENEFICIARIOS");
  return retrato;
}

template <class T>
T* Filho(QWidget& w, const char* nome) {
  T* f = w.findChild<T*>(QString::fromLatin1(nome));
  EXPECT_NE(f, nullptr) << nome;
  return f;
}

void Escolhe(TFoRepararBanco& janela, const QString& arquivo) {
  auto* grade = Filho<TGradeDeclaracoes>(janela, "DBGrDeclaracao");
  const auto& linhas = grade->Modelo().Linhas();
  for (int i = 0; i < int(linhas.size()); ++i)
    if (linhas[size_t(i)].arquivo == arquivo) grade->Seleciona(i);
  ASSERT_NE(grade->Selecionada(), nullptr);
  ASSERT_EQ(grade->Selecionada()->arquivo, arquivo);
}

TEST_F(Reparo, JanelaListaSoAsDeclaracoesDoIndiceERecusaSemMudarNada) {
  TFoRepararBanco janela;
  ASSERT_TRUE(janela.AbreDeclaracoes());
  janela.show();
  auto* grade = Filho<TGradeDeclaracoes>(janela, "DBGrDeclaracao");
  QStringList arquivos;
  for (const auto& l : grade->Modelo().Linhas()) arquivos << l.arquivo;
  EXPECT_EQ(arquivos, QStringList({Banco(kPessoa), Banco(kEmpresa), Banco(kFilial)}));
  QStringList titulos;
  for (int c = 0; c < grade->Modelo().columnCount(); ++c)
    titulos << grade->Modelo().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  EXPECT_EQ(titulos, QStringList({"CPF/CNPJ", "Ano-calendário", "Nome/Nome empresarial"}));
  EXPECT_EQ(grade->Modelo().index(1, 0).data().toString(), "11.444.777/0001-61");

  const auto antes = ArquivosDados(Dados());
  Escolhe(janela, Banco(kEmpresa));
  QTest::keyClick(grade, Qt::Key_Return);  // the grid lets Enter through; the box answers Não
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, "Verificação de consistência");
  EXPECT_TRUE(m_caixa.ultima().texto.endsWith("Confirma verificação de consistência do banco?\n\n"));
  EXPECT_EQ(m_caixa.ultima().flags, 36);
  EXPECT_TRUE(janela.NaoConcluido());
  EXPECT_TRUE(Filho<TTolvButton>(janela, "OKBtn")->isVisible());
  EXPECT_TRUE(Filho<TTolvButton>(janela, "OKBtn")->isEnabled());
  EXPECT_FALSE(Filho<TTolvButton>(janela, "okbtninabilitado")->isVisible());
  EXPECT_FALSE(Filho<TTolvButton>(janela, "SpeedButton1")->isVisible());
  EXPECT_EQ(Filho<TTolvButton>(janela, "BitBtn2")->text(), "&Cancelar");
  EXPECT_TRUE(janela.Log().isEmpty());
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

TEST_F(Reparo, BancoDanificadoEhApontadoERefeitoComAsLinhasLegiveis) {
  const auto outras = SemBeneficiarios(Retrato(Caminho()));
  const auto pagina = Danifica();
  ASSERT_GT(pagina.registros, 0);
  EXPECT_THROW(banco_danificado::Conta(Caminho(), "BENEFICIARIOS"), bd::ErroBanco);

  TFoRepararBanco janela;
  ASSERT_TRUE(janela.AbreDeclaracoes());
  janela.show();
  Escolhe(janela, Arquivo());
  m_caixa.responde(ResultadoMensagem::Sim);
  janela.OKBtnClick();

  ASSERT_EQ(janela.UltimoFim(), ReparoBanco::Fim::Concluido) << janela.Log().toStdString();
  EXPECT_EQ(Passos(janela.Log()),
            QStringList({Linha1(), "Iniciando Validação",
                         "   procurando registros corrompidos ...", "   validando estrutura de páginas ...",
                         "Iniciando Cópia", "Iniciando Restauração", "... concluída !"}));
  EXPECT_TRUE(janela.Log().contains("   problemas encontrados:\n      erros em páginas de dados: 1\n"))
      << janela.Log().toStdString();
  EXPECT_EQ(banco_danificado::Conta(Caminho(), "BENEFICIARIOS"), 403 - pagina.registros);
  EXPECT_EQ(SemBeneficiarios(Retrato(Caminho())), outras);
  for (const char* resto : {".GBK", ".FBK", ".ORI"})
    EXPECT_FALSE(QFile::exists(Dados("TOLV2014114447770001612013") + resto)) << resto;
  EXPECT_EQ(m_caixa.chamadas().size(), 1u) << "nada além da confirmação";

  // Done: Fechar in place of Cancelar, and Iniciar only as its disabled twin.
  EXPECT_EQ(Filho<TTolvButton>(janela, "BitBtn2")->text(), "&Fechar");
  EXPECT_TRUE(Filho<TTolvButton>(janela, "BitBtn2")->Glyph().isNull());
  EXPECT_FALSE(Filho<TTolvButton>(janela, "OKBtn")->isVisible());
  EXPECT_TRUE(Filho<TTolvButton>(janela, "okbtninabilitado")->isVisible());
  EXPECT_FALSE(Filho<TTolvButton>(janela, "SpeedButton1")->isVisible());
  m_caixa.limpa();
  janela.OKBtnClick();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << "outra declaração só depois de reabrir a janela";
}

TEST_F(Reparo, PararNaJanelaDeixaOBancoComoEstavaEIniciarDeVolta) {
  Danifica();
  TFoRepararBanco janela;
  ASSERT_TRUE(janela.AbreDeclaracoes());
  const auto antes = ArquivosDados(Dados());
  janela.show();
  Escolhe(janela, Arquivo());
  // Parar once the backup is under way, on the mended database.
  QObject::connect(Filho<QPlainTextEdit>(janela, "Memo1"), &QPlainTextEdit::textChanged, &janela, [&] {
    if (janela.Log().endsWith("Iniciando Cópia") && !Filho<TTolvButton>(janela, "BitBtn2")->isVisible())
      QTest::keyClick(&janela, Qt::Key_Escape);  // Esc is Parar while a repair runs
  });
  m_caixa.responde(ResultadoMensagem::Sim);
  m_caixa.responde(ResultadoMensagem::Sim);
  janela.OKBtnClick();

  EXPECT_EQ(janela.UltimoFim(), ReparoBanco::Fim::Parado);
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.ultima().texto,
            "O cancelamento da verificação de consistência\npoderá ocasionar a perda permanente de dados.\n"
            "Confirma o cancelamento da verificação?");
  EXPECT_TRUE(janela.Log().endsWith("Iniciando Cópia\n   ... restauração cancelada !")) << janela.Log().toStdString();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
  EXPECT_TRUE(janela.NaoConcluido());
  EXPECT_TRUE(Filho<TTolvButton>(janela, "OKBtn")->isVisible());
  EXPECT_EQ(Filho<TTolvButton>(janela, "BitBtn2")->text(), "&Cancelar");
}

// Writes a 32-bit value at a place of the database's header page.
void GravaNoCabecalho(const QString& arquivo, qint64 posicao, quint32 valor) {
  QFile f(arquivo);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.seek(posicao));
  const char bytes[4] = {char(valor), char(valor >> 8), char(valor >> 16), char(valor >> 24)};
  ASSERT_EQ(f.write(bytes, 4), 4);
}

TEST_F(Reparo, FalhaDoMotorEhMostradaEDeixaOArquivoComoEstava) {
  // A header the engine's tools refuse: its oldest transaction after the next one.
  GravaNoCabecalho(Caminho(), 28, 0x7FFFFFF0);
  TFoRepararBanco janela;
  ASSERT_TRUE(janela.AbreDeclaracoes());
  janela.show();
  const auto antes = ArquivosDados(Dados());
  Escolhe(janela, Arquivo());
  m_caixa.responde(ResultadoMensagem::Sim);
  janela.OKBtnClick();

  EXPECT_EQ(janela.UltimoFim(), ReparoBanco::Fim::Falhou);
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith("O programa gfix falhou: ")) << m_caixa.ultima().texto.toStdString();
  EXPECT_TRUE(janela.Log().endsWith("\n   ... " + m_caixa.ultima().texto)) << janela.Log().toStdString();
  EXPECT_FALSE(janela.Log().contains("concluída"));
  EXPECT_EQ(ArquivosDados(Dados()), antes);
  EXPECT_EQ(Filho<TTolvButton>(janela, "BitBtn2")->text(), "&Fechar");
  EXPECT_FALSE(Filho<TTolvButton>(janela, "OKBtn")->isVisible());
}

// A file that is no database, or whose header would keep the engine busy for good (a cache of
// two billion pages): the repair fails at once with the reason, runs no tool and leaves it as it
// was.
struct CasoNaoBanco {
  const char* nome;
  std::function<void(const QString&)> estraga;
  const char* mensagem;
};

class NaoEhBanco : public Reparo, public testing::WithParamInterface<CasoNaoBanco> {};

TEST_P(NaoEhBanco, FalhaSemRodarFerramentas) {
  GetParam().estraga(Caminho());
  const auto antes = ArquivosDados(Dados());
  ReparoBanco r(Dados(), Arquivo());
  EXPECT_EQ(Repara(r), ReparoBanco::Fim::Falhou);
  EXPECT_EQ(r.Mensagem(), QString::fromUtf8(GetParam().mensagem).arg(QDir::toNativeSeparators(Caminho())));
  EXPECT_EQ(m_log, QStringList({Linha1(), "   ... " + r.Mensagem()}));
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

void Sobrescreve(const QString& arquivo, const QByteArray& bytes) {
  QFile f(arquivo);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, NaoEhBanco,
    testing::Values(
        CasoNaoBanco{"Lixo", [](const QString& a) { Sobrescreve(a, QByteArray(8192, 'x')); },
                     "O arquivo %1 não é um banco de dados."},
        CasoNaoBanco{"Zeros", [](const QString& a) { Sobrescreve(a, QByteArray(1 << 20, '\0')); },
                     "O arquivo %1 não é um banco de dados."},
        CasoNaoBanco{"Vazio", [](const QString& a) { Sobrescreve(a, {}); }, "O arquivo %1 não é um banco de dados."},
        CasoNaoBanco{"SoOCabecalho",
                     [](const QString& a) {
                       QFile f(a);
                       ASSERT_TRUE(f.resize(1024));
                     },
                     "O arquivo %1 não é um banco de dados."},
        CasoNaoBanco{"OutraEstrutura", [](const QString& a) { GravaNoCabecalho(a, 16, 0x800B2000); },
                     "O arquivo %1 não é um banco de dados desta versão do programa."},
        CasoNaoBanco{"MemoriaSemFim", [](const QString& a) { GravaNoCabecalho(a, 68, 0x7FFFFFFF); },
                     "O cabeçalho do banco de dados %1 está danificado: pede 2147483647 páginas de memória."}),
    [](const auto& info) { return std::string(info.param.nome); });

// The entry lets go of the declaration's connection before the window shows, and keeps one window
// at a time; Esc on an idle window closes it.
TEST_F(Reparo, EntradaSoltaOBancoDaDeclaracaoEAbreUmaJanelaDeCadaVez) {
  {
    TColecaoTolv colecao;
    colecao.AbrirBancoDeclaracao(Arquivo(), false);
  }
  ASSERT_NE(TColecao::GetBancoDeclaracao(), nullptr);
  ASSERT_TRUE(TColecao::GetBancoDeclaracao()->conectada());
  bool vista = false, soltou = false, segunda = true;
  QTimer::singleShot(0, [&] {
    auto* janela = qobject_cast<TFoRepararBanco*>(QApplication::activeModalWidget());
    ASSERT_NE(janela, nullptr);
    vista = janela->isVisible() && janela->windowTitle() == "Verificação de consistência do banco de dados";
    soltou = !TColecao::GetBancoDeclaracao()->conectada();
    segunda = ExecutaRepararBanco(nullptr);  // refused at once, no second window
    QTest::keyClick(janela, Qt::Key_Escape);
  });
  EXPECT_FALSE(ExecutaRepararBanco(nullptr));
  EXPECT_TRUE(vista);
  EXPECT_TRUE(soltou);
  EXPECT_FALSE(segunda);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(m_caixa.chamadas().empty());

  // Gone with its window: the entry opens one again.
  vista = false;
  QTimer::singleShot(0, [&] {
    QWidget* janela = QApplication::activeModalWidget();
    vista = qobject_cast<TFoRepararBanco*>(janela) != nullptr;
    if (janela) QTest::keyClick(janela, Qt::Key_Escape);
  });
  EXPECT_FALSE(ExecutaRepararBanco(nullptr));
  EXPECT_TRUE(vista);
}

// A stop at each step leaves the data folder byte for byte as it was: the mended database is put
// back from its copy, and no work file stays.
class ParadaDoReparo : public Reparo, public testing::WithParamInterface<const char*> {};

TEST_P(ParadaDoReparo, DeixaAPastaDeDadosComoEstava) {
  Danifica();
  const auto antes = ArquivosDados(Dados());
  ReparoBanco r(Dados(), Arquivo());
  EXPECT_EQ(Repara(r, QString::fromUtf8(GetParam())), ReparoBanco::Fim::Parado);
  EXPECT_EQ(m_log.last(), "   ... restauração cancelada !");
  EXPECT_FALSE(m_log.contains("... concluída !"));
  EXPECT_TRUE(r.Mensagem().isEmpty()) << r.Mensagem().toStdString();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

INSTANTIATE_TEST_SUITE_P(Passos, ParadaDoReparo,
                         testing::Values("Iniciando Validação",
                                         "   procurando registros corrompidos ...", "Iniciando Restauração"));

// The restored database cannot take the old one's place.
struct CasoTroca {
  const char* descricao;
  bool originalVolta;  // the original can still be put back
};

class TrocaFalha : public Reparo, public testing::WithParamInterface<CasoTroca> {};

TEST_P(TrocaFalha, GuardaCopiaERestauradoENuncaDizConcluida) {
  const auto retrato = Retrato(Caminho());
  const QByteArray original = ArquivosDados(Dados())[Arquivo()];
  ReparoBanco r(Dados(), Arquivo());
  r.DefineSubstituicao([&](const QString& origem, const QString& destino, QString* erro) {
    if (origem == r.Original() && GetParam().originalVolta) return compressao::SubstituiArquivo(origem, destino, erro);
    *erro = "Não foi possível substituir o arquivo " + destino + ": Permissão negada";
    return false;
  });
  EXPECT_EQ(Repara(r), ReparoBanco::Fim::Falhou);
  EXPECT_FALSE(m_log.contains("... concluída !"));
  EXPECT_TRUE(m_log.contains("   ... Não foi possível substituir o arquivo " + Caminho() + ": Permissão negada"))
      << m_log.join('\n').toStdString();
  EXPECT_TRUE(m_log.contains("   Foram mantidos os arquivos " + r.Copia() + " e " + r.Novo() + "."));
  EXPECT_TRUE(r.Mensagem().startsWith("Não foi possível substituir o arquivo "));
  EXPECT_TRUE(QFile::exists(r.Copia()));
  EXPECT_EQ(Retrato(r.Novo()), retrato);
  if (GetParam().originalVolta) {
    EXPECT_FALSE(QFile::exists(r.Original()));
    EXPECT_EQ(ArquivosDados(Dados())[Arquivo()], original);
  } else {
    EXPECT_EQ(ArquivosDados(Dados())[r.Original().section('/', -1)], original);
    EXPECT_TRUE(r.Mensagem().contains("está guardado em " + r.Original())) << r.Mensagem().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Casos, TrocaFalha,
                         testing::Values(CasoTroca{"o original volta", true}, CasoTroca{"nem o original volta", false}));

// What stops a repair before it touches anything.
TEST_F(Reparo, RecusaSemTocarEmNada) {
  const QStringList nomes = QDir(Dados()).entryList(QDir::Files);
  {
    bd::Conexao aberta(Caminho());
    aberta.conecta();
    ReparoBanco r(Dados(), Arquivo());
    EXPECT_EQ(Repara(r), ReparoBanco::Fim::Falhou);
    EXPECT_TRUE(r.Mensagem().contains("está aberto")) << r.Mensagem().toStdString();
  }
  EXPECT_EQ(QDir(Dados()).entryList(QDir::Files), nomes);
  const auto antes = ArquivosDados(Dados());
  for (const char* nome : {"Tolv.FDB", "../DADOS/TOLV2014114447770001612013.FDB", "TOLV2014PD.FDB"}) {
    ReparoBanco r(Dados(), nome);
    EXPECT_EQ(Repara(r), ReparoBanco::Fim::Falhou) << nome;
    EXPECT_TRUE(r.Mensagem().startsWith("O índice não aponta um banco de dados de declaração válido")) << nome;
  }
  EXPECT_EQ(ArquivosDados(Dados()), antes);

  // A copy left by a repair that never ended is never overwritten.
  QFile sobra(Dados("TOLV2014114447770001612013.ORI"));
  ASSERT_TRUE(sobra.open(QIODevice::WriteOnly));
  sobra.write("guardado");
  sobra.close();
  ReparoBanco r(Dados(), Arquivo());
  EXPECT_EQ(Repara(r), ReparoBanco::Fim::Falhou);
  EXPECT_TRUE(r.Mensagem().contains("deixada por uma verificação de consistência interrompida"));
  auto depois = ArquivosDados(Dados());
  EXPECT_EQ(depois.take("TOLV2014114447770001612013.ORI"), QCryptographicHash::hash("guardado", QCryptographicHash::Md5));
  EXPECT_EQ(depois, antes);
}

}  // namespace
