#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The program's message box: an icon column, the centred text and flat "&Sim"/"&Não" or "&OK"
// buttons. Flags follow the Windows message box: 16 error, 32 question, 48 warning,
// 64 information icon; 4 Sim and Não. Answers 1 (OK), 6 (Sim), 7 (Não), 0 when closed otherwise.
class TFormMessageTolv : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kLarguraIcones = 83;
  static constexpr int kAlturaBotoes = 41;
  static constexpr int kAlturaLinha = 13;
  static constexpr int kLarguraQuebra = 300;

  // Lays the box out for the text; show it with exec() (MostraMensagem) or, in tests, show().
  TFormMessageTolv(const QString& texto, const QString& titulo, int flags, QWidget* pai = nullptr);
  ~TFormMessageTolv() override;

  // Creates the box, shows it modally, frees it. One box at a time is the rule of the program.
  static int MostraMensagem(const QString& texto, const QString& titulo, int flags);
  // The box being shown by MostraMensagem, if any.
  static TFormMessageTolv* atual();

  int quantidadeLinhas() const { return m_linhas.size(); }
  bool simNao() const { return m_simNao; }
  // 1, 6 or 7 as pressed; 0 while nothing was pressed or after a close.
  int resposta() const;

 protected:
  void showEvent(QShowEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void montaComponentes();
  void dispoe(int flags);

  QStringList m_linhas;
  int m_maisLarga = 0;
  bool m_simNao = false;
  bool m_temIcone = false;
  QWidget* m_panel1 = nullptr;
  QWidget* m_panel2 = nullptr;
  QWidget* m_panel3 = nullptr;
  QLabel* m_panel4 = nullptr;
  QLabel* m_panel5 = nullptr;
  QLabel* m_panel6 = nullptr;
  QFrame* m_shape1 = nullptr;
  QLabel* m_label1 = nullptr;
  QLabel* m_imagens[4] = {};
  QPushButton* m_speedButton1 = nullptr;
  QPushButton* m_speedButton2 = nullptr;
  QPushButton* m_speedButton3 = nullptr;
};
