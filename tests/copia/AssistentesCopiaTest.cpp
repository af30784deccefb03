#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "CopiaTeste.h"
#include "controles/TGradeDeclaracoes.h"
#include "copia/CopiaSeguranca.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"
#include "copia/TFormCopSegAuto.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/RegistroTolv.h"
#include "plataforma/compressao/ZipTeste.h"
#include "suporte/QtGtest.h"
#include "suporte/UnidadesFalsas.h"

namespace {

using namespace copia_teste;

// A digest of the file's bytes (a failure prints it, not the archive).
QByteArray Conteudo(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex()
                                     : QByteArray("<ausente>");
}

// The base with drives of every kind under the test's folder; the whole file system is fixed.
class Assistente : public BaseCopia {
 protected:
  void SetUp() override {
    BaseCopia::SetUp();
    for (const char* p : {"pen", "cd", "disquete"}) QDir().mkpath(Raiz() + '/' + p);
    m_unidades = std::make_unique<UnidadesFalsas>(std::vector<Unidade>{
        {"/", TipoUnidade::Fixa, "disco", true},
        {Raiz() + "/pen", TipoUnidade::Removivel, "pen", true},
        {Raiz() + "/cd", TipoUnidade::CD, "cd", true},
        {Raiz() + "/disquete", TipoUnidade::Disquete, "disquete", true},
        {Raiz() + "/ausente", TipoUnidade::Removivel, "ausente", false}});
  }
  void TearDown() override {
    m_unidades.reset();
    BaseCopia::TearDown();
  }
  QString Raiz() const { return m_pasta.caminho(); }
  template <class T>
  static T* Filho(QWidget& w, const char* nome) {
    T* f = w.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(f, nullptr) << nome;
    return f;
  }
  QStringList Mensagens() const {
    QStringList r;
    for (const auto& c : m_caixa.chamadas()) r << c.texto;
    return r;
  }

