#include <gtest/gtest.h>

#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

#include "LinhasTeste.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoBeneficiario.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

using namespace linhas_teste;
using R = TRendimentosTributaveis;

const char* const kMeses[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};

// Thirteen columns of a series, named as the tables name them.
QStringList Colunas(const char* prefixo) {
  QStringList c;
  for (const char* mes : kMeses) c << QString::fromLatin1(prefixo) + QString::fromLatin1(mes);
  return c;
}

// A distinct amount for a line and a column, with four decimals, as SQL text.
QString Quantia(int linha, int coluna) {
  const int64_t v = int64_t(linha) * 10'000'000 + int64_t(coluna) * 1'001 + 7;
  return QStringLiteral("%1.%2").arg(v / 10000).arg(v % 10000, 4, 10, QLatin1Char('0'));
}

// One stored line of the fixture, written straight into the tables, amounts the code may not admit
// included: the walk applies the reading rules.
struct Fixa {
  int chave;
  int fonte;
  const char* codigo;
  const char* tipo;
  const char* numero;  // without check digits
  const char* nome;
  const char* molestia;
  const char* laudo;  // SQL date, or null
  bool judicial;
  bool isento;
  const char* processo = "";
};

const Fixa kLinhas[] = {
    {1, 1, "0561", "1", "111444777", "JOSÉ DA SILVA", "S", "'2013-07-15'", true, true},
    {2, 1, "0588", "1", "111444777", "JOSÉ DA SILVA", "N", "NULL", true, false},
    {3, 1, "3208", "1", "529982247", "MARIA D'ÁVILA", "S", "'1899-12-30'", true, true},
    {4, 1, "5936", "2", "112223330001", "EMPRESA ÚNICA LTDA", "N", "NULL", true, true},
    {5, 1, "1708", "2", "112223330001", "EMPRESA ÚNICA LTDA", "N", "NULL", false, true},
    {6, 1, "3533", "1", "390533447", "ANA SOUZA", "N", "'2013-01-02'", false, false},
    {7, 1, "0561", "1", "390533447", "ANA SOUZA", "S", "NULL", false, true},
    {8, 1, "0561", "2", "443332220001", "OUTRA EMPRESA SA", "S", "NULL", true, false},
    {9, 1, "5936", "3", "00012345620135010001", "PROCESSO TRABALHISTA", "N", "NULL", true, true, "0001234"},
    {10, 1, "0588", "1", "123456789", "ÇÃO ÑANDU", "N", "NULL", false, false},
    {11, 1, "3208", "1", "987654321", "PEDRO ALVES", "N", "NULL", true, false},
    {12, 1, "0561", "1", "123456789", "ÇÃO ÑANDU", "N", "'2013-12-31'", true, true},
    {13, 2, "6800", "1", "111444777", "JOSÉ DA SILVA", "N", "NULL", true, true},
    {14, 2, "6800", "2", "112223330001", "EMPRESA ÚNICA LTDA", "S", "NULL", false, true},
    {15, 2, "6800", "1", "529982247", "MARIA D'ÁVILA", "N", "NULL", true, false},
};

