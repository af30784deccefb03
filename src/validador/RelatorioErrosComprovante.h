#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TLogErros;
class TRegistroComprovante;

namespace relatorio {
class Relatorio;
}

// The report of the lines that an income-statement import rejected, "Relatório de Erros de
// Importação do Comprovante de Rendimentos": for each line of the log its reason, the line's
// fields under their captions and its complementary information; then the instructions. A4
// landscape, the log's file name in the page header, the date and page number in the footer.
// Reads the log pair as it prints, never whole.
class RelatorioErrosComprovante {
 public:
  // `log` is open for reading (TLogErros::Abre), not owned, and outlives the report.
  RelatorioErrosComprovante(TLogErros& log, int rejeitadas, const QDate& data = QDate::currentDate());
  ~RelatorioErrosComprovante();
  RelatorioErrosComprovante(const RelatorioErrosComprovante&) = delete;
  RelatorioErrosComprovante& operator=(const RelatorioErrosComprovante&) = delete;

  relatorio::Relatorio& QRErrosImportCompr() { return *m_relatorio; }
  // The print progress after each line: Trunc(count × 100 / rejected), 100 at the end.
  int Progresso() const { return m_progresso; }

  static const QStringList& Instrucoes();

 private:
  void Monta();

  TLogErros* m_log;
  int m_rejeitadas;
  QDate m_data;
  std::unique_ptr<TRegistroComprovante> m_registro;
  std::unique_ptr<relatorio::Relatorio> m_relatorio;
  int m_impressos = 0;
  int m_progresso = 0;
};

// Prints the rejected lines of the log <raiz>: nothing (false) when a report of them is being
// shown already, when the count is 0 or less or the root is blank. Otherwise opens the log pair
// and, when neither file is empty, hands the report to `mostra` (the preview, or a PDF file);
// then, in every case, deletes the pair. Failures to open or delete the pair go to `falha`, one a
// line.
bool ExecutaErrosImportComprovante(const QString& raiz, int rejeitadas,
                                   const std::function<void(relatorio::Relatorio&)>& mostra,
                                   QString* falha = nullptr);
