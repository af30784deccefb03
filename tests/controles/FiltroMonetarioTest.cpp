#include "controles/FiltroMonetario.h"

#include <gtest/gtest.h>

#include "suporte/QtGtest.h"

namespace {

enum Resultado { Recusa, Insere, Avanca };

struct Caso {
  const char16_t* texto;
  int inicio, tamanho;
  char16_t tecla;
  Resultado resultado;
  int maxInteiros = 11;
};

void PrintTo(const Caso& c, std::ostream* os) {
  *os << QString::fromUtf16(c.texto).toStdString() << " [" << c.inicio << "," << c.tamanho
      << "] '" << char(c.tecla) << "' D=" << c.maxInteiros;
}

class FiltroMonetario : public testing::TestWithParam<Caso> {};

TEST_P(FiltroMonetario, Decide) {
  const Caso& c = GetParam();
  const DecisaoTeclaMonetaria d = FiltraTeclaMonetaria(QString::fromUtf16(c.texto), c.inicio,
                                                       c.tamanho, QChar(c.tecla), c.maxInteiros);
  EXPECT_EQ(d.aceita, c.resultado != Recusa);
  EXPECT_EQ(d.avanca, c.resultado == Avanca);
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, FiltroMonetario,
    testing::Values(
        // Integer digits: eleven at most, unless the selection makes room.
        Caso{u"", 0, 0, u'1', Insere}, Caso{u"1234567890", 10, 0, u'1', Insere},
        Caso{u"12345678901", 11, 0, u'2', Recusa}, Caso{u"12345678901", 0, 11, u'5', Insere},
        Caso{u"12345678901", 0, 0, u'9', Recusa}, Caso{u"12345678901", 10, 1, u'9', Insere},
        Caso{u"12345678901,5", 11, 0, u'9', Recusa},
        // Decimals: the first stays, the second moves on, a third is refused.
        Caso{u"123,", 4, 0, u'4', Insere}, Caso{u"123,4", 5, 0, u'5', Avanca},
        Caso{u"123,45", 6, 0, u'6', Recusa}, Caso{u"123,45", 0, 6, u'7', Insere},
        Caso{u"123,4", 0, 0, u'9', Insere},
        // The separator: one, while at most eleven characters stand before the caret.
        Caso{u"12", 2, 0, u',', Insere}, Caso{u"12", 2, 0, u'.', Insere},
        Caso{u"12,3", 4, 0, u',', Recusa}, Caso{u"12345678901", 11, 0, u',', Insere},
        Caso{u"123456789012", 12, 0, u',', Recusa}, Caso{u"12,3", 0, 4, u',', Insere},
        // Anything else.
        Caso{u"12", 2, 0, u'a', Recusa}, Caso{u"12", 2, 0, u'-', Recusa},
        Caso{u"12", 2, 0, u' ', Recusa},
        // Three integer digits: the first decimal moves on.
        Caso{u"123", 3, 0, u'4', Recusa, 3}, Caso{u"12,", 3, 0, u'5', Avanca, 3},
        Caso{u"12", 2, 0, u'5', Insere, 3}));

TEST(FiltroMonetarioPonto, PontoEntraComoVirgula) {
  EXPECT_EQ(FiltraTeclaMonetaria(u"12", 2, 0, u'.').caractere, QChar(u','));
}

}  // namespace
