#include "controles/TLogicaBeneficiarios.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <vector>

#include "nucleo/Cpf.h"
#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

using L = TLogicaBeneficiarios;
using R = TRendimentosTributaveis;

// ---------------------------------------------------------------------------------------------
// What a code shows, for a beneficiary and declarant: a table over the rules alone.

struct CasoRegras {
  const char* nome;
  const char* codigo;
  const char* pfPj;
  const char* deducao;
  const char* isentos;
  const char* decimo;
  const char* subJudice;
  uint8_t beneficiario;
  uint8_t declarante;
  int natureza;
  bool copa;
  // Expected.
  bool deducoes;  // the four kinds and the two-line captions
  const char* colunasIsentas;  // columns 1 to 6, '1' shown
  bool semIsentosMensais;
  bool decimoTerceiro;
  bool molestia;
  bool compensacao;
  bool isentosNaArvore;
  bool anuais;
  int limiteNome;
};

void PrintTo(const CasoRegras& c, std::ostream* os) { *os << c.nome; }

class RegrasDoCodigo : public testing::TestWithParam<CasoRegras> {};

TEST_P(RegrasDoCodigo, DecidemColunasLinhasEPaineis) {
  const CasoRegras& c = GetParam();
  TCodigoRetencao codigo;
  TCodigoRetencao::Colunas colunas;
  colunas.ano = QStringLiteral("2013");
  colunas.codRetencao = QString::fromLatin1(c.codigo);
  colunas.pfPjAmbos = QString::fromLatin1(c.pfPj);
  colunas.deducao = QString::fromLatin1(c.deducao);
  colunas.rendimentosIsentos = QString::fromLatin1(c.isentos);
  colunas.decimoTerceiro = QString::fromLatin1(c.decimo);
  colunas.subJudice = QString::fromLatin1(c.subJudice);
  colunas.in4 = QStringLiteral("F");
  colunas.anexo = QStringLiteral("0");
  codigo.CarregaColunas(colunas, uint8_t(c.natureza));
  const L::Regras r = L::CalculaRegras(codigo, c.beneficiario, c.declarante, c.natureza, c.copa);
  EXPECT_EQ(r.deducaoPO && r.deducaoPP && r.deducaoDP && r.deducaoPA && r.multiLinha, c.deducoes);
  EXPECT_EQ(r.deducaoPO || r.deducaoPP || r.deducaoDP || r.deducaoPA || r.multiLinha, c.deducoes);
  QString colunasVistas;
  for (bool b : r.isentos) colunasVistas += b ? u'1' : u'0';
  EXPECT_EQ(colunasVistas, QString::fromLatin1(c.colunasIsentas));
  EXPECT_EQ(r.semIsentosMensais, c.semIsentosMensais);
  EXPECT_EQ(r.decimoTerceiro, c.decimoTerceiro);
  EXPECT_EQ(r.molestia, c.molestia);
  EXPECT_EQ(r.compensacaoExigibilidade, c.compensacao);
  EXPECT_EQ(r.rendimentosIsentos, c.isentosNaArvore);
  EXPECT_EQ(r.anuais, c.anuais);
  EXPECT_EQ(r.limiteNome, c.limiteNome);
}

constexpr uint8_t PF = 1, PJ = 2;

