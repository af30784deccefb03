#include "controles/TModeloGridMeses.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

#include "GradeTeste.h"
#include "controles/TTolvGridIsentos.h"
#include "controles/TTolvGridMeses.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "nucleo/Erros.h"

namespace {

using namespace grade_teste;
using D = TModeloGrid::Direcao;

struct Ponto {
  int col, lin;
};

// Moving the current cell ---------------------------------------------------------------------

struct Movimento {
  const char* nome;
  Grade grade;
  Ajuste ajuste;
  Ponto de;
  D direcao;
  Ponto para;
  bool volta;  // the move wraps past the end (start) of the area: Tab leaves, Enter raises
};

void PrintTo(const Movimento& m, std::ostream* os) { *os << m.nome; }

class MovimentoNaGrade : public testing::TestWithParam<Movimento> {};

TEST_P(MovimentoNaGrade, ChegaNaCelulaEsperada) {
  const Movimento& c = GetParam();
  Linha linha;
  auto modelo = CriaModelo(c.grade);
  Aplica(*modelo, linha, c.ajuste);
  const QPoint destino = modelo->MoveCelula({c.de.col, c.de.lin}, c.direcao);
  EXPECT_EQ(destino, QPoint(c.para.col, c.para.lin));
  EXPECT_EQ(modelo->MovimentoVolta({c.de.col, c.de.lin}, c.direcao), c.volta);
}

const Ajuste kPadrao{};
const Ajuste kSem13{.decimoTerceiro = false};
const Ajuste kEventoJunho{.mesEvento = 6};
const Ajuste kEventoJunhoSem13{.decimoTerceiro = false, .mesEvento = 6};

INSTANTIATE_TEST_SUITE_P(
    Casos, MovimentoNaGrade,
    testing::Values(
        Movimento{"DireitaNoFimDaLinhaVaiParaALinhaSeguinte", Grade::Rendimentos, kPadrao, {7, 1}, D::Proxima, {1, 2}, false},
        Movimento{"DireitaNoFimDaAreaVoltaAoInicio", Grade::Rendimentos, kPadrao, {7, 14}, D::Proxima, {1, 1}, true},
        Movimento{"EsquerdaNoInicioVaiAoFim", Grade::Rendimentos, kPadrao, {1, 1}, D::Anterior, {7, 14}, true},
        Movimento{"EsquerdaNoMeioNaoVolta", Grade::Rendimentos, kPadrao, {1, 2}, D::Anterior, {7, 1}, false},
        Movimento{"AbaixoDeDezembroPulaOsTotais", Grade::Rendimentos, kPadrao, {1, 12}, D::Abaixo, {1, 14}, false},
        Movimento{"AbaixoDeDezembroSem13VaiAColunaSeguinte", Grade::Rendimentos, kSem13, {1, 12}, D::Abaixo, {2, 1}, false},
        Movimento{"AcimaDeJaneiroVaiAoFimDaColunaAnterior", Grade::Rendimentos, kPadrao, {2, 1}, D::Acima, {1, 14}, false},
        Movimento{"AcimaNoInicioDaAreaVaiAoFim", Grade::Rendimentos, kPadrao, {1, 1}, D::Acima, {7, 14}, true},
        Movimento{"MesesDepoisDoEventoSaoPulados", Grade::Rendimentos, kEventoJunho, {1, 6}, D::Abaixo, {1, 14}, false},
        Movimento{"DireitaEmJunhoBloqueadoVaiAo13", Grade::Rendimentos, kEventoJunho, {7, 6}, D::Proxima, {1, 14}, false},
        // Tab must leave from the last cell that takes a value, even when the area's last
        // cell is locked.
        Movimento{"UltimaCelulaLivreAntesDoEventoSai", Grade::Rendimentos, kEventoJunhoSem13, {7, 6}, D::Proxima, {1, 1}, true},
        Movimento{"MolestiaSemVisaoPulaSuaColuna", Grade::Rendimentos, Ajuste{.molestia = true}, {1, 1}, D::Proxima, {3, 1}, false},
        Movimento{"CompensacaoAndaSoNasDuasColunas", Grade::Compensacao, kPadrao, {3, 1}, D::Proxima, {2, 2}, false},
        Movimento{"CompensacaoVoltaDoInicioAoFim", Grade::Compensacao, kPadrao, {2, 1}, D::Anterior, {3, 14}, true},
        Movimento{"CompensacaoSaiNoFim", Grade::Compensacao, kPadrao, {3, 14}, D::Proxima, {2, 1}, true},
        Movimento{"IsentosPulamColunaOculta", Grade::Isentos, Ajuste{.isentosOcultos = "6"}, {5, 1}, D::Proxima, {1, 2}, false},
        // Columns 3 to 6 have no thirteenth salary: the exempt grid ends at column 2.
        Movimento{"IsentosSaemNo13DaColuna2", Grade::Isentos, Ajuste{.isentosOcultos = "6"}, {2, 14}, D::Proxima, {1, 1}, true},
        Movimento{"IsentosSem13", Grade::Isentos, Ajuste{.decimoTerceiro = false, .isentosOcultos = "6"}, {5, 12}, D::Proxima, {1, 1}, true},
        Movimento{"SubJudiceAteODeposito", Grade::SubJudice, kPadrao, {8, 3}, D::Proxima, {1, 4}, false}),
    [](const testing::TestParamInfo<Movimento>& i) { return std::string(i.param.nome); });

// Which cells take values, and what the columns are ------------------------------------------

struct Celula {
  int col, lin;
  bool editavel;
};

struct Colunas {
  const char* nome;
  Grade grade;
  Ajuste ajuste;
  QStringList titulos;
  std::vector<Celula> celulas;
};

void PrintTo(const Colunas& c, std::ostream* os) { *os << c.nome; }

class ColunasDaGrade : public testing::TestWithParam<Colunas> {};

TEST_P(ColunasDaGrade, TitulosEEdicao) {
  const Colunas& c = GetParam();
  Linha linha;
  auto modelo = CriaModelo(c.grade);
  Aplica(*modelo, linha, c.ajuste);
  EXPECT_EQ(Titulos(*modelo), c.titulos);
  for (const Celula& cel : c.celulas) {
    EXPECT_EQ(modelo->CelulaEditavel(cel.col, cel.lin), cel.editavel) << cel.col << ',' << cel.lin;
    // A cell that takes no value looks like a fixed one.
    if (cel.lin > 0 && cel.lin != 13 && cel.col > 0) {
      const auto p = modelo->PinturaDe(cel.col, cel.lin, {});
      EXPECT_EQ(p.pintor, cel.editavel ? TModeloGrid::Pintura::Celula : TModeloGrid::Pintura::CelulaFixa)
          << cel.col << ',' << cel.lin;
      EXPECT_EQ(p.alinhamento, TModeloGrid::Pintura::Direita);
    }
  }
}

const QString kMes = QStringLiteral("Mês");

INSTANTIATE_TEST_SUITE_P(
    Casos, ColunasDaGrade,
    testing::Values(
        Colunas{"RendimentosPadrao", Grade::Rendimentos, kPadrao,
                {kMes, "Rendimento Tributável", "Deduções", "Previdência Oficial", "Previdência Priv e FAPI",
                 "Dependentes", "Pensão Alimentícia", "Imposto Retido"},
                {{1, 1, true}, {7, 14, true}, {3, 13, false}, {0, 5, false}, {4, 0, false}}},
        Colunas{"SemPrevidenciaOficial", Grade::Rendimentos, Ajuste{.deducoesOcultas = "O"},
                {kMes, "Rendimento Tributável", "Deduções", "Previdência Priv e FAPI", "Dependentes",
                 "Pensão Alimentícia", "Imposto Retido"},
                {{6, 1, true}}},
        Colunas{"EmpresaSemDeducoes", Grade::Rendimentos, Ajuste{.deducoesOcultas = "DOPEA"},
                {kMes, "Rendimento Tributável", "Imposto Retido"},
                {{2, 1, true}}},
        Colunas{"DuasLinhas", Grade::Rendimentos, Ajuste{.deducoesOcultas = "DPEA", .multiLinha = true},
                {kMes, "Rendimento\rTributável", "Previdência\rOficial", "Imposto\rRetido"},
                {}},
        Colunas{"MolestiaSemVisao", Grade::Rendimentos, Ajuste{.molestia = true},
                {kMes, "Rendimento Tributável", "Rendimento Isento Moléstia Grave", "Deduções", "Previdência Oficial",
                 "Previdência Priv e FAPI", "Dependentes", "Pensão Alimentícia", "Imposto Retido"},
                {{1, 1, true}, {2, 1, false}, {3, 1, true}}},
        Colunas{"VisaoMolestia5928",
                Grade::Rendimentos,
                Ajuste{.codigo = "5928", .molestia = true, .visaoMolestia = true},
                {kMes, "Rendimento Tributável", "Rendimento Isento Moléstia Grave", "Deduções", "Previdência Oficial",
                 "Previdência Priv e FAPI", "Dependentes", "Pensão Alimentícia", "Imposto Retido"},
                {{1, 1, false}, {2, 1, true}, {3, 1, false}, {4, 1, true}, {5, 1, false}, {6, 1, true}, {7, 1, false}, {8, 1, true}}},
        Colunas{"VisaoMolestia5565SemMolestia",
                Grade::Rendimentos,
                Ajuste{.codigo = "5565", .visaoMolestia = true},
                {kMes, "Rendimento Tributável", "Deduções", "Previdência Oficial", "Previdência Priv e FAPI",
                 "Dependentes", "Pensão Alimentícia", "Imposto Retido"},
                {{1, 1, true}, {3, 1, false}, {5, 1, true}}},
        Colunas{"EventoEmJunho", Grade::Rendimentos, kEventoJunho,
                {kMes, "Rendimento Tributável", "Deduções", "Previdência Oficial", "Previdência Priv e FAPI",
                 "Dependentes", "Pensão Alimentícia", "Imposto Retido"},
                {{1, 6, true}, {1, 7, false}, {7, 12, false}, {1, 14, true}}},
        Colunas{"SubJudice", Grade::SubJudice, kPadrao,
                {kMes, "Rendimento Tributável", "Deduções", "Previdência\rOficial", "Previdência\rPriv e FAPI",
                 "Dependentes", "Pensão\rAlimentícia", "IRRF", "Depósito Judicial"},
                {{8, 14, true}, {1, 9, true}}},
        Colunas{"SubJudiceEventoEmMarco", Grade::SubJudice, Ajuste{.mesEvento = 3},
                {kMes, "Rendimento Tributável", "Deduções", "Previdência\rOficial", "Previdência\rPriv e FAPI",
                 "Dependentes", "Pensão\rAlimentícia", "IRRF", "Depósito Judicial"},
                {{8, 3, true}, {8, 4, false}}},
        Colunas{"Compensacao", Grade::Compensacao, kEventoJunho,
                {kMes, "Imposto Retido", "Ano-calendário", "Anos Anteriores", "Total"},
                {{1, 1, false}, {2, 1, true}, {3, 14, true}, {4, 1, false}, {2, 7, false}}},
        Colunas{"IsentosSemDuasLinhasNaoTemTitulos", Grade::Isentos, kPadrao,
                {"", "", "", "", "", "", ""},
                {{1, 14, true}, {2, 14, true}, {3, 14, false}, {6, 14, false}, {6, 12, true}}},
        Colunas{"IsentosComColunaOculta", Grade::Isentos, Ajuste{.isentosOcultos = "46", .multiLinha = true},
                {kMes, "Parcela Isenta\r65 Anos", "Bolsa\rMédico-Residente", "Diária e\rAjuda de Custo",
                 "Indenização e\rRescisão de Contrato", "Abono\rPecuniário", "Voluntário\rCopa"},
                {{4, 1, false}, {6, 1, false}, {5, 1, true}}},
        Colunas{"IsentosAposentado65", Grade::Isentos, Ajuste{.codigo = "3533", .multiLinha = true},
                {kMes, "Parcela isenta de aposentadoria para\rmaiores de 65 (sessenta e cinco) anos",
                 "Bolsa\rMédico-Residente", "Diária e\rAjuda de Custo", "Indenização e\rRescisão de Contrato",
                 "Abono\rPecuniário", "Voluntário\rCopa"},
                {}}),
    [](const testing::TestParamInfo<Colunas>& i) { return std::string(i.param.nome); });

TEST(ModeloGridMeses, ColunaOcultaDeslocaOsDadosDasSeguintes) {
  TModeloGridRendimentosDeducoes m;
  // Built with the illness column hidden: grid columns 1 to 7 are data columns 1, 3 to 8.
  const int esperado[] = {0, 1, 3, 4, 5, 6, 7, 8};
  for (int c = 0; c < 8; ++c) EXPECT_EQ(m.MapeiaColuna(c), esperado[c]) << c;
  m.SetDeducaoPO(false);
  EXPECT_EQ(m.ColCount(), 7);
  EXPECT_EQ(m.MapeiaColuna(3), TModeloGridMesesDeducoes::kDeducaoPP);
  EXPECT_EQ(m.MapeiaColuna(6), TModeloGridMesesDeducoes::kRetido);
  m.SetMolestia(true);
  EXPECT_EQ(m.ColCount(), 8);
  EXPECT_EQ(m.MapeiaColuna(2), TModeloGridMesesDeducoes::kMolestia);
  EXPECT_EQ(m.MapeiaColuna(4), TModeloGridMesesDeducoes::kDeducaoPP);
}

TEST(ModeloGridMeses, SemDecimoTerceiroATabelaTerminaNosTotais) {
  Linha linha;
  TModeloGridRendimentosDeducoes m;
  m.SetTolvItem(&linha.item);
  m.SetDecimoTerceiro(false);
  EXPECT_EQ(m.RowCount(), 14);
  EXPECT_EQ(m.GetTextoCelula(0, 13), "Totais");
  EXPECT_EQ(m.GetAreaEditavel(), QRect(QPoint(1, 1), QPoint(7, 12)));
  m.SetDecimoTerceiro(true);
  EXPECT_EQ(m.RowCount(), 15);
  EXPECT_EQ(m.GetTextoCelula(0, 14), "13º Salário");
  EXPECT_EQ(m.GetAreaEditavel(), QRect(QPoint(1, 1), QPoint(7, 14)));
}

// Values, totals and stores ------------------------------------------------------------------

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

class ValoresDaGrade : public testing::Test {
 protected:
  Linha linha;
  TRendimentosTributaveis& t = linha.item.GetTributaveis();
};

TEST_F(ValoresDaGrade, MostraValoresTotaisEO13NaUltimaLinha) {
  TModeloGridRendimentosDeducoes m;
  t.GetRendimento(1).SetValorMonetario(R("1000"));
  t.GetRendimento(2).SetValorMonetario(R("234,5"));
  t.GetRendimento(13).SetValorMonetario(R("500"));
  // Without a line everything reads 0,00.
  EXPECT_EQ(m.GetTextoCelula(1, 1), "0,00");
  EXPECT_EQ(m.GetTextoCelula(1, 13), "0,00");
  m.SetTolvItem(&linha.item);
  EXPECT_EQ(m.GetTextoCelula(1, 1), "1.000,00");
  EXPECT_EQ(m.GetTextoEdicao(1, 1), "1000,00");
  EXPECT_EQ(m.GetTextoCelula(0, 2), "Fevereiro");
  // The annual total leaves the thirteenth salary out.
  EXPECT_EQ(m.GetTextoCelula(1, 13), "1.234,50");
  EXPECT_EQ(m.GetTextoCelula(1, 14), "500,00");
  EXPECT_EQ(m.data(m.index(0, 1), TModeloGrid::PapelDezMilesimos).toLongLong(), 10'000'000);
  EXPECT_FALSE(m.data(m.index(0, 0), TModeloGrid::PapelDezMilesimos).isValid());
  EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "Rendimento Tributável");
}

