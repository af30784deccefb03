#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "plataforma/bd/ConjuntoMemoria.h"
#include "plataforma/bd/ErroBanco.h"
#include "suporte/QtGtest.h"

using bd::ConjuntoMemoria;
using bd::Dado;
using Tipo = bd::ConjuntoMemoria::Tipo;

namespace {

ConjuntoMemoria exemplo() {
  ConjuntoMemoria c({{"LINHA", Tipo::Inteiro},
                     {"TEXTO", Tipo::Texto, 10},
                     {"DATA", Tipo::Data},
                     {"QUANDO", Tipo::DataHora},
                     {"VALOR", Tipo::DezMilesimos},
                     {"ERRO", Tipo::Booleano},
                     {"TAXA", Tipo::Real}});
  c.acrescenta();
  c.define("LINHA", 3);
  c.define("TEXTO", QString::fromUtf8("Ação <&\"> e mais"));  // cut at 10 characters
  c.define("DATA", QDate(2013, 12, 31));
  c.define("QUANDO", QDateTime(QDate(2014, 1, 2), QTime(13, 45, 7, 120)));
  c.define("VALOR", bd::DezMilesimos{999999999999900});
  c.define("ERRO", true);
  c.define("TAXA", 0.275);
  c.acrescenta();
  c.define("LINHA", "1");
  c.define("VALOR", "-0,0001");
  c.acrescenta();
  c.define("LINHA", 2);
  c.define("TEXTO", "b");
  return c;
}

TEST(ConjuntoMemoria, XmlGuardaELeDeVoltaTodosOsTipos) {
  const ConjuntoMemoria original = exemplo();
  QTemporaryDir dir;
  const QString arquivo = dir.filePath("Verifica.xml");
  QString erro;
  ASSERT_TRUE(original.salvaXml(arquivo, &erro)) << erro.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Verifica.xml"});  // no temporary left

  ConjuntoMemoria lido;
  ASSERT_TRUE(lido.carregaXml(arquivo, &erro)) << erro.toStdString();
  ASSERT_EQ(lido.colunas().size(), original.colunas().size());
  for (size_t i = 0; i < original.colunas().size(); ++i) {
    EXPECT_EQ(lido.colunas()[i].nome, original.colunas()[i].nome);
    EXPECT_EQ(lido.colunas()[i].tipo, original.colunas()[i].tipo);
  }
  EXPECT_EQ(lido.colunas()[1].tamanho, 10);
  ASSERT_EQ(lido.quantidade(), 3);
  for (int l = 0; l < 3; ++l)
    for (int c = 0; c < 7; ++c) EXPECT_EQ(lido.valor(l, c), original.valor(l, c)) << l << "," << c;
  EXPECT_EQ(lido.valor(0, 1).comoTexto(), QString::fromUtf8("Ação <&\"> "));
  EXPECT_TRUE(lido.valor(1, 2).nulo());
  EXPECT_EQ(lido.valor(1, 4).comoDezMilesimos(), -1);

  EXPECT_FALSE(lido.carregaXml(dir.filePath("nao_ha.xml"), &erro));
  EXPECT_FALSE(lido.deXml("<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A\" fieldtype=\"i8\"/>"
                          "</FIELDS></METADATA><ROWDATA><ROW A=\"x\"/></ROWDATA></DATAPACKET>", &erro));
  EXPECT_EQ(lido.quantidade(), 3);  // a bad packet leaves the data as they were
}

TEST(ConjuntoMemoria, OrdenaLocalizaENavega) {
  ConjuntoMemoria c = exemplo();
  c.ordena("LINHA");
  EXPECT_TRUE(c.bof());
  QList<qint64> ordem;
  for (; !c.eof(); c.proximo()) ordem.append(c.valor("LINHA").comoInteiro());
  EXPECT_EQ(ordem, (QList<qint64>{1, 2, 3}));
  c.ordena("TEXTO", true);  // descending: the null text last
  EXPECT_EQ(c.valor("LINHA").comoInteiro(), 2);
  c.ultimo();
  EXPECT_EQ(c.valor("LINHA").comoInteiro(), 1);
  c.anterior();
  EXPECT_EQ(c.valor("LINHA").comoInteiro(), 3);

  EXPECT_TRUE(c.localiza("texto", {QString::fromUtf8("AÇÃO")}, {true, true}));
  EXPECT_EQ(c.posicao(), 2);
  EXPECT_FALSE(c.localiza("LINHA;VALOR", {1, bd::DezMilesimos{1}}));
  EXPECT_EQ(c.posicao(), 2);
  EXPECT_TRUE(c.localiza("LINHA;VALOR", {1, bd::DezMilesimos{-1}}));
  c.exclui();
  EXPECT_EQ(c.quantidade(), 2);
  EXPECT_THROW(c.valor("NAO_HA"), bd::ErroBanco);
}

}  // namespace
