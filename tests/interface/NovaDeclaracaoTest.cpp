#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "IndiceTeste.h"
#include "interface/NovaDeclaracao.h"

namespace {

using N = NovaDeclaracao;

struct Mensagem {
  const char* texto;  // the whole text, or its start when it ends in "…"
  const char* titulo;
  int flags;
};

void ConfereMensagens(const CaixaMensagemFalsa& caixa, const std::vector<Mensagem>& esperadas) {
  ASSERT_EQ(caixa.chamadas().size(), esperadas.size()) << [&] {
    std::string todas;
    for (const auto& c : caixa.chamadas()) todas += c.texto.toStdString() + " | ";
    return todas;
  }();
  for (size_t i = 0; i < esperadas.size(); ++i) {
    const auto& c = caixa.chamadas()[i];
    QString texto = QString::fromUtf8(esperadas[i].texto);
    if (texto.endsWith(u'…')) {
      EXPECT_TRUE(c.texto.startsWith(texto.chopped(1))) << c.texto.toStdString();
    } else {
      EXPECT_EQ(c.texto, texto);
    }
    EXPECT_EQ(c.titulo, QString::fromUtf8(esperadas[i].titulo));
    EXPECT_EQ(c.flags, esperadas[i].flags);
  }
}

// The index of every case: a person and a company of the regular year, a public body's first
// establishment with its indicators, and a person declared only in the year after.
class NovaDeclaracaoTeste : public indice_teste::ComIndice {
 protected:
  void SetUp() override {
    ComIndice::SetUp();
    Linha("1", QStringLiteral("529982247"), "2013", QStringLiteral("MARIA DAS DORES"), 9);
    Linha("2", QStringLiteral("114447770001"), "2013", QStringLiteral("EMPRESA PRIVADA LTDA"), 0);
    Linha("2", QStringLiteral("334455660001"), "2013", QStringLiteral("ORGAO FEDERAL"), 1, 0, {},
          QStringLiteral("IN_REMESSA, IN_PLANOSAUDE"), QStringLiteral("'S', 1"));
    Linha("1", QStringLiteral("111444777"), "2014", QStringLiteral("JOSE DA SILVA"), 9);
  }

  // A dialog of this kind as shown: the regular year selected, the messages so far forgotten.
  N& Nova(bool pessoa) {
    m_tolv.Limpar();
    m_nova.emplace(m_tolv, Indice());
    pessoa ? m_nova->ConfiguraPessoaFisica() : m_nova->ConfiguraPessoaJuridica();
    m_nova->IniciaAno();
    m_caixa.limpa();
    return *m_nova;
  }