  std::unique_ptr<UnidadesFalsas> m_unidades;
};

// The destination typed on page 2 and what the wizard makes of it.
struct CasoDestino {
  const char* descricao;
  bool base;
  const char* digitado;  // "@" stands for the test's folder
  const char* mensagem;  // the error shown, or empty when the page may be left
  const char* destino;   // the archive's path when accepted
};

class DestinoDaCopia : public Assistente, public testing::WithParamInterface<CasoDestino> {};

QString Troca(const char* texto, const QString& raiz) { return QString::fromUtf8(texto).replace(u'@', raiz); }

TEST_P(DestinoDaCopia, ConfereAntesDeSairDaPagina2) {
  const CasoDestino& caso = GetParam();
  TFormAssistCopSeg a;
  a.show();
  if (!caso.base) Filho<QRadioButton>(a, "RBCopDec")->setChecked(true);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), caso.base ? 2 : 7);
  if (!caso.base) a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 2);
  Filho<QLineEdit>(a, "EdArquivo")->setText(Troca(caso.digitado, Raiz()));
  m_caixa.limpa();
  const bool sai = a.ConfereDestino();
  if (*caso.mensagem) {
    EXPECT_FALSE(sai);
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_EQ(m_caixa.ultima().texto, Troca(caso.mensagem, Raiz()));
    EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  } else {
    EXPECT_TRUE(sai) << Mensagens().join(" / ").toStdString();
    EXPECT_EQ(a.CaminhoDestino(), Troca(caso.destino, Raiz()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DestinoDaCopia,
    testing::Values(
        CasoDestino{"vazio", true, "  ", "O nome completo do arquivo deverá ser especificado.", ""},
        CasoDestino{"sem pasta", true, "CopSeg.cmp", "A unidade selecionada não existe.", ""},
        CasoDestino{"barra dupla", true, "@//CopSeg/x.cmp", "O caminho selecionado não é válido", ""},
        CasoDestino{"barra invertida", true, "@/Cop\\Seg/x.cmp", "O caminho selecionado não é válido", ""},
        CasoDestino{"cd", true, "@/cd/x.cmp",
                    "A declaração não pode ser gravada diretamente em CD, deverá ser gravada primeiramente no disco rígido.", ""},
        CasoDestino{"mídia ausente", true, "@/ausente/x.cmp", "Mídia não está pronta para gravação.", ""},
        CasoDestino{"sem extensão", true, "@/Copias/base", "", "@/Copias/base.cmp"},
        CasoDestino{"extensão em maiúsculas", true, "@/Copias/BASE.CMP", "", "@/Copias/BASE.CMP"},
        CasoDestino{"cmp numa declaração", false, "@/Copias/X.CMP", "", "@/Copias/X.CMP.dbk"},
        CasoDestino{"dbk em maiúsculas", false, "@/Copias/X.DBK", "", "@/Copias/X.DBK"},
        CasoDestino{"só a pasta", false, "@/Copias/", "", "@/Copias/TOLV2014123456789092013.dbk"}));

TEST_F(Assistente, CopiaDaBaseGravaOArquivoEAsConfiguracoes) {
  RegistroTolv::GravaDirCsDefault("/outra/pasta");
  TFormAssistCopSeg a;
  a.show();
  EXPECT_EQ(a.windowTitle(), "Gravação de cópia de segurança");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 2);
  auto* ed = Filho<QLineEdit>(a, "EdArquivo");
  EXPECT_EQ(ed->text(), Raiz() + "/CopSeg/CopSeg.cmp") << "a última pasta e o último nome";
  EXPECT_GT(a.TamanhoTotal(), 0);
  EXPECT_EQ(a.TamanhoTotal() % 128, 0);
  ed->setText(Raiz() + "/Copias/Base");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5) << a.MotivoFalha().toStdString();
  const QString arquivo = Raiz() + "/Copias/Base.cmp";
  EXPECT_TRUE(Filho<QLabel>(a, "Label7")->text().endsWith("A cópia de segurança foi gravada em:\n" + arquivo));
  EXPECT_EQ(Filho<QProgressBar>(a, "GaugeTotal")->value(), 100);
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
  EXPECT_EQ(zip_teste::NomesUnzip(arquivo).size(), 4);
  EXPECT_FALSE(QFile::exists(arquivo + ".tmp"));
  using ConfiguracoesTolv::AssistenteCopia;
  EXPECT_EQ(ConfiguracoesTolv::DirCsDefault(AssistenteCopia::Copia), Raiz() + "/Copias");
  EXPECT_EQ(ConfiguracoesTolv::DirCsUltimo(AssistenteCopia::Copia), Raiz() + "/Copias");
  EXPECT_EQ(ConfiguracoesTolv::ArqCsDefault(AssistenteCopia::Copia), "Base.cmp");
  EXPECT_EQ(RegistroTolv::DirCsDefault(), Raiz() + "/Copias");
  a.BtnOKClick();
  EXPECT_EQ(a.result(), QDialog::Accepted);
}

TEST_F(Assistente, CopiaNumaUnidadeRemovivelSoGuardaAUltimaPasta) {
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(Raiz() + "/pen/base.cmp");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5);
  using ConfiguracoesTolv::AssistenteCopia;
  EXPECT_EQ(ConfiguracoesTolv::DirCsUltimo(AssistenteCopia::Copia), Raiz() + "/pen");
  EXPECT_EQ(ConfiguracoesTolv::ArqCsUltimo(AssistenteCopia::Copia), "base.cmp");
  EXPECT_EQ(ConfiguracoesTolv::DirCsDefault(AssistenteCopia::Copia), Raiz() + "/CopSeg");
  EXPECT_EQ(RegistroTolv::DirCsDefault(), "");
}

TEST_F(Assistente, CopiaExistenteSoESobrescritaComSim) {
  const QString arquivo = Raiz() + "/Copias/base.cmp";
  QDir().mkpath(Raiz() + "/Copias");
  QFile f(arquivo);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("anterior");
  f.close();
  {
    TFormAssistCopSeg a;
    a.show();
    a.BtnAvancarClick();
    Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
    m_caixa.responde(ResultadoMensagem::Nao);
    a.BtnAvancarClick();
    EXPECT_EQ(m_caixa.ultima().texto, "Esta cópia já foi gravada, deseja sobrescrevê-la?");
    EXPECT_FALSE(a.isVisible());
    EXPECT_EQ(a.result(), QDialog::Rejected);
    EXPECT_EQ(Conteudo(arquivo), QCryptographicHash::hash("anterior", QCryptographicHash::Md5).toHex());
  }
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
  m_caixa.responde(ResultadoMensagem::Sim);
  a.BtnAvancarClick();
  EXPECT_EQ(a.PaginaAtual(), 5);
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
}

