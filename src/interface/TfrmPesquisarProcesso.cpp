#include "interface/TfrmPesquisarProcesso.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "nucleo/Cnpj.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Cpf.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecaoAnexo.h"

TfrmPesquisarProcesso::TfrmPesquisarProcesso(TTolv& declaracao, Escolhido escolhido, QWidget* pai)
    : TfrmPesquisarAnexo(declaracao, std::move(escolhido), QStringLiteral("frmPesquisarProcesso"),
                         QStringLiteral("Pesquisar justiça do trabalho/federal/estadual/Distrito Federal"),
                         // The number column fits the longest number (20 characters).
                         {{QStringLiteral("N. processo"), 20, false},
                          {QStringLiteral("Justiça"), 25, false},
                          {QStringLiteral("CPF/CNPJ"), 21, true},
                          {QStringLiteral("Nome"), 65, false}},
                         pai) {
  QGridLayout* g = Criterios();
  g->addWidget(new QLabel(QStringLiteral("Número do processo"), this), 0, 0);
  m_cbbNrProcesso = CaixaHistorico("cbbNrProcesso", ConfiguracoesTolv::kPesquisasNI);
  g->addWidget(m_cbbNrProcesso, 0, 1);
  m_cbbOpcaoFiltroNProcesso =
      CaixaOpcoes("cbbOpcaoFiltroNProcesso",
                  {QStringLiteral("Completo"), QStringLiteral("Parte inicial do Número do Processo")}, 0);
  g->addWidget(m_cbbOpcaoFiltroNProcesso, 0, 2);
  g->addWidget(new QLabel(QStringLiteral("Justiça"), this), 1, 0);
  m_cmbTipoProcesso = CaixaOpcoes(
      "cmbTipoProcesso", {QStringLiteral("Federal"), QStringLiteral("Trabalho"), QStringLiteral("Estadual/Distrito Federal")},
      -1);
  g->addWidget(m_cmbTipoProcesso, 1, 1);
  g->addWidget(new QLabel(QStringLiteral("CPF/CNPJ"), this), 2, 0);
  m_cbbCPFCNPJAdv = CaixaHistorico("cbbCPFCNPJAdv", ConfiguracoesTolv::kPesquisasNI);
  g->addWidget(m_cbbCPFCNPJAdv, 2, 1);
  m_cbbOpcaoFiltroCPFCNPJAdv =
      CaixaOpcoes("cbbOpcaoFiltroCPFCNPJAdv",
                  {QStringLiteral("Completo"), QStringLiteral("Parte inicial do CPF"), QStringLiteral("Parte inicial do CNPJ"),
                   QStringLiteral("Somente PF"), QStringLiteral("Somente PJ")},
                  0);
  g->addWidget(m_cbbOpcaoFiltroCPFCNPJAdv, 2, 2);
  g->addWidget(new QLabel(QStringLiteral("Advogado/Escritório de advocacia"), this), 3, 0);
  m_cbbNomeAdv = CaixaHistorico("cbbNomeAdv", ConfiguracoesTolv::kPesquisasNome);
  g->addWidget(m_cbbNomeAdv, 3, 1);
  m_cbbOpcaoFiltroNomeAdv = CaixaOpcoes("cbbOpcaoFiltroNomeAdv", {}, -1);
  g->addWidget(m_cbbOpcaoFiltroNomeAdv, 3, 2);
  // The column titles look like buttons.
  Grade()->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { background: #638FC0; color: white; padding: 3px;"
                     " border: 1px outset #8FB0D8; }"));
}

void TfrmPesquisarProcesso::showEvent(QShowEvent* evento) {
  m_cbbOpcaoFiltroNomeAdv->clear();
  m_cbbOpcaoFiltroNomeAdv->addItems({QStringLiteral("Exatamente igual ao Nome/Nome empresarial"),
                                     QStringLiteral("Igual a parte inicial do Nome/Nome empresarial"),
                                     QStringLiteral("Todas as palavras em qualquer parte do Nome/Nome empresarial")});
  m_cbbOpcaoFiltroNomeAdv->setCurrentIndex(1);
  TfrmPesquisarAnexo::showEvent(evento);
}

QString TfrmPesquisarProcesso::Justica(int tipoProcesso) {
  switch (tipoProcesso) {
    case 1:
      return QStringLiteral("Federal");
    case 2:
      return QStringLiteral("Trabalho");
    default:
      return QStringLiteral("Estadual/Distrito Federal");
  }
}

QString TfrmPesquisarProcesso::NumeroAdvogado(const QString& tipo, const QString& numero) {
  const QString base = numero.trimmed();
  if (tipo.trimmed() == u"2") return TCnpj::FormataCnpj(base + TCnpj::CalculaDVCnpj(base));
  if (tipo.trimmed() == u"1") return TCpf::FormataCpf(base + TNiContribuinte::CalculaDVNi(base));
  return numero;
}

bool TfrmPesquisarProcesso::AbrePesquisa(TColecaoAnexo& colecao) {
  const QString numero = m_cbbNrProcesso->currentText().trimmed();
  const QString niAdvogado = m_cbbCPFCNPJAdv->currentText().trimmed();
  const QString nomeAdvogado = m_cbbNomeAdv->currentText().trimmed();
  return colecao.AbrePesquisaProcessos(numero.isEmpty() ? -1 : m_cbbOpcaoFiltroNProcesso->currentIndex(),
                                       niAdvogado.isEmpty() ? -1 : m_cbbOpcaoFiltroCPFCNPJAdv->currentIndex(),
                                       nomeAdvogado.isEmpty() ? -1 : m_cbbOpcaoFiltroNomeAdv->currentIndex(), numero,
                                       m_cmbTipoProcesso->currentIndex() + 1, niAdvogado, nomeAdvogado.toUpper());
}

int TfrmPesquisarProcesso::Le(TColecaoAnexo& colecao, int maximo, std::vector<Linha>& linhas) {
  return colecao.LeProcessos(maximo, [&linhas](int chave, const QString& numero, int tipo, const QString& tipoAdvogado,
                                               const QString& numeroAdvogado, const QString& nomeAdvogado) {
    linhas.push_back({chave, {numero, Justica(tipo), NumeroAdvogado(tipoAdvogado, numeroAdvogado), nomeAdvogado}});
  });
}

void TfrmPesquisarProcesso::LimpaOpcoes() {
  m_cmbTipoProcesso->setCurrentIndex(-1);
  m_cbbOpcaoFiltroNProcesso->setCurrentIndex(0);
  m_cbbOpcaoFiltroCPFCNPJAdv->setCurrentIndex(0);
  if (m_cbbOpcaoFiltroNomeAdv->count() > 1) m_cbbOpcaoFiltroNomeAdv->setCurrentIndex(1);
}

QWidget* TfrmPesquisarProcesso::PrimeiroCampo() const { return m_cbbNrProcesso; }
