#include <QDir>
#include <QFontMetricsF>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "suporte/LeitorPaginas.h"
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

namespace {

// The events of a diary without their pages, and without the page headers and footers.
QStringList semPaginas(const QStringList& diario) {
  QStringList eventos;
  for (const QString& linha : diario) {
    const QString evento = linha.mid(linha.indexOf(u':') + 1);
    if (!evento.startsWith(u'P') && !evento.startsWith(u'F')) eventos << evento;
  }
  return eventos;
}

QByteArray bytes(const QPicture& pagina) { return QByteArray(pagina.data(), pagina.size()); }

}  // namespace

TEST(Relatorio, BatchesEndPastTheirPageLimitAndTheirPagesAreNumberedOn) {
  RelatorioTeste inteiro(700);
  PaginasRelatorio semLote;
  inteiro.rel.prepara(semLote);

  RelatorioTeste teste(700);
  teste.rel.setLotePaginas(4);
  int lotes = 0;
  teste.rel.aoIniciarLote = [&] { ++lotes; };
  PaginasRelatorio lote;
  std::vector<int> paginasPorLote{teste.rel.prepara(lote)};
  const int total = teste.rel.totalPaginas();
  const int chamadasNaContagem = lotes;
  lotes = 0;
  while (teste.rel.temProximoLote()) {
    lote.limpa();
    paginasPorLote.push_back(teste.rel.preparaProximoLote(lote));
  }
  ASSERT_GT(paginasPorLote.size(), 2u);
  EXPECT_EQ(lotes, int(paginasPorLote.size()) - 1);
  EXPECT_EQ(chamadasNaContagem, lotes);
  // Every batch but the last reaches its limit; the last one ends the report.
  for (size_t i = 0; i + 1 < paginasPorLote.size(); ++i) EXPECT_EQ(paginasPorLote[i], 4) << i;
  int soma = 0;
  for (int n : paginasPorLote) soma += n;
  // The counting pass counted the batches' pages, which the page headers print.
  EXPECT_EQ(total, soma);
  EXPECT_EQ(teste.rel.numeroPagina(), soma);
  const auto mapa = porPagina(teste.diario);
  ASSERT_EQ(int(mapa.size()), soma);
  for (const auto& [pagina, eventos] : mapa) {
    EXPECT_EQ(eventos.first(), QStringLiteral("P%1/%2").arg(pagina).arg(soma));
    EXPECT_EQ(eventos.last(), QStringLiteral("F%1").arg(pagina));
  }
  // The same bands in the same order as in one preparation: no title, group footer or summary
  // at a batch's end, no record printed twice or left out.
  EXPECT_EQ(semPaginas(teste.diario), semPaginas(inteiro.diario));
  EXPECT_FALSE(teste.rel.temProximoLote());
  EXPECT_EQ(teste.rel.preparaProximoLote(lote), 0);
}

TEST(Relatorio, EveryBatchIntoOneDestinationGivesTheBatchesPages) {
  RelatorioTeste teste(500);
  teste.rel.setLotePaginas(3);
  PaginasRelatorio porLote(10000);
  std::vector<QByteArray> esperadas;
  teste.rel.prepara(porLote);
  for (;;) {
    for (int n = 1; n <= porLote.quantidade(); ++n) esperadas.push_back(bytes(porLote.pagina(n)));
    if (!teste.rel.temProximoLote()) break;
    porLote.limpa();
    teste.rel.preparaProximoLote(porLote);
  }
  PaginasRelatorio todas(10000);
  EXPECT_EQ(teste.rel.preparaTudo(todas), int(esperadas.size()));
  ASSERT_EQ(todas.quantidade(), int(esperadas.size()));
  for (int n = 1; n <= todas.quantidade(); ++n) EXPECT_EQ(bytes(todas.pagina(n)), esperadas[size_t(n) - 1]) << n;
  EXPECT_TRUE(LeitorPaginas::Linhas(todas.pagina(todas.quantidade()))
                  .contains(QStringLiteral("Tolv 2014 - Beneficiários por código Página %1 de %1").arg(todas.quantidade())));

  // A file gets every batch.
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("lotes.pdf"));
  ASSERT_TRUE(EscrevePdf(teste.rel, arquivo));
  EXPECT_EQ(LeitorPaginas::TextoPdf(arquivo).count(u'\f'), todas.quantidade());
}