INSTANTIATE_TEST_SUITE_P(
    Codigos, RegrasDoCodigo,
    testing::Values(
        // A salaried person paid by a company: everything the code admits.
        CasoRegras{"Assalariado", "0561", "F", "1;2;3;4", "1;2;3;4;5;6;7;8;A", "T", "T", PF, PJ, 0, false, true,
                   "111110", false, true, true, true, true, true, 60},
        // The same code for a person declarant: no serious illness is offered.
        CasoRegras{"DeclarantePessoa", "0561", "F", "1;2;3;4", "1;2;3;4;5;6", "T", "T", PF, PF, 0, false, true,
                   "111110", false, true, false, true, true, true, 60},
        // A company under a code for both kinds: no deductions, no thirteenth, nothing for the tree.
        CasoRegras{"EmpresaCodigoAmbos", "5936", "A", "1;2;3;4", "6", "T", "T", PJ, PJ, 0, false, false, "000000",
                   true, false, false, false, false, false, 150},
        // Companies only: no deductions even for a person.
        CasoRegras{"SoEmpresas", "1708", "J", "1;2", "", "F", "F", PF, PJ, 0, false, false, "000000", true, false,
                   false, false, false, false, 60},
        // Cup volunteers only with the indicator, and only for 0588.
        CasoRegras{"CopaLigada", "0588", "F", "1;2;3;4", "A;B", "T", "T", PF, PJ, 8, true, true, "010001", false,
                   true, false, true, true, false, 60},
        CasoRegras{"CopaDesligada", "0588", "F", "1;2;3;4", "A;B", "T", "T", PF, PJ, 8, false, true, "010000",
                   false, true, false, true, true, false, 60},
        // Nature 3 never sees the medical-residency column.
        CasoRegras{"Natureza3", "0561", "F", "1;2;3;4", "1;A", "T", "T", PF, PJ, 3, false, true, "100000", false,
                   true, false, true, true, false, 60},
        // Natures 0, 1, 2 and 8 see it for 0561 and 0588 only, whatever the code's flag says.
        CasoRegras{"BolsaDeOutroCodigo", "3533", "F", "1;2;3;4", "1;6", "T", "T", PF, PJ, 8, false, true, "100000",
                   false, true, true, true, true, false, 60},
        // No monthly exempt kind: the exempt sub-page collapses; the annual values stand alone.
        CasoRegras{"SoOutrosAnuais", "3223", "F", "", "5", "F", "T", PF, PJ, 0, false, false, "000000", true,
                   false, false, true, true, true, 60}));

struct CasoTitulo {
  const char* codigo;
  bool duasLinhas;
  const char* titulo;
};
class TituloRetido : public testing::TestWithParam<CasoTitulo> {};
TEST_P(TituloRetido, SegueOCodigo) {
  EXPECT_EQ(L::TituloRetido(QString::fromLatin1(GetParam().codigo), GetParam().duasLinhas),
            QString::fromLatin1(GetParam().titulo));
}
INSTANTIATE_TEST_SUITE_P(Codigos, TituloRetido,
                         testing::Values(CasoTitulo{"8863", false, "Valor Retido"},
                                         CasoTitulo{"3746", true, "Valor\rRetido"},
                                         CasoTitulo{"0561", false, "Imposto Retido"},
                                         CasoTitulo{"0561", true, "Imposto\rRetido"}));

// ---------------------------------------------------------------------------------------------
// Keying, saving and moving over a company's declaration.

QString Cpf(int i) {
  const QString base = QString::number(300000000 + 11 * i);
  return base + TCpf::CalculaDVCpf(base);
}

const QString kEmpresa = QStringLiteral("11222333000181");

class Logica : public declaracao_teste::ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_tolv.GetResumo().Zera();
    m_tolv.GetResumoGeral().Zera();
  }
  void TearDown() override {
    logica.reset();
    ComDeclaracao::TearDown();
  }

  // Lines stored as an import would, before the page opens.
  void Guarda(const QString& numero, const QString& codigo, int64_t centavos = 100000) {
    TTolvItem l(m_tolv, m_tolv);
    l.GetBeneficiario().SetNi(numero);
    l.GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO GUARDADO"));
    l.GetCodigoRetencao().SetCodigo(codigo);
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(1).SetValorMonetario(Valor::deCentavos(centavos));
    auto& itens = m_tolv.GetItens();
    itens.SetModoLista(false);
    ASSERT_EQ(itens.Grava(l), TColecaoTolvItem::kIncluida);
  }

  void Abre() {
    logica = std::make_unique<L>(m_tolv, m_tolv, L::Modo::Declarante);
    logica->DefineFoca([this](L::Campo c) { focos.push_back(c); });
    logica->DefineRedesenha([this] { ++redesenhos; });
    logica->CarregaItens();
  }

  // What the user keys: number, name, code, the income of a month.
  void Digita(const QString& numero, const char* nome, const char* codigo, int mes = 0, int64_t centavos = 0) {
    TTolvItem& l = logica->Linha();
    l.GetBeneficiario().SetNi(numero);
    l.GetBeneficiario().GetNome().SetValor(QString::fromUtf8(nome));
    logica->SetTextoCodigo(QString::fromLatin1(codigo));
    if (mes) l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(Valor::deCentavos(centavos));
  }

  int Linhas() { return Le("SELECT COUNT(*) FROM TOLV_ITENS").toInt(); }
  QString Le(const char* sql) { return m_pasta.le(kBanco, QString::fromLatin1(sql)); }
  QStringList Textos() const {
    QStringList t;
    for (const auto& c : m_caixa.chamadas()) t << c.texto;
    return t;
  }

  std::unique_ptr<L> logica;
  std::vector<L::Campo> focos;
  int redesenhos = 0;
};

