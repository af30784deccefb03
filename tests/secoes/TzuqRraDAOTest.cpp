#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SecoesTeste.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/Erros.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/TRraTipoFactory.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"

namespace {

using secoes_teste::ComDeclaracaoAberta;

const QString kCpf = QStringLiteral("52998224725");
const QString kCnpjAdvogado = QStringLiteral("11222333000181");

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

// The seven stored series of an item, in the order of their columns.
TMonetario& Serie(TzuqRra& item, int serie, int mes) {
  TValoresRra& v = item.GetValores();
  switch (serie) {
    case 0: return v.GetRendimento(mes);
    case 1: return v.GetRetido(mes);
    case 2: return v.GetDeducaoPO(mes);
    case 3: return v.GetDeducaoPA(mes);
    case 4: return v.GetMolestia(mes);
    case 5: return v.GetCustas(mes);
    default: return v.GetMeses(mes);
  }
}

// A different amount in every column; the months keep two decimals.
Valor ValorDoCampo(int serie, int mes) {
  return serie == 6 ? Valor::deDezMilesimos(mes * 10000 + 1500) : Valor::deDezMilesimos((serie * 12 + mes) * 10000 + 2500);
}

class RraDAO : public ComDeclaracaoAberta {
 protected:
  void TearDown() override {
    TzuqRra::DefineVerificacaoEmCurso(false);
    ComDeclaracaoAberta::TearDown();
  }
  std::unique_ptr<TzuqRra> Item(uint8_t tipo, const QString& cpf = kCpf) {
    auto item = TRraTipoFactory::CriaRra(m_tolv, tipo);
    item->GetBeneficiario().SetNi(cpf);
    item->GetBeneficiario().GetNome().SetValor(QStringLiteral("JOSE DA SILVA"));
    item->GetValores().GetRendimento(1).SetValorMonetario(V("100"));
    return item;
  }
  TzuqRraDAO& Dao() { return TzuqRraDAO::DaDeclaracao(m_tolv); }
};

TEST_F(RraDAO, EveryColumnRoundTrips) {
  auto item = Item(2);
  item->GetNatureza().SetValor(QStringLiteral("Diferenças salariais"));
  item->GetProcesso().SetValor(QStringLiteral("00012345620135010001"));
  item->GetAdvogado().SetNi(kCnpjAdvogado);
  item->GetAdvogado().GetNome().SetValor(QStringLiteral("SOUZA ADVOGADOS"));
  item->GetInMolestia().SetValor(QStringLiteral("S"));
  item->GetDataLaudo().SetValor(QStringLiteral("15/05/2013"));
  for (int s = 0; s < 7; ++s)
    for (int m = 1; m <= 12; ++m) Serie(*item, s, m).SetValorMonetario(ValorDoCampo(s, m));
  Dao().Salva(*item);
  ASSERT_GT(item->GetId(), 0);
  EXPECT_FALSE(item->GetValores().GetModificado());
  EXPECT_FALSE(item->GetBeneficiario().GetModificado());
  EXPECT_FALSE(item->GetAdvogado().GetModificado());
  EXPECT_EQ(Le("SELECT IN_TIPO_RRA || IN_PF_PJ || NR_PF_PJ || '|' || IN_PF_PJ_ADVOGADO || NR_ADVOGADO || '|' || "
               "IN_MOLESTIA || DATA_LAUDO FROM RRA_ITEM"),
            "21529982247|2112223330001|S2013-05-15");
  EXPECT_EQ(Le("SELECT NM_NM_EMPR FROM BENEFICIARIOS WHERE IN_PF_PJ = '2' AND NR_PF_PJ = '112223330001'"),
            "SOUZA ADVOGADOS");
  EXPECT_EQ(Le("SELECT QTDE_MESES_DEZ FROM RRA_ITEM"), "12,15");

  auto lido = TRraTipoFactory::CriaRra(m_tolv, 1);
  lido->SetId(item->GetId());
  Dao().Busca(*lido);
  EXPECT_EQ(lido->GetId(), item->GetId());
  EXPECT_EQ(lido->GetTipo(), 2);
  EXPECT_FALSE(lido->GetProcesso().GetOpcional());
  EXPECT_EQ(lido->GetBeneficiario().GetNiDigitos(), kCpf);
  EXPECT_EQ(lido->GetBeneficiario().GetNome().GetValor(), "JOSE DA SILVA");
  EXPECT_EQ(lido->GetNatureza().GetValor(), "Diferenças salariais");
  EXPECT_EQ(lido->GetProcesso().GetValor(), "00012345620135010001");
  EXPECT_EQ(lido->GetAdvogado().GetNiDigitos(), kCnpjAdvogado);
  EXPECT_EQ(lido->GetAdvogado().GetNome().GetValor(), "SOUZA ADVOGADOS");
  EXPECT_EQ(lido->GetInMolestia().GetValor(), "S");
  EXPECT_EQ(lido->GetDataLaudo().GetValor(), "15/05/2013");
  for (int s = 0; s < 7; ++s)
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(Serie(*lido, s, m).GetValorMonetario(), ValorDoCampo(s, m)) << s << "/" << m;
  EXPECT_EQ(lido->GetValores().GetMeses(12).GetFormatado(), "12,2");
  EXPECT_FALSE(lido->GetValores().GetModificado());
  EXPECT_FALSE(lido->GetNatureza().GetModificado());

  // Saved again it rewrites its own row.
  lido->GetValores().GetRendimento(1).SetValorMonetario(V("1"));
  Dao().Salva(*lido);
  EXPECT_EQ(lido->GetId(), item->GetId());
  EXPECT_EQ(Le("SELECT COUNT(*) || '|' || VL_RENDIME_JAN FROM RRA_ITEM GROUP BY VL_RENDIME_JAN"), "1|1.0000");
}

TEST_F(RraDAO, EmptyFieldsAreStoredAsNullsAndTheEmptyDate) {
  auto item = Item(1);
  item->GetInMolestia().Limpa();
  Dao().Salva(*item);
  EXPECT_EQ(Le("SELECT COALESCE(NATUREZA, 'nulo') || COALESCE(RRA_PROCESSO, 'nulo') || "
               "COALESCE(IN_PF_PJ_ADVOGADO, 'nulo') || COALESCE(NR_ADVOGADO, 'nulo') || IN_MOLESTIA || DATA_LAUDO "
               "FROM RRA_ITEM"),
            "nulonulonulonuloN1899-12-30");
  auto lido = TRraTipoFactory::CriaRra(m_tolv, 1);
  lido->SetId(item->GetId());
  Dao().Busca(*lido);
  EXPECT_TRUE(lido->GetNatureza().GetValor().isEmpty());
  EXPECT_TRUE(lido->GetProcesso().GetValor().isEmpty());
  EXPECT_TRUE(lido->GetAdvogado().GetNiDigitos().isEmpty());
  EXPECT_EQ(lido->GetInMolestia().GetValor(), "N");
  EXPECT_EQ(lido->GetDataLaudo().GetValor(), "30/12/1899");

  // An unknown key clears the item and keeps its type.
  lido->SetId(9999);
  Dao().Busca(*lido);
  EXPECT_EQ(lido->GetId(), 0);
  EXPECT_EQ(lido->GetTipo(), 1);
  EXPECT_TRUE(lido->GetBeneficiario().GetNiDigitos().isEmpty());
}

TEST_F(RraDAO, ABeneficiaryWhoIsHisOwnLawyerLendsHimHisName) {
  auto item = Item(2);
  item->GetProcesso().SetValor(QStringLiteral("123"));
  item->GetAdvogado().SetNi(kCpf);
  item->GetAdvogado().GetNome().SetValor(QStringLiteral("OUTRO NOME"));
  Dao().Salva(*item);
  EXPECT_EQ(item->GetAdvogado().GetNome().GetValor(), "JOSE DA SILVA");
  EXPECT_EQ(Le("SELECT IN_PF_PJ_ADVOGADO || NR_ADVOGADO FROM RRA_ITEM"), "1529982247");
  EXPECT_EQ(Le("SELECT NM_NM_EMPR FROM BENEFICIARIOS WHERE NR_PF_PJ = '529982247'"), "JOSE DA SILVA");
}

TEST_F(RraDAO, AnEquivalentItemIsOneOfTheSameTypeBeneficiaryNatureProcessAndLawyer) {
  auto primeiro = Item(2);
  primeiro->GetProcesso().SetValor(QStringLiteral("123"));
  primeiro->GetAdvogado().SetNi(kCnpjAdvogado);
  Dao().Salva(*primeiro);
  EXPECT_FALSE(Dao().JaExiste(*primeiro));

  auto outro = Item(2);
  outro->GetProcesso().SetValor(QStringLiteral("123"));
  outro->GetAdvogado().SetNi(kCnpjAdvogado);
  EXPECT_TRUE(Dao().JaExiste(*outro));
  outro->GetAdvogado().Limpar();
  EXPECT_FALSE(Dao().JaExiste(*outro));
  outro->GetAdvogado().SetNi(kCnpjAdvogado);
  outro->GetNatureza().SetValor(QStringLiteral("Aposentadoria"));
  EXPECT_FALSE(Dao().JaExiste(*outro));
  auto deOutroTipo = Item(1);
  deOutroTipo->GetProcesso().SetValor(QStringLiteral("123"));
  deOutroTipo->GetAdvogado().SetNi(kCnpjAdvogado);
  EXPECT_FALSE(Dao().JaExiste(*deOutroTipo));

  // Read-committed: an item another connection committed meanwhile counts at once.
  Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) VALUES "
                      "(900, '1', '529982247', 'Aposentadoria');"));
  auto igual = Item(1);
  igual->GetNatureza().SetValor(QStringLiteral("Aposentadoria"));
  EXPECT_TRUE(Dao().JaExiste(*igual));
}

