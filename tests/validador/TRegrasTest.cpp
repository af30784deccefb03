#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "nucleo/NumeroRecibo.h"
#include "validador/TPrimitivo.h"

namespace {

using analise_teste::ComRun;

// An element that runs the rules every element has, on a value of the test.
class Elemento : public TPrimitivo {
 public:
  explicit Elemento(TArquivoDados& dados) : TPrimitivo(dados, TRegras::Tabela()) {}
  bool Roda(const char* regra, const QString& valor) {
    m_valor = valor;
    ValorLogDoValor();
    MarcaValido();
    return ExecutaRegra(QString::fromLatin1(regra));
  }
};

struct CasoRegra {
  const char* regra;
  const char16_t* valor;
  const char* ano;
  bool vale;
};

class RegrasGerais : public ComRun, public testing::WithParamInterface<CasoRegra> {};

TEST_P(RegrasGerais, Vale) {
  Dados().AnoCalendario = QString::fromLatin1(GetParam().ano);
  Elemento e(Dados());
  EXPECT_EQ(e.Roda(GetParam().regra, QString::fromUtf16(GetParam().valor)), GetParam().vale)
      << GetParam().regra << " " << QString::fromUtf16(GetParam().valor).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Regras, RegrasGerais,
    testing::Values(
        CasoRegra{"ER_Data_Valida", u"", "2013", true}, CasoRegra{"ER_Data_Valida", u"20120229", "2013", true},
        CasoRegra{"ER_Data_Valida", u"20130229", "2013", false}, CasoRegra{"ER_Data_Valida", u"20131301", "2013", false},
        CasoRegra{"ER_Data_Valida", u"2013AB01", "2013", false}, CasoRegra{"ER_Data_Valida", u"00000101", "2013", false},
        CasoRegra{"ER_Data_Nascimento_Valida", u"20110229", "2013", false},
        CasoRegra{"ER_Data_Nascimento_Valida", u"20120229", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida", u"19000229", "2013", false},
        CasoRegra{"ER_Data_Nascimento_Valida", u"20000229", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida", u"20001345", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida", u"2000AB01", "2013", false},
        CasoRegra{"ER_Data_Nascimento_Valida", u"", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida_Intervalo", u"18501231", "2013", false},
        CasoRegra{"ER_Data_Nascimento_Valida_Intervalo", u"18510101", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida_Intervalo", u"20131231", "2013", true},
        CasoRegra{"ER_Data_Nascimento_Valida_Intervalo", u"20140101", "2013", false},
        CasoRegra{"RN_Data_de_Evento_Valida", u"", "2014", true},
        CasoRegra{"RN_Data_de_Evento_Valida", u"20140000", "2014", false},
        CasoRegra{"RN_Data_de_Evento_Valida", u"20140315", "2014", true},
        CasoRegra{"RN_Data_de_Evento_Valida", u"20131231", "2014", false},
        CasoRegra{"RN_Data_do_Laudo_Valida", u"20131231", "2013", true},
        CasoRegra{"RN_Data_do_Laudo_Valida", u"20140101", "2013", false},
        CasoRegra{"ER_Data_Inferior_do_Laudo_Valida", u"18991230", "2013", false},
        CasoRegra{"ER_Data_Inferior_do_Laudo_Valida", u"18991231", "2013", true},
        CasoRegra{"RN_Data_Pagamento_valida", u"20130615", "2013", true},
        CasoRegra{"RN_Data_Pagamento_valida", u"20120615", "2013", false},
        CasoRegra{"RN_Data_Pagamento_valida", u"20130230", "2013", false},
        CasoRegra{"RN_CPF_valido", u"11144477735", "2013", true},
        CasoRegra{"RN_CPF_valido", u"11111111111", "2013", false}, CasoRegra{"RN_CPF_valido", u"", "2013", false},
        CasoRegra{"RN_CPF_VALIDO_OU_BRANCO", u"   ", "2013", true},
        CasoRegra{"RN_CPF_VALIDO_OU_BRANCO", u"11144477736", "2013", false},
        CasoRegra{"RN_Nome_valido", u"José da Silva", "2013", true},
        CasoRegra{"RN_Nome_valido", u"José 2 Silva", "2013", false},
        CasoRegra{"RN_Nome_empresarial_valido", u"Empresa 2 Ltda", "2013", true},
        CasoRegra{"RN_Correio_eletronico_valido", u" fulano@exemplo.com.br ", "2013", true},
        CasoRegra{"RN_Correio_eletronico_valido", u"fulano", "2013", false},
        CasoRegra{"RN_Declaracao_situacao_especial_valida", u"S", "2012", false},
        CasoRegra{"RN_Declaracao_situacao_especial_valida", u"s", "2013", true},
        CasoRegra{"RN_Declaracao_situacao_especial_valida", u"N", "2012", true},
        CasoRegra{"RN_Declaracao_situacao_normal_valida", u"N", "2014", false},
        CasoRegra{"RN_Declaracao_situacao_normal_valida", u"N", "2013", true},
        CasoRegra{"RN_Numero_do_Recibo_Valido", u"", "2013", true},
        CasoRegra{"RN_Numero_do_Recibo_Valido", u"12345", "2013", false},
        CasoRegra{"RN_Numero_do_Processo_Valido_RRA", u"", "2013", true},
        CasoRegra{"RN_Numero_do_Processo_Valido_RRA", u"ABCD1", "2013", false},
        CasoRegra{"RN_Numero_do_Processo_Valido_RRA", u"0001234AB", "2013", true},
        CasoRegra{"RN_Registro_ANS_valido", u"123455", "2013", true},
        CasoRegra{"RN_Registro_ANS_valido", u"123456", "2013", false},
        CasoRegra{"RN_Registro_ANS_valido", u"", "2013", true},
        CasoRegra{"ER_Natureza_RRA_Valida", u"Rendimentos do trabalho", "2013", true},
        CasoRegra{"ER_Natureza_RRA_Valida", u"1234", "2013", false},
        CasoRegra{"ER_Natureza_RRA_Valida", u"AA AA", "2013", false},
        CasoRegra{"ER_Natureza_RRA_Valida", u"Ação..", "2013", false},
        CasoRegra{"RN_Relacao_dependencia_valida", u"03", "2013", true},
        CasoRegra{"RN_Relacao_dependencia_valida", u"05", "2013", false},
        CasoRegra{"RN_Relacao_dependencia_valida", u"", "2013", true},
        CasoRegra{"RN_Nome_remessa_valido", u"John Smith", "2013", true},
        CasoRegra{"RN_Nome_remessa_valido", u"12345", "2013", false},
        CasoRegra{"RN_Nome_remessa_valido", u"  ", "2013", false},
        CasoRegra{"RN_NIF_caracter_valido", u"AB12cd", "2013", true},
        CasoRegra{"RN_NIF_caracter_valido", u"AB-12", "2013", false},
        CasoRegra{"RN_Telefone_valido", u"1234567", "2013", false},
        CasoRegra{"RN_Telefone_valido", u"12345678", "2013", true},
        CasoRegra{"RN_Telefone_valido", u"123456789", "2013", true},
        CasoRegra{"ER_Registro_Inf_Branco", u"  ", "2013", false},
        CasoRegra{"ER_Registro_Inf_Branco", u"Texto", "2013", true}));

TEST_F(ComRun, ReciboValidoPeloDigito) {
  Elemento e(Dados());
  const QString base = QStringLiteral("1234567890");
  EXPECT_TRUE(e.Roda("RN_Numero_do_Recibo_Valido", base + TNumeroRecibo::CalculaDVRecibo(base)));
}

TEST_F(ComRun, CnpjVazioOuErradoComMensagemPropria) {
  Elemento e(Dados());
  e.SetTextoRegistro(QStringLiteral(" Registro: BPJDEC"));
  e.SetTextoCampo(QStringLiteral(" Campo: 2 "));
  EXPECT_FALSE(e.Roda("RN_CNPJ_VALIDO", QString()));
  EXPECT_FALSE(e.Roda("RN_CNPJ_VALIDO", QStringLiteral("11444777000160")));
  EXPECT_TRUE(e.Roda("RN_CNPJ_VALIDO", QStringLiteral("11444777000161")));
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[0].endsWith(QStringLiteral("Valor: XXXXX      Erro: Campo obrigatório e não informado.")));
  EXPECT_TRUE(log[1].endsWith(QStringLiteral("Valor: 11444777000160      Erro: CNPJ inválido.")));
}

TEST_F(ComRun, ProcessoComAMensagemDaVerificacao) {
  Elemento e(Dados());
  EXPECT_FALSE(e.Roda("RN_Numero_do_Processo_Valido", QStringLiteral("AB-12")));
  EXPECT_FALSE(e.Roda("RN_Numero_do_Processo_Valido", QString()));
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[0].endsWith(QStringLiteral("Erro: Caracteres inválidos no código do processo.")));
  EXPECT_TRUE(log[1].endsWith(QStringLiteral("Erro: Número de processo obrigatório.")));
}

TEST_F(ComRun, MensagemTrocadaNaoPassaParaOProximoRun) {
  {
    Elemento e(Dados());
    e.Roda("RN_CNPJ_valido", QString());
  }
  EXPECT_EQ(Dados().Catalogo().Validador(84).mensagem, QStringLiteral("Campo obrigatório e não informado"));
  Dados().Analisador().LinhaUnico(TTipoRegistro::RESPO) = 2;
  NovoRun();
  EXPECT_EQ(Dados().Analisador().LinhaUnico(TTipoRegistro::RESPO), 0);
  EXPECT_EQ(Dados().Catalogo().Validador(84).mensagem, QStringLiteral("CNPJ inválido"));
  EXPECT_EQ(Dados().Contagem.Erros, 0);
}

TEST_F(ComRun, LimiteDeErrosParaAPassagem) {
  Elemento e(Dados());
  Dados().Contagem.Erros = TArquivoDados::kMaximoErros - 1;
  EXPECT_TRUE(e.Roda("Max_Erros_Avisos", QString()));
  Dados().Contagem.Erros = TArquivoDados::kMaximoErros;
  EXPECT_FALSE(e.Roda("Max_Erros_Avisos", QString()));
  EXPECT_EQ(Dados().MotivoInterrupcao, TArquivoDados::kLimiteErros);
  EXPECT_EQ(Dados().SituacaoImportacao(), 2);
  EXPECT_EQ(Dados().Contagem.Erros, TArquivoDados::kMaximoErros + 1);
  EXPECT_TRUE(Log().back().endsWith(QStringLiteral("Erro: A importação foi interrompida, pois atingiu 5.000 erros.")));
}

TEST_F(ComRun, TipoDoAdvogado) {
  Elemento e(Dados());
  for (auto [valor, tipo] : {std::pair{u"1", 1}, std::pair{u"2", 2}, std::pair{u"", 0}, std::pair{u"3", 0}}) {
    EXPECT_TRUE(e.Roda("RN_Tipo_Advogado", QString::fromUtf16(valor)));
    EXPECT_EQ(Dados().TipoAdvogado, tipo);
  }
}

}  // namespace
