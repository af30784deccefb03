#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

#include "RelatoriosTeste.h"
#include "nucleo/TColecaoTolvItem.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "relatorios/TRelatorioDeclaracao.h"

using namespace relatorios_teste;
namespace T = TextosRelatorio;

namespace {

const QString kCnpj = QStringLiteral("11444777000161");
const QString kCpf = QStringLiteral("11144477735");

// How a test wants its report.
struct Configuracao {
  int registros = 3;
  bool bandaDeclarante = false;
  T::RegraEvento regra = T::RegraEvento::A;
  int lote = 0;
  bool falhaAoMontar = false;
  bool semDados = false;
  // Filled by the report.
  int montagens = 0;
  int totalLinhas = -1;
  QString ano;
};

// The frame's shared pieces and one detail line per record.
class RelatorioDeTeste : public TRelatorioDeclaracao {
 public:
  RelatorioDeTeste(TColecaoTolv& indice, Configuracao& c)
      : TRelatorioDeclaracao(indice, {QStringLiteral("FoRelatoTeste"), QStringLiteral("Relatório de teste"),
                                      QPageLayout::Landscape, true, true}),
        m_c(c) {
    DefineData(QDate(2014, 3, 5));
  }

  void Monta() override {
    ++m_c.montagens;
    if (m_c.falhaAoMontar) throw std::runtime_error("consulta recusada");
    MontaCabecalho({m_c.regra, !m_c.bandaDeclarante, true});
    if (m_c.bandaDeclarante) MontaBandaDeclarante();
    MontaRodape();
    // The declaration's collections read its database too.
    m_c.totalLinhas = Linhas().GetTotal();
    bd::Consulta ano(Leitura(), QStringLiteral("SELECT AN_RETENCA FROM TOLVS"));
    ano.abre();
    m_c.ano = ano.campo(QStringLiteral("AN_RETENCA")).texto();
    relatorio::Relatorio& rel = Relatorio();
    rel.setLotePaginas(m_c.lote);
    rel.proximoRegistro = [this] { return ++m_atual <= m_c.registros; };
    relatorio::Banda& detalhe = rel.detalhe();
    detalhe.setAltura(18);
    detalhe.setFonte(relatorio::FonteRelatorio(8));
    detalhe.campo(QRectF(0, 0, 300, 18), [this] { return QStringLiteral("Registro %1").arg(m_atual); });
  }
  bool SemDados() override { return m_c.semDados; }

 protected:
  void Reinicia() override { m_atual = 0; }

 private:
  Configuracao& m_c;
  int m_atual = 0;
};

class Moldura : public ComDeclaracoes {
 protected:
  TTolv& Empresa() {
    return Cria(kCnpj, QStringLiteral("EMPRESA DE TESTE LTDA"), [](TTolv& t) {
      t.SetTipoDeclaracao(QStringLiteral("R"));
      t.SetSituacaoEspecial(1);
      t.SetDataEvento(QStringLiteral("31/10/2013"));
      t.GetRespCnpj().SetNi(kCpf);
      TResponsavel& r = t.GetResponsavel();
      r.SetNi(QStringLiteral("52998224725"));
      r.GetNome().SetValor(QStringLiteral("MARIA DA SILVA"));
      r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
      r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
      r.GetEmail().SetValor(QStringLiteral("MARIA@EMPRESA.COM.BR"));
    });
  }
  void Executa(const TTolv& tolv, Configuracao& c, bool visualiza = true) {
    ExecutaRelatorio<RelatorioDeTeste>(tolv, Indice(), visualiza, c);
  }
  // Every line of every page, a page's lines joined by " | ".
  QStringList Paginas() const {
    QStringList r;
    for (int n = 1; n <= m_saida.paginas.quantidade(); ++n) r << m_saida.Linhas(n).join(QStringLiteral(" | "));
    return r;
  }
};

}  // namespace

TEST_F(Moldura, HeadingAndFooterOnEveryPage) {
  TTolv& empresa = Empresa();
  Configuracao c;
  c.registros = 80;
  Executa(empresa, c);
  EXPECT_EQ(m_saida.chamadas, QStringList{"tela"});
  EXPECT_TRUE(m_caixa.chamadas().empty());
  const QStringList paginas = Paginas();
  ASSERT_EQ(paginas.size(), 3);
  for (int n = 0; n < paginas.size(); ++n) {
    SCOPED_TRACE(paginas[n].toStdString());
    const QStringList linhas = m_saida.Linhas(n + 1);
    EXPECT_TRUE(paginas[n].startsWith(QStringLiteral("Tipo: Retificadora | Relatório de teste | Ano-calendário: 2013")));
    EXPECT_TRUE(paginas[n].contains(QStringLiteral("Data do evento: 31/10/2013  -   Extinção")));
    EXPECT_TRUE(paginas[n].contains(QStringLiteral("CNPJ 11.444.777/0001-61 Nome empresarial EMPRESA DE TESTE LTDA")));
    EXPECT_EQ(linhas.last(), QStringLiteral("Data: 05/03/2014 Declarante: 11.444.777/0001-61 Versão 1.5 Página %1")
                                 .arg(n + 1));
  }
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("Registro 1 |")));
  EXPECT_TRUE(paginas[2].contains(QStringLiteral("Registro 80 |")));
  // No declarant band asked for.
  EXPECT_FALSE(paginas[0].contains(QStringLiteral("Responsável")));

  // The same pages, printed, when the answer was "Imprimir".
  Executa(empresa, c, false);
  EXPECT_EQ(m_saida.chamadas, QStringList({"tela", "impressora"}));
  EXPECT_EQ(Paginas(), paginas);
}