TEST_F(Logica, AKeyedLineIsStoredOnLeavingAndReadsBackWhenBrowsedTo) {
  Abre();
  EXPECT_EQ(logica->Contador(), "1/1");
  Digita(Cpf(1), "MARIA DAS DORES", "0561", 3, 250050);
  ASSERT_TRUE(logica->DeixaLinha());
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Textos().join('\n').toStdString();
  EXPECT_EQ(Linhas(), 1);
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_MAR * 100 AS BIGINT) FROM TOLV_ITENS"), "250050");
  EXPECT_FALSE(logica->LinhaNova());
  EXPECT_EQ(logica->Contador(), "1/1");

  ASSERT_TRUE(logica->Inclui());
  EXPECT_EQ(logica->Contador(), "2/2");
  EXPECT_TRUE(logica->Linha().GetBeneficiario().GetNiDigitos().isEmpty());
  EXPECT_TRUE(logica->TextoCodigo().isEmpty());
  ASSERT_TRUE(logica->Anterior());
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(1));
  EXPECT_EQ(logica->TextoCodigo(), "0561");
  EXPECT_EQ(logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(3).GetValorInterno(),
            Valor::deCentavos(250050));
  EXPECT_EQ(logica->Contador(), "1/1");
  EXPECT_FALSE(logica->LinhaModificada());
}

TEST_F(Logica, TheCounterFollowsTheMovesAndANewLineCountsAsTheNextOne) {
  for (int i = 0; i < 7; ++i) Guarda(Cpf(10 + i), QStringLiteral("0561"));
  Abre();
  EXPECT_EQ(logica->Contador(), "8/8");
  auto b = logica->EstadoBotoes();
  EXPECT_TRUE(b.primeiro && b.anterior);
  EXPECT_FALSE(b.proximo || b.ultimo || b.exclui);
  ASSERT_TRUE(logica->Primeiro());
  EXPECT_EQ(logica->Contador(), "1/7");
  b = logica->EstadoBotoes();
  EXPECT_FALSE(b.primeiro || b.anterior);
  EXPECT_TRUE(b.proximo && b.ultimo && b.exclui && b.pesquisa);
  logica->Proximo();
  logica->Proximo();
  EXPECT_EQ(logica->Contador(), "3/7");
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(12));
  logica->Ultimo();
  EXPECT_EQ(logica->Contador(), "7/7");
  logica->Anterior();
  EXPECT_EQ(logica->Contador(), "6/7");
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(15));
  // A go-to reads the place of the line it shows.
  const QString chave = Le("SELECT TOLV_ITEM_DK FROM TOLV_ITENS WHERE E_NR_PF_PJ = '300000154'");
  ASSERT_FALSE(chave.isEmpty());
  ASSERT_TRUE(logica->Posiciona(chave));
  EXPECT_EQ(logica->Contador(), "5/7");
}

