#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTimer>
#include <QTableView>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "SecoesTeste.h"
#include "controles/TTolvButton.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/ConsultaPesquisaBeneficiarios.h"
#include "secoes/TFrPesquisarTolv.h"
#include "suporte/QtGtest.h"

namespace {

using C = CriterioPesquisaBeneficiarios;

// Lines L1..L6 and accumulated-income items R1, R2 of a declaration with a fund (source 2) and
// a process (source 3).
struct Linha {
  const char* rotulo;
  int fonte;
  const char* codigo;
  const char* tipo;
  const char* numero;
  const char* nome;
};
const Linha kLinhas[] = {
    {"L1", 1, "0561", "1", "111222333", "José da Silva"},
    {"L2", 1, "3208", "1", "111222333", "José da Silva"},
    {"L3", 1, "0588", "2", "112223330001", "SOUZA E REIS LTDA"},
    {"L4", 1, "0588", "2", "112223330002", "SOUZA E REIS FILIAL"},
    {"L5", 2, "3277", "1", "555666777", "Josefa D'Ávila"},
    {"L6", 3, "5936", "1", "444555666", "Maria Sant'Ana Silva"},
};

class ComLinhasPesquisadas : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    Roda(QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (2, '2', '998887770001', 0)"));
    Roda(QStringLiteral(
        "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (3, '2', '00012345620135010001', 1)"));
    int id = 100;
    for (const Linha& l : kLinhas) {
      ++id;
      rotulos[QStringLiteral("L%1").arg(id)] = QString::fromLatin1(l.rotulo);
      Roda(QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ,"
                          " NM_NM_EMPR) VALUES (%1, %2, '%3', '%4', '%5', '%6')")
               .arg(id)
               .arg(l.fonte)
               .arg(QString::fromLatin1(l.codigo), QString::fromLatin1(l.tipo), QString::fromLatin1(l.numero),
                    QString::fromUtf8(l.nome).replace(u'\'', QStringLiteral("''"))));
    }
    Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ) VALUES (7, '1', '1', '111222333')"));
    Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ, RRA_PROCESSO)"
                        " VALUES (8, '2', '1', '444555666', 'P123')"));
    rotulos[QStringLiteral("R7")] = QStringLiteral("R1");
    rotulos[QStringLiteral("R8")] = QStringLiteral("R2");
  }

  // The hits in the order read: L<n> a line, R<n> an accumulated-income item, B<number> a
  // beneficiary in pick mode.
  QStringList Achados(const C& criterio) {
    bd::Transacao transacao(*TColecao::GetBancoDeclaracao(), {QStringLiteral("read_committed"), QStringLiteral("read")});
    ConsultaPesquisaBeneficiarios consulta(transacao);
    consulta.Executa(criterio);
    std::vector<LinhaPesquisaBeneficiarios> linhas;
    while (consulta.Le(3, linhas)) {
    }
    QStringList r;
    for (const LinhaPesquisaBeneficiarios& l : linhas) {
      if (criterio.selBeneficiario) {
        r << u'B' + l.nrPfPj;
        continue;
      }
      const QString chave = (l.codigo == u"1889" ? u'R' : u'L') + QString::number(l.itemDk);
      r << rotulos.value(chave, chave);
    }
    return r;
  }

  QMap<QString, QString> rotulos;
};

struct Caso {
  const char* nome;
  C criterio;
  std::vector<const char*> achados;
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

C Tipo(int tipo) {
  C c;
  c.tipo = tipo;
  return c;
}
C Codigo(const char* codigo, int tipo = C::Todos) {
  C c = Tipo(tipo);
  c.codigo = QString::fromLatin1(codigo);
  return c;
}
C Numero(QString ni, C::Ni como, int tipo = C::Todos) {
  C c = Tipo(tipo);
  c.ni = std::move(ni);
  c.criterioNi = como;
  return c;
}
C Nome(const char* nome, C::Nome como, int tipo = C::Todos) {
  C c = Tipo(tipo);
  c.nome = QString::fromUtf8(nome);
  c.criterioNome = como;
  return c;
}
C Escolha(C c) {
  c.selBeneficiario = true;
  return c;
}
C Ordem(C c, C::Ordem ordem) {
  c.ordem = ordem;
  return c;
}
C NomeENumero(const char* nome, C::Nome como, const char* ni, C::Ni comoNi) {
  C c = Nome(nome, como);
  c.ni = QString::fromLatin1(ni);
  c.criterioNi = comoNi;
  return c;
}
QString CpfFormatado(const char* base) {
  return TNiContribuinte::FormataNi(QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)));
}

