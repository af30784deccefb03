#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QGridLayout;
class QTableWidget;
class TTolvButton;

// The shape of the health-plan searches: a strip of criteria, the results grid grdDbgPS (empty
// until the first search; rows in alternating colours, the selected one in bold) and the
// buttons "Executar" (Ctrl+J), "Limpar" (Ctrl+H) and "Posicionar" (Ctrl+K). A pick goes to the
// editor through the given callback and closes the dialog.
class TPesquisaPlanoSaudeBase : public QDialog {
  Q_OBJECT
 public:
  // key, screen, field: the editor's go-to.
  using Posicionador = std::function<void(const QString& chave, const QString& tela, const QString& campo)>;

  void Executar();
  void Limpar();
  void Posicionar();

  QTableWidget& Grade() const { return *grdDbgPS; }
  bool PodePosicionar() const;

 protected:
  TPesquisaPlanoSaudeBase(const QString& titulo, const QStringList& colunas, QWidget* pai);

  // Criteria go into this layout, one column each (caption above the field).
  QGridLayout& Criterios() const { return *m_criterios; }
  // Fills the grid with the rows that the criteria select; returns how many.
  virtual int Filtra() = 0;
  // The key of a listed row, and the go-to's screen and field.
  virtual QString Chave(int linha) const = 0;
  virtual QString Tela() const = 0;
  virtual void LimpaCriterios() = 0;

  void PreencheGrade(const std::vector<QStringList>& linhas);
  void DefinePosicionador(Posicionador posicionador) { m_posicionador = std::move(posicionador); }

 private:
  void destacaSelecionada();

  QGridLayout* m_criterios;
  QTableWidget* grdDbgPS;
  TTolvButton* btnExecutar;
  TTolvButton* btnLimpar;
  TTolvButton* btnPosicionar;
  Posicionador m_posicionador;
  int m_destacada = -1;
};