TEST_F(Logica, ACodeChangeIsConfirmedAndNaoPutsTheOldCodeBack) {
  Guarda(Cpf(1), QStringLiteral("0561"));
  Guarda(kEmpresa, QStringLiteral("1708"));
  Abre();
  ASSERT_TRUE(logica->Primeiro());
  // A person's line to a code with fewer deductions: 243.
  m_caixa.responde(ResultadoMensagem::Nao);
  logica->SetTextoCodigo(QStringLiteral("3208"));
  EXPECT_EQ(logica->AtualizaCodigo(), 243);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::TextoMensagem(243));
  EXPECT_EQ(m_caixa.ultima().titulo, "Alterar código de receita");
  EXPECT_EQ(m_caixa.ultima().flags, 4 | 32);
  EXPECT_EQ(logica->Linha().GetCodigoRetencao().GetCodigo(), "0561");
  EXPECT_EQ(logica->TextoCodigo(), "0561");
  // Answered Sim, the line takes the new code and leaving stores it.
  m_caixa.responde(ResultadoMensagem::Sim);
  logica->SetTextoCodigo(QStringLiteral("3208"));
  EXPECT_EQ(logica->AtualizaCodigo(), 0);
  ASSERT_TRUE(logica->DeixaLinha());
  EXPECT_EQ(Le("SELECT TRIB_TRIBU FROM TOLV_ITENS WHERE E_IN_PF_PJ = '1'"), "3208");
  // A company's line always asks 242, even towards a code that admits less.
  m_caixa.limpa();
  ASSERT_TRUE(logica->Proximo());
  ASSERT_EQ(logica->TextoCodigo(), "1708");
  m_caixa.responde(ResultadoMensagem::Nao);
  logica->SetTextoCodigo(QStringLiteral("3277"));
  EXPECT_EQ(logica->AtualizaCodigo(), 243);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::TextoMensagem(242));
  EXPECT_EQ(logica->TextoCodigo(), "1708");
}

// A fund not stored yet holds no line: what is keyed under it is never reported as stored.
TEST_F(Logica, ALineUnderAnAnnexWithoutKeyIsNotStoredAndTheUserIsSentToTheAnnex) {
  TAnexoFC fundo(m_tolv, TAnexoFC::kFundo);
  fundo.SetErros(m_tolv.GetErros());
  ASSERT_TRUE(fundo.GetFonteDK().isEmpty());
  logica = std::make_unique<L>(m_tolv, fundo, L::Modo::Fundo);
  int avisos = 0;
  logica->DefineFoca([this](L::Campo c) { focos.push_back(c); });
  logica->DefineDonoSemChave([&avisos] { ++avisos; });
  logica->CarregaItens();
  Digita(Cpf(1), "JOAO", "6800", 3, 50000);
  EXPECT_EQ(logica->AtualizaCodigo(), 0);
  EXPECT_EQ(logica->SalvaTolvItem(), L::kDonoNaoGravado);
  EXPECT_FALSE(logica->DeixaLinha());
  EXPECT_EQ(avisos, 1);
  EXPECT_TRUE(logica->LinhaNova());
  EXPECT_TRUE(logica->LinhaModificada());
  EXPECT_EQ(Linhas(), 0);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  // Nothing keyed but the code the court or the box left: given up without a word.
  logica->CarregaItens();
  logica->SetTextoCodigo(QStringLiteral("6800"));
  EXPECT_TRUE(logica->DeixaLinha());
  EXPECT_EQ(avisos, 1);
}

TEST_F(Logica, NaoToTheCodeChangeGivesTheBoxItsCodeBack) {
  Guarda(Cpf(1), QStringLiteral("0561"));
  Abre();
  QStringList mostrados;
  logica->DefineMostraCodigo([&mostrados](const QString& codigo) { mostrados << codigo; });
  ASSERT_TRUE(logica->Primeiro());
  m_caixa.responde(ResultadoMensagem::Nao);
  logica->SetTextoCodigo(QStringLiteral("3208"));
  EXPECT_EQ(logica->SaiCodigo(), 243);
  EXPECT_EQ(mostrados, QStringList({"0561"}));
  EXPECT_EQ(focos.back(), L::Campo::Codigo);
}

