// The verification run: declarations of the index walked in order, the rows of each section, the
// caps of errors and warnings, the list file, the stop request and what the run holds while it works.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include "VerificacaoTeste.h"
#include "controles/TVerificacaoEmCurso.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/ETolvError.h"
#include "nucleo/Erros.h"
#include "nucleo/Pendencia.h"
#include "secoes/TzuqRra.h"

namespace {

using namespace verificacao_teste;

const QString kFim = QString(18, u' ');
const QString kSemBeneficiario =
    QStringLiteral("E 22 1  Não é permitida a entrega de declaração original sem beneficiário.");

class Verificacao : public ComIndice {
 protected:
  // Runs over the entries with the run's own section checks, or those given.
  void Executa(const QStringList& entradas, ISecoesVerificacao* secoes = nullptr) {
    m_run.SetDeclaracoes(entradas);
    m_run.SetSecoes(secoes);
    m_run.SetServicos(&m_servicos);
    m_contador = -1;
    EXPECT_TRUE(m_run.ExecutarVerificacao(m_contador));
  }
  QStringList Linhas() const { return Textos(m_run.GetLinhas()); }

  ServicosFalsos m_servicos;
  TVerificacaoPendencias m_run;
  int m_contador = 0;
};

// ---------------------------------------------------------------------------------------------
// The sections of a declaration: its own lines, its funds and its processes, each line checked.

TEST_F(Verificacao, CadaSecaoListaSuasPendenciasSobSeuTitulo) {
  Cria(kMatriz, 0, true, true);
  Roda(kMatriz, QString::fromLatin1(kAnexos) + QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_ABR,
  VL_DEDUCAO_ABR) VALUES (2, 1, '3208', '1', '529982247', 'BELTRANO DA SILVA', 1000, 10);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_MAR)
  VALUES (3, 2, '6800', '1', '111444777', 'FULANO DE TAL', 500);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_FEV)
  VALUES (10, 4, '5928', '1', '111444777', 'FULANO DE TAL', 700);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_13)
  VALUES (11, 4, '5928', '1', '529982247', 'BELTRANO DA SILVA', 300);
)"));
  Executa({Entrada(kMatriz)});
  EXPECT_EQ(Linhas(),
            QStringList({
                "0811.444.777/0001-61     EMPRESA TESTE LTDA     Ano-calendário: 2013",
                "20Identificação do declarante",
                "20Responsável pelo preenchimento da declaração",
                "20Responsável perante o CNPJ",
                "10Beneficiários",
                "E 25 1 2 Dedução indevida para código/beneficiário: 3208 529.982.247-25 Abr.",
                "20Rendimentos recebidos acumuladamente - Declarante",
                "0911.222.333/0001-81     CLUBE BETA     Fundos ou clubes de investimentos",
                "10Beneficiários",
                "E 30 3  Fundo ou clube de investimento sem beneficiários.",
                "1100012345620135010001     Processo Justiça federal",
                "10Beneficiários",
                // A thirteenth that the code does not admit is not even read.
                "E 41 4 11 Valores iguais a zero em todos os meses: 5928 529.982.247-25.",
                "20Rendimentos recebidos acumuladamente - Justiça",
            }))
      << Linhas().join(u'\n').toStdString();
  EXPECT_EQ(m_contador, 5);
  EXPECT_EQ(m_run.GetVerificados(), 5);
  EXPECT_EQ(m_run.GetNumErros(), 3);
  EXPECT_FALSE(m_run.SemPendencias());
  EXPECT_TRUE(m_run.GetOcioso());
}

TEST_F(Verificacao, DeclaracaoSemPendencias) {
  Cria(kMatriz);
  Roda(kMatriz, QStringLiteral(
                    "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR,"
                    " VL_RENDIME_JAN) VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);"));
  Executa({Entrada(kMatriz)});
  // The closing row of the last declaration goes.
  EXPECT_EQ(Linhas(), QStringList({"0811.444.777/0001-61     EMPRESA TESTE LTDA     Ano-calendário: 2013",
                                   "20Identificação do declarante", "20Responsável pelo preenchimento da declaração",
                                   "20Responsável perante o CNPJ", "20Beneficiários",
                                   "20Rendimentos recebidos acumuladamente - Declarante"}));
  EXPECT_TRUE(m_run.SemPendencias());
  EXPECT_EQ(m_contador, 1);
}

