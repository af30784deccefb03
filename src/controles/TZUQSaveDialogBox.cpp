#include "controles/TZUQSaveDialogBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include "controles/ArvorePastas.h"
#include "controles/ListaArquivos.h"
#include "nucleo/CaixaMensagem.h"

namespace {

QPointer<TZUQSaveDialogBox>& instancia() {
  static QPointer<TZUQSaveDialogBox> dialogo;
  return dialogo;
}

void liberaInstancia() {
  TZUQSaveDialogBox* d = instancia();
  instancia() = nullptr;
  if (!d) return;
  // One still on screen is freed once its modal loop is over.
  if (d->Executando())
    d->deleteLater();
  else
    delete d;
}

}  // namespace

TZUQSaveDialogBox::TZUQSaveDialogBox(QWidget* dono)
    : TZUQDialogoArquivo(QStringLiteral("Salvar arquivo"), QStringLiteral("Salvar"),
                         {QStringLiteral("Todos os arquivos (*.*)"),
                          QStringLiteral("Cópia de Segurança de Banco de Dados (*.cmp)"),
                          QStringLiteral("Cópia de Segurança de Declaração (*.dbk)")},
                         dono) {
  setObjectName(QStringLiteral("ZUQSaveDialogBox"));
}

TZUQSaveDialogBox::~TZUQSaveDialogBox() = default;

TZUQSaveDialogBox* TZUQSaveDialogBox::Instancia() {
  if (!instancia()) {
    instancia() = new TZUQSaveDialogBox();
    if (QCoreApplication::instance())
      QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, instancia(), &QObject::deleteLater);
  }
  return instancia();
}

TZUQSaveDialogBox* TZUQSaveDialogBox::Novo() {
  liberaInstancia();
  return Instancia();
}

void TZUQSaveDialogBox::Libera() { liberaInstancia(); }

void TZUQSaveDialogBox::FormShow() {
  if (!InitialDir().isEmpty() && !m_arvore->VaiPara(InitialDir())) m_arvore->VaiPara(PastaCopSeg());
  if (!FileName().isEmpty()) {
    const QFileInfo proposto(FileName());
    // A bare name keeps the tree where it is: it names no folder that could be missing.
    if (FileName().contains('/')) {
      const QString pasta = proposto.path();
      if (QFileInfo(pasta).isDir()) {
        if (!m_arvore->VaiPara(pasta)) m_arvore->VaiPara(PastaCopSeg());
      } else {
        ExibeMensagem(QStringLiteral("Diretório não localizado, será selecionado o diretório padrão."),
                      TipoMensagem::Erro);
        m_arvore->VaiPara(PastaCopSeg());
      }
    }
    m_edit->setText(proposto.fileName());
    const QString extensao = proposto.suffix().toUpper();
    if (extensao == QLatin1String("CMP")) selecionaTipo(1);
    if (extensao == QLatin1String("DBK")) selecionaTipo(2);
  }
  if (!Filter().isEmpty()) refazTipos();
  m_edit->setFocus(Qt::OtherFocusReason);
}

void TZUQSaveDialogBox::aoClicarLista(const QString& caminho) {
  if (m_edit->isReadOnly()) return;
  m_edit->setText(caminho.isEmpty() ? QString() : QFileInfo(caminho).fileName());
}

void TZUQSaveDialogBox::SpeedButton2Click() {
  if (!m_edit->text().trimmed().isEmpty()) {
    conclui(caminhoDigitado());
    return;
  }
  const QString selecionado = m_lista->CaminhoSelecionado();
  if (!selecionado.isEmpty()) {
    conclui(selecionado);
    return;
  }
  pedeArquivo();
}

void TZUQSaveDialogBox::tomaArquivo(const QString& caminho) { conclui(caminho); }

void TZUQSaveDialogBox::conclui(const QString& caminho) {
  const QFileInfo info(caminho);
  if (info.isDir()) {
    // A folder is no place to save in: open it and let the name be typed.
    m_arvore->VaiPara(caminho);
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (info.exists() && m_confirmaSubstituicao &&
      ExibeMensagem(QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?").arg(caminho),
                    TipoMensagem::Confirmacao) != ResultadoMensagem::Sim) {
    m_edit->setFocus(Qt::OtherFocusReason);
    return;
  }
  SetFileName(caminho);
  accept();
}
