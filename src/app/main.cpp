#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow janela;
  janela.setWindowTitle(QStringLiteral("Tolv 2014 - Versão 1.5"));
  janela.setMinimumSize(800, 600);
  janela.show();
  return app.exec();
}