TEST_F(Logica, AddingIsRefusedWithoutNameOrCode) {
  Abre();
  logica->Linha().GetBeneficiario().SetNi(Cpf(1));
  EXPECT_FALSE(logica->Inclui());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(191, {}));
  EXPECT_EQ(focos.back(), L::Campo::Nome);
  logica->Linha().GetBeneficiario().GetNome().SetValor(QStringLiteral("JOAO"));
  EXPECT_FALSE(logica->Inclui());
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(231, {}));
  EXPECT_EQ(focos.back(), L::Campo::Codigo);
  EXPECT_EQ(Linhas(), 0);
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(1));
}

TEST_F(Logica, ALineRefusedByTheDatabaseStaysAsKeyedWithItsMessage) {
  Guarda(Cpf(1), QStringLiteral("0561"), 111100);
  Guarda(Cpf(1), QStringLiteral("0588"), 222200);
  Abre();
  ASSERT_TRUE(logica->Ultimo());
  ASSERT_EQ(logica->TextoCodigo(), "0588");
  logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(2).SetValorMonetario(Valor::deCentavos(999900));
  m_caixa.responde(ResultadoMensagem::Sim);
  logica->SetTextoCodigo(QStringLiteral("0561"));
  EXPECT_FALSE(logica->DeixaLinha());
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(48, QStringLiteral("300.000.011-") +
                                                                   Cpf(1).right(2) + QStringLiteral(";0561")));
  EXPECT_EQ(focos.back(), L::Campo::Codigo);
  // On screen as keyed, still to be stored; in the database nothing changed.
  EXPECT_EQ(logica->Linha().GetCodigoRetencao().GetCodigo(), "0561");
  EXPECT_TRUE(logica->LinhaModificada());
  EXPECT_EQ(logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(2).GetValorInterno(),
            Valor::deCentavos(999900));
  EXPECT_EQ(Le("SELECT LIST(TRIB_TRIBU || '=' || CAST(VL_RENDIME_FEV * 100 AS BIGINT), ',') FROM "
               "(SELECT TRIB_TRIBU, VL_RENDIME_FEV FROM TOLV_ITENS ORDER BY TRIB_TRIBU)"),
            "0561=0,0588=0");
  // Browsing away is refused as well: the keyed amount is not dropped.
  EXPECT_FALSE(logica->Primeiro());
  EXPECT_EQ(logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(2).GetValorInterno(),
            Valor::deCentavos(999900));
}

TEST_F(Logica, KeyingAStoredBeneficiaryAndCodeShowsTheStoredLine) {
  Guarda(Cpf(1), QStringLiteral("0561"), 123400);
  Abre();
  Digita(Cpf(1), "OUTRO NOME", "0561");
  EXPECT_EQ(logica->AtualizaCodigo(), 0);
  EXPECT_FALSE(logica->LinhaNova());
  EXPECT_EQ(logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(1).GetValorInterno(),
            Valor::deCentavos(123400));
  EXPECT_EQ(logica->Contador(), "1/1");
}

TEST_F(Logica, ANewLineThatCannotBeStoredIsDroppedOnlyWhenItHoldsNoAmount) {
  Abre();
  // A person under a code for companies only: the code check refuses it.
  Digita(Cpf(1), "JOAO", "1708");
  EXPECT_TRUE(logica->DeixaLinha());
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Linhas(), 0);
  // With an amount keyed, the user is told and kept.
  Digita(Cpf(1), "JOAO", "1708", 5, 70000);
  EXPECT_FALSE(logica->DeixaLinha());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(67, QStringLiteral("1708")));
  EXPECT_EQ(focos.back(), L::Campo::Codigo);
  EXPECT_EQ(Linhas(), 0);
  // Nothing keyed at all: nothing to say.
  m_caixa.limpa();
  Abre();
  EXPECT_TRUE(logica->DeixaLinha());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(Logica, DeletingAStoredLineAsksFirst) {
  Guarda(Cpf(1), QStringLiteral("0561"));
  Guarda(Cpf(2), QStringLiteral("0561"));
  Abre();
  ASSERT_TRUE(logica->Primeiro());
  m_caixa.responde(ResultadoMensagem::Nao);
  logica->Exclui();
  EXPECT_EQ(Linhas(), 2);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto,
            TErro::FormataMensagem(13, logica->Linha().GetBeneficiario().GetNiFormatado() + QStringLiteral(";0561")));
  m_caixa.responde(ResultadoMensagem::Sim);
  logica->Exclui();
  EXPECT_EQ(Linhas(), 1);
  EXPECT_EQ(logica->Contador(), "1/1");
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(2));
}

