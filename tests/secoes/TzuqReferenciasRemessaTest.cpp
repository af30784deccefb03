#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <map>

#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/RemessaBancoTeste.h"
#include "secoes/TzuqCachesRemessa.h"
#include "secoes/TzuqCdRetencaoRemessaDAO.h"
#include "secoes/TzuqConsultasRemessaBanco.h"
#include "secoes/TzuqConsultasRemessaCache.h"
#include "secoes/TzuqDeclaracaoRemessa.h"
#include "secoes/TzuqFormaTributacaoDAO.h"
#include "secoes/TzuqPaisDAO.h"
#include "secoes/TzuqRelFonteBeneficiarioDAO.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqTipoRendimentoDAO.h"
#include "secoes/TzuqValorRemessa.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ComBancoRemessa;

class ReferenciasRemessa : public ComBancoRemessa {};

TEST_F(ReferenciasRemessa, OModeloTrazAsEntradasDaSecao) {
  // The countries of the public table, codes as integers (013 is 13).
  TzuqPaisDAO paises;
  const auto todos = paises.ConsultaTodos();
  EXPECT_EQ(todos.size(), 249u);
  std::map<int, QString> porCodigo;
  for (const auto& p : todos) porCodigo[p.codigo] = p.nome;
  EXPECT_EQ(porCodigo.size(), todos.size());
  EXPECT_EQ(porCodigo[13], "AFEGANISTAO");
  EXPECT_EQ(porCodigo[63], "ARGENTINA");
  EXPECT_EQ(porCodigo[249], "ESTADOS UNIDOS");
  EXPECT_EQ(porCodigo[586], "PARAGUAI");
  for (int codigo : {13, 586, 890}) {
    EXPECT_TRUE(paises.Existe(codigo)) << codigo;
    EXPECT_TRUE(TzuqPaisDAO::ExisteEmCache(codigo)) << codigo;
  }
  for (int codigo : {0, 12, 999}) {
    EXPECT_FALSE(paises.Existe(codigo)) << codigo;
    EXPECT_FALSE(TzuqPaisDAO::ExisteEmCache(codigo)) << codigo;
  }

  TzuqRelFonteBeneficiarioDAO relacoes;
  for (const char* codigo : {"500", "510", "520", "530", "540", "550", "560", "570", "900"})
    EXPECT_TRUE(relacoes.Existe(QString::fromLatin1(codigo))) << codigo;
  EXPECT_FALSE(relacoes.Existe(QStringLiteral("580")));
  EXPECT_FALSE(relacoes.Existe(QStringLiteral("0500")));
  EXPECT_EQ(Le(QStringLiteral("SELECT TRFB_DESCRICAO FROM TB_REL_FONTE_BENEFICIARIO WHERE TRFB_CD = '570'")),
            QStringLiteral("A fonte pagadora e a beneficiária mantém acordo de atuação conjunta."));

  TzuqCdRetencaoRemessaDAO codigos;
  const auto lista = codigos.ConsultaTodos();
  ASSERT_EQ(lista.size(), 2u);
  EXPECT_EQ(lista[0].GetCodigo(), "0473");
  EXPECT_EQ(lista[0].GetPfPjAmbos(), "A");
  EXPECT_EQ(lista[1].GetCodigo(), "0610");
  EXPECT_EQ(lista[1].GetPfPjAmbos(), "F");
  EXPECT_EQ(lista[1].GetAnexo(), "N");
  EXPECT_EQ(lista[1].GetNaturezas(), "0123489");
  EXPECT_FALSE(lista[1].GetResumo().isEmpty());

  TzuqFormaTributacaoDAO formas;
  const auto todas = formas.ConsultaTodas();
  ASSERT_EQ(todas.size(), 2u);
  EXPECT_EQ(todas[0].codigo, 10);
  EXPECT_FALSE(todas[0].AdmiteZero());
  EXPECT_TRUE(todas[0].AdmiteNaoZero());
  EXPECT_EQ(todas[1].codigo, 40);
  EXPECT_TRUE(todas[1].AdmiteZero());
  EXPECT_FALSE(todas[1].AdmiteNaoZero());

  TzuqTipoRendimentoDAO tipos;
  const auto rendimentos = tipos.ConsultaTodos();
  std::vector<int> codigosTipo;
  for (const auto& t : rendimentos) codigosTipo.push_back(t.codigo);
  EXPECT_EQ(codigosTipo, std::vector<int>({110, 240, 250}));
  EXPECT_TRUE(tipos.Existe(QStringLiteral("110")));
  EXPECT_TRUE(tipos.Existe(QStringLiteral(" 240 ")));
  EXPECT_FALSE(tipos.Existe(QStringLiteral("111")));
  EXPECT_FALSE(tipos.Existe(QStringLiteral("abc")));
  EXPECT_TRUE(TzuqTipoRendimentoDAO::ExisteEmCache(QStringLiteral("250")));
  EXPECT_THROW(TzuqTipoRendimentoDAO::ExisteEmCache(QStringLiteral("x")), EConversaoRemessa);
}

