#include <gtest/gtest.h>

#include <memory>

#include "nucleo/TCodigoRetencao.h"
#include "secoes/RemessaFalsas.h"
#include "secoes/TfrmValoresRemessa.h"
#include "secoes/TzuqFormaTributacao.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqValorRemessa.h"
#include "secoes/TzuqValoresRemessaControlador.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ConsultasFalsas;
using remessa_teste::DeclaracaoFalsa;
using Navegacao = TfrmValoresRemessa::Navegacao;

TzuqValorRemessa Gravada(int id, const char* data) {
  TzuqValorRemessa v;
  v.SetId(id);
  v.SetData(QString::fromLatin1(data));
  v.SetCdRetencao(QStringLiteral("0473"));
  v.SetVlRendimentoPago(QStringLiteral("10"));
  v.SetVlIrrf(QStringLiteral("1,5"));
  return v;
}

// Lines stored, where the cursor stands (-1 adding a line): the counter and the navigation.
struct CasoContador {
  int linhas;
  int atual;
  const char* contador;
  Navegacao botoes;
};

class ValoresContador : public testing::TestWithParam<CasoContador> {};

TEST_P(ValoresContador, MostraAPosicaoEOsBotoesDaPosicao) {
  const CasoContador& caso = GetParam();
  TfrmValoresRemessa valores;
  for (int i = 1; i <= caso.linhas; ++i) valores.AdicionaValor(Gravada(i, "01/03/2013"));
  valores.ConcluiCarga();
  if (caso.atual < 0) {
    valores.Acrescenta();
  } else {
    for (int i = 0; i < caso.atual; ++i) valores.Proximo();
  }
  EXPECT_EQ(valores.Contador(), caso.contador);
  EXPECT_EQ(valores.BotoesNavegacao(), caso.botoes);
}

INSTANTIATE_TEST_SUITE_P(Remessa, ValoresContador,
                         testing::Values(CasoContador{0, 0, "1/1", {}},
                                         CasoContador{1, 0, "1/1", {}},
                                         CasoContador{0, -1, "1/1", {true, true, false, false}},
                                         CasoContador{3, 0, "1/3", {false, false, true, true}},
                                         CasoContador{3, 1, "2/3", {true, true, true, true}},
                                         CasoContador{3, 2, "3/3", {true, true, false, false}},
                                         CasoContador{3, -1, "4/4", {true, true, false, false}}));

TEST(Valores, FormasOferecidasSeguemOImpostoRetido) {
  TfrmValoresRemessa valores;
  valores.AdicionaFormaTributacao({10, QStringLiteral("F"), QStringLiteral("Com retenção"), QStringLiteral("V")});
  valores.AdicionaFormaTributacao({40, QStringLiteral("V"), QStringLiteral("Sem retenção"), QStringLiteral("F")});
  valores.Acrescenta();
  ASSERT_EQ(valores.FormasOferecidas().size(), 1u);
  EXPECT_EQ(valores.FormasOferecidas()[0].codigo, 40);
  valores.Edicao().irrf = Valor::deTexto(u"5");
  ASSERT_EQ(valores.FormasOferecidas().size(), 1u);
  EXPECT_EQ(valores.FormasOferecidas()[0].codigo, 10);
  valores.Edicao().cdFormaTributacao = 10;
  EXPECT_EQ(valores.DescricaoFormaTributacao(), "Com retenção");
  valores.Edicao().cdFormaTributacao = 77;
  EXPECT_EQ(valores.DescricaoFormaTributacao(), "");
}

TEST(Valores, PosicionarDesfazAEdicaoETornaAtualALinhaDaChave) {
  TfrmValoresRemessa valores;
  valores.AdicionaValor(Gravada(7, "05/05/2013"));
  valores.AdicionaValor(Gravada(8, "01/01/2013"));
  valores.ConcluiCarga();
  EXPECT_EQ(valores.GetId(), 8);  // date order
  valores.Edicao().cdRetencao = QStringLiteral("0610");
  valores.Posicionar(QStringLiteral("7"), QStringLiteral("6"));
  EXPECT_FALSE(valores.EmEdicao());
  EXPECT_EQ(valores.GetId(), 7);
  EXPECT_EQ(valores.GetCdRetencao(), "0473");
  EXPECT_EQ(valores.CampoFocado(), 6);
  valores.Posicionar(QString(), QStringLiteral("3"));
  EXPECT_EQ(valores.CampoFocado(), -1);
}

// The line controller checks the field left through the view, which shows the error.
struct CasoValor {
  const char* nome;
  uint8_t indice;
  const char* data;
  const char* pago;
  const char* irrf;
  const char* codigo;
  int forma;
  int tipo;
  const char* tipoBeneficiario;
  int erro;  // 0: passes, -1: no check at all
};

