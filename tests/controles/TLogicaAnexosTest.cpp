#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <memory>
#include <optional>

#include "controles/TLogicaAnexos.h"
#include "controles/TLogicaBeneficiarios.h"
#include "nucleo/AnexosTeste.h"
#include "nucleo/EAnexoInvalido.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TTolvItem.h"

namespace {

using anexos_teste::kNumeroFederal;
using anexos_teste::kNumeroTrabalho;
using Modo = TLogicaBeneficiarios::Modo;
using R = TLogicaAnexos::ResultadoJustica;

// The annex logic of a page over the fixture's two funds and two processes, with the lines logic
// bound to its owner as the page binds it.
class LogicaAnexos : public anexos_teste::ComAnexos {
 protected:
  void SetUp() override {
    ComAnexos::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    ComFundosEProcessos();
  }
  void TearDown() override {
    linhas.reset();
    anexos.reset();
    ComAnexos::TearDown();
  }
  void Abre(Modo modo) {
    anexos = std::make_unique<TLogicaAnexos>(m_tolv, modo);
    linhas = std::make_unique<TLogicaBeneficiarios>(m_tolv, anexos->Dono(), modo);
    anexos->DefineLinhas(linhas.get());
    anexos->DefineTrocouDono([this](bool antes) { trocas += antes ? 0 : 1; });
    linhas->CarregaItens();
    anexos->Inicia();
  }
  QStringList Codigos(int fonte) {
    return Coluna(QStringLiteral("SELECT TRIB_TRIBU FROM TOLV_ITENS WHERE E_FONTE_DK = %1 ORDER BY TOLV_ITEM_DK")
                      .arg(fonte));
  }
  QStringList Justica(int fonte) {
    return Coluna(QStringLiteral("SELECT TIPO_PROCESSO FROM FONTES WHERE FONTE_DK = %1").arg(fonte));
  }

  std::unique_ptr<TLogicaAnexos> anexos;
  std::unique_ptr<TLogicaBeneficiarios> linhas;
  int trocas = 0;
};

TEST_F(LogicaAnexos, TheCourtFixesTheCodeOfAProcessAndANewLineTakesIt) {
  EXPECT_EQ(TLogicaAnexos::CodigoDaJustica(0), QStringLiteral("5928"));
  EXPECT_EQ(TLogicaAnexos::CodigoDaJustica(1), QStringLiteral("5936"));
  EXPECT_EQ(TLogicaAnexos::CodigoDaJustica(2), QStringLiteral("1895"));
  EXPECT_EQ(TLogicaAnexos::CodigoDaJustica(-1), QString());
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Inclui());
  anexos->DefineNumeroProcesso(QStringLiteral("99988877766655544"), 1);
  EXPECT_EQ(anexos->Anexo().GetTipoProcesso(), 1);
  EXPECT_EQ(anexos->Dono().GetTipoProcesso(), 1);
  EXPECT_EQ(linhas->TextoCodigo(), QStringLiteral("5936"));
  EXPECT_EQ(linhas->Linha().GetCodigoRetencao().GetCodigo().trimmed(), QStringLiteral("5936"));
  anexos->FixaCodigoProcesso({});
  EXPECT_EQ(anexos->Anexo().GetTipoProcesso(), TAnexoFC::kSemJustica);
  EXPECT_TRUE(linhas->TextoCodigo().isEmpty());
  // Without a court the process is not stored.
  EXPECT_FALSE(anexos->SalvaIdentificacao());
  anexos->FixaCodigoProcesso(QStringLiteral("1895"));
  EXPECT_TRUE(anexos->SalvaIdentificacao());
  EXPECT_EQ(anexos->Quantidade(), 3);
  EXPECT_EQ(Justica(anexos->Anexo().GetFonteDK().toInt()), QStringList({"3"}));
}

