#include <gtest/gtest.h>

#include <QFileInfo>

#include <vector>

#include "AnaliseTeste.h"
#include "validador/TPrimitivo.h"

namespace {

using analise_teste::ComRun;

class Elemento : public TPrimitivo {
 public:
  explicit Elemento(TArquivoDados& dados) : TPrimitivo(dados, TRegras::Tabela()) {}
};

TEST_F(ComRun, LogVazioEApagadoAoFechar) {
  EXPECT_TRUE(QFileInfo::exists(CaminhoLog()));
  EXPECT_TRUE(Dados().FechaLog());
  EXPECT_FALSE(QFileInfo::exists(CaminhoLog()));
}

TEST_F(ComRun, LogVazioFicaQuandoAPassagemParou) {
  Dados().Interrompe();
  EXPECT_EQ(Dados().MotivoInterrupcao, TArquivoDados::kCancelado);
  EXPECT_TRUE(Dados().FechaLog());
  EXPECT_TRUE(QFileInfo::exists(CaminhoLog()));
}

TEST_F(ComRun, LogVazioFicaComRraNaBaseENoArquivo) {
  Dados().RraNaBase = Dados().ExisteRra = true;
  EXPECT_TRUE(Dados().FechaLog());
  EXPECT_TRUE(QFileInfo::exists(CaminhoLog()));
}

TEST_F(ComRun, ReiniciaLogEsvaziaEZeraContadores) {
  Elemento e(Dados());
  e.ExecutaRegra(QStringLiteral("ER_ExisteBeneficiarioInf"));
  Dados().Contagem.RegistrosRejeitados = 3;
  ASSERT_EQ(Log().size(), 1);
  Dados().ReiniciaLog();
  EXPECT_TRUE(Log().isEmpty());
  EXPECT_EQ(Dados().Contagem.Erros, 0);
  EXPECT_EQ(Dados().Contagem.RegistrosRejeitados, 0);
}

// A log that cannot be written fails the run and says why: no finding is counted and lost.
TEST(TArquivoDados, FalhaAoGravarOLogFalhaORun) {
  if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "sem /dev/full";
  CaixaMensagemFalsa caixa;
  TArquivoDados dados(QStringLiteral("/dev/full"));
  EXPECT_FALSE(dados.Falhou);
  Elemento e(dados);
  e.ExecutaRegra(QStringLiteral("ER_ExisteBeneficiarioInf"));
  EXPECT_FALSE(dados.DescarregaLog());
  EXPECT_TRUE(dados.Falhou);
  EXPECT_FALSE(dados.ErroLog().isEmpty());
  EXPECT_FALSE(dados.FechaLog());
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
  dados.PreparaAnalise(1000);
  EXPECT_TRUE(dados.Falhou);
}

TEST(TArquivoDados, LogQueNaoPodeSerCriadoFalhaORun) {
  QTemporaryDir pasta;
  analise_teste::GravaArquivo(pasta.path() + QStringLiteral("/arquivo"), "x");
  TArquivoDados dados(pasta.path() + QStringLiteral("/arquivo/dec.log"));
  EXPECT_TRUE(dados.Falhou);
  EXPECT_FALSE(dados.ErroLog().isEmpty());
}

TEST_F(ComRun, SituacaoDaImportacao) {
  EXPECT_EQ(Dados().SituacaoImportacao(), 0);
  Dados().PlanoSaudeNaoImportado = true;
  EXPECT_EQ(Dados().SituacaoImportacao(), 3);
  Dados().SetMotivoInterrupcao(TArquivoDados::kLimiteErros);
  Dados().SetMotivoInterrupcao(TArquivoDados::kCancelado);
  EXPECT_EQ(Dados().SituacaoImportacao(), 5);
  Dados().Contagem.BeneficiariosAdicionados = 7;
  Dados().Contagem.Avisos = 2;
  Dados().ZeraTotaisImportacao();
  EXPECT_EQ(Dados().Contagem.BeneficiariosAdicionados, 0);
  EXPECT_EQ(Dados().Contagem.Avisos, 2);
}

TEST_F(ComRun, FalhaNaoViraCancelamento) {
  Dados().MarcaFalha();
  Dados().Interrompe();
  EXPECT_TRUE(Dados().Interrompido);
  EXPECT_EQ(Dados().MotivoInterrupcao, TArquivoDados::kSemMotivo);
  Dados().Conclui();
  Dados().MarcaFalha();
  EXPECT_FALSE(Dados().Concluido);
}

// Every rejected warning field of a line reaches the import, however many: a payments-abroad
// beneficiary whose fields 3 to 16 all fail keeps all fourteen.
TEST_F(ComRun, CamposRejeitadosSemLimite) {
  Dados().PreparaAnalise(100);
  TTFlagCampo& campos = Dados().Flags().GetFlagCampo();
  for (int linha = 1; linha <= 3; ++linha) {
    Dados().ContaLinha(10);
    campos.LimpaCampos();
    if (linha == 2)
      for (int p = 3; p <= 16; ++p) campos.AdicionaCampo(p);
    Dados().MarcaLinha(linha, linha != 3);
  }
  Dados().SetBarraProgresso({});
  std::vector<std::vector<uint16_t>> lidos;
  for (int linha = 1; linha <= 3; ++linha) {
    Dados().ContaLinha(10);
    lidos.push_back(Dados().CamposRejeitados());
  }
  EXPECT_TRUE(lidos[0].empty());
  EXPECT_EQ(lidos[1], (std::vector<uint16_t>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_TRUE(lidos[2].empty());
  EXPECT_TRUE(Dados().LinhaImportavel(2));
  EXPECT_FALSE(Dados().LinhaImportavel(3));
  EXPECT_FALSE(Dados().LinhaImportavel(100000));
  Dados().MarcaLinha(100000, true);
  EXPECT_TRUE(Dados().LinhaImportavel(100000));
}

TEST_F(ComRun, ProgressoEmCercaDeCemPassos) {
  std::vector<int64_t> posicoes;
  Dados().SetBarraProgresso([&](int64_t posicao, int64_t) { posicoes.push_back(posicao); });
  Dados().IniciaProgresso(99000);
  for (int i = 0; i < 9900; ++i) Dados().ContaLinha(10);
  EXPECT_EQ(Dados().LinhaAtual(), 9900);
  EXPECT_GE(posicoes.size(), 90u);
  EXPECT_LE(posicoes.size(), 101u);
  Dados().Conclui();
  EXPECT_EQ(posicoes.back(), 99000);
}

TEST_F(ComRun, EventosNoMaximoACada50ms) {
  int vezes = 0;
  Dados().SetProcessaEventos([&] { ++vezes; });
  Dados().ProcessaEventos(true);
  for (int i = 0; i < 1000; ++i) Dados().ProcessaEventos();
  EXPECT_LE(vezes, 2);
}

TEST_F(ComRun, DataDoEventoDaOMes) {
  Dados().SetDataEvento(QDate(2014, 3, 15));
  EXPECT_EQ(Dados().MesEvento, 3);
  Dados().SetDataEvento(QDate(2014, 12, 15));
  EXPECT_EQ(Dados().MesEvento, TArquivoDados::kSemMesEvento);
  Dados().SetDataEvento(QDate());
  EXPECT_EQ(Dados().MesEvento, TArquivoDados::kSemMesEvento);
}

}  // namespace