TEST_F(Logica, UndoDropsTheChangesAndShowsTheOwnersLastLine) {
  Guarda(Cpf(1), QStringLiteral("0561"), 50000);
  Guarda(Cpf(2), QStringLiteral("0561"), 60000);
  Abre();
  ASSERT_TRUE(logica->Primeiro());
  logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(1).SetValorMonetario(Valor::deCentavos(1));
  logica->Desfaz();
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(2));
  EXPECT_EQ(logica->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(1).GetValorInterno(),
            Valor::deCentavos(60000));
  EXPECT_EQ(logica->Contador(), "2/2");
  EXPECT_FALSE(logica->LinhaModificada());
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_JAN * 100 AS BIGINT) FROM TOLV_ITENS WHERE E_NR_PF_PJ = '300000011'"),
            "50000");
  // A new line gives way to the last one.
  ASSERT_TRUE(logica->Inclui());
  Digita(Cpf(3), "NOVO", "0561", 1, 1);
  logica->Desfaz();
  EXPECT_EQ(logica->Linha().GetBeneficiario().GetNiDigitos(), Cpf(2));
  EXPECT_EQ(Linhas(), 2);
}

TEST_F(Logica, TheCodeListIsReadOncePerYearAnnexAndNature) {
  Abre();
  const auto& pessoas = logica->Codigos(1);
  const auto& empresas = logica->Codigos(2);
  logica->Codigos(1);
  logica->Codigos(0);
  EXPECT_EQ(logica->LeiturasCodigos(), 1);
  ASSERT_FALSE(pessoas.empty());
  for (const auto& c : pessoas) EXPECT_NE(c.pfPjAmbos, "J") << c.codigo.toStdString();
  for (const auto& c : empresas) EXPECT_NE(c.pfPjAmbos, "F") << c.codigo.toStdString();
  EXPECT_EQ(logica->Resumo(QStringLiteral("0561")), "Rendimentos do trabalho assalariado");
  // Court codes belong to the process page.
  for (const auto& c : logica->Codigos(0)) EXPECT_NE(c.codigo, "5928");
}

TEST_F(Logica, Code5936ShowsTheYearNoticeOnce) {
  Abre();
  Digita(Cpf(1), "JOAO", "5936");
  EXPECT_EQ(logica->SaiCodigo(), 0);
  Digita(Cpf(2), "JOSE", "5936");
  logica->SaiCodigo();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(289, {}));
}

class LogicaDeclarantePessoa : public Logica {
 protected:
  void SetUp() override {
    Logica::SetUp();
    m_tolv.GetContribuinte().SetNi(kCpf);
    const QString banco = QStringLiteral("TOLV2014") + kCpf + QStringLiteral("2013.FDB");
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), banco);
  }
  const QString kCpf = Cpf(99);
};

TEST_F(LogicaDeclarantePessoa, ItsOwnNumberAsBeneficiaryIsRefusedAndCleared) {
  Abre();
  Digita(kCpf, "EU MESMO", "0561");
  EXPECT_FALSE(logica->SaiPainelNumero());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(1, kCpf));
  EXPECT_TRUE(logica->Linha().GetBeneficiario().GetNiDigitos().isEmpty());
  EXPECT_TRUE(logica->TextoCodigo().isEmpty());
  EXPECT_EQ(focos.back(), L::Campo::Numero);
  // Nor is the illness box offered to a person declarant.
  Digita(Cpf(1), "JOAO", "0561");
  ASSERT_EQ(logica->AtualizaCodigo(), 0);
  EXPECT_FALSE(logica->RegrasAtuais().molestia);
}

}  // namespace
