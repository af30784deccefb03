#include "controles/TTolvMemo.h"

#include "controles/TRastreadorFoco.h"
#include "controles/TTolvCustomEdit.h"
#include "controles/VinculoObservador.h"
#include "nucleo/Erros.h"
#include "nucleo/Texto.h"

TTolvMemo::TTolvMemo(QWidget* pai) : QPlainTextEdit(pai) {
  setTabChangesFocus(true);
  m_rastreador = &TRastreadorFoco::instancia();
  m_rastreador->registra(
      this, [this](QWidget*) { return aoSair(); }, [this](QWidget*) { aoEntrar(); });
}

TTolvMemo::~TTolvMemo() {
  if (m_rastreador) m_rastreador->esquece(this);
  if (m_texto) m_texto->RemoveObservador(this);
}

void TTolvMemo::Associa(TTexto* texto) {
  TrocaObservado<TTexto>(this, m_texto, texto);
  Reexibe();
}

void TTolvMemo::Reexibe() { defineTexto(m_texto ? m_texto->GetValor() : QString()); }

void TTolvMemo::Alterado(IObservavel*) { Reexibe(); }

void TTolvMemo::Liberado(IObservavel* observavel) { EsqueceObservado(m_texto, observavel); }

QString TTolvMemo::LimpaLinhas(const QString& texto) {
  QStringList linhas = texto.split(u'\n');
  for (qsizetype i = linhas.size() - 1; i >= 0; --i) {
    if (linhas[i].trimmed().isEmpty())
      linhas.removeAt(i);
    else
      linhas[i].remove(u'|');
  }
  return linhas.join(u'\n');
}

bool TTolvMemo::ConfirmaValor() {
  if (!m_texto || !document()->isModified() || TTolvCustomEdit::BotaoCancelarAtivo(this))
    return true;
  try {
    m_texto->SetValor(toPlainText());
  } catch (const TErro& erro) {
    setFocus(Qt::OtherFocusReason);
    erro.Mostra();
    return false;
  }
  return true;
}

void TTolvMemo::defineTexto(const QString& texto) {
  if (texto != toPlainText()) setPlainText(texto);
  document()->setModified(false);
}

void TTolvMemo::aoEntrar() {
  if (document()->isModified() || !m_texto) return;
  defineTexto(m_texto->GetValor());
  selectAll();
}

bool TTolvMemo::aoSair() {
  const QString limpo = LimpaLinhas(toPlainText());
  if (limpo != toPlainText()) {
    // Cleaning is no keying: what was typed stays to be stored, and nothing more.
    const bool modificado = document()->isModified();
    setPlainText(limpo);
    document()->setModified(modificado);
  }
  if (!ConfirmaValor()) return false;
  if (m_texto) defineTexto(m_texto->GetValor());
  return true;
}
