#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>
#include <optional>

class Calculadora;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class TCLEDLabel;
class TDragMonetario;
class TTolvButton;

// "Calculadora": the desk calculator with memory, tape and three decimal modes, a small window
// that stays on top. Its state is the program's Calculadora, which outlives the window. Its
// value can be dragged onto any amount field, and amounts can be dropped on its display.
class TFoCalcula : public QWidget {
  Q_OBJECT
 public:
  // Opens the window over the main window, unless it is open already.
  static void AbreCalculadora(QWidget* dono);
  // The open window, or nullptr.
  static TFoCalcula* Instancia();

  explicit TFoCalcula(Calculadora& calculadora, QWidget* dono = nullptr);
  ~TFoCalcula() override;

  // Shows what the calculator holds: the display, its colour and error pattern, the indicators
  // and the tape.
  void Atualiza();
  // The calculator's value formatted on the display.
  void MostraValor(bool digitando);
  // Ctrl+C and Ctrl+V.
  void CopiaValor();
  void ColaValor();
  // What a drag from the display carries, or nothing (empty or negative display).
  std::unique_ptr<TDragMonetario> CriaArrasto() const;

  TCLEDLabel* LlDisplay() const { return m_display; }
  QPlainTextEdit* MeFita() const { return m_fita; }

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  TTolvButton* botao(const QString& nome, const QString& texto, int largura = 40);
  void arrasta();

  Calculadora& m_calc;
  QWidget* m_painelDisplay = nullptr;
  TCLEDLabel* m_display = nullptr;
  QLabel* m_lbMemoria = nullptr;
  QLabel* m_lbOperacao[4] = {};
  QPlainTextEdit* m_fita = nullptr;
  QRadioButton* m_rbFixa2 = nullptr;
  QRadioButton* m_rbFixa4 = nullptr;
  QRadioButton* m_rbLivre = nullptr;
  qsizetype m_linhasFita = 0;
  std::optional<QPoint> m_inicioArrasto;
};
