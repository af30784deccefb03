#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

#include "suporte/QtGtest.h"

#include "plataforma/sistema/FormatosRegionais.h"

TEST(FormatosRegionais, HoldWhateverTheLocaleSays) {
  const QDateTime momento(QDate(2014, 3, 5), QTime(8, 7, 9));
  const QLocale anterior;
  for (const char* nome : {"en_US", "de_DE", "C", "pt_BR"}) {
    QLocale::setDefault(QLocale(QString::fromLatin1(nome)));
    const FormatosRegionais& f = FormatosRegionais::doPrograma();
    EXPECT_EQ(f.dataHora(momento), "05/03/2014 08:07:09") << nome;
    EXPECT_EQ(f.separadorDecimal, u',');
    EXPECT_EQ(f.separadorMilhar, u'.');
  }
  QLocale::setDefault(anterior);
}