QString Insercoes() {
  QStringList itens = {"TOLV_ITEM_DK", "E_FONTE_DK", "TRIB_TRIBU", "E_IN_PF_PJ", "E_NR_PF_PJ"};
  for (const char* p : {"VL_RENDIME_", "VL_DEDUCAO_", "VL_DEDUCAO_PO_", "VL_DEDUCAO_PP_", "VL_DEDUCAO_DP_", "VL_DEDUCAO_PA_",
                        "VL_RETIDO_", "VL_MOLESTIA_"})
    itens << Colunas(p);
  itens << QStringList{"NM_NM_EMPR", "E_PROCESSO", "E_VARA", "E_MUNICIPIO", "IN_MOLESTIA", "DATA_LAUDO", "TEM_SUBJUDICE",
                       "TEM_ISENTO"};
  QStringList judiciais = {"E_TOLV_ITEM_DK"};
  for (const char* p : {"VL_RENDIME_", "VL_DEDUCAO_", "VL_DEDUCAO_PO_", "VL_DEDUCAO_PP_", "VL_DEDUCAO_DP_", "VL_DEDUCAO_PA_",
                        "VL_RETIDO_", "VL_DEPOSITO_", "VL_ANOATUAL_", "VL_ANOANTERIOR_"})
    judiciais << Colunas(p);
  QStringList isentos = {"E_TOLV_ITEM_DK"};
  for (const char* p : {"VL_RIP65_", "VL_BOLSA_", "VL_DAC_", "VL_PDV_", "VL_AP_", "VL_COPA_"}) isentos << Colunas(p);
  isentos << QStringList{"VL_ANUAL_OUTRO", "VL_ANUAL_DESCOUTRO", "VL_ANUAL_LUCDIV", "VL_ANUAL_TITSOC"};

  QString sql;
  for (const Fixa& f : kLinhas) {
    QStringList v = {QString::number(f.chave), QString::number(f.fonte), QStringLiteral("'%1'").arg(QString::fromLatin1(f.codigo)),
                     QStringLiteral("'%1'").arg(QString::fromLatin1(f.tipo)),
                     QStringLiteral("'%1'").arg(QString::fromLatin1(f.numero))};
    for (int c = 0; c < 104; ++c) v << Quantia(f.chave, c);
    v << QStringLiteral("'%1'").arg(QString::fromUtf8(f.nome).replace(u'\'', QStringLiteral("''")))
      << QStringLiteral("'%1'").arg(QString::fromLatin1(f.processo)) << QStringLiteral("'VARA %1'").arg(f.chave)
      << QStringLiteral("'MUNICÍPIO %1'").arg(f.chave) << QStringLiteral("'%1'").arg(QString::fromLatin1(f.molestia))
      << QString::fromLatin1(f.laudo) << (f.judicial ? QStringLiteral("1") : QStringLiteral("0"))
      << (f.isento ? QStringLiteral("1") : QStringLiteral("0"));
    sql += QStringLiteral("INSERT INTO TOLV_ITENS (%1) VALUES (%2);\n").arg(itens.join(u','), v.join(u','));
    if (f.judicial) {
      QStringList j = {QString::number(f.chave)};
      for (int c = 0; c < 130; ++c) j << Quantia(f.chave, 200 + c);
      sql += QStringLiteral("INSERT INTO JUDICIAIS (%1) VALUES (%2);\n").arg(judiciais.join(u','), j.join(u','));
    }
    if (f.isento) {
      QStringList s = {QString::number(f.chave)};
      for (int c = 0; c < 78; ++c) s << Quantia(f.chave, 400 + c);
      s << Quantia(f.chave, 480) << QStringLiteral("'Prêmio nº %1'").arg(f.chave) << Quantia(f.chave, 481)
        << Quantia(f.chave, 482);
      sql += QStringLiteral("INSERT INTO ISENTOS (%1) VALUES (%2);\n").arg(isentos.join(u','), s.join(u','));
    }
  }
  return sql + QStringLiteral("ALTER SEQUENCE GEN_TOLV_ITEM_DK RESTART WITH 100;");
}

// FNV-1a over everything a reader of a line sees.
class Soma {
 public:
  void Junta(int64_t v) {
    for (int i = 0; i < 8; ++i) Byte(uint8_t(uint64_t(v) >> (8 * i)));
  }
  void Junta(const QString& t) {
    for (QChar c : t) Junta(int64_t(c.unicode()));
    Junta(int64_t(-1));
  }
  void Junta(TTolvItem& l) {
    Junta(l.GetTolvItemDK());
    Junta(l.GetIndicadorAnexo());
    Junta(l.GetCodigoRetencao().GetCodigo());
    Junta(l.GetBeneficiario().GetNiDigitos());
    Junta(l.GetBeneficiario().GetNome().GetValor());
    Junta(l.GetProcesso().GetValor());
    Junta(l.GetVara().GetValor());
    Junta(l.GetMunicipio().GetValor());
    Junta(l.GetInMolestia().GetValor());
    Junta(l.GetDataLaudo().GetValor());
    Junta(int64_t(l.GetDeducaoEspecializada()));
    auto serie = [this](const TSerieMensal& s) {
      for (int m = 1; m <= TSerieMensal::kMeses; ++m) Junta(s.Mes(m).GetValorInterno().dezMilesimos());
    };
    for (int s = 0; s < R::kSeries; ++s) {
      serie(l.GetTributaveis().GetSerie(R::Serie(s)));
      serie(l.GetSubJudice().GetSerie(R::Serie(s)));
    }
    serie(l.GetSubJudice().GetDepositos());
    serie(l.GetCompensacao().GetSerieAnoAtual());
    serie(l.GetCompensacao().GetSerieAnoAnterior());
    for (int s = 0; s < TRendimentosIsentos::kSeries; ++s) serie(l.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s)));
    TRendimentosIsentos& i = l.GetIsentos();
    for (TMonetario* m : {&i.GetAnualOutros(), &i.GetAnualLucrosDiv96(), &i.GetAnualTitularSocio()})
      Junta(m->GetValorInterno().dezMilesimos());
    Junta(i.GetAnualEspecificarOutros().GetValor());
    // The live totals follow what was read.
    for (int m = 1; m <= 14; ++m) Junta(l.GetTotalMes(m).GetValorInterno().dezMilesimos());
    Junta(l.GetTributaveis().GetTotalRendimento().GetValorInterno().dezMilesimos());
  }
  uint64_t Valor() const { return m_h; }

 private:
  void Byte(uint8_t b) {
    m_h ^= b;
    m_h *= 1099511628211ULL;
  }
  uint64_t m_h = 14695981039346656037ULL;
};

