#pragma once

#include <QList>
#include <QPageSize>
#include <QString>

#include <vector>

// Printers: the system's printers plus "PDF", which writes the pages to a PDF file and is always
// there, so every report can be printed on any machine.
enum class EstadoImpressora { Ociosa, Imprimindo, Parada, Erro };

struct InfoImpressora {
  QString nome;
  QString descricao;
  QString local;
  QString modelo;
  bool padrao = false;
  bool remota = false;
  EstadoImpressora estado = EstadoImpressora::Ociosa;
  QPageSize papel;  // the printer's default paper
  QList<QPageSize> papeis;
};

// The system's printers. The printer support installs its own at start; until then, and in
// tests without a stand-in, the system has no printer.
class IImpressoras {
 public:
  virtual ~IImpressoras() = default;
  virtual std::vector<InfoImpressora> lista() const = 0;
  virtual QString padrao() const = 0;  // empty when none
};

// Installs the system's printers or a stand-in (not owned); nullptr: none. Returns the one
// installed before.
const IImpressoras* InstalaImpressoras(const IImpressoras* impressoras);

inline const QString kImpressoraPdf = QStringLiteral("PDF");

// Every printer, the system's first, "PDF" last.
std::vector<InfoImpressora> ListaImpressoras();
// The system's default printer; "PDF" when the system names none.
QString ImpressoraPadrao();
// The printer the reports print on: the one chosen last, else the default printer.
QString ImpressoraAtual();
void DefineImpressoraAtual(const QString& nome);  // empty: back to the default printer
// The current printer's description; false when it is no longer installed.
bool LeInfoImpressora(InfoImpressora& info);
// True when the current printer reports an error or is no longer installed.
bool ImpressoraIndisponivel();
// The paper of a report printed on a printer whose paper is given: the printer's paper when it
// is one of the report sizes (letter, tabloid, ledger, legal, statement, executive, A3, A4, A5,
// JIS B4, JIS B5, folio, ANSI C, D and E), else Letter.
QPageSize PapelRelatorio(const QPageSize& papelImpressora);
// PapelRelatorio of the current printer's paper.
QPageSize PapelRelatorioAtual();