class CriteriosDaPesquisaBeneficiarios : public ComLinhasPesquisadas, public testing::WithParamInterface<Caso> {};

TEST_P(CriteriosDaPesquisaBeneficiarios, AchaAsLinhasEsperadas) {
  QStringList esperados;
  for (const char* a : GetParam().achados) esperados << QString::fromLatin1(a);
  EXPECT_EQ(Achados(GetParam().criterio), esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CriteriosDaPesquisaBeneficiarios,
    testing::Values(
        // Every line of every source, then the accumulated income, in code order.
        Caso{"TodosSemCriterio", Tipo(C::Todos), {"L1", "L3", "L4", "R1", "R2", "L2", "L5", "L6"}},
        Caso{"Declarante", Tipo(C::Declarante), {"L1", "L3", "L4", "L2"}},
        Caso{"Fundo", Tipo(C::Fundo), {"L5"}},
        Caso{"Processo", Tipo(C::Processo), {"L6"}},
        Caso{"Codigo1889SoORra", Codigo("1889"), {"R1", "R2"}},
        Caso{"OutroCodigoSemRra", Codigo("0588"), {"L3", "L4"}},
        Caso{"CodigoIncompletoNaoFiltra", Codigo("05"), {"L1", "L3", "L4", "R1", "R2", "L2", "L5", "L6"}},
        Caso{"CodigoDoDeclarante", Codigo("0561", C::Declarante), {"L1"}},
        Caso{"CpfCompleto", Numero(CpfFormatado("111222333"), C::Completo), {"L1", "R1", "L2"}},
        Caso{"CpfParteInicial", Numero(QStringLiteral("1112"), C::ParteInicialCpf), {"L1", "R1", "L2"}},
        Caso{"CpfParteInicialSemNumero", Numero(QString(), C::ParteInicialCpf), {"L1", "R1", "R2", "L2", "L5", "L6"}},
        // The root of a company finds its establishments; the whole base, the one.
        Caso{"CnpjRaiz", Numero(QStringLiteral("11.222.333"), C::ParteInicialCnpj), {"L3", "L4"}},
        Caso{"CnpjBaseInteira", Numero(QStringLiteral("11.222.333/0002"), C::ParteInicialCnpj), {"L4"}},
        Caso{"SomentePF", Numero(QString(), C::SomentePF), {"L1", "R1", "R2", "L2", "L5", "L6"}},
        Caso{"SomentePJSemRra", Numero(QString(), C::SomentePJ), {"L3", "L4"}},
        Caso{"SomentePJDoFundo", Numero(QString(), C::SomentePJ, C::Fundo), {}},
        Caso{"NomeExatoComAcento", Nome("josé da silva", C::ExatamenteIgual), {"L1", "R1", "L2"}},
        Caso{"NomeExatoSemAcento", Nome("JOSE DA SILVA", C::ExatamenteIgual), {"L1", "R1", "L2"}},
        Caso{"NomeInicio", Nome("Jose", C::ParteInicial), {"L1", "R1", "L2", "L5"}},
        Caso{"ApostrofoExato", Nome("Josefa D'Ávila", C::ExatamenteIgual), {"L5"}},
        Caso{"ApostrofoInicio", Nome("maria sant'ana", C::ParteInicial), {"R2", "L6"}},
        Caso{"ApostrofoPalavras", Nome("Sant'Ana", C::TodasAsPalavras), {"R2", "L6"}},
        // The first word starts the name; the others follow it in the order typed.
        Caso{"PrimeiraPalavra", Nome("souza reis", C::PrimeiraPalavra), {"L3", "L4"}},
        Caso{"PrimeiraPalavraForaDoInicio", Nome("reis souza", C::PrimeiraPalavra), {}},
        Caso{"PrimeiraPalavraSo", Nome("jos", C::PrimeiraPalavra), {"L1", "R1", "L2", "L5"}},
        // Every word anywhere, in the order typed.
        Caso{"TodasAsPalavras", Nome("souza reis", C::TodasAsPalavras), {"L3", "L4"}},
        Caso{"TodasAsPalavrasForaDoInicio", Nome("e reis", C::TodasAsPalavras), {"L3", "L4"}},
        Caso{"TodasAsPalavrasNaOrdemDigitada", Nome("reis souza", C::TodasAsPalavras), {}},
        Caso{"TodasAsPalavrasSilva", Nome("SILVA", C::TodasAsPalavras), {"L1", "R1", "R2", "L2", "L6"}},
        Caso{"PorcentoEhLetra", Nome("%SILVA", C::TodasAsPalavras), {}},
        Caso{"Injecao", Nome("' OR '1'='1", C::ExatamenteIgual), {}},
        Caso{"NomeENumero", NomeENumero("souza", C::ParteInicial, "112223330001", C::ParteInicialCnpj), {"L3"}},
        Caso{"OrdemPorCpfCnpj", Ordem(Tipo(C::Todos), C::PorCpfCnpj), {"L1", "R1", "L2", "R2", "L6", "L5", "L3", "L4"}},
        Caso{"OrdemPorOrigem", Ordem(Tipo(C::Todos), C::PorOrigem), {"L1", "L2", "L3", "L4", "R1", "R2", "L5", "L6"}},
        // Pick mode: each beneficiary once; accented input finds accented names.
        Caso{"EscolhaTodos", Escolha(Tipo(0)), {"B111222333", "B444555666", "B555666777", "B112223330001", "B112223330002"}},
        Caso{"EscolhaNomeComAcento", Escolha(Nome("JOSÉ", C::ParteInicial, 0)), {"B111222333", "B555666777"}},
        Caso{"EscolhaApostrofo", Escolha(Nome("josefa d'ávila", C::ExatamenteIgual, 0)), {"B555666777"}},
        Caso{"EscolhaPalavras", Escolha(Nome("sant silva", C::TodasAsPalavras, 0)), {"B444555666"}},
        Caso{"EscolhaPalavrasForaDeOrdem", Escolha(Nome("silva sant", C::TodasAsPalavras, 0)), {}},
        Caso{"EscolhaCnpj", Escolha(Numero(QStringLiteral("1122233300"), C::ParteInicialCnpj, 0)),
             {"B112223330001", "B112223330002"}}),
    [](const testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(CriterioDaPesquisaBeneficiarios, TextosVaoSempreComoParametros) {
  C c = NomeENumero("D'Ávila x", C::PrimeiraPalavra, "11.222'", C::ParteInicialCnpj);
  c.codigo = QStringLiteral("'--1");
  const auto comando = ConsultaPesquisaBeneficiarios::Monta(c);
  EXPECT_FALSE(comando.sql.contains(QStringLiteral("AVILA")));
  EXPECT_FALSE(comando.sql.contains(QStringLiteral("'--")));
  EXPECT_FALSE(comando.sql.contains(QStringLiteral("11222")));
}

TEST(CriterioDaPesquisaBeneficiarios, NumeroCompletoInvalidoLevantaSuaMensagem) {
  EXPECT_THROW(ConsultaPesquisaBeneficiarios::Monta(Numero(QStringLiteral("123.456.789-00"), C::Completo)), TErro);
}

TEST(LinhaPesquisaBeneficiarios, OrigemEQuadroPelaFonteEPeloTipo) {
  struct {
    int fonte, tipo;
    const char* origem;
    int quadro;
  } casos[] = {{1, 0, "DEC", 22},  {1, 1, "RRA DEC", 57}, {1, 2, "RRA PROC", 58},
               {2, 0, "FCI", 30},  {5, 1, "JUST", 30},    {0, 0, "", 0}};
  for (const auto& c : casos) {
    LinhaPesquisaBeneficiarios l;
    l.fonteDk = c.fonte;
    l.tipo = c.tipo;
    EXPECT_EQ(l.Origem(), QString::fromLatin1(c.origem)) << c.fonte << '/' << c.tipo;
    EXPECT_EQ(l.Quadro(), c.quadro) << c.fonte << '/' << c.tipo;
  }
}

// A broad search walks indexes and merges its parts; it must list what the one sorted statement
// lists, in the same order, whatever the order asked: names that tie across beneficiaries, that
// sort by their code-page bytes (’ before À), that lack a name; sources without a number or
// sharing one.
class OrdemDasPartes : public ComLinhasPesquisadas {
 protected:
  void SetUp() override {
    ComLinhasPesquisadas::SetUp();
    Roda(QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (4, '2', '998887770001', 0)"));
    struct {
      int item, fonte;
      const char* codigo;
      const char* numero;
      const char* nome;
    } const mais[] = {
        {201, 1, "0561", "222333444", "JOSE DA SILVA"},  {202, 4, "0561", "222333444", "JOSE DA SILVA"},
        {203, 2, "0588", "333444555", "ÀGUA ’S"},         {204, 1, "0588", "333444556", "’AGUA"},
        {205, 4, "3208", "333444557", "ZECA"},           {206, 3, "0561", "111222333", "José da Silva"},
        {207, 1, "0588", "555666777", "Josefa D'Ávila"}, {208, 2, "3208", "666777888", "AGUA"},
        {209, 1, "3208", "100000001", "ZECA"},
    };
    for (const auto& l : mais)
      Roda(QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ,"
                          " NM_NM_EMPR) VALUES (%1, %2, '%3', '1', '%4', '%5')")
               .arg(l.item)
               .arg(l.fonte)
               .arg(QString::fromLatin1(l.codigo), QString::fromLatin1(l.numero),
                    QString::fromUtf8(l.nome).replace(u'\'', QStringLiteral("''"))));
    // Accumulated income of a beneficiary without a name, and of one that shares a process.
    Roda(QStringLiteral("INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ) VALUES ('1', '777888999')"));
    Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ) VALUES (9, '1', '1', '777888999')"));
    Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ, RRA_PROCESSO)"
                        " VALUES (10, '2', '1', '222333444', '998887770001')"));
    // Merged among the lines by a name that Unicode would put after À.
    Roda(QStringLiteral("INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '888999000', '’ZZ')"));
    Roda(QStringLiteral("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ) VALUES (11, '1', '1', '888999000')"));
  }

  // The hits as the one sorted statement lists them.
  QStringList Ordenados(const C& criterio) {
    bd::Transacao transacao(*TColecao::GetBancoDeclaracao(), {QStringLiteral("read_committed"), QStringLiteral("read")});
    const auto comando = ConsultaPesquisaBeneficiarios::Monta(criterio);
    bd::Consulta c(transacao, comando.sql);
    for (const auto& [nome, valor] : comando.parametros) c.param(nome, valor);
    QStringList r;
    for (c.abre(); !c.eof(); c.proximo()) {
      if (criterio.selBeneficiario) {
        r << u'B' + c.campo(5).texto().trimmed();
        continue;
      }
      const QString chave = (c.campo(3).texto() == u"1889" ? u'R' : u'L') + QString::number(c.campo(2).inteiro());
      r << rotulos.value(chave, chave);
    }
    return r;
  }
  bool EmPartes(const C& criterio) {
    bd::Transacao transacao(*TColecao::GetBancoDeclaracao(), {QStringLiteral("read_committed"), QStringLiteral("read")});
    ConsultaPesquisaBeneficiarios consulta(transacao);
    consulta.Executa(criterio);
    return consulta.EmPartes();
  }
};

