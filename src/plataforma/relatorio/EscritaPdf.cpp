#include "plataforma/relatorio/EscritaPdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/relatorio/SaidaDispositivo.h"

namespace relatorio {

namespace {

// Fine enough that no position of the report is rounded.
constexpr int kResolucaoPdf = 1200;

bool grava(const QString& caminho, const QString& titulo, const std::function<void(IDestinoPaginas&)>& producao,
           QString* erro) {
  QSaveFile arquivo(caminho);
  if (!arquivo.open(QIODevice::WriteOnly)) {
    if (erro) *erro = arquivo.errorString();
    return false;
  }
  {
    QPdfWriter escritor(&arquivo);
    escritor.setResolution(kResolucaoPdf);
    escritor.setTitle(titulo);
    escritor.setCreator(QStringLiteral("Tolv 2014"));
    SaidaDispositivo saida(escritor);
    producao(saida);
    saida.termina();
    if (saida.falhou() || saida.paginas() == 0) {
      arquivo.cancelWriting();
      if (erro) *erro = saida.paginas() == 0 ? QStringLiteral("O relatório não tem páginas.")
                                             : QStringLiteral("Não foi possível gravar o arquivo PDF.");
      return false;
    }
  }
  if (!arquivo.commit()) {
    if (erro) *erro = arquivo.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool EscrevePdf(Relatorio& relatorio, const QString& caminho, QString* erro) {
  return grava(caminho, relatorio.tituloDocumento(), [&](IDestinoPaginas& saida) { relatorio.preparaTudo(saida); }, erro);
}

bool GravaPdf(const PaginasRelatorio& paginas, int de, int ate, const QString& caminho, const QString& titulo,
              QString* erro) {
  return grava(caminho, titulo, [&](IDestinoPaginas& saida) { paginas.reproduz(saida, de, ate); }, erro);
}

}  // namespace relatorio