// A nature that differs from the first establishment's is listed with the second one.
TEST_F(Verificacao, NaturezaDivergenteEntreEstabelecimentos) {
  Cria(kMatriz, 1);
  Cria(kFilial, 2, false, false, QStringLiteral("EMPRESA TESTE LTDA FILIAL"));
  Executa({Entrada(kMatriz), Entrada(kFilial)});
  EXPECT_EQ(Linhas(),
            QStringList({"0811.444.777/0001-61     EMPRESA TESTE LTDA     Ano-calendário: 2013",
                         "20Identificação do declarante", "20Responsável pelo preenchimento da declaração",
                         "20Responsável perante o CNPJ", "10Beneficiários", kSemBeneficiario, kFim,
                         "0811.444.777/0002-42     EMPRESA TESTE LTDA FILIAL     Ano-calendário: 2013",
                         "10Identificação do declarante",
                         "E 11 1 11.444.777/0 Divergência da natureza do declarante entre estabelecimentos da "
                         "mesma empresa.",
                         "20Responsável pelo preenchimento da declaração", "20Responsável perante o CNPJ",
                         "10Beneficiários", kSemBeneficiario}));
}

// An entry that the index does not list is an error of its own, never a run without pendencies.
// (Keys are cut to the width of their column, as the list keeps them.)
TEST_F(Verificacao, DeclaracaoForaDoIndiceEhErro) {
  Cria(kMatriz);
  Roda(kMatriz, QStringLiteral(
                    "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR,"
                    " VL_RENDIME_JAN) VALUES (1, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);"));
  Executa({QStringLiteral("2013999999990001"), Entrada(kMatriz), QStringLiteral("2013123456789")});
  const QStringList linhas = Linhas();
  ASSERT_EQ(linhas.size(), 12) << linhas.join(u'\n').toStdString();
  EXPECT_EQ(linhas.mid(0, 3), QStringList({"0899.999.999/0001-91     Ano-calendário: 2013",
                                           "E 255 1 99.999.999/0 Não consta declaração para este CNPJ: "
                                           "99.999.999/0001-91, ano-calendário 2013.",
                                           kFim}));
  EXPECT_EQ(linhas.mid(10), QStringList({"08123.456.789-09     Ano-calendário: 2013",
                                        "E 255 1 123.456.789- Não consta declaração para este CPF: 123.456.789-09, "
                                        "ano-calendário 2013."}));
  EXPECT_EQ(m_run.GetNumErros(), 2);
  EXPECT_FALSE(m_run.SemPendencias());
  // The go-to has nowhere to lead from it.
  EXPECT_FALSE(m_run.GetLinhas()[1].LevaAoCampo());
}

// ---------------------------------------------------------------------------------------------
// The caps, with findings of a script.

void Acha(TErros& erros, TVerificacaoPendencias& v, uint8_t tipo, uint16_t codigo = 59, uint8_t objeto = 25,
          const QString& dono = QStringLiteral("1")) {
  AdicionaPendencia<ETolvError>(erros, codigo, {}, tipo, dono, QStringLiteral("9"), objeto);
  v.IncluiErros(erros);
  erros.Limpa();
}

int Conta(const std::vector<LinhaVerificacao>& linhas, int gravidade) {
  int n = 0;
  for (const LinhaVerificacao& l : linhas) n += l.gravidade == gravidade ? 1 : 0;
  return n;
}

TEST_F(Verificacao, OQuintoMilesimoErroParaSemLinhaPropria) {
  Cria(kMatriz);
  Cria(kFilial);
  int feitos = 0;
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int& contador) {
    for (int i = 0; i < 6000 && !v.GetParado(); ++i, ++feitos, ++contador) Acha(erros, v, 1);
  });
  Executa({Entrada(kMatriz), Entrada(kFilial)}, &secoes);
  EXPECT_EQ(feitos, 5000);
  EXPECT_EQ(secoes.chamadas, 1);
  EXPECT_EQ(m_run.GetNumErros(), 5000);
  EXPECT_EQ(Conta(m_run.GetLinhas(), LinhaVerificacao::kErro), 4999);
  EXPECT_TRUE(m_run.GetInterrompido());
  EXPECT_EQ(m_run.GetTextoParada(), QStringLiteral("Verificação interrompida! Limite de 5000 erros para uma declaração"));
  EXPECT_FALSE(m_run.SemPendencias());
  EXPECT_EQ(m_contador, 5000);
}

