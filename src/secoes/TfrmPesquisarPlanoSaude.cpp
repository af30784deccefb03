#include "secoes/TfrmPesquisarPlanoSaude.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "nucleo/NiContribuinte.h"

TfrmPesquisarPlanoSaude::TfrmPesquisarPlanoSaude(QWidget* pai)
    : TPesquisaPlanoSaudeBase(QStringLiteral("Pesquisar plano privado de assistência à saúde"),
                              {QStringLiteral("  CNPJ"), QStringLiteral("Registro ANS"), QStringLiteral(" Nome empresarial")},
                              pai) {
  setObjectName(QStringLiteral("frmPesquisarPlanoSaude"));
  isfCNPJ = new QLineEdit(this);
  isfCNPJ->setObjectName(QStringLiteral("isfCNPJ"));
  isfCNPJ->setMaxLength(14);
  isfCNPJ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), isfCNPJ));
  isfANS = new QLineEdit(this);
  isfANS->setObjectName(QStringLiteral("isfANS"));
  isfANS->setMaxLength(6);
  isfANS->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), isfANS));
  isfNome = new QLineEdit(this);
  isfNome->setObjectName(QStringLiteral("isfNome"));
  isfNome->setMaxLength(150);
  QGridLayout& g = Criterios();
  g.addWidget(new QLabel(QStringLiteral("CNPJ"), this), 0, 0);
  g.addWidget(new QLabel(QStringLiteral("Registro ANS"), this), 0, 1);
  g.addWidget(new QLabel(QStringLiteral("Nome empresarial"), this), 0, 2);
  g.addWidget(isfCNPJ, 1, 0);
  g.addWidget(isfANS, 1, 1);
  g.addWidget(isfNome, 1, 2);
  isfCNPJ->setFixedWidth(130);
  isfANS->setFixedWidth(80);
  g.setColumnStretch(2, 1);
}

void TfrmPesquisarPlanoSaude::Prepara(const std::vector<TLinhaOperadora>& operadoras, Posicionador posicionador) {
  m_operadoras = operadoras;
  DefinePosicionador(std::move(posicionador));
  Limpar();
}

void TfrmPesquisarPlanoSaude::Pesquisa(const std::vector<TLinhaOperadora>& operadoras, Posicionador posicionador) {
  Prepara(operadoras, std::move(posicionador));
  exec();
}

int TfrmPesquisarPlanoSaude::Filtra() {
  m_achados = PesquisaPlanoSaude::FiltraOperadoras(m_operadoras, {isfCNPJ->text(), isfANS->text(), isfNome->text()});
  std::vector<QStringList> linhas;
  linhas.reserve(m_achados.size());
  for (int i : m_achados) {
    const TLinhaOperadora& l = m_operadoras[size_t(i)];
    linhas.push_back({TNiContribuinte::FormataNi(l.cnpj + TNiContribuinte::CalculaDVNi(l.cnpj)), l.registroAns, l.nome});
  }
  PreencheGrade(linhas);
  return int(m_achados.size());
}

QString TfrmPesquisarPlanoSaude::Chave(int linha) const {
  return QString::number(m_operadoras[size_t(m_achados[size_t(linha)])].id);
}

void TfrmPesquisarPlanoSaude::LimpaCriterios() {
  isfCNPJ->clear();
  isfANS->clear();
  isfNome->clear();
}
