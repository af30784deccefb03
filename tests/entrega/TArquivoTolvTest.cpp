// The writing as the wizard drives it: result codes and their failure paths, what is left on
// disk after each, the hooks, and the file as its readers see it.

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include "GravacaoTeste.h"
#include "entrega/IDestinoBytes.h"
#include "nucleo/CabecalhoDeclaracao.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/integridade/Integridade.h"

namespace {

using gravacao_teste::Caso;
using gravacao_teste::ComGravacao;

// A company's declaration with two lines: a person of 0561 and a company of 1708.
const char* const kDeclaracao = R"(
UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR, RESP_NO_CNPJ,
  RESP_PF, NM_RESP, ED_DDD, ED_TELEFONE, ED_RAMAL, ED_FAX, ED_EMAIL)
VALUES (1, '2', '114447770001', '2013', 'Padaria Pão D''Água Ltda', 0, '111444777', '222333444', 'Maria',
  '61', '33334444', '', '', 'maria@padaria.com.br') MATCHING (TOLV_DK);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN,
  VL_RETIDO_JAN) VALUES (1, 1, '0561', '1', '012345678', 'Ana Lúcia Prates', 1000.00, 12.34);
INSERT INTO ISENTOS (E_TOLV_ITEM_DK, VL_ANUAL_OUTRO, VL_ANUAL_DESCOUTRO) VALUES (1, 10.00, 'Prêmio');
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
VALUES (2, 1, '1708', '2', '112223330001', 'Serviços Técnicos S/A', 500.00);
)";

class Gravacao : public ComGravacao {
 protected:
  void SetUp() override {
    Prepara(Caso{QStringLiteral("11444777000161"), QStringLiteral("2013"), QStringLiteral("O"), QString(),
                 QStringLiteral("SP"), 0},
            QString::fromUtf8(kDeclaracao));
  }

  // The file of an earlier writing and its text copy, that a failed rewrite must leave alone.
  PedidoGravacao ComArquivoAnterior() {
    PedidoGravacao p = Pedido();
    m_anterior = ArquivoDeclaracao::TrocaExtensao(p.Arquivo, "DEC");
    EXPECT_TRUE(escreve(m_anterior, "anterior"));
    EXPECT_TRUE(escreve(ArquivoDeclaracao::TrocaExtensao(p.Arquivo, "TXT"), "texto anterior"));
    m_arquivo.GetGanchos().ConfirmaSobrescrita = [](const QString&) { return true; };
    m_dataAntes = m_tolv.GetDataGeracao();
    return p;
  }
  void AnteriorIntacto() {
    EXPECT_EQ(conteudo(m_anterior), "anterior");
    EXPECT_EQ(conteudo(ArquivoDeclaracao::TrocaExtensao(m_anterior, "TXT")), "texto anterior");
    const QString pasta = QFileInfo(m_anterior).absolutePath();
    EXPECT_EQ(Arquivos(pasta).size(), 2) << Arquivos(pasta).join(", ").toStdString();
    EXPECT_EQ(m_tolv.GetDataGeracao(), m_dataAntes);
  }

  QString m_anterior;
  QDateTime m_dataAntes;
};

TEST_F(Gravacao, GravaComONomeOficialEmMaiusculasAtualizandoADataDeGeracao) {
  PedidoGravacao p = Pedido();
  ASSERT_TRUE(p.Arquivo.endsWith(".dec"));
  const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
  ASSERT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  ASSERT_FALSE(m_arquivo.GetFalhaGravacao()) << m_arquivo.GetMensagemFalha().toStdString();
  EXPECT_EQ(QFileInfo(p.Arquivo).fileName(), "11444777000161-TOLV-2014-2013-ORIGI-NORMAL.DEC");
  EXPECT_EQ(Arquivos(QFileInfo(p.Arquivo).absolutePath()), QStringList{QFileInfo(p.Arquivo).fileName()});
  EXPECT_GE(m_tolv.GetDataGeracao(), antes);

  // Its readers: the envelope's digest and control value cover the records exactly, and the
  // header reader finds the control value.
  EnvelopeTolv envelope;
  ASSERT_EQ(envelope.Abrir(1, p.Arquivo), 0);
  const QByteArray arquivo = conteudo(p.Arquivo);
  const QByteArray registros = arquivo.left(arquivo.size() - envelope.GetTamanhoEnvelope());
  EXPECT_TRUE(registros.endsWith("FIMTOLV|\r\n"));
  EXPECT_EQ(envelope.ValorB64("hash_arquivo"), QCryptographicHash::hash(registros, QCryptographicHash::Md5));
  EXPECT_EQ(envelope.ValorB64("hash_arquivo"), CalculaMD5Arquivo(p.Arquivo, envelope.GetTamanhoEnvelope()));
  const QString controle = envelope.Valor("controle_bvd").value_or(QString());
  EXPECT_EQ(controle, TextoCrc(~CalculaCrcTexto(registros, 0xFFFFFFFFu)));
  TCabecalhoDeclaracao cabecalho;
  QString resultado;
  LeCabecalhoDeclaracao(cabecalho, p.Arquivo, resultado);
  EXPECT_EQ(resultado, "OK");
  EXPECT_EQ(cabecalho.ni, "11444777000161");
  EXPECT_EQ(cabecalho.recibo, controle + TNumeroRecibo::CalculaDVRecibo(controle));
}