TEST_F(Assistente, BancoIlegivelLevaAPagina6SemArquivoNemConfiguracao) {
  ASSERT_TRUE(QFile::remove(Dados(Banco(kFilial))));
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(Raiz() + "/Copias/base.cmp");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 6);
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_EQ(m_caixa.ultima().texto, "O caminho selecionado não é válido.");
  EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  EXPECT_FALSE(a.AvancarHabilitado());
  const QString texto = Filho<QLabel>(a, "Label1")->text();
  EXPECT_TRUE(texto.startsWith("Houve um erro na geração de sua cópia de segurança."));
  EXPECT_TRUE(texto.contains(Banco(kFilial))) << texto.toStdString();
  EXPECT_TRUE(QDir(Raiz() + "/Copias").entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_EQ(ConfiguracoesTolv::DirCsUltimo(ConfiguracoesTolv::AssistenteCopia::Copia), Raiz() + "/CopSeg");
  a.BtnOKClick();
  EXPECT_EQ(a.result(), QDialog::Rejected);
}

TEST_F(Assistente, CopiaQueNaoSubstituiOAlvoFalhaSemTocarNele) {
  // A folder in the archive's place: the archive is written, but cannot be put there.
  const QString alvo = Raiz() + "/Copias/base.cmp";
  QDir().mkpath(alvo);
  QFile dentro(alvo + "/guardado.txt");
  ASSERT_TRUE(dentro.open(QIODevice::WriteOnly));
  dentro.write("x");
  dentro.close();
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(alvo);
  m_caixa.responde(ResultadoMensagem::Sim);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 6);
  EXPECT_TRUE(Filho<QLabel>(a, "Label1")->text().contains("Não foi possível substituir o arquivo")) << a.MotivoFalha().toStdString();
  EXPECT_TRUE(QFile::exists(alvo + "/guardado.txt"));
  EXPECT_FALSE(QFile::exists(alvo + ".tmp"));
  EXPECT_EQ(ConfiguracoesTolv::DirCsUltimo(ConfiguracoesTolv::AssistenteCopia::Copia), Raiz() + "/CopSeg");
  EXPECT_EQ(RegistroTolv::DirCsDefault(), "");
}

TEST_F(Assistente, CopiaDeUmaDeclaracaoEscolhidaNaLista) {
  TFormAssistCopSeg a;
  a.show();
  Filho<QRadioButton>(a, "RBCopDec")->setChecked(true);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 7);
  auto* grade = Filho<TGradeDeclaracoes>(a, "DBGrDeclaracao");
  ASSERT_EQ(grade->Modelo().rowCount(), 3);
  EXPECT_EQ(grade->Modelo().index(0, 0).data().toString(), "123.456.789-09") << "pessoas antes de empresas";
  EXPECT_TRUE(a.AvancarHabilitado());

  auto* cpf = Filho<QLineEdit>(a, "edtCPFCNPJ");
  cpf->setText("999");
  a.FiltraDeclaracoes(0);
  EXPECT_EQ(m_caixa.ultima().texto, "Não consta declaração para este CPF/CNPJ.");
  EXPECT_EQ(m_caixa.ultima().titulo, "Aviso");
  EXPECT_FALSE(a.AvancarHabilitado());
  EXPECT_EQ(grade->Modelo().rowCount(), 3) << "a lista de antes volta";
  auto* nome = Filho<QLineEdit>(a, "edtNome");
  cpf->clear();
  nome->setText("%");
  a.FiltraDeclaracoes(1);
  EXPECT_EQ(m_caixa.ultima().texto, "Não consta declaração para este nome/nome empresarial.") << "% não é curinga";
  nome->setText("empresa d'");
  a.FiltraDeclaracoes(1);
  EXPECT_EQ(grade->Modelo().rowCount(), 2);
  nome->clear();
  cpf->setText("11444777");
  a.FiltraDeclaracoes(0);
  EXPECT_EQ(grade->Modelo().rowCount(), 2);
  cpf->setText("1144477700024");
  a.FiltraDeclaracoes(0);
  EXPECT_EQ(grade->Modelo().rowCount(), 2) << "um dígito verificador certo não refaz a busca";
  cpf->setText("114447770002");
  a.FiltraDeclaracoes(0);
  ASSERT_EQ(grade->Modelo().rowCount(), 1);
  cpf->setText("11444777000242");
  a.FiltraDeclaracoes(0);
  EXPECT_EQ(grade->Modelo().rowCount(), 1) << "os dígitos verificadores não refazem a busca";
  EXPECT_TRUE(a.AvancarHabilitado());

  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 2);
  auto* ed = Filho<QLineEdit>(a, "EdArquivo");
  EXPECT_EQ(ed->text(), Raiz() + "/CopSeg/TOLV2014114447770002422013.dbk");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5) << a.MotivoFalha().toStdString();
  EXPECT_EQ(zip_teste::NomesUnzip(Raiz() + "/CopSeg/TOLV2014114447770002422013.dbk"), QStringList{Banco(kFilial)});
  EXPECT_EQ(RegistroTolv::DirCsDefault(), "") << "uma declaração não grava configurações";
}