TEST_F(OrdemDasPartes, ListaComoAInstrucaoOrdenadaEmCadaOrdem) {
  const C amplos[] = {Tipo(C::Todos),
                      Tipo(C::Declarante),
                      Numero(QString(), C::SomentePF),
                      Numero(QString(), C::ParteInicialCnpj),
                      Codigo("0588"),
                      Codigo("1889"),
                      Codigo("05"),
                      Nome("-/-", C::PrimeiraPalavra),  // no word: no condition
                      Escolha(Tipo(0)),
                      Escolha(Numero(QString(), C::SomentePJ, 0))};
  for (C c : amplos)
    for (C::Ordem o : {C::PorCodigo, C::PorNome, C::PorCpfCnpj, C::PorOrigem, C::PorFonte}) {
      c.ordem = o;
      SCOPED_TRACE(testing::Message() << "tipo " << c.tipo << " ni " << int(c.criterioNi) << " codigo "
                                      << c.codigo.toStdString() << " ordem " << int(o));
      EXPECT_TRUE(EmPartes(c));
      const QStringList esperados = Ordenados(c);
      EXPECT_EQ(Achados(c), esperados);
    }
  // The fixture holds what it claims: the nameless first, then by the code page's bytes.
  const QStringList porNome = Achados(Ordem(Tipo(C::Todos), C::PorNome));
  ASSERT_EQ(porNome.size(), 20);
  EXPECT_EQ(porNome.first(), u"R9");
  EXPECT_EQ(porNome.mid(15), QStringList({"L209", "L205", "L204", "R11", "L203"}));
  // Picking, the two of one name follow their numbers, not the order they were stored in.
  const QStringList escolhidos = Achados(Ordem(Escolha(Tipo(0)), C::PorNome));
  EXPECT_LT(escolhidos.indexOf(u"B100000001"), escolhidos.indexOf(u"B333444557"));
}