TEST_F(ReferenciasRemessa, CodigosPorNaturezaECargaDoCache) {
  TzuqCdRetencaoRemessaDAO dao;
  EXPECT_EQ(dao.ConsultaPorNatureza(QStringLiteral("2")).size(), 2u);
  EXPECT_TRUE(dao.ConsultaPorNatureza(QStringLiteral("5")).empty());
  // The nature is a parameter: a pattern character in it matches only itself.
  EXPECT_TRUE(dao.ConsultaPorNatureza(QStringLiteral("%")).empty());
  EXPECT_TRUE(dao.ConsultaPorNatureza(QStringLiteral("_")).empty());
  EXPECT_TRUE(dao.ConsultaPorNatureza(QStringLiteral("'")).empty());

  TCodigoRetencao codigo;
  codigo.SetCodigo(QStringLiteral("0610"));
  TzuqCdRetencaoRemessaDAO::Carrega(codigo);
  EXPECT_EQ(codigo.GetCodigo(), "0610");
  EXPECT_EQ(codigo.GetPfPjAmbos(), "F");
  EXPECT_EQ(codigo.GetNaturezas(), "0123489");
  codigo.SetCodigo(QStringLiteral("0611"));
  TzuqCdRetencaoRemessaDAO::Carrega(codigo);
  EXPECT_EQ(codigo.GetCodigo(), QString());
  EXPECT_EQ(codigo.GetPfPjAmbos(), QString());
}

TEST_F(ReferenciasRemessa, FormaPermitidaPelasMarcasDoModelo) {
  struct Caso {
    const char* forma;
    const char* irrf;
    bool permitida;
  };
  for (const Caso& c : {Caso{"40", "", true}, Caso{"40", "0,00", true}, Caso{"40", "1,00", false},
                        Caso{"10", "150,00", true}, Caso{"10", "0", false}, Caso{"10", "", false},
                        Caso{"", "0", false}, Caso{"  ", "0", false}, Caso{"99", "0", false}}) {
    SCOPED_TRACE(std::string(c.forma) + "/" + c.irrf);
    EXPECT_EQ(TzuqFormaTributacaoDAO::Permitida(QString::fromLatin1(c.forma), QString::fromLatin1(c.irrf)),
              c.permitida);
  }
}

TEST_F(ReferenciasRemessa, AsMarcasDaFormaVemDaTabelaNaoDoCodigo) {
  // The template as another edition could ship it: form 10 also admits zero, and a form 45
  // that admits only a positive tax.
  const QString modelo = QStringLiteral("TOLV2014PD.FDB");
  m_pasta.roda(modelo, QStringLiteral("UPDATE TB_FORMA_TRIBUTACAO SET TFOT_IN_ZERO = 'V' WHERE "
                                      "TFOT_CD_FORMA_TRIBUTACAO = 10;"
                                      "INSERT INTO TB_FORMA_TRIBUTACAO VALUES (45, 'Quarenta e cinco', 'F', 'V');"));
  TzuqRemessa remessa;
  remessa.SetConsultas(&TzuqConsultasRemessaCache::Instancia());
  TzuqValorRemessa valor;
  valor.SetRemessa(&remessa);
  valor.SetCdFormaTributacao(QStringLiteral("10"));
  valor.SetVlIrrf(QStringLiteral("0"));
  EXPECT_EQ(valor.ValidaCampo(TzuqValorRemessa::kFormaTributacao), nullptr);
  valor.SetCdFormaTributacao(QStringLiteral("45"));
  ASSERT_NE(valor.ValidaCampo(TzuqValorRemessa::kFormaTributacao), nullptr);
  EXPECT_EQ(valor.GetErro()->Codigo(), 215);
  valor.SetVlIrrf(QStringLiteral("10,00"));
  EXPECT_EQ(valor.ValidaCampo(TzuqValorRemessa::kFormaTributacao), nullptr);
}

