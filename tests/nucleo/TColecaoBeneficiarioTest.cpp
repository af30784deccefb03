#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoBeneficiario.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Transacao.h"

namespace {

using namespace declaracao_teste;

// A beneficiary as the collection gives it: kind, number without check digits, name.
struct Benef {
  QString tipo;
  QString base;
  QString nome;
  bool operator<(const Benef& o) const { return std::tie(tipo, base) < std::tie(o.tipo, o.base); }
  bool operator==(const Benef& o) const { return tipo == o.tipo && base == o.base && nome == o.nome; }
};

void PrintTo(const Benef& b, std::ostream* os) {
  *os << b.tipo.toStdString() << '/' << b.base.toStdString() << '/' << b.nome.toStdString();
}

// A name of letters only, different for every number.
QString Nome(const QString& base) {
  QString letras;
  for (QChar c : base) letras += QChar(u'A' + (c.unicode() - u'0'));
  return QStringLiteral("Nome ") + letras;
}

Benef Pessoa(int base) {
  const QString b = QString::number(base).rightJustified(9, u'0');
  return {QStringLiteral("1"), b, Nome(b)};
}

Benef Empresa(qint64 base) {
  const QString b = QString::number(base).rightJustified(12, u'0');
  return {QStringLiteral("2"), b, Nome(b)};
}

Benef Lido(const TContribuinte& b) {
  return {QString::number(b.GetTipo()), b.GetBase(), b.GetNome().GetValor()};
}

class ColecaoBeneficiario : public ComDeclaracao {
 protected:
  // Stores lines (one per code given) and accumulated-income items straight into their tables,
  // through a connection of the test's own.
  void Insere(const std::vector<Benef>& linhas, const std::vector<Benef>& rra = {},
              const QStringList& codigos = {QStringLiteral("0561")}) {
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    bd::Consulta linha(t, QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, "
                                         "E_NR_PF_PJ, NM_NM_EMPR) VALUES (:K, 1, :C, :T, :N, :NOME)"));
    for (const Benef& b : linhas) {
      for (const QString& codigo : codigos) {
        linha.param(QStringLiteral("K"), ++m_chave);
        linha.param(QStringLiteral("C"), codigo);
        linha.param(QStringLiteral("T"), b.tipo);
        linha.param(QStringLiteral("N"), b.base);
        linha.param(QStringLiteral("NOME"), b.nome);
        linha.executa();
      }
    }
    bd::Consulta item(t, QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ) "
                                        "VALUES (:K, '1', :T, :N)"));
    bd::Procedimento nome(t, QStringLiteral("INCLUI_ATU_BENEFICIARIO"));
    for (const Benef& b : rra) {
      item.param(QStringLiteral("K"), ++m_chave);
      item.param(QStringLiteral("T"), b.tipo);
      item.param(QStringLiteral("N"), b.base);
      item.executa();
      NomeDe(nome, b);
    }
    t.commit();
  }

  // Keeps a name without any line or item, as the health plans do.
  void SoNome(const Benef& b) {
    bd::Conexao c(ArquivoBanco());
    c.conecta();
    bd::Transacao t(c);
    bd::Procedimento nome(t, QStringLiteral("INCLUI_ATU_BENEFICIARIO"));
    NomeDe(nome, b);
    t.commit();
  }

  static void NomeDe(bd::Procedimento& nome, const Benef& b) {
    nome.param(QStringLiteral("IN_PF_PJ"), b.tipo);
    nome.param(QStringLiteral("NR_PF_PJ"), b.base);
    nome.param(QStringLiteral("NM_NM_EMPR"), b.nome);
    nome.executa();
  }

  TColecaoBeneficiario& Colecao() {
    TColecaoBeneficiario& colecao = m_tolv.GetColecaoBeneficiario();
    colecao.SetModoLista(false);
    return colecao;
  }

  // Every beneficiary from the first on, then from the last back; no window holds more than
  // about a hundred rows.
  std::pair<std::vector<Benef>, std::vector<Benef>> Percorre(TColecaoBeneficiario& colecao) {
    TBeneficiarioTolv b(&m_tolv);
    std::vector<Benef> adiante, atras;
    if (colecao.CarregaPrimeiro(b)) return {};
    adiante.push_back(Lido(b));
    while (true) {
      colecao.CarregaProximo(b);
      EXPECT_LE(colecao.GetConsultaAtual()->quantidade(), 100);
      if (colecao.NoFim()) break;
      adiante.push_back(Lido(b));
    }
    colecao.CarregaUltimo(b);
    atras.push_back(Lido(b));
    while (true) {
      colecao.CarregaAnterior(b);
      EXPECT_LE(colecao.GetConsultaAtual()->quantidade(), 100);
      if (colecao.NoInicio()) break;
      atras.push_back(Lido(b));
    }
    std::reverse(atras.begin(), atras.end());
    return {adiante, atras};
  }

  int m_chave = 0;
};