TEST_F(OrdemDasPartes, BuscaEstreitaEIndiceDesligadoFicamComOBanco) {
  C nome = Ordem(Nome("jos", C::ParteInicial), C::PorNome);
  EXPECT_FALSE(EmPartes(nome));
  EXPECT_EQ(Achados(nome), Ordenados(nome));
  // An import turns indexes off: the search still answers, sorted by the engine.
  Roda(QStringLiteral("ALTER INDEX BENEFICIARIOS_NOME INACTIVE"));
  const C todos = Ordem(Tipo(C::Todos), C::PorNome);
  EXPECT_FALSE(EmPartes(todos));
  EXPECT_EQ(Achados(todos), Ordenados(todos));
  // A search by name names the names' index in its plan; turned off, the engine plans alone.
  ASSERT_FALSE(ConsultaPesquisaBeneficiarios::Monta(nome).sqlComPlano.isEmpty());
  Roda(QStringLiteral("ALTER INDEX BENEFICIARIOS_CV INACTIVE"));
  for (C::Nome como : {C::ExatamenteIgual, C::ParteInicial, C::PrimeiraPalavra, C::TodasAsPalavras}) {
    const C c = Nome("silva", como);
    EXPECT_EQ(Achados(c), Ordenados(c)) << int(como);
  }
}