TEST_F(RraDAO, CountsAndPlacesFollowTheBrowsingAcrossWindows) {
  auto item = Item(1);
  EXPECT_EQ(Dao().QuantidadeRegistros(*item), 0);
  EXPECT_FALSE(Dao().ExisteRegistro());
  item->SetId(0);
  Dao().BuscaUltimo(*item);
  EXPECT_EQ(item->GetId(), 0);
  EXPECT_EQ(item->GetBeneficiario().GetNiDigitos(), kCpf);

  // 230 items of the declarant and a few by court order between them.
  std::vector<int> chaves;
  for (int i = 0; i < 230; ++i) {
    auto novo = Item(1);
    novo->GetNatureza().SetValor(QStringLiteral("Item numero ") + QString::number(i));
    Dao().Salva(*novo);
    chaves.push_back(novo->GetId());
    EXPECT_EQ(Dao().PosicaoAtual(*novo), i + 1);
    if (i % 100 == 50) Dao().Salva(*Item(2));
  }
  EXPECT_EQ(Dao().QuantidadeRegistros(*item), 230);
  EXPECT_EQ(Dao().QuantidadeRegistros(*Item(2)), 2);
  EXPECT_TRUE(Dao().ExisteRegistro());

  auto cursor = Item(1);
  Dao().BuscaPrimeiro(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves[0]);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 1);
  for (int i = 1; i < 230; ++i) {
    Dao().BuscaProximo(*cursor);
    ASSERT_EQ(cursor->GetId(), chaves[size_t(i)]) << i;
    ASSERT_EQ(Dao().PosicaoAtual(*cursor), i + 1);
    ASSERT_EQ(cursor->GetNatureza().GetValor(), QStringLiteral("Item numero ") + QString::number(i));
  }
  Dao().BuscaProximo(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves.back());
  for (int i = 228; i >= 0; --i) {
    Dao().BuscaAnterior(*cursor);
    ASSERT_EQ(cursor->GetId(), chaves[size_t(i)]) << i;
    ASSERT_EQ(Dao().PosicaoAtual(*cursor), i + 1);
  }
  Dao().BuscaUltimo(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves.back());
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 230);

  // A jump by key is counted once; the moves from it carry the place along.
  cursor->SetId(chaves[150]);
  Dao().Busca(*cursor);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 151);
  Dao().BuscaAnterior(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves[149]);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 150);
  Dao().BuscaProximo(*cursor);
  Dao().BuscaProximo(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves[151]);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 152);

  // A saved item keeps its place; deleting the last one makes the previous one last.
  cursor->GetValores().GetRetido(2).SetValorMonetario(V("1"));
  Dao().Salva(*cursor);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 152);
  Dao().BuscaProximo(*cursor);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 153);
  cursor->SetId(chaves.back());
  Dao().Busca(*cursor);
  Dao().Exclui(*cursor);
  EXPECT_EQ(Le("SELECT COUNT(*) FROM RRA_ITEM WHERE RRA_ITEM_ID = " + QString::number(chaves.back())), "0");
  cursor->Limpar();
  Dao().BuscaUltimo(*cursor);
  EXPECT_EQ(cursor->GetId(), chaves[228]);
  EXPECT_EQ(Dao().QuantidadeRegistros(*cursor), 229);
  EXPECT_EQ(Dao().PosicaoAtual(*cursor), 229);

  // The other type is browsed on its own.
  auto justica = Item(2);
  Dao().BuscaPrimeiro(*justica);
  EXPECT_EQ(Dao().PosicaoAtual(*justica), 1);
  Dao().BuscaProximo(*justica);
  EXPECT_EQ(Dao().PosicaoAtual(*justica), 2);
  Dao().BuscaProximo(*justica);
  EXPECT_EQ(Dao().PosicaoAtual(*justica), 2);
  EXPECT_EQ(justica->GetTipo(), 2);
}

