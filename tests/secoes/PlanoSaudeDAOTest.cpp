#include <gtest/gtest.h>

#include "SecoesTeste.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/Erros.h"
#include "plataforma/bd/ConjuntoMemoria.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/TzuqDependentePlanoSaude.h"
#include "secoes/TzuqDependentePlanoSaudeDAO.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqRelacaoDependenciaDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaudeDAO.h"

namespace {

using secoes_teste::ComDeclaracaoAberta;

const QString kCnpjOperadora = QStringLiteral("11222333000181");
const QString kCpfAna = QStringLiteral("52998224725");
const QString kCpfBruno = QStringLiteral("11144477735");
const QString kCpfCarla = QStringLiteral("12345678909");

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

class PlanoSaudeDAO : public ComDeclaracaoAberta {
 protected:
  // A stored operator of the declaration.
  TzuqPlanoSaude& Operadora() {
    if (!m_operadora) {
      m_operadora = std::make_unique<TzuqPlanoSaude>(m_tolv);
      m_operadora->GetContribuinte().SetNi(kCnpjOperadora);
      m_operadora->GetContribuinte().GetNome().SetValor(QStringLiteral("SAUDE BOA LTDA"));
      m_operadora->GetRegistroAns().SetValor(QStringLiteral("12345-5"));
      TzuqPlanoSaudeDAO().Inclui(*m_operadora);
    }
    return *m_operadora;
  }
  std::unique_ptr<TzuqTitularPlanoSaude> Titular(const QString& cpf, const char* nome, const char* valor) {
    auto titular = std::make_unique<TzuqTitularPlanoSaude>(Operadora());
    titular->GetContribuinte().SetNi(cpf);
    titular->GetContribuinte().GetNome().SetValor(QString::fromUtf8(nome));
    titular->GetValorPago().SetValorMonetario(V(valor));
    return titular;
  }

