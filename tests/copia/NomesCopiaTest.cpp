#include <gtest/gtest.h>

#include "copia/NomesCopia.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"

namespace {

struct CasoExtenso {
  int64_t numero;
  const char* texto;
};
class PorExtenso : public testing::TestWithParam<CasoExtenso> {};

TEST_P(PorExtenso, EscreveNoFeminino) {
  EXPECT_EQ(NomesCopia::NumeroPorExtenso(GetParam().numero), QString::fromUtf8(GetParam().texto));
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, PorExtenso,
    testing::Values(CasoExtenso{0, "zero"}, CasoExtenso{1, "uma"}, CasoExtenso{2, "duas"}, CasoExtenso{3, "três"},
                    CasoExtenso{10, "dez"}, CasoExtenso{11, "onze"}, CasoExtenso{19, "dezenove"},
                    CasoExtenso{21, "vinte e uma"}, CasoExtenso{100, "Cem"}, CasoExtenso{101, "cento e uma"},
                    CasoExtenso{110, "cento e dez"}, CasoExtenso{234, "duzentas e trinta e quatro"},
                    CasoExtenso{1000, "uma Mil"}, CasoExtenso{2000, "duas Mil"}, CasoExtenso{1001, "uma Mil e uma"},
                    CasoExtenso{2345, "duas Mil e trezentas e quarenta e cinco"},
                    CasoExtenso{100000, "Cem Mil"},
                    CasoExtenso{999999, "novecentas e noventa e nove Mil e novecentas e noventa e nove"},
                    CasoExtenso{1000000, "nove Mil e novecentas e noventa e nove"},
                    CasoExtenso{-1, "nove Mil e novecentas e noventa e nove"}));

TEST(TextoConfirmacao, DizAsDuasQuantidadesPorExtenso) {
  EXPECT_EQ(TFormAssistRestCopSeg::TextoConfirmacao(1, 3),
            QStringLiteral("A base de dados atual contém uma declaração.\nAo restaurar a cópia de segurança haverá a "
                           "substituição por outra base contendo três declarações.\n\nCaso não deseje efetuar o "
                           "procedimento clique em cancelar."));
  EXPECT_TRUE(TFormAssistRestCopSeg::TextoConfirmacao(2000, 0).startsWith(
      QStringLiteral("A base de dados atual contém duas Mil declarações.\n")));
  EXPECT_TRUE(TFormAssistRestCopSeg::TextoConfirmacao(2, 0).contains(QStringLiteral("contendo zero declaração.")));
}

struct CasoNome {
  const char* nome;
  bool declaracao;
};
class NomeBanco : public testing::TestWithParam<CasoNome> {};

TEST_P(NomeBanco, SoNomesDeBancoDeDeclaracao) {
  EXPECT_EQ(NomesCopia::EhNomeBancoDeclaracao(QString::fromUtf8(GetParam().nome)), GetParam().declaracao);
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, NomeBanco,
    testing::Values(CasoNome{"TOLV2014123456789092013.FDB", true}, CasoNome{"TOLV2014114447770001612013.FDB", true},
                    CasoNome{"tolv2014123456789092013.fdb", true}, CasoNome{"TOLV2014PD.FDB", false},
                    CasoNome{"Tolv.FDB", false}, CasoNome{"../TOLV2014123456789092013.FDB", false},
                    CasoNome{"DADOS/TOLV2014123456789092013.FDB", false}, CasoNome{"TOLV20141234567890920131.FDB", false},
                    CasoNome{"TOLV2014123456789092013.FDB.anterior", false}, CasoNome{"TOLV2014x23456789092013.FDB", false},
                    CasoNome{"", false}));

struct CasoCopia {
  const char* caminho;
  const char* banco;
};
class NomeBancoDaCopia : public testing::TestWithParam<CasoCopia> {};

TEST_P(NomeBancoDaCopia, LidoDoNomeDoArquivoSemDistinguirMaiusculas) {
  EXPECT_EQ(NomesCopia::NomeBancoDaCopia(QString::fromUtf8(GetParam().caminho)), QString::fromUtf8(GetParam().banco));
}

INSTANTIATE_TEST_SUITE_P(
    Caminhos, NomeBancoDaCopia,
    testing::Values(CasoCopia{"/home/u/CopSeg/TOLV2014123456789092013.dbk", "TOLV2014123456789092013.FDB"},
                    CasoCopia{"/home/u/CopSeg/TOLV2014123456789092013.DBK", "TOLV2014123456789092013.FDB"},
                    CasoCopia{"/home/u/CopSeg/tolv2014114447770001612013.Dbk", "TOLV2014114447770001612013.FDB"},
                    CasoCopia{"/mnt/TOLV/copia de TOLV2014123456789092013.dbk", "TOLV2014123456789092013.FDB"},
                    CasoCopia{"/home/u/CopSeg/CopSeg.cmp", ""}, CasoCopia{"/home/u/TOLV/x.dbk", ""},
                    CasoCopia{"/home/u/CopSeg/../../TOLV2014.dbk", ""}));

TEST(NomesCopia, ExtensoesSemDistinguirMaiusculasEDisquetes) {
  EXPECT_TRUE(NomesCopia::TemExtensao("/a/CopSeg.CMP", NomesCopia::kExtensaoBase));
  EXPECT_TRUE(NomesCopia::TemExtensao("/a/x.Dbk", NomesCopia::kExtensaoDeclaracao));
  EXPECT_FALSE(NomesCopia::TemExtensao("/a/x.cmp.bak", NomesCopia::kExtensaoBase));
  EXPECT_EQ(NomesCopia::NomeCopiaDeclaracao("114447770001", "2013"), "TOLV2014114447770001612013.dbk");
  // 45,875 blocks of 128 bytes fit on one diskette; one block more asks for two.
  EXPECT_EQ(NomesCopia::QuantidadeDisquetes(5872000), 1);
  EXPECT_EQ(NomesCopia::QuantidadeDisquetes(5872128), 2);
}

TEST(TFormAssistCopSeg, DigitoVerificadorDoNumeroDigitado) {
  for (const char* t : {"1234567890", "12345678909", "1144477700016", "11444777000161"})
    EXPECT_TRUE(TFormAssistCopSeg::DigitoVerificadorConfere(QString::fromLatin1(t))) << t;
  for (const char* t : {"123456789", "1234567891", "12345678901", "11444777000162", "114447770001", ""})
    EXPECT_FALSE(TFormAssistCopSeg::DigitoVerificadorConfere(QString::fromLatin1(t))) << t;
}

}  // namespace
