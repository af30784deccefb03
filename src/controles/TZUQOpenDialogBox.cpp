#include "controles/TZUQOpenDialogBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include "controles/ArvorePastas.h"
#include "nucleo/CaixaMensagem.h"

namespace {

QPointer<TZUQOpenDialogBox>& instancia() {
  static QPointer<TZUQOpenDialogBox> dialogo;
  return dialogo;
}

void liberaInstancia() {
  TZUQOpenDialogBox* d = instancia();
  instancia() = nullptr;
  if (!d) return;
  if (d->Executando())
    d->deleteLater();
  else
    delete d;
}

}  // namespace

TZUQOpenDialogBox::TZUQOpenDialogBox(QWidget* dono)
    : TZUQDialogoArquivo(QStringLiteral("Abrir arquivo"), QStringLiteral("Abrir"),
                         {QStringLiteral("Todos os arquivos (*.*)"), QStringLiteral("Texto (*.txt)"),
                          QStringLiteral("Declaração (*.dec)")},
                         dono) {
  setObjectName(QStringLiteral("ZUQOpenDialogBox"));
}

TZUQOpenDialogBox::~TZUQOpenDialogBox() = default;

TZUQOpenDialogBox* TZUQOpenDialogBox::Instancia() {
  if (!instancia()) {
    instancia() = new TZUQOpenDialogBox();
    if (QCoreApplication::instance())
      QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, instancia(), &QObject::deleteLater);
  }
  return instancia();
}

TZUQOpenDialogBox* TZUQOpenDialogBox::Novo() {
  liberaInstancia();
  return Instancia();
}

void TZUQOpenDialogBox::Libera() { liberaInstancia(); }

void TZUQOpenDialogBox::FormShow() {
  if (!InitialDir().isEmpty()) m_arvore->VaiPara(InitialDir());
  if (!Filter().isEmpty()) refazTipos();
  selecionaTipo(FilterIndex());
  m_edit->setFocus(Qt::OtherFocusReason);
}

void TZUQOpenDialogBox::aoClicarLista(const QString& caminho) {
  m_edit->setText(!caminho.isEmpty() && QFileInfo(caminho).isFile() ? QFileInfo(caminho).fileName() : QString());
}

void TZUQOpenDialogBox::ShellTreeView1Click() { m_edit->clear(); }

void TZUQOpenDialogBox::SpeedButton2Click() {
  if (m_edit->text().trimmed().isEmpty()) {
    pedeArquivo();
    return;
  }
  const QString caminho = caminhoDigitado();
  const QFileInfo info(caminho);
  if (info.isFile()) {
    tomaArquivo(caminho);
    return;
  }
  if (info.isDir()) {
    m_arvore->VaiPara(caminho);
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
    return;
  }
  // Only a file that is there can be opened: the caller would fail on it later.
  m_edit->setFocus(Qt::OtherFocusReason);
  m_edit->selectAll();
  MostraMensagem(QStringLiteral("O arquivo %1 não foi encontrado.").arg(caminho), QStringLiteral("Erro"), 16);
}

void TZUQOpenDialogBox::tomaArquivo(const QString& caminho) {
  SetFileName(caminho);
  accept();
}
