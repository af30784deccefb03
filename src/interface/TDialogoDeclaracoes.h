#pragma once

#include <QDialog>

#include "controles/TListaDeclaracoes.h"

class QVBoxLayout;
class TBotaoOk;
class TColecaoTolv;
class TTolvButton;

// What the initial, open and delete dialogs share: the declaration list, the OK button with its
// inactive twin, "&Cancelar", the dialog look, and the dialog seeing every key first: Enter
// chooses while OK is enabled, Esc cancels, and the other characters feed the list's type-ahead.
class TDialogoDeclaracoes : public QDialog {
  Q_OBJECT
 public:
  ~TDialogoDeclaracoes() override;

  TListaDeclaracoes* Lista() const { return m_lista; }
  TBotaoOk* BotaoOk() const { return m_ok; }
  TTolvButton* BotaoCancelar() const { return m_cancelar; }
  void HabilitaOk(bool habilita);
  bool OkHabilitado() const;

  virtual void OKBtnClick() = 0;
  void CancelBtnClick() { reject(); }

 protected:
  TDialogoDeclaracoes(TListaDeclaracoes::Modo modo, TColecaoTolv& indice, const QString& nomeOk,
                      const QString& nomeCancelar, QWidget* dono);

  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  // Once, when the dialog first shows.
  virtual void FormShow() {}
  // The characters a key of this widget feeds to the type-ahead.
  virtual bool AlimentaBusca(const QWidget* alvo) const;

  // The dialog's layout: what comes above the list goes in first.
  QVBoxLayout* Corpo() const { return m_corpo; }

  TColecaoTolv& m_indice;

 private:
  TListaDeclaracoes* m_lista = nullptr;
  TBotaoOk* m_ok = nullptr;
  TTolvButton* m_cancelar = nullptr;
  QVBoxLayout* m_corpo = nullptr;
  bool m_mostrado = false;
};