TEST_F(Gravacao, MesmaDeclaracaoDaOsMesmosBytesQualquerQueSejaORelatorioImpresso) {
  PedidoGravacao p = Pedido();
  p.CopiaTexto = true;
  ASSERT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  const QByteArray primeira = conteudo(p.Arquivo);
  EXPECT_TRUE(primeira.contains("RESPO|22233344405|MARIA|61|33334444|||MARIA@PADARIA.COM.BR|\r\n"));

  // A report kind that keeps apostrophes elsewhere in the program.
  TipoImpressao = 3;
  m_arquivo.GetGanchos().ConfirmaSobrescrita = [](const QString&) { return true; };
  ASSERT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  TipoImpressao = 0;
  EXPECT_EQ(conteudo(p.Arquivo), primeira);

  // The text copy is the file without its envelope.
  EnvelopeTolv envelope;
  ASSERT_EQ(envelope.Abrir(1, p.Arquivo), 0);
  EXPECT_EQ(conteudo(ArquivoDeclaracao::TrocaExtensao(p.Arquivo, "TXT")),
            primeira.left(primeira.size() - envelope.GetTamanhoEnvelope()));
}

TEST_F(Gravacao, ReciboAoLadoDoArquivoImpedeRegravar) {
  PedidoGravacao p = ComArquivoAnterior();
  // Written by others: any letter case.
  ASSERT_TRUE(escreve(ArquivoDeclaracao::TrocaExtensao(m_anterior, "rec"), "recibo"));
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 100);
  EXPECT_EQ(conteudo(m_anterior), "anterior");
}

TEST_F(Gravacao, ReciboNaPastaPadraoImpedeGravarEmOutraPasta) {
  QDir().mkpath(ArquivoDeclaracao::PastaPadrao(m_tolv));
  ASSERT_TRUE(escreve(ArquivoDeclaracao::PastaPadrao(m_tolv) + ArquivoDeclaracao::Nome(m_tolv, "REC"), "recibo"));
  PedidoGravacao p = Pedido(m_pasta.caminho() + "/outra");
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 100);
  EXPECT_TRUE(Arquivos(m_pasta.caminho() + "/outra").isEmpty());
  EXPECT_TRUE(m_arquivo.ExisteRecibo(m_tolv));
}

TEST_F(Gravacao, DisqueteNuncaEhProcurado) {
  QTemporaryDir disquete;
  UnidadesFalsas unidades({Unidade{Casa(), TipoUnidade::Fixa, "casa", true},
                           Unidade{disquete.path(), TipoUnidade::Disquete, "a", true}});
  QDir().mkpath(ArquivoDeclaracao::PastaPadrao(m_tolv, disquete.path()));
  ASSERT_TRUE(escreve(ArquivoDeclaracao::PastaPadrao(m_tolv, disquete.path()) + ArquivoDeclaracao::Nome(m_tolv, "REC"), "r"));
  EXPECT_FALSE(m_arquivo.ExisteRecibo(m_tolv, disquete.path()));
  PedidoGravacao p = Pedido();
  p.Unidade = disquete.path();
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
}

struct CasoEspaco {
  int64_t livre;
  bool passa;
};
class EspacoLivre : public testing::TestWithParam<CasoEspaco> {};
TEST_P(EspacoLivre, ReservaMais730BytesPorItemEQuocienteMaior) {
  EXPECT_EQ(TArquivoTolv::EspacoSuficiente(GetParam().livre, 10), GetParam().passa);
}
INSTANTIATE_TEST_SUITE_P(Limites, EspacoLivre,
                         testing::Values(CasoEspaco{102400 + 730 * 11, true}, CasoEspaco{102400 + 730 * 11 - 1, false},
                                         CasoEspaco{102400 + 730 * 10, false}, CasoEspaco{0, false},
                                         CasoEspaco{-1, false}, CasoEspaco{int64_t(1) << 40, true}));