TEST_F(Assistente, ListaSemDeclaracaoNaoDeixaAvancar) {
  m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS");
  TFormAssistCopSeg a;
  a.show();
  Filho<QRadioButton>(a, "RBCopDec")->setChecked(true);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 7);
  EXPECT_FALSE(a.AvancarHabilitado());
}

TEST_F(Assistente, CopiaEmDisqueteMostraOAviso) {
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(Raiz() + "/disquete/base.cmp");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 3);
  EXPECT_TRUE(Filho<QLabel>(a, "Label5")->text().startsWith("Você precisará aproximadamente de até "));
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5);
  EXPECT_EQ(Filho<QLabel>(a, "Label7")->text(),
            "Cópia de segurança efetuada com sucesso. Etiquete o(s) disquete(s) e guarde-o(s) em lugar seguro.");
}

TEST_F(Assistente, CancelarDuranteACompressaoNaoDeixaArquivo) {
  TFormAssistCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(Raiz() + "/Copias/base.cmp");
  // Clicked while the archive is being written: the progress lets the click through.
  QTimer::singleShot(0, &a, [&a] { a.CancelBtnClick(); });
  a.BtnAvancarClick();
  EXPECT_EQ(a.result(), QDialog::Rejected);
  EXPECT_EQ(a.CodigoResultado(), compressao::Cancelado);
  EXPECT_TRUE(QDir(Raiz() + "/Copias").entryList(QDir::Files | QDir::Hidden).isEmpty());
}

class Restauracao : public Assistente {
 protected:
  QString GravaBase() {
    QDir().mkpath(CopSeg(QString()));
    compressao::Compressor c;
    EXPECT_EQ(CopiaSeguranca::Grava(CopiaSeguranca::ListaBase(), CopSeg("CopSeg.cmp"), c, {}).codigo, compressao::Concluido);
    return CopSeg("CopSeg.cmp");
  }
  QString GravaDeclaracao(const QString& base, const QString& nome) {
    QDir().mkpath(CopSeg(QString()));
    compressao::Compressor c;
    EXPECT_EQ(CopiaSeguranca::Grava(CopiaSeguranca::ListaDeclaracao(base, "2013"), CopSeg(nome), c, {}).codigo,
              compressao::Concluido);
    return CopSeg(nome);
  }
};

TEST_F(Restauracao, BaseComTresSobreBaseComUmaPedeConfirmacao) {
  const QString arquivo = GravaBase();
  const auto antes = RetratoBase(Dados());
  m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS WHERE IN_PF_PJ = '2'");
  TFormAssistRestCopSeg a;
  a.show();
  EXPECT_EQ(a.windowTitle(), "Restauração de cópia de segurança");
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 2);
  Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 6) << a.MotivoFalha().toStdString();
  EXPECT_EQ(Filho<QLabel>(a, "Label9")->text(), TFormAssistRestCopSeg::TextoConfirmacao(1, 3));
  EXPECT_TRUE(Filho<QLabel>(a, "Label9")->text().contains("contém uma declaração."));
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 4) << a.MotivoFalha().toStdString();
  a.BtnOKClick();
  EXPECT_EQ(a.result(), QDialog::Accepted);
  TColecao::FechaConexoes();
  EXPECT_EQ(RetratoBase(Dados()), antes);
}

