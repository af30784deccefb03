#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "validador/TArquivoA.h"
#include "validador/TCampoFactory.h"
#include "validador/TDeclaracao.h"
#include "validador/TLinha.h"
#include "validador/TRegistro.h"
#include "validador/TRegistroFactory.h"
#include "validador/TobjectPool.h"

namespace {

using analise_teste::ComRun;

void ConfereRegras(const TPrimitivo& elemento, const std::string& onde) {
  ASSERT_FALSE(elemento.Regras().empty()) << onde;
  for (const RegraResolvida& regra : elemento.Regras()) {
    EXPECT_NE(regra.funcao, nullptr) << onde << ": " << regra.nome.toStdString();
    EXPECT_GE(regra.validador, 0) << onde << ": " << regra.nome.toStdString();
  }
}

// Every rule that the tables of the three layouts name, on records and on fields, is a rule of the
// class that runs it, with its catalogue entry.
TEST_F(ComRun, TodaRegraDasTabelasExiste) {
  for (uint8_t versao : {2, 3, 4}) {
    NovoRun();
    Dados().VersaoLeiaute = versao;
    TDeclaracao declaracao(Dados());
    ConfereRegras(declaracao, "declaração");
    TArquivoA arquivo(Dados());
    ConfereRegras(arquivo, "arquivo");
    ConfereRegras(arquivo.GetLinha(), "linha");
    int descritos = 0;
    for (int t = 0; t < kQuantidadeTipos; ++t) {
      const TTipoRegistro tipo = TipoDoOrdinal(t);
      TRegistro* registro = declaracao.Pool().Prototipo(tipo);
      ASSERT_NE(registro, nullptr);
      const std::string onde = std::to_string(versao) + " " + NomeValorTipo(tipo).toString().toStdString();
      EXPECT_EQ(registro->GetTipo(), tipo) << onde;
      ConfereRegras(*registro, onde);
      const auto definicao = TRegistroFactory::DefinicaoRegistro(versao, tipo);
      descritos += definicao.descrito;
      EXPECT_EQ(registro->QuantidadeCampos(), definicao.campos) << onde;
      EXPECT_EQ(int(TCampoFactory::Definicao(versao, tipo).size()), int(definicao.campos)) << onde;
      for (int c = 0; c < registro->QuantidadeCampos(); ++c) {
        ConfereRegras(registro->Campo(c), onde + " campo " + std::to_string(c));
        EXPECT_EQ(registro->Campo(c).GetPosicao(), c + 1) << onde;
      }
    }
    EXPECT_EQ(descritos, versao == 2 ? kQuantidadeTipos - 2 : kQuantidadeTipos);
  }
}

TEST(TabelasLeiaute, FormaDasTabelas) {
  using enum TTipoRegistro;
  EXPECT_EQ(TRegistroFactory::DefinicaoRegistro(4, QTMESES).campos, 13);
  EXPECT_EQ(TRegistroFactory::DefinicaoRegistro(4, RTRT).campos, 14);
  for (TTipoRegistro t : {RTOLV, RESPO, DECPF, DECPJ, PSE, RPDE, FIMTOLV})
    EXPECT_TRUE(TRegistroFactory::DefinicaoRegistro(4, t).unico) << Ordinal(t);
  EXPECT_FALSE(TRegistroFactory::DefinicaoRegistro(4, IDREC).unico);
  EXPECT_EQ(TRegistroFactory::DefinicaoRegistro(4, PSE).campos, 1);
  EXPECT_EQ(TRegistroFactory::DefinicaoRegistro(2, DECPJ).campos, 12);
  EXPECT_FALSE(TRegistroFactory::DefinicaoRegistro(2, DECPJ).regras.contains(QStringLiteral("RN_Voluntario_Copa_Valido")));
  EXPECT_TRUE(TRegistroFactory::DefinicaoRegistro(3, DECPJ).regras.contains(QStringLiteral("RN_Voluntario_Copa_Valido")));
  EXPECT_EQ(TRegistroFactory::DefinicaoRegistro(3, DECPF).regras,
            (QStringList{"RN_Registro_Unico", "RN_Tipo_Evento_Valido"}));
  EXPECT_EQ(TCampoFactory::Definicao(2, DECPJ)[11].nome, QStringLiteral("Data_de_evento"));
  EXPECT_EQ(TCampoFactory::Definicao(3, VRPDE)[2].regras, QStringList{"RN_Codigo_Receita_Valido"});
  EXPECT_FALSE(TCampoFactory::Definicao(2, RTRT)[0].dominio.contains(u"RIBMR"));
  EXPECT_TRUE(TCampoFactory::Definicao(3, RTRT)[0].dominio.contains(u"RIBMR"));
  EXPECT_TRUE(TCampoFactory::Definicao(0, RTRT).empty());
}

struct CasoRegistro {
  uint8_t versao;
  const char16_t* linha;
  bool valido;
  const char16_t* achado;  // the one finding's line from the record piece on; empty: no finding
};

class RegistroNoLeiaute : public ComRun, public testing::WithParamInterface<CasoRegistro> {};

TEST_P(RegistroNoLeiaute, Valida) {
  const CasoRegistro& c = GetParam();
  Dados().VersaoLeiaute = c.versao;
  Dados().AnoCalendario = QStringLiteral("2013");
  TDeclaracao declaracao(Dados());
  TLinha linha(Dados());
  Dados().ContaLinha(0);
  linha.Define(QString::fromUtf16(c.linha));
  linha.Valida();
  ASSERT_TRUE(linha.Valido());
  TRegistro& registro = *declaracao.Pool().Prototipo(linha.GetTipo());
  registro.SetLinha(&linha);
  registro.Valida();
  EXPECT_EQ(registro.Valido(), c.valido);
  const QStringList log = Log();
  if (*c.achado == 0) {
    EXPECT_TRUE(log.isEmpty()) << log.join(u'\n').toStdString();
  } else {
    ASSERT_EQ(log.size(), 1) << log.join(u'\n').toStdString();
    EXPECT_EQ(log[0], QStringLiteral("Linha: 01 ") + QString::fromUtf16(c.achado));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Leiautes, RegistroNoLeiaute,
    testing::Values(
        CasoRegistro{4, u"TOLV|2014|2013|N||F8UCL6S|", true, u""},
        CasoRegistro{4, u"TOLV|2014|2012|N||F8UCL6S|", false,
                     u" Registro: TOLV    Campo: 3  Valor: 2012      Erro: Campo não foi preenchido com o valor previsto."},
        CasoRegistro{4, u"TOLV|2014|2013|N|12345678901|F8UCL6S|", true,
                     u" Registro: TOLV    Campo: 5  Valor: 12345678901     Aviso: Tamanho de campo menor que o esperado."},
        CasoRegistro{3, u"TOLV|2013|2013|N||7C2DE7J|", true, u""},
        CasoRegistro{3, u"TOLV|2013|2014|N||7C2DE7J|", false,
                     u" Registro: TOLV    Campo: 3  Valor: 2014      Erro: Campo não foi preenchido com o valor previsto."},
        CasoRegistro{2, u"TOLV|2012|2012|N||1A4MA1R|", true, u""},
        CasoRegistro{2, u"TOLV|2012|2013|N||1A4MA1R|", false,
                     u" Registro: TOLV    Campo: 3  Valor: 2013      Erro: Campo não foi preenchido com o valor previsto."},
        CasoRegistro{4, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|5|11144477735|N|N|N|N|N|N|N||", false,
                     u" Registro: DECPJ   Campo: 4  Valor: 5      Erro: Campo não foi preenchido com o valor previsto."},
        CasoRegistro{4, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|8|11144477735|N|N|N|N|N|N|N||", true, u""},
        CasoRegistro{4, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|1|11144477735|N|S|N|N|N|N|N||", false,
                     u" Registro: DECPJ   Campo: 7 Valor: S      Erro: Natureza do declarante não permite que a "
                     u"instituição seja depositária de crédito decorrente de decisão judicial."},
        CasoRegistro{4, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N|20130315|", false,
                     u" Registro: DECPJ   Campo:13 Valor: 20130315      Erro: Campo preenchido indevidamente."},
        // A person's own event date, field 7, is what the finding shows.
        CasoRegistro{4, u"DECPF|11144477735|JOSE DA SILVA|N|N|N|N|20130610||", false,
                     u" Registro: DECPF   Campo: 8 Valor: 20130610      Erro: Campo preenchido indevidamente."},
        CasoRegistro{3, u"DECPF|11144477735|JOSE DA SILVA|N|N|N|N|20130610||", true, u""},
        CasoRegistro{3, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||", true, u""},
        CasoRegistro{2, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||", false,
                     u" Registro: DECPJ   Campo: XXXXX Valor: XXXXX      Erro: O número de campos do registro não é o "
                     u"esperado."},
        CasoRegistro{2, u"DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N||", true, u""},
        CasoRegistro{3, u"RESPO|11144477735|JOSE DA SILVA|61|333344445||||", true, u""},
        CasoRegistro{2, u"RESPO|11144477735|JOSE DA SILVA|61|333344445||||", true,
                     u" Registro: RESPO   Campo: 5  Valor: 333344445     Aviso: Tamanho máximo do campo excedido."},
        CasoRegistro{3, u"RESPO|11144477735|JOSE DA SILVA|61|3333444||||", true,
                     u" Registro: RESPO   Campo: 5  Valor: 3333444     Aviso: Campo com tamanho inválido."},
        CasoRegistro{2, u"RESPO|11144477735|JOSE DA SILVA|61|3333444||||", true,
                     u" Registro: RESPO   Campo: 5  Valor: 3333444     Aviso: Tamanho de campo menor que o esperado."},
        CasoRegistro{2, u"RESPO|11144477735|JOSE DA SILVA|61|33334444||||", true, u""},
        CasoRegistro{4, u"RESPO|11144477735|JOSE DA SILVA|", false,
                     u" Registro: RESPO   Campo: XXXXX Valor: XXXXX      Erro: O número de campos do registro não é o "
                     u"esperado."},
        CasoRegistro{3, u"BPFFCI|12345678909|MARIA SOUZA||", false,
                     u" Registro: BPFFCI  Campo: XXXXX Valor: XXXXX      Erro: O número de campos do registro não é o "
                     u"esperado."},
        CasoRegistro{2, u"RIBMR|1|2|3|4|5|6|7|8|9|10|11|12||", false,
                     u" Registro: RIBMR   Campo: XXXXX Valor: XXXXX      Erro: O número de campos do registro não é o "
                     u"esperado."},
        CasoRegistro{4, u"RTRT|1|2|3|4|5|6|7|8|9|10|11|12|", false,
                     u" Registro: RTRT    Campo: XXXXX Valor: XXXXX      Erro: O número de campos do registro não é o "
                     u"esperado."},
        CasoRegistro{4, u"TPSE|1114447773A|JOSE DA SILVA|100|", false,
                     u" Registro: TPSE    Campo: 2  Valor: 1114447773A      Erro: Campo contém  caracteres não "
                     u"permitidos."},
        CasoRegistro{3, u"TPSE|1114447773A|JOSE DA SILVA|100|", false,
                     u" Registro: TPSE    Campo: 2  Valor: 1114447773A      Erro: CPF inválido."},
        CasoRegistro{4, u"BPJDEC||EMPRESA DOIS LTDA|", false,
                     u" Registro: BPJDEC  Campo: 2  Valor: XXXXX      Erro: Campo obrigatório e não informado."}));

}  // namespace
