#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "plataforma/integridade/BibliotecaAssinatura.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/QtGtest.h"

namespace {

BibliotecaAssinatura::Dados TuplaConhecida() {
  BibliotecaAssinatura::Dados d;
  d.autenticacao = "Q1W2E3R4T5";
  d.ni = "11444777000161";
  d.controle = "2270759598";
  d.dia = 15;
  d.mes = 3;
  d.ano = 2014;
  d.hora = 10;
  d.minuto = 20;
  d.segundo = 30;
  return d;
}

enum class Arquivo { Vazio, Relativo, Ausente, NaoEhBiblioteca, SemEntrada };

class AssinaturaAusente : public testing::TestWithParam<Arquivo> {
 protected:
  QString Caminho() {
    switch (GetParam()) {
      case Arquivo::Vazio: return {};
      // The real plug-in under a relative name: dlopen would find it through the current folder.
      case Arquivo::Relativo: return QDir::current().relativeFilePath(QStringLiteral(TOLV_VORSAK_FALSA));
      case Arquivo::Ausente: return m_pasta.filePath(QStringLiteral("vorsak.so"));
      case Arquivo::NaoEhBiblioteca: {
        const QString c = m_pasta.filePath(QStringLiteral("vorsak.so"));
        EXPECT_TRUE(escreve(c, "não é uma biblioteca"));
        return c;
      }
      case Arquivo::SemEntrada: return QStringLiteral(TOLV_VELDRA_FALSA);
    }
    return {};
  }
  QTemporaryDir m_pasta;
};

TEST_P(AssinaturaAusente, NadaCarregadoENadaConfere) {
  BibliotecaAssinatura b;
  EXPECT_FALSE(b.Carrega(Caminho()));
  EXPECT_FALSE(b.Carregada());
  EXPECT_FALSE(b.Confere(TuplaConhecida()));
}

INSTANTIATE_TEST_SUITE_P(Arquivos, AssinaturaAusente,
                         testing::Values(Arquivo::Vazio, Arquivo::Relativo, Arquivo::Ausente, Arquivo::NaoEhBiblioteca,
                                         Arquivo::SemEntrada));

TEST(BibliotecaAssinatura, PassaOsNoveArgumentosNaOrdem) {
  BibliotecaAssinatura b;
  ASSERT_TRUE(b.Carrega(QStringLiteral(TOLV_VORSAK_FALSA)));
  EXPECT_TRUE(b.Confere(TuplaConhecida()));
  // Each argument in its place: swapping two of the same kind refuses.
  auto trocada = TuplaConhecida();
  std::swap(trocada.hora, trocada.minuto);
  EXPECT_FALSE(b.Confere(trocada));
  trocada = TuplaConhecida();
  trocada.controle = "2270759599";
  EXPECT_FALSE(b.Confere(trocada));
  b.Descarrega();
  EXPECT_FALSE(b.Confere(TuplaConhecida()));
}

}  // namespace
