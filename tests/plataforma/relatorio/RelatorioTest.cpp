#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "suporte/QtGtest.h"
#include "suporte/RelatorioTeste.h"

#include "plataforma/relatorio/DesenhoPagina.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/PaginasRelatorio.h"

using namespace relatorio;

namespace {

// The events of the diary, page by page.
std::map<int, QStringList> porPagina(const QStringList& diario) {
  std::map<int, QStringList> paginas;
  for (const QString& linha : diario) {
    const qsizetype dois = linha.indexOf(u':');
    paginas[linha.left(dois).toInt()] << linha.mid(dois + 1);
  }
  return paginas;
}

// The height of the band that wrote an event of the test report's diary; 0 for the page's own
// header and footer.
qreal alturaDoEvento(const QString& evento) {
  switch (evento.at(0).unicode()) {
    case 'T': return RelatorioTeste::kTitulo;
    case 'C': return RelatorioTeste::kCabecalhoGrupo;
    case 'D': return RelatorioTeste::kDetalhe;
    case 'G': return RelatorioTeste::kRodapeGrupo;
    case 'R': return RelatorioTeste::kResumo;
    default: return 0;
  }
}

QImage renderiza(const QPicture& pagina, const QSizeF& folha) {
  QImage imagem(folha.toSize(), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  QPainter p(&imagem);
  DesenhaPagina(p, pagina, 1.0);
  return imagem;
}

int pixelsEscuros(const QImage& imagem, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(imagem.pixel(x, y)) < 128) ++n;
  return n;
}

}  // namespace

TEST(Relatorio, GroupsPageBreaksAndTotalsOfAFewHundredRows) {
  RelatorioTeste teste(300);
  PaginasRelatorio paginas;
  const int enviadas = teste.rel.prepara(paginas);
  ASSERT_GT(enviadas, 3);
  EXPECT_EQ(paginas.quantidade(), enviadas);

  // The totals the report printed, against sums made here.
  std::map<QString, qint64> somas;
  qint64 geral = 0;
  for (const auto& l : teste.linhas) {
    somas[l.codigo] += l.centavos;
    geral += l.centavos;
  }
  QStringList rodapesEsperados;
  for (const auto& [codigo, soma] : somas) rodapesEsperados << QStringLiteral("G%1=%2").arg(codigo).arg(soma);
  QStringList rodapes, cabecalhos, detalhes;
  for (const QString& linha : teste.diario) {
    const QString evento = linha.mid(linha.indexOf(u':') + 1);
    if (evento.startsWith(u'G')) rodapes << evento;
    if (evento.startsWith(u'C')) cabecalhos << evento.mid(1);
    if (evento.startsWith(u'D')) detalhes << evento;
  }
  EXPECT_EQ(rodapes, rodapesEsperados);
  QStringList codigos;
  for (const auto& [codigo, soma] : somas) codigos << codigo;
  EXPECT_EQ(cabecalhos, codigos);
  ASSERT_EQ(detalhes.size(), 300);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(detalhes[i], QStringLiteral("D%1").arg(i + 1));
  EXPECT_TRUE(teste.diario.last().endsWith(QStringLiteral("F%1").arg(enviadas)));
  EXPECT_TRUE(teste.diario.contains(QStringLiteral("%1:R=%2").arg(enviadas).arg(geral)));

  // Every page: its header knows the page count, its footer closes it, and what lies between
  // fits above the footer, while the next page's first band would not have.
  const qreal capacidade = teste.rel.areaUtil().height() - RelatorioTeste::kCabecalho - RelatorioTeste::kRodape;
  const auto mapa = porPagina(teste.diario);
  ASSERT_EQ(int(mapa.size()), enviadas);
  for (const auto& [pagina, eventos] : mapa) {
    SCOPED_TRACE(pagina);
    EXPECT_EQ(eventos.first(), QStringLiteral("P%1/%2").arg(pagina).arg(enviadas));
    EXPECT_EQ(eventos.last(), QStringLiteral("F%1").arg(pagina));
    EXPECT_EQ(eventos.contains(QStringLiteral("T")), pagina == 1);
    qreal usada = 0;
    for (const QString& e : eventos) usada += alturaDoEvento(e);
    EXPECT_LE(usada, capacidade);
    if (pagina < enviadas) {
      EXPECT_GT(usada + alturaDoEvento(mapa.at(pagina + 1).at(1)), capacidade);
    }
  }
}

TEST(Relatorio, CountingPassOnlyWhenAskedAndPreparingAgainGivesTheSamePages) {
  RelatorioTeste teste(120);
  teste.rel.setContaPaginas(false);
  PaginasRelatorio primeira;
  teste.rel.prepara(primeira);
  EXPECT_TRUE(teste.diario.first().endsWith(u"P1/0"));
  teste.rel.setContaPaginas(true);
  PaginasRelatorio segunda;
  teste.rel.prepara(segunda);
  ASSERT_EQ(primeira.quantidade(), segunda.quantidade());
  EXPECT_TRUE(teste.diario.first().endsWith(QStringLiteral("P1/%1").arg(segunda.quantidade())));
  EXPECT_EQ(teste.rel.totalPaginas(), segunda.quantidade());
}