// A stored item that breaks its rules loads whole: saving it again writes back what was read.
TEST_F(RraDAO, AStoredItemThatBreaksItsRulesLoadsWhole) {
  Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, RRA_PROCESSO, NR_ADVOGADO, "
                      "IN_PF_PJ_ADVOGADO, VL_RENDIME_MAR, QTDE_MESES_MAR, VL_CUSTAS_DEZ) VALUES (5, '2', '111111111', "
                      "'1234', 'ABC-1', '123', '1', 10, 2.55, 3);"
                      "UPDATE BENEFICIARIOS SET NM_NM_EMPR = 'JOAO 2' WHERE NR_PF_PJ = '111111111';"));
  TErros achados;
  auto item = Item(2);
  item->SetErros(&achados);
  item->SetId(5);
  Dao().Busca(*item);
  item->SetErros(nullptr);
  EXPECT_EQ(item->GetBeneficiario().GetNiDigitos(), "11111111111");
  EXPECT_EQ(item->GetBeneficiario().GetNome().GetValor(), "JOAO 2");
  EXPECT_EQ(item->GetNatureza().GetValor(), "1234");
  EXPECT_EQ(item->GetProcesso().GetValor(), "ABC-1");
  EXPECT_EQ(item->GetAdvogado().GetNiDigitos(), "123");
  EXPECT_EQ(item->GetValores().GetRendimento(3).GetValorMonetario(), V("10"));
  EXPECT_EQ(item->GetValores().GetMeses(3).GetValorMonetario(), V("2,55"));
  EXPECT_EQ(item->GetValores().GetCustas(12).GetValorMonetario(), V("3"));
  EXPECT_GE(achados.GetQuantidade(), 2);

  TErros erros;
  item->VerificaItem(erros);
  EXPECT_TRUE(erros.ContemCodigo(35));
  EXPECT_TRUE(erros.ContemCodigo(279));
  EXPECT_TRUE(erros.ContemCodigo(173));

  Dao().Salva(*item);
  EXPECT_EQ(Le("SELECT NATUREZA || RRA_PROCESSO || VL_RENDIME_MAR || QTDE_MESES_MAR || VL_CUSTAS_DEZ FROM RRA_ITEM"),
            "1234ABC-110.00002.55003.0000");
}

