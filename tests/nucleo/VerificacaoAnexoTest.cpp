#include <gtest/gtest.h>

#include <QStringList>

#include <map>
#include <memory>
#include <vector>

#include "AnexosTeste.h"
#include "nucleo/Contribuinte.h"
#include "nucleo/ILinhasAnexo.h"
#include "nucleo/IQuadroVerificacao.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TDeclaranteAnexo.h"

namespace {

// The result list of the verification window as text: headers ("CF"/"CP"), titles, and the
// entries listed ("E" errors, "A" warnings) with code, owner, subject, field and arguments.
class QuadroFalso : public IQuadroVerificacao {
 public:
  bool IncluiErros(const TErros& erros) override {
    for (int i = 0; i < erros.GetQuantidade(); ++i) {
      const TErro& e = erros.GetErro(i);
      if (e.Tipo() == 0 && !mostrarAvisos) continue;
      linhas << QStringLiteral("%1 %2 %3|%4|%5|%6")
                    .arg(e.Tipo() == 0 ? "A" : "E")
                    .arg(e.Codigo())
                    .arg(e.AQuemPertence(), e.QuemEh())
                    .arg(e.Objeto())
                    .arg(e.Argumentos());
    }
    return true;
  }
  void IncluiTitulo(const QString& texto) override { linhas << texto; }
  void IncluiCabecalhoFundo(const QString& numero, const QString& nome) override {
    linhas << QStringLiteral("CF ") + numero + u' ' + nome;
  }
  void IncluiCabecalhoProcesso(const QString& numero, const QString& texto, uint8_t) override {
    linhas << QStringLiteral("CP ") + numero + u' ' + texto;
  }
  void SetVerificados(int quantidade) override { verificados = quantidade; }
  bool GetParado() const override { return parado; }
  bool GetMostrarAvisos() const override { return mostrarAvisos; }

  QStringList linhas;
  int verificados = -1;
  bool parado = false;
  bool mostrarAvisos = true;
};

// One scripted line: its beneficiary and the findings its own check adds.
struct Linha {
  QString beneficiario;
  std::vector<std::pair<uint16_t, uint8_t>> achados;  // code, kind
  bool paraAoVerificar = false;
};

// The lines of an annex from a script: a list for a fund, by line key for the processes.
class LinhasFalsas : public ILinhasAnexo, public ILinhaVerificavel {
 public:
  explicit LinhasFalsas(QuadroFalso& quadro) : m_quadro(quadro) {}

  void CarregaPrimeiro() override {
    m_indice = 0;
    Carrega();
  }
  void CarregaProximo() override {
    ++m_indice;
    Carrega();
  }
  bool NoFim() override { return m_indice >= int(fundo.size()); }
  bool Vazia() override { return fundo.empty(); }
  void CarregaItemProcesso(bd::Consulta& linha) override {
    m_atual = processos.at(linha.campo(QStringLiteral("TOLV_ITEM_DK")).inteiro());
    m_beneficiario.SetNiComErro(m_atual.beneficiario);
    tiposAnexo.push_back(-1);
  }
  ILinhaVerificavel& GetLinha() override { return *this; }

  void Verifica(TErros& erros) override {
    for (const auto& [codigo, tipo] : m_atual.achados)
      AdicionaPendencia<TErro>(erros, codigo, m_atual.beneficiario, tipo, QStringLiteral("L"), QStringLiteral("L"), 1);
    if (m_atual.paraAoVerificar) m_quadro.parado = true;
    ++verificadas;
  }
  const TContribuinte& GetBeneficiario() const override { return m_beneficiario; }
  void SetTipoAnexo(int16_t tipo) override { tiposAnexo.back() = tipo; }

  std::vector<Linha> fundo;
  std::map<int, Linha> processos;
  std::vector<int> tiposAnexo;
  int verificadas = 0;

 private:
  void Carrega() {
    if (NoFim()) return;
    m_atual = fundo[size_t(m_indice)];
    m_beneficiario.SetNiComErro(m_atual.beneficiario);
  }