class LeituraDeLinhas : public ComLinhas {
 protected:
  void SetUp() override {
    ComLinhas::SetUp();
    Roda(Insercoes());
    m_fundo.SetFonteDK(QStringLiteral("2"));
  }
  void TearDown() override {
    m_fundo.LiberaItens();
    ComLinhas::TearDown();
  }

  // Walks a section in list mode; the keys in the order read.
  std::vector<int> Percorre(TTolvAnexo& dono, uint8_t ordem, Soma& soma) {
    TColecaoTolvItem& itens = dono.GetItens();
    itens.SetOrdem(ordem);
    itens.SetModoLista(true);
    TTolvItem l(m_tolv, dono);
    std::vector<int> chaves;
    for (itens.CarregaPrimeiro(l); !itens.NoFim(); itens.CarregaProximo(l)) {
      chaves.push_back(l.GetTolvItemDK().toInt());
      soma.Junta(l);
      EXPECT_FALSE(l.GetModificado()) << chaves.back();
    }
    return chaves;
  }

  TAnexoFC m_fundo{m_tolv};
};

// What the walks gave before they read the lines through plain statements.
constexpr uint64_t kSomaDasListas = 5345291250153711243ULL;
constexpr uint64_t kSomaDosComprovantes = 6355779974747789198ULL;
constexpr uint64_t kSomaDosBeneficiarios = 12294081404732776069ULL;

TEST_F(LeituraDeLinhas, EveryWalkYieldsTheSameLinesAndAmounts) {
  Soma soma;
  const std::vector<int> porChave = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  EXPECT_EQ(Percorre(m_tolv, TColecaoTolvItem::kTodas, soma), porChave);
  EXPECT_EQ(Percorre(m_tolv, TColecaoTolvItem::kPorChave, soma), porChave);
  EXPECT_EQ(Percorre(m_tolv, TColecaoTolvItem::kVerificacao, soma), porChave);
  EXPECT_EQ(Percorre(m_tolv, TColecaoTolvItem::kPorBeneficiario, soma),
            (std::vector<int>{1, 2, 12, 10, 7, 6, 3, 11, 5, 4, 8, 9}));
  EXPECT_EQ(Percorre(m_fundo, TColecaoTolvItem::kTodas, soma), (std::vector<int>{13, 14, 15}));
  EXPECT_EQ(soma.Valor(), kSomaDasListas) << soma.Valor();

  // The statements: every line of each beneficiary, of every source.
  Soma comprovantes;
  std::vector<int> vistas;
  for (const QString& numero : {QStringLiteral("11144477735"), QStringLiteral("11222333000181"),
                                QStringLiteral("52998224725"), QStringLiteral("00012345620135010001")}) {
    TBeneficiarioTolv b(&m_tolv);
    b.SetNi(numero);
    m_tolv.GetItens().CarregaComprovante(b, [&](TTolvItem& l) {
      vistas.push_back(l.GetTolvItemDK().toInt());
      comprovantes.Junta(l);
    });
  }
  EXPECT_EQ(vistas, (std::vector<int>{1, 2, 13, 4, 5, 14, 3, 15, 9}));
  EXPECT_EQ(comprovantes.Valor(), kSomaDosComprovantes) << comprovantes.Valor();

  // The beneficiaries, by number and by name.
  Soma beneficiarios;
  TColecaoBeneficiario& colecao = m_tolv.GetColecaoBeneficiario();
  QStringList lidos;
  for (uint8_t ordem : {TColecaoBeneficiario::kPorNumero, TColecaoBeneficiario::kPorNome}) {
    colecao.SetOrdem(ordem);
    colecao.SetModoLista(true);
    TBeneficiarioTolv b(&m_tolv);
    for (colecao.CarregaPrimeiro(b); !colecao.NoFim(); colecao.CarregaProximo(b)) {
      lidos << b.GetNiDigitos();
      beneficiarios.Junta(b.GetNiDigitos());
      beneficiarios.Junta(b.GetNome().GetValor());
    }
  }
  EXPECT_EQ(lidos.size(), 16);
  EXPECT_EQ(beneficiarios.Valor(), kSomaDosBeneficiarios) << beneficiarios.Valor() << ' ' << lidos.join(u' ').toStdString();
}

