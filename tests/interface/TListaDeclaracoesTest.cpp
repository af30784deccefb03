#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "IndiceTeste.h"
#include "controles/TListaDeclaracoes.h"
#include "controles/TModeloListaDeclaracoes.h"
#include "suporte/JanelaAtiva.h"

namespace {

using Modo = TListaDeclaracoes::Modo;

class ListaDeclaracoes : public indice_teste::ComIndice {
 protected:
  void TearDown() override {
    lista.reset();
    ComIndice::TearDown();
  }

  TListaDeclaracoes& Lista(Modo modo) {
    lista = std::make_unique<TListaDeclaracoes>(modo, Indice());
    lista->resize(560, 300);
    EXPECT_TRUE(lista->Abre());
    return *lista;
  }

  QStringList Nomes() const {
    QStringList nomes;
    TModeloListaDeclaracoes& m = lista->Modelo();
    m.Garante(100000);
    for (int i = 0; i < m.Lidas(); ++i) nomes << m.LinhaEm(i).nome + u' ' + m.LinhaEm(i).ano;
    return nomes;
  }

  std::unique_ptr<TListaDeclaracoes> lista;
};

TEST_F(ListaDeclaracoes, NomeDigitadoComApostrofoEAcentosAchaSuasDeclaracoes) {
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("JOÃO D'ÁVILA"));
  Linha("1", QStringLiteral("529982247"), "2013", QStringLiteral("JOANA SANT'ANA"));
  Linha("2", QStringLiteral("114447770001"), "2013", QStringLiteral("EMPRESA 50% LTDA"));
  TListaDeclaracoes& l = Lista(Modo::Abrir);
  l.edtNome()->setText(QStringLiteral("joão d'"));
  EXPECT_EQ(Nomes(), QStringList({"JOÃO D'ÁVILA 2013"}));
  l.edtNome()->setText(QStringLiteral("empresa 50%"));
  EXPECT_EQ(Nomes(), QStringList({"EMPRESA 50% LTDA 2013"}));
  // A wildcard typed is a character like any other.
  l.edtNome()->setText(QStringLiteral("%"));
  EXPECT_EQ(Nomes().size(), 1);
  EXPECT_FALSE(FalhaBanco);
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);
}

TEST_F(ListaDeclaracoes, AsListasDeAbrirParamNoUltimoAnoADeExcluirMostraTodos) {
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("A"));
  Linha("1", QStringLiteral("123456789"), "2014", QStringLiteral("A"));
  Linha("1", QStringLiteral("123456789"), "2015", QStringLiteral("A"));
  Lista(Modo::Abrir);
  EXPECT_EQ(Nomes(), QStringList({"A 2013", "A 2014"}));
  Lista(Modo::Inicial);
  EXPECT_EQ(Nomes(), QStringList({"A 2013", "A 2014"}));
  Lista(Modo::Excluir);
  EXPECT_EQ(Nomes(), QStringList({"A 2013", "A 2014", "A 2015"}));
}

TEST_F(ListaDeclaracoes, FiltroSemResultadoVoltaAListaAnteriorDesligaOkEAvisaPelaCaixa) {
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("PEDRO"));
  Linha("1", QStringLiteral("529982247"), "2013", QStringLiteral("PAULO"));
  TListaDeclaracoes& l = Lista(Modo::Abrir);
  QSignalSpy ok(&l, &TListaDeclaracoes::HabilitaOk);
  l.edtNome()->setText(QStringLiteral("PE"));
  EXPECT_EQ(Nomes(), QStringList({"PEDRO 2013"}));
  l.edtNome()->setText(QStringLiteral("PEX"));
  EXPECT_EQ(Nomes(), QStringList({"PEDRO 2013"}));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Não consta declaração para este nome/nome empresarial."));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Aviso"));
  EXPECT_EQ(m_caixa.ultima().flags, 64);
  ASSERT_FALSE(ok.isEmpty());
  EXPECT_FALSE(ok.last().at(0).toBool());
  l.edtAnoCalendario()->setText(QStringLiteral("2099"));
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Não consta declaração para este ano-calendário."));
  l.edtAnoCalendario()->clear();
  l.edtNome()->setText(QStringLiteral("P"));
  EXPECT_TRUE(ok.last().at(0).toBool());
  EXPECT_EQ(Nomes().size(), 2);
}

TEST_F(ListaDeclaracoes, DigitosVerificadoresCertosMantemABaseEUmErradoAvisa) {
  Linha("1", QStringLiteral("529982247"), "2013", QStringLiteral("MARIA"));
  Linha("1", QStringLiteral("529982247"), "2014", QStringLiteral("MARIA"));
  Linha("1", QStringLiteral("529982248"), "2013", QStringLiteral("OUTRA"));
  TListaDeclaracoes& l = Lista(Modo::Abrir);
  ASSERT_TRUE(AtivaJanela(&l));
  l.edtCPFCNPJ()->setFocus();
  QTest::keyClicks(l.edtCPFCNPJ(), QStringLiteral("529982247"));
  EXPECT_EQ(Nomes(), QStringList({"MARIA 2013", "MARIA 2014"}));
  // The check digits of the base: the list stays on the base the index holds.
  QTest::keyClicks(l.edtCPFCNPJ(), QStringLiteral("25"));
  EXPECT_EQ(Nomes(), QStringList({"MARIA 2013", "MARIA 2014"}));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  // A wrong one finds nothing: the list stays and the box tells.
  QTest::keyClick(l.edtCPFCNPJ(), Qt::Key_Backspace);
  QTest::keyClick(l.edtCPFCNPJ(), Qt::Key_Backspace);
  QTest::keyClicks(l.edtCPFCNPJ(), QStringLiteral("3"));
  EXPECT_EQ(Nomes(), QStringList({"MARIA 2013", "MARIA 2014"}));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Não consta declaração para este CPF/CNPJ."));
  // Letters never reach the box.
  l.edtCPFCNPJ()->clear();
  QTest::keyClicks(l.edtCPFCNPJ(), QStringLiteral("5a2.9-"));
  EXPECT_EQ(l.edtCPFCNPJ()->text(), QStringLiteral("529"));
  QTest::keyClicks(l.edtAnoCalendario(), QStringLiteral("2x0"));
  EXPECT_EQ(l.edtAnoCalendario()->text(), QStringLiteral("20"));
}