TEST_F(Verificacao, AposCincoMilAvisosSoErros) {
  Cria(kMatriz);
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    for (int i = 0; i < 5003; ++i) Acha(erros, v, 0);
    Acha(erros, v, 1);
    Acha(erros, v, 0);
    Acha(erros, v, 1);
  });
  Executa({Entrada(kMatriz)}, &secoes);
  const auto& linhas = m_run.GetLinhas();
  EXPECT_EQ(m_run.GetNumAvisos(), 5000);
  EXPECT_EQ(Conta(linhas, LinhaVerificacao::kAviso), 5000);
  EXPECT_EQ(m_run.GetNumErros(), 2);
  EXPECT_EQ(Conta(linhas, LinhaVerificacao::kErro), 2);
  EXPECT_TRUE(m_run.GetLimiteAvisos());
  ASSERT_EQ(linhas.size(), 1u + 5000 + 1 + 2);
  EXPECT_EQ(linhas[5001].descricao, QStringLiteral("08ATINGIDOS 5000 AVISOS! AGORA SOMENTE ERROS SERÃO MOSTRADOS."));
  EXPECT_EQ(linhas[5001].gravidade, 255);
  EXPECT_EQ(linhas[5001].objeto, 255);
  EXPECT_EQ(linhas[5002].gravidade, LinhaVerificacao::kErro);
  // Warnings do not stop a declaration from being written.
  EXPECT_FALSE(m_run.GetInterrompido());
}

TEST_F(Verificacao, AvisosOcultosSaoContadosSemLinha) {
  Cria(kMatriz);
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    Acha(erros, v, 0);
    v.SetMostrarAvisos(true);  // the box ticked during the run counts from then on
    Acha(erros, v, 0);
    v.SetMostrarAvisos(false);
    Acha(erros, v, 1);
    Acha(erros, v, 0);
  });
  m_run.SetMostrarAvisos(false);
  Executa({Entrada(kMatriz)}, &secoes);
  EXPECT_EQ(m_run.GetNumAvisos(), 3);
  EXPECT_EQ(Conta(m_run.GetLinhas(), LinhaVerificacao::kAviso), 1);
  EXPECT_EQ(Conta(m_run.GetLinhas(), LinhaVerificacao::kErro), 1);
  EXPECT_FALSE(m_run.SemPendencias());
}

TEST_F(Verificacao, PendenciasDoResponsavelSaoDoDeclarante) {
  Cria(kMatriz);
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    Acha(erros, v, 1, 38, 15, QStringLiteral("5"));
    Acha(erros, v, 1, 38, 21, QStringLiteral("5"));
    Acha(erros, v, 1, 38, 22, QStringLiteral("5"));
  });
  Executa({Entrada(kMatriz)}, &secoes);
  const auto& linhas = m_run.GetLinhas();
  ASSERT_EQ(linhas.size(), 4u);
  EXPECT_EQ(linhas[1].aQuemPertence, QStringLiteral("1"));
  EXPECT_EQ(linhas[2].aQuemPertence, QStringLiteral("1"));
  EXPECT_EQ(linhas[3].aQuemPertence, QStringLiteral("5"));
  EXPECT_EQ(linhas[3].descricao, QStringLiteral("01CPF não informado."));
}

// ---------------------------------------------------------------------------------------------
// The list of the last run on disk.

TEST_F(Verificacao, ListaDaUltimaExecucaoGravadaELidaDeVolta) {
  Cria(kMatriz);
  SecoesFalsas secoes([&](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    // Written at the start, empty, before any row.
    const auto inicio = ListaVerificacao::Carrega(ListaVerificacao::Arquivo());
    ASSERT_TRUE(inicio.has_value());
    EXPECT_TRUE(inicio->empty());
    v.IncluiTitulo(QStringLiteral("10Beneficiários"));
    Acha(erros, v, 1, 24, 24);
    Acha(erros, v, 0, 55, 25);
    v.IncluiTitulo(QString(18, u' '));
  });
  Executa({Entrada(kMatriz)}, &secoes);
  QString erro;
  const auto lida = ListaVerificacao::Carrega(m_pasta.dados() + QStringLiteral("/Verifica.xml"), &erro);
  ASSERT_TRUE(lida.has_value()) << erro.toStdString();
  EXPECT_EQ(*lida, m_run.GetLinhas());
  ASSERT_EQ(lida->size(), 4u);
  EXPECT_EQ((*lida)[2].quemEh, QStringLiteral("9"));
  EXPECT_EQ((*lida)[2].objeto, 24);
}

// A list that cannot be written leaves no run behind that passes for one without pendencies.
TEST_F(Verificacao, SemArquivoDaListaNaoHaVerificacao) {
  Cria(kMatriz);
  ASSERT_TRUE(QDir().mkpath(m_pasta.dados() + QStringLiteral("/Verifica.xml/ocupado")));
  m_run.SetDeclaracoes({Entrada(kMatriz)});
  int contador = 0;
  EXPECT_FALSE(m_run.ExecutarVerificacao(contador));
  EXPECT_FALSE(m_run.SemPendencias());
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Não foi possível criar a lista de pendências")));
}

// ---------------------------------------------------------------------------------------------
// While it works: the stop request, the main window held, no second run.