  QuadroFalso& m_quadro;
  int m_indice = 0;
  Linha m_atual;
  TContribuinte m_beneficiario;
};

class VerificacaoAnexo : public anexos_teste::ComAnexos {
 protected:
  void SetUp() override {
    ComAnexos::SetUp();
    ComFundosEProcessos();
    m_tolv.SetFundoClubeSemPendencia(1);
    m_tolv.SetJusticaSemPendencia(1);
    // The two lines of the federal process, clean unless a test says otherwise.
    m_linhas.processos = {{10, Linha{QStringLiteral("11144477735"), {}}}, {11, Linha{QStringLiteral("52998224725"), {}}}};
  }

  // The fund of key 2 as the declaration's verification loads it.
  std::unique_ptr<TAnexoFC> Fundo() {
    auto fundo = std::make_unique<TAnexoFC>(m_tolv);
    fundo->SetFonteDK(QStringLiteral("2"));
    EXPECT_TRUE(m_tolv.GetColecaoAnexo().BuscaAnexo(*fundo));
    return fundo;
  }

  void VerificaFundo(TAnexoFC& fundo) {
    int contador = 0;
    fundo.VerificaAnexo(m_achados, m_quadro, contador, m_linhas);
    m_contador = contador;
  }

  void VerificaProcessos() {
    TAnexoFC trabalho(m_tolv, TAnexoFC::kProcesso);
    int contador = 0;
    trabalho.VerificaProcessos(m_achados, m_quadro, contador, m_linhas);
    m_contador = contador;
  }

