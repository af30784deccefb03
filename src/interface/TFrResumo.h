#pragma once

#include <QPoint>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

#include "controles/TPaginaDeclaracao.h"

class QAbstractTableModel;
class QGroupBox;
class QLabel;
class QTabWidget;
class QTableView;
class TEditData;
class TFrDeclaracao;
class TTolvEdit;
namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// The summary page: the open declaration's totals ("Geral", bound to its overall summary, with
// the codes its lines use) and, when it has annexes, one row per source ("Discriminado"). Nothing
// on it can be changed. Read again each time it is entered.
class TFrResumo : public TPaginaDeclaracao {
  Q_OBJECT
 public:
  explicit TFrResumo(QWidget* pai = nullptr);
  ~TFrResumo() override;

  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  // Reads the page again, unless it was since it was last shown.
  void Entra() override;
  // Reads the page again (after a recalculation).
  void Recarrega() override;
  void FrameEnter();

  QTabWidget* PgResumo() const { return m_pg; }
  QWidget* TsGeral() const { return m_geral; }
  QWidget* TsDiscriminado() const { return m_discriminado; }
  QTableView* DbgDiscriminado() const { return m_grade; }
  QTableView* GradeCodigos() const { return m_codigos; }
  QGroupBox* Grupo(const char* nome) const;
  TEditData* DtpDataGera() const { return m_data; }
  // The detailed grid's column of a field.
  int Coluna(const char* campo) const;

 protected:
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void posicionaGrupos();
  void abre(bd::Consulta& consulta, QAbstractTableModel& modelo);
  void mostraData();

  QTabWidget* m_pg = nullptr;
  QWidget* m_geral = nullptr;
  QWidget* m_discriminado = nullptr;
  QGroupBox* m_totais = nullptr;
  QGroupBox* m_compensacao = nullptr;
  QGroupBox* m_exigibilidade = nullptr;
  QGroupBox* m_gravacao = nullptr;
  QGroupBox* m_grupoCodigos = nullptr;
  TEditData* m_data = nullptr;
  TTolvEdit* m_volumes = nullptr;
  std::vector<TTolvEdit*> m_edits;
  QTableView* m_codigos = nullptr;
  QTableView* m_grade = nullptr;
  std::unique_ptr<QAbstractTableModel> m_modeloCodigos;
  std::unique_ptr<QAbstractTableModel> m_modeloDetalhe;
  TTolv* m_declaracao = nullptr;
  TFrDeclaracao* m_conteiner = nullptr;
  std::unique_ptr<bd::Transacao> m_transacao;
  std::unique_ptr<bd::Consulta> m_consultaCodigos;
  std::unique_ptr<bd::Consulta> m_consultaDetalhe;
  bool m_judicial = false;
  bool m_entrou = false;
  bool m_restaurando = false;
  std::optional<QPoint> m_inicioArrasto;
};