TEST_F(ValoresDaGrade, GravaCortandoAsDecimaisEOTotalAcompanha) {
  TModeloGridRendimentosDeducoes m;
  m.SetTolvItem(&linha.item);
  m.Grava(1, 3, QStringLiteral("1234,5678"));
  EXPECT_EQ(t.GetRendimento(3).GetValorMonetario(), R("1234,56"));
  EXPECT_EQ(m.GetTextoCelula(1, 13), "1.234,56");
  m.Grava(7, 14, QStringLiteral("7,5"));
  EXPECT_EQ(t.GetRetido(13).GetValorMonetario(), R("7,5"));
  EXPECT_EQ(TModeloGridMeses::CortaDecimais(QStringLiteral("1,2a34")), "1,2a3");
  EXPECT_EQ(TModeloGridMeses::CortaDecimais(QStringLiteral("12")), "12");
}

TEST_F(ValoresDaGrade, DeducoesSomamNaDeducaoDoMes) {
  TModeloGridRendimentosDeducoes m;
  m.SetTolvItem(&linha.item);
  t.GetDeducao(4).SetValorMonetario(R("99"));  // another month keeps its own
  t.GetDeducaoDP(3).SetValorMonetario(R("5"));
  m.Grava(3, 3, QStringLiteral("10,00"));  // Previdência Oficial of March
  EXPECT_EQ(t.GetDeducaoPO(3).GetValorMonetario(), R("10"));
  EXPECT_EQ(t.GetDeducao(3).GetValorMonetario(), R("15"));
  EXPECT_EQ(m.GetTextoCelula(2, 3), "15,00");
  EXPECT_EQ(t.GetDeducao(4).GetValorMonetario(), R("99"));
  // Typing the total itself stores it as typed.
  m.Grava(2, 3, QStringLiteral("1"));
  EXPECT_EQ(t.GetDeducao(3).GetValorMonetario(), R("1"));
}