TEST_F(Gravacao, FaltaDeEspacoNoVolumeDosDadosOuNoDoDestino) {
  PedidoGravacao p = ComArquivoAnterior();
  const QString dados = m_pasta.dados();
  for (bool destinoCheio : {false, true}) {
    m_arquivo.DefineEspacoLivre([&](const QString& pasta) -> int64_t {
      const bool ehDados = pasta == dados;
      return ehDados != destinoCheio ? 1000 : int64_t(1) << 40;
    });
    EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 99) << destinoCheio;
    AnteriorIntacto();
  }
}

TEST_F(Gravacao, SobrescritaRecusadaNaCaixaDoPrograma) {
  PedidoGravacao p = ComArquivoAnterior();
  m_arquivo.GetGanchos().ConfirmaSobrescrita = nullptr;
  m_caixa.responde(ResultadoMensagem::Nao);
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 102);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, "Esta declaração já foi gravada, deseja sobrescrevê-la?");
  EXPECT_EQ(m_caixa.ultima().titulo, "Confirmação");
  AnteriorIntacto();
}

TEST_F(Gravacao, CancelarNoMeioDosBeneficiariosDeixaOArquivoAnterior) {
  PedidoGravacao p = ComArquivoAnterior();
  p.CopiaTexto = true;
  int perguntas = 0;
  m_arquivo.GetGanchos().Cancelado = [&] { return ++perguntas > 4; };
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 102);
  EXPECT_FALSE(m_arquivo.GetFalhaGravacao());
  EXPECT_GT(perguntas, 4);
  AnteriorIntacto();
}

TEST_F(Gravacao, PastaInexistenteNaoCriaOArquivo) {
  PedidoGravacao p = Pedido();
  p.Arquivo = m_pasta.caminho() + "/nao/existe/" + ArquivoDeclaracao::Nome(m_tolv);
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 233);
  EXPECT_FALSE(QFileInfo::exists(m_pasta.caminho() + "/nao"));
}

// Takes a few bytes, then fails as a full disk does.
class DestinoQueEnche : public IDestinoBytes {
 public:
  explicit DestinoQueEnche(QFileDevice& arquivo) : m_arquivo(arquivo) {}
  bool Grava(const char* dados, qint64 tamanho) override {
    if (m_arquivo.size() + tamanho > 40) return false;
    return m_arquivo.write(dados, tamanho) == tamanho;
  }
  bool Conclui() override { return m_arquivo.flush(); }
  QString Erro() const override { return QStringLiteral("No space left on device"); }

 private:
  QFileDevice& m_arquivo;
};

TEST_F(Gravacao, DiscoCheioEhFalhaSemArquivoPelaMetade) {
  PedidoGravacao p = ComArquivoAnterior();
  m_arquivo.GetGanchos().Destino = [](QFileDevice& f) { return std::make_unique<DestinoQueEnche>(f); };
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  EXPECT_TRUE(m_arquivo.GetFalhaGravacao());
  EXPECT_TRUE(m_arquivo.GetMensagemFalha().startsWith("Exception class name = EInOutError\nException message = "));
  EXPECT_TRUE(m_arquivo.GetMensagemFalha().contains("No space left on device"));
  EXPECT_TRUE(m_arquivo.GetMensagemFalha().endsWith("Entre em contato com o Brenvald \ne informe a mensagem acima."));
  AnteriorIntacto();
}

TEST_F(Gravacao, EnvelopeRecusadoEhFalhaDaGravacao) {
  PedidoGravacao p = ComArquivoAnterior();
  p.Uf = QStringLiteral("S");
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  EXPECT_TRUE(m_arquivo.GetFalhaGravacao());
  EXPECT_TRUE(m_arquivo.GetMensagemFalha().contains(QStringLiteral("Atributo \u201Cuf\u201D inválido")))
      << m_arquivo.GetMensagemFalha().toStdString();
  AnteriorIntacto();
}

struct CasoTextoInvalido {
  const char* sql;
  const char* registro;
  const char* campo;
};

class TextoInvalido : public Gravacao, public testing::WithParamInterface<CasoTextoInvalido> {};

TEST_P(TextoInvalido, FalhaNomeandoRegistroECampo) {
  Roda(QString::fromUtf8(GetParam().sql));
  PedidoGravacao p = ComArquivoAnterior();
  EXPECT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  EXPECT_TRUE(m_arquivo.GetFalhaGravacao());
  const QString mensagem = m_arquivo.GetMensagemFalha();
  EXPECT_TRUE(mensagem.contains(QStringLiteral("\"%1\" do registro %2").arg(GetParam().campo, GetParam().registro)))
      << mensagem.toStdString();
  AnteriorIntacto();
}

