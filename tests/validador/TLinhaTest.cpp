#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "validador/TLinha.h"
#include "validador/TRegrasAnalisador.h"

namespace {

using analise_teste::ComRun;

struct CasoTipo {
  const char16_t* identificador;
  int tipo;
};

class TipoDaLinha : public testing::TestWithParam<CasoTipo> {};

TEST_P(TipoDaLinha, PeloIdentificador) {
  EXPECT_EQ(TRegrasAnalisador::TipoDaLinha(QStringView(GetParam().identificador)), GetParam().tipo);
}

INSTANTIATE_TEST_SUITE_P(Identificadores, TipoDaLinha,
                         testing::Values(CasoTipo{u"TOLV", 0}, CasoTipo{u"Tolv", 0}, CasoTipo{u"tolv", -1},
                                         CasoTipo{u"RTOLV", -1}, CasoTipo{u"rtolv", -1}, CasoTipo{u"IDREC", 4},
                                         CasoTipo{u"idrec", 4}, CasoTipo{u"bpfdec", 5}, CasoTipo{u"FimTolv", 50},
                                         CasoTipo{u"QTMESES", 38}, CasoTipo{u"IDRECX", -1}, CasoTipo{u"", -1},
                                         CasoTipo{u"BPFDEC ", -1}, CasoTipo{u"ABCDEFGHIJ", -1}));

TEST(TRegrasAnalisador, TipoPorNomeRecusaODesconhecido) {
  EXPECT_EQ(TRegrasAnalisador::TipoPorNome(u"Tolv"), TTipoRegistro::RTOLV);
  EXPECT_EQ(TRegrasAnalisador::TipoPorNome(u"vrpde"), TTipoRegistro::VRPDE);
  EXPECT_THROW(TRegrasAnalisador::TipoPorNome(u"XPTO"), std::invalid_argument);
  EXPECT_EQ(TRegrasAnalisador::NomeTipo(TTipoRegistro::RTOLV), QStringLiteral("TOLV"));
  EXPECT_EQ(TRegrasAnalisador::PosicaoPersistencia(TTipoRegistro::QTMESES), 0);
  EXPECT_EQ(TRegrasAnalisador::PosicaoPersistencia(TTipoRegistro::RIO), 18);
  EXPECT_EQ(TRegrasAnalisador::PosicaoPersistencia(TTipoRegistro::FIMTOLV), 20);
}

struct CasoLinha {
  const char16_t* texto;
  bool valida;
  int numeroCampos;
  const char16_t* achado;  // the end of the finding's line, from the record piece on
};

class LinhaComoLinha : public ComRun, public testing::WithParamInterface<CasoLinha> {};

TEST_P(LinhaComoLinha, Valida) {
  TLinha linha(Dados());
  Dados().ContaLinha(0);
  linha.Define(QString::fromUtf16(GetParam().texto));
  linha.Valida();
  EXPECT_EQ(linha.Valido(), GetParam().valida);
  EXPECT_EQ(linha.GetNumeroCampos(), GetParam().numeroCampos);
  const QStringList log = Log();
  if (GetParam().valida) {
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(linha.GetTextoRegistro().isEmpty());
  } else {
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QStringLiteral("Linha: 01 ") + QString::fromUtf16(GetParam().achado));
    EXPECT_EQ(linha.GetTextoRegistro(), QStringLiteral(" Registro: XXXXX"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, LinhaComoLinha,
    testing::Values(
        CasoLinha{u"RESPO|12345678909|Fulano|", true, 2, u""},
        CasoLinha{u"bpfdec|12345678909|Fulano||", true, 3, u""},
        CasoLinha{u"", false, -2,
                  u" Registro: XXXXX   Campo: XXXXX Valor: XXXXX      Erro: Indicador de registro não reconhecido."},
        CasoLinha{u"XPTO|1|", false, 1,
                  u" Registro: XPTO    Campo: XXXXX Valor: XXXXX      Erro: Indicador de registro não reconhecido."},
        CasoLinha{u"RTOLV|2014|", false, 1,
                  u" Registro: RTOLV   Campo: XXXXX Valor: XXXXX      Erro: Indicador de registro não reconhecido."},
        CasoLinha{u"idrec|0561", false, 0,
                  u" Registro: IDREC   Campo: XXXXX Valor: XXXXX      Erro: Linha não termina com delimitador pipe "
                  u"\"|\"."}));

TEST_F(ComRun, LinhaDeTipoDesconhecidoGuardaOTipoDaAnterior) {
  TLinha linha(Dados());
  linha.Define(QStringLiteral("IDREC|0561|"));
  linha.Valida();
  EXPECT_EQ(linha.GetTipo(), TTipoRegistro::IDREC);
  linha.Define(QStringLiteral("XPTO|0561|"));
  linha.Valida();
  EXPECT_FALSE(linha.Valido());
  EXPECT_EQ(linha.GetTipo(), TTipoRegistro::IDREC);
}

}  // namespace
