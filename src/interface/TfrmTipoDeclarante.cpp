#include "interface/TfrmTipoDeclarante.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"
#include "controles/TTolvButton.h"
#include "controles/AparenciaDialogo.h"

TfrmTipoDeclarante::TfrmTipoDeclarante(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmTipoDeclarante"));
  setWindowTitle(QStringLiteral("Nova declaração"));
  AparenciaDialogo::Aplica(this);

  auto* quadro = AparenciaDialogo::Moldura(this, QStringLiteral("pnlDeclarante"));
  auto* coluna = quadro->layoutInterno(12);
  coluna->setSpacing(8);
  auto* rotulo = new QLabel(QStringLiteral("Declarante"), quadro);
  rotulo->setObjectName(QStringLiteral("lblDeclarante"));
  rotulo->setFont(PaletaTolv::arial(8, true));
  AparenciaDialogo::PintaTexto(rotulo, PaletaTolv::kRotuloGrupo);
  m_pj = new QRadioButton(QStringLiteral("Pessoa jurídica"), quadro);
  m_pj->setObjectName(QStringLiteral("rbPJ"));
  m_pf = new QRadioButton(QStringLiteral("Pessoa física"), quadro);
  m_pf->setObjectName(QStringLiteral("rbPF"));
  for (QRadioButton* r : {m_pj, m_pf}) AparenciaDialogo::PintaTexto(r);
  m_pj->setChecked(true);
  coluna->addWidget(rotulo);
  coluna->addWidget(m_pj);
  coluna->addWidget(m_pf);

  m_ok = AparenciaDialogo::Botao(QStringLiteral("bbOK"), QStringLiteral("&OK"), this);
  m_cancelar = AparenciaDialogo::Botao(QStringLiteral("bbCancel"), QStringLiteral("&Cancelar"), this);
  connect(m_ok, &TTolvButton::clicked, this, &QDialog::accept);
  connect(m_cancelar, &TTolvButton::clicked, this, &QDialog::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  botoes->addWidget(m_ok);
  botoes->addWidget(m_cancelar);

  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(10, 10, 10, 10);
  raiz->setSpacing(10);
  raiz->addWidget(quadro);
  raiz->addLayout(botoes);
  setFixedSize(260, sizeHint().height());
  setTabOrder(m_pj, m_pf);
  m_pj->setFocus(Qt::OtherFocusReason);
  CentraNaTela(this);
}

TfrmTipoDeclarante::~TfrmTipoDeclarante() = default;

bool TfrmTipoDeclarante::PessoaFisica() const { return m_pf->isChecked(); }

bool TfrmTipoDeclarante::PessoaJuridica() const { return m_pj->isChecked(); }

void TfrmTipoDeclarante::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      return;
    case Qt::Key_Escape:
      reject();
      return;
    default:
      QDialog::keyPressEvent(evento);
  }
}
