#include <gtest/gtest.h>

#include <set>

#include "suporte/QtGtest.h"
#include "validador/TListaValidadores.h"

namespace {

TEST(TListaValidadores, CatalogoComSeveridadesEMensagens) {
  const TListaValidadores catalogo;
  const std::set<int> avisos = {6, 7, 8, 9, 51, 52, 90, 108, 109, 118, 122, 126, 131, 134, 137, 139, 141};
  for (int i = 0; i < TListaValidadores::kQuantidade; ++i)
    EXPECT_EQ(catalogo.Validador(i).severidade, avisos.count(i) ? TRegraNegocio::kAviso : TRegraNegocio::kErro) << i;
  EXPECT_EQ(catalogo.Validador(62).mensagem, QStringLiteral("Ano-calendário inválido"));
  EXPECT_EQ(catalogo.Validador(44).mensagem, catalogo.Validador(12).mensagem);
  EXPECT_EQ(catalogo.Validador(45).mensagem, catalogo.Validador(12).mensagem);
  EXPECT_TRUE(catalogo.Validador(0).mensagem.isEmpty());
  EXPECT_EQ(catalogo.Validador(138).mensagem, QStringLiteral(" "));
  EXPECT_EQ(catalogo.Validador(145).nome, QStringLiteral("ER_RegraFinal"));
}

TEST(TListaValidadores, NomesSemDistinguirCaixa) {
  EXPECT_EQ(TListaValidadores::Indice(u"ER_OrdemCodRet"), 31);
  EXPECT_EQ(TListaValidadores::Indice(u"er_data_valida"), 32);
  EXPECT_EQ(TListaValidadores::Indice(u"RN_CPF_VALIDO"), 64);
  EXPECT_EQ(TListaValidadores::Indice(u"ER_OrdemBenefRra"), 59);
  EXPECT_EQ(TListaValidadores::Indice(u"RN_Nome_Empresarial_Valido"), 82);
  EXPECT_EQ(TListaValidadores::Indice(u"ER_Inexistente"), -1);
}

TEST(TListaValidadores, MensagemTrocadaValeSoParaAqueleCatalogo) {
  TListaValidadores primeiro;
  primeiro.SetMensagem(u"ER_Tipo_BRPDE", QStringLiteral("Texto do primeiro"));
  EXPECT_EQ(primeiro.Validador(53).mensagem, QStringLiteral("Texto do primeiro"));
  const TListaValidadores segundo;
  EXPECT_EQ(segundo.Validador(53).mensagem, QStringLiteral("%s"));
}

struct CasoFormata {
  const char16_t* mensagem;
  const char16_t* argumentos;
  const char16_t* esperado;
};

class FormataMensagem : public testing::TestWithParam<CasoFormata> {};

TEST_P(FormataMensagem, PreencheEFecha) {
  EXPECT_EQ(TListaValidadores::FormataMensagem(QString::fromUtf16(GetParam().mensagem),
                                               QString::fromUtf16(GetParam().argumentos)),
            QString::fromUtf16(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogo, FormataMensagem,
    testing::Values(
        CasoFormata{u"O %s do advogado não pode ser igual ao %s do declarante", u"CPF",
                    u"O CPF do advogado não pode ser igual ao do declarante."},
        CasoFormata{u"O %s do advogado não pode ser igual ao %s do declarante", u"CNPJ;CNPJ",
                    u"O CNPJ do advogado não pode ser igual ao CNPJ do declarante."},
        CasoFormata{u"Código de receita fora de ordem %s", u"0561", u"Código de receita fora de ordem 0561."},
        CasoFormata{u"Data inválida", u"", u"Data inválida."},
        CasoFormata{u"CPF inválido", u"", u"CPF inválido."},
        CasoFormata{u"Deve ser informado o tipo de advogado no campo 4 para que o nome seja válido.", u"",
                    u"Deve ser informado o tipo de advogado no campo 4 para que o nome seja válido."},
        CasoFormata{u" ", u"", u" ."},
        CasoFormata{u" Registro não importado devido a erro na linha %s ", u"27",
                    u" Registro não importado devido a erro na linha 27 ."},
        CasoFormata{u"Registro fora de ordem para remessa %s", u"", u"Registro fora de ordem para remessa ."},
        CasoFormata{u"%s", u"Texto próprio", u"Texto próprio."},
        CasoFormata{u"Tentar novamente?", u"", u"Tentar novamente?"},
        CasoFormata{u"De %s a %s dias", u";9", u"De a 9 dias."},
        CasoFormata{u"Linha não termina com delimitador pipe \"|\"", u"",
                    u"Linha não termina com delimitador pipe \"|\"."}));

}  // namespace