TEST_F(Verificacao, PararPelosEventosTerminaAposOItemEmCurso) {
  Cria(kMatriz);
  Cria(kFilial);
  bool segundaRodou = true;
  bool emCursoVisto = false;
  bool servicosVistos = false;
  SecoesFalsas secoes([&](TTolv&, TErros&, TVerificacaoPendencias& v, int& contador) {
    emCursoVisto = TVerificacaoEmCurso::instancia().EmExecucao();
    servicosVistos = m_servicos.emExecucaoAgora;
    // An event that would start another run does nothing.
    int outro = 0;
    segundaRodou = v.ExecutarVerificacao(outro);
    // The stop button, pressed while the run lets events through.
    QTimer::singleShot(0, &v, [&v] { v.Para(); });
    QElapsedTimer relogio;
    relogio.start();
    while (!v.GetParado() && relogio.elapsed() < 5000) {
      ++contador;
      QThread::msleep(2);
      v.ProcessaEventos();
    }
  });
  Executa({Entrada(kMatriz), Entrada(kFilial)}, &secoes);
  EXPECT_TRUE(m_run.GetInterrompido());
  EXPECT_EQ(secoes.chamadas, 1);
  EXPECT_FALSE(segundaRodou);
  EXPECT_TRUE(emCursoVisto);
  EXPECT_TRUE(servicosVistos);
  EXPECT_EQ(m_servicos.avisos, std::vector<bool>({true, false}));
  EXPECT_FALSE(TVerificacaoEmCurso::instancia().EmExecucao());
  EXPECT_FALSE(m_run.SemPendencias());
  // The first declaration's header, nothing of the second.
  EXPECT_EQ(Linhas(), QStringList({"0811.444.777/0001-61     EMPRESA TESTE LTDA     Ano-calendário: 2013"}));
}

// A stop on the stored lines: the lines walk reads the flag at every line.
TEST_F(Verificacao, PararNasLinhasDoDeclarante) {
  Cria(kMatriz);
  QString sql;
  for (int i = 1; i <= 30; ++i)
    sql += QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ,"
                          " NM_NM_EMPR, VL_DEDUCAO_JAN) VALUES (%1, 1, '3208', '1', '111444777', 'FULANO DE TAL', 1);")
               .arg(i);
  Roda(kMatriz, sql);
  // The first finding listed stops the run, as a click would.
  QObject::connect(&m_run, &TVerificacaoPendencias::LinhasMudaram, &m_run, [this] {
    if (m_run.GetNumErros() == 1) m_run.Para();
  });
  Executa({Entrada(kMatriz)});
  EXPECT_EQ(m_contador, 1);
  // The header, the three sections before the lines, the lines' title and the finding.
  EXPECT_EQ(Linhas().size(), 6);
  EXPECT_FALSE(m_run.SemPendencias());
}

// A failure that leaves the run by an exception still leaves it finished.
TEST_F(Verificacao, ExcecaoDeixaAExecucaoEncerrada) {
  Cria(kMatriz);
  SecoesFalsas secoes([](TTolv&, TErros&, TVerificacaoPendencias& v, int&) {
    v.IncluiTitulo(QStringLiteral("10Beneficiários"));
    throw std::runtime_error("falha");
  });
  m_run.SetDeclaracoes({Entrada(kMatriz)});
  m_run.SetSecoes(&secoes);
  m_run.SetServicos(&m_servicos);
  int contador = 0;
  EXPECT_THROW(m_run.ExecutarVerificacao(contador), std::runtime_error);
  EXPECT_FALSE(m_run.EmExecucao());
  EXPECT_TRUE(m_run.GetOcioso());
  EXPECT_EQ(m_servicos.avisos, std::vector<bool>({true, false}));
  const auto lida = ListaVerificacao::Carrega(ListaVerificacao::Arquivo());
  ASSERT_TRUE(lida.has_value());
  EXPECT_EQ(lida->size(), 2u);
}

}  // namespace

namespace {

using namespace verificacao_teste;

// The accumulated-income rule that reports only during a verification sees one from the first
// declaration's header until the list goes.
TEST_F(ComIndice, VerificacaoAnunciadaAoRraEnquantoAListaExiste) {
  Cria(kMatriz);
  TzuqRra::DefineVerificacaoEmCurso(false);
  {
    TVerificacaoPendencias run;
    run.SetDeclaracoes({Entrada(kMatriz)});
    int contador = 0;
    run.ExecutarVerificacao(contador);
    EXPECT_TRUE(TzuqRra::VerificacaoEmCurso());
  }
  EXPECT_FALSE(TzuqRra::VerificacaoEmCurso());
}

}  // namespace