TEST_F(Restauracao, BaseSobreIndiceVazioRestauraSemPerguntar) {
  const QString arquivo = GravaBase();
  m_pasta.roda("Tolv.FDB", "DELETE FROM TOLVS");
  TFormAssistRestCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
  a.BtnAvancarClick();
  EXPECT_EQ(a.PaginaAtual(), 4) << a.MotivoFalha().toStdString();
  TColecao::FechaConexoes();
  EXPECT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS"), "3");
}

TEST_F(Restauracao, DeclaracaoQueJaConstaPerguntaAntes) {
  const QString arquivo = GravaDeclaracao("123456789", "tolv2014123456789092013.DBK");
  m_pasta.roda(Banco(kPessoa), "DELETE FROM BENEFICIARIOS");
  TFormAssistRestCopSeg a;
  a.show();
  Filho<QRadioButton>(a, "RBCopDec")->setChecked(true);
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
  m_caixa.responde(ResultadoMensagem::Nao);
  a.BtnAvancarClick();
  EXPECT_EQ(m_caixa.ultima().texto, "Esta declaração já consta no banco, deseja sobrescrevê-la?");
  EXPECT_EQ(m_caixa.ultima().titulo, "Restaurar");
  EXPECT_EQ(a.PaginaAtual(), 2);
  m_caixa.responde(ResultadoMensagem::Sim);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 4) << a.MotivoFalha().toStdString();
  TColecao::FechaConexoes();
  EXPECT_EQ(m_pasta.le(Banco(kPessoa), "SELECT COUNT(*) FROM BENEFICIARIOS"), "3");
}

TEST_F(Restauracao, ArquivoHostilTerminaNaPagina5ComOMotivo) {
  const QString arquivo = CopSeg("hostil.cmp");
  QDir().mkpath(CopSeg(QString()));
  QFile indice(Dados("Tolv.FDB"));
  ASSERT_TRUE(indice.open(QIODevice::ReadOnly));
  ASSERT_TRUE(zip_teste::EscreveZip(arquivo, {{"Tolv.FDB", indice.readAll()}, {"../../Tolv.FDB", "x"}}));
  const auto antes = ArquivosDados(Dados());
  TFormAssistRestCopSeg a;
  a.show();
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(arquivo);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5);
  const QString texto = Filho<QLabel>(a, "Label4")->text();
  EXPECT_TRUE(texto.startsWith("Houve um erro na descompressão do arquivo de cópia de segurança.")) << texto.toStdString();
  EXPECT_TRUE(texto.contains("../../Tolv.FDB"));
  EXPECT_EQ(Filho<QLabel>(a, "Label3")->text(), "Nome do arquivo: " + arquivo);
  a.BtnOKClick();
  EXPECT_EQ(a.result(), QDialog::Accepted);
  TColecao::FechaConexoes();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

// A one-declaration archive that holds other than one database: the restore's error page, and no
// temporary folder left.
TEST_F(Restauracao, CopiaDeDeclaracaoSemUmUnicoBancoTerminaNaPaginaDeErro) {
  const QString dois = GravaDeclaracao("123456789", "TOLV2014529982247252013.dbk");
  QFile empresa(Dados(Banco(kEmpresa)));
  ASSERT_TRUE(empresa.open(QIODevice::ReadOnly));
  QFile pessoa(Dados(Banco(kPessoa)));
  ASSERT_TRUE(pessoa.open(QIODevice::ReadOnly));
  ASSERT_TRUE(zip_teste::EscreveZip(
      dois, {{Banco(kPessoa).toLatin1(), pessoa.readAll()}, {Banco(kEmpresa).toLatin1(), empresa.readAll()}}));
  const auto antes = ArquivosDados(Dados());
  TFormAssistRestCopSeg a;
  a.show();
  Filho<QRadioButton>(a, "RBCopDec")->setChecked(true);
  a.BtnAvancarClick();
  Filho<QLineEdit>(a, "EdArquivo")->setText(dois);
  a.BtnAvancarClick();
  ASSERT_EQ(a.PaginaAtual(), 5);
  const QString texto = Filho<QLabel>(a, "Label4")->text();
  EXPECT_TRUE(texto.startsWith("Houve um erro na restauração de cópia de segurança.")) << texto.toStdString();
  EXPECT_TRUE(texto.contains("um único banco de dados")) << texto.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Dados("TEMP")));
  a.BtnOKClick();
  TColecao::FechaConexoes();
  EXPECT_EQ(ArquivosDados(Dados()), antes);
}