TEST(Relatorio, SubDetailsChildBandsForcedPagesAndSkippedBands) {
  Relatorio rel;
  QStringList diario;
  int mestre = 0;
  int sub = 0;
  rel.aoIniciar = [&] { mestre = 0; };
  rel.proximoRegistro = [&] { return ++mestre <= 3; };
  Banda& detalhe = rel.detalhe();
  detalhe.setAltura(20);
  detalhe.depoisDeImprimir = [&] { diario << QStringLiteral("%1:M%2").arg(rel.paginaAtual()).arg(mestre); };
  // The second master record is skipped with its child; its sub-details still run.
  detalhe.antesDeImprimir = [&] { return mestre != 2; };
  Banda& filha = detalhe.adicionaFilha(10);
  filha.depoisDeImprimir = [&] { diario << QStringLiteral("%1:F%2").arg(rel.paginaAtual()).arg(mestre); };
  SubDetalhe& itens = rel.adicionaSubDetalhe([&] { return ++sub <= mestre - 1; });
  itens.aoIniciar = [&] { sub = 0; };
  itens.cabecalho().setAltura(5);
  itens.cabecalho().depoisDeImprimir = [&] { diario << QStringLiteral("%1:SC").arg(rel.paginaAtual()); };
  itens.detalhe().setAltura(5);
  itens.detalhe().depoisDeImprimir = [&] { diario << QStringLiteral("%1:S%2.%3").arg(rel.paginaAtual()).arg(mestre).arg(sub); };
  itens.rodape().setAltura(5);
  // The third record's footer asks for a new page: the summary goes there.
  itens.rodape().depoisDeImprimir = [&] {
    diario << QStringLiteral("%1:SR").arg(rel.paginaAtual());
    if (mestre == 3) rel.quebraPagina();
  };
  rel.resumo().setAltura(10);
  rel.resumo().depoisDeImprimir = [&] { diario << QStringLiteral("%1:R").arg(rel.paginaAtual()); };

  PaginasRelatorio paginas;
  EXPECT_EQ(rel.prepara(paginas), 2);
  EXPECT_EQ(diario, QStringList({"1:M1", "1:F1", "1:SC", "1:S2.1", "1:SR", "1:M3", "1:F3", "1:SC", "1:S3.1",
                                 "1:S3.2", "1:SR", "2:R"}));

  // A band that always starts a page does so, except on a page that is still empty.
  diario.clear();
  detalhe.antesDeImprimir = {};
  detalhe.setNovaPagina(true);
  PaginasRelatorio outras;
  EXPECT_EQ(rel.prepara(outras), 4);
  EXPECT_EQ(diario.first(), "1:M1");
  EXPECT_TRUE(diario.contains("2:M2"));
  EXPECT_TRUE(diario.contains("3:M3"));
}

TEST(Relatorio, TextThatGrowsMakesItsBandTaller) {
  Relatorio rel;
  Banda& detalhe = rel.detalhe();
  detalhe.setAltura(20);
  ItemBanda& texto = detalhe.texto(QRectF(0, 2, 60, 16), QStringLiteral("palavra ").repeated(30));
  texto.quebraLinha = true;
  texto.cresce = true;
  // The child's line shows where the grown band ended.
  Banda& depois = detalhe.adicionaFilha(10);
  depois.linha(QPointF(0, 5), QPointF(200, 5), 2);
  int vezes = 0;
  rel.proximoRegistro = [&] { return ++vezes <= 1; };
  rel.aoIniciar = [&] { vezes = 0; };
  PaginasRelatorio paginas;
  rel.prepara(paginas);
  const QImage imagem = renderiza(paginas.pagina(1), rel.folha().size());
  const QRectF util = rel.areaUtil();
  int linha = -1;
  for (int yy = int(util.top()); yy < int(util.top()) + 400 && linha < 0; ++yy)
    if (qGray(imagem.pixel(int(util.left()) + 100, yy)) < 100) linha = yy;
  ASSERT_GT(linha, 0);
  // Thirty words in a 60-unit column need far more than the band's 20 units.
  EXPECT_GT(linha - util.top(), 100);
}

TEST(Relatorio, StopAndFailureKeepThePagesAlreadyFinished) {
  RelatorioTeste teste(400);
  teste.rel.setContaPaginas(false);
  PaginasRelatorio paginas;
  paginas.aoReceber = [&](int n) {
    if (n == 2) paginas.pedeParada();
  };
  const int enviadas = teste.rel.prepara(paginas);
  // The page the report stood on when asked to stop is finished and sent too.
  EXPECT_EQ(enviadas, 3);
  EXPECT_EQ(paginas.quantidade(), 3);

  RelatorioTeste falho(400);
  falho.rel.setContaPaginas(false);
  falho.rel.detalhe().depoisDeImprimir = [&] {
    if (falho.rel.paginaAtual() == 3) throw std::runtime_error("falha na leitura");
  };
  PaginasRelatorio parciais;
  EXPECT_THROW(falho.rel.prepara(parciais), std::runtime_error);
  EXPECT_EQ(parciais.quantidade(), 2);
  EXPECT_FALSE(parciais.pagina(2).isNull());
}

