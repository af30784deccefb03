// The pendency report: what each row prints, and the texts of a run with errors and warnings as
// the PDF carries them.

#include <QTemporaryDir>

#include "VerificacaoTeste.h"
#include "entrega/RelatorioPendencias.h"
#include "entrega/TVerificacaoPendencias.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/Relatorio.h"
#include "suporte/TextoPdf.h"

namespace {

using namespace verificacao_teste;
using C = TFrRelPendencias::Componente;

LinhaVerificacao Linha(const QString& descricao, int gravidade = LinhaVerificacao::kOutra) {
  LinhaVerificacao l;
  l.descricao = descricao;
  l.gravidade = gravidade;
  return l;
}

struct CasoLinha {
  const char* descricao;
  C anterior;
  C componente;
  const char* impresso;
};

class LinhaDoRelatorio : public testing::TestWithParam<CasoLinha> {};

TEST_P(LinhaDoRelatorio, ComponenteETexto) {
  const CasoLinha& caso = GetParam();
  const LinhaVerificacao linha = Linha(QString::fromUtf8(caso.descricao));
  const C componente = TFrRelPendencias::ComponenteDe(linha.Tipo(), caso.anterior);
  EXPECT_EQ(componente, caso.componente);
  EXPECT_EQ(TFrRelPendencias::TextoImpresso(linha, componente), QString::fromUtf8(caso.impresso));
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, LinhaDoRelatorio,
    testing::Values(CasoLinha{"0811.444.777/0001-61     EMPRESA", C::Nenhum, C::Declarantes,
                              "11.444.777/0001-61     EMPRESA"},
                    CasoLinha{"09Rendimentos pagos", C::Nenhum, C::Fundos, "Rendimentos pagos"},
                    CasoLinha{"1100012345620135010001     Processo", C::Nenhum, C::Fundos,
                              "00012345620135010001     Processo"},
                    CasoLinha{"30Plano", C::Nenhum, C::Fundos, "Plano"},
                    CasoLinha{"10Beneficiários", C::Nenhum, C::Quadros, "Beneficiários"},
                    CasoLinha{"20Beneficiários", C::Nenhum, C::QuadrosOk, "Beneficiários"},
                    CasoLinha{"01Valor inválido.", C::Nenhum, C::Erros, "ERRO : Valor inválido."},
                    CasoLinha{"00Data do laudo não informada.", C::Nenhum, C::Erros,
                              "AVISO: Data do laudo não informada."},
                    CasoLinha{"                  ", C::Erros, C::Nenhum, ""},
                    // A beneficiary's row of accumulated income prints as the row before it.
                    CasoLinha{"13529.982.247-25 - BELTRANO", C::Fundos, C::Fundos, "529.982.247-25 - BELTRANO"}));

TEST(RelatorioPendencias, TextosLongosSaoCortados) {
  const LinhaVerificacao erro = Linha(QStringLiteral("01") + QString(250, u'x'), LinhaVerificacao::kErro);
  EXPECT_EQ(TFrRelPendencias::TextoImpresso(erro, C::Erros).size(), 7 + 193);
  const LinhaVerificacao quadro = Linha(QStringLiteral("10") + QString(250, u'y'));
  EXPECT_EQ(TFrRelPendencias::TextoImpresso(quadro, C::Quadros).size(), 120);
}

TEST(RelatorioPendencias, NumeroDoDeclaranteNoRodape) {
  EXPECT_EQ(TFrRelPendencias::NiDoCabecalho(QStringLiteral("11.444.777/0001-61     EMPRESA 2")), "11.444.777/0001-61");
  EXPECT_EQ(TFrRelPendencias::NiDoCabecalho(QStringLiteral("123.456.789-09     FULANO")), "123.456.789-09");
  // The warning cap's row is no declarant's: its 5000 never reaches the footer.
  EXPECT_EQ(TFrRelPendencias::NiDoCabecalho(
                QStringLiteral("ATINGIDOS 5000 AVISOS! AGORA SOMENTE ERROS SERÃO MOSTRADOS.")),
            QString());
}

TEST(RelatorioPendencias, ListaVaziaImprimeUmaPaginaComTotaisZerados) {
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("vazio.pdf"));
  TFrRelPendencias relatorio({}, 0, 0, QDate(2014, 3, 5));
  QString erro;
  ASSERT_TRUE(relatorio::EscrevePdf(relatorio.QrpPendencias(), arquivo, &erro)) << erro.toStdString();
  const QString texto = TextoPdf(arquivo);
  EXPECT_EQ(texto.count(u'\f'), 1);
  EXPECT_TRUE(texto.contains(QStringLiteral("Verificação de pendências")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Total de erros: 0000")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Total de avisos: 0000")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Data: 05/03/2014")));
}

// A run over a declaration with errors and warnings, printed as the user would get it.
class RelatorioDeUmaExecucao : public ComIndice {};

TEST_F(RelatorioDeUmaExecucao, TextosDoPdf) {
  m_ajusta = [](TTolv& t) { t.SetInPlanoSaude(1); };
  Cria(kMatriz);
  Roda(kMatriz, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_ABR,
  VL_DEDUCAO_ABR) VALUES (2, 1, '3208', '1', '529982247', 'BELTRANO DA SILVA', 1000, 10);
INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, IN_MOLESTIA, VL_MOLESTIA_FEV, QTDE_MESES_FEV)
  VALUES (3, '1', '529982247', 'APOSENTADORIA', 'S', 10, 1);
)"));
  TVerificacaoPendencias run;
  ServicosFalsos servicos;
  run.SetServicos(&servicos);
  run.SetDeclaracoes({Entrada(kMatriz)});
  int contador = 0;
  ASSERT_TRUE(run.ExecutarVerificacao(contador));
  ASSERT_EQ(run.GetNumErros(), 1);
  ASSERT_EQ(run.GetNumAvisos(), 2);

  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("pendencias.pdf"));
  QString erro;
  ASSERT_TRUE(EscreveRelPendencias(run, arquivo, &erro)) << erro.toStdString();
  // The layout spreads a line's texts apart: blanks are compared as one.
  const QString texto = TextoPdf(arquivo).simplified();
  for (const char* esperado :
       {"Verificação de pendências", "11.444.777/0001-61 EMPRESA TESTE LTDA Ano-calendário: 2013",
        "Identificação do declarante",
        "AVISO: Plano privado de assistência à saúde sem o preenchimento da respectiva ficha.",
        "Responsável pelo preenchimento da declaração", "Beneficiários",
        "ERRO : Dedução indevida para código/beneficiário: 3208 529.982.247-25 Abr.",
        "Rendimentos recebidos acumuladamente - Declarante", "529.982.247-25 - BELTRANO DA SILVA",
        "AVISO: Data do laudo não informada.", "Total de erros: 0001", "Total de avisos: 0002",
        "Declarante: 11.444.777/0001-61", "Versão 1.5", "Página 1 de 1"})
    EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
  // The section without findings has its title (and the picture of a clean section).
  EXPECT_TRUE(texto.contains(QStringLiteral("Responsável perante o CNPJ")));
  // The rows' kinds are not printed.
  EXPECT_FALSE(texto.contains(QStringLiteral("0811.")));
  EXPECT_FALSE(texto.contains(QStringLiteral("20Benef")));
}

}  // namespace