TEST_F(RraDAO, ASaveThatCouldNotRunKeepsTheItemChanged) {
  auto item = Item(1);
  FalhaBancoIndice = true;
  auto codigo = [](auto&& chamada) {
    try {
      chamada();
    } catch (const EColecaoError& e) {
      return int(e.Codigo());
    }
    return 0;
  };
  EXPECT_EQ(codigo([&] { Dao().Salva(*item); }), 96);
  EXPECT_EQ(item->GetId(), 0);
  EXPECT_TRUE(item->GetValores().GetModificado());
  EXPECT_TRUE(item->GetBeneficiario().GetModificado());
  EXPECT_EQ(codigo([&] { Dao().JaExiste(*item); }), 97);
  EXPECT_EQ(codigo([&] { Dao().QuantidadeRegistros(*item); }), 97);
  FalhaBancoIndice = false;
  EXPECT_EQ(Le("SELECT COUNT(*) FROM RRA_ITEM"), "0");
  Dao().Salva(*item);
  EXPECT_GT(item->GetId(), 0);
}

TEST_F(RraDAO, AReportDateThatIsNotADateIsRefusedBeforeWriting) {
  auto item = Item(1);
  item->GetDataLaudo().SetValor(QStringLiteral("31/02/2013"));
  EXPECT_THROW(Dao().Salva(*item), EDataInvalida);
  EXPECT_EQ(Le("SELECT COUNT(*) FROM RRA_ITEM"), "0");
}

// The object lives with the open declaration and ends its transaction when the declaration's
// collections go, before the connection may move.
TEST_F(RraDAO, TheObjectLivesAndEndsWithTheDeclaration) {
  TzuqRraDAO& dao = Dao();
  EXPECT_EQ(&Dao(), &dao);
  auto item = Item(1);
  dao.JaExiste(*item);  // leaves its read transaction active

  bd::Conexao& conexao = *TColecao::GetBancoDeclaracao();
  auto transacoes = [&] {
    bd::Transacao tr(conexao);
    bd::Consulta q(tr, QStringLiteral("SELECT COUNT(*) FROM MON$TRANSACTIONS WHERE MON$ATTACHMENT_ID = "
                                      "CURRENT_CONNECTION"));
    q.abre();
    const int n = q.campo(1).inteiro();
    tr.commit();
    return n;
  };
  const int antes = transacoes();
  m_tolv.LiberaItens();
  EXPECT_EQ(transacoes(), antes - 1);
  EXPECT_EQ(m_tolv.GetColecaoSecao(1), nullptr);
}

}  // namespace
