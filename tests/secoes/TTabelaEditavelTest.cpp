#include <gtest/gtest.h>

#include <memory>

#include "plataforma/bd/Transacao.h"
#include "secoes/RemessaBancoTeste.h"
#include "secoes/TTabelaEditavel.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ComBancoRemessa;

// The beneficiaries' table and its lines, in a transaction of the test's own.
class TabelaEditavel : public ComBancoRemessa {
 protected:
  void SetUp() override {
    ComBancoRemessa::SetUp();
    transacao = std::make_unique<bd::Transacao>(*TColecao::GetBancoDeclaracao(),
                                                QStringList{QStringLiteral("read_committed"), QStringLiteral("nowait")});
    remessas = std::make_unique<TTabelaEditavel>(TTabelaEditavel::Definicao{
        QStringLiteral("TB_REMESSA"), QStringLiteral("TREM_ID"),
        {QStringLiteral("TREM_ID"), QStringLiteral("TREM_NOME"), QStringLiteral("TREM_NI"), QStringLiteral("TREM_CD_PAIS")},
        {}, false});
    valores = std::make_unique<TTabelaEditavel>(TTabelaEditavel::Definicao{
        QStringLiteral("TB_VALOR_REMESSA"), QStringLiteral("TVRE_ID"),
        {QStringLiteral("TVRE_ID"), QStringLiteral("TREM_ID"), QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")},
        QStringLiteral("TREM_ID"), true});
    remessas->DefineTransacao(transacao.get());
    valores->DefineTransacao(transacao.get());
  }
  void TearDown() override {
    remessas.reset();
    valores.reset();
    if (transacao->ativa()) transacao->rollback();
    transacao.reset();
    ComBancoRemessa::TearDown();
  }

  int Nova(const QString& nome) {
    EXPECT_TRUE(remessas->Acrescenta());
    remessas->DefineValor(QStringLiteral("TREM_NOME"), nome);
    EXPECT_TRUE(remessas->Grava());
    return remessas->Chave();
  }
  QString Nome() const { return remessas->Texto(QStringLiteral("TREM_NOME")); }

  std::unique_ptr<bd::Transacao> transacao;
  std::unique_ptr<TTabelaEditavel> remessas;
  std::unique_ptr<TTabelaEditavel> valores;
};

TEST_F(TabelaEditavel, AcrescentaGravaENavegaPelaOrdemDasChaves) {
  remessas->Abre();
  EXPECT_TRUE(remessas->Vazia());
  EXPECT_EQ(remessas->Posicao(), 0);
  ASSERT_TRUE(remessas->Acrescenta());
  EXPECT_EQ(remessas->GetEstado(), TTabelaEditavel::Estado::Inserindo);
  EXPECT_EQ(remessas->Posicao(), 1);
  EXPECT_EQ(remessas->Chave(), 0);
  remessas->DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Ana"));
  ASSERT_TRUE(remessas->Grava());
  // The key comes from the table's sequence when the row is stored.
  EXPECT_EQ(remessas->Chave(), 1);
  EXPECT_EQ(Nova("Bia"), 2);
  EXPECT_EQ(Nova("Caio"), 3);
  EXPECT_EQ(remessas->Quantidade(), 3);
  EXPECT_EQ(remessas->Posicao(), 3);

  ASSERT_TRUE(remessas->Primeiro());
  EXPECT_EQ(Nome(), "Ana");
  ASSERT_TRUE(remessas->Proximo());
  EXPECT_EQ(Nome(), "Bia");
  EXPECT_EQ(remessas->Posicao(), 2);
  ASSERT_TRUE(remessas->Ultimo());
  EXPECT_EQ(Nome(), "Caio");
  ASSERT_TRUE(remessas->Proximo());  // past the last it stays
  EXPECT_EQ(remessas->Posicao(), 3);
  ASSERT_TRUE(remessas->Localiza(1));
  EXPECT_EQ(Nome(), "Ana");
  EXPECT_FALSE(remessas->Localiza(99));
  EXPECT_EQ(Nome(), "Ana");

  // What another reader sees once committed.
  transacao->commit();
  EXPECT_EQ(Le(QStringLiteral("select list(trem_nome, ',') from (select trem_nome from tb_remessa order by trem_id)")),
            "Ana,Bia,Caio");
}

TEST_F(TabelaEditavel, LinhaComChavePropriaEntraEmSeuLugar) {
  Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_nome) values (10, 'Dez')"));
  Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_nome) values (30, 'Trinta')"));
  remessas->Abre();
  ASSERT_TRUE(remessas->Acrescenta());
  remessas->DefineValor(QStringLiteral("TREM_ID"), 20);
  remessas->DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Vinte"));
  ASSERT_TRUE(remessas->Grava());
  EXPECT_EQ(remessas->Chaves(), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(remessas->Posicao(), 2);
  // The sequence went past every stored key.
  EXPECT_EQ(Nova("Nova"), 31);
}