TEST_F(Restauracao, ArquivoInexistenteOuPastaNaoSaemDaPagina2) {
  TFormAssistRestCopSeg a;
  a.show();
  a.BtnAvancarClick();
  auto* ed = Filho<QLineEdit>(a, "EdArquivo");
  for (const QString& t : {Raiz() + "/nao-existe.cmp", Raiz(), QString("CopSeg.cmp")}) {
    ed->setText(t);
    m_caixa.limpa();
    a.BtnAvancarClick();
    EXPECT_EQ(a.PaginaAtual(), 2) << t.toStdString();
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_EQ(m_caixa.ultima().texto, "Informe o arquivo para restauração de cópia de segurança.");
  }
}

TEST_F(Restauracao, IndiceInutilizavelSoDeixaABaseInteira) {
  FalhaBancoIndice = true;
  TFormAssistRestCopSeg a;
  a.show();
  EXPECT_FALSE(Filho<QRadioButton>(a, "RBCopDec")->isEnabled());
  EXPECT_TRUE(Filho<QRadioButton>(a, "RBCopBanco")->isChecked());
  FalhaBancoIndice = false;
}

class CopiaAutomatica : public BaseCopia {};

TEST_F(CopiaAutomatica, GravaSobreAAnteriorEApontaORegistro) {
  RegistroTolv::GravaDirCsDefault("/outra/pasta");
  TFormCopSegAuto janela;
  EXPECT_EQ(janela.GravaCopiaAutomatica(), compressao::Concluido);
  const QString arquivo = m_pasta.caminho() + "/CopSeg/copsegauto.cmp";
  EXPECT_EQ(TFormCopSegAuto::Arquivo(), arquivo);
  EXPECT_TRUE(zip_teste::UnzipAceita(arquivo));
  EXPECT_EQ(janela.findChild<QLabel*>("LbDiretorio")->text(), "Gravando em " + m_pasta.caminho() + "/CopSeg...");
  EXPECT_EQ(RegistroTolv::DirCsDefault(), m_pasta.caminho() + "/CopSeg");
  EXPECT_TRUE(m_caixa.chamadas().empty());
  const QByteArray primeira = Conteudo(arquivo);
  m_pasta.roda(Banco(kPessoa), "DELETE FROM BENEFICIARIOS");
  EXPECT_EQ(janela.GravaCopiaAutomatica(), compressao::Concluido);
  EXPECT_NE(Conteudo(arquivo), primeira);
  EXPECT_EQ(QDir(m_pasta.caminho() + "/CopSeg").entryList(QDir::Files | QDir::Hidden), QStringList{"copsegauto.cmp"});
}

TEST_F(CopiaAutomatica, BancoIlegivelAvisaEPreservaAAnterior) {
  TFormCopSegAuto janela;
  ASSERT_EQ(janela.GravaCopiaAutomatica(), compressao::Concluido);
  const QByteArray anterior = Conteudo(TFormCopSegAuto::Arquivo());
  ASSERT_TRUE(QFile::remove(Dados(Banco(kEmpresa))));
  EXPECT_EQ(janela.GravaCopiaAutomatica(), compressao::Falhou);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith("A cópia de segurança automática falhou."));
  EXPECT_TRUE(m_caixa.ultima().texto.contains(Banco(kEmpresa)));
  EXPECT_EQ(Conteudo(TFormCopSegAuto::Arquivo()), anterior);
}

TEST_F(CopiaAutomatica, EscCancelaSemAvisoEPreservaAAnterior) {
  TFormCopSegAuto janela;
  ASSERT_EQ(janela.GravaCopiaAutomatica(), compressao::Concluido);
  const QByteArray anterior = Conteudo(TFormCopSegAuto::Arquivo());
  QTimer::singleShot(0, &janela, [&janela] { QTest::keyClick(&janela, Qt::Key_Escape); });
  EXPECT_EQ(janela.GravaCopiaAutomatica(), compressao::Cancelado);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Conteudo(TFormCopSegAuto::Arquivo()), anterior);
  EXPECT_EQ(QDir(m_pasta.caminho() + "/CopSeg").entryList(QDir::Files | QDir::Hidden), QStringList{"copsegauto.cmp"});
}

}  // namespace
