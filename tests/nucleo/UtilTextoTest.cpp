#include <gtest/gtest.h>

#include "nucleo/UtilTexto.h"
#include "nucleo/Valor.h"
#include "suporte/QtGtest.h"

namespace {

// Restores the program-wide report kind after each case.
class ComTipoImpressao : public testing::Test {
 protected:
  ~ComTipoImpressao() override { TipoImpressao = 0; }
};

TEST_F(ComTipoImpressao, NormalizaTextoForTheDeclarationFile) {
  EXPECT_EQ(NormalizaTexto(u"  ação   ÚNICA  pôr\tfim ", false), "ACAO UNICA POR\tFIM");
  EXPECT_EQ(NormalizaTexto(u"\x01 ñandú èlan ü ç ", false), "ñANDU èLAN U C");
  EXPECT_EQ(NormalizaTexto(u"Ação D'Água", true), "ACAO D AGUA");
  EXPECT_EQ(NormalizaTexto(u"Ação D'Água", false), "ACAO D'AGUA");
  EXPECT_EQ(NormalizaTexto(u"D' Ávila", true), "D AVILA");
  for (int tipo : {1, 3, 9}) {
    TipoImpressao = tipo;
    EXPECT_EQ(NormalizaTexto(u"D'Água", true), "D'AGUA") << tipo;
  }
  for (int tipo : {2, 10}) {
    TipoImpressao = tipo;
    EXPECT_EQ(NormalizaTexto(u"D'Água", true), "D AGUA") << tipo;
  }
}

TEST(UtilTexto, RemoveAcentosMapsTheUpperHalf) {
  EXPECT_EQ(RemoveAcentos(u"ñandú Èlan ÿŸý çà Æ ß €-1"), "NANDU ELAN YYY CA" + QString(6, u' ') + "-1");
  EXPECT_EQ(RemoveAcentos(u"São Paulo, 123"), "SAO PAULO, 123");
  EXPECT_EQ(RemoveAcentos(u"日本"), "  ");
}

TEST(UtilTexto, Words) {
  EXPECT_EQ(ContaPalavras(u"  maria  da   silva "), 3);
  EXPECT_EQ(ContaPalavras(u""), 0);
  EXPECT_EQ(PalavraN(u"  maria  da   silva ", 3), "silva");
  EXPECT_EQ(PalavraN(u"maria da", 3), "");
  EXPECT_EQ(PalavraCapitalizada(u"maria da silva", 2), "da");
  EXPECT_EQ(PalavraCapitalizada(u"maria da silva", 3), "Silva");
  EXPECT_EQ(PalavraCapitalizada(u"MARIA DA SILVA", 1), "Maria");
  EXPECT_EQ(PalavraCapitalizada(u"joão é ótimo", 3), "Ótimo");
  EXPECT_EQ(PalavraCapitalizada(u"joão é", 2), "É");
}

TEST(UtilTexto, SeparaPalavrasAtBlanksAndSeparators) {
  EXPECT_EQ(SeparaPalavras(u"MARIA DA SILVA", true), (QStringList{"MARIA", "SILVA"}));
  EXPECT_EQ(SeparaPalavras(u"MARIA DA SILVA", false), (QStringList{"MARIA", "DA", "SILVA"}));
  EXPECT_EQ(SeparaPalavras(u"d'avila-souza/ltda.:x;y,dos", true), (QStringList{"d", "avila", "souza", "ltda", "x", "y"}));
  // Nothing collected between two separators: an empty word, kept only with the particles.
  EXPECT_EQ(SeparaPalavras(u"A, -B", false), (QStringList{"A", "", "B"}));
  EXPECT_EQ(SeparaPalavras(u"A, -B", true), (QStringList{"A", "B"}));
  EXPECT_TRUE(SeparaPalavras(u"", false).isEmpty());
}

TEST(UtilTexto, DigitTests) {
  EXPECT_TRUE(SomenteNumeros(u""));
  EXPECT_TRUE(SomenteNumeros(u"0123"));
  EXPECT_FALSE(SomenteNumeros(u"01 23"));
  EXPECT_TRUE(SomenteNumerosMascara(u"111.444.777-35"));
  EXPECT_TRUE(SomenteNumerosMascara(u"11.222/0001"));
  EXPECT_FALSE(SomenteNumerosMascara(u"111,444"));
  EXPECT_TRUE(SomenteZeros(u""));
  EXPECT_TRUE(SomenteZeros(u"000"));
  EXPECT_FALSE(SomenteZeros(u"010"));
  EXPECT_TRUE(PossuiDigito(u"ab1", false));
  EXPECT_FALSE(PossuiDigito(u"abc", true));
  EXPECT_TRUE(PossuiDigito(u"", true));
  EXPECT_FALSE(PossuiDigito(u"", false));
}

TEST(UtilTexto, PaddingAndAlignment) {
  EXPECT_EQ(NumeroComZeros(42, 5), "00042");
  EXPECT_EQ(NumeroComZeros(123456, 3), "123456");
  EXPECT_EQ(NumeroComZeros(-42, 5), "-0042");
  EXPECT_EQ(CompletaZeros(u" 123 ", 6), "000123");
  EXPECT_EQ(PreencheZeros(u"1234567", 6), "1234567");
  EXPECT_EQ(AlinhaTexto(u"ab", 5, u'*', true), "***ab");
  EXPECT_EQ(AlinhaTexto(u"ab", 5, u' ', false), "ab   ");
  EXPECT_EQ(AlinhaTexto(u"abcdef", 4, u' ', true), "abcd");
}

TEST(UtilTexto, PathPieces) {
  EXPECT_EQ(CopiaAteUltimoDelimitador(u"/home/u/Tolv/arq.DEC", u'/'), "/home/u/Tolv/");
  EXPECT_EQ(CopiaAteUltimoDelimitador(u"arq.DEC", u'/'), "");
  EXPECT_EQ(CopiaAposUltimoDelimitador(u"/home/u/Tolv/arq.DEC", u'/'), "arq.DEC");
  EXPECT_EQ(CopiaAposUltimoDelimitador(u"arq.DEC", u'/'), "arq.DEC");
  const QString longo = QString(120, u'x');
  EXPECT_EQ(CopiaAposUltimoDelimitador(QStringLiteral("/p/") + longo, u'/'), longo);
  EXPECT_EQ(NomeArquivoBanco(u"/opt/tolv/DADOS/TOLV20141114447773520130.FDB"), "TOLV20141114447773520130.FDB");
  EXPECT_EQ(NomeArquivoBanco(u"/home/dados/tolv/DADOS/TOLV2014112223330001812013.FDB"),
            "TOLV2014112223330001812013.FDB");
  EXPECT_EQ(NomeArquivoBanco(u"C:\\Tolv\\Dados\\TOLV.FDB"), "TOLV.FDB");
  EXPECT_EQ(NomeArquivoBanco(u"/tmp/outro/TOLV.FDB"), "TOLV.FDB");
}

TEST(UtilTexto, ExtraiValorCentavos) {
  EXPECT_EQ(ExtraiValorCentavos(u"AB000000000012345CD", 3, 15), "123,45");
  EXPECT_EQ(ExtraiValorCentavos(u"AB0000000000000XY", 3, 13), "0,00");
  EXPECT_EQ(ExtraiValorCentavos(u"AB  12345", 3, 7), "  12345");
  EXPECT_EQ(ExtraiValorCentavos(u"AB99999999999999999", 3, 20), "9999999999999,99");
  EXPECT_EQ(ExtraiValorCentavos(u"AB5", 3, 15), "0,05");
  EXPECT_EQ(ExtraiValorCentavos(u"AB", 3, 15), "");
}

TEST(UtilTexto, SomaArredondada) {
  const Valor a = Valor::deTexto(u"1,005");
  const Valor b = Valor::deTexto(u"2,0000");
  EXPECT_EQ(SomaArredondada(15, 2, a, b), Valor::deTexto(u"3,01"));
  EXPECT_EQ(SomaArredondada(15, 2, -a, -b), Valor::deTexto(u"-3,01"));
  EXPECT_EQ(SomaArredondada(15, 4, a, b), Valor::deTexto(u"3,005"));
  // Three significant digits: the coarser rounding wins.
  EXPECT_EQ(SomaArredondada(3, 2, Valor::deTexto(u"1234,56"), Valor()), Valor::deTexto(u"1230"));
  EXPECT_EQ(SomaArredondada(2, 2, Valor::deTexto(u"0,0456"), Valor()), Valor::deTexto(u"0,05"));
  EXPECT_THROW(SomaArredondada(15, 2, Valor::maximo(), Valor::deDezMilesimos(1)), std::runtime_error);
  try {
    SomaArredondada(0, 2, a, b);
    FAIL() << "accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Erro na totalização dos valores.");
  }
}

TEST(UtilTexto, MonthNames) {
  EXPECT_EQ(NomeMes(1), "Janeiro");
  EXPECT_EQ(NomeMes(3), "Março");
  EXPECT_EQ(NomeMes(13), "13º");
  EXPECT_EQ(NomeMes(0), "");
  EXPECT_EQ(NomeMes(14), "");
}

TEST(UtilTexto, AparaRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Apara(u"\t\r\n a b \x01"), "a b");
  EXPECT_EQ(Apara(u"\u00A0x\u00A0"), "\u00A0x\u00A0");
}

}  // namespace