INSTANTIATE_TEST_SUITE_P(
    Campos, TextoInvalido,
    testing::Values(
        CasoTextoInvalido{"UPDATE BENEFICIARIOS SET NM_NM_EMPR = 'Ana|Prates' WHERE NR_PF_PJ = '012345678'", "BPFDEC",
                          "Nome"},
        CasoTextoInvalido{"UPDATE ISENTOS SET VL_ANUAL_DESCOUTRO = 'Prêmio' || ASCII_CHAR(10) || 'x'", "RIO",
                          "Descrição_de_rendimentos_isentos_-_outros"},
        CasoTextoInvalido{"UPDATE TOLVS SET ED_EMAIL = 'a|b@c'", "RESPO", "E-mail"},
        CasoTextoInvalido{"UPDATE TOLVS SET NM_NM_EMPR = 'Pão' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Ltda'", "DECPJ",
                          "Nome_Empresarial"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_ADM_FC = 1;"
                          "INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, IN_TIPO) "
                          "VALUES (2, '2', '556667770001', 'Fundo|B', 0)",
                          "FCI", "Nome_Empresarial"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_ADVOGADO = 1;"
                          "INSERT INTO FONTES (FONTE_DK, NR_PF_PJ, IN_TIPO, IN_PF_PJ_ADVOGADO, NR_ADVOGADO, NM_ADVOGADO, "
                          "TIPO_PROCESSO) VALUES (2, '123', 1, '1', '333444555', 'Dr.' || ASCII_CHAR(10) || 'Ávila', '1');"
                          "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) "
                          "VALUES (3, 2, '0561', '1', '012345678')",
                          "PROC", "Nome_do_advogado/_Nome_empresarial_do_escritório_de_advocacia"},
        CasoTextoInvalido{"INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA) "
                          "VALUES (1, '1', '012345678', 'Pensão' || ASCII_CHAR(13) || 'alimentícia')",
                          "BPFRRA", "Natureza do RRA"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_PLANOSAUDE = 1;"
                          "INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, NM_NM_EMPR_CV) "
                          "VALUES ('2', '998887770001', 'Saúde|Ouro', 'SAUDE|OURO');"
                          "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '998887770001')",
                          "OPSE", "Nome empresarial"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_PLANOSAUDE = 1;"
                          "INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '998887770001');"
                          "INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_NR_PF_PJ) VALUES (1, 1, '012345678');"
                          "INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_NOME) "
                          "VALUES (1, 1, 'Júlia' || ASCII_CHAR(10) || 'Prates')",
                          "DTPSE", "Nome"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_REMESSA = 'S';"
                          "INSERT INTO TB_REMESSA (TREM_ID, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME, "
                          "TREM_LOGRADOURO) VALUES (1, 586, '2', 'Acme', 'Main' || ASCII_CHAR(10) || 'Street')",
                          "BRPDE", "Logradouro"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_REMESSA = 'S';"
                          "INSERT INTO TB_REMESSA (TREM_ID, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) "
                          "VALUES (1, 586, '1', 'Jean|Arc')",
                          "BRPDE", "Nome/Nome empresarial"},
        CasoTextoInvalido{"UPDATE TOLVS SET IN_REMESSA = 'S';"
                          "INSERT INTO TB_REMESSA (TREM_ID, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, TREM_NOME) "
                          "VALUES (1, 586, '2', 'Acme');"
                          "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO) "
                          "VALUES (1, 1, '2013-01-01', '04|3')",
                          "VRPDE", "Código_de_receita"},
        // The complementary text keeps its own rule for line breaks, not for the separator.
        CasoTextoInvalido{"INSERT INTO COMPROVANTES_PF (NR_PF, INFO_COMPL) "
                          "VALUES ('012345678', 'Linha um' || ASCII_CHAR(10) || 'a|b')",
                          "INF", "Informação_complementar"}));

TEST_F(Gravacao, ProgressoAteOMaximoDasContagens) {
  std::vector<std::pair<int64_t, int64_t>> passos;
  m_arquivo.GetGanchos().Progresso = [&](int64_t posicao, int64_t maximo) { passos.emplace_back(posicao, maximo); };
  PedidoGravacao p = Pedido();
  ASSERT_EQ(m_arquivo.GravaArquivo(p, m_tolv), 0);
  ASSERT_FALSE(passos.empty());
  // Two lines: one step a beneficiary, the last call at the maximum.
  EXPECT_EQ(passos.back(), std::make_pair(int64_t(2), int64_t(2)));
  for (const auto& [posicao, maximo] : passos) EXPECT_LE(posicao, maximo);
}

}  // namespace