TEST(Relatorio, MillimetreUnitsPlaceBandsAndTextsInMillimetres) {
  Relatorio rel;
  rel.setUnidade(Relatorio::Unidade::Milimetro);
  rel.definePagina(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(10, 12, 10, 9));
  EXPECT_NEAR(rel.folha().width(), 215.9, 0.01);
  EXPECT_NEAR(rel.folha().height(), 279.4, 0.01);
  EXPECT_NEAR(rel.areaUtil().left(), 10, 0.01);
  EXPECT_NEAR(rel.areaUtil().top(), 12, 0.01);
  EXPECT_NEAR(rel.areaUtil().width(), 195.9, 0.01);
  EXPECT_NEAR(rel.areaUtil().bottom(), 279.4 - 9, 0.01);
  int registro = 0;
  rel.aoIniciar = [&] { registro = 0; };
  rel.proximoRegistro = [&] { return ++registro <= 30; };
  Banda& detalhe = rel.detalhe();
  detalhe.setAltura(20);
  detalhe.setFonte(FonteRelatorio(10));
  detalhe.campo(QRectF(5, 0, 100, 20), [&] { return QStringLiteral("Registro %1").arg(registro); },
                Qt::AlignLeft | Qt::AlignTop);
  PaginasRelatorio paginas;
  // 257.4 mm of room: twelve bands of 20 mm a page.
  EXPECT_EQ(rel.prepara(paginas), 3);
  const auto textos = LeitorPaginas::Textos(paginas.pagina(1));
  const LeitorPaginas::Texto* segundo = LeitorPaginas::Procura(textos, QStringLiteral("Registro 2"));
  const LeitorPaginas::Texto* terceiro = LeitorPaginas::Procura(textos, QStringLiteral("Registro 3"));
  ASSERT_NE(segundo, nullptr);
  ASSERT_NE(terceiro, nullptr);
  EXPECT_NEAR(segundo->base.x(), Mm(15), 1.0);
  EXPECT_NEAR(terceiro->base.y() - segundo->base.y(), Mm(20), 0.5);
  EXPECT_TRUE(LeitorPaginas::Linhas(paginas.pagina(2)).startsWith(QStringLiteral("Registro 13")));
}

TEST(Relatorio, ThePaperOfTheReportIsThePaperOfThePdf) {
  const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
  ASSERT_FALSE(pdfinfo.isEmpty());
  struct Caso {
    QPageSize::PageSizeId papel;
    QPageLayout::Orientation orientacao;
    const char* tamanho;
  };
  for (const Caso& caso : {Caso{QPageSize::A4, QPageLayout::Landscape, "842 x 595"},
                           Caso{QPageSize::Letter, QPageLayout::Portrait, "612 x 792"}}) {
    RelatorioTeste teste(20);
    teste.rel.definePagina(QPageSize(caso.papel), caso.orientacao, QMarginsF(10, 10, 10, 10));
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("papel.pdf"));
    ASSERT_TRUE(EscrevePdf(teste.rel, arquivo));
    QProcess processo;
    processo.start(pdfinfo, {arquivo});
    ASSERT_TRUE(processo.waitForFinished(30000));
    const QString info = QString::fromUtf8(processo.readAllStandardOutput());
    EXPECT_TRUE(info.contains(QString::fromLatin1(caso.tamanho))) << caso.tamanho << "\n" << info.toStdString();
  }
}

namespace {

// Keeps what a destination was told before the pages.
class DestinoAnotado : public IDestinoPaginas {
 public:
  void defineFrenteVerso(bool frenteVerso) override { anotacoes << (frenteVerso ? "frente e verso" : "um lado"); }
  void inicia(const QPageLayout& layout) override { anotacoes << QPageSize::name(layout.pageSize().id()); }
  void recebe(const QPicture&) override { ++paginas; }
  QStringList anotacoes;
  int paginas = 0;
};

}  // namespace

// Both sides of the paper are the report's choice, also when its kept pages print again.
TEST(Relatorio, BothSidesOfThePaperGoToTheDestinationAlsoFromTheKeptPages) {
  for (const bool frenteVerso : {true, false}) {
    RelatorioTeste teste(100);
    teste.rel.setFrenteVerso(frenteVerso);
    teste.rel.definePagina(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    const QStringList esperadas{frenteVerso ? "frente e verso" : "um lado", "Letter / ANSI A"};
    DestinoAnotado direto;
    teste.rel.preparaTudo(direto);
    EXPECT_EQ(direto.anotacoes, esperadas);
    PaginasRelatorio paginas;
    teste.rel.prepara(paginas);
    DestinoAnotado deNovo;
    paginas.reproduz(deNovo, 2, 3);
    EXPECT_EQ(deNovo.anotacoes, esperadas);
    EXPECT_EQ(deNovo.paginas, 2);
  }
}
