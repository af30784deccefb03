#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

// The news window: five topics whose text opens under them on a click, and the box
// "Não exibir tela novamente" that keeps it from opening at start-up.
class TFoNovidade : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTopicos = 5;

  explicit TFoNovidade(QWidget* dono = nullptr);

  // Shows the window modally; does nothing while one is already open.
  static void Executa(QWidget* dono);

  static QString tituloTopico(int indice);
  static QString textoTopico(int indice);

  // Clicking a topic: hides the open text, or shows this topic's text under it.
  void clicaTopico(int indice);
  // The topic whose text shows, or -1.
  int topicoAberto() const;

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void chkNaoMostrarClick();
  void escondeTexto();

  QCheckBox* m_chkNaoMostrar = nullptr;
  QPlainTextEdit* m_memo = nullptr;
  QLabel* m_faixas[kTopicos] = {};
  QLabel* m_topicos[kTopicos] = {};
  int m_aberto = -1;
};
