// The report engine on a long report: the engine's own test report grown to about 5,000 pages,
// prepared (with its counting pass) and written straight to a PDF file, then prepared into the
// pages a preview keeps; against the bare path of the same texts drawn with QPainter straight on
// a QPdfWriter. Prints pages per second, the ratio and the peak memory of each path. Figures only.

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

#include "../tests/suporte/RelatorioTeste.h"

#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/PaginasRelatorio.h"

namespace {

constexpr int kPaginasAlvo = 5000;

double segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// The peak resident memory since the last reset, in MiB (Linux).
double picoMiB() {
  std::ifstream status("/proc/self/status");
  std::string linha;
  while (std::getline(status, linha))
    if (linha.rfind("VmHWM:", 0) == 0) return std::stod(linha.substr(6)) / 1024.0;
  return -1;
}

double residenteMiB() {
  std::ifstream status("/proc/self/status");
  std::string linha;
  while (std::getline(status, linha))
    if (linha.rfind("VmRSS:", 0) == 0) return std::stod(linha.substr(6)) / 1024.0;
  return -1;
}

// Starts a new peak from the memory in use now.
void zeraPico() {
  std::ofstream limpa("/proc/self/clear_refs");
  limpa << "5";
}

// The same texts, lines and fills as the test report, drawn with no engine at all.
int escreveDireto(const RelatorioTeste& teste, const QString& caminho) {
  QPdfWriter escritor(caminho);
  escritor.setResolution(1200);
  escritor.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter p(&escritor);
  p.scale(1200.0 / 96, 1200.0 / 96);
  const QRectF util = teste.rel.areaUtil();
  const qreal largura = util.width();
  const qreal limite = util.bottom() - RelatorioTeste::kRodape;
  const QFont titulo = relatorio::FonteRelatorio(14, true), negrito9 = relatorio::FonteRelatorio(9, true),
              normal = relatorio::FonteRelatorio(8), negrito10 = relatorio::FonteRelatorio(10, true),
              pequena = relatorio::FonteRelatorio(7);
  int pagina = 0;
  qreal y = 0;
  const auto novaPagina = [&] {
    if (pagina > 0) {
      p.setFont(pequena);
      p.drawText(QRectF(util.left(), limite, largura, RelatorioTeste::kRodape), Qt::AlignCenter,
                 QStringLiteral("Relatório gerado pelo Tolv 2014"));
      escritor.newPage();
    }
    ++pagina;
    y = util.top();
    p.setFont(negrito9);
    p.drawText(QRectF(util.left(), y, largura / 2, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tolv 2014 - Beneficiários por código"));
    p.drawText(QRectF(util.left() + largura / 2, y, largura / 2, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Página %1 de %2").arg(pagina).arg(kPaginasAlvo));
    p.drawLine(QPointF(util.left(), y + 30), QPointF(util.right(), y + 30));
    y += RelatorioTeste::kCabecalho;
  };
  const auto cabe = [&](qreal altura) {
    if (y + altura > limite) novaPagina();
  };
  novaPagina();
  p.setFont(titulo);
  p.drawText(QRectF(util.left(), y, largura, RelatorioTeste::kTitulo), Qt::AlignCenter,
             QStringLiteral("Relatório de teste do motor"));
  y += RelatorioTeste::kTitulo;
  QString codigo;
  qint64 totalGrupo = 0, totalGeral = 0;
  const auto rodapeGrupo = [&] {
    cabe(RelatorioTeste::kRodapeGrupo);
    p.setFont(negrito9);
    p.drawText(QRectF(util.left(), y, largura, RelatorioTeste::kRodapeGrupo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Total do código %1: %2").arg(codigo, RelatorioTeste::dinheiro(totalGrupo)));
    y += RelatorioTeste::kRodapeGrupo;
  };
  for (const auto& l : teste.linhas) {
    if (l.codigo != codigo) {
      if (!codigo.isEmpty()) rodapeGrupo();
      codigo = l.codigo;
      totalGrupo = 0;
      cabe(RelatorioTeste::kCabecalhoGrupo);
      p.fillRect(QRectF(util.left(), y, largura, RelatorioTeste::kCabecalhoGrupo), QColor(0xE9, 0xE9, 0xE9));
      p.setFont(negrito10);
      p.drawText(QRectF(util.left() + 4, y, largura - 8, RelatorioTeste::kCabecalhoGrupo), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Código de receita ") + codigo);
      y += RelatorioTeste::kCabecalhoGrupo;
    }
    cabe(RelatorioTeste::kDetalhe);
    p.setFont(normal);
    p.drawText(QRectF(util.left() + 10, y, largura * 0.6, RelatorioTeste::kDetalhe), Qt::AlignLeft | Qt::AlignVCenter,
               l.nome);
    p.drawText(QRectF(util.left() + largura * 0.6, y, largura * 0.4, RelatorioTeste::kDetalhe),
               Qt::AlignRight | Qt::AlignVCenter, RelatorioTeste::dinheiro(l.centavos));
    y += RelatorioTeste::kDetalhe;
    totalGrupo += l.centavos;
    totalGeral += l.centavos;
  }
  rodapeGrupo();
  cabe(RelatorioTeste::kResumo);
  p.setFont(negrito10);
  p.drawText(QRectF(util.left(), y, largura, RelatorioTeste::kResumo), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Total geral: ") + RelatorioTeste::dinheiro(totalGeral));
  p.setFont(pequena);
  p.drawText(QRectF(util.left(), limite, largura, RelatorioTeste::kRodape), Qt::AlignCenter,
             QStringLiteral("Relatório gerado pelo Tolv 2014"));
  p.end();
  return pagina;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication aplicacao(argc, argv);
  QTemporaryDir pasta;

  // Rows for about kPaginasAlvo pages: a page holds some 54 detail lines.
  const qreal util = RelatorioTeste(1).rel.areaUtil().height() - RelatorioTeste::kCabecalho - RelatorioTeste::kRodape;
  const int porPagina = int(util / RelatorioTeste::kDetalhe);
  RelatorioTeste teste(kPaginasAlvo * porPagina - porPagina / 2);
  std::printf("Relatório de teste: %zu linhas\n", teste.linhas.size());
  const double base = residenteMiB();

  zeraPico();
  QElapsedTimer relogio;
  relogio.start();
  const QString pdf = pasta.filePath(QStringLiteral("motor.pdf"));
  QString erro;
  if (!relatorio::EscrevePdf(teste.rel, pdf, &erro)) {
    std::printf("falhou: %s\n", qPrintable(erro));
    return 1;
  }
  const double tMotor = segundos(relogio);
  const int paginas = teste.rel.totalPaginas();
  const double picoMotor = picoMiB() - base;

  zeraPico();
  relogio.restart();
  const QString direto = pasta.filePath(QStringLiteral("direto.pdf"));
  const int paginasDireto = escreveDireto(teste, direto);
  const double tDireto = segundos(relogio);
  const double picoDireto = picoMiB() - base;

  zeraPico();
  relogio.restart();
  relatorio::PaginasRelatorio guardadas;
  teste.rel.prepara(guardadas);
  const double tGuardadas = segundos(relogio);
  const double picoGuardadas = picoMiB() - base;

  std::printf("Motor -> PDF (com a contagem de páginas): %d páginas em %.2f s = %.0f páginas/s; %.1f MiB de arquivo;"
              " pico de memória +%.1f MiB\n",
              paginas, tMotor, paginas / tMotor, QFileInfo(pdf).size() / 1048576.0, picoMotor);
  std::printf("QPainter direto -> PDF:                   %d páginas em %.2f s = %.0f páginas/s; %.1f MiB de arquivo;"
              " pico de memória +%.1f MiB\n",
              paginasDireto, tDireto, paginasDireto / tDireto, QFileInfo(direto).size() / 1048576.0, picoDireto);
  std::printf("Razão motor/direto (tempo por página):    %.2f\n", (tMotor / paginas) / (tDireto / paginasDireto));
  std::printf("Motor -> páginas da visualização:          %d páginas em %.2f s = %.0f páginas/s; pico de memória +%.1f MiB"
              " (até 200 páginas em memória, o resto em arquivo temporário)\n",
              guardadas.quantidade(), tGuardadas, guardadas.quantidade() / tGuardadas, picoGuardadas);
  return 0;
}