TEST_F(ReferenciasRemessa, OsCachesLeemOModeloUmaVezEFechamAConexao) {
  EXPECT_TRUE(TzuqPaisDAO::ExisteEmCache(586));
  EXPECT_FALSE(bd::Conexao::arquivoEmUso(Modelo()));
  // A declaration can be copied from the template while the caches live.
  EXPECT_NO_THROW(bd::Conexao::copiaArquivo(Modelo(), m_pasta.dados() + QStringLiteral("/TOLV2014999999999992013.FDB")));
  // Read once: a change of the template afterwards is not seen, and the template is not needed.
  m_pasta.roda(QStringLiteral("TOLV2014PD.FDB"), QStringLiteral("INSERT INTO TB_PAIS VALUES (999, 'ATLANTIDA')"));
  EXPECT_FALSE(TzuqPaisDAO::ExisteEmCache(999));
  ASSERT_TRUE(QFile::remove(Modelo()));
  EXPECT_TRUE(TzuqFormaTributacaoDAO::Permitida(QStringLiteral("40"), QString()));
  EXPECT_TRUE(TzuqTipoRendimentoDAO::ExisteEmCache(QStringLiteral("110")));
  // Forgotten, they are read again from the template of the folder.
  TzuqCachesRemessa::Descarta();
  m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"));
  m_pasta.roda(QStringLiteral("TOLV2014PD.FDB"), QStringLiteral("INSERT INTO TB_PAIS VALUES (999, 'ATLANTIDA')"));
  EXPECT_TRUE(TzuqPaisDAO::ExisteEmCache(999));
}

// A company of nature 0 with a beneficiary in Paraguay and two lines, checked in full.
void Preenche(TzuqRemessa& r, TzuqValorRemessa& a, TzuqValorRemessa& b) {
  r.SetInTipoBeneficiario(QStringLiteral("1"));
  r.SetCdPais(QStringLiteral("586"));
  r.SetNif(QStringLiteral("PY123"));
  r.SetInBenefDispensaNif(QStringLiteral("N"));
  r.SetInPaisDispensaNif(QStringLiteral("N"));
  r.SetCdRelFonteBeneficiario(QStringLiteral("900"));
  r.GetNome().SetNomeComErro(QStringLiteral("Juan Benitez"));
  for (TzuqValorRemessa* v : {&a, &b}) {
    v->SetRemessa(&r);
    v->SetData(QStringLiteral("10/05/2013"));
    v->SetVlRendimentoPago(QStringLiteral("5000"));
    v->SetCdRetencao(QStringLiteral("0610"));
    v->SetCdTipoRendimento(QStringLiteral("110"));
    v->SetCdFormaTributacao(QStringLiteral("10"));
    v->SetVlIrrf(QStringLiteral("750"));
  }
  b.SetCdRetencao(QStringLiteral("0473"));
  b.SetCdFormaTributacao(QStringLiteral("40"));
  b.SetVlIrrf(QStringLiteral("0"));
}

