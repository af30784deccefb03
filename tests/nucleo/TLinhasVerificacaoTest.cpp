#include <gtest/gtest.h>

#include <QStringList>

#include "AnexosTeste.h"
#include "nucleo/IQuadroVerificacao.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TLinhasVerificacao.h"
#include "nucleo/TTolvItem.h"

namespace {

// The verification window's list reduced to what a walk writes: titles and the codes listed.
class Quadro : public IQuadroVerificacao {
 public:
  bool IncluiErros(const TErros& erros) override {
    for (int i = 0; i < erros.GetQuantidade(); ++i) linhas << QString::number(erros.GetErro(i).Codigo());
    return true;
  }
  void IncluiTitulo(const QString& texto) override { linhas << texto; }
  void IncluiCabecalhoFundo(const QString& numero, const QString&) override { linhas << QStringLiteral("CF ") + numero; }
  void IncluiCabecalhoProcesso(const QString& numero, const QString&, uint8_t) override {
    linhas << QStringLiteral("CP ") + numero;
  }
  void SetVerificados(int quantidade) override { verificados = quantidade; }
  bool GetParado() const override { return false; }
  bool GetMostrarAvisos() const override { return true; }

  QStringList linhas;
  int verificados = 0;
};

class LinhasVerificacao : public anexos_teste::ComAnexos {
 protected:
  void SetUp() override {
    ComAnexos::SetUp();
    ComFundosEProcessos();
    // A company of the fund's own root among the fund's lines, and the first process line's
    // judicial deposits.
    Roda(QStringLiteral(
        "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, VL_RENDIME_MAR) "
        " VALUES (13, 2, '6800', '2', '123456780002', 12.5);"
        "INSERT INTO JUDICIAIS (E_TOLV_ITEM_DK, VL_DEPOSITO_FEV) VALUES (10, 3.25);"));
  }

  // What the line's own check saw of each line: key, code, beneficiary and one amount.
  TLinhasVerificacao::VerificaLinha Registra() {
    return [this](TTolvItem& l, TErros& erros) {
      m_vistas << l.GetTolvItemDK() + u'/' + l.GetCodigoRetencao().GetCodigo() + u'/' +
                      l.GetBeneficiario().GetNiFormatado() + u'/' + l.GetTributaveis().GetRendimento(3).GetValor() +
                      u'/' + l.GetSubJudice().GetDeposito(2).GetValor() + u'/' + QString::number(l.GetLinhaProcesso());
      if (l.GetTolvItemDK() == u"11")
        AdicionaPendencia<TErro>(erros, 999, {}, 1, QStringLiteral("4"), l.GetTolvItemDK(), 1);
    };
  }

  QStringList m_vistas;
  Quadro m_quadro;
  TErros m_achados;
};

TEST_F(LinhasVerificacao, AFundsWalkReadsItsStoredLines) {
  TAnexoFC fundo(m_tolv);
  fundo.SetFonteDK(QStringLiteral("2"));
  ASSERT_TRUE(m_tolv.GetColecaoAnexo().BuscaAnexo(fundo));
  TLinhasVerificacao linhas(m_tolv, fundo, Registra());
  int contador = 0;
  fundo.VerificaAnexo(m_achados, m_quadro, contador, linhas);
  EXPECT_EQ(m_vistas, QStringList({"12/6800/111.444.777-35/0,00/0,00/0", "13/6800/12.345.678/0002-76/12,50/0,00/0"}));
  EXPECT_EQ(contador, 2);
  // The company of the fund's root is the fund's only finding.
  EXPECT_EQ(m_quadro.linhas, QStringList({"CF 12.345.678/0001-95", "133"}));

  TAnexoFC vazio(m_tolv);
  vazio.SetFonteDK(QStringLiteral("3"));
  ASSERT_TRUE(m_tolv.GetColecaoAnexo().BuscaAnexo(vazio));
  TLinhasVerificacao nenhuma(m_tolv, vazio, Registra());
  m_quadro.linhas.clear();
  vazio.VerificaAnexo(m_achados, m_quadro, contador, nenhuma);
  EXPECT_TRUE(m_quadro.linhas.contains(QStringLiteral("88")));
  EXPECT_EQ(contador, 2);
}

TEST_F(LinhasVerificacao, TheProcessesWalkReadsEachLineWithItsChildValuesFromItsRow) {
  TAnexoFC trabalho(m_tolv, TAnexoFC::kProcesso);
  TLinhasVerificacao linhas(m_tolv, trabalho, Registra());
  int contador = 0;
  trabalho.VerificaProcessos(m_achados, m_quadro, contador, linhas);
  EXPECT_EQ(m_vistas, QStringList({"10/5928/111.444.777-35/0,00/3,25/1", "11/5928/529.982.247-25/0,00/0,00/1"}));
  EXPECT_EQ(contador, 2);
  EXPECT_TRUE(m_quadro.linhas.contains(QStringLiteral("999")));
  EXPECT_TRUE(m_quadro.linhas.contains(QStringLiteral("167")));
}

}  // namespace
