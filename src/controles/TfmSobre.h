#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class AnimacaoSobre;
class QLabel;
class QTimer;
class QWidget;

// The about box: the animated picture, the program's labels and the credits that scroll over
// the picture while it is clicked on.
class TfmSobre : public QDialog {
  Q_OBJECT
 public:
  struct Credito {
    QString texto;
    int fonte;  // 1 to 5: the sample label whose font the line takes
  };

  TfmSobre(const QString& versao, QWidget* dono = nullptr);
  ~TfmSobre() override;

  static void Executa(const QString& versao, QWidget* dono);

  // A credit line: a leading four-character tag ("<F1>" ...) is taken off and chooses the font;
  // "<F1>", "<F2>", "<F3>" and "<F5>" their own, any other tag and no tag the fourth.
  static Credito interpretaCredito(const QString& linha);

  bool creditosVisiveis() const;
  void alternaCreditos();
  // The credits' panel one pixel up, back to the top once it has passed out of sight.
  void rolaCreditos();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void montaCreditos(const QStringList& linhas);

  std::unique_ptr<AnimacaoSobre> m_animacao;
  QWidget* m_paintBox = nullptr;
  QWidget* m_moldura = nullptr;
  QWidget* m_creditos = nullptr;
  QLabel* m_fontes[5] = {};
  QTimer* m_timerAnimacao = nullptr;
  QTimer* m_timerCreditos = nullptr;
};