TEST_F(TabelaEditavel, EditarCancelarEExcluirMovemOCursorComoOEditor) {
  remessas->Abre();
  Nova("Ana");
  Nova("Bia");
  Nova("Caio");
  ASSERT_TRUE(remessas->Localiza(2));
  remessas->DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Beatriz"));
  EXPECT_EQ(remessas->GetEstado(), TTabelaEditavel::Estado::Editando);
  EXPECT_TRUE(remessas->Modificada());
  remessas->Cancela();
  EXPECT_EQ(Nome(), "Bia");

  // A move stores the pending edit first.
  remessas->DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Beatriz"));
  ASSERT_TRUE(remessas->Proximo());
  EXPECT_EQ(Nome(), "Caio");
  ASSERT_TRUE(remessas->Anterior());
  EXPECT_EQ(Nome(), "Beatriz");

  // An append given up goes back where the cursor stood.
  ASSERT_TRUE(remessas->Acrescenta());
  EXPECT_EQ(remessas->Posicao(), 4);
  remessas->Cancela();
  EXPECT_EQ(remessas->Posicao(), 2);
  EXPECT_EQ(remessas->Quantidade(), 3);

  remessas->Exclui();
  EXPECT_EQ(remessas->Quantidade(), 2);
  EXPECT_EQ(Nome(), "Caio");
  remessas->Exclui();
  EXPECT_EQ(Nome(), "Ana");
  remessas->Exclui();
  EXPECT_TRUE(remessas->Vazia());
  EXPECT_EQ(remessas->Posicao(), 0);
}

TEST_F(TabelaEditavel, UmaGravacaoRecusadaMantemALinhaEONaoMove) {
  remessas->Abre();
  Nova("Ana");
  Nova("Bia");
  bool recusa = true;
  int avisos = 0;
  remessas->antesDeGravar = [&] { return !recusa; };
  remessas->aposGravar = [&] { ++avisos; };
  remessas->DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Bianca"));
  EXPECT_FALSE(remessas->Primeiro());
  EXPECT_EQ(remessas->Posicao(), 2);
  EXPECT_EQ(Nome(), "Bianca");
  EXPECT_FALSE(remessas->Acrescenta());
  EXPECT_EQ(remessas->GetEstado(), TTabelaEditavel::Estado::Editando);
  recusa = false;
  EXPECT_TRUE(remessas->Primeiro());
  EXPECT_EQ(avisos, 1);
  EXPECT_EQ(Nome(), "Ana");
}

TEST_F(TabelaEditavel, ALinhaGravadaMostraOQueOBancoFezDela) {
  remessas->Abre();
  ASSERT_TRUE(remessas->Acrescenta());
  remessas->DefineValor(QStringLiteral("TREM_NI"), QStringLiteral("12345678909"));
  ASSERT_TRUE(remessas->Grava());
  // The trigger keeps a valid CPF as its base.
  EXPECT_EQ(remessas->Texto(QStringLiteral("TREM_NI")), "123456789");
}

TEST_F(TabelaEditavel, DetalheSegueOMestreELeSuasLinhasDeUmaVez) {
  Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_nome) values (1, 'Ana')"));
  Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_nome) values (2, 'Bia')"));
  Roda(QStringLiteral("insert into tb_valor_remessa (tvre_id, trem_id, tvre_vl_rendimento_pago) values (1, 1, 10)"));
  Roda(QStringLiteral("insert into tb_valor_remessa (tvre_id, trem_id, tvre_vl_rendimento_pago) values (2, 2, 20)"));
  Roda(QStringLiteral("insert into tb_valor_remessa (tvre_id, trem_id, tvre_vl_rendimento_pago) values (3, 1, 30)"));
  valores->DefineMestre(1);
  valores->Abre();
  EXPECT_EQ(valores->Chaves(), (std::vector<int>{1, 3}));
  EXPECT_EQ(valores->ValorEm(2, QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")).comoDezMilesimos(), 300000);
  valores->DefineMestre(2);
  EXPECT_EQ(valores->Chaves(), (std::vector<int>{2}));

  // A new line goes under the master and takes the next key.
  ASSERT_TRUE(valores->Acrescenta());
  EXPECT_EQ(valores->Valor(QStringLiteral("TREM_ID")).comoInteiro(), 2);
  valores->DefineValor(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO"), bd::DezMilesimos{12345});
  ASSERT_TRUE(valores->Grava());
  EXPECT_EQ(valores->Chave(), 4);
  EXPECT_EQ(valores->Chaves(), (std::vector<int>{2, 4}));
  EXPECT_EQ(valores->ValorEm(2, QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")).comoDezMilesimos(), 12345);
  valores->DefineMestre(0);
  EXPECT_TRUE(valores->Vazia());
}

}  // namespace