TEST_F(ValoresDaGrade, SubJudiceGuardaNaSuaSerieENaoNasColunasSemSerie) {
  TModeloGridSubJudiceDeducoes m;
  m.SetTolvItem(&linha.item);
  TSubJudice& s = linha.item.GetSubJudice();
  m.Grava(2, 1, QStringLiteral("50"));  // "Deduções": shows 0,00, stores nothing
  EXPECT_EQ(m.GetTextoCelula(2, 1), "0,00");
  EXPECT_TRUE(s.GetDeducao(1).EhZero());
  m.Grava(3, 1, QStringLiteral("10"));
  m.Grava(8, 1, QStringLiteral("3"));
  EXPECT_EQ(s.GetDeducaoPO(1).GetValorMonetario(), R("10"));
  EXPECT_EQ(s.GetDeducao(1).GetValorMonetario(), R("10"));
  EXPECT_EQ(s.GetDeposito(1).GetValorMonetario(), R("3"));
  EXPECT_EQ(m.GetTextoCelula(8, 13), "3,00");
  EXPECT_TRUE(t.GetDeducaoPO(1).EhZero());
}

TEST_F(ValoresDaGrade, CompensacaoTotalizaRetidoECompensacoes) {
  TModeloGridCompensacao m;
  m.SetTolvItem(&linha.item);
  t.GetRetido(1).SetValorMonetario(R("5"));
  m.Grava(2, 1, QStringLiteral("10"));
  m.Grava(3, 2, QStringLiteral("1,5"));
  EXPECT_EQ(m.GetTextoCelula(4, 1), "15,00");
  EXPECT_EQ(m.GetTextoCelula(4, 13), "16,50");
  EXPECT_EQ(m.GetTextoCelula(1, 13), "5,00");
  EXPECT_EQ(m.PinturaDe(0, 13, {}).pintor, TModeloGrid::Pintura::CelulaTotal);
}

