#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QScrollArea;
class QTimer;
class QToolButton;
class VistaPagina;

namespace relatorio {
class IDestinoPaginas;
class PaginasRelatorio;
class Relatorio;
}  // namespace relatorio

// The one print preview of the program, "Visualizar Impressão": prepares a report shortly after
// it shows (its pages appear as they are laid out), then pages through them, zooms and prints
// them. It closes only once the current batch of pages is complete (Print enabled), or by itself
// when the report produced no page. A report that failed while it was prepared keeps the pages
// it produced and the window can still be closed.
//
// Long reports come in batches. A report with batches of the engine (setLotePaginas) needs
// nothing more: the button ProximasPaginas drops the pages shown and prepares the next batch,
// numbered on. A report that makes its batches itself calls HabilitaProximasPaginas at a batch's
// end; the button then drops the pages shown, calls the method given to DefineProximasPaginas
// (which moves the report's data to the next batch) and prepares the report again. Printing
// prints the pages shown, as they were prepared.
class TFoPreview : public QDialog {
  Q_OBJECT
 public:
  enum class Zoom { PaginaInteira, Normal, Largura };

  explicit TFoPreview(QWidget* dono = nullptr);
  ~TFoPreview() override;

  // The report to prepare once shown (not owned; it must outlive the window).
  void DefineRelatorio(relatorio::Relatorio* relatorio);
  relatorio::Relatorio* Relatorio() const { return m_relatorio; }
  relatorio::PaginasRelatorio& Paginas() { return *m_paginas; }

  // What the timer runs once the window shows: prepares the report into the window's pages.
  void Prepara();

  int PaginaAtual() const { return m_pagina; }
  int PaginasDisponiveis() const;
  void IrPara(int pagina);
  void PrimeiraPagina();
  void PaginaAnterior();
  void ProximaPagina();
  void UltimaPagina();
  void DefineZoom(Zoom zoom);
  Zoom ZoomAtual() const { return m_zoom; }

  void HabilitaProximasPaginas();
  void DefineProximasPaginas(std::function<void()> metodo);
  void ProximasPaginasClick();
  // The print dialog, then the range chosen on the printer chosen.
  void PrintClick();
  // Asks the report to stop producing pages and closes.
  void ToolButton2Click();

  bool Fechando() const { return m_fechando; }
  bool ParadoPeloUsuario() const { return m_paradoPeloUsuario; }
  QString TextoStatus() const;

  // The preview window shown now, if any.
  static TFoPreview* Instancia();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  QToolButton* botao(const char* nome, const QString& dica, const QIcon& icone);
  bool pedeFechamento();
  void prepara(bool proximoLote);
  void atualizaEstado();
  void recebeuPagina(int quantidade);

  relatorio::Relatorio* m_relatorio = nullptr;
  std::unique_ptr<relatorio::PaginasRelatorio> m_paginas;
  std::function<void()> m_proximasPaginas;
  bool m_fechando = false;
  bool m_maisPaginas = false;
  bool m_paradoPeloUsuario = false;
  bool m_preparando = false;
  int m_pagina = 1;
  Zoom m_zoom = Zoom::Largura;

  QToolButton* m_zoomFit = nullptr;
  QToolButton* m_zoom100 = nullptr;
  QToolButton* m_zoomToWidth = nullptr;
  QToolButton* m_firstPage = nullptr;
  QToolButton* m_previousPage = nullptr;
  QToolButton* m_nextPage = nullptr;
  QToolButton* m_lastPage = nullptr;
  QToolButton* m_print = nullptr;
  QToolButton* m_proximas = nullptr;
  QToolButton* m_fechar = nullptr;
  QScrollArea* m_area = nullptr;
  VistaPagina* m_vista = nullptr;
  QLabel* m_status1 = nullptr;
  QLabel* m_status2 = nullptr;
  QTimer* m_timer = nullptr;
};

// Shows the report in the preview window, modally; returns once the window has closed (its
// pages are freed with it). The window is owned by the program's main window.
void MostraPreview(relatorio::Relatorio& relatorio);
// The pages of the preview window shown now (nullptr when there is none): a report that
// prepares itself elsewhere sends its pages there to have them shown.
relatorio::IDestinoPaginas* AssociaPreview();
// A further batch of pages can be produced (called by the report while it is prepared).
void HabilitaProximasPaginas();
// The method that moves the report to its next batch.
void DefineProximasPaginas(std::function<void()> metodo);
