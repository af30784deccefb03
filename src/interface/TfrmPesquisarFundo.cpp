#include "interface/TfrmPesquisarFundo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "nucleo/Cnpj.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/TColecaoAnexo.h"

TfrmPesquisarFundo::TfrmPesquisarFundo(TTolv& declaracao, Escolhido escolhido, QWidget* pai)
    : TfrmPesquisarAnexo(declaracao, std::move(escolhido), QStringLiteral("frmPesquisarFundo"),
                         QStringLiteral("Pesquisar fundo ou clube de investimento"),
                         {{QStringLiteral("CNPJ"), 20, true}, {QStringLiteral("Nome empresarial"), 103, false}}, pai) {
  QGridLayout* g = Criterios();
  g->addWidget(new QLabel(QStringLiteral("CNPJ"), this), 0, 0);
  m_cbbCNPJ = CaixaHistorico("cbbCNPJ", ConfiguracoesTolv::kPesquisasNI);
  g->addWidget(m_cbbCNPJ, 0, 1);
  m_cbbCbCriteriosCPFCNPJ =
      CaixaOpcoes("cbbCbCriteriosCPFCNPJ", {QStringLiteral("Completo"), QStringLiteral("Parte inicial do CNPJ")}, 0);
  g->addWidget(m_cbbCbCriteriosCPFCNPJ, 0, 2);
  g->addWidget(new QLabel(QStringLiteral("Nome empresarial"), this), 1, 0);
  m_cbbNome = CaixaHistorico("cbbNome", ConfiguracoesTolv::kPesquisasNome);
  g->addWidget(m_cbbNome, 1, 1);
  m_cbbCbCriteriosNome = CaixaOpcoes("cbbCbCriteriosNome",
                                     {QStringLiteral("Exatamente igual ao nome empresarial"),
                                      QStringLiteral("Igual a parte inicial do nome empresarial"),
                                      QStringLiteral("Todas as palavras em qualquer parte do nome empresarial")},
                                     1);
  g->addWidget(m_cbbCbCriteriosNome, 1, 2);
}

QString TfrmPesquisarFundo::FiltroCnpj(const QString& digitado) {
  QString digitos;
  for (const QChar c : digitado)
    if (c.isDigit()) digitos += c;
  return digitos.left(12);
}

bool TfrmPesquisarFundo::AbrePesquisa(TColecaoAnexo& colecao) {
  const QString cnpj = m_cbbCNPJ->currentText().trimmed();
  const QString nome = m_cbbNome->currentText().trimmed();
  return colecao.AbrePesquisaFundos(cnpj.isEmpty() ? -1 : m_cbbCbCriteriosCPFCNPJ->currentIndex(),
                                    nome.isEmpty() ? -1 : m_cbbCbCriteriosNome->currentIndex(), FiltroCnpj(cnpj),
                                    nome.toUpper());
}

int TfrmPesquisarFundo::Le(TColecaoAnexo& colecao, int maximo, std::vector<Linha>& linhas) {
  return colecao.LeFundos(maximo, [&linhas](int chave, const QString& numero, const QString& nome) {
    const QString base = numero.trimmed();
    linhas.push_back({chave, {TCnpj::FormataCnpj(base + TCnpj::CalculaDVCnpj(base)), nome}});
  });
}

void TfrmPesquisarFundo::LimpaOpcoes() {
  m_cbbCbCriteriosCPFCNPJ->setCurrentIndex(0);
  m_cbbCbCriteriosNome->setCurrentIndex(1);
}

QWidget* TfrmPesquisarFundo::PrimeiroCampo() const { return m_cbbCNPJ; }
