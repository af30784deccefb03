#include "plataforma/sistema/Impressoras.h"

#include <QSize>

#include <algorithm>
#include <iterator>

namespace {

const IImpressoras* g_sistema = nullptr;
QString g_atual;

InfoImpressora impressoraPdf(bool padrao) {
  InfoImpressora pdf;
  pdf.nome = kImpressoraPdf;
  pdf.descricao = QStringLiteral("Grava as páginas em um arquivo PDF");
  pdf.padrao = padrao;
  pdf.papel = QPageSize(QPageSize::A4);
  for (auto id : {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3, QPageSize::A5})
    pdf.papeis << QPageSize(id);
  return pdf;
}

}  // namespace

const IImpressoras* InstalaImpressoras(const IImpressoras* impressoras) {
  const IImpressoras* anterior = g_sistema;
  g_sistema = impressoras;
  return anterior;
}

std::vector<InfoImpressora> ListaImpressoras() {
  std::vector<InfoImpressora> r;
  if (g_sistema) {
    for (InfoImpressora& i : g_sistema->lista())
      if (i.nome != kImpressoraPdf) r.push_back(std::move(i));  // ours takes the name
  }
  const QString padrao = ImpressoraPadrao();
  for (InfoImpressora& i : r) i.padrao = i.nome == padrao;
  r.push_back(impressoraPdf(padrao == kImpressoraPdf));
  return r;
}

QString ImpressoraPadrao() {
  const QString nome = g_sistema ? g_sistema->padrao() : QString();
  return nome.isEmpty() ? kImpressoraPdf : nome;
}

QString ImpressoraAtual() { return g_atual.isEmpty() ? ImpressoraPadrao() : g_atual; }

void DefineImpressoraAtual(const QString& nome) { g_atual = nome; }

bool LeInfoImpressora(InfoImpressora& info) {
  const QString atual = ImpressoraAtual();
  for (InfoImpressora& i : ListaImpressoras()) {
    if (i.nome == atual) {
      info = std::move(i);
      return true;
    }
  }
  return false;
}

bool ImpressoraIndisponivel() {
  InfoImpressora info;
  return !LeInfoImpressora(info) || info.estado == EstadoImpressora::Erro;
}

QPageSize PapelRelatorio(const QPageSize& papelImpressora) {
  // The Windows paper numbers 2 to 14 and 24 to 26 by their sizes. Qt's own table of those
  // numbers has no folio and takes 24 to 26 for the architect sheets, not the ANSI ones.
  static const QPageSize::PageSizeId relatorio[] = {
      QPageSize::Letter,    QPageSize::Tabloid, QPageSize::Ledger, QPageSize::Legal,
      QPageSize::Statement, QPageSize::ExecutiveStandard, QPageSize::A3, QPageSize::A4,
      QPageSize::A5,        QPageSize::JisB4,   QPageSize::JisB5,  QPageSize::FanFoldGermanLegal,
      QPageSize::Folio,     QPageSize::AnsiC,   QPageSize::AnsiD,  QPageSize::AnsiE};
  const auto eRelatorio = [&](QPageSize::PageSizeId id) {
    return std::find(std::begin(relatorio), std::end(relatorio), id) != std::end(relatorio);
  };
  if (papelImpressora.isValid()) {
    if (eRelatorio(papelImpressora.id())) return QPageSize(papelImpressora.id());
    // A paper named otherwise with the size of a report paper (A4 Small, a printer's own name).
    const QPageSize::PageSizeId mesmoTamanho = QPageSize::id(papelImpressora.sizePoints());
    if (eRelatorio(mesmoTamanho)) return QPageSize(mesmoTamanho);
  }
  return QPageSize(QPageSize::Letter);
}

QPageSize PapelRelatorioAtual() {
  InfoImpressora info;
  return PapelRelatorio(LeInfoImpressora(info) ? info.papel : QPageSize());
}
