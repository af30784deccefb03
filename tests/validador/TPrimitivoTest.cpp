#include <gtest/gtest.h>

#include <stdexcept>

#include "AnaliseTeste.h"
#include "validador/TPrimitivo.h"

namespace {

using analise_teste::ComRun;

bool Falha(TRegras&) { return false; }
bool Passa(TRegras&) { return true; }

// An element whose rules answer as the test wants.
class Elemento : public TPrimitivo {
 public:
  explicit Elemento(TArquivoDados& dados) : TPrimitivo(dados, Tabela()) {}
  static const TabelaRegras& Tabela() {
    static const TabelaRegras tabela("Elemento", &TPrimitivo::Tabela(),
                                     {{"ER_RegistroAnterior", &Falha},
                                      {"ER_MemoriaRegistro", &Falha},
                                      {"ER_Data_Nascimento_Valida", &Falha},
                                      {"ER_Formato", &Falha},
                                      {"ER_Preenchimento", &Falha},
                                      {"ER_Obrigatorio", &Passa}});
    return tabela;
  }
  void DefineValor(const QString& valor) {
    m_valor = valor;
    ValorLogDoValor();
  }
};

class Achados : public ComRun {
 protected:
  void VaiParaLinha(int linha) {
    while (Dados().LinhaAtual() < linha) Dados().ContaLinha(0);
  }
};

struct CasoLinha {
  int linha;
  const char16_t* registro;
  const char16_t* campo;
  const char16_t* valor;
  const char16_t* argumentos;
  uint8_t categoria;
  const char* regra;
  const char16_t* esperado;
};

class LinhaDoLog : public Achados, public testing::WithParamInterface<CasoLinha> {};

TEST_P(LinhaDoLog, NoFormatoExato) {
  const CasoLinha& c = GetParam();
  Elemento e(Dados());
  if (c.categoria) e.SetCategoria(c.categoria);
  VaiParaLinha(c.linha);
  e.SetTextoRegistro(QString::fromUtf16(c.registro));
  e.SetTextoCampo(QString::fromUtf16(c.campo));
  e.DefineValor(QString::fromUtf16(c.valor));
  e.SetArgumentos(QString::fromUtf16(c.argumentos));
  e.RegistraAchado(TListaValidadores::Indice(QString::fromLatin1(c.regra)));
  EXPECT_EQ(Log(), QStringList{QString::fromUtf16(c.esperado)});
}

INSTANTIATE_TEST_SUITE_P(
    Formas, LinhaDoLog,
    testing::Values(
        // A record finding without a value.
        CasoLinha{12, u" Registro: BPFDEC", u" Campo: XXXXX", u"", u"IDREC", 0, "ER_RegistroAnterior",
                  u"Linha: 12  Registro: BPFDEC  Campo: XXXXX Valor: XXXXX      Erro: Este registro precisa estar "
                  u"associado a um registro do tipo IDREC."},
        // A field error with its value; one-digit line numbers get a zero.
        CasoLinha{7, u" Registro: RTRT", u" Campo: 3 ", u"12,50", u"", 0, "ER_Formato",
                  u"Linha: 07  Registro: RTRT    Campo: 3  Valor: 12,50      Erro: Campo contém  caracteres não "
                  u"permitidos."},
        // A field of the warning category.
        CasoLinha{10, u" Registro: RESPO", u" Campo: 5 ", u"1234567", u"", 1, "ER_Preenchimento",
                  u"Linha: 10  Registro: RESPO   Campo: 5  Valor: 1234567     Aviso: Tamanho de campo menor que o "
                  u"esperado."},
        // A warning by the catalogue's severity, without a value; the identifier padded by one blank.
        CasoLinha{123, u" Registro: IDREC", u" Campo: XXXXX", u"", u"0561", 0, "ER_MemoriaRegistro",
                  u"Linha: 123  Registro: IDREC   Campo: XXXXX Valor: XXXXX     Aviso: Registro IDREC para o código "
                  u"de receita informado não tem beneficiários."},
        // Only the first 15 characters of a value are shown.
        CasoLinha{99, u" Registro: RIO", u" Campo: 3 ", u"ABCDEFGHIJKLMNOP", u"", 0, "ER_Formato",
                  u"Linha: 99  Registro: RIO     Campo: 3  Valor: ABCDEFGHIJKLMNO      Erro: Campo contém  "
                  u"caracteres não permitidos."},
        // An empty line's finding; a record piece already longer than the width stays whole.
        CasoLinha{1, u" Registro: XXXXX", u" Campo: XXXXX", u"", u"", 0, "ER_RegistroDesconhecido",
                  u"Linha: 01  Registro: XXXXX   Campo: XXXXX Valor: XXXXX      Erro: Indicador de registro não "
                  u"reconhecido."},
        CasoLinha{20, u" Registro: BPJPROCXXXXXXXX", u" Campo: 2 ", u"x", u"", 0, "ER_Formato",
                  u"Linha: 20  Registro: BPJPROCXXXXXXXX  Campo: 2  Valor: x      Erro: Campo contém  caracteres não "
                  u"permitidos."}));

TEST_F(Achados, OValorApareceSoNoPrimeiroAchado) {
  Elemento e(Dados());
  VaiParaLinha(4);
  e.SetTextoRegistro(QStringLiteral(" Registro: DTPSE"));
  e.SetTextoCampo(QStringLiteral(" Campo: 3 "));
  e.DefineValor(QStringLiteral("20110229"));
  const int regra = TListaValidadores::Indice(u"ER_Data_Nascimento_Valida");
  e.RegistraAchado(regra);
  e.RegistraAchado(regra);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[0].contains(QStringLiteral("Valor: 20110229     Aviso: ")));
  EXPECT_TRUE(log[1].contains(QStringLiteral("Valor: XXXXX     Aviso: ")));
}