class ValoresCampos : public testing::TestWithParam<CasoValor> {
 protected:
  CaixaMensagemFalsa caixa;
  ConsultasFalsas consultas;
  DeclaracaoFalsa declaracao;
};

TEST_P(ValoresCampos, ValidaAoSairDoControle) {
  const CasoValor& c = GetParam();
  TzuqRemessa remessa;
  remessa.SetConsultas(&consultas);
  remessa.SetDeclaracao(&declaracao);
  remessa.SetInTipoBeneficiario(QString::fromLatin1(c.tipoBeneficiario));
  remessa.SetCdPais(QStringLiteral("586"));
  TfrmValoresRemessa valores;
  TzuqValoresRemessaControlador controlador(valores, remessa);
  valores.Acrescenta();
  TfrmValoresRemessa::Linha& l = valores.Edicao();
  if (*c.data) l.data = QDate::fromString(QString::fromLatin1(c.data), QStringLiteral("dd/MM/yyyy"));
  l.rendimentoPago = Valor::deTexto(QString::fromLatin1(c.pago));
  l.irrf = Valor::deTexto(QString::fromLatin1(c.irrf));
  l.cdRetencao = QString::fromLatin1(c.codigo);
  l.cdFormaTributacao = c.forma;
  l.cdTipoRendimento = c.tipo;
  valores.SaiDoCampo(c.indice);
  if (c.erro <= 0) {
    EXPECT_TRUE(caixa.chamadas().empty()) << caixa.ultima().texto.toStdString();
    return;
  }
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(caixa.ultima().flags, 16);
  EXPECT_EQ(controlador.Modelo().GetErro()->Codigo(), c.erro);
}

INSTANTIATE_TEST_SUITE_P(
    Remessa, ValoresCampos,
    testing::Values(CasoValor{"DataVaziaNaoConfere", 0, "", "0", "0", "", 0, 0, "1", -1},
                    CasoValor{"DataInformada", 0, "01/02/2013", "0", "0", "", 0, 0, "1", 0},
                    CasoValor{"PagoZero", 1, "01/02/2013", "0", "0", "0473", 10, 110, "1", 213},
                    CasoValor{"PagoComCentavos", 1, "01/02/2013", "0,5", "0", "0473", 10, 110, "1", 0},
                    CasoValor{"CodigoInexistente", 2, "01/02/2013", "5", "0", "9999", 10, 110, "1", 208},
                    CasoValor{"CodigoDeEmpresaParaPessoa", 2, "01/02/2013", "5", "0", "9001", 10, 110, "1", 67},
                    CasoValor{"FormaSemRetencaoComImposto", 4, "01/02/2013", "5", "1", "0473", 40, 110, "1", 216},
                    CasoValor{"FormaComRetencaoSemImposto", 4, "01/02/2013", "5", "0", "0473", 10, 110, "1", 215},
                    CasoValor{"Tipo240DeEmpresa", 7, "01/02/2013", "5", "0", "0473", 40, 240, "2", 212},
                    CasoValor{"TipoCurto", 7, "01/02/2013", "5", "0", "0473", 40, 11, "1", 212},
                    CasoValor{"TipoExistente", 7, "01/02/2013", "5", "0", "0473", 40, 110, "1", 0}),
    [](const testing::TestParamInfo<CasoValor>& info) { return std::string(info.param.nome); });

TEST(Valores, SaidaParaUmBotaoNemConfereNemPostaALinha) {
  CaixaMensagemFalsa caixa;
  TfrmValoresRemessa valores;
  int conferidos = 0;
  valores.SetAoValidarCampo([&](uint8_t) {
    ++conferidos;
    return true;
  });
  valores.Acrescenta();
  valores.Edicao().data = QDate(2013, 4, 1);
  valores.SaiDoCampo(0, true);
  EXPECT_EQ(conferidos, 0);
  EXPECT_TRUE(valores.Adicionando());
  valores.Edicao().rendimentoPago = -Valor::deTexto(u"12,5");
  valores.SaiDoCampo(1);
  EXPECT_EQ(conferidos, 1);
  ASSERT_EQ(valores.Linhas().size(), 1u);
  // A negative amount is taken as its absolute value.
  EXPECT_EQ(valores.Linhas()[0].rendimentoPago, Valor::deTexto(u"12,5"));
  // A line with nothing in it is never posted.
  valores.Acrescenta();
  valores.SaiDoCampo(6);
  EXPECT_EQ(valores.Linhas().size(), 1u);
  EXPECT_TRUE(valores.Adicionando());
}

}  // namespace