TEST_F(Moldura, TheDeclarantBandPrintsOnTheReportsFirstPageOnlyAlsoWithBatches) {
  TTolv& empresa = Empresa();
  Configuracao c;
  c.bandaDeclarante = true;
  c.regra = T::RegraEvento::B;
  // A batch ends at the first record that finishes on its last page: here, every record.
  c.registros = 6;
  c.lote = 1;
  Executa(empresa, c);
  const QStringList paginas = Paginas();
  ASSERT_EQ(paginas.size(), 6);
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("CNPJ 11.444.777/0001-61 Nome empresarial EMPRESA DE TESTE LTDA")));
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("Responsável perante o CNPJ CPF: 111.444.777-35")));
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("CPF: 529.982.247-25 Nome: Maria da Silva")));
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("Telefone: (61) 3333-4444")));
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("E-mail: Maria@empresa.com.br")));
  for (int n = 1; n < paginas.size(); ++n) {
    EXPECT_FALSE(paginas[n].contains(QStringLiteral("Responsável"))) << n;
    EXPECT_FALSE(paginas[n].contains(QStringLiteral("EMPRESA DE TESTE"))) << n;
    // Each batch of one page numbers on.
    EXPECT_TRUE(paginas[n].endsWith(QStringLiteral("Página %1").arg(n + 1))) << paginas[n].toStdString();
  }
  // Rule B: the company's event as rule A writes it.
  EXPECT_TRUE(paginas[1].contains(QStringLiteral("Data do evento: 31/10/2013  -   Extinção")));
}

TEST_F(Moldura, APersonWithoutAResponsiblePersonLeavesThoseLabelsBlank) {
  TTolv& pessoa = Cria(kCpf, QStringLiteral("ANA SOUZA"));
  Configuracao c;
  c.bandaDeclarante = true;
  Executa(pessoa, c);
  const QStringList linhas = m_saida.Linhas(1);
  const QString pagina = linhas.join(QStringLiteral(" | "));
  EXPECT_TRUE(pagina.contains(QStringLiteral("CPF 111.444.777-35 Nome ANA SOUZA")));
  EXPECT_TRUE(pagina.contains(QStringLiteral("Tipo: Original")));
  EXPECT_FALSE(pagina.contains(QStringLiteral("perante o CNPJ")));
  // The band prints, its labels without values.
  EXPECT_TRUE(linhas.contains(QStringLiteral("Responsável pelo preenchimento")));
  EXPECT_TRUE(linhas.contains(QStringLiteral("CPF: Nome:")));
  EXPECT_TRUE(linhas.contains(QStringLiteral("Telefone: Ramal: Fax: E-mail:")));
}

TEST_F(Moldura, ADeclarationThatCannotBeLoadedIsToldAndNothingRuns) {
  Empresa();
  struct Caso {
    const char* nome;
    std::function<void(TTolv&)> prepara;
  };
  TTolv& semBanco = Cria(kCpf, QStringLiteral("ANA SOUZA"));
  ASSERT_TRUE(QFile::remove(m_pasta.dados() + u'/' + semBanco.GetNomeBancoDeclaracao()));
  const Caso casos[] = {
      {"nova, sem chave nem número", [](TTolv&) {}},
      {"chave que o índice não tem", [](TTolv& t) { t.SetTolvDK(QStringLiteral("999")); }},
      {"banco que não existe mais", [&](TTolv& t) { t.SetTolvDK(semBanco.GetTolvDK()); }},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    m_caixa.limpa();
    TErros erros;
    TTolv chamador;
    chamador.SetErros(&erros);
    caso.prepara(chamador);
    Configuracao c;
    Executa(chamador, c);
    EXPECT_EQ(c.montagens, 0);
    EXPECT_TRUE(m_saida.chamadas.isEmpty());
    ASSERT_EQ(m_caixa.chamadas().size(), 1u);
    EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Não foi possível carregar a declaração a ser impressa.")));
    EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  }
}