  TErros m_achados{true};
  QuadroFalso m_quadro;
  LinhasFalsas m_linhas{m_quadro};
  int m_contador = 0;
};

const QString kCabecalhoFundo = QStringLiteral("CF 12.345.678/0001-95 FUNDO ALFA");
const QString kCabecalhoFederal = QStringLiteral("CP 00012345620135010001 Justiça federal");
const QString kCabecalhoTrabalho = QStringLiteral("CP 12345678901234567 Justiça do trabalho");

TEST_F(VerificacaoAnexo, AFundWithoutLinesListsMissingBeneficiaries) {
  auto fundo = Fundo();
  VerificaFundo(*fundo);
  EXPECT_EQ(m_quadro.linhas, QStringList({kCabecalhoFundo, "10Beneficiários", "E 88 2||30|"}));
  EXPECT_EQ(m_tolv.GetFundoClubeSemPendencia(), 0);
  EXPECT_EQ(m_quadro.verificados, 0);
}

TEST_F(VerificacaoAnexo, AFundsIdentificationFindingsComeUnderItsHeader) {
  for (bool avisos : {true, false}) {
    SCOPED_TRACE(avisos);
    m_quadro = QuadroFalso();
    m_quadro.mostrarAvisos = avisos;
    auto fundo = Fundo();
    fundo->GetIdentificacao().GetNome().SetNomeComErro(QStringLiteral("FUNDO # ALFA"));
    m_linhas.fundo = {Linha{QStringLiteral("11144477735"), {}}};
    VerificaFundo(*fundo);
    EXPECT_EQ(m_quadro.linhas,
              QStringList({"CF 12.345.678/0001-95 FUNDO # ALFA", "10Identificação do fundo ou clube de investimento",
                           "E 81 2|2|29|FUNDO # ALFA 12.345.678/0001-95"}));
    EXPECT_EQ(m_contador, 1);
  }
}

TEST_F(VerificacaoAnexo, AFundOfAnOperatorOrPayingItselfIsListed) {
  Roda(QStringLiteral("INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ) VALUES (7, '2', '123456780001');"));
  auto fundo = Fundo();
  m_linhas.fundo = {Linha{QStringLiteral("12345678000276"), {}}, Linha{QStringLiteral("11144477735"), {}},
                    Linha{QStringLiteral("12345678000195"), {{35, 1}}}};
  VerificaFundo(*fundo);
  EXPECT_EQ(m_quadro.linhas, QStringList({kCabecalhoFundo, "E 268 0|2|28|12.345.678/0001-95",
                                          "E 133 2|0|31|12.345.678/0002-76", "E 35 L|L|1|12345678000195",
                                          "E 133 2|0|31|12.345.678/0001-95"}));
  EXPECT_EQ(m_contador, 3);
  EXPECT_EQ(m_quadro.verificados, 3);
  EXPECT_EQ(m_tolv.GetFundoClubeSemPendencia(), 0);
}

TEST_F(VerificacaoAnexo, ACleanFundListsNothingAndKeepsItsSectionClean) {
  auto fundo = Fundo();
  m_linhas.fundo = {Linha{QStringLiteral("11144477735"), {{299, 0}}}};
  m_quadro.mostrarAvisos = false;
  VerificaFundo(*fundo);
  // A hidden warning is passed on (the window counts it) without a title.
  EXPECT_EQ(m_quadro.linhas, QStringList({kCabecalhoFundo}));
  m_quadro = QuadroFalso();
  m_linhas.fundo = {Linha{QStringLiteral("11144477735"), {}}};
  m_tolv.SetFundoClubeSemPendencia(1);
  VerificaFundo(*fundo);
  EXPECT_TRUE(m_quadro.linhas.isEmpty());
  EXPECT_EQ(m_tolv.GetFundoClubeSemPendencia(), 1);
}

TEST_F(VerificacaoAnexo, AStopEndsTheWalkAfterTheCurrentLine) {
  auto fundo = Fundo();
  for (int i = 0; i < 250; ++i) m_linhas.fundo.push_back(Linha{QStringLiteral("11144477735"), {}});
  VerificaFundo(*fundo);
  EXPECT_EQ(m_contador, 250);
  EXPECT_EQ(m_quadro.verificados, 250);

  m_linhas.fundo[1].paraAoVerificar = true;
  m_linhas.verificadas = 0;
  VerificaFundo(*fundo);
  EXPECT_EQ(m_linhas.verificadas, 2);
  EXPECT_EQ(m_tolv.GetFundoClubeSemPendencia(), 0);
}

TEST_F(VerificacaoAnexo, EachProcessGetsOneHeaderAndAProcessWithoutLinesIsListed) {
  m_linhas.processos = {{10, Linha{QStringLiteral("11144477735"), {{35, 1}}}},
                        {11, Linha{QStringLiteral("52998224725"), {{36, 1}, {299, 0}}}}};
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas,
            QStringList({kCabecalhoFederal, "10Beneficiários", "E 35 L|L|1|11144477735", "E 36 L|L|1|52998224725",
                         "A 299 L|L|1|52998224725", kCabecalhoTrabalho, "10Beneficiários", "E 167 5||38|"}));
  EXPECT_EQ(m_tolv.GetJusticaSemPendencia(), 0);
  EXPECT_EQ(m_contador, 2);
  EXPECT_EQ(m_linhas.tiposAnexo, std::vector<int>({1, 1}));
  EXPECT_EQ(m_quadro.verificados, 2);
}

TEST_F(VerificacaoAnexo, AProcessWithoutLawyerIsAWarningShownOnlyWhenWarningsAre) {
  Roda(QStringLiteral("UPDATE FONTES SET IN_PF_PJ_ADVOGADO = NULL, NR_ADVOGADO = NULL, NM_ADVOGADO = NULL "
                      "WHERE FONTE_DK = 4;"));
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas, QStringList({kCabecalhoFederal, "10Identificação do processo", "A 172 4||36|",
                                          kCabecalhoTrabalho, "10Beneficiários", "E 167 5||38|"}));

  m_quadro = QuadroFalso();
  m_quadro.mostrarAvisos = false;
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas, QStringList({kCabecalhoTrabalho, "10Beneficiários", "E 167 5||38|"}));
}

struct CasoNumero {
  const char* numero;
  int caracteres;  // 173 entries
  bool letras;     // 174
};

class NumeroDoProcesso : public VerificacaoAnexo, public testing::WithParamInterface<CasoNumero> {};

