#include <gtest/gtest.h>

#include "ComprovanteTeste.h"
#include "nucleo/TRendimentoMensalPJ.h"
#include "suporte/QtGtest.h"

namespace {

using namespace comprovante_teste;

struct CasoDescricao {
  const char* anterior;  // own description before, or nullptr
  const char* texto;
  const char* descricao;
  bool padrao;
  bool modificado;
};

class DescricaoMensalPJ : public testing::TestWithParam<CasoDescricao> {};

TEST_P(DescricaoMensalPJ, TheCodesDescriptionIsNotKeptAsOwn) {
  const CasoDescricao& c = GetParam();
  Linhas linhas;
  const TCodigoRetencao codigo = Codigo("1708", "C", "Serviços profissionais");
  TTolvItem& linha = linhas.Nova(codigo);
  TRendimentoMensalPJ mensal(linha, codigo, 1);
  if (c.anterior) {
    mensal.SetDescricao(QString::fromUtf8(c.anterior));
    mensal.SetModificado(false);
  }
  mensal.SetDescricao(QString::fromUtf8(c.texto));
  EXPECT_EQ(mensal.GetDescricao(), QString::fromUtf8(c.descricao));
  EXPECT_EQ(mensal.UsaDescricaoPadrao(), c.padrao);
  EXPECT_EQ(mensal.GetModificado(), c.modificado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DescricaoMensalPJ,
    testing::Values(CasoDescricao{nullptr, "  Consultoria ", "Consultoria", false, true},
                    CasoDescricao{nullptr, "SERVIÇOS PROFISSIONAIS", "Serviços profissionais", true, false},
                    CasoDescricao{"Consultoria", "serviços profissionais ", "Serviços profissionais", true, true},
                    CasoDescricao{"Consultoria", "Consultoria", "Consultoria", false, true},
                    CasoDescricao{"Consultoria", "Auditoria", "Auditoria", false, true}));

}  // namespace