TEST_F(OrdemDasPartes, MuitasFontesOrdenadasPeloBanco) {
  for (int i = 10; i < 50; ++i)
    Roda(QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (%1, '2', '%2', 0)")
             .arg(i)
             .arg(i, 12, 10, QLatin1Char('0')));
  const C c = Ordem(Tipo(C::Todos), C::PorFonte);
  EXPECT_FALSE(EmPartes(c));
  EXPECT_EQ(Achados(c), Ordenados(c));
  EXPECT_TRUE(EmPartes(Ordem(Tipo(C::Todos), C::PorCodigo)));
}

TEST(CriterioDaPesquisaBeneficiarios, PartesEPlanoTambemSoComParametros) {
  for (C::Ordem o : {C::PorCodigo, C::PorNome, C::PorCpfCnpj, C::PorOrigem, C::PorFonte}) {
    C amplo = Codigo("'--1");
    amplo.ordem = o;
    const auto partes = ConsultaPesquisaBeneficiarios::Monta(amplo).partes;
    ASSERT_FALSE(partes.empty());
    for (const auto& p : partes) EXPECT_FALSE(p.sql.contains(QStringLiteral("'--"))) << int(o);
  }
  const auto comando = ConsultaPesquisaBeneficiarios::Monta(Nome("D'Ávila x", C::PrimeiraPalavra));
  EXPECT_TRUE(comando.partes.empty());
  EXPECT_FALSE(comando.sqlComPlano.contains(QStringLiteral("AVILA")));
}

// The window, shown without blocking.
class JanelaPesquisaBeneficiarios : public ComLinhasPesquisadas {
 protected:
  std::unique_ptr<TFoPesquisar> Abre(int tipo) {
    auto j = std::make_unique<TFoPesquisar>(nullptr);
    j->Prepara(&m_tolv, tipo, [this](const QString& a, const QString& b, int q) {
      chamadas << a + u'|' + b + u'|' + QString::number(q);
    });
    j->show();
    return j;
  }
  template <typename T>
  T* filho(QWidget& w, const char* nome) {
    return w.findChild<T*>(QString::fromLatin1(nome));
  }
  QStringList chamadas;
};