TEST_F(ValoresDaGrade, IsentosSem13NasColunasQueNaoOTem) {
  TModeloGridIsentos m;
  m.SetTolvItem(&linha.item);
  linha.item.GetIsentos().GetDac(13).SetValorMonetario(R("4"));
  EXPECT_EQ(m.GetTextoCelula(3, 14), "");
  EXPECT_EQ(m.PinturaDe(3, 14, {}).pintor, TModeloGrid::Pintura::CelulaFixa);
  m.Grava(2, 14, QStringLiteral("8"));
  EXPECT_EQ(linha.item.GetIsentos().GetBolsa(13).GetValorMonetario(), R("8"));
}

TEST_F(ValoresDaGrade, ValorRecusadoLevantaOErroEMantemOValor) {
  TModeloGridRendimentosDeducoes m;
  m.SetTolvItem(&linha.item);
  t.GetRendimento(1).SetValorMonetario(R("7"));
  for (const char* texto : {",", "999999999999"}) {
    try {
      m.Grava(1, 1, QString::fromLatin1(texto));
      ADD_FAILURE() << texto;
    } catch (const TErro& e) {
      EXPECT_EQ(e.Codigo(), 108) << texto;
    }
    EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("7")) << texto;
  }
}

TEST_F(ValoresDaGrade, SemLinhaNadaSeGrava) {
  TModeloGridCompensacao m;
  EXPECT_NO_THROW(m.Grava(2, 1, QStringLiteral("10")));
  EXPECT_EQ(m.GetTextoCelula(2, 1), "0,00");
  EXPECT_FALSE(m.AceitaArrasto(2, 1));
  m.SetTolvItem(&linha.item);
  EXPECT_FALSE(m.AceitaArrasto(2, 1));  // a line never stored
  linha.item.SetTolvItemDK(QStringLiteral("12"));
  EXPECT_TRUE(m.AceitaArrasto(2, 1));
}

