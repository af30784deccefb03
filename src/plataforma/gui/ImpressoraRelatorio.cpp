#include "plataforma/gui/ImpressoraRelatorio.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <functional>

#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/relatorio/SaidaDispositivo.h"

SaidaImpressora::SaidaImpressora(QPrinter& impressora) : SaidaDispositivo(impressora), m_impressora(impressora) {}

void SaidaImpressora::defineFrenteVerso(bool frenteVerso) {
  m_impressora.setDuplex(frenteVerso ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
}

namespace {

bool imprime(const QString& impressora, const QString& titulo,
             const std::function<void(relatorio::IDestinoPaginas&)>& producao, QString* erro) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(impressora);
  if (info.isNull()) {
    if (erro) *erro = QStringLiteral("A impressora %1 não está instalada.").arg(impressora);
    return false;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setCopyCount(1);
  printer.setDocName(titulo);
  SaidaImpressora saida(printer);
  producao(saida);
  saida.termina();
  if (saida.falhou()) {
    if (erro) *erro = QStringLiteral("A impressora %1 recusou a impressão.").arg(impressora);
    return false;
  }
  return true;
}

}  // namespace

bool ImprimeNaImpressora(relatorio::Relatorio& relatorio, const QString& impressora, QString* erro) {
  return imprime(impressora, relatorio.tituloDocumento(),
                 [&](relatorio::IDestinoPaginas& saida) { relatorio.preparaTudo(saida); }, erro);
}

bool ImprimePaginasNaImpressora(const relatorio::PaginasRelatorio& paginas, int de, int ate, const QString& impressora,
                                const QString& titulo, QString* erro) {
  return imprime(impressora, titulo,
                 [&](relatorio::IDestinoPaginas& saida) { paginas.reproduz(saida, de, ate); }, erro);
}