TEST_F(ReferenciasRemessa, AVerificacaoCompletaNaoVaiAoBanco) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetCodigoNatureza(0);
  TzuqDeclaracaoRemessa declaracao(tolv);
  TzuqRemessa r;
  TzuqValorRemessa a;
  TzuqValorRemessa b;
  Preenche(r, a, b);
  r.SetDeclaracao(&declaracao);
  r.SetConsultas(&TzuqConsultasRemessaCache::Instancia());
  r.ValidaTodos();  // the caches are read here, once
  // From now on no database is there to answer.
  TColecao::FechaConexoes();
  ASSERT_TRUE(QFile::remove(Modelo()));
  ASSERT_TRUE(QFile::remove(m_pasta.dados() + u'/' + kBanco));
  r.ValidaTodos();
  a.ValidaTodos();
  b.ValidaTodos();
  EXPECT_TRUE(r.EhValido()) << r.GetErro()->Mensagem().toStdString();
  EXPECT_TRUE(a.EhValido()) << a.GetErro()->Mensagem().toStdString();
  EXPECT_TRUE(b.EhValido()) << b.GetErro()->Mensagem().toStdString();
  r.SetCdPais(QStringLiteral("999"));
  r.SetCdRelFonteBeneficiario(QStringLiteral("580"));
  r.ValidaTodos();
  a.ValidaTodos();
  ASSERT_EQ(r.GetErros().size(), 2u);
  EXPECT_EQ(r.GetErros()[0].Codigo(), 229);
  EXPECT_EQ(r.GetErros()[1].Codigo(), 197);
  ASSERT_EQ(a.GetErros().size(), 1u);
  EXPECT_EQ(a.GetErros()[0].Codigo(), 312);
}

TEST_F(ReferenciasRemessa, AsConsultasDoEditorPerguntamATabelaDaDeclaracao) {
  Roda(QStringLiteral("INSERT INTO TB_PAIS VALUES (999, 'ATLANTIDA');"
                      "INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('580', 'Outra');"
                      "INSERT INTO TB_TIPO_RENDIMENTO VALUES (120, 'Outro', '');"));
  TzuqConsultasRemessaBanco& banco = TzuqConsultasRemessaBanco::Instancia();
  EXPECT_TRUE(banco.ExistePais(999));
  EXPECT_FALSE(banco.ExistePaisEmCache(999));
  EXPECT_TRUE(banco.ExisteRelacao(QStringLiteral("580")));
  EXPECT_TRUE(banco.ExisteTipoRendimento(QStringLiteral("120")));
  EXPECT_FALSE(banco.ExisteTipoRendimentoEmCache(120));
  TzuqConsultasRemessaCache& cache = TzuqConsultasRemessaCache::Instancia();
  EXPECT_FALSE(cache.ExistePais(999));
  EXPECT_FALSE(cache.ExisteRelacao(QStringLiteral("580")));
  EXPECT_TRUE(cache.ExisteRelacao(QStringLiteral("560")));
  EXPECT_FALSE(cache.ExisteTipoRendimento(QStringLiteral("120")));
  EXPECT_FALSE(cache.ExisteTipoRendimento(QStringLiteral("abc")));
  // A beneficiary given no look-ups asks the declaration's tables for its country.
  TzuqRemessa r;
  r.SetCdPais(QStringLiteral("999"));
  EXPECT_EQ(r.ValidaCampo(TzuqRemessa::kPais), nullptr);
  ASSERT_NE(r.ValidaCampo(TzuqRemessa::kPaisEmCache), nullptr);
  EXPECT_EQ(r.GetErro()->Codigo(), 229);
}

TEST_F(ReferenciasRemessa, FilialDeFundoDaDeclaracaoSoNaVerificacao) {
  Roda(QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR) "
                      "VALUES (2, 0, '2', '112223330001', 'Fundo Raiz')"));
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetInAdmFC(1);
  TzuqDeclaracaoRemessa declaracao(tolv);
  EXPECT_EQ(declaracao.TipoNiDeclarante(), kNiCnpj);
  EXPECT_TRUE(declaracao.AdministraFundoClube());
  EXPECT_EQ(declaracao.FundoMesmaRaiz(QStringLiteral("11222333000262")), "Fundo Raiz");
  EXPECT_EQ(declaracao.FundoMesmaRaiz(QStringLiteral("11444777000242")), "SemErro");

  TzuqRemessa r;
  r.SetDeclaracao(&declaracao);
  r.SetInTipoBeneficiario(QStringLiteral("2"));
  r.SetNiComErro(QStringLiteral("11222333000262"));
  EXPECT_EQ(r.ValidaCampo(TzuqRemessa::kNi), nullptr);
  declaracao.SetVerificacaoEmCurso(true);
  ASSERT_NE(r.ValidaCampo(TzuqRemessa::kNi), nullptr);
  EXPECT_EQ(r.GetErro()->Codigo(), 294);
  EXPECT_EQ(r.GetErro()->TextoExtra(), "11.222.333/0002-62");
  tolv.LiberaItens();
}

}  // namespace