  std::unique_ptr<TzuqPlanoSaude> m_operadora;
};

TEST_F(PlanoSaudeDAO, AnOperatorIsStoredByItsBaseAndReadsBackWhole) {
  TzuqPlanoSaudeDAO dao;
  EXPECT_EQ(dao.QuantidadeRegistros(), 0);
  EXPECT_TRUE(dao.ConsultaTodas().empty());
  EXPECT_TRUE(dao.ConsultaTodasPorCnpj().empty());

  TzuqPlanoSaude& operadora = Operadora();
  EXPECT_GT(operadora.GetId(), 0);
  EXPECT_EQ(Le("SELECT TPO_NR_PF_PJ || '|' || TPO_IN_PF_PJ || '|' || TPO_REGISTRO_ANS FROM TB_PS_OPERADORA"),
            "112223330001|2|123455");
  EXPECT_EQ(dao.JaExiste(operadora), operadora.GetId());
  EXPECT_EQ(dao.QuantidadeRegistros(), 1);
  EXPECT_EQ(dao.BuscaNome(kCnpjOperadora, 2), "SAUDE BOA LTDA");
  EXPECT_EQ(dao.BuscaNome(QStringLiteral("112223330001"), 2), "SAUDE BOA LTDA");
  EXPECT_EQ(dao.BuscaNome(kCpfAna, 1), "");

  operadora.GetContribuinte().GetNome().SetValor(QStringLiteral("SAUDE MELHOR LTDA"));
  operadora.GetRegistroAns().SetValor(QStringLiteral("000060"));
  dao.Atualiza(operadora);
  const auto todas = dao.ConsultaTodas();
  ASSERT_EQ(todas.size(), 1u);
  EXPECT_EQ(todas[0]->GetId(), operadora.GetId());
  EXPECT_EQ(todas[0]->GetContribuinte().GetNiDigitos(), kCnpjOperadora);
  EXPECT_EQ(todas[0]->GetContribuinte().GetNome().GetValor(), "SAUDE MELHOR LTDA");
  EXPECT_EQ(todas[0]->GetRegistroAns().GetValor(), "000060");
  EXPECT_EQ(todas[0]->GetDeclaracao(), nullptr);

  TzuqPlanoSaude outra(m_tolv);
  outra.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  EXPECT_EQ(dao.JaExiste(outra), 0);
  outra.GetContribuinte().GetNome().SetValor(QStringLiteral("ALFA SAUDE SA"));
  dao.Inclui(outra);
  const auto porCnpj = dao.ConsultaTodasPorCnpj();
  ASSERT_EQ(porCnpj.size(), 2u);
  EXPECT_EQ(porCnpj[0]->GetContribuinte().GetNiDigitos(), "11222333000181");
  EXPECT_EQ(porCnpj[1]->GetContribuinte().GetNiDigitos(), "11444777000161");
  EXPECT_TRUE(porCnpj[1]->GetRegistroAns().GetValor().isEmpty());
}

TEST_F(PlanoSaudeDAO, AFundOfTheSameRootIsFoundButNotTheDeclarantItself) {
  TzuqPlanoSaudeDAO dao;
  EXPECT_FALSE(dao.CnpjUsadoPorFundo(kCnpjOperadora));
  Roda(QStringLiteral("UPDATE FONTES SET IN_PF_PJ = '2', NR_PF_PJ = '112223330001' WHERE FONTE_DK = 1;"));
  EXPECT_FALSE(dao.CnpjUsadoPorFundo(kCnpjOperadora));
  Roda(QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (2, '2', '112223330002', 0);"));
  EXPECT_TRUE(dao.CnpjUsadoPorFundo(kCnpjOperadora));
  EXPECT_FALSE(dao.CnpjUsadoPorFundo(QStringLiteral("11444777000161")));
  Roda(QStringLiteral("UPDATE FONTES SET IN_TIPO = 1 WHERE FONTE_DK = 2;"));
  EXPECT_FALSE(dao.CnpjUsadoPorFundo(kCnpjOperadora));
}

TEST_F(PlanoSaudeDAO, HoldersAndDependantsRoundTripEveryColumn) {
  TzuqTitularPlanoSaudeDAO titulares;
  TzuqDependentePlanoSaudeDAO dependentes;
  auto bruno = Titular(kCpfBruno, "BRUNO LIMA", "1200,50");
  auto ana = Titular(kCpfAna, "ANA SOUZA", "0,01");
  titulares.Inclui(*bruno);
  titulares.Inclui(*ana);
  EXPECT_EQ(titulares.JaExiste(*ana), ana->GetId());
  EXPECT_EQ(titulares.ConsultaOperadoraDoTitular(QString::number(ana->GetId())), Operadora().GetId());
  EXPECT_EQ(titulares.ConsultaOperadoraDoTitular(QStringLiteral("999")), 0);

  TzuqDependentePlanoSaude filho(*ana);
  filho.GetContribuinte().SetNi(kCpfCarla);
  filho.GetContribuinte().GetNome().SetValor(QStringLiteral("CARLA SOUZA"));
  filho.SetDataNascimento(QStringLiteral("100315"));  // a two-digit year: 2010 for 2013
  filho.SetCdRelacaoDependencia(QStringLiteral("04"));
  filho.GetValorPago().SetValorMonetario(V("300"));
  dependentes.Inclui(filho);
  TzuqDependentePlanoSaude semCpf(*ana);
  semCpf.GetContribuinte().GetNome().SetValor(QStringLiteral("DIEGO SOUZA"));
  semCpf.GetValorPago().SetValorMonetario(V("12,34"));
  dependentes.Inclui(semCpf);
  EXPECT_EQ(Le(QStringLiteral("SELECT COALESCE(TPD_IN_PF_PJ, 'nulo') || COALESCE(TPD_NR_PF_PJ, 'nulo') || "
                              "COALESCE(TPD_DT_NASC, 'nulo') || COALESCE(TPD_TPRD_CD, 'nulo') || TPD_NOME "
                              "FROM TB_PS_DEPENDENTE WHERE TPD_ID = ") +
               QString::number(semCpf.GetId())),
            "nulonulonulonuloDIEGO SOUZA");
  EXPECT_EQ(Le(QStringLiteral("SELECT TPD_DT_NASC || COALESCE(TPD_NOME, 'nulo') FROM TB_PS_DEPENDENTE WHERE TPD_ID = ") +
               QString::number(filho.GetId())),
            "20100315nulo");
  EXPECT_EQ(dependentes.JaExiste(QStringLiteral("123456789"), ana->GetId()), filho.GetId());
  EXPECT_EQ(dependentes.JaExiste(QStringLiteral("123456789"), bruno->GetId()), 0);
  EXPECT_EQ(dependentes.ConsultaTitularDoDependente(filho.GetId()), std::make_pair(Operadora().GetId(), ana->GetId()));
  EXPECT_EQ(dependentes.ConsultaTitularDoDependente(999), std::make_pair(0, 0));

  const auto lidos = titulares.ConsultaPorOperadora(Operadora());
  ASSERT_EQ(lidos.size(), 2u);
  EXPECT_EQ(lidos[0]->GetContribuinte().GetNiDigitos(), kCpfBruno);  // 111... before 529...
  EXPECT_EQ(lidos[0]->GetContribuinte().GetNome().GetValor(), "BRUNO LIMA");
  EXPECT_EQ(lidos[0]->GetValorPago().GetValorMonetario(), V("1200,5"));
  EXPECT_EQ(&lidos[1]->GetPlanoSaude(), &Operadora());
  EXPECT_EQ(lidos[1]->GetId(), ana->GetId());

  // Ordered by CPF, a dependant without one first.
  const auto deps = dependentes.ConsultaPorTitular(*lidos[1]);
  ASSERT_EQ(deps.size(), 2u);
  EXPECT_TRUE(deps[0]->GetContribuinte().GetNiDigitos().isEmpty());
  EXPECT_EQ(deps[0]->GetContribuinte().GetNome().GetValor(), "DIEGO SOUZA");
  EXPECT_TRUE(deps[0]->GetDataNascimento().isEmpty());
  EXPECT_TRUE(deps[0]->GetCdRelacaoDependencia().isEmpty());
  EXPECT_EQ(deps[0]->GetValorPago().GetValorMonetario(), V("12,34"));
  EXPECT_EQ(deps[1]->GetId(), filho.GetId());
  EXPECT_EQ(deps[1]->GetContribuinte().GetNiDigitos(), kCpfCarla);
  EXPECT_EQ(deps[1]->GetContribuinte().GetNome().GetValor(), "CARLA SOUZA");
  EXPECT_EQ(deps[1]->GetDataNascimento(), "20100315");
  EXPECT_EQ(deps[1]->GetCdRelacaoDependencia(), "04");
  EXPECT_EQ(deps[1]->GetValorPago().GetValorMonetario(), V("300"));
  EXPECT_EQ(&deps[1]->GetTitular(), lidos[1].get());

  // A dependant gets a CPF: its own name column empties and the number's name is read.
  semCpf.GetContribuinte().SetNi(QStringLiteral("98765432100"));
  semCpf.SetDataNascimento(QStringLiteral("19991231"));
  dependentes.Atualiza(semCpf);
  EXPECT_EQ(Le(QStringLiteral("SELECT TPD_NR_PF_PJ || TPD_DT_NASC || COALESCE(TPD_NOME, 'nulo') FROM "
                              "TB_PS_DEPENDENTE WHERE TPD_ID = ") +
               QString::number(semCpf.GetId())),
            "98765432119991231nulo");
  bruno->GetValorPago().SetValorMonetario(V("1"));
  titulares.Atualiza(*bruno);
  EXPECT_EQ(titulares.ConsultaPorOperadora(Operadora())[0]->GetValorPago().GetValorMonetario(), V("1"));
}

TEST_F(PlanoSaudeDAO, DeletingAHolderTakesItsDependantsAndAnOperatorEverything) {
  TzuqTitularPlanoSaudeDAO titulares;
  TzuqDependentePlanoSaudeDAO dependentes;
  auto ana = Titular(kCpfAna, "ANA SOUZA", "10");
  auto bruno = Titular(kCpfBruno, "BRUNO LIMA", "10");
  titulares.Inclui(*ana);
  titulares.Inclui(*bruno);
  for (auto* titular : {ana.get(), ana.get(), bruno.get()}) {
    TzuqDependentePlanoSaude d(*titular);
    d.GetContribuinte().GetNome().SetValor(QStringLiteral("FILHO SEM CPF"));
    dependentes.Inclui(d);
  }
  titulares.Exclui(*ana);
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PS_TITULAR"), "1");
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PS_DEPENDENTE"), "1");
  EXPECT_TRUE(dependentes.ConsultaPorTitular(*ana).empty());

  TzuqPlanoSaudeDAO().Exclui(Operadora());
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PS_OPERADORA") + Le("SELECT COUNT(*) FROM TB_PS_TITULAR") +
                Le("SELECT COUNT(*) FROM TB_PS_DEPENDENTE"),
            "000");
}

TEST_F(PlanoSaudeDAO, HoldersGoIntoATableBeforeItsCurrentRow) {
  TzuqTitularPlanoSaudeDAO titulares;
  for (const QString& cpf : {kCpfAna, kCpfBruno, kCpfCarla}) titulares.Inclui(*Titular(cpf, "NOME DO TITULAR", "5"));
  bd::ConjuntoMemoria tabela({{QStringLiteral("Operadora_Id"), bd::ConjuntoMemoria::Tipo::Inteiro},
                              {QStringLiteral("Id"), bd::ConjuntoMemoria::Tipo::Inteiro},
                              {QStringLiteral("CPF"), bd::ConjuntoMemoria::Tipo::Texto, 11},
                              {QStringLiteral("Nome"), bd::ConjuntoMemoria::Tipo::Texto, 150},
                              {QStringLiteral("Valor"), bd::ConjuntoMemoria::Tipo::DezMilesimos}});
  auto cpfs = [&] {
    QStringList lista;
    for (int l = 0; l < tabela.quantidade(); ++l) lista << tabela.valor(l, 2).comoTexto();
    return lista.join(u' ');
  };
  // The holders come in the order of their CPF and each goes before the previous one.
  titulares.CarregaPorOperadora(Operadora().GetId(), tabela);
  const QString invertidos = kCpfAna + u' ' + kCpfCarla + u' ' + kCpfBruno;
  EXPECT_EQ(cpfs(), invertidos);
  EXPECT_EQ(tabela.posicao(), 1);
  EXPECT_EQ(tabela.valor(QStringLiteral("Operadora_Id")).comoInteiro(), Operadora().GetId());
  EXPECT_EQ(tabela.valor(QStringLiteral("Valor")).comoDezMilesimos(), V("5").dezMilesimos());

  tabela.vaiPara(2);
  titulares.CarregaPorOperadora(Operadora().GetId(), tabela);
  EXPECT_EQ(tabela.quantidade(), 6);
  EXPECT_EQ(cpfs().split(u' ').mid(1, 3).join(u' '), invertidos);
  EXPECT_EQ(tabela.posicao(), 2);
}

// A stored row that breaks a rule still loads whole; what is wrong is collected, not raised.
TEST_F(PlanoSaudeDAO, StoredRowsThatBreakTheirRulesLoadWholeWithTheirFindings) {
  Roda(QStringLiteral("INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) VALUES (50, '123', ' 12345');"
                      "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ, TPT_VL_PAGO) VALUES (60, 50, "
                      "'111111111', 7.5);"
                      "INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) VALUES ('1', '111111111', 'JOAO 2');"));
  TErros achados;
  TzuqPlanoSaudeDAO operadoras;
  operadoras.SetErros(&achados);
  auto lista = operadoras.ConsultaTodas();
  ASSERT_EQ(lista.size(), 1u);
  EXPECT_EQ(lista[0]->GetContribuinte().GetNiDigitos(), "123");
  EXPECT_EQ(lista[0]->GetRegistroAns().GetValor(), "12345");
  EXPECT_EQ(operadoras.ConsultaTodasPorCnpj()[0]->GetRegistroAns().GetValor(), " 12345");
  TzuqTitularPlanoSaudeDAO titulares;
  titulares.SetErros(&achados);
  const auto lidos = titulares.ConsultaPorOperadora(*lista[0]);
  ASSERT_EQ(lidos.size(), 1u);
  EXPECT_EQ(lidos[0]->GetContribuinte().GetNiDigitos(), "11111111111");
  EXPECT_EQ(lidos[0]->GetContribuinte().GetNome().GetValor(), "JOAO 2");
  EXPECT_EQ(lidos[0]->GetValorPago().GetValorMonetario(), V("7,5"));
  EXPECT_GE(achados.GetQuantidade(), 3);
}

TEST_F(PlanoSaudeDAO, WorkThatCouldNotRunIsNeverAnsweredAsDone) {
  TzuqPlanoSaude& operadora = Operadora();
  TzuqTitularPlanoSaudeDAO titulares;
  auto ana = Titular(kCpfAna, "ANA SOUZA", "10");
  FalhaBancoIndice = true;
  auto codigo = [](auto&& chamada) {
    try {
      chamada();
    } catch (const EColecaoError& e) {
      return int(e.Codigo());
    }
    return 0;
  };
  EXPECT_EQ(codigo([&] { titulares.Inclui(*ana); }), 96);
  EXPECT_EQ(ana->GetId(), 0);
  EXPECT_EQ(codigo([&] { titulares.JaExiste(*ana); }), 97);
  EXPECT_EQ(codigo([&] { TzuqPlanoSaudeDAO().QuantidadeRegistros(); }), 97);
  EXPECT_EQ(codigo([&] { TzuqPlanoSaudeDAO().ConsultaTodas(); }), 97);
  EXPECT_EQ(codigo([&] { TzuqPlanoSaudeDAO().Exclui(operadora); }), 96);
  FalhaBancoIndice = false;
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PS_TITULAR"), "0");
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PS_OPERADORA"), "1");
}

// Read-committed: a question sees what another transaction committed after this one started.
TEST_F(PlanoSaudeDAO, QuestionsSeeWhatOthersCommittedMeanwhile) {
  TzuqTitularPlanoSaudeDAO titulares;
  auto ana = Titular(kCpfAna, "ANA SOUZA", "10");
  EXPECT_EQ(titulares.JaExiste(*ana), 0);
  Roda(QStringLiteral("INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ) VALUES (77, ") +
       QString::number(Operadora().GetId()) + QStringLiteral(", '529982247');"));
  EXPECT_EQ(titulares.JaExiste(*ana), 77);
}

// No-wait: a row another transaction holds is a failure at once, never a frozen program.
TEST_F(PlanoSaudeDAO, AWriteOnARowHeldElsewhereFailsAtOnce) {
  TzuqTitularPlanoSaudeDAO titulares;
  auto ana = Titular(kCpfAna, "ANA SOUZA", "10");
  titulares.Inclui(*ana);
  bd::Conexao outra(m_pasta.dados() + u'/' + kBanco);
  outra.conecta();
  bd::Transacao segura(outra);
  bd::Consulta(segura, QStringLiteral("UPDATE TB_PS_TITULAR SET TPT_VL_PAGO = 1")).executa();
  ana->GetValorPago().SetValorMonetario(V("20"));
  const EFalhaBanco falha = FalhaDe([&] { titulares.Atualiza(*ana); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_TRUE(falha.Mensagem().startsWith(QStringLiteral("Não foi possível executar a procedure ATUALIZAR_PS_TITULAR")))
      << falha.Mensagem().toStdString();
  segura.rollback();
}

TEST_F(PlanoSaudeDAO, RelationsAreTheFiveCodesWithTheirDescriptions) {
  const auto relacoes = TzuqRelacaoDependenciaDAO().ConsultaTodas();
  QStringList codigos;
  for (const auto& r : relacoes) {
    codigos << r.Codigo;
    EXPECT_FALSE(r.Descricao.isEmpty());
  }
  EXPECT_EQ(codigos.join(u','), "03,04,06,08,10");
}

}  // namespace
