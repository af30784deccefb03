#include <gtest/gtest.h>

#include "nucleo/Responsavel.h"
#include "relatorios/TextosRelatorio.h"
#include "suporte/QtGtest.h"

namespace T = TextosRelatorio;
using Regra = T::RegraEvento;

namespace {

struct CasoEvento {
  const char* nome;
  Regra regra;
  int tipoNi;
  uint8_t situacao;
  const char* data;
  uint8_t tipoEvento;
  const char* esperado;
};

class EventoDoCabecalho : public testing::TestWithParam<CasoEvento> {};

}  // namespace

TEST_P(EventoDoCabecalho, FollowsItsRule) {
  const CasoEvento& c = GetParam();
  EXPECT_EQ(T::Evento(c.regra, c.tipoNi, c.situacao, QString::fromLatin1(c.data), c.tipoEvento),
            QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EventoDoCabecalho,
    testing::Values(
        // A company in special situation without a date: the same under both rules.
        CasoEvento{"EmpresaSemDataA", Regra::A, 2, 1, "30/12/1899", 0, "Data do evento:   -   Extinção"},
        CasoEvento{"EmpresaSemDataB", Regra::B, 2, 1, "", 0, "Data do evento:   -   Extinção"},
        CasoEvento{"EmpresaComDataB", Regra::B, 2, 1, "31/10/2013", 0, "Data do evento: 31/10/2013  -   Extinção"},
        CasoEvento{"EmpresaSemSituacao", Regra::A, 2, 0, "31/10/2013", 0, ""},
        CasoEvento{"PessoaSaidaA", Regra::A, 1, 1, "05/03/2014", 2,
                   "Data do evento: 05/03/2014  -   Saída definitiva do país"},
        CasoEvento{"PessoaSaidaB", Regra::B, 1, 1, "05/03/2014", 2, "Data do evento: 05/03/2014 - Saída definitiva do país"},
        // Rule A does not look at the special situation; rule B prints only with it.
        CasoEvento{"PessoaSaidaSemSituacaoA", Regra::A, 1, 0, "05/03/2014", 2,
                   "Data do evento: 05/03/2014  -   Saída definitiva do país"},
        CasoEvento{"PessoaSaidaSemSituacaoB", Regra::B, 1, 0, "05/03/2014", 2, ""},
        CasoEvento{"EspolioSemDataA", Regra::A, 1, 1, "30/12/1899", 1, "Data do evento:   -   Encerramento de espólio"},
        CasoEvento{"EspolioSemDataB", Regra::B, 1, 1, "30/12/1899", 1, "Data do evento:  - Encerramento de espólio"},
        CasoEvento{"PessoaSemTipoA", Regra::A, 1, 1, "05/03/2014", 0, ""},
        CasoEvento{"PessoaSemTipoB", Regra::B, 1, 1, "05/03/2014", 0, "Data do evento: 05/03/2014"},
        CasoEvento{"NumeroDesconhecido", Regra::A, 0, 1, "05/03/2014", 1, ""}),
    [](const testing::TestParamInfo<CasoEvento>& info) { return std::string(info.param.nome); });

TEST(TextosRelatorio, TypeYearTitlesAndPage) {
  EXPECT_EQ(T::Tipo(QStringLiteral("O")), "Tipo: Original");
  EXPECT_EQ(T::Tipo(QStringLiteral("R")), "Tipo: Retificadora");
  EXPECT_EQ(T::Tipo(QStringLiteral("X")), "");
  EXPECT_EQ(T::Ano(QStringLiteral("2013")), "Ano-calendário: 2013");
  EXPECT_EQ(T::TituloNome(2) + u'|' + T::TituloNumero(2), "Nome empresarial|CNPJ");
  EXPECT_EQ(T::TituloNome(1, true) + u'|' + T::TituloNumero(0, true), "Nome:|CPF:");
  EXPECT_EQ(T::Pagina(3, 0), "Página 3");
  EXPECT_EQ(T::Pagina(3, 12), "Página 3 de 12");
}

TEST(TextosRelatorio, NameInLinesOfAHundredCharacters) {
  const QString curto = QStringLiteral("EMPRESA CURTA LTDA");
  EXPECT_EQ(T::LinhasNome(curto), QStringList{curto});
  const QString longo = QString(100, u'A') + QString(60, u'B');
  EXPECT_EQ(T::LinhasNome(longo), QStringList({QString(100, u'A'), QString(60, u'B')}));
  EXPECT_EQ(T::LinhasNome(QString(250, u'C')), QStringList({QString(100, u'C'), QString(100, u'C')}));
  EXPECT_EQ(T::LinhasNome(QString()), QStringList{QString()});
}

TEST(TextosRelatorio, TheResponsiblePersonsLabels) {
  TResponsavel semCpf;
  semCpf.GetNome().SetValor(QStringLiteral("ALGUEM"));
  const T::Responsavel vazio = T::DoResponsavel(semCpf);
  EXPECT_TRUE(vazio.cpf.isEmpty() && vazio.nome.isEmpty() && vazio.telefone.isEmpty() && vazio.email.isEmpty());

  TResponsavel r;
  r.SetNi(QStringLiteral("11144477735"));
  r.GetNome().SetValor(QStringLiteral("JOSÉ  DE ÁVILA SOUZA"));
  r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
  r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
  r.GetFone().GetRamal().SetValor(QStringLiteral("12"));
  r.GetFax().GetNumero().SetValor(QStringLiteral("33335555"));
  r.GetEmail().SetValor(QStringLiteral("JOSE.SOUZA@EMPRESA.COM.BR"));
  const T::Responsavel e = T::DoResponsavel(r);
  EXPECT_EQ(e.cpf, "111.444.777-35");
  // Accents and double blanks go; two-letter words stay in lower case.
  EXPECT_EQ(e.nome, "Jose de Avila Souza ");
  EXPECT_EQ(e.ddd, "(61)");
  EXPECT_EQ(e.telefone, "3333-4444");
  EXPECT_EQ(e.ramal, "12");
  EXPECT_EQ(e.fax, "3333-5555");
  EXPECT_EQ(e.email, "Jose.souza@empresa.com.br ");
}
