// The preview of a long report: the engine's test report grown to some 5,000 pages, prepared into
// the pages a preview keeps (the first 200 in memory, the rest spooled to a file), against the
// bare path that draws the same texts with QPainter into one QPicture per page, all kept in
// memory. Prints the time to the first page, the time of the whole preparation and the peak
// memory of each path with their ratios; then, in the preview window itself, the time until its
// first page shows and how long a stop takes to end the preparation. Figures only.

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPicture>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "../tests/suporte/RelatorioTeste.h"

#include "controles/TFoPreview.h"
#include "plataforma/relatorio/PaginasRelatorio.h"

namespace {

constexpr int kPaginasAlvo = 5000;

double ms(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e6; }

double statusMiB(const char* campo) {
  std::ifstream status("/proc/self/status");
  std::string linha;
  while (std::getline(status, linha))
    if (linha.rfind(campo, 0) == 0) return std::stod(linha.substr(std::string(campo).size())) / 1024.0;
  return -1;
}

// Starts a new peak from the memory in use now.
void zeraPico() {
  std::ofstream limpa("/proc/self/clear_refs");
  limpa << "5";
}

// The test report's pages drawn with no engine: the same header, lines, group bands and footer,
// one QPicture per page kept in memory. Returns the time to the first page (ms).
double desenhaDireto(const RelatorioTeste& teste, std::vector<QPicture>& paginas) {
  QElapsedTimer relogio;
  relogio.start();
  double primeira = -1;
  const QRectF util = teste.rel.areaUtil();
  const qreal largura = util.width();
  const qreal limite = util.bottom() - RelatorioTeste::kRodape;
  const QFont negrito9 = relatorio::FonteRelatorio(9, true), normal = relatorio::FonteRelatorio(8),
              negrito10 = relatorio::FonteRelatorio(10, true), pequena = relatorio::FonteRelatorio(7);
  QPicture figura;
  auto pintor = std::make_unique<QPainter>(&figura);
  qreal y = 0;
  int pagina = 1;
  const auto cabecalho = [&] {
    y = util.top();
    pintor->setFont(negrito9);
    pintor->drawText(QRectF(util.left(), y, largura / 2, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tolv 2014 - Beneficiários por código"));
    pintor->drawText(QRectF(util.left() + largura / 2, y, largura / 2, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Página %1").arg(pagina));
    pintor->drawLine(QPointF(util.left(), y + 30), QPointF(util.right(), y + 30));
    y += RelatorioTeste::kCabecalho;
  };
  const auto fecha = [&] {
    pintor->setFont(pequena);
    pintor->drawText(QRectF(util.left(), limite, largura, RelatorioTeste::kRodape), Qt::AlignCenter,
                     QStringLiteral("Relatório gerado pelo Tolv 2014"));
    pintor->end();
    paginas.push_back(figura);
    if (primeira < 0) primeira = ms(relogio);
    figura = QPicture();
    pintor = std::make_unique<QPainter>(&figura);
    ++pagina;
    cabecalho();
  };
  const auto cabe = [&](qreal altura) {
    if (y + altura > limite) fecha();
  };
  cabecalho();
  QString codigo;
  for (const auto& l : teste.linhas) {
    if (l.codigo != codigo) {
      codigo = l.codigo;
      cabe(RelatorioTeste::kCabecalhoGrupo);
      pintor->fillRect(QRectF(util.left(), y, largura, RelatorioTeste::kCabecalhoGrupo), QColor(0xE9, 0xE9, 0xE9));
      pintor->setFont(negrito10);
      pintor->drawText(QRectF(util.left() + 4, y, largura - 8, RelatorioTeste::kCabecalhoGrupo),
                       Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Código de receita ") + codigo);
      y += RelatorioTeste::kCabecalhoGrupo;
    }
    cabe(RelatorioTeste::kDetalhe);
    pintor->setFont(normal);
    pintor->drawText(QRectF(util.left() + 10, y, largura * 0.6, RelatorioTeste::kDetalhe),
                     Qt::AlignLeft | Qt::AlignVCenter, l.nome);
    pintor->drawText(QRectF(util.left() + largura * 0.6, y, largura * 0.4, RelatorioTeste::kDetalhe),
                     Qt::AlignRight | Qt::AlignVCenter, RelatorioTeste::dinheiro(l.centavos));
    y += RelatorioTeste::kDetalhe;
  }
  fecha();
  pintor->end();
  return primeira;
}

struct Medida {
  double primeira = 0, total = 0, pico = 0;
  int paginas = 0;
};

Medida motor(RelatorioTeste& teste, double base) {
  Medida m;
  zeraPico();
  QElapsedTimer relogio;
  relogio.start();
  relatorio::PaginasRelatorio paginas;
  paginas.aoReceber = [&](int n) {
    if (n == 1) m.primeira = ms(relogio);
  };
  teste.rel.prepara(paginas);
  m.total = ms(relogio);
  m.paginas = paginas.quantidade();
  m.pico = statusMiB("VmHWM:") - base;
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication aplicacao(argc, argv);

  const qreal util = RelatorioTeste(1).rel.areaUtil().height() - RelatorioTeste::kCabecalho - RelatorioTeste::kRodape;
  const int porPagina = int(util / RelatorioTeste::kDetalhe);
  RelatorioTeste teste(kPaginasAlvo * porPagina - porPagina / 2);
  teste.anotaDiario = false;
  std::printf("Relatório de teste: %zu linhas\n", teste.linhas.size());
  const double base = statusMiB("VmRSS:");

  // Memory stays flat: a fifth of the pages needs as much.
  {
    RelatorioTeste menor(kPaginasAlvo / 5 * porPagina - porPagina / 2);
    menor.rel.setContaPaginas(false);
    menor.anotaDiario = false;
    const Medida m = motor(menor, base);
    std::printf("Motor -> páginas da visualização:     %d páginas: pico +%.1f MiB\n", m.paginas, m.pico);
  }
  teste.rel.setContaPaginas(false);
  const Medida semContagem = motor(teste, base);
  teste.rel.setContaPaginas(true);
  const Medida comContagem = motor(teste, base);

  zeraPico();
  std::vector<QPicture> diretas;
  QElapsedTimer relogio;
  relogio.start();
  const double primeiraDireta = desenhaDireto(teste, diretas);
  const double totalDireto = ms(relogio);
  const double picoDireto = statusMiB("VmHWM:") - base;
  const int paginasDiretas = int(diretas.size());
  diretas.clear();
  diretas.shrink_to_fit();

  std::printf("Motor -> páginas da visualização:     primeira página em %7.1f ms; %d páginas em %7.0f ms; pico +%.1f MiB\n",
              semContagem.primeira, semContagem.paginas, semContagem.total, semContagem.pico);
  std::printf("  com \"Página n de N\" (contagem antes): primeira página em %7.1f ms; %d páginas em %7.0f ms; pico +%.1f MiB\n",
              comContagem.primeira, comContagem.paginas, comContagem.total, comContagem.pico);
  std::printf("QPainter -> QPicture, tudo em memória: primeira página em %7.1f ms; %d páginas em %7.0f ms; pico +%.1f MiB\n",
              primeiraDireta, paginasDiretas, totalDireto, picoDireto);
  std::printf("Razões motor/direto: primeira página %.2f; tempo por página %.2f; pico de memória %.2f\n",
              semContagem.primeira / primeiraDireta,
              (semContagem.total / semContagem.paginas) / (totalDireto / paginasDiretas), semContagem.pico / picoDireto);

  // The preview window itself: its first page, then the close button 300 ms into the preparation.
  teste.rel.setContaPaginas(false);
  TFoPreview janela;
  janela.resize(1000, 700);
  janela.DefineRelatorio(&teste.rel);
  janela.show();
  QElapsedTimer desdeInicio;
  double primeiraNaJanela = -1, pedido = -1;
  QTimer vigia;
  vigia.setInterval(1);
  QObject::connect(&vigia, &QTimer::timeout, [&] {
    if (primeiraNaJanela < 0 && janela.PaginasDisponiveis() > 0) primeiraNaJanela = ms(desdeInicio);
    if (pedido < 0 && ms(desdeInicio) >= 300) {
      pedido = ms(desdeInicio);
      janela.findChild<QToolButton*>(QStringLiteral("ToolButton2"))->click();
    }
  });
  vigia.start();
  desdeInicio.start();
  janela.Prepara();
  const double fim = ms(desdeInicio);
  std::printf("Janela de visualização: primeira página visível em %.1f ms; parar pedido em %.1f ms, preparação"
              " encerrada %.1f ms depois (%d páginas feitas)\n",
              primeiraNaJanela, pedido, fim - pedido, janela.PaginasDisponiveis());
  return 0;
}