TEST_F(ColecaoBeneficiario, AnEmptyDeclarationClearsTheBeneficiary) {
  TColecaoBeneficiario& colecao = Colecao();
  TBeneficiarioTolv b(&m_tolv);
  b.SetNi(QStringLiteral("12345678909"));
  b.GetNome().SetValor(QStringLiteral("Ana Souza"));
  EXPECT_TRUE(colecao.CarregaPrimeiro(b));
  EXPECT_TRUE(b.GetNiDigitos().isEmpty());
  EXPECT_TRUE(b.GetNome().GetValor().isEmpty());
  EXPECT_TRUE(colecao.NoInicio());
  EXPECT_TRUE(colecao.NoFim());
  EXPECT_EQ(colecao.GetTotalAtual(), 0);
  EXPECT_TRUE(colecao.CarregaUltimo(b));
  EXPECT_TRUE(colecao.PrimeiroRra(b));
  EXPECT_TRUE(colecao.GetNiLimite(true).isEmpty());
  EXPECT_TRUE(colecao.GetNiLimite(false).isEmpty());
}

TEST_F(ColecaoBeneficiario, WalksTheLinesBeneficiariesBothWaysAcrossWindows) {
  std::vector<Benef> linhas;
  for (int i = 0; i < 230; ++i) linhas.push_back(Pessoa(100000000 + 37 * i));
  for (int i = 0; i < 25; ++i) linhas.push_back(Empresa(110000000000LL + 1000 * i));
  std::vector<Benef> esperado = linhas;
  std::sort(esperado.begin(), esperado.end());
  std::shuffle(linhas.begin(), linhas.end(), std::mt19937(7));
  // Two codes for every beneficiary: each still comes once.
  Insere(linhas, {Pessoa(100000001)}, {QStringLiteral("0561"), QStringLiteral("0588")});
  SoNome(Pessoa(100000002));

  TColecaoBeneficiario& colecao = Colecao();
  const auto [adiante, atras] = Percorre(colecao);
  EXPECT_EQ(adiante, esperado);
  EXPECT_EQ(atras, esperado);
  // The count covers the numbers of the lines and of the accumulated-income items.
  EXPECT_EQ(colecao.GetTotalAtual(), 256);
}

TEST_F(ColecaoBeneficiario, SearchLoadsAStoredBeneficiaryAndGoesOnFromIt) {
  Insere({Pessoa(123123123), Pessoa(234234234), Pessoa(345345345)}, {Pessoa(150000000)});
  TColecaoBeneficiario& colecao = Colecao();

  TBeneficiarioTolv b(&m_tolv);
  b.SetNiPelaBase(QStringLiteral("234234234"));
  EXPECT_TRUE(colecao.Busca(b));
  EXPECT_EQ(Lido(b), Pessoa(234234234));
  EXPECT_FALSE(colecao.NoInicio());
  colecao.CarregaProximo(b);
  EXPECT_EQ(Lido(b), Pessoa(345345345));

  // Not stored (or known only from accumulated income): the name goes, the number stays.
  for (int base : {456456456, 150000000}) {
    b.SetNiPelaBase(QString::number(base));
    b.GetNome().SetValor(QStringLiteral("Ana Souza"));
    EXPECT_FALSE(colecao.Busca(b));
    EXPECT_EQ(b.GetBase(), QString::number(base));
    EXPECT_TRUE(b.GetNome().GetValor().isEmpty());
  }
  // The question of income is about the number asked for.
  EXPECT_TRUE(colecao.PossuiRendimentos());
  b.SetNiPelaBase(QStringLiteral("456456456"));
  colecao.Busca(b);
  EXPECT_FALSE(colecao.PossuiRendimentos());
}

TEST_F(ColecaoBeneficiario, PositioningPutsTheCursorOnTheBeneficiary) {
  std::vector<Benef> linhas;
  for (int i = 1; i <= 150; ++i) linhas.push_back(Pessoa(100000000 + i));
  Insere(linhas);
  TColecaoBeneficiario& colecao = Colecao();
  TBeneficiarioTolv b(&m_tolv);
  colecao.CarregaPrimeiro(b);

  b.SetNiPelaBase(QStringLiteral("100000120"));
  EXPECT_TRUE(colecao.Posiciona(b));
  EXPECT_EQ(Lido(b), Pessoa(100000120));
  colecao.CarregaProximo(b);
  EXPECT_EQ(Lido(b), Pessoa(100000121));
  colecao.CarregaAnterior(b);
  colecao.CarregaAnterior(b);
  EXPECT_EQ(Lido(b), Pessoa(100000119));

  // Not stored: the number gets its check digits and the name stays.
  TBeneficiarioTolv outro(&m_tolv);
  outro.SetNiComErro(QStringLiteral("987654321"));
  outro.GetNome().SetValor(QStringLiteral("Fulano de Tal"));
  EXPECT_FALSE(colecao.Posiciona(outro));
  EXPECT_EQ(outro.GetNiDigitos(), QStringLiteral("98765432100"));
  EXPECT_EQ(outro.GetNome().GetValor(), u"Fulano de Tal");
}