TEST_F(JanelaPesquisaBeneficiarios, PosicionarChamaAFichaEDepoisOQuadroDaLinha) {
  auto j = Abre(C::Todos);
  EXPECT_EQ(j->windowTitle(), u"Pesquisar beneficiários");
  EXPECT_EQ(j->size(), QSize(748, 467));
  TFrPesquisarTolv& f = *j->Frame();
  EXPECT_FALSE(f.PodePosicionar());
  filho<QComboBox>(*j, "DbcbNome")->setEditText(QStringLiteral("Sant'Ana"));
  filho<QComboBox>(*j, "CbCriteriosNome")->setCurrentIndex(C::TodasAsPalavras);
  filho<TTolvButton>(*j, "TbExecutar")->click();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  ASSERT_EQ(f.QuantidadeLinhas(), 2);
  EXPECT_EQ(f.Grade()->model()->index(0, 4).data().toString(), u"RRA PROC");
  filho<TTolvButton>(*j, "TbLocalizar")->click();
  const QString cpf = CpfFormatado("444555666");
  EXPECT_EQ(chamadas, (QStringList{QStringLiteral("1|") + cpf + QStringLiteral("|0"), QStringLiteral("8|-1|58")}));
  chamadas.clear();
  f.Grade()->selectRow(1);
  filho<TTolvButton>(*j, "TbLocalizar")->click();
  EXPECT_EQ(chamadas, (QStringList{QStringLiteral("3|") + cpf + QStringLiteral("|0"), QStringLiteral("3|106|30")}));
  EXPECT_EQ(f.CpfCnpjSelecionado(), cpf);
  EXPECT_EQ(ConfiguracoesTolv::HistoricoPesquisa(ConfiguracoesTolv::kPesquisasNome), QStringList{"Sant'Ana"});
  filho<TTolvButton>(*j, "TbLimpar")->click();
  EXPECT_EQ(f.QuantidadeLinhas(), 0);
  EXPECT_TRUE(filho<QComboBox>(*j, "DbcbNome")->currentText().isEmpty());
  EXPECT_FALSE(f.PodePosicionar());
}

TEST_F(JanelaPesquisaBeneficiarios, SemResultadoAvisaEPosicionarFicaDesligado) {
  auto j = Abre(C::Fundo);
  EXPECT_EQ(j->windowTitle(), u"Pesquisar beneficiários de fundo ou clube de investimento");
  EXPECT_TRUE(j->Frame()->Grade()->isColumnHidden(4));
  EXPECT_EQ(j->Frame()->Grade()->model()->headerData(3, Qt::Horizontal), QVariant(QStringLiteral("Fonte pagadora")));
  filho<QComboBox>(*j, "DbcbNome")->setEditText(QStringLiteral("souza"));
  filho<TTolvButton>(*j, "TbExecutar")->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, u"Aviso");
  EXPECT_FALSE(j->Frame()->PodePosicionar());
  j->Frame()->TbLocalizarClick();
  EXPECT_TRUE(chamadas.isEmpty());
}

TEST_F(JanelaPesquisaBeneficiarios, CliqueNoTituloReordenaPeloBanco) {
  auto j = Abre(C::Todos);
  filho<TTolvButton>(*j, "TbExecutar")->click();
  ASSERT_EQ(j->Frame()->QuantidadeLinhas(), 8);
  QTableView* g = j->Frame()->Grade();
  EXPECT_EQ(g->model()->index(0, 0).data().toString(), u"0561");
  emit g->horizontalHeader()->sectionClicked(1);
  EXPECT_EQ(g->model()->index(0, 1).data().toString(), CpfFormatado("111222333"));
  EXPECT_EQ(g->model()->index(7, 1).data().toString(), TNiContribuinte::FormataNi(QStringLiteral("112223330002") + TNiContribuinte::CalculaDVNi(QStringLiteral("112223330002"))));
}

TEST_F(JanelaPesquisaBeneficiarios, FecharADeclaracaoFechaAJanelaAberta) {
  EXPECT_TRUE(TFoPesquisar::PedeFechamento());
  bool aberta = false;
  QTimer::singleShot(0, [&] {
    aberta = TFoPesquisar::Instancia() && TFoPesquisar::Instancia()->isVisible();
    EXPECT_TRUE(TFoPesquisar::PedeFechamento());
  });
  TFoPesquisar::ExecutaPesquisar(&m_tolv, C::Declarante, {}, nullptr);
  EXPECT_TRUE(aberta);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TFoPesquisar::Instancia(), nullptr);
}

}  // namespace