TEST_F(LogicaAnexos, ACourtChangeRewritesEveryLineOfTheProcessAndItsCourt) {
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("4")));
  EXPECT_EQ(anexos->Dono().GetFonteDK(), QStringLiteral("4"));
  EXPECT_EQ(anexos->Contador(), QStringLiteral("1/2"));
  std::vector<std::pair<int, int>> passos;
  const R r = anexos->MudaJustica(1, 0, [&](int feitas, int total) {
    passos.emplace_back(feitas, total);
    return true;
  });
  EXPECT_EQ(r, R::Regravada);
  EXPECT_EQ(Codigos(4), QStringList({"5936", "5936"}));
  EXPECT_EQ(Justica(4), QStringList({"2"}));
  EXPECT_EQ(passos.front(), std::make_pair(0, 2));
  EXPECT_EQ(passos.back(), std::make_pair(2, 2));
  EXPECT_EQ(linhas->TextoCodigo(), QStringLiteral("5936"));
  // Other sources' lines are untouched.
  EXPECT_EQ(Codigos(2), QStringList({"6800"}));
}

TEST_F(LogicaAnexos, AStoppedOrRefusedRewriteLeavesEveryLineAndTheCourtAsTheyWere) {
  // One beneficiary on two lines of the process would end with one code twice.
  Roda(QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) "
                      " VALUES (13, 4, '5936', '1', '111444777');"));
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("4")));
  EXPECT_EQ(anexos->MudaJustica(2, 0, [](int, int) { return true; }), R::Recusada);
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_caixa.ultima().texto.contains(QStringLiteral("111.444.777-35"))) << m_caixa.ultima().texto.toStdString();
  EXPECT_EQ(Codigos(4), QStringList({"5928", "5928", "5936"}));
  EXPECT_EQ(Justica(4), QStringList({"1"}));

  Roda(QStringLiteral("DELETE FROM TOLV_ITENS WHERE TOLV_ITEM_DK = 13;"));
  // The user stops it after the first window of lines: nothing stays rewritten.
  EXPECT_EQ(anexos->MudaJustica(2, 0, [](int feitas, int) { return feitas == 0; }), R::Recusada);
  EXPECT_EQ(Codigos(4), QStringList({"5928", "5928"}));
  EXPECT_EQ(Justica(4), QStringList({"1"}));
  EXPECT_EQ(anexos->Anexo().GetTipoProcesso(), 0);
  EXPECT_EQ(linhas->TextoCodigo(), QStringLiteral("5928"));
}

TEST_F(LogicaAnexos, ACourtWhereTheNumberIsStoredMovesToThatProcess) {
  Roda(QStringLiteral("INSERT INTO FONTES VALUES (6, '2', '00012345620135010001', 'PROCESSO FEDERAL', 1, NULL, NULL,"
                      " NULL, '2');"));
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("4")));
  EXPECT_EQ(anexos->MudaJustica(1, 0, [](int, int) { return true; }), R::OutroProcesso);
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("6"));
  EXPECT_EQ(anexos->Dono().GetFonteDK(), QStringLiteral("6"));
  EXPECT_EQ(Codigos(4), QStringList({"5928", "5928"}));
  EXPECT_EQ(anexos->Contador(), QStringLiteral("3/3"));
}

TEST_F(LogicaAnexos, ANumberAndCourtOfAStoredProcessShowIt) {
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Inclui());
  EXPECT_FALSE(anexos->DefineNumeroProcesso(kNumeroTrabalho, 0));
  EXPECT_TRUE(anexos->AnexoNovo());
  EXPECT_TRUE(anexos->DefineNumeroProcesso(kNumeroTrabalho, 1));
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("5"));
  EXPECT_EQ(anexos->Anexo().GetAdvogado().GetNome().GetValor(), QStringLiteral("MARIA ADVOGADA"));
  EXPECT_EQ(anexos->Contador(), QStringLiteral("2/2"));
}

struct CasoExclusao {
  const char* ano;
  int resposta;
  bool excluido;
};
class ExclusaoProcesso : public LogicaAnexos, public testing::WithParamInterface<CasoExclusao> {};

// Every year asks before a process goes with its lines.
TEST_P(ExclusaoProcesso, AlwaysAsksBeforeDeletingAProcess) {
  const CasoExclusao& caso = GetParam();
  // The declaration's database is named after its year.
  if (QString::fromLatin1(caso.ano) != u"2013") {
    ASSERT_TRUE(QFile::copy(m_pasta.dados() + u'/' + anexos_teste::kBanco,
                            m_pasta.dados() + QStringLiteral("/TOLV201411444777000161%1.FDB").arg(caso.ano)));
  }
  m_tolv.SetAnoCalendario(QString::fromLatin1(caso.ano));
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("4")));
  m_caixa.limpa();
  m_caixa.responde(caso.resposta);
  EXPECT_EQ(anexos->Exclui(), caso.excluido);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto,
            QStringLiteral("Confirma a exclusão do processo: PROCESSO FEDERAL ( %1 )?").arg(kNumeroFederal));
  EXPECT_EQ(anexos->Colecao().TipoDaFonte(4), caso.excluido ? 0 : 1);
  if (caso.excluido) {
    EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("5"));
    EXPECT_EQ(anexos->Contador(), QStringLiteral("1/1"));
  }
}

