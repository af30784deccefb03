#pragma once

#include <QDate>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

#include "entrega/LinhaVerificacao.h"

class QWidget;
class TVerificacaoPendencias;

namespace relatorio {
class Relatorio;
}

// The pendency report, "Verificação de Pendências": the result list of a verification run as it
// stands, A4 landscape, one line per row (declaration, annex and section headers, "ERRO : " and
// "AVISO: " findings, blank closing rows), the totals of errors and warnings of the run, and a
// footer with the declarant's number, the version, the date and the page.
class TFrRelPendencias {
 public:
  // The rows and counts are copied: the report reads nothing of the run while it prints.
  TFrRelPendencias(const std::vector<LinhaVerificacao>& linhas, int numErros, int numAvisos,
                   const QDate& data = QDate::currentDate());
  ~TFrRelPendencias();
  TFrRelPendencias(const TFrRelPendencias&) = delete;
  TFrRelPendencias& operator=(const TFrRelPendencias&) = delete;

  relatorio::Relatorio& QrpPendencias() { return *m_relatorio; }

  // What a row prints (its kind decides; "13" and other kinds print as the row before them).
  enum class Componente { Nenhum, Declarantes, Fundos, Quadros, QuadrosOk, Erros };
  static Componente ComponenteDe(const QString& tipo, Componente anterior);
  // The printed text of a row under that component.
  static QString TextoImpresso(const LinhaVerificacao& linha, Componente componente);
  // The declarant's number from a declaration header's text: the characters '-', '.', '/' and
  // the digits among its first 18; empty for the row announcing the warning cap.
  static QString NiDoCabecalho(const QString& texto);

 private:
  void Monta();
  // The current row's text when it prints under that component, else nothing.
  QString Texto(Componente componente) const;

  std::vector<LinhaVerificacao> m_linhas;
  int m_numErros;
  int m_numAvisos;
  QDate m_data;
  std::unique_ptr<relatorio::Relatorio> m_relatorio;
  size_t m_proxima = 0;
  const LinhaVerificacao* m_atual = nullptr;
  Componente m_componente = Componente::Nenhum;
  QString m_declarante;
};

// Prints the run's result list: in the shared preview (visualizar) or straight to the current
// printer. A request while a report is being shown or printed is ignored.
void ImprimeRelPendencias(bool visualizar, const TVerificacaoPendencias& verificacao, QWidget* dono = nullptr);
// Writes the report to a PDF file (the preview's "save", the tests); false with the reason.
bool EscreveRelPendencias(const TVerificacaoPendencias& verificacao, const QString& arquivo, QString* erro = nullptr);
