#include "secoes/TfrmPesquisarPlanoSaudeTitular.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "nucleo/NiContribuinte.h"

TfrmPesquisarPlanoSaudeTitular::TfrmPesquisarPlanoSaudeTitular(QWidget* pai)
    : TPesquisaPlanoSaudeBase(QStringLiteral("Pesquisar titular de plano privado de assistência à saúde"),
                              {QStringLiteral("  CPF"), QStringLiteral(" Nome")}, pai) {
  setObjectName(QStringLiteral("frmPesquisarPlanoSaudeTitular"));
  isfCPF = new QLineEdit(this);
  isfCPF->setObjectName(QStringLiteral("isfCPF"));
  isfCPF->setMaxLength(11);
  isfCPF->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), isfCPF));
  isfNome = new QLineEdit(this);
  isfNome->setObjectName(QStringLiteral("isfNome"));
  isfNome->setMaxLength(60);
  QGridLayout& g = Criterios();
  g.addWidget(new QLabel(QStringLiteral("CPF"), this), 0, 0);
  g.addWidget(new QLabel(QStringLiteral("Nome"), this), 0, 1);
  g.addWidget(isfCPF, 1, 0);
  g.addWidget(isfNome, 1, 1);
  isfCPF->setFixedWidth(130);
  g.setColumnStretch(1, 1);
}

bool TfrmPesquisarPlanoSaudeTitular::Prepara(TTitularesOperadora& titulares, int operadora, Posicionador posicionador) {
  if (operadora == 0) return false;
  m_titulares = &titulares;
  DefinePosicionador(std::move(posicionador));
  Limpar();
  return true;
}

void TfrmPesquisarPlanoSaudeTitular::Pesquisa(TTitularesOperadora& titulares, int operadora, Posicionador posicionador) {
  if (Prepara(titulares, operadora, std::move(posicionador))) exec();
}

int TfrmPesquisarPlanoSaudeTitular::Filtra() {
  m_achados = m_titulares ? m_titulares->Pesquisa(isfCPF->text().trimmed(), isfNome->text()) : std::vector<TLinhaTitular>{};
  std::vector<QStringList> linhas;
  linhas.reserve(m_achados.size());
  for (const TLinhaTitular& l : m_achados) linhas.push_back({TNiContribuinte::FormataNi(l.cpf), l.nome});
  PreencheGrade(linhas);
  return int(m_achados.size());
}

QString TfrmPesquisarPlanoSaudeTitular::Chave(int linha) const { return QString::number(m_achados[size_t(linha)].id); }

void TfrmPesquisarPlanoSaudeTitular::LimpaCriterios() {
  isfCPF->clear();
  isfNome->clear();
}