// Told of a change of one amount or total of a line: counts the calls and keeps what the line held
// at each.
struct Ouvinte : IObservador {
  explicit Ouvinte(TTolvItem& l) : linha(l) {}
  void Alterado(IObservavel*) override {
    ++chamadas;
    dezembro = linha.GetTributaveis().GetRendimento(12).GetValorInterno();
    isento = linha.GetIsentos().GetAnualTitularSocio().GetValorInterno();
  }
  void Liberado(IObservavel*) override {}
  TTolvItem& linha;
  int chamadas = 0;
  Valor dezembro, isento;
};

TEST_F(LeituraDeLinhas, ObserversHearOfALoadOnceWhenItIsOver) {
  TColecaoTolvItem& itens = m_tolv.GetItens();
  itens.SetModoLista(true);
  TTolvItem l(m_tolv, m_tolv);
  Ouvinte janeiro(l), total(l);
  l.GetTributaveis().GetRendimento(1).AdicionaObservador(&janeiro);
  l.GetTributaveis().GetTotalRendimento().AdicionaObservador(&total);
  for (int carga = 1; carga <= 3; ++carga) {
    if (carga == 1)
      itens.CarregaPrimeiro(l);
    else
      itens.CarregaProximo(l);
    // Once per load, though twelve months of the total changed; and only once all of the line
    // was in, the child values read last included.
    EXPECT_EQ(janeiro.chamadas, carga);
    EXPECT_EQ(total.chamadas, carga);
    EXPECT_EQ(janeiro.dezembro, l.GetTributaveis().GetRendimento(12).GetValorInterno()) << carga;
    EXPECT_EQ(total.isento, l.GetIsentos().GetAnualTitularSocio().GetValorInterno()) << carga;
  }
  l.GetTributaveis().GetRendimento(1).RemoveObservador(&janeiro);
  l.GetTributaveis().GetTotalRendimento().RemoveObservador(&total);
}

// A line read in a list is the line read on its own by the browsing lookup.
TEST_F(LeituraDeLinhas, AListedLineIsTheLineBrowsingFinds) {
  std::map<int, uint64_t> listadas;
  for (TTolvAnexo* dono : {static_cast<TTolvAnexo*>(&m_tolv), static_cast<TTolvAnexo*>(&m_fundo)}) {
    TColecaoTolvItem& itens = dono->GetItens();
    itens.SetModoLista(true);
    TTolvItem l(m_tolv, *dono);
    for (itens.CarregaPrimeiro(l); !itens.NoFim(); itens.CarregaProximo(l)) {
      Soma s;
      s.Junta(l);
      listadas[l.GetTolvItemDK().toInt()] = s.Valor();
    }
    itens.SetModoLista(false);
    for (const auto& [chave, soma] : listadas) {
      TTolvItem achada(m_tolv, *dono);
      achada.SetTolvItemDK(QString::number(chave));
      if (!itens.Busca(achada)) continue;
      Soma s;
      s.Junta(achada);
      EXPECT_EQ(s.Valor(), soma) << chave;
    }
  }
  EXPECT_EQ(listadas.size(), 15u);
}

}  // namespace