TEST_F(ColecaoBeneficiario, TheCombinedOrderTakesInAccumulatedIncome) {
  std::vector<Benef> linhas, rra;
  for (int i = 0; i < 80; ++i) linhas.push_back(Pessoa(200000000 + 2 * i));
  for (int i = 0; i < 70; ++i) rra.push_back(Pessoa(200000001 + 2 * i));
  rra.push_back(Pessoa(200000000));  // also a beneficiary of lines
  linhas.push_back(Empresa(123456780001LL));
  Insere(linhas, rra);
  SoNome(Pessoa(300000000));
  std::vector<Benef> esperado = linhas;
  esperado.insert(esperado.end(), rra.begin(), rra.end() - 1);
  std::sort(esperado.begin(), esperado.end());

  TColecaoBeneficiario& colecao = Colecao();
  TBeneficiarioTolv b(&m_tolv);
  std::vector<Benef> adiante;
  EXPECT_FALSE(colecao.PrimeiroRra(b));
  adiante.push_back(Lido(b));
  for (colecao.ProximoRra(b); !colecao.NoFim(); colecao.ProximoRra(b)) adiante.push_back(Lido(b));
  EXPECT_EQ(adiante, esperado);

  std::vector<Benef> atras;
  colecao.UltimoRra(b);
  atras.push_back(Lido(b));
  for (colecao.AnteriorRra(b); !colecao.NoInicio(); colecao.AnteriorRra(b)) {
    EXPECT_LE(colecao.GetConsultaAtual()->quantidade(), 100);
    atras.push_back(Lido(b));
  }
  std::reverse(atras.begin(), atras.end());
  EXPECT_EQ(atras, esperado);

  EXPECT_EQ(colecao.Reconta(), int(esperado.size()));
  EXPECT_EQ(colecao.GetNiLimite(true), u"200000000");
  EXPECT_EQ(colecao.GetNiLimite(false), u"123456780001");

  // From a typed number: the beneficiary itself when it exists, else the next one.
  b.SetNiPelaBase(QStringLiteral("200000003"));
  colecao.LocalizaRra(b);
  EXPECT_EQ(Lido(b), Pessoa(200000003));
  EXPECT_TRUE(colecao.PossuiRendimentos());
  b.SetNiPelaBase(QStringLiteral("250000000"));
  colecao.LocalizaRra(b);
  EXPECT_EQ(Lido(b), Empresa(123456780001LL));
  colecao.GetBeneficiarioAtual().SetNiPelaBase(QStringLiteral("300000000"));
  EXPECT_FALSE(colecao.PossuiRendimentos());  // a name without income
}

TEST_F(ColecaoBeneficiario, LocatingTheLowestNumberStartsBelowIt) {
  Insere({Pessoa(1), Pessoa(5)});
  TColecaoBeneficiario& colecao = Colecao();
  TBeneficiarioTolv b(&m_tolv);
  b.SetNiPelaBaseComErro(QStringLiteral("000000001"));
  colecao.LocalizaRra(b);
  EXPECT_EQ(Lido(b), Pessoa(1));
  colecao.ProximoRra(b);
  EXPECT_EQ(Lido(b), Pessoa(5));
}

TEST_F(ColecaoBeneficiario, ListModeReadsEveryBeneficiaryByNumberOrByName) {
  const Benef ze{QStringLiteral("1"), QStringLiteral("900000000"), QStringLiteral("Abel Zuma")};
  const Benef ana{QStringLiteral("1"), QStringLiteral("100000000"), QStringLiteral("Bruna Lima")};
  const Benef firma{QStringLiteral("2"), QStringLiteral("100000000001"), QStringLiteral("Aaa Comercio Ltda")};
  Insere({ze, ana, firma}, {Pessoa(500000000)});

  TColecaoBeneficiario& colecao = m_tolv.GetColecaoBeneficiario();
  for (const auto& [ordem, esperado] : {std::pair{TColecaoBeneficiario::kPorNumero, std::vector{ana, ze, firma}},
                                        std::pair{TColecaoBeneficiario::kPorNome, std::vector{firma, ze, ana}}}) {
    colecao.SetOrdem(ordem);
    colecao.SetModoLista(true);
    TBeneficiarioTolv b(&m_tolv);
    std::vector<Benef> lidos;
    colecao.CarregaPrimeiro(b);
    lidos.push_back(Lido(b));
    for (colecao.CarregaProximo(b); !colecao.NoFim(); colecao.CarregaProximo(b)) lidos.push_back(Lido(b));
    EXPECT_EQ(lidos, esperado);
  }
}

