#include "controles/TDialogoImpressao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

TTolvButton* botao(const QString& nome, const QString& legenda, QWidget* pai) {
  auto* b = new TTolvButton(legenda, pai);
  b->setObjectName(nome);
  b->Scheme().SetSchemeColor(TSchemeColor::scTolv);
  for (int i : {TSchemeColors::ColorText, TSchemeColors::OverColorText, TSchemeColors::DownColorText})
    b->Scheme().SetCor(i, PaletaTolv::cor(PaletaTolv::kTexto));
  b->setFixedSize(75, 25);
  return b;
}

}  // namespace

TDialogoImpressao::TDialogoImpressao(int atual, int total, QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_paginaAtual(std::max(1, atual)),
      m_total(std::max(1, total)) {
  const bool configuracao = total <= 0;
  setObjectName(configuracao ? QStringLiteral("PrinterSetupDialog1") : QStringLiteral("PrintDialog1"));
  setWindowTitle(configuracao ? QStringLiteral("Configurar impressora") : QStringLiteral("Imprimir"));
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);

  auto* coluna = new QVBoxLayout(this);
  auto* caixaImpressora = new QGroupBox(QStringLiteral("Impressora"), this);
  auto* linhaImpressora = new QHBoxLayout(caixaImpressora);
  auto* rotulo = new QLabel(QStringLiteral("&Nome:"), caixaImpressora);
  m_impressora = new QComboBox(caixaImpressora);
  m_impressora->setObjectName(QStringLiteral("CbImpressora"));
  m_impressora->setMinimumWidth(260);
  rotulo->setBuddy(m_impressora);
  const QString corrente = ImpressoraAtual();
  for (const InfoImpressora& info : ListaImpressoras()) {
    const QString texto = info.nome == kImpressoraPdf ? QStringLiteral("PDF (gravar em arquivo)") : info.nome;
    m_impressora->addItem(texto, info.nome);
  }
  m_impressora->setCurrentIndex(std::max(0, m_impressora->findData(corrente)));
  linhaImpressora->addWidget(rotulo);
  linhaImpressora->addWidget(m_impressora, 1);
  coluna->addWidget(caixaImpressora);

  auto* caixaPaginas = new QGroupBox(QStringLiteral("Páginas"), this);
  auto* grade = new QGridLayout(caixaPaginas);
  m_todas = new QRadioButton(QStringLiteral("&Todas (%1)").arg(m_total), caixaPaginas);
  m_todas->setObjectName(QStringLiteral("RbTodas"));
  m_atual = new QRadioButton(QStringLiteral("Página &atual (%1)").arg(m_paginaAtual), caixaPaginas);
  m_atual->setObjectName(QStringLiteral("RbPaginaAtual"));
  m_paginas = new QRadioButton(QStringLiteral("&Páginas de"), caixaPaginas);
  m_paginas->setObjectName(QStringLiteral("RbPaginas"));
  m_de = new QSpinBox(caixaPaginas);
  m_de->setObjectName(QStringLiteral("SeDe"));
  m_ate = new QSpinBox(caixaPaginas);
  m_ate->setObjectName(QStringLiteral("SeAte"));
  for (QSpinBox* s : {m_de, m_ate}) {
    s->setRange(1, m_total);
    s->setEnabled(false);
  }
  m_de->setValue(1);
  m_ate->setValue(m_total);
  m_todas->setChecked(true);
  connect(m_paginas, &QRadioButton::toggled, this, [this](bool marcado) {
    m_de->setEnabled(marcado);
    m_ate->setEnabled(marcado);
  });
  connect(m_de, &QSpinBox::valueChanged, this, [this](int v) {
    if (m_ate->value() < v) m_ate->setValue(v);
  });
  connect(m_ate, &QSpinBox::valueChanged, this, [this](int v) {
    if (m_de->value() > v) m_de->setValue(v);
  });
  grade->addWidget(m_todas, 0, 0, 1, 4);
  grade->addWidget(m_atual, 1, 0, 1, 4);
  grade->addWidget(m_paginas, 2, 0);
  grade->addWidget(m_de, 2, 1);
  grade->addWidget(new QLabel(QStringLiteral("a"), caixaPaginas), 2, 2);
  grade->addWidget(m_ate, 2, 3);
  grade->setColumnStretch(4, 1);
  coluna->addWidget(caixaPaginas);
  caixaPaginas->setVisible(!configuracao);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  TTolvButton* ok = botao(QStringLiteral("BtnOK"), QStringLiteral("OK"), this);
  TTolvButton* cancelar = botao(QStringLiteral("BtnCancelar"), QStringLiteral("Cancelar"), this);
  cancelar->SetCancel(true);
  connect(ok, &TTolvButton::clicked, this, &QDialog::accept);
  connect(cancelar, &TTolvButton::clicked, this, &QDialog::reject);
  botoes->addWidget(ok);
  botoes->addWidget(cancelar);
  coluna->addLayout(botoes);
  m_impressora->setFocus();
}

TDialogoImpressao::Escolha TDialogoImpressao::escolha() const {
  Escolha e;
  e.impressora = m_impressora->currentData().toString();
  if (m_atual->isChecked()) {
    e.de = e.ate = m_paginaAtual;
  } else if (m_paginas->isChecked()) {
    e.de = m_de->value();
    e.ate = m_ate->value();
  } else {
    e.de = 1;
    e.ate = m_total;
  }
  return e;
}

std::optional<TDialogoImpressao::Escolha> TDialogoImpressao::Executa(int atual, int total, QWidget* dono) {
  TDialogoImpressao dialogo(atual, total, dono);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return dialogo.escolha();
}

std::optional<QString> TDialogoImpressao::ExecutaConfiguracao(QWidget* dono) {
  TDialogoImpressao dialogo(0, 0, dono);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return dialogo.escolha().impressora;
}
