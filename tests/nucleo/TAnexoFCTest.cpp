#include <gtest/gtest.h>

#include <optional>

#include "AnexosTeste.h"
#include "nucleo/EAnexoInvalido.h"
#include "nucleo/Erros.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "suporte/QtGtest.h"

namespace {

using anexos_teste::kDeclarante;
const QString kCpf = QStringLiteral("52998224725");

class AnexoFC : public testing::Test {
 protected:
  AnexoFC() {
    m_tolv.GetContribuinte().SetNi(kDeclarante);
    m_tolv.SetErros(&m_erros);
  }

  TErros m_erros;
  TTolv m_tolv;
};

// The code raised by setting a number, 0 when none.
template <class Setter>
int CodigoLevantado(Setter&& setter) {
  try {
    setter();
  } catch (const TErro& e) {
    return e.Codigo();
  }
  return 0;
}

struct CasoIdentificacao {
  int16_t tipoAnexo;
  int16_t palavraTipo;
  const char* numero;
  int codigo;
};

class IdentificacaoDoAnexo : public AnexoFC, public testing::WithParamInterface<CasoIdentificacao> {};

TEST_P(IdentificacaoDoAnexo, RefusesTheDeclarantsOwnNumberAndRoot) {
  const CasoIdentificacao& caso = GetParam();
  TAnexoFC anexo(m_tolv, caso.tipoAnexo);
  anexo.GetIdentificacao().SetTipoIdentificacao(caso.palavraTipo);
  const QString numero = QString::fromLatin1(caso.numero);
  EXPECT_EQ(CodigoLevantado([&] { anexo.GetIdentificacao().SetNi(numero); }), caso.codigo);
  // The number stays set even when refused, as the page shows it.
  if (caso.codigo != 36 && caso.codigo != 20) {
    EXPECT_EQ(anexo.GetContribuinte().GetNiDigitos(), numero);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, IdentificacaoDoAnexo,
    testing::Values(CasoIdentificacao{0, 0, "12345678000195", 0},   // a fund of its own
                    CasoIdentificacao{0, 0, "11444777000161", 16},  // the administrator itself
                    CasoIdentificacao{1, 1, "11444777000161", 137},
                    CasoIdentificacao{1, 1, "11444777000242", 138},  // another establishment
                    CasoIdentificacao{0, 0, "11444777000242", 20},   // not a head office
                    CasoIdentificacao{1, 1, "52998224725", 0},       // a process by a CPF
                    CasoIdentificacao{1, 1, "00012345620135010001", 0},
                    CasoIdentificacao{0, 0, "12345678000100", 36}));

TEST_F(AnexoFC, AFundIdentificationIsAHeadOfficeCnpj) {
  TAnexoFC fundo(m_tolv);
  EXPECT_EQ(CodigoLevantado([&] { fundo.GetIdentificacao().SetNi(QStringLiteral("12345678000276")); }), 20);
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.GetIdentificacao().SetNi(QStringLiteral("00012345620135010001"));
  EXPECT_EQ(processo.GetContribuinte().GetTipo(), kNiProcesso);
  EXPECT_EQ(processo.GetTipoProcesso(), TAnexoFC::kSemJustica);
}

TEST_F(AnexoFC, LoadingTheDeclarantsNumberListsInsteadOfRaising) {
  TAnexoFC fundo(m_tolv);
  fundo.GetIdentificacao().SetNiComErro(kDeclarante);
  ASSERT_EQ(m_erros.GetQuantidade(), 1);
  EXPECT_EQ(m_erros.GetErro(0).Codigo(), 16);
  EXPECT_EQ(m_erros.GetErro(0).Argumentos(), QStringLiteral("11.444.777/0001-61"));
  EXPECT_NE(dynamic_cast<const EAnexoInvalido*>(&m_erros.GetErro(0)), nullptr);

  m_erros.Limpa();
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.GetIdentificacao().SetTipoIdentificacao(1);
  processo.GetIdentificacao().SetNiPelaBaseComErro(QStringLiteral("114447770001"));
  ASSERT_EQ(m_erros.GetQuantidade(), 1);
  EXPECT_EQ(m_erros.GetErro(0).Codigo(), 137);
  EXPECT_EQ(processo.GetContribuinte().GetNiDigitos(), kDeclarante);
}

struct CasoAdvogado {
  const char* numero;
  std::optional<int> codigo;
  uint8_t informado;
};

class AdvogadoDoProcesso : public AnexoFC, public testing::WithParamInterface<CasoAdvogado> {};

TEST_P(AdvogadoDoProcesso, ValidatesTheNumberTyped) {
  const CasoAdvogado& caso = GetParam();
  TAdvogadoAnexo advogado(m_tolv);
  int codigo = 0;
  try {
    advogado.ValidaAdvogado(QString::fromLatin1(caso.numero), m_tolv);
  } catch (const EAnexoInvalido& e) {
    codigo = e.Codigo();
  } catch (const EContribuinteInvalido& e) {
    codigo = -e.Codigo();
  }
  EXPECT_EQ(codigo, caso.codigo.value_or(0));
  EXPECT_EQ(advogado.GetInformado(), caso.informado);
}

INSTANTIATE_TEST_SUITE_P(Casos, AdvogadoDoProcesso,
                         testing::Values(CasoAdvogado{"529.982.247-25", std::nullopt, 1},
                                         CasoAdvogado{"12345678000195", std::nullopt, 1},
                                         CasoAdvogado{"11444777000242", 137, 0},  // the declarant's firm
                                         CasoAdvogado{"", 172, 0},
                                         CasoAdvogado{"  ", 172, 0},
                                         CasoAdvogado{"52998224700", -35, 0}));

TEST_F(AnexoFC, ALawyerIsInformedWhileItHasANumber) {
  TAdvogadoAnexo advogado(m_tolv);
  advogado.SetNiComErro(kCpf);
  advogado.GetNome().SetValor(QStringLiteral("JOAO DA SILVA"));
  EXPECT_EQ(advogado.GetInformado(), 1);
  advogado.LimpaAdvogado();
  EXPECT_EQ(advogado.GetInformado(), 0);
  EXPECT_TRUE(advogado.GetNiDigitos().isEmpty());
  EXPECT_TRUE(advogado.GetNome().GetValor().isEmpty());
}

TEST_F(AnexoFC, CopiesItsKeyIdentificationCourtAndLawyerButNotItsKind) {
  TAnexoFC origem(m_tolv, TAnexoFC::kProcesso);
  origem.SetFonteDK(QStringLiteral("7"));
  origem.GetIdentificacao().SetNi(QStringLiteral("00012345620135010001"));
  origem.SetTipoProcesso(1);
  origem.GetAdvogado().SetNi(kCpf);
  origem.GetAdvogado().GetNome().SetValor(QStringLiteral("MARIA ADVOGADA"));
  origem.GetResumo().GetTotRend().SetValorMonetario(Valor::deReais(12));

  TAnexoFC destino(m_tolv, TAnexoFC::kFundo);
  destino.GetContribuinte().SetTipo(kNiProcesso);
  origem.Atribui(destino);
  EXPECT_EQ(destino.GetFonteDK(), QStringLiteral("7"));
  EXPECT_EQ(destino.GetContribuinte().GetNiDigitos(), QStringLiteral("00012345620135010001"));
  EXPECT_EQ(destino.GetTipoProcesso(), 1);
  EXPECT_EQ(destino.GetAdvogado().GetNiFormatado(), QStringLiteral("529.982.247-25"));
  EXPECT_EQ(destino.GetAdvogado().GetNome().GetValor(), QStringLiteral("MARIA ADVOGADA"));
  EXPECT_EQ(destino.GetAdvogado().GetInformado(), 1);
  EXPECT_EQ(destino.GetResumo().GetTotRend().GetValorInterno(), Valor::deReais(12));
  EXPECT_EQ(destino.GetTipoAnexo(), TAnexoFC::kFundo);

  m_erros.Adiciona(std::make_unique<TErro>(34));
  destino.LimpaAnexo();
  EXPECT_TRUE(destino.GetFonteDK().isEmpty());
  EXPECT_TRUE(destino.GetContribuinte().GetNiDigitos().isEmpty());
  EXPECT_TRUE(destino.GetAdvogado().GetNiDigitos().isEmpty());
  EXPECT_EQ(destino.GetTipoProcesso(), TAnexoFC::kSemJustica);
  EXPECT_EQ(destino.GetResumo().GetTotRend().GetValorInterno(), Valor());
  EXPECT_EQ(m_erros.GetQuantidade(), 0);
}

TEST_F(AnexoFC, TheCourtCrossesTheDatabaseAsItsDigit) {
  for (uint8_t tipo : {uint8_t(0), uint8_t(1), uint8_t(2), TAnexoFC::kSemJustica})
    EXPECT_EQ(TAnexoFC::TipoProcessoLido(TAnexoFC::TipoProcessoGravado(tipo)), tipo);
  EXPECT_EQ(TAnexoFC::TipoProcessoGravado(TAnexoFC::kSemJustica), QStringLiteral("0"));
  EXPECT_EQ(TAnexoFC::TipoProcessoLido(QStringLiteral("9")), TAnexoFC::kSemJustica);
  EXPECT_EQ(TAnexoFC::DescricaoJustica(2), QStringLiteral("Justiça estadual e do Distrito Federal"));
  EXPECT_TRUE(TAnexoFC::DescricaoJustica(TAnexoFC::kSemJustica).isEmpty());
}

TEST_F(AnexoFC, ChecksAFundsIdentificationWithKeysToItsFields) {
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("5"));
  fundo.GetIdentificacao().SetNiComErro(kDeclarante);
  fundo.GetIdentificacao().GetNome().SetNomeComErro(QStringLiteral("FUNDO # UM"));
  TErros achados;
  fundo.VerificaIdentificacao(achados);
  ASSERT_EQ(achados.GetQuantidade(), 2);
  EXPECT_EQ(achados.GetErro(0).Codigo(), 81);
  EXPECT_EQ(achados.GetErro(0).Objeto(), 29);
  EXPECT_EQ(achados.GetErro(0).AQuemPertence(), QStringLiteral("5"));
  const TErro& proprio = achados.GetErro(1);
  EXPECT_EQ(proprio.Codigo(), 16);
  EXPECT_EQ(proprio.Objeto(), 28);
  EXPECT_EQ(proprio.AQuemPertence(), QStringLiteral("5"));
  EXPECT_EQ(proprio.QuemEh(), QStringLiteral("11.444.777/0001-61"));
  EXPECT_EQ(proprio.GetMensagem(),
            QStringLiteral("O CNPJ do fundo ou clube de investimento não pode ser o mesmo do administrador: "
                           "11.444.777/0001-61."));

  // A process's number and name are checked elsewhere.
  TAnexoFC processo(m_tolv, TAnexoFC::kProcesso);
  processo.GetIdentificacao().SetTipoIdentificacao(1);
  processo.GetIdentificacao().SetNiComErro(QStringLiteral("12#"));
  achados.Limpa();
  processo.VerificaIdentificacao(achados);
  EXPECT_EQ(achados.GetQuantidade(), 0);
}

}  // namespace