TEST_P(NumeroDoProcesso, ListsItsBadCharactersOneByOne) {
  Roda(QStringLiteral("UPDATE FONTES SET NR_PF_PJ = '%1' WHERE FONTE_DK = 5;").arg(QString::fromLatin1(GetParam().numero)));
  VerificaProcessos();
  int caracteres = 0;
  bool letras = false;
  for (const QString& linha : m_quadro.linhas) {
    if (linha.startsWith(u"E 173 5|0|31|")) ++caracteres;
    if (linha.startsWith(u"E 174 5|0|31|")) letras = true;
  }
  EXPECT_EQ(caracteres, GetParam().caracteres);
  EXPECT_EQ(letras, GetParam().letras);
  const qsizetype titulo = m_quadro.linhas.indexOf(QStringLiteral("10Identificação do processo"));
  EXPECT_EQ(titulo >= 0, caracteres > 0 || letras);
}

INSTANTIATE_TEST_SUITE_P(Casos, NumeroDoProcesso,
                         testing::Values(CasoNumero{"12345678901234567", 0, false},
                                         CasoNumero{"123456#8901234567", 1, false},
                                         CasoNumero{"1234-567.890", 2, false}, CasoNumero{"AB12", 0, false},
                                         CasoNumero{"ABC12", 0, true}, CasoNumero{"A B1", 1, true}));

TEST_F(VerificacaoAnexo, ALawFirmOfAFundsRootOrOfTheDeclarantIsListed) {
  Roda(QStringLiteral("UPDATE FONTES SET NR_ADVOGADO = '123456780002' WHERE FONTE_DK = 4;"
                      "UPDATE FONTES SET IN_PF_PJ_ADVOGADO = '2', NR_ADVOGADO = '114447770001' WHERE FONTE_DK = 5;"));
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas,
            QStringList({kCabecalhoFederal, "10Identificação do processo", "E 134 4|0|36|12.345.678",
                         kCabecalhoTrabalho, "10Identificação do processo", "E 137 5|0|36|11.444.777/0001-61",
                         "10Beneficiários", "E 167 5||38|"}));
}

TEST_F(VerificacaoAnexo, AStoredLawyerNameThatBreaksTheRulesIsListedWithoutStopping) {
  Roda(QStringLiteral("UPDATE FONTES SET NM_ADVOGADO = 'MARIA @ ADVOGADA' WHERE FONTE_DK = 5;"
                      "UPDATE FONTES SET NM_ADVOGADO = '' WHERE FONTE_DK = 4;"));
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas,
            QStringList({kCabecalhoFederal, "10Identificação do processo", "E 230 4|0|37|", kCabecalhoTrabalho,
                         "10Identificação do processo", "E 81 5|0|37|MARIA @ ADVOGADA 529.982.247-25",
                         "10Beneficiários", "E 167 5||38|"}));
}

TEST_F(VerificacaoAnexo, AProcessWithoutCourtHasNoCaptionOfItsOwn) {
  Roda(QStringLiteral("UPDATE FONTES SET TIPO_PROCESSO = '0' WHERE FONTE_DK = 5;"));
  m_linhas.processos = {{10, Linha{QStringLiteral("11144477735"), {{35, 1}}}},
                        {11, Linha{QStringLiteral("52998224725"), {}}}};
  VerificaProcessos();
  EXPECT_EQ(m_quadro.linhas.at(0), kCabecalhoFederal);
  EXPECT_TRUE(m_quadro.linhas.contains(QStringLiteral("CP 12345678901234567 ")));
}

TEST_F(VerificacaoAnexo, AStopEndsTheProcessesAfterTheCurrentRow) {
  m_linhas.processos = {{10, Linha{QStringLiteral("11144477735"), {}, true}},
                        {11, Linha{QStringLiteral("52998224725"), {}, true}}};
  VerificaProcessos();
  EXPECT_EQ(m_linhas.verificadas, 1);
  EXPECT_EQ(m_contador, 1);
  EXPECT_EQ(m_tolv.GetJusticaSemPendencia(), 0);
  EXPECT_FALSE(m_quadro.linhas.contains(kCabecalhoTrabalho));
}

}  // namespace