INSTANTIATE_TEST_SUITE_P(Anos, ExclusaoProcesso,
                         testing::Values(CasoExclusao{"2005", ResultadoMensagem::Sim, true},
                                         CasoExclusao{"2005", ResultadoMensagem::Nao, false},
                                         CasoExclusao{"2013", ResultadoMensagem::Sim, true},
                                         CasoExclusao{"2013", ResultadoMensagem::Nao, false}));

TEST_F(LogicaAnexos, BrowsesFundsAndSwitchesTheOwnerOnlyWhenTheAnnexChanges) {
  Abre(Modo::Fundo);
  EXPECT_TRUE(anexos->AnexoNovo());
  EXPECT_EQ(anexos->Contador(), QStringLiteral("3/3"));
  anexos->Move(QStringLiteral("PRI"));
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(anexos->Contador(), QStringLiteral("1/2"));
  // Its one stored line, and the blank line after it.
  EXPECT_EQ(linhas->Contador(), QStringLiteral("2/2"));
  const int depoisDoPrimeiro = trocas;
  anexos->Move(QStringLiteral("PREV"));
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(trocas, depoisDoPrimeiro);
  anexos->Move(QStringLiteral("NEXT"));
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("3"));
  EXPECT_EQ(anexos->Anexo().GetContribuinte().GetNome().GetValor(), QStringLiteral("CLUBE BETA"));
  EXPECT_EQ(anexos->Contador(), QStringLiteral("2/2"));
  EXPECT_FALSE(anexos->PodeUltimo());
  EXPECT_TRUE(anexos->PodePrimeiro());
  EXPECT_EQ(trocas, depoisDoPrimeiro + 1);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("3")));
  EXPECT_EQ(trocas, depoisDoPrimeiro + 1);
  EXPECT_FALSE(anexos->Posiciona(QStringLiteral("77")));
}

TEST_F(LogicaAnexos, DeletingTheOnlyFundStartsANewOne) {
  Roda(QStringLiteral("DELETE FROM FONTES WHERE FONTE_DK = 3;"));
  Abre(Modo::Fundo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("2")));
  m_caixa.limpa();
  m_caixa.responde(ResultadoMensagem::Sim);
  ASSERT_TRUE(anexos->Exclui());
  EXPECT_EQ(m_caixa.ultima().texto,
            QStringLiteral("Confirma a exclusão do fundo ou clube de investimento 12.345.678/0001-95 - FUNDO ALFA?"));
  EXPECT_TRUE(anexos->AnexoNovo());
  EXPECT_TRUE(anexos->Dono().GetFonteDK().isEmpty());
  EXPECT_EQ(anexos->Contador(), QStringLiteral("1/1"));
  EXPECT_EQ(Codigos(2), QStringList());
}

struct CasoCnpj {
  const char* ano;
  const char* cnpj;
  int codigo;  // 0 accepted
  const char* argumento;
};
class CnpjFundo : public LogicaAnexos, public testing::WithParamInterface<CasoCnpj> {};

TEST_P(CnpjFundo, RefusesWhatTheYearForbids) {
  const CasoCnpj& caso = GetParam();
  if (QString::fromLatin1(caso.ano) != u"2013") {
    ASSERT_TRUE(QFile::copy(m_pasta.dados() + u'/' + anexos_teste::kBanco,
                            m_pasta.dados() + QStringLiteral("/TOLV201411444777000161%1.FDB").arg(caso.ano)));
  }
  m_tolv.SetAnoCalendario(QString::fromLatin1(caso.ano));
  Abre(Modo::Fundo);
  ASSERT_TRUE(anexos->Inclui());
  std::optional<TErro> erro;
  try {
    anexos->DefineCnpjFundo(QString::fromLatin1(caso.cnpj));
  } catch (const TErro& e) {
    erro = e;
  }
  if (caso.codigo == 0) {
    EXPECT_FALSE(erro.has_value()) << erro->Codigo();
    return;
  }
  ASSERT_TRUE(erro.has_value());
  EXPECT_EQ(erro->Codigo(), caso.codigo);
  EXPECT_EQ(erro->Argumentos(), QString::fromLatin1(caso.argumento));
}