  std::optional<N> m_nova;
};

struct Caso {
  const char* nome;
  bool pessoa;
  const char* numero;
  const char* declarante;
  int natureza;
  bool numeroComFoco;
  std::vector<int> respostas;
  std::vector<Mensagem> esperadas;
  bool criada;
  N::Foco foco;
};

class ConfirmacaoNovaDeclaracao : public NovaDeclaracaoTeste, public testing::WithParamInterface<Caso> {};

TEST_P(ConfirmacaoNovaDeclaracao, CadaChecagemComSuaMensagemNaOrdem) {
  const Caso& c = GetParam();
  N& nova = Nova(c.pessoa);
  if (c.natureza >= 0) nova.cbbCbTipoDeclaranteChange(c.natureza);
  nova.Form().numero = QString::fromLatin1(c.numero);
  nova.Form().nome = QString::fromUtf8(c.declarante);
  m_caixa.limpa();
  for (int r : c.respostas) m_caixa.responde(r);
  const int antes = Linhas();

  const N::Resultado r = nova.BbOkClick(c.numeroComFoco);

  ConfereMensagens(m_caixa, c.esperadas);
  EXPECT_EQ(r.criada, c.criada);
  EXPECT_EQ(r.foco, c.foco);
  EXPECT_EQ(Linhas(), antes + (c.criada ? 1 : 0));
  const QString arquivo = QStringLiteral("TOLV2014") + QString::fromLatin1(c.numero) + QStringLiteral("2013.FDB");
  EXPECT_EQ(Existe(arquivo), c.criada);
  if (c.criada) {
    EXPECT_FALSE(m_tolv.GetTolvDK().isEmpty());
  }
}

constexpr int kSim = ResultadoMensagem::Sim;
constexpr int kNao = ResultadoMensagem::Nao;

INSTANTIATE_TEST_SUITE_P(
    Casos, ConfirmacaoNovaDeclaracao,
    testing::Values(
        Caso{"numero_vazio_pessoa", true, "", "", -1, true, {},
             {{"Número de inscrição no CPF obrigatório.", "Erro", 16}}, false, N::Foco::Numero},
        Caso{"numero_vazio_empresa", false, "", "", -1, true, {},
             {{"Número de inscrição no CNPJ obrigatório.", "Erro", 16}}, false, N::Foco::Numero},
        // Left already: OK only stops.
        Caso{"numero_vazio_fora_do_numero", true, "", "", -1, false, {}, {}, false, N::Foco::Nenhum},
        Caso{"cpf_invalido", true, "52998224726", "ANA", -1, true, {}, {{"CPF inválido…", "Erro", 16}}, false,
             N::Foco::Numero},
        Caso{"nome_invalido", true, "98765432100", "JOAO 2", -1, false, {},
             {{"Não são válidos algarismos…", "Erro", 16}}, false, N::Foco::Nome},
        Caso{"nome_vazio_pessoa", true, "98765432100", "", -1, false, {}, {{"Nome inválido ou ausente.", "Erro", 16}},
             false, N::Foco::Nome},
        Caso{"nome_vazio_empresa", false, "99887766000105", "", 0, false, {},
             {{"Nome empresarial inválido ou ausente.", "Erro", 16}}, false, N::Foco::Nome},
        Caso{"empresa_sem_natureza", false, "99887766000105", "NOVA EMPRESA LTDA", -1, false, {},
             {{"Informe natureza do declarante.", "Erro", 16}}, false, N::Foco::Natureza},
        Caso{"cpf_ja_declarado", true, "52998224725", "MARIA DAS DORES", -1, false, {},
             {{"Já existe declaração para o CPF 529.982.247-25 no ano-calendário 2013. Utilize a opção abrir no menu "
               "declaração ou corrija.",
               "Erro", 16}},
             false, N::Foco::Nenhum},
        Caso{"cnpj_ja_declarado", false, "11444777000161", "EMPRESA PRIVADA LTDA", 0, false, {},
             {{"Já existe declaração para o CNPJ 11.444.777/0001-61 no ano-calendário 2013. Utilize a opção abrir no "
               "menu declaração ou corrija.",
               "Erro", 16}},
             false, N::Foco::Nenhum},
        // The root of a private company already declared: message 238 names the establishment.
        Caso{"raiz_privada", false, "11444777000242", "EMPRESA PRIVADA LTDA", 0, false, {},
             {{"Já existe declaração para o CNPJ 11.444.777/0001-61 no ano-calendário 2013. Utilize a opção abrir no "
               "menu declaração ou corrija.",
               "Erro", 16}},
             false, N::Foco::Nenhum},
        Caso{"confirmacao_nao", true, "98765432100", "JOSE NOVO", -1, false, {kNao},
             {{"Confirma a criação da declaração CPF: 987.654.321-00?", "Criar nova Tolv", 36}}, false,
             N::Foco::Nenhum},
        Caso{"pessoa_criada", true, "98765432100", "JOSE NOVO", -1, false, {kSim},
             {{"Confirma a criação da declaração CPF: 987.654.321-00?", "Criar nova Tolv", 36}}, true,
             N::Foco::Nenhum},
        // A public body's new establishment: the number's exit takes the first one's nature.
        Caso{"estabelecimento_publico_criado", false, "33445566000267", "ORGAO FEDERAL - FILIAL", -1, true, {kSim},
             {{"Confirma a criação da declaração CNPJ: 33.445.566/0002-67?", "Criar nova Tolv", 36}}, true,
             N::Foco::Nenhum}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(NovaDeclaracaoTeste, EstabelecimentoPublicoTomaNaturezaEIndicadoresDoPrimeiro) {
  N& nova = Nova(false);
  nova.Form().numero = QStringLiteral("33445566000267");
  ASSERT_TRUE(nova.edtNIExit());
  EXPECT_TRUE(m_caixa.chamadas().empty());
  const N::Formulario& f = nova.Form();
  EXPECT_EQ(f.natureza, 1);
  EXPECT_FALSE(f.naturezaHabilitada);
  EXPECT_EQ(f.nome, QStringLiteral("ORGAO FEDERAL"));
  // Nature 1 shows the health plan and payments abroad, both taken from the first establishment.
  EXPECT_TRUE(f.caixas[N::PlanoSaude].visivel && f.caixas[N::PlanoSaude].marcada);
  EXPECT_TRUE(f.caixas[N::Remessa].visivel && f.caixas[N::Remessa].marcada);
  for (N::Caixa c : {N::Fundos, N::Depositario, N::Ostensivo}) {
    EXPECT_FALSE(f.caixas[c].visivel) << c;
    EXPECT_FALSE(f.caixas[c].habilitada) << c;
  }
  // The number waits unformatted while the rule holds it.
  EXPECT_EQ(f.numero, QStringLiteral("33445566000267"));

  m_caixa.responde(kSim);
  ASSERT_TRUE(nova.BbOkClick(false).criada);
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT IN_NATUREZADECLAR FROM TOLVS WHERE NR_PF_PJ = '334455660002'")),
            QStringLiteral("1"));
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT IN_REMESSA || IN_PLANOSAUDE FROM TOLVS WHERE NR_PF_PJ = '334455660002'")),
            QStringLiteral("S1"));
}

TEST_F(NovaDeclaracaoTeste, RaizPrivadaRecusadaAoSairDoNumeroEDeNovoNoOk) {
  N& nova = Nova(false);
  nova.cbbCbTipoDeclaranteChange(0);
  nova.Form().numero = QStringLiteral("11444777000242");
  nova.Form().nome = QStringLiteral("FILIAL NOVA LTDA");
  // The exit tells, and lets the user go on to correct the number or the year.
  EXPECT_TRUE(nova.edtNIExit());
  m_caixa.responde(kSim);
  EXPECT_FALSE(nova.BbOkClick(false).criada);
  const QString texto = QStringLiteral(
      "Já existe declaração para o CNPJ 11.444.777/0001-61 no ano-calendário 2013. Utilize a opção abrir no menu "
      "declaração ou corrija.");
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  for (const auto& c : m_caixa.chamadas()) EXPECT_EQ(c.texto, texto);
  EXPECT_EQ(Linhas(), 4);
}

TEST_F(NovaDeclaracaoTeste, SaidaDoNumeroPreencheZerosFormataETomaNomeDeOutroAno) {
  N& nova = Nova(true);
  nova.Form().numero = QStringLiteral("11144477735");
  ASSERT_TRUE(nova.edtNIExit());
  EXPECT_EQ(nova.Form().numero, QStringLiteral("111.444.777-35"));
  EXPECT_EQ(nova.Form().nome, QStringLiteral("JOSE DA SILVA"));

  // A short number is padded to the kind's length, and checked as such.
  N& empresa = Nova(false);
  empresa.Form().numero = QStringLiteral("5");
  EXPECT_FALSE(empresa.edtNIExit());
  EXPECT_EQ(empresa.Form().numero, QStringLiteral("00000000000005"));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Erro"));

  // Entering again shows the digits only, once the declarant is valid.
  N& outra = Nova(true);
  outra.Form().numero = QStringLiteral("98765432100");
  ASSERT_TRUE(outra.edtNIExit());
  outra.Form().nome = QStringLiteral("JOSE NOVO");
  ASSERT_TRUE(outra.DeNomeExit());
  outra.edtNIEnter();
  EXPECT_EQ(outra.Form().numero, QStringLiteral("98765432100"));
}

TEST_F(NovaDeclaracaoTeste, NomeVazioAoSairConformeOTipo) {
  N& pessoa = Nova(true);
  EXPECT_FALSE(pessoa.DeNomeExit());
  ConfereMensagens(m_caixa, {{"Nome inválido ou ausente.", "Erro", 16}});
  N& empresa = Nova(false);
  EXPECT_FALSE(empresa.DeNomeExit());
  ConfereMensagens(m_caixa, {{"Nome empresarial inválido ou ausente.", "Erro", 16}});
  m_caixa.limpa();
  empresa.Form().nome = QStringLiteral("  EMPRESA   NOVA  ");
  EXPECT_TRUE(empresa.DeNomeExit());
  EXPECT_EQ(empresa.Form().nome, QStringLiteral("EMPRESA NOVA"));
  // A name the rules refuse keeps the focus with its own message.
  empresa.Form().nome = QStringLiteral("AB");
  EXPECT_FALSE(empresa.DeNomeExit());
  ConfereMensagens(m_caixa, {{"Nome empresarial incompleto ou inválido…", "Erro", 16}});
}

TEST_F(NovaDeclaracaoTeste, AnoSeguinteExigeSituacaoEspecialComAMensagemDoTipo) {
  N& pessoa = Nova(true);
  EXPECT_EQ(pessoa.CbAnoRetChange(1), N::Foco::TipoEvento);
  ConfereMensagens(m_caixa, {{"Declaração do ano-calendário 2014 deve ser de encerramento de espólio ou saída "
                              "definitiva do país.",
                              "Nova declaração", 32}});
  const N::Formulario& f = pessoa.Form();
  EXPECT_TRUE(f.simMarcado && f.simHabilitado);
  EXPECT_FALSE(f.naoMarcado || f.naoHabilitado);
  EXPECT_TRUE(f.tipoEventoHabilitado && f.dataEventoHabilitada);
  EXPECT_EQ(m_tolv.GetAnoCalendario(), QStringLiteral("2014"));
  EXPECT_EQ(m_tolv.GetSituacaoEspecial(), 1);

  pessoa.DataEventoMudou(QDate(2014, 3, 5));
  pessoa.Form().tipoEvento = 2;
  pessoa.CbAnoRetChange(0);
  EXPECT_TRUE(f.naoMarcado && f.naoHabilitado);
  EXPECT_FALSE(f.simMarcado || f.simHabilitado);
  EXPECT_EQ(f.tipoEvento, -1);
  EXPECT_FALSE(f.tipoEventoHabilitado || f.dataEventoHabilitada);
  EXPECT_FALSE(f.dataEvento.isValid());
  EXPECT_TRUE(m_tolv.GetDataEvento().isEmpty());

  // A company is told of extinction, whatever the number box shows yet.
  N& empresa = Nova(false);
  EXPECT_EQ(empresa.CbAnoRetChange(1), N::Foco::DataEvento);
  ConfereMensagens(m_caixa, {{"Declaração do ano-calendário 2014 deve ser de extinção.", "Nova declaração", 32}});
}

struct CasoNatureza {
  int codigo;
  std::vector<N::Caixa> visiveis;
};

class NaturezaEscolhida : public NovaDeclaracaoTeste, public testing::WithParamInterface<CasoNatureza> {};

TEST_P(NaturezaEscolhida, MostraAsCaixasDaNaturezaEDesmarcaAsOcultas) {
  N& nova = Nova(false);
  for (auto& c : nova.Form().caixas) c.marcada = true;
  nova.cbbCbTipoDeclaranteChange(GetParam().codigo);
  for (int i = 0; i < N::kCaixas; ++i) {
    bool visivel = false;
    for (N::Caixa v : GetParam().visiveis) visivel = visivel || v == i;
    EXPECT_EQ(nova.Form().caixas[size_t(i)].visivel, visivel) << i;
    EXPECT_EQ(nova.Form().caixas[size_t(i)].marcada, visivel) << i;
  }
  EXPECT_EQ(nova.Form().natureza, GetParam().codigo);
  EXPECT_EQ(m_tolv.GetCodigoNatureza(), GetParam().codigo);
  // Only the restricted nature explains itself.
  EXPECT_EQ(m_caixa.chamadas().size(), GetParam().codigo == 8 ? 1u : 0u);
  if (GetParam().codigo == 8) {
    EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Informação"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Naturezas, NaturezaEscolhida,
    testing::Values(CasoNatureza{0, {N::PlanoSaude, N::Fundos, N::Depositario, N::Remessa, N::Ostensivo, N::Copa}},
                    CasoNatureza{1, {N::PlanoSaude, N::Remessa}}, CasoNatureza{2, {N::PlanoSaude, N::Remessa}},
                    CasoNatureza{3, {N::PlanoSaude, N::Fundos, N::Depositario, N::Remessa}},
                    CasoNatureza{4, {N::PlanoSaude, N::Fundos, N::Depositario, N::Remessa}},
                    CasoNatureza{8, {N::PlanoSaude, N::Fundos, N::Depositario, N::Remessa, N::Ostensivo, N::Copa}}));

TEST_F(NovaDeclaracaoTeste, PlanoDeSaudeDaPessoaSegueOsServicosNotariais) {
  N& nova = Nova(true);
  auto& caixas = nova.Form().caixas;
  EXPECT_TRUE(caixas[N::ServicoNotarial].visivel && caixas[N::PlanoSaude].visivel && caixas[N::Remessa].visivel);
  EXPECT_FALSE(caixas[N::PlanoSaude].habilitada);
  caixas[N::ServicoNotarial].marcada = true;
  nova.chkServicoNotarialClick();
  EXPECT_TRUE(caixas[N::PlanoSaude].habilitada);
  caixas[N::PlanoSaude].marcada = true;
  caixas[N::ServicoNotarial].marcada = false;
  nova.chkServicoNotarialClick();
  EXPECT_FALSE(caixas[N::PlanoSaude].habilitada || caixas[N::PlanoSaude].marcada);
}

TEST_F(NovaDeclaracaoTeste, OkDaEmpresaPedeNatureza) {
  N& empresa = Nova(false);
  empresa.Form().numero = QStringLiteral("99887766000105");
  empresa.Form().nome = QStringLiteral("NOVA LTDA");
  EXPECT_FALSE(empresa.HabilitaOk());
  EXPECT_FALSE(empresa.cbbCbTipoDeclaranteExit());
  empresa.cbbCbTipoDeclaranteChange(3);
  EXPECT_TRUE(empresa.HabilitaOk());
  EXPECT_TRUE(empresa.cbbCbTipoDeclaranteExit());
  N& pessoa = Nova(true);
  pessoa.Form().numero = QStringLiteral("98765432100");
  pessoa.Form().nome = QStringLiteral("JOSE");
  EXPECT_TRUE(pessoa.HabilitaOk());
  EXPECT_TRUE(pessoa.cbbCbTipoDeclaranteExit());
}

TEST_F(NovaDeclaracaoTeste, PessoaCriadaComEventoENaturezaDePessoa) {
  N& nova = Nova(true);
  nova.CbAnoRetChange(1);
  nova.Form().numero = QStringLiteral("98765432100");
  nova.Form().nome = QStringLiteral("ESPOLIO DE JOSE");
  nova.Form().tipoEvento = 1;
  nova.DataEventoMudou(QDate(2014, 4, 30));
  nova.Form().caixas[N::Remessa].marcada = true;
  m_caixa.responde(kSim);
  ASSERT_TRUE(nova.BbOkClick(true).criada);
  const QString onde = QStringLiteral(" FROM TOLVS WHERE NR_PF_PJ = '987654321' AND AN_RETENCA = '2014'");
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT IN_NATUREZADECLAR") + onde), QStringLiteral("9"));
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT IN_ENCERRA || TIPO_EVENTO || IN_REMESSA") + onde), QStringLiteral("11S"));
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT EXTRACT(DAY FROM DATA_EVENTO) || '/' || EXTRACT(MONTH FROM DATA_EVENTO)") +
                     onde),
            QStringLiteral("30/4"));
  EXPECT_TRUE(Existe(QStringLiteral("TOLV2014987654321002014.FDB")));
}

