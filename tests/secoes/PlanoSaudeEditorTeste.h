#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

#include "SecoesTeste.h"
#include "controles/TErroEdit.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "secoes/ServicosEditor.h"
#include "secoes/TGradeDependentes.h"
#include "secoes/TfrmPlanoSaude.h"
#include "suporte/JanelaAtiva.h"

namespace plano_saude_teste {

inline QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }
inline QString Cnpj(const char* base) {
  return QString::fromLatin1(base) + TCnpj::CalculaDVCnpj(QString::fromLatin1(base));
}

// The health-plan editor of an open declaration, in an active window of its own; the invalid-edit
// flag and the tree's node selection are recorded.
class ComEditor : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    TErroEdit::RetiraErro();
    ServicosEditor::DefineEdicaoInvalida([this](bool invalida) { m_invalida = invalida; });
    ServicosEditor::DefineSelecionaNo([this](int no) { m_no = no; });
  }
  void TearDown() override {
    if (m_pagina) m_pagina->Finaliza();
    m_janela.reset();
    ServicosEditor::DefineEdicaoInvalida({});
    ServicosEditor::DefineSelecionaNo({});
    ComDeclaracaoAberta::TearDown();
  }

  // Made once the fixture's rows are in the database.
  TfrmPlanoSaude& Abre() {
    m_janela = std::make_unique<QWidget>();
    m_janela->resize(900, 640);
    auto* layout = new QVBoxLayout(m_janela.get());
    // Somewhere else to put the focus, outside the page.
    m_fora = new QLineEdit(m_janela.get());
    m_fora->setObjectName(QStringLiteral("fora"));
    layout->addWidget(m_fora);
    m_pagina = new TfrmPlanoSaude(m_janela.get());
    layout->addWidget(m_pagina);
    TContextoPagina contexto;
    contexto.declaracao = &m_tolv;
    contexto.janelaPrincipal = m_janela.get();
    m_pagina->Inicializa(contexto);
    EXPECT_TRUE(AtivaJanela(m_janela.get()));
    return *m_pagina;
  }

  template <typename T = QWidget>
  T* W(const char* nome) const {
    T* w = m_pagina->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  TTolvEdit* E(const char* nome) const { return W<TTolvEdit>(nome); }
  QString Contador(const char* nome) const { return W<QLabel>(nome)->text(); }

  // Puts the focus on a control and lets the deferred moves run.
  static void Foca(QWidget* w) {
    w->setFocus(Qt::OtherFocusReason);
    Espera();
  }
  static void Espera() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  static void Digita(QWidget* w, const QString& texto) {
    Foca(w);
    QTest::keyClicks(w, texto);
  }
  static void Clica(QWidget* botao) {
    QTest::mouseClick(botao, Qt::LeftButton);
    Espera();
  }
  QWidget* Focado() const { return QApplication::focusWidget(); }

  // An operator, two holders and two dependants of the first, stored straight in the tables.
  void Semeia() {
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_OPERADORA('2', '112223330001', '123455', 'SAUDE BOA LTDA')"));
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_OPERADORA('2', '334445550001', '000060', 'VIDA PLENA SA')"));
    m_op1 = Le(QStringLiteral("SELECT TPO_ID FROM TB_PS_OPERADORA WHERE TPO_NR_PF_PJ = '112223330001'")).toInt();
    m_op2 = Le(QStringLiteral("SELECT TPO_ID FROM TB_PS_OPERADORA WHERE TPO_NR_PF_PJ = '334445550001'")).toInt();
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_TITULAR(%1, '1', '529982247', 1000, 'ANA SOUZA')").arg(m_op1));
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_TITULAR(%1, '1', '111444777', 2000, 'BRUNO LIMA')").arg(m_op1));
    m_ana = Le(QStringLiteral("SELECT TPT_ID FROM TB_PS_TITULAR WHERE TPT_NR_PF_PJ = '529982247'")).toInt();
    m_bruno = Le(QStringLiteral("SELECT TPT_ID FROM TB_PS_TITULAR WHERE TPT_NR_PF_PJ = '111444777'")).toInt();
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_DEPENDENTE(%1, '1', '123456789', '04', '20100315', 300, 'CARLA SOUZA')")
             .arg(m_ana));
    Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_DEPENDENTE(%1, NULL, NULL, '03', NULL, 150.25, 'DIEGO SOUZA')").arg(m_ana));
    m_carla = Le(QStringLiteral("SELECT TPD_ID FROM TB_PS_DEPENDENTE WHERE TPD_NR_PF_PJ = '123456789'")).toInt();
  }
  int Conta(const char* tabela) const {
    return Le(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabela)).toInt();
  }

  std::unique_ptr<QWidget> m_janela;
  QLineEdit* m_fora = nullptr;
  TfrmPlanoSaude* m_pagina = nullptr;
  bool m_invalida = false;
  int m_no = 0;
  int m_op1 = 0, m_op2 = 0, m_ana = 0, m_bruno = 0, m_carla = 0;
};

}  // namespace plano_saude_teste
