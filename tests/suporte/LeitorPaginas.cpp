#include "suporte/LeitorPaginas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QTextItem>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plataforma/relatorio/DesenhoPagina.h"
#include "plataforma/relatorio/PaginasRelatorio.h"

namespace LeitorPaginas {

namespace {

// A paint engine that keeps the texts it is asked to draw and draws nothing.
class MotorLeitura : public QPaintEngine {
 public:
  explicit MotorLeitura(std::vector<Texto>& textos) : QPaintEngine(QPaintEngine::AllFeatures), m_textos(textos) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& estado) override {
    if (estado.state() & QPaintEngine::DirtyTransform) m_transformacao = estado.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  // Lines, frames and fills end here; they are not read.
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawTextItem(const QPointF& ponto, const QTextItem& item) override {
    m_textos.push_back({item.text(), m_transformacao.map(ponto), item.font()});
  }
  Type type() const override { return QPaintEngine::User; }

 private:
  std::vector<Texto>& m_textos;
  QTransform m_transformacao;
};

// A device of 96 dots per inch: one dot is one unit of the reports.
class DispositivoLeitura : public QPaintDevice {
 public:
  explicit DispositivoLeitura(std::vector<Texto>& textos) : m_motor(textos) {}
  QPaintEngine* paintEngine() const override { return &m_motor; }

 protected:
  int metric(PaintDeviceMetric metrica) const override {
    switch (metrica) {
      case PdmWidth: return 2000;
      case PdmHeight: return 2000;
      case PdmWidthMM: return int(2000 * 25.4 / 96);
      case PdmHeightMM: return int(2000 * 25.4 / 96);
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDepth: return 32;
      case PdmNumColors: return 1 << 24;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  mutable MotorLeitura m_motor;
};

}  // namespace

std::vector<Texto> Textos(const QPicture& pagina) {
  std::vector<Texto> textos;
  DispositivoLeitura dispositivo(textos);
  QPainter pintor(&dispositivo);
  relatorio::DesenhaPagina(pintor, pagina, 1.0);
  pintor.end();
  return textos;
}

QStringList Linhas(const QPicture& pagina) {
  std::vector<Texto> textos = Textos(pagina);
  std::stable_sort(textos.begin(), textos.end(), [](const Texto& a, const Texto& b) {
    if (std::abs(a.base.y() - b.base.y()) > 0.5) return a.base.y() < b.base.y();
    return a.base.x() < b.base.x();
  });
  QStringList linhas;
  qreal y = -1e9;
  qreal fim = 0;
  for (const Texto& t : textos) {
    if (t.texto.trimmed().isEmpty()) continue;
    const qreal largura = QFontMetricsF(t.fonte).horizontalAdvance(t.texto);
    if (linhas.isEmpty() || std::abs(t.base.y() - y) > 0.5) {
      linhas << t.texto;
      y = t.base.y();
    } else {
      // Pieces of one label touch; separate labels stand apart.
      if (t.base.x() - fim > 1.0) linhas.last() += u' ';
      linhas.last() += t.texto;
    }
    fim = t.base.x() + largura;
  }
  return linhas;
}

const Texto* Procura(const std::vector<Texto>& textos, const QString& trecho) {
  for (const Texto& t : textos)
    if (t.texto.contains(trecho)) return &t;
  return nullptr;
}

std::vector<QStringList> LinhasDasPaginas(const relatorio::PaginasRelatorio& paginas) {
  std::vector<QStringList> todas;
  for (int n = 1; n <= paginas.quantidade(); ++n) todas.push_back(Linhas(paginas.pagina(n)));
  return todas;
}

QString TextoPdf(const QString& arquivo) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  EXPECT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is missing: run scripts/dependencias";
  if (pdftotext.isEmpty()) return {};
  QProcess processo;
  processo.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo,
                             QStringLiteral("-")});
  const bool terminou = processo.waitForFinished(60000);
  EXPECT_TRUE(terminou && processo.exitCode() == 0) << qPrintable(QString::fromUtf8(processo.readAllStandardError()));
  return QString::fromUtf8(processo.readAllStandardOutput());
}

}  // namespace LeitorPaginas