TEST(Relatorio, PagesBeyondTheMemoryLimitComeBackFromTheFile) {
  RelatorioTeste teste(400);
  PaginasRelatorio todas(1000);
  PaginasRelatorio poucas(2);
  teste.rel.prepara(todas);
  teste.rel.prepara(poucas);
  ASSERT_EQ(todas.quantidade(), poucas.quantidade());
  ASSERT_GT(poucas.quantidade(), 4);
  for (int n = 1; n <= poucas.quantidade(); ++n) {
    const QPicture a = todas.pagina(n);
    const QPicture b = poucas.pagina(n);
    ASSERT_EQ(QByteArray(a.data(), a.size()), QByteArray(b.data(), b.size())) << n;
  }
  EXPECT_TRUE(poucas.pagina(poucas.quantidade() + 1).isNull());
  poucas.limpa();
  EXPECT_EQ(poucas.quantidade(), 0);
}

TEST(Relatorio, APageRenderedToPngIsNotBlank) {
  RelatorioTeste teste(60);
  PaginasRelatorio paginas;
  teste.rel.prepara(paginas);
  ASSERT_GE(paginas.quantidade(), 1);
  const QImage imagem = renderiza(paginas.pagina(1), teste.rel.folha().size());
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("pagina1.png"));
  ASSERT_TRUE(imagem.save(arquivo));
  const QImage lida(arquivo);
  ASSERT_FALSE(lida.isNull());
  EXPECT_EQ(lida.size(), imagem.size());
  const QRectF util = teste.rel.areaUtil();
  // Ink where the bands are, none in the margins.
  const QRect titulo = QRectF(util.left(), util.top() + RelatorioTeste::kCabecalho, util.width(), RelatorioTeste::kTitulo)
                           .toRect();
  EXPECT_GT(pixelsEscuros(lida, titulo), 200);
  EXPECT_GT(pixelsEscuros(lida, util.toRect()), 5000);
  EXPECT_EQ(pixelsEscuros(lida, QRect(0, 0, int(util.left()) - 1, lida.height())), 0);
}

TEST(Relatorio, APdfWrittenByTheEngineGivesTheReportsTexts) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is missing: run scripts/dependencias";
  RelatorioTeste teste(250);
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("teste.pdf"));
  QString erro;
  ASSERT_TRUE(EscrevePdf(teste.rel, arquivo, &erro)) << erro.toStdString();
  const int paginas = teste.rel.totalPaginas();

  QProcess processo;
  processo.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo,
                             QStringLiteral("-")});
  ASSERT_TRUE(processo.waitForFinished(30000));
  ASSERT_EQ(processo.exitCode(), 0);
  const QString texto = QString::fromUtf8(processo.readAllStandardOutput());
  qint64 geral = 0;
  std::map<QString, qint64> somas;
  for (const auto& l : teste.linhas) {
    geral += l.centavos;
    somas[l.codigo] += l.centavos;
  }
  EXPECT_TRUE(texto.contains(QStringLiteral("Relatório de teste do motor")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Página 1 de %1").arg(paginas)));
  EXPECT_TRUE(texto.contains(QStringLiteral("Página %1 de %1").arg(paginas)));
  EXPECT_TRUE(texto.contains(QStringLiteral("Beneficiário 000250")));
  for (const auto& [codigo, soma] : somas)
    EXPECT_TRUE(texto.contains(QStringLiteral("Total do código %1: %2").arg(codigo, RelatorioTeste::dinheiro(soma))))
        << codigo.toStdString();
  EXPECT_TRUE(texto.contains(QStringLiteral("Total geral: ") + RelatorioTeste::dinheiro(geral)));
  EXPECT_EQ(texto.count(u'\f'), paginas);
}

TEST(Relatorio, APdfThatCannotBeWrittenLeavesNoFileAndSaysWhy) {
  RelatorioTeste teste(10);
  QTemporaryDir pasta;
  QString erro;
  EXPECT_FALSE(EscrevePdf(teste.rel, pasta.filePath(QStringLiteral("nao/existe/teste.pdf")), &erro));
  EXPECT_FALSE(erro.isEmpty());

  // A failure halfway leaves an earlier file of that name as it was.
  const QString arquivo = pasta.filePath(QStringLiteral("anterior.pdf"));
  QFile anterior(arquivo);
  ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
  anterior.write("anterior");
  anterior.close();
  teste.rel.detalhe().antesDeImprimir = [] () -> bool { throw std::runtime_error("falha"); };
  EXPECT_THROW(EscrevePdf(teste.rel, arquivo, &erro), std::runtime_error);
  ASSERT_TRUE(anterior.open(QIODevice::ReadOnly));
  EXPECT_EQ(anterior.readAll(), "anterior");
  EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"anterior.pdf"});
}
