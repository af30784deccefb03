#include "plataforma/gui/ImpressorasSistema.h"

#include <QPrinterInfo>

namespace {

EstadoImpressora estado(QPrinter::PrinterState s) {
  switch (s) {
    case QPrinter::Active:
      return EstadoImpressora::Imprimindo;
    case QPrinter::Aborted:
      return EstadoImpressora::Parada;
    case QPrinter::Error:
      return EstadoImpressora::Erro;
    default:
      return EstadoImpressora::Ociosa;
  }
}

}  // namespace

std::vector<InfoImpressora> ImpressorasSistema::lista() const {
  std::vector<InfoImpressora> r;
  for (const QPrinterInfo& p : QPrinterInfo::availablePrinters()) {
    InfoImpressora i;
    i.nome = p.printerName();
    i.descricao = p.description();
    i.local = p.location();
    i.modelo = p.makeAndModel();
    i.padrao = p.isDefault();
    i.remota = p.isRemote();
    i.estado = estado(p.state());
    i.papel = p.defaultPageSize();
    i.papeis = p.supportedPageSizes();
    r.push_back(std::move(i));
  }
  return r;
}

QString ImpressorasSistema::padrao() const { return QPrinterInfo::defaultPrinterName(); }