TEST_F(ColecaoBeneficiario, BadStoredValuesAreListedAndStillLoaded) {
  Insere({Benef{QStringLiteral("1"), QStringLiteral("123456789"), QStringLiteral("J@ao")}});
  TErros erros;
  m_tolv.SetErros(&erros);
  TColecaoBeneficiario& colecao = Colecao();
  TBeneficiarioTolv b(&m_tolv);
  EXPECT_NO_THROW(colecao.CarregaPrimeiro(b));
  EXPECT_EQ(b.GetNome().GetValor(), u"J@ao");
  EXPECT_EQ(b.GetNiDigitos(), QStringLiteral("12345678909"));
  EXPECT_GE(erros.GetQuantidade(), 1);
  m_tolv.SetErros(nullptr);
}

TEST_F(ColecaoBeneficiario, TheDeclarationKeepsOneCollection) {
  Insere({Pessoa(123456789)});
  TColecaoBeneficiario& primeira = m_tolv.GetColecaoBeneficiario();
  EXPECT_EQ(&primeira, &m_tolv.GetColecaoBeneficiario());
  primeira.SetModoLista(false);
  TBeneficiarioTolv b(&m_tolv);
  EXPECT_FALSE(primeira.CarregaPrimeiro(b));
  EXPECT_EQ(Lido(b), Pessoa(123456789));
  // Freed with the declaration's other collections; the next one starts afresh.
  m_tolv.LiberaItens();
  TColecaoBeneficiario& segunda = m_tolv.GetColecaoBeneficiario();
  segunda.SetModoLista(false);
  EXPECT_TRUE(segunda.Busca(b));
}

// What the writers of lines and names rely on in the declaration's database.
TEST_F(ColecaoBeneficiario, NamesFollowTheLinesAndAreNeverEmptied) {
  Insere({Benef{QStringLiteral("1"), QStringLiteral("123456789"), QStringLiteral("José Ávila")}},
         {Benef{QStringLiteral("1"), QStringLiteral("222222222"), QString()}});
  bd::Conexao c(ArquivoBanco());
  c.conecta();
  bd::Transacao t(c);
  auto nome = [&t](const char* numero) {
    bd::Consulta q(t, QStringLiteral("SELECT NM_NM_EMPR, NM_NM_EMPR_CV FROM BENEFICIARIOS WHERE IN_PF_PJ = '1' AND "
                                     "NR_PF_PJ = :N"));
    q.param(QStringLiteral("N"), QString::fromLatin1(numero));
    q.abre();
    if (q.vazia()) return QStringList{};
    return QStringList{q.campo(1).texto(), q.campo(2).texto()};
  };
  EXPECT_EQ(nome("123456789"), (QStringList{QStringLiteral("José Ávila"), QStringLiteral("JOSE AVILA")}));
  // An item of accumulated income without a name still has its row.
  EXPECT_EQ(nome("222222222"), (QStringList{QString(), QString()}));

  bd::Consulta renomeia(t, QStringLiteral("UPDATE TOLV_ITENS SET NM_NM_EMPR = :NOME"));
  renomeia.param(QStringLiteral("NOME"), QStringLiteral("Ana Cecília Luz"));
  renomeia.executa();
  EXPECT_EQ(nome("123456789"), (QStringList{QStringLiteral("Ana Cecília Luz"), QStringLiteral("ANA CECILIA LUZ")}));

  bd::Procedimento escreve(t, QStringLiteral("INCLUI_ATU_BENEFICIARIO"));
  NomeDe(escreve, Benef{QStringLiteral("1"), QStringLiteral("123456789"), QStringLiteral("  ")});
  EXPECT_EQ(nome("123456789").value(0), u"Ana Cecília Luz");

  // A number whose lines are gone keeps its name but is no longer browsed.
  bd::Consulta apaga(t, QStringLiteral("DELETE FROM TOLV_ITENS"));
  apaga.executa();
  t.commit();
  EXPECT_EQ(nome("123456789").value(0), u"Ana Cecília Luz");
  TBeneficiarioTolv b(&m_tolv);
  Colecao();
  EXPECT_FALSE(m_tolv.GetColecaoBeneficiario().CarregaPrimeiro(b));  // the accumulated-income item counts
  EXPECT_TRUE(b.GetNiDigitos().isEmpty());
}

}  // namespace