TEST_F(ValoresDaGrade, MudancaPorCodigoChegaAGradeUmaVez) {
  TModeloGridRendimentosDeducoes m;
  m.SetTolvItem(&linha.item);
  QSignalSpy mudou(&m, &QAbstractItemModel::dataChanged);
  t.GetRendimento(2).SetValorMonetario(R("3"));
  t.GetRetido(13).SetValorMonetario(R("1"));
  linha.item.ZeraDecimoTerceiro();
  EXPECT_EQ(mudou.count(), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(mudou.count(), 1);
}

TEST(ModeloGridMeses, LinhaDestruidaEhEsquecida) {
  TTolv tolv;
  auto item = std::make_unique<TTolvItem>(tolv, tolv);
  TModeloGridIsentos m;
  m.SetTolvItem(item.get());
  item.reset();
  EXPECT_EQ(m.TolvItem(), nullptr);
  EXPECT_EQ(m.GetTextoCelula(1, 1), "0,00");
}

TEST(ModeloGridMeses, TituloEscolhidoFicaQuandoAGradeSeRedimensiona) {
  TTolvGridRendimentosDeducoes grade;
  grade.SetMultiLinha(true);
  grade.SetTituloColuna(TModeloGridMesesDeducoes::kRetido, QStringLiteral("Valor\rRetido"));
  grade.resize(700, 300);
  grade.AjustaDimensoes();
  EXPECT_EQ(grade.Modelo().GetTextoCelula(7, 0), "Valor\rRetido");
}

// Sizing --------------------------------------------------------------------------------------

TEST(DimensoesDaGrade, LinhasEColunasComArredondamentoParaOPar) {
  const auto d = TTolvGridMeses::CalculaDimensoes(269, 590, 15, 8, 64, 0, false);
  EXPECT_EQ(d.alturaLinha, 18);
  EXPECT_EQ(d.alturaCabecalho, 16);
  EXPECT_EQ(d.alturaTotais, 16);
  EXPECT_EQ(d.larguraDemais, 75);
  EXPECT_EQ(d.larguraColuna1, 76);
  // a = 11: half of it, 5.5, goes to 6.
  const auto m = TTolvGridMeses::CalculaDimensoes(269, 590, 15, 8, 64, 0, true);
  EXPECT_EQ(m.alturaLinha, 17);
  EXPECT_EQ(m.alturaCabecalho, 17 + 6 + 7);
  EXPECT_EQ(m.alturaTotais, 2 * 17 + 11 - 30);
  // 525 / 2 = 262.5 goes to 262.
  const auto c = TTolvGridMeses::CalculaDimensoes(269, 589, 15, 3, 64, 0, false);
  EXPECT_EQ(c.larguraDemais, 262);
  EXPECT_EQ(c.larguraColuna1, 263);
}

TEST(DimensoesDaGrade, IsentosRepartemALarguraEntreAsColunasVisiveis) {
  using L = std::array<int, 7>;
  EXPECT_EQ(TTolvGridIsentos::LargurasColunas(590, 64, {true, true, true, true, true, true, true}),
            (L{64, 86, 88, 88, 88, 88, 88}));
  EXPECT_EQ(TTolvGridIsentos::LargurasColunas(590, 64, {true, false, true, false, true, false, false}),
            (L{64, 0, 263, 0, 263, 0, 0}));
  EXPECT_EQ(TTolvGridIsentos::LargurasColunas(590, 64, {true, false, false, true, false, false, false}),
            (L{64, 0, 0, 526, 0, 0, 0}));
}

}  // namespace
