#include "Telas.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <map>
#include <string>

#include "controles/PaletaTolv.h"
#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"

namespace telas {

namespace {

std::map<std::string, Desenho>& Grupos() {
  static std::map<std::string, Desenho> grupos;
  return grupos;
}

}  // namespace

bool registra(const char* grupo, Desenho desenho) {
  Grupos()[grupo] = std::move(desenho);
  return true;
}

Contexto::Contexto(QString pastaSaida) : m_saida(std::move(pastaSaida)) { QDir().mkpath(m_saida); }

Contexto::~Contexto() { delete m_pasta; }

PastaProgramaTemp& Contexto::pasta() {
  if (!m_pasta) m_pasta = new PastaProgramaTemp(true);
  return *m_pasta;
}

void Contexto::salva(QWidget& janela, const QString& nome) {
  janela.show();
  // Layouts and deferred work (timers of zero, posted events) settle before the picture.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const QPixmap imagem = janela.grab();
  const QString arquivo = m_saida + u'/' + nome + QStringLiteral(".png");
  if (imagem.isNull() || !imagem.save(arquivo)) throw std::runtime_error("não gravou " + arquivo.toStdString());
  m_salvas << nome;
}

QPixmap PrimeiraPagina(relatorio::Relatorio& rel) {
  relatorio::PaginasRelatorio paginas;
  rel.prepara(paginas);
  QPixmap imagem(rel.folha().size().toSize());
  imagem.fill(Qt::white);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPicture pagina = paginas.pagina(1);
  p.drawPicture(0, 0, pagina);
  return imagem;
}

}  // namespace telas

// telas <pasta de saída> [grupo...]: draws every group, or the ones named.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // The look the program gives itself at start.
  PaletaTolv::aplicaNaAplicacao();
  const QStringList argumentos = app.arguments();
  if (argumentos.size() < 2) {
    std::fputs("uso: telas <pasta de saída> [grupo...]\n", stderr);
    return 2;
  }
  const QStringList escolhidos = argumentos.mid(2);
  // No window of the program may wait for an answer while it is drawn.
  CaixaMensagemFalsa caixa;
  telas::Contexto contexto(argumentos[1]);
  int falhas = 0;
  for (auto& [nome, desenho] : telas::Grupos()) {
    if (!escolhidos.isEmpty() && !escolhidos.contains(QString::fromStdString(nome))) continue;
    try {
      desenho(contexto);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", nome.c_str(), e.what());
      ++falhas;
    }
  }
  QTextStream(stdout) << contexto.salvas().size() << " telas em " << argumentos[1] << '\n';
  return falhas ? 1 : 0;
}