TEST_F(Moldura, TheOpenDeclarationItsPendingWorkAndTheSharedConnectionAreUntouched) {
  TTolv& empresa = Empresa();
  TTolv& outra = Cria(kCpf, QStringLiteral("ANA SOUZA"));
  // The main window's declaration: loaded on the shared connection, with work not yet kept.
  TErros erros;
  TTolv aberta;
  aberta.SetErros(&erros);
  aberta.SetTolvDK(empresa.GetTolvDK());
  ASSERT_TRUE(Indice().CarregaTolv(aberta));
  bd::Conexao* compartilhada = TColecao::GetBancoDeclaracao();
  ASSERT_NE(compartilhada, nullptr);
  const QString arquivo = compartilhada->arquivo();
  bd::Transacao& pendente = aberta.GetTransacaoDeclaracao();
  aberta.GetItens();  // a collection of the open declaration on its transaction
  bd::Consulta insere(pendente, QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ, NM_NM_EMPR) "
                                               "VALUES (2, 0, '114447770001', 'FUNDO PENDENTE')"));
  insere.executa();
  ASSERT_TRUE(pendente.ativa());

  // A report on the open declaration, then one on another declaration.
  for (TTolv* alvo : {&empresa, &outra}) {
    Configuracao c;
    m_saida.durante = [&] {
      EXPECT_EQ(TColecao::GetBancoDeclaracao(), compartilhada);
      EXPECT_EQ(compartilhada->arquivo(), arquivo);
    };
    Executa(*alvo, c);
    ASSERT_EQ(c.montagens, 1);
    EXPECT_EQ(c.totalLinhas, 0);
    EXPECT_EQ(c.ano, "2013");
    EXPECT_TRUE(m_caixa.chamadas().empty()) << m_caixa.ultima().texto.toStdString();
    EXPECT_EQ(TColecao::GetBancoDeclaracao(), compartilhada);
    EXPECT_TRUE(compartilhada->conectada());
    EXPECT_EQ(compartilhada->arquivo(), arquivo);
    EXPECT_TRUE(pendente.ativa());
  }
  // The work still belongs to the open declaration and is kept when it commits.
  pendente.commit();
  EXPECT_EQ(m_pasta.le(empresa.GetNomeBancoDeclaracao(), QStringLiteral("SELECT NM_NM_EMPR FROM FONTES WHERE FONTE_DK = 2")),
            "FUNDO PENDENTE");
  aberta.LiberaItens();
}

TEST_F(Moldura, WithNoDeclarationOpenTheSharedConnectionStaysWhereItWas) {
  TTolv& empresa = Empresa();
  bd::Conexao* antes = TColecao::GetBancoDeclaracao();
  const QString arquivoAntes = antes ? antes->arquivo() : QString();
  Configuracao c;
  Executa(empresa, c);
  ASSERT_EQ(m_saida.chamadas, QStringList{"tela"});
  EXPECT_EQ(TColecao::GetBancoDeclaracao(), antes);
  if (antes) {
    EXPECT_EQ(antes->arquivo(), arquivoAntes);
  }
  // Nothing of the report's stays attached to the declaration's file.
  EXPECT_EQ(bd::Conexao::arquivoEmUso(m_pasta.dados() + u'/' + empresa.GetNomeBancoDeclaracao()),
            antes && antes->conectada() && antes->arquivo().endsWith(empresa.GetNomeBancoDeclaracao()));
}

TEST_F(Moldura, OneReportOfAClassAtATimeAndAFailedOneNeverBlocksTheNext) {
  TTolv& empresa = Empresa();
  Configuracao falha;
  falha.falhaAoMontar = true;
  EXPECT_THROW(Executa(empresa, falha), std::runtime_error);
  EXPECT_EQ(falha.montagens, 1);

  // The next one opens; a second call while it is shown does nothing.
  Configuracao c, segunda;
  m_saida.durante = [&] { Executa(empresa, segunda); };
  Executa(empresa, c);
  EXPECT_EQ(c.montagens, 1);
  EXPECT_EQ(segunda.montagens, 0);
  EXPECT_EQ(m_saida.chamadas, QStringList{"tela"});
  m_saida.durante = {};
  Executa(empresa, segunda);
  EXPECT_EQ(segunda.montagens, 1);
}

TEST_F(Moldura, AReportWithNothingToPrintSaysSoAndPrintsNothing) {
  TTolv& empresa = Empresa();
  Configuracao c;
  c.semDados = true;
  Executa(empresa, c, false);
  EXPECT_TRUE(m_saida.chamadas.isEmpty());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, "Não existem dados a serem impressos.");
  EXPECT_EQ(m_caixa.ultima().titulo, "Aviso");
  EXPECT_EQ(m_caixa.ultima().flags, 48);
}

TEST_F(Moldura, ThePdfOfAReportHoldsItsTexts) {
  TTolv& empresa = Empresa();
  Configuracao c;
  c.registros = 70;
  Executa(empresa, c);
  QTemporaryDir pasta;
  const QString texto = m_saida.TextoPdf(pasta.filePath(QStringLiteral("relatorio.pdf")));
  EXPECT_EQ(texto.count(u'\f'), m_saida.paginas.quantidade());
  EXPECT_TRUE(texto.contains(QStringLiteral("Relatório de teste")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Declarante: 11.444.777/0001-61")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Registro 70")));
}