TEST_F(Achados, CategoriaNormalSegueASeveridadeDoCatalogo) {
  Elemento e(Dados());
  // A warning goes on to the next rule; the first error ends the test.
  for (const char* nome : {"ER_MemoriaRegistro", "ER_Obrigatorio", "ER_RegistroAnterior", "ER_Formato"})
    e.RegistraRegra(QString::fromLatin1(nome));
  e.ExecutaRegras();
  EXPECT_FALSE(e.Valido());
  EXPECT_EQ(Dados().Contagem.Avisos, 1);
  EXPECT_EQ(Dados().Contagem.Erros, 1);
  EXPECT_EQ(Log().size(), 2);
}

TEST_F(Achados, CategoriaDeAvisoParaNoPrimeiroAchado) {
  Elemento e(Dados());
  e.SetCategoria(TPrimitivo::kCategoriaAviso);
  e.RegistraRegra(QStringLiteral("ER_RegistroAnterior"));
  e.RegistraRegra(QStringLiteral("ER_Formato"));
  e.ExecutaRegras();
  EXPECT_FALSE(e.Valido());
  EXPECT_EQ(Dados().Contagem.Avisos, 1);
  EXPECT_EQ(Dados().Contagem.Erros, 0);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 1);
  EXPECT_TRUE(log[0].contains(QStringLiteral("Aviso: Este registro precisa")));
}

TEST_F(Achados, RegraQueAClasseNaoTemEAvisadaEDesligaOsAchados) {
  Elemento e(Dados());
  e.RegistraRegra(QStringLiteral("ER_Obrigatorio"));
  e.RegistraRegra(QStringLiteral("RN_FIMTOLV"));
  e.RegistraRegra(QStringLiteral("ER_RegistroAnterior"));
  e.ExecutaRegras();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Erro. Validador não implementado nesta classe RN_FIMTOLV Elemento"));
  EXPECT_TRUE(e.Valido());
  EXPECT_TRUE(Log().isEmpty());
  EXPECT_EQ(Dados().Contagem.Erros, 0);
}

TEST_F(Achados, RegraSemMensagemOuCategoriaRepetidaSaoErrosDoPrograma) {
  Elemento e(Dados());
  EXPECT_THROW(e.RegistraRegra(QStringLiteral("ER_TamanhoObrigatorio")), std::logic_error);
  EXPECT_THROW(e.RegistraRegra(QStringLiteral("ER_NaoExiste")), std::logic_error);
  EXPECT_THROW(e.ExecutaRegras(), std::logic_error);
  e.SetCategoria(TPrimitivo::kCategoriaAviso);
  EXPECT_THROW(e.SetCategoria(TPrimitivo::kCategoriaAviso), std::logic_error);
}

TEST_F(Achados, UmaRegraForaDaListaContaEInvalida) {
  Elemento e(Dados());
  e.MarcaValido();
  e.SetTextoRegistro(QStringLiteral(" Registro: FimTolv"));
  e.SetTextoCampo(QStringLiteral(" Campo: 1"));
  EXPECT_FALSE(e.ExecutaRegra(QStringLiteral("ER_RegistroAnterior")));
  EXPECT_FALSE(e.Valido());
  EXPECT_EQ(Dados().Contagem.Erros, 1);
  e.MarcaValido();
  EXPECT_TRUE(e.ExecutaRegra(QStringLiteral("ER_Obrigatorio")));
  EXPECT_TRUE(e.Valido());
}

}  // namespace