struct CasoData {
  const char* digitado;
  std::optional<const char*> corrigido;
};

class DataDigitada : public testing::TestWithParam<CasoData> {};

TEST_P(DataDigitada, AnoDoEventoCorrigidoSoComDiaOuMesDeUmDigito) {
  const auto r = N::CorrigeDataDigitada(QString::fromLatin1(GetParam().digitado));
  ASSERT_EQ(r.has_value(), GetParam().corrigido.has_value());
  if (r) {
    EXPECT_EQ(*r, QString::fromLatin1(*GetParam().corrigido));
  }
}

INSTANTIATE_TEST_SUITE_P(Datas, DataDigitada,
                         testing::Values(CasoData{"5/01/2013", "5/01/2014"}, CasoData{"0/01/2013", "01/01/2014"},
                                         CasoData{"5/01/2014", std::nullopt}, CasoData{"05/01/2013", std::nullopt},
                                         CasoData{"5/1/2013", std::nullopt}, CasoData{"", std::nullopt}));

}  // namespace

namespace {

// Before a number is typed there is no root to look for: the first company of the year in the
// index lends nothing and nothing is told.
TEST_F(NovaDeclaracaoTeste, SemNumeroAEmpresaNaoTomaNadaDeOutraDoAno) {
  m_tolv.Limpar();
  N nova(m_tolv, Indice());
  nova.ConfiguraPessoaJuridica();
  nova.IniciaAno();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(nova.Form().natureza, -1);
  EXPECT_TRUE(nova.Form().naturezaHabilitada);
  EXPECT_TRUE(nova.Form().nome.isEmpty());
  EXPECT_TRUE(m_tolv.GetContribuinte().GetNome().GetValor().isEmpty());
}

// A creation that the index refuses is no creation: the dialog does not end as if it were.
TEST_F(NovaDeclaracaoTeste, CriacaoQueOIndiceNaoFazNaoTerminaODialogo) {
  N& nova = Nova(true);
  nova.Form().numero = QStringLiteral("98765432100");
  nova.Form().nome = QStringLiteral("JOSE NOVO");
  FalhaBancoIndice = true;
  m_caixa.responde(kSim);
  EXPECT_FALSE(nova.BbOkClick(false).criada);
  FalhaBancoIndice = false;
  EXPECT_EQ(Linhas(), 4);
  EXPECT_FALSE(Existe(QStringLiteral("TOLV2014987654321002013.FDB")));
}

}  // namespace