TEST_F(ListaDeclaracoes, UmIndiceGrandeELidoAosPoucosConformeAGradeDesce) {
  m_pasta.roda(QStringLiteral("Tolv.FDB"),
               QStringLiteral("SET TERM ^ ;\nEXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN\n"
                              "  WHILE (I < 250) DO BEGIN\n"
                              "    INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR)\n"
                              "    VALUES (NEXT VALUE FOR GEN_TOLV_DK, '1', LPAD(100000000 + :I, 9, '0'), '2013', 'X');\n"
                              "    I = I + 1;\n"
                              "  END\nEND^\nSET TERM ; ^\n"));
  TListaDeclaracoes& l = Lista(Modo::Abrir);
  TModeloListaDeclaracoes& m = l.Modelo();
  EXPECT_EQ(m.Lidas(), TModeloListaDeclaracoes::kPagina);
  EXPECT_TRUE(m.canFetchMore({}));
  l.show();
  l.Grade()->scrollToBottom();
  QCoreApplication::processEvents();
  EXPECT_GT(m.Lidas(), TModeloListaDeclaracoes::kPagina);
  EXPECT_TRUE(m.Garante(249));
  EXPECT_EQ(m.Lidas(), 250);
  EXPECT_FALSE(m.canFetchMore({}));
  EXPECT_EQ(m.LinhaEm(249).cpfCnpj.left(11), QStringLiteral("100.000.249"));
}

TEST_F(ListaDeclaracoes, BuscaIncrementalPessoaDepoisEmpresaDepoisNumeroFormatado) {
  Linha("1", QStringLiteral("111444777"), "2013", QStringLiteral("P1"));  // row 0
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("P2"));  // row 1
  Linha("1", QStringLiteral("129000000"), "2013", QStringLiteral("P3"));  // row 2
  Linha("2", QStringLiteral("114447770001"), "2013", QStringLiteral("E1"));  // row 3
  Linha("2", QStringLiteral("334455660001"), "2013", QStringLiteral("E2"));  // row 4
  TListaDeclaracoes& l = Lista(Modo::Abrir);
  EXPECT_EQ(l.LinhaAtual(), 0);
  const auto busca = [&](const QString& teclas) {
    for (QChar c : teclas) l.RegistraTecla(c);
    l.BuscaIncremental();
    return l.LinhaAtual();
  };
  EXPECT_EQ(busca(QStringLiteral("12")), 1);
  EXPECT_EQ(busca(QStringLiteral("12")), 2);
  // No person after the current row: the companies.
  EXPECT_EQ(busca(QStringLiteral("33")), 4);
  // Nothing after it by the base: the formatted number from the first row.
  EXPECT_EQ(busca(QStringLiteral("11.")), 3);
  EXPECT_EQ(busca(QStringLiteral("999")), 3);
  EXPECT_TRUE(l.Buffer().isEmpty());

  // The timer waits for the keys to stop.
  l.RegistraTecla(u'1');
  l.Timer1Timer();
  EXPECT_EQ(l.Buffer(), QStringLiteral("1"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return l.Buffer().isEmpty(); }, 3000));
}

TEST_F(ListaDeclaracoes, MarcasNaOrdemEmQueForamFeitasEFiltrarAsLimpa) {
  Linha("1", QStringLiteral("111444777"), "2013", QStringLiteral("A"));
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("B"));
  Linha("1", QStringLiteral("529982247"), "2013", QStringLiteral("C"));
  Linha("1", QStringLiteral("987654321"), "2013", QStringLiteral("D"));
  TListaDeclaracoes& l = Lista(Modo::Excluir);
  QSignalSpy marcas(&l, &TListaDeclaracoes::MarcasMudaram);
  TModeloListaDeclaracoes& m = l.Modelo();
  l.show();
  QCoreApplication::processEvents();
  const auto clica = [&](int linha, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    const QRect r = l.Grade()->visualRect(m.index(linha, 0));
    QTest::mouseClick(l.Grade()->viewport(), Qt::LeftButton, teclas, r.center());
  };
  clica(2);
  clica(0);
  ASSERT_EQ(m.Marcas().size(), 2);
  EXPECT_EQ(m.LinhaDaChave(m.Marcas()[0])->nome, QStringLiteral("C"));
  EXPECT_EQ(m.LinhaDaChave(m.Marcas()[1])->nome, QStringLiteral("A"));
  EXPECT_EQ(marcas.last().at(0).toInt(), 2);
  clica(2);
  EXPECT_EQ(m.Marcas().size(), 1);
  // Shift marks from the row clicked last to this one.
  clica(3, Qt::ShiftModifier);
  EXPECT_EQ(m.Marcas().size(), 3);
  l.edtNome()->setText(QStringLiteral("A"));
  EXPECT_TRUE(m.Marcas().isEmpty());
  EXPECT_EQ(marcas.last().at(0).toInt(), 0);
}

}  // namespace