// 98.765.432 is the root of the federal process's law firm. An order other than 0001 is refused by
// the identification itself (20) before the year's checks.
INSTANTIATE_TEST_SUITE_P(Casos, CnpjFundo,
                         testing::Values(CasoCnpj{"2013", "12345678000276", 20, "12.345.678/0002-76"},
                                         CasoCnpj{"2013", "12345678000100", 36, "12.345.678/0001-00"},
                                         CasoCnpj{"2013", "98765432000198", 135, "98.765.432"},
                                         CasoCnpj{"2005", "98765432000198", 0, ""},
                                         CasoCnpj{"2013", "22333444000181", 0, ""}));

TEST_F(LogicaAnexos, TheRefusalsOfTheCnpjShowTheirOwnTexts) {
  TLogicaAnexos::MostraErroCnpj(TErro(41));
  TLogicaAnexos::MostraErroCnpj(TErro(34));
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.chamadas()[0].texto, QStringLiteral("CNPJ não informado"));
  EXPECT_EQ(m_caixa.chamadas()[1].texto, QStringLiteral("CNPJ inválido"));
}

TEST_F(LogicaAnexos, ANewFundIsStoredWhenItsIdentificationIsLeftAndBecomesTheOwner) {
  Abre(Modo::Fundo);
  ASSERT_TRUE(anexos->Inclui());
  anexos->DefineCnpjFundo(QStringLiteral("22333444000181"));
  EXPECT_FALSE(anexos->SalvaIdentificacao());
  anexos->DefineNomeFundo(QStringLiteral("FUNDO GAMA"));
  ASSERT_TRUE(anexos->SalvaIdentificacao());
  EXPECT_EQ(anexos->Quantidade(), 3);
  EXPECT_EQ(anexos->Contador(), QStringLiteral("3/3"));
  EXPECT_EQ(anexos->Dono().GetFonteDK(), anexos->Anexo().GetFonteDK());
  EXPECT_EQ(Coluna(QStringLiteral("SELECT NM_NM_EMPR FROM FONTES WHERE NR_PF_PJ = '223334440001'")),
            QStringList({"FUNDO GAMA"}));
  // A CNPJ of a stored fund's root loads that fund.
  ASSERT_TRUE(anexos->Inclui());
  anexos->DefineCnpjFundo(QStringLiteral("12345678000195"));
  EXPECT_EQ(anexos->Anexo().GetFonteDK(), QStringLiteral("2"));
  EXPECT_EQ(anexos->Anexo().GetContribuinte().GetNome().GetValor(), QStringLiteral("FUNDO ALFA"));
}

TEST_F(LogicaAnexos, TheLawyerOfAProcessIsCheckedNamedStoredAndRemoved) {
  Abre(Modo::Processo);
  ASSERT_TRUE(anexos->Posiciona(QStringLiteral("5")));
  // A company lawyer with a fund's root.
  EXPECT_THROW(anexos->DefineAdvogado(QStringLiteral("12345678000195")), EAnexoInvalido);
  EXPECT_TRUE(anexos->Anexo().GetAdvogado().GetNiDigitos().isEmpty());
  anexos->DefineAdvogado(QStringLiteral("98765432000198"));
  EXPECT_EQ(anexos->NomeConhecidoAdvogado(), QStringLiteral("ESCRITORIO GAMA"));
  anexos->DefineNomeAdvogado(QStringLiteral("ESCRITORIO GAMA"));
  EXPECT_EQ(Coluna(QStringLiteral("SELECT NR_ADVOGADO || '|' || IN_PF_PJ_ADVOGADO FROM FONTES WHERE FONTE_DK = 5")),
            QStringList({"987654320001|2"}));
  m_caixa.responde(ResultadoMensagem::Sim);
  ASSERT_TRUE(anexos->ExcluiAdvogado());
  EXPECT_EQ(Coluna(QStringLiteral("SELECT COALESCE(NR_ADVOGADO, '') FROM FONTES WHERE FONTE_DK = 5")),
            QStringList({""}));
}

}  // namespace
