#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include "Telas.h"
#include "controles/AreaTrabalho.h"
#include "controles/AssistenteTeste.h"
#include "controles/ArvorePastas.h"
#include "controles/ListaArquivos.h"
#include "controles/TZUQFolderDialogBox.h"
#include "controles/TZUQOpenDialogBox.h"
#include "controles/TZUQSaveDialogBox.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

void escreve(const QString& arquivo, int tamanho) {
  QFile f(arquivo);
  if (f.open(QIODevice::WriteOnly)) f.write(QByteArray(tamanho, 'x'));
}

// Lets the file model read the disk (it does so in a thread of its own) for a while.
template <typename Pronto>
void espera(Pronto pronto, int ms = 3000) {
  const QDeadlineTimer prazo(ms);
  while (!pronto() && !prazo.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  const QDeadlineTimer assenta(100);
  while (!assenta.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Waits until the dialog's list has read its folder.
void esperaLista(QWidget& dialogo) {
  auto* lista = dialogo.findChild<ListaArquivos*>(QStringLiteral("ShellListView1"));
  espera([lista] { return !lista->Nomes().isEmpty(); });
}

}  // namespace

TOLV_TELAS(Assistente) {
  assistente_teste::AssistenteTeste assistente;
  assistente.resize(560, 380);
  ctx.salva(assistente, "TFormAssistNovo");
  assistente.BtnAvancarClick();
  assistente.edit->setText(QStringLiteral("/home/contador/TOLV2014.txt"));
  ctx.salva(assistente, "TFormAssistNovo-processamento");
  assistente.hide();

  // The dialogs walk a folder of the picture's own, never the user's.
  const QString raiz = ctx.pasta().caminho();
  const QString copSeg = raiz + QStringLiteral("/CopSeg");
  const QString gravadas = raiz + QStringLiteral("/Declaracoes Gravadas/Tolv2014/12345678000195/2013");
  QDir().mkpath(copSeg);
  QDir().mkpath(gravadas);
  QDir().mkpath(copSeg + QStringLiteral("/Anteriores"));
  escreve(copSeg + QStringLiteral("/Tolv2014-base-completa.cmp"), 812000);
  escreve(copSeg + QStringLiteral("/12345678000195-2013.dbk"), 245000);
  escreve(copSeg + QStringLiteral("/11122233396-2013.DBK"), 98000);
  escreve(copSeg + QStringLiteral("/leia-me.txt"), 1200);
  escreve(gravadas + QStringLiteral("/TOLV2014-12345678000195-2013-ORIGI.DEC"), 56000);
  escreve(gravadas + QStringLiteral("/importar.txt"), 4000);
  AreaTrabalho::defineRaiz(raiz);

  {
    TZUQSaveDialogBox salvar;
    salvar.SetFileName(copSeg + QStringLiteral("/12345678000195-2013.dbk"));
    salvar.show();
    esperaLista(salvar);
    ctx.salva(salvar, "TZUQSaveDialogBox");
    salvar.SetFileName(copSeg + QStringLiteral("/Tolv2014-base.cmp"));
    salvar.hide();
  }
  {
    TZUQSaveDialogBox salvar;
    salvar.SetInitialDir(copSeg);
    salvar.show();
    esperaLista(salvar);
    ctx.salva(salvar, "TZUQSaveDialogBox-todos");
  }
  {
    TZUQOpenDialogBox abrir;
    abrir.SetInitialDir(gravadas);
    abrir.SetFilterIndex(2);
    abrir.show();
    esperaLista(abrir);
    abrir.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("TOLV2014-12345678000195-2013-ORIGI.DEC"));
    ctx.salva(abrir, "TZUQOpenDialogBox");
  }
  {
    TZUQFolderDialogBox pasta;
    pasta.SetInitialDir(gravadas);
    pasta.show();
    espera([] { return false; }, 300);
    ctx.salva(pasta, "TZUQFolderDialogBox");
  }
  AreaTrabalho::defineRaiz(QString());
}
